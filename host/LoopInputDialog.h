#pragma once

#include "LoopRun.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

/// Asks for the coolant, its mean temperature, the temperature drop and the eight
/// design values before the library's loop calculator is shown.
class CLoopInputDialog : public QDialog
{
    Q_OBJECT
public:
    CLoopInputDialog(const std::set<KorvexCoolantDatabase::CCoolant> &coolants,
                     QWidget *parent = nullptr);

    /// The request as entered, over the defaults of CLoopRequest.
    CLoopRequest Request() const;

private:
    QDoubleSpinBox *AddValue(const QString &label, double value, int decimals, double maximum);

    QComboBox *m_coolant = nullptr;
    QSpinBox *m_deltaT = nullptr;
    QDoubleSpinBox *m_meanTemp = nullptr;
    std::vector<QDoubleSpinBox *> m_designValues;
};
