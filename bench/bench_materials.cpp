#include "BenchSupport.h"
#include "Materials/MaterialTable_p.h"

#include "Materials/MaterialDatabaseTypes.h"

#include <string>
#include <vector>

using namespace KorvexBench;
using KorvexMaterialDatabase::CMaterial;
using KorvexMaterialDatabase::CMaterialDatabase;
using KorvexMaterialDatabase::CMaterialGroup;

namespace {

// Every group is one group row and this many material rows, so a table of n rows holds
// n / 100 groups.
constexpr int kMaterialsPerGroup = 99;

struct RawMaterial
{
    std::string name, d, l; ///< name: the display name, weight last
    const std::string &Name() const { return name; }
};
using RawGroups = TRawGroups<RawMaterial>;

RawGroups makeRawGroups(int tableRows)
{
    RawGroups groups(size_t(tableRows / (kMaterialsPerGroup + 1)));
    for (size_t g = 0; g < groups.size(); ++g) {
        groups[g].name = "Группа " + std::to_string(g);
        for (int m = 0; m < kMaterialsPerGroup; ++m) {
            const std::string d = std::to_string(400 + m * 20);
            groups[g].members.push_back(
                { "Материал " + std::to_string(m) + ' ' + d, d, "0." + std::to_string(m + 10) });
        }
    }
    return groups;
}

void fillLibrary(CMaterialDatabase &db, int tableRows)
{
    for (const TRawGroup<RawMaterial> &raw : makeRawGroups(tableRows)) {
        CMaterialGroup group(QString::fromStdString(raw.name));
        for (const RawMaterial &m : raw.members)
            group.InsertMaterial(CMaterial(QString::fromStdString(m.name),
                                           QString::fromStdString(m.d),
                                           QString::fromStdString(m.l)));
        db.InsertMaterialGroup(group);
    }
}

size_t rowCount(const CMaterialDatabase &db)
{
    size_t rows = 0;
    for (const CMaterialGroup &group : db.GetMaterialsGroups())
        rows += 1 + group.GetMaterials().size();
    return rows;
}

void rawSave(const CRawDatabase &db, const RawGroups &groups)
{
    const auto &table = KorvexMaterialDatabase::MaterialTable();
    RawGroupedSave(
        db, "MATERIALS", table.create, table.inserts[0], table.inserts[1], groups,
        [](sqlite3_stmt *insert, const RawMaterial &m) {
            // The weight is taken off the name when it is the name's last word.
            const size_t blank = m.name.rfind(' ');
            const bool weightLast
                = (blank == std::string::npos ? m.name : m.name.substr(blank + 1)) == m.d;
            const size_t length = weightLast && blank != std::string::npos ? blank : m.name.size();
            sqlite3_bind_text(insert, 1, m.name.data(), int(length), SQLITE_STATIC);
            sqlite3_bind_text(insert, 2, m.d.data(), int(m.d.size()), SQLITE_STATIC);
            sqlite3_bind_text(insert, 3, m.l.data(), int(m.l.size()), SQLITE_STATIC);
            CRawRewrite::Step(insert);
        });
}

void rawLoad(const CRawDatabase &db)
{
    const RawGroups groups = RawGroupedLoad<
        RawMaterial>(db, "MATERIALS", [](sqlite3_stmt *select, std::string &group) {
        std::string text = ColumnText(select, 1);
        const std::string name = ColumnText(select, 2);
        const std::string d = ColumnText(select, 3);
        const std::string l = ColumnText(select, 4);
        if (!text.empty() && name.empty() && d.empty() && l.empty()) {
            group = std::move(text);
            return RawMaterial();
        }
        return RawMaterial { Trimmed(Trimmed(name) + ' ' + Trimmed(d)), Trimmed(d), Trimmed(l) };
    });
    benchmark::DoNotOptimize(groups.size());
}

} // namespace

void RegisterMaterialBenchmarks()
{
    RegisterTable<CMaterialDatabase, RawGroups>(
        { "materials", fillLibrary, rowCount, makeRawGroups, rawSave, rawLoad });
}
