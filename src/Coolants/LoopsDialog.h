#pragma once

#include "Coolants/CoolantDatabaseTypes.h"
#include "KorvexDatabase_export.h"

#include <QDialog>

#include <array>
#include <memory>
#include <set>

class QRadioButton;

namespace KorvexCoolantDatabase {

namespace Ui {
class CLoopsDialog;
}

/// The loops-and-collectors calculator: the user edits one loop of a floor-heating
/// circuit and sees its length, heat load, flow, velocity and pressure loss at once.
/// Owned by CCoolantDatabase and reused for every loop.
class KORVEXDATABASE_EXPORT CLoopsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CLoopsDialog(QWidget *parent = nullptr);
    ~CLoopsDialog() override;

    /// Takes copies of everything the calculation needs and shows \a loop.
    void InitDialog(const std::set<TCollector> &collectors, const int &deltaT,
                    const CCoolantParams &coolant, const TLoop &loop, const double &heatFluxMain,
                    const double &pipeInnerDiameter, const double &pipeRoughness,
                    const double &loopLengthLimit, const double &heatFluxEdge,
                    const double &splitNumerator, const double &splitDenominator,
                    const double &value8);
    /// Reads the inputs from the edits, recalculates and shows the results.
    void Calculate();
    void BlockSignalWidgets(bool block) const;

    const TLoop &GetLoop() const { return m_loop; }

public slots:
    void slotClickedRadio1();
    void slotClickedRadio2();
    void slotClickedRadio3();
    void slotClickedRadio4();
    void slotClickedRadio5();
    void slotChangeEbLoopLength(const QString &text);
    void slotChangeEbCollectorId(const QString &text);
    void slotClickedCalculate();
    void slotClickedOk();

private:
    void ShowZoneLengths();
    void SetZoneButtonsEnabled(bool zoneButtons, bool lengthEdits);
    /// The five zone-mode buttons; button i stands for RadioID i + 1.
    std::array<QRadioButton *, 5> ZoneModeButtons() const;

    std::unique_ptr<Ui::CLoopsDialog> m_ui;
    std::set<TCollector> m_collectors;
    CCoolantParams m_coolant;
    TLoop m_loop;
    int m_deltaT = 0;
    TLoopDesign m_design; // the eight values, in the order InitDialog takes them
};

} // namespace KorvexCoolantDatabase
