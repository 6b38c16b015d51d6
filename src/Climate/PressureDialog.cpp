#include "Climate/PressureDialog.h"

#include "Climate/ClimateDatabaseViewer.h"
#include "ui_PressureDialog.h"

#include <QLineEdit>

namespace KorvexClimateDatabase {

CPressureDialog::CPressureDialog(CClimateDatabaseViewer *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CPressureDialog>())
    , m_pViewer(parent)
{
    m_ui->setupUi(this);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, this, &CPressureDialog::OnTextChanged);
}

CPressureDialog::~CPressureDialog() = default;

void CPressureDialog::OnTextChanged(const QString &)
{
    m_pViewer->UpdateTabData(false, kTabIndex);
}

} // namespace KorvexClimateDatabase
