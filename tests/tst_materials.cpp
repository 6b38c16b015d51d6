#include "EditorProbe.h"
#include "Materials/LayerDialog.h"
#include "Materials/MaterialDatabaseTypes.h"
#include "Materials/MaterialRedactorDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDomDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>

using namespace KorvexMaterialDatabase;
using KorvexTest::CEditorProbe;
using KorvexTest::CModalHelper;
using KorvexTest::CTempDatabase;
using Rows = std::vector<QStringList>;

namespace {

/// A fresh "MATERIALS" table with \a values: "(group, name, K1, K2), …" in SQL.
void seed(const QString &values)
{
    for (const QString &sql :
         { QString("DROP TABLE IF EXISTS MATERIALS"),
           QString("CREATE TABLE MATERIALS (SortID integer PRIMARY KEY, MaterialGroup varchar, "
                   "MaterialName varchar, K1 varchar, K2 varchar)"),
           "INSERT INTO MATERIALS (MaterialGroup, MaterialName, K1, K2) VALUES " + values })
        QCOMPARE(CTempDatabase::Exec(sql), QString());
}

/// "group|name;D;L|…" per group.
QStringList dump(const std::vector<CMaterialGroup> &groups)
{
    QStringList out;
    for (const CMaterialGroup &group : groups) {
        out << group.GetName();
        for (const CMaterial &m : group.GetMaterials())
            out.last() += '|' + m.GetName() + ';' + m.GetD() + ';' + m.GetL();
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
    CMaterialGroup walls("Стены"), roof("Кровля");
    for (const CMaterial &m :
         { CMaterial("Кирпич 1800", "1800", "0.7"), CMaterial("Пенопласт 25", "25", "0.04"),
           CMaterial("Плита 500", "500", "0.5"), CMaterial("Вата", "", "0,045") })
        walls.InsertMaterial(m);
    roof.InsertMaterial(CMaterial("Рубероид 600", "600", "0.17"));
    for (const CMaterialGroup &group : { walls, roof, CMaterialGroup("Пустая") })
        db.InsertMaterialGroup(group);
}

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

} // namespace

class TestMaterials : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        CModalHelper::StopAll();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void roundTripAndLoadingQuirks()
    {
        CTempDatabase temp;
        CMaterialDatabase db;
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

        // Blanks trimmed; a weight in the stored name kept; a row before any group skipped; a group
        // cell beside a name is a material row; a group seen again collects more; a name seen again
        // is dropped.
        seed("(NULL, 'Сирота', '1', '1'), ('  Стены ', NULL, NULL, NULL), "
             "(NULL, ' Кирпич ', ' 1800', '0.7 '), ('Стены', 'Бетон', '2400', '1.5'), "
             "('Кровля', '', '', ''), (NULL, 'Рубероид', '', '0.17'), "
             "(NULL, 'Рубероид', NULL, '0.2'), (NULL, 'Брус 600', '600', '0.2'), "
             "('Стены', NULL, NULL, NULL), "
             "(NULL, 'Кирпич', '1800', '0.8'), (NULL, 'Кирпич', '1700', '0.6')");
        const QRegularExpression line(
            R"(^ERROR loading MaterialDatabase Materials\\MaterialDatabaseTypes \d+$)");
        QTest::ignoreMessage(QtDebugMsg, line);
        QTest::ignoreMessage(QtDebugMsg, line);
        loaded.LoadData();
        QCOMPARE(
            dump(loaded.GetMaterialsGroups()),
            QStringList({ "Стены|Кирпич 1800;1800;0.7|Бетон 2400;2400;1.5|Кирпич 1700;1700;0.6",
                          "Кровля|Рубероид;;0.17|Брус 600 600;600;0.2" }));
        // The weight comes off the display name only where it is the weight in memory.
        loaded.FindMaterialGroup("Стены")->FindMaterial("Кирпич 1700")->SetD("1600");
        loaded.SaveDataToDataBase();
        QCOMPARE(tableRows(),
                 QStringList({ "'Стены'|NULL|NULL|NULL", "NULL|'Кирпич'|'1800'|'0.7'",
                               "NULL|'Бетон'|'2400'|'1.5'", "NULL|'Кирпич 1700'|'1600'|'0.6'",
                               "'Кровля'|NULL|NULL|NULL", "NULL|'Рубероид'|''|'0.17'",
                               "NULL|'Брус 600'|'600'|'0.2'" }));
    }

    void layerDialog_data()
    {
        // Group, material and λ limit passed, λ typed over the shown one (empty: none); then
        // what is shown (group, entry, entries, weight, λ, comment, thickness), and the
        // result's name and λ. 0.5 itself is not below 0.5; "0,045" is no number: 0.
        QTest::addColumn<QString>("text");
        QTest::newRow("names with blanks")
            << " Стены ; Плита 500 ;-1;0.45;Стены|Плита 500 (λ = 0.5)|4|500|0.5||12.35;"
               "Стены: Плита 500;0.45";
        QTest::newRow("second group") << "Кровля;Рубероид 600;-1;;Кровля|Рубероид 600 (λ = 0.17)|1|"
                                         "600|0.17||12.35;Кровля: Рубероид 600;0.17";
        QTest::newRow("unknown names: the first ones")
            << "стены;Нет;-1;;Стены|Кирпич 1800 (λ = 0.7)|4|1800|0.7||12.35;Стены: Кирпич 1800;0.7";
        QTest::newRow("below 0.5") << "Стены;;0.5;;Стены|Пенопласт 25 (λ = 0.04)|2|25|"
                                      "0.04|Используются только материалы с λ < 0.5|12.35;"
                                      "Стены: Пенопласт 25;0.04";
        QTest::newRow("nothing under the limit") << "Кровля;;0.1;;Кровля||0|0|0|Используются "
                                                    "только материалы с λ < 0.1|12.35;Кровля: ;0";
        QTest::newRow("empty group") << "Пустая;;-1;;Пустая||0|0|0||12.35;Пустая: ;0";
    }
    void layerDialog()
    {
        QFETCH(QString, text);
        const QStringList c = text.split(';');
        CMaterialDatabase db;
        fillSample(db);
        // A cancelled run, with other choices, leaves no name, no λ, the thickness passed in.
        runLayerDialog(db, "Кровля", "Рубероид 600", 3, 0.2,
                       [](QWidget *d) { d->findChild<QPushButton *>("cancelButton")->click(); });
        QString name = "old";
        double lambda = 1, thickness = 0;
        db.GetUserDialogParams(name, lambda, thickness);
        QCOMPARE(name + ';' + QString::number(lambda) + ';' + QString::number(thickness),
                 QStringLiteral(";0;3"));
        QStringList shown;
        QVERIFY(runLayerDialog(db, c[0], c[1], 12.345, c[2].toDouble(), [&](QWidget *d) {
            const auto edit = [d](const char *name) { return d->findChild<QLineEdit *>(name); };
            for (const char *name : { "m_pGroupLayerCmb", "m_pLayerCmb", "m_pWeight", "m_pK",
                                      "m_pLabelComment", "m_pThickness" }) {
                const QWidget *w = d->findChild<QWidget *>(name);
                shown << w->property(w->inherits("QComboBox") ? "currentText" : "text").toString();
            }
            shown.insert(2, QString::number(d->findChild<QComboBox *>("m_pLayerCmb")->count()));
            QVERIFY(edit("m_pWeight")->isReadOnly());
            if (!c[3].isEmpty())
                edit("m_pK")->setText(c[3]);
            edit("m_pThickness")->setText("25");
            if (QTest::currentDataTag() == QLatin1String("names with blanks"))
                QVERIFY(!KorvexTest::SaveScreenshot(d, "CLayerDialog").isEmpty());
            QTest::mouseClick(d->findChild<QPushButton *>("okButton"), Qt::LeftButton);
        }));
        QCOMPARE(shown.join('|'), c[4]);
        db.GetUserDialogParams(name, lambda, thickness);
        QCOMPARE(name + ';' + QString::number(lambda) + ';' + QString::number(thickness),
                 c[5] + ';' + c[6] + ";25");
    }

    void layerResistance()
    {
        // R = Σ δ/λ over the rows, δ in cm; the first column is not read.
        const auto r = [](int columns, const QStringList &rows) {
            QTableWidget table(int(rows.size()), columns);
            for (int row = 0; row < rows.size(); ++row)
                for (int column = 0; column < 3; ++column)
                    table.setItem(
                        row, column,
                        new QTableWidgetItem(("x " + rows[row]).section(' ', column, column)));
            return CMaterialDatabase().CalculateLayerResistance(&table);
        };
        QCOMPARE(r(3, { "10 0.5", "20 0.04" }), 5.2);
        QCOMPARE(r(4, { "10 0.5" }), 0.0); // four columns: not a layer table
        QCOMPARE(r(3, {}), 0.0);
        QCOMPARE(r(3, { "10,0 0.5", "5 0.5" }), 0.1); // δ with a comma reads as 0
        QCOMPARE(r(3, { "10 0" }), qInf());
    }

    void showLayersListsEveryLayer()
    {
        QDialog parent;
        QStringList lines;
        CModalHelper helper;
        helper.Start([&](QWidget *dialog) {
            const QListWidget *list = dialog->findChild<QListWidget *>();
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text();
            QCOMPARE(dialog->parentWidget(), &parent);
            QVERIFY(!KorvexTest::SaveScreenshot(dialog, "ShowLayers").isEmpty());
            dialog->close();
        });
        CMaterialDatabase().ShowLayers(
            { { 2, "Кирпич", 12, 0.7 }, { 1, "Стены: Пенопласт 25", 5.5, 0.04 } }, &parent);
        QCOMPARE(
            lines,
            QStringList({ "Стены: Пенопласт 25; δ: 5.50; λ: 0.04", "Кирпич; δ: 12.00; λ: 0.70" }));
    }

    void layerXmlRoundTrip()
    {
        QDomDocument document;
        QDomElement element = document.createElement("Layer");
        SaveData(element, TLayerMaterialType { 4000000000u, "Стены: Кирпич 1800", 12.5, 0.7 });
        TLayerMaterialType read;
        LoadData(element, read);
        // The identifier is read back as a signed int, as it always was: up to 2^31 - 1.
        QCOMPARE(read.LayerMaterialID, 0u);
        QCOMPARE(element.attribute("Thickness") + ' ' + read.LayerMaterial + ' '
                     + QString::number(read.Thickness) + ' ' + QString::number(read.Lambda),
                 QStringLiteral("12.5 Стены: Кирпич 1800 12.5 0.7"));
        element.setAttribute("LayerMaterialID", 7);
        LoadData(element, read);
        QCOMPARE(read.LayerMaterialID, 7u);
        LoadData(document.createElement("Layer"), read);
        QCOMPARE(read.LayerMaterial + QString::number(read.Thickness + read.Lambda), "0");
        QCOMPARE(read.LayerMaterialID, 0u);
    }

    void editorFlowsThroughShowContent()
    {
        CTempDatabase temp;
        KorvexTest::CScriptedPrompts prompts;
        CMaterialDatabase db;
        fillSample(db);
        db.SaveDataToDataBase();
        CModalHelper helper;
        helper.Start([&](QWidget *dialog) {
            const CEditorProbe probe(dialog);
            QVERIFY(!KorvexTest::SaveScreenshot(dialog, "CMaterialRedactorDialog").isEmpty());
            prompts.AnswerText("Кровля");
            prompts.AnswerButton(QMessageBox::Ok);
            probe.Add(1);
            prompts.AnswerText("Вата");
            prompts.AnswerButton(QMessageBox::Ok);
            probe.Add(2);
            prompts.AnswerText("Brick");
            probe.Add(2);
            probe.Type(0, 0, "1800");
            probe.Type(0, 1, " 0,7");
            prompts.AnswerText("Brick");
            probe.Rename(2);
            prompts.AnswerText("Стены 2");
            probe.Rename(1);
            QCOMPARE(dump(qobject_cast<CMaterialRedactorDialog *>(dialog)->GetData()).at(0),
                     "Стены 2|Кирпич 1800;1800;0.7|Пенопласт 25;25;0.04|"
                     "Плита 500;500;0.5|Вата;;0,045|Brick;1800; 0,7");
            // An empty group shows nothing; with no group the last row stays, edits reported.
            probe.Select(1, "Пустая");
            QCOMPARE(probe.Items(2), QStringList());
            QCOMPARE(probe.Rows(), Rows());
            for (const char *group : { "Пустая", "Кровля", "Стены 2" }) {
                probe.Select(1, group);
                prompts.AnswerButton(QMessageBox::Yes);
                probe.Delete(1);
            }
            QCOMPARE(probe.Items(1) + probe.Items(2), QStringList());
            QCOMPARE(probe.Rows(), (Rows { { "1800", "0.7" } }));
            prompts.AnswerButton(QMessageBox::Ok);
            probe.Type(0, 1, "0.9");
            probe.Click("m_pOKBtn");
        });
        db.ShowContent();
        QCOMPARE(tableRows(), QStringList()); // accepted: saved
        const QString name = "Введите имя:",
                      deleteGroup = "Подтверждаете удаление группы материалов?";
        QCOMPARE(prompts.Texts(),
                 QStringList({ name,
                               "Группа материалов с таким названием с таким именем уже существует!",
                               name, "Материал с таким названием с таким именем уже существует!",
                               name, name, name, deleteGroup, deleteGroup, deleteGroup,
                               "Не удалось найти группу материалов !" }));
        const auto &asked = prompts.Requests();
        QCOMPARE(asked[0].title + '|' + asked[2].title,
                 QStringLiteral("Добавление новой группы материалов|Добавление нового материала"));
        QCOMPARE(asked[5].title + '|' + asked[5].initialText,
                 QStringLiteral("Изменение материала|Brick"));
        QCOMPARE(asked[6].title, QStringLiteral("Изменение группы материалов"));
    }
};

QTEST_MAIN(TestMaterials)
#include "tst_materials.moc"
