#include "core/KorvexCommonDatabaseManager.h"

#include "Climate/ClimateDatabaseTypes.h"
#include "Consumers/ConsumerDatabaseTypes.h"
#include "Coolants/CoolantDatabaseTypes.h"
#include "DevicesDIN/DeviceDINDatabaseTypes.h"
#include "Embrasures/EmbrasureDatabaseTypes.h"
#include "Kms/KmsDatabaseTypes.h"
#include "Materials/MaterialDatabaseTypes.h"
#include "Pipes/PipeDatabaseTypes.h"
#include "core/Prompts.h"

#include <QApplication>
#include <QSqlDatabase>

namespace KorvexCommonDatabase {

namespace {
constexpr int kBusyTimeoutMs = 5000;
}

CKorvexCommonDatabaseManager::CKorvexCommonDatabaseManager(IKorvexDatabaseHost *host)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QLatin1String(QSqlDatabase::defaultConnection));
        db.setDatabaseName(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/KorvexCommonDatabase.sqlite"));
        // Another program saving into the same file holds it for a moment; a load or save
        // waits this long for it before it counts as failed (and is refused, not guessed).
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (!db.open()) {
            KorvexCore::PromptCritical(
                nullptr, QApplication::tr("Ошибка открытия базы данных!"),
                QApplication::tr("Не удалось открыть соединение с базой SQLite.\n"
                                 "Возможно, отсутствует необходимый драйвер!"),
                QMessageBox::Cancel, QMessageBox::NoButton);
        }
    }

    // Creation order is also the order of registration and of deletion.
    m_databases.push_back(std::make_unique<KorvexKmsDatabase::CKmsDatabase>());
    m_databases.push_back(std::make_unique<KorvexPipeDatabase::CPipeDatabase>());
    m_databases.push_back(std::make_unique<KorvexCoolantDatabase::CCoolantDatabase>());
    m_databases.push_back(std::make_unique<KorvexClimateDatabase::CClimateDatabase>());
    m_databases.push_back(std::make_unique<KorvexConsumerDatabase::CConsumerDatabase>());
    m_databases.push_back(std::make_unique<KorvexMaterialDatabase::CMaterialDatabase>());
    m_databases.push_back(std::make_unique<KorvexEmbrasureDatabase::CEmbrasureDatabase>());
    m_databases.push_back(std::make_unique<KorvexDeviceDINDatabase::CDeviceDINDatabase>());

    // The host is needed only here: it learns of each database once.
    if (host) {
        for (const auto &database : m_databases)
            host->RegisterDatabase(database.get());
    }
    m_refCount = 0;
}

CKorvexCommonDatabaseManager::~CKorvexCommonDatabaseManager()
{
    // A vector does not promise an order of destruction; the databases go first to last.
    for (auto &database : m_databases)
        database.reset();
}

void CKorvexCommonDatabaseManager::AddRef()
{
    ++m_refCount;
}

void CKorvexCommonDatabaseManager::Release()
{
    if (--m_refCount == 0)
        delete this;
}

} // namespace KorvexCommonDatabase

extern "C" KorvexInterfaces::IKorvexInterface *CreateDatabase(IKorvexDatabaseHost *host)
{
    // Every C string and every translated text of the library is UTF-8, which is what
    // Qt 6 assumes anyway; there is no codec to set for tr() or for C strings.
    return new KorvexCommonDatabase::CKorvexCommonDatabaseManager(host);
}
