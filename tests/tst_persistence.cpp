// What a save does when it cannot finish: the previous table content must survive
// whole, never mixed with part of the new one.

#include "Pipes/PipeDatabaseTypes.h"
#include "TestSupport.h"
#include "core/TablePersistence_p.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

using KorvexPipeDatabase::CPipe;
using KorvexPipeDatabase::CPipeDatabase;
using KorvexTest::CTempDatabase;

namespace {

const int kOldRows = 40;

std::vector<CPipe> makePipes(const QString &prefix, int n)
{
    std::vector<CPipe> pipes;
    for (int i = 0; i < n; ++i)
        pipes.emplace_back(QStringLiteral("%1 %2").arg(prefix).arg(i), QString::number(i),
                           QStringLiteral("внутр %1").arg(i), QStringLiteral("0.007"),
                           QStringLiteral("0.35"));
    return pipes;
}

void save(const std::vector<CPipe> &pipes)
{
    CPipeDatabase db;
    for (const CPipe &pipe : pipes)
        db.InsertPipe(pipe);
    db.SaveDataToDataBase();
}

/// Names of the loaded pipes, checked to be either exactly the old set or exactly the new one.
QString contentKind(const std::vector<CPipe> &loaded, int newRows)
{
    auto allWithPrefix = [&loaded](const QString &prefix, int n) {
        if (int(loaded.size()) != n)
            return false;
        for (int i = 0; i < n; ++i) {
            if (loaded[size_t(i)].GetName() != QStringLiteral("%1 %2").arg(prefix).arg(i))
                return false;
        }
        return true;
    };
    if (allWithPrefix(QStringLiteral("old"), kOldRows))
        return QStringLiteral("old");
    if (allWithPrefix(QStringLiteral("new"), newRows))
        return QStringLiteral("new");
    return QStringLiteral("mixed: %1 rows").arg(loaded.size());
}

} // namespace

class TestPersistence : public QObject
{
    Q_OBJECT
private slots:
    void readerGivesWhatQtSqlGives();
    void killedSaveKeepsPreviousContent();
    void diskFullSaveKeepsPreviousContent();
    void childWriter();
};

void TestPersistence::readerGivesWhatQtSqlGives()
{
    // The reader steps SQLite itself; every cell must still read as QtSql reads it,
    // whatever SQLite stored (text in a varchar column, or a number, blob or NULL).
    CTempDatabase temp;
    QCOMPARE(CTempDatabase::Exec("CREATE TABLE T (SortID integer PRIMARY KEY, V varchar, W)"),
             QString());
    const QStringList cells = {
        "'  Вода 20 °C '",
        "''",
        "NULL",
        "42",
        "-7",
        "4183.5",
        "0.1234567",
        "1e300",
        "x'00ff41'",
        "'20.5'",
        "'4183.50'",
        "' 12 '",
        "'1,5'",
        "'2147483648'",
        "'-2147483649'",
        "'1e400'",
        "'nan'",
        "'abc'",
        "'9223372036854775808'",
    };
    for (const QString &cell : cells)
        QCOMPARE(
            CTempDatabase::Exec(QStringLiteral("INSERT INTO T (V, W) VALUES (%1, %1)").arg(cell)),
            QString());

    QSqlQuery qt;
    qt.setForwardOnly(true);
    QVERIFY_SQL(qt, exec("SELECT * FROM T"));
    CPipeDatabase owner;
    KorvexCore::CTableReader reader(owner, QStringLiteral("T"));
    QCOMPARE(reader.Column("v"), 1); // names compare without regard to case
    QCOMPARE(reader.Column("W"), 2);
    QCOMPARE(reader.Column("missing"), -1);
    int rows = 0;
    while (qt.next()) {
        QVERIFY(reader.Next());
        for (int column : { 1, 2 }) {
            const QVariant expected = qt.value(column);
            const QString what
                = cells[rows] + QStringLiteral(" in column ") + QString::number(column);
            QVERIFY2(reader.Value(column).metaType() == expected.metaType(), qPrintable(what));
            QVERIFY2(reader.Value(column).isNull() == expected.isNull(), qPrintable(what));
            QVERIFY2(reader.Text(column) == expected.toString(), qPrintable(what));
            QVERIFY2(reader.Int(column) == expected.toInt(), qPrintable(what));
            const double a = reader.Double(column), b = expected.toDouble();
            QVERIFY2(a == b || (qIsNaN(a) && qIsNaN(b)), qPrintable(what));
        }
        ++rows;
    }
    QVERIFY(!reader.Next());
    QCOMPARE(rows, int(cells.size()));
    QVERIFY(reader.Text(-1).isEmpty());
}

void TestPersistence::childWriter()
{
    // Started as a separate process by killedSaveKeepsPreviousContent().
    const QString path = qEnvironmentVariable("KORVEX_WRITER_DB");
    if (path.isEmpty())
        QSKIP("child only");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    const std::vector<CPipe> pipes
        = makePipes(QStringLiteral("new"), qEnvironmentVariableIntValue("KORVEX_WRITER_ROWS"));
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    save(pipes);
}

void TestPersistence::killedSaveKeepsPreviousContent()
{
    const int newRows = 400000;
    int killedMidway = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        CTempDatabase temp;
        save(makePipes(QStringLiteral("old"), kOldRows));

        QProcess writer;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KORVEX_WRITER_DB"), temp.Path());
        env.insert(QStringLiteral("KORVEX_WRITER_ROWS"), QString::number(newRows));
        writer.setProcessEnvironment(env);
        writer.start(QCoreApplication::applicationFilePath(), { QStringLiteral("childWriter") });
        QVERIFY(writer.waitForStarted());
        // Wait until the save has begun writing (its rollback journal exists), then kill
        // it a little later each attempt.
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(temp.Path() + QStringLiteral("-journal"))
               && writer.state() == QProcess::Running && clock.elapsed() < 20000)
            QThread::msleep(1);
        QThread::msleep(20 + 60 * attempt);
        if (writer.state() == QProcess::Running) {
            ++killedMidway;
            writer.kill();
        }
        writer.waitForFinished();

        temp.Reopen();
        CPipeDatabase reloaded;
        reloaded.LoadData();
        const QString kind = contentKind(reloaded.GetPipes(), newRows);
        QVERIFY2(kind == QStringLiteral("old") || kind == QStringLiteral("new"), qPrintable(kind));
        if (writer.exitStatus() == QProcess::CrashExit)
            QCOMPARE(kind, QStringLiteral("old"));
    }
    QVERIFY2(killedMidway > 0, "the writer always finished before it could be killed");
}

void TestPersistence::diskFullSaveKeepsPreviousContent()
{
    CTempDatabase temp;
    KorvexTest::CScriptedPrompts prompts; // a save never shows a message box
    save(makePipes(QStringLiteral("old"), kOldRows));

    // Leave room for a few pages only: the new content runs out of space part way.
    const int pages = CTempDatabase::Column(QStringLiteral("PRAGMA page_count")).value(0).toInt();
    QVERIFY(pages > 0);
    QCOMPARE(CTempDatabase::Exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 4)),
             QString());
    save(makePipes(QStringLiteral("new"), 20000));

    CPipeDatabase reloaded;
    reloaded.LoadData();
    QCOMPARE(contentKind(reloaded.GetPipes(), 20000), QStringLiteral("old"));
    QVERIFY(prompts.Requests().empty());

    // The failed save left no transaction open: with room again, a save goes through.
    QCOMPARE(CTempDatabase::Exec(QStringLiteral("PRAGMA max_page_count = 1073741823")), QString());
    save(makePipes(QStringLiteral("new"), 20000));
    temp.Reopen();
    reloaded.LoadData();
    QCOMPARE(contentKind(reloaded.GetPipes(), 20000), QStringLiteral("new"));
}

QTEST_MAIN(TestPersistence)
#include "tst_persistence.moc"
