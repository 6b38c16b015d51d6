#pragma once

// The table "KMS": its literal texts and its columns, each written once. The four levels
// of the tree are four kinds of rows, told apart by the column that holds a value.

#include "Kms/KmsDatabaseTypes.h"
#include "core/TablePersistence_p.h"

namespace KorvexKmsDatabase {

/// The column of a category row.
const KorvexCore::CColumns<CDevices> &DevicesColumns();
/// The column of a device row.
const KorvexCore::CColumns<CDevicesHeating> &DevicesHeatingColumns();
/// The columns of a designation row.
const KorvexCore::CColumns<CDevicesHeatingSubName> &SubNameColumns();
/// The columns of a nominal-bore row.
const KorvexCore::CColumns<CDup> &DupColumns();
/// Inserts in the order category, device, designation, nominal bore.
const KorvexCore::CTableDescription &KmsTable();

} // namespace KorvexKmsDatabase
