#include "BenchSupport.h"
#include "DevicesDIN/DeviceDINTable_p.h"

#include "DevicesDIN/DeviceDINDatabaseTypes.h"

#include <string>
#include <vector>

using namespace KorvexBench;
using KorvexDeviceDINDatabase::CDeviceDIN;
using KorvexDeviceDINDatabase::CDeviceDINDatabase;

namespace {

struct RawDevice
{
    std::string name, pressure, cold, hot; ///< in table order
};

std::vector<RawDevice> makeRawDevices(int n)
{
    std::vector<RawDevice> devices;
    devices.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        devices.push_back({ "Смеситель для мойки DN15 " + std::to_string(i),
                            std::to_string(100 + i % 50), "0." + std::to_string(7 + i % 10),
                            "0." + std::to_string(5 + i % 10) });
    }
    return devices;
}

void fillLibrary(CDeviceDINDatabase &db, int n)
{
    for (const RawDevice &d : makeRawDevices(n)) {
        db.InsertDeviceDIN(CDeviceDIN(QString::fromStdString(d.name),
                                      QString::fromStdString(d.cold), QString::fromStdString(d.hot),
                                      QString::fromStdString(d.pressure)));
    }
}

void rawSave(const CRawDatabase &db, const std::vector<RawDevice> &devices)
{
    const auto &table = KorvexDeviceDINDatabase::DeviceDINTable();
    RawFlatSave(db, "DEVICES_DIN", table.create, table.inserts[0], devices,
                [](sqlite3_stmt *insert, const RawDevice &d) {
                    BindTexts(insert, { &d.name, &d.pressure, &d.cold, &d.hot });
                });
}

void rawLoad(const CRawDatabase &db)
{
    const auto devices = RawFlatLoad<RawDevice>(db, "DEVICES_DIN", [](sqlite3_stmt *select) {
        return RawDevice { ColumnText(select, 1), ColumnText(select, 2), ColumnText(select, 3),
                           ColumnText(select, 4) };
    });
    benchmark::DoNotOptimize(devices.data());
}

} // namespace

void RegisterDeviceDINBenchmarks()
{
    RegisterTable<CDeviceDINDatabase, std::vector<RawDevice>>(
        { "devices_din", fillLibrary,
          [](const CDeviceDINDatabase &db) { return db.GetDeviceDINs().size(); }, makeRawDevices,
          rawSave, rawLoad });
}
