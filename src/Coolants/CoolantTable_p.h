#pragma once

// The table "COOLANTS": its literal texts and its columns, each written once. A name
// row holds a coolant's name, the property rows after it its rows.

#include "Coolants/CoolantDatabaseTypes.h"
#include "core/TablePersistence_p.h"

namespace KorvexCoolantDatabase {

/// The column of a name row.
const KorvexCore::CColumns<CCoolant> &CoolantNameColumns();
/// The columns of a property row.
const KorvexCore::CColumns<CCoolantParams> &CoolantParamsColumns();
const KorvexCore::CTableDescription &CoolantTable();

} // namespace KorvexCoolantDatabase
