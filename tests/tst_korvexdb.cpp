// korvexdb as a user runs it: export, import and check on a file holding all eight databases.

#include "Climate/ClimateTable_p.h"
#include "Consumers/ConsumerDatabaseTypes.h"
#include "Coolants/CoolantDatabaseTypes.h"
#include "DevicesDIN/DeviceDINDatabaseTypes.h"
#include "Embrasures/EmbrasureDatabaseTypes.h"
#include "Kms/KmsDatabaseTypes.h"
#include "Materials/MaterialDatabaseTypes.h"
#include "Pipes/PipeDatabaseTypes.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace KorvexClimateDatabase;
using KorvexTest::CTempDatabase;

namespace {

struct CRun
{
    int exitCode = -1;
    QString out, err;
};

CRun korvexdb(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(KORVEXDB), arguments);
    process.waitForFinished(60000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             QString::fromUtf8(process.readAllStandardOutput()),
             QString::fromUtf8(process.readAllStandardError()) };
}

QByteArray picture(const char *format, Qt::GlobalColor color)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(color);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

/// Every file of \a dir by name, with its bytes.
QMap<QString, QByteArray> filesOf(const QString &dir)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(dir).entryList(QDir::Files))
        files.insert(name, readFile(QDir(dir).filePath(name)));
    return files;
}

void copyDir(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files))
        QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name));
}

/// Every database filled through the library, with the corners the layout has to carry:
/// blanks kept in text, empty values, parents without children, pictures, a material
/// without weight, an opening without glazing.
void fillAllDatabases()
{
    KorvexPipeDatabase::CPipeDatabase pipes;
    pipes.InsertPipe({ "PE-Xa 16x2", "16", "12", "0.007", "0.35" });
    pipes.InsertPipe({ " Сталь, \"ВГП\" 15 ", "21.3", "15.7", "0.2", "58" });
    pipes.SaveDataToDataBase();

    KorvexDeviceDINDatabase::CDeviceDINDatabase din;
    din.InsertDeviceDIN({ "Умывальник", "0.07", "0.07", "1.0" });
    din.InsertDeviceDIN({ "Смывной бачок", "0.13", "", "" });
    din.SaveDataToDataBase();

    KorvexEmbrasureDatabase::CEmbrasureDatabase embrasures;
    KorvexEmbrasureDatabase::CEmbrasureGroup windows("Окна");
    windows.InsertEmbrasure({ "Окно: ПВХ: двухкамерный", "6", "8", "10", "1.2", "1.85" });
    windows.InsertEmbrasure({ "Окно: дерево: ", "6", "", "", "", "2.3" });
    embrasures.InsertEmbrasureGroup(windows);
    embrasures.InsertEmbrasureGroup(KorvexEmbrasureDatabase::CEmbrasureGroup("Двери"));
    embrasures.SaveDataToDataBase();

    CClimateDatabase climate;
    CSettlement moscow("Москва");
    TColdSeasonParams cold;
    cold.MostColdDay_Supply98 = -35;
    cold.MostColdDay_Supply92 = -29;
    cold.AbsoluteCold = -42.2;
    cold.AverageTempPairs_LessEqual8_uiDuration = 205;
    cold.AverageTempPairs_LessEqual8_AverageTemp = -2.2;
    cold.WindDirection = EWindDirection(8);
    moscow.SetColdSeasonParams(cold);
    TAverageMonthYearTemperature temperature;
    temperature.Jan = -6.5;
    temperature.Year = 5.8;
    moscow.SetAverageMonthYearTemperature(temperature);
    CRegion moscowRegion("Московская область");
    moscowRegion.InsertSettlement(moscow);
    CCountry russia("РОССИЯ");
    russia.InsertRegion(moscowRegion);
    russia.InsertRegion(CRegion("Тверская область"));
    climate.InsertCountry(russia);
    climate.InsertCountry(CCountry("КАЗАХСТАН"));
    WriteClimateTables(climate, climate.GetCountries(), climate.GetTableNames());

    KorvexCoolantDatabase::CCoolantDatabase coolants;
    coolants.InsertCoolant({ "Вода", { { 0, 4212, 999.9, 1.789 }, { 20, 4183, 998.2, 1.006 } } });
    coolants.InsertCoolant(KorvexCoolantDatabase::CCoolant("Этиленгликоль 40%"));
    coolants.SaveDataToDataBase();

    KorvexMaterialDatabase::CMaterialDatabase materials;
    KorvexMaterialDatabase::CMaterialGroup walls("Стены");
    walls.InsertMaterial({ "Кирпич 1800", "1800", "0.81" });
    walls.InsertMaterial({ "Пенопласт", "", "0.04" });
    materials.InsertMaterialGroup(walls);
    materials.SaveDataToDataBase();

    using namespace KorvexKmsDatabase;
    CKmsDatabase kms;
    const std::vector<CDup> dups { { "15", 2.5, picture("BMP", Qt::red), "угол" },
                                   { "20", 2, QByteArray(), "" } };
    const std::vector<CDevicesHeatingSubName> subs { { "РБ-1", dups, picture("BMP", Qt::blue) },
                                                     { "РБ-2", {}, QByteArray() } };
    kms.InsertDevices(
        CDevices("Радиаторы", { CDevicesHeating("Радиатор", subs), CDevicesHeating("Конвектор") }));
    kms.InsertDevices(CDevices("Арматура"));
    kms.SaveDataToDataBase();

    using namespace KorvexConsumerDatabase;
    CConsumerDatabase consumers;
    CSubCategory flats("Квартиры с ванными");
    flats.SetUnit("1 житель, сутки");
    flats.SetExpenseGeneral("250");
    flats.SetExpenseSeparateDevices("250");
    CConsumer homes("Жилые дома");
    homes.InsertSubCategory(flats);
    consumers.InsertConsumer(homes);
    consumers.InsertConsumer(CConsumer("Гостиницы"));
    consumers.SaveDataToDataBase();

    CTempDatabase::Exec("CREATE TABLE SOURCES (SortID integer PRIMARY KEY, Dataset varchar, "
                        "File varchar, Source varchar)");
    CTempDatabase::Exec("INSERT INTO SOURCES (Dataset, File, Source) VALUES "
                        "('Трубы', 'pipes.csv', 'Каталог, \"табл. 1\"')");
}

} // namespace

class tst_Korvexdb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exportImportExportIsByteIdentical_data();
    void exportImportExportIsByteIdentical();
    void numbersAreReadByValue();
    void badInputIsRefusedAndChangesNothing_data();
    void badInputIsRefusedAndChangesNothing();
    void checkFindsEachPlantedFault_data();
    void checkFindsEachPlantedFault();
    void usageErrorsSayWhatIsWrong_data();
    void usageErrorsSayWhatIsWrong();

private:
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    CTempDatabase m_db;
    QTemporaryDir m_dir;
    QString m_exported;
};

void tst_Korvexdb::initTestCase()
{
    fillAllDatabases();
    m_exported = Path("exported");
    const CRun run = korvexdb({ "export", "--db", m_db.Path(), "--out", m_exported });
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(run.err.contains("kms.csv: 5 records"), qPrintable(run.err));
}

void tst_Korvexdb::exportImportExportIsByteIdentical_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("files");
    for (const auto &[table, files] :
         std::vector<std::pair<const char *, int>> { { "pipes", 1 },
                                                     { "devices_din", 1 },
                                                     { "embrasures", 1 },
                                                     { "climate", 4 },
                                                     { "coolants", 1 },
                                                     { "materials", 1 },
                                                     { "kms", 3 },
                                                     { "consumers", 1 },
                                                     { "all", 14 } })
        QTest::newRow(table) << table << files;
}

void tst_Korvexdb::exportImportExportIsByteIdentical()
{
    QFETCH(QString, table);
    QFETCH(int, files);
    const QString first = Path("first-" + table), second = Path("second-" + table);
    const QString imported = Path("imported-" + table + ".sqlite");
    QCOMPARE(korvexdb({ "export", "--db", m_db.Path(), "--table", table, "--out", first }).exitCode,
             0);
    const CRun import = korvexdb({ "import", "--db", imported, "--in", first, "--table", table });
    QVERIFY2(import.exitCode == 0, qPrintable(import.err));
    QCOMPARE(korvexdb({ "export", "--db", imported, "--table", table, "--out", second }).exitCode,
             0);
    const QMap<QString, QByteArray> before = filesOf(first);
    QCOMPARE(before.size(), files);
    QCOMPARE(filesOf(second), before);
}

void tst_Korvexdb::numbersAreReadByValue()
{
    // Trailing zeros and exponents are the same number; the text the table gives back is
    // the shortest one.
    const QString in = Path("zeros"), out = Path("zeros-out"), db = Path("zeros.sqlite");
    QVERIFY(QDir().mkpath(in));
    QFile csv(in + "/coolants.csv");
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Name,T,C,RO,VZK\nВода,20,4182.0,998.20,1.00400e0\n");
    csv.close();
    const CRun run = korvexdb({ "import", "--db", db, "--in", in, "--table", "coolants" });
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(korvexdb({ "export", "--db", db, "--table", "coolants", "--out", out }).exitCode, 0);
    QCOMPARE(readFile(out + "/coolants.csv"),
             QByteArray("Name,T,C,RO,VZK\nВода,20,4182,998.2,1.004\n"));
}

void tst_Korvexdb::badInputIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    const QByteArray pipes
        = "PipeType,D_outside,d_inside,Roughness,Lamda\nPE 16,16,12,0.007,0.35\n";
    QTest::newRow("wrong header") << "pipes.csv" << QByteArray("PipeType,D_outside,d_inside\n")
                                  << "pipes.csv:1: wrong header";
    QTest::newRow("column count") << "pipes.csv" << pipes + "PE 20,20,16\n"
                                  << "pipes.csv:3: 3 fields, but the header has 5";
    QTest::newRow("open quote") << "pipes.csv" << pipes + "PE 20,20,16,\"0.007,0.35\n"
                                << "pipes.csv:3: quoted field not closed";
    QTest::newRow("stray quote") << "pipes.csv" << pipes + "PE \"20\",20,16,0.007,0.35\n"
                                 << "pipes.csv:3: quote inside an unquoted field";
    QTest::newRow("invalid UTF-8") << "pipes.csv" << pipes + "PE \xff,20,16,0.007,0.35\n"
                                   << "pipes.csv:3: invalid UTF-8";
    QTest::newRow("duplicate pipe")
        << "pipes.csv" << pipes + "PE 16,20,16,0.007,0.35\n"
        << "pipes.csv:3: duplicate name \"PE 16\" within its parent (first on line 2)";
    QTest::newRow("duplicate material")
        << "materials.csv"
        << QByteArray(
               "MaterialGroup,MaterialName,K1,K2\nСтены,Кирпич,1800,0.8\nСтены,Кирпич,1800,0.7\n")
        << "materials.csv:3: duplicate name \"Кирпич 1800\"";
    QTest::newRow("material ending in a number")
        << "materials.csv"
        << QByteArray("MaterialGroup,MaterialName,K1,K2\nСтены,Кирпич 1800,1800,0.8\n")
        << "materials.csv:2: MaterialName \"Кирпич 1800\" ends with a number";
    QTest::newRow("colon in an opening")
        << "embrasures.csv"
        << QByteArray("Typ_perekr,Typ,Material_perepleta,Steklo,D_vozduh1,D_vozduh2,D_vozduh3,K_"
                      "visoty,K_teploperedachi\n"
                      "Окна,Окно,ПВХ: белый,,,,,,\n")
        << "embrasures.csv:2: Material_perepleta \"ПВХ: белый\" contains ':'";
    QTest::newRow("picture that does not decode")
        << "kms.csv"
        << QByteArray(
               "CategoryName,DevicesHeating,Number_Mark,DevicesHeatingImage,DUP,KMS,Image,Comment\n"
               "Радиаторы,Радиатор,РБ-1,,15,2.5,pipes.csv,\n")
        << "kms.csv:2: picture file \"pipes.csv\" does not decode as an image";
    QTest::newRow("temperature not whole")
        << "coolants.csv" << QByteArray("Name,T,C,RO,VZK\nВода,20.5,4183,998.2,1.006\n")
        << "coolants.csv:2: T \"20.5\" is not a whole number";
    QTest::newRow("empty number") << "coolants.csv"
                                  << QByteArray("Name,T,C,RO,VZK\nВода,20,4183,,1.006\n")
                                  << "coolants.csv:2: RO is empty";
    QTest::newRow("empty name with values")
        << "coolants.csv" << QByteArray("Name,T,C,RO,VZK\n,20,4183,998.2,1.006\n")
        << "coolants.csv:2: Name is empty";
    QTest::newRow("region read back as a country")
        << "climate_temperature.csv"
        << QByteArray("Country,Region,Name,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,Year\n"
                      "РОССИЯ,МОСКВА,Москва,1,1,1,1,1,1,1,1,1,1,1,1,1\n")
        << "climate_temperature.csv:2: Region \"МОСКВА\" has no lower-case letter";
    QTest::newRow("more digits than the climate tables keep")
        << "climate_temperature.csv"
        << QByteArray("Country,Region,Name,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,Year\n"
                      "РОССИЯ,Москва,Москва,-6.543217,1,1,1,1,1,1,1,1,1,1,1,1\n")
        << "climate_temperature.csv:2: Jan \"-6.543217\" has more than 6 significant digits";
}

void tst_Korvexdb::badInputIsRefusedAndChangesNothing()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    const QString in = Path("bad-" + QString(QTest::currentDataTag()));
    copyDir(m_exported, in);
    QFile csv(QDir(in).filePath(file));
    QVERIFY(csv.open(QIODevice::WriteOnly | QIODevice::Truncate));
    csv.write(content);
    csv.close();
    const QByteArray before = readFile(m_db.Path());

    const CRun run = korvexdb({ "import", "--db", m_db.Path(), "--in", in });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(expected), qPrintable(run.err));
    QVERIFY(run.err.contains("nothing imported"));
    QVERIFY(readFile(m_db.Path()) == before);
    QCOMPARE(QDir(m_dir.path()).entryList({ ".korvexdb-import-*" }, QDir::Files | QDir::Hidden),
             QStringList());
}

void tst_Korvexdb::checkFindsEachPlantedFault_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("finding");
    QTest::newRow("clean") << ""
                           << "";
    QTest::newRow("inner not below outer")
        << "UPDATE PIPES SET d_inside = '17' WHERE PipeType = 'PE-Xa 16x2'"
        << "PIPES\tPE-Xa 16x2\td_inside\t17\tinner diameter not below the outer one (16)";
    QTest::newRow("not a number") << "UPDATE PIPES SET Lamda = '0,35' WHERE PipeType = 'PE-Xa 16x2'"
                                  << "PIPES\tPE-Xa 16x2\tLamda\t0,35\tnot a number";
    QTest::newRow("non-positive λ")
        << "UPDATE MATERIALS SET K2 = '0' WHERE MaterialName = 'Пенопласт'"
        << "MATERIALS\tСтены / Пенопласт\tK2\t0\tnon-positive λ";
    QTest::newRow("viscosity slipped ×10")
        << "UPDATE COOLANTS SET VZK = '10.06' WHERE T = '20'"
        << "COOLANTS\tВода / T=20\tVZK\t10.06\tjumps from 1.789 at T=0";
    QTest::newRow("second coolant of a name")
        << "INSERT INTO COOLANTS (Name) VALUES ('Вода')"
        << "COOLANTS\tВода\tName\tВода\tsecond coolant of this name";
    QTest::newRow("repeated temperature")
        << "INSERT INTO COOLANTS (T, C, RO, VZK) VALUES ('0', '1', '1', '1'), ('0', '1', '1', '1')"
        << "COOLANTS\tЭтиленгликоль 40% / T=0\tT\t0\tsecond row at this temperature";
    QTest::newRow("temperature beyond 32 bits")
        << "INSERT INTO COOLANTS (T, C, RO, VZK) VALUES ('5000000000', '1', '1', '1')"
        << "\tT\t5000000000\tnot a 32-bit whole number";
    QTest::newRow("absolute minimum above coldest day")
        << "UPDATE TABLE1 SET AbsoluteCold = '-20' WHERE Name = 'Москва'"
        << "TABLE1\tРОССИЯ / Московская область / Москва\tAbsoluteCold\t-20\tabsolute minimum "
           "above the coldest day (-35)";
    QTest::newRow("0.98 warmer than 0.92")
        << "UPDATE TABLE1 SET MostCold5Days_Supply98 = '5' WHERE Name = 'Москва'"
        << "MostCold5Days_Supply98\t5\twarmer at probability 0.98 than at 0.92 (0)";
    // A finding the file lists as known passes, until its value changes.
    const QString known
        = "UPDATE TABLE1 SET AbsoluteCold = '-20' WHERE Name = 'Москва';\n"
          "CREATE TABLE KNOWN_FINDINGS (SortID integer PRIMARY KEY, TableName, Path, Field, "
          "Value, Rule, Reason);\n"
          "INSERT INTO KNOWN_FINDINGS (TableName, Path, Field, Value, Rule, Reason) VALUES "
          "('TABLE1', 'РОССИЯ / Московская область / Москва', 'AbsoluteCold', '%1', "
          "'absolute minimum above the coldest day (-35)', 'as printed')";
    QTest::newRow("known finding") << known.arg("-20") << "";
    QTest::newRow("known finding, value changed")
        << known.arg("-21") << "Москва\tAbsoluteCold\t-20\tabsolute minimum";
    QTest::newRow("duration above a year")
        << "UPDATE TABLE1 SET AverageTempPairs_LessEqual8_uiDuration = '400' WHERE Name = 'Москва'"
        << "AverageTempPairs_LessEqual8_uiDuration\t400\tduration above 366 days";
    QTest::newRow("duplicate opening")
        << "INSERT INTO EMBRASURES (Typ, Material_perepleta, Steklo) VALUES ('Окно', 'дерево', "
           "''), ('Окно', 'дерево', '')"
        << "EMBRASURES\tДвери / Окно: дерево: \tname\tОкно: дерево: \tsecond row of this name";
    QTest::newRow("group name trimmed on load")
        << "UPDATE CONSUMERS SET Category = 'Гостиницы ' WHERE Category = 'Гостиницы'"
        << "CONSUMERS\tГостиницы \tCategory\tГостиницы \twhite space around the name";
    QTest::newRow("group name of blanks")
        << "UPDATE CONSUMERS SET Category = '  ' WHERE Category = 'Гостиницы'"
        << "CONSUMERS\t  \tCategory\t  \tonly blanks: trimmed to an empty name";
    QTest::newRow("weight with a blank")
        << "INSERT INTO MATERIALS (MaterialName, K1, K2) VALUES ('Кирпич', '1 800', '0.8')"
        << "MATERIALS\tСтены / Кирпич 1 800\tK1\t1 800\tweight with a blank";
    QTest::newRow("colon inside an opening part")
        << "INSERT INTO EMBRASURES (Typ, Material_perepleta, Steklo) VALUES ('Окно', 'ПВХ:', "
           "'двойное')"
        << "Окно: ПВХ:: двойное\tcolon inside the type, frame or glazing: the save cuts the name "
           "at every colon and writes \"Окно\", \"ПВХ\", \"двойное\"";
    // Rows whose device or designation is carried over from another parent.
    QTest::newRow("KMS device without a name")
        << "INSERT INTO KMS (DUP, KMS) VALUES ('15', '2.5')"
        << "KMS\tАрматура / \tDevicesHeating\t\tdevice \"Конвектор\" is not in this category: "
           "the row becomes a device without a name; its DUP, KMS are dropped";
    QTest::newRow("KMS designation without a name")
        << "INSERT INTO KMS (DevicesHeating) VALUES ('Кран');\nINSERT INTO KMS (DUP) VALUES ('15')"
        << "KMS\tАрматура / Кран / \tNumber_Mark\t\tdesignation \"РБ-2\" is not in this device";
    QTest::newRow("empty pipe name") << "INSERT INTO PIPES (PipeType) VALUES ('')"
                                     << "PIPES\t\tPipeType\t\tempty name";
    QTest::newRow("duplicate DIN device")
        << "INSERT INTO DEVICES_DIN (Type) VALUES ('Умывальник')"
        << "DEVICES_DIN\tУмывальник\tType\tУмывальник\tduplicate name";
}

void tst_Korvexdb::checkFindsEachPlantedFault()
{
    QFETCH(QString, sql);
    QFETCH(QString, finding);
    const QString planted = Path("planted.sqlite");
    QFile::remove(planted);
    QVERIFY(QFile::copy(m_db.Path(), planted));
    if (!sql.isEmpty()) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "plant");
        db.setDatabaseName(planted);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString &statement : sql.split(";\n"))
            QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase("plant");
    const QByteArray before = readFile(planted);

    const CRun run = korvexdb({ "check", "--db", planted });
    QCOMPARE(run.exitCode, finding.isEmpty() ? 0 : 1);
    QVERIFY2(finding.isEmpty() ? run.out.isEmpty() : run.out.contains(finding),
             qPrintable(run.out));
    QVERIFY(readFile(planted) == before);
}

void tst_Korvexdb::usageErrorsSayWhatIsWrong_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList() << "give one command";
    QTest::newRow("unknown command") << QStringList { "dump" } << "unknown command \"dump\"";
    QTest::newRow("missing option")
        << QStringList { "export", "--db", "x.sqlite" } << "export needs --out";
    QTest::newRow("foreign option")
        << QStringList { "check", "--db", "x", "--out", "y" } << "check takes no --out";
    QTest::newRow("missing file") << QStringList { "check", "--db", "/nonexistent.sqlite" }
                                  << "no such database file: /nonexistent.sqlite";
    QTest::newRow("unknown table")
        << QStringList { "export", "--db", "@", "--table", "pipez", "--out", "o" }
        << "unknown table \"pipez\"";
    QTest::newRow("unwritable output")
        << QStringList { "export", "--db", "@", "--out", "/proc/korvex" }
        << "cannot write to the output directory /proc/korvex";
    QTest::newRow("target no database")
        << QStringList { "import", "--db", "@/pipes.csv", "--in", "@/" } << "cannot read ";
    QTest::newRow("missing input") << QStringList { "import", "--db", "@", "--in", "/nonexistent" }
                                   << "no such input directory: /nonexistent";
}

void tst_Korvexdb::usageErrorsSayWhatIsWrong()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    arguments.replaceInStrings(QRegularExpression("^@$"), m_db.Path());
    arguments.replaceInStrings(QRegularExpression("^@/"), m_exported + '/');
    const CRun run = korvexdb(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("korvexdb: " + message), qPrintable(run.err));
}

QTEST_MAIN(tst_Korvexdb)
#include "tst_korvexdb.moc"
