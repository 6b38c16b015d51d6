#include "SectionDialog.h"

#include "Plots.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

CSectionDialog::CSectionDialog(const std::set<KorvexMaterialDatabase::TLayerMaterialType> &layers,
                               double resistance,
                               const KorvexClimateDatabase::CClimateDatabase *climate,
                               QWidget *parent)
    : QDialog(parent)
    , m_layers(layers)
    , m_resistance(resistance)
{
    setWindowTitle(tr("Разрез конструкции и температура"));
    m_layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    const auto temperatureBox = [this](double value) {
        auto *box = new QDoubleSpinBox(this);
        box->setRange(-80, 80);
        box->setDecimals(1);
        box->setSuffix(QStringLiteral(" °C"));
        box->setValue(value);
        connect(box, &QDoubleSpinBox::valueChanged, this, &CSectionDialog::Redraw);
        return box;
    };
    m_inside = temperatureBox(20);
    m_inside->setObjectName(QStringLiteral("m_pInside"));
    form->addRow(tr("Температура внутри:"), m_inside);
    m_settlement = new QComboBox(this);
    m_settlement->setObjectName(QStringLiteral("m_pSettlement"));
    m_settlement->addItem(tr("задать вручную"));
    if (climate) {
        for (const auto &country : climate->GetCountries()) {
            for (const auto &region : country.GetRegions()) {
                for (const auto &settlement : region.GetSettlements()) {
                    m_settlements.push_back(&settlement);
                    m_settlement->addItem(
                        QStringLiteral("%1 (%2)").arg(settlement.GetName(), region.GetName()));
                }
            }
        }
    }
    form->addRow(tr("Населённый пункт:"), m_settlement);
    m_outside = temperatureBox(-25);
    m_outside->setObjectName(QStringLiteral("m_pOutside"));
    form->addRow(tr("Температура снаружи:"), m_outside);
    m_layout->addLayout(form);
    connect(m_settlement, &QComboBox::currentIndexChanged, this, &CSectionDialog::Redraw);
    if (!m_settlements.empty())
        m_settlement->setCurrentIndex(1);
    Redraw();
    resize(900, 680);
}

void CSectionDialog::Redraw()
{
    const int chosen = m_settlement->currentIndex();
    CSectionTemperatures temperatures;
    if (chosen > 0) {
        temperatures
            = SettlementTemperatures(*m_settlements[size_t(chosen - 1)], m_inside->value());
        const QSignalBlocker blocker(m_outside);
        m_outside->setValue(temperatures.outside);
    } else {
        temperatures.inside = m_inside->value();
        temperatures.outside = m_outside->value();
    }
    // The outside temperature is the settlement's while one is chosen.
    m_outside->setEnabled(chosen <= 0);
    delete m_plot;
    m_plot = CreateSectionPlot(m_layers, m_resistance, temperatures, this);
    m_layout->addWidget(m_plot, 1);
}
