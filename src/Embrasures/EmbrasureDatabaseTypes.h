#pragma once

#include "KorvexDatabase_export.h"
#include "core/TableDatabase.h"

#include <QString>

#include <vector>

namespace KorvexEmbrasureDatabase {

/// One opening of the building envelope: three air permeabilities (for three classes of
/// building), a height coefficient and a heat-transfer coefficient, kept as typed.
///
/// Its name is composed of the opening's type, frame material and glazing, as
/// "type: material: glass"; the table keeps the three parts in columns of their own.
class KORVEXDATABASE_EXPORT CEmbrasure
{
public:
    CEmbrasure() = default;
    CEmbrasure(const QString &name, const QString &DAir1 = QString(),
               const QString &DAir2 = QString(), const QString &DAir3 = QString(),
               const QString &KHeight = QString(), const QString &KHeatTransfer = QString());

    const QString &GetName() const { return m_name; }
    /// Air permeability of residential and public buildings.
    const QString &GetDAir1() const { return m_dAir1; }
    /// Air permeability of industrial and seasonal buildings.
    const QString &GetDAir2() const { return m_dAir2; }
    /// Air permeability of industrial buildings with heat surplus.
    const QString &GetDAir3() const { return m_dAir3; }
    /// Coefficient on the building height for additional heat losses.
    const QString &GetKHeight() const { return m_kHeight; }
    /// Heat-transfer coefficient, W/(m²·K).
    const QString &GetHeatTransfer() const { return m_kHeatTransfer; }

    void SetName(const QString &name) { m_name = name; }
    void SetDAir1(const QString &value) { m_dAir1 = value; }
    void SetDAir2(const QString &value) { m_dAir2 = value; }
    void SetDAir3(const QString &value) { m_dAir3 = value; }
    void SetKHeight(const QString &value) { m_kHeight = value; }
    void SetKHeatTransfer(const QString &value) { m_kHeatTransfer = value; }

    bool operator==(const CEmbrasure &other) const { return m_name == other.m_name; }
    bool operator!=(const CEmbrasure &other) const { return !(*this == other); }
    bool operator<(const CEmbrasure &other) const { return m_name < other.m_name; }
    bool operator>(const CEmbrasure &other) const { return other < *this; }

private:
    QString m_name;
    QString m_dAir1;
    QString m_dAir2;
    QString m_dAir3;
    QString m_kHeight;
    QString m_kHeatTransfer;
};

/// A kind of opening with its openings, in insertion order.
class KORVEXDATABASE_EXPORT CEmbrasureGroup
{
public:
    CEmbrasureGroup() = default;
    CEmbrasureGroup(const QString &name);

    const QString &GetName() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }
    const std::vector<CEmbrasure> &GetEmbrasures() const { return m_embrasures; }
    void SetEmbrasures(const std::vector<CEmbrasure> &embrasures) { m_embrasures = embrasures; }

    CEmbrasure *FindEmbrasure(const QString &name);
    const CEmbrasure *FindEmbrasure(const QString &name) const;
    void InsertEmbrasure(const CEmbrasure &embrasure);
    void DeleteEmbrasure(const CEmbrasure &embrasure);

    bool operator==(const CEmbrasureGroup &other) const { return m_name == other.m_name; }
    bool operator!=(const CEmbrasureGroup &other) const { return !(*this == other); }
    bool operator<(const CEmbrasureGroup &other) const { return m_name < other.m_name; }
    bool operator>(const CEmbrasureGroup &other) const { return other < *this; }

private:
    QString m_name;
    std::vector<CEmbrasure> m_embrasures;
};

/// The openings of table "EMBRASURES": groups, each followed in the table by its openings.
class KORVEXDATABASE_EXPORT CEmbrasureDatabase : public KorvexCore::CTableDatabase
{
public:
    CEmbrasureDatabase();
    ~CEmbrasureDatabase() override;

    void LoadData() override;
    void ShowContent() override;

    const std::vector<CEmbrasureGroup> &GetEmbrasuresGroups() const { return m_groups; }
    CEmbrasureGroup *FindEmbrasureGroup(const QString &name);
    const CEmbrasureGroup *FindEmbrasureGroup(const QString &name) const;
    void InsertEmbrasureGroup(const CEmbrasureGroup &group);
    void DeleteEmbrasureGroup(const CEmbrasureGroup &group);

    /// Rewrites the whole table; an opening whose name does not split into type, material
    /// and glass is left out. GetLastError() tells how it went.
    void SaveDataToDataBase() const;

private:
    QString m_tableName;
    std::vector<CEmbrasureGroup> m_groups;
};

} // namespace KorvexEmbrasureDatabase
