#pragma once

// The table "DEVICES_DIN": its literal texts and its columns, each written once. The
// columns keep the table's order, which is neither the order of the fields nor that of
// the editor; each value always travels under its own column name.

#include "DevicesDIN/DeviceDINDatabaseTypes.h"
#include "core/TablePersistence_p.h"

namespace KorvexDeviceDINDatabase {

/// Positions in DeviceDINColumns(), in table order.
enum DeviceDINColumn { TypeColumn, PressureColumn, ExpenditureColdColumn, ExpenditureHotColumn };

const KorvexCore::CColumns<CDeviceDIN> &DeviceDINColumns();
const KorvexCore::CTableDescription &DeviceDINTable();

} // namespace KorvexDeviceDINDatabase
