#include "LoopRun.h"

#include "DatabaseRegistry.h"

#include <QStringList>

#include <functional>
#include <map>

using KorvexCoolantDatabase::CCoolantDatabase;
using KorvexCoolantDatabase::CCoolantParams;
using KorvexCoolantDatabase::TCollector;
using KorvexCoolantDatabase::TLoop;

TLoop CLoopRequest::DefaultLoop()
{
    TLoop loop;
    loop.LoopLength = 80;
    loop.SectionsLeadingLength = 5;
    loop.NumPipeBends = 2;
    loop.NumKalatchs = 10;
    loop.NumJoints = 2;
    return loop;
}

bool ParseLoopRequest(const QString &text, CLoopRequest *request, QString *error)
{
    CLoopRequest &r = *request;
    const std::map<QString, double *> numbers = {
        { QStringLiteral("t"), &r.meanTemp },
        { QStringLiteral("c"), &r.c },
        { QStringLiteral("ro"), &r.ro },
        { QStringLiteral("nu"), &r.nu },
        { QStringLiteral("flux"), &r.heatFluxMain },
        { QStringLiteral("d"), &r.pipeInnerDiameter },
        { QStringLiteral("k"), &r.pipeRoughness },
        { QStringLiteral("limit"), &r.loopLengthLimit },
        { QStringLiteral("edge"), &r.heatFluxEdge },
        { QStringLiteral("num"), &r.splitNumerator },
        { QStringLiteral("den"), &r.splitDenominator },
        { QStringLiteral("value8"), &r.value8 },
        { QStringLiteral("diam"), &r.collectorDiameter },
        { QStringLiteral("length"), &r.loop.LoopLength },
        { QStringLiteral("sections"), &r.loop.SectionsLeadingLength },
    };
    const std::map<QString, int *> counts = {
        { QStringLiteral("dt"), &r.deltaT },
        { QStringLiteral("bends"), &r.loop.NumPipeBends },
        { QStringLiteral("kalatchs"), &r.loop.NumKalatchs },
        { QStringLiteral("joints"), &r.loop.NumJoints },
    };

    for (const QString &pair : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int eq = pair.indexOf(QLatin1Char('='));
        const QString key = pair.left(eq).trimmed();
        const QString value = eq < 0 ? QString() : pair.mid(eq + 1).trimmed();
        bool ok = eq > 0;
        if (key == QLatin1String("coolant")) {
            r.coolant = value;
        } else if (key == QLatin1String("collector")) {
            r.loop.IdCollector = value.toUInt(&ok);
        } else if (key == QLatin1String("mode")) {
            r.loop.RadioID = value.toInt(&ok);
            r.loop.ZonesHidden = false;
        } else if (const auto n = numbers.find(key); n != numbers.end()) {
            *n->second = value.toDouble(&ok);
        } else if (const auto i = counts.find(key); i != counts.end()) {
            *i->second = value.toInt(&ok);
        } else {
            ok = false;
        }
        if (!ok) {
            *error = QStringLiteral("cannot read \"%1\"").arg(pair);
            return false;
        }
    }
    return true;
}

CCoolantDatabase *FindCoolantDatabase(const CDatabaseRegistry &registry)
{
    return FindDatabase<CCoolantDatabase>(registry, KorvexInterfaces::CoolantDatabaseType);
}

CCoolantParams CoolantProperties(CCoolantDatabase &database, const CLoopRequest &request)
{
    if (request.coolant.isEmpty())
        return CCoolantParams(int(request.meanTemp), request.c, request.ro, request.nu);
    return database.DefineCoolantParams(request.meanTemp, request.coolant);
}

std::set<TCollector> RequestCollectors(const CLoopRequest &request)
{
    TCollector collector;
    collector.Id = 1;
    collector.Diameter = request.collectorDiameter;
    return { collector };
}

QString FormatLoopResults(const TLoop &loop)
{
    const auto line = [](const char *name, double value, const char *unit) {
        return QStringLiteral("%1\t%2 (%3) %4\n")
            .arg(QLatin1String(name), QString::number(value, 'f', 2),
                 QString::number(value, 'g', 6), QString::fromUtf8(unit));
    };
    return line("LoopLengthSumm", loop.LoopLengthSumm, "m")
        + line("LoopHeatLoad", loop.LoopHeatLoad, "W")
        + line("Expenditure", loop.Expenditure, "kg/s") + line("Velocity", loop.Velocity, "m/s")
        + line("LoopPressureLoss", loop.LoopPressureLoss, "Pa");
}

bool ShowLoopDialog(const CCoolantDatabase &database, const CLoopRequest &request,
                    const CCoolantParams &properties)
{
    const CLoopRequest &r = request;
    return database.ShowUserDialog(RequestCollectors(r), r.deltaT, properties, r.loop,
                                   r.heatFluxMain, r.pipeInnerDiameter, r.pipeRoughness,
                                   r.loopLengthLimit, r.heatFluxEdge, r.splitNumerator,
                                   r.splitDenominator, r.value8);
}

const TLoop &RecalculateLoop(const CCoolantDatabase &database, const CLoopRequest &request,
                             const CCoolantParams &properties)
{
    const CLoopRequest &r = request;
    return database.ReCalculate(RequestCollectors(r), r.deltaT, properties, r.loop, r.heatFluxMain,
                                r.pipeInnerDiameter, r.pipeRoughness, r.loopLengthLimit,
                                r.heatFluxEdge, r.splitNumerator, r.splitDenominator, r.value8);
}
