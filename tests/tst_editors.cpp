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

KorvexPipeDatabase::CPipe Pipe(const QString &n)
{
    const QStringList c = Cells(n, 4);
    return { n, c[0], c[1], c[2], c[3] };
}

// The constructor takes the values in another order than the table shows them.
KorvexDeviceDINDatabase::CDeviceDIN Device(const QString &n)
{
    const QStringList c = Cells(n, 3);
    return { n, c[1], c[2], c[0] };
}

/// A coolant "X" has one row whose four values are the code of its first letter.
KorvexCoolantDatabase::CCoolant Coolant(const QString &name)
{
    const int code = name.at(0).unicode();
    return { name, { { code, double(code), double(code), double(code) } } };
}

/// A record "X" of the two-level editors keeps its text cells in one child: the
/// sub-category "X", or the opening "X: ПВХ: 2".
template<class Child>
Child ChildOf(const QString &name, const KorvexCore::CColumns<Child> &columns, int firstShown)
{
    Child child(name);
    const QStringList c = Cells(name.section(':', 0, 0), int(columns.size()) - firstShown);
    for (int i = 0; i < c.size(); ++i)
        (child.*columns[size_t(firstShown + i)].SetText())(c[i]);
    return child;
}

KorvexConsumerDatabase::CConsumer Consumer(const QString &n)
{
    using namespace KorvexConsumerDatabase;
    return { n, { ChildOf(n, SubCategoryColumns(), UnitColumn) } };
}

KorvexEmbrasureDatabase::CEmbrasureGroup EmbrasureGroup(const QString &n)
{
    using namespace KorvexEmbrasureDatabase;
    CEmbrasureGroup group(n);
    group.InsertEmbrasure(ChildOf(n + ": ПВХ: 2", EmbrasureColumns(), DAir1Column));
    return group;
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

/// What the shared editor tests know of one editor. Every record of the data an editor
/// or database is made on is built from its name, so its table rows are known too.
struct CEditorKind
{
    const char *name;
    QStringList headings;
    QString addTitle, renameTitle;
    QStringList sample; ///< realistic names, for the look
    /// The rows of a record, for an editor that converts what is typed (and shows a new
    /// record without rows); the others show the text cells as they are.
    std::function<Rows(const QString &name)> convertedRows;
    std::function<QDialog *(const QStringList &names)> makeEditor;
    /// Saved when \a names is not empty.
    std::function<std::unique_ptr<IKorvexCommonDatabase>(const QStringList &names)> makeDatabase;
    QString nameExistsText = nameExists, confirmDeleteText = confirmDelete;
    /// The table shows a child of the record, a list further down; a new record has none.
    bool rowsInChild = false;

    Rows RowsOf(const QString &n) const
    {
        return convertedRows ? convertedRows(n) : Rows { Cells(n, int(headings.size())) };
    }
    Rows NewRecordRows() const
    {
        return convertedRows || rowsInChild ? Rows() : Rows { QStringList(headings.size(), "") };
    }
};

/// The kind \a name, whose editor and database are made on records built by \a record.
template<class Editor, class Database, class Record>
CEditorKind Made(const char *name, const QStringList &headings, const QString &addTitle,
                 const QString &renameTitle, const QStringList &sample,
                 Record (*record)(const QString &), void (Database::*insert)(const Record &),
                 std::function<Rows(const QString &name)> convertedRows = {})
{
    CEditorKind kind { name, headings, addTitle,   renameTitle,   sample, convertedRows,
                       {},   {},       nameExists, confirmDelete, false };
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

/// \a kind with its records' rows one level down, and its first list's own texts.
CEditorKind TwoLevel(CEditorKind kind, const QString &nameExistsText = nameExists,
                     const QString &confirmDeleteText = confirmDelete)
{
    kind.nameExistsText = nameExistsText;
    kind.confirmDeleteText = confirmDeleteText;
    kind.rowsInChild = true;
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
    static const std::vector<CEditorKind> kinds {
        Made<CPipeRedactorDialog>("pipe",
                                  { "Наружный Ø", "Внутренний Ø", "Шероховатость", "λ стенок" },
                                  "Добавление нового типа трубы", "Изменение типа трубы",
                                  { "Сталь 20x2.8", "PE 16x2" }, Pipe, &CPipeDatabase::InsertPipe),
        Made<CDINRedactorDialog>("din", { "Давление", "Расход ХВ", "Расход ГВ" },
                                 "Добавление нового прибора", "Изменение типа прибора",
                                 { "Умывальник", "Душ" }, Device,
                                 &CDeviceDINDatabase::InsertDeviceDIN),
        Made<CCoolantRedactorDialog>(
            "coolant",
            { "Температура, ºС", "Теплоёмкость, Дж/кг  К", "Плотность, кг/м3",
              "Вязкость, м2/с  * 10^6 (кинематическая)" },
            "Добавление нового теплоносителя", "Изменение телоносителя", { "Вода", "Антифриз" },
            Coolant, &CCoolantDatabase::InsertCoolant,
            [](const QString &n) {
                const QString value = QString::number(n.at(0).unicode(), 'f', 2);
                return Rows { { QString::number(n.at(0).unicode()), value, value, value } };
            }),
        TwoLevel(Made<CConsumerRedactorDialog>(
            "consumer",
            { "Ед. измерения", "Сутки общий", "Сутки, ГВС", "Макс. сутки общий", "Макс. сутки ГВC",
              "Макс. час общий", "Макс. час ГВC", "Сек. общий приб.", "Час общий приб.",
              "Сек. ХВ приб.", "Час. ХВ приб.", "Сек. ГВ приб.", "Час ГВ приб.", "Стоки" },
            "Добавление нового потребителя", "Изменение потребителя",
            { "Жилые здания", "Гостиницы" }, Consumer, &CConsumerDatabase::InsertConsumer)),
        TwoLevel(Made<CEmbrasureRedactorDialog>("embrasure",
                                                { "D1, кг/м2 ч", "D2, кг/м2 ч", "D3, кг/м2 ч",
                                                  "K высоты", "K теплопередачи, Вт/м2 К" },
                                                "Добавление нового типа проемов",
                                                "Изменение типа группы проемов",
                                                { "Окна", "Двери" }, EmbrasureGroup,
                                                &CEmbrasureDatabase::InsertEmbrasureGroup),
                 "Группа проемов с таким названием уже существует!",
                 "Подтверждаете удаление группы проемов?"),
        Made<CKMSRedactorDialog>(
            "kms",
            { "Диаметр условного прохода", "Коэффициент местных сопротивлений", "Комментарий" },
            "Добавление новой категории", "Изменение категории", { "Радиаторы", "Арматура" },
            Category, &CKmsDatabase::InsertDevices,
            [](const QString &n) {
                const QStringList c = Cells(n, 3);
                return Rows { { c[0], QString::number(n.at(0).unicode()), c[2] } };
            }),
    };
    return kinds;
}

/// A data column "kind" with a row per editor; \a textCellsOnly leaves out editors that
/// convert what is typed.
void AddKinds(bool textCellsOnly = false)
{
    QTest::addColumn<int>("kind");
    for (size_t i = 0; i < Kinds().size(); ++i) {
        if (!textCellsOnly || !Kinds()[i].convertedRows)
            QTest::newRow(Kinds()[i].name) << int(i);
    }
}

const CEditorKind &Kind()
{
    QFETCH(int, kind);
    return Kinds()[size_t(kind)];
}

/// An editor of the current kind on records named \a names, with its probe.
struct CEditor
{
    explicit CEditor(const QStringList &names)
        : dialog(Kind().makeEditor(names))
        , probe(dialog.get())
    { }
    /// The table of the record \a name, selected first so that it is read from the copy.
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
    db.ShowContent();
    QTest::qVerify(helper.Done(), "helper.Done()", "the editor never opened", __FILE__, __LINE__);
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

    void addAndRename_data() { AddKinds(); }
    void addAndRename();
    void cellEditsAreStoredAsTyped_data() { AddKinds(true); }
    void cellEditsAreStoredAsTyped();
    void deleteAsksFirstAndEmptiesSilently_data() { AddKinds(); }
    void deleteAsksFirstAndEmptiesSilently();
    void showContentSavesOnlyWhenAccepted_data();
    void showContentSavesOnlyWhenAccepted();
    void realWidgetsWithData_data() { AddKinds(); }
    void realWidgetsWithData();
    void helpersFailWhenWhatTheyWaitForNeverComes();
};

void TestEditors::addAndRename()
{
    const CEditorKind &kind = Kind();
    KorvexTest::CScriptedPrompts prompts;
    const CEditor empty({});
    QCOMPARE(empty.probe.Items(1), QStringList());
    QCOMPARE(empty.probe.Rows(), Rows());
    QCOMPARE(empty.probe.Headings(), kind.headings);

    const CEditor editor({ "A", "B", "C" });
    const CEditorProbe &probe = editor.probe;
    probe.Select(1, "B");
    prompts.AnswerText("ignored", false); // cancelled, then empty: nothing happens
    probe.Add(1);
    prompts.AnswerText("");
    probe.Add(1);
    prompts.AnswerText("A");
    prompts.AnswerButton(QMessageBox::Ok);
    probe.Add(1);
    prompts.AnswerText("C");
    prompts.AnswerButton(QMessageBox::Ok);
    probe.Rename(1);
    prompts.AnswerText("B"); // the same name: nothing to do, nothing to say
    probe.Rename(1);
    const QString nameExists = kind.nameExistsText;
    QCOMPARE(prompts.Texts(),
             QStringList({ nameLabel, nameLabel, nameLabel, nameExists, nameLabel, nameExists,
                           nameLabel }));
    const auto &asked = prompts.Requests();
    QCOMPARE(asked[0].title, kind.addTitle);
    QCOMPARE(asked[0].initialText, QString());
    QCOMPARE(asked[2].parent, editor.dialog.get());
    QCOMPARE(asked[3].title, messageTitle);
    QCOMPARE(asked[4].title, kind.renameTitle);
    QCOMPARE(asked[4].initialText, QStringLiteral("B"));
    QCOMPARE(probe.Items(1), QStringList({ "A", "B", "C" }));

    // A renamed record keeps its values and its place in the list.
    prompts.AnswerText("b2");
    probe.Rename(1);
    QCOMPARE(probe.Items(1), QStringList({ "A", "b2", "C" }));
    QCOMPARE(probe.Current(1), QStringLiteral("b2"));
    QCOMPARE(editor.RowsOf("A"), kind.RowsOf("A"));
    QCOMPARE(editor.RowsOf("b2"), kind.RowsOf("B"));

    prompts.AnswerText("New");
    probe.Add(1);
    QCOMPARE(probe.Items(1), QStringList({ "A", "b2", "C", "New" }));
    QCOMPARE(probe.Current(1), QStringLiteral("New"));
    QCOMPARE(probe.Rows(), kind.NewRecordRows());
}

void TestEditors::cellEditsAreStoredAsTyped()
{
    const CEditor editor({ "A", "C" });
    QTableWidget *table = editor.probe.Table();
    editor.probe.Select(1, "A");

    // Typing reaches the working copy at once, and a cell changed without notice is
    // written back with the next edit.
    {
        const QSignalBlocker blocker(table);
        table->item(0, 0)->setText(" first ");
    }
    editor.probe.Type(0, table->columnCount() - 1, "1,5 x");
    QStringList typed = Cells("A", table->columnCount());
    typed.first() = " first ";
    typed.last() = "1,5 x";
    QCOMPARE(editor.RowsOf("C"), Kind().RowsOf("C"));
    QCOMPARE(editor.RowsOf("A"), Rows { typed });
}

void TestEditors::deleteAsksFirstAndEmptiesSilently()
{
    KorvexTest::CScriptedPrompts prompts;
    const CEditor editor({ "A", "B", "C" });
    const CEditorProbe &probe = editor.probe;
    probe.Select(1, "B");
    prompts.AnswerButton(QMessageBox::No);
    probe.Delete(1);
    QCOMPARE(probe.Items(1), QStringList({ "A", "B", "C" }));
    QCOMPARE(prompts.Texts(), QStringList { Kind().confirmDeleteText });
    QCOMPARE(prompts.Requests()[0].title, messageTitle);
    QCOMPARE(prompts.Requests()[0].buttons, QMessageBox::Yes | QMessageBox::No);

    prompts.AnswerButton(QMessageBox::Yes);
    probe.Delete(1);
    QCOMPARE(probe.Items(1), QStringList({ "A", "C" }));
    QCOMPARE(probe.Current(1), QStringLiteral("C"));
    QCOMPARE(probe.Rows(), Kind().RowsOf("C"));
    for (int i = 0; i < 2; ++i) {
        prompts.AnswerButton(QMessageBox::Yes);
        probe.Delete(1);
    }
    QCOMPARE(probe.Items(1), QStringList());
    QCOMPARE(probe.Rows(), Rows());
    QCOMPARE(int(prompts.Requests().size()), 4); // the questions, nothing else
}

void TestEditors::showContentSavesOnlyWhenAccepted_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("accept");
    for (size_t i = 0; i < Kinds().size(); ++i) {
        QTest::addRow("%s accepted", Kinds()[i].name) << int(i) << true;
        QTest::addRow("%s cancelled", Kinds()[i].name) << int(i) << false;
    }
}

void TestEditors::showContentSavesOnlyWhenAccepted()
{
    QFETCH(bool, accept);
    const CEditorKind &kind = Kind();
    KorvexTest::CTempDatabase temp;
    const auto db = kind.makeDatabase({ "A" });
    QString title;
    // "7.00" reads back the same from a text cell and from a number shown with two decimals.
    Open(*db, [&](const CEditorProbe &probe) {
        title = probe.Dialog()->windowTitle();
        probe.Type(0, probe.Table()->columnCount() - 1, "7.00");
        probe.Click(accept ? "m_pOKBtn" : "m_pCancelBtn");
    });
    QCOMPARE(title, "Диалоговое окно редактирования базы \"" + db->GetName() + '"');

    // Opened again, and after a fresh load, the editor shows what was kept.
    const auto cancel = [](const CEditorProbe &probe) { probe.Click("m_pCancelBtn"); };
    const QString expected = accept ? "7.00" : kind.RowsOf("A").at(0).last();
    QCOMPARE(Open(*db, cancel), expected);
    const auto loaded = kind.makeDatabase({});
    loaded->LoadData();
    QCOMPARE(Open(*loaded, cancel), expected);
}

void TestEditors::realWidgetsWithData()
{
    const CEditorKind &kind = Kind();
    const CEditor editor(kind.sample);
    const CEditorProbe &probe = editor.probe;
    QDialog *dialog = editor.dialog.get();
    for (const char *name : { "m_pAdd1", "m_pDel1", "m_pMod1", "m_pOKBtn", "m_pCancelBtn" })
        QVERIFY2(!probe.Button(name)->icon().pixmap(16).isNull(), name);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QString path = KorvexTest::SaveScreenshot(dialog, dialog->objectName());
    QVERIFY2(!QPixmap(path).isNull(), qPrintable(path));

    // The real modal boxes, without the seam.
    CModalHelper input, info, question, rename;
    input.StartAnswer(QMessageBox::Ok, probe.Items(1).at(1));
    info.StartAnswer(QMessageBox::Ok);
    probe.Add(1);
    QVERIFY(input.Done() && info.Done());
    QCOMPARE(input.Seen().title, kind.addTitle);
    QCOMPARE(input.Seen().text, nameLabel);
    QCOMPARE(info.Seen().title, messageTitle);
    QCOMPARE(info.Seen().text, kind.nameExistsText);

    question.StartAnswer(QMessageBox::No);
    probe.Delete(1);
    QVERIFY(question.Done());
    QCOMPARE(question.Seen().title, messageTitle);
    QCOMPARE(question.Seen().text, kind.confirmDeleteText);
    QCOMPARE(question.Seen().buttons.count(','), 1);

    rename.StartAnswer(QMessageBox::Ok, "Z");
    probe.Rename(1);
    QVERIFY(rename.Done());
    QCOMPARE(rename.Seen().title, kind.renameTitle);
    QCOMPARE(probe.Items(1).at(0), QStringLiteral("Z"));
    QCOMPARE(probe.Items(1).size(), 2);
}

void TestEditors::helpersFailWhenWhatTheyWaitForNeverComes()
{
    // Every test above leans on these failing loudly; each expected failure is theirs.
    {
        CModalHelper forgotten;
        forgotten.StartAnswer(QMessageBox::Ok);
        QEXPECT_FAIL("", "destroyed while still waiting", Continue);
    }
    CModalHelper leftRunning, late;
    leftRunning.StartAnswer(QMessageBox::Ok);
    QEXPECT_FAIL("", "still waiting at cleanup", Continue);
    CModalHelper::StopAll();
    late.Start([](QWidget *) {}, 50);
    QEXPECT_FAIL("", "its timeout passes", Continue);
    QTest::qWait(300);
    {
        KorvexTest::CScriptedPrompts prompts;
        prompts.AnswerButton(QMessageBox::Yes);
        QEXPECT_FAIL("", "an answer is left unused", Continue);
    }
    KorvexTest::CScriptedPrompts prompts;
    QEXPECT_FAIL("", "nothing was scripted", Continue);
    KorvexCore::PromptInformation(nullptr, "Title", "Unexpected");
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
