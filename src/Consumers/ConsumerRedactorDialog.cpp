#include "Consumers/ConsumerRedactorDialog.h"

#include "Consumers/ConsumerTable_p.h"
#include "core/EditorFramework_p.h"
#include "core/WidgetPlacement.h"
#include "ui_ConsumerRedactorDialog.h"

namespace KorvexConsumerDatabase {

using KorvexCore::CEditorLists;

CConsumerRedactorDialog::CConsumerRedactorDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CConsumerRedactorDialog>())
{
    m_ui->setupUi(this);
    m_lists = std::make_unique<CEditorLists>(this, m_ui->m_pDataTableWidget);
    const auto consumers = KorvexCore::VectorLevel(m_consumers);
    const auto subCategories = KorvexCore::ChildLevel(
        consumers, &CConsumer::GetSubCategories, &CConsumer::FindSubCategory,
        &CConsumer::InsertSubCategory, &CConsumer::DeleteSubCategory);
    m_lists->AddLevel(m_ui->m_pComboBox1,
                      CEditorLists::CategoryTexts(tr("Добавление нового потребителя"),
                                                  tr("Изменение потребителя")),
                      consumers, { {}, {}, &KorvexCore::RefuseUntrimmedName });
    m_lists->AddLevel(
        m_ui->m_pComboBox2,
        { tr("Добавление новой подкатегории"), tr("Изменение подкатегории потребителя"),
          tr("Подкатегория с таким именем уже существует!"),
          tr("Не удалось найти подкатегорию %1!"), tr("Подтверждаете удаление подкатегории?") },
        subCategories);
    // The table shows every stored field but the name, in table order.
    std::vector<KorvexCore::CTextColumn<CSubCategory>> shown;
    for (int column = UnitColumn; column <= LastNormColumn; ++column) {
        const auto &stored = SubCategoryColumns().at(size_t(column));
        shown.push_back({ stored.GetText(), stored.SetText() });
    }
    m_lists->SetOneRowTable<CSubCategory>(subCategories.find, shown);
    KorvexCore::PrepareEditor(this, m_ui.get());
    KorvexCore::CenterOnScreen(this, parent);
}

CConsumerRedactorDialog::~CConsumerRedactorDialog() = default;

void CConsumerRedactorDialog::SetData(const std::vector<CConsumer> &consumers)
{
    m_consumers = consumers;
    m_lists->Refill();
}

void CConsumerRedactorDialog::slotClickedOk()
{
    accept();
}

void CConsumerRedactorDialog::slotAddToCombo1()
{
    m_lists->Add(1);
}

void CConsumerRedactorDialog::slotAddToCombo2()
{
    m_lists->Add(2);
}

void CConsumerRedactorDialog::slotDelToCombo1()
{
    m_lists->Delete(1);
}

void CConsumerRedactorDialog::slotDelToCombo2()
{
    m_lists->Delete(2);
}

void CConsumerRedactorDialog::slotModToCombo1()
{
    m_lists->Rename(1);
}

void CConsumerRedactorDialog::slotModToCombo2()
{
    m_lists->Rename(2);
}

void CConsumerRedactorDialog::slotComboChanged1(int)
{
    m_lists->ListChanged(1);
}

void CConsumerRedactorDialog::slotComboChanged2(int)
{
    m_lists->ListChanged(2);
}

void CConsumerRedactorDialog::slotTableCellChanged(int, int)
{
    m_lists->TableChanged();
}

void CConsumerDatabase::ShowContent()
{
    KorvexCore::RunEditor<CConsumerRedactorDialog>(*this, m_consumers,
                                                   [this]() { SaveDataToDataBase(); });
}

} // namespace KorvexConsumerDatabase
