#pragma once

// Shared mechanics of reading tables into memory and writing them back. Every
// database goes through these classes; none talks to QSqlQuery for its own tables
// directly.
//
// A table's columns are written once, as a list of CColumn (name, how the field is
// bound, how it is read); the list finds the column positions on load, binds the
// placeholders on save and gives the editors their text columns. The CREATE and INSERT
// texts stay literal, and CTableDescription lets a test check that they agree.
//
// \code
// CSaveTransaction save(*this);                         // one per SaveDataToDataBase()
// CTableRewrite table(save, m_tableName, kCreate);      // one per table
// CRowInsert insert = table.Prepare(kInsert);
// for (const CPipe &pipe : m_pipes) {
//     BindRow(insert, PipeColumns(), pipe);
//     if (!table.Insert(insert))
//         break;
// }
// save.Finish();                                        // commit, or roll back
// \endcode

#include "core/TableDatabase.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtNumeric>

#include <QHash>
#include <QSet>

#include <cstddef>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

struct sqlite3_stmt;

namespace KorvexCore {

Q_DECLARE_LOGGING_CATEGORY(lcKorvexSql)

/// \a text with every surrogate that is not half of a pair replaced by U+FFFD: the form in
/// which a UTF-8 file can hold it.
QString WithoutLoneSurrogates(QString text);

/// A query on the default connection (an invalid QSqlDatabase resolves to it).
QSqlQuery DefaultConnectionQuery();

/// The SQL text \a source (plain ASCII, never translated) with %1 replaced by \a tableName.
QString TableSql(const char *source, const QString &tableName);

/// Writes "<text> <sourceName> <line>" to the debug output: the one line a database
/// leaves when it drops something while loading.
void DebugLine(const char *text, const char *sourceName, int line);

/// The column names of a "CREATE TABLE %1 (…)" text, in order.
QStringList ColumnsOfCreate(const QString &createSql);
/// The placeholder names (without the colon) of an INSERT text, in order.
QStringList PlaceholdersOf(const QString &insertSql);

/// Reads "SELECT * FROM <table>" forward only on the default connection.
///
/// A missing table simply yields no rows. Any other failure (a lock held longer than
/// the busy timeout, an I/O error, a corrupt page) ends the rows where it happens and is
/// remembered by the database, which then refuses to save that table.
///
/// On an SQLite connection the rows are stepped through SQLite directly: QtSql's
/// cached result would build a QVariant for every cell of every row first, which
/// costs more than reading the table itself. Cells come out exactly as QtSql gives
/// them (text as QString, whole numbers as qint64, reals as double, blobs as
/// QByteArray, NULL as a null QString), so conversions behave the same either way.
class CTableReader
{
public:
    CTableReader(CTableDatabase &database, const QString &tableName);
    ~CTableReader();

    CTableReader(const CTableReader &) = delete;
    CTableReader &operator=(const CTableReader &) = delete;

    /// Position of the column \a name in the result (compared without regard to
    /// case, first match), -1 when it is missing.
    int Column(const QString &name) const { return m_record.indexOf(name); }
    bool Next();
    /// The cell as text; NULL and missing columns read as an empty string.
    QString Text(int column) const { return TextRef(column); }
    /// Text(), valid until the next cell is read: a text field copies it without a
    /// temporary string of its own.
    const QString &TextRef(int column) const;
    /// The cell as QtSql types it; a missing column gives an invalid QVariant.
    QVariant Value(int column) const;
    /// Value(column).toDouble() and Value(column).toInt(), without building the
    /// QVariant for cells that hold a plain number as text.
    double Double(int column) const;
    int Int(int column) const;
    /// Value(column).toByteArray(), without the QVariant for a blob or NULL.
    QByteArray Bytes(int column) const;

private:
    QByteArrayView TextBytes(int column) const;
    void Fail(const QString &text);
    void Finished();

    CTableDatabase &m_database;
    QString m_tableName;
    sqlite3_stmt *m_statement = nullptr; // direct path
    QSqlQuery m_query; // any other driver
    QSqlRecord m_record;
    static constexpr size_t kRecentTexts = 64;
    /// Per column, texts read lately with their bytes, by hash of the bytes.
    mutable std::vector<std::vector<std::pair<QByteArray, QString>>> m_recentTexts;
    mutable QString m_converted; ///< the text of the last cell that holds no text
    bool m_done = false;
};

/// One SaveDataToDataBase(): a transaction (where the driver has them) around the
/// rewrite of every table of the database.
///
/// The save stops at the first failed statement and rolls back what is still open, so
/// the previous tables survive whole; SQLite may already have rolled the transaction
/// back by itself (a full disk, an I/O error), and further statements would then land
/// one by one in the restored old tables. The outcome becomes the database's last error.
class CSaveTransaction
{
public:
    explicit CSaveTransaction(const CTableDatabase &database);
    ~CSaveTransaction();

    CSaveTransaction(const CSaveTransaction &) = delete;
    CSaveTransaction &operator=(const CSaveTransaction &) = delete;

    bool Failed() const { return m_failed; }
    /// Stops the save: nothing more is written and Finish() rolls back.
    void Fail(CDatabaseError::ErrorKind kind, const QString &table, const QString &text);
    /// Commits, or rolls back after a failure. Called by the destructor when not before.
    /// Returns whether the save went through.
    bool Finish();
    /// Whether the transaction begun here is still open (SQLite ends it by itself on
    /// some failures).
    bool StillOpen() const;
    const CTableDatabase &Database() const { return m_database; }

private:
    const CTableDatabase &m_database;
    bool m_inTransaction = false;
    bool m_failed = false;
    bool m_finished = false;
};

/// One prepared INSERT of a save, bound placeholder by placeholder like a QSqlQuery.
///
/// On an SQLite connection the statement is bound and stepped through SQLite directly:
/// QtSql would copy every row's values through lists of QVariant and look each
/// placeholder up by name again, which costs more than SQLite's own work. Values bind
/// exactly as QtSql binds them (a null string or byte array as NULL, text as text, a
/// byte array as a blob, numbers as numbers), and failures carry QtSql's texts.
class CRowInsert
{
public:
    /// An insert that was never prepared: running it fails.
    CRowInsert() = default;
    explicit CRowInsert(sqlite3_stmt *statement);
    explicit CRowInsert(QSqlQuery query);
    ~CRowInsert();
    CRowInsert(CRowInsert &&other) noexcept;
    CRowInsert &operator=(CRowInsert &&other) noexcept;
    CRowInsert(const CRowInsert &) = delete;
    CRowInsert &operator=(const CRowInsert &) = delete;

    /// Binds \a value to \a placeholder (":name"); the value stays bound for later rows.
    void bindValue(const QString &placeholder, const QVariant &value);
    /// bindValue() for text, without building a QVariant.
    void BindText(const QString &placeholder, const QString &text);
    /// Runs the row. On failure \a error says why, as QtSql would.
    bool Exec(QSqlError *error);
    /// Makes the insert usable for the next row after a failed one (QtSql drops a
    /// statement whose values SQLite refused to bind).
    void Recover();

private:
    int Position(const QString &placeholder);
    void Bound(int result);

    sqlite3_stmt *m_statement = nullptr;
    std::optional<QSqlQuery> m_query; // any other driver
    /// Placeholders seen, with their positions; the string keeps its text alive, so its
    /// address identifies it (callers pass the same strings row after row).
    std::vector<std::pair<QString, int>> m_positions;
    /// The UTF-8 bytes bound to each position (1 at index 0), alive while SQLite reads them.
    std::vector<QByteArray> m_texts;
    size_t m_next = 0;
    bool m_unknownPlaceholder = false;
    int m_bindFailure = 0;
    QString m_bindMessage;
};

/// The rewrite of one table inside a save: empty it, then insert its rows.
class CTableRewrite
{
public:
    /// How the table is emptied before its rows are written.
    enum class Emptying {
        /// "DROP TABLE", then the CREATE text. A table whose columns on disk are not the
        /// ones the CREATE text makes (another tool added one, say) is renamed to
        /// "<table>_before_<UTC time>" instead of dropped, so nothing of it is lost.
        DropAndCreate,
        /// "DELETE FROM", then the CREATE text (which fails harmlessly on an existing
        /// table): the table keeps its columns.
        DeleteRows
    };
    /// What a failed row insert means for the rest of the save.
    enum class RowFailure {
        Stop, ///< the save ends, the previous tables are kept
        Report ///< logged, the save goes on while its transaction is still open
    };

    CTableRewrite(CSaveTransaction &save, const QString &tableName, const char *createSource,
                  Emptying emptying = Emptying::DropAndCreate);

    CTableRewrite(const CTableRewrite &) = delete;
    CTableRewrite &operator=(const CTableRewrite &) = delete;

    /// An insert on the default connection prepared with \a insertSource (%1 = table).
    CRowInsert Prepare(const char *insertSource);
    /// Executes one prepared row. Returns false when the save has to stop.
    bool Insert(CRowInsert &insert, RowFailure onFailure = RowFailure::Stop);
    bool Failed() const { return m_save.Failed(); }

private:
    /// Runs \a sql; a failure stops the save unless \a harmless.
    bool Run(const QString &sql, bool harmless);
    void Empty(const char *createSource, Emptying emptying);

    CSaveTransaction &m_save;
    QString m_tableName;
};

// ---------------------------------------------------------------------------------------
// Column tables

/// \a value as bound to a placeholder. SQLite stores a NaN as NULL, which reads back as 0;
/// bound as the text "nan" it reads back as NaN, and a second save writes the same.
inline QVariant BindableDouble(double value)
{
    return qIsNaN(value) ? QVariant(QStringLiteral("nan")) : QVariant(value);
}

/// One column of a table and the field of record T it holds.
template<class T> class CColumn
{
public:
    using Binder = std::function<QVariant(const T &)>;
    using Reader = std::function<void(T &, const CTableReader &, int position)>;
    using TextGetter = const QString &(T::*)() const;
    using TextSetter = void (T::*)(const QString &);

    /// Any field: \a bind gives the value bound to the placeholder, \a read stores a cell.
    CColumn(const char *name, Binder bind, Reader read)
        : m_name(name)
        , m_placeholder(QLatin1Char(':') + QLatin1String(name))
        , m_bind(std::move(bind))
        , m_read(std::move(read))
    { }

    /// A text field, bound as text and read as text (NULL reads as empty).
    CColumn(const char *name, TextGetter get, TextSetter set)
        : CColumn(
            name, [get](const T &e) { return QVariant((e.*get)()); },
            [set](T &e, const CTableReader &r, int p) { (e.*set)(r.Text(p)); })
    {
        m_getText = get;
        m_setText = set;
    }

    /// A floating-point field, bound as a double and read with QVariant::toDouble().
    CColumn(const char *name, const double &(T::*get)() const, void (T::*set)(const double &))
        : CColumn(
            name, [get](const T &e) { return BindableDouble((e.*get)()); },
            [set](T &e, const CTableReader &r, int p) { (e.*set)(r.Double(p)); })
    { }

    /// A whole-number field, bound as an int and read with QVariant::toInt().
    CColumn(const char *name, const int &(T::*get)() const, void (T::*set)(const int &))
        : CColumn(
            name, [get](const T &e) { return QVariant((e.*get)()); },
            [set](T &e, const CTableReader &r, int p) { (e.*set)(r.Int(p)); })
    { }

    /// A byte field (a picture), bound and read byte for byte.
    CColumn(const char *name, const QByteArray &(T::*get)() const,
            void (T::*set)(const QByteArray &))
        : CColumn(
            name, [get](const T &e) { return QVariant((e.*get)()); },
            [set](T &e, const CTableReader &r, int p) { (e.*set)(r.Bytes(p)); })
    { }

    const char *Name() const { return m_name; }
    const QString &Placeholder() const { return m_placeholder; }
    QVariant Value(const T &element) const { return m_bind(element); }
    void Read(T &element, const CTableReader &reader, int position) const
    {
        if (m_setText)
            (element.*m_setText)(reader.TextRef(position));
        else
            m_read(element, reader, position);
    }
    /// The getter and setter of a text field (null for other fields), for editors that
    /// show the field as it is stored.
    TextGetter GetText() const { return m_getText; }
    TextSetter SetText() const { return m_setText; }

private:
    const char *m_name;
    QString m_placeholder;
    Binder m_bind;
    Reader m_read;
    TextGetter m_getText = nullptr;
    TextSetter m_setText = nullptr;
};

template<class T> using CColumns = std::vector<CColumn<T>>;

/// The literal texts of a table and the names of the columns its column lists hold,
/// so that a test can check the two agree.
struct CTableDescription
{
    const char *create;
    std::vector<const char *> inserts;
    QStringList columns; ///< in table order
};

template<class T> QStringList ColumnNames(const CColumns<T> &columns)
{
    QStringList names;
    for (const CColumn<T> &column : columns)
        names << QLatin1String(column.Name());
    return names;
}

/// The position of every column of \a columns in the reader's result.
template<class T>
std::vector<int> ColumnPositions(const CTableReader &reader, const CColumns<T> &columns)
{
    std::vector<int> positions;
    positions.reserve(columns.size());
    for (const CColumn<T> &column : columns)
        positions.push_back(reader.Column(QLatin1String(column.Name())));
    return positions;
}

/// Fills the fields of \a element from the current row.
template<class T>
void ReadRow(T &element, const CTableReader &reader, const CColumns<T> &columns,
             const std::vector<int> &positions)
{
    for (size_t i = 0; i < columns.size(); ++i)
        columns[i].Read(element, reader, positions[i]);
}

/// Binds every column's placeholder to the field of \a element.
template<class T> void BindRow(CRowInsert &insert, const CColumns<T> &columns, const T &element)
{
    for (const CColumn<T> &column : columns) {
        if (const auto getText = column.GetText())
            insert.BindText(column.Placeholder(), (element.*getText)());
        else
            insert.bindValue(column.Placeholder(), column.Value(element));
    }
}

/// A flat table: one element per row, in row order, appended without any check.
template<class T>
void LoadFlatTable(CTableDatabase &database, const QString &tableName, const CColumns<T> &columns,
                   std::vector<T> &elements)
{
    CTableReader reader(database, tableName);
    const std::vector<int> positions = ColumnPositions(reader, columns);
    elements.clear();
    while (reader.Next()) {
        elements.emplace_back();
        ReadRow(elements.back(), reader, columns, positions);
    }
}

/// Rewrites a flat table with one prepared insert for all rows.
template<class T>
void SaveFlatTable(const CTableDatabase &database, const QString &tableName,
                   const CTableDescription &description, const CColumns<T> &columns,
                   const std::vector<T> &elements)
{
    CSaveTransaction save(database);
    CTableRewrite table(save, tableName, description.create);
    CRowInsert insert = table.Prepare(description.inserts.front());
    for (const T &element : elements) {
        BindRow(insert, columns, element);
        if (!table.Insert(insert))
            break;
    }
    save.Finish();
}

/// Rewrites a table of group rows, each followed by the rows of its members, in container
/// order, with one prepared insert per row kind (the first and second insert texts of
/// \a description). \a members gives a group's members; a member for which \a skip says so
/// is not written at all; \a memberFailure says what a failed member row means.
template<class Groups, class MembersOf, class Group, class Member, class Skip = std::nullptr_t>
void SaveGroupedTable(const CTableDatabase &database, const QString &tableName,
                      const CTableDescription &description, const CColumns<Group> &groupColumns,
                      const CColumns<Member> &memberColumns, const Groups &groups,
                      MembersOf members,
                      CTableRewrite::RowFailure memberFailure = CTableRewrite::RowFailure::Stop,
                      Skip skip = nullptr)
{
    CSaveTransaction save(database);
    CTableRewrite table(save, tableName, description.create);
    CRowInsert groupRow = table.Prepare(description.inserts.at(0));
    CRowInsert memberRow = table.Prepare(description.inserts.at(1));
    for (const Group &group : groups) {
        BindRow(groupRow, groupColumns, group);
        if (!table.Insert(groupRow))
            break;
        for (const Member &member : std::invoke(members, group)) {
            if constexpr (!std::is_null_pointer_v<Skip>) {
                if (skip(member))
                    continue;
            }
            BindRow(memberRow, memberColumns, member);
            if (!table.Insert(memberRow, memberFailure))
                break;
        }
        if (table.Failed())
            break;
    }
    save.Finish();
}

/// Builds groups and their members from a table of group rows and member rows: a group row
/// opens the group of its name, appended when new (a second row of the name goes on with
/// the first group); the member rows after it join that group, unless it already has a
/// member of that name. Rows before the first group row belong to none. Names are found by
/// hash, with the same result as a first-match Find, so a long table loads in linear time.
template<class Group, class Member> class CGroupedRows
{
public:
    enum class EMember {
        Added,
        NoGroup, ///< before the first group row: skipped
        Taken ///< the group has a member of that name: the row is dropped
    };

    CGroupedRows(std::vector<Group> &groups, void (Group::*insert)(const Member &))
        : m_groups(groups)
        , m_insert(insert)
    {
        m_groups.clear();
    }

    void OpenGroup(const QString &name)
    {
        const auto known = m_index.constFind(name);
        if (known != m_index.constEnd()) {
            m_current = *known;
            return;
        }
        m_current = m_groups.size();
        m_index.insert(name, m_current);
        m_groups.emplace_back(name);
        m_memberNames.emplace_back();
    }

    EMember AddMember(const Member &member)
    {
        if (m_current == kNoGroup)
            return EMember::NoGroup;
        QSet<QString> &taken = m_memberNames[m_current];
        if (taken.contains(member.GetName()))
            return EMember::Taken;
        taken.insert(member.GetName());
        (m_groups[m_current].*m_insert)(member);
        return EMember::Added;
    }

private:
    static constexpr size_t kNoGroup = size_t(-1);
    std::vector<Group> &m_groups;
    void (Group::*m_insert)(const Member &);
    QHash<QString, size_t> m_index;
    std::vector<QSet<QString>> m_memberNames;
    size_t m_current = kNoGroup;
};

} // namespace KorvexCore
