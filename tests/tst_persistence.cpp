// Pipes through the table machinery every database shares: the round trip, the columns of
// the SQL texts, the reader, and a failed load or save that the user is told of.

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
        pipes.emplace_back(QString("%1 %2").arg(prefix).arg(i), QString::number(i), "12", "0.007");
    return pipes;
}

/// Every field of every pipe, "name|outside|inside|roughness|lamda", in list order.
QStringList dump(const std::vector<CPipe> &pipes)
{
    QStringList rows;
    for (const CPipe &p : pipes)
        rows << p.GetName() + '|' + p.GetDOutside() + '|' + p.GetDInside() + '|' + p.GetRoughness()
                + '|' + p.GetLamda();
    return rows;
}

void savePipes(const std::vector<CPipe> &pipes)
{
    CPipeDatabase db;
    for (const CPipe &pipe : pipes)
        db.InsertPipe(pipe);
    db.SaveDataToDataBase();
    QVERIFY2(!db.GetLastError().IsValid(), qPrintable(db.GetLastError().ToString()));
}

/// Old pipes saved; the default connection then waits only 50 ms for a lock.
void saveOldPipes(int rows = kOldRows)
{
    savePipes(makePipes("old", rows));
    QVERIFY(CTempDatabase::Reopen("QSQLITE_BUSY_TIMEOUT=50"));
}

} // namespace

class TestPersistence : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { KorvexTest::CModalHelper::StopAll(); }

    void roundTripAndLoadingQuirks()
    {
        CTempDatabase temp;
        CPipeDatabase db;
        db.LoadData(); // a missing table loads as empty, without error
        QVERIFY(!db.GetLastError().IsValid());
        for (const CPipe &pipe : { CPipe("  Сталь 20x2.8 ", "26.8", " 21.2", "0.2 ", "58"),
                                   CPipe(""), CPipe("PE-Xa", "16", "12", "0,007", "λ=0.35 ✓"),
                                   CPipe("PE-Xa", "second"), CPipe("pe-xa") })
            db.InsertPipe(pipe);
        db.SaveDataToDataBase();
        CPipeDatabase loaded;
        loaded.LoadData();
        QCOMPARE(dump(loaded.GetPipes()), dump(db.GetPipes()));
        // Delete takes the first of equal names; saving rewrites the table, numbered from 1.
        loaded.DeletePipe(CPipe("PE-Xa"));
        loaded.SaveDataToDataBase();
        QCOMPARE(
            CTempDatabase::Column("SELECT SortID || ':' || coalesce(D_outside, '') FROM PIPES"),
            QStringList({ "1:26.8", "2:", "3:second", "4:" }));
        CPipeDatabase().SaveDataToDataBase(); // an empty list leaves an empty table
        QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM PIPES"), QStringList({ "0" }));

        // Columns in another order, NULL cells, a missing column and an extra one.
        CTempDatabase::Exec("DROP TABLE PIPES");
        CTempDatabase::Exec(
            "CREATE TABLE PIPES (SortID integer PRIMARY KEY, Lamda, Extra, PipeType, "
            "d_inside, D_outside)");
        CTempDatabase::Exec("INSERT INTO PIPES (Lamda, PipeType, d_inside, D_outside) VALUES "
                            "('0.35', 'A', NULL, '16'), (NULL, NULL, '12', NULL)");
        loaded.LoadData(); // replaces, never appends
        QCOMPARE(dump(loaded.GetPipes()), QStringList({ "A|16|||0.35", "||12||" }));
    }

    void columnListsMatchTheirSqlTexts_data()
    {
        QTest::addColumn<const KorvexCore::CTableDescription *>("table");
        using namespace KorvexClimateDatabase;
        int row = 0;
        for (const auto *table :
             { &KorvexPipeDatabase::PipeTable(), &KorvexDeviceDINDatabase::DeviceDINTable(),
               &KorvexCoolantDatabase::CoolantTable(), &KorvexKmsDatabase::KmsTable(),
               &KorvexMaterialDatabase::MaterialTable(), &KorvexConsumerDatabase::ConsumerTable(),
               &KorvexEmbrasureDatabase::EmbrasureTable(), &ColdSeasonTable(), &WarmSeasonTable(),
               &MonthTable() })
            QTest::addRow("%d %s", ++row, qPrintable(table->columns.value(0))) << table;
    }
    void columnListsMatchTheirSqlTexts()
    {
        // A column misspelt in the SQL or the list would bind or read nothing, silently.
        QFETCH(const KorvexCore::CTableDescription *, table);
        QStringList created = KorvexCore::ColumnsOfCreate(QString::fromUtf8(table->create));
        created.removeAll("SortID"); // numbers rows, no field of a record
        QCOMPARE(created, table->columns);
        QStringList written;
        for (const char *insert : table->inserts) {
            const QString sql = QString::fromUtf8(insert);
            const QStringList placeholders = KorvexCore::PlaceholdersOf(sql);
            if (!sql.section('(', 0, 0).contains("VALUES")) { // named columns match placeholders
                QCOMPARE(
                    sql.section('(', 1, 1).section(')', 0, 0).simplified().remove(' ').split(','),
                    placeholders);
            }
            QStringList inOrder = table->columns; // each insert fills its columns in table order
            inOrder.removeIf([&](const QString &c) { return !placeholders.contains(c); });
            QCOMPARE(placeholders, inOrder);
            written += placeholders;
        }
        QCOMPARE(written.removeDuplicates(), 0); // and every column exactly once
        QCOMPARE(written.size(), table->columns.size());
    }

    void readerGivesWhatQtSqlGives()
    {
        // The reader steps SQLite itself; every stored cell must read as QtSql reads it.
        CTempDatabase temp;
        CTempDatabase::Exec("CREATE TABLE T (SortID integer PRIMARY KEY, V varchar, W)");
        const QStringList cells
            = QString("'  Вода 20 °C '|''|NULL|42|-7|4183.5|0.1234567|1e300|"
                      "x'00ff41'|x''|'20.5'|'4183.50'|' 12 '|'1,5'|'2147483648'|"
                      "'-2147483649'|'1e400'|'nan'|'abc'|'9223372036854775808'")
                  .split('|');
        for (const QString &cell : cells)
            CTempDatabase::Exec(QString("INSERT INTO T (V, W) VALUES (%1, %1)").arg(cell));
        QSqlQuery qt("SELECT * FROM T");
        CPipeDatabase owner;
        KorvexCore::CTableReader reader(owner, "T");
        QVERIFY(reader.Column("v") == 1 && reader.Column("missing") == -1); // any case
        for (const QString &cell : cells) {
            QVERIFY(qt.next() && reader.Next());
            for (int column : { 1, 2 }) {
                const QVariant expected = qt.value(column);
                const double a = reader.Double(column), b = expected.toDouble();
                QVERIFY2(reader.Value(column).metaType() == expected.metaType()
                             && reader.Value(column).isNull() == expected.isNull()
                             && reader.Text(column) == expected.toString()
                             && reader.Int(column) == expected.toInt()
                             && reader.Bytes(column) == expected.toByteArray()
                             && reader.Bytes(column).isNull() == expected.toByteArray().isNull()
                             && (a == b || (qIsNaN(a) && qIsNaN(b))),
                         qPrintable(cell + " in column " + QString::number(column)));
            }
        }
        QVERIFY(!reader.Next() && !qt.next() && reader.Text(-1).isEmpty());
    }

    void unreadTableIsNeverOverwritten_data()
    {
        QTest::addColumn<bool>("corrupt");
        QTest::newRow("locked by another connection") << false;
        QTest::newRow("corrupt page") << true;
    }
    void unreadTableIsNeverOverwritten()
    {
        QFETCH(bool, corrupt);
        CTempDatabase temp;
        saveOldPipes(corrupt ? 20000 : kOldRows);
        CPipeDatabase db;
        if (corrupt) { // scribble over a page in the middle of the table's leaves
            const int pages = CTempDatabase::Column("PRAGMA page_count").value(0).toInt();
            const int pageSize = CTempDatabase::Column("PRAGMA page_size").value(0).toInt();
            QSqlDatabase::database().close();
            QFile file(temp.Path());
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(qint64(pages / 2) * pageSize));
            file.write(QByteArray(pageSize, '\x5a'));
            file.close();
            QVERIFY(QSqlDatabase::database().open());
            db.LoadData();
            QVERIFY(!db.GetPipes().empty() && db.GetPipes().size() < 20000); // rows before it
        } else { // another connection holds the file longer than the load waits
            KorvexTest::COtherConnection other;
            QVERIFY(other.Exec("BEGIN EXCLUSIVE"));
            db.LoadData();
            QVERIFY(db.GetPipes().empty());
            QVERIFY(other.Exec("COMMIT"));
        }
        QCOMPARE(db.GetLastError().GetKind(), CDatabaseError::LoadError);
        QCOMPARE(db.GetLastError().GetTable(), QStringLiteral("PIPES"));
        // With the file free again, the save is refused and the editor is not offered.
        db.InsertPipe(CPipe("typed while unread"));
        db.SaveDataToDataBase();
        QCOMPARE(db.GetLastError().GetKind(), CDatabaseError::SaveRefused);
        KorvexTest::CScriptedPrompts prompts;
        prompts.AnswerButton(QMessageBox::Ok);
        db.ShowContent();
        QVERIFY(prompts.Requests()[0].kind == KorvexCore::PromptKind::Critical
                && prompts.Requests()[0].text.contains("\"Трубы\""));
        QCOMPARE(
            CTempDatabase::Column("SELECT count(*) FROM sqlite_master WHERE name LIKE 'PIPES%'"),
            QStringList { "1" });
        if (corrupt)
            return;
        // The old rows are still there, and a load that succeeds lifts the guard.
        db.LoadData();
        QCOMPARE(dump(db.GetPipes()), dump(makePipes("old", kOldRows)));
        db.SaveDataToDataBase();
        QVERIFY(!db.GetLastError().IsValid());
    }

    void failedSaveKeepsOldTableAndTellsOnce()
    {
        CTempDatabase temp;
        saveOldPipes();
        CPipeDatabase db;
        db.LoadData();
        const int pages = CTempDatabase::Column("PRAGMA page_count").value(0).toInt();
        CTempDatabase::Exec(QString("PRAGMA max_page_count = %1").arg(pages + 2)); // disk full

        // The user edits a pipe in the editor and accepts: far more than the pages left.
        const QString edited(200000, QLatin1Char('x'));
        KorvexTest::CScriptedPrompts prompts;
        prompts.AnswerButton(QMessageBox::Ok);
        KorvexTest::CModalHelper editing;
        editing.Start([&edited](QWidget *editor) {
            editor->findChild<QTableWidget *>("m_pDataTableWidget")->item(0, 0)->setText(edited);
            editor->findChild<QPushButton *>("m_pOKBtn")->click();
        });
        db.ShowContent(); // the helper fails the test if the editor never came
        QCOMPARE(db.GetLastError().GetKind(), CDatabaseError::SaveError);
        QCOMPARE(int(prompts.Requests().size()), 1);
        const KorvexCore::CPromptRequest &box = prompts.Requests()[0];
        QVERIFY2(box.kind == KorvexCore::PromptKind::Critical && box.text.contains("\"Трубы\"")
                     && box.text.contains(db.GetLastError().GetText()),
                 qPrintable(box.text));

        // The file still holds the old table; once the fault is gone, saving again works.
        CTempDatabase::Exec("PRAGMA max_page_count = 1073741823");
        CPipeDatabase reader;
        reader.LoadData();
        QCOMPARE(dump(reader.GetPipes()), dump(makePipes("old", kOldRows)));
        db.SaveDataToDataBase();
        QVERIFY2(!db.GetLastError().IsValid(), qPrintable(db.GetLastError().ToString()));
        reader.LoadData();
        QCOMPARE(reader.GetPipes().front().GetDOutside(), edited);
    }
};

QTEST_MAIN(TestPersistence)
#include "tst_persistence.moc"
