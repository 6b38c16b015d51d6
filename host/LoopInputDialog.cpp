#include "LoopInputDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>

CLoopInputDialog::CLoopInputDialog(const std::set<KorvexCoolantDatabase::CCoolant> &coolants,
                                   QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Расчёт петли: исходные данные"));
    const CLoopRequest defaults;
    auto *form = new QFormLayout(this);

    m_coolant = new QComboBox(this);
    m_coolant->setObjectName(QStringLiteral("m_pCoolant"));
    for (const auto &coolant : coolants)
        m_coolant->addItem(coolant.GetName());
    // Without a named coolant the calculation takes water at about 50 °C as it stands.
    m_coolant->addItem(tr("свойства по умолчанию (c 4190, ρ 988, ν 0.556)"));
    form->addRow(tr("Теплоноситель:"), m_coolant);

    m_meanTemp = AddValue(tr("Средняя температура, °C:"), defaults.meanTemp, 1, 200);
    m_meanTemp->setMinimum(-50);
    m_deltaT = new QSpinBox(this);
    m_deltaT->setRange(0, 100);
    m_deltaT->setValue(defaults.deltaT);
    form->addRow(tr("Перепад температур, K:"), m_deltaT);

    m_designValues = {
        AddValue(tr("Тепловой поток основной зоны, Вт/м:"), defaults.heatFluxMain, 1, 1000),
        AddValue(tr("Внутренний диаметр трубы, мм:"), defaults.pipeInnerDiameter, 2, 1000),
        AddValue(tr("Шероховатость трубы, мм:"), defaults.pipeRoughness, 4, 10),
        AddValue(tr("Предельная длина петли, м:"), defaults.loopLengthLimit, 1, 10000),
        AddValue(tr("Тепловой поток краевой зоны, Вт/м:"), defaults.heatFluxEdge, 1, 1000),
        AddValue(tr("Числитель пропорции:"), defaults.splitNumerator, 2, 1000),
        AddValue(tr("Знаменатель пропорции:"), defaults.splitDenominator, 2, 1000),
        AddValue(tr("Восьмое значение (не используется):"), defaults.value8, 2, 1000),
    };

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QDoubleSpinBox *CLoopInputDialog::AddValue(const QString &label, double value, int decimals,
                                           double maximum)
{
    auto *spin = new QDoubleSpinBox(this);
    spin->setDecimals(decimals);
    spin->setRange(0, maximum);
    spin->setValue(value);
    static_cast<QFormLayout *>(layout())->addRow(label, spin);
    return spin;
}

CLoopRequest CLoopInputDialog::Request() const
{
    CLoopRequest request;
    if (m_coolant->currentIndex() < m_coolant->count() - 1)
        request.coolant = m_coolant->currentText();
    request.meanTemp = m_meanTemp->value();
    request.deltaT = m_deltaT->value();
    double *const design[] = { &request.heatFluxMain,     &request.pipeInnerDiameter,
                               &request.pipeRoughness,    &request.loopLengthLimit,
                               &request.heatFluxEdge,     &request.splitNumerator,
                               &request.splitDenominator, &request.value8 };
    for (size_t i = 0; i < m_designValues.size(); ++i)
        *design[i] = m_designValues[i]->value();
    // In the window the zone section is shown, starting with the proportional split.
    request.loop.ZonesHidden = false;
    return request;
}
