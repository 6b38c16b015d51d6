#pragma once

#include "Kms/KmsDatabaseTypes.h"
#include "KorvexDatabase_export.h"

#include <QDialog>

#include <functional>

#include <memory>
#include <vector>

class QTableWidgetItem;

namespace KorvexCore {
class CEditorLists;
}

namespace KorvexKmsDatabase {

namespace Ui {
class CKMSRedactorDialog;
}

/// The editor of the KMS database: three lists (category, heating device, designation),
/// a table of the selected designation's nominal-bore entries with their sketches, and the
/// designation's picture. It edits its own copy; CKmsDatabase::ShowContent() takes the
/// copy back when the user accepts.
class KORVEXDATABASE_EXPORT CKMSRedactorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CKMSRedactorDialog(QWidget *parent = nullptr);
    ~CKMSRedactorDialog() override;

    void SetData(const std::vector<CDevices> &devices);
    const std::vector<CDevices> &GetData() const { return m_devices; }

public slots:
    void slotClickedOk();
    void slotAddToCombo1();
    void slotAddToCombo2();
    void slotAddToCombo3();
    void slotDelToCombo1();
    void slotDelToCombo2();
    void slotDelToCombo3();
    void slotModToCombo1();
    void slotModToCombo2();
    void slotModToCombo3();
    void slotAddToTable();
    void slotDelToTable();
    void slotAddPicture();
    void slotDelPicture();
    void slotComboChanged1(int index);
    void slotComboChanged2(int index);
    void slotComboChanged3(int index);
    void slotTableCellChanged(int row, int column);
    void slotAddImage();
    void slotDelImage();

private:
    /// The designation selected in the three lists, or null after reporting what is missing.
    CDevicesHeatingSubName *CurrentSubName() const;
    /// The comment cell the context menu acts on, or null when the current cell is another.
    QTableWidgetItem *CurrentCommentCell() const;
    /// Asks for a picture file; a null image when none was chosen or it could not be read
    /// (which is reported).
    QImage AskPicture();
    void ShowPicture(const QImage &picture);

    std::unique_ptr<Ui::CKMSRedactorDialog> m_ui;
    std::vector<CDevices> m_devices;
    std::unique_ptr<KorvexCore::CEditorLists> m_lists;
    std::function<CDevicesHeatingSubName *(const QStringList &path)> m_findSubName;
    QString m_messageTitle;
    QString m_notFound;
    QString m_unreadableFile;
};

} // namespace KorvexKmsDatabase
