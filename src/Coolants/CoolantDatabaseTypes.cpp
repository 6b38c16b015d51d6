#include "Coolants/CoolantDatabaseTypes.h"

#include "Coolants/CoolantRedactorDialog.h"
#include "Coolants/LoopsDialog.h"
#include "core/EditorFramework_p.h"
#include "core/NamedElements_p.h"
#include "core/TablePersistence_p.h"
#include "core/WidgetPlacement.h"

#include <QApplication>
#include <QDomElement>

#include <climits>
#include <cmath>

namespace KorvexCoolantDatabase {

using KorvexCore::CTableReader;
using KorvexCore::CTableWriter;

// ---------------------------------------------------------------------------------------
// CCoolantParams, CCoolant

CCoolantParams::CCoolantParams(const int &T, const double &C, const double &Ro,
                               const double &Viscosity)
    : m_t(T)
    , m_c(C)
    , m_ro(Ro)
    , m_viscosity(Viscosity)
{ }

CCoolant::CCoolant(const QString &name)
    : m_name(name)
{ }

CCoolant::CCoolant(const QString &name, const std::set<CCoolantParams> &rows)
    : m_name(name)
    , m_rows(rows)
{ }

const int &CCoolant::GetMinTemp() const
{
    static const int noRows = 0;
    return m_rows.empty() ? noRows : m_rows.begin()->GetTemp();
}

const int &CCoolant::GetMaxTemp() const
{
    static const int noRows = 1;
    return m_rows.empty() ? noRows : m_rows.rbegin()->GetTemp();
}

CCoolantParams *CCoolant::FindCoolantParams(const int &T)
{
    return KorvexCore::FindInSet(m_rows, CCoolantParams(T, 0, 0, 0));
}

const CCoolantParams *CCoolant::FindCoolantParams(const int &T) const
{
    return const_cast<CCoolant *>(this)->FindCoolantParams(T);
}

void CCoolant::InsertCoolantParams(const CCoolantParams &row)
{
    m_rows.insert(row);
}

void CCoolant::DeleteCoolantParams(const CCoolantParams &row)
{
    m_rows.erase(row);
}

// ---------------------------------------------------------------------------------------
// CCoolantDatabase

CCoolantDatabase::CCoolantDatabase()
    : m_tableName(QApplication::tr("COOLANTS"))
    , m_name(QApplication::tr("Теплоносители"))
    , m_loopsDialog(new CLoopsDialog(nullptr))
{
    KorvexCore::CenterOnScreen(m_loopsDialog, nullptr);
}

CCoolantDatabase::~CCoolantDatabase()
{
    delete m_loopsDialog;
}

CCoolant *CCoolantDatabase::FindCoolant(const QString &name)
{
    return KorvexCore::FindInSet(m_coolants, CCoolant(name));
}

const CCoolant *CCoolantDatabase::FindCoolant(const QString &name) const
{
    return const_cast<CCoolantDatabase *>(this)->FindCoolant(name);
}

void CCoolantDatabase::InsertCoolant(const CCoolant &coolant)
{
    m_coolants.insert(coolant);
}

void CCoolantDatabase::DeleteCoolant(const CCoolant &coolant)
{
    m_coolants.erase(coolant);
}

void CCoolantDatabase::LoadData()
{
    CTableReader reader(m_tableName);
    const int name = reader.Column(QStringLiteral("Name"));
    const int t = reader.Column(QStringLiteral("T"));
    const int c = reader.Column(QStringLiteral("C"));
    const int ro = reader.Column(QStringLiteral("RO"));
    const int vzk = reader.Column(QStringLiteral("VZK"));

    m_coolants.clear();
    // A name row opens a coolant; the property rows after it are its rows. Rows before
    // the first name row belong to no coolant and are dropped with the nameless one.
    CCoolant current;
    while (reader.Next()) {
        const QString rowName = reader.Text(name);
        if (rowName.isEmpty()) {
            const double viscosity = reader.Double(vzk);
            const double density = reader.Double(ro);
            const double heat = reader.Double(c);
            current.InsertCoolantParams(CCoolantParams(reader.Int(t), heat, density, viscosity));
            continue;
        }
        if (!current.GetName().isEmpty())
            m_coolants.insert(std::move(current));
        current = CCoolant(rowName);
    }
    if (!current.GetName().isEmpty())
        m_coolants.insert(std::move(current));
}

void CCoolantDatabase::SaveDataToDataBase() const
{
    CTableWriter writer(m_tableName,
                        "CREATE TABLE %1 (SortID integer PRIMARY KEY, Name varchar, T varchar, "
                        "C varchar, RO varchar, VZK varchar)");
    QSqlQuery nameRow = writer.Prepare("INSERT INTO %1 (Name) VALUES(:Name)");
    QSqlQuery paramsRow
        = writer.Prepare("INSERT INTO %1 ( T, C, RO, VZK) VALUES(:T, :C, :RO, :VZK)");
    for (const CCoolant &coolant : m_coolants) {
        nameRow.bindValue(QStringLiteral(":Name"), coolant.GetName(), QSql::In);
        if (!writer.Insert(nameRow))
            break;
        bool failed = false;
        for (const CCoolantParams &row : coolant.GetCoolantParams()) {
            paramsRow.bindValue(QStringLiteral(":T"), row.GetTemp(), QSql::In);
            paramsRow.bindValue(QStringLiteral(":C"), row.GetC(), QSql::In);
            paramsRow.bindValue(QStringLiteral(":RO"), row.GetRo(), QSql::In);
            paramsRow.bindValue(QStringLiteral(":VZK"), row.GetViscosity(), QSql::In);
            if (!writer.Insert(paramsRow)) {
                failed = true;
                break;
            }
        }
        if (failed)
            break;
    }
    writer.Finish();
}

void CCoolantDatabase::ShowContent()
{
    KorvexCore::RunEditor<CCoolantRedactorDialog>(m_name, m_coolants,
                                                  [this]() { SaveDataToDataBase(); });
}

// ---------------------------------------------------------------------------------------
// Interpolation

double CCoolantDatabase::GetPointOrdinate(const double &x1, const double &y1, const double &x2,
                                          const double &y2, const double &x) const
{
    const double k = (y2 - y1) / (x2 - x1);
    return x * k + (y1 - x1 * k);
}

CCoolantParams CCoolantDatabase::DefineCoolantParams(const double &T, const QString &name)
{
    if (name.isEmpty())
        KorvexCore::DebugLine("ERROR: coolant type is empty AT:", "Coolants\\CoolantDatabaseTypes",
                              __LINE__);
    const CCoolant *coolant = FindCoolant(name);
    if (!coolant)
        return CCoolantParams();

    const double below = std::floor(T);
    const double above = std::ceil(T);
    // Also false for NaN. INT_MAX is left out so that lo + 1 below cannot overflow;
    // no row can lie above it anyway.
    if (!(below >= double(INT_MIN) && above < double(INT_MAX)))
        return CCoolantParams();
    const int lo = int(below);
    int hi = int(above);
    if (lo == hi)
        hi = lo + 1;

    // Greatest row not above lo, smallest row not below hi.
    const std::set<CCoolantParams> &rows = coolant->GetCoolantParams();
    auto lower = rows.upper_bound(CCoolantParams(lo, 0, 0, 0));
    const auto upper = rows.lower_bound(CCoolantParams(hi, 0, 0, 0));
    if (lower == rows.begin() || upper == rows.end())
        return CCoolantParams();
    --lower;

    const double x1 = lower->GetTemp();
    const double x2 = upper->GetTemp();
    return CCoolantParams(
        int(T), GetPointOrdinate(x1, lower->GetC(), x2, upper->GetC(), T),
        GetPointOrdinate(x1, lower->GetRo(), x2, upper->GetRo(), T),
        GetPointOrdinate(x1, lower->GetViscosity(), x2, upper->GetViscosity(), T));
}

// ---------------------------------------------------------------------------------------
// Loops calculator

bool CCoolantDatabase::ShowUserDialog(const std::set<TCollector> &collectors, const int &deltaT,
                                      const CCoolantParams &coolant, const TLoop &loop,
                                      const double &heatFluxMain, const double &pipeInnerDiameter,
                                      const double &pipeRoughness, const double &loopLengthLimit,
                                      const double &heatFluxEdge, const double &splitNumerator,
                                      const double &splitDenominator, const double &value8) const
{
    if (!m_loopsDialog)
        return false;
    m_loopsDialog->InitDialog(collectors, deltaT, coolant, loop, heatFluxMain, pipeInnerDiameter,
                              pipeRoughness, loopLengthLimit, heatFluxEdge, splitNumerator,
                              splitDenominator, value8);
    return m_loopsDialog->exec() == QDialog::Accepted;
}

const TLoop &CCoolantDatabase::ReCalculate(
    const std::set<TCollector> &collectors, const int &deltaT, const CCoolantParams &coolant,
    const TLoop &loop, const double &heatFluxMain, const double &pipeInnerDiameter,
    const double &pipeRoughness, const double &loopLengthLimit, const double &heatFluxEdge,
    const double &splitNumerator, const double &splitDenominator, const double &value8) const
{
    if (!m_loopsDialog)
        return loop;
    m_loopsDialog->InitDialog(collectors, deltaT, coolant, loop, heatFluxMain, pipeInnerDiameter,
                              pipeRoughness, loopLengthLimit, heatFluxEdge, splitNumerator,
                              splitDenominator, value8);
    m_loopsDialog->Calculate();
    return m_loopsDialog->GetLoop();
}

const TLoop &CCoolantDatabase::GetUserDialogParams() const
{
    static const TLoop defaultLoop;
    return m_loopsDialog ? m_loopsDialog->GetLoop() : defaultLoop;
}

// ---------------------------------------------------------------------------------------
// XML

void SaveData(QDomElement &element, const TLoop &loop)
{
    element.setAttribute(QStringLiteral("Expenditure"), loop.Expenditure);
    element.setAttribute(QStringLiteral("LoopHeatLoad"), loop.LoopHeatLoad);
    element.setAttribute(QStringLiteral("LoopLength"), loop.LoopLength);
    element.setAttribute(QStringLiteral("LoopLengthSumm"), loop.LoopLengthSumm);
    element.setAttribute(QStringLiteral("LoopPressureLoss"), loop.LoopPressureLoss);
    element.setAttribute(QStringLiteral("PipeLengthM"), loop.PipeLengthM);
    element.setAttribute(QStringLiteral("PipeLengthR"), loop.PipeLengthR);
    element.setAttribute(QStringLiteral("SectionsLeadingLength"), loop.SectionsLeadingLength);
    element.setAttribute(QStringLiteral("Velocity"), loop.Velocity);
    element.setAttribute(QStringLiteral("LoopId"), qulonglong(loop.LoopId));
    element.setAttribute(QStringLiteral("IdCollector"), qulonglong(loop.IdCollector));
    element.setAttribute(QStringLiteral("NumJoints"), qlonglong(loop.NumJoints));
    element.setAttribute(QStringLiteral("NumKalatchs"), qlonglong(loop.NumKalatchs));
    element.setAttribute(QStringLiteral("NumPipeBends"), qlonglong(loop.NumPipeBends));
    element.setAttribute(QStringLiteral("DiamCollector"), loop.DiamCollector);
    element.setAttribute(QStringLiteral("OpenProcent"), loop.OpenProcent);
    element.setAttribute(QStringLiteral("RadioID"), loop.RadioID);
}

void LoadData(const QDomElement &element, TLoop &loop)
{
    const auto number = [&element](const char *name) {
        return element.attribute(QLatin1String(name)).toDouble();
    };
    const auto whole = [&element](const char *name) {
        return element.attribute(QLatin1String(name)).toInt(nullptr, 10);
    };
    loop.Expenditure = number("Expenditure");
    loop.LoopHeatLoad = number("LoopHeatLoad");
    loop.LoopLength = number("LoopLength");
    loop.LoopLengthSumm = number("LoopLengthSumm");
    loop.LoopPressureLoss = number("LoopPressureLoss");
    loop.PipeLengthM = number("PipeLengthM");
    loop.PipeLengthR = number("PipeLengthR");
    loop.SectionsLeadingLength = number("SectionsLeadingLength");
    loop.Velocity = number("Velocity");
    loop.LoopId = unsigned(whole("LoopId"));
    loop.IdCollector = unsigned(whole("IdCollector"));
    loop.NumJoints = whole("NumJoints");
    loop.NumKalatchs = whole("NumKalatchs");
    loop.NumPipeBends = whole("NumPipeBends");
    loop.DiamCollector = number("DiamCollector");
    loop.OpenProcent = number("OpenProcent");
    loop.RadioID = double(whole("RadioID"));
}

} // namespace KorvexCoolantDatabase
