#include "Climate/WarmSeasonDialog.h"

#include "Climate/ClimateDatabaseViewer.h"
#include "ui_WarmSeasonDialog.h"

#include <QLineEdit>

namespace KorvexClimateDatabase {

CWarmSeasonDialog::CWarmSeasonDialog(CClimateDatabaseViewer *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CWarmSeasonDialog>())
    , m_pViewer(parent)
{
    m_ui->setupUi(this);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, this, &CWarmSeasonDialog::OnTextChanged);
}

CWarmSeasonDialog::~CWarmSeasonDialog() = default;

void CWarmSeasonDialog::OnTextChanged(const QString &)
{
    m_pViewer->UpdateTabData(false, kTabIndex);
}

} // namespace KorvexClimateDatabase
