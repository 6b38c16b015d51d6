#pragma once

#include "KorvexDatabase_export.h"
#include "Materials/MaterialDatabaseTypes.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace KorvexCore {
class CEditorLists;
template<typename T> struct CElementLevel; // "typename": lupdate reads "class T" as a class
} // namespace KorvexCore

namespace KorvexMaterialDatabase {

namespace Ui {
class CMaterialRedactorDialog;
}

/// The editor of the material database: a list of groups, a list of the chosen group's
/// materials and a one-row table with the chosen material's weight and λ. It edits its own
/// copy; CMaterialDatabase::ShowContent() takes the copy back when the user accepts.
class KORVEXDATABASE_EXPORT CMaterialRedactorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CMaterialRedactorDialog(QWidget *parent = nullptr);
    ~CMaterialRedactorDialog() override;

    void SetData(const std::vector<CMaterialGroup> &groups);
    const std::vector<CMaterialGroup> &GetData() const { return m_groups; }

public slots:
    void slotClickedOk();
    void slotAddToCombo1();
    void slotAddToCombo2();
    void slotDelToCombo1();
    void slotDelToCombo2();
    void slotModToCombo1();
    void slotModToCombo2();
    void slotComboChanged1(int index);
    void slotComboChanged2(int index);
    void slotTableCellChanged(int row, int column);

private:
    std::unique_ptr<Ui::CMaterialRedactorDialog> m_ui;
    std::vector<CMaterialGroup> m_groups;
    std::unique_ptr<KorvexCore::CElementLevel<CMaterial>> m_materials;
    std::unique_ptr<KorvexCore::CEditorLists> m_lists;
};

} // namespace KorvexMaterialDatabase
