#pragma once

#include "KorvexDatabase_export.h"
#include "core/TableDatabase.h"

#include <QString>

#include <vector>

namespace KorvexPipeDatabase {

/// One pipe type: diameters, inner roughness and wall conductivity, kept as typed.
class KORVEXDATABASE_EXPORT CPipe
{
public:
    CPipe() = default;
    CPipe(const QString &name, const QString &dOutside = QString(),
          const QString &dInside = QString(), const QString &roughness = QString(),
          const QString &lamda = QString());

    const QString &GetName() const { return m_name; }
    const QString &GetDOutside() const { return m_dOutside; }
    const QString &GetDInside() const { return m_dInside; }
    const QString &GetRoughness() const { return m_roughness; }
    const QString &GetLamda() const { return m_lamda; }

    void SetName(const QString &name) { m_name = name; }
    void SetDOutside(const QString &value) { m_dOutside = value; }
    void SetDInside(const QString &value) { m_dInside = value; }
    void SetRoughness(const QString &value) { m_roughness = value; }
    void SetLamda(const QString &value) { m_lamda = value; }

    bool operator==(const CPipe &other) const { return m_name == other.m_name; }
    bool operator!=(const CPipe &other) const { return !(*this == other); }
    bool operator<(const CPipe &other) const { return m_name < other.m_name; }
    bool operator>(const CPipe &other) const { return other < *this; }

private:
    QString m_name;
    QString m_dOutside;
    QString m_dInside;
    QString m_roughness;
    QString m_lamda;
};

/// The pipe types of table "PIPES", in table order.
class KORVEXDATABASE_EXPORT CPipeDatabase : public KorvexCore::CTableDatabase
{
public:
    CPipeDatabase();
    ~CPipeDatabase() override;

    void LoadData() override;
    void ShowContent() override;

    const std::vector<CPipe> &GetPipes() const { return m_pipes; }
    CPipe *FindPipe(const QString &name);
    const CPipe *FindPipe(const QString &name) const;
    void InsertPipe(const CPipe &pipe);
    void DeletePipe(const CPipe &pipe);

    /// Rewrites the whole table from the list; GetLastError() tells how it went.
    void SaveDataToDataBase() const;

private:
    QString m_tableName;
    std::vector<CPipe> m_pipes;
};

} // namespace KorvexPipeDatabase
