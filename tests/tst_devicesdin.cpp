#include "DevicesDIN/DINRedactorDialog.h"
#include "DevicesDIN/DeviceDINDatabaseTypes.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

using KorvexDeviceDINDatabase::CDeviceDIN;
using KorvexDeviceDINDatabase::CDeviceDINDatabase;
using KorvexTest::CTempDatabase;

class TestDevicesDIN : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        KorvexTest::CModalHelper::StopAll();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }
    void valuesKeepTheirColumnsThroughEditorSaveAndLoad();
};

void TestDevicesDIN::valuesKeepTheirColumnsThroughEditorSaveAndLoad()
{
    // NULL (a value never typed) reads back as empty text, so it shows as empty here too.
    const QString columnsSql = QStringLiteral(
        "SELECT Type || '|' || ifnull(Pressure, '') || '|' || ifnull(ExpenditureCold, '') || '|' "
        "|| ifnull(ExpenditureHot, '') FROM DEVICES_DIN ORDER BY SortID");
    const QStringList expected
        = { "Душ|p 1.0|cold 0.15|hot 0.1", " Ванна |1 | 0,15|", "Only a name|||", "Мойка|P|C|H" };
    CTempDatabase temp;
    CDeviceDINDatabase db;
    db.InsertDeviceDIN(CDeviceDIN("Душ", "cold 0.15", "hot 0.1", "p 1.0"));
    db.InsertDeviceDIN(CDeviceDIN(" Ванна ", " 0,15", "", "1 "));
    db.InsertDeviceDIN(CDeviceDIN("Only a name"));
    db.InsertDeviceDIN(CDeviceDIN("Мойка"));
    KorvexTest::CModalHelper editorHelper;
    editorHelper.Start([](QWidget *editor) {
        editor->findChild<QComboBox *>("m_pComboBox1")->setCurrentIndex(3);
        auto *table = editor->findChild<QTableWidget *>("m_pDataTableWidget");
        const QStringList typed = { "P", "C", "H" }; // under Давление, Расход ХВ, Расход ГВ
        for (int column = 0; column < typed.size(); ++column)
            table->item(0, column)->setText(typed[column]);
        editor->findChild<QPushButton *>("m_pOKBtn")->click();
    });
    db.ShowContent();
    QVERIFY(editorHelper.Done());
    QCOMPARE(CTempDatabase::Column(columnsSql), expected);

    CDeviceDINDatabase loaded;
    loaded.LoadData();
    QStringList shown;
    for (const CDeviceDIN &d : loaded.GetDeviceDINs())
        shown << QStringList { d.GetName(), d.GetPressure(), d.GetExpenditureCold(),
                               d.GetExpenditureHot() }
                     .join('|');
    QCOMPARE(shown, expected);

    CDeviceDINDatabase().SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM DEVICES_DIN"), QStringList { "0" });
    loaded.LoadData();
    QVERIFY(loaded.GetDeviceDINs().empty());
}

QTEST_MAIN(TestDevicesDIN)
#include "tst_devicesdin.moc"
