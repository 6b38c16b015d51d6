#include "Consumers/ConsumerRedactorDialog.h"
#include "Consumers/ConsumerTable_p.h"
#include "EditorProbe.h"
#include "TestSupport.h"

#include <QApplication>
#include <QRegularExpression>
#include <QScreen>

using namespace KorvexConsumerDatabase;
using KorvexTest::CEditorProbe;
using KorvexTest::CTempDatabase;
using Rows = std::vector<QStringList>;

namespace {

/// The fourteen texts the editor shows, in its column order.
QStringList Norms(const CSubCategory &s)
{
    QStringList norms;
    for (int column = UnitColumn; column <= LastNormColumn; ++column)
        norms << (s.*SubCategoryColumns()[size_t(column)].GetText())();
    return norms;
}

/// A sub-category whose norms are "<name>/0" … "<name>/13", except where \a norms gives
/// them.
CSubCategory Sub(const QString &name, QStringList norms = {})
{
    for (int i = int(norms.size()); i < 14; ++i)
        norms << name + '/' + QString::number(i);
    CSubCategory s(name);
    for (int column = UnitColumn; column <= LastNormColumn; ++column)
        (s.*SubCategoryColumns()[size_t(column)].SetText())(norms[column - UnitColumn]);
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
    void subCategoryLevelThroughTheSeam();
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
    QCOMPARE(Dump(loaded.GetConsumers()),
             Dump({ CConsumer("Жилые здания", { counted, Sub("Общежитие") }),
                    CConsumer("Без подкатегорий"), CConsumer("Гостиницы", { Sub("Номер") }) }));

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

void TestConsumers::subCategoryLevelThroughTheSeam()
{
    KorvexTest::CScriptedPrompts prompts;
    CConsumerRedactorDialog editor;
    editor.SetData({ CConsumer("A", { Sub("a1"), Sub("a2") }), CConsumer("B") });
    const CEditorProbe probe(&editor);
    QCOMPARE(editor.size(), QSize(1034, 407));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(editor.geometry().topLeft(),
             QPoint((area.width() - 1034) / 2, (area.height() - 407) / 2));
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

QTEST_MAIN(TestConsumers)
#include "tst_consumers.moc"
