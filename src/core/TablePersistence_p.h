#pragma once

// Shared mechanics of reading a table into memory and writing it back. Every
// database goes through these two classes; none talks to QSqlQuery for its own
// table directly.

#include <QByteArrayView>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

struct sqlite3_stmt;

namespace KorvexCore {

/// A query on the default connection (an invalid QSqlDatabase resolves to it).
QSqlQuery DefaultConnectionQuery();

/// The SQL text \a source, translated, with %1 replaced by \a tableName.
QString TableSql(const char *source, const QString &tableName);

/// Writes "<text> <sourceName> <line>" to the debug output: the one line a database
/// leaves when it drops something while loading.
void DebugLine(const char *text, const char *sourceName, int line);

/// Reads "SELECT * FROM <table>" forward only on the default connection.
/// A missing table simply yields no rows.
///
/// On an SQLite connection the rows are stepped through SQLite directly: QtSql's
/// cached result would build a QVariant for every cell of every row first, which
/// costs more than reading the table itself. Cells come out exactly as QtSql gives
/// them (text as QString, whole numbers as qint64, reals as double, blobs as
/// QByteArray, NULL as a null QString), so conversions behave the same either way.
class CTableReader
{
public:
    explicit CTableReader(const QString &tableName);
    ~CTableReader();

    CTableReader(const CTableReader &) = delete;
    CTableReader &operator=(const CTableReader &) = delete;

    /// Position of the column \a name in the result (compared without regard to
    /// case, first match), -1 when it is missing.
    int Column(const QString &name) const { return m_record.indexOf(name); }
    bool Next();
    /// The cell as text; NULL and missing columns read as an empty string.
    QString Text(int column) const;
    /// The cell as QtSql types it; a missing column gives an invalid QVariant.
    QVariant Value(int column) const;
    /// Value(column).toDouble() and Value(column).toInt(), without building the
    /// QVariant for cells that hold a plain number as text.
    double Double(int column) const;
    int Int(int column) const;

private:
    QByteArrayView TextBytes(int column) const;

    sqlite3_stmt *m_statement = nullptr; // direct path
    QSqlQuery m_query; // any other driver
    QSqlRecord m_record;
};

/// Rewrites one table: transaction (where the driver has them), DROP, CREATE, then
/// the rows through prepared inserts, then commit.
///
/// When a row cannot be written because the disk is full or failed, SQLite may have
/// rolled the whole transaction back already, and further inserts would land one by
/// one in the restored old table. The writer therefore stops at the first failed
/// row, rolls back what is still open and never commits, so the previous content
/// survives intact.
class CTableWriter
{
public:
    /// What a failed row insert means for the rest of the save.
    enum class RowFailure {
        Stop, ///< the save ends, the previous table is kept
        Report ///< logged, the save goes on while its transaction is still open
    };

    CTableWriter(const QString &tableName, const char *createSource);
    ~CTableWriter();

    CTableWriter(const CTableWriter &) = delete;
    CTableWriter &operator=(const CTableWriter &) = delete;

    /// A query on the default connection prepared with \a insertSource (%1 = table).
    QSqlQuery Prepare(const char *insertSource) const;

    /// Executes one prepared row. Returns false when the save has to stop.
    bool Insert(QSqlQuery &query, RowFailure onFailure = RowFailure::Stop);

    /// Commits (or, after a failure, rolls back what is still open). Called by the
    /// destructor when not called before.
    void Finish();

    bool Failed() const { return m_failed; }

private:
    bool TransactionStillOpen() const;
    void Abort(const QString &reason);

    QString m_tableName;
    bool m_inTransaction = false;
    bool m_failed = false;
    bool m_finished = false;
};

} // namespace KorvexCore
