#pragma once

#include "KorvexDatabase_export.h"
#include "core/KorvexInterfaces.h"

#include <memory>
#include <vector>

namespace KorvexCommonDatabase {

/// Opens the common SQLite file as the default connection, creates the reference
/// databases, hands each to the host and owns them until the last Release().
class KORVEXDATABASE_EXPORT CKorvexCommonDatabaseManager : public KorvexInterfaces::IKorvexInterface
{
public:
    explicit CKorvexCommonDatabaseManager(IKorvexDatabaseHost *host);
    ~CKorvexCommonDatabaseManager() override;

    CKorvexCommonDatabaseManager(const CKorvexCommonDatabaseManager &) = delete;
    CKorvexCommonDatabaseManager &operator=(const CKorvexCommonDatabaseManager &) = delete;

    void AddRef() override;
    void Release() override;

private:
    int m_refCount = 0;
    /// Owned; creation order, which is also the order of registration and deletion.
    std::vector<std::unique_ptr<KorvexInterfaces::IKorvexCommonDatabase>> m_databases;
};

} // namespace KorvexCommonDatabase

/**
 * The library's entry point. Opens "KorvexCommonDatabase.sqlite" beside the host
 * executable, creates the databases and registers each with \a host. The result is
 * the manager, with a reference count of 0.
 *
 * \code
 * class Host : public IKorvexDatabaseHost {
 *     void RegisterDatabase(KorvexInterfaces::IKorvexCommonDatabase *db) override
 *     { m_databases.push_back(db); db->LoadData(); }
 *     std::vector<KorvexInterfaces::IKorvexCommonDatabase *> m_databases;
 * };
 * Host host;
 * KorvexInterfaces::IKorvexInterface *manager = CreateDatabase(&host);
 * manager->AddRef();
 * // ... use the databases ...
 * manager->Release(); // deletes the databases
 * \endcode
 */
extern "C" KORVEXDATABASE_EXPORT KorvexInterfaces::IKorvexInterface *
CreateDatabase(IKorvexDatabaseHost *host);

/// The signature a host resolves with QLibrary::resolve("CreateDatabase").
using KorvexCreateDatabaseFunction = KorvexInterfaces::IKorvexInterface *(*)(IKorvexDatabaseHost *);
