#include "EditorProbe.h"
#include "Embrasures/EmbrasureInputDialog.h"
#include "Embrasures/EmbrasureRedactorDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

using namespace KorvexEmbrasureDatabase;
using KorvexTest::CEditorProbe;
using KorvexTest::CModalHelper;
using KorvexTest::CTempDatabase;

namespace {

CEmbrasureGroup Group(const QString &name, const QStringList &openings = {})
{
    CEmbrasureGroup group(name);
    for (const QString &o : openings)
        group.InsertEmbrasure({ o, o + "/1", o + "/2", o + "/3", o + "/h", o + "/k" });
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

const QString kOpeningExists = QStringLiteral("Проем с таким названием уже существует!");

struct CInputSeen
{
    QString title;
    QStringList texts;
    QWidget *parent = nullptr;
};

/// Answers the input dialog: records what it shows, types the three texts, accepts or not.
std::function<void(QWidget *)> Answer(CInputSeen *seen, const QStringList &typed,
                                      bool accept = true, const char *screenshot = nullptr)
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
        if (screenshot)
            QVERIFY(!KorvexTest::SaveScreenshot(dialog, screenshot).isEmpty());
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

    void roundTripKeepsGroupsOpeningsAndOrder()
    {
        CTempDatabase temp;
        CEmbrasureDatabase db;
        db.InsertEmbrasureGroup(Group("Окна", { "Окно: ПВХ: 2 стекла", "Окно: : " }));
        db.InsertEmbrasureGroup(Group("Пустая"));
        db.InsertEmbrasureGroup(Group("Двери", { "Дверь: : стекло" }));
        db.SaveDataToDataBase();
        // The pieces go into their columns as split, the blank after each colon included.
        QCOMPARE(CTempDatabase::Column("SELECT ifnull(Typ_perekr, '-') || '|' || ifnull(Typ, '-') "
                                       "|| '|' || ifnull(Material_perepleta, '-') || '|' || "
                                       "ifnull(Steklo, '-') || '|' || ifnull(K_teploperedachi, "
                                       "'-') FROM EMBRASURES ORDER BY SortID"),
                 QStringList({ "Окна|-|-|-|-", "-|Окно| ПВХ| 2 стекла|Окно: ПВХ: 2 стекла/k",
                               "-|Окно| | |Окно: : /k", "Пустая|-|-|-|-", "Двери|-|-|-|-",
                               "-|Дверь| | стекло|Дверь: : стекло/k" }));
        CEmbrasureDatabase loaded;
        loaded.LoadData();
        QCOMPARE(Dump(loaded.GetEmbrasuresGroups()), Dump(db.GetEmbrasuresGroups()));
    }

    void loadingQuirks()
    {
        CTempDatabase temp;
        QCOMPARE(CTempDatabase::Exec("CREATE TABLE EMBRASURES (SortID integer PRIMARY KEY, "
                                     "Typ_perekr varchar, Typ varchar, Material_perepleta "
                                     "varchar, Steklo varchar, D_vozduh1 varchar)"),
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
        CEmbrasureDatabase db;
        db.LoadData();
        // Names of trimmed parts; values as read; columns not in the table read as empty.
        QCOMPARE(
            Dump(db.GetEmbrasuresGroups()),
            QStringList({ "[Окна] Окно: ПВХ: = 1 ||||, Дверь: a: b=3||||", "[] x: : =2||||" }));
    }

    void openingsLeftOutAndTheRestSaved()
    {
        CTempDatabase temp;
        // SQLite refuses any row longer than this; the statements themselves stay shorter.
        const QVariant handle = QSqlDatabase::database().driver()->handle();
        sqlite3_limit(*static_cast<sqlite3 *const *>(handle.data()), SQLITE_LIMIT_LENGTH, 4000);
        CEmbrasureDatabase db;
        // Pieces are trimmed; an empty type, an empty piece without its blank, a colon inside
        // a piece, other than three pieces: left out silently; a row too long: reported.
        db.InsertEmbrasureGroup(Group("G",
                                      { "  Окно : ПВХ  :  стекло ", ": ПВХ: стекло", "Окно::стекло",
                                        "Окно: ПВХ: 4:16:4", "a: 2: 2", "Дверь:ПВХ:стекло",
                                        "Окно: ПВХ: стекло: ещё", "Окно" }));
        db.FindEmbrasureGroup("G")->FindEmbrasure("a: 2: 2")->SetKHeight(QString(5000, 'x'));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("QSqlError.*too big"));
        db.SaveDataToDataBase();
        QVERIFY(!db.GetLastError().IsValid());
        db.LoadData();
        QStringList names;
        for (const CEmbrasure &e : db.GetEmbrasuresGroups().at(0).GetEmbrasures())
            names << e.GetName();
        QCOMPARE(names, QStringList({ "Окно: ПВХ: стекло", "Дверь: ПВХ: стекло" }));
    }

    void openingsAreNamedThroughTheInputDialog()
    {
        KorvexTest::CScriptedPrompts prompts;
        CEmbrasureRedactorDialog editor;
        editor.SetData({ Group("Окна", { "Окно: ПВХ: 2 стекла", "Окно: П:ВХ: 2" }) });
        const CEditorProbe probe(&editor);
        CInputSeen seen;
        CModalHelper input;
        // Adding: the fields start empty, the parts are trimmed, an empty middle part stays.
        input.Start(Answer(&seen, { " Окно ", "", " 3 стекла " }, true, "CEmbrasureInputDialog"));
        probe.Add(2);
        QVERIFY(input.Done());
        QCOMPARE(seen.title, QStringLiteral("Добавление нового типа проема"));
        QCOMPARE(seen.texts, QStringList({ "", "", "" }));
        QCOMPARE(seen.parent, &editor);
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
        // Changing: the fields show the parts; giving them back unchanged is refused.
        probe.Select(2, "Окно: ПВХ: 2 стекла");
        input.Start(Answer(&seen, { "Окно", "ПВХ", "2 стекла" }));
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Rename(2);
        QVERIFY(input.Done());
        QCOMPARE(seen.title, QStringLiteral("Изменение проема"));
        QCOMPARE(seen.texts, QStringList({ "Окно", "ПВХ", "2 стекла" }));
        input.Start(Answer(&seen, { "Окно", "Алюминий", "" }));
        probe.Rename(2);
        QVERIFY(input.Done());
        QCOMPARE(probe.Rows().at(0).last(), QStringLiteral("Окно: ПВХ: 2 стекла/k"));
        // A name with a colon inside a part cannot be changed: no dialog, no message.
        probe.Select(2, "Окно: П:ВХ: 2");
        probe.Rename(2);
        QCOMPARE(probe.Items(2),
                 QStringList({ "Окно: Алюминий: ", "Окно: П:ВХ: 2", "Окно: : 3 стекла" }));
        QCOMPARE(prompts.Texts(), QStringList({ kOpeningExists, kOpeningExists }));
        QCOMPARE(prompts.Requests()[0].title, QStringLiteral("Редактор базы данных"));
    }
};

QTEST_MAIN(TestEmbrasures)
#include "tst_embrasures.moc"
