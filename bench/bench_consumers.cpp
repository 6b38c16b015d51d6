#include "BenchSupport.h"
#include "Consumers/ConsumerTable_p.h"

#include "Consumers/ConsumerDatabaseTypes.h"

#include <array>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

using namespace KorvexBench;
using KorvexConsumerDatabase::CConsumer;
using KorvexConsumerDatabase::CConsumerDatabase;
using KorvexConsumerDatabase::CSubCategory;

namespace {

// Every category is one category row and this many sub-category rows, so a table of n
// rows holds n / 10 categories.
constexpr int kSubCategoriesPerCategory = 9;
constexpr int kValues = 14; // the unit and the thirteen norms

struct RawSubCategory
{
    std::string name;
    std::array<std::string, kValues> values;
};
struct RawConsumer
{
    std::string name;
    std::vector<RawSubCategory> subCategories;
};
using RawConsumers = std::vector<RawConsumer>;

RawConsumers makeRawConsumers(int tableRows)
{
    RawConsumers consumers(size_t(tableRows / (kSubCategoriesPerCategory + 1)));
    for (size_t i = 0; i < consumers.size(); ++i) {
        consumers[i].name = "Категория потребителей " + std::to_string(i);
        for (int s = 0; s < kSubCategoriesPerCategory; ++s) {
            RawSubCategory sub { "Подкатегория " + std::to_string(s), {} };
            sub.values[0] = "1 житель";
            for (int v = 1; v < kValues; ++v)
                sub.values[size_t(v)] = std::to_string(v * 10 + s) + ".5";
            consumers[i].subCategories.push_back(sub);
        }
    }
    return consumers;
}

void fillLibrary(CConsumerDatabase &db, int tableRows)
{
    for (const RawConsumer &raw : makeRawConsumers(tableRows)) {
        CConsumer consumer(QString::fromStdString(raw.name));
        for (const RawSubCategory &rawSub : raw.subCategories) {
            QStringList v;
            for (const std::string &value : rawSub.values)
                v << QString::fromStdString(value);
            CSubCategory sub(QString::fromStdString(rawSub.name));
            sub.SetUnit(v[0]);
            sub.SetExpenseGeneral(v[1]);
            sub.SetExpenseHour(v[2]);
            sub.SetExpenseDayGeneral(v[3]);
            sub.SetExpenseHotWaterSupplyDay(v[4]);
            sub.SetExpenseHourGeneral(v[5]);
            sub.SetExpenseHotWaterSupplyHour(v[6]);
            sub.SetExpenseSecondDeviceGeneral(v[7]);
            sub.SetExpenseHourDeviceGeneral(v[8]);
            sub.SetExpenseColdWaterSupplySecondDevice(v[9]);
            sub.SetExpenseColdWaterSupplyHourDevice(v[10]);
            sub.SetExpenseHotWaterSupplySecondDevice(v[11]);
            sub.SetExpenseHotWaterSupplyHourDevice(v[12]);
            sub.SetExpenseSeparateDevices(v[13]);
            consumer.InsertSubCategory(sub);
        }
        db.InsertConsumer(consumer);
    }
}

size_t rowCount(const CConsumerDatabase &db)
{
    size_t rows = 0;
    for (const CConsumer &consumer : db.GetConsumers())
        rows += 1 + consumer.GetSubCategories().size();
    return rows;
}

void rawSave(const CRawDatabase &db, const RawConsumers &consumers)
{
    db.Exec("BEGIN");
    db.Exec("DROP TABLE CONSUMERS");
    db.Exec(SqlFor(KorvexConsumerDatabase::ConsumerTable().create, "CONSUMERS").c_str());
    sqlite3_stmt *categoryRow = db.Prepare(
        SqlFor(KorvexConsumerDatabase::ConsumerTable().inserts[0], "CONSUMERS").c_str());
    sqlite3_stmt *subCategoryRow = db.Prepare(
        SqlFor(KorvexConsumerDatabase::ConsumerTable().inserts[1], "CONSUMERS").c_str());
    for (const RawConsumer &consumer : consumers) {
        sqlite3_bind_text(categoryRow, 1, consumer.name.data(), int(consumer.name.size()),
                          SQLITE_STATIC);
        sqlite3_step(categoryRow);
        sqlite3_reset(categoryRow);
        for (const RawSubCategory &sub : consumer.subCategories) {
            sqlite3_bind_text(subCategoryRow, 1, sub.name.data(), int(sub.name.size()),
                              SQLITE_STATIC);
            for (int v = 0; v < kValues; ++v) {
                const std::string &value = sub.values[size_t(v)];
                sqlite3_bind_text(subCategoryRow, v + 2, value.data(), int(value.size()),
                                  SQLITE_STATIC);
            }
            sqlite3_step(subCategoryRow);
            sqlite3_reset(subCategoryRow);
        }
    }
    sqlite3_finalize(categoryRow);
    sqlite3_finalize(subCategoryRow);
    db.Exec("COMMIT");
}

/// Groups the rows as the library does: categories by name, repeated sub-categories dropped.
void rawLoad(const CRawDatabase &db)
{
    RawConsumers consumers;
    std::unordered_map<std::string, size_t> consumerAt;
    std::vector<std::unordered_set<std::string>> names;
    sqlite3_stmt *select = db.Prepare("SELECT * FROM CONSUMERS");
    size_t current = 0;
    bool inCategory = false;
    while (sqlite3_step(select) == SQLITE_ROW) {
        const std::string category = ColumnText(select, 1);
        if (!category.empty()) {
            const auto [it, added] = consumerAt.emplace(category, consumers.size());
            if (added) {
                consumers.push_back({ category, {} });
                names.emplace_back();
            }
            current = it->second;
            inCategory = true;
        } else if (inCategory) {
            RawSubCategory sub { ColumnText(select, 2), {} };
            for (int v = 0; v < kValues; ++v)
                sub.values[size_t(v)] = ColumnText(select, v + 3);
            if (names[current].insert(sub.name).second)
                consumers[current].subCategories.push_back(std::move(sub));
        }
    }
    sqlite3_finalize(select);
    benchmark::DoNotOptimize(consumers.data());
}

} // namespace

void RegisterConsumerBenchmarks()
{
    RegisterTable<CConsumerDatabase, RawConsumers>(
        { "consumers", fillLibrary, rowCount, makeRawConsumers, rawSave, rawLoad });
}
