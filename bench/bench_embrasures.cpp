#include "BenchSupport.h"
#include "Embrasures/EmbrasureTable_p.h"

#include "Embrasures/EmbrasureDatabaseTypes.h"

#include <string>
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
using RawGroups = TRawGroups<RawEmbrasure>;

RawGroups makeRawGroups(int tableRows)
{
    RawGroups groups(size_t(tableRows / (kPerGroup + 1)));
    for (size_t g = 0; g < groups.size(); ++g) {
        groups[g].name = "Окна " + std::to_string(g);
        for (int e = 0; e < kPerGroup; ++e) {
            groups[g].members.push_back({ "Окно " + std::to_string(e),
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
    for (const TRawGroup<RawEmbrasure> &raw : makeRawGroups(tableRows)) {
        CEmbrasureGroup group(q(raw.name));
        for (const RawEmbrasure &e : raw.members)
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
    RawGroupedSave(db, "EMBRASURES", table.create, table.inserts[0], table.inserts[1], groups,
                   [](sqlite3_stmt *insert, const RawEmbrasure &e) {
                       const std::string name = e.Name();
                       const size_t first = name.find(':');
                       const size_t second = name.find(':', first + 1);
                       const std::string pieces[3]
                           = { name.substr(0, first), name.substr(first + 1, second - first - 1),
                               name.substr(second + 1) };
                       BindTexts(insert,
                                 { &pieces[0], &pieces[1], &pieces[2], &e.dAir1, &e.dAir2, &e.dAir3,
                                   &e.kHeight, &e.kHeatTransfer });
                       CRawRewrite::Step(insert);
                   });
}

/// Groups found by hash, an opening dropped when its group already has its name.
void rawLoad(const CRawDatabase &db)
{
    const RawGroups groups = RawGroupedLoad<RawEmbrasure>(
        db, "EMBRASURES", [](sqlite3_stmt *select, std::string &group) {
            std::string text = ColumnText(select, 1);
            const std::string type = ColumnText(select, 2);
            if (!text.empty() && type.empty()) {
                group = std::move(text);
                return RawEmbrasure();
            }
            return RawEmbrasure { Trimmed(type),
                                  Trimmed(ColumnText(select, 3)),
                                  Trimmed(ColumnText(select, 4)),
                                  ColumnText(select, 5),
                                  ColumnText(select, 6),
                                  ColumnText(select, 7),
                                  ColumnText(select, 8),
                                  ColumnText(select, 9) };
        });
    benchmark::DoNotOptimize(groups.size());
}

} // namespace

void RegisterEmbrasureBenchmarks()
{
    RegisterTable<CEmbrasureDatabase, RawGroups>(
        { "embrasures", fillLibrary, rowCount, makeRawGroups, rawSave, rawLoad });
}
