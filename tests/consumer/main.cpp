#include "KorvexDatabase.h"

#include <QApplication>

#include <cstdio>
#include <vector>

class Host : public IKorvexDatabaseHost
{
public:
    void RegisterDatabase(KorvexInterfaces::IKorvexCommonDatabase *database) override
    {
        databases.push_back(database);
    }
    std::vector<KorvexInterfaces::IKorvexCommonDatabase *> databases;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Host host;
    KorvexInterfaces::IKorvexInterface *manager = CreateDatabase(&host);
    manager->AddRef();
    for (auto *database : host.databases) {
        if (database->GetType() != KorvexInterfaces::PipeDatabaseType)
            continue;
        auto *pipes = static_cast<KorvexPipeDatabase::CPipeDatabase *>(database);
        pipes->InsertPipe(KorvexPipeDatabase::CPipe(QStringLiteral("PE-Xa 16x2.0"),
                                                    QStringLiteral("16"), QStringLiteral("12")));
        pipes->SaveDataToDataBase();
        pipes->LoadData();
        const KorvexPipeDatabase::CPipe *pipe = pipes->FindPipe(QStringLiteral("PE-Xa 16x2.0"));
        std::printf("pipes: %d, inner diameter: %s\n", int(pipes->GetPipes().size()),
                    pipe ? qPrintable(pipe->GetDInside()) : "missing");
    }
    manager->Release();
    return 0;
}
