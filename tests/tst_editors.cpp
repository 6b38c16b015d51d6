#include "Consumers/ConsumerRedactorDialog.h"
#include "Consumers/ConsumerTable_p.h"
#include "Coolants/CoolantDatabaseTypes.h"
#include "Coolants/CoolantRedactorDialog.h"
#include "DevicesDIN/DINRedactorDialog.h"
#include "EditorProbe.h"
#include "Embrasures/EmbrasureRedactorDialog.h"
#include "Embrasures/EmbrasureTable_p.h"
#include "Kms/KMSRedactorDialog.h"
#include "Pipes/PipeRedactorDialog.h"
#include "TestSupport.h"

#include <QApplication>

using KorvexInterfaces::IKorvexCommonDatabase;
using KorvexTest::CEditorProbe;
using KorvexTest::CModalHelper;
using Rows = std::vector<QStringList>;

namespace {

const QString messageTitle = QStringLiteral("Редактор базы данных");
const QString nameExists = QStringLiteral("Категория с таким именем уже существует!");
const QString confirmDelete = QStringLiteral("Подтверждаете удаление категории?");
const QString nameLabel = QStringLiteral("Введите имя:");

/// The text cells of a record "X": "X-0", "X-1" …
QStringList Cells(const QString &name, int count)
{
    QStringList cells;
    for (int c = 0; c < count; ++c)
        cells << name + '-' + QString::number(c);
    return cells;
}

/// A two-level record "X" keeps its text cells in one child: sub-category "X", opening "X: ПВХ: 2".
template<class Child>
Child ChildOf(const QString &name, const KorvexCore::CColumns<Child> &columns, int firstShown)
{
    Child child(name);
    const QStringList c = Cells(name.section(':', 0, 0), int(columns.size()) - firstShown);
    for (int i = 0; i < c.size(); ++i)
        (child.*columns[size_t(firstShown + i)].SetText())(c[i]);
    return child;
}

/// A category "X" holds one device and designation with one entry, whose coefficient is
/// the code of the name's first letter.
KorvexKmsDatabase::CDevices Category(const QString &name)
{
    using namespace KorvexKmsDatabase;
    const QStringList c = Cells(name, 3);
    const CDup entry(c[0], name.at(0).unicode(), QByteArray(), c[2]);
    return CDevices(name,
                    { CDevicesHeating(c[1], { CDevicesHeatingSubName(c[1], { entry }, {}) }) });
}

/// One editor kind; every record is built from its name, so its table rows are known too.
struct CEditorKind
{
    const char *name;
    int columns;
    QString addTitle, renameTitle;
    /// A record's rows where the editor converts what is typed (a new record has none).
    std::function<Rows(const QString &name)> convertedRows;
    std::function<QDialog *(const QStringList &names)> makeEditor;
    std::function<std::unique_ptr<IKorvexCommonDatabase>(const QStringList &names)> makeDatabase;
    QString nameExistsText = nameExists, confirmDeleteText = confirmDelete;
    bool rowsInChild = false; ///< the table shows a child a level down; a new record has none

    Rows RowsOf(const QString &n) const
    {
        return convertedRows ? convertedRows(n) : Rows { Cells(n, columns) };
    }
    Rows NewRecordRows() const
    {
        return convertedRows || rowsInChild ? Rows() : Rows { QStringList(columns, "") };
    }
};

template<class Editor, class Database, class Record>
CEditorKind Made(const char *name, int columns, const QString &addTitle, const QString &renameTitle,
                 Record (*record)(const QString &), void (Database::*insert)(const Record &),
                 std::function<Rows(const QString &name)> convertedRows = {})
{
    CEditorKind kind { name, columns, addTitle, renameTitle, convertedRows, {}, {} };
    kind.makeEditor = [record](const QStringList &names) {
        std::decay_t<decltype(std::declval<Editor>().GetData())> data;
        for (const QString &n : names)
            data.insert(data.end(), record(n));
        auto *editor = new Editor;
        editor->SetData(data);
        return editor;
    };
    kind.makeDatabase = [record, insert](const QStringList &names) {
        auto db = std::make_unique<Database>();
        for (const QString &n : names)
            (db.get()->*insert)(record(n));
        if (!names.isEmpty())
            db->SaveDataToDataBase();
        return std::unique_ptr<IKorvexCommonDatabase>(std::move(db));
    };
    return kind;
}

const std::vector<CEditorKind> &Kinds()
{
    using namespace KorvexPipeDatabase;
    using namespace KorvexDeviceDINDatabase;
    using namespace KorvexCoolantDatabase;
    using namespace KorvexConsumerDatabase;
    using namespace KorvexEmbrasureDatabase;
    using namespace KorvexKmsDatabase;
    static const std::vector<CEditorKind> kinds = [] {
        std::vector<CEditorKind> k {
            Made<CPipeRedactorDialog>(
                "pipe", 4, "Добавление нового типа трубы", "Изменение типа трубы",
                +[](const QString &n) {
                    const QStringList c = Cells(n, 4);
                    return CPipe(n, c[0], c[1], c[2], c[3]);
                },
                &CPipeDatabase::InsertPipe),
            // The constructor takes the values in another order than the table shows them.
            Made<CDINRedactorDialog>(
                "din", 3, "Добавление нового прибора", "Изменение типа прибора",
                +[](const QString &n) {
                    const QStringList c = Cells(n, 3);
                    return CDeviceDIN(n, c[1], c[2], c[0]);
                },
                &CDeviceDINDatabase::InsertDeviceDIN),
            Made<CCoolantRedactorDialog>(
                "coolant", 4, "Добавление нового теплоносителя", "Изменение телоносителя",
                +[](const QString &n) {
                    const double x = n.at(0).unicode();
                    return CCoolant(n, { { int(x), x, x, x } });
                },
                &CCoolantDatabase::InsertCoolant,
                [](const QString &n) {
                    const QString v = QString::number(n.at(0).unicode());
                    const QString f = QString::number(v.toInt(), 'f', 2);
                    return Rows { { v, f, f, f } };
                }),
            Made<CConsumerRedactorDialog>(
                "consumer", 14, "Добавление нового потребителя", "Изменение потребителя",
                +[](const QString &n) {
                    return CConsumer(n, { ChildOf(n, SubCategoryColumns(), UnitColumn) });
                },
                &CConsumerDatabase::InsertConsumer),
            Made<CEmbrasureRedactorDialog>(
                "embrasure", 5, "Добавление нового типа проемов", "Изменение типа группы проемов",
                +[](const QString &n) {
                    CEmbrasureGroup group(n);
                    group.InsertEmbrasure(ChildOf(n + ": ПВХ: 2", EmbrasureColumns(), DAir1Column));
                    return group;
                },
                &CEmbrasureDatabase::InsertEmbrasureGroup),
            Made<CKMSRedactorDialog>(
                "kms", 3, "Добавление новой категории", "Изменение категории", Category,
                &CKmsDatabase::InsertDevices,
                [](const QString &n) {
                    const QStringList c = Cells(n, 3);
                    return Rows { { c[0], QString::number(n.at(0).unicode()), c[2] } };
                }),
        };
        k[3].rowsInChild = k[4].rowsInChild = true;
        k[4].nameExistsText = "Группа проемов с таким названием уже существует!";
        k[4].confirmDeleteText = "Подтверждаете удаление группы проемов?";
        return k;
    }();
    return kinds;
}

void AddKinds()
{
    QTest::addColumn<int>("kind");
    for (size_t i = 0; i < Kinds().size(); ++i)
        QTest::newRow(Kinds()[i].name) << int(i);
}

const CEditorKind &Kind()
{
    QFETCH(int, kind);
    return Kinds()[size_t(kind)];
}

/// An editor of the current kind on records named \a names; RowsOf() selects first.
struct CEditor
{
    explicit CEditor(const QStringList &names)
        : dialog(Kind().makeEditor(names))
        , probe(dialog.get())
    { }
    Rows RowsOf(const QString &name) const
    {
        probe.Select(1, name);
        return probe.Rows();
    }
    std::unique_ptr<QDialog> dialog;
    CEditorProbe probe;
};

/// Opens \a db's editor, lets \a action work on it and returns the last cell of its first
/// row as it opened.
QString Open(IKorvexCommonDatabase &db, std::function<void(const CEditorProbe &)> action)
{
    QString seen;
    CModalHelper helper;
    helper.Start([&](QWidget *modal) {
        const CEditorProbe probe(modal);
        seen = probe.Rows().at(0).last();
        action(probe);
    });
    db.ShowContent(); // the helper fails the test if the editor never opened
    return seen;
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        CModalHelper::StopAll();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void addRenameAndDelete_data() { AddKinds(); }
    void addRenameAndDelete() // with the icons and a screenshot of the dialog
    {
        const CEditorKind &kind = Kind();
        KorvexTest::CScriptedPrompts prompts;
        const CEditor editor({ "A", "B", "C" });
        const CEditorProbe &probe = editor.probe;
        QCOMPARE(probe.Table()->columnCount(), kind.columns);
        for (const char *name : { "m_pAdd1", "m_pDel1", "m_pMod1", "m_pOKBtn", "m_pCancelBtn" })
            QVERIFY2(!probe.Button(name)->icon().pixmap(16).isNull(), name);
        editor.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.dialog.get()));
        QVERIFY(
            !QPixmap(KorvexTest::SaveScreenshot(editor.dialog.get(), editor.dialog->objectName()))
                 .isNull());
        probe.Select(1, "B");
        prompts.AnswerText("ignored", false); // cancelled, then empty: nothing happens
        prompts.AnswerText("");
        prompts.AnswerText("A"); // taken
        prompts.AnswerButton(QMessageBox::Ok);
        for (int i = 0; i < 3; ++i)
            probe.Add(1);
        prompts.AnswerText("C"); // taken
        prompts.AnswerButton(QMessageBox::Ok);
        prompts.AnswerText("B"); // the same name: nothing to do, nothing to say
        probe.Rename(1);
        probe.Rename(1);
        const QString exists = kind.nameExistsText;
        QCOMPARE(
            prompts.Texts(),
            QStringList({ nameLabel, nameLabel, nameLabel, exists, nameLabel, exists, nameLabel }));
        const auto &asked = prompts.Requests();
        QCOMPARE(asked[0].title + '|' + asked[3].title + '|' + asked[4].title + '|'
                     + asked[4].initialText,
                 kind.addTitle + '|' + messageTitle + '|' + kind.renameTitle + "|B");
        QCOMPARE(asked[2].parent, editor.dialog.get());
        QCOMPARE(probe.Items(1), QStringList({ "A", "B", "C" }));

        // A renamed record keeps its values and its place in the list.
        prompts.AnswerText("b2");
        probe.Rename(1);
        QCOMPARE(probe.Items(1).join(',') + ' ' + probe.Current(1), QStringLiteral("A,b2,C b2"));
        QCOMPARE(editor.RowsOf("A"), kind.RowsOf("A"));
        QCOMPARE(editor.RowsOf("b2"), kind.RowsOf("B"));
        if (!kind.convertedRows) {
            // Typing reaches the working copy as typed; a cell changed silently goes with the
            // next edit.
            QTableWidget *table = probe.Table();
            probe.Select(1, "A");
            table->blockSignals(true);
            table->item(0, 0)->setText(" first ");
            table->blockSignals(false);
            probe.Type(0, kind.columns - 1, "1,5 x");
            const QStringList typed = QStringList { " first " }
                + Cells("A", kind.columns).mid(1, kind.columns - 2) + QStringList { "1,5 x" };
            QCOMPARE(editor.RowsOf("C"), kind.RowsOf("C"));
            QCOMPARE(editor.RowsOf("A"), Rows { typed });
        }
        prompts.AnswerText("New");
        probe.Add(1);
        QCOMPARE(probe.Items(1).join(',') + ' ' + probe.Current(1), "A,b2,C,New New");
        QCOMPARE(probe.Rows(), kind.NewRecordRows());

        // Delete asks first; the next record becomes current; the last leaves nothing shown.
        probe.Select(1, "b2");
        prompts.AnswerButton(QMessageBox::No);
        probe.Delete(1);
        QCOMPARE(prompts.Texts().last(), kind.confirmDeleteText);
        QVERIFY(prompts.Requests().back().title == messageTitle
                && prompts.Requests().back().buttons == (QMessageBox::Yes | QMessageBox::No));
        for (int i = 0; i < 4; ++i)
            prompts.AnswerButton(QMessageBox::Yes);
        probe.Delete(1);
        QCOMPARE(probe.Items(1).join(',') + ' ' + probe.Current(1), "A,C,New C");
        QCOMPARE(probe.Rows(), kind.RowsOf("C"));
        for (int i = 0; i < 3; ++i)
            probe.Delete(1);
        QVERIFY(probe.Items(1).isEmpty() && probe.Rows().empty());
        QCOMPARE(int(prompts.Requests().size()), 14); // the questions, nothing else
    }

    void showContentSavesOnlyWhenAccepted_data() { AddKinds(); }
    void showContentSavesOnlyWhenAccepted()
    {
        const CEditorKind &kind = Kind();
        for (const bool accept : { false, true }) {
            KorvexTest::CTempDatabase temp;
            const auto db = kind.makeDatabase({ "A" });
            // "7.00" reads back the same from a text cell and from a number with two decimals.
            Open(*db, [&](const CEditorProbe &probe) {
                probe.Type(0, probe.Table()->columnCount() - 1, "7.00");
                probe.Click(accept ? "m_pOKBtn" : "m_pCancelBtn");
            });
            // Opened again, and after a fresh load, the editor shows what was kept.
            const auto cancel = [](const CEditorProbe &probe) { probe.Click("m_pCancelBtn"); };
            const QString expected = accept ? "7.00" : kind.RowsOf("A").at(0).last();
            QCOMPARE(Open(*db, cancel), expected);
            const auto loaded = kind.makeDatabase({});
            loaded->LoadData();
            QCOMPARE(Open(*loaded, cancel), expected);
        }
    }
};

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
