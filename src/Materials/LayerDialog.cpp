#include "Materials/LayerDialog.h"

#include "core/WidgetPlacement.h"
#include "ui_LayerDialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTableWidget>

namespace KorvexMaterialDatabase {

namespace {
constexpr double kNoLimit = -1.0;

/// The material an entry of the material list names: the text before its " (λ = …)".
QString EntryMaterialName(const QString &entry)
{
    return entry.left(entry.lastIndexOf(QLatin1Char('(')) - 1);
}
} // namespace

CLayerDialog::CLayerDialog(const CMaterialDatabase *database, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CLayerDialog>())
    , m_database(database)
{
    m_ui->setupUi(this);
    // Accepting comes first, then the results are taken; both before exec() returns.
    connect(m_ui->okButton, &QPushButton::clicked, this, &CLayerDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CLayerDialog::reject);
    connect(m_ui->m_pGroupLayerCmb, &QComboBox::currentIndexChanged, this,
            &CLayerDialog::OnGroupComboChanged);
    connect(m_ui->m_pLayerCmb, &QComboBox::currentIndexChanged, this,
            &CLayerDialog::OnMaterialComboChanged);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CLayerDialog::OnBnClickedBtnOk);
}

CLayerDialog::~CLayerDialog() = default;

void CLayerDialog::UpdateData(const QString &group, const QString &material,
                              const double &thickness, const double &lambdaLimit)
{
    m_groupName = group.trimmed();
    m_materialName = material.trimmed();
    m_lambdaLimit = lambdaLimit;
    m_ui->m_pLabelComment->setText(
        m_lambdaLimit == kNoLimit
            ? QString()
            : QCoreApplication::translate("QApplication", "Используются только материалы с λ < %1")
                  .arg(m_lambdaLimit, 0, 'g', -1));
    m_resultName = QStringLiteral("");
    m_resultLambda = 0.0;
    m_resultThickness = thickness;
    m_ui->m_pThickness->setText(QString::number(thickness, 'f', 2));
    InitGroupList();
}

void CLayerDialog::InitGroupList()
{
    QStringList names;
    for (const CMaterialGroup &group : m_database->GetMaterialsGroups())
        names << group.GetName().trimmed();
    // Not blocked: filling the group list fills the material list through its signal.
    QComboBox *groups = m_ui->m_pGroupLayerCmb;
    groups->clear();
    groups->insertItems(0, names);
    if (groups->count() > 0) {
        const int found = groups->findData(m_groupName, Qt::DisplayRole, Qt::MatchCaseSensitive);
        groups->setCurrentIndex(found < 0 ? 0 : found);
    }
}

void CLayerDialog::InitMaterialList(const std::vector<CMaterialGroup>::const_iterator &group)
{
    QStringList entries;
    for (const CMaterial &material : group->GetMaterials()) {
        // A λ that is no number counts as 0, so it passes any positive limit.
        if (m_lambdaLimit == kNoLimit || m_lambdaLimit > material.GetL().toDouble())
            entries << material.GetName().trimmed() + QStringLiteral(" (λ = ") + material.GetL()
                    + QLatin1Char(')');
    }
    QComboBox *materials = m_ui->m_pLayerCmb;
    materials->clear();
    materials->insertItems(0, entries);
    if (materials->count() > 0) {
        const int found = FindLayer(materials, m_materialName);
        materials->setCurrentIndex(found < 0 ? 0 : found);
    }
}

int CLayerDialog::FindLayer(QComboBox *box, const QString &name) const
{
    for (int i = 0; i < box->count(); ++i) {
        if (EntryMaterialName(box->itemText(i)) == name)
            return i;
    }
    return -1;
}

void CLayerDialog::OnGroupComboChanged(int)
{
    const std::vector<CMaterialGroup> &groups = m_database->GetMaterialsGroups();
    if (const CMaterialGroup *group
        = m_database->FindMaterialGroup(m_ui->m_pGroupLayerCmb->currentText())) {
        InitMaterialList(groups.begin() + (group - groups.data()));
    }
}

void CLayerDialog::OnMaterialComboChanged(int)
{
    m_ui->m_pK->setText(QStringLiteral("0"));
    m_ui->m_pWeight->setText(QStringLiteral("0"));
    const CMaterialGroup *group
        = m_database->FindMaterialGroup(m_ui->m_pGroupLayerCmb->currentText());
    if (!group)
        return;
    if (const CMaterial *material
        = group->FindMaterial(EntryMaterialName(m_ui->m_pLayerCmb->currentText()))) {
        m_ui->m_pWeight->setText(material->GetD());
        m_ui->m_pK->setText(material->GetL());
    }
}

void CLayerDialog::OnBnClickedBtnOk()
{
    // λ as the user left it: the material's, or one typed over it.
    m_resultLambda = m_ui->m_pK->text().toDouble();
    m_resultThickness = m_ui->m_pThickness->text().toDouble();
    m_groupName = m_ui->m_pGroupLayerCmb->currentText();
    m_materialName = EntryMaterialName(m_ui->m_pLayerCmb->currentText());
    m_resultName = m_groupName + QStringLiteral(": ") + m_materialName;
}

// ---------------------------------------------------------------------------------------
// The material database owns the layer dialog for its whole life.

CMaterialDatabase::CMaterialDatabase()
    : CTableDatabase(KorvexInterfaces::MaterialDatabaseType,
                     QCoreApplication::translate("QApplication", "Материалы"))
    , m_tableName(QStringLiteral("MATERIALS"))
    , m_layerDialog(new CLayerDialog(this, nullptr))
{
    KorvexCore::CenterOnScreen(m_layerDialog, nullptr);
}

CMaterialDatabase::~CMaterialDatabase()
{
    delete m_layerDialog;
}

bool CMaterialDatabase::ShowUserDialog(const QString &group, const QString &material,
                                       const double &thickness, const double &lambdaLimit) const
{
    if (!m_layerDialog)
        return false;
    m_layerDialog->UpdateData(group, material, thickness, lambdaLimit);
    return m_layerDialog->exec() == QDialog::Accepted;
}

void CMaterialDatabase::GetUserDialogParams(QString &name, double &lambda, double &thickness) const
{
    if (!m_layerDialog)
        return;
    name = m_layerDialog->GetResultName();
    lambda = m_layerDialog->GetResultLambda();
    thickness = m_layerDialog->GetResultThickness();
}

double CMaterialDatabase::CalculateLayerResistance(const QTableWidget *table) const
{
    if (!table || table->columnCount() != 3)
        return 0.0;
    // A cell without an item reads as an empty text, that is 0, as a blank cell does; a λ
    // of 0 makes the sum infinite rather than quietly smaller.
    const QAbstractItemModel *model = table->model();
    const auto number = [model](int row, int column) {
        return model->index(row, column).data(Qt::DisplayRole).toString().toDouble();
    };
    double resistance = 0.0;
    for (int row = 0; row < table->rowCount(); ++row)
        resistance += number(row, 1) * 0.01 / number(row, 2);
    return resistance;
}

void CMaterialDatabase::ShowLayers(const std::set<TLayerMaterialType> &layers,
                                   QDialog *parent) const
{
    auto *list = new QListWidget;
    for (const TLayerMaterialType &layer : layers) {
        list->addItem(layer.LayerMaterial
                      + QStringLiteral("; δ: %1; λ: %2")
                            .arg(QString::number(layer.Thickness, 'f', 2),
                                 QString::number(layer.Lambda, 'f', 2)));
    }
    // Made and destroyed here, whether or not it has a parent.
    QDialog dialog(parent);
    dialog.resize(640, 480);
    KorvexCore::CenterOnScreen(&dialog, parent);
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(list);
    dialog.setLayout(layout);
    dialog.exec();
}

} // namespace KorvexMaterialDatabase
