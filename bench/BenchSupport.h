#pragma once

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <string>

namespace KorvexBench {

/// Row counts every table benchmark runs at.
inline constexpr int kSizes[] = { 10000, 100000 };

/// The ratio library/raw that a pair of benchmarks must stay within.
inline constexpr double kTargetRatio = 3.0;

/// A temporary SQLite file opened as the library's default connection.
class CLibraryDatabase
{
public:
    CLibraryDatabase();
    ~CLibraryDatabase();

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

/// Text of a column, as the raw side reads it.
inline std::string ColumnText(sqlite3_stmt *statement, int column)
{
    const unsigned char *text = sqlite3_column_text(statement, column);
    return text ? std::string(reinterpret_cast<const char *>(text),
                              size_t(sqlite3_column_bytes(statement, column)))
                : std::string();
}

/// Registers "<table>/<operation>/library/<n>" and "<table>/<operation>/raw/<n>" for every
/// size; the runner prints their ratio after the run.
void RegisterPair(const std::string &table, const std::string &operation,
                  const std::function<void(benchmark::State &)> &library,
                  const std::function<void(benchmark::State &)> &raw);

} // namespace KorvexBench
