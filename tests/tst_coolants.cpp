#include "Coolants/CoolantDatabaseTypes.h"
#include "Coolants/CoolantRedactorDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
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

std::set<CCoolant> editorCoolants()
{
    return { CCoolant("Вода", { { 20, 4183, 998.2, 1.006 }, { 50, 4174, 988.1, 0.556 } }),
             CCoolant("Антифриз", { { -20, 3390, 1068, 12.5 } }) };
}

/// The coolant editor on a working copy, reached through its widgets by object name.
struct CEditor : CCoolantRedactorDialog
{
    CEditor() { SetData(editorCoolants()); }
    template<class W> W *Get(const char *name) { return findChild<W *>(name); }
    void Click(const char *button) { Get<QPushButton>(button)->click(); }
    QComboBox *List() { return Get<QComboBox>("m_pComboBox1"); }
};

} // namespace

class TestCoolants : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        KorvexTest::CModalHelper::StopAll();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

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

    void editor()
    {
        CEditor editor;
        editor.show();
        KorvexTest::CModalHelper input; // one real modal: the input box of a new coolant
        input.StartAnswer(QMessageBox::Ok, "Гликоль");
        editor.Click("m_pAdd1");
        QVERIFY(input.Done());
        QCOMPARE(input.Seen().title, QStringLiteral("Добавление нового теплоносителя"));
        QCOMPARE(editor.List()->currentText(), QStringLiteral("Гликоль"));
        editor.List()->setCurrentIndex(editor.List()->findText("Вода"));
        editor.resize(816, 407);
        KorvexTest::SaveScreenshot(&editor, "coolant_editor");

        KorvexTest::CScriptedPrompts prompts; // from here on through the prompt seam

        prompts.AnswerText("Рассол"); // add
        prompts.AnswerText("Вода"); // add a name that exists
        prompts.AnswerButton(QMessageBox::Ok);
        editor.Click("m_pAdd1");
        editor.Click("m_pAdd1");

        prompts.AnswerButton(QMessageBox::Ok); // a new row starts at 0 °C, only once
        editor.Click("m_pAddToTable");
        editor.Click("m_pAddToTable");

        prompts.AnswerText("Я-рассол");
        editor.Click("m_pMod1");
        QCOMPARE(dump(editor.GetData()).mid(6), QStringList({ "Я-рассол", "0 0 0 0" }));

        prompts.AnswerButton(QMessageBox::No); // a deleting No shows in the last check
        prompts.AnswerButton(QMessageBox::Yes);
        editor.Click("m_pDel1");
        editor.Click("m_pDel1");
        QCOMPARE(prompts.Texts(),
                 QStringList(
                     { "Введите имя:", "Введите имя:", "Категория с таким именем уже существует!",
                       "Параметр с температурой 0 уже существует!", "Введите имя:",
                       "Подтверждаете удаление категории?", "Подтверждаете удаление категории?" }));

        // Any cell edit rebuilds the coolant from the shown texts, rounded to 2 decimals.
        editor.List()->setCurrentIndex(editor.List()->findText("Вода"));
        editor.Get<QTableWidget>("m_pDataTableWidget")->item(0, 1)->setText("4182");
        QCOMPARE(dump(editor.GetData()),
                 QStringList({ "Антифриз", "-20 3390 1068 12.5", "Вода", "20 4182 998.2 1.01",
                               "50 4174 988.1 0.56", "Гликоль" }));
    }

    void showContentSavesOnlyWhenAccepted()
    {
        CTempDatabase temp;
        CCoolantDatabase db;
        for (const CCoolant &c : editorCoolants())
            db.InsertCoolant(c);
        db.SaveDataToDataBase();
        for (const bool accept : { false, true }) {
            KorvexTest::CModalHelper editorHelper;
            editorHelper.Start([&](QWidget *modal) {
                modal->findChild<QTableWidget *>("m_pDataTableWidget")->item(0, 1)->setText("3400");
                modal->findChild<QPushButton *>(accept ? "m_pOKBtn" : "m_pCancelBtn")->click();
            });
            db.ShowContent();
            QVERIFY(editorHelper.Done());
            CCoolantDatabase loaded;
            loaded.LoadData();
            QCOMPARE(dump(loaded.GetCoolants()), dump(db.GetCoolants()));
            QCOMPARE(dump(db.GetCoolants()).value(1),
                     accept ? "-20 3400 1068 12.5" : "-20 3390 1068 12.5");
        }
    }
};

QTEST_MAIN(TestCoolants)
#include "tst_coolants.moc"
