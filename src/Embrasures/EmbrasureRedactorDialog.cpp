#include "Embrasures/EmbrasureRedactorDialog.h"

#include "Embrasures/EmbrasureInputDialog.h"
#include "Embrasures/EmbrasureTable_p.h"
#include "core/EditorFramework_p.h"
#include "core/WidgetPlacement.h"
#include "ui_EmbrasureInputDialog.h"
#include "ui_EmbrasureRedactorDialog.h"

namespace KorvexEmbrasureDatabase {

using KorvexCore::CEditorLists;

CEmbrasureRedactorDialog::CEmbrasureRedactorDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CEmbrasureRedactorDialog>())
    , m_addEmbrasureTitle(tr("Добавление нового типа проема"))
{
    m_ui->setupUi(this);
    m_inputDialog = new CEmbrasureInputDialog(this);
    m_lists = std::make_unique<CEditorLists>(this, m_ui->m_pDataTableWidget);
    const auto groups = KorvexCore::VectorLevel(m_groups);
    const auto embrasures = KorvexCore::ChildLevel(
        groups, &CEmbrasureGroup::GetEmbrasures, &CEmbrasureGroup::FindEmbrasure,
        &CEmbrasureGroup::InsertEmbrasure, &CEmbrasureGroup::DeleteEmbrasure);
    m_lists->AddLevel(m_ui->m_pComboBox1,
                      { tr("Добавление нового типа проемов"), tr("Изменение типа группы проемов"),
                        tr("Группа проемов с таким названием уже существует!"),
                        tr("Не удалось найти группу проемов %1!"),
                        tr("Подтверждаете удаление группы проемов?") },
                      groups, { {}, {}, &KorvexCore::RefuseUntrimmedName });
    KorvexCore::CLevelOptions embrasureOptions;
    embrasureOptions.askName = [this](const QString &title, const QString &current) {
        return AskEmbrasureName(title, current);
    };
    // The table keeps the three parts in columns of their own; a colon inside a part
    // would cut the name elsewhere, and the opening would not be written.
    embrasureOptions.refuseName = [](const QString &name) {
        const QStringList pieces = EmbrasureNamePieces(name);
        return pieces.size() == 3 && ComposeEmbrasureName(pieces[0], pieces[1], pieces[2]) == name
            ? QString()
            : tr("Тип, материал и заполнение проема не могут содержать двоеточие.");
    };
    m_lists->AddLevel(m_ui->m_pComboBox2,
                      { m_addEmbrasureTitle, tr("Изменение проема"),
                        tr("Проем с таким названием уже существует!"),
                        tr("Не удалось найти проем %1!"), tr("Подтверждаете удаление проема?") },
                      embrasures, embrasureOptions);
    m_lists->SetOneRowTable<CEmbrasure>(
        embrasures.find,
        KorvexCore::EditorTextColumns(
            EmbrasureColumns(),
            { DAir1Column, DAir2Column, DAir3Column, KHeightColumn, KHeatTransferColumn }));
    KorvexCore::PrepareEditor(this, m_ui.get());
    KorvexCore::CenterOnScreen(this, parent);
}

CEmbrasureRedactorDialog::~CEmbrasureRedactorDialog() = default;

QString CEmbrasureRedactorDialog::AskEmbrasureName(const QString &title, const QString &current)
{
    if (title == m_addEmbrasureTitle) {
        m_inputDialog->SetValues(QString(), QString(), QString());
    } else {
        const QStringList pieces = EmbrasureNamePieces(current);
        if (pieces.size() != 3)
            return QString();
        m_inputDialog->SetValues(pieces[0], pieces[1], pieces[2]);
    }
    m_inputDialog->setWindowTitle(title);
    if (m_inputDialog->exec() != QDialog::Accepted)
        return QString();
    const Ui::CEmbrasureInputDialog &fields = *m_inputDialog->m_ui;
    if (m_inputDialog->GetTypeText().isEmpty())
        return QString();
    return ComposeEmbrasureName(fields.m_pLineEditType->text(), fields.m_pLineEditMaterial->text(),
                                fields.m_pLineEditGlass->text());
}

void CEmbrasureRedactorDialog::SetData(const std::vector<CEmbrasureGroup> &groups)
{
    m_groups = groups;
    m_lists->Refill();
}

void CEmbrasureRedactorDialog::slotClickedOk()
{
    accept();
}

void CEmbrasureRedactorDialog::slotAddToCombo1()
{
    m_lists->Add(1);
}

void CEmbrasureRedactorDialog::slotAddToCombo2()
{
    m_lists->Add(2);
}

void CEmbrasureRedactorDialog::slotDelToCombo1()
{
    m_lists->Delete(1);
}

void CEmbrasureRedactorDialog::slotDelToCombo2()
{
    m_lists->Delete(2);
}

void CEmbrasureRedactorDialog::slotModToCombo1()
{
    m_lists->Rename(1);
}

void CEmbrasureRedactorDialog::slotModToCombo2()
{
    m_lists->Rename(2);
}

void CEmbrasureRedactorDialog::slotComboChanged1(int)
{
    m_lists->ListChanged(1);
}

void CEmbrasureRedactorDialog::slotComboChanged2(int)
{
    m_lists->ListChanged(2);
}

void CEmbrasureRedactorDialog::slotTableCellChanged(int, int)
{
    m_lists->TableChanged();
}

void CEmbrasureDatabase::ShowContent()
{
    KorvexCore::RunEditor<CEmbrasureRedactorDialog>(*this, m_groups,
                                                    [this]() { SaveDataToDataBase(); });
}

} // namespace KorvexEmbrasureDatabase
