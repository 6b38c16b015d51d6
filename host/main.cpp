// korvex-host: a small host application for the KorvexDatabase library. It loads the
// library at run time, registers and loads every database, and either shows them in a
// window or prints a summary.

#include "DatabaseRegistry.h"
#include "HostWindow.h"
#include "core/KorvexCommonDatabaseManager.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibrary>
#include <QTextStream>

#include <cstdio>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void printSummary(const CDatabaseRegistry &registry)
{
    QTextStream out(stdout);
    out << "type\trecords\tname\n";
    for (const auto *database : registry.Databases()) {
        const int count = TopLevelRecordCount(database);
        out << database->GetType() << '\t'
            << (count < 0 ? QStringLiteral("-") : QString::number(count)) << '\t'
            << database->GetName() << '\n';
    }
}

} // namespace

int main(int argc, char *argv[])
{
    bool summary = false;
    for (int i = 1; i < argc; ++i)
        summary = summary || qstrcmp(argv[i], "--summary") == 0;
    // Without a display the summary is all there is to show.
    if (!hasDisplay())
        summary = true;
    if (summary && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvex-host"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Demo host of the KorvexDatabase library"));
    parser.addHelpOption();
    parser.addOption(
        { QStringLiteral("summary"), QStringLiteral("Print the registered databases and exit.") });
    parser.process(app);

    QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/KorvexDatabase"));
    // Exported symbols go global, so the non-virtual operations of the library's classes
    // that this host calls are bound when first used.
    library.setLoadHints(QLibrary::ExportExternalSymbolsHint);
    if (!library.load()) {
        std::fprintf(stderr, "korvex-host: cannot load the library: %s\n",
                     qPrintable(library.errorString()));
        return 2;
    }
    auto create = reinterpret_cast<KorvexCreateDatabaseFunction>(library.resolve("CreateDatabase"));
    if (!create) {
        std::fprintf(stderr, "korvex-host: no CreateDatabase in %s\n",
                     qPrintable(library.fileName()));
        return 2;
    }

    CDatabaseRegistry registry;
    KorvexInterfaces::IKorvexInterface *manager = create(&registry);
    manager->AddRef();
    for (auto *database : registry.Databases())
        database->LoadData();

    int result = 0;
    if (summary) {
        printSummary(registry);
    } else {
        CHostWindow window(registry);
        window.show();
        result = app.exec();
    }
    manager->Release();
    return result;
}
