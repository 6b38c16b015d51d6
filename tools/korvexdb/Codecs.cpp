#include "Codecs.h"

#include "Climate/ClimateTable_p.h"
#include "Consumers/ConsumerTable_p.h"
#include "Coolants/CoolantTable_p.h"
#include "DevicesDIN/DeviceDINTable_p.h"
#include "Embrasures/EmbrasureTable_p.h"
#include "Kms/KmsTable_p.h"
#include "Materials/MaterialTable_p.h"
#include "Pipes/PipeTable_p.h"

#include <QLocale>

#include <climits>
#include <cmath>
#include <map>
#include <set>

namespace KorvexTool {

using KorvexCore::CColumns;
using KorvexCore::CTableDatabase;

QString NumberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

CFieldCheck::CFieldCheck(const CCsvFile &file, CProblems &problems)
    : m_file(file)
    , m_problems(problems)
{ }

void CFieldCheck::Fail(const CRecord &record, const QString &reason)
{
    m_problems.push_back({ m_file.name, record.line, reason });
}

int CFieldCheck::Depth(const CRecord &record, const std::vector<int> &nameColumns)
{
    size_t depth = 0;
    while (depth < nameColumns.size() && !record.fields.at(nameColumns[depth]).isEmpty())
        ++depth;
    if (depth == 0) {
        Fail(record, QStringLiteral("%1 is empty").arg(Column(nameColumns.front())));
        return -1;
    }
    if (depth < nameColumns.size()) {
        for (qsizetype c = nameColumns[depth]; c < record.fields.size(); ++c) {
            if (!record.fields.at(c).isEmpty()) {
                Fail(record,
                     QStringLiteral("%1 is given but %2 is empty; no name may be empty")
                         .arg(Column(int(c)), Column(nameColumns[depth])));
                return -1;
            }
        }
    }
    return int(depth);
}

bool CFieldCheck::Trimmed(const CRecord &record, int column)
{
    const QString &text = record.fields.at(column);
    if (text == text.trimmed())
        return true;
    Fail(record,
         QStringLiteral("%1 \"%2\" begins or ends with white space, which the table trims on load")
             .arg(Column(column), text));
    return false;
}

bool CFieldCheck::Number(const CRecord &record, int column, int digits, double &value)
{
    const QString &text = record.fields.at(column);
    bool ok = false;
    value = text.toDouble(&ok);
    if (text.isEmpty()) {
        Fail(record,
             QStringLiteral("%1 is empty, but the table stores a number here "
                            "(write 0 if zero is meant)")
                 .arg(Column(column)));
    } else if (!ok || !std::isfinite(value) || text != text.trimmed()) {
        Fail(record, QStringLiteral("%1 \"%2\" is not a number").arg(Column(column), text));
    } else if (QString::number(value, 'g', digits).toDouble() != value) {
        Fail(record,
             QStringLiteral("%1 \"%2\" has more than %3 significant digits, "
                            "which is all the table keeps")
                 .arg(Column(column), text)
                 .arg(digits));
    } else {
        return true;
    }
    return false;
}

bool CFieldCheck::Whole(const CRecord &record, int column, qint64 low, qint64 high, qint64 &value)
{
    const QString &text = record.fields.at(column);
    bool ok = false;
    value = text.toLongLong(&ok);
    if (ok && text == text.trimmed() && value >= low && value <= high)
        return true;
    Fail(record,
         QStringLiteral("%1 \"%2\" is not a whole number from %3 to %4")
             .arg(Column(column), text)
             .arg(low)
             .arg(high));
    return false;
}

bool CFieldCheck::Unique(const CRecord &record, const QStringList &path)
{
    const QString key = path.join(QChar(0x1f));
    const auto seen = m_seen.constFind(key);
    if (seen == m_seen.constEnd()) {
        m_seen.insert(key, record.line);
        return true;
    }
    Fail(record,
         QStringLiteral("duplicate name \"%1\" within its parent (first on line %2)")
             .arg(path.constLast())
             .arg(*seen));
    return false;
}

namespace {

template<class T> QStringList textCells(const CColumns<T> &columns, const T &element)
{
    QStringList cells;
    for (const auto &column : columns)
        cells << (element.*column.GetText())();
    return cells;
}

/// Sets the text fields of \a element from the record's fields \a offset onwards, from
/// column \a from of \a columns on.
template<class T>
void setTextCells(const CColumns<T> &columns, T &element, const CRecord &record, int offset,
                  size_t from = 0)
{
    for (size_t i = from; i < columns.size(); ++i)
        (element.*columns[i].SetText())(record.fields.at(offset + int(i)));
}

template<class Db> void saveThroughLibrary(const Db &database)
{
    database.SaveDataToDataBase();
}

/// The climate database is written by its viewer's save, which is this function.
void saveThroughLibrary(const KorvexClimateDatabase::CClimateDatabase &climate)
{
    KorvexClimateDatabase::WriteClimateTables(climate, climate.GetCountries(),
                                              climate.GetTableNames());
}

template<class Db> class CCodecOf : public CDatabaseCodec
{
public:
    std::unique_ptr<CTableDatabase> Create() const override { return std::make_unique<Db>(); }
    void Save(CTableDatabase &database) const override { saveThroughLibrary(Of(database)); }

protected:
    static const Db &Of(const CTableDatabase &database)
    {
        return static_cast<const Db &>(database);
    }
    static Db &Of(CTableDatabase &database) { return static_cast<Db &>(database); }
};

// --- flat tables: one element per record -------------------------------------------------

template<class Db, class T> class CFlatCodec : public CCodecOf<Db>
{
public:
    using Columns = const CColumns<T> &(*)();
    using Elements = const std::vector<T> &(Db::*)() const;
    using Insert = void (Db::*)(const T &);

    CFlatCodec(const char *key, const char *table, Columns columns, Elements elements,
               Insert insert)
        : m_key(QLatin1String(key))
        , m_table(QLatin1String(table))
        , m_columns(columns)
        , m_elements(elements)
        , m_insert(insert)
    { }

    QString Key() const override { return m_key; }
    QStringList Tables() const override { return { m_table }; }
    std::vector<CCsvFile> Files() const override
    {
        return { { m_key + QLatin1String(".csv"), KorvexCore::ColumnNames(m_columns()), {} } };
    }
    std::vector<CRecords> Export(const CTableDatabase &database) const override
    {
        CRecords records;
        for (const T &element : (this->Of(database).*m_elements)())
            records.push_back({ 0, textCells(m_columns(), element), {} });
        return { records };
    }
    void Import(CTableDatabase &database, const std::vector<CRecords> &files,
                CProblems &problems) const override
    {
        const CCsvFile file = Files().front();
        CFieldCheck check(file, problems);
        for (const CRecord &record : files.front()) {
            if (check.Depth(record, { 0 }) < 0 || !check.Unique(record, { record.fields[0] }))
                continue;
            T element;
            setTextCells(m_columns(), element, record, 0);
            (this->Of(database).*m_insert)(element);
        }
    }

private:
    QString m_key, m_table;
    Columns m_columns;
    Elements m_elements;
    Insert m_insert;
};

// --- group → member tables ---------------------------------------------------------------

/// A table of named groups, each holding named members; group names are trimmed on load.
template<class Db, class G, class M> class CGroupedCodec : public CCodecOf<Db>
{
public:
    struct CAccess
    {
        const char *key, *table;
        const CColumns<G> &(*groupColumns)();
        const CColumns<M> &(*memberColumns)();
        const std::vector<G> &(Db::*groups)() const;
        G *(Db::*find)(const QString &);
        void (Db::*insertGroup)(const G &);
        const std::vector<M> &(G::*members)() const;
        void (G::*insertMember)(const M &);
    };
    explicit CGroupedCodec(const CAccess &access)
        : m_access(access)
    { }

    QString Key() const override { return QLatin1String(m_access.key); }
    QStringList Tables() const override { return { QLatin1String(m_access.table) }; }
    std::vector<CCsvFile> Files() const override
    {
        return { { Key() + QLatin1String(".csv"),
                   KorvexCore::ColumnNames(m_access.groupColumns())
                       + KorvexCore::ColumnNames(m_access.memberColumns()),
                   {} } };
    }
    std::vector<CRecords> Export(const CTableDatabase &database) const override
    {
        CRecords records;
        const qsizetype width = qsizetype(m_access.memberColumns().size());
        for (const G &group : (this->Of(database).*m_access.groups)()) {
            const std::vector<M> &members = (group.*m_access.members)();
            if (members.empty())
                records.push_back({ 0, QStringList { group.GetName() } + QStringList(width), {} });
            for (const M &member : members)
                records.push_back({ 0, QStringList { group.GetName() } + MemberCells(member), {} });
        }
        return { records };
    }
    void Import(CTableDatabase &database, const std::vector<CRecords> &files,
                CProblems &problems) const override
    {
        const CCsvFile file = Files().front();
        CFieldCheck check(file, problems);
        Db &db = this->Of(database);
        for (const CRecord &record : files.front()) {
            const int depth = check.Depth(record, { 0, 1 });
            if (depth < 0 || !check.Trimmed(record, 0))
                continue;
            const QString &name = record.fields[0];
            G *group = (db.*m_access.find)(name);
            if (!group) {
                (db.*m_access.insertGroup)(G(name));
                group = (db.*m_access.find)(name);
            }
            M member;
            if (depth < 2 || !MemberFromCells(record, check, member)
                || !check.Unique(record, { name, member.GetName() }))
                continue;
            (group->*m_access.insertMember)(member);
        }
    }

protected:
    /// The member's fields from the second column on.
    virtual QStringList MemberCells(const M &member) const
    {
        return textCells(m_access.memberColumns(), member);
    }
    /// Builds \a member from the record's fields from the second column on; false after
    /// a refusal.
    virtual bool MemberFromCells(const CRecord &record, CFieldCheck &, M &member) const
    {
        setTextCells(m_access.memberColumns(), member, record, 1);
        return true;
    }

    CAccess m_access;
};

using KorvexConsumerDatabase::CConsumer;
using KorvexConsumerDatabase::CConsumerDatabase;
using KorvexConsumerDatabase::CSubCategory;

std::unique_ptr<CDatabaseCodec> consumerCodec()
{
    using Codec = CGroupedCodec<CConsumerDatabase, CConsumer, CSubCategory>;
    return std::make_unique<Codec>(Codec::CAccess {
        "consumers", "CONSUMERS", &KorvexConsumerDatabase::ConsumerColumns,
        &KorvexConsumerDatabase::SubCategoryColumns, &CConsumerDatabase::GetConsumers,
        &CConsumerDatabase::FindConsumer, &CConsumerDatabase::InsertConsumer,
        &CConsumer::GetSubCategories, &CConsumer::InsertSubCategory });
}

using KorvexEmbrasureDatabase::CEmbrasure;
using KorvexEmbrasureDatabase::CEmbrasureDatabase;
using KorvexEmbrasureDatabase::CEmbrasureGroup;

/// Openings: the name is given as its three parts, which the table splits at colons.
class CEmbrasureCodec : public CGroupedCodec<CEmbrasureDatabase, CEmbrasureGroup, CEmbrasure>
{
public:
    CEmbrasureCodec()
        : CGroupedCodec(
            { "embrasures", "EMBRASURES", &KorvexEmbrasureDatabase::EmbrasureGroupColumns,
              &KorvexEmbrasureDatabase::EmbrasureColumns, &CEmbrasureDatabase::GetEmbrasuresGroups,
              &CEmbrasureDatabase::FindEmbrasureGroup, &CEmbrasureDatabase::InsertEmbrasureGroup,
              &CEmbrasureGroup::GetEmbrasures, &CEmbrasureGroup::InsertEmbrasure })
    { }

protected:
    static constexpr int kParts = 3;

    QStringList MemberCells(const CEmbrasure &embrasure) const override
    {
        QStringList parts = KorvexEmbrasureDatabase::EmbrasureNamePieces(embrasure.GetName());
        if (parts.size() == kParts) {
            for (QString &part : parts)
                part = part.trimmed();
        } else {
            // Not storable as three parts: written whole, so import refuses it by its colons.
            parts = QStringList { embrasure.GetName() } + QStringList(kParts - 1);
        }
        const auto &columns = m_access.memberColumns();
        for (size_t i = kParts; i < columns.size(); ++i)
            parts << (embrasure.*columns[i].GetText())();
        return parts;
    }
    bool MemberFromCells(const CRecord &record, CFieldCheck &check,
                         CEmbrasure &embrasure) const override
    {
        bool ok = true;
        for (int column = 1; column <= kParts; ++column) {
            if (record.fields[column].contains(QLatin1Char(':'))) {
                check.Fail(record,
                           QStringLiteral("%1 \"%2\" contains ':', at which the table "
                                          "splits the opening's name")
                               .arg(Files().front().header[column], record.fields[column]));
                ok = false;
            }
            ok = check.Trimmed(record, column) && ok;
        }
        if (!ok)
            return false;
        embrasure.SetName(KorvexEmbrasureDatabase::ComposeEmbrasureName(
            record.fields[1], record.fields[2], record.fields[3]));
        setTextCells(m_access.memberColumns(), embrasure, record, 1, kParts);
        return true;
    }
};

using KorvexMaterialDatabase::CMaterial;
using KorvexMaterialDatabase::CMaterialDatabase;
using KorvexMaterialDatabase::CMaterialGroup;

/// Materials: the name as stored; the library appends the weight to it on load.
class CMaterialCodec : public CGroupedCodec<CMaterialDatabase, CMaterialGroup, CMaterial>
{
public:
    CMaterialCodec()
        : CGroupedCodec(
            { "materials", "MATERIALS", &KorvexMaterialDatabase::MaterialGroupColumns,
              &KorvexMaterialDatabase::MaterialColumns, &CMaterialDatabase::GetMaterialsGroups,
              &CMaterialDatabase::FindMaterialGroup, &CMaterialDatabase::InsertMaterialGroup,
              &CMaterialGroup::GetMaterials, &CMaterialGroup::InsertMaterial })
    { }

protected:
    QStringList MemberCells(const CMaterial &material) const override
    {
        return { KorvexMaterialDatabase::StoredMaterialName(material), material.GetD(),
                 material.GetL() };
    }
    bool MemberFromCells(const CRecord &record, CFieldCheck &check,
                         CMaterial &material) const override
    {
        bool ok = true;
        for (int column = 1; column <= 3; ++column)
            ok = check.Trimmed(record, column) && ok;
        const QString &name = record.fields[1];
        bool number = false;
        name.section(QLatin1Char(' '), -1).toDouble(&number);
        if (number) {
            check.Fail(record,
                       QStringLiteral("MaterialName \"%1\" ends with a number, which "
                                      "could not be told from the weight the library "
                                      "appends to the name")
                           .arg(name));
            ok = false;
        }
        if (ok) {
            material
                = CMaterial(KorvexMaterialDatabase::DisplayMaterialName(name, record.fields[2]),
                            record.fields[2], record.fields[3]);
        }
        return ok;
    }
};

// --- coolants: name → property rows, numbers --------------------------------------------

using KorvexCoolantDatabase::CCoolant;
using KorvexCoolantDatabase::CCoolantDatabase;
using KorvexCoolantDatabase::CCoolantParams;

/// Coolants and KMS coefficients are bound as doubles into text columns, where SQLite
/// keeps 15 significant digits.
constexpr int kBoundDigits = 15;

class CCoolantCodec : public CCodecOf<CCoolantDatabase>
{
public:
    QString Key() const override { return QStringLiteral("coolants"); }
    QStringList Tables() const override { return { QStringLiteral("COOLANTS") }; }
    std::vector<CCsvFile> Files() const override
    {
        return { { QStringLiteral("coolants.csv"),
                   KorvexCore::ColumnNames(KorvexCoolantDatabase::CoolantNameColumns())
                       + KorvexCore::ColumnNames(KorvexCoolantDatabase::CoolantParamsColumns()),
                   {} } };
    }
    std::vector<CRecords> Export(const CTableDatabase &database) const override
    {
        CRecords records;
        for (const CCoolant &coolant : Of(database).GetCoolants()) {
            if (coolant.GetCoolantParams().empty())
                records.push_back({ 0, { coolant.GetName(), {}, {}, {}, {} }, {} });
            for (const CCoolantParams &row : coolant.GetCoolantParams()) {
                records.push_back(
                    { 0,
                      { coolant.GetName(), QString::number(row.GetTemp()), NumberText(row.GetC()),
                        NumberText(row.GetRo()), NumberText(row.GetViscosity()) },
                      {} });
            }
        }
        return { records };
    }
    void Import(CTableDatabase &database, const std::vector<CRecords> &files,
                CProblems &problems) const override
    {
        const CCsvFile file = Files().front();
        CFieldCheck check(file, problems);
        std::map<QString, std::set<CCoolantParams>> coolants;
        for (const CRecord &record : files.front()) {
            const int depth = check.Depth(record, { 0, 1 });
            if (depth < 0)
                continue;
            std::set<CCoolantParams> &rows = coolants[record.fields[0]];
            qint64 t = 0;
            double c = 0, ro = 0, viscosity = 0;
            if (depth < 2 || !check.Whole(record, 1, INT_MIN, INT_MAX, t))
                continue;
            const bool numbers = check.Number(record, 2, kBoundDigits, c)
                & check.Number(record, 3, kBoundDigits, ro)
                & check.Number(record, 4, kBoundDigits, viscosity);
            if (numbers && check.Unique(record, { record.fields[0], QString::number(t) }))
                rows.insert(CCoolantParams(int(t), c, ro, viscosity));
        }
        for (const auto &[name, rows] : coolants)
            Of(database).InsertCoolant(CCoolant(name, rows));
    }
};

// --- KMS: category → device → designation → entry, with pictures ------------------------

using KorvexKmsDatabase::CDevices;
using KorvexKmsDatabase::CDevicesHeating;
using KorvexKmsDatabase::CDevicesHeatingSubName;
using KorvexKmsDatabase::CDup;
using KorvexKmsDatabase::CKmsDatabase;

class CKmsCodec : public CCodecOf<CKmsDatabase>
{
public:
    enum { Category, Device, Designation, DevicePicture, Bore, Coefficient, Sketch, Comment };

    QString Key() const override { return QStringLiteral("kms"); }
    QStringList Tables() const override { return { QStringLiteral("KMS") }; }
    std::vector<CCsvFile> Files() const override
    {
        return { { QStringLiteral("kms.csv"),
                   { "CategoryName", "DevicesHeating", "Number_Mark", "DevicesHeatingImage", "DUP",
                     "KMS", "Image", "Comment" },
                   { { DevicePicture, QStringLiteral("device") },
                     { Sketch, QStringLiteral("sketch") } } } };
    }
    std::vector<CRecords> Export(const CTableDatabase &database) const override
    {
        CRecords records;
        const auto add = [&](QStringList fields, const QByteArray &picture = {},
                             const QByteArray &sketch = {}) {
            fields += QStringList(8 - fields.size());
            records.push_back({ 0, fields, { { DevicePicture, picture }, { Sketch, sketch } } });
        };
        for (const CDevices &category : Of(database).GetDevices()) {
            const QString &c = category.GetName();
            if (category.GetDevicesHeatingContainer().empty())
                add({ c });
            for (const CDevicesHeating &device : category.GetDevicesHeatingContainer()) {
                const QString &d = device.GetName();
                if (device.GetDevicesHeatingSubNameContainer().empty())
                    add({ c, d });
                for (const CDevicesHeatingSubName &sub :
                     device.GetDevicesHeatingSubNameContainer()) {
                    if (sub.GetDupContainer().empty())
                        add({ c, d, sub.GetName() }, sub.GetImage());
                    for (const CDup &dup : sub.GetDupContainer()) {
                        add({ c,
                              d,
                              sub.GetName(),
                              {},
                              dup.GetName(),
                              NumberText(dup.GetKMS()),
                              {},
                              dup.GetComment() },
                            sub.GetImage(), dup.GetImage());
                    }
                }
            }
        }
        return { records };
    }
    void Import(CTableDatabase &database, const std::vector<CRecords> &files,
                CProblems &problems) const override
    {
        const CCsvFile file = Files().front();
        CFieldCheck check(file, problems);
        CKmsDatabase &kms = Of(database);
        QHash<QString, const CRecord *> designations; // the first record of each
        for (const CRecord &record : files.front()) {
            const int depth = check.Depth(record, { Category, Device, Designation, Bore });
            if (depth < 0)
                continue;
            const QStringList &f = record.fields;
            if (!kms.FindDevices(f[Category]))
                kms.InsertDevices(CDevices(f[Category]));
            CDevices *category = kms.FindDevices(f[Category]);
            if (depth < 2)
                continue;
            if (!category->FindDevicesHeating(f[Device]))
                category->InsertDevicesHeating(CDevicesHeating(f[Device]));
            CDevicesHeating *device = category->FindDevicesHeating(f[Device]);
            if (depth < 3)
                continue;
            const QString path = f.mid(0, 3).join(QChar(0x1f));
            const CDevicesHeatingSubName key(f[Designation], QByteArray());
            if (const CRecord *first = designations.value(path)) {
                if (first->fields[DevicePicture] != f[DevicePicture]) {
                    check.Fail(record,
                               QStringLiteral("DevicesHeatingImage \"%1\" differs from "
                                              "\"%2\" on line %3 of the same designation")
                                   .arg(f[DevicePicture], first->fields[DevicePicture])
                                   .arg(first->line));
                }
            } else {
                designations.insert(path, &record);
                device->InsertDevicesHeatingSubName(
                    CDevicesHeatingSubName(f[Designation], record.pictures.at(DevicePicture)));
            }
            double coefficient = 0;
            if (depth < 4 || !check.Number(record, Coefficient, kBoundDigits, coefficient)
                || !check.Unique(record, f.mid(0, 3) << f[Bore]))
                continue;
            device->FindDevicesHeatingSubName(key)->InsertDup(
                CDup(f[Bore], coefficient, record.pictures.at(Sketch), f[Comment]));
        }
    }
};

// --- climate: four tables of one country → region → settlement tree -------------------

using namespace KorvexClimateDatabase;

class CClimateCodec : public CCodecOf<CClimateDatabase>
{
public:
    QString Key() const override { return QStringLiteral("climate"); }
    QStringList Tables() const override
    {
        return { QStringLiteral("TABLE1"), QStringLiteral("TABLE2"), QStringLiteral("TABLE3"),
                 QStringLiteral("TABLE5") };
    }
    std::vector<CCsvFile> Files() const override
    {
        return { file<TColdSeasonParams>("climate_cold.csv"),
                 file<TWarmSeasonParams>("climate_warm.csv"),
                 file<TAverageMonthYearTemperature>("climate_temperature.csv"),
                 file<TAverageMonthYearPartialPressure>("climate_pressure.csv") };
    }
    std::vector<CRecords> Export(const CTableDatabase &database) const override
    {
        const CClimateDatabase &climate = Of(database);
        return { exportRecords(climate, &CSettlement::GetColdSeasonParams),
                 exportRecords(climate, &CSettlement::GetWarmSeasonParams),
                 exportRecords(climate, &CSettlement::GetAverageMonthYearTemperature),
                 exportRecords(climate, &CSettlement::GetAverageMonthYearPartialPressure) };
    }
    void Import(CTableDatabase &database, const std::vector<CRecords> &files,
                CProblems &problems) const override
    {
        const std::vector<CCsvFile> names = Files();
        CClimateDatabase &climate = Of(database);
        importRecords(climate, names[0], files[0], problems, &CSettlement::SetColdSeasonParams);
        importRecords(climate, names[1], files[1], problems, &CSettlement::SetWarmSeasonParams);
        importRecords(climate, names[2], files[2], problems,
                      &CSettlement::SetAverageMonthYearTemperature);
        importRecords(climate, names[3], files[3], problems,
                      &CSettlement::SetAverageMonthYearPartialPressure);
    }

private:
    /// The climate tables write numbers with six significant digits.
    static constexpr int kDigits = 6;

    template<class R> static CCsvFile file(const char *name)
    {
        QStringList header { "Country", "Region", "Name" };
        for (const TRecordField<R> &field : RecordFields<R>())
            header << QLatin1String(field.name);
        return { QLatin1String(name), header, {} };
    }

    template<class R>
    static CRecords exportRecords(const CClimateDatabase &climate,
                                  const R &(CSettlement::*get)() const)
    {
        CRecords records;
        const qsizetype width = qsizetype(RecordFields<R>().size());
        for (const CCountry &country : climate.GetCountries()) {
            if (country.GetRegions().empty())
                records.push_back(
                    { 0, QStringList { country.GetName() } + QStringList(width + 2), {} });
            for (const CRegion &region : country.GetRegions()) {
                if (region.GetSettlements().empty()) {
                    records.push_back({ 0,
                                        QStringList { country.GetName(), region.GetName() }
                                            + QStringList(width + 1),
                                        {} });
                }
                for (const CSettlement &settlement : region.GetSettlements()) {
                    QStringList fields { country.GetName(), region.GetName(),
                                         settlement.GetName() };
                    for (const TRecordField<R> &field : RecordFields<R>())
                        fields << FieldText((settlement.*get)(), field);
                    records.push_back({ 0, fields, {} });
                }
            }
        }
        return records;
    }

    template<class R>
    static void importRecords(CClimateDatabase &climate, const CCsvFile &file,
                              const CRecords &records, CProblems &problems,
                              void (CSettlement::*set)(const R &))
    {
        CFieldCheck check(file, problems);
        for (const CRecord &record : records) {
            const int depth = check.Depth(record, { 0, 1, 2 });
            if (depth < 0)
                continue;
            const QStringList &f = record.fields;
            if (f[0] != f[0].toUpper()) {
                check.Fail(record,
                           QStringLiteral("Country \"%1\" is not upper case; the tables "
                                          "tell countries from regions by that")
                               .arg(f[0]));
                continue;
            }
            if (!climate.FindCountry(f[0]))
                climate.InsertCountry(CCountry(f[0]));
            CCountry *country = climate.FindCountry(f[0]);
            if (depth < 2)
                continue;
            if (f[1] == f[1].toUpper()) {
                check.Fail(record,
                           QStringLiteral("Region \"%1\" has no lower-case letter; the "
                                          "tables would read it back as a country")
                               .arg(f[1]));
                continue;
            }
            if (!country->FindRegion(f[1]))
                country->InsertRegion(CRegion(f[1]));
            CRegion *region = country->FindRegion(f[1]);
            R values {};
            if (depth < 3 || !parseRecord(record, check, values)
                || !check.Unique(record, f.mid(0, 3)))
                continue;
            if (CSettlement *known = region->FindSettlement(f[2])) {
                (known->*set)(values);
            } else {
                CSettlement settlement(f[2]);
                (settlement.*set)(values);
                region->InsertSettlement(settlement);
            }
        }
    }

    template<class R> static bool parseRecord(const CRecord &record, CFieldCheck &check, R &values)
    {
        bool ok = true;
        int column = 3;
        for (const TRecordField<R> &field : RecordFields<R>()) {
            const QString &text = record.fields[column];
            double number = 0;
            qint64 whole = 0;
            switch (field.kind) {
            case EFieldKind::Number:
                ok = check.Number(record, column, kDigits, number) && ok;
                break;
            case EFieldKind::Duration:
                ok = check.Whole(record, column, 0, UINT_MAX, whole) && ok;
                break;
            case EFieldKind::Direction:
                if (!text.isEmpty() && WindDirectionFromText(text) == EWindDirection(0)) {
                    check.Fail(record,
                               QStringLiteral("%1 \"%2\" is not a compass direction "
                                              "(С, СВ, В, ЮВ, Ю, ЮЗ, З, СЗ or empty)")
                                   .arg(QLatin1String(field.name), text));
                    ok = false;
                }
                break;
            }
            SetFieldText(values, field, text);
            ++column;
        }
        return ok;
    }
};

} // namespace

const std::vector<std::unique_ptr<CDatabaseCodec>> &Codecs()
{
    static const std::vector<std::unique_ptr<CDatabaseCodec>> codecs = [] {
        std::vector<std::unique_ptr<CDatabaseCodec>> made;
        using namespace KorvexPipeDatabase;
        using namespace KorvexDeviceDINDatabase;
        made.push_back(std::make_unique<CKmsCodec>());
        made.push_back(std::make_unique<CFlatCodec<CPipeDatabase, CPipe>>(
            "pipes", "PIPES", &PipeColumns, &CPipeDatabase::GetPipes, &CPipeDatabase::InsertPipe));
        made.push_back(std::make_unique<CCoolantCodec>());
        made.push_back(std::make_unique<CClimateCodec>());
        made.push_back(consumerCodec());
        made.push_back(std::make_unique<CMaterialCodec>());
        made.push_back(std::make_unique<CEmbrasureCodec>());
        made.push_back(std::make_unique<CFlatCodec<CDeviceDINDatabase, CDeviceDIN>>(
            "devices_din", "DEVICES_DIN", &DeviceDINColumns, &CDeviceDINDatabase::GetDeviceDINs,
            &CDeviceDINDatabase::InsertDeviceDIN));
        return made;
    }();
    return codecs;
}

const CDatabaseCodec *FindCodec(const QString &name)
{
    for (const auto &codec : Codecs()) {
        if (codec->Key().compare(name, Qt::CaseInsensitive) == 0
            || codec->Tables().contains(name, Qt::CaseInsensitive))
            return codec.get();
    }
    return nullptr;
}

} // namespace KorvexTool
