#include "DevicesDIN/DINRedactorDialog.h"

#include "DevicesDIN/DeviceDINTable_p.h"
#include "core/EditorFramework_p.h"
#include "ui_DINRedactorDialog.h"

namespace KorvexDeviceDINDatabase {

using KorvexCore::CEditorLists;

CDINRedactorDialog::CDINRedactorDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CDINRedactorDialog>())
{
    m_ui->setupUi(this);
    m_lists = std::make_unique<CEditorLists>(this, m_ui->m_pDataTableWidget);
    const auto devices = KorvexCore::VectorLevel(m_devices);
    m_lists->AddLevel(
        m_ui->m_pComboBox1,
        CEditorLists::CategoryTexts(tr("Добавление нового прибора"), tr("Изменение типа прибора")),
        devices);
    m_lists->SetOneRowTable<CDeviceDIN>(
        devices.find,
        // The editor's own order: pressure first, then the two flows.
        KorvexCore::EditorTextColumns(
            DeviceDINColumns(), { PressureColumn, ExpenditureColdColumn, ExpenditureHotColumn }));
    KorvexCore::PrepareEditor(this, m_ui.get());
}

CDINRedactorDialog::~CDINRedactorDialog() = default;

void CDINRedactorDialog::SetData(const std::vector<CDeviceDIN> &devices)
{
    m_devices = devices;
    m_lists->Refill();
}

void CDINRedactorDialog::slotClickedOk()
{
    accept();
}

void CDINRedactorDialog::slotAddToCombo1()
{
    m_lists->Add(1);
}

void CDINRedactorDialog::slotDelToCombo1()
{
    m_lists->Delete(1);
}

void CDINRedactorDialog::slotModToCombo1()
{
    m_lists->Rename(1);
}

void CDINRedactorDialog::slotComboChanged1(int)
{
    m_lists->ListChanged(1);
}

void CDINRedactorDialog::slotTableCellChanged(int, int)
{
    m_lists->TableChanged();
}

void CDeviceDINDatabase::ShowContent()
{
    KorvexCore::RunEditor<CDINRedactorDialog>(*this, m_devices, [this]() { SaveDataToDataBase(); });
}

} // namespace KorvexDeviceDINDatabase
