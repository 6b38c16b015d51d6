// check: a lint over the data of a database file.
//
// Two passes. The first loads every database through the library and looks at what a
// user of the library would get: numbers that do not parse, physically impossible
// values, names the save rules would change. The second reads the raw tables read-only
// with its own SQL. It is the one reader in this tool that bypasses the library, and it
// has to: the library's load rules drop or change some rows (a second coolant of one name,
// a repeated temperature, a temperature beyond 32 bits, an empty name), so after a load
// those rows are no longer there to be reported, and the next save would make the loss
// permanent. This pass reports them while the file still holds them.

#include "Codecs.h"
#include "SideTables.h"
#include "Tool.h"

#include "Climate/ClimateTable_p.h"
#include "Consumers/ConsumerTable_p.h"
#include "Coolants/CoolantDatabaseTypes.h"
#include "DevicesDIN/DeviceDINTable_p.h"
#include "Embrasures/EmbrasureTable_p.h"
#include "Kms/KmsDatabaseTypes.h"
#include "Materials/MaterialTable_p.h"
#include "Pipes/PipeTable_p.h"

#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>

#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>
#include <tuple>

namespace KorvexTool {

namespace {

/// Findings go to stdout as they are made, one line each. A finding the file itself lists in
/// KNOWN_FINDINGS, field for field, goes to stderr with the reviewer's reason instead and does
/// not count: the data keep what their source printed, and the reason travels with them. A
/// changed value no longer matches, so it is reported again.
class CFindings
{
public:
    /// Reads the accepted findings of the open connection; false when the table is unreadable.
    bool ReadKnown()
    {
        const CSideTable &side = KnownFindingsTable();
        CRecords records;
        if (!HasTable(side.table))
            return true;
        if (!ReadSideTable(side, records))
            return false;
        for (const CRecord &record : records)
            m_known.insert(record.fields.mid(0, 5).join('\t'), record.fields.value(5));
        return true;
    }

    void Add(const QString &table, const QStringList &path, const QString &field,
             const QString &value, const QString &rule)
    {
        const QString line = QStringList { table, path.join(" / "), field, value, rule }.join('\t');
        const auto known = m_known.constFind(line);
        if (known != m_known.cend()) {
            Say(QStringLiteral("known finding (%1): %2").arg(known.value(), line));
            m_found.insert(line);
            return;
        }
        std::printf("%s\n", qPrintable(line));
        ++m_count;
    }
    int Count() const { return m_count; }
    /// Says every accepted finding that was not found (fixed data, or a stale list).
    void SayUnused() const
    {
        for (auto it = m_known.cbegin(); it != m_known.cend(); ++it) {
            if (!m_found.contains(it.key()))
                Say(QStringLiteral("known finding no longer found: %1").arg(it.key()));
        }
    }

private:
    int m_count = 0;
    QHash<QString, QString> m_known;
    QSet<QString> m_found;
};

// Beyond these factors between neighbouring temperatures a property has most likely
// slipped a decimal place: water's viscosity changes by less than 1.5 per 10 K, glycol
// mixtures' by less than 3 near their freezing point; densities change by a few percent.
constexpr double kViscosityJump = 4.0;
constexpr double kDensityJump = 1.2;
constexpr double kDaysInYear = 366;

bool isNumber(const QString &text, double *value = nullptr)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (value)
        *value = number;
    return ok && std::isfinite(number);
}

/// Text fields that calculators or users read as numbers: empty is "not given", anything
/// else must be a number.
template<class T>
void checkNumbers(CFindings &findings, const QString &table, const QStringList &path,
                  const KorvexCore::CColumns<T> &columns, const T &element, size_t from)
{
    for (size_t i = from; i < columns.size(); ++i) {
        const QString &text = (element.*columns[i].GetText())();
        if (!text.isEmpty() && !isNumber(text))
            findings.Add(table, path, QLatin1String(columns[i].Name()), text,
                         QStringLiteral("not a number; read as 0 where it is calculated with"));
    }
}

void checkPositive(CFindings &findings, const QString &table, const QStringList &path,
                   const QString &field, const QString &text, const QString &what)
{
    double value = 0;
    if (isNumber(text, &value) && value <= 0)
        findings.Add(table, path, field, text, QStringLiteral("non-positive %1").arg(what));
}

/// Names that repeat within one parent: Find and the editors see only the first.
template<class Elements>
void checkNames(CFindings &findings, const QString &table, const QStringList &parent,
                const QString &field, const Elements &elements)
{
    QSet<QString> seen;
    for (const auto &element : elements) {
        const QString &name = element.GetName();
        if (name.isEmpty())
            findings.Add(table, parent, field, name, QStringLiteral("empty name"));
        else if (seen.contains(name))
            findings.Add(table, parent + QStringList { name }, field, name,
                         QStringLiteral("duplicate name within its parent"));
        seen.insert(name);
    }
}

// --- pass 1: through the library ---------------------------------------------------------

void lintPipes(CFindings &f, const KorvexPipeDatabase::CPipeDatabase &db)
{
    using namespace KorvexPipeDatabase;
    const QString table = QStringLiteral("PIPES");
    checkNames(f, table, {}, QStringLiteral("PipeType"), db.GetPipes());
    for (const CPipe &pipe : db.GetPipes()) {
        const QStringList path { pipe.GetName() };
        checkNumbers(f, table, path, PipeColumns(), pipe, DOutsideColumn);
        double outside = 0, inside = 0;
        if (isNumber(pipe.GetDOutside(), &outside) && isNumber(pipe.GetDInside(), &inside)
            && inside >= outside) {
            f.Add(table, path, QStringLiteral("d_inside"), pipe.GetDInside(),
                  QStringLiteral("inner diameter not below the outer one (%1)")
                      .arg(pipe.GetDOutside()));
        }
        checkPositive(f, table, path, QStringLiteral("Lamda"), pipe.GetLamda(),
                      QStringLiteral("λ"));
    }
}

void lintDevices(CFindings &f, const KorvexDeviceDINDatabase::CDeviceDINDatabase &db)
{
    using namespace KorvexDeviceDINDatabase;
    const QString table = QStringLiteral("DEVICES_DIN");
    checkNames(f, table, {}, QStringLiteral("Type"), db.GetDeviceDINs());
    for (const CDeviceDIN &device : db.GetDeviceDINs())
        checkNumbers(f, table, { device.GetName() }, DeviceDINColumns(), device, PressureColumn);
}

void lintEmbrasures(CFindings &f, const KorvexEmbrasureDatabase::CEmbrasureDatabase &db)
{
    using namespace KorvexEmbrasureDatabase;
    const QString table = QStringLiteral("EMBRASURES");
    checkNames(f, table, {}, QStringLiteral("Typ_perekr"), db.GetEmbrasuresGroups());
    for (const CEmbrasureGroup &group : db.GetEmbrasuresGroups()) {
        for (const CEmbrasure &embrasure : group.GetEmbrasures()) {
            const QStringList path { group.GetName(), embrasure.GetName() };
            const QStringList pieces = EmbrasureNamePieces(embrasure.GetName());
            if (pieces.size() != 3)
                f.Add(table, path, QStringLiteral("Typ"), embrasure.GetName(),
                      QStringLiteral("name the save drops: it does not split into type, frame "
                                     "and glazing at its colons"));
            else if (ComposeEmbrasureName(pieces[0], pieces[1], pieces[2]) != embrasure.GetName())
                f.Add(table, path, QStringLiteral("Typ"), embrasure.GetName(),
                      QStringLiteral("colon inside the type, frame or glazing: the save cuts the "
                                     "name at every colon and writes \"%1\", \"%2\", \"%3\"")
                          .arg(pieces[0].trimmed(), pieces[1].trimmed(), pieces[2].trimmed()));
            checkNumbers(f, table, path, EmbrasureColumns(), embrasure, DAir1Column);
        }
    }
}

void lintMaterials(CFindings &f, const KorvexMaterialDatabase::CMaterialDatabase &db)
{
    using namespace KorvexMaterialDatabase;
    const QString table = QStringLiteral("MATERIALS");
    checkNames(f, table, {}, QStringLiteral("MaterialGroup"), db.GetMaterialsGroups());
    for (const CMaterialGroup &group : db.GetMaterialsGroups()) {
        for (const CMaterial &material : group.GetMaterials()) {
            const QStringList path { group.GetName(), material.GetName() };
            const QString stored = StoredMaterialName(material);
            if (material.GetD().contains(QLatin1Char(' ')))
                f.Add(table, path, QStringLiteral("K1"), material.GetD(),
                      QStringLiteral("weight with a blank: the save looks for it after the last "
                                     "blank of the name, does not find it and writes the whole "
                                     "name, to which every load appends the weight again"));
            else if (isNumber(stored.section(QLatin1Char(' '), -1)))
                f.Add(table, path, QStringLiteral("MaterialName"), stored,
                      QStringLiteral("name ends with a number, which cannot be told from the "
                                     "weight appended to it on load"));
            checkNumbers(f, table, path, MaterialColumns(), material, MaterialDColumn);
            checkPositive(f, table, path, QStringLiteral("K1"), material.GetD(),
                          QStringLiteral("density"));
            checkPositive(f, table, path, QStringLiteral("K2"), material.GetL(),
                          QStringLiteral("λ"));
        }
    }
}

void lintConsumers(CFindings &f, const KorvexConsumerDatabase::CConsumerDatabase &db)
{
    using namespace KorvexConsumerDatabase;
    const QString table = QStringLiteral("CONSUMERS");
    checkNames(f, table, {}, QStringLiteral("Category"), db.GetConsumers());
    for (const CConsumer &consumer : db.GetConsumers()) {
        for (const CSubCategory &sub : consumer.GetSubCategories())
            checkNumbers(f, table, { consumer.GetName(), sub.GetName() }, SubCategoryColumns(), sub,
                         UnitColumn + 1);
    }
}

void lintCoolants(CFindings &f, const KorvexCoolantDatabase::CCoolantDatabase &db)
{
    const QString table = QStringLiteral("COOLANTS");
    for (const auto &coolant : db.GetCoolants()) {
        const KorvexCoolantDatabase::CCoolantParams *previous = nullptr;
        for (const auto &row : coolant.GetCoolantParams()) {
            const QStringList path { coolant.GetName(), QStringLiteral("T=%1").arg(row.GetTemp()) };
            const struct
            {
                const char *field, *what;
                double value;
            } properties[] = { { "C", "heat capacity", row.GetC() },
                               { "RO", "density", row.GetRo() },
                               { "VZK", "viscosity", row.GetViscosity() } };
            for (const auto &property : properties) {
                if (!(property.value > 0))
                    f.Add(table, path, QLatin1String(property.field), NumberText(property.value),
                          QStringLiteral("non-positive %1").arg(QLatin1String(property.what)));
            }
            const auto jump = [&](const char *field, double before, double now, double limit) {
                if (before > 0 && now > 0 && std::max(now / before, before / now) > limit)
                    f.Add(table, path, QLatin1String(field), NumberText(now),
                          QStringLiteral("jumps from %1 at T=%2 by a factor above %3 (a slipped "
                                         "decimal place?)")
                              .arg(NumberText(before))
                              .arg(previous->GetTemp())
                              .arg(limit));
            };
            if (previous) {
                jump("VZK", previous->GetViscosity(), row.GetViscosity(), kViscosityJump);
                jump("RO", previous->GetRo(), row.GetRo(), kDensityJump);
            }
            previous = &row;
        }
    }
}

void lintClimate(CFindings &f, const KorvexClimateDatabase::CClimateDatabase &db)
{
    using namespace KorvexClimateDatabase;
    const QString table = QStringLiteral("TABLE1");
    for (const CCountry &country : db.GetCountries()) {
        if (country.GetName() != country.GetName().toUpper())
            f.Add(table, { country.GetName() }, QStringLiteral("Name"), country.GetName(),
                  QStringLiteral("country name not upper case: read back as a region"));
        for (const CRegion &region : country.GetRegions()) {
            if (region.GetName() == region.GetName().toUpper())
                f.Add(table, { country.GetName(), region.GetName() }, QStringLiteral("Name"),
                      region.GetName(),
                      QStringLiteral("region name without lower case: read back as a country"));
            for (const CSettlement &settlement : region.GetSettlements()) {
                const QStringList path { country.GetName(), region.GetName(),
                                         settlement.GetName() };
                const TColdSeasonParams &cold = settlement.GetColdSeasonParams();
                const double coldestDay
                    = std::min(cold.MostColdDay_Supply98, cold.MostColdDay_Supply92);
                if (cold.AbsoluteCold > coldestDay)
                    f.Add(table, path, QStringLiteral("AbsoluteCold"),
                          NumberText(cold.AbsoluteCold),
                          QStringLiteral("absolute minimum above the coldest day (%1)")
                              .arg(NumberText(coldestDay)));
                // The colder design temperature belongs to the higher probability.
                for (const auto &[field98, t98, t92] :
                     { std::tuple("MostColdDay_Supply98", cold.MostColdDay_Supply98,
                                  cold.MostColdDay_Supply92),
                       std::tuple("MostCold5Days_Supply98", cold.MostCold5Days_Supply98,
                                  cold.MostCold5Days_Supply92) }) {
                    if (t98 > t92)
                        f.Add(table, path, QLatin1String(field98), NumberText(t98),
                              QStringLiteral("warmer at probability 0.98 than at 0.92 (%1)")
                                  .arg(NumberText(t92)));
                }
                const struct
                {
                    const char *field;
                    quint32 days;
                } durations[] = {
                    { "AverageTempPairs_LessEqual0_uiDuration",
                      cold.AverageTempPairs_LessEqual0_uiDuration },
                    { "AverageTempPairs_LessEqual8_uiDuration",
                      cold.AverageTempPairs_LessEqual8_uiDuration },
                    { "AverageTempPairs_LessEqual10_uiDuration",
                      cold.AverageTempPairs_LessEqual10_uiDuration },
                };
                for (const auto &duration : durations) {
                    if (duration.days > kDaysInYear)
                        f.Add(table, path, QLatin1String(duration.field),
                              QString::number(duration.days),
                              QStringLiteral("duration above 366 days"));
                }
            }
        }
    }
}

void lintKms(CFindings &f, const KorvexKmsDatabase::CKmsDatabase &db)
{
    const QString table = QStringLiteral("KMS");
    const auto picture = [&](const QStringList &path, const char *field, const QByteArray &bytes) {
        if (!bytes.isEmpty() && QImage::fromData(bytes).isNull())
            f.Add(table, path, QLatin1String(field), QStringLiteral("%1 bytes").arg(bytes.size()),
                  QStringLiteral("picture does not decode as an image"));
    };
    // A device or designation without a name is written as a row that names nothing, which
    // the next load reads as part of the element before it.
    for (const auto &category : db.GetDevices()) {
        checkNames(f, table, { category.GetName() }, QStringLiteral("DevicesHeating"),
                   category.GetDevicesHeatingContainer());
        for (const auto &device : category.GetDevicesHeatingContainer()) {
            checkNames(f, table, { category.GetName(), device.GetName() },
                       QStringLiteral("Number_Mark"), device.GetDevicesHeatingSubNameContainer());
            for (const auto &sub : device.GetDevicesHeatingSubNameContainer()) {
                const QStringList path { category.GetName(), device.GetName(), sub.GetName() };
                picture(path, "DevicesHeatingImage", sub.GetImage());
                checkNames(f, table, path, QStringLiteral("DUP"), sub.GetDupContainer());
                for (const auto &dup : sub.GetDupContainer())
                    picture(path + QStringList { dup.GetName() }, "Image", dup.GetImage());
            }
        }
    }
}

// --- pass 2: the raw tables ---------------------------------------------------------------

/// "SELECT * FROM <table>" read-only, in the order the library reads it; cells by name.
class CRawTable
{
public:
    explicit CRawTable(const QString &table)
        : m_table(table)
    {
        m_exists = m_query.exec(QStringLiteral("SELECT * FROM %1").arg(table));
        m_record = m_query.record();
    }
    bool Next()
    {
        ++m_row;
        return m_exists && m_query.next();
    }
    QString Text(const char *column) const
    {
        return m_query.value(m_record.indexOf(QLatin1String(column))).toString();
    }
    bool IsNull(const char *column) const
    {
        return m_query.value(m_record.indexOf(QLatin1String(column))).isNull();
    }
    /// "row N": where in the table a finding is.
    QString Row() const { return QStringLiteral("table row %1").arg(m_row); }
    const QString &Table() const { return m_table; }

private:
    QString m_table;
    QSqlQuery m_query;
    QSqlRecord m_record;
    bool m_exists = false;
    int m_row = 0;
};

void rawCoolants(CFindings &f)
{
    CRawTable raw(QStringLiteral("COOLANTS"));
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    QSet<QString> names;
    QSet<qint64> temperatures;
    QString current;
    bool dropped = false;
    while (raw.Next()) {
        const QString name = raw.Text("Name");
        if (!name.isEmpty()) {
            dropped = names.contains(name);
            if (dropped)
                f.Add(raw.Table(), { name }, QStringLiteral("Name"), name,
                      QStringLiteral(
                          "second coolant of this name: dropped on load with its rows (%1)")
                          .arg(raw.Row()));
            names.insert(name);
            current = name;
            temperatures.clear();
            continue;
        }
        const QString t = raw.Text("T");
        if (!raw.IsNull("Name") && raw.IsNull("T")) {
            f.Add(raw.Table(), { current }, QStringLiteral("Name"), name,
                  QStringLiteral("empty coolant name: read as a property row of the coolant "
                                 "before it (%1)")
                      .arg(raw.Row()));
            continue;
        }
        const QStringList path { current, QStringLiteral("T=%1").arg(t) };
        if (current.isEmpty()) {
            f.Add(raw.Table(), path, QStringLiteral("T"), t,
                  QStringLiteral("property row before the first coolant: dropped on load (%1)")
                      .arg(raw.Row()));
            continue;
        }
        bool ok = false;
        const qint64 value = t.toLongLong(&ok);
        if (!whole.match(t).hasMatch() || !ok || value < INT_MIN || value > INT_MAX) {
            f.Add(raw.Table(), path, QStringLiteral("T"), t,
                  QStringLiteral("not a 32-bit whole number: read as %1 (%2)")
                      .arg(QVariant(t).toInt())
                      .arg(raw.Row()));
        } else if (temperatures.contains(value) && !dropped) {
            f.Add(raw.Table(), path, QStringLiteral("T"), t,
                  QStringLiteral("second row at this temperature: dropped on load (%1)")
                      .arg(raw.Row()));
        }
        temperatures.insert(value);
        for (const char *column : { "C", "RO", "VZK" }) {
            if (!isNumber(raw.Text(column)))
                f.Add(raw.Table(), path, QLatin1String(column), raw.Text(column),
                      QStringLiteral("not a number: read as 0 (%1)").arg(raw.Row()));
        }
    }
}

/// Group and member rows as the embrasure, material and consumer loaders tell them apart;
/// \a memberName gives the name a member row loads as, nothing for a group row.
template<class MemberName>
void rawGrouped(CFindings &f, const QString &table, const char *groupColumn, MemberName memberName)
{
    CRawTable raw(table);
    QString current;
    bool inGroup = false;
    QHash<QString, QSet<QString>> members;
    while (raw.Next()) {
        const std::optional<QString> loaded = memberName(raw);
        if (!loaded) {
            const QString stored = raw.Text(groupColumn);
            if (!stored.isEmpty() && stored.trimmed().isEmpty())
                f.Add(table, { stored }, QLatin1String(groupColumn), stored,
                      QStringLiteral("only blanks: trimmed to an empty name on load; written "
                                     "back, the empty cell reads as a member row and the "
                                     "group's rows join the group before it (%1)")
                          .arg(raw.Row()));
            else if (stored != stored.trimmed())
                f.Add(table, { stored }, QLatin1String(groupColumn), stored,
                      QStringLiteral("white space around the name: trimmed on load (%1)")
                          .arg(raw.Row()));
            current = stored.trimmed();
            inGroup = true;
            continue;
        }
        const QString &member = *loaded;
        const QStringList path { current, member };
        if (!inGroup) {
            f.Add(
                table, { member }, QLatin1String(groupColumn), QString(),
                QStringLiteral("row before the first group: dropped on load (%1)").arg(raw.Row()));
        } else if (members[current].contains(member)) {
            f.Add(table, path, QStringLiteral("name"), member,
                  QStringLiteral("second row of this name in its group: dropped on load (%1)")
                      .arg(raw.Row()));
        } else if (member.isEmpty()) {
            f.Add(table, path, QStringLiteral("name"), member,
                  QStringLiteral("empty name (%1)").arg(raw.Row()));
        }
        members[current].insert(member);
    }
}

/// The climate tables: durations beyond 32 bits, numbers that are not, repeated settlements.
void rawClimate(CFindings &f, const QString &table, const QStringList &numbers,
                const QStringList &durations)
{
    CRawTable raw(table);
    QString country, region;
    QSet<QString> settlements;
    while (raw.Next()) {
        const QString name = raw.Text("Name");
        QString values;
        for (const QString &column : numbers + durations)
            values += raw.Text(qPrintable(column));
        if (!name.isEmpty() && values.isEmpty()) {
            (name == name.toUpper() ? country : region) = name;
            if (name == name.toUpper())
                region.clear();
            settlements.clear();
            continue;
        }
        const QStringList path { country, region, name };
        if (settlements.contains(name))
            f.Add(table, path, QStringLiteral("Name"), name,
                  QStringLiteral("second settlement of this name in its region: overwrites the "
                                 "first on load (%1)")
                      .arg(raw.Row()));
        settlements.insert(name);
        if (name.isEmpty())
            f.Add(table, path, QStringLiteral("Name"), name,
                  QStringLiteral("empty name (%1)").arg(raw.Row()));
        for (const QString &column : numbers) {
            if (!isNumber(raw.Text(qPrintable(column))))
                f.Add(table, path, column, raw.Text(qPrintable(column)),
                      QStringLiteral("not a number: read as 0 (%1)").arg(raw.Row()));
        }
        static const QRegularExpression days(QStringLiteral("^[0-9]+$"));
        for (const QString &column : durations) {
            const QString text = raw.Text(qPrintable(column));
            bool ok = false;
            const qulonglong value = text.toULongLong(&ok);
            if (!days.match(text).hasMatch() || !ok || value > UINT_MAX)
                f.Add(table, path, column, text,
                      QStringLiteral("not a whole number of days within 32 bits: truncated on "
                                     "load (%1)")
                          .arg(raw.Row()));
        }
    }
}

template<class R> void rawClimateOf(CFindings &f, const QString &table)
{
    QStringList numbers, durations;
    for (const auto &field : KorvexClimateDatabase::RecordFields<R>()) {
        if (field.kind == KorvexClimateDatabase::EFieldKind::Number)
            numbers << QLatin1String(field.name);
        else if (field.kind == KorvexClimateDatabase::EFieldKind::Duration)
            durations << QLatin1String(field.name);
    }
    rawClimate(f, table, numbers, durations);
}

/// KMS rows as the loader attaches them: under the last category, device and designation
/// named by a row before it or by itself. A row whose parent is not there becomes that
/// parent, from its own cells: the rest of the row is dropped, and a parent made from an
/// empty cell has no name. Rows that name an element a second time are merged into the
/// first, and a designation's second picture is lost.
void rawKms(CFindings &f)
{
    CRawTable raw(QStringLiteral("KMS"));
    const char *const levels[] = { "CategoryName", "DevicesHeating", "Number_Mark" };
    const char *const kinds[] = { "category", "device", "designation" };
    // The cells of each level and of those below it, to say what a row loses.
    const QList<QStringList> cellsFrom
        = { { "DevicesHeating", "Number_Mark", "DevicesHeatingImage", "DUP", "KMS", "Image",
              "Comment" },
            { "Number_Mark", "DevicesHeatingImage", "DUP", "KMS", "Image", "Comment" },
            { "DUP", "KMS", "Image", "Comment" } };
    const auto key = [](const QStringList &names) { return names.join(QChar(0x1f)); };
    QStringList path { QString(), QString(), QString() };
    QSet<QString> seen, loaded;
    while (raw.Next()) {
        for (int level = 0; level < 3; ++level) {
            const QString name = raw.Text(levels[level]);
            if (name.isEmpty())
                continue;
            path[level] = name;
            if (seen.contains(key(path.mid(0, level + 1))))
                f.Add(raw.Table(), path.mid(0, level + 1), QLatin1String(levels[level]), name,
                      QStringLiteral("named a second time: merged into the first on load (%1)")
                          .arg(raw.Row()));
            seen.insert(key(path.mid(0, level + 1)));
        }
        for (int level = 0; level < 3; ++level) {
            if (loaded.contains(key(path.mid(0, level + 1))))
                continue;
            const QString own = raw.Text(levels[level]);
            const QStringList made = path.mid(0, level) << own;
            loaded.insert(key(made));
            QStringList lost;
            for (const QString &column : cellsFrom[level]) {
                if (!raw.Text(qPrintable(column)).isEmpty())
                    lost << column;
            }
            const QString dropped
                = QStringLiteral("its %1 are dropped").arg(lost.join(QStringLiteral(", ")));
            if (own.isEmpty() && level > 0)
                f.Add(raw.Table(), made, QLatin1String(levels[level]), own,
                      QStringLiteral("%1 \"%2\" is not in this %3: the row becomes a %1 without "
                                     "a name%4; written back, that reads as part of the element "
                                     "before it, and entries under it may come back as "
                                     "designations without their coefficients (%5)")
                          .arg(QLatin1String(kinds[level]), path[level],
                               QLatin1String(kinds[level - 1]),
                               lost.isEmpty() ? QString() : QStringLiteral("; ") + dropped,
                               raw.Row()));
            else if (!lost.isEmpty())
                f.Add(raw.Table(), made, QLatin1String(levels[level]), own,
                      QStringLiteral("the row only makes this %1: %2 on load (%3)")
                          .arg(QLatin1String(kinds[level]), dropped, raw.Row()));
            break;
        }
    }
}

} // namespace

int CheckCommand(const QString &databasePath)
{
    if (!QFileInfo(databasePath).isFile())
        return UsageError(QStringLiteral("no such database file: %1").arg(databasePath));
    CConnection connection(databasePath, true);
    if (!connection.IsOpen())
        return UsageError(
            QStringLiteral("cannot open %1: %2").arg(databasePath, connection.Error()));

    CFindings findings;
    bool unreadable = !findings.ReadKnown();
    for (const auto &codec : Codecs()) {
        Say(QStringLiteral("checking %1").arg(codec->Tables().join(", ")));
        const std::unique_ptr<KorvexCore::CTableDatabase> database = codec->Create();
        database->LoadData();
        if (database->GetLastError().IsValid()) {
            Say(QStringLiteral("cannot read %1").arg(database->GetLastError().ToString()));
            unreadable = true;
            continue;
        }
        const KorvexCore::CTableDatabase &db = *database;
        const QString key = codec->Key();
        if (key == QLatin1String("pipes"))
            lintPipes(findings, static_cast<const KorvexPipeDatabase::CPipeDatabase &>(db));
        else if (key == QLatin1String("devices_din"))
            lintDevices(findings,
                        static_cast<const KorvexDeviceDINDatabase::CDeviceDINDatabase &>(db));
        else if (key == QLatin1String("embrasures"))
            lintEmbrasures(findings,
                           static_cast<const KorvexEmbrasureDatabase::CEmbrasureDatabase &>(db));
        else if (key == QLatin1String("materials"))
            lintMaterials(findings,
                          static_cast<const KorvexMaterialDatabase::CMaterialDatabase &>(db));
        else if (key == QLatin1String("consumers"))
            lintConsumers(findings,
                          static_cast<const KorvexConsumerDatabase::CConsumerDatabase &>(db));
        else if (key == QLatin1String("coolants"))
            lintCoolants(findings,
                         static_cast<const KorvexCoolantDatabase::CCoolantDatabase &>(db));
        else if (key == QLatin1String("climate"))
            lintClimate(findings, static_cast<const KorvexClimateDatabase::CClimateDatabase &>(db));
        else if (key == QLatin1String("kms"))
            lintKms(findings, static_cast<const KorvexKmsDatabase::CKmsDatabase &>(db));
    }

    Say(QStringLiteral("checking the raw tables"));
    rawCoolants(findings);
    rawKms(findings);
    rawClimateOf<KorvexClimateDatabase::TColdSeasonParams>(findings, QStringLiteral("TABLE1"));
    rawClimateOf<KorvexClimateDatabase::TWarmSeasonParams>(findings, QStringLiteral("TABLE2"));
    rawClimateOf<KorvexClimateDatabase::TAverageMonthYearTemperature>(findings,
                                                                      QStringLiteral("TABLE3"));
    rawClimateOf<KorvexClimateDatabase::TAverageMonthYearPartialPressure>(findings,
                                                                          QStringLiteral("TABLE5"));
    using CName = std::optional<QString>;
    rawGrouped(findings, QStringLiteral("EMBRASURES"), "Typ_perekr", [](const CRawTable &r) {
        if (!r.Text("Typ_perekr").isEmpty() && r.Text("Typ").isEmpty())
            return CName();
        return CName(KorvexEmbrasureDatabase::ComposeEmbrasureName(
            r.Text("Typ"), r.Text("Material_perepleta"), r.Text("Steklo")));
    });
    rawGrouped(findings, QStringLiteral("MATERIALS"), "MaterialGroup", [](const CRawTable &r) {
        const QString name = r.Text("MaterialName"), d = r.Text("K1"), l = r.Text("K2");
        if (!r.Text("MaterialGroup").isEmpty() && name.isEmpty() && d.isEmpty() && l.isEmpty())
            return CName();
        return CName(KorvexMaterialDatabase::DisplayMaterialName(name.trimmed(), d.trimmed()));
    });
    rawGrouped(findings, QStringLiteral("CONSUMERS"), "Category", [](const CRawTable &r) {
        return r.Text("Category").isEmpty() ? CName(r.Text("SubCategory")) : CName();
    });

    findings.SayUnused();
    Say(QStringLiteral("%1 finding(s)").arg(findings.Count()));
    if (unreadable)
        return ExitFindings;
    return findings.Count() > 0 ? ExitFindings : ExitOk;
}

} // namespace KorvexTool
