#include "Climate/ClimateDatabaseTypes.h"

#include "Climate/ClimateTable_p.h"
#include "core/NamedElements_p.h"

#include <cmath>

namespace KorvexClimateDatabase {

namespace {
// The compass texts are stored in the tables as they stand, so they are never translated.
const char *const kDirections[] = { "С", "СВ", "В", "ЮВ", "Ю", "ЮЗ", "З", "СЗ" };

template<class R> std::vector<TRecordField<R>> monthFields()
{
    return { Field("Jan", &R::Jan),  Field("Feb", &R::Feb), Field("Mar", &R::Mar),
             Field("Apr", &R::Apr),  Field("May", &R::May), Field("Jun", &R::Jun),
             Field("Jul", &R::Jul),  Field("Aug", &R::Aug), Field("Sep", &R::Sep),
             Field("Oct", &R::Oct),  Field("Nov", &R::Nov), Field("Dec", &R::Dec),
             Field("Year", &R::Year) };
}

template<class R> QStringList tableColumns()
{
    return QStringList { QStringLiteral("Name") } + KorvexCore::ColumnNames(RecordColumns<R>());
}

/// Which record a setter of CSettlement stores.
template<class R> R recordOf(void (CSettlement::*)(const R &));
} // namespace

EWindDirection WindDirectionFromText(const QString &text)
{
    for (quint32 code = 1; code <= 8; ++code) {
        if (text == QString::fromUtf8(kDirections[code - 1]))
            return EWindDirection(code);
    }
    return WindNone;
}

QString WindDirectionText(EWindDirection direction)
{
    const quint32 code = direction;
    return code >= 1 && code <= 8 ? QString::fromUtf8(kDirections[code - 1]) : QString();
}

quint32 TruncatedDuration(double value)
{
    // Beyond ±2^63 (and for NaN) there is no 64-bit value to cut down; 0 like a non-number.
    if (!(std::fabs(value) < 9.2e18))
        return 0;
    return quint32(quint64(qint64(value)));
}

// ---------------------------------------------------------------------------------------
// Field tables and table texts

template<> const std::vector<TRecordField<TColdSeasonParams>> &RecordFields()
{
    using R = TColdSeasonParams;
    static const std::vector<TRecordField<R>> fields {
        Field("MostColdDay_Supply98", &R::MostColdDay_Supply98),
        Field("MostColdDay_Supply92", &R::MostColdDay_Supply92),
        Field("MostCold5Days_Supply98", &R::MostCold5Days_Supply98),
        Field("MostCold5Days_Supply92", &R::MostCold5Days_Supply92),
        Field("Supply94", &R::Supply94),
        Field("AbsoluteCold", &R::AbsoluteCold),
        Field("AverageDayTempAmplitude", &R::AverageDayTempAmplitude),
        Field("AverageTempPairs_LessEqual0_uiDuration", &R::AverageTempPairs_LessEqual0_uiDuration),
        Field("AverageTempPairs_LessEqual0_AverageTemp",
              &R::AverageTempPairs_LessEqual0_AverageTemp),
        Field("AverageTempPairs_LessEqual8_uiDuration", &R::AverageTempPairs_LessEqual8_uiDuration),
        Field("AverageTempPairs_LessEqual8_AverageTemp",
              &R::AverageTempPairs_LessEqual8_AverageTemp),
        Field("AverageTempPairs_LessEqual10_uiDuration",
              &R::AverageTempPairs_LessEqual10_uiDuration),
        Field("AverageTempPairs_LessEqual10_AverageTemp",
              &R::AverageTempPairs_LessEqual10_AverageTemp),
        Field("AverageMostColdMonthHumidity", &R::AverageMostColdMonthHumidity),
        Field("AverageMostColdMonthHumidity15", &R::AverageMostColdMonthHumidity15),
        Field("Precipitations", &R::Precipitations),
        Field("WindDirection", &R::WindDirection),
        Field("MaxAverageWindSpeed", &R::MaxAverageWindSpeed),
        Field("AverageWindSpeed8", &R::AverageWindSpeed8),
        Field("SnowFallTemperature", &R::SnowFallTemperature),
        Field("SnowFallIntensity", &R::SnowFallIntensity),
        Field("SnowMoveIntensity", &R::SnowMoveIntensity),
    };
    return fields;
}

template<> const std::vector<TRecordField<TWarmSeasonParams>> &RecordFields()
{
    using R = TWarmSeasonParams;
    static const std::vector<TRecordField<R>> fields {
        Field("Pressure", &R::Pressure),
        Field("Temp95", &R::Temp95),
        Field("Temp99", &R::Temp99),
        Field("MaxAverageTemp", &R::MaxAverageTemp),
        Field("AbsoluteMaxTemp", &R::AbsoluteMaxTemp),
        Field("AverageDayTempAmplitude", &R::AverageDayTempAmplitude),
        Field("AverageMostWarmMonthHumidity", &R::AverageMostWarmMonthHumidity),
        Field("AverageMostWarmMonthHumidity15", &R::AverageMostWarmMonthHumidity15),
        Field("Precipitations", &R::Precipitations),
        Field("PrecipitationsMax", &R::PrecipitationsMax),
        Field("Direction", &R::Direction),
        Field("MinAverageWindSpeed", &R::MinAverageWindSpeed),
    };
    return fields;
}

template<> const std::vector<TRecordField<TAverageMonthYearTemperature>> &RecordFields()
{
    static const auto fields = monthFields<TAverageMonthYearTemperature>();
    return fields;
}

template<> const std::vector<TRecordField<TAverageMonthYearPartialPressure>> &RecordFields()
{
    static const auto fields = monthFields<TAverageMonthYearPartialPressure>();
    return fields;
}

const KorvexCore::CTableDescription &ColdSeasonTable()
{
    static const KorvexCore::CTableDescription table = {
        "CREATE TABLE %1 (Name varchar(200), MostColdDay_Supply98 varchar(60), "
        "MostColdDay_Supply92 varchar(60), MostCold5Days_Supply98 varchar(60), "
        "MostCold5Days_Supply92 varchar(60), Supply94 varchar(60), AbsoluteCold varchar(60), "
        "AverageDayTempAmplitude varchar(60), AverageTempPairs_LessEqual0_uiDuration "
        "varchar(60), AverageTempPairs_LessEqual0_AverageTemp varchar(60), "
        "AverageTempPairs_LessEqual8_uiDuration varchar(60), "
        "AverageTempPairs_LessEqual8_AverageTemp varchar(60), "
        "AverageTempPairs_LessEqual10_uiDuration varchar(60), "
        "AverageTempPairs_LessEqual10_AverageTemp varchar(60), AverageMostColdMonthHumidity "
        "varchar(60), AverageMostColdMonthHumidity15 varchar(60), Precipitations varchar(60), "
        "WindDirection varchar(60), MaxAverageWindSpeed varchar(60), AverageWindSpeed8 "
        "varchar(60), SnowFallTemperature varchar(60), SnowFallIntensity varchar(60), "
        "SnowMoveIntensity varchar(60))",
        { "INSERT INTO %1 VALUES(:Name, :MostColdDay_Supply98, :MostColdDay_Supply92, "
          ":MostCold5Days_Supply98, :MostCold5Days_Supply92, :Supply94, :AbsoluteCold, "
          ":AverageDayTempAmplitude, :AverageTempPairs_LessEqual0_uiDuration, "
          ":AverageTempPairs_LessEqual0_AverageTemp, :AverageTempPairs_LessEqual8_uiDuration, "
          ":AverageTempPairs_LessEqual8_AverageTemp, :AverageTempPairs_LessEqual10_uiDuration, "
          ":AverageTempPairs_LessEqual10_AverageTemp, :AverageMostColdMonthHumidity, "
          ":AverageMostColdMonthHumidity15, :Precipitations, :WindDirection, "
          ":MaxAverageWindSpeed, :AverageWindSpeed8, :SnowFallTemperature, :SnowFallIntensity, "
          ":SnowMoveIntensity)" },
        tableColumns<TColdSeasonParams>(),
    };
    return table;
}

const KorvexCore::CTableDescription &WarmSeasonTable()
{
    static const KorvexCore::CTableDescription table = {
        "CREATE TABLE %1 (Name varchar(200), Pressure varchar(60), Temp95 varchar(60), Temp99 "
        "varchar(60), MaxAverageTemp varchar(60), AbsoluteMaxTemp varchar(60), "
        "AverageDayTempAmplitude varchar(60), AverageMostWarmMonthHumidity varchar(60), "
        "AverageMostWarmMonthHumidity15 varchar(60), Precipitations varchar(60), "
        "PrecipitationsMax varchar(60), Direction varchar(60), MinAverageWindSpeed varchar(60))",
        { "INSERT INTO %1 VALUES(:Name, :Pressure, :Temp95, :Temp99, :MaxAverageTemp, "
          ":AbsoluteMaxTemp, :AverageDayTempAmplitude, :AverageMostWarmMonthHumidity, "
          ":AverageMostWarmMonthHumidity15, :Precipitations, :PrecipitationsMax, :Direction, "
          ":MinAverageWindSpeed)" },
        tableColumns<TWarmSeasonParams>(),
    };
    return table;
}

const KorvexCore::CTableDescription &MonthTable()
{
    static const KorvexCore::CTableDescription table = {
        "CREATE TABLE %1 (Name varchar(200), Jan varchar(60), Feb varchar(60), Mar varchar(60), "
        "Apr varchar(60), May varchar(60), Jun varchar(60), Jul varchar(60), Aug varchar(60), "
        "Sep varchar(60), Oct varchar(60), Nov varchar(60), Dec varchar(60), Year varchar(60))",
        { "INSERT INTO %1 VALUES(:Name, :Jan, :Feb, :Mar, :Apr, :May, :Jun, :Jul, :Aug, :Sep, "
          ":Oct, :Nov, :Dec, :Year)" },
        tableColumns<TAverageMonthYearTemperature>(),
    };
    return table;
}

// ---------------------------------------------------------------------------------------
// Writing

namespace {
/// One of the four tables during a save: its rewrite and its prepared insert.
template<class R> class CRecordTable
{
public:
    CRecordTable(KorvexCore::CSaveTransaction &save, const QString &name,
                 const KorvexCore::CTableDescription &description,
                 const R &(CSettlement::*record)() const)
        : m_description(description)
        , m_table(save, name, description.create, KorvexCore::CTableRewrite::Emptying::DeleteRows)
        , m_record(record)
    { }
    void Prepare() { m_insert = m_table.Prepare(m_description.inserts.front()); }

    /// A country or region row: the name and empty text in every other column.
    bool WriteHeader(const QString &name)
    {
        m_insert.bindValue(QStringLiteral(":Name"), NotNull(name));
        for (const KorvexCore::CColumn<R> &column : RecordColumns<R>())
            m_insert.bindValue(column.Placeholder(), QStringLiteral(""));
        return m_table.Insert(m_insert);
    }
    bool WriteSettlement(const CSettlement &settlement)
    {
        m_insert.bindValue(QStringLiteral(":Name"), NotNull(settlement.GetName()));
        KorvexCore::BindRow(m_insert, RecordColumns<R>(), (settlement.*m_record)());
        return m_table.Insert(m_insert);
    }

private:
    /// A null string would be bound as NULL; the tables hold text.
    static QString NotNull(const QString &text)
    {
        return text.isNull() ? QStringLiteral("") : text;
    }

    const KorvexCore::CTableDescription &m_description;
    KorvexCore::CTableRewrite m_table;
    const R &(CSettlement::*m_record)() const;
    KorvexCore::CRowInsert m_insert;
};
} // namespace

void WriteClimateTables(const CClimateDatabase &database, const std::vector<CCountry> &countries,
                        const QStringList &tables)
{
    // Emptying and creating belong to the same transaction as the rows, so a save that
    // stops or is killed part way leaves all four previous tables as they were.
    KorvexCore::CSaveTransaction save(database);
    CRecordTable<TColdSeasonParams> cold(save, tables.value(0), ColdSeasonTable(),
                                         &CSettlement::GetColdSeasonParams);
    CRecordTable<TWarmSeasonParams> warm(save, tables.value(1), WarmSeasonTable(),
                                         &CSettlement::GetWarmSeasonParams);
    CRecordTable<TAverageMonthYearTemperature> temperature(
        save, tables.value(2), MonthTable(), &CSettlement::GetAverageMonthYearTemperature);
    CRecordTable<TAverageMonthYearPartialPressure> pressure(
        save, tables.value(3), MonthTable(), &CSettlement::GetAverageMonthYearPartialPressure);
    cold.Prepare();
    warm.Prepare();
    temperature.Prepare();
    pressure.Prepare();

    const auto header = [&](const QString &name) {
        return cold.WriteHeader(name) && warm.WriteHeader(name) && temperature.WriteHeader(name)
            && pressure.WriteHeader(name);
    };
    const auto settlementRow = [&](const CSettlement &s) {
        return cold.WriteSettlement(s) && warm.WriteSettlement(s) && temperature.WriteSettlement(s)
            && pressure.WriteSettlement(s);
    };
    const auto writeTree = [&]() {
        for (const CCountry &country : countries) {
            if (!header(country.GetName()))
                return;
            for (const CRegion &region : country.GetRegions()) {
                if (!header(region.GetName()))
                    return;
                for (const CSettlement &settlement : region.GetSettlements()) {
                    if (!settlementRow(settlement))
                        return;
                }
            }
        }
    };
    if (!save.Failed())
        writeTree();
    save.Finish();
}

// ---------------------------------------------------------------------------------------
// Settlements, regions, countries

CSettlement::CSettlement(const QString &name)
    : m_name(name)
{ }

CRegion::CRegion(const QString &name)
    : m_name(name)
{ }

CSettlement *CRegion::FindSettlement(const QString &name)
{
    return KorvexCore::FindNamed(m_settlements, name);
}

const CSettlement *CRegion::FindSettlement(const QString &name) const
{
    return KorvexCore::FindNamed(m_settlements, name);
}

void CRegion::InsertSettlement(const CSettlement &settlement)
{
    KorvexCore::InsertNamed(m_settlements, settlement);
}

void CRegion::DeleteSettlement(const CSettlement &settlement)
{
    KorvexCore::DeleteNamed(m_settlements, settlement.GetName());
}

CCountry::CCountry(const QString &name)
    : m_name(name)
{ }

CRegion *CCountry::FindRegion(const QString &name)
{
    return KorvexCore::FindNamed(m_regions, name);
}

const CRegion *CCountry::FindRegion(const QString &name) const
{
    return KorvexCore::FindNamed(m_regions, name);
}

void CCountry::InsertRegion(const CRegion &region)
{
    KorvexCore::InsertNamed(m_regions, region);
}

void CCountry::DeleteRegion(const CRegion &region)
{
    KorvexCore::DeleteNamed(m_regions, region.GetName());
}

// ---------------------------------------------------------------------------------------
// CClimateDatabase

CCountry *CClimateDatabase::FindCountry(const QString &name)
{
    return KorvexCore::FindNamed(m_countries, name);
}

const CCountry *CClimateDatabase::FindCountry(const QString &name) const
{
    return KorvexCore::FindNamed(m_countries, name);
}

void CClimateDatabase::InsertCountry(const CCountry &country)
{
    KorvexCore::InsertNamed(m_countries, country);
}

void CClimateDatabase::DeleteCountry(const CCountry &country)
{
    KorvexCore::DeleteNamed(m_countries, country.GetName());
}

QStringList CClimateDatabase::GetTableNames() const
{
    return { m_table1, m_table2, m_table3, m_table5 };
}

/// The names of a load's countries, of each country's regions and of each region's
/// settlements, looked up in constant time. Within one load every name is unique at its
/// level (an element is only created when none of that name exists), and nothing is
/// erased, so the element found is the one a search from the front would find.
struct CClimateDatabase::CLookup
{
    KorvexCore::CNameIndex<CCountry> countries;
    KorvexCore::CChildIndexes<KorvexCore::CNameIndex<CRegion>> regions;
    KorvexCore::CChildIndexes<KorvexCore::CChildIndexes<KorvexCore::CNameIndex<CSettlement>>>
        settlements;
};

void CClimateDatabase::FillCountryContainer(const QString &name, const QString &values,
                                            const unsigned int &table,
                                            const TColdSeasonParams &cold,
                                            const TWarmSeasonParams &warm,
                                            const TAverageMonthYearTemperature &temperature,
                                            const TAverageMonthYearPartialPressure &pressure)
{
    FillRow(
        name, !values.isEmpty(),
        [&](CSettlement &settlement) {
            switch (table) {
            case 1:
                settlement.SetColdSeasonParams(cold);
                break;
            case 2:
                settlement.SetWarmSeasonParams(warm);
                break;
            case 3:
                settlement.SetAverageMonthYearTemperature(temperature);
                break;
            case 5:
                settlement.SetAverageMonthYearPartialPressure(pressure);
                break;
            }
        },
        nullptr);
}

void CClimateDatabase::FillRow(const QString &name, bool hasValues,
                               const std::function<void(CSettlement &)> &store, CLookup *lookup)
{
    const auto findCountry = [this, lookup](const QString &countryName) {
        return lookup ? lookup->countries.Find(m_countries, countryName)
                      : KorvexCore::FindNamed(m_countries, countryName);
    };
    const auto findRegion = [this, lookup](CCountry *country, const QString &regionName) {
        return lookup ? lookup->regions.Of(size_t(country - m_countries.data()))
                            .Find(country->m_regions, regionName)
                      : country->FindRegion(regionName);
    };
    if (!name.isEmpty() && !hasValues) {
        if (name == name.toUpper()) {
            m_currentCountry = name;
            if (!findCountry(name))
                m_countries.emplace_back(name);
            m_currentRegion = QString();
        } else {
            m_currentRegion = name;
            CCountry *country = findCountry(m_currentCountry);
            if (country && !findRegion(country, name))
                country->InsertRegion(CRegion(name));
        }
        return;
    }

    CCountry *country = findCountry(m_currentCountry);
    if (!country)
        return;
    if (m_currentRegion.isEmpty()) {
        // A region the table did not name; it is saved under this name, so it stays untranslated.
        m_currentRegion = QStringLiteral("Неизвестный регион");
        if (!findRegion(country, m_currentRegion))
            country->InsertRegion(CRegion(m_currentRegion));
    }
    CRegion *region = findRegion(country, m_currentRegion);
    if (!region)
        return;
    CSettlement *settlement = lookup ? lookup->settlements.Of(size_t(country - m_countries.data()))
                                           .Of(size_t(region - country->m_regions.data()))
                                           .Find(region->m_settlements, name)
                                     : region->FindSettlement(name);
    if (settlement) {
        store(*settlement);
        return;
    }
    CSettlement added(name);
    store(added);
    region->m_settlements.push_back(std::move(added));
}

void CClimateDatabase::LoadData()
{
    m_countries.clear();
    CLookup lookup;
    const auto load = [this, &lookup](const QString &tableName, auto setRecord) {
        using R = decltype(recordOf(setRecord));
        KorvexCore::CTableReader reader(*this, tableName);
        const int name = reader.Column(QStringLiteral("Name"));
        const std::vector<int> positions = KorvexCore::ColumnPositions(reader, RecordColumns<R>());
        const std::vector<TRecordField<R>> &fields = RecordFields<R>();
        while (reader.Next()) {
            // A row is a header when its data columns are all empty; the direction, the
            // one column that holds text, does not count.
            bool hasValues = false;
            for (size_t i = 0; i < fields.size() && !hasValues; ++i)
                hasValues = fields[i].kind != EFieldKind::Direction
                    && !reader.Text(positions[i]).isEmpty();
            R record;
            if (hasValues)
                KorvexCore::ReadRow(record, reader, RecordColumns<R>(), positions);
            FillRow(
                reader.Text(name), hasValues,
                [&record, setRecord](CSettlement &settlement) { (settlement.*setRecord)(record); },
                &lookup);
        }
    };
    load(m_table1, &CSettlement::SetColdSeasonParams);
    load(m_table2, &CSettlement::SetWarmSeasonParams);
    load(m_table3, &CSettlement::SetAverageMonthYearTemperature);
    load(m_table5, &CSettlement::SetAverageMonthYearPartialPressure);
}

} // namespace KorvexClimateDatabase
