#pragma once

#include "KorvexDatabase_export.h"
#include "Pipes/PipeDatabaseTypes.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace KorvexCore {
class CEditorLists;
}

namespace KorvexPipeDatabase {

namespace Ui {
class CPipeRedactorDialog;
}

/// The editor of the pipe database: a list of pipe types and a one-row table with the
/// values of the selected type. It edits its own copy; CPipeDatabase::ShowContent()
/// takes the copy back when the user accepts.
class KORVEXDATABASE_EXPORT CPipeRedactorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CPipeRedactorDialog(QWidget *parent = nullptr);
    ~CPipeRedactorDialog() override;

    void SetData(const std::vector<CPipe> &pipes);
    const std::vector<CPipe> &GetData() const { return m_pipes; }

public slots:
    void slotClickedOk();
    void slotAddToCombo1();
    void slotDelToCombo1();
    void slotModToCombo1();
    void slotComboChanged1(int index);
    void slotTableCellChanged(int row, int column);

private:
    std::unique_ptr<Ui::CPipeRedactorDialog> m_ui;
    std::vector<CPipe> m_pipes;
    std::unique_ptr<KorvexCore::CEditorLists> m_lists;
};

} // namespace KorvexPipeDatabase
