#include "Climate/ColdSeasonDialog.h"

#include "Climate/ClimateDatabaseViewer.h"
#include "ui_ColdSeasonDialog.h"

#include <QLineEdit>

namespace KorvexClimateDatabase {

CColdSeasonDialog::CColdSeasonDialog(CClimateDatabaseViewer *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CColdSeasonDialog>())
    , m_pViewer(parent)
{
    m_ui->setupUi(this);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, this, &CColdSeasonDialog::OnTextChanged);
}

CColdSeasonDialog::~CColdSeasonDialog() = default;

void CColdSeasonDialog::OnTextChanged(const QString &)
{
    m_pViewer->UpdateTabData(false, kTabIndex);
}

} // namespace KorvexClimateDatabase
