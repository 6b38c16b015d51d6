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

/// EmbrasureNamePieces(name).value(piece), without building the list: a save asks for
/// each of the three pieces of every opening.
QString namePiece(const QString &name, int piece)
{
    qsizetype start = 0;
    while (start <= name.size()) {
        qsizetype end = name.indexOf(QLatin1Char(':'), start);
        if (end < 0)
            end = name.size();
        if (end > start && piece-- == 0)
            return name.mid(start, end - start);
        start = end + 1;
    }
    return QString();
}

/// A part of the name: bound as the piece of the split name, read by appending the
/// trimmed cell to the name. ReadRow runs the columns in order, so the three parts
/// compose "type: material: glass".
KorvexCore::CColumn<CEmbrasure> NamePart(const char *column, int piece)
{
    return {
        column,
        [piece](const CEmbrasure &e) { return QVariant(namePiece(e.GetName(), piece)); },
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
    , m_tableName(QStringLiteral("EMBRASURES"))
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

    using Rows = KorvexCore::CGroupedRows<CEmbrasureGroup, CEmbrasure>;
    Rows rows(m_groups, &CEmbrasureGroup::InsertEmbrasure);
    while (reader.Next()) {
        const QString name = reader.Text(groupName);
        if (!name.isEmpty() && reader.Text(positions[TypColumn]).isEmpty()) {
            rows.OpenGroup(name.trimmed());
            continue;
        }
        CEmbrasure embrasure;
        KorvexCore::ReadRow(embrasure, reader, EmbrasureColumns(), positions);
        if (rows.AddMember(embrasure) == Rows::EMember::Taken)
            KorvexCore::DebugLine("ERROR loading EmbrasureDatabase",
                                  "Embrasures\\EmbrasureDatabaseTypes", __LINE__);
    }
}

void CEmbrasureDatabase::SaveDataToDataBase() const
{
    // A name that does not give back its type, material and glass cannot be stored in
    // their columns: such an opening is left out. An opening that cannot be written is
    // reported; the rest still goes in.
    KorvexCore::SaveGroupedTable(
        *this, m_tableName, EmbrasureTable(), EmbrasureGroupColumns(), EmbrasureColumns(), m_groups,
        &CEmbrasureGroup::GetEmbrasures, KorvexCore::CTableRewrite::RowFailure::Report,
        [](const CEmbrasure &embrasure) {
            // Not exactly three pieces.
            const QString &name = embrasure.GetName();
            return namePiece(name, 2).isNull() || !namePiece(name, 3).isNull();
        });
}

} // namespace KorvexEmbrasureDatabase
