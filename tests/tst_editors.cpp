#include "DevicesDIN/DINRedactorDialog.h"
#include "Pipes/PipeRedactorDialog.h"
#include "TestSupport.h"
#include "core/EditorFramework_p.h"

#include <QApplication>
#include <QLabel>

using KorvexDeviceDINDatabase::CDeviceDIN;
using KorvexDeviceDINDatabase::CDeviceDINDatabase;
using KorvexDeviceDINDatabase::CDINRedactorDialog;
using KorvexPipeDatabase::CPipe;
using KorvexPipeDatabase::CPipeDatabase;
using KorvexPipeDatabase::CPipeRedactorDialog;
using KorvexTest::CScriptedPrompts;
using KorvexTest::CTempDatabase;

namespace {

const QString messageTitle = QStringLiteral("Редактор базы данных");
const QString nameExists = QStringLiteral("Категория с таким именем уже существует!");
const QString confirmDelete = QStringLiteral("Подтверждаете удаление категории?");
const QString nameLabel = QStringLiteral("Введите имя:");

bool IsPipe()
{
    QFETCH_GLOBAL(QString, kind);
    return kind == QLatin1String("pipe");
}

/// The table cells of a record "X" made by MakeEditor: "X-0", "X-1" …
QStringList Cells(const QString &name, int columns = 0)
{
    if (columns == 0)
        columns = IsPipe() ? 4 : 3;
    QStringList cells;
    for (int c = 0; c < columns; ++c)
        cells << name + QLatin1Char('-') + QString::number(c);
    return cells;
}

/// One of the single-level editors, reached through its widgets by object name.
struct CEditor
{
    std::unique_ptr<QDialog> dialog;
    /// The fields of the named record of the working copy, in table order.
    std::function<QStringList(const QString &)> values;
    std::function<int()> size;

    template<class W> W *Widget(const char *name) const
    {
        return dialog->findChild<W *>(QLatin1String(name));
    }
    QComboBox *List() const { return Widget<QComboBox>("m_pComboBox1"); }
    QTableWidget *Table() const { return Widget<QTableWidget>("m_pDataTableWidget"); }
    void Click(const char *button) const { Widget<QPushButton>(button)->click(); }
    QStringList Items() const
    {
        QStringList items;
        for (int i = 0; i < List()->count(); ++i)
            items << List()->itemText(i);
        return items;
    }
    QStringList Row() const
    {
        QStringList texts;
        for (int c = 0; Table()->rowCount() > 0 && c < Table()->columnCount(); ++c)
            texts << Table()->item(0, c)->text();
        return texts;
    }
};

/// The editor of the current global data row on records named \a names.
CEditor MakeEditor(const QStringList &names)
{
    CEditor editor;
    if (IsPipe()) {
        auto *dialog = new CPipeRedactorDialog;
        std::vector<CPipe> pipes;
        for (const QString &n : names)
            pipes.emplace_back(n, Cells(n)[0], Cells(n)[1], Cells(n)[2], Cells(n)[3]);
        dialog->SetData(pipes);
        editor.values = [dialog](const QString &name) {
            const CPipe *p = KorvexCore::FindNamed(dialog->GetData(), name);
            return p ? QStringList { p->GetDOutside(), p->GetDInside(), p->GetRoughness(),
                                     p->GetLamda() }
                     : QStringList();
        };
        editor.size = [dialog]() { return int(dialog->GetData().size()); };
        editor.dialog.reset(dialog);
    } else {
        auto *dialog = new CDINRedactorDialog;
        std::vector<CDeviceDIN> devices;
        for (const QString &n : names)
            devices.emplace_back(n, Cells(n)[1], Cells(n)[2], Cells(n)[0]);
        dialog->SetData(devices);
        editor.values = [dialog](const QString &name) {
            const CDeviceDIN *d = KorvexCore::FindNamed(dialog->GetData(), name);
            return d
                ? QStringList { d->GetPressure(), d->GetExpenditureCold(), d->GetExpenditureHot() }
                : QStringList();
        };
        editor.size = [dialog]() { return int(dialog->GetData().size()); };
        editor.dialog.reset(dialog);
    }
    return editor;
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data();
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void emptyDatabaseOpensSilently();
    void addSelectsNewRecordWithEmptyRow();
    void duplicateNamesAreRefusedAndRenameKeepsValues();
    void deleteAsksFirstAndEmptiesSilently();
    void cellEditWritesTheWholeRowAtOnce();
    void realBoxesShowTheirTexts();
    void showContentSavesOnlyWhenAccepted_data();
    void showContentSavesOnlyWhenAccepted();
    void lowerLevelsFollowTheSelectedParent();
    void screenshotWithData();
};

void TestEditors::initTestCase_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QString>("addTitle");
    QTest::addColumn<QString>("renameTitle");
    QTest::newRow("pipe") << "pipe"
                          << "Тип трубы"
                          << QStringList { "Наружный Ø", "Внутренний Ø", "Шероховатость",
                                           "λ стенок" }
                          << "Добавление нового типа трубы"
                          << "Изменение типа трубы";
    QTest::newRow("din") << "din"
                         << "Тип прибора" << QStringList { "Давление", "Расход ХВ", "Расход ГВ" }
                         << "Добавление нового прибора"
                         << "Изменение типа прибора";
}

void TestEditors::emptyDatabaseOpensSilently()
{
    QFETCH_GLOBAL(QString, label);
    QFETCH_GLOBAL(QStringList, headings);
    CScriptedPrompts prompts;
    const CEditor editor = MakeEditor({});
    QCOMPARE(editor.List()->count(), 0);
    QCOMPARE(editor.Table()->rowCount(), 0);
    QVERIFY(prompts.Requests().empty());

    QCOMPARE(editor.Widget<QLabel>("m_pLabelCombo1")->text(), label);
    QStringList shown;
    for (int c = 0; c < editor.Table()->columnCount(); ++c)
        shown << editor.Table()->horizontalHeaderItem(c)->text();
    QCOMPARE(shown, headings);
    QCOMPARE(editor.dialog->windowTitle(),
             QStringLiteral("Диалоговое окно редактирования базы %1"));
    QCOMPARE(editor.dialog->size(), QSize(816, 407));
}

void TestEditors::addSelectsNewRecordWithEmptyRow()
{
    QFETCH_GLOBAL(QString, addTitle);
    CScriptedPrompts prompts;
    const CEditor editor = MakeEditor({ "A", "B" });
    QCOMPARE(editor.Row(), Cells("A"));
    prompts.AnswerText("ignored", false);
    editor.Click("m_pAdd1");
    prompts.AnswerText(QString());
    editor.Click("m_pAdd1");
    QCOMPARE(editor.Items(), QStringList({ "A", "B" }));

    prompts.AnswerText("New");
    editor.Click("m_pAdd1");
    QCOMPARE(editor.Items(), QStringList({ "A", "B", "New" }));
    QCOMPARE(editor.List()->currentText(), QStringLiteral("New"));
    const QStringList empty(Cells("").size(), QString());
    QCOMPARE(editor.Row(), empty);
    QCOMPARE(editor.size(), 3);
    QCOMPARE(editor.values("New"), empty);

    const KorvexCore::CPromptRequest &ask = prompts.Requests().back();
    QCOMPARE(ask.kind, KorvexCore::PromptKind::Text);
    QCOMPARE(ask.parent, editor.dialog.get());
    QCOMPARE(ask.title, addTitle);
    QCOMPARE(ask.text, nameLabel);
    QVERIFY(ask.initialText.isEmpty());
}

void TestEditors::duplicateNamesAreRefusedAndRenameKeepsValues()
{
    QFETCH_GLOBAL(QString, renameTitle);
    CScriptedPrompts prompts;
    const CEditor editor = MakeEditor({ "A", "B", "C" });
    editor.List()->setCurrentIndex(1);

    prompts.AnswerText("A");
    prompts.AnswerButton(QMessageBox::Ok);
    editor.Click("m_pAdd1");
    prompts.AnswerText("C");
    prompts.AnswerButton(QMessageBox::Ok);
    editor.Click("m_pMod1");
    prompts.AnswerText("B"); // the same name: nothing to do, nothing to say
    editor.Click("m_pMod1");
    QCOMPARE(prompts.Texts(),
             QStringList({ nameLabel, nameExists, nameLabel, nameExists, nameLabel }));
    QCOMPARE(prompts.Requests()[1].title, messageTitle);
    QCOMPARE(prompts.Requests()[1].buttons, QMessageBox::Ok);
    QCOMPARE(prompts.Requests()[2].title, renameTitle);
    QCOMPARE(prompts.Requests()[2].initialText, QStringLiteral("B"));
    QCOMPARE(editor.size(), 3);
    QCOMPARE(editor.Items(), QStringList({ "A", "B", "C" }));

    prompts.AnswerText("b2");
    editor.Click("m_pMod1");
    QCOMPARE(editor.Items(), QStringList({ "A", "b2", "C" }));
    QCOMPARE(editor.List()->currentIndex(), 1);
    QCOMPARE(editor.values("b2"), Cells("B"));
    QCOMPARE(editor.Row(), Cells("B"));
}

void TestEditors::deleteAsksFirstAndEmptiesSilently()
{
    CScriptedPrompts prompts;
    const CEditor editor = MakeEditor({ "A", "B", "C" });
    editor.List()->setCurrentIndex(1);
    prompts.AnswerButton(QMessageBox::No);
    editor.Click("m_pDel1");
    QCOMPARE(editor.size(), 3);
    const KorvexCore::CPromptRequest &ask = prompts.Requests().back();
    QCOMPARE(ask.kind, KorvexCore::PromptKind::Question);
    QCOMPARE(ask.title, messageTitle);
    QCOMPARE(ask.text, confirmDelete);
    QCOMPARE(ask.buttons, QMessageBox::Yes | QMessageBox::No);

    prompts.AnswerButton(QMessageBox::Yes);
    editor.Click("m_pDel1");
    QCOMPARE(editor.Items(), QStringList({ "A", "C" }));
    QCOMPARE(editor.List()->currentText(), QStringLiteral("C"));
    QCOMPARE(editor.Row(), Cells("C"));

    for (int i = 0; i < 2; ++i) {
        prompts.AnswerButton(QMessageBox::Yes);
        editor.Click("m_pDel1");
    }
    QCOMPARE(editor.List()->count(), 0);
    QCOMPARE(editor.Table()->rowCount(), 0);
    QCOMPARE(editor.size(), 0);
    QCOMPARE(int(prompts.Requests().size()), 4); // the questions, nothing else
}

void TestEditors::cellEditWritesTheWholeRowAtOnce()
{
    const CEditor editor = MakeEditor({ "A", "B" });
    editor.List()->setCurrentIndex(1);
    QTableWidget *table = editor.Table();
    {
        // A cell changed without notice is still written back with the next edit.
        const QSignalBlocker blocker(table);
        table->item(0, 0)->setText(" first ");
    }
    table->item(0, table->columnCount() - 1)->setText("1,5 x");
    QStringList expected = Cells("B");
    expected.first() = " first ";
    expected.last() = "1,5 x";
    QCOMPARE(editor.values("B"), expected);
    QCOMPARE(editor.values("A"), Cells("A"));
}

void TestEditors::realBoxesShowTheirTexts()
{
    QFETCH_GLOBAL(QString, addTitle);
    QFETCH_GLOBAL(QString, renameTitle);
    const CEditor editor = MakeEditor({ "A" });
    KorvexTest::CModalAnswer input, info, question;

    KorvexTest::AnswerNextModal(&input, QMessageBox::Ok, "A");
    KorvexTest::AnswerNextModal(&info, QMessageBox::Ok);
    editor.Click("m_pAdd1");
    QCOMPARE(input.title, addTitle);
    QCOMPARE(input.text, nameLabel);
    QCOMPARE(info.title, messageTitle);
    QCOMPARE(info.text, nameExists);

    KorvexTest::AnswerNextModal(&question, QMessageBox::No);
    editor.Click("m_pDel1");
    QCOMPARE(question.title, messageTitle);
    QCOMPARE(question.text, confirmDelete);
    QCOMPARE(question.buttons.count(QLatin1Char(',')), 1);

    KorvexTest::AnswerNextModal(&input, QMessageBox::Ok, "Z");
    editor.Click("m_pMod1");
    QCOMPARE(input.title, renameTitle);
    QCOMPARE(editor.Items(), QStringList({ "Z" }));
}

void TestEditors::showContentSavesOnlyWhenAccepted_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("cancelled") << false;
}

void TestEditors::showContentSavesOnlyWhenAccepted()
{
    QFETCH(bool, accept);
    CTempDatabase temp;
    std::unique_ptr<KorvexInterfaces::IKorvexCommonDatabase> db;
    QString firstColumnSql;
    if (IsPipe()) {
        auto *pipes = new CPipeDatabase;
        pipes->InsertPipe(CPipe("A", "old"));
        db.reset(pipes);
        pipes->SaveDataToDataBase();
        firstColumnSql = "SELECT D_outside FROM PIPES";
    } else {
        auto *devices = new CDeviceDINDatabase;
        devices->InsertDeviceDIN(CDeviceDIN("A", {}, {}, "old"));
        db.reset(devices);
        devices->SaveDataToDataBase();
        firstColumnSql = "SELECT Pressure FROM DEVICES_DIN";
    }

    QString seen;
    KorvexTest::OnNextModal([&](QWidget *modal) {
        seen = modal->windowTitle();
        modal->findChild<QTableWidget *>("m_pDataTableWidget")->item(0, 0)->setText("new");
        modal->findChild<QPushButton *>(accept ? "m_pOKBtn" : "m_pCancelBtn")->click();
    });
    db->ShowContent();
    QCOMPARE(seen, "Диалоговое окно редактирования базы \"" + db->GetName() + '"');
    const QString expected = accept ? "new" : "old";
    QCOMPARE(CTempDatabase::Column(firstColumnSql), QStringList { expected });

    // Opened again, the editor shows what the database holds in memory now.
    KorvexTest::OnNextModal([&](QWidget *modal) {
        seen = modal->findChild<QTableWidget *>("m_pDataTableWidget")->item(0, 0)->text();
        modal->findChild<QPushButton *>("m_pCancelBtn")->click();
    });
    db->ShowContent();
    QCOMPARE(seen, expected);
}

namespace {
struct CToyItem
{
    CToyItem(const QString &name = QString(), const QString &value = QString())
        : m_name(name)
        , m_value(value)
    { }
    const QString &GetName() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }
    const QString &GetValue() const { return m_value; }
    void SetValue(const QString &value) { m_value = value; }
    QString m_name, m_value;
    std::vector<CToyItem> m_children;
};
} // namespace

void TestEditors::lowerLevelsFollowTheSelectedParent()
{
    if (!IsPipe())
        QSKIP("independent of the editor");
    using namespace KorvexCore;
    CScriptedPrompts prompts;
    QDialog dialog;
    auto *groups = new QComboBox(&dialog);
    auto *items = new QComboBox(&dialog);
    auto *table = new QTableWidget(0, 1, &dialog);
    std::vector<CToyItem> data(2);
    data[0].m_name = "G1";
    data[0].m_children = { { "a", "1" }, { "b", "2" } };
    data[1].m_name = "G2";
    data[1].m_children = { { "c", "3" } };

    CEditorLists lists(&dialog, table);
    lists.AddLevel(groups, CEditorLists::CategoryTexts("add", "rename"),
                   VectorLevel<CToyItem>([&data](const QStringList &) { return &data; }));
    auto childrenOf = [&data](const QStringList &path) {
        CToyItem *group = FindNamed(data, path.at(0));
        return group ? &group->m_children : nullptr;
    };
    lists.AddLevel(items, CEditorLists::CategoryTexts("add", "rename"),
                   VectorLevel<CToyItem>(childrenOf));
    lists.SetOneRowTable<CToyItem>(
        [childrenOf](const QStringList &path) { return FindNamed(*childrenOf(path), path[1]); },
        { { &CToyItem::GetValue, &CToyItem::SetValue } });
    QObject::connect(groups, &QComboBox::currentIndexChanged, [&lists]() { lists.ListChanged(1); });
    QObject::connect(items, &QComboBox::currentIndexChanged, [&lists]() { lists.ListChanged(2); });
    auto shown = [&]() { return items->currentText() + "=" + table->item(0, 0)->text(); };

    lists.Refill();
    QCOMPARE(items->count(), 2);
    QCOMPARE(shown(), QStringLiteral("a=1"));
    groups->setCurrentIndex(1);
    QCOMPARE(items->count(), 1);
    QCOMPARE(shown(), QStringLiteral("c=3"));

    // A child is added to the selected group only; a name of another group is free.
    prompts.AnswerText("a");
    lists.Add(2);
    QCOMPARE(data[1].m_children.size(), size_t(2));
    QCOMPARE(data[0].m_children.size(), size_t(2));
    QCOMPARE(shown(), QStringLiteral("a="));

    // A new group selects itself with nothing below it.
    prompts.AnswerText("G3");
    lists.Add(1);
    QCOMPARE(items->count(), 0);
    QCOMPARE(table->rowCount(), 0);

    // A record missing behind the lists is reported by its level's text.
    groups->setCurrentIndex(0);
    data[0].m_children.clear();
    prompts.AnswerButton(QMessageBox::Ok);
    items->setCurrentIndex(1);
    QCOMPARE(prompts.Texts().last(), QStringLiteral("Не удалось найти категорию b!"));
    QCOMPARE(table->rowCount(), 0);
}

void TestEditors::screenshotWithData()
{
    std::unique_ptr<QDialog> dialog;
    if (IsPipe()) {
        auto *pipes = new CPipeRedactorDialog;
        dialog.reset(pipes);
        pipes->SetData({ CPipe("Металлопластик 16x2.0", "16", "12", "0.007", "0.45"),
                         CPipe("Сталь ВГП 20x2.8", "26.8", "21.2", "0.2", "58") });
    } else {
        auto *devices = new CDINRedactorDialog;
        dialog.reset(devices);
        devices->SetData({ CDeviceDIN("Унитаз со смывным бачком", "0.13", "0", "0.5"),
                           CDeviceDIN("Умывальник", "0.07", "0.07", "1.0") });
    }
    for (const char *name : { "m_pAdd1", "m_pDel1", "m_pMod1", "m_pOKBtn", "m_pCancelBtn" })
        QVERIFY2(!dialog->findChild<QPushButton *>(name)->icon().pixmap(16).isNull(), name);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QString path = KorvexTest::SaveScreenshot(dialog.get(), dialog->objectName());
    QVERIFY2(!QPixmap(path).isNull(), qPrintable(path));
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
