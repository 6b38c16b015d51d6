#pragma once

#include "KorvexDatabase_export.h"

#include <QString>

namespace KorvexCore {

/// What went wrong when a database last read or wrote its tables, in the manner of
/// QSqlError: a kind, the table concerned and the driver's own message.
///
/// \code
/// pipes->SaveDataToDataBase();
/// if (pipes->GetLastError().IsValid())
///     qWarning() << pipes->GetLastError().ToString();
/// \endcode
class KORVEXDATABASE_EXPORT CDatabaseError
{
public:
    enum ErrorKind {
        NoError,
        /// A table could not be read whole (locked, busy, I/O error, corrupt page …).
        /// Whatever was read stays in memory, but saving that table is refused until a
        /// later load succeeds, so a partial read never replaces the file's content.
        LoadError,
        /// A save stopped part way; everything it had written was rolled back.
        SaveError,
        /// A save was not tried because a table was not read whole by the last load.
        SaveRefused
    };

    CDatabaseError() = default;
    CDatabaseError(ErrorKind kind, const QString &table, const QString &text);

    ErrorKind GetKind() const { return m_kind; }
    /// The table the error concerns.
    const QString &GetTable() const { return m_table; }
    /// The driver's message (SQLite's own text where there is one).
    const QString &GetText() const { return m_text; }
    bool IsValid() const { return m_kind != NoError; }
    /// "<table>: <text>", or an empty string when there is no error.
    QString ToString() const;

private:
    ErrorKind m_kind = NoError;
    QString m_table;
    QString m_text;
};

} // namespace KorvexCore
