#include "DevicesDIN/DINRedactorDialog.h"
#include "Pipes/PipeRedactorDialog.h"
#include "TestSupport.h"
#include "core/EditorFramework_p.h"

#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
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

/// One of the single-level editors, reached through its widgets by object name. Its
/// records are made so that the cell in table column c of record "X" reads "X-c".
struct CEditor
{
    std::unique_ptr<QDialog> dialog;
    QString addTitle;
    QString renameTitle;
    /// The working copy: every record as its name followed by its values in table order.
    std::function<QList<QStringList>()> records;

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
    QStringList Values(const QString &name) const
    {
        for (const QStringList &record : records()) {
            if (record.first() == name)
                return record.mid(1);
        }
        return {};
    }
};

QStringList Cells(const QString &name, int columns)
{
    QStringList cells;
    for (int c = 0; c < columns; ++c)
        cells << name + QLatin1Char('-') + QString::number(c);
    return cells;
}

CEditor MakeEditor(const QString &kind, const QStringList &names)
{
    CEditor editor;
    if (kind == QLatin1String("pipe")) {
        auto *dialog = new CPipeRedactorDialog;
        std::vector<CPipe> pipes;
        for (const QString &n : names) {
            const QStringList v = Cells(n, 4);
            pipes.emplace_back(n, v[0], v[1], v[2], v[3]);
        }
        dialog->SetData(pipes);
        editor.records = [dialog]() {
            QList<QStringList> all;
            for (const CPipe &p : dialog->GetData())
                all << QStringList { p.GetName(), p.GetDOutside(), p.GetDInside(), p.GetRoughness(),
                                     p.GetLamda() };
            return all;
        };
        editor.dialog.reset(dialog);
        editor.addTitle = QStringLiteral("Добавление нового типа трубы");
        editor.renameTitle = QStringLiteral("Изменение типа трубы");
    } else {
        auto *dialog = new CDINRedactorDialog;
        std::vector<CDeviceDIN> devices;
        for (const QString &n : names) {
            const QStringList v = Cells(n, 3);
            devices.emplace_back(n, v[1], v[2], v[0]);
        }
        dialog->SetData(devices);
        editor.records = [dialog]() {
            QList<QStringList> all;
            for (const CDeviceDIN &d : dialog->GetData())
                all << QStringList { d.GetName(), d.GetPressure(), d.GetExpenditureCold(),
                                     d.GetExpenditureHot() };
            return all;
        };
        editor.dialog.reset(dialog);
        editor.addTitle = QStringLiteral("Добавление нового прибора");
        editor.renameTitle = QStringLiteral("Изменение типа прибора");
    }
    return editor;
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void editors_data();
    void emptyDatabaseOpensSilently_data() { editors_data(); }
    void emptyDatabaseOpensSilently();
    void listSelectsTheRecordShown_data() { editors_data(); }
    void listSelectsTheRecordShown();
    void addSelectsNewRecordWithEmptyRow_data() { editors_data(); }
    void addSelectsNewRecordWithEmptyRow();
    void duplicateNamesAreRefusedAndRenameKeepsValues_data() { editors_data(); }
    void duplicateNamesAreRefusedAndRenameKeepsValues();
    void deleteAsksFirstAndEmptiesSilently_data() { editors_data(); }
    void deleteAsksFirstAndEmptiesSilently();
    void cellEditWritesTheWholeRowAtOnce_data() { editors_data(); }
    void cellEditWritesTheWholeRowAtOnce();
    void realBoxesShowTheirTexts_data() { editors_data(); }
    void realBoxesShowTheirTexts();
    void showContentSavesOnlyWhenAccepted_data();
    void showContentSavesOnlyWhenAccepted();
    void lowerLevelsFollowTheSelectedParent();
    void screenshotsWithData();
};

void TestEditors::editors_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("pipe") << "pipe"
                          << "Тип трубы"
                          << QStringList { "Наружный Ø", "Внутренний Ø", "Шероховатость",
                                           "λ стенок" };
    QTest::newRow("din") << "din"
                         << "Тип прибора" << QStringList { "Давление", "Расход ХВ", "Расход ГВ" };
}

void TestEditors::emptyDatabaseOpensSilently()
{
    QFETCH(QString, kind);
    QFETCH(QString, label);
    QFETCH(QStringList, headings);
    CScriptedPrompts prompts;
    const CEditor editor = MakeEditor(kind, {});
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

void TestEditors::listSelectsTheRecordShown()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, headings);
    const CEditor editor = MakeEditor(kind, { "A", "B", "C" });
    QCOMPARE(editor.Items(), QStringList({ "A", "B", "C" }));
    QCOMPARE(editor.Row(), Cells("A", headings.size()));
    QCOMPARE(editor.Values("A"), Cells("A", headings.size()));
    editor.List()->setCurrentIndex(2);
    QCOMPARE(editor.Table()->rowCount(), 1);
    QCOMPARE(editor.Row(), Cells("C", headings.size()));
}

void TestEditors::addSelectsNewRecordWithEmptyRow()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, headings);
    CScriptedPrompts prompts;
    const CEditor editor = MakeEditor(kind, { "A", "B" });
    prompts.AnswerText("ignored", false);
    editor.Click("m_pAdd1");
    prompts.AnswerText(QString());
    editor.Click("m_pAdd1");
    QCOMPARE(editor.Items(), QStringList({ "A", "B" }));

    prompts.AnswerText("New");
    editor.Click("m_pAdd1");
    QCOMPARE(editor.Items(), QStringList({ "A", "B", "New" }));
    QCOMPARE(editor.List()->currentText(), QStringLiteral("New"));
    QCOMPARE(editor.Row(), QStringList(headings.size(), QString()));
    QCOMPARE(editor.records().size(), 3);
    QCOMPARE(editor.Values("New"), QStringList(headings.size(), QString()));

    const KorvexCore::CPromptRequest &ask = prompts.Requests().back();
    QCOMPARE(ask.kind, KorvexCore::PromptKind::Text);
    QCOMPARE(ask.parent, editor.dialog.get());
    QCOMPARE(ask.title, editor.addTitle);
    QCOMPARE(ask.text, nameLabel);
    QVERIFY(ask.initialText.isEmpty());
}

void TestEditors::duplicateNamesAreRefusedAndRenameKeepsValues()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, headings);
    CScriptedPrompts prompts;
    const CEditor editor = MakeEditor(kind, { "A", "B", "C" });
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
    QCOMPARE(prompts.Requests()[2].title, editor.renameTitle);
    QCOMPARE(prompts.Requests()[2].initialText, QStringLiteral("B"));
    QCOMPARE(editor.records().size(), 3);
    QCOMPARE(editor.Items(), QStringList({ "A", "B", "C" }));

    prompts.AnswerText("b2");
    editor.Click("m_pMod1");
    QCOMPARE(editor.Items(), QStringList({ "A", "b2", "C" }));
    QCOMPARE(editor.List()->currentIndex(), 1);
    QCOMPARE(editor.Values("b2"), Cells("B", headings.size()));
    QCOMPARE(editor.Row(), Cells("B", headings.size()));
}

void TestEditors::deleteAsksFirstAndEmptiesSilently()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, headings);
    CScriptedPrompts prompts;
    const CEditor editor = MakeEditor(kind, { "A", "B", "C" });
    editor.List()->setCurrentIndex(1);
    prompts.AnswerButton(QMessageBox::No);
    editor.Click("m_pDel1");
    QCOMPARE(editor.records().size(), 3);
    const KorvexCore::CPromptRequest &ask = prompts.Requests().back();
    QCOMPARE(ask.kind, KorvexCore::PromptKind::Question);
    QCOMPARE(ask.title, messageTitle);
    QCOMPARE(ask.text, confirmDelete);
    QCOMPARE(ask.buttons, QMessageBox::Yes | QMessageBox::No);

    prompts.AnswerButton(QMessageBox::Yes);
    editor.Click("m_pDel1");
    QCOMPARE(editor.Items(), QStringList({ "A", "C" }));
    QCOMPARE(editor.List()->currentText(), QStringLiteral("C"));
    QCOMPARE(editor.Row(), Cells("C", headings.size()));

    for (int i = 0; i < 2; ++i) {
        prompts.AnswerButton(QMessageBox::Yes);
        editor.Click("m_pDel1");
    }
    QCOMPARE(editor.List()->count(), 0);
    QCOMPARE(editor.Table()->rowCount(), 0);
    QVERIFY(editor.records().isEmpty());
    QCOMPARE(prompts.Pending(), 0); // only the questions were asked
    QCOMPARE(int(prompts.Requests().size()), 4);
}

void TestEditors::cellEditWritesTheWholeRowAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, headings);
    const CEditor editor = MakeEditor(kind, { "A", "B" });
    editor.List()->setCurrentIndex(1);
    QTableWidget *table = editor.Table();
    {
        // A cell changed without notice is still written back with the next edit.
        const QSignalBlocker blocker(table);
        table->item(0, 0)->setText(" first ");
    }
    table->item(0, headings.size() - 1)->setText("1,5 x");
    QStringList expected = Cells("B", headings.size());
    expected.first() = " first ";
    expected.last() = "1,5 x";
    QCOMPARE(editor.Values("B"), expected);
    QCOMPARE(editor.Values("A"), Cells("A", headings.size()));
}

void TestEditors::realBoxesShowTheirTexts()
{
    QFETCH(QString, kind);
    const CEditor editor = MakeEditor(kind, { "A" });
    KorvexTest::CModalAnswer input, info, question;

    KorvexTest::AnswerNextModal(&input, QMessageBox::Ok, "A");
    KorvexTest::AnswerNextModal(&info, QMessageBox::Ok);
    editor.Click("m_pAdd1");
    QCOMPARE(input.title, editor.addTitle);
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
    QCOMPARE(input.title, editor.renameTitle);
    QCOMPARE(editor.Items(), QStringList({ "Z" }));
}

void TestEditors::showContentSavesOnlyWhenAccepted_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("firstColumnSql");
    const QString pipes = "Диалоговое окно редактирования базы \"Трубы\"";
    const QString devices = "Диалоговое окно редактирования базы \"Приборы_по_DIN\"";
    QTest::newRow("pipe accepted") << "pipe" << true << pipes << "SELECT D_outside FROM PIPES";
    QTest::newRow("pipe cancelled") << "pipe" << false << pipes << "SELECT D_outside FROM PIPES";
    QTest::newRow("din accepted") << "din" << true << devices << "SELECT Pressure FROM DEVICES_DIN";
    QTest::newRow("din cancelled")
        << "din" << false << devices << "SELECT Pressure FROM DEVICES_DIN";
}

void TestEditors::showContentSavesOnlyWhenAccepted()
{
    QFETCH(QString, kind);
    QFETCH(bool, accept);
    QFETCH(QString, title);
    QFETCH(QString, firstColumnSql);
    CTempDatabase temp;
    std::unique_ptr<KorvexInterfaces::IKorvexCommonDatabase> db;
    if (kind == QLatin1String("pipe")) {
        auto *pipes = new CPipeDatabase;
        pipes->InsertPipe(CPipe("A", "old"));
        pipes->SaveDataToDataBase();
        db.reset(pipes);
    } else {
        auto *devices = new CDeviceDINDatabase;
        devices->InsertDeviceDIN(CDeviceDIN("A", {}, {}, "old"));
        devices->SaveDataToDataBase();
        db.reset(devices);
    }

    QString seenTitle;
    KorvexTest::OnNextModal([&](QWidget *modal) {
        seenTitle = modal->windowTitle();
        auto *table = modal->findChild<QTableWidget *>("m_pDataTableWidget");
        table->item(0, 0)->setText("new");
        modal->findChild<QPushButton *>(accept ? "m_pOKBtn" : "m_pCancelBtn")->click();
    });
    db->ShowContent();
    QCOMPARE(seenTitle, title);
    const QString expected = accept ? "new" : "old";
    QCOMPARE(CTempDatabase::Column(firstColumnSql), QStringList { expected });

    // Opened again, the editor shows what the database holds in memory now.
    KorvexTest::OnNextModal([&](QWidget *modal) {
        seenTitle = modal->findChild<QTableWidget *>("m_pDataTableWidget")->item(0, 0)->text();
        modal->findChild<QPushButton *>("m_pCancelBtn")->click();
    });
    db->ShowContent();
    QCOMPARE(seenTitle, expected);
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

void TestEditors::screenshotsWithData()
{
    CPipeRedactorDialog pipes;
    pipes.SetData({ CPipe("Металлопластик 16x2.0", "16", "12", "0.007", "0.45"),
                    CPipe("Сталь ВГП 20x2.8", "26.8", "21.2", "0.2", "58") });
    CDINRedactorDialog devices;
    devices.SetData({ CDeviceDIN("Унитаз со смывным бачком", "0.13", "0", "0.5"),
                      CDeviceDIN("Умывальник", "0.07", "0.07", "1.0") });
    for (QDialog *dialog : std::initializer_list<QDialog *> { &pipes, &devices }) {
        for (const char *name : { "m_pAdd1", "m_pDel1", "m_pMod1", "m_pOKBtn", "m_pCancelBtn" })
            QVERIFY2(!dialog->findChild<QPushButton *>(name)->icon().pixmap(16).isNull(), name);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QString path = KorvexTest::SaveScreenshot(dialog, dialog->objectName());
        QVERIFY2(QFileInfo(path).size() > 0, qPrintable(path));
    }
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
