#pragma once

#include "KorvexDatabase_export.h"

#include <QDialog>

#include <memory>

namespace KorvexClimateDatabase {

class CClimateDatabaseViewer;

namespace Ui {
class CWarmSeasonDialog;
}

/// The edits of the warm period of the year (TWarmSeasonParams) of one settlement: a page of the
/// climate viewer's tabs. Every change of an edit is written at once into the viewer's current
/// settlement.
class KORVEXDATABASE_EXPORT CWarmSeasonDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CWarmSeasonDialog(CClimateDatabaseViewer *parent);
    ~CWarmSeasonDialog() override;

    /// The page of the viewer's tabs this dialog is.
    static constexpr int kTabIndex = 1;

public slots:
    void OnTextChanged(const QString &text);

private:
    std::unique_ptr<Ui::CWarmSeasonDialog> m_ui;
    CClimateDatabaseViewer *m_pViewer;
};

} // namespace KorvexClimateDatabase
