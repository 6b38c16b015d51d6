#include "HostWindow.h"

#include "DevicesDIN/DeviceDINDatabaseTypes.h"
#include "Pipes/PipeDatabaseTypes.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

int TopLevelRecordCount(const KorvexInterfaces::IKorvexCommonDatabase *database)
{
    // Only the inline getters of the library's headers are used here: the host does
    // not link the library, it loads it.
    switch (database->GetType()) {
    case 11:
        return int(
            static_cast<const KorvexPipeDatabase::CPipeDatabase *>(database)->GetPipes().size());
    case 17:
        return int(static_cast<const KorvexDeviceDINDatabase::CDeviceDINDatabase *>(database)
                       ->GetDeviceDINs()
                       .size());
    default:
        return -1;
    }
}

CHostWindow::CHostWindow(const CDatabaseRegistry &registry, QWidget *parent)
    : QMainWindow(parent)
    , m_registry(registry)
{
    setWindowTitle(tr("Korvex — справочные базы"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_table = new QTableWidget(0, 3, central);
    m_table->setObjectName(QStringLiteral("m_pDatabaseTable"));
    m_table->setHorizontalHeaderLabels({ tr("База"), tr("Тип"), tr("Записей") });
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table);
    auto *open = new QPushButton(tr("Открыть редактор"), central);
    open->setObjectName(QStringLiteral("m_pOpenEditor"));
    layout->addWidget(open);
    setCentralWidget(central);
    connect(open, &QPushButton::clicked, this, &CHostWindow::slotOpenEditor);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &CHostWindow::slotOpenEditor);
    Refresh();
    if (m_table->rowCount() > 0)
        m_table->selectRow(0);
    resize(520, 360);
}

void CHostWindow::Refresh()
{
    const auto &databases = m_registry.Databases();
    m_table->setRowCount(int(databases.size()));
    for (int row = 0; row < int(databases.size()); ++row) {
        const auto *database = databases[size_t(row)];
        m_table->setItem(row, 0, new QTableWidgetItem(database->GetName()));
        m_table->setItem(row, 1, new QTableWidgetItem(QString::number(database->GetType())));
        const int count = TopLevelRecordCount(database);
        m_table->setItem(row, 2,
                         new QTableWidgetItem(count < 0 ? tr("—") : QString::number(count)));
    }
    m_table->resizeColumnsToContents();
}

void CHostWindow::slotOpenEditor()
{
    const int row = m_table->currentRow();
    const auto &databases = m_registry.Databases();
    if (row < 0 || row >= int(databases.size()))
        return;
    databases[size_t(row)]->ShowContent();
    Refresh();
    m_table->selectRow(row);
}
