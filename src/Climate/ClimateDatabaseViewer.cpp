#include "Climate/ClimateDatabaseViewer.h"

#include "Climate/ClimateTable_p.h"
#include "Climate/ColdSeasonDialog.h"
#include "Climate/PressureDialog.h"
#include "Climate/TemperatureDialog.h"
#include "Climate/WarmSeasonDialog.h"
#include "core/EditorFramework_p.h"
#include "core/Prompts.h"
#include "ui_ClimateFormDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>
#include <QTreeWidget>

namespace KorvexClimateDatabase {

// ---------------------------------------------------------------------------------------
// CClimateDatabase: the parts that own the viewer

CClimateDatabase::CClimateDatabase()
    : CTableDatabase(KorvexInterfaces::ClimateDatabaseType,
                     QCoreApplication::translate("QApplication", "Климатология"))
    , m_table1(QStringLiteral("TABLE1"))
    , m_table2(QStringLiteral("TABLE2"))
    , m_table3(QStringLiteral("TABLE3"))
    , m_table5(QStringLiteral("TABLE5"))
{
    m_viewer = new CClimateDatabaseViewer(this, m_table1, m_table2, m_table3, m_table5, nullptr);
}

CClimateDatabase::~CClimateDatabase()
{
    delete m_viewer;
}

void CClimateDatabase::ShowContent()
{
    if (!m_viewer)
        return;
    m_viewer->FillTree(m_countries);
    m_viewer->exec();
}

// ---------------------------------------------------------------------------------------
// Moving a record between a dialog and a settlement

namespace {
QString itemText(const QTreeWidgetItem *item, int column = 0)
{
    return item ? item->text(column) : QString();
}

QIcon treeIcon(const char *file)
{
    return QIcon(QCoreApplication::applicationDirPath() + QLatin1String(file));
}

template<class R> std::vector<QLineEdit *> editsOf(const QWidget *dialog)
{
    std::vector<QLineEdit *> edits;
    for (const TRecordField<R> &field : RecordFields<R>())
        edits.push_back(
            dialog->findChild<QLineEdit *>(QLatin1String("m_p") + QLatin1String(field.name)));
    return edits;
}

template<class R> void showRecord(QWidget *dialog, const R &record)
{
    const std::vector<QLineEdit *> edits = editsOf<R>(dialog);
    for (size_t i = 0; i < edits.size(); ++i)
        edits[i]->setText(FieldText(record, RecordFields<R>()[i]));
}

template<class R> R readRecord(const QWidget *dialog)
{
    R record;
    const std::vector<QLineEdit *> edits = editsOf<R>(dialog);
    for (size_t i = 0; i < edits.size(); ++i)
        SetFieldText(record, RecordFields<R>()[i], edits[i]->text());
    return record;
}

/// Shows (\a toDialog) or stores the record R of \a settlement through its getter and setter.
template<class R>
void moveRecord(bool toDialog, QWidget *dialog, CSettlement *settlement,
                const R &(CSettlement::*get)() const, void (CSettlement::*set)(const R &))
{
    if (toDialog) {
        // A copy: filling the edits writes back into the settlement after every edit.
        showRecord(dialog, settlement ? (settlement->*get)() : R());
    } else if (settlement) {
        (settlement->*set)(readRecord<R>(dialog));
    }
}
} // namespace

void CClimateDatabaseViewer::UpdateTabData(bool toDialog, int tabIndex)
{
    CSettlement *settlement = GetCurrentSettlement();
    switch (tabIndex) {
    case CColdSeasonDialog::kTabIndex:
        moveRecord(toDialog, m_pColdSeasonDialog, settlement, &CSettlement::GetColdSeasonParams,
                   &CSettlement::SetColdSeasonParams);
        break;
    case CWarmSeasonDialog::kTabIndex:
        moveRecord(toDialog, m_pWarmSeasonDialog, settlement, &CSettlement::GetWarmSeasonParams,
                   &CSettlement::SetWarmSeasonParams);
        break;
    case CTemperatureDialog::kTabIndex:
        moveRecord(toDialog, m_pTemperatureDialog, settlement,
                   &CSettlement::GetAverageMonthYearTemperature,
                   &CSettlement::SetAverageMonthYearTemperature);
        break;
    case CPressureDialog::kTabIndex:
        moveRecord(toDialog, m_pPressureDialog, settlement,
                   &CSettlement::GetAverageMonthYearPartialPressure,
                   &CSettlement::SetAverageMonthYearPartialPressure);
        break;
    default:
        break;
    }
}

CSettlement *CClimateDatabaseViewer::GetCurrentSettlement() const
{
    if (!m_current.set)
        return nullptr;
    CCountry *country = m_pDatabase->FindCountry(m_current.country);
    CRegion *region = country ? country->FindRegion(m_current.region) : nullptr;
    return region ? region->FindSettlement(m_current.settlement) : nullptr;
}

// ---------------------------------------------------------------------------------------
// Construction and the tree

CClimateDatabaseViewer::CClimateDatabaseViewer(CClimateDatabase *database, const QString &table1,
                                               const QString &table2, const QString &table3,
                                               const QString &table5, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CClimateFormDialog>())
    , m_table1(table1)
    , m_table2(table2)
    , m_table3(table3)
    , m_table5(table5)
    , m_title(tr("Сообщение Korvex. Модуль KorvexDatabase"))
    , m_countryNotFound(tr("Не удалось найти страну!"))
    , m_countryExists(tr("Страна с таким именем уже существует!"))
    , m_confirmDeleteCountry(tr("Подтверждаете удаление страны?"))
    , m_regionNotFound(tr("Не удалось найти регион!"))
    , m_regionExists(tr("Регион с таким именем уже существует!"))
    , m_regionReadsAsCountry(tr("Название региона должно содержать строчные буквы: название "
                                "без них читается из базы данных как название страны."))
    , m_confirmDeleteRegion(tr("Подтверждаете удаление региона?"))
    , m_cityNotFound(tr("Не удалось найти город!"))
    , m_cityExists(tr("Город с таким именем уже существует!"))
    , m_confirmDeleteCity(tr("Подтверждаете удаление города?"))
    , m_saveQuestion(tr("Данные были изменены! Хотите сохранить изменения в базе данных?"))
    , m_saved(tr("Все изменения успешно записаны на жесткий диск!"))
    , m_pDatabase(database)
{
    m_ui->setupUi(this);

    m_pWarmSeasonDialog = new CWarmSeasonDialog(this);
    m_pTemperatureDialog = new CTemperatureDialog(this);
    m_pPressureDialog = new CPressureDialog(this);
    m_pColdSeasonDialog = new CColdSeasonDialog(this);

    setWindowIcon(
        QIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/Images/Korvex.png")));

    QTabWidget *tabs = m_ui->m_pTabWidget;
    while (tabs->count() > 0) {
        QWidget *placeholder = tabs->widget(0);
        tabs->removeTab(0);
        delete placeholder;
    }
    for (QDialog *page : std::initializer_list<QDialog *> {
             m_pColdSeasonDialog, m_pWarmSeasonDialog, m_pTemperatureDialog, m_pPressureDialog })
        tabs->addTab(page, page->windowTitle());
    tabs->setCurrentIndex(0);
    connect(tabs, &QTabWidget::currentChanged, this, &CClimateDatabaseViewer::OnTabIndexChanged);

    m_countryIcon = treeIcon("/Images/tree_country.png");
    m_regionIcon = treeIcon("/Images/tree_region.png");
    m_settlementIcon = treeIcon("/Images/tree_settlement.png");
    QTreeWidget *tree = m_ui->m_pTreeWidget;
    tree->setColumnCount(1);
    tree->setHeaderLabel(tr("База климатологии"));
    tree->setHeaderHidden(true);
    tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(tree, &QTreeWidget::itemClicked, this, &CClimateDatabaseViewer::OnClickTree);

    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->m_pSaveChangesBtn, &QPushButton::clicked, this,
            &CClimateDatabaseViewer::OnSaveChangesBtn);

    m_pSeparator = new QAction(QString(), tree);
    m_pSeparator->setSeparator(true);
    m_pAddCountry = MakeAction(tr("Добавить страну"), &CClimateDatabaseViewer::OnAddCountry);
    m_pDelCountry = MakeAction(tr("Удалить страну"), &CClimateDatabaseViewer::OnDelCountry);
    m_pModCountry = MakeAction(tr("Изменить страну"), &CClimateDatabaseViewer::OnModCountry);
    m_pAddRegion = MakeAction(tr("Добавить область"), &CClimateDatabaseViewer::OnAddRegion);
    m_pDelRegion = MakeAction(tr("Удалить область"), &CClimateDatabaseViewer::OnDelRegion);
    m_pModRegion = MakeAction(tr("Изменить область"), &CClimateDatabaseViewer::OnModRegion);
    m_pAddCity = MakeAction(tr("Добавить город"), &CClimateDatabaseViewer::OnAddCity);
    m_pDelCity = MakeAction(tr("Удалить город"), &CClimateDatabaseViewer::OnDelCity);
    m_pModCity = MakeAction(tr("Изменить город"), &CClimateDatabaseViewer::OnModCity);
}

CClimateDatabaseViewer::~CClimateDatabaseViewer() = default;

QAction *CClimateDatabaseViewer::MakeAction(const QString &text,
                                            void (CClimateDatabaseViewer::*slot)())
{
    auto *action = new QAction(text, m_ui->m_pTreeWidget);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void CClimateDatabaseViewer::ShowActions(const std::vector<QAction *> &actions)
{
    QTreeWidget *tree = m_ui->m_pTreeWidget;
    for (QAction *action : tree->actions())
        tree->removeAction(action);
    for (QAction *action : actions)
        tree->addAction(action);
}

void CClimateDatabaseViewer::FillTree(const std::vector<CCountry> &countries)
{
    QTreeWidget *tree = m_ui->m_pTreeWidget;
    tree->clear();
    QTreeWidgetItem *first = nullptr;
    // The regions already under each country item, by name: the tree starts empty and an
    // item is only added when its name is new, so this stands in for AddRegionItem's
    // search of the children, which made a refill quadratic in a country's regions.
    QHash<QTreeWidgetItem *, QHash<QString, QTreeWidgetItem *>> regionItems;
    const auto fill = [&]() {
        for (const CCountry &country : countries) {
            QTreeWidgetItem *countryItem = AddCountryItem(country.GetName());
            if (!countryItem)
                return false;
            if (!first)
                first = countryItem;
            QHash<QString, QTreeWidgetItem *> &regionsOfCountry = regionItems[countryItem];
            for (const CRegion &region : country.GetRegions()) {
                QTreeWidgetItem *&regionItem = regionsOfCountry[region.GetName()];
                if (!regionItem && !region.GetName().isEmpty())
                    regionItem = NewItem(countryItem, region.GetName(), m_regionIcon);
                if (!regionItem)
                    return false;
                for (const CSettlement &settlement : region.GetSettlements()) {
                    if (!AddSettlementItem(settlement.GetName(), regionItem))
                        return false;
                }
            }
        }
        return true;
    };
    if (!fill())
        Critical(tr("Неизвестная ошибка создания дерева базы климатологии!"));
    if (first)
        tree->setCurrentItem(first);
}

QTreeWidgetItem *CClimateDatabaseViewer::AddCountryItem(const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    const QList<QTreeWidgetItem *> found
        = m_ui->m_pTreeWidget->findItems(name, Qt::MatchExactly, 0);
    if (found.size() > 1)
        return nullptr;
    if (found.size() == 1)
        return found.front();
    auto *item = new QTreeWidgetItem(m_ui->m_pTreeWidget, QStringList { name });
    item->setIcon(0, m_countryIcon);
    return item;
}

QTreeWidgetItem *CClimateDatabaseViewer::AddRegionItem(const QString &name,
                                                       QTreeWidgetItem *country)
{
    if (name.isEmpty() || !country)
        return nullptr;
    QTreeWidgetItem *match = nullptr;
    for (int i = 0; i < country->childCount(); ++i) {
        if (country->child(i)->text(0) != name)
            continue;
        if (match)
            return nullptr;
        match = country->child(i);
    }
    if (match)
        return match;
    return NewItem(country, name, m_regionIcon);
}

QTreeWidgetItem *CClimateDatabaseViewer::AddSettlementItem(const QString &name,
                                                           QTreeWidgetItem *region)
{
    if (name.isEmpty() || !region)
        return nullptr;
    return NewItem(region, name, m_settlementIcon);
}

QTreeWidgetItem *CClimateDatabaseViewer::NewItem(QTreeWidgetItem *parent, const QString &name,
                                                 const QIcon &icon)
{
    auto *item = new QTreeWidgetItem(parent, QStringList { name });
    item->setIcon(0, icon);
    return item;
}

bool CClimateDatabaseViewer::InputName(QString &name, bool upperCase)
{
    bool ok = false;
    name = KorvexCore::PromptText(this, QString(), tr("Введите название"), name, &ok);
    if (!ok)
        name = QString();
    if (upperCase)
        name = name.toUpper();
    return ok && !name.isEmpty();
}

bool CClimateDatabaseViewer::InputRegionName(QString &name)
{
    if (!InputName(name, false))
        return false;
    // The tables tell a country from a region by its upper-case name alone.
    if (name != name.toUpper())
        return true;
    Critical(m_regionReadsAsCountry);
    return false;
}

void CClimateDatabaseViewer::Critical(const QString &text)
{
    KorvexCore::PromptCritical(this, m_title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

bool CClimateDatabaseViewer::ConfirmDelete(const QString &question)
{
    return KorvexCore::PromptQuestion(this, m_title, question, QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::NoButton)
        != QMessageBox::No;
}

// ---------------------------------------------------------------------------------------
// Slots

void CClimateDatabaseViewer::closeEvent(QCloseEvent *pEvent)
{
    if (m_modified
        && KorvexCore::PromptQuestion(this, m_title, m_saveQuestion,
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton)
            == QMessageBox::Yes)
        OnSaveChangesBtn();
    pEvent->accept();
}

void CClimateDatabaseViewer::OnClickTree(QTreeWidgetItem *pItem, int nColumn)
{
    if (!m_ui->m_pTreeWidget || !m_ui->m_pTabWidget || !pItem)
        return;
    m_current = TSettlementPath();
    QTreeWidgetItem *parent = pItem->parent();
    if (!parent) {
        ShowActions({ m_pAddRegion, m_pSeparator, m_pAddCountry, m_pModCountry, m_pDelCountry });
    } else if (!parent->parent()) {
        ShowActions({ m_pAddCity, m_pSeparator, m_pModRegion, m_pDelRegion });
    } else {
        const TSettlementPath path { itemText(parent->parent(), nColumn), itemText(parent, nColumn),
                                     pItem->text(nColumn), true };
        CCountry *country = m_pDatabase->FindCountry(path.country);
        CRegion *region = country ? country->FindRegion(path.region) : nullptr;
        if (region && region->FindSettlement(path.settlement)) {
            m_current = path;
            ShowActions({ m_pModCity, m_pDelCity });
        }
    }
    UpdateTabData(true, m_ui->m_pTabWidget->currentIndex());
}

void CClimateDatabaseViewer::OnTabIndexChanged(int nIndex)
{
    if (nIndex != -1)
        UpdateTabData(true, nIndex);
}

void CClimateDatabaseViewer::OnSaveChangesBtn()
{
    WriteClimateTables(*m_pDatabase, m_pDatabase->GetCountries(),
                       { m_table1, m_table2, m_table3, m_table5 });
    if (m_pDatabase->GetLastError().IsValid()) {
        // Nothing was written; the tree stays as edited and still counts as changed.
        KorvexCore::ReportFailedSave(*m_pDatabase);
        return;
    }
    KorvexCore::PromptInformation(this, m_title, m_saved, QMessageBox::Ok, QMessageBox::NoButton);
    m_modified = false;
}

void CClimateDatabaseViewer::OnAddCountry()
{
    QString name;
    if (!InputName(name, true))
        return;
    if (m_pDatabase->FindCountry(name))
        return Critical(m_countryExists);
    m_pDatabase->InsertCountry(CCountry(name));
    AddCountryItem(name);
    m_modified = true;
}

void CClimateDatabaseViewer::OnModCountry()
{
    QTreeWidgetItem *item = m_ui->m_pTreeWidget->currentItem();
    if (!item)
        return;
    const QString oldName = item->text(0);
    QString name = oldName;
    if (!InputName(name, true))
        return;
    if (m_pDatabase->FindCountry(name))
        return Critical(m_countryExists);
    const CCountry *old = m_pDatabase->FindCountry(oldName);
    if (!old)
        return Critical(m_countryNotFound);
    CCountry renamed = *old;
    renamed.SetName(name);
    m_pDatabase->DeleteCountry(CCountry(oldName));
    m_pDatabase->InsertCountry(renamed);
    item->setText(0, name);
    if (m_current.set && m_current.country == oldName)
        m_current.country = name;
    m_modified = true;
}

void CClimateDatabaseViewer::OnDelCountry()
{
    QTreeWidgetItem *item = m_ui->m_pTreeWidget->currentItem();
    if (!item || !ConfirmDelete(m_confirmDeleteCountry))
        return;
    const QString name = item->text(0);
    if (!m_pDatabase->FindCountry(name))
        return Critical(m_countryNotFound);
    m_pDatabase->DeleteCountry(CCountry(name));
    delete item;
    if (m_current.country == name)
        m_current = TSettlementPath();
    m_modified = true;
}

void CClimateDatabaseViewer::OnAddRegion()
{
    QTreeWidgetItem *item = m_ui->m_pTreeWidget->currentItem();
    if (!item)
        return;
    QString name;
    if (!InputRegionName(name))
        return;
    CCountry *country = m_pDatabase->FindCountry(item->text(0));
    if (!country)
        return Critical(m_countryNotFound);
    if (country->FindRegion(name))
        return Critical(m_regionExists);
    country->InsertRegion(CRegion(name));
    AddRegionItem(name, item);
    m_modified = true;
}

void CClimateDatabaseViewer::OnModRegion()
{
    QTreeWidgetItem *item = m_ui->m_pTreeWidget->currentItem();
    if (!item)
        return;
    const QString oldName = item->text(0);
    QString name = oldName;
    if (!InputRegionName(name))
        return;
    const QString countryName = itemText(item->parent());
    CCountry *country = m_pDatabase->FindCountry(countryName);
    if (!country)
        return Critical(m_countryNotFound);
    if (country->FindRegion(name))
        return Critical(m_regionExists);
    const CRegion *old = country->FindRegion(oldName);
    if (!old)
        return Critical(m_regionNotFound);
    CRegion renamed = *old;
    renamed.SetName(name);
    country->DeleteRegion(CRegion(oldName));
    country->InsertRegion(renamed);
    item->setText(0, name);
    if (m_current.set && m_current.country == countryName && m_current.region == oldName)
        m_current.region = name;
    m_modified = true;
}

void CClimateDatabaseViewer::OnDelRegion()
{
    QTreeWidgetItem *item = m_ui->m_pTreeWidget->currentItem();
    if (!item || !ConfirmDelete(m_confirmDeleteRegion))
        return;
    const QString countryName = itemText(item->parent());
    CCountry *country = m_pDatabase->FindCountry(countryName);
    if (!country)
        return Critical(m_countryNotFound);
    const QString name = item->text(0);
    if (!country->FindRegion(name))
        return Critical(m_regionNotFound);
    country->DeleteRegion(CRegion(name));
    delete item;
    if (m_current.country == countryName && m_current.region == name)
        m_current = TSettlementPath();
    m_modified = true;
}

void CClimateDatabaseViewer::OnAddCity()
{
    QTreeWidgetItem *item = m_ui->m_pTreeWidget->currentItem();
    if (!item)
        return;
    QString name;
    if (!InputName(name, false))
        return;
    CCountry *country = m_pDatabase->FindCountry(itemText(item->parent()));
    if (!country)
        return Critical(m_countryNotFound);
    CRegion *region = country->FindRegion(item->text(0));
    if (!region)
        return Critical(m_regionNotFound);
    if (region->FindSettlement(name))
        return Critical(m_cityExists);
    region->InsertSettlement(CSettlement(name));
    AddSettlementItem(name, item);
    m_modified = true;
}

void CClimateDatabaseViewer::OnModCity()
{
    QTreeWidgetItem *item = m_ui->m_pTreeWidget->currentItem();
    if (!item)
        return;
    const QString oldName = item->text(0);
    QString name = oldName;
    if (!InputName(name, false))
        return;
    const QString countryName = itemText(item->parent() ? item->parent()->parent() : nullptr);
    const QString regionName = itemText(item->parent());
    CCountry *country = m_pDatabase->FindCountry(countryName);
    if (!country)
        return Critical(m_countryNotFound);
    CRegion *region = country->FindRegion(regionName);
    if (!region)
        return Critical(m_regionNotFound);
    if (region->FindSettlement(name))
        return Critical(m_cityExists);
    const CSettlement *old = region->FindSettlement(oldName);
    if (!old)
        return Critical(m_cityNotFound);
    CSettlement renamed = *old;
    renamed.SetName(name);
    region->DeleteSettlement(CSettlement(oldName));
    region->InsertSettlement(renamed);
    item->setText(0, name);
    if (m_current.set && m_current.country == countryName && m_current.region == regionName
        && m_current.settlement == oldName)
        m_current.settlement = name;
    m_modified = true;
}

void CClimateDatabaseViewer::OnDelCity()
{
    QTreeWidgetItem *item = m_ui->m_pTreeWidget->currentItem();
    if (!item || !ConfirmDelete(m_confirmDeleteCity))
        return;
    const QString countryName = itemText(item->parent() ? item->parent()->parent() : nullptr);
    const QString regionName = itemText(item->parent());
    CCountry *country = m_pDatabase->FindCountry(countryName);
    if (!country)
        return Critical(m_countryNotFound);
    CRegion *region = country->FindRegion(regionName);
    if (!region)
        return Critical(m_regionNotFound);
    const QString name = item->text(0);
    if (!region->FindSettlement(name))
        return Critical(m_cityNotFound);
    region->DeleteSettlement(CSettlement(name));
    delete item;
    if (m_current.country == countryName && m_current.region == regionName
        && m_current.settlement == name)
        m_current = TSettlementPath();
    m_modified = true;
}

} // namespace KorvexClimateDatabase
