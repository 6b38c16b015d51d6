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

// One country of kRegions regions with kSettlements settlements each: 100 000
// settlements, so every save and load moves 4 × 101 001 rows.
constexpr int kRegions = 1000;
constexpr int kSettlements = 100;
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

double valueOf(int settlement, int column)
{
    return -30.0 + settlement * 0.37 + column * 1.1;
}

std::vector<RawRegion> makeRaw()
{
    std::vector<RawRegion> regions(kRegions);
    for (int r = 0; r < kRegions; ++r) {
        regions[size_t(r)].name = "Область " + std::to_string(r);
        for (int s = 0; s < kSettlements; ++s) {
            RawSettlement settlement { "Город " + std::to_string(s), {} };
            for (int t = 0; t < 4; ++t) {
                for (int c = 0; c < kColumns[t]; ++c)
                    settlement.values[t].push_back(valueOf(s, c));
            }
            regions[size_t(r)].settlements.push_back(std::move(settlement));
        }
    }
    return regions;
}

void fillLibrary(CClimateDatabase &db)
{
    CCountry country("СТРАНА");
    for (const RawRegion &raw : makeRaw()) {
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
            settlement.SetAverageMonthYearTemperature(record(TAverageMonthYearTemperature(), 2));
            settlement.SetAverageMonthYearPartialPressure(
                record(TAverageMonthYearPartialPressure(), 3));
            region.InsertSettlement(settlement);
        }
        country.InsertRegion(region);
    }
    db.InsertCountry(country);
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

void rawSave(const CRawDatabase &db, const std::vector<RawRegion> &regions)
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
    header("СТРАНА");
    char text[32];
    for (const RawRegion &region : regions) {
        header(region.name);
        for (const RawSettlement &s : region.settlements) {
            for (int t = 0; t < 4; ++t) {
                sqlite3_bind_text(inserts[t], 1, s.name.data(), int(s.name.size()), SQLITE_STATIC);
                for (int c = 0; c < kColumns[t]; ++c) {
                    const int n = std::snprintf(text, sizeof text, "%g", s.values[t][size_t(c)]);
                    sqlite3_bind_text(inserts[t], c + 2, text, n, SQLITE_TRANSIENT);
                }
                sqlite3_step(inserts[t]);
                sqlite3_reset(inserts[t]);
            }
        }
    }
    for (sqlite3_stmt *insert : inserts)
        sqlite3_finalize(insert);
    db.Exec("COMMIT");
}

void rawLoad(const CRawDatabase &db)
{
    std::vector<RawRegion> regions;
    std::unordered_map<std::string, size_t> regionIndex;
    for (int t = 0; t < 4; ++t) {
        sqlite3_stmt *select = db.Prepare(("SELECT * FROM " + std::string(kNames[t])).c_str());
        RawRegion *region = nullptr;
        size_t next = 0;
        while (sqlite3_step(select) == SQLITE_ROW) {
            const std::string name = ColumnText(select, 0);
            if (ColumnText(select, 1).empty()) {
                if (name != "СТРАНА") {
                    auto [it, added] = regionIndex.emplace(name, regions.size());
                    if (added)
                        regions.push_back({ name, {} });
                    region = &regions[it->second];
                    next = 0;
                }
                continue;
            }
            if (!region)
                continue;
            RawSettlement *s
                = next < region->settlements.size() && region->settlements[next].name == name
                ? &region->settlements[next]
                : nullptr;
            if (!s) {
                region->settlements.push_back({ name, {} });
                s = &region->settlements.back();
            }
            ++next;
            s->values[t].resize(size_t(kColumns[t]));
            for (int c = 0; c < kColumns[t]; ++c)
                s->values[t][size_t(c)] = std::strtod(ColumnText(select, c + 1).c_str(), nullptr);
        }
        sqlite3_finalize(select);
    }
    benchmark::DoNotOptimize(regions.size());
}

void registerBench(const std::string &name, void (*run)(benchmark::State &))
{
    benchmark::RegisterBenchmark(("climate/" + name + "/" + std::to_string(kRegions)).c_str(), run)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(2);
}

} // namespace

void RegisterClimateBenchmarks()
{
    registerBench("load/library", [](benchmark::State &state) {
        CLibraryDatabase file;
        CClimateDatabase db;
        fillLibrary(db);
        WriteClimateTables(db, db.GetCountries(), db.GetTableNames());
        for (auto _ : state)
            db.LoadData();
        if (settlementCount(db) != size_t(kRegions) * kSettlements)
            state.SkipWithError("wrong settlement count");
    });
    registerBench("load/raw", [](benchmark::State &state) {
        CRawDatabase db;
        rawSave(db, makeRaw());
        for (auto _ : state)
            rawLoad(db);
    });
    registerBench("save/library", [](benchmark::State &state) {
        CLibraryDatabase file;
        CClimateDatabase db;
        fillLibrary(db);
        for (auto _ : state)
            WriteClimateTables(db, db.GetCountries(), db.GetTableNames());
        if (db.GetLastError().IsValid())
            state.SkipWithError("save failed");
    });
    registerBench("save/raw", [](benchmark::State &state) {
        CRawDatabase db;
        const std::vector<RawRegion> regions = makeRaw();
        for (auto _ : state)
            rawSave(db, regions);
    });
}
