#include "Pipes/PipeDatabaseTypes.h"
#include "TestSupport.h"

#include <QSqlQuery>

using KorvexPipeDatabase::CPipe;
using KorvexPipeDatabase::CPipeDatabase;
using KorvexTest::CTempDatabase;

class TestPipes : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsEveryTextOrderAndDuplicates();
    void loadingQuirks();
    void findInsertDeleteWorkOnFirstMatch();
};

void TestPipes::roundTripKeepsEveryTextOrderAndDuplicates()
{
    CTempDatabase temp;
    CPipeDatabase db;
    const std::vector<CPipe> pipes = {
        CPipe(QStringLiteral("  Сталь 20x2.8 "), QStringLiteral("26.8"), QStringLiteral(" 21.2"),
              QStringLiteral("0.2 "), QStringLiteral("58")),
        CPipe(QString(), QString(), QString(), QString(), QString()),
        CPipe(QStringLiteral("PE-Xa"), QStringLiteral("16"), QStringLiteral("12"),
              QStringLiteral("0,007"), QStringLiteral("λ=0.35 ✓")),
        CPipe(QStringLiteral("PE-Xa"), QStringLiteral("second"), {}, {}, {}),
        CPipe(QStringLiteral("pe-xa")),
    };
    for (const CPipe &pipe : pipes)
        db.InsertPipe(pipe);
    db.SaveDataToDataBase();

    CPipeDatabase loaded;
    loaded.LoadData();
    QCOMPARE(loaded.GetPipes().size(), pipes.size());
    for (size_t i = 0; i < pipes.size(); ++i) {
        const CPipe &a = pipes[i];
        const CPipe &b = loaded.GetPipes()[i];
        QCOMPARE(b.GetName(), a.GetName());
        QCOMPARE(b.GetDOutside(), a.GetDOutside());
        QCOMPARE(b.GetDInside(), a.GetDInside());
        QCOMPARE(b.GetRoughness(), a.GetRoughness());
        QCOMPARE(b.GetLamda(), a.GetLamda());
    }
    QCOMPARE(CTempDatabase::Column(QStringLiteral("SELECT SortID FROM PIPES")),
             QStringList({ "1", "2", "3", "4", "5" }));

    // Saving again rewrites the table instead of appending, and numbers from 1 again.
    loaded.DeletePipe(CPipe(QStringLiteral("PE-Xa")));
    loaded.SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column(QStringLiteral("SELECT SortID FROM PIPES")),
             QStringList({ "1", "2", "3", "4" }));
    QCOMPARE(CTempDatabase::Column(
                 QStringLiteral("SELECT D_outside FROM PIPES WHERE PipeType = 'PE-Xa'")),
             QStringList({ "second" }));

    // An empty list leaves an empty table, not a missing one.
    CPipeDatabase empty;
    empty.SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column(QStringLiteral("SELECT count(*) FROM PIPES")),
             QStringList({ "0" }));
}

void TestPipes::loadingQuirks()
{
    CTempDatabase temp;
    CPipeDatabase db;
    // A missing table loads as empty.
    db.InsertPipe(CPipe(QStringLiteral("stale")));
    db.LoadData();
    QVERIFY(db.GetPipes().empty());

    // Columns in another order, NULL cells, a missing column, and an extra one.
    QCOMPARE(CTempDatabase::Exec(QStringLiteral(
                 "CREATE TABLE PIPES (SortID integer PRIMARY KEY, Lamda varchar, Extra varchar, "
                 "PipeType varchar, d_inside varchar, D_outside varchar)")),
             QString());
    QCOMPARE(CTempDatabase::Exec(
                 QStringLiteral("INSERT INTO PIPES (Lamda, PipeType, d_inside, D_outside) VALUES "
                                "('0.35', 'A', NULL, '16'), (NULL, NULL, '12', NULL)")),
             QString());
    db.LoadData();
    db.LoadData(); // a second load replaces, never appends
    QCOMPARE(db.GetPipes().size(), size_t(2));
    const CPipe &a = db.GetPipes()[0];
    QCOMPARE(a.GetName(), QStringLiteral("A"));
    QCOMPARE(a.GetDOutside(), QStringLiteral("16"));
    QVERIFY(a.GetDInside().isEmpty());
    QVERIFY(a.GetRoughness().isEmpty());
    QCOMPARE(a.GetLamda(), QStringLiteral("0.35"));
    QVERIFY(db.GetPipes()[1].GetName().isEmpty());
    QCOMPARE(db.GetPipes()[1].GetDInside(), QStringLiteral("12"));
}

void TestPipes::findInsertDeleteWorkOnFirstMatch()
{
    CPipeDatabase db;
    db.InsertPipe(CPipe(QStringLiteral("A"), QStringLiteral("1")));
    db.InsertPipe(CPipe(QStringLiteral("a"), QStringLiteral("2")));
    db.InsertPipe(CPipe(QStringLiteral("A"), QStringLiteral("3")));
    QCOMPARE(db.FindPipe(QStringLiteral("A"))->GetDOutside(), QStringLiteral("1"));
    QCOMPARE(db.FindPipe(QStringLiteral("a"))->GetDOutside(), QStringLiteral("2"));
    QVERIFY(!db.FindPipe(QStringLiteral("B")));
    db.DeletePipe(CPipe(QStringLiteral("A")));
    QCOMPARE(db.GetPipes().size(), size_t(2));
    QCOMPARE(db.FindPipe(QStringLiteral("A"))->GetDOutside(), QStringLiteral("3"));
    db.DeletePipe(CPipe(QStringLiteral("missing")));
    QCOMPARE(db.GetPipes().size(), size_t(2));
    QVERIFY(CPipe(QStringLiteral("A"), QStringLiteral("x")) == CPipe(QStringLiteral("A")));
    QVERIFY(CPipe(QStringLiteral("A")) < CPipe(QStringLiteral("a")));
    QVERIFY(CPipe(QStringLiteral("a")) > CPipe(QStringLiteral("A")));
}

QTEST_MAIN(TestPipes)
#include "tst_pipes.moc"
