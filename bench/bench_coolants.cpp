#include "BenchSupport.h"
#include "Coolants/CoolantTable_p.h"

#include "Coolants/CoolantDatabaseTypes.h"

#include <map>
#include <string>
#include <vector>

using namespace KorvexBench;
using KorvexCoolantDatabase::CCoolant;
using KorvexCoolantDatabase::CCoolantDatabase;
using KorvexCoolantDatabase::CCoolantParams;

namespace {

// Every coolant is one name row and this many property rows, so a table of n rows
// holds n / 100 coolants.
constexpr int kRowsPerCoolant = 99;

struct RawRow
{
    int t;
    double c, ro, vzk;
};
using RawCoolants = std::map<std::string, std::map<int, RawRow>>;

RawCoolants makeRawCoolants(int tableRows)
{
    RawCoolants coolants;
    for (int i = 0; i < tableRows / (kRowsPerCoolant + 1); ++i) {
        auto &rows = coolants["Теплоноситель " + std::to_string(i)];
        for (int t = 0; t < kRowsPerCoolant; ++t)
            rows[t] = { t, 4200 - 0.5 * t, 1000 - 0.25 * t, 1.8 - 0.0125 * t };
    }
    return coolants;
}

void fillLibrary(CCoolantDatabase &db, int tableRows)
{
    for (const auto &[name, rows] : makeRawCoolants(tableRows)) {
        CCoolant coolant(QString::fromStdString(name));
        for (const auto &[t, row] : rows)
            coolant.InsertCoolantParams(CCoolantParams(row.t, row.c, row.ro, row.vzk));
        db.InsertCoolant(coolant);
    }
}

void rawSave(const CRawDatabase &db, const RawCoolants &coolants)
{
    db.Exec("BEGIN");
    db.Exec("DROP TABLE COOLANTS");
    db.Exec(SqlFor(KorvexCoolantDatabase::CoolantTable().create, "COOLANTS").c_str());
    sqlite3_stmt *nameRow
        = db.Prepare(SqlFor(KorvexCoolantDatabase::CoolantTable().inserts[0], "COOLANTS").c_str());
    sqlite3_stmt *paramsRow
        = db.Prepare(SqlFor(KorvexCoolantDatabase::CoolantTable().inserts[1], "COOLANTS").c_str());
    for (const auto &[name, rows] : coolants) {
        sqlite3_bind_text(nameRow, 1, name.data(), int(name.size()), SQLITE_STATIC);
        sqlite3_step(nameRow);
        sqlite3_reset(nameRow);
        for (const auto &[t, row] : rows) {
            sqlite3_bind_int(paramsRow, 1, row.t);
            sqlite3_bind_double(paramsRow, 2, row.c);
            sqlite3_bind_double(paramsRow, 3, row.ro);
            sqlite3_bind_double(paramsRow, 4, row.vzk);
            sqlite3_step(paramsRow);
            sqlite3_reset(paramsRow);
        }
    }
    sqlite3_finalize(nameRow);
    sqlite3_finalize(paramsRow);
    db.Exec("COMMIT");
}

size_t rowCount(const CCoolantDatabase &db)
{
    size_t rows = 0;
    for (const CCoolant &coolant : db.GetCoolants())
        rows += 1 + coolant.GetCoolantParams().size();
    return rows;
}

void rawLoad(const CRawDatabase &db)
{
    RawCoolants coolants;
    sqlite3_stmt *select = db.Prepare("SELECT * FROM COOLANTS");
    std::map<int, RawRow> *current = nullptr;
    while (sqlite3_step(select) == SQLITE_ROW) {
        const std::string name = ColumnText(select, 1);
        if (!name.empty()) {
            current = &coolants[name];
        } else if (current) {
            const RawRow row { sqlite3_column_int(select, 2), sqlite3_column_double(select, 3),
                               sqlite3_column_double(select, 4), sqlite3_column_double(select, 5) };
            current->emplace(row.t, row);
        }
    }
    sqlite3_finalize(select);
    benchmark::DoNotOptimize(coolants.size());
}

} // namespace

void RegisterCoolantBenchmarks()
{
    RegisterTable<CCoolantDatabase, RawCoolants>(
        { "coolants", fillLibrary, rowCount, makeRawCoolants, rawSave, rawLoad });
}
