#pragma once

// The table "MATERIALS": its literal texts and its columns, each written once. A group
// row opens a group, the material rows after it are its materials.

#include "Materials/MaterialDatabaseTypes.h"
#include "core/TablePersistence_p.h"

namespace KorvexMaterialDatabase {

/// The column of a group row.
const KorvexCore::CColumns<CMaterialGroup> &MaterialGroupColumns();
/// The columns of a material row, at these positions of the list.
enum EMaterialColumn { MaterialNameColumn, MaterialDColumn, MaterialLColumn };
const KorvexCore::CColumns<CMaterial> &MaterialColumns();
const KorvexCore::CTableDescription &MaterialTable();

/// The display name of a material stored as \a storedName with weight \a D: the name,
/// then the weight as its last word when there is one.
QString DisplayMaterialName(const QString &storedName, const QString &D);
/// The name a material is stored under: its display name less the last word when that
/// word is its weight.
QString StoredMaterialName(const CMaterial &material);

} // namespace KorvexMaterialDatabase
