#pragma once

#include "core/KorvexInterfaces.h"

#include <vector>

/// The host's side of the registration: it keeps every database the library hands over.
class CDatabaseRegistry : public IKorvexDatabaseHost
{
public:
    void RegisterDatabase(KorvexInterfaces::IKorvexCommonDatabase *database) override
    {
        m_databases.push_back(database);
    }
    const std::vector<KorvexInterfaces::IKorvexCommonDatabase *> &Databases() const
    {
        return m_databases;
    }

private:
    std::vector<KorvexInterfaces::IKorvexCommonDatabase *> m_databases;
};

/// The registered database of that type code, as its class; null when there is none. The
/// type code is how a host tells the databases apart.
template<class TDatabase>
TDatabase *FindDatabase(const CDatabaseRegistry &registry, KorvexInterfaces::DatabaseType type)
{
    for (auto *database : registry.Databases()) {
        if (database->GetType() == type)
            return static_cast<TDatabase *>(database);
    }
    return nullptr;
}
