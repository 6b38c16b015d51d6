#pragma once

#include "Coolants/CoolantDatabaseTypes.h"
#include "KorvexDatabase_export.h"

#include <QDialog>

#include <memory>
#include <set>

namespace KorvexCore {
class CEditorLists;
}

namespace KorvexCoolantDatabase {

namespace Ui {
class CCoolantRedactorDialog;
}

/// The editor of the coolant database: a list of coolants and a table of the selected
/// coolant's property rows, one per temperature. It edits its own copy;
/// CCoolantDatabase::ShowContent() takes the copy back when the user accepts.
class KORVEXDATABASE_EXPORT CCoolantRedactorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CCoolantRedactorDialog(QWidget *parent = nullptr);
    ~CCoolantRedactorDialog() override;

    void SetData(const std::set<CCoolant> &coolants);
    const std::set<CCoolant> &GetData() const { return m_coolants; }

public slots:
    void slotClickedOk();
    void slotAddToCombo1();
    void slotDelToCombo1();
    void slotModToCombo1();
    void slotAddToTable();
    void slotDelToTable();
    void slotComboChanged1(int index);
    void slotTableCellChanged(int row, int column);

private:
    /// The coolant of that name; only its rows may be changed through the pointer, its
    /// name orders the set.
    CCoolant *FindCoolant(const QString &name);
    /// The coolant selected in the list, or null after reporting that it is missing.
    CCoolant *CurrentCoolant();

    std::unique_ptr<Ui::CCoolantRedactorDialog> m_ui;
    std::set<CCoolant> m_coolants;
    QString m_paramExists;
    QString m_notWholeTemperature;
    std::unique_ptr<KorvexCore::CEditorLists> m_lists;
};

} // namespace KorvexCoolantDatabase
