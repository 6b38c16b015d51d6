// Fuzzes the loader of every database: the input becomes the rows of a table, which is
// loaded, saved, loaded and saved again. Nothing may crash, and for the flat tables the
// second save writes exactly what the first wrote.
//
// Input: byte 0 picks the database, byte 1 the table (of the climate's four); then rows
// separated by '\n', cells by '\t'. A cell's first byte gives its type: 'i' integer,
// 'r' real, 'b' blob, 'n' NULL, anything else text (raw bytes, so UTF-8 or not).

#include "DatabaseKinds.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdio>
#include <cstdlib>

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
    const auto &kinds = KorvexTest::DatabaseKinds();
    const CDatabaseKind &kind = kinds[data[0] % kinds.size()];
    const QString table = kind.tables[data[1] % kind.tables.size()];
    writeTable(kind, table, QByteArray(reinterpret_cast<const char *>(data) + 2, int(size - 2)));

    KorvexTest::LoadAndSave(kind);
    const QStringList first = KorvexTest::DumpTables(kind.tables);
    KorvexTest::LoadAndSave(kind);
    const QStringList second = KorvexTest::DumpTables(kind.tables);
    // Only the flat tables promise that every table reads back as it was written; the tree
    // tables' row rules (empty names, rows before their parent) may settle over two loads.
    const bool flat = kind.name == QLatin1String("pipes") || kind.name == QLatin1String("din");
    if (flat && first != second) {
        std::fprintf(stderr, "%s: the second save differs from the first:\n%s\n---\n%s\n",
                     kind.name, qPrintable(first.join('\n')), qPrintable(second.join('\n')));
        std::abort();
    }
    return 0;
}
