#pragma once

#include "KorvexDatabase_export.h"
#include "core/TableDatabase.h"

#include <QString>

#include <vector>

namespace KorvexConsumerDatabase {

/// One sub-category of water consumers: its unit of measure and thirteen consumption
/// norms, all kept as typed. The identifier is the host's own and is never stored.
class KORVEXDATABASE_EXPORT CSubCategory
{
public:
    CSubCategory() = default;
    CSubCategory(const QString &name);

    const QString &GetName() const { return m_name; }
    const int &GetSubCategoryID() const { return m_subCategoryID; }
    const QString &GetUnit() const { return m_unit; }
    /// Daily norm, total.
    const QString &GetExpenseGeneral() const { return m_expenseGeneral; }
    /// Daily norm of hot water.
    const QString &GetExpenseHour() const { return m_expenseHour; }
    const QString &GetExpenseDayGeneral() const { return m_expenseDayGeneral; }
    const QString &GetExpenseHotWaterSupplyDay() const { return m_expenseHotWaterSupplyDay; }
    const QString &GetExpenseHourGeneral() const { return m_expenseHourGeneral; }
    const QString &GetExpenseHotWaterSupplyHour() const { return m_expenseHotWaterSupplyHour; }
    const QString &GetExpenseSecondDeviceGeneral() const { return m_expenseSecondDeviceGeneral; }
    const QString &GetExpenseHourDeviceGeneral() const { return m_expenseHourDeviceGeneral; }
    const QString &GetExpenseColdWaterSupplySecondDevice() const
    {
        return m_expenseColdWaterSupplySecondDevice;
    }
    const QString &GetExpenseColdWaterSupplyHourDevice() const
    {
        return m_expenseColdWaterSupplyHourDevice;
    }
    const QString &GetExpenseHotWaterSupplySecondDevice() const
    {
        return m_expenseHotWaterSupplySecondDevice;
    }
    const QString &GetExpenseHotWaterSupplyHourDevice() const
    {
        return m_expenseHotWaterSupplyHourDevice;
    }
    /// Discharge.
    const QString &GetExpenseSeparateDevices() const { return m_expenseSeparateDevices; }

    void SetName(const QString &value) { m_name = value; }
    void SetSubCategoryID(const int &value) { m_subCategoryID = value; }
    void SetUnit(const QString &value) { m_unit = value; }
    void SetExpenseGeneral(const QString &value) { m_expenseGeneral = value; }
    void SetExpenseHour(const QString &value) { m_expenseHour = value; }
    void SetExpenseDayGeneral(const QString &value) { m_expenseDayGeneral = value; }
    void SetExpenseHotWaterSupplyDay(const QString &value) { m_expenseHotWaterSupplyDay = value; }
    void SetExpenseHourGeneral(const QString &value) { m_expenseHourGeneral = value; }
    void SetExpenseHotWaterSupplyHour(const QString &value) { m_expenseHotWaterSupplyHour = value; }
    void SetExpenseSecondDeviceGeneral(const QString &value)
    {
        m_expenseSecondDeviceGeneral = value;
    }
    void SetExpenseHourDeviceGeneral(const QString &value) { m_expenseHourDeviceGeneral = value; }
    void SetExpenseColdWaterSupplySecondDevice(const QString &value)
    {
        m_expenseColdWaterSupplySecondDevice = value;
    }
    void SetExpenseColdWaterSupplyHourDevice(const QString &value)
    {
        m_expenseColdWaterSupplyHourDevice = value;
    }
    void SetExpenseHotWaterSupplySecondDevice(const QString &value)
    {
        m_expenseHotWaterSupplySecondDevice = value;
    }
    void SetExpenseHotWaterSupplyHourDevice(const QString &value)
    {
        m_expenseHotWaterSupplyHourDevice = value;
    }
    void SetExpenseSeparateDevices(const QString &value) { m_expenseSeparateDevices = value; }

    bool operator==(const CSubCategory &other) const { return m_name == other.m_name; }
    bool operator!=(const CSubCategory &other) const { return !(*this == other); }
    bool operator<(const CSubCategory &other) const { return m_name < other.m_name; }
    bool operator>(const CSubCategory &other) const { return other < *this; }

private:
    QString m_name;
    int m_subCategoryID = 0;
    QString m_unit;
    QString m_expenseGeneral;
    QString m_expenseHour;
    QString m_expenseDayGeneral;
    QString m_expenseHotWaterSupplyDay;
    QString m_expenseHourGeneral;
    QString m_expenseHotWaterSupplyHour;
    QString m_expenseSecondDeviceGeneral;
    QString m_expenseHourDeviceGeneral;
    QString m_expenseColdWaterSupplySecondDevice;
    QString m_expenseColdWaterSupplyHourDevice;
    QString m_expenseHotWaterSupplySecondDevice;
    QString m_expenseHotWaterSupplyHourDevice;
    QString m_expenseSeparateDevices;
};

/// A category of water consumers with its sub-categories, in insertion order.
class KORVEXDATABASE_EXPORT CConsumer
{
public:
    CConsumer() = default;
    CConsumer(const QString &name);
    CConsumer(const QString &name, const std::vector<CSubCategory> &subCategories);

    const QString &GetName() const { return m_name; }
    const std::vector<CSubCategory> &GetSubCategories() const { return m_subCategories; }
    void SetName(const QString &name) { m_name = name; }

    CSubCategory *FindSubCategory(const QString &name);
    const CSubCategory *FindSubCategory(const QString &name) const;
    void InsertSubCategory(const CSubCategory &subCategory);
    void DeleteSubCategory(const CSubCategory &subCategory);

    bool operator==(const CConsumer &other) const { return m_name == other.m_name; }
    bool operator!=(const CConsumer &other) const { return !(*this == other); }
    bool operator<(const CConsumer &other) const { return m_name < other.m_name; }
    bool operator>(const CConsumer &other) const { return other < *this; }

private:
    QString m_name;
    std::vector<CSubCategory> m_subCategories;
};

/// The water-consumption norms of table "CONSUMERS": categories, each followed in the
/// table by its sub-categories.
class KORVEXDATABASE_EXPORT CConsumerDatabase : public KorvexCore::CTableDatabase
{
public:
    CConsumerDatabase();
    ~CConsumerDatabase() override;

    void LoadData() override;
    void ShowContent() override;

    const std::vector<CConsumer> &GetConsumers() const { return m_consumers; }
    CConsumer *FindConsumer(const QString &name);
    const CConsumer *FindConsumer(const QString &name) const;
    void InsertConsumer(const CConsumer &consumer);
    void DeleteConsumer(const CConsumer &consumer);

    /// Rewrites the whole table; GetLastError() tells how it went.
    void SaveDataToDataBase() const;

private:
    QString m_tableName;
    std::vector<CConsumer> m_consumers;
};

} // namespace KorvexConsumerDatabase
