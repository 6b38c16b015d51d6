// A host's start-up on the default database beside the executable: CreateDatabase with
// all eight databases, then the load of each, and the parts CreateDatabase is made of
// (the connection, and the construction of each database alone). Reports, no targets.

#include "BenchSupport.h"

#include "KorvexDatabase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>

#include <memory>
#include <string>
#include <vector>

namespace {

const char *const kTypeNames[] = { "kms",       "pipes",     "coolants",   "climate",
                                   "consumers", "materials", "embrasures", "devices_din" };

std::string typeName(int type)
{
    using namespace KorvexInterfaces;
    switch (type) {
    case KmsDatabaseType:
        return kTypeNames[0];
    case PipeDatabaseType:
        return kTypeNames[1];
    case CoolantDatabaseType:
        return kTypeNames[2];
    case ClimateDatabaseType:
        return kTypeNames[3];
    case ConsumerDatabaseType:
        return kTypeNames[4];
    case MaterialDatabaseType:
        return kTypeNames[5];
    case EmbrasureDatabaseType:
        return kTypeNames[6];
    default:
        return kTypeNames[7];
    }
}

class CHost : public IKorvexDatabaseHost
{
public:
    void RegisterDatabase(KorvexInterfaces::IKorvexCommonDatabase *database) override
    {
        m_databases.push_back(database);
    }
    std::vector<KorvexInterfaces::IKorvexCommonDatabase *> m_databases;
};

/// CreateDatabase and its manager, released and the connection closed on destruction.
struct CStartedHost
{
    CHost host;
    KorvexInterfaces::IKorvexInterface *manager = CreateDatabase(&host);
    CStartedHost() { manager->AddRef(); }
    ~CStartedHost()
    {
        manager->Release();
        QSqlDatabase::database().close();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    }
};

bool defaultDatabaseThere(benchmark::State &state)
{
    if (QFileInfo::exists(QCoreApplication::applicationDirPath()
                          + QStringLiteral("/KorvexCommonDatabase.sqlite")))
        return true;
    state.SkipWithError("no KorvexCommonDatabase.sqlite beside the executable");
    return false;
}

void registerReport(const std::string &name, const std::function<void(benchmark::State &)> &run)
{
    benchmark::RegisterBenchmark(("startup/" + name).c_str(), run)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

template<class Database> void registerConstruction(const char *name)
{
    registerReport(std::string("construct/") + name, [](benchmark::State &state) {
        for (auto _ : state)
            Database database;
    });
}

} // namespace

void RegisterStartupBenchmarks()
{
    registerReport("CreateDatabase", [](benchmark::State &state) {
        if (!defaultDatabaseThere(state))
            return;
        for (auto _ : state) {
            auto started = std::make_unique<CStartedHost>();
            state.PauseTiming();
            started.reset();
            state.ResumeTiming();
        }
    });
    registerReport("CreateDatabase+load all", [](benchmark::State &state) {
        if (!defaultDatabaseThere(state))
            return;
        for (auto _ : state) {
            auto started = std::make_unique<CStartedHost>();
            for (auto *database : started->host.m_databases)
                database->LoadData();
            state.PauseTiming();
            started.reset();
            state.ResumeTiming();
        }
    });
    for (int i = 0; i < 8; ++i) {
        registerReport(std::string("load/") + kTypeNames[i], [i](benchmark::State &state) {
            if (!defaultDatabaseThere(state))
                return;
            CStartedHost started;
            for (auto *database : started.host.m_databases) {
                if (typeName(database->GetType()) != kTypeNames[i])
                    continue;
                for (auto _ : state)
                    database->LoadData();
            }
        });
    }
    registerReport("open connection", [](benchmark::State &state) {
        for (auto _ : state) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "startup");
            db.setDatabaseName(QCoreApplication::applicationDirPath()
                               + QStringLiteral("/KorvexCommonDatabase.sqlite"));
            db.open();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("startup"));
        }
    });
    registerConstruction<KorvexKmsDatabase::CKmsDatabase>("kms");
    registerConstruction<KorvexPipeDatabase::CPipeDatabase>("pipes");
    registerConstruction<KorvexCoolantDatabase::CCoolantDatabase>("coolants");
    registerConstruction<KorvexClimateDatabase::CClimateDatabase>("climate");
    registerConstruction<KorvexConsumerDatabase::CConsumerDatabase>("consumers");
    registerConstruction<KorvexMaterialDatabase::CMaterialDatabase>("materials");
    registerConstruction<KorvexEmbrasureDatabase::CEmbrasureDatabase>("embrasures");
    registerConstruction<KorvexDeviceDINDatabase::CDeviceDINDatabase>("devices_din");
}
