#include "BenchSupport.h"
#include "Embrasures/EmbrasureTable_p.h"

#include "Embrasures/EmbrasureDatabaseTypes.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

using namespace KorvexBench;
using KorvexEmbrasureDatabase::CEmbrasure;
using KorvexEmbrasureDatabase::CEmbrasureDatabase;
using KorvexEmbrasureDatabase::CEmbrasureGroup;

namespace {

// A group row and 99 openings per group: a table of n rows holds n / 100 groups.
constexpr int kPerGroup = 99;

struct RawEmbrasure
{
    std::string type, material, glass, dAir1, dAir2, dAir3, kHeight, kHeatTransfer;
    std::string Name() const { return type + ": " + material + ": " + glass; }
};
struct RawGroup
{
    std::string name;
    std::vector<RawEmbrasure> embrasures;
};
using RawGroups = std::vector<RawGroup>;

RawGroups makeRawGroups(int tableRows)
{
    RawGroups groups(size_t(tableRows / (kPerGroup + 1)));
    for (size_t g = 0; g < groups.size(); ++g) {
        groups[g].name = "Окна " + std::to_string(g);
        for (int e = 0; e < kPerGroup; ++e) {
            groups[g].embrasures.push_back({ "Окно " + std::to_string(e),
                                             "ПВХ " + std::to_string(e % 7),
                                             "Двухкамерный стеклопакет", "6", "8", "10", "0.2",
                                             "1." + std::to_string(e % 9) });
        }
    }
    return groups;
}

void fillLibrary(CEmbrasureDatabase &db, int tableRows)
{
    const auto q = [](const std::string &s) { return QString::fromStdString(s); };
    for (const RawGroup &raw : makeRawGroups(tableRows)) {
        CEmbrasureGroup group(q(raw.name));
        for (const RawEmbrasure &e : raw.embrasures)
            group.InsertEmbrasure(CEmbrasure(q(e.Name()), q(e.dAir1), q(e.dAir2), q(e.dAir3),
                                             q(e.kHeight), q(e.kHeatTransfer)));
        db.InsertEmbrasureGroup(group);
    }
}

size_t rowCount(const CEmbrasureDatabase &db)
{
    size_t rows = 0;
    for (const CEmbrasureGroup &group : db.GetEmbrasuresGroups())
        rows += 1 + group.GetEmbrasures().size();
    return rows;
}

/// The save splits each name at its colons, as the library does.
void rawSave(const CRawDatabase &db, const RawGroups &groups)
{
    const auto &table = KorvexEmbrasureDatabase::EmbrasureTable();
    db.Exec("BEGIN");
    db.Exec("DROP TABLE EMBRASURES");
    db.Exec(SqlFor(table.create, "EMBRASURES").c_str());
    sqlite3_stmt *groupRow = db.Prepare(SqlFor(table.inserts[0], "EMBRASURES").c_str());
    sqlite3_stmt *row = db.Prepare(SqlFor(table.inserts[1], "EMBRASURES").c_str());
    for (const RawGroup &group : groups) {
        BindTexts(groupRow, { &group.name });
        sqlite3_step(groupRow);
        sqlite3_reset(groupRow);
        for (const RawEmbrasure &e : group.embrasures) {
            const std::string name = e.Name();
            const size_t first = name.find(':');
            const size_t second = name.find(':', first + 1);
            const std::string pieces[3]
                = { name.substr(0, first), name.substr(first + 1, second - first - 1),
                    name.substr(second + 1) };
            BindTexts(row,
                      { &pieces[0], &pieces[1], &pieces[2], &e.dAir1, &e.dAir2, &e.dAir3,
                        &e.kHeight, &e.kHeatTransfer });
            sqlite3_step(row);
            sqlite3_reset(row);
        }
    }
    sqlite3_finalize(groupRow);
    sqlite3_finalize(row);
    db.Exec("COMMIT");
}

std::string trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t\n\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\n\r") - first + 1);
}

/// Groups found by hash, an opening dropped when its group already has its name.
void rawLoad(const CRawDatabase &db)
{
    RawGroups groups;
    std::unordered_map<std::string, size_t> groupIndex;
    std::vector<std::unordered_set<std::string>> taken;
    size_t current = size_t(-1);
    sqlite3_stmt *select = db.Prepare("SELECT * FROM EMBRASURES");
    while (sqlite3_step(select) == SQLITE_ROW) {
        const std::string group = ColumnText(select, 1);
        const std::string type = ColumnText(select, 2);
        if (!group.empty() && type.empty()) {
            const auto [it, added] = groupIndex.emplace(trimmed(group), groups.size());
            if (added) {
                groups.push_back({ it->first, {} });
                taken.emplace_back();
            }
            current = it->second;
            continue;
        }
        if (current == size_t(-1))
            continue;
        RawEmbrasure e {
            trimmed(type),         trimmed(ColumnText(select, 3)), trimmed(ColumnText(select, 4)),
            ColumnText(select, 5), ColumnText(select, 6),          ColumnText(select, 7),
            ColumnText(select, 8), ColumnText(select, 9)
        };
        if (taken[current].insert(e.Name()).second)
            groups[current].embrasures.push_back(std::move(e));
    }
    sqlite3_finalize(select);
    benchmark::DoNotOptimize(groups.size());
}

} // namespace

void RegisterEmbrasureBenchmarks()
{
    RegisterTable<CEmbrasureDatabase, RawGroups>(
        { "embrasures", fillLibrary, rowCount, makeRawGroups, rawSave, rawLoad });
}
