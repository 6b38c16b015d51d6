#include "Consumers/ConsumerDatabaseTypes.h"

#include "Consumers/ConsumerTable_p.h"
#include "core/NamedElements_p.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSqlError>

namespace KorvexConsumerDatabase {

const KorvexCore::CColumns<CConsumer> &ConsumerColumns()
{
    static const KorvexCore::CColumns<CConsumer> columns = {
        { "Category", &CConsumer::GetName, &CConsumer::SetName },
    };
    return columns;
}

const KorvexCore::CColumns<CSubCategory> &SubCategoryColumns()
{
    using S = CSubCategory;
    static const KorvexCore::CColumns<CSubCategory> columns = {
        { "SubCategory", &S::GetName, &S::SetName },
        { "Unit", &S::GetUnit, &S::SetUnit },
        { "ExpenseGeneral", &S::GetExpenseGeneral, &S::SetExpenseGeneral },
        { "ExpenseHour", &S::GetExpenseHour, &S::SetExpenseHour },
        { "ExpenseDayGeneral", &S::GetExpenseDayGeneral, &S::SetExpenseDayGeneral },
        { "ExpenseHotWaterSupplyDay", &S::GetExpenseHotWaterSupplyDay,
          &S::SetExpenseHotWaterSupplyDay },
        { "ExpenseHourGeneral", &S::GetExpenseHourGeneral, &S::SetExpenseHourGeneral },
        { "ExpenseHotWaterSupplyHour", &S::GetExpenseHotWaterSupplyHour,
          &S::SetExpenseHotWaterSupplyHour },
        { "ExpenseSecondDeviceGeneral", &S::GetExpenseSecondDeviceGeneral,
          &S::SetExpenseSecondDeviceGeneral },
        { "ExpenseHourDeviceGeneral", &S::GetExpenseHourDeviceGeneral,
          &S::SetExpenseHourDeviceGeneral },
        { "ExpenseColdWaterSupplySecondDevice", &S::GetExpenseColdWaterSupplySecondDevice,
          &S::SetExpenseColdWaterSupplySecondDevice },
        { "ExpenseColdWaterSupplyHourDevice", &S::GetExpenseColdWaterSupplyHourDevice,
          &S::SetExpenseColdWaterSupplyHourDevice },
        { "ExpenseHotWaterSupplySecondDevice", &S::GetExpenseHotWaterSupplySecondDevice,
          &S::SetExpenseHotWaterSupplySecondDevice },
        { "ExpenseHotWaterSupplyHourDevice", &S::GetExpenseHotWaterSupplyHourDevice,
          &S::SetExpenseHotWaterSupplyHourDevice },
        { "ExpenseSeparateDevices", &S::GetExpenseSeparateDevices, &S::SetExpenseSeparateDevices },
    };
    return columns;
}

const KorvexCore::CTableDescription &ConsumerTable()
{
    static const KorvexCore::CTableDescription table = {
        "CREATE TABLE %1 (SortID integer PRIMARY KEY, Category varchar, SubCategory varchar, "
        "Unit varchar, ExpenseGeneral varchar, ExpenseHour varchar, ExpenseDayGeneral varchar, "
        "ExpenseHotWaterSupplyDay varchar, ExpenseHourGeneral varchar, "
        "ExpenseHotWaterSupplyHour varchar, ExpenseSecondDeviceGeneral varchar, "
        "ExpenseHourDeviceGeneral varchar, ExpenseColdWaterSupplySecondDevice varchar, "
        "ExpenseColdWaterSupplyHourDevice varchar, ExpenseHotWaterSupplySecondDevice varchar, "
        "ExpenseHotWaterSupplyHourDevice varchar, ExpenseSeparateDevices varchar)",
        { "INSERT INTO %1 (Category) VALUES(:Category)",
          "INSERT INTO %1 (SubCategory, Unit, ExpenseGeneral, ExpenseHour, ExpenseDayGeneral, "
          "ExpenseHotWaterSupplyDay, ExpenseHourGeneral, ExpenseHotWaterSupplyHour, "
          "ExpenseSecondDeviceGeneral, ExpenseHourDeviceGeneral, "
          "ExpenseColdWaterSupplySecondDevice, ExpenseColdWaterSupplyHourDevice, "
          "ExpenseHotWaterSupplySecondDevice, ExpenseHotWaterSupplyHourDevice, "
          "ExpenseSeparateDevices) VALUES (:SubCategory, :Unit, :ExpenseGeneral, :ExpenseHour, "
          ":ExpenseDayGeneral, :ExpenseHotWaterSupplyDay, :ExpenseHourGeneral, "
          ":ExpenseHotWaterSupplyHour, :ExpenseSecondDeviceGeneral, :ExpenseHourDeviceGeneral, "
          ":ExpenseColdWaterSupplySecondDevice, :ExpenseColdWaterSupplyHourDevice, "
          ":ExpenseHotWaterSupplySecondDevice, :ExpenseHotWaterSupplyHourDevice, "
          ":ExpenseSeparateDevices)" },
        KorvexCore::ColumnNames(ConsumerColumns()) + KorvexCore::ColumnNames(SubCategoryColumns()),
    };
    return table;
}

// ---------------------------------------------------------------------------------------
// CSubCategory, CConsumer

CSubCategory::CSubCategory(const QString &name)
    : m_name(name)
{ }

CConsumer::CConsumer(const QString &name)
    : m_name(name)
{ }

CConsumer::CConsumer(const QString &name, const std::vector<CSubCategory> &subCategories)
    : m_name(name)
    , m_subCategories(subCategories)
{ }

CSubCategory *CConsumer::FindSubCategory(const QString &name)
{
    return KorvexCore::FindNamed(m_subCategories, name);
}

const CSubCategory *CConsumer::FindSubCategory(const QString &name) const
{
    return KorvexCore::FindNamed(m_subCategories, name);
}

void CConsumer::InsertSubCategory(const CSubCategory &subCategory)
{
    KorvexCore::InsertNamed(m_subCategories, subCategory);
}

void CConsumer::DeleteSubCategory(const CSubCategory &subCategory)
{
    KorvexCore::DeleteNamed(m_subCategories, subCategory.GetName());
}

// ---------------------------------------------------------------------------------------
// CConsumerDatabase

CConsumerDatabase::CConsumerDatabase()
    : CTableDatabase(KorvexInterfaces::ConsumerDatabaseType,
                     QCoreApplication::translate("QApplication", "Потребители"))
    , m_tableName(QStringLiteral("CONSUMERS"))
{ }

CConsumerDatabase::~CConsumerDatabase() = default;

CConsumer *CConsumerDatabase::FindConsumer(const QString &name)
{
    return KorvexCore::FindNamed(m_consumers, name);
}

const CConsumer *CConsumerDatabase::FindConsumer(const QString &name) const
{
    return KorvexCore::FindNamed(m_consumers, name);
}

void CConsumerDatabase::InsertConsumer(const CConsumer &consumer)
{
    KorvexCore::InsertNamed(m_consumers, consumer);
}

void CConsumerDatabase::DeleteConsumer(const CConsumer &consumer)
{
    KorvexCore::DeleteNamed(m_consumers, consumer.GetName());
}

void CConsumerDatabase::LoadData()
{
    KorvexCore::CTableReader reader(*this, m_tableName);
    const int category = KorvexCore::ColumnPositions(reader, ConsumerColumns()).front();
    const std::vector<int> positions = KorvexCore::ColumnPositions(reader, SubCategoryColumns());

    using Rows = KorvexCore::CGroupedRows<CConsumer, CSubCategory>;
    Rows rows(m_consumers, &CConsumer::InsertSubCategory);
    while (reader.Next()) {
        const QString name = reader.Text(category);
        if (!name.isEmpty()) {
            rows.OpenGroup(name.trimmed());
            continue;
        }
        CSubCategory subCategory;
        KorvexCore::ReadRow(subCategory, reader, SubCategoryColumns(), positions);
        if (rows.AddMember(subCategory) == Rows::EMember::Taken)
            KorvexCore::DebugLine("ERROR loading ConsumerDatabase",
                                  "Consumers\\ConsumerDatabaseTypes", __LINE__);
    }
}

void CConsumerDatabase::SaveDataToDataBase() const
{
    // A sub-category that cannot be written is reported and left out; the rest of the
    // table still goes in.
    KorvexCore::SaveGroupedTable(*this, m_tableName, ConsumerTable(), ConsumerColumns(),
                                 SubCategoryColumns(), m_consumers, &CConsumer::GetSubCategories,
                                 KorvexCore::CTableRewrite::RowFailure::Report);
}

} // namespace KorvexConsumerDatabase
