#include "DevicesDIN/DINRedactorDialog.h"
#include "Pipes/PipeRedactorDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

using KorvexDeviceDINDatabase::CDeviceDIN;
using KorvexDeviceDINDatabase::CDINRedactorDialog;
using KorvexPipeDatabase::CPipe;
using KorvexPipeDatabase::CPipeRedactorDialog;

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
QStringList Cells(const QString &name)
{
    QStringList cells;
    for (int c = 0; c < (IsPipe() ? 4 : 3); ++c)
        cells << name + QLatin1Char('-') + QString::number(c);
    return cells;
}

/// One of the single-level editors, reached through its widgets by object name.
struct CEditor
{
    std::unique_ptr<QDialog> dialog;

    QComboBox *List() const { return dialog->findChild<QComboBox *>("m_pComboBox1"); }
    QTableWidget *Table() const { return dialog->findChild<QTableWidget *>("m_pDataTableWidget"); }
    void Click(const char *button) const { dialog->findChild<QPushButton *>(button)->click(); }
    QStringList Items() const
    {
        QStringList items;
        for (int i = 0; i < List()->count(); ++i)
            items << List()->itemText(i);
        return items;
    }
    /// The table row of the selected record; selecting \a name first re-reads it from the
    /// working copy.
    QStringList Row(const QString &name = QString()) const
    {
        if (!name.isNull())
            List()->setCurrentText(name);
        QStringList texts;
        for (int c = 0; Table()->rowCount() > 0 && c < Table()->columnCount(); ++c)
            texts << Table()->item(0, c)->text();
        return texts;
    }
};

/// The editor of the current global data row on records named \a names.
CEditor MakeEditor(const QStringList &names)
{
    if (IsPipe()) {
        auto *dialog = new CPipeRedactorDialog;
        std::vector<CPipe> pipes;
        for (const QString &n : names)
            pipes.emplace_back(n, Cells(n)[0], Cells(n)[1], Cells(n)[2], Cells(n)[3]);
        dialog->SetData(pipes);
        return { std::unique_ptr<QDialog>(dialog) };
    }
    auto *dialog = new CDINRedactorDialog;
    std::vector<CDeviceDIN> devices;
    for (const QString &n : names)
        devices.emplace_back(n, Cells(n)[1], Cells(n)[2], Cells(n)[0]);
    dialog->SetData(devices);
    return { std::unique_ptr<QDialog>(dialog) };
}

/// A database of the current kind; given \a first, it holds record "A" with \a first in its
/// first cell and is saved.
std::unique_ptr<KorvexInterfaces::IKorvexCommonDatabase> MakeDatabase(const QString &first = {})
{
    if (IsPipe()) {
        auto pipes = std::make_unique<KorvexPipeDatabase::CPipeDatabase>();
        if (!first.isNull()) {
            pipes->InsertPipe(CPipe("A", first));
            pipes->SaveDataToDataBase();
        }
        return pipes;
    }
    auto devices = std::make_unique<KorvexDeviceDINDatabase::CDeviceDINDatabase>();
    if (!first.isNull()) {
        devices->InsertDeviceDIN(CDeviceDIN("A", {}, {}, first));
        devices->SaveDataToDataBase();
    }
    return devices;
}

/// Opens \a db's editor, lets \a action work on it and returns its first cell as it opened.
QString Open(KorvexInterfaces::IKorvexCommonDatabase &db, std::function<void(QWidget *)> action)
{
    QString seen;
    KorvexTest::CModalHelper helper;
    helper.Start([&](QWidget *modal) {
        seen = modal->findChild<QTableWidget *>("m_pDataTableWidget")->item(0, 0)->text();
        action(modal);
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
    void initTestCase_data();
    void cleanup()
    {
        KorvexTest::CModalHelper::StopAll();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void addRenameAndCellEdits();
    void deleteAsksFirstAndEmptiesSilently();
    void showContentSavesOnlyWhenAccepted_data();
    void showContentSavesOnlyWhenAccepted();
    void realWidgetsWithData();
};

void TestEditors::initTestCase_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QString>("addTitle");
    QTest::addColumn<QString>("renameTitle");
    QTest::newRow("pipe") << "pipe"
                          << QStringList { "Наружный Ø", "Внутренний Ø", "Шероховатость",
                                           "λ стенок" }
                          << "Добавление нового типа трубы"
                          << "Изменение типа трубы";
    QTest::newRow("din") << "din" << QStringList { "Давление", "Расход ХВ", "Расход ГВ" }
                         << "Добавление нового прибора"
                         << "Изменение типа прибора";
}

void TestEditors::addRenameAndCellEdits()
{
    QFETCH_GLOBAL(QStringList, headings);
    KorvexTest::CScriptedPrompts prompts;
    const CEditor empty = MakeEditor({});
    QCOMPARE(empty.List()->count(), 0);
    QCOMPARE(empty.Table()->rowCount(), 0);
    QVERIFY(prompts.Requests().empty());
    for (int c = 0; c < headings.size(); ++c)
        QCOMPARE(empty.Table()->horizontalHeaderItem(c)->text(), headings[c]);

    const CEditor editor = MakeEditor({ "A", "B", "C" });
    editor.List()->setCurrentIndex(1);
    prompts.AnswerText("ignored", false); // cancelled, then empty: nothing happens
    editor.Click("m_pAdd1");
    prompts.AnswerText(QString());
    editor.Click("m_pAdd1");
    prompts.AnswerText("A");
    prompts.AnswerButton(QMessageBox::Ok);
    editor.Click("m_pAdd1");
    prompts.AnswerText("C");
    prompts.AnswerButton(QMessageBox::Ok);
    editor.Click("m_pMod1");
    prompts.AnswerText("B"); // the same name: nothing to do, nothing to say
    editor.Click("m_pMod1");
    QCOMPARE(prompts.Texts(),
             QStringList({ nameLabel, nameLabel, nameLabel, nameExists, nameLabel, nameExists,
                           nameLabel }));
    QCOMPARE(prompts.Requests()[2].parent, editor.dialog.get());
    QCOMPARE(prompts.Requests()[4].initialText, QStringLiteral("B"));
    QCOMPARE(editor.Items(), QStringList({ "A", "B", "C" }));

    prompts.AnswerText("b2");
    editor.Click("m_pMod1");
    QCOMPARE(editor.Items(), QStringList({ "A", "b2", "C" }));
    QCOMPARE(editor.Row("A"), Cells("A"));
    QCOMPARE(editor.Row("b2"), Cells("B"));

    prompts.AnswerText("New");
    editor.Click("m_pAdd1");
    QCOMPARE(editor.Items(), QStringList({ "A", "b2", "C", "New" }));
    QCOMPARE(editor.List()->currentText(), QStringLiteral("New"));
    QStringList typed(headings.size(), QString());
    QCOMPARE(editor.Row(), typed);

    // Typing reaches the working copy at once, and a cell changed without notice is
    // written back with the next edit.
    QTableWidget *table = editor.Table();
    {
        const QSignalBlocker blocker(table);
        table->item(0, 0)->setText(" first ");
    }
    table->item(0, table->columnCount() - 1)->setText("1,5 x");
    typed.first() = " first ";
    typed.last() = "1,5 x";
    QCOMPARE(editor.Row("C"), Cells("C"));
    QCOMPARE(editor.Row("New"), typed);
}

void TestEditors::deleteAsksFirstAndEmptiesSilently()
{
    KorvexTest::CScriptedPrompts prompts;
    const CEditor editor = MakeEditor({ "A", "B", "C" });
    editor.List()->setCurrentIndex(1);
    prompts.AnswerButton(QMessageBox::No);
    editor.Click("m_pDel1");
    QCOMPARE(editor.Items(), QStringList({ "A", "B", "C" }));
    QCOMPARE(prompts.Texts(), QStringList { confirmDelete });
    QCOMPARE(prompts.Requests()[0].buttons, QMessageBox::Yes | QMessageBox::No);

    prompts.AnswerButton(QMessageBox::Yes);
    editor.Click("m_pDel1");
    QCOMPARE(editor.Items(), QStringList({ "A", "C" }));
    QCOMPARE(editor.Row(), Cells("C"));
    for (int i = 0; i < 2; ++i) {
        prompts.AnswerButton(QMessageBox::Yes);
        editor.Click("m_pDel1");
    }
    QCOMPARE(editor.List()->count(), 0);
    QCOMPARE(editor.Table()->rowCount(), 0);
    QCOMPARE(int(prompts.Requests().size()), 4); // the questions, nothing else
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
    KorvexTest::CTempDatabase temp;
    const auto db = MakeDatabase("old");
    QString title;
    Open(*db, [&](QWidget *modal) {
        title = modal->windowTitle();
        modal->findChild<QTableWidget *>("m_pDataTableWidget")->item(0, 0)->setText("new");
        modal->findChild<QPushButton *>(accept ? "m_pOKBtn" : "m_pCancelBtn")->click();
    });
    QCOMPARE(title, "Диалоговое окно редактирования базы \"" + db->GetName() + '"');

    // Opened again, and after a fresh load, the editor shows what was kept.
    const auto cancel
        = [](QWidget *modal) { modal->findChild<QPushButton *>("m_pCancelBtn")->click(); };
    const QString expected = accept ? "new" : "old";
    QCOMPARE(Open(*db, cancel), expected);
    const auto loaded = MakeDatabase();
    loaded->LoadData();
    QCOMPARE(Open(*loaded, cancel), expected);
}

void TestEditors::realWidgetsWithData()
{
    QFETCH_GLOBAL(QString, addTitle);
    QFETCH_GLOBAL(QString, renameTitle);
    const CEditor editor = MakeEditor(IsPipe() ? QStringList { "Сталь 20x2.8", "PE 16x2" }
                                               : QStringList { "Умывальник", "Душ" });
    QDialog *dialog = editor.dialog.get();
    for (const char *name : { "m_pAdd1", "m_pDel1", "m_pMod1", "m_pOKBtn", "m_pCancelBtn" })
        QVERIFY2(!dialog->findChild<QPushButton *>(name)->icon().pixmap(16).isNull(), name);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QString path = KorvexTest::SaveScreenshot(dialog, dialog->objectName());
    QVERIFY2(!QPixmap(path).isNull(), qPrintable(path));

    // The real modal boxes, without the seam.
    KorvexTest::CModalHelper input, info, question;
    input.StartAnswer(QMessageBox::Ok, editor.List()->itemText(1));
    info.StartAnswer(QMessageBox::Ok);
    editor.Click("m_pAdd1");
    QVERIFY(input.Done());
    QVERIFY(info.Done());
    QCOMPARE(input.Seen().title, addTitle);
    QCOMPARE(input.Seen().text, nameLabel);
    QCOMPARE(info.Seen().title, messageTitle);
    QCOMPARE(info.Seen().text, nameExists);

    question.StartAnswer(QMessageBox::No);
    editor.Click("m_pDel1");
    QVERIFY(question.Done());
    QCOMPARE(question.Seen().title, messageTitle);
    QCOMPARE(question.Seen().text, confirmDelete);
    QCOMPARE(question.Seen().buttons.count(QLatin1Char(',')), 1);

    input.StartAnswer(QMessageBox::Ok, "Z");
    editor.Click("m_pMod1");
    QVERIFY(input.Done());
    QCOMPARE(input.Seen().title, renameTitle);
    QCOMPARE(editor.Items().at(0), QStringLiteral("Z"));
    QCOMPARE(editor.Items().size(), 2);
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
