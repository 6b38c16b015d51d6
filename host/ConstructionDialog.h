#pragma once

#include "Materials/MaterialDatabaseTypes.h"

#include <QDialog>

#include <set>

class QLabel;
class QTableWidget;

/// A construction of layers as a host builds it: each layer is picked through the
/// library's layer dialog, the list is shown with ShowLayers, and R is recalculated by the
/// library after every change.
class CConstructionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CConstructionDialog(const KorvexMaterialDatabase::CMaterialDatabase &database,
                                 QWidget *parent = nullptr);

    const std::set<KorvexMaterialDatabase::TLayerMaterialType> &Layers() const { return m_layers; }
    double Resistance() const;

private slots:
    void slotAddLayer();
    void slotShowLayers();

private:
    void Refresh();

    const KorvexMaterialDatabase::CMaterialDatabase &m_database;
    std::set<KorvexMaterialDatabase::TLayerMaterialType> m_layers;
    QTableWidget *m_table = nullptr;
    QLabel *m_resistance = nullptr;
    QString m_lastGroup, m_lastMaterial; ///< preselected in the next layer dialog
};
