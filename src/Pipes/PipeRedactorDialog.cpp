#include "Pipes/PipeRedactorDialog.h"

#include "Pipes/PipeTable_p.h"
#include "core/EditorFramework_p.h"
#include "ui_PipeRedactorDialog.h"

namespace KorvexPipeDatabase {

using KorvexCore::CEditorLists;

CPipeRedactorDialog::CPipeRedactorDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CPipeRedactorDialog>())
{
    m_ui->setupUi(this);
    m_lists = std::make_unique<CEditorLists>(this, m_ui->m_pDataTableWidget);
    const auto pipes = KorvexCore::VectorLevel(m_pipes);
    m_lists->AddLevel(
        m_ui->m_pComboBox1,
        CEditorLists::CategoryTexts(tr("Добавление нового типа трубы"), tr("Изменение типа трубы")),
        pipes);
    m_lists->SetOneRowTable<CPipe>(
        pipes.find,
        KorvexCore::EditorTextColumns(
            PipeColumns(), { DOutsideColumn, DInsideColumn, RoughnessColumn, LamdaColumn }));
    KorvexCore::PrepareEditor(this, m_ui.get());
}

CPipeRedactorDialog::~CPipeRedactorDialog() = default;

void CPipeRedactorDialog::SetData(const std::vector<CPipe> &pipes)
{
    m_pipes = pipes;
    m_lists->Refill();
}

void CPipeRedactorDialog::slotClickedOk()
{
    accept();
}

void CPipeRedactorDialog::slotAddToCombo1()
{
    m_lists->Add(1);
}

void CPipeRedactorDialog::slotDelToCombo1()
{
    m_lists->Delete(1);
}

void CPipeRedactorDialog::slotModToCombo1()
{
    m_lists->Rename(1);
}

void CPipeRedactorDialog::slotComboChanged1(int)
{
    m_lists->ListChanged(1);
}

void CPipeRedactorDialog::slotTableCellChanged(int, int)
{
    m_lists->TableChanged();
}

void CPipeDatabase::ShowContent()
{
    KorvexCore::RunEditor<CPipeRedactorDialog>(*this, m_pipes, [this]() { SaveDataToDataBase(); });
}

} // namespace KorvexPipeDatabase
