#pragma once

// The table "EMBRASURES": its literal texts and its columns, each written once. A group
// row holds a group's name, the opening rows after it its openings.

#include "Embrasures/EmbrasureDatabaseTypes.h"
#include "core/TablePersistence_p.h"

#include <QStringList>

namespace KorvexEmbrasureDatabase {

/// Positions in EmbrasureColumns(), in table order: the three parts of the name, then the
/// five values the editor shows.
enum EmbrasureColumn {
    TypColumn,
    MaterialColumn,
    StekloColumn,
    DAir1Column,
    DAir2Column,
    DAir3Column,
    KHeightColumn,
    KHeatTransferColumn
};

/// "type: material: glass", each part trimmed.
QString ComposeEmbrasureName(const QString &type, const QString &material, const QString &glass);
/// The pieces of a name between its colons, empty ones dropped; a name that can be
/// written has exactly three (the second and third keep the blank after the colon).
QStringList EmbrasureNamePieces(const QString &name);

/// The column of a group row.
const KorvexCore::CColumns<CEmbrasureGroup> &EmbrasureGroupColumns();
/// The columns of an opening row.
const KorvexCore::CColumns<CEmbrasure> &EmbrasureColumns();
const KorvexCore::CTableDescription &EmbrasureTable();

} // namespace KorvexEmbrasureDatabase
