#include "Consumers/ConsumerRedactorDialog.h"
#include "Consumers/ConsumerTable_p.h"
#include "EditorProbe.h"
#include "TestSupport.h"

#include <QApplication>
#include <QRegularExpression>

using namespace KorvexConsumerDatabase;
using KorvexTest::CTempDatabase;

namespace {

QStringList Norms(const CSubCategory &s)
{
    QStringList norms;
    for (int column = UnitColumn; column <= LastNormColumn; ++column)
        norms << (s.*SubCategoryColumns()[size_t(column)].GetText())();
    return norms;
}

/// A sub-category whose norms are "<name>/0" … "<name>/13", except where \a norms gives them.
CSubCategory Sub(const QString &name, const QStringList &norms = {})
{
    CSubCategory s(name);
    for (int i = 0; i <= LastNormColumn - UnitColumn; ++i)
        (s.*SubCategoryColumns()[size_t(UnitColumn + i)].SetText())(
            norms.value(i, name + '/' + QString::number(i)));
    return s;
}

QStringList Dump(const std::vector<CConsumer> &consumers)
{
    QStringList lines;
    for (const CConsumer &c : consumers) {
        lines << '[' + c.GetName() + ']';
        for (const CSubCategory &s : c.GetSubCategories())
            lines.last() += s.GetName() + '=' + Norms(s).join('|') + ';';
    }
    return lines;
}

} // namespace

class TestConsumers : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void roundTripAndLoadingQuirks()
    {
        CTempDatabase temp;
        CConsumerDatabase db;
        db.InsertConsumer(
            CConsumer("Жилые", { Sub("Дом", { "1 житель", " 250 ", "", "0,3" }), Sub("Об") }));
        db.InsertConsumer(CConsumer("Пустая"));
        db.SaveDataToDataBase();
        // One row per category, its sub-categories after it, each kind leaving the other's NULL.
        QCOMPARE(
            CTempDatabase::Column("SELECT ifnull(Category, '-') || ifnull(SubCategory, '-') || "
                                  "ifnull(Unit, '-') FROM CONSUMERS ORDER BY SortID"),
            QStringList({ "Жилые--", "-Дом1 житель", "-ОбОб/0", "Пустая--" }));

        // Orphan and duplicate dropped; a category trimmed, merged, its other cells not read.
        QCOMPARE(CTempDatabase::Exec("INSERT INTO CONSUMERS (SortID, Category, SubCategory, Unit) "
                                     "VALUES (-1, NULL, 'orphan', 'u0'), (10, '  A ', NULL, NULL), "
                                     "(11, NULL, ' s1 ', 'u1'), (12, '   ', NULL, NULL), "
                                     "(13, NULL, 's2', 'u2'), (14, 'A', 'ignored', 'ignored'), "
                                     "(15, NULL, ' s1 ', 'dup'), (16, NULL, 's3', 'u3')"),
                 QString());
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("^ERROR loading ConsumerDatabase "
                                                "Consumers\\\\ConsumerDatabaseTypes \\d+$"));
        const QStringList saved = Dump(db.GetConsumers());
        db.LoadData();
        const QString rest = QString(13, '|') + ';';
        QCOMPARE(Dump(db.GetConsumers()),
                 saved + QStringList({ "[A] s1 =u1" + rest + "s3=u3" + rest, "[]s2=u2" + rest }));
    }

    void subCategoryLevelThroughTheSeam()
    {
        KorvexTest::CScriptedPrompts prompts;
        CConsumerRedactorDialog editor;
        editor.SetData({ CConsumer("A", { Sub("a1"), Sub("a2") }) });
        const KorvexTest::CEditorProbe probe(&editor);
        // Renaming keeps the norms, a taken name is refused, a new one has an empty row.
        probe.Select(2, "a2");
        prompts.AnswerText("a1");
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Rename(2);
        prompts.AnswerText("a9");
        probe.Rename(2);
        QCOMPARE(Norms(*editor.GetData()[0].FindSubCategory("a9")), Norms(Sub("a2")));
        prompts.AnswerText("a3");
        probe.Add(2);
        QCOMPARE(probe.Rows(), std::vector { QStringList(14, QString()) });
        prompts.AnswerButton(QMessageBox::Yes);
        probe.Delete(2);
        QCOMPARE(probe.Items(2), QStringList({ "a1", "a9" }));
        QCOMPARE(prompts.Texts(),
                 QStringList(
                     { "Введите имя:", "Подкатегория с таким именем уже существует!",
                       "Введите имя:", "Введите имя:", "Подтверждаете удаление подкатегории?" }));
        QCOMPARE(prompts.Requests()[0].title, QStringLiteral("Изменение подкатегории потребителя"));
        QCOMPARE(prompts.Requests()[3].title, QStringLiteral("Добавление новой подкатегории"));
    }
};

QTEST_MAIN(TestConsumers)
#include "tst_consumers.moc"
