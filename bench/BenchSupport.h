#pragma once

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace KorvexBench {

/// Row counts every table benchmark runs at.
inline constexpr int kSizes[] = { 10000, 100000 };

/// The ratio library/raw (or library/bare Qt) that a pair of benchmarks must stay within.
inline constexpr double kTargetRatio = 2.0;
/// The time per row of a load at the largest size against the smallest must stay within
/// this: a load that looks names up by scanning grows faster than its rows.
inline constexpr double kTargetLinearity = 1.3;

/// Resident memory of the process (VmRSS) and its peak (VmHWM), in bytes.
size_t ResidentBytes();
size_t PeakResidentBytes();
/// The growth of the peak resident memory while \a run runs: freed heap is handed back
/// and the peak reset first, so what remains is what \a run itself needed at most.
double PeakGrowthDuring(const std::function<void()> &run);

/// A temporary SQLite file opened as the library's default connection.
class CLibraryDatabase
{
public:
    CLibraryDatabase();
    ~CLibraryDatabase();
    /// Size of the database file: the bytes of the data it holds, as stored.
    qint64 FileBytes() const;

private:
    QTemporaryDir m_dir;
};

/// A temporary SQLite file opened with the C API, for the raw side.
class CRawDatabase
{
public:
    CRawDatabase();
    ~CRawDatabase();
    sqlite3 *Handle() const { return m_db; }
    void Exec(const char *sql) const;
    /// Prepared statement; fails the process on error (a benchmark bug).
    sqlite3_stmt *Prepare(const char *sql) const;

private:
    QTemporaryDir m_dir;
    sqlite3 *m_db = nullptr;
};

/// The library's own SQL text \a source with %1 = \a table: the raw side runs the very
/// statements the library runs.
inline std::string SqlFor(const char *source, const char *table)
{
    return QString::fromUtf8(source).arg(QLatin1String(table)).toStdString();
}

/// Text of a column, as the raw side reads it.
inline std::string ColumnText(sqlite3_stmt *statement, int column)
{
    const unsigned char *text = sqlite3_column_text(statement, column);
    return text ? std::string(reinterpret_cast<const char *>(text),
                              size_t(sqlite3_column_bytes(statement, column)))
                : std::string();
}

/// Binds \a texts to the placeholders 1, 2, … of \a statement (the strings must outlive
/// the step).
inline void BindTexts(sqlite3_stmt *statement, std::initializer_list<const std::string *> texts)
{
    int index = 0;
    for (const std::string *text : texts)
        sqlite3_bind_text(statement, ++index, text->data(), int(text->size()), SQLITE_STATIC);
}

/// The text without the blanks at its ends, as QString::trimmed() for ASCII blanks.
std::string Trimmed(const std::string &text);

/// The raw side's rewrite of a table in one transaction: BEGIN, DROP TABLE and the
/// library's CREATE text; inserts prepared from the library's INSERT texts are finalized
/// and the transaction committed when it ends.
class CRawRewrite
{
public:
    CRawRewrite(const CRawDatabase &db, const char *table, const char *create);
    ~CRawRewrite();
    CRawRewrite(const CRawRewrite &) = delete;
    CRawRewrite &operator=(const CRawRewrite &) = delete;

    sqlite3_stmt *Prepare(const char *insert);
    /// Runs the bound insert and resets it for the next row.
    static void Step(sqlite3_stmt *insert)
    {
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }

private:
    const CRawDatabase &m_db;
    std::string m_table;
    std::vector<sqlite3_stmt *> m_inserts;
};

/// Rewrites a flat table: \a bind binds each of \a rows to the one insert.
template<class Rows, class Bind>
void RawFlatSave(const CRawDatabase &db, const char *table, const char *create, const char *insert,
                 const Rows &rows, Bind bind)
{
    CRawRewrite rewrite(db, table, create);
    sqlite3_stmt *statement = rewrite.Prepare(insert);
    for (const auto &row : rows) {
        bind(statement, row);
        CRawRewrite::Step(statement);
    }
}

/// Reads a flat table: one row of type Row per table row, built by \a read.
template<class Row, class Read>
std::vector<Row> RawFlatLoad(const CRawDatabase &db, const char *table, Read read)
{
    std::vector<Row> rows;
    sqlite3_stmt *select = db.Prepare(("SELECT * FROM " + std::string(table)).c_str());
    while (sqlite3_step(select) == SQLITE_ROW)
        rows.push_back(read(select));
    sqlite3_finalize(select);
    return rows;
}

/// A group of a table of group rows and member rows, as plain structures.
template<class Member> struct TRawGroup
{
    std::string name;
    std::vector<Member> members;
};
template<class Member> using TRawGroups = std::vector<TRawGroup<Member>>;

/// Rewrites a table of group rows (the name bound to \a groupInsert), each followed by its
/// members, which \a write binds to \a memberInsert and steps (while what it bound lives).
template<class Member, class Write>
void RawGroupedSave(const CRawDatabase &db, const char *table, const char *create,
                    const char *groupInsert, const char *memberInsert,
                    const TRawGroups<Member> &groups, Write write)
{
    CRawRewrite rewrite(db, table, create);
    sqlite3_stmt *groupRow = rewrite.Prepare(groupInsert);
    sqlite3_stmt *memberRow = rewrite.Prepare(memberInsert);
    for (const TRawGroup<Member> &group : groups) {
        sqlite3_bind_text(groupRow, 1, group.name.data(), int(group.name.size()), SQLITE_STATIC);
        CRawRewrite::Step(groupRow);
        for (const Member &member : group.members)
            write(memberRow, member);
    }
}

/// Reads a table of group rows and member rows as the library does: \a read gives a member
/// row's member, or stores a group row's name in its second argument. A group
/// is found by its trimmed name and appended when new; a member joins the last group named
/// unless that group has a member of its Name() already; rows before any group are skipped.
template<class Member, class Read>
TRawGroups<Member> RawGroupedLoad(const CRawDatabase &db, const char *table, Read read)
{
    TRawGroups<Member> groups;
    std::unordered_map<std::string, size_t> groupIndex;
    std::vector<std::unordered_set<std::string>> taken;
    size_t current = size_t(-1);
    sqlite3_stmt *select = db.Prepare(("SELECT * FROM " + std::string(table)).c_str());
    while (sqlite3_step(select) == SQLITE_ROW) {
        std::string group;
        Member member = read(select, group);
        if (!group.empty()) {
            const auto [it, added] = groupIndex.emplace(Trimmed(group), groups.size());
            if (added) {
                groups.push_back({ it->first, {} });
                taken.emplace_back();
            }
            current = it->second;
            continue;
        }
        if (current != size_t(-1) && taken[current].insert(member.Name()).second)
            groups[current].members.push_back(std::move(member));
    }
    sqlite3_finalize(select);
    return groups;
}

/// Registers "<table>/<operation>/library/<n>" and "<table>/<operation>/raw/<n>" for every
/// size; the runner prints their ratio after the run.
void RegisterPair(const std::string &table, const std::string &operation,
                  const std::function<void(benchmark::State &)> &library,
                  const std::function<void(benchmark::State &)> &raw);

/// One table measured both ways. The library side: \c fill gives a database n table
/// rows, \c count tells how many table rows a database holds. The raw side: \c make
/// builds n rows, \c save rewrites the table from them, \c load reads the whole table.
/// \c librarySave is how the library writes the database (SaveDataToDataBase() unless
/// given).
template<class Database, class RawRows> struct TTableBench
{
    std::string table;
    std::function<void(Database &, int)> fill;
    std::function<size_t(const Database &)> count;
    std::function<RawRows(int)> make;
    std::function<void(const CRawDatabase &, const RawRows &)> save;
    std::function<void(const CRawDatabase &)> load;
    std::function<void(const Database &)> librarySave
        = [](const Database &db) { db.SaveDataToDataBase(); };
};

/// The counters a load at the largest size reports besides its time: the growth of the
/// peak resident memory during one load, and the size of the file it reads.
inline void CountPeak(benchmark::State &state, double peakBytes, double fileBytes)
{
    if (state.range(0) != kSizes[std::size(kSizes) - 1])
        return;
    state.counters["peak_bytes"] = peakBytes;
    state.counters["file_bytes"] = fileBytes;
}

/// Registers "<table>/load/..." and "<table>/save/..." pairs for \a bench.
template<class Database, class RawRows>
void RegisterTable(const TTableBench<Database, RawRows> &bench)
{
    const auto libraryLoad = [bench](benchmark::State &state) {
        CLibraryDatabase file;
        size_t expected = 0;
        {
            Database filled;
            bench.fill(filled, int(state.range(0)));
            expected = bench.count(filled);
            bench.librarySave(filled);
        }
        Database db;
        CountPeak(state, PeakGrowthDuring([&db] { db.LoadData(); }), double(file.FileBytes()));
        for (auto _ : state)
            db.LoadData();
        if (bench.count(db) != expected)
            state.SkipWithError("wrong row count");
    };
    const auto rawLoad = [bench](benchmark::State &state) {
        CRawDatabase db;
        bench.save(db, bench.make(int(state.range(0))));
        CountPeak(state, PeakGrowthDuring([&] { bench.load(db); }), 0);
        for (auto _ : state)
            bench.load(db);
    };
    const auto librarySave = [bench](benchmark::State &state) {
        CLibraryDatabase file;
        Database db;
        bench.fill(db, int(state.range(0)));
        for (auto _ : state)
            bench.librarySave(db);
        if (db.GetLastError().IsValid())
            state.SkipWithError("save failed");
    };
    const auto rawSave = [bench](benchmark::State &state) {
        CRawDatabase db;
        const RawRows rows = bench.make(int(state.range(0)));
        for (auto _ : state)
            bench.save(db, rows);
    };
    RegisterPair(bench.table, "load", libraryLoad, rawLoad);
    RegisterPair(bench.table, "save", librarySave, rawSave);
}

} // namespace KorvexBench
