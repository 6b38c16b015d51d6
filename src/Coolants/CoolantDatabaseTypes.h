#pragma once

#include "KorvexDatabase_export.h"
#include "core/TableDatabase.h"

#include <QString>

#include <set>

class QDomElement;

namespace KorvexCoolantDatabase {

class CLoopsDialog;

/// Properties of a coolant at one whole-degree temperature. Rows are identified and
/// ordered by the temperature alone.
class KORVEXDATABASE_EXPORT CCoolantParams
{
public:
    CCoolantParams() = default;
    CCoolantParams(const int &T, const double &C, const double &Ro, const double &Viscosity);

    const int &GetTemp() const { return m_t; }
    /// Specific heat, J/(kg·K).
    const double &GetC() const { return m_c; }
    /// Density, kg/m³.
    const double &GetRo() const { return m_ro; }
    /// Kinematic viscosity in m²/s multiplied by 10⁶.
    const double &GetViscosity() const { return m_viscosity; }

    void SetTemp(const int &T) { m_t = T; }
    void SetC(const double &C) { m_c = C; }
    void SetRo(const double &Ro) { m_ro = Ro; }
    void SetViscosity(const double &Viscosity) { m_viscosity = Viscosity; }

    bool operator==(const CCoolantParams &other) const { return m_t == other.m_t; }
    bool operator!=(const CCoolantParams &other) const { return !(*this == other); }
    bool operator<(const CCoolantParams &other) const { return m_t < other.m_t; }
    bool operator>(const CCoolantParams &other) const { return m_t > other.m_t; }

private:
    int m_t = 0;
    double m_c = 0.0;
    double m_ro = 0.0;
    double m_viscosity = 0.0;
};

/// A named coolant with its property rows, one per temperature, in ascending order.
class KORVEXDATABASE_EXPORT CCoolant
{
public:
    CCoolant() = default;
    explicit CCoolant(const QString &name);
    CCoolant(const QString &name, const std::set<CCoolantParams> &rows);

    const QString &GetName() const { return m_name; }
    const std::set<CCoolantParams> &GetCoolantParams() const { return m_rows; }
    void SetName(const QString &name) { m_name = name; }

    /// Temperature of the first row; 0 for a coolant without rows.
    const int &GetMinTemp() const;
    /// Temperature of the last row; 1 for a coolant without rows, so that an empty
    /// coolant still describes a non-empty range.
    const int &GetMaxTemp() const;

    /// The row of temperature \a T, or null. The temperature of a found row must not be
    /// changed through the pointer: it is the row's key.
    CCoolantParams *FindCoolantParams(const int &T);
    const CCoolantParams *FindCoolantParams(const int &T) const;
    /// Adds a row; an existing row of the same temperature is kept unchanged.
    void InsertCoolantParams(const CCoolantParams &row);
    /// Removes the row of the argument's temperature.
    void DeleteCoolantParams(const CCoolantParams &row);
    void ClearCoolantParams() { m_rows.clear(); }

    bool operator==(const CCoolant &other) const { return m_name == other.m_name; }
    bool operator!=(const CCoolant &other) const { return !(*this == other); }
    bool operator<(const CCoolant &other) const { return m_name < other.m_name; }
    bool operator>(const CCoolant &other) const { return other < *this; }

private:
    QString m_name = QStringLiteral(""); // empty, but not null
    std::set<CCoolantParams> m_rows;
};

/// The eight design values of the calculator, in the order the host passes them.
struct TLoopDesign
{
    double HeatFluxMain = 0.0; ///< W per metre of main-zone pipe and supply sections
    double PipeInnerDiameter = 0.0; ///< mm
    double PipeRoughness = 0.0; ///< equivalent roughness, mm
    double LoopLengthLimit = 0.0; ///< m
    double HeatFluxEdge = 0.0; ///< W per metre of edge-zone pipe
    double SplitNumerator = 0.0;
    double SplitDenominator = 0.0;
    double Value8 = 0.0; ///< the host's; not used here
};

/// One floor-heating loop as the host keeps it: its inputs, the zone mode and the
/// results of the last calculation.
struct KORVEXDATABASE_EXPORT TLoop
{
    unsigned int LoopId = 0;
    unsigned int IdCollector = 1;
    double DiamCollector = 0.0; ///< mm
    double LoopLength = 0.0; ///< net length in the room, m
    double PipeLengthR = 0.0; ///< pipe in the edge zone, m
    double PipeLengthM = 0.0; ///< pipe in the main zone, m
    double SectionsLeadingLength = 0.0; ///< supply sections collector–room, m
    int NumPipeBends = 0;
    int NumKalatchs = 0;
    int NumJoints = 0;
    double LoopLengthSumm = 0.0; ///< m
    double LoopHeatLoad = 0.0; ///< W
    double Expenditure = 0.0; ///< coolant mass flow, kg/s
    double Velocity = 0.0; ///< m/s
    double LoopPressureLoss = 0.0; ///< Pa
    double OpenProcent = 0.0; ///< the host's; only carried
    double RadioID = 1.0; ///< zone mode 1…5, a whole number
    bool ZonesHidden = true; ///< the room has no zone split; never stored

    /// Loops of one collector are told apart by their number.
    bool operator<(const TLoop &other) const { return LoopId < other.LoopId; }
};

/// A distribution collector of the host with its loops. The calculator reads only the
/// identifier and the diameter; the other values belong to the host.
struct KORVEXDATABASE_EXPORT TCollector
{
    unsigned int Id = 0;
    double Value1 = 0.0;
    double Value2 = 0.0;
    double Value3 = 0.0;
    double Value4 = 0.0;
    double Value5 = 0.0;
    double Diameter = 0.0; ///< mm
    std::set<TLoop> Loops;

    bool operator<(const TCollector &other) const { return Id < other.Id; }
};

/// Coolants of table "COOLANTS" ordered by name, property interpolation and the
/// loops-and-collectors calculator.
///
/// \code
/// const CCoolantParams water = coolants->DefineCoolantParams(45.0, "Вода");
/// if (water.GetC() != 0) {
///     const TLoop &result = coolants->ReCalculate(collectors, 10, water, loop, 20, 12,
///                                                 0.007, 100, 30, 12, 40, 0);
/// }
/// \endcode
class KORVEXDATABASE_EXPORT CCoolantDatabase : public KorvexCore::CTableDatabase
{
public:
    CCoolantDatabase();
    ~CCoolantDatabase() override;

    CCoolantDatabase(const CCoolantDatabase &) = delete;
    CCoolantDatabase &operator=(const CCoolantDatabase &) = delete;

    void LoadData() override;
    void ShowContent() override;

    const std::set<CCoolant> &GetCoolants() const { return m_coolants; }
    /// The coolant of exactly that name, or null. Its name must not be changed through
    /// the pointer: it is the coolant's key.
    CCoolant *FindCoolant(const QString &name);
    const CCoolant *FindCoolant(const QString &name) const;
    /// Adds a coolant; an existing coolant of the same name keeps its rows.
    void InsertCoolant(const CCoolant &coolant);
    void DeleteCoolant(const CCoolant &coolant);

    /// Rewrites the whole table from the set; GetLastError() tells how it went.
    void SaveDataToDataBase() const;

    /// Properties of coolant \a name at \a T °C, interpolated between the nearest rows
    /// around T. All fields 0 when the coolant does not cover T.
    CCoolantParams DefineCoolantParams(const double &T, const QString &name);
    /// Ordinate at \a x of the straight line through (x1, y1) and (x2, y2).
    double GetPointOrdinate(const double &x1, const double &y1, const double &x2, const double &y2,
                            const double &x) const;

    /// Shows the loops dialog for \a loop; true when the user accepted it. The eight
    /// values are, in order: heat flux of the main zone (W/m), pipe inner diameter (mm),
    /// pipe roughness (mm), loop length limit (m), heat flux of the edge zone (W/m),
    /// split numerator, split denominator, and one value kept for the host.
    bool ShowUserDialog(const std::set<TCollector> &collectors, const int &deltaT,
                        const CCoolantParams &coolant, const TLoop &loop,
                        const double &heatFluxMain, const double &pipeInnerDiameter,
                        const double &pipeRoughness, const double &loopLengthLimit,
                        const double &heatFluxEdge, const double &splitNumerator,
                        const double &splitDenominator, const double &value8) const;
    /// Calculates \a loop as the dialog would, without showing anything.
    const TLoop &ReCalculate(const std::set<TCollector> &collectors, const int &deltaT,
                             const CCoolantParams &coolant, const TLoop &loop,
                             const double &heatFluxMain, const double &pipeInnerDiameter,
                             const double &pipeRoughness, const double &loopLengthLimit,
                             const double &heatFluxEdge, const double &splitNumerator,
                             const double &splitDenominator, const double &value8) const;
    /// The loop of the last dialog or calculation.
    const TLoop &GetUserDialogParams() const;

private:
    QString m_tableName;
    CLoopsDialog *m_loopsDialog = nullptr;
    std::set<CCoolant> m_coolants;
};

/// Stores the loop as attributes of \a element (all but ZonesHidden).
KORVEXDATABASE_EXPORT void SaveData(QDomElement &element, const TLoop &loop);
/// Reads what SaveData stored; missing or malformed attributes read as 0.
KORVEXDATABASE_EXPORT void LoadData(const QDomElement &element, TLoop &loop);

} // namespace KorvexCoolantDatabase
