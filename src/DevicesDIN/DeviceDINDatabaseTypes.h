#pragma once

#include "KorvexDatabase_export.h"
#include "core/TableDatabase.h"

#include <QString>

#include <vector>

namespace KorvexDeviceDINDatabase {

/// One sanitary device rated to DIN: cold- and hot-water flow and pressure, kept as
/// typed. The field order (flows before pressure) is not the column order of the
/// table nor that of the editor; each value always travels under its own name.
class KORVEXDATABASE_EXPORT CDeviceDIN
{
public:
    CDeviceDIN() = default;
    CDeviceDIN(const QString &name, const QString &expenditureCold = QString(),
               const QString &expenditureHot = QString(), const QString &pressure = QString());

    const QString &GetName() const { return m_name; }
    const QString &GetExpenditureCold() const { return m_expenditureCold; }
    const QString &GetExpenditureHot() const { return m_expenditureHot; }
    const QString &GetPressure() const { return m_pressure; }

    void SetName(const QString &name) { m_name = name; }
    void SetExpenditureCold(const QString &value) { m_expenditureCold = value; }
    void SetExpenditureHot(const QString &value) { m_expenditureHot = value; }
    void SetPressure(const QString &value) { m_pressure = value; }

    bool operator==(const CDeviceDIN &other) const { return m_name == other.m_name; }
    bool operator!=(const CDeviceDIN &other) const { return !(*this == other); }
    bool operator<(const CDeviceDIN &other) const { return m_name < other.m_name; }
    bool operator>(const CDeviceDIN &other) const { return other < *this; }

private:
    QString m_name;
    QString m_expenditureCold;
    QString m_expenditureHot;
    QString m_pressure;
};

/// The devices of table "DEVICES_DIN", in table order.
class KORVEXDATABASE_EXPORT CDeviceDINDatabase : public KorvexCore::CTableDatabase
{
public:
    CDeviceDINDatabase();
    ~CDeviceDINDatabase() override;

    void LoadData() override;
    void ShowContent() override;

    const std::vector<CDeviceDIN> &GetDeviceDINs() const { return m_devices; }
    CDeviceDIN *FindDeviceDIN(const QString &name);
    const CDeviceDIN *FindDeviceDIN(const QString &name) const;
    void InsertDeviceDIN(const CDeviceDIN &device);
    void DeleteDeviceDIN(const CDeviceDIN &device);

    /// Rewrites the whole table from the list; GetLastError() tells how it went.
    void SaveDataToDataBase() const;

private:
    QString m_tableName;
    std::vector<CDeviceDIN> m_devices;
};

} // namespace KorvexDeviceDINDatabase
