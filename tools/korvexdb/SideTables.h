#pragma once

// Tables of a database file that the library never reads or writes and that travel with the
// data: where each data set comes from, and the check findings a reviewer has accepted.

#include "Codecs.h"

namespace KorvexTool {

/// One side table: its CSV file in the exchange directory and its SQL table and columns
/// (in the order of the CSV header).
struct CSideTable
{
    CCsvFile file;
    QString table;
    QStringList columns;
};

/// SOURCES (sources.csv) and KNOWN_FINDINGS (known_findings.csv).
const std::vector<CSideTable> &SideTables();
const CSideTable &KnownFindingsTable();

/// Whether the open default connection has a table \a name.
bool HasTable(const QString &name);
/// The rows of \a side in the open default connection, in their order; false after an error
/// (which is said).
bool ReadSideTable(const CSideTable &side, CRecords &records);
/// Replaces \a side's table in the open default connection with \a records, in one
/// transaction; false after an error (which is said).
bool WriteSideTable(const CSideTable &side, const CRecords &records);

} // namespace KorvexTool
