// Fuzzes the loader of every database: the input becomes the rows of a table, which is
// loaded and saved, then loaded and saved again. Nothing may crash, and the second save
// writes exactly what the first wrote, except where a table's own row rules cannot write
// back what its first load made (writesBackAsLoaded()); then the third save writes what
// the second wrote.
//
// Input: byte 0 picks the database, byte 1 the table (of the climate's four); then rows
// separated by '\n', cells by '\t'. A cell's first byte gives its type: 'i' integer,
// 'r' real, 'b' blob, 'n' NULL, anything else text (raw bytes, so UTF-8 or not).
// KORVEX_FUZZ_DATABASE=<name> (pipes, kms, climate ...) fuzzes that database alone.

#include "DatabaseKinds.h"

#include "Consumers/ConsumerDatabaseTypes.h"
#include "Embrasures/EmbrasureDatabaseTypes.h"
#include "Kms/KmsDatabaseTypes.h"
#include "Materials/MaterialDatabaseTypes.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using KorvexCore::CTableDatabase;
using KorvexTest::CDatabaseKind;

namespace {

QVariant cell(const QByteArray &bytes)
{
    const QByteArray rest = bytes.mid(1);
    switch (bytes.isEmpty() ? 't' : bytes[0]) {
    case 'i':
        return rest.toLongLong();
    case 'r':
        return rest.toDouble();
    case 'b':
        return rest;
    case 'n':
        return QVariant(QMetaType::fromType<QString>());
    default:
        // Bound as UTF-8 bytes cast to text, so invalid sequences reach the table as they are.
        return QString::fromLatin1(bytes.toHex());
    }
}

/// The table \a kind's own save creates, filled with the input's rows.
void writeTable(const CDatabaseKind &kind, const QString &table, const QByteArray &rows)
{
    KorvexTest::FillAndSave(kind, 0, QString());
    QSqlQuery query;
    query.exec(QStringLiteral("SELECT * FROM %1").arg(table));
    const int columns = query.record().count();
    // The climate tables have no row number column; the others start with SortID.
    const int first = query.record().fieldName(0) == QLatin1String("SortID") ? 1 : 0;
    query.finish();
    for (const QByteArray &row : rows.split('\n')) {
        const QList<QByteArray> cells = row.split('\t');
        QStringList values;
        for (int c = first; c < columns; ++c) {
            const QByteArray bytes = cells.value(c - first);
            values << (bytes.isEmpty() || QByteArray("irbn").contains(bytes[0])
                           ? QStringLiteral("?")
                           : QStringLiteral("CAST(x'%1' AS TEXT)").arg(cell(bytes).toString()));
        }
        if (first)
            values.prepend(QStringLiteral("NULL"));
        query.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, values.join(',')));
        for (int c = first; c < columns; ++c) {
            const QByteArray bytes = cells.value(c - first);
            if (bytes.isEmpty() || QByteArray("irbn").contains(bytes[0]))
                query.addBindValue(bytes.isEmpty() ? QVariant(QString()) : cell(bytes));
        }
        query.exec();
    }
}

bool is(const CDatabaseKind &kind, const char *name)
{
    return qstrcmp(kind.name, name) == 0;
}

template<class T, class Pred> bool any(const std::vector<T> &elements, Pred pred)
{
    return std::any_of(elements.begin(), elements.end(), pred);
}

const auto emptyName = [](const auto &element) { return element.GetName().isEmpty(); };

/// A weight with a blank in it: the save cuts the name at its last blank, does not find
/// the weight there and writes the whole name, to which the next load appends the weight
/// once more. Such names grow at every save, so only the group rows ever settle.
bool anySplitWeight(const CTableDatabase &db)
{
    const auto &groups
        = static_cast<const KorvexMaterialDatabase::CMaterialDatabase &>(db).GetMaterialsGroups();
    return any(groups, [](const auto &group) {
        return any(group.GetMaterials(),
                   [](const auto &m) { return m.GetD().contains(QLatin1Char(' ')); });
    });
}

/// Whether a save of \a db, as loaded, loads back as the same tree. The tree tables mark
/// a row's level by the one name cell that is not empty, and their loaders trim names or
/// make a parent from a row whose parent is missing. So where the first load made:
/// - a group named "" (a cell of blanks, trimmed): the empty cell written back marks a
///   row of the level below, and the group's rows join the group before it;
/// - KMS: a device or designation named "" (made from a row whose parent could not be
///   found): written back, its empty cell leaves the running names as they were, so it
///   reads as a child of the element before it, or its entries become designations;
/// - embrasures: a colon inside the type, material or glazing: the save cuts the name at
///   every colon, so the pieces written are not the parts that were read;
/// - materials: a weight with a blank (anySplitWeight()).
/// The next load and save then writes those rows as it finds them, and from there on
/// the table stays as it is (its group rows, where a weight is split).
bool writesBackAsLoaded(const CDatabaseKind &kind, const CTableDatabase &db)
{
    using namespace KorvexEmbrasureDatabase;
    if (is(kind, "consumers"))
        return !any(
            static_cast<const KorvexConsumerDatabase::CConsumerDatabase &>(db).GetConsumers(),
            emptyName);
    if (is(kind, "materials"))
        return !anySplitWeight(db)
            && !any(static_cast<const KorvexMaterialDatabase::CMaterialDatabase &>(db)
                        .GetMaterialsGroups(),
                    emptyName);
    if (is(kind, "embrasures"))
        return !any(static_cast<const CEmbrasureDatabase &>(db).GetEmbrasuresGroups(),
                    [](const CEmbrasureGroup &group) {
                        return group.GetName().isEmpty()
                            || any(group.GetEmbrasures(), [](const CEmbrasure &e) {
                                   return e.GetName().count(QLatin1Char(':')) != 2;
                               });
                    });
    if (is(kind, "kms"))
        return !any(static_cast<const KorvexKmsDatabase::CKmsDatabase &>(db).GetDevices(),
                    [](const auto &category) {
                        return any(category.GetDevicesHeatingContainer(), [](const auto &device) {
                            return device.GetName().isEmpty()
                                || any(device.GetDevicesHeatingSubNameContainer(), emptyName);
                        });
                    });
    return true; // pipes, DIN devices, coolants, climate
}

/// The rows compared once a table has settled: all of them, but only the group rows
/// where material names grow (those start with the group cell, which the material rows
/// leave NULL).
QStringList settledRows(bool groupsOnly, QStringList rows)
{
    if (groupsOnly)
        rows.erase(std::remove_if(rows.begin(), rows.end(),
                                  [](const QString &row) { return row.startsWith("NULL|"); }),
                   rows.end());
    return rows;
}

[[noreturn]] void fail(const CDatabaseKind &kind, const char *what, const QStringList &before,
                       const QStringList &after)
{
    std::fprintf(stderr, "%s: %s:\n%s\n---\n%s\n", kind.name, what, qPrintable(before.join('\n')),
                 qPrintable(after.join('\n')));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The climate database makes its viewer. Never destroyed: at exit it would outlive
    // the SQL driver it closes.
    new QApplication(*argc, *argv);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    static const CDatabaseKind *only
        = KorvexTest::FindDatabaseKind(qEnvironmentVariable("KORVEX_FUZZ_DATABASE"));
    const auto &kinds = KorvexTest::DatabaseKinds();
    const CDatabaseKind &kind = only ? *only : kinds[data[0] % kinds.size()];
    const QString table = kind.tables[data[1] % kind.tables.size()];
    writeTable(kind, table, QByteArray(reinterpret_cast<const char *>(data) + 2, int(size - 2)));

    const auto first = KorvexTest::LoadAndSave(kind);
    const QStringList written = KorvexTest::DumpTables(kind.tables);
    const auto loaded = KorvexTest::LoadAndSave(kind);
    const QStringList again = KorvexTest::DumpTables(kind.tables);
    if (writesBackAsLoaded(kind, *first)) {
        if (written != again)
            fail(kind, "the second save differs from the first", written, again);
        return 0;
    }
    // The second load read what the first could not write back; the third save writes
    // what the second did.
    const bool groupsOnly = is(kind, "materials") && anySplitWeight(*loaded);
    KorvexTest::LoadAndSave(kind);
    const QStringList third = settledRows(groupsOnly, KorvexTest::DumpTables(kind.tables));
    if (settledRows(groupsOnly, again) != third)
        fail(kind, "the third save differs from the second", again, third);
    return 0;
}
