#include "Coolants/CoolantRedactorDialog.h"

#include "core/EditorFramework_p.h"
#include "ui_CoolantRedactorDialog.h"

#include <algorithm>

namespace KorvexCoolantDatabase {

using KorvexCore::CEditorLists;

namespace {
// Set elements are const; a coolant is found by its name with a walk over the set.
std::set<CCoolant>::const_iterator findByName(const std::set<CCoolant> &coolants,
                                              const QString &name)
{
    return std::find_if(coolants.begin(), coolants.end(),
                        [&name](const CCoolant &coolant) { return coolant == CCoolant(name); });
}
} // namespace

CCoolantRedactorDialog::CCoolantRedactorDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CCoolantRedactorDialog>())
    , m_paramExists(tr("Параметр с температурой %1 уже существует!"))
{
    m_ui->setupUi(this);
    m_lists = std::make_unique<CEditorLists>(this, m_ui->m_pDataTableWidget);

    KorvexCore::CLevelAccess coolants;
    coolants.names = [this](const QStringList &) {
        QStringList names;
        for (const CCoolant &coolant : m_coolants)
            names << coolant.GetName();
        return names;
    };
    coolants.contains = [this](const QStringList &, const QString &name) {
        return findByName(m_coolants, name) != m_coolants.end();
    };
    coolants.insert
        = [this](const QStringList &, const QString &name) { m_coolants.insert(CCoolant(name)); };
    coolants.erase = [this](const QStringList &, const QString &name) {
        const auto it = findByName(m_coolants, name);
        if (it != m_coolants.end())
            m_coolants.erase(it);
    };
    coolants.rename = [this](const QStringList &, const QString &oldName, const QString &newName) {
        const auto it = findByName(m_coolants, oldName);
        if (it == m_coolants.end())
            return;
        // The set is ordered by name: take the coolant out and put it back renamed.
        CCoolant renamed = *it;
        renamed.SetName(newName);
        m_coolants.erase(it);
        m_coolants.insert(renamed);
    };
    m_lists->AddLevel(m_ui->m_pComboBox1,
                      CEditorLists::CategoryTexts(tr("Добавление нового теплоносителя"),
                                                  tr("Изменение телоносителя")),
                      std::move(coolants));

    m_lists->SetTable(
        [this](const QStringList &path) {
            std::vector<QStringList> rows;
            for (const CCoolantParams &row :
                 findByName(m_coolants, path.at(0))->GetCoolantParams()) {
                rows.push_back({ QString::number(row.GetTemp()),
                                 QString::number(row.GetC(), 'f', 2),
                                 QString::number(row.GetRo(), 'f', 2),
                                 QString::number(row.GetViscosity(), 'f', 2) });
            }
            m_lists->ShowRows(rows);
        },
        [this](const QStringList &path) {
            // The whole coolant is rebuilt from what the table shows, in table order; of
            // two rows of one temperature the first stays.
            CCoolant edited = *findByName(m_coolants, path.at(0));
            edited.ClearCoolantParams();
            for (int row = 0; row < m_lists->RowCount(); ++row) {
                const QStringList texts = m_lists->RowTexts(row);
                edited.InsertCoolantParams(
                    CCoolantParams(texts.value(0).toInt(nullptr, 10), texts.value(1).toDouble(),
                                   texts.value(2).toDouble(), texts.value(3).toDouble()));
            }
            ReplaceCoolant(edited);
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

const CCoolant *CCoolantRedactorDialog::CurrentCoolant() const
{
    QStringList path;
    if (!m_lists->LookUp(1, &path, false))
        return nullptr;
    return &*findByName(m_coolants, path.at(0));
}

void CCoolantRedactorDialog::ReplaceCoolant(const CCoolant &coolant)
{
    const auto it = findByName(m_coolants, coolant.GetName());
    if (it != m_coolants.end())
        m_coolants.erase(it);
    m_coolants.insert(coolant);
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
    const CCoolant *current = CurrentCoolant();
    if (!current)
        return;
    // A new row always starts at 0 °C; the user types its real temperature over it.
    if (current->FindCoolantParams(0)) {
        m_lists->Inform(m_paramExists.arg(0));
        return;
    }
    CCoolant edited = *current;
    edited.InsertCoolantParams(CCoolantParams(0, 0, 0, 0));
    ReplaceCoolant(edited);
    slotComboChanged1(m_ui->m_pComboBox1->currentIndex());
}

void CCoolantRedactorDialog::slotDelToTable()
{
    const int row = m_ui->m_pDataTableWidget->currentRow();
    if (row < 0)
        return;
    const CCoolant *current = CurrentCoolant();
    if (!current)
        return;
    CCoolant edited = *current;
    edited.DeleteCoolantParams(
        CCoolantParams(m_lists->RowTexts(row).value(0).toInt(nullptr, 10), 0, 0, 0));
    ReplaceCoolant(edited);
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
