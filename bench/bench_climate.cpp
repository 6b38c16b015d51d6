#include "BenchSupport.h"

#include "Climate/ClimateTable_p.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

using namespace KorvexBench;
using namespace KorvexClimateDatabase;

namespace {

// Countries of kRegions regions of kSettlements settlements each; n settlements make
// n / 1000 countries, and every save and load moves 4 × (countries + regions + n) rows.
constexpr int kRegions = 100;
constexpr int kSettlements = 10;
// Data columns of TABLE1, TABLE2, TABLE3 and TABLE5.
constexpr int kColumns[4] = { 22, 12, 13, 13 };
const char *const kNames[4] = { "TABLE1", "TABLE2", "TABLE3", "TABLE5" };

struct RawSettlement
{
    std::string name;
    std::vector<double> values[4];
};
struct RawRegion
{
    std::string name;
    std::vector<RawSettlement> settlements;
};
struct RawCountry
{
    std::string name;
    std::vector<RawRegion> regions;
};
using RawCountries = std::vector<RawCountry>;

double valueOf(int settlement, int column)
{
    return -30.0 + settlement * 0.37 + column * 1.1;
}

RawCountries makeRaw(int settlements)
{
    RawCountries countries(size_t(settlements / (kRegions * kSettlements)));
    for (size_t c = 0; c < countries.size(); ++c) {
        countries[c].name = "СТРАНА " + std::to_string(c);
        countries[c].regions.resize(kRegions);
        for (int r = 0; r < kRegions; ++r) {
            RawRegion &region = countries[c].regions[size_t(r)];
            region.name = "Область " + std::to_string(r);
            for (int s = 0; s < kSettlements; ++s) {
                RawSettlement settlement { "Город " + std::to_string(s), {} };
                for (int t = 0; t < 4; ++t) {
                    for (int column = 0; column < kColumns[t]; ++column)
                        settlement.values[t].push_back(valueOf(s, column));
                }
                region.settlements.push_back(std::move(settlement));
            }
        }
    }
    return countries;
}

void fillLibrary(CClimateDatabase &db, int settlements)
{
    for (const RawCountry &rawCountry : makeRaw(settlements)) {
        CCountry country(QString::fromStdString(rawCountry.name));
        for (const RawRegion &raw : rawCountry.regions) {
            CRegion region(QString::fromStdString(raw.name));
            for (const RawSettlement &s : raw.settlements) {
                CSettlement settlement(QString::fromStdString(s.name));
                const auto record = [&s](auto record, int table) {
                    const auto &fields = RecordFields<decltype(record)>();
                    for (size_t c = 0; c < fields.size(); ++c)
                        SetField(record, fields[c], s.values[table][c], QString());
                    return record;
                };
                settlement.SetColdSeasonParams(record(TColdSeasonParams(), 0));
                settlement.SetWarmSeasonParams(record(TWarmSeasonParams(), 1));
                settlement.SetAverageMonthYearTemperature(
                    record(TAverageMonthYearTemperature(), 2));
                settlement.SetAverageMonthYearPartialPressure(
                    record(TAverageMonthYearPartialPressure(), 3));
                region.InsertSettlement(settlement);
            }
            country.InsertRegion(region);
        }
        db.InsertCountry(country);
    }
}

size_t settlementCount(const CClimateDatabase &db)
{
    size_t n = 0;
    for (const CCountry &c : db.GetCountries()) {
        for (const CRegion &r : c.GetRegions())
            n += r.GetSettlements().size();
    }
    return n;
}

void rawSave(const CRawDatabase &db, const RawCountries &countries)
{
    db.Exec("BEGIN");
    sqlite3_stmt *inserts[4];
    for (int t = 0; t < 4; ++t) {
        db.Exec(("DELETE FROM " + std::string(kNames[t])).c_str());
        std::string create = "CREATE TABLE " + std::string(kNames[t]) + " (Name varchar(200)";
        std::string insert = "INSERT INTO " + std::string(kNames[t]) + " VALUES(?";
        for (int c = 0; c < kColumns[t]; ++c) {
            create += ", C" + std::to_string(c) + " varchar(60)";
            insert += ", ?";
        }
        db.Exec((create + ")").c_str());
        inserts[t] = db.Prepare((insert + ")").c_str());
    }
    const auto header = [&](const std::string &name) {
        for (int t = 0; t < 4; ++t) {
            sqlite3_bind_text(inserts[t], 1, name.data(), int(name.size()), SQLITE_STATIC);
            for (int c = 0; c < kColumns[t]; ++c)
                sqlite3_bind_text(inserts[t], c + 2, "", 0, SQLITE_STATIC);
            sqlite3_step(inserts[t]);
            sqlite3_reset(inserts[t]);
        }
    };
    char text[32];
    for (const RawCountry &country : countries) {
        header(country.name);
        for (const RawRegion &region : country.regions) {
            header(region.name);
            for (const RawSettlement &s : region.settlements) {
                for (int t = 0; t < 4; ++t) {
                    sqlite3_bind_text(inserts[t], 1, s.name.data(), int(s.name.size()),
                                      SQLITE_STATIC);
                    for (int c = 0; c < kColumns[t]; ++c) {
                        const int n
                            = std::snprintf(text, sizeof text, "%g", s.values[t][size_t(c)]);
                        sqlite3_bind_text(inserts[t], c + 2, text, n, SQLITE_TRANSIENT);
                    }
                    sqlite3_step(inserts[t]);
                    sqlite3_reset(inserts[t]);
                }
            }
        }
    }
    for (sqlite3_stmt *insert : inserts)
        sqlite3_finalize(insert);
    db.Exec("COMMIT");
}

/// A level of the raw tree: its elements and their positions by name.
template<class T> struct RawLevel
{
    std::vector<T> elements;
    std::unordered_map<std::string, size_t> index;
    size_t Find(const std::string &name, bool add)
    {
        const auto it = index.find(name);
        if (it != index.end())
            return it->second;
        if (!add)
            return size_t(-1);
        index.emplace(name, elements.size());
        elements.push_back({ name, {} });
        return elements.size() - 1;
    }
};

/// Header rows (no values) open a country (upper case) or a region; a settlement row
/// lands in the current region, found by name, added when new.
void rawLoad(const CRawDatabase &db)
{
    RawLevel<RawCountry> countries;
    std::vector<RawLevel<RawRegion>> regions;
    std::vector<std::vector<RawLevel<RawSettlement>>> settlements;
    for (int t = 0; t < 4; ++t) {
        sqlite3_stmt *select = db.Prepare(("SELECT * FROM " + std::string(kNames[t])).c_str());
        size_t country = size_t(-1), region = size_t(-1);
        while (sqlite3_step(select) == SQLITE_ROW) {
            const std::string name = ColumnText(select, 0);
            if (ColumnText(select, 1).empty()) {
                if (name.rfind("СТРАНА", 0) == 0) {
                    country = countries.Find(name, true);
                    regions.resize(countries.elements.size());
                    settlements.resize(countries.elements.size());
                    region = size_t(-1);
                } else if (country != size_t(-1)) {
                    region = regions[country].Find(name, true);
                    settlements[country].resize(regions[country].elements.size());
                }
                continue;
            }
            if (region == size_t(-1))
                continue;
            RawLevel<RawSettlement> &level = settlements[country][region];
            RawSettlement &s = level.elements[level.Find(name, true)];
            s.values[t].resize(size_t(kColumns[t]));
            for (int c = 0; c < kColumns[t]; ++c)
                s.values[t][size_t(c)] = std::strtod(ColumnText(select, c + 1).c_str(), nullptr);
        }
        sqlite3_finalize(select);
    }
    benchmark::DoNotOptimize(settlements.size());
}

} // namespace

void RegisterClimateBenchmarks()
{
    RegisterTable<CClimateDatabase, RawCountries>(
        { "climate", fillLibrary, settlementCount, makeRaw, rawSave, rawLoad,
          [](const CClimateDatabase &db) {
              WriteClimateTables(db, db.GetCountries(), db.GetTableNames());
          } });
}
