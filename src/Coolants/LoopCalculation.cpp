#include "Coolants/LoopCalculation_p.h"

#include <cmath>

namespace KorvexCoolantDatabase {

namespace {
constexpr double kPi = 3.141592653589793;
}

double ProportionalEdgeLength(double loopLength, const TLoopDesign &design)
{
    if (design.LoopLengthLimit == 0 || design.SplitDenominator == 0)
        return 0.0;
    return design.SplitNumerator * loopLength
        / (design.SplitDenominator * (design.LoopLengthLimit * 0.01));
}

TLoopIntermediates CalculateLoop(TLoop &loop, int deltaT, const CCoolantParams &coolant,
                                 const TLoopDesign &design)
{
    const double c = coolant.GetC();
    const double ro = coolant.GetRo();
    const double nu = coolant.GetViscosity(); // m²/s × 10⁶
    const double d = design.PipeInnerDiameter; // mm
    const double k = design.PipeRoughness; // mm

    if (loop.PipeLengthM == 0)
        loop.PipeLengthM = loop.LoopLength;
    loop.LoopLengthSumm = loop.LoopLength + loop.SectionsLeadingLength;
    loop.LoopHeatLoad = (loop.PipeLengthM + loop.SectionsLeadingLength) * design.HeatFluxMain
        + loop.PipeLengthR * design.HeatFluxEdge;

    const double heatCapacityFlow = deltaT * c;
    loop.Expenditure = heatCapacityFlow != 0 ? loop.LoopHeatLoad / heatCapacityFlow : 0.0;

    const double flowArea = (0.001 * d) * (0.001 * d) * kPi * ro;
    loop.Velocity = flowArea != 0 ? 4 * loop.Expenditure / flowArea : 0.0;

    TLoopIntermediates x;
    x.Reynolds = nu != 0 ? loop.Velocity * d * 1000 / nu : 0.0;

    x.B = 1.0;
    if (k != 0) {
        const double reynoldsRough = 500 * d / k;
        if (reynoldsRough > 0 && x.Reynolds > 0)
            x.B = 1 + std::log10(x.Reynolds) / std::log10(reynoldsRough);
    }
    x.Lg = (k != 0 && d != 0) ? std::log10(3.7 * d / k) : 1.0;
    x.M = x.Reynolds != 0 ? std::log10(x.Reynolds) - 1 : 1.0;

    const double root = 0.5 * (0.5 * x.B + 1.312 * (2 - x.B) * x.Lg / x.M) / x.Lg;
    x.Lambda = root * root;
    x.R = d != 0 ? ro * x.Lambda * loop.Velocity * loop.Velocity / (2 * d * 0.001) : 0.0;
    x.Zeta = 0.5 * loop.NumPipeBends + 1.0 * loop.NumKalatchs + 1.5 * loop.NumJoints;

    loop.LoopPressureLoss
        = x.R * loop.LoopLengthSumm + x.Zeta * 0.5 * ro * loop.Velocity * loop.Velocity;
    return x;
}

} // namespace KorvexCoolantDatabase
