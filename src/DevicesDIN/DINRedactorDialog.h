#pragma once

#include "DevicesDIN/DeviceDINDatabaseTypes.h"
#include "KorvexDatabase_export.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace KorvexCore {
class CEditorLists;
}

namespace KorvexDeviceDINDatabase {

namespace Ui {
class CDINRedactorDialog;
}

/// The editor of the DIN device database: a list of devices and a one-row table with
/// pressure, cold-water and hot-water flow of the selected one. It edits its own
/// copy; CDeviceDINDatabase::ShowContent() takes the copy back when the user accepts.
class KORVEXDATABASE_EXPORT CDINRedactorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CDINRedactorDialog(QWidget *parent = nullptr);
    ~CDINRedactorDialog() override;

    void SetData(const std::vector<CDeviceDIN> &devices);
    const std::vector<CDeviceDIN> &GetData() const { return m_devices; }

public slots:
    void slotClickedOk();
    void slotAddToCombo1();
    void slotDelToCombo1();
    void slotModToCombo1();
    void slotComboChanged1(int index);
    void slotTableCellChanged(int row, int column);

private:
    std::unique_ptr<Ui::CDINRedactorDialog> m_ui;
    std::vector<CDeviceDIN> m_devices;
    std::unique_ptr<KorvexCore::CEditorLists> m_lists;
};

} // namespace KorvexDeviceDINDatabase
