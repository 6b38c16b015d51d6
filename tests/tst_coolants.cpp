#include "Coolants/CoolantDatabaseTypes.h"
#include "Coolants/CoolantRedactorDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

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

/// The coolant editor on a working copy, reached through its widgets by object name.
struct CEditor
{
    CEditor(const std::set<CCoolant> &coolants)
    {
        dialog.SetData(coolants);
        dialog.show();
    }
    template<class W> W *Widget(const char *name)
    {
        return dialog.findChild<W *>(QLatin1String(name));
    }
    QComboBox *List() { return Widget<QComboBox>("m_pComboBox1"); }
    QTableWidget *Table() { return Widget<QTableWidget>("m_pDataTableWidget"); }
    void Click(const char *button) { Widget<QPushButton>(button)->click(); }
    QStringList Items()
    {
        QStringList items;
        for (int i = 0; i < List()->count(); ++i)
            items << List()->itemText(i);
        return items;
    }
    /// Every table row, its cells joined by blanks.
    QStringList Rows()
    {
        QStringList rows;
        for (int r = 0; r < Table()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < Table()->columnCount(); ++c)
                cells << Table()->item(r, c)->text();
            rows << cells.join(QLatin1Char(' '));
        }
        return rows;
    }
    /// The rows of coolant \a name in the working copy, as the table would show them.
    QStringList Data(const QString &name)
    {
        QStringList rows;
        for (const CCoolantParams &row : dialog.GetData().find(CCoolant(name))->GetCoolantParams())
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(row.GetTemp())
                        .arg(row.GetC(), 0, 'g', 10)
                        .arg(row.GetRo(), 0, 'g', 10)
                        .arg(row.GetViscosity(), 0, 'g', 10);
        return rows;
    }

    CCoolantRedactorDialog dialog;
};

std::set<CCoolant> editorCoolants()
{
    return { CCoolant(QStringLiteral("Вода"),
                      rows({ { 20, 4183, 998.2, 1.006 }, { 50, 4174, 988.1, 0.556 } })),
             CCoolant(QStringLiteral("Антифриз"), rows({ { -20, 3390, 1068, 12.5 } })) };
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
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void editorShowsRowsWithTwoDecimals();
    void editorCellEditRebuildsTheCoolantFromTheTable();
    void editorAddsRowsAtZeroDegreesOnce();
    void editorDeletesTheCurrentRow();
    void editorRenameKeepsRowsAndPlace();
    void editorDeletingTheLastCoolantLeavesItEmpty();
    void editorRealInputBoxAddsACoolant();
    void showContentSavesOnlyWhenAccepted();
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

void TestCoolants::editorShowsRowsWithTwoDecimals()
{
    CEditor editor(editorCoolants());
    QCOMPARE(editor.Items(), QStringList({ "Антифриз", "Вода" })); // set order
    QCOMPARE(editor.Rows(), QStringList({ "-20 3390.00 1068.00 12.50" }));
    editor.List()->setCurrentIndex(1);
    QCOMPARE(editor.Rows(), QStringList({ "20 4183.00 998.20 1.01", "50 4174.00 988.10 0.56" }));
    QCOMPARE(editor.Table()->horizontalHeaderItem(0)->text(), QStringLiteral("Температура, ºС"));
    QCOMPARE(editor.Table()->horizontalHeaderItem(3)->text(),
             QStringLiteral("Вязкость, м2/с  * 10^6 (кинематическая)"));
}

void TestCoolants::editorCellEditRebuildsTheCoolantFromTheTable()
{
    CEditor editor(editorCoolants());
    editor.List()->setCurrentIndex(1);

    // Any edit stores every shown text: the other values lose their third decimal.
    editor.Table()->item(0, 1)->setText(QStringLiteral("4182"));
    QCOMPARE(editor.Data(QStringLiteral("Вода")),
             QStringList({ "20 4182 998.2 1.01", "50 4174 988.1 0.56" }));

    // A temperature that is no whole number reads as 0.
    editor.Table()->item(1, 0)->setText(QStringLiteral("20.5"));
    QCOMPARE(editor.Data(QStringLiteral("Вода")),
             QStringList({ "0 4174 988.1 0.56", "20 4182 998.2 1.01" }));

    // Two rows of one temperature: the coolant keeps the first, the table shows both
    // until the coolant is selected again.
    editor.Table()->item(1, 0)->setText(QStringLiteral("20"));
    QCOMPARE(editor.Data(QStringLiteral("Вода")), QStringList({ "20 4182 998.2 1.01" }));
    QCOMPARE(editor.Table()->rowCount(), 2);
    editor.List()->setCurrentIndex(0);
    editor.List()->setCurrentIndex(1);
    QCOMPARE(editor.Rows(), QStringList({ "20 4182.00 998.20 1.01" }));
}

void TestCoolants::editorAddsRowsAtZeroDegreesOnce()
{
    KorvexTest::CScriptedPrompts prompts;
    CEditor editor(editorCoolants());
    editor.List()->setCurrentIndex(1);
    editor.Click("m_pAddToTable");
    QCOMPARE(
        editor.Rows(),
        QStringList({ "0 0.00 0.00 0.00", "20 4183.00 998.20 1.01", "50 4174.00 988.10 0.56" }));
    QCOMPARE(editor.Data(QStringLiteral("Вода")).first(), QStringLiteral("0 0 0 0"));

    prompts.AnswerButton(QMessageBox::Ok);
    editor.Click("m_pAddToTable");
    QCOMPARE(prompts.Requests().size(), size_t(1));
    QCOMPARE(prompts.Requests()[0].kind, KorvexCore::PromptKind::Information);
    QCOMPARE(prompts.Requests()[0].title, QStringLiteral("Редактор базы данных"));
    QCOMPARE(prompts.Requests()[0].text,
             QStringLiteral("Параметр с температурой 0 уже существует!"));
    QCOMPARE(editor.Table()->rowCount(), 3);

    // Typing the real temperature over the new row frees 0 °C for the next one.
    editor.Table()->item(0, 0)->setText(QStringLiteral("35"));
    editor.Click("m_pAddToTable");
    QCOMPARE(editor.Data(QStringLiteral("Вода")).size(), 4);
    QCOMPARE(prompts.Requests().size(), size_t(1));
}

void TestCoolants::editorDeletesTheCurrentRow()
{
    CEditor editor(editorCoolants());
    editor.List()->setCurrentIndex(1);
    editor.Click("m_pDelToTable"); // no current row: nothing
    QCOMPARE(editor.Table()->rowCount(), 2);

    editor.Table()->setCurrentCell(1, 2);
    editor.Click("m_pDelToTable"); // no confirmation asked
    QCOMPARE(editor.Rows(), QStringList({ "20 4183.00 998.20 1.01" }));
    QCOMPARE(editor.Data(QStringLiteral("Вода")), QStringList({ "20 4183 998.2 1.006" }));
}

void TestCoolants::editorRenameKeepsRowsAndPlace()
{
    KorvexTest::CScriptedPrompts prompts;
    CEditor editor(editorCoolants());
    prompts.AnswerText(QStringLiteral("Я-гликоль"));
    editor.Click("m_pMod1");
    QCOMPARE(prompts.Requests()[0].title, QStringLiteral("Изменение телоносителя"));
    QCOMPARE(prompts.Requests()[0].initialText, QStringLiteral("Антифриз"));
    QCOMPARE(editor.Items(), QStringList({ "Я-гликоль", "Вода" }));
    QCOMPARE(editor.Data(QStringLiteral("Я-гликоль")), QStringList({ "-20 3390 1068 12.5" }));
    QVERIFY(!editor.dialog.GetData().count(CCoolant(QStringLiteral("Антифриз"))));
    QCOMPARE(editor.Rows(), QStringList({ "-20 3390.00 1068.00 12.50" }));

    // Renaming onto an existing coolant is refused.
    prompts.AnswerText(QStringLiteral("Вода"));
    prompts.AnswerButton(QMessageBox::Ok);
    editor.Click("m_pMod1");
    QCOMPARE(prompts.Requests()[2].text,
             QStringLiteral("Категория с таким именем уже существует!"));
    QCOMPARE(editor.dialog.GetData().size(), size_t(2));

    // Handed over again, the list is sorted by name.
    const std::set<CCoolant> renamed = editor.dialog.GetData();
    editor.dialog.SetData(renamed);
    QCOMPARE(editor.Items(), QStringList({ "Вода", "Я-гликоль" }));
}

void TestCoolants::editorDeletingTheLastCoolantLeavesItEmpty()
{
    KorvexTest::CScriptedPrompts prompts;
    CEditor editor({ CCoolant(QStringLiteral("Вода"), rows({ { 20, 4183, 998.2, 1.006 } })) });
    prompts.AnswerButton(QMessageBox::No);
    editor.Click("m_pDel1");
    QCOMPARE(editor.Items(), QStringList({ "Вода" }));

    prompts.AnswerButton(QMessageBox::Yes);
    editor.Click("m_pDel1");
    QCOMPARE(prompts.Requests()[1].text, QStringLiteral("Подтверждаете удаление категории?"));
    QVERIFY(editor.Items().isEmpty());
    QCOMPARE(editor.Table()->rowCount(), 0);
    QVERIFY(editor.dialog.GetData().empty());

    // With no coolant, a new row has nowhere to go.
    prompts.AnswerButton(QMessageBox::Ok);
    editor.Click("m_pAddToTable");
    QCOMPARE(prompts.Requests()[2].text, QStringLiteral("Не удалось найти категорию !"));

    prompts.AnswerText(QStringLiteral("Рассол"));
    editor.Click("m_pAdd1");
    QCOMPARE(prompts.Requests()[3].title, QStringLiteral("Добавление нового теплоносителя"));
    QCOMPARE(editor.Items(), QStringList({ "Рассол" }));
    editor.Click("m_pAddToTable");
    QCOMPARE(editor.Rows(), QStringList({ "0 0.00 0.00 0.00" }));
    QCOMPARE(prompts.Pending(), 0);
}

void TestCoolants::editorRealInputBoxAddsACoolant()
{
    CEditor editor(editorCoolants());
    KorvexTest::CModalAnswer seen;
    KorvexTest::AnswerNextModal(&seen, QMessageBox::Ok, QStringLiteral("Гликоль"));
    editor.Click("m_pAdd1");
    QCOMPARE(seen.title, QStringLiteral("Добавление нового теплоносителя"));
    QCOMPARE(seen.text, QStringLiteral("Введите имя:"));
    QCOMPARE(editor.List()->currentText(), QStringLiteral("Гликоль"));
    QCOMPARE(editor.Table()->rowCount(), 0);

    KorvexTest::AnswerNextModal(&seen, QMessageBox::Ok);
    editor.Click("m_pAddToTable");
    editor.Click("m_pAddToTable");
    QCOMPARE(seen.title, QStringLiteral("Редактор базы данных"));
    QCOMPARE(seen.text, QStringLiteral("Параметр с температурой 0 уже существует!"));

    editor.Table()->setCurrentCell(0, 0);
    KorvexTest::SaveScreenshot(&editor.dialog, QStringLiteral("coolant_editor_new"));
    editor.List()->setCurrentIndex(editor.List()->findText(QStringLiteral("Вода")));
    editor.dialog.resize(816, 407);
    KorvexTest::SaveScreenshot(&editor.dialog, QStringLiteral("coolant_editor"));
}

void TestCoolants::showContentSavesOnlyWhenAccepted()
{
    CTempDatabase temp;
    CCoolantDatabase db;
    for (const CCoolant &coolant : editorCoolants())
        db.InsertCoolant(coolant);
    db.SaveDataToDataBase();

    for (const bool accept : { false, true }) {
        QString title;
        KorvexTest::OnNextModal([&](QWidget *modal) {
            title = modal->windowTitle();
            auto *editor = qobject_cast<CCoolantRedactorDialog *>(modal);
            QVERIFY(editor);
            editor->findChild<QTableWidget *>(QStringLiteral("m_pDataTableWidget"))
                ->item(0, 1)
                ->setText(QStringLiteral("3400"));
            editor->findChild<QPushButton *>(QLatin1String(accept ? "m_pOKBtn" : "m_pCancelBtn"))
                ->click();
        });
        db.ShowContent();
        QCOMPARE(title, QStringLiteral("Диалоговое окно редактирования базы \"Теплоносители\""));
        const double expected = accept ? 3400 : 3390;
        QCOMPARE(db.FindCoolant(QStringLiteral("Антифриз"))->FindCoolantParams(-20)->GetC(),
                 expected);
        CCoolantDatabase loaded;
        loaded.LoadData();
        QCOMPARE(loaded.FindCoolant(QStringLiteral("Антифриз"))->FindCoolantParams(-20)->GetC(),
                 expected);
    }
}

QTEST_MAIN(TestCoolants)
#include "tst_coolants.moc"
