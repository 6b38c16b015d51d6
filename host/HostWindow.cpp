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

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
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

bool SaveEditorScreenshot(const CDatabaseRegistry &registry, int type, const QString &file)
{
    for (auto *database : registry.Databases()) {
        if (database->GetType() != type)
            continue;
        // The editor runs modally: it is grabbed and rejected from inside its own loop.
        bool saved = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto *editor = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                poll.stop();
                saved = editor->grab().save(file);
                editor->reject();
            }
        });
        poll.start(20);
        database->ShowContent();
        return saved;
    }
    return false;
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
    // Headings in bold over a selected row would outgrow the widths sized to their plain text.
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    layout->addWidget(m_table);
    // Every editor is one click away: a button in its row.
    m_table->setRowCount(int(m_registry.Databases().size()));
    int buttonWidth = 0;
    for (int row = 0; row < int(m_registry.Databases().size()); ++row) {
        const bool viewer = m_registry.Databases()[size_t(row)]->GetType()
            == KorvexInterfaces::ClimateDatabaseType;
        auto *open = new QPushButton(viewer ? tr("Просмотр…") : tr("Редактор…"), m_table);
        open->setObjectName(QStringLiteral("m_pOpenEditor%1").arg(row));
        connect(open, &QPushButton::clicked, this, [this, row] { OpenEditor(row); });
        m_table->setCellWidget(row, 3, open);
        // The view does not size its columns and rows to the buttons on its own.
        buttonWidth = std::max(buttonWidth, open->sizeHint().width());
        m_table->verticalHeader()->setMinimumSectionSize(open->sizeHint().height());
    }
    m_table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Fixed);
    m_table->setColumnWidth(3, buttonWidth + 2 * fontMetrics().averageCharWidth());
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
    addButton(QStringLiteral("m_pBuildConstruction"), tr("Конструкция из слоёв и её разрез…"), 0, 2,
              &CHostWindow::slotBuildConstruction);
    tools->addWidget(new QLabel(tr("Графики:"), central), 1, 0);
    addButton(QStringLiteral("m_pPlotCoolant"), tr("Свойства теплоносителя…"), 1, 1,
              &CHostWindow::slotPlotCoolant);
    tools->setColumnStretch(3, 1);
    tools->setColumnMinimumWidth(1, 220);
    layout->addLayout(tools);
    setCentralWidget(central);
    Refresh();
    if (m_table->rowCount() > 0)
        m_table->selectRow(0);
    resize(680, 440);
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
    // Sized to their widest heading or value, with room to breathe: sized exactly, the
    // short columns read as one with their neighbours.
    QHeaderView *header = m_table->horizontalHeader();
    const int padding = 2 * fontMetrics().averageCharWidth();
    for (const int column : { 1, 2 }) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        m_table->resizeColumnToContents(column);
        m_table->setColumnWidth(column, m_table->columnWidth(column) + padding);
    }
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
