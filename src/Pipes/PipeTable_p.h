#pragma once

// The table "PIPES": its literal texts and its columns, each written once.

#include "Pipes/PipeDatabaseTypes.h"
#include "core/TablePersistence_p.h"

namespace KorvexPipeDatabase {

/// Positions in PipeColumns(), in table order.
enum PipeColumn { PipeTypeColumn, DOutsideColumn, DInsideColumn, RoughnessColumn, LamdaColumn };

const KorvexCore::CColumns<CPipe> &PipeColumns();
const KorvexCore::CTableDescription &PipeTable();

} // namespace KorvexPipeDatabase
