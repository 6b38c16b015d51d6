#pragma once

#include "Climate/ClimateDatabaseTypes.h"
#include "Materials/MaterialDatabaseTypes.h"

#include <QDialog>

#include <set>

class QLabel;
class QTableWidget;

/// A construction of layers as a host builds it: each layer is picked through the
/// library's layer dialog, the list is shown with ShowLayers, and R is recalculated by the
/// library after every change; its section is drawn with the temperature through it.
class CConstructionDialog : public QDialog
{
    Q_OBJECT
public:
    CConstructionDialog(const KorvexMaterialDatabase::CMaterialDatabase &database,
                        const KorvexClimateDatabase::CClimateDatabase *climate,
                        QWidget *parent = nullptr);

    const std::set<KorvexMaterialDatabase::TLayerMaterialType> &Layers() const { return m_layers; }
    double Resistance() const;

private slots:
    void slotAddLayer();
    void slotShowLayers();
    void slotShowSection();

private:
    void Refresh();

    const KorvexMaterialDatabase::CMaterialDatabase &m_database;
    const KorvexClimateDatabase::CClimateDatabase *m_climate;
    std::set<KorvexMaterialDatabase::TLayerMaterialType> m_layers;
    QTableWidget *m_table = nullptr;
    QLabel *m_resistance = nullptr;
    QString m_lastGroup, m_lastMaterial; ///< preselected in the next layer dialog
};
