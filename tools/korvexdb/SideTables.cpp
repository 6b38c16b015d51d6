#include "SideTables.h"

#include "Tool.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace KorvexTool {

const std::vector<CSideTable> &SideTables()
{
    static const std::vector<CSideTable> tables {
        { { QStringLiteral("sources.csv"), { "dataset", "file", "source" }, {} },
          QStringLiteral("SOURCES"),
          { "Dataset", "File", "Source" } },
        { { QStringLiteral("known_findings.csv"),
            { "table", "path", "field", "value", "rule", "reason" },
            {} },
          QStringLiteral("KNOWN_FINDINGS"),
          { "TableName", "Path", "Field", "Value", "Rule", "Reason" } },
    };
    return tables;
}

const CSideTable &KnownFindingsTable()
{
    return SideTables().back();
}

bool HasTable(const QString &name)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"));
    query.addBindValue(name);
    return query.exec() && query.next();
}

bool ReadSideTable(const CSideTable &side, CRecords &records)
{
    QSqlQuery query;
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY SortID")
                        .arg(side.columns.join(QStringLiteral(", ")), side.table))) {
        Say(QStringLiteral("cannot read %1: %2").arg(side.table, query.lastError().text()));
        return false;
    }
    while (query.next()) {
        CRecord record;
        for (int i = 0; i < side.columns.size(); ++i)
            record.fields << query.value(i).toString();
        records.push_back(record);
    }
    return true;
}

bool WriteSideTable(const CSideTable &side, const CRecords &records)
{
    QSqlDatabase db = QSqlDatabase::database();
    QStringList placeholders;
    for (const QString &column : side.columns)
        placeholders << QLatin1Char(':') + column;
    QSqlQuery query;
    bool ok = db.transaction()
        && query.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(side.table))
        && query.exec(QStringLiteral("CREATE TABLE %1 (SortID integer PRIMARY KEY, %2 varchar)")
                          .arg(side.table, side.columns.join(QStringLiteral(" varchar, "))))
        && query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES(%3)")
                             .arg(side.table, side.columns.join(QStringLiteral(", ")),
                                  placeholders.join(QStringLiteral(", "))));
    for (size_t i = 0; ok && i < records.size(); ++i) {
        for (int c = 0; c < side.columns.size(); ++c)
            query.bindValue(placeholders[c], records[i].fields.value(c));
        ok = query.exec();
    }
    if (ok && db.commit())
        return true;
    Say(QStringLiteral("cannot write %1: %2")
            .arg(side.table,
                 query.lastError().isValid() ? query.lastError().text() : db.lastError().text()));
    db.rollback();
    return false;
}

} // namespace KorvexTool
