#include "BenchSupport.h"
#include "Pipes/PipeTable_p.h"

#include "Pipes/PipeDatabaseTypes.h"

#include <string>
#include <vector>

using namespace KorvexBench;
using KorvexPipeDatabase::CPipe;
using KorvexPipeDatabase::CPipeDatabase;

namespace {

struct RawPipe
{
    std::string name, dOutside, dInside, roughness, lamda;
};

std::vector<RawPipe> makeRawPipes(int n)
{
    std::vector<RawPipe> pipes;
    pipes.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        pipes.push_back({ "Труба PE-Xa " + std::to_string(i), std::to_string(16 + i % 20),
                          std::to_string(12 + i % 20), "0.007", "0.35" });
    }
    return pipes;
}

void fillLibrary(CPipeDatabase &db, int n)
{
    for (const RawPipe &p : makeRawPipes(n)) {
        db.InsertPipe(CPipe(QString::fromStdString(p.name), QString::fromStdString(p.dOutside),
                            QString::fromStdString(p.dInside), QString::fromStdString(p.roughness),
                            QString::fromStdString(p.lamda)));
    }
}

void rawSave(const CRawDatabase &db, const std::vector<RawPipe> &pipes)
{
    db.Exec("BEGIN");
    db.Exec("DROP TABLE PIPES");
    db.Exec(SqlFor(KorvexPipeDatabase::PipeTable().create, "PIPES").c_str());
    sqlite3_stmt *insert
        = db.Prepare(SqlFor(KorvexPipeDatabase::PipeTable().inserts[0], "PIPES").c_str());
    for (const RawPipe &p : pipes) {
        sqlite3_bind_text(insert, 1, p.name.data(), int(p.name.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 2, p.dOutside.data(), int(p.dOutside.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 3, p.dInside.data(), int(p.dInside.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 4, p.roughness.data(), int(p.roughness.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 5, p.lamda.data(), int(p.lamda.size()), SQLITE_STATIC);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    db.Exec("COMMIT");
}

void rawLoad(const CRawDatabase &db)
{
    std::vector<RawPipe> pipes;
    sqlite3_stmt *select = db.Prepare("SELECT * FROM PIPES");
    while (sqlite3_step(select) == SQLITE_ROW) {
        pipes.push_back({ ColumnText(select, 1), ColumnText(select, 2), ColumnText(select, 3),
                          ColumnText(select, 4), ColumnText(select, 5) });
    }
    sqlite3_finalize(select);
    benchmark::DoNotOptimize(pipes.data());
}

} // namespace

void RegisterPipeBenchmarks()
{
    RegisterTable<CPipeDatabase, std::vector<RawPipe>>(
        { "pipes", fillLibrary, [](const CPipeDatabase &db) { return db.GetPipes().size(); },
          makeRawPipes, rawSave, rawLoad });
}
