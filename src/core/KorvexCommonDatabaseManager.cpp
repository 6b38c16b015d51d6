#include "core/KorvexCommonDatabaseManager.h"

#include "Coolants/CoolantDatabaseTypes.h"
#include "DevicesDIN/DeviceDINDatabaseTypes.h"
#include "Pipes/PipeDatabaseTypes.h"
#include "core/Prompts.h"

#include <QApplication>
#include <QSqlDatabase>

namespace KorvexCommonDatabase {

CKorvexCommonDatabaseManager::CKorvexCommonDatabaseManager(IKorvexDatabaseHost *host)
    : m_host(host)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QLatin1String(QSqlDatabase::defaultConnection));
        db.setDatabaseName(QCoreApplication::applicationDirPath()
                           + QApplication::tr("/KorvexCommonDatabase.sqlite"));
        if (!db.open()) {
            KorvexCore::PromptCritical(
                nullptr, QApplication::tr("Ошибка открытия базы данных!"),
                QApplication::tr("Не удалось открыть соединение с базой SQLite.\n"
                                 "Возможно, отсутствует необходимый драйвер!"),
                QMessageBox::Cancel, QMessageBox::NoButton);
        }
    }

    // Creation order is also the order of registration and of deletion.
    m_pipe = new KorvexPipeDatabase::CPipeDatabase;
    m_coolant = new KorvexCoolantDatabase::CCoolantDatabase;
    m_deviceDIN = new KorvexDeviceDINDatabase::CDeviceDINDatabase;

    if (m_host) {
        for (KorvexInterfaces::IKorvexCommonDatabase *database : Databases())
            m_host->RegisterDatabase(database);
    }
    m_refCount = 0;
}

CKorvexCommonDatabaseManager::~CKorvexCommonDatabaseManager()
{
    for (KorvexInterfaces::IKorvexCommonDatabase *database : Databases())
        delete database;
}

std::vector<KorvexInterfaces::IKorvexCommonDatabase *>
CKorvexCommonDatabaseManager::Databases() const
{
    std::vector<KorvexInterfaces::IKorvexCommonDatabase *> all;
    for (KorvexInterfaces::IKorvexCommonDatabase *database :
         std::initializer_list<KorvexInterfaces::IKorvexCommonDatabase *> {
             // KMS, pipe, coolant, climate, consumer, material, embrasure, DIN
             m_pipe, m_coolant, m_deviceDIN }) {
        if (database)
            all.push_back(database);
    }
    return all;
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
