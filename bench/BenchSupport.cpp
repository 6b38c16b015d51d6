#include "BenchSupport.h"

#include <QFileInfo>
#include <QSqlDatabase>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace KorvexBench {

CLibraryDatabase::CLibraryDatabase()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(m_dir.filePath(QStringLiteral("library.sqlite")));
    if (!db.open()) {
        std::fprintf(stderr, "cannot open the benchmark database\n");
        std::exit(1);
    }
}

CLibraryDatabase::~CLibraryDatabase()
{
    QSqlDatabase::database().close();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
}

qint64 CLibraryDatabase::FileBytes() const
{
    return QFileInfo(m_dir.filePath(QStringLiteral("library.sqlite"))).size();
}

namespace {
/// A "Vm…:  123 kB" line of /proc/self/status, in bytes.
size_t statusBytes(const char *field)
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    size_t kilobytes = 0;
    const size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0) {
            kilobytes = std::strtoull(line + length, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kilobytes * 1024;
}
} // namespace

size_t ResidentBytes()
{
    return statusBytes("VmRSS:");
}

size_t PeakResidentBytes()
{
    return statusBytes("VmHWM:");
}

double PeakGrowthDuring(const std::function<void()> &run)
{
    malloc_trim(0);
    // "5" resets the peak to the current resident size (Linux 4.0 and later).
    if (FILE *clear = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", clear);
        std::fclose(clear);
    }
    const size_t before = ResidentBytes();
    run();
    const size_t peak = PeakResidentBytes();
    return peak > before ? double(peak - before) : 0.0;
}

CRawDatabase::CRawDatabase()
{
    const QByteArray path = m_dir.filePath(QStringLiteral("raw.sqlite")).toUtf8();
    if (sqlite3_open(path.constData(), &m_db) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", path.constData());
        std::exit(1);
    }
}

CRawDatabase::~CRawDatabase()
{
    sqlite3_close(m_db);
}

void CRawDatabase::Exec(const char *sql) const
{
    sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
}

sqlite3_stmt *CRawDatabase::Prepare(const char *sql) const
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "prepare failed: %s\n%s\n", sqlite3_errmsg(m_db), sql);
        std::exit(1);
    }
    return statement;
}

std::string Trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t\n\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\n\r") - first + 1);
}

CRawRewrite::CRawRewrite(const CRawDatabase &db, const char *table, const char *create)
    : m_db(db)
    , m_table(table)
{
    m_db.Exec("BEGIN");
    m_db.Exec(("DROP TABLE " + m_table).c_str());
    m_db.Exec(SqlFor(create, table).c_str());
}

CRawRewrite::~CRawRewrite()
{
    for (sqlite3_stmt *insert : m_inserts)
        sqlite3_finalize(insert);
    m_db.Exec("COMMIT");
}

sqlite3_stmt *CRawRewrite::Prepare(const char *insert)
{
    m_inserts.push_back(m_db.Prepare(SqlFor(insert, m_table.c_str()).c_str()));
    return m_inserts.back();
}

void RegisterPair(const std::string &table, const std::string &operation,
                  const std::function<void(benchmark::State &)> &library,
                  const std::function<void(benchmark::State &)> &raw)
{
    for (const int n : kSizes) {
        const std::string base = table + "/" + operation + "/";
        benchmark::RegisterBenchmark((base + "library").c_str(), library)
            ->Arg(n)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark((base + "raw").c_str(), raw)
            ->Arg(n)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

} // namespace KorvexBench
