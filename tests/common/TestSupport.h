#pragma once

#include "core/Prompts.h"

#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

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

/// Answers the library's prompts from a script and records every one of them.
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

/// Answers the next modal dialog (a real QMessageBox or QInputDialog) from a timer:
/// records its window title and text, types \a text into an input dialog, then presses
/// the button whose text or standard role matches \a button.
struct CModalAnswer
{
    QString title;
    QString text;
    QString buttons;
};
void AnswerNextModal(CModalAnswer *seen, QMessageBox::StandardButton button,
                     const QString &inputText = QString());

/// Runs \a action, from a timer, on the next widget that becomes the active modal one:
/// the way to reach a dialog that a call under test runs with exec().
void OnNextModal(std::function<void(QWidget *)> action);

} // namespace KorvexTest
