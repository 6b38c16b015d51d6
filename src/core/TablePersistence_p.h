#pragma once

// Shared mechanics of reading a table into memory and writing it back. Every
// database goes through these two classes; none talks to QSqlQuery for its own
// table directly.

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

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
class CTableReader
{
public:
    explicit CTableReader(const QString &tableName);

    /// Position of the column \a name in the result, -1 when it is missing.
    int Column(const QString &name) const { return m_record.indexOf(name); }
    bool Next() { return m_query.next(); }
    /// The cell as text; NULL and missing columns read as an empty string.
    QString Text(int column) const
    {
        return column < 0 ? QString() : m_query.value(column).toString();
    }
    QVariant Value(int column) const { return column < 0 ? QVariant() : m_query.value(column); }

private:
    QSqlQuery m_query;
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
