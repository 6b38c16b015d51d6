// korvexdb: exports, imports and checks the reference databases of a KorvexDatabase file.

#include "Tool.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

using namespace KorvexTool;

int main(int argc, char *argv[])
{
    // Some databases own dialogs, so the library needs a widget application; it never
    // shows one here, and needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvexdb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Exports, imports and checks the reference databases of a KorvexDatabase file.\n\n"
        "  korvexdb export --db FILE [--table NAME|all] --out DIR\n"
        "      one CSV per table (KMS pictures beside it) in the layout of FORMAT.md\n"
        "  korvexdb import --db FILE --in DIR [--table NAME|all]\n"
        "      the reverse; bad input is refused with file, line and reason and the\n"
        "      database file is left as it was; a missing FILE is created\n"
        "  korvexdb check --db FILE\n"
        "      one line per finding (table, names, field, value, rule)\n\n"
        "Tables: kms, pipes, coolants, climate, consumers, materials, embrasures,\n"
        "devices_din (or their SQL table names).\n"
        "Exit status: 0 done; 1 input refused, a table unreadable or findings; 2 usage."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("export, import or check"));
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("The SQLite database file."),
                                QStringLiteral("FILE"));
    const QCommandLineOption table(QStringLiteral("table"),
                                   QStringLiteral("One table, or all (the default)."),
                                   QStringLiteral("NAME"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Directory export writes."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption in(QStringLiteral("in"), QStringLiteral("Directory import reads."),
                                QStringLiteral("DIR"));
    parser.addOptions({ db, table, out, in });
    if (!parser.parse(QCoreApplication::arguments()))
        return UsageError(parser.errorText() + QStringLiteral("; see korvexdb --help"));
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return ExitOk;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return UsageError(
            QStringLiteral("give one command: export, import or check; see korvexdb --help"));
    const QString command = positional.front();
    // The options each command takes, and which of them it needs.
    struct CCommand
    {
        const char *name;
        std::vector<const QCommandLineOption *> required, optional;
    };
    const CCommand commands[] = {
        { "export", { &db, &out }, { &table } },
        { "import", { &db, &in }, { &table } },
        { "check", { &db }, {} },
    };
    const CCommand *chosen = nullptr;
    for (const CCommand &known : commands) {
        if (command == QLatin1String(known.name))
            chosen = &known;
    }
    if (!chosen)
        return UsageError(
            QStringLiteral("unknown command \"%1\"; see korvexdb --help").arg(command));
    for (const QCommandLineOption *option : { &db, &table, &out, &in }) {
        const QString name = option->names().front();
        const bool required = std::find(chosen->required.begin(), chosen->required.end(), option)
            != chosen->required.end();
        const bool optional = std::find(chosen->optional.begin(), chosen->optional.end(), option)
            != chosen->optional.end();
        if (required && parser.value(*option).isEmpty())
            return UsageError(QStringLiteral("%1 needs --%2").arg(command, name));
        if (!required && !optional && parser.isSet(*option))
            return UsageError(QStringLiteral("%1 takes no --%2").arg(command, name));
    }

    if (command == QLatin1String("export"))
        return ExportCommand(parser.value(db), parser.value(table), parser.value(out));
    if (command == QLatin1String("import"))
        return ImportCommand(parser.value(db), parser.value(in), parser.value(table));
    return CheckCommand(parser.value(db));
}
