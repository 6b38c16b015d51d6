#pragma once

// The table "CONSUMERS": its literal texts and its columns, each written once. A category
// row holds a category's name, the sub-category rows after it its sub-categories.

#include "Consumers/ConsumerDatabaseTypes.h"
#include "core/TablePersistence_p.h"

namespace KorvexConsumerDatabase {

/// Positions in SubCategoryColumns(), in table order: the name, then the unit and the
/// thirteen norms the editor shows.
enum SubCategoryColumn { SubCategoryNameColumn, UnitColumn, LastNormColumn = UnitColumn + 13 };

/// The column of a category row.
const KorvexCore::CColumns<CConsumer> &ConsumerColumns();
/// The columns of a sub-category row.
const KorvexCore::CColumns<CSubCategory> &SubCategoryColumns();
const KorvexCore::CTableDescription &ConsumerTable();

} // namespace KorvexConsumerDatabase
