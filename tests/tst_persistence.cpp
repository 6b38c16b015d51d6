// What loading and saving do when something fails: the previous tables must survive
// whole, never mixed with part of the new content, never replaced by a partial read,
// and the failure must be visible.

#include "Climate/ClimateTable_p.h"
#include "Consumers/ConsumerTable_p.h"
#include "Coolants/CoolantTable_p.h"
#include "DevicesDIN/DeviceDINTable_p.h"
#include "Embrasures/EmbrasureTable_p.h"
#include "Kms/KmsTable_p.h"
#include "Materials/MaterialTable_p.h"
#include "Pipes/PipeTable_p.h"
#include "TestSupport.h"
#include "core/TablePersistence_p.h"

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>

using KorvexCore::CDatabaseError;
using KorvexPipeDatabase::CPipe;
using KorvexPipeDatabase::CPipeDatabase;
using KorvexTest::CTempDatabase;

namespace {

const int kOldRows = 40;

std::vector<CPipe> makePipes(const QString &prefix, int n)
{
    std::vector<CPipe> pipes;
    for (int i = 0; i < n; ++i)
        pipes.emplace_back(QString("%1 %2").arg(prefix).arg(i), QString::number(i),
                           QString("внутр %1").arg(i), "0.007", "0.35");
    return pipes;
}

/// "old" or "new" when \a loaded is exactly that save's rows, else what it holds.
QString contentKind(const std::vector<CPipe> &loaded, int newRows)
{
    for (const auto &[prefix, n] : { std::pair("old", kOldRows), std::pair("new", newRows) }) {
        bool same = int(loaded.size()) == n;
        for (int i = 0; same && i < n; ++i)
            same = loaded[size_t(i)].GetName() == QString("%1 %2").arg(prefix).arg(i);
        if (same)
            return prefix;
    }
    return QString("mixed: %1 rows").arg(loaded.size());
}

/// Every field of every pipe, "name|outside|inside|roughness|lamda", in list order.
QStringList dump(const std::vector<CPipe> &pipes)
{
    QStringList rows;
    for (const CPipe &p : pipes)
        rows << QStringList { p.GetName(), p.GetDOutside(), p.GetDInside(), p.GetRoughness(),
                              p.GetLamda() }
                    .join('|');
    return rows;
}

/// A database of two tables saved in one transaction: "A" rewritten by DROP + CREATE,
/// "B" emptied with DELETE, as the multi-table databases do.
class CTwoTables : public KorvexCore::CTableDatabase
{
public:
    CTwoTables()
        : CTableDatabase(KorvexInterfaces::PipeDatabaseType, "two tables")
    { }
    void LoadData() override
    {
        using KorvexPipeDatabase::PipeColumns;
        KorvexCore::LoadFlatTable(*this, "A", PipeColumns(), a);
        KorvexCore::LoadFlatTable(*this, "B", PipeColumns(), b);
    }
    void ShowContent() override { }
    void Save() const
    {
        using Rewrite = KorvexCore::CTableRewrite;
        KorvexCore::CSaveTransaction save(*this);
        for (const auto &[name, rows, emptying] :
             { std::tuple("A", &a, Rewrite::Emptying::DropAndCreate),
               std::tuple("B", &b, Rewrite::Emptying::DeleteRows) }) {
            Rewrite table(save, name, KorvexPipeDatabase::PipeTable().create, emptying);
            QSqlQuery insert = table.Prepare(KorvexPipeDatabase::PipeTable().inserts.front());
            for (const CPipe &pipe : *rows) {
                KorvexCore::BindRow(insert, KorvexPipeDatabase::PipeColumns(), pipe);
                if (!table.Insert(insert))
                    break;
            }
        }
        save.Finish();
    }
    std::vector<CPipe> a, b;
};

void savePipes(const std::vector<CPipe> &pipes)
{
    CPipeDatabase db;
    for (const CPipe &pipe : pipes)
        db.InsertPipe(pipe);
    db.SaveDataToDataBase();
    QVERIFY2(!db.GetLastError().IsValid(), qPrintable(db.GetLastError().ToString()));
}

/// The default connection again, waiting \a busyMs for a lock before giving up.
void setBusyTimeout(int busyMs)
{
    QSqlDatabase db = QSqlDatabase::database();
    db.close();
    db.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMs));
    QVERIFY(db.open());
}

/// A second connection to the same file, as another process would hold it.
class COtherConnection
{
public:
    explicit COtherConnection(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", kName);
        db.setDatabaseName(path);
        db.open();
    }
    ~COtherConnection()
    {
        QSqlDatabase::database(kName).close();
        QSqlDatabase::removeDatabase(kName);
    }
    bool Exec(const QString &sql) { return QSqlQuery(QSqlDatabase::database(kName)).exec(sql); }

private:
    static inline const QString kName = "other";
};

} // namespace

class TestPersistence : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { KorvexTest::CModalHelper::StopAll(); }

    void roundTripKeepsEveryTextOrderAndDuplicates();
    void loadingQuirks();
    void columnListsMatchTheirSqlTexts_data();
    void columnListsMatchTheirSqlTexts();
    void readerGivesWhatQtSqlGives();
    void unreadTableIsNeverOverwritten();
    void failedSaveKeepsOldTableAndTellsOnce_data();
    void failedSaveKeepsOldTableAndTellsOnce();
    void corruptPageKeepsWhatWasReadButNeverSaves();
    void columnsAddedByAnotherToolSurvive();
    void killedSaveKeepsEveryTable();
    void childWriter();
};

void TestPersistence::roundTripKeepsEveryTextOrderAndDuplicates()
{
    CTempDatabase temp;
    CPipeDatabase db;
    for (const CPipe &pipe : { CPipe("  Сталь 20x2.8 ", "26.8", " 21.2", "0.2 ", "58"), CPipe(""),
                               CPipe("PE-Xa", "16", "12", "0,007", "λ=0.35 ✓"),
                               CPipe("PE-Xa", "second"), CPipe("pe-xa") })
        db.InsertPipe(pipe);
    db.SaveDataToDataBase();

    CPipeDatabase loaded;
    loaded.LoadData();
    QCOMPARE(dump(loaded.GetPipes()), dump(db.GetPipes()));
    QCOMPARE(CTempDatabase::Column("SELECT SortID FROM PIPES"),
             QStringList({ "1", "2", "3", "4", "5" }));

    // Names compare case-sensitively; Find and Delete take the first of equal names.
    QCOMPARE(loaded.FindPipe("PE-Xa")->GetDOutside(), QStringLiteral("16"));
    QVERIFY(!loaded.FindPipe("PE-XA"));
    loaded.DeletePipe(CPipe("PE-Xa"));
    QCOMPARE(loaded.FindPipe("PE-Xa")->GetDOutside(), QStringLiteral("second"));

    // Saving again rewrites the table rather than appending, and numbers from 1 again.
    loaded.SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column("SELECT SortID FROM PIPES"),
             QStringList({ "1", "2", "3", "4" }));
    // An empty list leaves an empty table, not a missing one.
    CPipeDatabase().SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM PIPES"), QStringList({ "0" }));
}

void TestPersistence::loadingQuirks()
{
    CTempDatabase temp;
    CPipeDatabase db;
    db.InsertPipe(CPipe("stale"));
    db.LoadData(); // a missing table loads as empty
    QVERIFY(db.GetPipes().empty());

    // Columns in another order, NULL cells, a missing column and an extra one.
    QCOMPARE(CTempDatabase::Exec("CREATE TABLE PIPES (SortID integer PRIMARY KEY, Lamda varchar, "
                                 "Extra varchar, PipeType varchar, d_inside varchar, "
                                 "D_outside varchar)"),
             QString());
    QCOMPARE(CTempDatabase::Exec("INSERT INTO PIPES (Lamda, PipeType, d_inside, D_outside) VALUES "
                                 "('0.35', 'A', NULL, '16'), (NULL, NULL, '12', NULL)"),
             QString());
    db.LoadData();
    db.LoadData(); // a second load replaces, never appends
    QCOMPARE(dump(db.GetPipes()), QStringList({ "A|16|||0.35", "||12||" }));
}

void TestPersistence::columnListsMatchTheirSqlTexts_data()
{
    QTest::addColumn<const KorvexCore::CTableDescription *>("table");
    QTest::newRow("PIPES") << &KorvexPipeDatabase::PipeTable();
    QTest::newRow("DEVICES_DIN") << &KorvexDeviceDINDatabase::DeviceDINTable();
    QTest::newRow("COOLANTS") << &KorvexCoolantDatabase::CoolantTable();
    QTest::newRow("KMS") << &KorvexKmsDatabase::KmsTable();
    QTest::newRow("MATERIALS") << &KorvexMaterialDatabase::MaterialTable();
    QTest::newRow("CONSUMERS") << &KorvexConsumerDatabase::ConsumerTable();
    QTest::newRow("EMBRASURES") << &KorvexEmbrasureDatabase::EmbrasureTable();
    QTest::newRow("TABLE1") << &KorvexClimateDatabase::ColdSeasonTable();
    QTest::newRow("TABLE2") << &KorvexClimateDatabase::WarmSeasonTable();
    QTest::newRow("TABLE3, TABLE5") << &KorvexClimateDatabase::MonthTable();
}

void TestPersistence::columnListsMatchTheirSqlTexts()
{
    // The literal texts and the column lists are written separately; a column misspelt in
    // one of them would bind nothing or read nothing without any error.
    QFETCH(const KorvexCore::CTableDescription *, table);
    // A leading SortID numbers the rows; it is no field of any record.
    QStringList created = KorvexCore::ColumnsOfCreate(QString::fromUtf8(table->create));
    if (created.value(0) == QLatin1String("SortID"))
        created.removeFirst();
    QCOMPARE(created, table->columns);
    QStringList written;
    for (const char *insert : table->inserts) {
        const QString sql = QString::fromUtf8(insert);
        const QStringList placeholders = KorvexCore::PlaceholdersOf(sql);
        // An insert that names its columns names them as its placeholders do.
        const QString named = sql.section('(', 1, 1).section(')', 0, 0);
        if (!sql.section('(', 0, 0).contains("VALUES")) {
            QStringList columns = named.split(',');
            for (QString &column : columns)
                column = column.trimmed();
            QCOMPARE(columns, placeholders);
        }
        // Each insert fills its columns in table order.
        int last = -1;
        for (const QString &name : placeholders) {
            const int at = int(table->columns.indexOf(name));
            QVERIFY2(at > last, qPrintable(name));
            last = at;
        }
        written += placeholders;
    }
    written.sort();
    QStringList columns = table->columns;
    columns.sort();
    QCOMPARE(written, columns);
}

void TestPersistence::readerGivesWhatQtSqlGives()
{
    // The reader steps SQLite itself; every cell must still read as QtSql reads it,
    // whatever SQLite stored (text in a varchar column, or a number, blob or NULL).
    CTempDatabase temp;
    QCOMPARE(CTempDatabase::Exec("CREATE TABLE T (SortID integer PRIMARY KEY, V varchar, W)"),
             QString());
    const QStringList cells = QString("'  Вода 20 °C '|''|NULL|42|-7|4183.5|0.1234567|1e300|"
                                      "x'00ff41'|'20.5'|'4183.50'|' 12 '|'1,5'|'2147483648'|"
                                      "'-2147483649'|'1e400'|'nan'|'abc'|'9223372036854775808'")
                                  .split('|');
    for (const QString &cell : cells)
        QCOMPARE(CTempDatabase::Exec(QString("INSERT INTO T (V, W) VALUES (%1, %1)").arg(cell)),
                 QString());

    QSqlQuery qt;
    qt.setForwardOnly(true);
    QVERIFY(qt.exec("SELECT * FROM T"));
    CPipeDatabase owner;
    KorvexCore::CTableReader reader(owner, "T");
    QCOMPARE(reader.Column("v"), 1); // names compare without regard to case
    QCOMPARE(reader.Column("W"), 2);
    QCOMPARE(reader.Column("missing"), -1);
    int rows = 0;
    while (qt.next()) {
        QVERIFY(reader.Next());
        for (int column : { 1, 2 }) {
            const QVariant expected = qt.value(column);
            const QString what = cells[rows] + " in column " + QString::number(column);
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

void TestPersistence::unreadTableIsNeverOverwritten()
{
    CTempDatabase temp;
    savePipes(makePipes("old", kOldRows));
    setBusyTimeout(50);

    CPipeDatabase db;
    {
        // Another connection holds the file longer than the load waits.
        COtherConnection other(temp.Path());
        QVERIFY(other.Exec("BEGIN EXCLUSIVE"));
        db.LoadData();
        QVERIFY(db.GetPipes().empty());
        QCOMPARE(db.GetLastError().GetKind(), CDatabaseError::LoadError);
        QCOMPARE(db.GetLastError().GetTable(), QStringLiteral("PIPES"));
        QVERIFY(!db.GetLastError().GetText().isEmpty());
        QVERIFY(other.Exec("COMMIT"));
    }
    // With the file free again, the save is still refused and the editor is not offered.
    db.InsertPipe(CPipe("typed while unread"));
    db.SaveDataToDataBase();
    QCOMPARE(db.GetLastError().GetKind(), CDatabaseError::SaveRefused);
    {
        KorvexTest::CScriptedPrompts prompts;
        prompts.AnswerButton(QMessageBox::Ok);
        db.ShowContent();
        QCOMPARE(int(prompts.Requests().size()), 1);
        QCOMPARE(prompts.Requests()[0].kind, KorvexCore::PromptKind::Critical);
        QVERIFY(prompts.Requests()[0].text.contains("\"Трубы\""));
    }
    CPipeDatabase reader;
    reader.LoadData();
    QCOMPARE(contentKind(reader.GetPipes(), 0), QStringLiteral("old"));

    // A load that succeeds lifts the guard.
    db.LoadData();
    QVERIFY(!db.GetLastError().IsValid());
    QCOMPARE(contentKind(db.GetPipes(), 0), QStringLiteral("old"));
    db.SaveDataToDataBase();
    QVERIFY(!db.GetLastError().IsValid());

    // A missing table is no failure: the database is empty and may be saved.
    QCOMPARE(CTempDatabase::Exec("DROP TABLE PIPES"), QString());
    db.LoadData();
    QVERIFY(db.GetPipes().empty());
    QVERIFY(!db.GetLastError().IsValid());
}

void TestPersistence::failedSaveKeepsOldTableAndTellsOnce_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("read-only file") << "read-only";
    QTest::newRow("locked by another connection") << "locked";
    QTest::newRow("disk full") << "full";
}

void TestPersistence::failedSaveKeepsOldTableAndTellsOnce()
{
    QFETCH(QString, fault);
    CTempDatabase temp;
    savePipes(makePipes("old", kOldRows));
    setBusyTimeout(50);
    CPipeDatabase db;
    db.LoadData();

    COtherConnection other(temp.Path());
    if (fault == QLatin1String("read-only")) {
        QCOMPARE(CTempDatabase::Exec("PRAGMA query_only = 1"), QString());
    } else if (fault == QLatin1String("locked")) {
        QVERIFY(other.Exec("BEGIN IMMEDIATE"));
    } else {
        const int pages = CTempDatabase::Column("PRAGMA page_count").value(0).toInt();
        QCOMPARE(CTempDatabase::Exec(QString("PRAGMA max_page_count = %1").arg(pages + 2)),
                 QString());
    }

    // The user edits a pipe in the editor and accepts; far more than the pages left.
    const QString edited(200000, QLatin1Char('x'));
    KorvexTest::CScriptedPrompts prompts;
    prompts.AnswerButton(QMessageBox::Ok);
    KorvexTest::CModalHelper editing;
    editing.Start([&edited](QWidget *editor) {
        editor->findChild<QTableWidget *>("m_pDataTableWidget")->item(0, 0)->setText(edited);
        editor->findChild<QPushButton *>("m_pOKBtn")->click();
    });
    db.ShowContent();
    QVERIFY(editing.Done());

    QCOMPARE(db.GetLastError().GetKind(), CDatabaseError::SaveError);
    QCOMPARE(db.GetLastError().GetTable(), QStringLiteral("PIPES"));
    QCOMPARE(int(prompts.Requests().size()), 1);
    const KorvexCore::CPromptRequest &box = prompts.Requests()[0];
    QCOMPARE(box.kind, KorvexCore::PromptKind::Critical);
    QVERIFY(box.text.contains("\"Трубы\""));
    QVERIFY2(box.text.contains(db.GetLastError().GetText()), qPrintable(box.text));
    QCOMPARE(db.GetPipes().front().GetDOutside(), edited); // the edit is still in memory

    // The file still holds the old table; once the fault is gone, saving again works.
    other.Exec("ROLLBACK");
    CTempDatabase::Exec("PRAGMA query_only = 0");
    CTempDatabase::Exec("PRAGMA max_page_count = 1073741823");
    CPipeDatabase reader;
    reader.LoadData();
    QCOMPARE(contentKind(reader.GetPipes(), 0), QStringLiteral("old"));
    QCOMPARE(reader.GetPipes().front().GetDOutside(), QStringLiteral("0"));
    db.SaveDataToDataBase();
    QVERIFY2(!db.GetLastError().IsValid(), qPrintable(db.GetLastError().ToString()));
    reader.LoadData();
    QCOMPARE(reader.GetPipes().front().GetDOutside(), edited);
}

void TestPersistence::corruptPageKeepsWhatWasReadButNeverSaves()
{
    CTempDatabase temp;
    savePipes(makePipes("old", 20000));
    const int pages = CTempDatabase::Column("PRAGMA page_count").value(0).toInt();
    const int pageSize = CTempDatabase::Column("PRAGMA page_size").value(0).toInt();
    QSqlDatabase::database().close();
    {
        // Scribble over a page in the middle of the table's leaves.
        QFile file(temp.Path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(qint64(pages / 2) * pageSize));
        file.write(QByteArray(pageSize, '\x5a'));
    }
    QVERIFY(QSqlDatabase::database().open());

    CPipeDatabase db;
    db.LoadData();
    QCOMPARE(db.GetLastError().GetKind(), CDatabaseError::LoadError);
    QVERIFY(!db.GetPipes().empty()); // the rows before the bad page
    QVERIFY(db.GetPipes().size() < 20000);
    db.SaveDataToDataBase();
    QCOMPARE(db.GetLastError().GetKind(), CDatabaseError::SaveRefused);
    QCOMPARE(CTempDatabase::Column(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                                  "name LIKE 'PIPES%'")),
             QStringList { "1" });
}

void TestPersistence::columnsAddedByAnotherToolSurvive()
{
    CTempDatabase temp;
    savePipes(makePipes("old", 3));
    QCOMPARE(CTempDatabase::Exec("ALTER TABLE PIPES ADD COLUMN Note varchar"), QString());
    QCOMPARE(CTempDatabase::Exec("UPDATE PIPES SET Note = 'checked ' || SortID"), QString());

    CPipeDatabase db;
    db.LoadData();
    db.SaveDataToDataBase();
    QVERIFY(!db.GetLastError().IsValid());
    const QStringList kept
        = CTempDatabase::Column("SELECT name FROM sqlite_master WHERE name LIKE 'PIPES_before_%'");
    QCOMPARE(kept.size(), 1);
    QCOMPARE(CTempDatabase::Column(QString("SELECT Note FROM \"%1\"").arg(kept[0])),
             QStringList({ "checked 1", "checked 2", "checked 3" }));
    db.LoadData();
    QCOMPARE(db.GetPipes().size(), size_t(3));

    // A table with exactly the written columns is simply replaced.
    db.SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column(QStringLiteral(
                 "SELECT count(*) FROM sqlite_master WHERE name LIKE 'PIPES_before_%'")),
             QStringList { "1" });
}

void TestPersistence::childWriter()
{
    // Started as a separate process by killedSaveKeepsEveryTable().
    const bool child = KorvexTest::RunChildSave([] {
        CTwoTables tables;
        tables.a = tables.b = makePipes("new", qEnvironmentVariableIntValue("KORVEX_WRITER_ROWS"));
        tables.Save();
    });
    if (!child)
        QSKIP("child only");
}

void TestPersistence::killedSaveKeepsEveryTable()
{
    const int newRows = 200000;
    int killedMidway = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        CTempDatabase temp;
        CTwoTables old;
        old.a = old.b = makePipes("old", kOldRows);
        old.Save();

        // Killed a little later each attempt, sometimes inside the second table.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KORVEX_WRITER_ROWS", QString::number(newRows));
        const KorvexTest::CKilledSave run
            = KorvexTest::KillDuringSave("childWriter", temp.Path(), env, 20 + 120 * attempt);
        const bool midway = run.killed && !run.saved;
        killedMidway += midway;

        temp.Reopen();
        CTwoTables reloaded;
        reloaded.LoadData();
        const QString a = contentKind(reloaded.a, newRows);
        QCOMPARE(contentKind(reloaded.b, newRows), a);
        QVERIFY2(a == "old" || a == "new", qPrintable(a));
        if (midway)
            QCOMPARE(a, QStringLiteral("old"));
    }
    QVERIFY2(killedMidway > 0, "the writer always finished before it could be killed");
}

QTEST_MAIN(TestPersistence)
#include "tst_persistence.moc"
