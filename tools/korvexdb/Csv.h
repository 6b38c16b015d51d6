#pragma once

// Reading and writing the CSV files of the exchange layout (FORMAT.md beside this file).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace KorvexTool {

/// One thing wrong with the input: where it is and why it is refused.
struct CProblem
{
    QString file;
    int line = 0;
    QString reason;
    /// "<file>:<line>: <reason>", or "<file>: <reason>" for the whole file.
    QString ToString() const;
};
using CProblems = std::vector<CProblem>;

/// One CSV record: the line it begins on, its fields, and the bytes of the picture files
/// its picture columns name (by column).
struct CRecord
{
    int line = 0;
    QStringList fields;
    std::map<int, QByteArray> pictures;
};
using CRecords = std::vector<CRecord>;

/// Splits \a data (the bytes of file \a file) into records, header included. Broken
/// quoting and invalid UTF-8 are added to \a problems with their line; false then.
bool ParseCsv(const QByteArray &data, const QString &file, CRecords &records, CProblems &problems);

/// The file text of \a header and \a records, quoted where RFC 4180 needs it, LF-ended.
QByteArray CsvText(const QStringList &header, const CRecords &records);

} // namespace KorvexTool
