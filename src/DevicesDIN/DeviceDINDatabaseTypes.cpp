#include "DevicesDIN/DeviceDINDatabaseTypes.h"

#include "DevicesDIN/DeviceDINTable_p.h"
#include "core/NamedElements_p.h"

#include <QCoreApplication>

namespace KorvexDeviceDINDatabase {

const KorvexCore::CColumns<CDeviceDIN> &DeviceDINColumns()
{
    static const KorvexCore::CColumns<CDeviceDIN> columns = {
        { "Type", &CDeviceDIN::GetName, &CDeviceDIN::SetName },
        { "Pressure", &CDeviceDIN::GetPressure, &CDeviceDIN::SetPressure },
        { "ExpenditureCold", &CDeviceDIN::GetExpenditureCold, &CDeviceDIN::SetExpenditureCold },
        { "ExpenditureHot", &CDeviceDIN::GetExpenditureHot, &CDeviceDIN::SetExpenditureHot },
    };
    return columns;
}

const KorvexCore::CTableDescription &DeviceDINTable()
{
    static const KorvexCore::CTableDescription table = {
        "CREATE TABLE %1 (SortID integer PRIMARY KEY, Type varchar, Pressure varchar, "
        "ExpenditureCold varchar, ExpenditureHot varchar)",
        { "INSERT INTO %1 (Type, Pressure, ExpenditureCold, ExpenditureHot) "
          "VALUES(:Type, :Pressure, :ExpenditureCold, :ExpenditureHot)" },
        KorvexCore::ColumnNames(DeviceDINColumns()),
    };
    return table;
}

CDeviceDIN::CDeviceDIN(const QString &name, const QString &expenditureCold,
                       const QString &expenditureHot, const QString &pressure)
    : m_name(name)
    , m_expenditureCold(expenditureCold)
    , m_expenditureHot(expenditureHot)
    , m_pressure(pressure)
{ }

CDeviceDINDatabase::CDeviceDINDatabase()
    : CTableDatabase(KorvexInterfaces::DeviceDINDatabaseType,
                     QCoreApplication::translate("QApplication", "Приборы_по_DIN"))
    , m_tableName(QStringLiteral("DEVICES_DIN"))
{ }

CDeviceDINDatabase::~CDeviceDINDatabase() = default;

CDeviceDIN *CDeviceDINDatabase::FindDeviceDIN(const QString &name)
{
    return KorvexCore::FindNamed(m_devices, name);
}

const CDeviceDIN *CDeviceDINDatabase::FindDeviceDIN(const QString &name) const
{
    return KorvexCore::FindNamed(m_devices, name);
}

void CDeviceDINDatabase::InsertDeviceDIN(const CDeviceDIN &device)
{
    KorvexCore::InsertNamed(m_devices, device);
}

void CDeviceDINDatabase::DeleteDeviceDIN(const CDeviceDIN &device)
{
    KorvexCore::DeleteNamed(m_devices, device.GetName());
}

void CDeviceDINDatabase::LoadData()
{
    KorvexCore::LoadFlatTable(*this, m_tableName, DeviceDINColumns(), m_devices);
}

void CDeviceDINDatabase::SaveDataToDataBase() const
{
    KorvexCore::SaveFlatTable(*this, m_tableName, DeviceDINTable(), DeviceDINColumns(), m_devices);
}

} // namespace KorvexDeviceDINDatabase
