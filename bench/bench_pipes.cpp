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
    const auto &table = KorvexPipeDatabase::PipeTable();
    RawFlatSave(db, "PIPES", table.create, table.inserts[0], pipes,
                [](sqlite3_stmt *insert, const RawPipe &p) {
                    BindTexts(insert, { &p.name, &p.dOutside, &p.dInside, &p.roughness, &p.lamda });
                });
}

void rawLoad(const CRawDatabase &db)
{
    const auto pipes = RawFlatLoad<RawPipe>(db, "PIPES", [](sqlite3_stmt *select) {
        return RawPipe { ColumnText(select, 1), ColumnText(select, 2), ColumnText(select, 3),
                         ColumnText(select, 4), ColumnText(select, 5) };
    });
    benchmark::DoNotOptimize(pipes.data());
}

} // namespace

void RegisterPipeBenchmarks()
{
    RegisterTable<CPipeDatabase, std::vector<RawPipe>>(
        { "pipes", fillLibrary, [](const CPipeDatabase &db) { return db.GetPipes().size(); },
          makeRawPipes, rawSave, rawLoad });
}
