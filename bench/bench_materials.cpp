#include "BenchSupport.h"
#include "Materials/MaterialTable_p.h"

#include "Materials/MaterialDatabaseTypes.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
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
};
struct RawGroup
{
    std::string name;
    std::vector<RawMaterial> materials;
};
using RawGroups = std::vector<RawGroup>;

RawGroups makeRawGroups(int tableRows)
{
    RawGroups groups(size_t(tableRows / (kMaterialsPerGroup + 1)));
    for (size_t g = 0; g < groups.size(); ++g) {
        groups[g].name = "Группа " + std::to_string(g);
        for (int m = 0; m < kMaterialsPerGroup; ++m) {
            const std::string d = std::to_string(400 + m * 20);
            groups[g].materials.push_back(
                { "Материал " + std::to_string(m) + ' ' + d, d, "0." + std::to_string(m + 10) });
        }
    }
    return groups;
}

void fillLibrary(CMaterialDatabase &db, int tableRows)
{
    for (const RawGroup &raw : makeRawGroups(tableRows)) {
        CMaterialGroup group(QString::fromStdString(raw.name));
        for (const RawMaterial &m : raw.materials)
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

std::string trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t\n\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\n\r") - first + 1);
}

void rawSave(const CRawDatabase &db, const RawGroups &groups)
{
    db.Exec("BEGIN");
    db.Exec("DROP TABLE MATERIALS");
    db.Exec(SqlFor(KorvexMaterialDatabase::MaterialTable().create, "MATERIALS").c_str());
    sqlite3_stmt *groupRow = db.Prepare(
        SqlFor(KorvexMaterialDatabase::MaterialTable().inserts[0], "MATERIALS").c_str());
    sqlite3_stmt *materialRow = db.Prepare(
        SqlFor(KorvexMaterialDatabase::MaterialTable().inserts[1], "MATERIALS").c_str());
    for (const RawGroup &group : groups) {
        sqlite3_bind_text(groupRow, 1, group.name.data(), int(group.name.size()), SQLITE_STATIC);
        sqlite3_step(groupRow);
        sqlite3_reset(groupRow);
        for (const RawMaterial &m : group.materials) {
            // The weight is taken off the name when it is the name's last word.
            const size_t blank = m.name.rfind(' ');
            const bool weightLast
                = (blank == std::string::npos ? m.name : m.name.substr(blank + 1)) == m.d;
            const size_t length = weightLast && blank != std::string::npos ? blank : m.name.size();
            sqlite3_bind_text(materialRow, 1, m.name.data(), int(length), SQLITE_STATIC);
            sqlite3_bind_text(materialRow, 2, m.d.data(), int(m.d.size()), SQLITE_STATIC);
            sqlite3_bind_text(materialRow, 3, m.l.data(), int(m.l.size()), SQLITE_STATIC);
            sqlite3_step(materialRow);
            sqlite3_reset(materialRow);
        }
    }
    sqlite3_finalize(groupRow);
    sqlite3_finalize(materialRow);
    db.Exec("COMMIT");
}

void rawLoad(const CRawDatabase &db)
{
    RawGroups groups;
    std::unordered_map<std::string, size_t> groupIndex;
    std::vector<std::unordered_set<std::string>> taken;
    size_t current = size_t(-1);
    sqlite3_stmt *select = db.Prepare("SELECT * FROM MATERIALS");
    while (sqlite3_step(select) == SQLITE_ROW) {
        const std::string group = ColumnText(select, 1);
        const std::string name = ColumnText(select, 2);
        const std::string d = ColumnText(select, 3);
        const std::string l = ColumnText(select, 4);
        if (!group.empty() && name.empty() && d.empty() && l.empty()) {
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
        RawMaterial material { trimmed(trimmed(name) + ' ' + trimmed(d)), trimmed(d), trimmed(l) };
        if (taken[current].insert(material.name).second)
            groups[current].materials.push_back(std::move(material));
    }
    sqlite3_finalize(select);
    benchmark::DoNotOptimize(groups.size());
}

} // namespace

void RegisterMaterialBenchmarks()
{
    RegisterTable<CMaterialDatabase, RawGroups>(
        { "materials", fillLibrary, rowCount, makeRawGroups, rawSave, rawLoad });
}
