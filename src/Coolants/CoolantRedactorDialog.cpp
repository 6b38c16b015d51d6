#include "Coolants/CoolantRedactorDialog.h"

#include "core/EditorFramework_p.h"
#include "ui_CoolantRedactorDialog.h"

namespace KorvexCoolantDatabase {

using KorvexCore::CEditorLists;

CCoolantRedactorDialog::CCoolantRedactorDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CCoolantRedactorDialog>())
    , m_paramExists(tr("Параметр с температурой %1 уже существует!"))
    , m_notWholeTemperature(tr("Температура \"%1\" не сохранится: введите целое число градусов."))
{
    m_ui->setupUi(this);
    m_lists = std::make_unique<CEditorLists>(this, m_ui->m_pDataTableWidget);

    m_lists->AddLevel(m_ui->m_pComboBox1,
                      CEditorLists::CategoryTexts(tr("Добавление нового теплоносителя"),
                                                  tr("Изменение телоносителя")),
                      KorvexCore::SetLevel(m_coolants));

    m_lists->SetTable(
        [this](const QStringList &path) {
            std::vector<KorvexCore::CTableRow> rows;
            for (const CCoolantParams &row : FindCoolant(path.at(0))->GetCoolantParams()) {
                rows.push_back(QStringList { QString::number(row.GetTemp()),
                                             QString::number(row.GetC(), 'f', 2),
                                             QString::number(row.GetRo(), 'f', 2),
                                             QString::number(row.GetViscosity(), 'f', 2) });
            }
            m_lists->ShowRows(rows);
        },
        [this](const QStringList &path) {
            // A temperature that is no whole number (or beyond int), or one another row has,
            // would be stored as 0 or vanish: refused, and the table shows the coolant as it
            // was once the edit that got here has returned.
            std::set<int> temperatures;
            for (int row = 0; row < m_lists->RowCount(); ++row) {
                const QString text = m_lists->RowTexts(row).value(0);
                bool whole = false;
                const int t = text.toInt(&whole, 10);
                if (whole && temperatures.insert(t).second)
                    continue;
                m_lists->RefuseCellEdit(
                    whole ? m_paramExists.arg(t) : m_notWholeTemperature.arg(text),
                    [this]() { slotComboChanged1(m_ui->m_pComboBox1->currentIndex()); });
                return;
            }
            // The whole coolant is rebuilt from what the table shows, in table order.
            CCoolant *edited = FindCoolant(path.at(0));
            edited->ClearCoolantParams();
            for (int row = 0; row < m_lists->RowCount(); ++row) {
                const QStringList texts = m_lists->RowTexts(row);
                edited->InsertCoolantParams(
                    CCoolantParams(texts.value(0).toInt(nullptr, 10), texts.value(1).toDouble(),
                                   texts.value(2).toDouble(), texts.value(3).toDouble()));
            }
        });

    KorvexCore::PrepareEditor(this, m_ui.get());
    connect(m_ui->m_pAddToTable, &QPushButton::clicked, this,
            &CCoolantRedactorDialog::slotAddToTable);
    connect(m_ui->m_pDelToTable, &QPushButton::clicked, this,
            &CCoolantRedactorDialog::slotDelToTable);
}

CCoolantRedactorDialog::~CCoolantRedactorDialog() = default;

void CCoolantRedactorDialog::SetData(const std::set<CCoolant> &coolants)
{
    m_coolants = coolants;
    m_lists->Refill();
}

CCoolant *CCoolantRedactorDialog::FindCoolant(const QString &name)
{
    return KorvexCore::FindInSet(m_coolants, CCoolant(name));
}

CCoolant *CCoolantRedactorDialog::CurrentCoolant()
{
    QStringList path;
    return m_lists->LookUp(1, &path, KorvexCore::EEmptyLists::Report) ? FindCoolant(path.at(0))
                                                                      : nullptr;
}

void CCoolantRedactorDialog::slotClickedOk()
{
    accept();
}

void CCoolantRedactorDialog::slotAddToCombo1()
{
    m_lists->Add(1);
}

void CCoolantRedactorDialog::slotDelToCombo1()
{
    m_lists->Delete(1);
}

void CCoolantRedactorDialog::slotModToCombo1()
{
    m_lists->Rename(1);
}

void CCoolantRedactorDialog::slotAddToTable()
{
    CCoolant *current = CurrentCoolant();
    if (!current)
        return;
    // A new row always starts at 0 °C; the user types its real temperature over it.
    if (current->FindCoolantParams(0)) {
        m_lists->Inform(m_paramExists.arg(0));
        return;
    }
    current->InsertCoolantParams(CCoolantParams(0, 0, 0, 0));
    slotComboChanged1(m_ui->m_pComboBox1->currentIndex());
}

void CCoolantRedactorDialog::slotDelToTable()
{
    const int row = m_ui->m_pDataTableWidget->currentRow();
    if (row < 0)
        return;
    CCoolant *current = CurrentCoolant();
    if (!current)
        return;
    current->DeleteCoolantParams(
        CCoolantParams(m_lists->RowTexts(row).value(0).toInt(nullptr, 10), 0, 0, 0));
    slotComboChanged1(m_ui->m_pComboBox1->currentIndex());
}

void CCoolantRedactorDialog::slotComboChanged1(int)
{
    m_lists->ListChanged(1);
}

void CCoolantRedactorDialog::slotTableCellChanged(int, int)
{
    m_lists->TableChanged();
}

void CCoolantDatabase::ShowContent()
{
    KorvexCore::RunEditor<CCoolantRedactorDialog>(*this, m_coolants,
                                                  [this]() { SaveDataToDataBase(); });
}

} // namespace KorvexCoolantDatabase
