#include "EditorProbe.h"
#include "Materials/LayerDialog.h"
#include "Materials/MaterialDatabaseTypes.h"
#include "Materials/MaterialRedactorDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDomDocument>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>

using namespace KorvexMaterialDatabase;
using KorvexTest::CEditorProbe;
using KorvexTest::CModalHelper;
using KorvexTest::CTempDatabase;
using Rows = std::vector<QStringList>;

namespace {

const char *const kCreate = "CREATE TABLE MATERIALS (SortID integer PRIMARY KEY, MaterialGroup "
                            "varchar, MaterialName varchar, K1 varchar, K2 varchar)";

/// Rows of "MATERIALS" as "group|name|K1|K2", NULL written as NULL.
void seed(const QStringList &rows)
{
    QVERIFY(CTempDatabase::Exec(kCreate).isEmpty());
    for (const QString &row : rows) {
        QStringList cells = row.split('|');
        for (QString &cell : cells)
            cell = cell == "NULL" ? cell : '\'' + cell + '\'';
        QCOMPARE(CTempDatabase::Exec("INSERT INTO MATERIALS (MaterialGroup, MaterialName, K1, K2) "
                                     "VALUES("
                                     + cells.join(',') + ')'),
                 QString());
    }
}

/// A group per entry: "group|name;D;L|…".
QStringList dump(const std::vector<CMaterialGroup> &groups)
{
    QStringList out;
    for (const CMaterialGroup &group : groups) {
        QString line = group.GetName();
        for (const CMaterial &m : group.GetMaterials())
            line += '|' + m.GetName() + ';' + m.GetD() + ';' + m.GetL();
        out << line;
    }
    return out;
}

QStringList tableRows()
{
    return CTempDatabase::Column("SELECT quote(MaterialGroup) || '|' || quote(MaterialName) || '|' "
                                 "|| quote(K1) || '|' || quote(K2) FROM MATERIALS ORDER BY SortID");
}

/// Walls with four materials (one λ with a decimal comma), a roof, and an empty group.
void fillSample(CMaterialDatabase &db)
{
    CMaterialGroup walls("Стены");
    for (const CMaterial &m :
         { CMaterial("Кирпич 1800", "1800", "0.7"), CMaterial("Пенопласт 25", "25", "0.04"),
           CMaterial("Плита 500", "500", "0.5"), CMaterial("Вата", "", "0,045") })
        walls.InsertMaterial(m);
    db.InsertMaterialGroup(walls);
    CMaterialGroup roof("Кровля");
    roof.InsertMaterial(CMaterial("Рубероид 600", "600", "0.17"));
    db.InsertMaterialGroup(roof);
    db.InsertMaterialGroup(CMaterialGroup("Пустая"));
}

QStringList items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

class TestMaterials : public QObject
{
    Q_OBJECT

    /// Runs the layer dialog of \a db, letting \a act work on it; returns what exec gave.
    bool runLayerDialog(const CMaterialDatabase &db, const QString &group, const QString &material,
                        double thickness, double limit, std::function<void(QWidget *)> act)
    {
        CModalHelper helper;
        helper.Start(std::move(act));
        const bool accepted = db.ShowUserDialog(group, material, thickness, limit);
        QTest::qVerify(helper.Done(), "helper.Done()", "no layer dialog", __FILE__, __LINE__);
        return accepted;
    }

private slots:
    void cleanup()
    {
        CModalHelper::StopAll();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void displayNameCarriesTheWeight_data();
    void displayNameCarriesTheWeight();
    void loadTrimsMergesAndDropsDuplicates();
    void roundTripKeepsGroupsMaterialsAndOrder();
    void layerDialogFiltersByLambda_data();
    void layerDialogFiltersByLambda();
    void layerDialogPreselectsAndReturns_data();
    void layerDialogPreselectsAndReturns();
    void layerResistance_data();
    void layerResistance();
    void showLayersListsEveryLayer();
    void layerXmlRoundTrip();
    void editorFlows();
    void editorSavesThroughRealModals();
};

void TestMaterials::displayNameCarriesTheWeight_data()
{
    // MaterialName, K1; D set in memory (empty: unchanged); the display name; MaterialName
    // and K1 saved back; the display name loaded again.
    QTest::addColumn<QStringList>("c");
    const auto row = [](const char *tag, const QStringList &c) { QTest::newRow(tag) << c; };
    row("weight added, taken off",
        { "Brick", "1800", "", "Brick 1800", "'Brick'|'1800'", "Brick 1800" });
    row("weight in the stored name",
        { "Brick 1800", "1800", "", "Brick 1800 1800", "'Brick 1800'|'1800'", "Brick 1800 1800" });
    row("weight changed in memory",
        { "Brick", "1800", "1700", "Brick 1800", "'Brick 1800'|'1700'", "Brick 1800 1700" });
    row("no weight", { "Brick", "", "", "Brick", "'Brick'|''", "Brick" });
    row("blanks trimmed",
        { "  Кирпич  ", " 1800 ", "", "Кирпич 1800", "'Кирпич'|'1800'", "Кирпич 1800" });
}

void TestMaterials::displayNameCarriesTheWeight()
{
    QFETCH(QStringList, c);
    CTempDatabase temp;
    seed({ "Стены|NULL|NULL|NULL", "NULL|" + c[0] + '|' + c[1] + "|0.7" });
    CMaterialDatabase db;
    db.LoadData();
    CMaterial *material = db.FindMaterialGroup("Стены")->FindMaterial(c[3]);
    QVERIFY2(material, qPrintable(dump(db.GetMaterialsGroups()).join(' ')));
    if (!c[2].isEmpty())
        material->SetD(c[2]);
    db.SaveDataToDataBase();
    QVERIFY(!db.GetLastError().IsValid());
    QCOMPARE(CTempDatabase::Column("SELECT quote(MaterialName) || '|' || quote(K1) FROM MATERIALS "
                                   "WHERE SortID = 2"),
             QStringList { c[4] });
    db.LoadData();
    QCOMPARE(db.GetMaterialsGroups().at(0).GetMaterials().at(0).GetName(), c[5]);
}

void TestMaterials::loadTrimsMergesAndDropsDuplicates()
{
    CTempDatabase temp;
    seed({ "NULL|Сирота|1|1", // before any group: skipped
           "  Стены |NULL|NULL|NULL", "NULL| Кирпич | 1800|0.7 ",
           "Стены|Бетон|2400|1.5", // a group cell beside a name: a material row
           "Кровля|||", "NULL|Рубероид||0.17",
           "NULL|Рубероид|NULL|0.2", // the same name without a weight: dropped
           "Стены|NULL|NULL|NULL", // back to the first group
           "NULL|Кирпич|1800|0.8", // dropped
           "NULL|Кирпич|1700|0.6" });
    const QRegularExpression line(
        R"(^ERROR loading MaterialDatabase Materials\\MaterialDatabaseTypes \d+$)");
    QTest::ignoreMessage(QtDebugMsg, line);
    QTest::ignoreMessage(QtDebugMsg, line);
    CMaterialDatabase db;
    db.LoadData();
    QCOMPARE(dump(db.GetMaterialsGroups()),
             QStringList({ "Стены|Кирпич 1800;1800;0.7|Бетон 2400;2400;1.5|Кирпич 1700;1700;0.6",
                           "Кровля|Рубероид;;0.17" }));
    QVERIFY(!db.GetLastError().IsValid());
}

void TestMaterials::roundTripKeepsGroupsMaterialsAndOrder()
{
    CTempDatabase temp;
    CMaterialDatabase db;
    QCOMPARE(db.GetType(), 12);
    QCOMPARE(db.GetName(), QStringLiteral("Материалы"));
    fillSample(db);
    db.SaveDataToDataBase();
    QCOMPARE(tableRows(),
             QStringList({ "'Стены'|NULL|NULL|NULL", "NULL|'Кирпич'|'1800'|'0.7'",
                           "NULL|'Пенопласт'|'25'|'0.04'", "NULL|'Плита'|'500'|'0.5'",
                           "NULL|'Вата'|''|'0,045'", "'Кровля'|NULL|NULL|NULL",
                           "NULL|'Рубероид'|'600'|'0.17'", "'Пустая'|NULL|NULL|NULL" }));
    CMaterialDatabase loaded;
    loaded.LoadData();
    QCOMPARE(dump(loaded.GetMaterialsGroups()), dump(db.GetMaterialsGroups()));

    CMaterialDatabase().SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM MATERIALS"), QStringList { "0" });
    loaded.LoadData();
    QVERIFY(loaded.GetMaterialsGroups().empty());
}

void TestMaterials::layerDialogFiltersByLambda_data()
{
    QTest::addColumn<double>("limit");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("comment");
    QTest::newRow("no limit") << -1.0
                              << QStringList { "Кирпич 1800 (λ = 0.7)", "Пенопласт 25 (λ = 0.04)",
                                               "Плита 500 (λ = 0.5)", "Вата (λ = 0,045)" }
                              << "";
    // 0.5 itself is not below 0.5; "0,045" is no number and counts as 0.
    QTest::newRow("below 0.5") << 0.5
                               << QStringList { "Пенопласт 25 (λ = 0.04)", "Вата (λ = 0,045)" }
                               << "Используются только материалы с λ < 0.5";
}

void TestMaterials::layerDialogFiltersByLambda()
{
    QFETCH(double, limit);
    QFETCH(QStringList, entries);
    QFETCH(QString, comment);
    CMaterialDatabase db;
    fillSample(db);
    QStringList shown;
    QString commentShown, thickness;
    const bool accepted = runLayerDialog(db, "Стены", "", 12.345, limit, [&](QWidget *dialog) {
        shown = items(dialog->findChild<QComboBox *>("m_pLayerCmb"));
        commentShown = dialog->findChild<QLabel *>("m_pLabelComment")->text();
        thickness = dialog->findChild<QLineEdit *>("m_pThickness")->text();
        dialog->findChild<QLineEdit *>("m_pK")->setText("9");
        dialog->findChild<QPushButton *>("cancelButton")->click();
    });
    QVERIFY(!accepted);
    QCOMPARE(shown, entries);
    QCOMPARE(commentShown, comment);
    QCOMPARE(thickness, QStringLiteral("12.35"));
    // A cancelled run leaves no name, no λ and the thickness passed in.
    QString name = "old";
    double lambda = 1, result = 0;
    db.GetUserDialogParams(name, lambda, result);
    QCOMPARE(name, QString(""));
    QCOMPARE(lambda, 0.0);
    QCOMPARE(result, 12.345);
}

void TestMaterials::layerDialogPreselectsAndReturns_data()
{
    // Group and material passed, λ limit, λ typed over the shown one (empty: none); then
    // what is shown (group, entry, weight, λ), and the result's name and λ.
    QTest::addColumn<QStringList>("c");
    const auto row = [](const char *tag, const QStringList &c) { QTest::newRow(tag) << c; };
    row("names with blanks",
        { " Стены ", " Плита 500 ", "-1", "0.45", "Стены|Плита 500 (λ = 0.5)|500|0.5",
          "Стены: Плита 500", "0.45" });
    row("second group",
        { "Кровля", "Рубероид 600", "-1", "", "Кровля|Рубероид 600 (λ = 0.17)|600|0.17",
          "Кровля: Рубероид 600", "0.17" });
    row("unknown names: the first ones",
        { "стены", "Нет", "-1", "", "Стены|Кирпич 1800 (λ = 0.7)|1800|0.7", "Стены: Кирпич 1800",
          "0.7" });
    row("nothing under the limit", { "Кровля", "", "0.1", "", "Кровля||0|0", "Кровля: ", "0" });
    row("empty group", { "Пустая", "", "-1", "", "Пустая||0|0", "Пустая: ", "0" });
}

void TestMaterials::layerDialogPreselectsAndReturns()
{
    QFETCH(QStringList, c);
    CMaterialDatabase db;
    fillSample(db);
    // A run before, with other choices, must leave nothing behind.
    runLayerDialog(db, "Кровля", "Рубероид 600", 3, 0.2,
                   [](QWidget *d) { d->findChild<QPushButton *>("okButton")->click(); });

    QString seen;
    const bool accepted = runLayerDialog(db, c[0], c[1], 1, c[2].toDouble(), [&](QWidget *dialog) {
        const auto edit
            = [dialog](const char *name) { return dialog->findChild<QLineEdit *>(name); };
        seen = QStringList { dialog->findChild<QComboBox *>("m_pGroupLayerCmb")->currentText(),
                             dialog->findChild<QComboBox *>("m_pLayerCmb")->currentText(),
                             edit("m_pWeight")->text(), edit("m_pK")->text() }
                   .join('|');
        QVERIFY(edit("m_pWeight")->isReadOnly());
        if (!c[3].isEmpty())
            edit("m_pK")->setText(c[3]);
        edit("m_pThickness")->setText("25");
        if (QTest::currentDataTag() == QLatin1String("names with blanks")) {
            QCOMPARE(dialog->size(), QSize(620, 221));
            QVERIFY(!KorvexTest::SaveScreenshot(dialog, "CLayerDialog").isEmpty());
        }
        QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
    });
    QVERIFY(accepted);
    QCOMPARE(seen, c[4]);
    QString name;
    double lambda = -1, thickness = -1;
    db.GetUserDialogParams(name, lambda, thickness);
    QCOMPARE(name, c[5]);
    QCOMPARE(lambda, c[6].toDouble());
    QCOMPARE(thickness, 25.0);
}

void TestMaterials::layerResistance_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QStringList>("rows"); ///< "δ λ" per row
    QTest::addColumn<double>("r");
    QTest::newRow("two layers") << 3 << QStringList { "10 0.5", "20 0.04" } << 5.2;
    QTest::newRow("four columns") << 4 << QStringList { "10 0.5" } << 0.0;
    QTest::newRow("no rows") << 3 << QStringList() << 0.0;
    QTest::newRow("δ with a comma reads as 0") << 3 << QStringList { "10,0 0.5", "5 0.5" } << 0.1;
    QTest::newRow("λ 0") << 3 << QStringList { "10 0" } << qInf();
}

void TestMaterials::layerResistance()
{
    QFETCH(int, columns);
    QFETCH(QStringList, rows);
    QFETCH(double, r);
    QTableWidget table(int(rows.size()), columns);
    for (int row = 0; row < rows.size(); ++row) {
        table.setItem(row, 0, new QTableWidgetItem("не читается"));
        table.setItem(row, 1, new QTableWidgetItem(rows[row].section(' ', 0, 0)));
        table.setItem(row, 2, new QTableWidgetItem(rows[row].section(' ', 1, 1)));
    }
    CMaterialDatabase db;
    QCOMPARE(db.CalculateLayerResistance(&table), r);
}

void TestMaterials::showLayersListsEveryLayer()
{
    CMaterialDatabase db;
    QDialog parent;
    QStringList lines;
    QSize size;
    QWidget *dialogParent = nullptr;
    CModalHelper helper;
    helper.Start([&](QWidget *dialog) {
        const QListWidget *list = dialog->findChild<QListWidget *>();
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        size = dialog->size();
        dialogParent = dialog->parentWidget();
        QCOMPARE(dialog->layout()->contentsMargins(), QMargins());
        QVERIFY(!KorvexTest::SaveScreenshot(dialog, "ShowLayers").isEmpty());
        dialog->close();
    });
    db.ShowLayers({ { 2, "Кирпич", 12, 0.7 }, { 1, "Стены: Пенопласт 25", 5.5, 0.04 } }, &parent);
    QVERIFY(helper.Done());
    QCOMPARE(lines,
             QStringList({ "Стены: Пенопласт 25; δ: 5.50; λ: 0.04", "Кирпич; δ: 12.00; λ: 0.70" }));
    QCOMPARE(size, QSize(640, 480));
    QCOMPARE(dialogParent, &parent);
}

void TestMaterials::layerXmlRoundTrip()
{
    QDomDocument document;
    QDomElement element = document.createElement("Layer");
    const TLayerMaterialType layer { 4000000000u, "Стены: Кирпич 1800", 12.5, 0.7 };
    SaveData(element, layer);
    QCOMPARE(element.attribute("Thickness"), QStringLiteral("12.5"));
    TLayerMaterialType read;
    LoadData(element, read);
    // The identifier is read back as a signed int, as it always was: up to 2^31 - 1.
    QCOMPARE(read.LayerMaterialID, 0u);
    element.setAttribute("LayerMaterialID", 7);
    LoadData(element, read);
    QCOMPARE(read.LayerMaterialID, 7u);
    QCOMPARE(read.LayerMaterial, layer.LayerMaterial);
    QCOMPARE(read.Thickness, layer.Thickness);
    QCOMPARE(read.Lambda, layer.Lambda);

    LoadData(document.createElement("Layer"), read);
    QCOMPARE(read.LayerMaterialID + read.Thickness + read.Lambda, 0.0);
    QCOMPARE(read.LayerMaterial, QString(""));
}

void TestMaterials::editorFlows()
{
    KorvexTest::CScriptedPrompts prompts;
    CMaterialDatabase db;
    fillSample(db);
    CMaterialRedactorDialog editor;
    editor.SetData(db.GetMaterialsGroups());
    const CEditorProbe probe(&editor);
    QCOMPARE(probe.Items(1), QStringList({ "Стены", "Кровля", "Пустая" }));
    QCOMPARE(probe.Items(2).size(), 4);
    QCOMPARE(probe.Rows(), (Rows { { "1800", "0.7" } }));
    QCOMPARE(probe.Headings(),
             QStringList({ "Удельный вес, кг/м3", "К теплопроводности, Вт/ м К" }));

    prompts.AnswerText("Кровля");
    prompts.AnswerButton(QMessageBox::Ok);
    probe.Add(1);
    prompts.AnswerText("Вата");
    prompts.AnswerButton(QMessageBox::Ok);
    probe.Add(2);
    prompts.AnswerText("Brick");
    probe.Add(2);
    QCOMPARE(probe.Current(2), QStringLiteral("Brick"));
    QCOMPARE(probe.Rows(), (Rows { { "", "" } }));
    probe.Type(0, 0, "1800");
    probe.Type(0, 1, " 0,7");
    prompts.AnswerText("Вата");
    prompts.AnswerButton(QMessageBox::Ok);
    probe.Rename(2);
    prompts.AnswerText("Стены 2");
    probe.Rename(1);
    QCOMPARE(dump(editor.GetData()).at(0),
             "Стены 2|Кирпич 1800;1800;0.7|Пенопласт 25;25;0.04|"
             "Плита 500;500;0.5|Вата;;0,045|Brick;1800; 0,7");

    // An empty group shows an empty list and table; deleting every group keeps the
    // last row, and an edit in it is reported rather than lost.
    probe.Select(1, "Кровля");
    QCOMPARE(probe.Rows(), (Rows { { "600", "0.17" } }));
    probe.Select(1, "Пустая");
    QCOMPARE(probe.Items(2), QStringList());
    QCOMPARE(probe.Rows(), Rows());
    probe.Select(1, "Кровля");
    prompts.AnswerButton(QMessageBox::Yes);
    probe.Delete(2);
    QCOMPARE(probe.Items(2), QStringList());
    for (const char *group : { "Пустая", "Кровля" }) {
        probe.Select(1, group);
        prompts.AnswerButton(QMessageBox::Yes);
        probe.Delete(1);
    }
    QCOMPARE(probe.Current(2), QStringLiteral("Кирпич 1800"));
    prompts.AnswerButton(QMessageBox::Yes);
    probe.Delete(1);
    QCOMPARE(probe.Items(1) + probe.Items(2), QStringList());
    QCOMPARE(probe.Rows(), (Rows { { "1800", "0.7" } }));
    prompts.AnswerButton(QMessageBox::Ok);
    probe.Type(0, 1, "0.9");

    const QString name = "Введите имя:", deleteGroup = "Подтверждаете удаление группы материалов?";
    const QString groupTaken = "Группа материалов с таким названием с таким именем уже существует!";
    const QString materialTaken = "Материал с таким названием с таким именем уже существует!";
    QCOMPARE(prompts.Texts(),
             QStringList({ name, groupTaken, name, materialTaken, name, name, materialTaken, name,
                           "Подтверждаете удаление материала?", deleteGroup, deleteGroup,
                           deleteGroup, "Не удалось найти группу материалов !" }));
    const auto &asked = prompts.Requests();
    QCOMPARE(asked[0].title, QStringLiteral("Добавление новой группы материалов"));
    QCOMPARE(asked[2].title, QStringLiteral("Добавление нового материала"));
    QCOMPARE(asked[5].title, QStringLiteral("Изменение материала"));
    QCOMPARE(asked[5].initialText, QStringLiteral("Brick"));
    QCOMPARE(asked[7].title, QStringLiteral("Изменение группы материалов"));
    QCOMPARE(asked[1].title, QStringLiteral("Редактор базы данных"));
    QCOMPARE(dump(editor.GetData()), QStringList());
}

void TestMaterials::editorSavesThroughRealModals()
{
    CTempDatabase temp;
    CMaterialDatabase db;
    db.InsertMaterialGroup(CMaterialGroup("Стены"));
    db.SaveDataToDataBase();
    QString title;
    CModalHelper editor, input;
    editor.Start([&](QWidget *dialog) {
        const CEditorProbe probe(dialog);
        title = dialog->windowTitle();
        input.StartAnswer(QMessageBox::Ok, "Brick");
        probe.Add(2);
        probe.Type(0, 0, "1800");
        probe.Type(0, 1, "0.7");
        QCOMPARE(dialog->size(), QSize(816, 407));
        QVERIFY(!KorvexTest::SaveScreenshot(dialog, "CMaterialRedactorDialog").isEmpty());
        probe.Click("m_pOKBtn");
    });
    db.ShowContent();
    QVERIFY(editor.Done() && input.Done());
    QCOMPARE(input.Seen().title, QStringLiteral("Добавление нового материала"));
    QCOMPARE(title, QStringLiteral("Диалоговое окно редактирования базы \"Материалы\""));
    QCOMPARE(dump(db.GetMaterialsGroups()), QStringList { "Стены|Brick;1800;0.7" });
    QCOMPARE(tableRows(), QStringList({ "'Стены'|NULL|NULL|NULL", "NULL|'Brick'|'1800'|'0.7'" }));
    CMaterialDatabase loaded;
    loaded.LoadData();
    QCOMPARE(dump(loaded.GetMaterialsGroups()), QStringList { "Стены|Brick 1800;1800;0.7" });
}

QTEST_MAIN(TestMaterials)
#include "tst_materials.moc"
