// korvex-seed: creates a database file from an SQL script (statements separated by
// lines that end with ';'). With --if-missing an existing file is left as it is.

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool ifMissing = args.removeAll(QStringLiteral("--if-missing")) > 0;
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: korvex-seed [--if-missing] SCRIPT.sql DATABASE.sqlite\n");
        return 2;
    }
    if (ifMissing && QFile::exists(args[1]))
        return 0;

    QFile script(args[0]);
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "korvex-seed: cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    const QString partial = args[1] + QStringLiteral(".part");
    QFile::remove(partial);
    {
        QSqlDatabase db
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("seed"));
        db.setDatabaseName(partial);
        if (!db.open()) {
            std::fprintf(stderr, "korvex-seed: %s\n", qPrintable(db.lastError().text()));
            return 1;
        }
        db.transaction();
        QSqlQuery query(db);
        QString statement;
        QTextStream in(&script);
        int line = 0;
        while (!in.atEnd()) {
            const QString text = in.readLine();
            ++line;
            if (statement.isEmpty()
                && (text.trimmed().isEmpty() || text.startsWith(QLatin1String("--"))))
                continue;
            statement += text + QLatin1Char('\n');
            if (!text.trimmed().endsWith(QLatin1Char(';')))
                continue;
            if (!query.exec(statement)) {
                std::fprintf(stderr, "korvex-seed: %s:%d: %s\n", qPrintable(args[0]), line,
                             qPrintable(query.lastError().text()));
                return 1;
            }
            statement.clear();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("seed"));
    QFile::remove(args[1]);
    return QFile::rename(partial, args[1]) ? 0 : 1;
}
