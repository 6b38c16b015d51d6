// The climate database: how the four tables become one tree and back, the viewer's
// flows, the parameter dialogs, and what a failed or killed save leaves behind.

#include "Climate/ClimateDatabaseViewer.h"
#include "Climate/ClimateTable_p.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTreeWidget>

using namespace KorvexClimateDatabase;
using KorvexCore::CDatabaseError;
using KorvexTest::CScriptedPrompts;
using KorvexTest::CTempDatabase;

namespace {

const QStringList kTables = { "TABLE1", "TABLE2", "TABLE3", "TABLE5" };

/// Creates \a table as the library does and adds rows "Name" or "Name|Column=value|…".
void seed(const QString &table, const QStringList &rows)
{
    const auto &description = table == "TABLE1" ? ColdSeasonTable()
        : table == "TABLE2"                     ? WarmSeasonTable()
                                                : MonthTable();
    CTempDatabase::Exec(QString::fromUtf8(description.create).arg(table));
    for (const QString &row : rows) {
        QStringList parts = row.split('|');
        QStringList columns { "Name" }, values { "'" + parts.takeFirst() + "'" };
        for (const QString &cell : parts) {
            columns << cell.section('=', 0, 0);
            values << "'" + cell.section('=', 1) + "'";
        }
        QCOMPARE(CTempDatabase::Exec(QString("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(table, columns.join(','), values.join(','))),
                 QString());
    }
}

/// "COUNTRY", "COUNTRY/Region", "COUNTRY/Region/Settlement" in tree order.
QStringList tree(const CClimateDatabase &db)
{
    QStringList lines;
    for (const CCountry &c : db.GetCountries()) {
        lines << c.GetName();
        for (const CRegion &r : c.GetRegions()) {
            lines << c.GetName() + '/' + r.GetName();
            for (const CSettlement &s : r.GetSettlements())
                lines << c.GetName() + '/' + r.GetName() + '/' + s.GetName();
        }
    }
    return lines;
}

template<class R> QString recordText(const R &record)
{
    QStringList texts;
    for (const TRecordField<R> &field : RecordFields<R>())
        texts << FieldText(record, field);
    return texts.join(';');
}

/// Every record of a settlement as text.
QString records(const CSettlement &s)
{
    return QStringList { recordText(s.GetColdSeasonParams()), recordText(s.GetWarmSeasonParams()),
                         recordText(s.GetAverageMonthYearTemperature()),
                         recordText(s.GetAverageMonthYearPartialPressure()) }
        .join('#');
}

const CSettlement *find(const CClimateDatabase &db, const QString &c, const QString &r,
                        const QString &s)
{
    const CCountry *country = db.FindCountry(c);
    const CRegion *region = country ? country->FindRegion(r) : nullptr;
    return region ? region->FindSettlement(s) : nullptr;
}

/// A settlement whose every value derives from \a seed.
CSettlement sample(const QString &name, double seed)
{
    CSettlement s(name);
    TColdSeasonParams cold;
    cold.MostColdDay_Supply98 = -seed - 0.1234567;
    cold.AverageTempPairs_LessEqual8_uiDuration = quint32(seed) + 200;
    cold.WindDirection = EWindDirection(int(seed) % 9);
    cold.SnowMoveIntensity = 1234567 * seed;
    s.SetColdSeasonParams(cold);
    TWarmSeasonParams warm;
    warm.Pressure = 1013.25;
    warm.Direction = WindSW;
    s.SetWarmSeasonParams(warm);
    TAverageMonthYearTemperature t;
    t.Jan = -seed;
    t.Year = seed / 3;
    s.SetAverageMonthYearTemperature(t);
    TAverageMonthYearPartialPressure p;
    p.Dec = seed + 0.5;
    s.SetAverageMonthYearPartialPressure(p);
    return s;
}

/// A tree of \a countries × \a regions × \a settlements, names prefixed by \a prefix.
void fillTree(CClimateDatabase &db, const QString &prefix, int countries, int regions,
              int settlements)
{
    for (int c = 0; c < countries; ++c) {
        CCountry country(QString("%1 %2").arg(prefix.toUpper()).arg(c));
        for (int r = 0; r < regions; ++r) {
            CRegion region(QString("%1 область %2").arg(prefix).arg(r));
            for (int s = 0; s < settlements; ++s)
                region.InsertSettlement(sample(QString("%1 город %2").arg(prefix).arg(s), s));
            country.InsertRegion(region);
        }
        db.InsertCountry(country);
    }
}

/// The viewer of \a db with its tree filled, and ways to click and choose actions.
struct CViewer
{
    explicit CViewer(CClimateDatabase &db)
        : viewer(db.GetViewer())
        , tree(viewer->findChild<QTreeWidget *>("m_pTreeWidget"))
        , tabs(viewer->findChild<QTabWidget *>("m_pTabWidget"))
    {
        viewer->FillTree(db.GetCountries());
    }
    QTreeWidgetItem *Item(const QString &path) const
    {
        QTreeWidgetItem *item = tree->invisibleRootItem();
        for (const QString &name : path.split('/')) {
            QTreeWidgetItem *parent = item;
            item = nullptr;
            for (int i = 0; parent && i < parent->childCount() && !item; ++i)
                item = parent->child(i)->text(0) == name ? parent->child(i) : nullptr;
        }
        return item;
    }
    void Click(const QString &path) const
    {
        QTreeWidgetItem *item = Item(path);
        QVERIFY2(item, qPrintable(path));
        tree->setCurrentItem(item);
        emit tree->itemClicked(item, 0);
    }
    QStringList Actions() const
    {
        QStringList texts;
        for (QAction *a : tree->actions())
            texts << (a->isSeparator() ? "|" : a->text());
        return texts;
    }
    void Choose(const QString &text) const
    {
        for (QAction *a : tree->actions()) {
            if (a->text() == text)
                return a->trigger();
        }
        QFAIL(qPrintable("no action " + text));
    }
    QLineEdit *Edit(const char *field, int tab = 0) const
    {
        return tabs->widget(tab)->findChild<QLineEdit *>(QString("m_p") + field);
    }

    CClimateDatabaseViewer *viewer;
    QTreeWidget *tree;
    QTabWidget *tabs;
};

} // namespace

class TestClimate : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { KorvexTest::CModalHelper::StopAll(); }

    void rowKinds_data();
    void rowKinds();
    void laterTablesMergeAndNamesAreRemembered();
    void cellTexts_data();
    void cellTexts();
    void roundTripKeepsTreeOrderAndRecords();
    void viewerFlows();
    void typingUpdatesTheCurrentSettlement_data();
    void typingUpdatesTheCurrentSettlement();
    void currentSettlementNeverDangles_data();
    void currentSettlementNeverDangles();
    void failedSaveTellsAndKeepsTheTree_data();
    void failedSaveTellsAndKeepsTheTree();
    void realModalBoxes();
    void screenshotsShowWholeLabels();
    void killedSaveKeepsAllFourTables();
    void childWriter();
};

void TestClimate::rowKinds_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("expected");
    const QString v = "|MostColdDay_Supply98=-28";
    QTest::newRow("country, region, settlement")
        << QStringList { "РОССИЯ", "Московская область", "Москва" + v }
        << QStringList { "РОССИЯ", "РОССИЯ/Московская область",
                         "РОССИЯ/Московская область/Москва" };
    QTest::newRow("no region row: one unknown region")
        << QStringList { "РОССИЯ", "Тверь" + v, "Клин" + v }
        << QStringList { "РОССИЯ", "РОССИЯ/Неизвестный регион", "РОССИЯ/Неизвестный регион/Тверь",
                         "РОССИЯ/Неизвестный регион/Клин" };
    QTest::newRow("a direction alone makes no values")
        << QStringList { "РОССИЯ", "Область|WindDirection=С" }
        << QStringList { "РОССИЯ", "РОССИЯ/Область" };
    QTest::newRow("upper case or no letters is a country")
        << QStringList { "РОССИЯ", "КРАЙ", "123" } << QStringList { "РОССИЯ", "КРАЙ", "123" };
    QTest::newRow("settlement before any country, empty name")
        << QStringList { "Москва" + v, "РОССИЯ", "Область", v }
        << QStringList { "РОССИЯ", "РОССИЯ/Область", "РОССИЯ/Область/" };
    QTest::newRow("country again: no duplicate")
        << QStringList { "РОССИЯ", "Аа", "БЕЛАРУСЬ", "РОССИЯ", "Аа", "Бб" }
        << QStringList { "РОССИЯ", "РОССИЯ/Аа", "РОССИЯ/Бб", "БЕЛАРУСЬ" };
}

void TestClimate::rowKinds()
{
    QFETCH(QStringList, rows);
    QFETCH(QStringList, expected);
    CTempDatabase temp;
    seed("TABLE1", rows);
    CClimateDatabase db;
    db.LoadData();
    QCOMPARE(tree(db), expected);
    QVERIFY(!db.GetLastError().IsValid());
}

void TestClimate::laterTablesMergeAndNamesAreRemembered()
{
    CTempDatabase temp;
    seed("TABLE1", { "Пригород|Supply94=1", "РОССИЯ", "Область", "Москва|Supply94=-26" });
    // TABLE3 starts without a header: its rows belong to the country and region current
    // at the end of TABLE2, which in turn continues from TABLE1.
    seed("TABLE2", { "Москва|Pressure=990" });
    seed("TABLE3", { "Тверь|Jan=-8", "Москва|Jan=-7.5" });
    CClimateDatabase db;
    db.LoadData();
    db.LoadData(); // the rows before TABLE1's first country are dropped both times
    QCOMPARE(tree(db),
             QStringList(
                 { "РОССИЯ", "РОССИЯ/Область", "РОССИЯ/Область/Москва", "РОССИЯ/Область/Тверь" }));
    const CSettlement *moscow = find(db, "РОССИЯ", "Область", "Москва");
    QCOMPARE(moscow->GetColdSeasonParams().Supply94, -26.0);
    QCOMPARE(moscow->GetWarmSeasonParams().Pressure, 990.0);
    QCOMPARE(moscow->GetAverageMonthYearTemperature().Jan, -7.5);
    const CSettlement *tver = find(db, "РОССИЯ", "Область", "Тверь");
    QCOMPARE(recordText(tver->GetColdSeasonParams()), recordText(TColdSeasonParams()));
    QCOMPARE(tver->GetAverageMonthYearTemperature().Jan, -8.0);
}

void TestClimate::cellTexts_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("kept"); // as read, and as written back
    const auto row = [](const char *tag, const char *column, const char *cell, const char *kept) {
        QTest::newRow(tag) << QString(column) << QString(cell) << QString(kept);
    };
    row("six digits", "Supply94", "0.1234567", "0.123457");
    row("large", "Supply94", "1234567", "1.23457e+06");
    row("small", "Supply94", "0.00001234", "1.234e-05");
    row("pressure", "AbsoluteCold", "1013.25", "1013.25");
    row("comma", "Supply94", "12,5", "0");
    row("letters", "Supply94", "abc", "0");
    row("duration truncated", "AverageTempPairs_LessEqual8_uiDuration", "171.9", "171");
    row("duration text", "AverageTempPairs_LessEqual0_uiDuration", "x", "0");
    row("direction", "WindDirection", "СВ", "СВ");
    row("direction lower case", "WindDirection", "с", "");
    row("direction latin C", "WindDirection", "C", "");
}

void TestClimate::cellTexts()
{
    QFETCH(QString, column);
    QFETCH(QString, cell);
    QFETCH(QString, kept);
    CTempDatabase temp;
    seed("TABLE1",
         { "РОССИЯ", "Область", QString("Город|Precipitations=1|%1=%2").arg(column, cell) });
    CClimateDatabase db;
    db.LoadData();
    const CSettlement *town = find(db, "РОССИЯ", "Область", "Город");
    QVERIFY(town);
    for (const auto &field : RecordFields<TColdSeasonParams>()) {
        if (column == field.name)
            QCOMPARE(FieldText(town->GetColdSeasonParams(), field), kept);
    }
    WriteClimateTables(db, db.GetCountries(), kTables);
    QVERIFY(!db.GetLastError().IsValid());
    QCOMPARE(CTempDatabase::Column(QString("SELECT %1 FROM TABLE1").arg(column)),
             QStringList({ "", "", kept }));
    // Header cells are empty text, never NULL.
    QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM TABLE5 WHERE Jan IS NULL"),
             QStringList { "0" });
}

void TestClimate::roundTripKeepsTreeOrderAndRecords()
{
    CTempDatabase temp;
    CClimateDatabase db;
    fillTree(db, "Страна", 2, 2, 3);
    // An empty region and an empty country are kept as header rows.
    db.FindCountry("СТРАНА 0")->InsertRegion(CRegion("Пустая"));
    db.InsertCountry(CCountry("ПУСТАЯ"));
    WriteClimateTables(db, db.GetCountries(), kTables);
    QVERIFY(!db.GetLastError().IsValid());
    for (const QString &table : kTables)
        QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM " + table), QStringList { "20" });

    CClimateDatabase loaded;
    loaded.LoadData();
    QCOMPARE(tree(loaded), tree(db));
    const CSettlement *s = find(loaded, "СТРАНА 1", "Страна область 1", "Страна город 2");
    QVERIFY(s);
    // Values come back at six significant digits.
    CSettlement expected = sample("x", 2);
    TColdSeasonParams cold = expected.GetColdSeasonParams();
    cold.MostColdDay_Supply98 = -2.12346;
    cold.SnowMoveIntensity = 2.46913e+06;
    expected.SetColdSeasonParams(cold);
    QCOMPARE(records(*s), records(expected));
    // Saving again replaces the rows instead of adding to them.
    WriteClimateTables(loaded, loaded.GetCountries(), kTables);
    QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM TABLE3"), QStringList { "20" });
}

void TestClimate::viewerFlows()
{
    CTempDatabase temp;
    CClimateDatabase db;
    CViewer v(db);
    QCOMPARE(v.tree->topLevelItemCount(), 0);
    QVERIFY(v.Actions().isEmpty()); // nothing to offer before a click

    CScriptedPrompts prompts;
    prompts.AnswerText("Россия"); // the name taken in any case: realModalBoxes()
    v.viewer->OnAddCountry();
    QCOMPARE(tree(db), QStringList { "РОССИЯ" });

    v.Click("РОССИЯ");
    QCOMPARE(v.Actions(),
             QStringList({ "Добавить область", "|", "Добавить страну", "Изменить страну",
                           "Удалить страну" }));
    prompts.AnswerText("Московская область");
    v.Choose("Добавить область");
    v.Click("РОССИЯ/Московская область");
    QCOMPARE(v.Actions(),
             QStringList({ "Добавить город", "|", "Изменить область", "Удалить область" }));
    for (const char *name : { "Москва", "Клин", "Тверь" }) {
        prompts.AnswerText(name);
        v.Choose("Добавить город");
    }
    prompts.AnswerText("Клин");
    prompts.AnswerButton(QMessageBox::Ok);
    v.Choose("Добавить город");
    QCOMPARE(prompts.Requests().back().text,
             QStringLiteral("Город с таким именем уже существует!"));

    // A renamed city keeps its records and moves to the end of its region.
    db.FindCountry("РОССИЯ")
        ->FindRegion("Московская область")
        ->FindSettlement("Москва")
        ->SetColdSeasonParams(sample("", 5).GetColdSeasonParams());
    v.Click("РОССИЯ/Московская область/Москва");
    QCOMPARE(v.Actions(), QStringList({ "Изменить город", "Удалить город" }));
    prompts.AnswerText("Москва");
    prompts.AnswerButton(QMessageBox::Ok);
    v.Choose("Изменить город"); // the unchanged name exists
    prompts.AnswerText("Москва-Сити");
    v.Choose("Изменить город");
    QCOMPARE(tree(db).mid(2),
             QStringList({ "РОССИЯ/Московская область/Клин", "РОССИЯ/Московская область/Тверь",
                           "РОССИЯ/Московская область/Москва-Сити" }));
    QCOMPARE(find(db, "РОССИЯ", "Московская область", "Москва-Сити")
                 ->GetColdSeasonParams()
                 .SnowMoveIntensity,
             6.17284e+06); // 6172835 as the dialog showed it
    QCOMPARE(v.Item("РОССИЯ/Московская область")->child(0)->text(0),
             QStringLiteral("Москва-Сити")); // its item stays in place

    // A cancelled or empty name ends silently.
    v.Click("РОССИЯ");
    prompts.AnswerText("ГЕРМАНИЯ", false);
    prompts.AnswerText("");
    v.Choose("Добавить страну");
    v.Choose("Добавить страну");
    QCOMPARE(db.GetCountries().size(), size_t(1));

    // Saving: the information box, then the tables hold the tree.
    QVERIFY(v.viewer->IsModified());
    prompts.AnswerButton(QMessageBox::Ok);
    v.viewer->findChild<QPushButton *>("m_pSaveChangesBtn")->click();
    QCOMPARE(prompts.Requests().back().kind, KorvexCore::PromptKind::Information);
    QCOMPARE(prompts.Requests().back().text,
             QStringLiteral("Все изменения успешно записаны на жесткий диск!"));
    QVERIFY(!v.viewer->IsModified());
    QCOMPARE(CTempDatabase::Column("SELECT Name FROM TABLE2").last(),
             QStringLiteral("Москва-Сити"));

    // Deleting a country takes its regions and settlements; "No" keeps it.
    v.Click("РОССИЯ");
    prompts.AnswerButton(QMessageBox::No);
    v.Choose("Удалить страну");
    QCOMPARE(db.GetCountries().size(), size_t(1));
    prompts.AnswerButton(QMessageBox::Yes);
    v.Choose("Удалить страну");
    QVERIFY(db.GetCountries().empty());
    QCOMPARE(v.tree->topLevelItemCount(), 0);
    QCOMPARE(prompts.Requests().back().text, QStringLiteral("Подтверждаете удаление страны?"));
    QCOMPARE(prompts.Requests().back().buttons, QMessageBox::Yes | QMessageBox::No);

    // "Выйти" asks nothing, changed or not; closing by the frame: realModalBoxes().
    const size_t asked = prompts.Requests().size();
    v.viewer->findChild<QPushButton *>("okButton")->click();
    QCOMPARE(prompts.Requests().size(), asked);
}

void TestClimate::typingUpdatesTheCurrentSettlement_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("held");
    const auto row
        = [](const char *tag, int tab, const char *field, const char *typed, const char *held) {
              QTest::newRow(tag) << tab << QString(field) << QString(typed) << QString(held);
          };
    row("point", 0, "MostColdDay_Supply98", "-25.3", "-25.3");
    row("comma gives 0", 0, "Supply94", "12,5", "0");
    row("duration", 0, "AverageTempPairs_LessEqual10_uiDuration", "171.9", "171");
    row("direction", 0, "WindDirection", "ЮЗ", "ЮЗ");
    row("direction lower case", 0, "WindDirection", "с", "");
    row("warm direction", 1, "Direction", "C", "");
    row("warm", 1, "Temp99", "31.5", "31.5");
    row("temperature", 2, "Year", "5.8", "5.8");
    row("pressure", 3, "Jul", "1e2", "100");
}

void TestClimate::typingUpdatesTheCurrentSettlement()
{
    QFETCH(int, tab);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, held);
    CTempDatabase temp;
    CClimateDatabase db;
    fillTree(db, "Страна", 1, 1, 2);
    CViewer v(db);
    v.tabs->setCurrentIndex(tab);
    v.Click("СТРАНА 0/Страна область 0/Страна город 1");
    const CSettlement *s = find(db, "СТРАНА 0", "Страна область 0", "Страна город 1");
    QCOMPARE(v.viewer->GetCurrentSettlement(), s);
    // Showing rounds the stored values to what the edits show.
    QCOMPARE(s->GetColdSeasonParams().MostColdDay_Supply98, tab == 0 ? -1.12346 : -1.1234567);

    QLineEdit *edit = v.Edit(qPrintable(field), tab);
    edit->clear();
    edit->insert(typed);
    const QString all = records(*s);
    QVERIFY2(all.split('#')[tab].split(';').contains(held), qPrintable(all));
    v.Click("СТРАНА 0/Страна область 0/Страна город 1");
    QCOMPARE(edit->text(), held);
    // The other settlement is untouched, and a region shows zeros and drops what is typed.
    QCOMPARE(records(*find(db, "СТРАНА 0", "Страна область 0", "Страна город 0")),
             records(sample("", 0)));
    v.Click("СТРАНА 0/Страна область 0");
    QCOMPARE(edit->text(), field.contains("Direction") ? "" : "0");
    QTest::keyClicks(edit, "7");
    QCOMPARE(records(*s), all);
}

void TestClimate::currentSettlementNeverDangles_data()
{
    // The item made current, the slot run on it (or another change) with the name typed
    // (empty: "Yes" to the question), and the settlement typing then reaches (empty: none).
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("nowEdits");
    const QString country = "СТРАНА 0", region = country + "/Страна область 0",
                  city = region + "/Страна город 0";
    const auto row = [](const char *tag, const QString &path, const char *change,
                        const char *answer, const QString &nowEdits) {
        QTest::newRow(tag) << path << QString(change) << QString(answer) << nowEdits;
    };
    row("delete city", city, "OnDelCity", "", "");
    row("delete other city", region + "/Страна город 1", "OnDelCity", "", city);
    row("delete region", region, "OnDelRegion", "", "");
    row("delete country", country, "OnDelCountry", "", "");
    row("rename city", city, "OnModCity", "Новый", region + "/Новый");
    row("rename region", region, "OnModRegion", "Новая", "СТРАНА 0/Новая/Страна город 0");
    row("rename country", country, "OnModCountry", "Новая",
        "НОВАЯ/Страна область 0/Страна город 0");
    row("add countries", country, "OnAddCountry", "Ещё ", city);
    row("reload", city, "reload", "", city);
    row("host deletes", city, "host deletes", "", "");
}

void TestClimate::currentSettlementNeverDangles()
{
    // Every change of the containers may move or destroy the settlement the dialogs edit;
    // whatever is typed afterwards must land in a live settlement or nowhere (the
    // sanitizer build catches a write through a stale reference).
    QFETCH(QString, path);
    QFETCH(QString, change);
    QFETCH(QString, answer);
    QFETCH(QString, nowEdits);
    CTempDatabase temp;
    CClimateDatabase db;
    fillTree(db, "Страна", 2, 2, 2);
    WriteClimateTables(db, db.GetCountries(), kTables);
    CViewer v(db);
    CScriptedPrompts prompts;
    v.Click("СТРАНА 0/Страна область 0/Страна город 0");
    QVERIFY(v.viewer->GetCurrentSettlement());

    // The slots act on the current item, which the keyboard moves without a click.
    v.tree->setCurrentItem(v.Item(path));
    if (change == "reload") {
        db.LoadData();
    } else if (change == "host deletes") {
        db.DeleteCountry(CCountry("СТРАНА 0"));
    } else {
        const int times = change == "OnAddCountry" ? 50 : 1; // 50 reallocate the vector
        for (int i = 0; i < times; ++i) {
            if (answer.isEmpty())
                prompts.AnswerButton(QMessageBox::Yes);
            else
                prompts.AnswerText(times > 1 ? answer + QString::number(i) : answer);
            QVERIFY(QMetaObject::invokeMethod(v.viewer, qPrintable(change)));
        }
    }
    const QString before = tree(db).join(',');
    const auto all = [&db]() {
        QStringList texts;
        for (const QString &line : tree(db)) {
            const QStringList p = line.split('/');
            if (p.size() == 3)
                texts << records(*find(db, p[0], p[1], p[2]));
        }
        return texts;
    };
    const QStringList valuesBefore = all();
    v.Edit("MostColdDay_Supply98")->setText("-99");
    QCOMPARE(tree(db).join(','), before);
    const QStringList valuesAfter = all();
    int changed = 0;
    for (int i = 0; i < valuesAfter.size(); ++i)
        changed += valuesAfter[i] != valuesBefore[i];
    QCOMPARE(changed, nowEdits.isEmpty() ? 0 : 1);
    if (!nowEdits.isEmpty()) {
        const QStringList p = nowEdits.split('/');
        QCOMPARE(v.viewer->GetCurrentSettlement(), find(db, p[0], p[1], p[2]));
        QCOMPARE(find(db, p[0], p[1], p[2])->GetColdSeasonParams().MostColdDay_Supply98, -99.0);
    } else {
        QVERIFY(!v.viewer->GetCurrentSettlement());
    }
}

void TestClimate::failedSaveTellsAndKeepsTheTree_data()
{
    QTest::addColumn<bool>("unread");
    QTest::newRow("file locked by another writer") << false;
    QTest::newRow("a table that could not be read") << true;
}

void TestClimate::failedSaveTellsAndKeepsTheTree()
{
    QFETCH(bool, unread);
    CTempDatabase temp;
    {
        CClimateDatabase old;
        fillTree(old, "Старая", 1, 2, 3);
        WriteClimateTables(old, old.GetCountries(), kTables);
    }
    QSqlDatabase conn = QSqlDatabase::database();
    conn.close();
    conn.setConnectOptions("QSQLITE_BUSY_TIMEOUT=50");
    QVERIFY(conn.open());
    CClimateDatabase db;
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(temp.Path());
        QVERIFY(other.open());
        QSqlQuery(other).exec(unread ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE");
        db.LoadData();
        CViewer v(db);
        CScriptedPrompts prompts;
        prompts.AnswerText("НОВАЯ");
        v.viewer->OnAddCountry();
        if (unread)
            QSqlQuery(other).exec("ROLLBACK");
        prompts.AnswerButton(QMessageBox::Ok);
        v.viewer->OnSaveChangesBtn();
        QCOMPARE(int(prompts.Requests().size()), 2); // no success message
        QCOMPARE(prompts.Requests()[1].kind, KorvexCore::PromptKind::Critical);
        QVERIFY(prompts.Requests()[1].text.contains("\"Климатология\""));
        QCOMPARE(db.GetLastError().GetKind(),
                 unread ? CDatabaseError::SaveRefused : CDatabaseError::SaveError);
        QVERIFY(v.viewer->IsModified());
        QVERIFY(db.FindCountry("НОВАЯ"));
        QSqlQuery(other).exec("ROLLBACK");
        other.close();
    }
    QSqlDatabase::removeDatabase("other");
    QCOMPARE(CTempDatabase::Column("SELECT Name FROM TABLE5").first(), QStringLiteral("СТАРАЯ 0"));
    QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM TABLE5"), QStringList { "9" });
}

void TestClimate::realModalBoxes()
{
    CTempDatabase temp;
    CClimateDatabase db;
    db.InsertCountry(CCountry("РОССИЯ"));
    CViewer v(db);
    KorvexTest::CModalHelper input, critical, added, viewer, question;
    input.StartAnswer(QMessageBox::Ok, "россия");
    critical.StartAnswer(QMessageBox::Ok);
    v.viewer->OnAddCountry();
    QVERIFY(input.Done() && critical.Done());
    QCOMPARE(input.Seen().text, QStringLiteral("Введите название"));
    QCOMPARE(critical.Seen().title, QStringLiteral("Сообщение Korvex. Модуль KorvexDatabase"));
    QCOMPARE(critical.Seen().text, QStringLiteral("Страна с таким именем уже существует!"));
    added.StartAnswer(QMessageBox::Ok, "Германия");
    v.viewer->OnAddCountry();
    QVERIFY(added.Done());

    // "Выйти" asks nothing; closing by the frame while changed shows the real question.
    viewer.Start([](QWidget *dialog) { dialog->findChild<QPushButton *>("okButton")->click(); });
    db.ShowContent();
    QVERIFY(viewer.Done());
    question.StartAnswer(QMessageBox::No);
    v.viewer->show();
    v.viewer->close();
    QVERIFY(question.Done());
    QCOMPARE(question.Seen().text,
             QStringLiteral("Данные были изменены! Хотите сохранить изменения в базе данных?"));
    QCOMPARE(question.Seen().buttons, QStringLiteral("&Yes,&No"));
    QCOMPARE(tree(db), QStringList({ "РОССИЯ", "ГЕРМАНИЯ" }));
    QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM TABLE1").first().left(6),
             QStringLiteral("ERROR:"));
}

void TestClimate::screenshotsShowWholeLabels()
{
    CTempDatabase temp;
    CClimateDatabase db;
    fillTree(db, "Страна", 2, 2, 3);
    CViewer v(db);
    v.Click("СТРАНА 0/Страна область 1/Страна город 2");
    v.viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(v.viewer));
    const QStringList names
        = { "climate_cold", "climate_warm", "climate_temperature", "climate_pressure" };
    for (int tab = 0; tab < 4; ++tab) {
        v.tabs->setCurrentIndex(tab);
        QWidget *page = v.tabs->widget(tab);
        KorvexTest::SaveScreenshot(v.viewer, names[tab]);
        for (QLabel *label : page->findChildren<QLabel *>())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }
    v.viewer->hide();
}

void TestClimate::childWriter()
{
    // Started as a separate process by killedSaveKeepsAllFourTables().
    const bool child = KorvexTest::RunChildSave([] {
        CClimateDatabase climate;
        fillTree(climate, "Новая", 1, qEnvironmentVariableIntValue("KORVEX_WRITER_REGIONS"), 100);
        WriteClimateTables(climate, climate.GetCountries(), kTables);
    });
    if (!child)
        QSKIP("child only");
}

void TestClimate::killedSaveKeepsAllFourTables()
{
    const int regions = 150;
    int killedMidway = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        CTempDatabase temp;
        {
            CClimateDatabase old;
            fillTree(old, "Старая", 1, 3, 5);
            WriteClimateTables(old, old.GetCountries(), kTables);
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KORVEX_WRITER_REGIONS", QString::number(regions));
        const KorvexTest::CKilledSave run
            = KorvexTest::KillDuringSave("childWriter", temp.Path(), env, 10 + 100 * attempt);
        const bool midway = run.killed && !run.saved;
        killedMidway += midway;

        temp.Reopen();
        QStringList kinds;
        for (const QString &table : kTables) {
            const QStringList names = CTempDatabase::Column("SELECT Name FROM " + table);
            const int rows = int(names.size());
            kinds << (rows == 1 + 3 + 15 && names.first() == "СТАРАЯ 0" ? "old"
                          : rows == 1 + regions * 101 && names.first() == "НОВАЯ 0"
                          ? "new"
                          : QString("mixed: %1 rows").arg(rows));
        }
        const QString what = kinds.join(',') + (midway ? ", killed midway" : "");
        QVERIFY2(kinds.count(kinds.first()) == 4, qPrintable(what));
        QVERIFY2(kinds.first() == "old" || kinds.first() == "new", qPrintable(what));
        if (midway)
            QVERIFY2(kinds.first() == "old", qPrintable(what));
    }
    QVERIFY2(killedMidway > 0, "the writer always finished before it could be killed");
}

QTEST_MAIN(TestClimate)
#include "tst_climate.moc"
