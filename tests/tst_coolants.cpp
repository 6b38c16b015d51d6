#include "Coolants/CoolantDatabaseTypes.h"
#include "Coolants/CoolantRedactorDialog.h"
#include "EditorProbe.h"
#include "TestSupport.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTableWidget>

using namespace KorvexCoolantDatabase;
using KorvexTest::CTempDatabase;

namespace {

/// Every coolant's name followed by its rows, each as "T c ro viscosity".
QStringList dump(const std::set<CCoolant> &coolants)
{
    QStringList out;
    for (const CCoolant &c : coolants) {
        out << c.GetName();
        for (const CCoolantParams &r : c.GetCoolantParams())
            out << QString::asprintf("%d %.12g %.12g %.12g", r.GetTemp(), r.GetC(), r.GetRo(),
                                     r.GetViscosity());
    }
    return out;
}

} // namespace

class TestCoolants : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void interpolation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("T");
        QTest::addColumn<QString>("expected"); // "T c ro viscosity"

        QTest::newRow("midway") << "pair" << 25.0 << "25 150 15 1.5";
        QTest::newRow("lowest row itself") << "pair" << 20.0 << "20 100 10 1";
        QTest::newRow("fraction truncates T") << "pair" << 20.5 << "20 105 10.5 1.05";
        QTest::newRow("just below highest") << "pair" << 29.9 << "29 199 19.9 1.99";
        QTest::newRow("highest row: outside") << "pair" << 30.0 << "0 0 0 0";
        QTest::newRow("below lowest") << "pair" << 19.9 << "0 0 0 0";
        QTest::newRow("rows 10 apart") << "sparse" << 25.5 << "25 210 21 2.1";
        QTest::newRow("negative truncates to zero") << "frost" << -5.5 << "-5 3422.5 1062.2 6.65";
        QTest::newRow("single row") << "single" << 20.0 << "0 0 0 0";
        QTest::newRow("coolant without rows") << "empty" << 0.5 << "0 0 0 0";
        QTest::newRow("unknown name") << "Вода" << 25.0 << "0 0 0 0";
        QTest::newRow("empty name") << "" << 25.0 << "0 0 0 0";
        QTest::newRow("NaN") << "pair" << qQNaN() << "0 0 0 0";
        QTest::newRow("beyond int") << "pair" << 1e12 << "0 0 0 0";
    }

    void interpolation()
    {
        QFETCH(QString, name);
        QFETCH(double, T);
        QFETCH(QString, expected);

        CCoolantDatabase db;
        for (const CCoolant &c :
             { CCoolant("pair", { { 20, 100, 10, 1 }, { 30, 200, 20, 2 } }),
               CCoolant("sparse", { { 10, 0, 0, 0 }, { 20, 100, 10, 1 }, { 30, 300, 30, 3 } }),
               CCoolant("frost", { { -10, 3400, 1064, 8 }, { 0, 3450, 1060, 5 } }),
               CCoolant("single", { { 20, 100, 10, 1 } }), CCoolant("empty") })
            db.InsertCoolant(c);
        if (name.isEmpty())
            QTest::ignoreMessage(QtDebugMsg,
                                 QRegularExpression("^ERROR: coolant type is empty AT: "
                                                    "Coolants.CoolantDatabaseTypes [0-9]+$"));
        QCOMPARE(dump({ CCoolant("x", { db.DefineCoolantParams(T, name) }) }).value(1), expected);

        QCOMPARE(db.GetPointOrdinate(10, 100, 0, 0, 2.5), db.GetPointOrdinate(0, 0, 10, 100, 2.5));
    }

    void tableRoundTrip()
    {
        CTempDatabase temp;
        CCoolantDatabase db;
        for (const CCoolant &c :
             { CCoolant("Гликоль", { { 20, 3510, 1051, 2.9 }, { -20, 3390, 1068, 12.5 } }),
               CCoolant("Без данных"),
               CCoolant("Вода", { { 50, 4174, 988.1, 0.556 }, { 0, 4212, 999.9, 1.789 } }) })
            db.InsertCoolant(c);
        db.SaveDataToDataBase();
        // Name rows in name order, each followed by its rows in rising temperature.
        QCOMPARE(CTempDatabase::Column("SELECT coalesce(Name, T) FROM COOLANTS ORDER BY SortID"),
                 QStringList({ "Без данных", "Вода", "0", "50", "Гликоль", "-20", "20" }));

        CCoolantDatabase loaded;
        loaded.LoadData();
        QCOMPARE(dump(loaded.GetCoolants()), dump(db.GetCoolants()));
        QCOMPARE(loaded.FindCoolant("Без данных")->GetMinTemp(), 0);
        QCOMPARE(loaded.FindCoolant("Без данных")->GetMaxTemp(), 1);

        // Cells written by hand: T "20.5" reads as 0, and of two rows at 0 °C the first stays.
        CTempDatabase::Exec("DELETE FROM COOLANTS");
        CTempDatabase::Exec(
            "INSERT INTO COOLANTS (SortID, Name, T, C, RO, VZK) VALUES "
            "(1, 'Zeta', NULL, NULL, NULL, NULL), (2, NULL, '20.5', '4182', '998', '1.0'), "
            "(3, NULL, '0', '9', '9', '9'), (4, NULL, '30', 'abc', '1', '')");
        loaded.LoadData();
        QCOMPARE(dump(loaded.GetCoolants()), QStringList({ "Zeta", "0 4182 998 1", "30 0 1 0" }));
    }

    void editorRows()
    {
        // Naming, renaming and deleting coolants are the shared editor tests' business.
        using Rows = std::vector<QStringList>;
        CCoolantRedactorDialog dialog;
        dialog.SetData(
            { CCoolant("Вода", { { 20, 4183, 998.2, 1.006 }, { 50, 4174, 988.1, 0.556 } }),
              CCoolant("Антифриз", { { -20, 3390, 1068, 12.5 } }), CCoolant("Рассол") });
        const KorvexTest::CEditorProbe probe(&dialog);
        KorvexTest::CScriptedPrompts prompts;

        // A new row starts at 0 °C, only once.
        probe.Select(1, "Рассол");
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Click("m_pAddToTable");
        probe.Click("m_pAddToTable");
        QCOMPARE(probe.Rows(), Rows({ { "0", "0.00", "0.00", "0.00" } }));
        QCOMPARE(dump(dialog.GetData()).mid(5), QStringList({ "Рассол", "0 0 0 0" }));
        QCOMPARE(prompts.Texts(), QStringList { "Параметр с температурой 0 уже существует!" });

        // Any cell edit rebuilds the coolant from the shown texts, rounded to 2 decimals.
        probe.Select(1, "Вода");
        probe.Type(0, 1, "4182");
        QCOMPARE(dump(dialog.GetData()).mid(0, 5),
                 QStringList({ "Антифриз", "-20 3390 1068 12.5", "Вода", "20 4182 998.2 1.01",
                               "50 4174 988.1 0.56" }));

        // Deleting a row needs a current one, and asks nothing.
        probe.Click("m_pDelToTable");
        probe.Table()->setCurrentCell(1, 0);
        probe.Click("m_pDelToTable");
        QCOMPARE(probe.Rows(), Rows({ { "20", "4182.00", "998.20", "1.01" } }));
        QCOMPARE(dump(dialog.GetData()).mid(2, 2), QStringList({ "Вода", "20 4182 998.2 1.01" }));
    }
};

QTEST_MAIN(TestCoolants)
#include "tst_coolants.moc"
