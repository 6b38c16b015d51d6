#include "core/TablePersistence_p.h"

#include <QDateTime>
#include <QDebug>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QStringDecoder>

#include <sqlite3.h>

#include <algorithm>

namespace KorvexCore {

Q_LOGGING_CATEGORY(lcKorvexSql, "korvex.sql")

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

/// An SQLite failure as QtSql's SQLite driver reports it (untranslated: it goes to logs and
/// to CDatabaseError).
QSqlError sqliteError(sqlite3 *connection, const char *what, QSqlError::ErrorType type, int code)
{
    return QSqlError(QString::fromLatin1(what), QString::fromUtf8(sqlite3_errmsg(connection)), type,
                     QString::number(code));
}

/// \a text as UTF-8 in \a out (whose capacity is reused row after row), each surrogate
/// that is not half of a pair written as U+FFFD: the bytes SQLite would store for the text
/// after WithoutLoneSurrogates(). One pass, and no copy or conversion left for SQLite.
void Utf8Into(QStringView text, QByteArray &out)
{
    out.resize(text.size() * 3);
    auto *to = reinterpret_cast<unsigned char *>(out.data());
    const auto *const start = to;
    const char16_t *from = text.utf16();
    const char16_t *const end = from + text.size();
    while (from != end) {
        const char32_t c = *from++;
        if (c < 0x80) {
            *to++ = static_cast<unsigned char>(c);
        } else if (c < 0x800) {
            *to++ = static_cast<unsigned char>(0xC0 | (c >> 6));
            *to++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && from != end && QChar::isLowSurrogate(*from)) {
            const char32_t u = QChar::surrogateToUcs4(char16_t(c), *from++);
            *to++ = static_cast<unsigned char>(0xF0 | (u >> 18));
            *to++ = static_cast<unsigned char>(0x80 | ((u >> 12) & 0x3F));
            *to++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            *to++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        } else {
            const char32_t u = QChar::isSurrogate(c) ? char32_t(QChar::ReplacementCharacter) : c;
            *to++ = static_cast<unsigned char>(0xE0 | (u >> 12));
            *to++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            *to++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        }
    }
    out.resize(to - start);
}

/// A cell's UTF-8 bytes as text. A leading U+FEFF is a character of the value here, not a
/// byte order mark: the save wrote it as one, so it reads back as one.
QString textFromUtf8(QByteArrayView bytes)
{
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes);
    return QStringDecoder(QStringConverter::Utf8,
                          QStringConverter::Flag::ConvertInitialBom
                              | QStringConverter::Flag::Stateless)(bytes);
}

bool isMissingTable(const QString &message)
{
    return message.contains(QLatin1String("no such table"), Qt::CaseInsensitive);
}

/// The column names of \a table on disk; empty when there is no such table. False when
/// the schema could not be read.
bool columnsOnDisk(const QString &table, QStringList *columns, QString *error)
{
    QSqlQuery query = DefaultConnectionQuery();
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        *error = query.lastError().text();
        return false;
    }
    while (query.next())
        *columns << query.value(1).toString();
    return true;
}

bool sameColumns(QStringList a, QStringList b)
{
    // SQLite's column names compare without regard to case, and loading finds columns
    // by name, so neither case nor order loses anything.
    for (QStringList *list : { &a, &b }) {
        for (QString &name : *list)
            name = name.toLower();
        list->sort();
    }
    return a == b;
}
} // namespace

QString WithoutLoneSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QSqlQuery DefaultConnectionQuery()
{
    return QSqlQuery(QString(), QSqlDatabase());
}

QString TableSql(const char *source, const QString &tableName)
{
    // Never looked up in a translator: a translated statement could drop or reshape a table.
    return QString::fromLatin1(source).arg(tableName);
}

void DebugLine(const char *text, const char *sourceName, int line)
{
    qDebug() << text << sourceName << line;
}

QStringList ColumnsOfCreate(const QString &createSql)
{
    const qsizetype open = createSql.indexOf(QLatin1Char('('));
    const qsizetype close = createSql.lastIndexOf(QLatin1Char(')'));
    QStringList names;
    if (open < 0 || close < open)
        return names;
    int depth = 0;
    QString definition;
    const auto take = [&names, &definition]() {
        const QString name = definition.trimmed().section(QLatin1Char(' '), 0, 0);
        if (!name.isEmpty())
            names << name;
        definition.clear();
    };
    for (const QChar c : createSql.mid(open + 1, close - open - 1)) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        if (c == QLatin1Char(',') && depth == 0)
            take();
        else
            definition += c;
    }
    take();
    return names;
}

QStringList PlaceholdersOf(const QString &insertSql)
{
    static const QRegularExpression placeholder(QStringLiteral(":(\\w+)"));
    QStringList names;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(insertSql))
        names << match.captured(1);
    return names;
}

// ---------------------------------------------------------------------------------------
// CTableReader

CTableReader::CTableReader(CTableDatabase &database, const QString &tableName)
    : m_database(database)
    , m_tableName(tableName)
    , m_query(DefaultConnectionQuery())
{
    m_database.m_unreadTables.erase(tableName);
    m_database.m_lastError = m_database.GetLoadError();

    // Another connection may have re-created the table with other columns; reading the
    // schema first makes SQLite refresh it before the SELECT below is prepared.
    {
        QSqlQuery refresh = DefaultConnectionQuery();
        if (!refresh.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            Fail(refresh.lastError().text());
            return;
        }
    }
    const QString sql = TableSql("SELECT * FROM %1", tableName);
    if (sqlite3 *connection = SqliteHandle()) {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(connection, utf8.constData(), int(utf8.size()), &m_statement,
                               nullptr)
            != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
            const QString message = QString::fromUtf8(sqlite3_errmsg(connection));
            if (isMissingTable(message))
                m_done = true; // no rows, and nothing is wrong
            else
                Fail(message);
            return;
        }
        const int columns = sqlite3_column_count(m_statement);
        for (int i = 0; i < columns; ++i)
            m_record.append(QSqlField(QString::fromUtf8(sqlite3_column_name(m_statement, i))));
        return;
    }
    m_query.setForwardOnly(true);
    if (!m_query.exec(sql)) {
        if (isMissingTable(m_query.lastError().text()))
            m_done = true;
        else
            Fail(m_query.lastError().text());
        return;
    }
    m_record = m_query.record();
}

CTableReader::~CTableReader()
{
    sqlite3_finalize(m_statement);
}

void CTableReader::Fail(const QString &text)
{
    m_done = true;
    const CDatabaseError error(CDatabaseError::LoadError, m_tableName, text);
    qCWarning(lcKorvexSql) << "Loading" << m_tableName
                           << "failed; saving it is refused until a load succeeds:" << text;
    m_database.m_unreadTables[m_tableName] = error;
    m_database.m_lastError = error;
}

bool CTableReader::Next()
{
    if (m_done)
        return false;
    if (m_statement) {
        const int result = sqlite3_step(m_statement);
        if (result == SQLITE_ROW)
            return true;
        m_done = true;
        if (result != SQLITE_DONE)
            Fail(QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement))));
        return false;
    }
    if (m_query.next())
        return true;
    m_done = true;
    if (m_query.lastError().isValid())
        Fail(m_query.lastError().text());
    return false;
}

const QString &CTableReader::TextRef(int column) const
{
    static const QString none;
    if (column < 0)
        return none;
    if (!m_statement) {
        m_converted = m_query.value(column).toString();
        return m_converted;
    }
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_TEXT: {
        // A column repeats its values (units, coefficients, comments, the bores of every
        // designation): a text read lately from the column is shared instead of decoded and
        // allocated again. Each column keeps the last text of each of kRecentTexts hashes.
        const QByteArrayView bytes = TextBytes(column);
        if (m_recentTexts.size() <= size_t(column))
            m_recentTexts.resize(size_t(m_record.count()));
        auto &recent = m_recentTexts[size_t(column)];
        if (recent.empty())
            recent.resize(kRecentTexts);
        quint32 hash = 2166136261u; // FNV-1a
        for (const char c : bytes)
            hash = (hash ^ quint8(c)) * 16777619u;
        auto &[lastBytes, lastText] = recent[hash % kRecentTexts];
        if (lastText.isNull() || QByteArrayView(lastBytes) != bytes) {
            lastText = textFromUtf8(bytes);
            lastBytes.resize(bytes.size());
            std::copy(bytes.begin(), bytes.end(), lastBytes.begin());
        }
        return lastText;
    }
    case SQLITE_NULL:
        return none;
    default:
        m_converted = Value(column).toString();
        return m_converted;
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
    if (m_statement && column >= 0) {
        switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_statement, column);
        case SQLITE_INTEGER:
            return double(sqlite3_column_int64(m_statement, column));
        case SQLITE_NULL:
            return 0.0;
        case SQLITE_TEXT: {
            // A number that parses is read the same from the bytes; anything else (an
            // overflow, say) takes the QVariant road so its odd cases stay QVariant's.
            bool ok = false;
            const double value = TextBytes(column).toDouble(&ok);
            if (ok)
                return value;
            break;
        }
        default:
            break;
        }
    }
    return Value(column).toDouble();
}

QByteArray CTableReader::Bytes(int column) const
{
    if (m_statement && column >= 0) {
        switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_NULL:
            return QByteArray();
        case SQLITE_BLOB:
            return QByteArray(static_cast<const char *>(sqlite3_column_blob(m_statement, column)),
                              sqlite3_column_bytes(m_statement, column));
        default:
            break;
        }
    }
    return Value(column).toByteArray();
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
        return QVariant(textFromUtf8(TextBytes(column)));
    }
}

// ---------------------------------------------------------------------------------------
// CSaveTransaction

CSaveTransaction::CSaveTransaction(const CTableDatabase &database)
    : m_database(database)
{
    m_database.m_lastError = CDatabaseError();
    if (driverHasTransactions()) {
        QSqlDatabase db = defaultDatabase();
        m_inTransaction = db.transaction();
        // Without the transaction a failure part way would leave a half-written table.
        if (!m_inTransaction)
            Fail(CDatabaseError::SaveError, QString(), db.lastError().text());
    }
}

CSaveTransaction::~CSaveTransaction()
{
    Finish();
}

void CSaveTransaction::Fail(CDatabaseError::ErrorKind kind, const QString &table,
                            const QString &text)
{
    if (m_failed)
        return;
    m_failed = true;
    qCWarning(lcKorvexSql) << "Saving" << m_database.GetName() << table
                           << "stopped, the previous content is kept:" << text;
    m_database.m_lastError = CDatabaseError(kind, table, text);
}

bool CSaveTransaction::Finish()
{
    if (m_finished)
        return !m_failed;
    m_finished = true;
    if (m_failed) {
        if (StillOpen())
            defaultDatabase().rollback();
        return false;
    }
    if (m_inTransaction && driverHasTransactions()) {
        QSqlDatabase db = defaultDatabase();
        if (!db.commit()) {
            const QString text = db.lastError().text();
            db.rollback();
            Fail(CDatabaseError::SaveError, QString(), text);
            return false;
        }
    }
    return true;
}

bool CSaveTransaction::StillOpen() const
{
    if (!m_inTransaction)
        return false;
    if (sqlite3 *connection = SqliteHandle())
        return sqlite3_get_autocommit(connection) == 0;
    return true;
}

// ---------------------------------------------------------------------------------------
// CTableRewrite

CTableRewrite::CTableRewrite(CSaveTransaction &save, const QString &tableName,
                             const char *createSource, Emptying emptying)
    : m_save(save)
    , m_tableName(tableName)
{
    if (m_save.Failed())
        return;
    const auto &unread = m_save.Database().m_unreadTables;
    const auto it = unread.find(tableName);
    if (it != unread.end()) {
        m_save.Fail(CDatabaseError::SaveRefused, tableName,
                    QStringLiteral("not saved, because the last load could not read the table: ")
                        + it->second.GetText());
        return;
    }
    Empty(createSource, emptying);
}

void CTableRewrite::Empty(const char *createSource, Emptying emptying)
{
    QStringList onDisk;
    QString error;
    if (!columnsOnDisk(m_tableName, &onDisk, &error)) {
        m_save.Fail(CDatabaseError::SaveError, m_tableName, error);
        return;
    }
    const bool exists = !onDisk.isEmpty();
    const QString create = TableSql(createSource, m_tableName);
    if (emptying == Emptying::DeleteRows) {
        if (Run(TableSql("DELETE FROM %1", m_tableName), !exists))
            Run(create, exists);
        return;
    }
    if (exists && !sameColumns(onDisk, ColumnsOfCreate(create))) {
        const QString kept = m_tableName + QStringLiteral("_before_")
            + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz'Z'"));
        if (!Run(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(m_tableName, kept), false))
            return;
        qCWarning(lcKorvexSql) << "The columns of" << m_tableName << "on disk" << onDisk
                               << "are not the ones written; the old table is kept as" << kept;
    } else if (!Run(TableSql("DROP TABLE %1", m_tableName), !exists)) {
        return;
    }
    Run(create, false);
}

bool CTableRewrite::Run(const QString &sql, bool harmless)
{
    QSqlQuery query = DefaultConnectionQuery();
    if (query.exec(sql) || harmless)
        return true;
    m_save.Fail(CDatabaseError::SaveError, m_tableName, query.lastError().text());
    return false;
}

CRowInsert CTableRewrite::Prepare(const char *insertSource)
{
    if (m_save.Failed())
        return CRowInsert();
    const QString sql = TableSql(insertSource, m_tableName);
    if (sqlite3 *connection = SqliteHandle()) {
        sqlite3_stmt *statement = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        const int result = sqlite3_prepare_v2(connection, utf8.constData(), int(utf8.size()),
                                              &statement, nullptr);
        if (result == SQLITE_OK)
            return CRowInsert(statement);
        sqlite3_finalize(statement);
        m_save.Fail(CDatabaseError::SaveError, m_tableName,
                    sqliteError(connection, "Unable to execute statement",
                                QSqlError::StatementError, result)
                        .text());
        return CRowInsert();
    }
    QSqlQuery query = DefaultConnectionQuery();
    if (!query.prepare(sql))
        m_save.Fail(CDatabaseError::SaveError, m_tableName, query.lastError().text());
    return CRowInsert(std::move(query));
}

bool CTableRewrite::Insert(CRowInsert &insert, RowFailure onFailure)
{
    if (m_save.Failed())
        return false;
    QSqlError error;
    if (insert.Exec(&error))
        return true;
    if (onFailure == RowFailure::Stop || !m_save.StillOpen()) {
        m_save.Fail(CDatabaseError::SaveError, m_tableName, error.text());
        return false;
    }
    qDebug() << error;
    insert.Recover();
    return true;
}

// ---------------------------------------------------------------------------------------
// CRowInsert

CRowInsert::CRowInsert(sqlite3_stmt *statement)
    : m_statement(statement)
{ }

CRowInsert::CRowInsert(QSqlQuery query)
    : m_query(std::move(query))
{ }

CRowInsert::~CRowInsert()
{
    sqlite3_finalize(m_statement);
}

CRowInsert::CRowInsert(CRowInsert &&other) noexcept
    : m_statement(std::exchange(other.m_statement, nullptr))
    , m_query(std::move(other.m_query))
    , m_positions(std::move(other.m_positions))
    , m_texts(std::move(other.m_texts))
    , m_next(other.m_next)
    , m_unknownPlaceholder(other.m_unknownPlaceholder)
    , m_bindFailure(other.m_bindFailure)
    , m_bindMessage(std::move(other.m_bindMessage))
{ }

CRowInsert &CRowInsert::operator=(CRowInsert &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_statement);
        m_statement = std::exchange(other.m_statement, nullptr);
        m_query = std::move(other.m_query);
        m_positions = std::move(other.m_positions);
        m_texts = std::move(other.m_texts);
        m_next = other.m_next;
        m_unknownPlaceholder = other.m_unknownPlaceholder;
        m_bindFailure = other.m_bindFailure;
        m_bindMessage = std::move(other.m_bindMessage);
    }
    return *this;
}

int CRowInsert::Position(const QString &placeholder)
{
    // Rows bind their placeholders in the same order, so the next one is tried first.
    const QChar *key = placeholder.constData();
    const size_t known = m_positions.size();
    for (size_t tried = 0; tried < known; ++tried) {
        const size_t at = (m_next + tried) % known;
        if (m_positions[at].first.constData() == key) {
            m_next = at + 1;
            return m_positions[at].second;
        }
    }
    for (const auto &[name, position] : m_positions) {
        if (name == placeholder)
            return position;
    }
    const int position
        = sqlite3_bind_parameter_index(m_statement, placeholder.toUtf8().constData());
    m_positions.emplace_back(placeholder, position);
    m_next = m_positions.size();
    return position;
}

void CRowInsert::Bound(int result)
{
    if (result != SQLITE_OK && m_bindFailure == 0) {
        m_bindFailure = result;
        m_bindMessage = QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)));
    }
}

void CRowInsert::BindText(const QString &placeholder, const QString &text)
{
    if (!m_statement) {
        // SQLite pairs half a surrogate pair (a pasted fragment) with whatever character
        // follows it, so the text after it is lost; stored as U+FFFD, only that one
        // character changes.
        if (m_query)
            m_query->bindValue(placeholder,
                               text.isValidUtf16() ? text : WithoutLoneSurrogates(text));
        return;
    }
    const int position = Position(placeholder);
    if (position == 0) {
        m_unknownPlaceholder = true;
    } else if (text.isNull()) {
        Bound(sqlite3_bind_null(m_statement, position));
    } else {
        // UTF-8 in a buffer of the position, kept until the next row binds it: SQLite
        // neither copies nor converts it, and a leading U+FEFF is kept as a character
        // instead of being taken for a byte order mark.
        if (m_texts.size() < size_t(position))
            m_texts.resize(size_t(sqlite3_bind_parameter_count(m_statement)));
        QByteArray &utf8 = m_texts[size_t(position) - 1];
        Utf8Into(text, utf8);
        Bound(sqlite3_bind_text(m_statement, position, utf8.constData(), int(utf8.size()),
                                SQLITE_STATIC));
    }
}

void CRowInsert::bindValue(const QString &placeholder, const QVariant &value)
{
    if (!m_statement) {
        if (value.typeId() == QMetaType::QString)
            BindText(placeholder, value.toString());
        else if (m_query)
            m_query->bindValue(placeholder, value);
        return;
    }
    const int position = Position(placeholder);
    if (position == 0) {
        m_unknownPlaceholder = true;
        return;
    }
    // The types and NULLs as QtSql's SQLite driver binds them.
    switch (value.typeId()) {
    case QMetaType::QString:
        BindText(placeholder, *static_cast<const QString *>(value.constData()));
        return;
    case QMetaType::QByteArray: {
        const QByteArray *bytes = static_cast<const QByteArray *>(value.constData());
        Bound(bytes->isNull() ? sqlite3_bind_null(m_statement, position)
                              : sqlite3_bind_blob(m_statement, position, bytes->constData(),
                                                  int(bytes->size()), SQLITE_TRANSIENT));
        return;
    }
    default:
        break;
    }
    if (value.isNull()) {
        Bound(sqlite3_bind_null(m_statement, position));
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Bool:
        Bound(sqlite3_bind_int(m_statement, position, value.toInt()));
        return;
    case QMetaType::Double:
        Bound(sqlite3_bind_double(m_statement, position, value.toDouble()));
        return;
    case QMetaType::UInt:
    case QMetaType::LongLong:
        Bound(sqlite3_bind_int64(m_statement, position, value.toLongLong()));
        return;
    default:
        BindText(placeholder, value.toString());
    }
}

bool CRowInsert::Exec(QSqlError *error)
{
    if (!m_statement) {
        if (m_query && m_query->exec())
            return true;
        *error = m_query ? m_query->lastError() : QSqlError();
        return false;
    }
    if (m_unknownPlaceholder) {
        *error = QSqlError(QStringLiteral("Parameter count mismatch"), QString(),
                           QSqlError::StatementError);
        return false;
    }
    if (m_bindFailure != 0) {
        *error = QSqlError(QStringLiteral("Unable to bind parameters"), m_bindMessage,
                           QSqlError::StatementError, QString::number(m_bindFailure));
        m_bindFailure = 0;
        return false;
    }
    int result = sqlite3_step(m_statement);
    if (result == SQLITE_DONE || result == SQLITE_ROW) {
        sqlite3_reset(m_statement);
        return true;
    }
    // A generic SQLITE_ERROR has its real code and message only after the reset.
    if (result == SQLITE_ERROR)
        result = sqlite3_reset(m_statement);
    *error = sqliteError(sqlite3_db_handle(m_statement), "Unable to fetch row",
                         QSqlError::ConnectionError, result);
    sqlite3_reset(m_statement);
    return false;
}

void CRowInsert::Recover()
{
    if (m_query)
        m_query->prepare(m_query->lastQuery());
}

} // namespace KorvexCore
