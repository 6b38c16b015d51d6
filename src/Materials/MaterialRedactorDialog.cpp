#include "Materials/MaterialRedactorDialog.h"

#include "Materials/MaterialTable_p.h"
#include "core/EditorFramework_p.h"
#include "ui_MaterialRedactorDialog.h"

#include <algorithm>

namespace KorvexMaterialDatabase {

using KorvexCore::CEditorLists;

CMaterialRedactorDialog::CMaterialRedactorDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CMaterialRedactorDialog>())
{
    m_ui->setupUi(this);
    m_lists = std::make_unique<CEditorLists>(this, m_ui->m_pDataTableWidget);

    const auto groups = KorvexCore::VectorLevel(m_groups);
    m_materials = std::make_unique<KorvexCore::CElementLevel<CMaterial>>(
        KorvexCore::ChildLevel(groups, &CMaterialGroup::GetMaterials, &CMaterialGroup::FindMaterial,
                               &CMaterialGroup::InsertMaterial, &CMaterialGroup::DeleteMaterial));

    // With no groups left the table keeps showing the last material until a material
    // list is filled again.
    KorvexCore::CLevelOptions groupOptions;
    groupOptions.table = KorvexCore::ETableOnChange::KeepUntilRefilled;
    groupOptions.refuseName = &KorvexCore::RefuseUntrimmedName;
    m_lists->AddLevel(m_ui->m_pComboBox1,
                      { tr("Добавление новой группы материалов"), tr("Изменение группы материалов"),
                        tr("Группа материалов с таким названием с таким именем уже существует!"),
                        tr("Не удалось найти группу материалов %1!"),
                        tr("Подтверждаете удаление группы материалов?") },
                      groups, groupOptions);
    m_lists->AddLevel(m_ui->m_pComboBox2,
                      { tr("Добавление нового материала"), tr("Изменение материала"),
                        tr("Материал с таким названием с таким именем уже существует!"),
                        tr("Не удалось найти материал %1!"),
                        tr("Подтверждаете удаление материала?") },
                      *m_materials, { {}, {}, &KorvexCore::RefuseUntrimmedName });
    m_lists->SetOneRowTable<CMaterial>(
        m_materials->find,
        KorvexCore::EditorTextColumns(MaterialColumns(), { MaterialDColumn, MaterialLColumn }));

    KorvexCore::PrepareEditor(this, m_ui.get());
}

CMaterialRedactorDialog::~CMaterialRedactorDialog() = default;

void CMaterialRedactorDialog::SetData(const std::vector<CMaterialGroup> &groups)
{
    m_groups = groups;
    m_lists->Refill();
}

void CMaterialRedactorDialog::slotClickedOk()
{
    accept();
}

void CMaterialRedactorDialog::slotAddToCombo1()
{
    m_lists->Add(1);
}

void CMaterialRedactorDialog::slotAddToCombo2()
{
    m_lists->Add(2);
}

void CMaterialRedactorDialog::slotDelToCombo1()
{
    m_lists->Delete(1);
}

void CMaterialRedactorDialog::slotDelToCombo2()
{
    m_lists->Delete(2);
}

void CMaterialRedactorDialog::slotModToCombo1()
{
    m_lists->Rename(1);
}

void CMaterialRedactorDialog::slotModToCombo2()
{
    m_lists->Rename(2);
}

void CMaterialRedactorDialog::slotComboChanged1(int)
{
    m_lists->ListChanged(1);
}

void CMaterialRedactorDialog::slotComboChanged2(int)
{
    m_lists->ListChanged(2);
}

void CMaterialRedactorDialog::slotTableCellChanged(int, int)
{
    // The row left over after the last group was deleted belongs to no material: the
    // user is told that the edit goes nowhere instead of losing it without a word.
    if (!m_lists->Selected(*m_materials, KorvexCore::EEmptyLists::Report))
        return;
    // The save looks for the weight after the last blank of the name. A weight with a
    // blank is not found there, the whole name is written, and every load would append
    // the weight to it again; refused, and the table shows the stored value again.
    const QString weight = m_lists->RowTexts(0).value(0); // the first cell
    if (std::any_of(weight.cbegin(), weight.cend(), [](QChar c) { return c.isSpace(); })) {
        m_lists->RefuseCellEdit(
            tr("Удельный вес не может содержать пробелы: при сохранении вес ищется "
               "в названии материала после последнего пробела, такой вес там не "
               "найдётся, и название росло бы при каждом сохранении."),
            [this]() { m_lists->ListChanged(2); });
        return;
    }
    m_lists->TableChanged(); // stored as typed; the name keeps the weight it had
}

void CMaterialDatabase::ShowContent()
{
    KorvexCore::RunEditor<CMaterialRedactorDialog>(*this, m_groups,
                                                   [this]() { SaveDataToDataBase(); });
}

} // namespace KorvexMaterialDatabase
