#include "Coolants/CoolantDatabaseTypes.h"
#include "TestSupport.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

using namespace KorvexCoolantDatabase;
using KorvexTest::CTempDatabase;

namespace {

std::set<CCoolantParams> rows(std::initializer_list<CCoolantParams> list)
{
    return std::set<CCoolantParams>(list);
}

/// Coolants shaped for the interpolation cases.
void fillInterpolationCoolants(CCoolantDatabase &db)
{
    db.InsertCoolant(
        CCoolant(QStringLiteral("pair"), rows({ { 20, 100, 10, 1 }, { 30, 200, 20, 2 } })));
    db.InsertCoolant(CCoolant(QStringLiteral("sparse"),
                              rows({ { 10, 0, 0, 0 }, { 20, 100, 10, 1 }, { 30, 300, 30, 3 } })));
    db.InsertCoolant(
        CCoolant(QStringLiteral("frost"), rows({ { -10, 3400, 1064, 8 }, { 0, 3450, 1060, 5 } })));
    db.InsertCoolant(CCoolant(QStringLiteral("single"), rows({ { 20, 100, 10, 1 } })));
    db.InsertCoolant(CCoolant(QStringLiteral("empty")));
}

} // namespace

class TestCoolants : public QObject
{
    Q_OBJECT
private slots:
    void interpolation_data();
    void interpolation();
    void emptyNameWritesTheDebugLine();
    void pointOrdinateIgnoresPointOrder();
    void rowsAndCoolantsKeepTheFirstOfAKey();
    void tableRoundTripSortsByNameAndTemperature();
    void loadingQuirks();
};

void TestCoolants::interpolation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("T");
    QTest::addColumn<int>("t");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("ro");
    QTest::addColumn<double>("viscosity");

    QTest::newRow("midway") << "pair" << 25.0 << 25 << 150.0 << 15.0 << 1.5;
    QTest::newRow("lowest row itself") << "pair" << 20.0 << 20 << 100.0 << 10.0 << 1.0;
    QTest::newRow("fraction truncates T") << "pair" << 20.5 << 20 << 105.0 << 10.5 << 1.05;
    QTest::newRow("just below highest") << "pair" << 29.9 << 29 << 199.0 << 19.9 << 1.99;
    QTest::newRow("highest row: outside") << "pair" << 30.0 << 0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("below lowest") << "pair" << 19.9 << 0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("rows 10 apart") << "sparse" << 25.5 << 25 << 210.0 << 21.0 << 2.1;
    QTest::newRow("negative truncates to zero")
        << "frost" << -5.5 << -5 << 3422.5 << 1062.2 << 6.65;
    QTest::newRow("single row answers nothing") << "single" << 20.0 << 0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("coolant without rows") << "empty" << 0.5 << 0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("unknown name") << "Вода" << 25.0 << 0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("name is case-sensitive") << "PAIR" << 25.0 << 0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("NaN") << "pair" << std::numeric_limits<double>::quiet_NaN() << 0 << 0.0 << 0.0
                         << 0.0;
    QTest::newRow("beyond int") << "pair" << 1e12 << 0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("beyond negative int") << "frost" << -1e12 << 0 << 0.0 << 0.0 << 0.0;
}

void TestCoolants::interpolation()
{
    QFETCH(QString, name);
    QFETCH(double, T);
    QFETCH(int, t);
    QFETCH(double, c);
    QFETCH(double, ro);
    QFETCH(double, viscosity);

    CCoolantDatabase db;
    fillInterpolationCoolants(db);
    const CCoolantParams result = db.DefineCoolantParams(T, name);
    QCOMPARE(result.GetTemp(), t);
    QCOMPARE(result.GetC(), c);
    QCOMPARE(result.GetRo(), ro);
    QCOMPARE(result.GetViscosity(), viscosity);
}

void TestCoolants::emptyNameWritesTheDebugLine()
{
    CCoolantDatabase db;
    fillInterpolationCoolants(db);
    QTest::ignoreMessage(
        QtDebugMsg,
        QRegularExpression(QStringLiteral(
            R"(^ERROR: coolant type is empty AT: Coolants\\CoolantDatabaseTypes \d+$)")));
    const CCoolantParams result = db.DefineCoolantParams(25, QString());
    QCOMPARE(result.GetC(), 0.0);
    QCOMPARE(result.GetTemp(), 0);
}

void TestCoolants::pointOrdinateIgnoresPointOrder()
{
    const CCoolantDatabase db;
    QCOMPARE(db.GetPointOrdinate(0, 0, 10, 100, 2.5), 25.0);
    QCOMPARE(db.GetPointOrdinate(10, 100, 0, 0, 2.5), 25.0);
    QCOMPARE(db.GetPointOrdinate(20, 988, 30, 980, 40), 972.0); // a line, not a clamp
}

void TestCoolants::rowsAndCoolantsKeepTheFirstOfAKey()
{
    CCoolant water(QStringLiteral("Вода"));
    QCOMPARE(water.GetMinTemp(), 0);
    QCOMPARE(water.GetMaxTemp(), 1);

    water.InsertCoolantParams({ 50, 4174, 988.1, 0.556 });
    water.InsertCoolantParams({ 50, 1, 1, 1 }); // same temperature: ignored
    water.InsertCoolantParams({ -10, 4220, 999, 1.8 });
    QCOMPARE(water.GetCoolantParams().size(), size_t(2));
    QCOMPARE(water.GetMinTemp(), -10);
    QCOMPARE(water.GetMaxTemp(), 50);
    QVERIFY(water.FindCoolantParams(50));
    QCOMPARE(water.FindCoolantParams(50)->GetC(), 4174.0);
    QVERIFY(!water.FindCoolantParams(40));

    water.DeleteCoolantParams({ 50, 0, 0, 0 }); // only the temperature counts
    QVERIFY(!water.FindCoolantParams(50));
    water.DeleteCoolantParams({ 77, 0, 0, 0 });
    QCOMPARE(water.GetCoolantParams().size(), size_t(1));

    CCoolantDatabase db;
    db.InsertCoolant(water);
    db.InsertCoolant(CCoolant(QStringLiteral("Вода"))); // same name: the rows stay
    QCOMPARE(db.GetCoolants().size(), size_t(1));
    QCOMPARE(db.FindCoolant(QStringLiteral("Вода"))->GetCoolantParams().size(), size_t(1));
    QVERIFY(!db.FindCoolant(QStringLiteral("вода")));
    db.DeleteCoolant(CCoolant(QStringLiteral("Вода")));
    QVERIFY(db.GetCoolants().empty());
}

void TestCoolants::tableRoundTripSortsByNameAndTemperature()
{
    CTempDatabase temp;
    CCoolantDatabase db;
    db.InsertCoolant(CCoolant(QStringLiteral("Этиленгликоль 40 %"),
                              rows({ { 20, 3510, 1051, 2.9 }, { -20, 3390, 1068, 12.5 } })));
    db.InsertCoolant(CCoolant(QStringLiteral("Без данных")));
    db.InsertCoolant(CCoolant(QStringLiteral("Вода"),
                              rows({ { 50, 4174, 988.1, 0.556 },
                                     { 0, 4212, 999.9, 1.789 },
                                     { 100, 4220, 958.4, 0.295 } })));
    db.SaveDataToDataBase();

    // Name rows in name order, each followed by its rows in rising temperature.
    QCOMPARE(
        CTempDatabase::Column(
            QStringLiteral("SELECT coalesce(Name, T) FROM COOLANTS ORDER BY SortID")),
        QStringList({ "Без данных", "Вода", "0", "50", "100", "Этиленгликоль 40 %", "-20", "20" }));
    // Numbers are bound as numbers and land as text; name rows leave them NULL.
    QCOMPARE(
        CTempDatabase::Column(QStringLiteral(
            "SELECT typeof(T) || ' ' || typeof(VZK) || ' ' || coalesce(VZK, '-') FROM COOLANTS "
            "WHERE SortID IN (1, 4)")),
        QStringList({ "null null -", "text text 0.556" }));

    CCoolantDatabase loaded;
    loaded.LoadData();
    QCOMPARE(loaded.GetCoolants().size(), db.GetCoolants().size());
    auto expected = db.GetCoolants().begin();
    for (const CCoolant &coolant : loaded.GetCoolants()) {
        QCOMPARE(coolant.GetName(), expected->GetName());
        QCOMPARE(coolant.GetCoolantParams().size(), expected->GetCoolantParams().size());
        auto row = expected->GetCoolantParams().begin();
        for (const CCoolantParams &read : coolant.GetCoolantParams()) {
            QCOMPARE(read.GetTemp(), row->GetTemp());
            QCOMPARE(read.GetC(), row->GetC());
            QCOMPARE(read.GetRo(), row->GetRo());
            QCOMPARE(read.GetViscosity(), row->GetViscosity());
            ++row;
        }
        ++expected;
    }
    const CCoolant *noRows = loaded.FindCoolant(QStringLiteral("Без данных"));
    QVERIFY(noRows);
    QCOMPARE(noRows->GetMinTemp(), 0);
    QCOMPARE(noRows->GetMaxTemp(), 1);

    // An empty database leaves an empty table behind.
    CCoolantDatabase().SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column(QStringLiteral("SELECT count(*) FROM COOLANTS")),
             QStringList({ "0" }));
}

void TestCoolants::loadingQuirks()
{
    CTempDatabase temp;
    CCoolantDatabase db;
    db.InsertCoolant(CCoolant(QStringLiteral("stale")));
    db.LoadData(); // no table at all
    QVERIFY(db.GetCoolants().empty());

    QCOMPARE(CTempDatabase::Exec(
                 QStringLiteral("CREATE TABLE COOLANTS (SortID integer PRIMARY KEY, Name varchar, "
                                "T varchar, C varchar, RO varchar, VZK varchar)")),
             QString());
    QCOMPARE(CTempDatabase::Exec(QStringLiteral(
                 "INSERT INTO COOLANTS (Name, T, C, RO, VZK) VALUES "
                 "(NULL, '5', '1', '1', '1')," // before any name: dropped
                 "('Zeta', NULL, NULL, NULL, NULL),"
                 "(NULL, '20.5', '4182', '998', '1.0')," // T 20.5 reads as 0
                 "(NULL, '30', 'abc', '995.7', '')," // unparsable numbers read as 0
                 "(NULL, '0', '9', '9', '9')," // second row at 0 °C: dropped
                 "('Alpha', NULL, NULL, NULL, NULL),"
                 "('Zeta', NULL, NULL, NULL, NULL)," // second Zeta: lost with its row
                 "(NULL, '40', '1', '1', '1'),"
                 "(' Zeta', NULL, NULL, NULL, NULL)")), // names are not trimmed
             QString());
    db.LoadData();
    QCOMPARE(db.GetCoolants().size(), size_t(3));
    const CCoolant *zeta = db.FindCoolant(QStringLiteral("Zeta"));
    QVERIFY(zeta);
    QCOMPARE(zeta->GetCoolantParams().size(), size_t(2));
    QCOMPARE(zeta->GetMinTemp(), 0);
    QCOMPARE(zeta->FindCoolantParams(0)->GetC(), 4182.0);
    QCOMPARE(zeta->FindCoolantParams(30)->GetC(), 0.0);
    QCOMPARE(zeta->FindCoolantParams(30)->GetViscosity(), 0.0);
    QVERIFY(!zeta->FindCoolantParams(40));
    QVERIFY(db.FindCoolant(QStringLiteral("Alpha"))->GetCoolantParams().empty());
    QVERIFY(db.FindCoolant(QStringLiteral(" Zeta")));

    // A second load replaces the content.
    CTempDatabase::Exec(
        QStringLiteral("DELETE FROM COOLANTS WHERE Name <> 'Alpha' OR Name IS NULL"));
    db.LoadData();
    QCOMPARE(db.GetCoolants().size(), size_t(1));
}

QTEST_MAIN(TestCoolants)
#include "tst_coolants.moc"
