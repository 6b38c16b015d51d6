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

void OnNextModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

void AnswerNextModal(CModalAnswer *seen, QMessageBox::StandardButton button,
                     const QString &inputText)
{
    OnNextModal([seen, button, inputText](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (seen) {
                seen->title = box->windowTitle();
                seen->text = box->text();
                QStringList names;
                for (QAbstractButton *b : box->buttons())
                    names << b->text();
                seen->buttons = names.join(QLatin1Char(','));
            }
            QAbstractButton *target = box->button(button);
            if (target)
                target->click();
            else
                box->reject();
        } else if (auto *input = qobject_cast<QInputDialog *>(modal)) {
            if (seen) {
                seen->title = input->windowTitle();
                seen->text = input->labelText();
            }
            input->setTextValue(inputText);
            if (button == QMessageBox::Ok)
                input->accept();
            else
                input->reject();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            if (seen)
                seen->title = dialog->windowTitle();
            dialog->reject();
        }
    });
}

} // namespace KorvexTest
