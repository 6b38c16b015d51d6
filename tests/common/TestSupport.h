#pragma once

#include "core/Prompts.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

namespace KorvexTest {

/// A fresh SQLite file opened as the default connection; removed afterwards.
class CTempDatabase
{
public:
    CTempDatabase();
    ~CTempDatabase();
    QString Path() const { return m_dir.filePath(QStringLiteral("test.sqlite")); }
    static QString Exec(const QString &sql); ///< the error text, empty on success
    static QStringList Column(const QString &sql); ///< the first column of every row, as text
    /// Closes and reopens the default connection, as a new process would: with \a options
    /// (say a short busy timeout), on \a path when given; false when it does not open.
    static bool Reopen(const QString &options = {}, const QString &path = {});

private:
    QTemporaryDir m_dir;
};

/// A second connection to the file of the default connection, as another process would hold it.
struct COtherConnection
{
    COtherConnection();
    ~COtherConnection();
    bool Exec(const QString &sql); ///< whether \a sql ran
};

/// Answers the library's prompts from a script and records them; a prompt with no answer
/// left fails the test, and so do answers left unused when it goes.
class CScriptedPrompts
{
public:
    CScriptedPrompts();
    ~CScriptedPrompts();
    void AnswerText(const QString &text, bool accepted = true)
    {
        m_answers.push_back({ accepted, text });
    }
    void AnswerButton(QMessageBox::StandardButton button)
    {
        m_answers.push_back({ true, {}, button });
    }
    const std::vector<KorvexCore::CPromptRequest> &Requests() const { return m_requests; }
    QStringList Texts() const;

private:
    std::vector<KorvexCore::CPromptRequest> m_requests;
    std::deque<KorvexCore::CPromptAnswer> m_answers;
};

/// Writes \a widget as <KORVEX_SCREENSHOT_DIR>/<name>.png; returns the path.
QString SaveScreenshot(QWidget *widget, const QString &name);

/// What a modal box showed: title, text (an input dialog's label), buttons comma-separated.
struct CModalAnswer
{
    QString title, text, buttons;
};

/// Acts once on the next modal dialog (polling activeModalWidget()); helpers started together
/// act in start order, one dialog each, and an action must close its dialog. A helper still
/// waiting fails the test at its timeout, when destroyed, and in StopAll() (every cleanup()).
class CModalHelper
{
public:
    CModalHelper();
    ~CModalHelper();
    Q_DISABLE_COPY(CModalHelper)

    void Start(std::function<void(QWidget *)> action, int timeoutMs = 5000);
    /// Records what a message box or input dialog shows (Seen()), types \a inputText into an
    /// input dialog and presses \a button (Ok accepts an input dialog, all else cancels).
    void StartAnswer(QMessageBox::StandardButton button, const QString &inputText = {});
    bool Done() const { return m_done; }
    const CModalAnswer &Seen() const { return m_seen; }
    static void StopAll();

private:
    void Stop();
    void Fail(const char *why);

    QTimer m_poll;
    QDeadlineTimer m_deadline;
    std::function<void(QWidget *)> m_action;
    bool m_done = false;
    CModalAnswer m_seen;
};

/// A killed-save test's child: opens KORVEX_WRITER_DB as the default connection and runs
/// \a save between the lines "saving" and "saved"; false when this is no such child.
bool RunChildSave(const std::function<void()> &save);

/// What became of a writer: killed while still running; had reported its save done.
struct CKilledSave
{
    bool killed = false, saved = false;
};

/// Runs test slot \a childSlot of this executable writing \a databasePath, waits until its
/// rollback journal exists and kills it \a delayMs later.
CKilledSave KillDuringSave(const QString &childSlot, const QString &databasePath,
                           QProcessEnvironment environment, int delayMs);

/// One data row per database of DatabaseKinds(), named after it, in the column "kind".
void AddKindRows();

} // namespace KorvexTest
