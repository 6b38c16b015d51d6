#include "EditorProbe.h"
#include "Embrasures/EmbrasureInputDialog.h"
#include "Embrasures/EmbrasureRedactorDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

using namespace KorvexEmbrasureDatabase;
using KorvexTest::CEditorProbe;
using KorvexTest::CModalHelper;
using KorvexTest::CTempDatabase;
using Rows = std::vector<QStringList>;

namespace {

CEmbrasure Opening(const QString &name)
{
    return { name, name + "/1", name + "/2", name + "/3", name + "/h", name + "/k" };
}

CEmbrasureGroup Group(const QString &name, const QStringList &openings = {})
{
    CEmbrasureGroup group(name);
    for (const QString &opening : openings)
        group.InsertEmbrasure(Opening(opening));
    return group;
}

/// "[group] opening=DAir1|…|KHeatTransfer, …" per group.
QStringList Dump(const std::vector<CEmbrasureGroup> &groups)
{
    QStringList lines;
    for (const CEmbrasureGroup &g : groups) {
        QStringList openings;
        for (const CEmbrasure &e : g.GetEmbrasures())
            openings << e.GetName() + '='
                    + QStringList { e.GetDAir1(), e.GetDAir2(), e.GetDAir3(), e.GetKHeight(),
                                    e.GetHeatTransfer() }
                          .join('|');
        lines << '[' + g.GetName() + "] " + openings.join(", ");
    }
    return lines;
}

/// Where a dialog of \a size is centred: the available area's offset is not added.
QPoint Centred(const QSize &size)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    return { (area.width() - size.width()) / 2, (area.height() - size.height()) / 2 };
}

const QString kOpeningExists = QStringLiteral("Проем с таким названием уже существует!");
const QString kAddTitle = QStringLiteral("Добавление нового типа проема");
const QString kChangeTitle = QStringLiteral("Изменение проема");

/// What the input dialog showed when it came.
struct CInputSeen
{
    QString title;
    QStringList texts;
    QWidget *parent = nullptr;
};

/// Answers the input dialog: records what it shows, types the three texts, accepts or not.
std::function<void(QWidget *)> Answer(CInputSeen *seen, const QStringList &typed,
                                      bool accept = true)
{
    return [=](QWidget *modal) {
        auto *dialog = qobject_cast<CEmbrasureInputDialog *>(modal);
        QVERIFY(dialog);
        const char *edits[] = { "m_pLineEditType", "m_pLineEditMaterial", "m_pLineEditGlass" };
        *seen = { dialog->windowTitle(), {}, dialog->parentWidget() };
        for (int i = 0; i < 3; ++i) {
            auto *edit = dialog->findChild<QLineEdit *>(edits[i]);
            seen->texts << edit->text();
            edit->setText(typed.value(i));
        }
        dialog->findChild<QPushButton *>(accept ? "m_pOKBtn" : "m_pCancelBtn")->click();
    };
}

} // namespace

class TestEmbrasures : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        CModalHelper::StopAll();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }
    void roundTripKeepsGroupsOpeningsAndOrder();
    void onlyNamesOfThreePiecesAreSaved_data();
    void onlyNamesOfThreePiecesAreSaved();
    void loadingQuirks();
    void failedOpeningIsReportedAndTheRestSaved();
    void openingsAreNamedThroughTheInputDialog();
    void acceptedOpeningIsSavedInItsThreeColumns();
};

void TestEmbrasures::roundTripKeepsGroupsOpeningsAndOrder()
{
    CTempDatabase temp;
    CEmbrasureDatabase db;
    QCOMPARE(db.GetType(), 13);
    QCOMPARE(db.GetName(), QStringLiteral("Проемы"));
    db.InsertEmbrasureGroup(Group("Окна", { "Окно: ПВХ: 2 стекла", "Окно: : ", "Окно: дерево: " }));
    db.InsertEmbrasureGroup(Group("Пустая"));
    db.InsertEmbrasureGroup(Group("Двери", { "Дверь: : стекло" }));
    db.SaveDataToDataBase();
    QVERIFY(!db.GetLastError().IsValid());

    // The pieces go into their columns as split, the blank after each colon included.
    QCOMPARE(
        CTempDatabase::Column("SELECT ifnull(Typ_perekr, '-') || '|' || ifnull(Typ, '-') || "
                              "'|' || ifnull(Material_perepleta, '-') || '|' || "
                              "ifnull(Steklo, '-') || '|' || ifnull(K_teploperedachi, '-') "
                              "FROM EMBRASURES ORDER BY SortID"),
        QStringList({ "Окна|-|-|-|-", "-|Окно| ПВХ| 2 стекла|Окно: ПВХ: 2 стекла/k",
                      "-|Окно| | |Окно: : /k", "-|Окно| дерево| |Окно: дерево: /k",
                      "Пустая|-|-|-|-", "Двери|-|-|-|-", "-|Дверь| | стекло|Дверь: : стекло/k" }));

    CEmbrasureDatabase loaded;
    loaded.LoadData();
    QCOMPARE(Dump(loaded.GetEmbrasuresGroups()), Dump(db.GetEmbrasuresGroups()));
}

void TestEmbrasures::onlyNamesOfThreePiecesAreSaved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("loaded"); ///< empty: not written
    const auto row = [](const char *tag, const char *name, const char *loaded) {
        QTest::newRow(tag) << QString(name) << QString(loaded);
    };
    row("composed", "Окно: ПВХ: стекло", "Окно: ПВХ: стекло");
    row("empty material and glass", "Окно: : ", "Окно: : ");
    row("surrounding blanks", "  Окно : ПВХ  :  стекло ", "Окно: ПВХ: стекло");
    row("no blanks", "Окно:ПВХ:стекло", "Окно: ПВХ: стекло");
    row("empty type", ": ПВХ: стекло", "");
    row("empty material, no blank", "Окно::стекло", "");
    row("colon inside a part", "Окно: ПВХ: 4:16:4", "");
    row("extra piece", "Окно: ПВХ: стекло: ещё", "");
    row("one piece", "Окно", "");
}

void TestEmbrasures::onlyNamesOfThreePiecesAreSaved()
{
    QFETCH(QString, name);
    QFETCH(QString, loaded);
    CTempDatabase temp;
    CEmbrasureDatabase db;
    db.InsertEmbrasureGroup(Group("G", { "before: a: b", name, "after: a: b" }));
    db.SaveDataToDataBase();
    QVERIFY(!db.GetLastError().IsValid());
    db.LoadData();
    QStringList expected { "before: a: b", "after: a: b" };
    if (!loaded.isEmpty())
        expected.insert(1, loaded);
    QStringList names;
    for (const CEmbrasure &e : db.GetEmbrasuresGroups().at(0).GetEmbrasures())
        names << e.GetName();
    QCOMPARE(names, expected);
}

void TestEmbrasures::loadingQuirks()
{
    CTempDatabase temp;
    CEmbrasureDatabase db;
    db.InsertEmbrasureGroup(Group("stale"));
    db.LoadData(); // no table at all
    QVERIFY(db.GetEmbrasuresGroups().empty());

    QCOMPARE(CTempDatabase::Exec("CREATE TABLE EMBRASURES (SortID integer PRIMARY KEY, "
                                 "Typ_perekr varchar, Typ varchar, Material_perepleta varchar, "
                                 "Steklo varchar, D_vozduh1 varchar)"),
             QString());
    QCOMPARE(CTempDatabase::Exec(
                 "INSERT INTO EMBRASURES (Typ_perekr, Typ, Material_perepleta, Steklo, "
                 "D_vozduh1) VALUES (NULL, 'orphan', 'm', 'g', '0'), "
                 "(' Окна ', NULL, NULL, NULL, NULL), (NULL, ' Окно ', ' ПВХ ', NULL, ' 1 '), "
                 "('   ', NULL, NULL, NULL, NULL), (NULL, 'x', '', '', '2'), "
                 "('Окна', NULL, NULL, NULL, NULL), ('Окна', 'Дверь', 'a', 'b', '3'), "
                 "(NULL, 'Окно', 'ПВХ', '', 'dup')"),
             QString());
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression("^ERROR loading EmbrasureDatabase "
                                            "Embrasures\\\\EmbrasureDatabaseTypes \\d+$"));
    db.LoadData();
    // Names are composed of trimmed parts; values stay as read; the columns not in the
    // table read as empty.
    QCOMPARE(Dump(db.GetEmbrasuresGroups()),
             QStringList({ "[Окна] Окно: ПВХ: = 1 ||||, Дверь: a: b=3||||", "[] x: : =2||||" }));
}

void TestEmbrasures::failedOpeningIsReportedAndTheRestSaved()
{
    CTempDatabase temp;
    // SQLite refuses any row longer than this; the statements themselves stay shorter.
    const QVariant handle = QSqlDatabase::database().driver()->handle();
    sqlite3_limit(*static_cast<sqlite3 *const *>(handle.data()), SQLITE_LIMIT_LENGTH, 4000);
    CEmbrasureDatabase db;
    db.InsertEmbrasureGroup(Group("A", { "a: 1: 1", "a: 2: 2", "a: 3: 3" }));
    db.FindEmbrasureGroup("A")->FindEmbrasure("a: 2: 2")->SetKHeight(QString(5000, 'x'));
    db.InsertEmbrasureGroup(Group("B", { "b: 1: 1" }));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("QSqlError.*too big"));
    db.SaveDataToDataBase();
    QVERIFY(!db.GetLastError().IsValid());
    CEmbrasureDatabase loaded;
    loaded.LoadData();
    QCOMPARE(Dump(loaded.GetEmbrasuresGroups()),
             Dump({ Group("A", { "a: 1: 1", "a: 3: 3" }), Group("B", { "b: 1: 1" }) }));
}

void TestEmbrasures::openingsAreNamedThroughTheInputDialog()
{
    KorvexTest::CScriptedPrompts prompts;
    CEmbrasureRedactorDialog editor;
    editor.SetData({ Group("Окна", { "Окно: ПВХ: 2 стекла", "Окно: П:ВХ: 2" }) });
    const CEditorProbe probe(&editor);
    const Rows first { { "Окно: ПВХ: 2 стекла/1", "Окно: ПВХ: 2 стекла/2", "Окно: ПВХ: 2 стекла/3",
                         "Окно: ПВХ: 2 стекла/h", "Окно: ПВХ: 2 стекла/k" } };
    QCOMPARE(probe.Rows(), first);
    CInputSeen seen;
    CModalHelper input;

    // Adding: the fields start empty, the parts are trimmed, an empty middle part stays.
    input.Start(Answer(&seen, { " Окно ", "", " 3 стекла " }));
    probe.Add(2);
    QVERIFY(input.Done());
    QCOMPARE(seen.title, kAddTitle);
    QCOMPARE(seen.texts, QStringList({ "", "", "" }));
    QCOMPARE(seen.parent, &editor);
    QCOMPARE(probe.Current(2), QStringLiteral("Окно: : 3 стекла"));
    QCOMPARE(probe.Rows(), Rows { QStringList(5, QString()) });

    // Cancelled, an empty type, and a composed name already there.
    for (const auto &[typed, accept] :
         { std::pair(QStringList { "X", "Y", "Z" }, false),
           std::pair(QStringList { "  ", "Y", "Z" }, true),
           std::pair(QStringList { "Окно", "ПВХ", "2 стекла" }, true) }) {
        input.Start(Answer(&seen, typed, accept));
        if (typed[0] == "Окно")
            prompts.AnswerButton(QMessageBox::Ok);
        probe.Add(2);
        QVERIFY(input.Done());
    }
    QCOMPARE(probe.Items(2),
             QStringList({ "Окно: ПВХ: 2 стекла", "Окно: П:ВХ: 2", "Окно: : 3 стекла" }));

    // Changing: the fields show the parts; giving them back unchanged is refused.
    probe.Select(2, "Окно: ПВХ: 2 стекла");
    input.Start(Answer(&seen, { "Окно", "ПВХ", "2 стекла" }));
    prompts.AnswerButton(QMessageBox::Ok);
    probe.Rename(2);
    QVERIFY(input.Done());
    QCOMPARE(seen.title, kChangeTitle);
    QCOMPARE(seen.texts, QStringList({ "Окно", "ПВХ", "2 стекла" }));
    input.Start(Answer(&seen, { "Окно", "Алюминий", "" }));
    probe.Rename(2);
    QVERIFY(input.Done());
    QCOMPARE(probe.Items(2),
             QStringList({ "Окно: Алюминий: ", "Окно: П:ВХ: 2", "Окно: : 3 стекла" }));
    QCOMPARE(probe.Rows().at(0).last(), QStringLiteral("Окно: ПВХ: 2 стекла/k"));

    // A name with a colon inside a part cannot be changed: no dialog, no message.
    probe.Select(2, "Окно: П:ВХ: 2");
    probe.Rename(2);
    QCOMPARE(prompts.Texts(), QStringList({ kOpeningExists, kOpeningExists }));
    QCOMPARE(prompts.Requests()[0].title, QStringLiteral("Редактор базы данных"));

    // The sizes of both dialogs, and the input dialog as a user fills it.
    QCOMPARE(editor.size(), QSize(1026, 407));
    QCOMPARE(editor.geometry().topLeft(), Centred(editor.size()));
    input.Start([](QWidget *modal) {
        QCOMPARE(modal->size(), QSize(536, 155));
        QCOMPARE(modal->geometry().topLeft(), Centred(modal->size()));
        modal->findChild<QLineEdit *>("m_pLineEditType")->setText("Окно");
        modal->findChild<QLineEdit *>("m_pLineEditMaterial")->setText("ПВХ");
        KorvexTest::SaveScreenshot(modal, "CEmbrasureInputDialog");
        qobject_cast<QDialog *>(modal)->reject();
    });
    probe.Add(2);
    QVERIFY(input.Done());
}

void TestEmbrasures::acceptedOpeningIsSavedInItsThreeColumns()
{
    CTempDatabase temp;
    CEmbrasureDatabase db;
    db.InsertEmbrasureGroup(Group("Окна"));
    db.SaveDataToDataBase();
    CModalHelper editor, input;
    CInputSeen seen;
    QString title;
    editor.Start([&](QWidget *modal) {
        title = modal->windowTitle();
        const CEditorProbe probe(modal);
        probe.Add(2);
        probe.Type(0, 4, "2,5");
        probe.Click("m_pOKBtn");
    });
    input.Start(Answer(&seen, { "Окно ", " ПВХ", "" }));
    db.ShowContent();
    QVERIFY(editor.Done() && input.Done());
    QCOMPARE(title, QStringLiteral("Диалоговое окно редактирования базы \"Проемы\""));
    QCOMPARE(
        CTempDatabase::Column("SELECT Typ || '|' || Material_perepleta || '|' || Steklo || "
                              "'|' || K_teploperedachi FROM EMBRASURES WHERE Typ_perekr IS NULL"),
        QStringList({ "Окно| ПВХ| |2,5" }));
}

QTEST_MAIN(TestEmbrasures)
#include "tst_embrasures.moc"
