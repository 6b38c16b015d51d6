#include "Kms/KmsDatabaseTypes.h"

#include "Kms/KmsTable_p.h"
#include "core/NamedElements_p.h"

#include <QCoreApplication>

namespace KorvexKmsDatabase {

const KorvexCore::CColumns<CDevices> &DevicesColumns()
{
    static const KorvexCore::CColumns<CDevices> columns = {
        { "CategoryName", &CDevices::GetName, &CDevices::SetName },
    };
    return columns;
}

const KorvexCore::CColumns<CDevicesHeating> &DevicesHeatingColumns()
{
    static const KorvexCore::CColumns<CDevicesHeating> columns = {
        { "DevicesHeating", &CDevicesHeating::GetName, &CDevicesHeating::SetName },
    };
    return columns;
}

const KorvexCore::CColumns<CDevicesHeatingSubName> &SubNameColumns()
{
    static const KorvexCore::CColumns<CDevicesHeatingSubName> columns = {
        { "Number_Mark", &CDevicesHeatingSubName::GetName, &CDevicesHeatingSubName::SetName },
        { "DevicesHeatingImage", &CDevicesHeatingSubName::GetImage,
          &CDevicesHeatingSubName::SetImage },
    };
    return columns;
}

const KorvexCore::CColumns<CDup> &DupColumns()
{
    static const KorvexCore::CColumns<CDup> columns = {
        { "DUP", &CDup::GetName, &CDup::SetName },
        { "KMS", &CDup::GetKMS, &CDup::SetKMS },
        { "Image", &CDup::GetImage, &CDup::SetImage },
        { "Comment", &CDup::GetComment, &CDup::SetComment },
    };
    return columns;
}

const KorvexCore::CTableDescription &KmsTable()
{
    static const QStringList subName = KorvexCore::ColumnNames(SubNameColumns());
    static const QStringList dup = KorvexCore::ColumnNames(DupColumns());
    static const KorvexCore::CTableDescription table = {
        "CREATE TABLE %1 (SortID integer PRIMARY KEY, CategoryName varchar, DevicesHeating "
        "varchar, Number_Mark varchar, DUP varchar, KMS varchar, DevicesHeatingImage BLOB, "
        "Image BLOB, Comment varchar)",
        { "INSERT INTO %1 (CategoryName) VALUES(:CategoryName)",
          "INSERT INTO %1 (DevicesHeating) VALUES(:DevicesHeating)",
          "INSERT INTO %1 (Number_Mark, DevicesHeatingImage) "
          "VALUES(:Number_Mark, :DevicesHeatingImage)",
          "INSERT INTO %1 (DUP, KMS, Image, Comment) VALUES(:DUP, :KMS, :Image, :Comment)" },
        // In table order: the picture columns come after every name and the coefficient.
        KorvexCore::ColumnNames(DevicesColumns()) + KorvexCore::ColumnNames(DevicesHeatingColumns())
            + subName.mid(0, 1) + dup.mid(0, 2) + subName.mid(1) + dup.mid(2),
    };
    return table;
}

// ---------------------------------------------------------------------------------------
// The tree

CDup::CDup(const QString &name, const double &kms, const QByteArray &image, const QString &comment)
    : m_name(name)
    , m_kms(kms)
    , m_image(image)
    , m_comment(comment)
{ }

CDevicesHeatingSubName::CDevicesHeatingSubName(const QString &name, const QByteArray &image)
    : m_name(name)
    , m_image(image)
{ }

CDevicesHeatingSubName::CDevicesHeatingSubName(const QString &name, const std::vector<CDup> &dups,
                                               const QByteArray &image)
    : m_name(name)
    , m_image(image)
    , m_dups(dups)
{ }

CDup *CDevicesHeatingSubName::FindDup(const CDup &dup)
{
    return KorvexCore::FindNamed(m_dups, dup.GetName());
}

const CDup *CDevicesHeatingSubName::FindDup(const CDup &dup) const
{
    return KorvexCore::FindNamed(m_dups, dup.GetName());
}

void CDevicesHeatingSubName::InsertDup(const CDup &dup)
{
    KorvexCore::InsertNamed(m_dups, dup);
}

void CDevicesHeatingSubName::DeleteDup(const CDup &dup)
{
    KorvexCore::DeleteNamed(m_dups, dup.GetName());
}

CDevicesHeating::CDevicesHeating(const QString &name)
    : m_name(name)
{ }

CDevicesHeating::CDevicesHeating(const QString &name,
                                 const std::vector<CDevicesHeatingSubName> &subNames)
    : m_name(name)
    , m_subNames(subNames)
{ }

CDevicesHeatingSubName *
CDevicesHeating::FindDevicesHeatingSubName(const CDevicesHeatingSubName &subName)
{
    return KorvexCore::FindNamed(m_subNames, subName.GetName());
}

const CDevicesHeatingSubName *
CDevicesHeating::FindDevicesHeatingSubName(const CDevicesHeatingSubName &subName) const
{
    return KorvexCore::FindNamed(m_subNames, subName.GetName());
}

void CDevicesHeating::InsertDevicesHeatingSubName(const CDevicesHeatingSubName &subName)
{
    KorvexCore::InsertNamed(m_subNames, subName);
}

void CDevicesHeating::DeleteDevicesHeatingSubName(const CDevicesHeatingSubName &subName)
{
    KorvexCore::DeleteNamed(m_subNames, subName.GetName());
}

CDevices::CDevices(const QString &name)
    : m_name(name)
{ }

CDevices::CDevices(const QString &name, const std::vector<CDevicesHeating> &devices)
    : m_name(name)
    , m_devices(devices)
{ }

CDevicesHeating *CDevices::FindDevicesHeating(const QString &name)
{
    return KorvexCore::FindNamed(m_devices, name);
}

const CDevicesHeating *CDevices::FindDevicesHeating(const QString &name) const
{
    return KorvexCore::FindNamed(m_devices, name);
}

void CDevices::InsertDevicesHeating(const CDevicesHeating &device)
{
    KorvexCore::InsertNamed(m_devices, device);
}

void CDevices::DeleteDevicesHeating(const CDevicesHeating &device)
{
    KorvexCore::DeleteNamed(m_devices, device.GetName());
}

// ---------------------------------------------------------------------------------------
// CKmsDatabase

namespace {

/// The outcome of the last lookup of one name in one vector, reused while the name and
/// the vector's owner stay the same: the rows of a designation follow one another, and
/// searching every level again for each of them would cost more than reading the row.
/// The owner of a changed vector forgets it (an append may move every element).
template<class T> class CLastLookup
{
public:
    template<class Find> T *Get(const void *owner, const QString &name, Find find)
    {
        if (!m_valid || owner != m_owner || name != m_name) {
            m_found = find();
            m_owner = owner;
            m_name = name;
            m_valid = true;
        }
        return m_found;
    }
    void Forget() { m_valid = false; }

private:
    const void *m_owner = nullptr;
    QString m_name;
    T *m_found = nullptr;
    bool m_valid = false;
};

} // namespace

CKmsDatabase::CKmsDatabase()
    : CTableDatabase(KorvexInterfaces::KmsDatabaseType,
                     QCoreApplication::translate("QApplication", "КМС"))
    , m_tableName(QStringLiteral("KMS"))
{ }

CKmsDatabase::~CKmsDatabase() = default;

CDevices *CKmsDatabase::FindDevices(const QString &name)
{
    return KorvexCore::FindNamed(m_devices, name);
}

const CDevices *CKmsDatabase::FindDevices(const QString &name) const
{
    return KorvexCore::FindNamed(m_devices, name);
}

void CKmsDatabase::InsertDevices(const CDevices &devices)
{
    KorvexCore::InsertNamed(m_devices, devices);
}

void CKmsDatabase::DeleteDevices(const CDevices &devices)
{
    KorvexCore::DeleteNamed(m_devices, devices.GetName());
}

void CKmsDatabase::LoadData()
{
    KorvexCore::CTableReader reader(*this, m_tableName);
    const std::vector<int> category = KorvexCore::ColumnPositions(reader, DevicesColumns());
    const std::vector<int> device = KorvexCore::ColumnPositions(reader, DevicesHeatingColumns());
    const std::vector<int> subName = KorvexCore::ColumnPositions(reader, SubNameColumns());
    const std::vector<int> dup = KorvexCore::ColumnPositions(reader, DupColumns());

    m_devices.clear();
    // Each row is attached under the last category, device and designation named by a row
    // before it (or by itself); these names carry over from row to row and are never reset.
    // A row whose parent is missing becomes that parent, from its own (usually empty)
    // cells, and its own values are dropped.
    QString currentCategory, currentDevice, currentSubName;
    CLastLookup<CDevices> categoryLookup;
    CLastLookup<CDevicesHeating> deviceLookup;
    CLastLookup<CDevicesHeatingSubName> subNameLookup;
    // Each name found in constant time, however many categories, devices or designations.
    KorvexCore::CNameIndex<CDevices> categories;
    KorvexCore::CChildIndexes<KorvexCore::CNameIndex<CDevicesHeating>> devices;
    KorvexCore::CChildIndexes<
        KorvexCore::CChildIndexes<KorvexCore::CNameIndex<CDevicesHeatingSubName>>>
        subNames;
    while (reader.Next()) {
        CDevices rowCategory;
        CDevicesHeating rowDevice;
        CDevicesHeatingSubName rowSubName;
        CDup rowDup;
        KorvexCore::ReadRow(rowCategory, reader, DevicesColumns(), category);
        KorvexCore::ReadRow(rowDevice, reader, DevicesHeatingColumns(), device);
        KorvexCore::ReadRow(rowSubName, reader, SubNameColumns(), subName);
        KorvexCore::ReadRow(rowDup, reader, DupColumns(), dup);

        if (!rowCategory.GetName().isEmpty())
            currentCategory = rowCategory.GetName();
        if (!rowDevice.GetName().isEmpty())
            currentDevice = rowDevice.GetName();
        if (!rowSubName.GetName().isEmpty())
            currentSubName = rowSubName.GetName();

        CDevices *inCategory = categoryLookup.Get(
            this, currentCategory, [&] { return categories.Find(m_devices, currentCategory); });
        if (!inCategory) {
            InsertDevices(rowCategory);
            categoryLookup.Forget();
            deviceLookup.Forget();
            subNameLookup.Forget();
            continue;
        }
        const size_t categoryAt = size_t(inCategory - m_devices.data());
        CDevicesHeating *inDevice = deviceLookup.Get(inCategory, currentDevice, [&] {
            return devices.Of(categoryAt).Find(inCategory->m_devices, currentDevice);
        });
        if (!inDevice) {
            inCategory->InsertDevicesHeating(rowDevice);
            deviceLookup.Forget();
            subNameLookup.Forget();
            continue;
        }
        CDevicesHeatingSubName *inSubName = subNameLookup.Get(inDevice, currentSubName, [&] {
            return subNames.Of(categoryAt)
                .Of(size_t(inDevice - inCategory->m_devices.data()))
                .Find(inDevice->m_subNames, currentSubName);
        });
        if (!inSubName) {
            inDevice->InsertDevicesHeatingSubName(rowSubName);
            subNameLookup.Forget();
            continue;
        }
        inSubName->InsertDup(rowDup);
    }
}

void CKmsDatabase::SaveDataToDataBase() const
{
    using KorvexCore::BindRow;
    using KorvexCore::CTableRewrite;
    KorvexCore::CSaveTransaction save(*this);
    CTableRewrite table(save, m_tableName, KmsTable().create);
    KorvexCore::CRowInsert categoryRow = table.Prepare(KmsTable().inserts[0]);
    KorvexCore::CRowInsert deviceRow = table.Prepare(KmsTable().inserts[1]);
    KorvexCore::CRowInsert subNameRow = table.Prepare(KmsTable().inserts[2]);
    KorvexCore::CRowInsert dupRow = table.Prepare(KmsTable().inserts[3]);
    // Depth first, every parent before its children; a parent without children still gets
    // its row, so empty levels come back on load. A failed nominal-bore row is reported and
    // the save goes on; any other failure ends it, and every Insert after it refuses at once.
    for (const CDevices &category : m_devices) {
        BindRow(categoryRow, DevicesColumns(), category);
        if (!table.Insert(categoryRow))
            break;
        for (const CDevicesHeating &device : category.GetDevicesHeatingContainer()) {
            BindRow(deviceRow, DevicesHeatingColumns(), device);
            if (!table.Insert(deviceRow))
                break;
            for (const CDevicesHeatingSubName &subName :
                 device.GetDevicesHeatingSubNameContainer()) {
                BindRow(subNameRow, SubNameColumns(), subName);
                if (!table.Insert(subNameRow))
                    break;
                for (const CDup &dup : subName.GetDupContainer()) {
                    BindRow(dupRow, DupColumns(), dup);
                    if (!table.Insert(dupRow, CTableRewrite::RowFailure::Report))
                        break;
                }
            }
        }
    }
    save.Finish();
}

} // namespace KorvexKmsDatabase
