#include "Consumers/ConsumerRedactorDialog.h"
#include "EditorProbe.h"
#include "TestSupport.h"

#include <QApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

using namespace KorvexConsumerDatabase;
using KorvexTest::CEditorProbe;
using KorvexTest::CTempDatabase;
using Rows = std::vector<QStringList>;

namespace {

/// The fourteen texts the editor shows, in its column order.
QStringList Norms(const CSubCategory &s)
{
    return { s.GetUnit(),
             s.GetExpenseGeneral(),
             s.GetExpenseHour(),
             s.GetExpenseDayGeneral(),
             s.GetExpenseHotWaterSupplyDay(),
             s.GetExpenseHourGeneral(),
             s.GetExpenseHotWaterSupplyHour(),
             s.GetExpenseSecondDeviceGeneral(),
             s.GetExpenseHourDeviceGeneral(),
             s.GetExpenseColdWaterSupplySecondDevice(),
             s.GetExpenseColdWaterSupplyHourDevice(),
             s.GetExpenseHotWaterSupplySecondDevice(),
             s.GetExpenseHotWaterSupplyHourDevice(),
             s.GetExpenseSeparateDevices() };
}

/// A sub-category whose norms are "<name>/0" … "<name>/13", except where \a norms gives
/// them.
CSubCategory Sub(const QString &name, QStringList norms = {})
{
    for (int i = int(norms.size()); i < 14; ++i)
        norms << name + '/' + QString::number(i);
    CSubCategory s(name);
    s.SetUnit(norms[0]);
    s.SetExpenseGeneral(norms[1]);
    s.SetExpenseHour(norms[2]);
    s.SetExpenseDayGeneral(norms[3]);
    s.SetExpenseHotWaterSupplyDay(norms[4]);
    s.SetExpenseHourGeneral(norms[5]);
    s.SetExpenseHotWaterSupplyHour(norms[6]);
    s.SetExpenseSecondDeviceGeneral(norms[7]);
    s.SetExpenseHourDeviceGeneral(norms[8]);
    s.SetExpenseColdWaterSupplySecondDevice(norms[9]);
    s.SetExpenseColdWaterSupplyHourDevice(norms[10]);
    s.SetExpenseHotWaterSupplySecondDevice(norms[11]);
    s.SetExpenseHotWaterSupplyHourDevice(norms[12]);
    s.SetExpenseSeparateDevices(norms[13]);
    return s;
}

/// "category: sub=norm|norm|…; …" per consumer.
QStringList Dump(const std::vector<CConsumer> &consumers)
{
    QStringList lines;
    for (const CConsumer &c : consumers) {
        QStringList subs;
        for (const CSubCategory &s : c.GetSubCategories())
            subs << s.GetName() + '#' + QString::number(s.GetSubCategoryID()) + '='
                    + Norms(s).join('|');
        lines << c.GetName() + ": " + subs.join("; ");
    }
    return lines;
}

const QString kDuplicateLine
    = QStringLiteral("^ERROR loading ConsumerDatabase Consumers\\\\ConsumerDatabaseTypes \\d+$");

} // namespace

class TestConsumers : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        KorvexTest::CModalHelper::StopAll();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }
    void roundTripKeepsEveryTextAndOrder();
    void loadingQuirks();
    void failedSubCategoryIsReportedAndTheRestSaved();
    void subCategoryLevelThroughTheSeam();
    void subCategoryLevelWithRealBoxes();
};

void TestConsumers::roundTripKeepsEveryTextAndOrder()
{
    CTempDatabase temp;
    CConsumerDatabase db;
    QCOMPARE(db.GetType(), 15);
    QCOMPARE(db.GetName(), QStringLiteral("Потребители"));
    CSubCategory counted = Sub("Жилой дом", { "1 житель", " 250 ", "105", "", "0,3 л/с", "x" });
    counted.SetSubCategoryID(7); // the host's own number: never stored
    db.InsertConsumer(CConsumer("Жилые здания", { counted, Sub("Общежитие") }));
    db.InsertConsumer(CConsumer("Без подкатегорий"));
    db.InsertConsumer(CConsumer("Гостиницы", { Sub("Номер") }));
    db.SaveDataToDataBase();
    QVERIFY(!db.GetLastError().IsValid());

    // One row per category, its sub-categories after it, each kind leaving the other's
    // columns NULL.
    QCOMPARE(CTempDatabase::Column("SELECT ifnull(Category, '-') || ifnull(SubCategory, '-') || "
                                   "ifnull(Unit, '-') FROM CONSUMERS ORDER BY SortID"),
             QStringList({ "Жилые здания--", "-Жилой дом1 житель", "-ОбщежитиеОбщежитие/0",
                           "Без подкатегорий--", "Гостиницы--", "-НомерНомер/0" }));

    CConsumerDatabase loaded;
    loaded.LoadData();
    counted.SetSubCategoryID(0);
    CConsumerDatabase expected;
    expected.InsertConsumer(CConsumer("Жилые здания", { counted, Sub("Общежитие") }));
    expected.InsertConsumer(CConsumer("Без подкатегорий"));
    expected.InsertConsumer(CConsumer("Гостиницы", { Sub("Номер") }));
    QCOMPARE(Dump(loaded.GetConsumers()), Dump(expected.GetConsumers()));

    // Find, Insert and Delete take no notice of duplicates but the first.
    CConsumer *consumer = loaded.FindConsumer("Жилые здания");
    consumer->InsertSubCategory(Sub("Жилой дом", { "second" }));
    QCOMPARE(consumer->FindSubCategory("Жилой дом")->GetUnit(), QStringLiteral("1 житель"));
    consumer->DeleteSubCategory(CSubCategory("Жилой дом"));
    QCOMPARE(consumer->FindSubCategory("Жилой дом")->GetUnit(), QStringLiteral("second"));
    QVERIFY(!loaded.FindConsumer("жилые здания"));

    // An empty database leaves an empty table, and loads as nothing.
    CConsumerDatabase().SaveDataToDataBase();
    QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM CONSUMERS"), QStringList({ "0" }));
    loaded.LoadData();
    QVERIFY(loaded.GetConsumers().empty());
}

void TestConsumers::loadingQuirks()
{
    CTempDatabase temp;
    CConsumerDatabase db;
    db.InsertConsumer(CConsumer("stale"));
    db.LoadData(); // no table at all
    QVERIFY(db.GetConsumers().empty());
    QVERIFY(!db.GetLastError().IsValid());

    QCOMPARE(CTempDatabase::Exec("CREATE TABLE CONSUMERS (SortID integer PRIMARY KEY, "
                                 "Category varchar, SubCategory varchar, Unit varchar)"),
             QString());
    QCOMPARE(CTempDatabase::Exec("INSERT INTO CONSUMERS (Category, SubCategory, Unit) VALUES "
                                 "(NULL, 'orphan', 'u0'), ('  A ', NULL, NULL), "
                                 "(NULL, ' s1 ', 'u1'), ('   ', NULL, NULL), "
                                 "(NULL, 's2', 'u2'), ('A', 'ignored', 'ignored'), "
                                 "(NULL, ' s1 ', 'dup'), (NULL, 's3', 'u3')"),
             QString());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(kDuplicateLine));
    db.LoadData();
    // Blanks around a category go, a blank category is one without a name, a category
    // seen again collects more rows, and a category row's other cells are not read.
    QStringList loaded;
    for (const CConsumer &c : db.GetConsumers()) {
        QStringList subs;
        for (const CSubCategory &s : c.GetSubCategories())
            subs << s.GetName() + '=' + s.GetUnit();
        loaded << '[' + c.GetName() + "] " + subs.join(',');
    }
    QCOMPARE(loaded, QStringList({ "[A]  s1 =u1,s3=u3", "[] s2=u2" }));
}

void TestConsumers::failedSubCategoryIsReportedAndTheRestSaved()
{
    CTempDatabase temp;
    // SQLite refuses any row longer than this; the statements themselves stay shorter.
    const QVariant handle = QSqlDatabase::database().driver()->handle();
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.data());
    sqlite3_limit(connection, SQLITE_LIMIT_LENGTH, 4000);

    CConsumerDatabase db;
    db.InsertConsumer(
        CConsumer("A", { Sub("a1"), Sub("too long", { QString(5000, 'x') }), Sub("a2") }));
    db.InsertConsumer(CConsumer("B", { Sub("b1") }));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("QSqlError.*too big"));
    db.SaveDataToDataBase();
    QVERIFY2(!db.GetLastError().IsValid(), qPrintable(db.GetLastError().ToString()));
    CConsumerDatabase loaded;
    loaded.LoadData();
    QCOMPARE(Dump(loaded.GetConsumers()).join('\n'),
             Dump({ CConsumer("A", { Sub("a1"), Sub("a2") }), CConsumer("B", { Sub("b1") }) })
                 .join('\n'));
}

void TestConsumers::subCategoryLevelThroughTheSeam()
{
    KorvexTest::CScriptedPrompts prompts;
    CConsumerRedactorDialog editor;
    editor.SetData({ CConsumer("A", { Sub("a1"), Sub("a2") }), CConsumer("B") });
    const CEditorProbe probe(&editor);
    QCOMPARE(probe.Headings(),
             QStringList({ "Ед. измерения", "Сутки общий", "Сутки, ГВС", "Макс. сутки общий",
                           "Макс. сутки ГВC", "Макс. час общий", "Макс. час ГВC",
                           "Сек. общий приб.", "Час общий приб.", "Сек. ХВ приб.", "Час. ХВ приб.",
                           "Сек. ГВ приб.", "Час ГВ приб.", "Стоки" }));
    QCOMPARE(probe.Items(2), QStringList({ "a1", "a2" }));
    QCOMPARE(probe.Rows(), Rows { Norms(Sub("a1")) });

    // Renaming keeps the norms; a taken name is refused.
    probe.Select(2, "a2");
    prompts.AnswerText("a1");
    prompts.AnswerButton(QMessageBox::Ok);
    probe.Rename(2);
    prompts.AnswerText("a9");
    probe.Rename(2);
    QCOMPARE(probe.Items(2), QStringList({ "a1", "a9" }));
    QCOMPARE(probe.Rows(), Rows { Norms(Sub("a2")) });

    // Every cell goes back as typed, numeric or not, emptied or not.
    probe.Type(0, 13, "");
    probe.Type(0, 2, "abc");
    QStringList typed = Norms(Sub("a2"));
    typed[13] = "";
    typed[2] = "abc";
    QCOMPARE(Norms(*editor.GetData()[0].FindSubCategory("a9")), typed);

    // A new sub-category shows an empty row; a category without any shows none.
    prompts.AnswerText("a3");
    probe.Add(2);
    QCOMPARE(probe.Rows(), Rows { QStringList(14, QString()) });
    probe.Select(1, "B");
    QCOMPARE(probe.Rows(), Rows());
    prompts.AnswerText("b1");
    probe.Add(2);
    prompts.AnswerButton(QMessageBox::No);
    probe.Delete(2);
    prompts.AnswerButton(QMessageBox::Yes);
    probe.Delete(2);
    QCOMPARE(probe.Items(2), QStringList());
    QCOMPARE(probe.Rows(), Rows());
    QCOMPARE(Dump(editor.GetData()).size(), 2);
    QCOMPARE(editor.GetData()[0].GetSubCategories().size(), size_t(3));

    QCOMPARE(
        prompts.Texts(),
        QStringList({ "Введите имя:", "Подкатегория с таким именем уже существует!", "Введите имя:",
                      "Введите имя:", "Введите имя:", "Подтверждаете удаление подкатегории?",
                      "Подтверждаете удаление подкатегории?" }));
    const auto &asked = prompts.Requests();
    QCOMPARE(asked[0].title, QStringLiteral("Изменение подкатегории потребителя"));
    QCOMPARE(asked[0].initialText, QStringLiteral("a2"));
    QCOMPARE(asked[3].title, QStringLiteral("Добавление новой подкатегории"));
}

void TestConsumers::subCategoryLevelWithRealBoxes()
{
    CConsumerRedactorDialog editor;
    editor.SetData({ CConsumer("A", { Sub("a1") }) });
    const CEditorProbe probe(&editor);
    KorvexTest::CModalHelper input, info;
    input.StartAnswer(QMessageBox::Ok, "a1");
    info.StartAnswer(QMessageBox::Ok);
    probe.Add(2);
    QVERIFY(input.Done() && info.Done());
    QCOMPARE(input.Seen().title, QStringLiteral("Добавление новой подкатегории"));
    QCOMPARE(info.Seen().title, QStringLiteral("Редактор базы данных"));
    QCOMPARE(info.Seen().text, QStringLiteral("Подкатегория с таким именем уже существует!"));
    QCOMPARE(probe.Items(2), QStringList({ "a1" }));
    QCOMPARE(editor.size(), QSize(1034, 407));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(editor.geometry().topLeft(),
             QPoint((area.width() - 1034) / 2, (area.height() - 407) / 2));
}

QTEST_MAIN(TestConsumers)
#include "tst_consumers.moc"
