#pragma once

#include "DatabaseRegistry.h"

#include <QMainWindow>

class QTableWidget;

/// Number of top-level records of a database, told by its type code.
int TopLevelRecordCount(const KorvexInterfaces::IKorvexCommonDatabase *database);
/// The count as shown: the top-level count, "-" when unknown, for the KMS database
/// "categories/devices/designations/coefficients" and for the climate database
/// "countries/regions/settlements".
QString RecordCountText(const KorvexInterfaces::IKorvexCommonDatabase *database);

/// Opens the editor of the database of that type code, saves its picture into \a file and
/// closes it without saving anything; false when there is no such database or no picture.
bool SaveEditorScreenshot(const CDatabaseRegistry &registry, int type, const QString &file);

/// Lists the registered databases with a button opening each one's editor, and runs the
/// calculators and plots.
class CHostWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit CHostWindow(const CDatabaseRegistry &registry, QWidget *parent = nullptr);

private slots:
    void slotRunLoopCalculator();
    void slotBuildConstruction();
    void slotPlotCoolant();

private:
    void OpenEditor(int row);
    void Refresh();

    const CDatabaseRegistry &m_registry;
    QTableWidget *m_table = nullptr;
};
