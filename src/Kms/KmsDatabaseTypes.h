#pragma once

#include "KorvexDatabase_export.h"
#include "core/TableDatabase.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace KorvexKmsDatabase {

/// One nominal-bore entry of a designation: its local resistance coefficient, a sketch
/// (the bytes of a BMP file, empty for none) and a comment.
class KORVEXDATABASE_EXPORT CDup
{
public:
    CDup() = default;
    CDup(const QString &name, const double &kms, const QByteArray &image, const QString &comment);

    const QString &GetName() const { return m_name; }
    const double &GetKMS() const { return m_kms; }
    const QByteArray &GetImage() const { return m_image; }
    const QString &GetComment() const { return m_comment; }

    void SetName(const QString &name) { m_name = name; }
    void SetKMS(const double &kms) { m_kms = kms; }
    void SetImage(const QByteArray &image) { m_image = image; }
    void SetComment(const QString &comment) { m_comment = comment; }

    bool operator==(const CDup &other) const { return m_name == other.m_name; }
    bool operator!=(const CDup &other) const { return !(*this == other); }
    bool operator<(const CDup &other) const { return m_name < other.m_name; }
    bool operator>(const CDup &other) const { return other < *this; }

private:
    QString m_name;
    double m_kms = 0.0;
    QByteArray m_image;
    QString m_comment;
};

/// A designation (number or mark) of a heating device, with the device's picture (BMP
/// file bytes) and its nominal-bore entries in insertion order.
class KORVEXDATABASE_EXPORT CDevicesHeatingSubName
{
public:
    CDevicesHeatingSubName() = default;
    CDevicesHeatingSubName(const QString &name, const QByteArray &image);
    CDevicesHeatingSubName(const QString &name, const std::vector<CDup> &dups,
                           const QByteArray &image);

    const QString &GetName() const { return m_name; }
    const QByteArray &GetImage() const { return m_image; }
    const std::vector<CDup> &GetDupContainer() const { return m_dups; }

    void SetName(const QString &name) { m_name = name; }
    void SetImage(const QByteArray &image) { m_image = image; }

    CDup *FindDup(const CDup &dup);
    const CDup *FindDup(const CDup &dup) const;
    void InsertDup(const CDup &dup);
    void DeleteDup(const CDup &dup);
    /// Removes every entry.
    void EraseDups() { m_dups.clear(); }

    bool operator==(const CDevicesHeatingSubName &other) const { return m_name == other.m_name; }
    bool operator!=(const CDevicesHeatingSubName &other) const { return !(*this == other); }
    bool operator<(const CDevicesHeatingSubName &other) const { return m_name < other.m_name; }
    bool operator>(const CDevicesHeatingSubName &other) const { return other < *this; }

private:
    QString m_name;
    QByteArray m_image;
    std::vector<CDup> m_dups;
};

/// A heating device or fitting with its designations.
class KORVEXDATABASE_EXPORT CDevicesHeating
{
public:
    CDevicesHeating() = default;
    explicit CDevicesHeating(const QString &name);
    CDevicesHeating(const QString &name, const std::vector<CDevicesHeatingSubName> &subNames);

    const QString &GetName() const { return m_name; }
    const std::vector<CDevicesHeatingSubName> &GetDevicesHeatingSubNameContainer() const
    {
        return m_subNames;
    }
    void SetName(const QString &name) { m_name = name; }

    CDevicesHeatingSubName *FindDevicesHeatingSubName(const CDevicesHeatingSubName &subName);
    const CDevicesHeatingSubName *
    FindDevicesHeatingSubName(const CDevicesHeatingSubName &subName) const;
    void InsertDevicesHeatingSubName(const CDevicesHeatingSubName &subName);
    void DeleteDevicesHeatingSubName(const CDevicesHeatingSubName &subName);

    bool operator==(const CDevicesHeating &other) const { return m_name == other.m_name; }
    bool operator!=(const CDevicesHeating &other) const { return !(*this == other); }
    bool operator<(const CDevicesHeating &other) const { return m_name < other.m_name; }
    bool operator>(const CDevicesHeating &other) const { return other < *this; }

private:
    friend class CKmsDatabase; // loading finds designations through its own name index
    QString m_name;
    std::vector<CDevicesHeatingSubName> m_subNames;
};

/// A category of heating devices and fittings.
class KORVEXDATABASE_EXPORT CDevices
{
public:
    CDevices() = default;
    explicit CDevices(const QString &name);
    CDevices(const QString &name, const std::vector<CDevicesHeating> &devices);

    const QString &GetName() const { return m_name; }
    const std::vector<CDevicesHeating> &GetDevicesHeatingContainer() const { return m_devices; }
    void SetName(const QString &name) { m_name = name; }

    CDevicesHeating *FindDevicesHeating(const QString &name);
    const CDevicesHeating *FindDevicesHeating(const QString &name) const;
    void InsertDevicesHeating(const CDevicesHeating &device);
    void DeleteDevicesHeating(const CDevicesHeating &device);

    bool operator==(const CDevices &other) const { return m_name == other.m_name; }
    bool operator!=(const CDevices &other) const { return !(*this == other); }
    bool operator<(const CDevices &other) const { return m_name < other.m_name; }
    bool operator>(const CDevices &other) const { return other < *this; }

private:
    friend class CKmsDatabase; // loading finds devices through its own name index
    QString m_name;
    std::vector<CDevicesHeating> m_devices;
};

/// Local resistance coefficients (KMS) of heating devices and fittings: categories,
/// devices, designations with a picture, and per designation one coefficient for each
/// nominal bore. The whole tree lives in the one table "KMS".
///
/// \code
/// for (const CDevices &category : kms->GetDevices())
///     for (const CDevicesHeating &device : category.GetDevicesHeatingContainer())
///         qDebug() << category.GetName() << device.GetName();
/// \endcode
class KORVEXDATABASE_EXPORT CKmsDatabase : public KorvexCore::CTableDatabase
{
public:
    CKmsDatabase();
    ~CKmsDatabase() override;

    void LoadData() override;
    void ShowContent() override;

    const std::vector<CDevices> &GetDevices() const { return m_devices; }
    CDevices *FindDevices(const QString &name);
    const CDevices *FindDevices(const QString &name) const;
    void InsertDevices(const CDevices &devices);
    void DeleteDevices(const CDevices &devices);

    /// Rewrites the whole table from the tree; GetLastError() tells how it went.
    void SaveDataToDataBase() const;

private:
    QString m_tableName;
    std::vector<CDevices> m_devices;
};

} // namespace KorvexKmsDatabase
