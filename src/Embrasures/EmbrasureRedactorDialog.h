#pragma once

#include "Embrasures/EmbrasureDatabaseTypes.h"
#include "KorvexDatabase_export.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace KorvexCore {
class CEditorLists;
}

namespace KorvexEmbrasureDatabase {

class CEmbrasureInputDialog;

namespace Ui {
class CEmbrasureRedactorDialog;
}

/// The editor of the embrasure database: a list of groups (kinds of opening), a list of
/// the selected group's openings and a one-row table with the five values of the selected
/// opening. Openings are named through CEmbrasureInputDialog, from their type, frame
/// material and glazing. It edits its own copy; CEmbrasureDatabase::ShowContent() takes
/// the copy back when the user accepts.
class KORVEXDATABASE_EXPORT CEmbrasureRedactorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CEmbrasureRedactorDialog(QWidget *parent = nullptr);
    ~CEmbrasureRedactorDialog() override;

    void SetData(const std::vector<CEmbrasureGroup> &groups);
    const std::vector<CEmbrasureGroup> &GetData() const { return m_groups; }

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
    /// The composed name of an opening given through the input dialog; empty when the
    /// user cancels, gives no type, or the current name has no three parts to change.
    QString AskEmbrasureName(const QString &title, const QString &current);

    std::unique_ptr<Ui::CEmbrasureRedactorDialog> m_ui;
    std::vector<CEmbrasureGroup> m_groups;
    CEmbrasureInputDialog *m_inputDialog;
    QString m_addEmbrasureTitle;
    std::unique_ptr<KorvexCore::CEditorLists> m_lists;
};

} // namespace KorvexEmbrasureDatabase
