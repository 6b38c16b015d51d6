// korvex-host: a small host application for the KorvexDatabase library. It loads the
// library at run time, registers and loads every database, and either shows them in a
// window or prints a summary.

#include "DatabaseRegistry.h"
#include "HostWindow.h"
#include "LayerRun.h"
#include "LoopRun.h"
#include "PlotRun.h"
#include "core/KorvexCommonDatabaseManager.h"
#include "core/Translation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibrary>
#include <QTableWidget>
#include <QTextStream>
#include <QTranslator>

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
        out << database->GetType() << '\t' << RecordCountText(database) << '\t'
            << database->GetName() << '\n';
    }
}

/// Calculates one loop headless and prints its five results; the exit code tells
/// whether the request could be read and the coolant covers the temperature.
int printLoop(const CDatabaseRegistry &registry, const QString &text)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    CLoopRequest request;
    QString error;
    if (!ParseLoopRequest(text, &request, &error)) {
        err << "korvex-host: --loop: " << error << '\n';
        return 1;
    }
    KorvexCoolantDatabase::CCoolantDatabase *coolants = FindCoolantDatabase(registry);
    if (!coolants) {
        err << "korvex-host: the library has no coolant database\n";
        return 2;
    }
    const KorvexCoolantDatabase::CCoolantParams properties = CoolantProperties(*coolants, request);
    if (properties.GetC() == 0) {
        err << "korvex-host: no properties of coolant \"" << request.coolant << "\" at "
            << request.meanTemp << " °C\n";
        return 1;
    }
    out << "coolant\t" << (request.coolant.isEmpty() ? QStringLiteral("-") : request.coolant)
        << " at " << request.meanTemp << " °C: c " << properties.GetC() << " J/(kg·K), ro "
        << properties.GetRo() << " kg/m3, nu " << properties.GetViscosity() << " mm2/s, dT "
        << request.deltaT << " K\n";
    out << FormatLoopResults(RecalculateLoop(*coolants, request, properties));
    return 0;
}

/// Computes R of the given layers headless and prints each layer and the sum; the exit
/// code tells whether every layer could be read.
int printLayers(const CDatabaseRegistry &registry, const QString &text)
{
    QTextStream err(stderr);
    const KorvexMaterialDatabase::CMaterialDatabase *materials = FindMaterialDatabase(registry);
    if (!materials) {
        err << "korvex-host: the library has no material database\n";
        return 2;
    }
    std::set<KorvexMaterialDatabase::TLayerMaterialType> layers;
    QString error;
    if (!ParseLayers(text, *materials, &layers, &error)) {
        err << "korvex-host: --layers: " << error << '\n';
        return 1;
    }
    QTextStream(stdout) << FormatLayers(layers, LayerResistance(*materials, layers));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    bool summary = false;
    bool headless = false;
    for (int i = 1; i < argc; ++i) {
        summary = summary || qstrcmp(argv[i], "--summary") == 0;
        headless = headless || qstrncmp(argv[i], "--loop", 6) == 0
            || qstrncmp(argv[i], "--layers", 8) == 0 || qstrncmp(argv[i], "--screenshot", 12) == 0
            || qstrncmp(argv[i], "--out", 5) == 0;
    }
    // Without a display the summary is all there is to show.
    if (!hasDisplay() && !headless)
        summary = true;
    if ((summary || headless) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvex-host"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Demo host of the KorvexDatabase library"));
    parser.addHelpOption();
    parser.addOption(
        { QStringLiteral("summary"), QStringLiteral("Print the registered databases and exit.") });
    const QCommandLineOption loopOption(
        QStringLiteral("loop"),
        QStringLiteral("Calculate one floor-heating loop and print its results. PARAMS are "
                       "key=value pairs separated by commas over the defaults "
                       "(water c 4190, ro 988, nu 0.556; dt=10, length=80, sections=5, "
                       "bends=2, kalatchs=10, joints=2, flux=20, d=12, k=0.007, "
                       "limit=100, edge=30, num=12, den=40, diam=25); "
                       "coolant=NAME,t=MEAN takes the properties from the coolant "
                       "database. --loop= alone calculates the defaults."),
        QStringLiteral("PARAMS"));
    parser.addOption(loopOption);
    const QCommandLineOption layersOption(
        QStringLiteral("layers"),
        QStringLiteral("Print the thermal resistance R of a construction. LAYERS are "
                       "NAME:THICKNESS[:LAMBDA] separated by ';', thickness in cm, lambda in "
                       "W/(m K); without LAMBDA, NAME is GROUP/MATERIAL of the material "
                       "database and its lambda is taken. Example: "
                       "--layers \"Кирпич:38:0.7;Утеплитель:10:0.04\"."),
        QStringLiteral("LAYERS"));
    parser.addOption(layersOption);
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Render the main window into FILE (PNG) and exit; needs no display."),
        QStringLiteral("FILE"));
    parser.addOption(screenshotOption);
    const QCommandLineOption langOption(
        QStringLiteral("lang"),
        QStringLiteral("Language of the host's and the library's texts: ru or en "
                       "(default: the system locale; Russian where it has no translation)."),
        QStringLiteral("LANG"));
    parser.addOption(langOption);
    const QCommandLineOption editorOption(
        QStringLiteral("editor"),
        QStringLiteral("With --screenshot: render the editor of the database of type code TYPE "
                       "(see --summary) instead of the main window, and close it unsaved."),
        QStringLiteral("TYPE"));
    parser.addOption(editorOption);
    const CPlotCommand plot;
    plot.AddOptions(&parser);
    parser.process(app);

    // Before CreateDatabase: the databases take their names and dialog texts when created.
    const QString lang = parser.value(langOption);
    if (!lang.isEmpty() && lang != QLatin1String("ru") && lang != QLatin1String("en")) {
        std::fprintf(stderr, "korvex-host: --lang: expected ru or en, not %s\n", qPrintable(lang));
        return 1;
    }
    const QLocale locale = lang.isEmpty() ? QLocale::system() : QLocale(lang);
    KorvexCore::InstallTranslator(locale);
    // The host's own texts are Russian too; its translation is embedded beside the library's.
    QTranslator hostTexts;
    if (locale.language() != QLocale::Russian
        && hostTexts.load(locale, QStringLiteral("korvexhost"), QStringLiteral("_"),
                          QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&hostTexts);

    // Beside the host in the build folder; installed, in the library folder the loader knows.
    QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/KorvexDatabase"));
    if (!library.load())
        library.setFileNameAndVersion(QStringLiteral("KorvexDatabase"), KORVEX_SOVERSION);
    if (!library.isLoaded() && !library.load()) {
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
    if (parser.isSet(loopOption)) {
        result = printLoop(registry, parser.value(loopOption));
    } else if (parser.isSet(layersOption)) {
        result = printLayers(registry, parser.value(layersOption));
    } else if (plot.IsSet(parser)) {
        result = plot.Run(parser, registry);
    } else if (summary) {
        printSummary(registry);
    } else {
        CHostWindow window(registry);
        window.show();
        if (parser.isSet(screenshotOption) && parser.isSet(editorOption))
            result = SaveEditorScreenshot(registry, parser.value(editorOption).toInt(),
                                          parser.value(screenshotOption))
                ? 0
                : 1;
        else if (parser.isSet(screenshotOption))
            result = window.grab().save(parser.value(screenshotOption)) ? 0 : 1;
        else
            result = app.exec();
    }
    manager->Release();
    return result;
}
