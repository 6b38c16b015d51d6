#include "Pipes/PipeDatabaseTypes.h"
#include "TestSupport.h"

using KorvexPipeDatabase::CPipe;
using KorvexPipeDatabase::CPipeDatabase;
using KorvexTest::CTempDatabase;

namespace {
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
} // namespace

class TestPipes : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsEveryTextOrderAndDuplicates();
    void loadingQuirks();
};

void TestPipes::roundTripKeepsEveryTextOrderAndDuplicates()
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

void TestPipes::loadingQuirks()
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

QTEST_MAIN(TestPipes)
#include "tst_pipes.moc"
