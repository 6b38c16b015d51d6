// Every database under faults: killed saves, full disks and locks, bad files, hostile
// texts, two processes on one file, a schema changed under the library. Each check is
// written once and runs over the eight databases.

#include "Consumers/ConsumerRedactorDialog.h"
#include "Coolants/CoolantRedactorDialog.h"
#include "DatabaseKinds.h"
#include "EditorProbe.h"
#include "Embrasures/EmbrasureRedactorDialog.h"
#include "Materials/MaterialRedactorDialog.h"
#include "TestSupport.h"

#include <QLineEdit>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>

using KorvexCore::CDatabaseError;
using KorvexTest::CDatabaseKind;
using KorvexTest::CTempDatabase;
using KorvexTest::DumpTables;

namespace {

const int kShippedRows = 40, kLargeRows = 100000;

/// One row "<database> <variant>" per database and variant, with the variant's value.
void addKindRows(const char *column, const QList<std::pair<const char *, QString>> &variants)
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>(column);
    for (const CDatabaseKind &kind : KorvexTest::DatabaseKinds())
        for (const auto &[name, value] : variants)
            QTest::addRow("%s %s", kind.name, name) << QString(kind.name) << value;
}

QString integrity()
{
    return CTempDatabase::Column("PRAGMA integrity_check").join(' ');
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

/// The content a fresh file holds after \a kind saved \a rows rows of \a tag.
QStringList savedContent(const CDatabaseKind &kind, int rows, const QString &tag)
{
    CTempDatabase temp;
    KorvexTest::FillAndSave(kind, rows, tag);
    return DumpTables(kind.tables);
}

} // namespace

class TestReliability : public QObject
{
    Q_OBJECT
private slots:
    void killedSaveLeavesOldOrNew_data();
    void killedSaveLeavesOldOrNew();
    void failedSaveKeepsOldTableAndMemory_data();
    void failedSaveKeepsOldTableAndMemory();
    void badFileIsNeverMadeWorse_data();
    void badFileIsNeverMadeWorse();
    void hostileTextsRoundTrip_data();
    void hostileTextsRoundTrip();
    void twoProcessesNeverEmptyATable_data() { KorvexTest::AddKindRows(); }
    void twoProcessesNeverEmptyATable();
    void schemaChangedByAnotherConnection_data() { KorvexTest::AddKindRows(); }
    void schemaChangedByAnotherConnection();
    void editorsRefuseWhatWouldComeBackChanged_data();
    void editorsRefuseWhatWouldComeBackChanged();
    void childWriter();
    void childEditor();
};

void TestReliability::childWriter()
{
    // Started by killedSaveLeavesOldOrNew(): saves the "new" content and is killed.
    const bool child = KorvexTest::RunChildSave([] {
        KorvexTest::FillAndSave(*KorvexTest::FindDatabaseKind(qEnvironmentVariable("KORVEX_KIND")),
                                qEnvironmentVariableIntValue("KORVEX_ROWS"), "new");
    });
    if (!child)
        QSKIP("child only");
}

void TestReliability::killedSaveLeavesOldOrNew_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("kills");
    // Kills per database, nine in ten of the shipped size: KORVEX_KILLS, 50 unless set (the
    // sanitizer run sets fewer, tests/slow/killed-saves.sh many more).
    const int kills = qEnvironmentVariableIsSet("KORVEX_KILLS")
        ? qMax(10, qEnvironmentVariableIntValue("KORVEX_KILLS"))
        : 50;
    for (const CDatabaseKind &kind : KorvexTest::DatabaseKinds()) {
        QTest::addRow("%s shipped", kind.name)
            << QString(kind.name) << kShippedRows << kills - kills / 10;
        QTest::addRow("%s 1e5 rows", kind.name) << QString(kind.name) << kLargeRows << kills / 10;
    }
}

void TestReliability::killedSaveLeavesOldOrNew()
{
    QFETCH(QString, kind);
    QFETCH(int, rows);
    QFETCH(int, kills);
    const CDatabaseKind &k = *KorvexTest::FindDatabaseKind(kind);
    const QStringList oldContent = savedContent(k, rows / 2 + 1, "old");
    const QStringList newContent = savedContent(k, rows, "new");
    QTemporaryDir dir;
    const QString original = dir.filePath("old.sqlite"), path = dir.filePath("test.sqlite");
    {
        CTempDatabase temp;
        QVERIFY(CTempDatabase::Reopen({}, original));
        KorvexTest::FillAndSave(k, rows / 2 + 1, "old");
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KORVEX_KIND", kind);
    env.insert("KORVEX_ROWS", QString::number(rows));
    QElapsedTimer clock;
    clock.start();
    const int saveMs = rows == kLargeRows ? 400 : 8;
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    int midway = 0, stillOld = 0;
    CTempDatabase temp;
    for (int attempt = 0; attempt < kills; ++attempt) {
        QSqlDatabase::database().close();
        QFile::remove(path);
        QFile::remove(path + "-journal");
        QVERIFY(QFile::copy(original, path));
        const int delay = random.bounded(saveMs);
        const KorvexTest::CKilledSave run
            = KorvexTest::KillDuringSave("childWriter", path, env, delay);
        // Rolls a hot journal back, as the next user of the file would.
        QVERIFY(CTempDatabase::Reopen({}, path));
        const QStringList content = DumpTables(k.tables);
        const bool isOld = content == oldContent, isNew = content == newContent;
        const QString what = QString("attempt %1, delay %2 ms, seed %3: %4 rows, killed %5")
                                 .arg(attempt)
                                 .arg(delay)
                                 .arg(seed)
                                 .arg(content.size())
                                 .arg(run.killed);
        QVERIFY2(isOld || isNew, qPrintable("neither old nor new: " + what));
        QVERIFY2(!run.saved || isNew, qPrintable("a finished save was lost: " + what));
        QCOMPARE(integrity(), QStringLiteral("ok"));
        midway += run.killed && !run.saved;
        stillOld += isOld;
    }
    qInfo("%s: %d kills, %d mid-save, %d left the old content, 0 lost, %lld ms", qPrintable(kind),
          kills, midway, stillOld, clock.elapsed());
    QVERIFY2(midway > 0 || rows == kLargeRows, "the writer always finished before its kill");
}

void TestReliability::failedSaveKeepsOldTableAndMemory_data()
{
    addKindRows("fault",
                { { "disk full", "max_page_count" },
                  { "read-only connection", "read-only" },
                  { "locked", "locked" } });
}

void TestReliability::failedSaveKeepsOldTableAndMemory()
{
    QFETCH(QString, kind);
    QFETCH(QString, fault);
    const CDatabaseKind &k = *KorvexTest::FindDatabaseKind(kind);
    const QStringList newContent = savedContent(k, 3000, "new");
    CTempDatabase temp;
    KorvexTest::FillAndSave(k, kShippedRows, "old");
    const QStringList oldContent = DumpTables(k.tables);
    const auto db = k.create();
    k.fill(*db, 3000, KorvexTest::PlainTexts("new"));

    std::unique_ptr<KorvexTest::COtherConnection> other;
    if (fault == "max_page_count") {
        const int pages = CTempDatabase::Column("PRAGMA page_count").value(0).toInt();
        CTempDatabase::Exec(QString("PRAGMA max_page_count = %1").arg(pages + 2));
    } else if (fault == "read-only") {
        QVERIFY(CTempDatabase::Reopen("QSQLITE_OPEN_READONLY"));
    } else {
        QVERIFY(CTempDatabase::Reopen("QSQLITE_BUSY_TIMEOUT=50"));
        other = std::make_unique<KorvexTest::COtherConnection>();
        QVERIFY(other->Exec("BEGIN IMMEDIATE"));
    }
    k.save(*db);
    QCOMPARE(db->GetLastError().GetKind(), CDatabaseError::SaveError);
    QVERIFY(!db->GetLastError().GetText().isEmpty());
    other.reset();
    QVERIFY(CTempDatabase::Reopen());
    QCOMPARE(DumpTables(k.tables), oldContent);
    QCOMPARE(integrity(), QStringLiteral("ok"));
    // What was in memory is still whole: saved once the fault is gone, it is all there.
    k.save(*db);
    QVERIFY2(!db->GetLastError().IsValid(), qPrintable(db->GetLastError().ToString()));
    QCOMPARE(DumpTables(k.tables), newContent);
}

void TestReliability::badFileIsNeverMadeWorse_data()
{
    QList<std::pair<const char *, QString>> bad;
    for (const char *name : { "random bytes", "truncated", "empty", "directory", "read-only file",
                              "odd cells", "other columns" })
        bad.append(std::pair(name, QString(name)));
    addKindRows("bad", bad);
}

void TestReliability::badFileIsNeverMadeWorse()
{
    QFETCH(QString, kind);
    QFETCH(QString, bad);
    const CDatabaseKind &k = *KorvexTest::FindDatabaseKind(kind);
    CTempDatabase temp;
    const QString path = temp.Path();
    KorvexTest::FillAndSave(k, 2000, "old");
    const QStringList written = DumpTables(k.tables);
    int extraRows = 0;
    QString options;
    if (bad == "odd cells" || bad == "other columns") {
        // Cells of every storage class where text is expected, 10 MB of text, bytes that
        // are no UTF-8 and blobs that are no pictures; or a column another tool added.
        const QStringList odd = { "42",
                                  "-9223372036854775808",
                                  "NULL",
                                  "1e308",
                                  "'NaN'",
                                  "-0.0",
                                  "x'00ff89504e47'",
                                  "CAST(x'c328ffe282' AS TEXT)",
                                  "hex(zeroblob(5000000))",
                                  "''",
                                  "'  padded  '" };
        for (const QString &table : k.tables) {
            const QStringList columns = CTempDatabase::Column(
                QString("SELECT name FROM pragma_table_info('%1') WHERE name <> 'SortID'")
                    .arg(table));
            if (bad == "other columns") {
                QCOMPARE(CTempDatabase::Exec(QString("ALTER TABLE %1 ADD COLUMN Extra").arg(table)),
                         QString());
                CTempDatabase::Exec(QString("UPDATE %1 SET Extra = 'kept ' || rowid").arg(table));
                extraRows
                    += CTempDatabase::Column("SELECT count(*) FROM " + table).value(0).toInt();
                continue;
            }
            for (int i = 0; i < qMax(columns.size(), odd.size()); ++i) // each once
                QCOMPARE(CTempDatabase::Exec(
                             QString("UPDATE %1 SET %2 = %3 WHERE rowid = %4")
                                 .arg(table, columns[i % columns.size()], odd[i % odd.size()])
                                 .arg(1 + i * 7)),
                         QString());
        }
    }
    QSqlDatabase::database().close();
    QFile file(path);
    if (bad == "random bytes" || bad == "empty") {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray noise(bad == "empty" ? 0 : 64 * 1024, Qt::Uninitialized);
        for (char &c : noise)
            c = char(QRandomGenerator::global()->bounded(256));
        if (!noise.isEmpty()
            && QRandomGenerator::global()->bounded(2)) // a valid header, garbage after
            noise.replace(0, 16, "SQLite format 3\0");
        file.write(noise);
        file.close();
    } else if (bad == "truncated") {
        QVERIFY(file.resize(file.size() * 2 / 3));
    } else if (bad == "directory") {
        QVERIFY(file.remove() && QDir().mkdir(path));
    } else if (bad == "read-only file") {
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner)); // root writes anyway: and so
        options = "QSQLITE_OPEN_READONLY";
    }
    const QByteArray before = fileBytes(path);
    const bool opened = CTempDatabase::Reopen(options, path);

    const auto first = k.create();
    first->LoadData();
    k.save(*first);
    const bool loaded = !first->GetLoadError().IsValid(), saved = !first->GetLastError().IsValid();
    QVERIFY2(opened || !saved, "a save went through on a connection that never opened");
    if (!saved) { // nothing was written: the file is exactly as it was
        QCOMPARE(fileBytes(path), before);
    } else { // what was saved loads and saves again unchanged
        QCOMPARE(integrity(), QStringLiteral("ok"));
        const QStringList once = DumpTables(k.tables);
        KorvexTest::LoadAndSave(k);
        QCOMPARE(DumpTables(k.tables), once);
    }
    // All saved, and the old tables kept whole beside the new; the climate tables are
    // emptied, never dropped, so a column they do not write makes their save fail.
    if (bad == "other columns" && kind != "climate") {
        QVERIFY(saved);
        QCOMPARE(DumpTables(k.tables), written);
        const QStringList kept
            = CTempDatabase::Column("SELECT name FROM sqlite_master WHERE name LIKE '%_before_%'");
        QCOMPARE(kept.size(), k.tables.size());
        int keptRows = 0;
        for (const QString &table : kept)
            keptRows += CTempDatabase::Column(
                            QString("SELECT count(*) FROM \"%1\" WHERE Extra = 'kept ' || rowid")
                                .arg(table))
                            .value(0)
                            .toInt();
        QCOMPARE(keptRows, extraRows);
    }
    qInfo("%s, %s: opened %d, loaded %d, saved %d", qPrintable(kind), qPrintable(bad), opened,
          loaded, saved);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestReliability::hostileTextsRoundTrip_data()
{
    addKindRows(
        "text",
        {
            { "quotes", "O'Brien \"Ду\" `x`" },
            { "arg markers", "%1 %2 %L1 %n" },
            { "sql", "x'); DROP TABLE PIPES; SELECT ('" },
            { "placeholders", ":PipeType ? ?1 @a $b" },
            { "control characters", QString("a\tb\nc\rd") + QChar(0x1b) + QChar(0x7f) + QChar(1) },
            { "bidi marks",
              QString("abc") + QChar(0x202e) + "def" + QChar(0x200f) + QChar(0x2066) },
            { "emoji", QString::fromUtf8("\xf0\x9f\x94\xa5 °C ∅ ²") },
            { "lone surrogates", QString("a") + QChar(0xd800) + "b" + QChar(0xdc00) },
            { "byte order mark", QString(QChar(0xfeff)) + "a" },
            { "1 MB", QString(1 << 20, QChar(0x416)) },
        });
}

void TestReliability::hostileTextsRoundTrip()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    const CDatabaseKind &k = *KorvexTest::FindDatabaseKind(kind);
    CTempDatabase temp;
    const auto db = k.create();
    // At the start of the name (where a byte order mark would be taken for one), and
    // followed by the number, since the tree levels trim their names on load.
    k.fill(*db, text.size() > 1000 ? 1 : 20,
           [&text](int i) { return text + '[' + QString::number(i) + ']'; });
    k.save(*db);
    QVERIFY2(!db->GetLastError().IsValid(), qPrintable(db->GetLastError().ToString()));
    const QStringList saved = DumpTables(k.tables);
    // The first name is in the file as it was typed (a country's in upper case), and nothing
    // but the database's own tables is there. A UTF-8 file has no lone surrogates: those are
    // stored as U+FFFD, the characters around them kept (and the editors refuse them).
    const QString all = saved.join('\n');
    const QString first = QString(text + "[0]")
                              .replace(QChar(0xd800), QChar::ReplacementCharacter)
                              .replace(QChar(0xdc00), QChar::ReplacementCharacter)
                              .replace('\'', "''");
    QVERIFY(all.contains(first) || all.contains(first.toUpper()));
    QVERIFY(CTempDatabase::Column("SELECT count(*) FROM sqlite_master").value(0).toInt()
            == k.tables.size());
    KorvexTest::LoadAndSave(k);
    QCOMPARE(DumpTables(k.tables), saved);
}

void TestReliability::childEditor()
{
    // Started twice by twoProcessesNeverEmptyATable(): load, add, save, over and over.
    const bool child = KorvexTest::RunChildSave([] {
        const CDatabaseKind &k = *KorvexTest::FindDatabaseKind(qEnvironmentVariable("KORVEX_KIND"));
        const QString me = qEnvironmentVariable("KORVEX_EDITOR");
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; clock.elapsed() < qEnvironmentVariableIntValue("KORVEX_MS"); ++i) {
            const auto db = k.create();
            db->LoadData();
            k.fill(*db, 1, KorvexTest::PlainTexts(QString("%1 %2").arg(me).arg(i)));
            k.save(*db);
            std::printf("%s %d\n", db->GetLastError().IsValid() ? "failed" : "wrote",
                        int(DumpTables(k.tables).size()));
            std::fflush(stdout);
        }
    });
    if (!child)
        QSKIP("child only");
}

void TestReliability::twoProcessesNeverEmptyATable()
{
    QFETCH(QString, kind);
    const CDatabaseKind &k = *KorvexTest::FindDatabaseKind(kind);
    CTempDatabase temp;
    KorvexTest::FillAndSave(k, kShippedRows, "old");
    const int before = int(DumpTables(k.tables).size());
    QSqlDatabase::database().close();
    std::vector<std::unique_ptr<QProcess>> editors;
    for (const char *name : { "A", "B" }) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KORVEX_WRITER_DB", temp.Path());
        env.insert("KORVEX_KIND", kind);
        env.insert("KORVEX_EDITOR", name);
        env.insert("KORVEX_MS", "1500");
        editors.push_back(std::make_unique<QProcess>());
        editors.back()->setProcessEnvironment(env);
        editors.back()->start(QCoreApplication::applicationFilePath(), { "childEditor" });
    }
    int wrote = 0, failed = 0;
    for (const auto &editor : editors) {
        QVERIFY(editor->waitForFinished(60000) && editor->exitCode() == 0);
        for (const QByteArray &line : editor->readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() != 2)
                continue;
            // The table never holds less than the content both started from, and a save
            // that went through holds one more element.
            QVERIFY2(words[1].toInt() >= before + (words[0] == "wrote"), line.constData());
            (words[0] == "wrote" ? wrote : failed) += 1;
        }
    }
    QVERIFY(CTempDatabase::Reopen());
    QCOMPARE(integrity(), QStringLiteral("ok"));
    QVERIFY(int(DumpTables(k.tables).size()) > before);
    QVERIFY(wrote > 0);
    qInfo("%s: %d saves went through, %d were refused or failed", qPrintable(kind), wrote, failed);
}

void TestReliability::schemaChangedByAnotherConnection()
{
    QFETCH(QString, kind);
    const CDatabaseKind &k = *KorvexTest::FindDatabaseKind(kind);
    CTempDatabase temp;
    KorvexTest::FillAndSave(k, kShippedRows, "old");
    const auto db = k.create();
    db->LoadData(); // the library's statements are prepared against the first schema
    for (const char *columns : { "(SortID integer PRIMARY KEY, a, b, c, d, e, f, g, h, i, j, k, l, "
                                 "m, n, o, p, q, r, s, t, u, v, w, x, y, z, aa, bb, cc, dd)",
                                 "(SortID integer PRIMARY KEY)" }) {
        {
            KorvexTest::COtherConnection other;
            for (const QString &table : k.tables) {
                QVERIFY(other.Exec("DROP TABLE " + table));
                QVERIFY(other.Exec(QString("CREATE TABLE %1 %2").arg(table, columns)));
                QVERIFY(other.Exec(QString("INSERT INTO %1 (SortID) VALUES (1), (2)").arg(table)));
            }
        }
        db->LoadData();
        const QStringList before = DumpTables(k.tables);
        k.save(*db);
        // The climate tables are emptied, never dropped, so other columns make its save fail:
        // visibly, and leaving the file as it was.
        if (db->GetLastError().IsValid())
            QCOMPARE(DumpTables(k.tables), before);
        QVERIFY2(!db->GetLastError().IsValid() || kind == "climate",
                 qPrintable(db->GetLastError().ToString()));
        QCOMPARE(integrity(), QStringLiteral("ok"));
    }
}

void TestReliability::editorsRefuseWhatWouldComeBackChanged_data()
{
    using namespace KorvexEmbrasureDatabase;
    QTest::addColumn<std::function<QDialog *()>>("editor");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("typed"); ///< a name, or "cell:<text>" typed over the first cell
    QTest::addColumn<QString>("refusal");
    const auto consumers = [] {
        auto *d = new KorvexConsumerDatabase::CConsumerRedactorDialog;
        d->SetData({ KorvexConsumerDatabase::CConsumer("Дома") });
        return d;
    };
    const auto materials = [] {
        auto *d = new KorvexMaterialDatabase::CMaterialRedactorDialog;
        KorvexMaterialDatabase::CMaterialGroup walls("Стены");
        walls.InsertMaterial({ "Кирпич 1800", "1800", "0.81" });
        d->SetData({ walls });
        return d;
    };
    const auto embrasures = [] {
        auto *d = new CEmbrasureRedactorDialog;
        d->SetData({ CEmbrasureGroup("Окна") });
        return d;
    };
    const auto coolants = [] {
        auto *d = new KorvexCoolantDatabase::CCoolantRedactorDialog;
        d->SetData({ KorvexCoolantDatabase::CCoolant(
            "Вода", { { 20, 4183, 998.2, 1.006 }, { 50, 4174, 988.1, 0.556 } }) });
        return d;
    };
    using Maker = std::function<QDialog *()>;
    const QString blank = "пробелом";
    QTest::newRow("consumer category") << Maker(consumers) << 1 << " Дома" << blank;
    QTest::newRow("lone surrogate")
        << Maker(consumers) << 2 << QString("Д") + QChar(0xd800) << "UTF-8";
    QTest::newRow("material group") << Maker(materials) << 1 << "Стены\t" << blank;
    QTest::newRow("material") << Maker(materials) << 2 << "Кирпич " << blank;
    QTest::newRow("weight with a blank") << Maker(materials) << 0 << "cell:1 800"
                                         << "Удельный вес не может содержать пробелы";
    QTest::newRow("embrasure group") << Maker(embrasures) << 1 << " Окна" << blank;
    QTest::newRow("embrasure part with a colon") << Maker(embrasures) << 2 << "Окно|ПВХ: белый|2"
                                                 << "двоеточие";
    QTest::newRow("temperature beyond int") << Maker(coolants) << 0 << "cell:3000000000"
                                            << "целое";
    QTest::newRow("temperature 20.5") << Maker(coolants) << 0 << "cell:20.5"
                                      << "целое";
    QTest::newRow("temperature taken") << Maker(coolants) << 0 << "cell:50"
                                       << "уже существует";
}

void TestReliability::editorsRefuseWhatWouldComeBackChanged()
{
    QFETCH(std::function<QDialog *()>, editor);
    QFETCH(int, level);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    std::unique_ptr<QDialog> dialog(editor());
    const KorvexTest::CEditorProbe probe(dialog.get());
    KorvexTest::CScriptedPrompts prompts;
    const QStringList items = probe.Items(qMax(level, 1));
    const std::vector<QStringList> rows = probe.Rows();
    KorvexTest::CModalHelper input;
    if (typed.contains('|')) { // the embrasure's own dialog of three parts
        input.Start([typed](QWidget *modal) {
            const QStringList parts = typed.split('|');
            int i = 0;
            for (const char *name :
                 { "m_pLineEditType", "m_pLineEditMaterial", "m_pLineEditGlass" })
                modal->findChild<QLineEdit *>(name)->setText(parts[i++]);
            modal->findChild<QPushButton *>("m_pOKBtn")->click();
        });
    } else if (!typed.startsWith("cell:")) {
        prompts.AnswerText(typed);
    }
    prompts.AnswerButton(QMessageBox::Ok);
    if (level > 0)
        probe.Add(level);
    else
        probe.Type(0, 0, typed.mid(5));
    QCOMPARE(prompts.Requests().back().kind, KorvexCore::PromptKind::Information);
    QVERIFY2(prompts.Requests().back().text.contains(refusal),
             qPrintable(prompts.Requests().back().text));
    QCOMPARE(probe.Items(qMax(level, 1)), items);
    QTRY_VERIFY(probe.Rows() == rows); // a refused cell shows the stored value again
}

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
