#pragma once

#include "KorvexDatabase_export.h"

#include <QDialog>

#include <memory>

namespace KorvexClimateDatabase {

class CClimateDatabaseViewer;

namespace Ui {
class CColdSeasonDialog;
}

/// The edits of the cold period of the year (TColdSeasonParams) of one settlement: a page of the
/// climate viewer's tabs. Every change of an edit is written at once into the viewer's current
/// settlement.
class KORVEXDATABASE_EXPORT CColdSeasonDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CColdSeasonDialog(CClimateDatabaseViewer *parent);
    ~CColdSeasonDialog() override;

    /// The page of the viewer's tabs this dialog is.
    static constexpr int kTabIndex = 0;

public slots:
    void OnTextChanged(const QString &text);

private:
    std::unique_ptr<Ui::CColdSeasonDialog> m_ui;
    CClimateDatabaseViewer *m_pViewer;
};

} // namespace KorvexClimateDatabase
