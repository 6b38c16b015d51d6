#pragma once

#include "KorvexDatabase_export.h"

#include <QString>

namespace KorvexInterfaces {

/// What IKorvexCommonDatabase::GetType() returns for each kind of database. The codes
/// are fixed numbers a host may have stored; they run from 10 to 17 and do not follow
/// the order in which the databases are created. The enum is unscoped with an int base,
/// so GetType() compares with it directly.
enum DatabaseType : int {
    ClimateDatabaseType = 10, ///< Climate data of settlements
    PipeDatabaseType = 11, ///< Pipes
    MaterialDatabaseType = 12, ///< Building materials
    EmbrasureDatabaseType = 13, ///< Window and door openings
    CoolantDatabaseType = 14, ///< Coolants
    ConsumerDatabaseType = 15, ///< Water-consumer norms
    KmsDatabaseType = 16, ///< Local resistance coefficients (KMS)
    DeviceDINDatabaseType = 17 ///< Sanitary devices rated to DIN
};

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
    /// One of the DatabaseType codes: identifies the kind of database.
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
