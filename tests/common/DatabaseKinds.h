#pragma once

#include "core/TableDatabase.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace KorvexTest {

/// How a fault check drives one of the eight databases: make it, fill it, save it, and
/// which tables hold it. Two loads are compared by what they save (DumpTables), so every
/// check is written once for all eight.
struct CDatabaseKind
{
    const char *name;
    QStringList tables;
    std::function<std::unique_ptr<KorvexCore::CTableDatabase>()> create;
    std::function<void(const KorvexCore::CTableDatabase &)> save;
    /// Adds about \a rows table rows to an empty database; every name and value text is
    /// text(i) for a running i, so names stay unique as long as text() gives unique texts.
    std::function<void(KorvexCore::CTableDatabase &, int rows,
                       const std::function<QString(int)> &text)>
        fill;
};

const std::vector<CDatabaseKind> &DatabaseKinds();
const CDatabaseKind *FindDatabaseKind(const QString &name);

/// "<tag> <i>": plain unique texts for fill().
std::function<QString(int)> PlainTexts(const QString &tag);
/// A database of \a kind filled with \a rows rows of PlainTexts(tag), then saved.
void FillAndSave(const CDatabaseKind &kind, int rows, const QString &tag);
/// Loads the default connection's tables into a new database of \a kind and saves it back.
std::unique_ptr<KorvexCore::CTableDatabase> LoadAndSave(const CDatabaseKind &kind);

/// Every row of \a tables on the default connection in row order, each cell as SQLite
/// quotes it (so types show), SortID left out; "<table>: missing" for a missing table.
QStringList DumpTables(const QStringList &tables);

} // namespace KorvexTest
