#include "core/TablePersistence_p.h"

#include <QApplication>
#include <QDebug>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>

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
    m_query.setForwardOnly(true);
    m_query.exec(TableSql("SELECT * FROM %1", tableName));
    m_record = m_query.record();
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
    const QVariant handle = defaultDatabase().driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.data());
        return connection && sqlite3_get_autocommit(connection) == 0;
    }
    return true;
}

void CTableWriter::Abort(const QString &reason)
{
    qDebug() << "Saving" << m_tableName << "stopped, the previous content is kept:" << reason;
    m_failed = true;
}

} // namespace KorvexCore
