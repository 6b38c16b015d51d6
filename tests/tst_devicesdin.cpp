#include "DevicesDIN/DINRedactorDialog.h"
#include "DevicesDIN/DeviceDINDatabaseTypes.h"
#include "TestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>

using KorvexDeviceDINDatabase::CDeviceDIN;
using KorvexDeviceDINDatabase::CDeviceDINDatabase;
using KorvexTest::CTempDatabase;

namespace {
/// Name, pressure, cold flow, hot flow: the order in which the editor shows them.
QStringList Shown(const CDeviceDIN &d)
{
    return { d.GetName(), d.GetPressure(), d.GetExpenditureCold(), d.GetExpenditureHot() };
}
// NULL (a value never typed) reads back as empty text, so it shows as empty here too.
const QString columnsSql = QStringLiteral(
    "SELECT Type || '|' || ifnull(Pressure, '') || '|' || ifnull(ExpenditureCold, '') || '|' "
    "|| ifnull(ExpenditureHot, '') FROM DEVICES_DIN ORDER BY SortID");
} // namespace

class TestDevicesDIN : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void roundTripKeepsEachValueInItsColumn();
    void editorValuesReachTheirColumns();
};

void TestDevicesDIN::roundTripKeepsEachValueInItsColumn()
{
    CTempDatabase temp;
    CDeviceDINDatabase db;
    QCOMPARE(db.GetType(), 17);
    QCOMPARE(db.GetName(), QStringLiteral("Приборы_по_DIN"));
    db.InsertDeviceDIN(CDeviceDIN("Душ", "cold 0.15", "hot 0.1", "p 1.0"));
    db.InsertDeviceDIN(CDeviceDIN(" Ванна ", " 0,15", "", "1 "));
    db.InsertDeviceDIN(CDeviceDIN("Only a name"));
    db.SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column(columnsSql),
             QStringList({ "Душ|p 1.0|cold 0.15|hot 0.1", " Ванна |1 | 0,15|", "Only a name|||" }));

    CDeviceDINDatabase loaded;
    loaded.LoadData();
    QCOMPARE(loaded.GetDeviceDINs().size(), size_t(3));
    QCOMPARE(Shown(loaded.GetDeviceDINs()[0]),
             QStringList({ "Душ", "p 1.0", "cold 0.15", "hot 0.1" }));
    QCOMPARE(Shown(loaded.GetDeviceDINs()[1]), QStringList({ " Ванна ", "1 ", " 0,15", "" }));

    CDeviceDINDatabase empty;
    empty.SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM DEVICES_DIN"), QStringList { "0" });
    loaded.LoadData();
    QVERIFY(loaded.GetDeviceDINs().empty());
}

void TestDevicesDIN::editorValuesReachTheirColumns()
{
    CTempDatabase temp;
    CDeviceDINDatabase db;
    db.InsertDeviceDIN(CDeviceDIN("Мойка"));
    KorvexTest::OnNextModal([](QWidget *editor) {
        auto *table = editor->findChild<QTableWidget *>("m_pDataTableWidget");
        const QStringList typed = { "P", "C", "H" }; // under Давление, Расход ХВ, Расход ГВ
        for (int column = 0; column < typed.size(); ++column)
            table->item(0, column)->setText(typed[column]);
        editor->findChild<QPushButton *>("m_pOKBtn")->click();
    });
    db.ShowContent();
    QCOMPARE(CTempDatabase::Column(columnsSql), QStringList { "Мойка|P|C|H" });

    CDeviceDINDatabase loaded;
    loaded.LoadData();
    QCOMPARE(Shown(loaded.GetDeviceDINs().at(0)), QStringList({ "Мойка", "P", "C", "H" }));
}

QTEST_MAIN(TestDevicesDIN)
#include "tst_devicesdin.moc"
