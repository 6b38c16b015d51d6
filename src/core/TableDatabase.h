#pragma once

#include "KorvexDatabase_export.h"
#include "core/DatabaseError.h"
#include "core/KorvexInterfaces.h"

#include <QString>

#include <map>

namespace KorvexCore {

class CTableReader;
class CSaveTransaction;
class CTableRewrite;

/// What every database kept in tables of the common file shares: its type code and
/// display name, and the outcome of its last load or save.
///
/// A table that could not be read whole is remembered until a later load reads it;
/// until then a save refuses to write it, so a failed or partial load is never written
/// over what the file still holds.
class KORVEXDATABASE_EXPORT CTableDatabase : public KorvexInterfaces::IKorvexCommonDatabase
{
public:
    ~CTableDatabase() override;

    int GetType() const override { return m_type; }
    const QString &GetName() const override { return m_name; }

    /// The outcome of the last LoadData() or SaveDataToDataBase(); not valid when it
    /// succeeded.
    const CDatabaseError &GetLastError() const { return m_lastError; }
    /// The read failure that keeps this database from being saved; not valid when every
    /// table was read whole (or never read at all).
    CDatabaseError GetLoadError() const;

protected:
    CTableDatabase(KorvexInterfaces::DatabaseType type, const QString &displayName);

private:
    friend class CTableReader;
    friend class CSaveTransaction;
    friend class CTableRewrite;

    KorvexInterfaces::DatabaseType m_type;
    QString m_name;
    mutable CDatabaseError m_lastError;
    std::map<QString, CDatabaseError> m_unreadTables;
};

} // namespace KorvexCore
