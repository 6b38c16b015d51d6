// The climate database: how the four tables become one tree and back, the viewer's
// flows, the parameter dialogs, and what a failed save leaves behind.

#include "Climate/ClimateDatabaseViewer.h"
#include "Climate/ClimateTable_p.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

/// The settlement at "COUNTRY/Region/Settlement", or null.
const CSettlement *find(const CClimateDatabase &db, const QString &path)
{
    const QStringList p = path.split('/');
    const CCountry *country = db.FindCountry(p[0]);
    const CRegion *region = country ? country->FindRegion(p[1]) : nullptr;
    return region ? region->FindSettlement(p[2]) : nullptr;
}

/// A settlement whose every value derives from \a seed, one or more in each record.
CSettlement sample(const QString &name, double seed)
{
    CSettlement s(name);
    TColdSeasonParams cold;
    cold.MostColdDay_Supply98 = -seed - 0.1234567;
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
    QLineEdit *Edit(const QString &field, int tab = 0) const
    {
        return tabs->widget(tab)->findChild<QLineEdit *>("m_p" + field);
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
    void cellTexts_data();
    void cellTexts();
    void roundTripKeepsTreeOrderAndRecords();
    void viewerFlows();
    void currentSettlementNeverDangles_data();
    void currentSettlementNeverDangles();
    void failedSaveTellsAndKeepsTheTree_data();
    void failedSaveTellsAndKeepsTheTree();
};

void TestClimate::rowKinds_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("expected");
    const QString v = "|MostColdDay_Supply98=-28";
    QTest::newRow("no region row: one unknown region")
        << QStringList { "РОССИЯ", "Тверь" + v, "Область", "Клин" + v }
        << QStringList { "РОССИЯ", "РОССИЯ/Неизвестный регион", "РОССИЯ/Неизвестный регион/Тверь",
                         "РОССИЯ/Область", "РОССИЯ/Область/Клин" };
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
    row("comma", "Supply94", "12,5", "0");
    row("letters", "Supply94", "abc", "0");
    row("duration truncated", "AverageTempPairs_LessEqual8_uiDuration", "171.9", "171");
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
         { "Пригород|Supply94=1", "РОССИЯ", "Область",
           QString("Город|Precipitations=1|%1=%2").arg(column, cell) });
    // TABLE3 starts without a header: its rows belong to the country and region current
    // at the end of TABLE2, which in turn continues from TABLE1.
    seed("TABLE2", { "Город|Pressure=990" });
    seed("TABLE3", { "Тверь|Jan=-8", "Город|Jan=-7.5" });
    CClimateDatabase db;
    db.LoadData();
    db.LoadData(); // the rows before TABLE1's first country are dropped both times
    QCOMPARE(tree(db).mid(2), QStringList({ "РОССИЯ/Область/Город", "РОССИЯ/Область/Тверь" }));
    const CSettlement *town = find(db, "РОССИЯ/Область/Город");
    QCOMPARE(town->GetWarmSeasonParams().Pressure, 990.0);
    QCOMPARE(town->GetAverageMonthYearTemperature().Jan, -7.5);
    QCOMPARE(find(db, "РОССИЯ/Область/Тверь")->GetAverageMonthYearTemperature().Jan, -8.0);
    for (const auto &field : RecordFields<TColdSeasonParams>()) {
        if (column == field.name)
            QCOMPARE(FieldText(town->GetColdSeasonParams(), field), kept);
    }
    WriteClimateTables(db, db.GetCountries(), kTables);
    QVERIFY(!db.GetLastError().IsValid());
    QCOMPARE(CTempDatabase::Column(QString("SELECT %1 FROM TABLE1").arg(column)).mid(0, 3),
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
    CClimateDatabase loaded;
    loaded.LoadData();
    QCOMPARE(tree(loaded), tree(db));
    const CSettlement *s = find(loaded, "СТРАНА 1/Страна область 1/Страна город 2");
    QVERIFY(s);
    // Values come back at six significant digits.
    CSettlement expected = sample("x", 2);
    TColdSeasonParams cold = expected.GetColdSeasonParams();
    cold.MostColdDay_Supply98 = -2.12346;
    cold.SnowMoveIntensity = 2.46913e+06;
    expected.SetColdSeasonParams(cold);
    QCOMPARE(records(*s), records(expected));
}

void TestClimate::viewerFlows()
{
    CTempDatabase temp;
    CClimateDatabase db;
    CViewer v(db);
    QVERIFY(v.Actions().isEmpty()); // nothing to offer before a click
    {
        CScriptedPrompts prompts;
        prompts.AnswerText("Россия"); // the name taken in upper case
        v.viewer->OnAddCountry();
        v.Click("РОССИЯ");
        QCOMPARE(v.Actions(),
                 QStringList({ "Добавить область", "|", "Добавить страну", "Изменить страну",
                               "Удалить страну" }));
        prompts.AnswerText("Область");
        v.Choose("Добавить область");
        v.Click("РОССИЯ/Область");
        QCOMPARE(v.Actions(),
                 QStringList({ "Добавить город", "|", "Изменить область", "Удалить область" }));
        for (const char *name : { "Москва", "Клин" }) {
            prompts.AnswerText(name);
            v.Choose("Добавить город");
        }
        prompts.AnswerText("Клин");
        prompts.AnswerButton(QMessageBox::Ok);
        v.Choose("Добавить город");
        QCOMPARE(prompts.Requests().back().text,
                 QStringLiteral("Город с таким именем уже существует!"));
        // A renamed city moves to the end of its region.
        v.Click("РОССИЯ/Область/Москва");
        QCOMPARE(v.Actions(), QStringList({ "Изменить город", "Удалить город" }));
        prompts.AnswerText("Москва-Сити");
        v.Choose("Изменить город");
        QCOMPARE(tree(db).mid(2),
                 QStringList({ "РОССИЯ/Область/Клин", "РОССИЯ/Область/Москва-Сити" }));

        // Saving: the information box, then the tables hold the tree.
        prompts.AnswerButton(QMessageBox::Ok);
        v.viewer->findChild<QPushButton *>("m_pSaveChangesBtn")->click();
        QCOMPARE(prompts.Requests().back().kind, KorvexCore::PromptKind::Information);
        QCOMPARE(prompts.Requests().back().text,
                 QStringLiteral("Все изменения успешно записаны на жесткий диск!"));
        QVERIFY(!v.viewer->IsModified());
        QCOMPARE(CTempDatabase::Column("SELECT Name FROM TABLE2").last(),
                 QStringLiteral("Москва-Сити"));

        // Deleting a country asks first; "No" keeps it.
        v.Click("РОССИЯ");
        prompts.AnswerButton(QMessageBox::No);
        v.Choose("Удалить страну");
        QCOMPARE(db.GetCountries().size(), size_t(1));
        QCOMPARE(prompts.Requests().back().text, QStringLiteral("Подтверждаете удаление страны?"));
    }
    // The real boxes: a taken name in any case, then closing by the frame while changed.
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
    viewer.Start([](QWidget *dialog) { dialog->findChild<QPushButton *>("okButton")->click(); });
    db.ShowContent(); // "Выйти" asks nothing
    QVERIFY(viewer.Done());
    v.Click("РОССИЯ/Область/Клин");
    v.viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(v.viewer));
    KorvexTest::SaveScreenshot(v.viewer, "climate_cold");
    for (int tab = 0; tab < 4; ++tab) { // every label whole on every tab
        v.tabs->setCurrentIndex(tab);
        for (QLabel *label : v.tabs->widget(tab)->findChildren<QLabel *>())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }
    question.StartAnswer(QMessageBox::No);
    v.viewer->close();
    QVERIFY(question.Done());
    QCOMPARE(question.Seen().text,
             QStringLiteral("Данные были изменены! Хотите сохранить изменения в базе данных?"));
    QCOMPARE(question.Seen().buttons, QStringLiteral("&Yes,&No"));
    QCOMPARE(tree(db).mid(4), QStringList({ "ГЕРМАНИЯ" }));
    QCOMPARE(int(CTempDatabase::Column("SELECT Name FROM TABLE1").size()), 4); // not saved
}

void TestClimate::currentSettlementNeverDangles_data()
{
    // The item made current, the slot run on it (or another change) with the name typed
    // (empty: "Yes" to the question), the settlement typing then reaches (empty: none),
    // and the lines of the tree afterwards.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("nowEdits");
    QTest::addColumn<int>("lines");
    const QString country = "СТРАНА 0", region = country + "/Страна область 0",
                  city = region + "/Страна город 0";
    const auto row = [](const char *tag, const QString &path, const char *change,
                        const char *answer, const QString &nowEdits, int lines) {
        QTest::newRow(tag) << path << QString(change) << QString(answer) << nowEdits << lines;
    };
    row("delete city", city, "OnDelCity", "", "", 13);
    row("delete other city", region + "/Страна город 1", "OnDelCity", "", city, 13);
    row("delete region", region, "OnDelRegion", "", "", 11);
    row("delete country", country, "OnDelCountry", "", "", 7);
    row("rename city", city, "OnModCity", "Новый", region + "/Новый", 14);
    row("rename region", region, "OnModRegion", "Новая", "СТРАНА 0/Новая/Страна город 0", 14);
    row("rename country", country, "OnModCountry", "Новая", "НОВАЯ/Страна область 0/Страна город 0",
        14);
    row("add countries", country, "OnAddCountry", "Ещё ", city, 64);
    row("reload", city, "reload", "", city, 14);
    row("host deletes", city, "host deletes", "", "", 7);
    row("region shown", region, "click", "", "", 14);
}

void TestClimate::currentSettlementNeverDangles()
{
    // Every change of the containers may move or destroy the settlement the dialogs edit;
    // whatever is typed afterwards, on any tab, must land in a live settlement or nowhere
    // (the sanitizer build catches a write through a stale reference).
    QFETCH(QString, path);
    QFETCH(QString, change);
    QFETCH(QString, answer);
    QFETCH(QString, nowEdits);
    QFETCH(int, lines);
    CTempDatabase temp;
    CClimateDatabase db;
    fillTree(db, "Страна", 2, 2, 2);
    WriteClimateTables(db, db.GetCountries(), kTables);
    CViewer v(db);
    CScriptedPrompts prompts;
    v.Click("СТРАНА 0/Страна область 0/Страна город 0");
    // Showing rounds the stored values to what the edits show.
    QCOMPARE(v.viewer->GetCurrentSettlement()->GetColdSeasonParams().MostColdDay_Supply98,
             -0.123457);

    // The slots act on the current item, which the keyboard moves without a click.
    v.tree->setCurrentItem(v.Item(path));
    if (change == "reload") {
        db.LoadData();
    } else if (change == "host deletes") {
        db.DeleteCountry(CCountry("СТРАНА 0"));
    } else if (change == "click") {
        v.Click(path);
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
    const auto all = [&db]() {
        QStringList texts;
        for (const QString &line : tree(db))
            texts << (line.count('/') == 2 ? records(*find(db, line)) : line);
        return texts;
    };
    const QStringList before = all();
    QCOMPARE(before.size(), lines);
    // One field a tab; text is stored as typed: 1e2 as 100, a duration truncated.
    const QStringList fields
        = { "AverageTempPairs_LessEqual10_uiDuration", "Direction", "Year", "Jul" };
    const QStringList typed = { "171.9", "СВ", "-9", "1e2" }, held = { "171", "СВ", "-9", "100" };
    for (int tab = 0; tab < 4; ++tab) {
        v.tabs->setCurrentIndex(tab);
        v.Edit(fields[tab], tab)->setText(typed[tab]);
        if (!nowEdits.isEmpty())
            QVERIFY(records(*find(db, nowEdits)).split('#')[tab].split(';').contains(held[tab]));
    }
    const QStringList after = all();
    QCOMPARE(after.size(), before.size());
    int changed = 0;
    for (int i = 0; i < after.size(); ++i)
        changed += after[i] != before[i];
    QCOMPARE(changed, nowEdits.isEmpty() ? 0 : 1);
    QCOMPARE(v.viewer->GetCurrentSettlement(), nowEdits.isEmpty() ? nullptr : find(db, nowEdits));
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
    CClimateDatabase old;
    fillTree(old, "Старая", 1, 2, 3);
    WriteClimateTables(old, old.GetCountries(), kTables);
    QVERIFY(CTempDatabase::Reopen("QSQLITE_BUSY_TIMEOUT=50"));
    CClimateDatabase db;
    {
        KorvexTest::COtherConnection other;
        QVERIFY(other.Exec(unread ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE"));
        db.LoadData();
        CViewer v(db);
        CScriptedPrompts prompts;
        prompts.AnswerText("НОВАЯ");
        v.viewer->OnAddCountry();
        if (unread)
            other.Exec("ROLLBACK");
        prompts.AnswerButton(QMessageBox::Ok);
        v.viewer->OnSaveChangesBtn();
        QCOMPARE(int(prompts.Requests().size()), 2); // no success message
        QCOMPARE(prompts.Requests()[1].kind, KorvexCore::PromptKind::Critical);
        QVERIFY(prompts.Requests()[1].text.contains("\"Климатология\""));
        QCOMPARE(db.GetLastError().GetKind(),
                 unread ? CDatabaseError::SaveRefused : CDatabaseError::SaveError);
        QVERIFY(v.viewer->IsModified());
        QVERIFY(db.FindCountry("НОВАЯ"));
        other.Exec("ROLLBACK");
    }
    QCOMPARE(CTempDatabase::Column("SELECT Name FROM TABLE5").first(), QStringLiteral("СТАРАЯ 0"));
    QCOMPARE(CTempDatabase::Column("SELECT count(*) FROM TABLE5"), QStringList { "9" });
}

QTEST_MAIN(TestClimate)
#include "tst_climate.moc"
