#include "Coolants/LoopsDialog.h"

#include "Coolants/LoopCalculation_p.h"
#include "core/Prompts.h"
#include "core/WidgetPlacement.h"
#include "ui_LoopsDialog.h"

#include <QSignalBlocker>

namespace KorvexCoolantDatabase {

namespace {
QString number(double value)
{
    return QString::number(value, 'f', 2);
}
} // namespace

CLoopsDialog::CLoopsDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CLoopsDialog>())
{
    m_ui->setupUi(this);

    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CLoopsDialog::reject);
    connect(m_ui->m_pRadioButton1, &QRadioButton::clicked, this, &CLoopsDialog::slotClickedRadio1);
    connect(m_ui->m_pRadioButton2, &QRadioButton::clicked, this, &CLoopsDialog::slotClickedRadio2);
    connect(m_ui->m_pRadioButton3, &QRadioButton::clicked, this, &CLoopsDialog::slotClickedRadio3);
    connect(m_ui->m_pRadioButton4, &QRadioButton::clicked, this, &CLoopsDialog::slotClickedRadio4);
    connect(m_ui->m_pRadioButton5, &QRadioButton::clicked, this, &CLoopsDialog::slotClickedRadio5);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CLoopsDialog::slotClickedOk);
    // The loop length first updates the zone split, then everything is recalculated.
    connect(m_ui->m_pLoopLength, &QLineEdit::textChanged, this,
            &CLoopsDialog::slotChangeEbLoopLength);
    connect(m_ui->m_pCollectorN, &QLineEdit::textChanged, this,
            &CLoopsDialog::slotChangeEbCollectorId);
    for (QLineEdit *input : { m_ui->m_pLoopLength, m_ui->m_pSectionLength, m_ui->m_pNumOtvod,
                              m_ui->m_pNumKalach, m_ui->m_pNumConnectors, m_ui->m_pCollectorDiam,
                              m_ui->m_pPipeLengthMZ, m_ui->m_pPipeLengthRZ }) {
        connect(input, &QLineEdit::textChanged, this, &CLoopsDialog::slotClickedCalculate);
    }
}

CLoopsDialog::~CLoopsDialog() = default;

void CLoopsDialog::InitDialog(const std::set<TCollector> &collectors, const int &deltaT,
                              const CCoolantParams &coolant, const TLoop &loop,
                              const double &heatFluxMain, const double &pipeInnerDiameter,
                              const double &pipeRoughness, const double &loopLengthLimit,
                              const double &heatFluxEdge, const double &splitNumerator,
                              const double &splitDenominator, const double &value8)
{
    m_loop = loop;
    m_coolant = coolant;
    m_deltaT = deltaT;
    m_design = { heatFluxMain, pipeInnerDiameter, pipeRoughness,    loopLengthLimit,
                 heatFluxEdge, splitNumerator,    splitDenominator, value8 };
    m_collectors = collectors;

    BlockSignalWidgets(true);
    m_ui->m_pLoopLength->setText(number(m_loop.LoopLength));
    m_ui->m_pSectionLength->setText(number(m_loop.SectionsLeadingLength));
    m_ui->m_pNumOtvod->setText(QString::number(m_loop.NumPipeBends));
    m_ui->m_pNumKalach->setText(QString::number(m_loop.NumKalatchs));
    m_ui->m_pNumConnectors->setText(QString::number(m_loop.NumJoints));
    m_ui->m_pCollectorN->setText(QString::number(m_loop.IdCollector));
    m_ui->m_pCollectorDiam->setText(number(m_loop.DiamCollector));
    m_ui->m_pLoopLenghtSumm->setText(number(m_loop.LoopLengthSumm));
    m_ui->m_pLoopHeatPressure->setText(number(m_loop.LoopHeatLoad));
    m_ui->m_pCoolantExpenditure->setText(number(m_loop.Expenditure));
    m_ui->m_pCoolantVelocity->setText(number(m_loop.Velocity));
    m_ui->m_pPressureLoss->setText(number(m_loop.LoopPressureLoss));
    m_ui->m_pPipeLengthMZ->setText(number(m_loop.PipeLengthM));
    m_ui->m_pPipeLengthRZ->setText(number(m_loop.PipeLengthR));
    BlockSignalWidgets(false);

    if (m_loop.ZonesHidden) {
        m_ui->groupBox_3->setVisible(false);
    } else {
        // A mode outside 1…5 leaves the zone section exactly as the last loop left it.
        const auto buttons = ZoneModeButtons();
        for (int mode = 1; mode <= 5; ++mode) {
            if (m_loop.RadioID != mode)
                continue;
            m_ui->groupBox_3->setVisible(true);
            buttons[size_t(mode - 1)]->setChecked(true);
            switch (mode) {
            case 1:
                slotClickedRadio1();
                break;
            case 2:
                slotClickedRadio2();
                break;
            case 3:
                slotClickedRadio3();
                break;
            case 4:
                slotClickedRadio4();
                break;
            default:
                slotClickedRadio5();
                break;
            }
            break;
        }
    }
    slotChangeEbCollectorId(m_ui->m_pCollectorN->text());
}

void CLoopsDialog::Calculate()
{
    slotClickedCalculate();
}

void CLoopsDialog::BlockSignalWidgets(bool block) const
{
    for (QLineEdit *edit :
         { m_ui->m_pLoopLength, m_ui->m_pSectionLength, m_ui->m_pNumOtvod, m_ui->m_pNumKalach,
           m_ui->m_pNumConnectors, m_ui->m_pCollectorN, m_ui->m_pCollectorDiam,
           m_ui->m_pLoopLenghtSumm, m_ui->m_pLoopHeatPressure, m_ui->m_pCoolantExpenditure,
           m_ui->m_pCoolantVelocity, m_ui->m_pPressureLoss, m_ui->m_pPipeLengthMZ,
           m_ui->m_pPipeLengthRZ }) {
        edit->blockSignals(block);
    }
}

std::array<QRadioButton *, 5> CLoopsDialog::ZoneModeButtons() const
{
    return { m_ui->m_pRadioButton1, m_ui->m_pRadioButton2, m_ui->m_pRadioButton3,
             m_ui->m_pRadioButton4, m_ui->m_pRadioButton5 };
}

void CLoopsDialog::SetZoneButtonsEnabled(bool zoneButtons, bool lengthEdits)
{
    m_ui->m_pRadioButton4->setEnabled(zoneButtons);
    m_ui->m_pRadioButton5->setEnabled(zoneButtons);
    m_ui->m_pPipeLengthMZ->setEnabled(lengthEdits);
    m_ui->m_pPipeLengthRZ->setEnabled(lengthEdits);
}

void CLoopsDialog::ShowZoneLengths()
{
    const QSignalBlocker blockMain(m_ui->m_pPipeLengthMZ);
    const QSignalBlocker blockEdge(m_ui->m_pPipeLengthRZ);
    m_ui->m_pPipeLengthMZ->setText(number(m_loop.PipeLengthM));
    m_ui->m_pPipeLengthRZ->setText(number(m_loop.PipeLengthR));
}

void CLoopsDialog::slotClickedRadio1()
{
    SetZoneButtonsEnabled(false, false);
    m_loop.PipeLengthR = ProportionalEdgeLength(m_loop.LoopLength, m_design);
    m_loop.PipeLengthM = m_loop.LoopLength - m_loop.PipeLengthR;
    ShowZoneLengths();
    slotClickedCalculate();
}

void CLoopsDialog::slotClickedRadio2()
{
    SetZoneButtonsEnabled(true, false);
    m_ui->m_pRadioButton4->setChecked(true);
    slotClickedRadio4();
}

void CLoopsDialog::slotClickedRadio3()
{
    // The user types both lengths; they are taken as they stand.
    SetZoneButtonsEnabled(false, true);
    slotClickedCalculate();
}

void CLoopsDialog::slotClickedRadio4()
{
    if (m_ui->m_pRadioButton4->isChecked()) {
        m_loop.PipeLengthR = 0;
        m_loop.PipeLengthM = m_loop.LoopLength;
    }
    ShowZoneLengths();
    slotClickedCalculate();
}

void CLoopsDialog::slotClickedRadio5()
{
    if (m_ui->m_pRadioButton5->isChecked()) {
        m_loop.PipeLengthR = m_loop.LoopLength;
        m_loop.PipeLengthM = 0;
    }
    ShowZoneLengths();
    slotClickedCalculate();
}

void CLoopsDialog::slotChangeEbLoopLength(const QString &text)
{
    // Too long a loop takes no part in the split; the calculation still uses its length.
    m_loop.LoopLength = text.toDouble();
    if (m_loop.LoopLength > m_design.LoopLengthLimit)
        m_loop.LoopLength = 0;
    if (m_ui->m_pRadioButton2->isChecked())
        slotClickedRadio2();
    else if (m_ui->m_pRadioButton3->isChecked())
        slotClickedRadio3();
    else
        slotClickedRadio1();
}

void CLoopsDialog::slotChangeEbCollectorId(const QString &)
{
    m_loop.IdCollector = unsigned(m_ui->m_pCollectorN->text().toInt(nullptr, 10));
    m_loop.DiamCollector = 0;
    TCollector key;
    key.Id = m_loop.IdCollector;
    const auto collector = m_collectors.find(key);
    if (collector != m_collectors.end())
        m_loop.DiamCollector = collector->Diameter;
    m_ui->m_pCollectorDiam->setText(number(m_loop.DiamCollector));
    slotClickedCalculate();
}

void CLoopsDialog::slotClickedCalculate()
{
    m_loop.LoopLength = m_ui->m_pLoopLength->text().toDouble();
    m_loop.SectionsLeadingLength = m_ui->m_pSectionLength->text().toDouble();
    m_loop.NumPipeBends = m_ui->m_pNumOtvod->text().toInt(nullptr, 10);
    m_loop.NumKalatchs = m_ui->m_pNumKalach->text().toInt(nullptr, 10);
    m_loop.NumJoints = m_ui->m_pNumConnectors->text().toInt(nullptr, 10);
    m_loop.IdCollector = unsigned(m_ui->m_pCollectorN->text().toInt(nullptr, 10));
    m_loop.DiamCollector = m_ui->m_pCollectorDiam->text().toDouble();
    m_loop.PipeLengthM = m_ui->m_pPipeLengthMZ->text().toDouble();
    m_loop.PipeLengthR = m_ui->m_pPipeLengthRZ->text().toDouble();

    CalculateLoop(m_loop, m_deltaT, m_coolant, m_design);

    m_ui->m_pLoopLenghtSumm->setText(number(m_loop.LoopLengthSumm));
    m_ui->m_pLoopHeatPressure->setText(number(m_loop.LoopHeatLoad));
    m_ui->m_pCoolantExpenditure->setText(number(m_loop.Expenditure));
    m_ui->m_pCoolantVelocity->setText(number(m_loop.Velocity));
    m_ui->m_pPressureLoss->setText(number(m_loop.LoopPressureLoss));
}

void CLoopsDialog::slotClickedOk()
{
    const auto buttons = ZoneModeButtons();
    for (int mode = 1; mode <= 5; ++mode) {
        if (buttons[size_t(mode - 1)]->isChecked()) {
            m_loop.RadioID = mode;
            break;
        }
    }
    if (m_ui->m_pCollectorDiam->text().toDouble() == 0) {
        KorvexCore::PromptCritical(this, tr("Сообщение Korvex. Модуль KorvexDatabase"),
                                   tr("Диаметр коллектора не может быть равен 0!"),
                                   QMessageBox::Ok);
        return;
    }
    accept();
}

// ---------------------------------------------------------------------------------------
// The coolant database owns the dialog for its whole life.

CCoolantDatabase::CCoolantDatabase()
    : CTableDatabase(KorvexInterfaces::CoolantDatabaseType,
                     QCoreApplication::translate("QApplication", "Теплоносители"))
    , m_tableName(QStringLiteral("COOLANTS"))
    , m_loopsDialog(new CLoopsDialog(nullptr))
{
    KorvexCore::CenterOnScreen(m_loopsDialog, nullptr);
}

CCoolantDatabase::~CCoolantDatabase()
{
    delete m_loopsDialog;
}

// ---------------------------------------------------------------------------------------
// Loops calculator

bool CCoolantDatabase::ShowUserDialog(const std::set<TCollector> &collectors, const int &deltaT,
                                      const CCoolantParams &coolant, const TLoop &loop,
                                      const double &heatFluxMain, const double &pipeInnerDiameter,
                                      const double &pipeRoughness, const double &loopLengthLimit,
                                      const double &heatFluxEdge, const double &splitNumerator,
                                      const double &splitDenominator, const double &value8) const
{
    if (!m_loopsDialog)
        return false;
    m_loopsDialog->InitDialog(collectors, deltaT, coolant, loop, heatFluxMain, pipeInnerDiameter,
                              pipeRoughness, loopLengthLimit, heatFluxEdge, splitNumerator,
                              splitDenominator, value8);
    return m_loopsDialog->exec() == QDialog::Accepted;
}

const TLoop &CCoolantDatabase::ReCalculate(
    const std::set<TCollector> &collectors, const int &deltaT, const CCoolantParams &coolant,
    const TLoop &loop, const double &heatFluxMain, const double &pipeInnerDiameter,
    const double &pipeRoughness, const double &loopLengthLimit, const double &heatFluxEdge,
    const double &splitNumerator, const double &splitDenominator, const double &value8) const
{
    if (!m_loopsDialog)
        return loop;
    m_loopsDialog->InitDialog(collectors, deltaT, coolant, loop, heatFluxMain, pipeInnerDiameter,
                              pipeRoughness, loopLengthLimit, heatFluxEdge, splitNumerator,
                              splitDenominator, value8);
    m_loopsDialog->Calculate();
    return m_loopsDialog->GetLoop();
}

const TLoop &CCoolantDatabase::GetUserDialogParams() const
{
    static const TLoop defaultLoop;
    return m_loopsDialog ? m_loopsDialog->GetLoop() : defaultLoop;
}

} // namespace KorvexCoolantDatabase
