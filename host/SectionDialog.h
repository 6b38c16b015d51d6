#pragma once

#include "Climate/ClimateDatabaseTypes.h"
#include "Materials/MaterialDatabaseTypes.h"

#include <QDialog>

#include <set>

class QComboBox;
class QDoubleSpinBox;
class QVBoxLayout;

/// The section of a construction with the temperature through it, redrawn when the inside
/// temperature or the settlement (whose coldest five-day period at 0.92 is the outside
/// temperature) changes.
class CSectionDialog : public QDialog
{
    Q_OBJECT
public:
    CSectionDialog(const std::set<KorvexMaterialDatabase::TLayerMaterialType> &layers,
                   double resistance, const KorvexClimateDatabase::CClimateDatabase *climate,
                   QWidget *parent = nullptr);

private:
    void Redraw();

    const std::set<KorvexMaterialDatabase::TLayerMaterialType> m_layers;
    const double m_resistance;
    std::vector<const KorvexClimateDatabase::CSettlement *> m_settlements;
    QDoubleSpinBox *m_inside = nullptr;
    QComboBox *m_settlement = nullptr;
    QDoubleSpinBox *m_outside = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QWidget *m_plot = nullptr;
};
