#include "Embrasures/EmbrasureDatabaseTypes.h"

#include "Embrasures/EmbrasureTable_p.h"
#include "core/NamedElements_p.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSqlError>

namespace KorvexEmbrasureDatabase {

namespace {

const QString kSeparator = QStringLiteral(": ");

/// A part of the name: bound as the piece of the split name, read by appending the
/// trimmed cell to the name. ReadRow runs the columns in order, so the three parts
/// compose "type: material: glass".
KorvexCore::CColumn<CEmbrasure> NamePart(const char *column, int piece)
{
    return {
        column,
        [piece](const CEmbrasure &e) {
            return QVariant(EmbrasureNamePieces(e.GetName()).value(piece));
        },
        [piece](CEmbrasure &e, const KorvexCore::CTableReader &r, int p) {
            const QString part = r.Text(p).trimmed();
            e.SetName(piece == 0 ? part : e.GetName() + kSeparator + part);
        },
    };
}

} // namespace

QString ComposeEmbrasureName(const QString &type, const QString &material, const QString &glass)
{
    return type.trimmed() + kSeparator + material.trimmed() + kSeparator + glass.trimmed();
}

QStringList EmbrasureNamePieces(const QString &name)
{
    return name.split(QLatin1Char(':'), Qt::SkipEmptyParts, Qt::CaseSensitive);
}

const KorvexCore::CColumns<CEmbrasureGroup> &EmbrasureGroupColumns()
{
    static const KorvexCore::CColumns<CEmbrasureGroup> columns = {
        { "Typ_perekr", &CEmbrasureGroup::GetName, &CEmbrasureGroup::SetName },
    };
    return columns;
}

const KorvexCore::CColumns<CEmbrasure> &EmbrasureColumns()
{
    static const KorvexCore::CColumns<CEmbrasure> columns = {
        NamePart("Typ", 0),
        NamePart("Material_perepleta", 1),
        NamePart("Steklo", 2),
        { "D_vozduh1", &CEmbrasure::GetDAir1, &CEmbrasure::SetDAir1 },
        { "D_vozduh2", &CEmbrasure::GetDAir2, &CEmbrasure::SetDAir2 },
        { "D_vozduh3", &CEmbrasure::GetDAir3, &CEmbrasure::SetDAir3 },
        { "K_visoty", &CEmbrasure::GetKHeight, &CEmbrasure::SetKHeight },
        { "K_teploperedachi", &CEmbrasure::GetHeatTransfer, &CEmbrasure::SetKHeatTransfer },
    };
    return columns;
}

const KorvexCore::CTableDescription &EmbrasureTable()
{
    static const KorvexCore::CTableDescription table = {
        "CREATE TABLE %1 (SortID integer PRIMARY KEY, Typ_perekr varchar, Typ varchar, "
        "Material_perepleta varchar, Steklo varchar, D_vozduh1 varchar, D_vozduh2 varchar, "
        "D_vozduh3 varchar, K_visoty varchar, K_teploperedachi varchar)",
        { "INSERT INTO %1 (Typ_perekr) VALUES(:Typ_perekr)",
          "INSERT INTO %1 (Typ, Material_perepleta, Steklo, D_vozduh1, D_vozduh2, D_vozduh3, "
          "K_visoty, K_teploperedachi) VALUES(:Typ, :Material_perepleta, :Steklo, :D_vozduh1, "
          ":D_vozduh2, :D_vozduh3, :K_visoty, :K_teploperedachi)" },
        KorvexCore::ColumnNames(EmbrasureGroupColumns())
            + KorvexCore::ColumnNames(EmbrasureColumns()),
    };
    return table;
}

// ---------------------------------------------------------------------------------------
// CEmbrasure, CEmbrasureGroup

CEmbrasure::CEmbrasure(const QString &name, const QString &DAir1, const QString &DAir2,
                       const QString &DAir3, const QString &KHeight, const QString &KHeatTransfer)
    : m_name(name)
    , m_dAir1(DAir1)
    , m_dAir2(DAir2)
    , m_dAir3(DAir3)
    , m_kHeight(KHeight)
    , m_kHeatTransfer(KHeatTransfer)
{ }

CEmbrasureGroup::CEmbrasureGroup(const QString &name)
    : m_name(name)
{ }

CEmbrasure *CEmbrasureGroup::FindEmbrasure(const QString &name)
{
    return KorvexCore::FindNamed(m_embrasures, name);
}

const CEmbrasure *CEmbrasureGroup::FindEmbrasure(const QString &name) const
{
    return KorvexCore::FindNamed(m_embrasures, name);
}

void CEmbrasureGroup::InsertEmbrasure(const CEmbrasure &embrasure)
{
    KorvexCore::InsertNamed(m_embrasures, embrasure);
}

void CEmbrasureGroup::DeleteEmbrasure(const CEmbrasure &embrasure)
{
    KorvexCore::DeleteNamed(m_embrasures, embrasure.GetName());
}

// ---------------------------------------------------------------------------------------
// CEmbrasureDatabase

CEmbrasureDatabase::CEmbrasureDatabase()
    : CTableDatabase(KorvexInterfaces::EmbrasureDatabaseType,
                     QCoreApplication::translate("QApplication", "Проемы"))
    , m_tableName(QCoreApplication::translate("QApplication", "EMBRASURES"))
{ }

CEmbrasureDatabase::~CEmbrasureDatabase() = default;

CEmbrasureGroup *CEmbrasureDatabase::FindEmbrasureGroup(const QString &name)
{
    return KorvexCore::FindNamed(m_groups, name);
}

const CEmbrasureGroup *CEmbrasureDatabase::FindEmbrasureGroup(const QString &name) const
{
    return KorvexCore::FindNamed(m_groups, name);
}

void CEmbrasureDatabase::InsertEmbrasureGroup(const CEmbrasureGroup &group)
{
    KorvexCore::InsertNamed(m_groups, group);
}

void CEmbrasureDatabase::DeleteEmbrasureGroup(const CEmbrasureGroup &group)
{
    KorvexCore::DeleteNamed(m_groups, group.GetName());
}

void CEmbrasureDatabase::LoadData()
{
    KorvexCore::CTableReader reader(*this, m_tableName);
    const int groupName = KorvexCore::ColumnPositions(reader, EmbrasureGroupColumns()).front();
    const std::vector<int> positions = KorvexCore::ColumnPositions(reader, EmbrasureColumns());

    m_groups.clear();
    // A group row opens a group (or reopens one of the same name); the rows after it are
    // its openings. Rows before the first group row belong to none. The names seen so far
    // are kept by hash, so that a large table loads in linear time.
    QHash<QString, size_t> groupAt;
    std::vector<QSet<QString>> embrasureNames;
    size_t current = 0;
    bool inGroup = false;
    while (reader.Next()) {
        const QString name = reader.Text(groupName);
        if (!name.isEmpty() && reader.Text(positions[TypColumn]).isEmpty()) {
            const QString trimmed = name.trimmed();
            const auto found = groupAt.constFind(trimmed);
            if (found == groupAt.constEnd()) {
                current = m_groups.size();
                groupAt.insert(trimmed, current);
                m_groups.emplace_back(trimmed);
                embrasureNames.emplace_back();
            } else {
                current = *found;
            }
            inGroup = true;
            continue;
        }
        if (!inGroup)
            continue;
        CEmbrasure embrasure;
        KorvexCore::ReadRow(embrasure, reader, EmbrasureColumns(), positions);
        QSet<QString> &names = embrasureNames[current];
        if (names.contains(embrasure.GetName())) {
            KorvexCore::DebugLine("ERROR loading EmbrasureDatabase",
                                  "Embrasures\\EmbrasureDatabaseTypes", __LINE__);
            continue;
        }
        names.insert(embrasure.GetName());
        m_groups[current].InsertEmbrasure(embrasure);
    }
}

void CEmbrasureDatabase::SaveDataToDataBase() const
{
    using KorvexCore::CTableRewrite;
    KorvexCore::CSaveTransaction save(*this);
    CTableRewrite table(save, m_tableName, EmbrasureTable().create);
    QSqlQuery groupRow = table.Prepare(EmbrasureTable().inserts[0]);
    QSqlQuery embrasureRow = table.Prepare(EmbrasureTable().inserts[1]);
    for (const CEmbrasureGroup &group : m_groups) {
        KorvexCore::BindRow(groupRow, EmbrasureGroupColumns(), group);
        bool written = table.Insert(groupRow);
        for (auto row = group.GetEmbrasures().begin();
             written && row != group.GetEmbrasures().end(); ++row) {
            // A name that does not give back its type, material and glass cannot be
            // stored in their columns: such an opening is left out.
            if (EmbrasureNamePieces(row->GetName()).size() != 3)
                continue;
            KorvexCore::BindRow(embrasureRow, EmbrasureColumns(), *row);
            // An opening that cannot be written is reported; the rest still goes in.
            written = table.Insert(embrasureRow, CTableRewrite::RowFailure::Report);
        }
        if (!written)
            break;
    }
    save.Finish();
}

} // namespace KorvexEmbrasureDatabase
