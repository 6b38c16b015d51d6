#pragma once

#include "core/Prompts.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

class QWidget;

/// Fails the test with the query's error text.
#define QVERIFY_SQL(query, statement) \
    QVERIFY2((query).statement, qPrintable((query).lastError().text()))

namespace KorvexTest {

/// A fresh SQLite file opened as the default connection; removed afterwards.
class CTempDatabase
{
public:
    CTempDatabase();
    ~CTempDatabase();
    QString Path() const { return m_path; }
    /// Runs \a sql on the default connection; returns the error text, empty on success.
    static QString Exec(const QString &sql);
    /// The first column of every row of \a sql, as text.
    static QStringList Column(const QString &sql);
    /// Closes and reopens the default connection, as a new process would see the file.
    void Reopen();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

/// Answers the library's prompts from a script and records every one of them. A prompt
/// with no answer left fails the test, and so do answers still unused when it goes.
class CScriptedPrompts
{
public:
    CScriptedPrompts();
    ~CScriptedPrompts();

    void AnswerText(const QString &text, bool accepted = true);
    void AnswerButton(QMessageBox::StandardButton button);

    const std::vector<KorvexCore::CPromptRequest> &Requests() const { return m_requests; }
    /// The texts of the recorded requests, one per prompt.
    QStringList Texts() const;

private:
    std::vector<KorvexCore::CPromptRequest> m_requests;
    std::deque<KorvexCore::CPromptAnswer> m_answers;
};

/// Writes \a widget as <KORVEX_SCREENSHOT_DIR>/<name>.png; returns the path.
QString SaveScreenshot(QWidget *widget, const QString &name);

/// What a modal box showed: its window title, its text (an input dialog's label) and the
/// texts of its buttons, comma-separated.
struct CModalAnswer
{
    QString title;
    QString text;
    QString buttons;
};

/// Acts once on the next modal dialog that a call under test runs with exec(): a timer
/// polls QApplication::activeModalWidget(), as qtbase's dialog tests do. A test starts the
/// helper, makes the call and verifies Done(): a helper that never fired means the dialog
/// never came, and the test must not pass as if it had.
///
/// Several helpers started one after the other act in that order, one dialog each (the
/// first one that takes the kind of dialog shown); an action is expected to close the
/// dialog it is given. A helper still waiting fails the test when its timeout expires,
/// when it is destroyed, and in StopAll(), which every test class calls from cleanup() so
/// that no helper can answer a later test's dialog.
class CModalHelper
{
public:
    CModalHelper();
    ~CModalHelper();
    CModalHelper(const CModalHelper &) = delete;
    CModalHelper &operator=(const CModalHelper &) = delete;

    /// Waits for the next modal widget and runs \a action on it.
    void Start(std::function<void(QWidget *)> action, int timeoutMs = DefaultTimeoutMs);
    /// Waits for the next QMessageBox or QInputDialog, records what it shows (Seen()), types
    /// \a inputText into an input dialog, then presses \a button (an input dialog knows Ok
    /// and anything else as Cancel; a box without \a button is rejected).
    void StartAnswer(QMessageBox::StandardButton button, const QString &inputText = QString(),
                     int timeoutMs = DefaultTimeoutMs);
    /// Whether the helper has found its dialog and acted on it.
    bool Done() const { return m_done; }
    /// What the dialog answered by StartAnswer() showed.
    const CModalAnswer &Seen() const { return m_seen; }
    /// Stops waiting without failing.
    void Stop();

    /// Stops every helper still waiting and fails the test if there was one.
    static void StopAll();

    static constexpr int DefaultTimeoutMs = 5000;

private:
    void Poll();
    bool IsWaiting() const;
    bool Takes(QWidget *modal) const;

    QTimer m_poll;
    QElapsedTimer m_clock;
    int m_timeoutMs = DefaultTimeoutMs;
    std::function<void(QWidget *)> m_action;
    bool m_boxesOnly = false;
    bool m_done = false;
    CModalAnswer m_seen;
};

} // namespace KorvexTest
