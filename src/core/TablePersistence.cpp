#include "core/TablePersistence_p.h"

#include <QApplication>
#include <QDebug>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>

#include <sqlite3.h>

namespace KorvexCore {

namespace {
bool driverHasTransactions()
{
    const QSqlDatabase db
        = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), true);
    const QSqlDriver *driver = db.driver();
    return driver && driver->hasFeature(QSqlDriver::Transactions);
}

QSqlDatabase defaultDatabase()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
}

/// The SQLite connection behind the default connection, or null for another driver
/// or a connection that is not open.
sqlite3 *SqliteHandle()
{
    const QSqlDatabase db = defaultDatabase();
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}
} // namespace

QSqlQuery DefaultConnectionQuery()
{
    return QSqlQuery(QString(), QSqlDatabase());
}

QString TableSql(const char *source, const QString &tableName)
{
    return QApplication::tr(source).arg(tableName);
}

void DebugLine(const char *text, const char *sourceName, int line)
{
    qDebug() << text << sourceName << line;
}

CTableReader::CTableReader(const QString &tableName)
    : m_query(DefaultConnectionQuery())
{
    // Another connection may have re-created the table with other columns; reading the
    // schema first makes SQLite refresh it before the SELECT below is prepared.
    {
        QSqlQuery refresh = DefaultConnectionQuery();
        refresh.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    }
    const QString sql = TableSql("SELECT * FROM %1", tableName);
    if (sqlite3 *connection = SqliteHandle()) {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(connection, utf8.constData(), int(utf8.size()), &m_statement,
                               nullptr)
            != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
            return; // no such table: no rows
        }
        const int columns = sqlite3_column_count(m_statement);
        for (int i = 0; i < columns; ++i)
            m_record.append(QSqlField(QString::fromUtf8(sqlite3_column_name(m_statement, i))));
        return;
    }
    m_query.setForwardOnly(true);
    m_query.exec(sql);
    m_record = m_query.record();
}

CTableReader::~CTableReader()
{
    sqlite3_finalize(m_statement);
}

bool CTableReader::Next()
{
    if (m_statement)
        return sqlite3_step(m_statement) == SQLITE_ROW;
    return m_query.next();
}

QString CTableReader::Text(int column) const
{
    if (column < 0)
        return QString();
    if (!m_statement)
        return m_query.value(column).toString();
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_TEXT:
        return QString::fromUtf8(TextBytes(column));
    case SQLITE_NULL:
        return QString();
    default:
        return Value(column).toString();
    }
}

QByteArrayView CTableReader::TextBytes(int column) const
{
    // sqlite3_column_text() first, so the byte count is that of the UTF-8 text.
    const char *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QByteArrayView(text, sqlite3_column_bytes(m_statement, column));
}

double CTableReader::Double(int column) const
{
    if (m_statement && column >= 0 && sqlite3_column_type(m_statement, column) == SQLITE_TEXT) {
        // A number that parses is read the same from the bytes; anything else (an
        // overflow, say) takes the QVariant road so its odd cases stay QVariant's.
        bool ok = false;
        const double value = TextBytes(column).toDouble(&ok);
        if (ok)
            return value;
    }
    return Value(column).toDouble();
}

int CTableReader::Int(int column) const
{
    if (m_statement && column >= 0 && sqlite3_column_type(m_statement, column) == SQLITE_TEXT) {
        bool ok = false;
        const int value = TextBytes(column).toInt(&ok);
        if (ok)
            return value;
    }
    return Value(column).toInt();
}

QVariant CTableReader::Value(int column) const
{
    if (column < 0)
        return QVariant();
    if (!m_statement)
        return m_query.value(column);
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_BLOB: {
        const char *bytes = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
        return QVariant(QByteArray(bytes, sqlite3_column_bytes(m_statement, column)));
    }
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    default:
        return QVariant(QString::fromUtf8(TextBytes(column)));
    }
}

CTableWriter::CTableWriter(const QString &tableName, const char *createSource)
    : m_tableName(tableName)
{
    if (driverHasTransactions())
        m_inTransaction = defaultDatabase().transaction();

    QSqlQuery query = DefaultConnectionQuery();
    query.exec(TableSql("DROP TABLE %1", tableName)); // fails harmlessly when there is no table
    if (!query.exec(TableSql(createSource, tableName)))
        Abort(query.lastError().text());
}

CTableWriter::~CTableWriter()
{
    Finish();
}

QSqlQuery CTableWriter::Prepare(const char *insertSource) const
{
    QSqlQuery query = DefaultConnectionQuery();
    query.prepare(TableSql(insertSource, m_tableName));
    return query;
}

bool CTableWriter::Insert(QSqlQuery &query, RowFailure onFailure)
{
    if (m_failed)
        return false;
    if (query.exec())
        return true;
    if (onFailure == RowFailure::Stop || !TransactionStillOpen()) {
        Abort(query.lastError().text());
        return false;
    }
    qDebug() << query.lastError();
    return true;
}

void CTableWriter::Finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_failed) {
        if (TransactionStillOpen())
            defaultDatabase().rollback();
        return;
    }
    if (m_inTransaction && driverHasTransactions()) {
        QSqlDatabase db = defaultDatabase();
        if (!db.commit()) {
            qDebug() << "Saving" << m_tableName << "failed at commit:" << db.lastError().text();
            db.rollback();
        }
    }
}

bool CTableWriter::TransactionStillOpen() const
{
    if (!m_inTransaction)
        return false;
    if (sqlite3 *connection = SqliteHandle())
        return sqlite3_get_autocommit(connection) == 0;
    return true;
}

void CTableWriter::Abort(const QString &reason)
{
    qDebug() << "Saving" << m_tableName << "stopped, the previous content is kept:" << reason;
    m_failed = true;
}

} // namespace KorvexCore
