#include "DevicesDIN/DeviceDINDatabaseTypes.h"

#include "DevicesDIN/DINRedactorDialog.h"
#include "core/EditorFramework_p.h"
#include "core/NamedElements_p.h"
#include "core/TablePersistence_p.h"

#include <QApplication>

namespace KorvexDeviceDINDatabase {

using KorvexCore::CTableReader;
using KorvexCore::CTableWriter;

CDeviceDIN::CDeviceDIN(const QString &name, const QString &expenditureCold,
                       const QString &expenditureHot, const QString &pressure)
    : m_name(name)
    , m_expenditureCold(expenditureCold)
    , m_expenditureHot(expenditureHot)
    , m_pressure(pressure)
{ }

CDeviceDINDatabase::CDeviceDINDatabase()
    : m_tableName(QApplication::tr("DEVICES_DIN"))
    , m_name(QApplication::tr("Приборы_по_DIN"))
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
    CTableReader reader(m_tableName);
    const int type = reader.Column(QStringLiteral("Type"));
    const int pressure = reader.Column(QStringLiteral("Pressure"));
    const int cold = reader.Column(QStringLiteral("ExpenditureCold"));
    const int hot = reader.Column(QStringLiteral("ExpenditureHot"));

    m_devices.clear();
    while (reader.Next()) {
        m_devices.emplace_back(reader.Text(type), reader.Text(cold), reader.Text(hot),
                               reader.Text(pressure));
    }
}

void CDeviceDINDatabase::SaveDataToDataBase() const
{
    CTableWriter writer(m_tableName,
                        "CREATE TABLE %1 (SortID integer PRIMARY KEY, Type varchar, "
                        "Pressure varchar, ExpenditureCold varchar, ExpenditureHot varchar)");
    QSqlQuery insert
        = writer.Prepare("INSERT INTO %1 (Type, Pressure, ExpenditureCold, ExpenditureHot) "
                         "VALUES(:Type, :Pressure, :ExpenditureCold, :ExpenditureHot)");
    for (const CDeviceDIN &device : m_devices) {
        insert.bindValue(QStringLiteral(":Type"), device.GetName(), QSql::In);
        insert.bindValue(QStringLiteral(":Pressure"), device.GetPressure(), QSql::In);
        insert.bindValue(QStringLiteral(":ExpenditureCold"), device.GetExpenditureCold(), QSql::In);
        insert.bindValue(QStringLiteral(":ExpenditureHot"), device.GetExpenditureHot(), QSql::In);
        if (!writer.Insert(insert))
            break;
    }
    writer.Finish();
}

void CDeviceDINDatabase::ShowContent()
{
    KorvexCore::RunEditor<CDINRedactorDialog>(m_name, m_devices,
                                              [this]() { SaveDataToDataBase(); });
}

} // namespace KorvexDeviceDINDatabase
