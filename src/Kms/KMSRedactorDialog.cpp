#include "Kms/KMSRedactorDialog.h"

#include "Kms/KmsPictures_p.h"
#include "core/EditorFramework_p.h"
#include "core/Prompts.h"
#include "core/WidgetPlacement.h"
#include "ui_KMSRedactorDialog.h"

#include <QDir>
#include <QSignalBlocker>

namespace KorvexKmsDatabase {

using KorvexCore::CEditorLists;

namespace {

enum Column { DupColumn, KmsColumn, CommentColumn };

/// Where a comment cell keeps a sketch that could not be shown.
constexpr int kUnshownSketchRole = Qt::UserRole + 1;

QIcon SketchIcon(const QImage &sketch)
{
    return sketch.isNull() ? QIcon() : QIcon(QPixmap::fromImage(sketch));
}

/// The picture an icon shows at its own size, or a null image.
QImage IconPicture(const QIcon &icon)
{
    const QList<QSize> sizes = icon.availableSizes();
    if (icon.isNull() || sizes.isEmpty() || sizes.first().width() <= 0)
        return QImage();
    return icon.pixmap(sizes.first(), 1.0).toImage();
}

} // namespace

CKMSRedactorDialog::CKMSRedactorDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CKMSRedactorDialog>())
    , m_messageTitle(tr("Редактор базы данных"))
    , m_notFound(tr("Не удалось найти категорию %1!"))
    , m_unreadableFile(tr("Файл %1 не удалось прочитать как рисунок. Эскиз не изменён."))
{
    m_ui->setupUi(this);
    m_lists = std::make_unique<CEditorLists>(this, m_ui->m_pDataTableWidget);

    const auto categories = KorvexCore::VectorLevel(m_devices);
    const auto devices = KorvexCore::ChildLevel(
        categories, &CDevices::GetDevicesHeatingContainer, &CDevices::FindDevicesHeating,
        &CDevices::InsertDevicesHeating, &CDevices::DeleteDevicesHeating);
    const auto subNames = KorvexCore::ChildLevel(
        devices, &CDevicesHeating::GetDevicesHeatingSubNameContainer,
        &CDevicesHeating::FindDevicesHeatingSubName, &CDevicesHeating::InsertDevicesHeatingSubName,
        &CDevicesHeating::DeleteDevicesHeatingSubName);
    m_findSubName = subNames.find;

    const KorvexCore::CLevelTexts lowerTexts = CEditorLists::CategoryTexts(
        tr("Добавление новой подкатегории"), tr("Изменение подкатегории"));
    m_lists->AddLevel(
        m_ui->m_pComboBox1,
        CEditorLists::CategoryTexts(tr("Добавление новой категории"), tr("Изменение категории")),
        categories);
    // A new device list leaves the entries on show until a designation is shown in their
    // place: with no device at all they stay.
    KorvexCore::CLevelOptions deviceOptions;
    deviceOptions.table = KorvexCore::ETableOnChange::KeepUntilRefilled;
    m_lists->AddLevel(m_ui->m_pComboBox2, lowerTexts, devices, deviceOptions);
    m_lists->AddLevel(m_ui->m_pComboBox3, lowerTexts, subNames);

    m_lists->SetTable(
        [this](const QStringList &path) {
            const CDevicesHeatingSubName *subName = m_findSubName(path);
            ShowPicture(DecodeBmp(subName->GetImage()));
            std::vector<KorvexCore::CTableRow> rows;
            std::vector<int> unshown;
            for (const CDup &dup : subName->GetDupContainer()) {
                const QImage sketch = DecodeBmp(dup.GetImage());
                if (sketch.isNull() && !dup.GetImage().isEmpty())
                    unshown.push_back(int(rows.size()));
                rows.emplace_back(QStringList { dup.GetName(),
                                                QStringLiteral("%1").arg(dup.GetKMS()),
                                                dup.GetComment() },
                                  QHash<int, QIcon> { { CommentColumn, SketchIcon(sketch) } });
            }
            m_lists->ShowRows(rows);
            // A sketch that is no readable BMP shows as none, but its bytes are the user's:
            // the cell keeps them, and the next rebuild writes them back as they were.
            const QSignalBlocker blocker(m_ui->m_pDataTableWidget);
            for (const int row : unshown) {
                m_ui->m_pDataTableWidget->item(row, CommentColumn)
                    ->setData(kUnshownSketchRole,
                              subName->GetDupContainer()[size_t(row)].GetImage());
            }
        },
        [this](const QStringList &path) {
            // Every entry is rebuilt from what the table shows, in table order.
            CDevicesHeatingSubName *subName = m_findSubName(path);
            subName->EraseDups();
            const QTableWidget *table = m_ui->m_pDataTableWidget;
            for (int row = 0; row < m_lists->RowCount(); ++row) {
                const QStringList texts = m_lists->RowTexts(row);
                QByteArray sketch = EncodeBmp(IconPicture(m_lists->CellIcon(row, CommentColumn)));
                if (sketch.isEmpty() && table->item(row, CommentColumn))
                    sketch
                        = table->item(row, CommentColumn)->data(kUnshownSketchRole).toByteArray();
                subName->InsertDup(CDup(texts.value(DupColumn), texts.value(KmsColumn).toDouble(),
                                        sketch, texts.value(CommentColumn)));
            }
        });

    KorvexCore::PrepareEditor(this, m_ui.get());
    connect(m_ui->m_pAddToTable, &QPushButton::clicked, this, &CKMSRedactorDialog::slotAddToTable);
    connect(m_ui->m_pDelToTable, &QPushButton::clicked, this, &CKMSRedactorDialog::slotDelToTable);
    connect(m_ui->m_pAddPicture, &QPushButton::clicked, this, &CKMSRedactorDialog::slotAddPicture);
    connect(m_ui->m_pDelPicture, &QPushButton::clicked, this, &CKMSRedactorDialog::slotDelPicture);
    connect(m_ui->m_pAddImageAction, &QAction::triggered, this, &CKMSRedactorDialog::slotAddImage);
    connect(m_ui->m_pDelImageAction, &QAction::triggered, this, &CKMSRedactorDialog::slotDelImage);
    KorvexCore::CenterOnScreen(this, parent);
}

CKMSRedactorDialog::~CKMSRedactorDialog() = default;

void CKMSRedactorDialog::SetData(const std::vector<CDevices> &devices)
{
    m_devices = devices;
    m_lists->Refill();
}

CDevicesHeatingSubName *CKMSRedactorDialog::CurrentSubName() const
{
    QStringList path;
    return m_lists->LookUp(3, &path, KorvexCore::EEmptyLists::Report) ? m_findSubName(path)
                                                                      : nullptr;
}

QTableWidgetItem *CKMSRedactorDialog::CurrentCommentCell() const
{
    const QTableWidget *table = m_ui->m_pDataTableWidget;
    if (table->currentRow() < 0 || table->currentColumn() != CommentColumn)
        return nullptr;
    return table->item(table->currentRow(), CommentColumn);
}

QImage CKMSRedactorDialog::AskPicture()
{
    const QString path = KorvexCore::PromptOpenFileName(this, tr("Открыть эскиз"),
                                                        QCoreApplication::applicationDirPath(),
                                                        tr("Графические Файлы (*.bmp)"));
    if (path.isEmpty())
        return QImage();
    const QImage picture = ReadPictureFile(path);
    // Storing nothing in place of the picture the user has would lose it for a typo in
    // the file choice; say so and leave everything as it is.
    if (picture.isNull())
        KorvexCore::PromptInformation(this, m_messageTitle,
                                      m_unreadableFile.arg(QDir::toNativeSeparators(path)));
    return picture;
}

void CKMSRedactorDialog::ShowPicture(const QImage &picture)
{
    if (picture.isNull())
        m_ui->label_1->clear();
    else
        m_ui->label_1->setPixmap(QPixmap::fromImage(picture));
}

void CKMSRedactorDialog::slotClickedOk()
{
    accept();
}

void CKMSRedactorDialog::slotAddToCombo1()
{
    m_lists->Add(1);
}

void CKMSRedactorDialog::slotAddToCombo2()
{
    m_lists->Add(2);
}

void CKMSRedactorDialog::slotAddToCombo3()
{
    m_lists->Add(3);
}

void CKMSRedactorDialog::slotDelToCombo1()
{
    m_lists->Delete(1);
}

void CKMSRedactorDialog::slotDelToCombo2()
{
    m_lists->Delete(2);
}

void CKMSRedactorDialog::slotDelToCombo3()
{
    m_lists->Delete(3);
}

void CKMSRedactorDialog::slotModToCombo1()
{
    m_lists->Rename(1);
}

void CKMSRedactorDialog::slotModToCombo2()
{
    m_lists->Rename(2);
}

void CKMSRedactorDialog::slotModToCombo3()
{
    m_lists->Rename(3);
}

void CKMSRedactorDialog::slotAddToTable()
{
    CDevicesHeatingSubName *subName = CurrentSubName();
    if (!subName)
        return;
    subName->InsertDup(CDup());
    m_lists->ListChanged(3);
}

void CKMSRedactorDialog::slotDelToTable()
{
    const int row = m_ui->m_pDataTableWidget->currentRow();
    if (row < 0)
        return;
    CDevicesHeatingSubName *subName = CurrentSubName();
    if (!subName)
        return;
    // The first entry of the row's name goes, whichever row of that name was selected.
    const CDup key(m_lists->RowTexts(row).value(DupColumn), 0.0, QByteArray(), QString());
    if (!subName->FindDup(key)) {
        m_lists->Inform(m_notFound.arg(key.GetName()));
        return;
    }
    subName->DeleteDup(key);
    m_lists->ListChanged(3);
}

void CKMSRedactorDialog::slotAddPicture()
{
    CDevicesHeatingSubName *subName = CurrentSubName();
    if (!subName)
        return;
    const QImage picture = AskPicture();
    if (picture.isNull())
        return;
    subName->SetImage(EncodeBmp(picture));
    ShowPicture(picture);
}

void CKMSRedactorDialog::slotDelPicture()
{
    CDevicesHeatingSubName *subName = CurrentSubName();
    if (!subName)
        return;
    subName->SetImage(QByteArray());
    ShowPicture(QImage());
}

void CKMSRedactorDialog::slotComboChanged1(int)
{
    m_lists->ListChanged(1);
}

void CKMSRedactorDialog::slotComboChanged2(int)
{
    m_lists->ListChanged(2);
}

void CKMSRedactorDialog::slotComboChanged3(int)
{
    m_lists->ListChanged(3);
}

void CKMSRedactorDialog::slotTableCellChanged(int, int)
{
    m_lists->TableChanged();
}

void CKMSRedactorDialog::slotAddImage()
{
    QTableWidgetItem *cell = CurrentCommentCell();
    if (!cell)
        return;
    const QImage sketch = AskPicture();
    if (sketch.isNull())
        return;
    {
        const QSignalBlocker blocker(m_ui->m_pDataTableWidget);
        cell->setData(kUnshownSketchRole, QVariant());
        cell->setIcon(SketchIcon(sketch));
    }
    // Stored through the same rebuild as any edit of the cell.
    slotTableCellChanged(cell->row(), CommentColumn);
    m_ui->m_pDataTableWidget->resizeRowsToContents();
    m_ui->m_pDataTableWidget->resizeColumnsToContents();
}

void CKMSRedactorDialog::slotDelImage()
{
    QTableWidgetItem *cell = CurrentCommentCell();
    if (!cell)
        return;
    {
        const QSignalBlocker blocker(m_ui->m_pDataTableWidget);
        cell->setData(kUnshownSketchRole, QVariant());
        cell->setIcon(QIcon());
    }
    slotTableCellChanged(cell->row(), CommentColumn);
    m_ui->m_pDataTableWidget->resizeRowsToContents();
    m_ui->m_pDataTableWidget->resizeColumnsToContents();
}

void CKmsDatabase::ShowContent()
{
    KorvexCore::RunEditor<CKMSRedactorDialog>(*this, m_devices, [this]() { SaveDataToDataBase(); });
}

} // namespace KorvexKmsDatabase
