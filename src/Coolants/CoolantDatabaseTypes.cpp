#include "Coolants/CoolantDatabaseTypes.h"

#include "Coolants/CoolantTable_p.h"
#include "core/NamedElements_p.h"

#include <QCoreApplication>

#include <climits>
#include <cmath>

namespace KorvexCoolantDatabase {

const KorvexCore::CColumns<CCoolant> &CoolantNameColumns()
{
    static const KorvexCore::CColumns<CCoolant> columns = {
        { "Name", &CCoolant::GetName, &CCoolant::SetName },
    };
    return columns;
}

const KorvexCore::CColumns<CCoolantParams> &CoolantParamsColumns()
{
    static const KorvexCore::CColumns<CCoolantParams> columns = {
        { "T", &CCoolantParams::GetTemp, &CCoolantParams::SetTemp },
        { "C", &CCoolantParams::GetC, &CCoolantParams::SetC },
        { "RO", &CCoolantParams::GetRo, &CCoolantParams::SetRo },
        { "VZK", &CCoolantParams::GetViscosity, &CCoolantParams::SetViscosity },
    };
    return columns;
}

const KorvexCore::CTableDescription &CoolantTable()
{
    static const KorvexCore::CTableDescription table = {
        "CREATE TABLE %1 (SortID integer PRIMARY KEY, Name varchar, T varchar, C varchar, "
        "RO varchar, VZK varchar)",
        { "INSERT INTO %1 (Name) VALUES(:Name)",
          "INSERT INTO %1 ( T, C, RO, VZK) VALUES(:T, :C, :RO, :VZK)" },
        KorvexCore::ColumnNames(CoolantNameColumns())
            + KorvexCore::ColumnNames(CoolantParamsColumns()),
    };
    return table;
}

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
    KorvexCore::CTableReader reader(*this, m_tableName);
    const int name = KorvexCore::ColumnPositions(reader, CoolantNameColumns()).front();
    const std::vector<int> params = KorvexCore::ColumnPositions(reader, CoolantParamsColumns());

    m_coolants.clear();
    // A name row opens a coolant; the property rows after it are its rows. Rows before
    // the first name row belong to no coolant and are dropped with the nameless one.
    CCoolant current;
    while (reader.Next()) {
        const QString rowName = reader.Text(name);
        if (rowName.isEmpty()) {
            CCoolantParams row;
            KorvexCore::ReadRow(row, reader, CoolantParamsColumns(), params);
            current.InsertCoolantParams(row);
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
    KorvexCore::SaveGroupedTable(*this, m_tableName, CoolantTable(), CoolantNameColumns(),
                                 CoolantParamsColumns(), m_coolants, &CCoolant::GetCoolantParams);
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

} // namespace KorvexCoolantDatabase
