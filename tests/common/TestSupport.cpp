#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <QWidget>

#include <algorithm>

// The tests take the library's objects from a static archive, where nothing refers to
// the compiled-in icons; registering them here pulls them in, as loading the shared
// library does for a host.
static int registerLibraryResources()
{
    Q_INIT_RESOURCE(KorvexIcons);
    return 0;
}
Q_CONSTRUCTOR_FUNCTION(registerLibraryResources)

namespace KorvexTest {

CTempDatabase::CTempDatabase()
    : m_path(m_dir.filePath(QStringLiteral("test.sqlite")))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(m_path);
    if (!db.open())
        qFatal("cannot open the test database %s", qPrintable(m_path));
}

CTempDatabase::~CTempDatabase()
{
    {
        QSqlDatabase db
            = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
        db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
}

QString CTempDatabase::Exec(const QString &sql)
{
    QSqlQuery query;
    return query.exec(sql) ? QString() : query.lastError().text();
}

QStringList CTempDatabase::Column(const QString &sql)
{
    QSqlQuery query;
    QStringList values;
    if (!query.exec(sql))
        return { QStringLiteral("ERROR: ") + query.lastError().text() };
    while (query.next())
        values << query.value(0).toString();
    return values;
}

void CTempDatabase::Reopen()
{
    QSqlDatabase db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
    db.close();
    db.open();
}

CScriptedPrompts::CScriptedPrompts()
{
    KorvexCore::SetPromptResponder([this](const KorvexCore::CPromptRequest &request) {
        m_requests.push_back(request);
        if (m_answers.empty()) {
            QTest::qFail("unexpected prompt", __FILE__, __LINE__);
            qWarning() << "unexpected prompt:" << request.title << request.text;
            return KorvexCore::CPromptAnswer {};
        }
        const KorvexCore::CPromptAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

CScriptedPrompts::~CScriptedPrompts()
{
    KorvexCore::SetPromptResponder({});
    // An answer no prompt took means a prompt the test counted on never came.
    if (!m_answers.empty() && !QTest::currentTestFailed()) {
        QTest::qFail(
            qPrintable(QStringLiteral("%1 scripted answer(s) left unused").arg(m_answers.size())),
            __FILE__, __LINE__);
    }
}

void CScriptedPrompts::AnswerText(const QString &text, bool accepted)
{
    KorvexCore::CPromptAnswer answer;
    answer.accepted = accepted;
    answer.text = text;
    m_answers.push_back(answer);
}

void CScriptedPrompts::AnswerButton(QMessageBox::StandardButton button)
{
    KorvexCore::CPromptAnswer answer;
    answer.accepted = true;
    answer.button = button;
    m_answers.push_back(answer);
}

QStringList CScriptedPrompts::Texts() const
{
    QStringList texts;
    for (const auto &request : m_requests)
        texts << request.text;
    return texts;
}

QString SaveScreenshot(QWidget *widget, const QString &name)
{
    QString dir = qEnvironmentVariable("KORVEX_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = QDir::currentPath() + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}

namespace {

/// The helpers that wait, in the order they were started.
std::vector<CModalHelper *> &waiting()
{
    static std::vector<CModalHelper *> helpers;
    return helpers;
}

} // namespace

CModalHelper::CModalHelper()
{
    m_poll.setInterval(20);
    QObject::connect(&m_poll, &QTimer::timeout, [this]() { Poll(); });
}

CModalHelper::~CModalHelper()
{
    if (IsWaiting() && !QTest::currentTestFailed())
        QTest::qFail("a modal helper went away still waiting: its dialog never came", __FILE__,
                     __LINE__);
    Stop();
}

void CModalHelper::Start(std::function<void(QWidget *)> action, int timeoutMs)
{
    Stop();
    m_action = std::move(action);
    m_done = false;
    m_seen = CModalAnswer();
    m_timeoutMs = timeoutMs;
    m_boxesOnly = false;
    m_clock.start();
    waiting().push_back(this);
    m_poll.start();
}

void CModalHelper::StartAnswer(QMessageBox::StandardButton button, const QString &inputText,
                               int timeoutMs)
{
    Start(
        [this, button, inputText](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                m_seen.title = box->windowTitle();
                m_seen.text = box->text();
                QStringList names;
                for (QAbstractButton *b : box->buttons())
                    names << b->text();
                m_seen.buttons = names.join(QLatin1Char(','));
                if (QAbstractButton *target = box->button(button))
                    target->click();
                else
                    box->reject();
            } else if (auto *input = qobject_cast<QInputDialog *>(modal)) {
                m_seen.title = input->windowTitle();
                m_seen.text = input->labelText();
                input->setTextValue(inputText);
                if (button == QMessageBox::Ok)
                    input->accept();
                else
                    input->reject();
            }
        },
        timeoutMs);
    m_boxesOnly = true;
}

void CModalHelper::Stop()
{
    m_poll.stop();
    auto &helpers = waiting();
    helpers.erase(std::remove(helpers.begin(), helpers.end(), this), helpers.end());
}

bool CModalHelper::Takes(QWidget *modal) const
{
    // A box answered by StartAnswer() may open over a modal editor: that one waits for the box.
    return !m_boxesOnly || qobject_cast<QMessageBox *>(modal)
        || qobject_cast<QInputDialog *>(modal);
}

bool CModalHelper::IsWaiting() const
{
    return m_poll.isActive();
}

void CModalHelper::StopAll()
{
    const bool any = !waiting().empty();
    while (!waiting().empty())
        waiting().front()->Stop();
    if (any && !QTest::currentTestFailed())
        QTest::qFail("a modal helper was still waiting at cleanup: its dialog never came", __FILE__,
                     __LINE__);
}

void CModalHelper::Poll()
{
    if (m_clock.hasExpired(m_timeoutMs)) {
        Stop();
        QTest::qFail(
            qPrintable(QStringLiteral("no modal dialog came within %1 ms").arg(m_timeoutMs)),
            __FILE__, __LINE__);
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !Takes(modal))
        return;
    // Of the helpers that take this dialog, the one started first acts on it.
    const auto &helpers = waiting();
    if (*std::find_if(helpers.begin(), helpers.end(),
                      [modal](const CModalHelper *helper) { return helper->Takes(modal); })
        != this)
        return;
    Stop();
    m_action(modal);
    m_done = true;
}

} // namespace KorvexTest
