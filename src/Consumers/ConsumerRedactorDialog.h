#pragma once

#include "Consumers/ConsumerDatabaseTypes.h"
#include "KorvexDatabase_export.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace KorvexCore {
class CEditorLists;
}

namespace KorvexConsumerDatabase {

namespace Ui {
class CConsumerRedactorDialog;
}

/// The editor of the consumer database: a list of categories, a list of the selected
/// category's sub-categories and a one-row table with the unit and the norms of the
/// selected sub-category. It edits its own copy; CConsumerDatabase::ShowContent() takes
/// the copy back when the user accepts.
class KORVEXDATABASE_EXPORT CConsumerRedactorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CConsumerRedactorDialog(QWidget *parent = nullptr);
    ~CConsumerRedactorDialog() override;

    void SetData(const std::vector<CConsumer> &consumers);
    const std::vector<CConsumer> &GetData() const { return m_consumers; }

public slots:
    void slotClickedOk();
    void slotAddToCombo1();
    void slotAddToCombo2();
    void slotDelToCombo1();
    void slotDelToCombo2();
    void slotModToCombo1();
    void slotModToCombo2();
    void slotComboChanged1(int index);
    void slotComboChanged2(int index);
    void slotTableCellChanged(int row, int column);

private:
    std::unique_ptr<Ui::CConsumerRedactorDialog> m_ui;
    std::vector<CConsumer> m_consumers;
    std::unique_ptr<KorvexCore::CEditorLists> m_lists;
};

} // namespace KorvexConsumerDatabase
