#pragma once

#include "KorvexDatabase_export.h"

#include <QString>

namespace KorvexInterfaces {

/// Reference counting of the object that `CreateDatabase` returns.
class KORVEXDATABASE_EXPORT IKorvexInterface
{
public:
    virtual ~IKorvexInterface() { }
    virtual void AddRef() = 0;
    virtual void Release() = 0;
};

/// What every reference database offers the host: loading, identity and its editor.
class KORVEXDATABASE_EXPORT IKorvexCommonDatabase
{
public:
    virtual ~IKorvexCommonDatabase() { }
    /// Empties the in-memory content and reads it again from the database's table(s).
    virtual void LoadData() = 0;
    /// A constant from 10 to 17 that identifies the kind of database.
    virtual int GetType() const = 0;
    /// The display name, for instance "Трубы".
    virtual const QString &GetName() const = 0;
    /// Runs the database's editor modally; confirmed changes are saved at once.
    virtual void ShowContent() = 0;
};

} // namespace KorvexInterfaces

/// The host's registry. The library calls only RegisterDatabase, once per database,
/// in creation order; its place in the virtual table is the third slot.
class IKorvexDatabaseHost
{
public:
    virtual ~IKorvexDatabaseHost() { }
    virtual void RegisterDatabase(KorvexInterfaces::IKorvexCommonDatabase *database) = 0;
};
