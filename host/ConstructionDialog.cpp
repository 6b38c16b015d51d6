#include "ConstructionDialog.h"

#include "LayerRun.h"
#include "SectionDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdio>

using KorvexMaterialDatabase::TLayerMaterialType;

CConstructionDialog::CConstructionDialog(const KorvexMaterialDatabase::CMaterialDatabase &database,
                                         const KorvexClimateDatabase::CClimateDatabase *climate,
                                         QWidget *parent)
    : QDialog(parent)
    , m_database(database)
    , m_climate(climate)
{
    setWindowTitle(tr("Конструкция из слоёв"));
    auto *layout = new QVBoxLayout(this);
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("m_pLayersTable"));
    m_table->setHorizontalHeaderLabels({ tr("Материал"), tr("δ, см"), tr("λ, Вт/м К") });
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(m_table);
    m_resistance = new QLabel(this);
    m_resistance->setObjectName(QStringLiteral("m_pResistance"));
    layout->addWidget(m_resistance);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *add = buttons->addButton(tr("Добавить слой…"), QDialogButtonBox::ActionRole);
    add->setObjectName(QStringLiteral("m_pAddLayer"));
    QPushButton *show = buttons->addButton(tr("Показать слои"), QDialogButtonBox::ActionRole);
    show->setObjectName(QStringLiteral("m_pShowLayers"));
    QPushButton *section
        = buttons->addButton(tr("Разрез и температура…"), QDialogButtonBox::ActionRole);
    section->setObjectName(QStringLiteral("m_pShowSection"));
    buttons->addButton(tr("Закрыть"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(add, &QPushButton::clicked, this, &CConstructionDialog::slotAddLayer);
    connect(show, &QPushButton::clicked, this, &CConstructionDialog::slotShowLayers);
    connect(section, &QPushButton::clicked, this, &CConstructionDialog::slotShowSection);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, 320);
    Refresh();
}

double CConstructionDialog::Resistance() const
{
    return m_database.CalculateLayerResistance(m_table);
}

void CConstructionDialog::slotAddLayer()
{
    if (!m_database.ShowUserDialog(m_lastGroup, m_lastMaterial, 10.0, -1.0))
        return;
    TLayerMaterialType layer;
    m_database.GetUserDialogParams(layer.LayerMaterial, layer.Lambda, layer.Thickness);
    layer.LayerMaterialID = m_layers.empty() ? 1 : m_layers.rbegin()->LayerMaterialID + 1;
    m_lastGroup = layer.LayerMaterial.section(QStringLiteral(": "), 0, 0);
    m_lastMaterial = layer.LayerMaterial.section(QStringLiteral(": "), 1);
    m_layers.insert(layer);
    Refresh();
    const QString printed = FormatLayers(m_layers, Resistance());
    std::fputs(printed.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void CConstructionDialog::slotShowLayers()
{
    m_database.ShowLayers(m_layers, this);
}

void CConstructionDialog::slotShowSection()
{
    CSectionDialog(m_layers, Resistance(), m_climate, this).exec();
}

void CConstructionDialog::Refresh()
{
    FillLayerTable(m_table, m_layers);
    m_resistance->setText(
        tr("Термическое сопротивление R = %1 м²·К/Вт").arg(QString::number(Resistance(), 'f', 3)));
}
