#pragma once

#include "KorvexDatabase_export.h"
#include "Materials/MaterialDatabaseTypes.h"

#include <QDialog>

#include <memory>
#include <vector>

class QComboBox;

namespace KorvexMaterialDatabase {

namespace Ui {
class CLayerDialog;
}

/// The layer calculator's dialog: the user picks a group and a material, sees its weight
/// and λ, may overwrite λ and enters the layer's thickness. Owned by CMaterialDatabase
/// and reused for every layer; it reads the groups afresh each time it is filled.
class KORVEXDATABASE_EXPORT CLayerDialog : public QDialog
{
    Q_OBJECT

public:
    CLayerDialog(const CMaterialDatabase *database, QWidget *parent = nullptr);
    ~CLayerDialog() override;

    /// Preselects \a group and \a material (trimmed), shows \a thickness (cm) and offers
    /// only materials with λ below \a lambdaLimit (-1: no limit); resets the results.
    void UpdateData(const QString &group, const QString &material, const double &thickness,
                    const double &lambdaLimit);
    void InitGroupList();
    void InitMaterialList(const std::vector<CMaterialGroup>::const_iterator &group);
    /// The index of the first entry of \a box naming material \a name, -1 when none does.
    int FindLayer(QComboBox *box, const QString &name) const;

    /// "<group>: <material>" of the last accepted run; empty after a cancelled one.
    const QString &GetResultName() const { return m_resultName; }
    const double &GetResultLambda() const { return m_resultLambda; }
    /// In cm.
    const double &GetResultThickness() const { return m_resultThickness; }

public slots:
    void OnGroupComboChanged(int index);
    void OnMaterialComboChanged(int index);
    void OnBnClickedBtnOk();

private:
    std::unique_ptr<Ui::CLayerDialog> m_ui;
    const CMaterialDatabase *m_database;
    QString m_groupName;
    QString m_materialName; ///< a display name, without the λ of the list entry
    double m_lambdaLimit = -1.0;
    double m_resultLambda = 0.0;
    double m_resultThickness = 0.0;
    QString m_resultName = QStringLiteral("");
};

} // namespace KorvexMaterialDatabase
