#pragma once

// Pictures of the library's data for the demo host: a coolant's properties against
// temperature, and the section of a construction of layers with the temperature through it.

#include "Climate/ClimateDatabaseTypes.h"
#include "Coolants/CoolantDatabaseTypes.h"
#include "Materials/MaterialDatabaseTypes.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <set>

class QWidget;

/// Points of the interpolated line between two neighbouring table rows; one more closes
/// the line at the last row.
constexpr int KInterpolatedStepsPerRow = 8;

/// Three charts one above the other, density, heat capacity and viscosity against
/// temperature: the coolant's rows as points (series "tabulated") and the line the
/// library's DefineCoolantParams interpolates between them (series "interpolated").
QWidget *CreateCoolantPlot(KorvexCoolantDatabase::CCoolantDatabase &database,
                           const KorvexCoolantDatabase::CCoolant &coolant,
                           QWidget *parent = nullptr);

/// The inside and outside air temperatures across a construction, and where the outside
/// one comes from (shown under the chart).
struct CSectionTemperatures
{
    double inside = 20;
    double outside = -25;
    QString outsideSource;
};

/// The settlement of that name met first in the tree (countries, regions, settlements in
/// their order); the first settlement of all when \a name is empty; null when none.
const KorvexClimateDatabase::CSettlement *
FindSettlement(const KorvexClimateDatabase::CClimateDatabase &database, const QString &name);

/// The outside temperature of a settlement's coldest five-day period at 0.92.
CSectionTemperatures SettlementTemperatures(const KorvexClimateDatabase::CSettlement &settlement,
                                            double inside);

/// The temperature at the inner surface, at each boundary between layers and at the outer
/// surface: x is the distance from the inner surface in cm, y the temperature in °C. Each
/// layer's drop is its share of \a resistance, the library's R of the construction, which
/// holds no surface resistances: the surfaces take the air temperatures.
QList<QPointF>
SectionTemperatureProfile(const std::set<KorvexMaterialDatabase::TLayerMaterialType> &layers,
                          double resistance, const CSectionTemperatures &temperatures);

/// The construction cut through, layers side by side from the inside (left) to the outside,
/// widths to scale in cm (one area series per layer), with the temperature at each surface
/// and boundary as series "temperature" (left out when R is not a finite number above 0).
QWidget *CreateSectionPlot(const std::set<KorvexMaterialDatabase::TLayerMaterialType> &layers,
                           double resistance, const CSectionTemperatures &temperatures,
                           QWidget *parent = nullptr);
