#include "PlotRun.h"

#include "DatabaseRegistry.h"
#include "LayerRun.h"
#include "LoopRun.h"
#include "Plots.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QWidget>

#include <memory>

using KorvexClimateDatabase::CClimateDatabase;

namespace {

bool readNumber(const QString &text, double *value)
{
    bool ok = false;
    *value = text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace

void CPlotCommand::AddOptions(QCommandLineParser *parser) const
{
    const auto add = [parser](QCommandLineOption option, const QString &description) {
        option.setDescription(description);
        parser->addOption(option);
    };
    add(m_plot,
        QStringLiteral("Plot WHAT: coolant=NAME (density, heat capacity and viscosity against "
                       "temperature, the table's points and the library's interpolation; the "
                       "first coolant when NAME is empty) or layers=LAYERS (the section of a "
                       "construction to scale with the temperature through it; LAYERS as for "
                       "--layers). Prints what the plot shows; shown in a window unless --out."));
    add(m_out,
        QStringLiteral("With --plot: render the plot into FILE (PNG) and exit; needs "
                       "no display."));
    add(m_inside, QStringLiteral("With --plot layers=: inside temperature in °C (default 20)."));
    add(m_outside, QStringLiteral("With --plot layers=: outside temperature in °C."));
    add(m_settlement,
        QStringLiteral("With --plot layers=: the outside temperature is the coldest five-day "
                       "period at 0.92 of the settlement NAME (the first of that name). Without "
                       "--outside and --settlement: of the first settlement of the climate "
                       "database."));
}

int CPlotCommand::Run(const QCommandLineParser &parser, const CDatabaseRegistry &registry) const
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const auto fail = [&err](const QString &why, int code = 1) {
        err << "korvex-host: --plot: " << why << '\n';
        return code;
    };
    const QString what = parser.value(m_plot);
    const QString kind = what.section(QLatin1Char('='), 0, 0);
    const QString value = what.section(QLatin1Char('='), 1);
    std::unique_ptr<QWidget> plot;

    if (kind == QLatin1String("coolant")) {
        KorvexCoolantDatabase::CCoolantDatabase *coolants = FindCoolantDatabase(registry);
        if (!coolants)
            return fail(QStringLiteral("the library has no coolant database"), 2);
        const KorvexCoolantDatabase::CCoolant *coolant = value.isEmpty()
            ? (coolants->GetCoolants().empty() ? nullptr : &*coolants->GetCoolants().begin())
            : coolants->FindCoolant(value);
        if (!coolant)
            return fail(QStringLiteral("no coolant \"%1\"").arg(value));
        plot.reset(CreateCoolantPlot(*coolants, *coolant));
        out << "coolant\t" << coolant->GetName() << "\trows " << coolant->GetCoolantParams().size()
            << '\n';
    } else if (kind == QLatin1String("layers")) {
        const KorvexMaterialDatabase::CMaterialDatabase *materials = FindMaterialDatabase(registry);
        if (!materials)
            return fail(QStringLiteral("the library has no material database"), 2);
        std::set<KorvexMaterialDatabase::TLayerMaterialType> layers;
        QString error;
        if (!ParseLayers(value, *materials, &layers, &error))
            return fail(error);
        double inside = 20;
        if (parser.isSet(m_inside) && !readNumber(parser.value(m_inside), &inside))
            return fail(
                QStringLiteral("--inside: \"%1\" is no number").arg(parser.value(m_inside)));
        CSectionTemperatures temperatures;
        if (parser.isSet(m_outside) && parser.isSet(m_settlement))
            return fail(QStringLiteral("give --outside or --settlement, not both"));
        if (parser.isSet(m_outside)) {
            temperatures.inside = inside;
            if (!readNumber(parser.value(m_outside), &temperatures.outside))
                return fail(
                    QStringLiteral("--outside: \"%1\" is no number").arg(parser.value(m_outside)));
        } else {
            const CClimateDatabase *climate
                = FindDatabase<CClimateDatabase>(registry, KorvexInterfaces::ClimateDatabaseType);
            const QString name = parser.value(m_settlement);
            const KorvexClimateDatabase::CSettlement *settlement
                = climate ? FindSettlement(*climate, name) : nullptr;
            if (!settlement)
                return fail(name.isEmpty()
                                ? QStringLiteral("no settlement in the climate database; give "
                                                 "--outside")
                                : QStringLiteral("no settlement \"%1\"").arg(name));
            temperatures = SettlementTemperatures(*settlement, inside);
        }
        const double resistance = LayerResistance(*materials, layers);
        plot.reset(CreateSectionPlot(layers, resistance, temperatures));
        out << FormatLayers(layers, resistance);
        out << "inside\t" << temperatures.inside << " °C\noutside\t" << temperatures.outside
            << " °C";
        if (!temperatures.outsideSource.isEmpty())
            out << " (" << temperatures.outsideSource << ')';
        out << '\n';
        const QList<QPointF> profile = SectionTemperatureProfile(layers, resistance, temperatures);
        for (int i = 0; i < profile.size(); ++i)
            out << "surface " << i << "\tat " << profile[i].x() << " cm\t" << profile[i].y()
                << " °C\n";
    } else {
        return fail(QStringLiteral("\"%1\": expected coolant=NAME or layers=LAYERS").arg(what));
    }

    out.flush();
    if (parser.isSet(m_out)) {
        const QString file = parser.value(m_out);
        plot->setAttribute(Qt::WA_DontShowOnScreen); // laid out as shown, never on a screen
        plot->show();
        if (!plot->grab().save(file))
            return fail(QStringLiteral("cannot write %1").arg(file));
        return 0;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return fail(QStringLiteral("no display to show the plot on; give --out FILE.png"));
    plot->setWindowTitle(QStringLiteral("korvex-host — %1").arg(what));
    plot->show();
    return QApplication::exec();
}
