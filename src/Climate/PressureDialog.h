#pragma once

#include "KorvexDatabase_export.h"

#include <QDialog>

#include <memory>

namespace KorvexClimateDatabase {

class CClimateDatabaseViewer;

namespace Ui {
class CPressureDialog;
}

/// The edits of the mean monthly and yearly partial pressure of water vapour of one settlement: a
/// page of the climate viewer's tabs. Every change of an edit is written at once into the viewer's
/// current settlement.
class KORVEXDATABASE_EXPORT CPressureDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CPressureDialog(CClimateDatabaseViewer *parent);
    ~CPressureDialog() override;

    /// The page of the viewer's tabs this dialog is.
    static constexpr int kTabIndex = 3;

public slots:
    void OnTextChanged(const QString &text);

private:
    std::unique_ptr<Ui::CPressureDialog> m_ui;
    CClimateDatabaseViewer *m_pViewer;
};

} // namespace KorvexClimateDatabase
