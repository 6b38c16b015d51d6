#pragma once

// What the commands of korvexdb share: exit codes, messages, the database connection.

#include <QString>

namespace KorvexTool {

/// Exit statuses: success; rejected input or lint findings; a usage or environment error.
enum EExit { ExitOk = 0, ExitFindings = 1, ExitUsage = 2 };

/// Writes "korvexdb: <text>" to stderr: progress and errors, never data.
void Say(const QString &text);
/// Says \a text and returns ExitUsage.
int UsageError(const QString &text);

/// The file \a path opened as the default connection, the one the library's databases use,
/// for the lifetime of this object; read-only when \a readOnly, so nothing can be written.
class CConnection
{
public:
    CConnection(const QString &path, bool readOnly);
    ~CConnection();
    CConnection(const CConnection &) = delete;
    CConnection &operator=(const CConnection &) = delete;

    bool IsOpen() const { return m_open; }
    const QString &Error() const { return m_error; }

private:
    bool m_open = false;
    QString m_error;
};

int ExportCommand(const QString &databasePath, const QString &table, const QString &outDir);
int ImportCommand(const QString &databasePath, const QString &inDir, const QString &table);
int CheckCommand(const QString &databasePath);

} // namespace KorvexTool
