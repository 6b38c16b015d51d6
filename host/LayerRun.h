#pragma once

// The layer calculator from the demo host: reading a construction of layers from text,
// and the thermal resistance the library computes for it.

#include "Materials/MaterialDatabaseTypes.h"

#include <QString>

#include <set>

class CDatabaseRegistry;
class QTableWidget;

/// The material database among the registered ones, told by its type code.
KorvexMaterialDatabase::CMaterialDatabase *FindMaterialDatabase(const CDatabaseRegistry &registry);

/// Reads layers written "NAME:THICKNESS[:LAMBDA]" and separated by ';', numbered from 1 in
/// the order given. THICKNESS is in cm, LAMBDA in W/(m·K), both with a decimal point and
/// above 0. Without LAMBDA, NAME is "GROUP/MATERIAL" (the material as the editor lists it)
/// and λ is that material's; the layer is then called "GROUP: MATERIAL" as the layer
/// dialog calls it. False with \a error telling which layer could not be read.
bool ParseLayers(const QString &text, const KorvexMaterialDatabase::CMaterialDatabase &database,
                 std::set<KorvexMaterialDatabase::TLayerMaterialType> *layers, QString *error);

/// Fills \a table (three columns: material, δ in cm, λ) with one row per layer, as the
/// library's CalculateLayerResistance reads it.
void FillLayerTable(QTableWidget *table,
                    const std::set<KorvexMaterialDatabase::TLayerMaterialType> &layers);

/// R of the layers as the library computes it, from a table filled by FillLayerTable.
double LayerResistance(const KorvexMaterialDatabase::CMaterialDatabase &database,
                       const std::set<KorvexMaterialDatabase::TLayerMaterialType> &layers);

/// One line per layer as ShowLayers lists it, with its own δ/λ, then the sum R.
QString FormatLayers(const std::set<KorvexMaterialDatabase::TLayerMaterialType> &layers,
                     double resistance);
