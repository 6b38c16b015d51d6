#include "TestSupport.h"

#include "DatabaseKinds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <algorithm>
#include <cstdio>

// The tests take the library's objects from a static archive, where nothing refers to the
// compiled-in icons; registering them pulls them in, as loading the shared library does.
static int registerLibraryResources()
{
    Q_INIT_RESOURCE(KorvexIcons);
    return 0;
}
Q_CONSTRUCTOR_FUNCTION(registerLibraryResources)

namespace KorvexTest {

/// Opens \a path as the default connection; false when it cannot be opened.
static bool openDefault(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    return db.open();
}

CTempDatabase::CTempDatabase()
{
    if (!openDefault(Path()))
        qFatal("cannot open the test database %s", qPrintable(Path()));
}

CTempDatabase::~CTempDatabase()
{
    QSqlDatabase::database(QSqlDatabase::defaultConnection, false).close();
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
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
        return { "ERROR: " + query.lastError().text() };
    while (query.next())
        values << query.value(0).toString();
    return values;
}

bool CTempDatabase::Reopen(const QString &options, const QString &path)
{
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    db.close();
    if (!path.isEmpty())
        db.setDatabaseName(path);
    db.setConnectOptions(options);
    return db.open();
}

COtherConnection::COtherConnection()
{
    QSqlDatabase::cloneDatabase(QSqlDatabase::database(), QStringLiteral("other")).open();
}

COtherConnection::~COtherConnection()
{
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

bool COtherConnection::Exec(const QString &sql)
{
    return QSqlQuery(QSqlDatabase::database(QStringLiteral("other"))).exec(sql);
}

CScriptedPrompts::CScriptedPrompts()
{
    KorvexCore::SetPromptResponder([this](const KorvexCore::CPromptRequest &request) {
        m_requests.push_back(request);
        if (m_answers.empty()) {
            QTest::qFail(qPrintable("unexpected prompt: " + request.text), __FILE__, __LINE__);
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
    if (!m_answers.empty() && !QTest::currentTestFailed())
        QTest::qFail("a scripted answer was left unused", __FILE__, __LINE__);
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
    const QString dir
        = qEnvironmentVariable("KORVEX_SCREENSHOT_DIR", QDir::currentPath() + "/screenshots");
    QDir().mkpath(dir);
    widget->grab().save(dir + '/' + name + ".png");
    return dir + '/' + name + ".png";
}

/// The helpers that wait, in the order they were started.
static std::vector<CModalHelper *> s_waiting;

CModalHelper::CModalHelper()
{
    m_poll.setInterval(20);
    QObject::connect(&m_poll, &QTimer::timeout, [this]() {
        if (m_deadline.hasExpired())
            return Fail("no modal dialog came in time");
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || s_waiting.front() != this)
            return;
        Stop();
        m_action(modal);
        m_done = true;
    });
}

CModalHelper::~CModalHelper()
{
    if (m_poll.isActive())
        Fail("a modal helper went away still waiting: its dialog never came");
}

void CModalHelper::Start(std::function<void(QWidget *)> action, int timeoutMs)
{
    m_action = std::move(action);
    m_done = false;
    m_deadline.setRemainingTime(timeoutMs);
    s_waiting.push_back(this);
    m_poll.start();
}

void CModalHelper::StartAnswer(QMessageBox::StandardButton button, const QString &inputText)
{
    Start([this, button, inputText](QWidget *modal) {
        m_seen = { modal->windowTitle(), {}, {} };
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_seen.text = box->text();
            QStringList names;
            for (QAbstractButton *b : box->buttons())
                names << b->text();
            m_seen.buttons = names.join(',');
            box->button(button) ? box->button(button)->click() : box->reject();
        } else if (auto *input = qobject_cast<QInputDialog *>(modal)) {
            m_seen.text = input->labelText();
            input->setTextValue(inputText);
            button == QMessageBox::Ok ? input->accept() : input->reject();
        }
    });
}

void CModalHelper::Stop()
{
    m_poll.stop();
    s_waiting.erase(std::remove(s_waiting.begin(), s_waiting.end(), this), s_waiting.end());
}

void CModalHelper::Fail(const char *why)
{
    Stop();
    if (!QTest::currentTestFailed())
        QTest::qFail(why, __FILE__, __LINE__);
}

void CModalHelper::StopAll()
{
    while (!s_waiting.empty())
        s_waiting.front()->Fail("a modal helper was still waiting at cleanup: no dialog came");
}

bool RunChildSave(const std::function<void()> &save)
{
    const QString path = qEnvironmentVariable("KORVEX_WRITER_DB");
    if (path.isEmpty())
        return false;
    if (!openDefault(path))
        qFatal("cannot open %s", qPrintable(path));
    const auto say = [](const char *line) { std::fputs(line, stdout), std::fflush(stdout); };
    say("saving\n");
    save();
    say("saved\n");
    return true;
}

CKilledSave KillDuringSave(const QString &childSlot, const QString &databasePath,
                           QProcessEnvironment environment, int delayMs)
{
    QProcess writer;
    if (environment.isEmpty())
        environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KORVEX_WRITER_DB"), databasePath);
    writer.setProcessEnvironment(environment);
    writer.start(QCoreApplication::applicationFilePath(), { childSlot });
    if (!writer.waitForStarted())
        qFatal("cannot start the writer");
    const QDeadlineTimer deadline(20000);
    while (!QFile::exists(databasePath + "-journal") && writer.state() == QProcess::Running
           && !deadline.hasExpired())
        QThread::msleep(1);
    QThread::msleep(ulong(delayMs));
    CKilledSave result;
    result.killed = writer.state() == QProcess::Running;
    if (result.killed)
        writer.kill();
    writer.waitForFinished();
    result.saved = writer.readAllStandardOutput().contains("saved");
    return result;
}

void AddKindRows()
{
    QTest::addColumn<QString>("kind");
    for (const CDatabaseKind &kind : DatabaseKinds())
        QTest::newRow(kind.name) << QString(kind.name);
}

} // namespace KorvexTest
