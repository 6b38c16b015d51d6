#include "BenchSupport.h"
#include "Kms/KmsTable_p.h"

#include "Kms/KmsDatabaseTypes.h"

#include <string>
#include <vector>

using namespace KorvexBench;
using namespace KorvexKmsDatabase;

namespace {

// The tree of n table rows: categories of 10 devices, devices of 10 designations,
// designations of 9 nominal bores, cut off after n rows.
constexpr int kDevices = 10;
constexpr int kSubNames = 10;
constexpr int kDups = 9;
constexpr int kPictureBytes = 20 * 1024;

enum RowKind { CategoryRow, DeviceRow, SubNameRow, DupRow };

struct RawRow
{
    RowKind kind;
    std::string name;
    double kms = 0.0;
    std::string image; // bytes
    std::string comment;
};
using RawRows = std::vector<RawRow>;

/// \a pictures: a picture of 20 KB on every hundredth row that can hold one.
RawRows makeRows(int n, bool pictures)
{
    RawRows rows;
    rows.reserve(size_t(n));
    const std::string picture(size_t(kPictureBytes), '\x5a');
    for (int c = 0; int(rows.size()) < n; ++c) {
        rows.push_back({ CategoryRow, "Категория " + std::to_string(c), 0.0, {}, {} });
        for (int d = 0; d < kDevices && int(rows.size()) < n; ++d) {
            rows.push_back({ DeviceRow, "Радиатор " + std::to_string(d), 0.0, {}, {} });
            for (int s = 0; s < kSubNames && int(rows.size()) < n; ++s) {
                rows.push_back({ SubNameRow, "РСВ-" + std::to_string(s), 0.0, {}, {} });
                for (int e = 0; e < kDups && int(rows.size()) < n; ++e)
                    rows.push_back({ DupRow, std::to_string(10 + 5 * e), 0.5 + e, {}, "угловой" });
            }
        }
    }
    if (pictures) {
        for (size_t i = 50; i < rows.size(); i += 100) {
            if (rows[i].kind >= SubNameRow)
                rows[i].image = picture;
        }
    }
    return rows;
}

QByteArray bytes(const std::string &s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

void fillLibrary(CKmsDatabase &db, int n, bool pictures)
{
    CDevices *category = nullptr;
    CDevicesHeating *device = nullptr;
    CDevicesHeatingSubName *subName = nullptr;
    for (const RawRow &row : makeRows(n, pictures)) {
        const QString name = QString::fromStdString(row.name);
        switch (row.kind) {
        case CategoryRow:
            db.InsertDevices(CDevices(name));
            category = &const_cast<CDevices &>(db.GetDevices().back());
            break;
        case DeviceRow:
            category->InsertDevicesHeating(CDevicesHeating(name));
            device = &const_cast<CDevicesHeating &>(category->GetDevicesHeatingContainer().back());
            break;
        case SubNameRow:
            device->InsertDevicesHeatingSubName(CDevicesHeatingSubName(name, bytes(row.image)));
            subName = &const_cast<CDevicesHeatingSubName &>(
                device->GetDevicesHeatingSubNameContainer().back());
            break;
        case DupRow:
            subName->InsertDup(
                CDup(name, row.kms, bytes(row.image), QString::fromStdString(row.comment)));
            break;
        }
    }
}

size_t rowCount(const CKmsDatabase &db)
{
    size_t rows = 0;
    for (const CDevices &category : db.GetDevices()) {
        ++rows;
        for (const CDevicesHeating &device : category.GetDevicesHeatingContainer()) {
            ++rows;
            for (const CDevicesHeatingSubName &subName : device.GetDevicesHeatingSubNameContainer())
                rows += 1 + subName.GetDupContainer().size();
        }
    }
    return rows;
}

void bindText(sqlite3_stmt *statement, int index, const std::string &text)
{
    sqlite3_bind_text(statement, index, text.data(), int(text.size()), SQLITE_STATIC);
}

void bindBlob(sqlite3_stmt *statement, int index, const std::string &blob)
{
    if (blob.empty())
        sqlite3_bind_null(statement, index);
    else
        sqlite3_bind_blob(statement, index, blob.data(), int(blob.size()), SQLITE_STATIC);
}

void rawSave(const CRawDatabase &db, const RawRows &rows)
{
    db.Exec("BEGIN");
    db.Exec("DROP TABLE KMS");
    db.Exec(SqlFor(KorvexKmsDatabase::KmsTable().create, "KMS").c_str());
    sqlite3_stmt *inserts[] = {
        db.Prepare(SqlFor(KorvexKmsDatabase::KmsTable().inserts[0], "KMS").c_str()),
        db.Prepare(SqlFor(KorvexKmsDatabase::KmsTable().inserts[1], "KMS").c_str()),
        db.Prepare(SqlFor(KorvexKmsDatabase::KmsTable().inserts[2], "KMS").c_str()),
        db.Prepare(SqlFor(KorvexKmsDatabase::KmsTable().inserts[3], "KMS").c_str()),
    };
    for (const RawRow &row : rows) {
        sqlite3_stmt *insert = inserts[row.kind];
        bindText(insert, 1, row.name);
        if (row.kind == SubNameRow) {
            bindBlob(insert, 2, row.image);
        } else if (row.kind == DupRow) {
            sqlite3_bind_double(insert, 2, row.kms);
            bindBlob(insert, 3, row.image);
            bindText(insert, 4, row.comment);
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    for (sqlite3_stmt *insert : inserts)
        sqlite3_finalize(insert);
    db.Exec("COMMIT");
}

std::string columnBlob(sqlite3_stmt *statement, int column)
{
    const void *blob = sqlite3_column_blob(statement, column);
    return blob ? std::string(static_cast<const char *>(blob),
                              size_t(sqlite3_column_bytes(statement, column)))
                : std::string();
}

/// The same walk as the library's, over plain structures: each row under the last
/// category, device and designation seen.
void rawLoad(const CRawDatabase &db)
{
    struct SubName
    {
        std::string name, image;
        std::vector<RawRow> dups;
    };
    struct Device
    {
        std::string name;
        std::vector<SubName> subNames;
    };
    struct Category
    {
        std::string name;
        std::vector<Device> devices;
    };
    std::vector<Category> categories;
    sqlite3_stmt *select = db.Prepare("SELECT * FROM KMS");
    while (sqlite3_step(select) == SQLITE_ROW) {
        std::string category = ColumnText(select, 1);
        std::string device = ColumnText(select, 2);
        std::string subName = ColumnText(select, 3);
        if (!category.empty()) {
            categories.push_back({ std::move(category), {} });
        } else if (!device.empty() && !categories.empty()) {
            categories.back().devices.push_back({ std::move(device), {} });
        } else if (!subName.empty() && !categories.empty() && !categories.back().devices.empty()) {
            categories.back().devices.back().subNames.push_back(
                { std::move(subName), columnBlob(select, 6), {} });
        } else if (!categories.empty() && !categories.back().devices.empty()
                   && !categories.back().devices.back().subNames.empty()) {
            categories.back().devices.back().subNames.back().dups.push_back(
                { DupRow, ColumnText(select, 4), sqlite3_column_double(select, 5),
                  columnBlob(select, 7), ColumnText(select, 8) });
        }
    }
    sqlite3_finalize(select);
    benchmark::DoNotOptimize(categories.size());
}

} // namespace

void RegisterKmsBenchmarks()
{
    for (const bool pictures : { false, true }) {
        RegisterTable<CKmsDatabase, RawRows>(
            { pictures ? "kms_pictures" : "kms",
              [pictures](CKmsDatabase &db, int n) { fillLibrary(db, n, pictures); }, rowCount,
              [pictures](int n) { return makeRows(n, pictures); }, rawSave, rawLoad });
    }
}
