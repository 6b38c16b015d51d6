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
