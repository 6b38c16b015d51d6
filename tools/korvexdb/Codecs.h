#pragma once

// How each database maps to its CSV file(s) and back, through the library's own classes.

#include "Csv.h"

#include "core/TableDatabase.h"

#include <QHash>

#include <memory>
#include <utility>

namespace KorvexTool {

/// One CSV file of a database: its name, its header, and the columns that name picture
/// files, each with the word exported picture files are named with.
struct CCsvFile
{
    QString name;
    QStringList header;
    std::vector<std::pair<int, QString>> pictures;
};

/// Checks on the fields of one file's records; every refusal names the file and line.
class CFieldCheck
{
public:
    CFieldCheck(const CCsvFile &file, CProblems &problems);

    void Fail(const CRecord &record, const QString &reason);
    /// How many of \a nameColumns, from the first, hold a name; a record that stops early
    /// describes a parent without children, so everything after its last name must be
    /// empty. -1 after a refusal.
    int Depth(const CRecord &record, const std::vector<int> &nameColumns);
    /// No white space around the field (the table trims it on load).
    bool Trimmed(const CRecord &record, int column);
    /// A finite number kept exactly by a table that holds \a digits significant digits.
    bool Number(const CRecord &record, int column, int digits, double &value);
    /// A whole number between \a low and \a high.
    bool Whole(const CRecord &record, int column, qint64 low, qint64 high, qint64 &value);
    /// Refuses a second record with the same \a path of names in this file.
    bool Unique(const CRecord &record, const QStringList &path);

private:
    QString Column(int column) const { return m_file.header.value(column); }

    const CCsvFile &m_file;
    CProblems &m_problems;
    QHash<QString, int> m_seen;
};

/// A database as the tool sees it: its files, how to make, save, export and import it.
class CDatabaseCodec
{
public:
    virtual ~CDatabaseCodec() = default;

    /// The name --table takes ("pipes").
    virtual QString Key() const = 0;
    /// The SQL tables of the database, which --table accepts too.
    virtual QStringList Tables() const = 0;
    virtual std::vector<CCsvFile> Files() const = 0;
    virtual std::unique_ptr<KorvexCore::CTableDatabase> Create() const = 0;
    /// Writes the database's tables through the library.
    virtual void Save(KorvexCore::CTableDatabase &database) const = 0;
    /// One record list per file, in Files() order; picture columns are left empty and
    /// their bytes put in CRecord::pictures.
    virtual std::vector<CRecords> Export(const KorvexCore::CTableDatabase &database) const = 0;
    /// Fills the empty \a database from \a files (one per Files(), headers removed, picture
    /// bytes loaded); every refusal goes to \a problems.
    virtual void Import(KorvexCore::CTableDatabase &database, const std::vector<CRecords> &files,
                        CProblems &problems) const = 0;
};

/// Every database, in the order the library creates them.
const std::vector<std::unique_ptr<CDatabaseCodec>> &Codecs();
/// The database of key or SQL table \a name (case ignored), or null.
const CDatabaseCodec *FindCodec(const QString &name);

/// The shortest text that reads back as \a value.
QString NumberText(double value);

} // namespace KorvexTool
