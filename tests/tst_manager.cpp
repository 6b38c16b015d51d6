#include "TestSupport.h"
#include "core/KorvexCommonDatabaseManager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <cstdlib>
#include <new>

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

// Hosts keep these codes in their own files: none may ever change.
static_assert(
    KorvexInterfaces::ClimateDatabaseType == 10 && KorvexInterfaces::PipeDatabaseType == 11
    && KorvexInterfaces::MaterialDatabaseType == 12 && KorvexInterfaces::EmbrasureDatabaseType == 13
    && KorvexInterfaces::CoolantDatabaseType == 14 && KorvexInterfaces::ConsumerDatabaseType == 15
    && KorvexInterfaces::KmsDatabaseType == 16 && KorvexInterfaces::DeviceDINDatabaseType == 17);

// The databases this build creates, in creation order, with their codes and names.
const std::vector<std::pair<int, QString>> kRegistered = {
    { KorvexInterfaces::KmsDatabaseType, QStringLiteral("КМС") },
    { KorvexInterfaces::PipeDatabaseType, QStringLiteral("Трубы") },
    { KorvexInterfaces::CoolantDatabaseType, QStringLiteral("Теплоносители") },
    { KorvexInterfaces::ClimateDatabaseType, QStringLiteral("Климатология") },
    { KorvexInterfaces::ConsumerDatabaseType, QStringLiteral("Потребители") },
    { KorvexInterfaces::MaterialDatabaseType, QStringLiteral("Материалы") },
    { KorvexInterfaces::EmbrasureDatabaseType, QStringLiteral("Проемы") },
    { KorvexInterfaces::DeviceDINDatabaseType, QStringLiteral("Приборы_по_DIN") },
};

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

// The test sees in which order the manager frees its databases by watching every heap
// block given back; nothing is allocated while watching.
constexpr int kWatchedMax = 16;
void *g_watched[kWatchedMax];
int g_watchedCount = 0;
int g_freedOrder[kWatchedMax];
int g_freedCount = 0;

void *allocate(std::size_t size) noexcept
{
    return std::malloc(size ? size : 1);
}

void release(void *block) noexcept
{
    for (int i = 0; i < g_watchedCount; ++i) {
        if (g_watched[i] == block && g_freedCount < kWatchedMax)
            g_freedOrder[g_freedCount++] = i;
    }
    std::free(block);
}

} // namespace

void *operator new(std::size_t size)
{
    if (void *block = allocate(size))
        return block;
    throw std::bad_alloc();
}
void *operator new[](std::size_t size)
{
    return operator new(size);
}
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return allocate(size);
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    return allocate(size);
}
void operator delete(void *block) noexcept
{
    release(block);
}
void operator delete[](void *block) noexcept
{
    release(block);
}
void operator delete(void *block, std::size_t) noexcept
{
    release(block);
}
void operator delete[](void *block, std::size_t) noexcept
{
    release(block);
}
void operator delete(void *block, const std::nothrow_t &) noexcept
{
    release(block);
}
void operator delete[](void *block, const std::nothrow_t &) noexcept
{
    release(block);
}

class TestManager : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void registersAndDeletesDatabasesInCreationOrder();
    void referenceCounting();
    void unopenableFileShowsCriticalOnce();
    // Runs only inside the copy that unopenableFileShowsCriticalOnce() starts.
    void childCriticalBox();
};

void TestManager::cleanup()
{
    // The child's file name is a directory: removing it fails harmlessly.
    KorvexTest::CModalHelper::StopAll();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    QFile::remove(QCoreApplication::applicationDirPath() + "/KorvexCommonDatabase.sqlite");
}

void TestManager::registersAndDeletesDatabasesInCreationOrder()
{
    KorvexTest::CScriptedPrompts prompts; // any message box fails the test
    CRecordingHost first, second;
    IKorvexInterface *a = CreateDatabase(&first);
    QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + "/KorvexCommonDatabase.sqlite"));
    QCOMPARE(first.databases.size(), kRegistered.size());
    for (size_t i = 0; i < kRegistered.size(); ++i) {
        QCOMPARE(first.databases[i]->GetType(), kRegistered[i].first);
        QCOMPARE(first.databases[i]->GetName(), kRegistered[i].second);
    }
    // A second call replaces the default connection and builds a second, separate set.
    IKorvexInterface *b = CreateDatabase(&second);
    QVERIFY(a != b);
    QCOMPARE(second.databases.size(), first.databases.size());
    QVERIFY(first.databases[0] != second.databases[0]);
    QVERIFY(QSqlDatabase::database().isOpen());
    for (IKorvexCommonDatabase *database : first.databases)
        database->LoadData();
    g_freedCount = 0;
    for (IKorvexCommonDatabase *database : first.databases)
        g_watched[g_watchedCount++] = dynamic_cast<void *>(database);
    for (IKorvexInterface *manager : { a, b }) {
        manager->AddRef();
        manager->Release();
    }
    const int watched = std::exchange(g_watchedCount, 0);
    QCOMPARE(g_freedCount, watched);
    for (int i = 0; i < watched; ++i)
        QCOMPARE(g_freedOrder[i], i);
    QVERIFY(prompts.Requests().empty());
}

void TestManager::referenceCounting()
{
    const QWidgetList before = QApplication::topLevelWidgets();
    CRecordingHost host;
    IKorvexInterface *manager = CreateDatabase(&host);
    const QPointer<QWidget> owned = newTopLevel(before);
    QVERIFY(owned);
    manager->Release(); // a fresh manager: the count goes to -1 and nothing is destroyed
    QVERIFY(owned);
    manager->AddRef(); // -1 -> 0: still alive
    manager->AddRef();
    manager->AddRef();
    manager->Release();
    QVERIFY(owned);
    manager->Release(); // 1 -> 0: the manager deletes its databases and itself
    QVERIFY(!owned);
}

void TestManager::unopenableFileShowsCriticalOnce()
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
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(copy, { "childCriticalBox" });
    QVERIFY(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitCode() == 0 && output.contains("Totals: 3 passed"), output.constData());
}

void TestManager::childCriticalBox()
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
        QCOMPARE(box.kind, KorvexCore::PromptKind::Critical);
        QVERIFY(box.parent == nullptr);
        QCOMPARE(box.title, kCriticalTitle);
        QCOMPARE(box.text, kCriticalText);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Cancel));
        QCOMPARE(box.defaultButton, QMessageBox::NoButton);
        // The databases are there and stay empty: loading fails silently.
        QCOMPARE(host.databases.size(), kRegistered.size());
        for (IKorvexCommonDatabase *database : host.databases)
            database->LoadData();
        QCOMPARE(int(prompts.Requests().size()), 1);
        manager->AddRef();
        manager->Release();
    }
    // The real box, as the user sees it.
    KorvexTest::CModalHelper critical;
    critical.StartAnswer(QMessageBox::Cancel);
    CRecordingHost host;
    IKorvexInterface *manager = CreateDatabase(&host);
    QVERIFY(critical.Done());
    QCOMPARE(critical.Seen().title, kCriticalTitle);
    QCOMPARE(critical.Seen().text, kCriticalText);
    QCOMPARE(critical.Seen().buttons, QStringLiteral("Cancel"));
    manager->AddRef();
    manager->Release();
}

QTEST_MAIN(TestManager)
#include "tst_manager.moc"
