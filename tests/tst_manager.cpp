#include "TestSupport.h"
#include "core/KorvexCommonDatabaseManager.h"

class TestManager : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() { }
};

QTEST_MAIN(TestManager)
#include "tst_manager.moc"
