#include "TestSupport.h"
#include "core/KorvexCommonDatabaseManager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>

using KorvexInterfaces::IKorvexCommonDatabase;
using KorvexInterfaces::IKorvexInterface;

namespace {

class CRecordingHost : public IKorvexDatabaseHost
{
public:
    void RegisterDatabase(IKorvexCommonDatabase *database) override
    {
        databases.push_back(database);
    }
    std::vector<IKorvexCommonDatabase *> databases;
};

// The codes, names and order of the eight databases are the host_summary test's.
const size_t kDatabases = 8;

/// The top-level widget created since \a before: the loops dialog a manager's coolant
/// database owns, which lives exactly as long as the databases do.
QPointer<QWidget> newTopLevel(const QWidgetList &before)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!before.contains(w))
            return w;
    }
    return nullptr;
}

const QString kCriticalTitle = QStringLiteral("Ошибка открытия базы данных!");
const QString kCriticalText = QStringLiteral("Не удалось открыть соединение с базой SQLite.\n"
                                             "Возможно, отсутствует необходимый драйвер!");

} // namespace

class TestManager : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        // The child's file name is a directory: removing it fails harmlessly.
        KorvexTest::CModalHelper::StopAll();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
        QFile::remove(QCoreApplication::applicationDirPath() + "/KorvexCommonDatabase.sqlite");
    }

    void registersDatabasesAndCountsReferences()
    {
        KorvexTest::CScriptedPrompts prompts; // any message box fails the test
        const QWidgetList before = QApplication::topLevelWidgets();
        CRecordingHost first, second;
        IKorvexInterface *a = CreateDatabase(&first);
        QVERIFY(
            QFile::exists(QCoreApplication::applicationDirPath() + "/KorvexCommonDatabase.sqlite"));
        QCOMPARE(first.databases.size(), kDatabases);
        const QPointer<QWidget> owned = newTopLevel(before);
        QVERIFY(owned);
        // A second call replaces the default connection and builds a second, separate set.
        IKorvexInterface *b = CreateDatabase(&second);
        QVERIFY(a != b && first.databases[0] != second.databases[0]);
        QCOMPARE(second.databases.size(), first.databases.size());
        QVERIFY(QSqlDatabase::database().isOpen());
        for (IKorvexCommonDatabase *database : first.databases)
            database->LoadData();
        a->Release(); // a fresh manager: the count goes to -1 and nothing is destroyed
        QVERIFY(owned);
        a->AddRef(); // -1 -> 0: still alive
        a->AddRef();
        a->AddRef();
        a->Release();
        QVERIFY(owned);
        a->Release(); // 1 -> 0: the manager deletes its databases and itself
        QVERIFY(!owned);
        b->AddRef();
        b->Release();
    }

    void unopenableFileShowsCriticalOnce()
    {
        // The file name is taken by a directory next to a copy of this test, so SQLite
        // cannot open it.
        QTemporaryDir dir;
        const QString copy = dir.filePath("tst_manager_copy");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        QVERIFY(QDir(dir.path()).mkdir("KorvexCommonDatabase.sqlite"));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KORVEX_MANAGER_CHILD", "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(copy, { "childCriticalBox" });
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitCode() == 0 && output.contains("Totals: 3 passed"), output.constData());
    }

    void childCriticalBox() // runs only in the copy that the test above starts
    {
        if (!qEnvironmentVariableIsSet("KORVEX_MANAGER_CHILD"))
            QSKIP("child only");
        {
            KorvexTest::CScriptedPrompts prompts;
            prompts.AnswerButton(QMessageBox::Cancel);
            CRecordingHost host;
            IKorvexInterface *manager = CreateDatabase(&host);
            QCOMPARE(int(prompts.Requests().size()), 1);
            const KorvexCore::CPromptRequest &box = prompts.Requests().front();
            QVERIFY(box.kind == KorvexCore::PromptKind::Critical && box.parent == nullptr);
            QCOMPARE(box.title + '|' + box.text, kCriticalTitle + '|' + kCriticalText);
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Cancel));
            // The databases are there and stay empty: loading fails silently.
            QCOMPARE(host.databases.size(), kDatabases);
            for (IKorvexCommonDatabase *database : host.databases)
                database->LoadData();
            QCOMPARE(int(prompts.Requests().size()), 1);
            manager->AddRef();
            manager->Release();
        }
        KorvexTest::CModalHelper critical; // the real box, as the user sees it
        critical.StartAnswer(QMessageBox::Cancel);
        CRecordingHost host;
        IKorvexInterface *manager = CreateDatabase(&host);
        QVERIFY(critical.Done());
        QCOMPARE(critical.Seen().title + '|' + critical.Seen().text + '|' + critical.Seen().buttons,
                 kCriticalTitle + '|' + kCriticalText + "|Cancel");
        manager->AddRef();
        manager->Release();
    }
};

QTEST_MAIN(TestManager)
#include "tst_manager.moc"
