#pragma once

#include "Climate/ClimateDatabaseTypes.h"
#include "KorvexDatabase_export.h"

#include <QCloseEvent>
#include <QDialog>
#include <QIcon>
#include <QString>

#include <memory>
#include <vector>

class QAction;
class QTreeWidgetItem;

namespace KorvexClimateDatabase {

class CColdSeasonDialog;
class CWarmSeasonDialog;
class CTemperatureDialog;
class CPressureDialog;

namespace Ui {
class CClimateFormDialog;
}

/// The editor of the climate database: the country / region / settlement tree with its
/// context menu on the left, the four parameter dialogs of the clicked settlement as
/// tabs on the right. It edits the database's own countries in place; its save button
/// writes all four tables. The database creates one viewer and keeps it for its life.
class KORVEXDATABASE_EXPORT CClimateDatabaseViewer : public QDialog
{
    Q_OBJECT
public:
    CClimateDatabaseViewer(CClimateDatabase *database, const QString &table1, const QString &table2,
                           const QString &table3, const QString &table5, QWidget *parent = nullptr);
    ~CClimateDatabaseViewer() override;

    /// Rebuilds the tree from \a countries; the first country becomes the current item.
    void FillTree(const std::vector<CCountry> &countries);
    /// Moves the record of tab \a tabIndex (0 cold, 1 warm, 2 temperature, 3 pressure)
    /// from the current settlement into its dialog (\a toDialog) or back.
    void UpdateTabData(bool toDialog, int tabIndex);
    /// Asks for a name starting from \a name; true when confirmed and not empty.
    bool InputName(QString &name, bool upperCase);
    /// InputName for a region; refuses a name that would be read back as a country.
    bool InputRegionName(QString &name);
    QTreeWidgetItem *AddCountryItem(const QString &name);
    QTreeWidgetItem *AddRegionItem(const QString &name, QTreeWidgetItem *country);
    QTreeWidgetItem *AddSettlementItem(const QString &name, QTreeWidgetItem *region);

    /// The settlement the dialogs show and edit, or null. It is looked up by its country,
    /// region and settlement names on every use, so a change of the containers (by this
    /// viewer, a reload or the host) can never leave it pointing at a destroyed element.
    CSettlement *GetCurrentSettlement() const;
    /// Whether a country, region or settlement was added, renamed or deleted since the
    /// last successful save.
    bool IsModified() const { return m_modified; }

public slots:
    void closeEvent(QCloseEvent *pEvent) override;
    void OnClickTree(QTreeWidgetItem *pItem, int nColumn);
    void OnTabIndexChanged(int nIndex);
    void OnSaveChangesBtn();
    void OnAddCountry();
    void OnDelCountry();
    void OnModCountry();
    void OnAddRegion();
    void OnDelRegion();
    void OnModRegion();
    void OnAddCity();
    void OnDelCity();
    void OnModCity();

private:
    /// Where the current settlement is: names from the country down.
    struct TSettlementPath
    {
        QString country, region, settlement;
        bool set = false;
    };

    void Critical(const QString &text);
    bool ConfirmDelete(const QString &question);
    void ShowActions(const std::vector<QAction *> &actions);
    QTreeWidgetItem *NewItem(QTreeWidgetItem *parent, const QString &name, const QIcon &icon);
    QAction *MakeAction(const QString &text, void (CClimateDatabaseViewer::*slot)());

    std::unique_ptr<Ui::CClimateFormDialog> m_ui;
    QString m_table1, m_table2, m_table3, m_table5;
    QString m_title;
    QString m_countryNotFound, m_countryExists, m_confirmDeleteCountry;
    QString m_regionNotFound, m_regionExists, m_regionReadsAsCountry, m_confirmDeleteRegion;
    QString m_cityNotFound, m_cityExists, m_confirmDeleteCity;
    QString m_saveQuestion, m_saved;
    bool m_modified = false;
    CWarmSeasonDialog *m_pWarmSeasonDialog = nullptr;
    CTemperatureDialog *m_pTemperatureDialog = nullptr;
    CPressureDialog *m_pPressureDialog = nullptr;
    CColdSeasonDialog *m_pColdSeasonDialog = nullptr;
    CClimateDatabase *m_pDatabase;
    TSettlementPath m_current;
    // Every item of a level shares its level's icon: reading the image once per item
    // would cost more than the rest of a refill.
    QIcon m_countryIcon, m_regionIcon, m_settlementIcon;
    QAction *m_pSeparator = nullptr;
    QAction *m_pAddCountry = nullptr, *m_pDelCountry = nullptr, *m_pModCountry = nullptr;
    QAction *m_pAddRegion = nullptr, *m_pDelRegion = nullptr, *m_pModRegion = nullptr;
    QAction *m_pAddCity = nullptr, *m_pDelCity = nullptr, *m_pModCity = nullptr;
};

} // namespace KorvexClimateDatabase
