#include "HostWindow.h"
#include "ConstructionDialog.h"
#include "LayerRun.h"
#include "LoopInputDialog.h"
#include "Plots.h"

#include "Climate/ClimateDatabaseTypes.h"
#include "Consumers/ConsumerDatabaseTypes.h"
#include "Coolants/CoolantDatabaseTypes.h"
#include "DevicesDIN/DeviceDINDatabaseTypes.h"
#include "Embrasures/EmbrasureDatabaseTypes.h"
#include "Kms/KmsDatabaseTypes.h"
#include "Materials/MaterialDatabaseTypes.h"
#include "Pipes/PipeDatabaseTypes.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdio>

int TopLevelRecordCount(const KorvexInterfaces::IKorvexCommonDatabase *database)
{
    switch (database->GetType()) {
    case KorvexInterfaces::PipeDatabaseType:
        return int(
            static_cast<const KorvexPipeDatabase::CPipeDatabase *>(database)->GetPipes().size());
    case KorvexInterfaces::DeviceDINDatabaseType:
        return int(static_cast<const KorvexDeviceDINDatabase::CDeviceDINDatabase *>(database)
                       ->GetDeviceDINs()
                       .size());
    case KorvexInterfaces::ClimateDatabaseType:
        return int(static_cast<const KorvexClimateDatabase::CClimateDatabase *>(database)
                       ->GetCountries()
                       .size());
    case KorvexInterfaces::CoolantDatabaseType:
        return int(static_cast<const KorvexCoolantDatabase::CCoolantDatabase *>(database)
                       ->GetCoolants()
                       .size());
    case KorvexInterfaces::KmsDatabaseType:
        return int(
            static_cast<const KorvexKmsDatabase::CKmsDatabase *>(database)->GetDevices().size());
    case KorvexInterfaces::MaterialDatabaseType:
        return int(static_cast<const KorvexMaterialDatabase::CMaterialDatabase *>(database)
                       ->GetMaterialsGroups()
                       .size());
    case KorvexInterfaces::ConsumerDatabaseType:
        return int(static_cast<const KorvexConsumerDatabase::CConsumerDatabase *>(database)
                       ->GetConsumers()
                       .size());
    case KorvexInterfaces::EmbrasureDatabaseType:
        return int(static_cast<const KorvexEmbrasureDatabase::CEmbrasureDatabase *>(database)
                       ->GetEmbrasuresGroups()
                       .size());
    default:
        return -1;
    }
}

QString RecordCountText(const KorvexInterfaces::IKorvexCommonDatabase *database)
{
    if (database->GetType() == KorvexInterfaces::KmsDatabaseType) {
        // categories/devices/designations/coefficients
        size_t devices = 0, subNames = 0, coefficients = 0;
        const auto *kms = static_cast<const KorvexKmsDatabase::CKmsDatabase *>(database);
        for (const KorvexKmsDatabase::CDevices &category : kms->GetDevices()) {
            devices += category.GetDevicesHeatingContainer().size();
            for (const auto &device : category.GetDevicesHeatingContainer()) {
                subNames += device.GetDevicesHeatingSubNameContainer().size();
                for (const auto &subName : device.GetDevicesHeatingSubNameContainer())
                    coefficients += subName.GetDupContainer().size();
            }
        }
        return QStringLiteral("%1/%2/%3/%4")
            .arg(kms->GetDevices().size())
            .arg(devices)
            .arg(subNames)
            .arg(coefficients);
    }
    if (database->GetType() == KorvexInterfaces::ClimateDatabaseType) {
        // Countries, regions and settlements.
        int regions = 0, settlements = 0;
        for (const auto &country :
             static_cast<const KorvexClimateDatabase::CClimateDatabase *>(database)
                 ->GetCountries()) {
            regions += int(country.GetRegions().size());
            for (const auto &region : country.GetRegions())
                settlements += int(region.GetSettlements().size());
        }
        return QStringLiteral("%1/%2/%3")
            .arg(TopLevelRecordCount(database))
            .arg(regions)
            .arg(settlements);
    }
    const int count = TopLevelRecordCount(database);
    return count < 0 ? QStringLiteral("-") : QString::number(count);
}

CHostWindow::CHostWindow(const CDatabaseRegistry &registry, QWidget *parent)
    : QMainWindow(parent)
    , m_registry(registry)
{
    setWindowTitle(tr("Korvex — справочные базы"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_table = new QTableWidget(0, 4, central);
    m_table->setObjectName(QStringLiteral("m_pDatabaseTable"));
    m_table->setHorizontalHeaderLabels({ tr("База"), tr("Тип"), tr("Записей"), QString() });
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    layout->addWidget(m_table);
    // Every editor is one click away: a button in its row.
    m_table->setRowCount(int(m_registry.Databases().size()));
    for (int row = 0; row < int(m_registry.Databases().size()); ++row) {
        const bool viewer = m_registry.Databases()[size_t(row)]->GetType()
            == KorvexInterfaces::ClimateDatabaseType;
        auto *open = new QPushButton(viewer ? tr("Просмотр…") : tr("Редактор…"), m_table);
        open->setObjectName(QStringLiteral("m_pOpenEditor%1").arg(row));
        connect(open, &QPushButton::clicked, this, [this, row] { OpenEditor(row); });
        m_table->setCellWidget(row, 3, open);
    }
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row) { OpenEditor(row); });

    auto *tools = new QGridLayout;
    const auto addButton = [&](const QString &name, const QString &text, int row, int column,
                               void (CHostWindow::*slot)()) {
        auto *button = new QPushButton(text, central);
        button->setObjectName(name);
        tools->addWidget(button, row, column);
        connect(button, &QPushButton::clicked, this, slot);
    };
    tools->addWidget(new QLabel(tr("Расчёты:"), central), 0, 0);
    addButton(QStringLiteral("m_pRunLoop"), tr("Расчёт петли…"), 0, 1,
              &CHostWindow::slotRunLoopCalculator);
    addButton(QStringLiteral("m_pBuildConstruction"), tr("Конструкция из слоёв и разрез…"), 0, 2,
              &CHostWindow::slotBuildConstruction);
    addButton(QStringLiteral("m_pPlotCoolant"), tr("График теплоносителя…"), 0, 3,
              &CHostWindow::slotPlotCoolant);
    layout->addLayout(tools);
    setCentralWidget(central);
    Refresh();
    if (m_table->rowCount() > 0)
        m_table->selectRow(0);
    resize(640, 420);
}

void CHostWindow::Refresh()
{
    const auto &databases = m_registry.Databases();
    m_table->setRowCount(int(databases.size()));
    for (int row = 0; row < int(databases.size()); ++row) {
        const auto *database = databases[size_t(row)];
        m_table->setItem(row, 0, new QTableWidgetItem(database->GetName()));
        m_table->setItem(row, 1, new QTableWidgetItem(QString::number(database->GetType())));
        const QString count = RecordCountText(database);
        m_table->setItem(row, 2, new QTableWidgetItem(count == "-" ? tr("—") : count));
    }
    m_table->resizeColumnsToContents();
}

void CHostWindow::OpenEditor(int row)
{
    const auto &databases = m_registry.Databases();
    if (row < 0 || row >= int(databases.size()))
        return;
    databases[size_t(row)]->ShowContent();
    Refresh();
    m_table->selectRow(row);
}

void CHostWindow::slotRunLoopCalculator()
{
    KorvexCoolantDatabase::CCoolantDatabase *coolants = FindCoolantDatabase(m_registry);
    if (!coolants)
        return;
    CLoopInputDialog input(coolants->GetCoolants(), this);
    if (input.exec() != QDialog::Accepted)
        return;
    const CLoopRequest request = input.Request();
    const KorvexCoolantDatabase::CCoolantParams properties = CoolantProperties(*coolants, request);
    if (properties.GetC() == 0) {
        QMessageBox::warning(this, windowTitle(),
                             tr("У теплоносителя \"%1\" нет свойств при %2 °C.")
                                 .arg(request.coolant, QString::number(request.meanTemp)));
        return;
    }
    if (!ShowLoopDialog(*coolants, request, properties))
        return;
    const QString results = FormatLoopResults(coolants->GetUserDialogParams());
    std::fputs(results.toUtf8().constData(), stdout);
    std::fflush(stdout);
    QMessageBox::information(this, windowTitle(), results);
}

void CHostWindow::slotBuildConstruction()
{
    const KorvexMaterialDatabase::CMaterialDatabase *materials = FindMaterialDatabase(m_registry);
    if (!materials)
        return;
    CConstructionDialog construction(*materials,
                                     FindDatabase<KorvexClimateDatabase::CClimateDatabase>(
                                         m_registry, KorvexInterfaces::ClimateDatabaseType),
                                     this);
    construction.exec();
}

void CHostWindow::slotPlotCoolant()
{
    KorvexCoolantDatabase::CCoolantDatabase *coolants = FindCoolantDatabase(m_registry);
    if (!coolants || coolants->GetCoolants().empty())
        return;
    QStringList names;
    for (const auto &coolant : coolants->GetCoolants())
        names << coolant.GetName();
    bool ok = false;
    const QString name
        = QInputDialog::getItem(this, windowTitle(), tr("Теплоноситель:"), names, 0, false, &ok);
    const KorvexCoolantDatabase::CCoolant *coolant = coolants->FindCoolant(name);
    if (!ok || !coolant)
        return;
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Свойства теплоносителя «%1»").arg(name));
    auto *layout = new QVBoxLayout(&dialog);
    QWidget *plot = CreateCoolantPlot(*coolants, *coolant, &dialog);
    layout->addWidget(plot);
    dialog.resize(plot->size());
    dialog.exec();
}
