#include "Materials/MaterialDatabaseTypes.h"

#include "Materials/MaterialTable_p.h"
#include "core/NamedElements_p.h"

#include <QHash>
#include <QSet>

namespace KorvexMaterialDatabase {

const KorvexCore::CColumns<CMaterialGroup> &MaterialGroupColumns()
{
    static const KorvexCore::CColumns<CMaterialGroup> columns = {
        { "MaterialGroup", &CMaterialGroup::GetName, &CMaterialGroup::SetName },
    };
    return columns;
}

const KorvexCore::CColumns<CMaterial> &MaterialColumns()
{
    // The name is read as stored; the loader adds the weight to it.
    static const KorvexCore::CColumns<CMaterial> columns = {
        { "MaterialName", [](const CMaterial &m) { return QVariant(StoredMaterialName(m)); },
          [](CMaterial &m, const KorvexCore::CTableReader &r, int p) { m.SetName(r.Text(p)); } },
        { "K1", &CMaterial::GetD, &CMaterial::SetD },
        { "K2", &CMaterial::GetL, &CMaterial::SetL },
    };
    return columns;
}

const KorvexCore::CTableDescription &MaterialTable()
{
    static const KorvexCore::CTableDescription table = {
        "CREATE TABLE %1 (SortID integer PRIMARY KEY, MaterialGroup varchar, MaterialName "
        "varchar, K1 varchar, K2 varchar)",
        { "INSERT INTO %1 (MaterialGroup) VALUES(:MaterialGroup)",
          "INSERT INTO %1 (MaterialName, K1, K2) VALUES(:MaterialName, :K1, :K2)" },
        KorvexCore::ColumnNames(MaterialGroupColumns())
            + KorvexCore::ColumnNames(MaterialColumns()),
    };
    return table;
}

QString DisplayMaterialName(const QString &storedName, const QString &D)
{
    // An empty weight leaves only the blank, which the trim takes off again.
    return (storedName + QLatin1Char(' ') + D).trimmed();
}

QString StoredMaterialName(const CMaterial &material)
{
    const QString &name = material.GetName();
    const qsizetype blank = name.lastIndexOf(QLatin1Char(' '));
    const QString tail = blank < 0 ? name : name.mid(blank + 1);
    const QString head = blank < 0 ? name : name.left(blank);
    // A weight changed in memory no longer matches the name's last word; the whole name
    // is kept then, and the next load adds the new weight after the old one.
    return tail == material.GetD() ? head : name;
}

// ---------------------------------------------------------------------------------------
// CMaterial, CMaterialGroup

CMaterial::CMaterial(const QString &name, const QString &D, const QString &L)
    : m_name(name)
    , m_d(D)
    , m_l(L)
{ }

CMaterialGroup::CMaterialGroup(const QString &name)
    : m_name(name)
{ }

CMaterial *CMaterialGroup::FindMaterial(const QString &name)
{
    return KorvexCore::FindNamed(m_materials, name);
}

const CMaterial *CMaterialGroup::FindMaterial(const QString &name) const
{
    return KorvexCore::FindNamed(m_materials, name);
}

void CMaterialGroup::InsertMaterial(const CMaterial &material)
{
    KorvexCore::InsertNamed(m_materials, material);
}

void CMaterialGroup::DeleteMaterial(const CMaterial &material)
{
    KorvexCore::DeleteNamed(m_materials, material.GetName());
}

// ---------------------------------------------------------------------------------------
// CMaterialDatabase

CMaterialGroup *CMaterialDatabase::FindMaterialGroup(const QString &name)
{
    return KorvexCore::FindNamed(m_groups, name);
}

const CMaterialGroup *CMaterialDatabase::FindMaterialGroup(const QString &name) const
{
    return KorvexCore::FindNamed(m_groups, name);
}

void CMaterialDatabase::InsertMaterialGroup(const CMaterialGroup &group)
{
    KorvexCore::InsertNamed(m_groups, group);
}

void CMaterialDatabase::DeleteMaterialGroup(const CMaterialGroup &group)
{
    KorvexCore::DeleteNamed(m_groups, group.GetName());
}

void CMaterialDatabase::LoadData()
{
    KorvexCore::CTableReader reader(*this, m_tableName);
    const std::vector<int> groupColumn
        = KorvexCore::ColumnPositions(reader, MaterialGroupColumns());
    const std::vector<int> materialColumns = KorvexCore::ColumnPositions(reader, MaterialColumns());

    using Rows = KorvexCore::CGroupedRows<CMaterialGroup, CMaterial>;
    Rows rows(m_groups, &CMaterialGroup::InsertMaterial);
    while (reader.Next()) {
        CMaterialGroup groupRow;
        KorvexCore::ReadRow(groupRow, reader, MaterialGroupColumns(), groupColumn);
        CMaterial row;
        KorvexCore::ReadRow(row, reader, MaterialColumns(), materialColumns);

        if (!groupRow.GetName().isEmpty() && row.GetName().isEmpty() && row.GetD().isEmpty()
            && row.GetL().isEmpty()) {
            rows.OpenGroup(groupRow.GetName().trimmed());
            continue;
        }
        const QString D = row.GetD().trimmed();
        const CMaterial material(DisplayMaterialName(row.GetName().trimmed(), D), D,
                                 row.GetL().trimmed());
        if (rows.AddMember(material) == Rows::EMember::Taken)
            KorvexCore::DebugLine("ERROR loading MaterialDatabase",
                                  "Materials\\MaterialDatabaseTypes", __LINE__);
    }
}

void CMaterialDatabase::SaveDataToDataBase() const
{
    KorvexCore::SaveGroupedTable(*this, m_tableName, MaterialTable(), MaterialGroupColumns(),
                                 MaterialColumns(), m_groups, &CMaterialGroup::GetMaterials);
}

} // namespace KorvexMaterialDatabase
