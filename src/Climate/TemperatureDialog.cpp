#include "Climate/TemperatureDialog.h"

#include "Climate/ClimateDatabaseViewer.h"
#include "ui_TemperatureDialog.h"

#include <QLineEdit>

namespace KorvexClimateDatabase {

CTemperatureDialog::CTemperatureDialog(CClimateDatabaseViewer *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CTemperatureDialog>())
    , m_pViewer(parent)
{
    m_ui->setupUi(this);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, this, &CTemperatureDialog::OnTextChanged);
}

CTemperatureDialog::~CTemperatureDialog() = default;

void CTemperatureDialog::OnTextChanged(const QString &)
{
    m_pViewer->UpdateTabData(false, kTabIndex);
}

} // namespace KorvexClimateDatabase
