#include "Embrasures/EmbrasureInputDialog.h"

#include "core/EditorFramework_p.h"
#include "core/WidgetPlacement.h"
#include "ui_EmbrasureInputDialog.h"

namespace KorvexEmbrasureDatabase {

CEmbrasureInputDialog::CEmbrasureInputDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CEmbrasureInputDialog>())
{
    m_ui->setupUi(this);
    KorvexCore::SetEditorWindowIcon(this);
    connect(m_ui->m_pOKBtn, &QPushButton::clicked, this, &CEmbrasureInputDialog::slotClickedOk);
    connect(m_ui->m_pCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    KorvexCore::CenterOnScreen(this, parent);
}

CEmbrasureInputDialog::~CEmbrasureInputDialog() = default;

void CEmbrasureInputDialog::SetValues(const QString &type, const QString &material,
                                      const QString &glass)
{
    m_ui->m_pLineEditType->setText(type.trimmed());
    m_ui->m_pLineEditMaterial->setText(material.trimmed());
    m_ui->m_pLineEditGlass->setText(glass.trimmed());
}

QString CEmbrasureInputDialog::GetTypeText() const
{
    return m_ui->m_pLineEditType->text().trimmed();
}

void CEmbrasureInputDialog::slotClickedOk()
{
    accept();
}

} // namespace KorvexEmbrasureDatabase
