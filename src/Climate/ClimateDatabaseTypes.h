#pragma once

#include "KorvexDatabase_export.h"
#include "core/TableDatabase.h"

#include <QString>

#include <functional>
#include <vector>

namespace KorvexClimateDatabase {

class CClimateDatabaseViewer;

/// Prevailing wind direction. Stored and shown only as its Russian compass text.
enum EWindDirection : quint32 {
    WindNone = 0,
    WindN = 1, ///< "С"
    WindNE = 2, ///< "СВ"
    WindE = 3, ///< "В"
    WindSE = 4, ///< "ЮВ"
    WindS = 5, ///< "Ю"
    WindSW = 6, ///< "ЮЗ"
    WindW = 7, ///< "З"
    WindNW = 8 ///< "СЗ"
};

/// The code of a compass text ("С" … "СЗ", compared exactly); any other text gives WindNone.
KORVEXDATABASE_EXPORT EWindDirection WindDirectionFromText(const QString &text);
/// The compass text of \a direction; the empty text for WindNone and unknown codes.
KORVEXDATABASE_EXPORT QString WindDirectionText(EWindDirection direction);

/// Climate parameters of the cold period of the year (temperatures in °C).
struct KORVEXDATABASE_EXPORT TColdSeasonParams
{
    double MostColdDay_Supply98 = 0;
    double MostColdDay_Supply92 = 0;
    double MostCold5Days_Supply98 = 0;
    double MostCold5Days_Supply92 = 0;
    double Supply94 = 0;
    double AbsoluteCold = 0;
    double AverageDayTempAmplitude = 0;
    /// Duration (days) and mean temperature of the periods below 0, 8 and 10 °C.
    quint32 AverageTempPairs_LessEqual0_uiDuration = 0;
    double AverageTempPairs_LessEqual0_AverageTemp = 0;
    quint32 AverageTempPairs_LessEqual8_uiDuration = 0;
    double AverageTempPairs_LessEqual8_AverageTemp = 0;
    quint32 AverageTempPairs_LessEqual10_uiDuration = 0;
    double AverageTempPairs_LessEqual10_AverageTemp = 0;
    double AverageMostColdMonthHumidity = 0; ///< %
    double AverageMostColdMonthHumidity15 = 0; ///< %, at 15 h
    double Precipitations = 0; ///< mm, November to March
    EWindDirection WindDirection = WindNone; ///< December to February
    double MaxAverageWindSpeed = 0; ///< m/s
    double AverageWindSpeed8 = 0; ///< m/s
    double SnowFallTemperature = 0;
    double SnowFallIntensity = 0; ///< m of snow per m² and hour
    double SnowMoveIntensity = 0; ///< m³ per m and hour
};

/// Climate parameters of the warm period of the year.
struct KORVEXDATABASE_EXPORT TWarmSeasonParams
{
    double Pressure = 0; ///< hPa
    double Temp95 = 0;
    double Temp99 = 0; ///< the higher probability, shown as 0,98
    double MaxAverageTemp = 0;
    double AbsoluteMaxTemp = 0;
    double AverageDayTempAmplitude = 0;
    double AverageMostWarmMonthHumidity = 0; ///< %
    double AverageMostWarmMonthHumidity15 = 0; ///< %, at 15 h
    double Precipitations = 0; ///< mm, April to October
    double PrecipitationsMax = 0; ///< mm a day
    EWindDirection Direction = WindNone; ///< June to August
    double MinAverageWindSpeed = 0; ///< m/s
};

/// Mean monthly and yearly air temperature, °C.
struct KORVEXDATABASE_EXPORT TAverageMonthYearTemperature
{
    double Jan = 0, Feb = 0, Mar = 0, Apr = 0, May = 0, Jun = 0, Jul = 0, Aug = 0, Sep = 0, Oct = 0,
           Nov = 0, Dec = 0, Year = 0;
};

/// Mean monthly and yearly partial pressure of water vapour, hPa.
struct KORVEXDATABASE_EXPORT TAverageMonthYearPartialPressure
{
    double Jan = 0, Feb = 0, Mar = 0, Apr = 0, May = 0, Jun = 0, Jul = 0, Aug = 0, Sep = 0, Oct = 0,
           Nov = 0, Dec = 0, Year = 0;
};

/// A settlement and its four climate records.
class KORVEXDATABASE_EXPORT CSettlement
{
public:
    CSettlement() = default;
    CSettlement(const QString &name); // not explicit: a name converts to a settlement

    const QString &GetName() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }
    const TColdSeasonParams &GetColdSeasonParams() const { return m_cold; }
    void SetColdSeasonParams(const TColdSeasonParams &params) { m_cold = params; }
    const TWarmSeasonParams &GetWarmSeasonParams() const { return m_warm; }
    void SetWarmSeasonParams(const TWarmSeasonParams &params) { m_warm = params; }
    const TAverageMonthYearTemperature &GetAverageMonthYearTemperature() const
    {
        return m_temperature;
    }
    void SetAverageMonthYearTemperature(const TAverageMonthYearTemperature &t)
    {
        m_temperature = t;
    }
    const TAverageMonthYearPartialPressure &GetAverageMonthYearPartialPressure() const
    {
        return m_pressure;
    }
    void SetAverageMonthYearPartialPressure(const TAverageMonthYearPartialPressure &p)
    {
        m_pressure = p;
    }

    bool operator==(const CSettlement &other) const { return m_name == other.m_name; }
    bool operator!=(const CSettlement &other) const { return !(*this == other); }
    bool operator<(const CSettlement &other) const { return m_name < other.m_name; }
    bool operator>(const CSettlement &other) const { return other < *this; }

private:
    QString m_name;
    TColdSeasonParams m_cold;
    TWarmSeasonParams m_warm;
    TAverageMonthYearTemperature m_temperature;
    TAverageMonthYearPartialPressure m_pressure;
};

/// A region of a country with its settlements, in insertion order.
class KORVEXDATABASE_EXPORT CRegion
{
public:
    CRegion() = default;
    CRegion(const QString &name);

    const QString &GetName() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }
    const std::vector<CSettlement> &GetSettlements() const { return m_settlements; }
    void SetSettlements(const std::vector<CSettlement> &settlements)
    {
        m_settlements = settlements;
    }
    CSettlement *FindSettlement(const QString &name);
    const CSettlement *FindSettlement(const QString &name) const;
    void InsertSettlement(const CSettlement &settlement);
    void DeleteSettlement(const CSettlement &settlement);

    bool operator==(const CRegion &other) const { return m_name == other.m_name; }
    bool operator!=(const CRegion &other) const { return !(*this == other); }
    bool operator<(const CRegion &other) const { return m_name < other.m_name; }
    bool operator>(const CRegion &other) const { return other < *this; }

private:
    friend class CClimateDatabase; // loading appends without searching twice

    QString m_name;
    std::vector<CSettlement> m_settlements;
};

/// A country with its regions, in insertion order. Country names are upper case.
class KORVEXDATABASE_EXPORT CCountry
{
public:
    CCountry() = default;
    CCountry(const QString &name);

    const QString &GetName() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }
    const std::vector<CRegion> &GetRegions() const { return m_regions; }
    void SetRegions(const std::vector<CRegion> &regions) { m_regions = regions; }
    CRegion *FindRegion(const QString &name);
    const CRegion *FindRegion(const QString &name) const;
    void InsertRegion(const CRegion &region);
    void DeleteRegion(const CRegion &region);

    bool operator==(const CCountry &other) const { return m_name == other.m_name; }
    bool operator!=(const CCountry &other) const { return !(*this == other); }
    bool operator<(const CCountry &other) const { return m_name < other.m_name; }
    bool operator>(const CCountry &other) const { return other < *this; }

private:
    friend class CClimateDatabase;

    QString m_name;
    std::vector<CRegion> m_regions;
};

/// Climate data of settlements, in the tables "TABLE1" (cold season), "TABLE2" (warm
/// season), "TABLE3" (monthly temperature) and "TABLE5" (monthly vapour pressure). Its
/// viewer edits the countries in place and writes all four tables on its save button.
///
/// \code
/// climate->LoadData();
/// if (const CCountry *country = climate->FindCountry("РОССИЯ"))
///     if (const CRegion *region = country->FindRegion("Московская область"))
///         if (const CSettlement *town = region->FindSettlement("Москва"))
///             qDebug() << town->GetColdSeasonParams().MostCold5Days_Supply92;
/// \endcode
class KORVEXDATABASE_EXPORT CClimateDatabase : public KorvexCore::CTableDatabase
{
public:
    CClimateDatabase();
    ~CClimateDatabase() override;

    CClimateDatabase(const CClimateDatabase &) = delete;
    CClimateDatabase &operator=(const CClimateDatabase &) = delete;

    void LoadData() override;
    void ShowContent() override;

    const std::vector<CCountry> &GetCountries() const { return m_countries; }
    CCountry *FindCountry(const QString &name);
    const CCountry *FindCountry(const QString &name) const;
    void InsertCountry(const CCountry &country);
    void DeleteCountry(const CCountry &country);

    /// Takes one table row into the tree. A row with a name and no values is a header:
    /// a country when the name is upper case, else a region of the current country. Any
    /// other row is a settlement of the current region, whose record of table \a table
    /// (1, 2, 3 or 5) is set from the matching argument. The current country and region
    /// are remembered from one call to the next, also across loads.
    void FillCountryContainer(const QString &name, const QString &values, const unsigned int &table,
                              const TColdSeasonParams &cold, const TWarmSeasonParams &warm,
                              const TAverageMonthYearTemperature &temperature,
                              const TAverageMonthYearPartialPressure &pressure);

    /// The table names, in the order TABLE1, TABLE2, TABLE3, TABLE5.
    QStringList GetTableNames() const;
    /// The viewer this database owns (null in a build without widgets).
    CClimateDatabaseViewer *GetViewer() const { return m_viewer; }

private:
    struct CLookup;
    void FillRow(const QString &name, bool hasValues,
                 const std::function<void(CSettlement &)> &store, CLookup *lookup);

    QString m_table1, m_table2, m_table3, m_table5;
    std::vector<CCountry> m_countries;
    CClimateDatabaseViewer *m_viewer = nullptr;
    QString m_currentCountry;
    QString m_currentRegion;
};

} // namespace KorvexClimateDatabase
