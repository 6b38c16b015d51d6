#pragma once

// The hydraulic calculation of one floor-heating loop, kept apart from the dialog so
// that the dialog, ReCalculate and the tests all run the very same arithmetic.

#include "Coolants/CoolantDatabaseTypes.h"

namespace KorvexCoolantDatabase {

/// Values on the way to the pressure loss, for checking a calculation.
struct TLoopIntermediates
{
    double Reynolds = 0.0;
    double B = 1.0; ///< exponent of the friction formula
    double Lg = 1.0;
    double M = 1.0;
    double Lambda = 0.0; ///< friction factor
    double R = 0.0; ///< specific friction loss, Pa/m
    double Zeta = 0.0; ///< sum of local resistance coefficients
};

/// Edge-zone length of the proportional split; 0 when the limit or the denominator is 0.
double ProportionalEdgeLength(double loopLength, const TLoopDesign &design);

/// Computes the five results of \a loop from its lengths and fittings. A main-zone
/// length of 0 counts as the whole loop length and is stored so.
TLoopIntermediates CalculateLoop(TLoop &loop, int deltaT, const CCoolantParams &coolant,
                                 const TLoopDesign &design);

} // namespace KorvexCoolantDatabase
