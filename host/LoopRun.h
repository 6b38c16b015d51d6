#pragma once

// One run of the library's loop calculator from the demo host: the inputs with their
// defaults, reading them from "key=value,..." text, and printing the result.

#include "Coolants/CoolantDatabaseTypes.h"

#include <QString>

#include <set>

class CDatabaseRegistry;

/// Everything the calculator takes. The defaults are a 16x2 PE-Xa loop of 80 m on
/// water at about 50 °C, split proportionally between main and edge zone.
struct CLoopRequest
{
    QString coolant; ///< empty: take c, ro and nu below as they are
    double meanTemp = 50; ///< °C, for the coolant's properties
    int deltaT = 10; ///< K
    double c = 4190; ///< J/(kg·K)
    double ro = 988; ///< kg/m³
    double nu = 0.556; ///< m²/s × 10⁶
    double heatFluxMain = 20; ///< W/m
    double pipeInnerDiameter = 12; ///< mm
    double pipeRoughness = 0.007; ///< mm
    double loopLengthLimit = 100; ///< m
    double heatFluxEdge = 30; ///< W/m
    double splitNumerator = 12;
    double splitDenominator = 40;
    double value8 = 0;
    double collectorDiameter = 25; ///< mm, of collector 1
    KorvexCoolantDatabase::TLoop loop = DefaultLoop();

    static KorvexCoolantDatabase::TLoop DefaultLoop();
};

/// Reads "key=value" pairs separated by commas over the defaults. Keys: coolant, t, dt,
/// c, ro, nu, flux, d, k, limit, edge, num, den, value8, diam, length, sections, bends,
/// kalatchs, joints, collector, mode (a zone mode 1…5 also shows the zone section).
bool ParseLoopRequest(const QString &text, CLoopRequest *request, QString *error);

/// The coolant database among the registered ones, told by its type code.
KorvexCoolantDatabase::CCoolantDatabase *FindCoolantDatabase(const CDatabaseRegistry &registry);

/// The coolant properties the request asks for: interpolated from the database when a
/// coolant is named, else the given ones.
KorvexCoolantDatabase::CCoolantParams
CoolantProperties(KorvexCoolantDatabase::CCoolantDatabase &database, const CLoopRequest &request);

/// One collector, number 1, of the requested diameter.
std::set<KorvexCoolantDatabase::TCollector> RequestCollectors(const CLoopRequest &request);

/// The loop's five results, one per line, as shown and to six significant digits.
QString FormatLoopResults(const KorvexCoolantDatabase::TLoop &loop);

/// Shows the library's loops dialog for the request; true when it was accepted.
bool ShowLoopDialog(const KorvexCoolantDatabase::CCoolantDatabase &database,
                    const CLoopRequest &request,
                    const KorvexCoolantDatabase::CCoolantParams &properties);

/// Calculates the request's loop without showing anything.
const KorvexCoolantDatabase::TLoop &
RecalculateLoop(const KorvexCoolantDatabase::CCoolantDatabase &database,
                const CLoopRequest &request,
                const KorvexCoolantDatabase::CCoolantParams &properties);
