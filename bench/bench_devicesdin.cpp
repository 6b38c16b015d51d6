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
    db.Exec("BEGIN");
    db.Exec("DROP TABLE DEVICES_DIN");
    db.Exec(SqlFor(table.create, "DEVICES_DIN").c_str());
    sqlite3_stmt *insert = db.Prepare(SqlFor(table.inserts[0], "DEVICES_DIN").c_str());
    for (const RawDevice &d : devices) {
        BindTexts(insert, { &d.name, &d.pressure, &d.cold, &d.hot });
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    db.Exec("COMMIT");
}

void rawLoad(const CRawDatabase &db)
{
    std::vector<RawDevice> devices;
    sqlite3_stmt *select = db.Prepare("SELECT * FROM DEVICES_DIN");
    while (sqlite3_step(select) == SQLITE_ROW) {
        devices.push_back({ ColumnText(select, 1), ColumnText(select, 2), ColumnText(select, 3),
                            ColumnText(select, 4) });
    }
    sqlite3_finalize(select);
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
