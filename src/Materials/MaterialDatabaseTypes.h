#pragma once

#include "KorvexDatabase_export.h"
#include "core/TableDatabase.h"

#include <QString>

#include <set>
#include <vector>

class QDialog;
class QDomElement;
class QTableWidget;

namespace KorvexMaterialDatabase {

class CLayerDialog;

/// One building material: its specific weight D (kg/m³) and thermal conductivity L
/// (W/(m·K)), kept as text exactly as loaded or typed.
///
/// In memory the name carries the specific weight as its last word ("Кирпич 1800"); the
/// table keeps the name without it.
class KORVEXDATABASE_EXPORT CMaterial
{
public:
    CMaterial() = default;
    CMaterial(const QString &name, const QString &D, const QString &L);

    const QString &GetName() const { return m_name; }
    const QString &GetD() const { return m_d; }
    const QString &GetL() const { return m_l; }

    void SetName(const QString &name) { m_name = name; }
    void SetD(const QString &D) { m_d = D; }
    void SetL(const QString &L) { m_l = L; }

    bool operator==(const CMaterial &other) const { return m_name == other.m_name; }
    bool operator!=(const CMaterial &other) const { return !(*this == other); }
    bool operator<(const CMaterial &other) const { return m_name < other.m_name; }
    bool operator>(const CMaterial &other) const { return other < *this; }

private:
    QString m_name = QStringLiteral("");
    QString m_d = QStringLiteral("");
    QString m_l = QStringLiteral("");
};

/// A named group of materials, in insertion order.
class KORVEXDATABASE_EXPORT CMaterialGroup
{
public:
    CMaterialGroup() = default;
    explicit CMaterialGroup(const QString &name);

    const QString &GetName() const { return m_name; }
    const std::vector<CMaterial> &GetMaterials() const { return m_materials; }
    void SetName(const QString &name) { m_name = name; }
    /// Replaces the group's materials by a copy of \a materials.
    void SetMaterialGroups(const std::vector<CMaterial> &materials) { m_materials = materials; }

    /// The first material of exactly that name, or null; valid until the materials change.
    CMaterial *FindMaterial(const QString &name);
    const CMaterial *FindMaterial(const QString &name) const;
    /// Appends a copy, without looking for one of the same name.
    void InsertMaterial(const CMaterial &material);
    /// Erases the first material of the argument's name, if any.
    void DeleteMaterial(const CMaterial &material);

    bool operator==(const CMaterialGroup &other) const { return m_name == other.m_name; }
    bool operator!=(const CMaterialGroup &other) const { return !(*this == other); }
    bool operator<(const CMaterialGroup &other) const { return m_name < other.m_name; }
    bool operator>(const CMaterialGroup &other) const { return other < *this; }

private:
    QString m_name = QStringLiteral("");
    std::vector<CMaterial> m_materials;
};

/// One layer of a construction as the host keeps it: the material as text, thickness δ
/// in cm and thermal conductivity λ in W/(m·K).
struct KORVEXDATABASE_EXPORT TLayerMaterialType
{
    unsigned int LayerMaterialID = 0; ///< the host's; only carried
    QString LayerMaterial;
    double Thickness = 0.0; ///< cm
    double Lambda = 0.0; ///< W/(m·K)

    /// Layers of one construction are told apart by their number.
    bool operator<(const TLayerMaterialType &other) const
    {
        return LayerMaterialID < other.LayerMaterialID;
    }
};

/// Building materials in groups (table "MATERIALS"), the layer dialog through which the
/// user picks a material for a construction layer, and the thermal resistance of layers.
///
/// \code
/// if (materials->ShowUserDialog("Кирпич", "Кирпич 1800", 12.0, -1.0)) {
///     QString name;
///     double lambda = 0, thickness = 0;
///     materials->GetUserDialogParams(name, lambda, thickness);
/// }
/// \endcode
class KORVEXDATABASE_EXPORT CMaterialDatabase : public KorvexCore::CTableDatabase
{
public:
    CMaterialDatabase();
    ~CMaterialDatabase() override;

    CMaterialDatabase(const CMaterialDatabase &) = delete;
    CMaterialDatabase &operator=(const CMaterialDatabase &) = delete;

    void LoadData() override;
    void ShowContent() override;

    const std::vector<CMaterialGroup> &GetMaterialsGroups() const { return m_groups; }
    CMaterialGroup *FindMaterialGroup(const QString &name);
    const CMaterialGroup *FindMaterialGroup(const QString &name) const;
    void InsertMaterialGroup(const CMaterialGroup &group);
    void DeleteMaterialGroup(const CMaterialGroup &group);

    /// Rewrites the whole table from the groups; GetLastError() tells how it went.
    void SaveDataToDataBase() const;

    /// Shows the layer dialog with \a group and \a material preselected (a display name),
    /// \a thickness in cm, offering only materials with λ below \a lambdaLimit (-1: all).
    /// True when the user accepted it.
    bool ShowUserDialog(const QString &group, const QString &material, const double &thickness,
                        const double &lambdaLimit) const;
    /// The result of the last layer dialog: "<group>: <material>", λ and thickness.
    void GetUserDialogParams(QString &name, double &lambda, double &thickness) const;
    /// R = Σ δ/λ in m²·K/W over the rows of a table of three columns (δ in cm in column 1,
    /// λ in column 2); 0 for any other column count.
    double CalculateLayerResistance(const QTableWidget *table) const;
    /// Lists \a layers read-only in a modal dialog over \a parent.
    void ShowLayers(const std::set<TLayerMaterialType> &layers, QDialog *parent) const;

private:
    QString m_tableName;
    std::vector<CMaterialGroup> m_groups;
    CLayerDialog *m_layerDialog = nullptr;
};

/// Stores the layer as attributes of \a element.
KORVEXDATABASE_EXPORT void SaveData(QDomElement &element, const TLayerMaterialType &layer);
/// Reads what SaveData stored; missing or malformed attributes read as 0 or empty.
KORVEXDATABASE_EXPORT void LoadData(const QDomElement &element, TLayerMaterialType &layer);

} // namespace KorvexMaterialDatabase
