#include "BenchSupport.h"

#include <QSqlDatabase>

#include <cstdio>
#include <cstdlib>

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
