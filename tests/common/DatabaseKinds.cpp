#include "DatabaseKinds.h"

#include "Climate/ClimateDatabaseTypes.h"
#include "Climate/ClimateTable_p.h"
#include "Consumers/ConsumerDatabaseTypes.h"
#include "Coolants/CoolantDatabaseTypes.h"
#include "DevicesDIN/DeviceDINDatabaseTypes.h"
#include "Embrasures/EmbrasureDatabaseTypes.h"
#include "Kms/KmsDatabaseTypes.h"
#include "Materials/MaterialDatabaseTypes.h"
#include "Pipes/PipeDatabaseTypes.h"

#include <QSqlQuery>

namespace KorvexTest {

namespace {

using Text = std::function<QString(int)>;
using KorvexCore::CTableDatabase;

template<class D> void saveOwn(const CTableDatabase &db)
{
    static_cast<const D &>(db).SaveDataToDataBase();
}

template<class D>
CDatabaseKind Kind(const char *name, QStringList tables, void (*fill)(D &, int, const Text &),
                   void (*save)(const CTableDatabase &) = &saveOwn<D>)
{
    return { name, std::move(tables), [] { return std::make_unique<D>(); }, save,
             [fill](CTableDatabase &db, int rows, const Text &text) {
                 fill(static_cast<D &>(db), rows, text);
             } };
}

void fillPipes(KorvexPipeDatabase::CPipeDatabase &db, int rows, const Text &text)
{
    for (int i = 0; i < rows; ++i)
        db.InsertPipe({ text(i), text(i + 1), "12", "0.007", text(i + 2) });
}

void fillDevices(KorvexDeviceDINDatabase::CDeviceDINDatabase &db, int rows, const Text &text)
{
    for (int i = 0; i < rows; ++i)
        db.InsertDeviceDIN({ text(i), "0.07", text(i + 1), "1.0" });
}

void fillEmbrasures(KorvexEmbrasureDatabase::CEmbrasureDatabase &db, int rows, const Text &text)
{
    for (int g = 0; g * 10 < rows; ++g) {
        KorvexEmbrasureDatabase::CEmbrasureGroup group(text(g * 10));
        for (int i = g * 10 + 1; i < g * 10 + 10; ++i)
            group.InsertEmbrasure(
                { "Окно: " + text(i) + ": Стекло", "1", text(i), "3", "0.8", "2.1" });
        db.InsertEmbrasureGroup(group);
    }
}

void fillCoolants(KorvexCoolantDatabase::CCoolantDatabase &db, int rows, const Text &text)
{
    for (int c = 0; c * 12 < rows; ++c) {
        KorvexCoolantDatabase::CCoolant coolant(text(c));
        for (int t = -10; t <= 100; t += 10)
            coolant.InsertCoolantParams({ t + c % 7, 4183.5 - t, 998.2, 1.006 + c * 1e-6 });
        db.InsertCoolant(coolant);
    }
}

void fillMaterials(KorvexMaterialDatabase::CMaterialDatabase &db, int rows, const Text &text)
{
    for (int g = 0; g * 10 < rows; ++g) {
        KorvexMaterialDatabase::CMaterialGroup group(text(g * 10));
        for (int i = g * 10 + 1; i < g * 10 + 10; ++i) // the name ends with the weight
            group.InsertMaterial(
                { text(i) + " " + QString::number(1000 + i), QString::number(1000 + i), "0.7" });
        db.InsertMaterialGroup(group);
    }
}

void fillKms(KorvexKmsDatabase::CKmsDatabase &db, int rows, const Text &text)
{
    using namespace KorvexKmsDatabase;
    const QByteArray picture("\x89PNG\r\n\x1a\n not really a picture \0 \xff", 32);
    for (int c = 0; c * 20 < rows; ++c) {
        CDevices category(text(c * 20));
        CDevicesHeating device(text(c * 20 + 1));
        for (int s = 0; s < 3; ++s) {
            CDevicesHeatingSubName sub(text(c * 20 + 2 + s * 6), picture);
            for (int d = 1; d < 6; ++d)
                sub.InsertDup({ text(c * 20 + 2 + s * 6 + d), 0.5 * d, picture, text(d) });
            device.InsertDevicesHeatingSubName(sub);
        }
        category.InsertDevicesHeating(device);
        db.InsertDevices(category);
    }
}

void fillConsumers(KorvexConsumerDatabase::CConsumerDatabase &db, int rows, const Text &text)
{
    for (int c = 0; c * 10 < rows; ++c) {
        KorvexConsumerDatabase::CConsumer consumer(text(c * 10));
        for (int i = c * 10 + 1; i < c * 10 + 10; ++i) {
            KorvexConsumerDatabase::CSubCategory sub(text(i));
            sub.SetUnit(text(i + 1));
            sub.SetExpenseGeneral("120");
            sub.SetExpenseSeparateDevices(text(i + 2));
            consumer.InsertSubCategory(sub);
        }
        db.InsertConsumer(consumer);
    }
}

void fillClimate(KorvexClimateDatabase::CClimateDatabase &db, int rows, const Text &text)
{
    using namespace KorvexClimateDatabase;
    // A header row is a country when its name is upper case, a region otherwise.
    for (int c = 0; c * 40 < rows; ++c) {
        CCountry country(text(c * 10).toUpper());
        CRegion region("Область " + text(c * 10 + 1).toLower());
        for (int s = 0; s < 8; ++s) {
            CSettlement town;
            town.SetName(text(c * 10 + 2 + s));
            TColdSeasonParams cold;
            cold.MostCold5Days_Supply92 = -26 - s;
            cold.AverageTempPairs_LessEqual8_uiDuration = 205 + s;
            cold.WindDirection = WindSW;
            town.SetColdSeasonParams(cold);
            TWarmSeasonParams warm;
            warm.Pressure = 990 + 0.1234567 * s;
            town.SetWarmSeasonParams(warm);
            TAverageMonthYearTemperature t;
            t.Jan = -9.3 - c % 5;
            town.SetAverageMonthYearTemperature(t);
            region.InsertSettlement(town);
        }
        country.InsertRegion(region);
        db.InsertCountry(country);
    }
}

void saveClimate(const CTableDatabase &base)
{
    const auto &db = static_cast<const KorvexClimateDatabase::CClimateDatabase &>(base);
    KorvexClimateDatabase::WriteClimateTables(db, db.GetCountries(), db.GetTableNames());
}

} // namespace

const std::vector<CDatabaseKind> &DatabaseKinds()
{
    static const std::vector<CDatabaseKind> kinds = [] {
        std::vector<CDatabaseKind> made {
            Kind("pipes", { "PIPES" }, &fillPipes),
            Kind("din", { "DEVICES_DIN" }, &fillDevices),
            Kind("embrasures", { "EMBRASURES" }, &fillEmbrasures),
            Kind("coolants", { "COOLANTS" }, &fillCoolants),
            Kind("materials", { "MATERIALS" }, &fillMaterials),
            Kind("kms", { "KMS" }, &fillKms),
            Kind("consumers", { "CONSUMERS" }, &fillConsumers),
            Kind("climate", KorvexClimateDatabase::CClimateDatabase().GetTableNames(), &fillClimate,
                 &saveClimate),
        };
        return made;
    }();
    return kinds;
}

const CDatabaseKind *FindDatabaseKind(const QString &name)
{
    for (const CDatabaseKind &kind : DatabaseKinds())
        if (name == QLatin1String(kind.name))
            return &kind;
    return nullptr;
}

std::function<QString(int)> PlainTexts(const QString &tag)
{
    return [tag](int i) { return tag + ' ' + QString::number(i); };
}

void FillAndSave(const CDatabaseKind &kind, int rows, const QString &tag)
{
    const auto db = kind.create();
    kind.fill(*db, rows, PlainTexts(tag));
    kind.save(*db);
}

std::unique_ptr<KorvexCore::CTableDatabase> LoadAndSave(const CDatabaseKind &kind)
{
    auto db = kind.create();
    db->LoadData();
    kind.save(*db);
    return db;
}

QStringList DumpTables(const QStringList &tables)
{
    QStringList rows;
    for (const QString &table : tables) {
        QSqlQuery query;
        QStringList cells;
        query.exec(QString("PRAGMA table_info(\"%1\")").arg(table));
        while (query.next())
            if (query.value(1).toString() != QLatin1String("SortID"))
                cells << QString("quote(\"%1\")").arg(query.value(1).toString());
        if (cells.isEmpty()) {
            rows << table + ": missing";
            continue;
        }
        query.exec(
            QString("SELECT %1 FROM \"%2\" ORDER BY rowid").arg(cells.join("||'|'||"), table));
        while (query.next())
            rows << query.value(0).toString();
        rows << table + ": end";
    }
    return rows;
}

} // namespace KorvexTest
