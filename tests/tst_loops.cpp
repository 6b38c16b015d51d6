#include "Coolants/CoolantDatabaseTypes.h"
#include "Coolants/LoopCalculation_p.h"
#include "Coolants/LoopsDialog.h"
#include "TestSupport.h"

#include <QDomDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace KorvexCoolantDatabase;

namespace {

// The worked example of a 16x2 PE-Xa loop on water at about 50 °C: 80 m in the room, 5 m
// of supply sections, 2 bends, 10 kalatchs and 2 joints on collector 1.
const CCoolantParams kWater(50, 4190, 988, 0.556);
const TLoopDesign kDesign { 20, 12, 0.007, 100, 30, 12, 40, 0 };

TLoop exampleLoop(double radioId = 1, bool zonesHidden = true)
{
    return { 0, 1, 0, 80, 0, 0, 5, 2, 10, 2, 0, 0, 0, 0, 0, 0, radioId, zonesHidden };
}

std::set<TCollector> collectors() // Value1 99 must not be taken for the diameter
{
    return { { 1, 99, 0, 0, 0, 0, 25, {} }, { 3, 0, 0, 0, 0, 0, 32, {} } };
}

/// Every field of \a l but ZonesHidden, to the last digit.
QString describe(const TLoop &l)
{
    return QString::asprintf("%u %u %.17g %.17g %.17g %.17g %.17g %d %d %d "
                             "%.17g %.17g %.17g %.17g %.17g %.17g %.17g",
                             l.LoopId, l.IdCollector, l.DiamCollector, l.LoopLength, l.PipeLengthR,
                             l.PipeLengthM, l.SectionsLeadingLength, l.NumPipeBends, l.NumKalatchs,
                             l.NumJoints, l.LoopLengthSumm, l.LoopHeatLoad, l.Expenditure,
                             l.Velocity, l.LoopPressureLoss, l.OpenProcent, l.RadioID);
}

} // namespace

class TestLoops : public QObject
{
    Q_OBJECT

    std::unique_ptr<CLoopsDialog> m_dialog;

    void open(const TLoop &loop, bool fresh = true)
    {
        if (fresh)
            m_dialog = std::make_unique<CLoopsDialog>();
        m_dialog->InitDialog(collectors(), 10, kWater, loop, 20, 12, 0.007, 100, 30, 12, 40, 0);
        m_dialog->show();
    }
    template<class T> T *child(const QString &name) { return m_dialog->findChild<T *>(name); }
    QString text(const char *name) { return child<QLineEdit>(name)->text(); }

private slots:
    void cleanup()
    {
        m_dialog.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void calculation()
    {
        CCoolantDatabase db;
        TLoop loop = db.ReCalculate(collectors(), 10, kWater, exampleLoop(), 20, 12, 0.007, 100, 30,
                                    12, 40, 0);
        // Each result to the digits it is printed with; main zone 0 means the whole loop.
        QCOMPARE(QString::asprintf("%.2f %.2f %.6g %.6g %.2f %.2f %.2f", loop.LoopLengthSumm,
                                   loop.LoopHeatLoad, loop.Expenditure, loop.Velocity,
                                   loop.LoopPressureLoss, loop.DiamCollector, loop.PipeLengthM),
                 QStringLiteral("85.00 1700.00 0.0405728 0.363099 17009.60 25.00 80.00"));

        loop = exampleLoop(); // the intermediates of the same arithmetic
        const TLoopIntermediates x = CalculateLoop(loop, 10, kWater, kDesign);
        QCOMPARE(QString::asprintf("%.6g %.6g %.6g %.6g %.6g %.6g %g", x.Reynolds, x.B, x.Lg, x.M,
                                   x.Lambda, x.R, x.Zeta),
                 QStringLiteral("7836.68 1.65635 3.80228 2.89413 0.034894 189.386 14"));

        // ΔT 0 or c 0: no flow, no velocity, no loss, and λ finite, from Re 0.
        for (const auto &[deltaT, c] : { std::pair(0, 4190.0), std::pair(10, 0.0) }) {
            loop = exampleLoop();
            const TLoopIntermediates z
                = CalculateLoop(loop, deltaT, { 50, c, 988, 0.556 }, kDesign);
            QCOMPARE(QString::asprintf("%g %g %g %g %g %.6g", loop.LoopHeatLoad, loop.Expenditure,
                                       loop.Velocity, loop.LoopPressureLoss, z.Reynolds, z.Lambda),
                     QStringLiteral("1700 0 0 0 0 0.520923"));
        }
    }

    void zoneModes_data()
    {
        QTest::addColumn<double>("radioId");
        // Checked buttons; zone buttons and length edits enabled; main zone, edge zone, load.
        QTest::addColumn<QString>("expected");
        // 12 × 80 / (40 × (100 × 0.01)) = 24 m in the edge zone.
        QTest::newRow("1 proportional") << 1.0 << "14 -- 56.00 24.00 1940.00";
        QTest::newRow("2 separate loops") << 2.0 << "24 +- 80.00 0.00 1700.00";
        QTest::newRow("3 entered") << 3.0 << "34 -+ 50.00 30.00 2000.00";
        QTest::newRow("4 main zone") << 4.0 << "14 ++ 80.00 0.00 1700.00";
        QTest::newRow("5 edge zone") << 5.0 << "15 ++ 0.00 80.00 4100.00";
        // An unknown mode leaves the zone section as the last loop (mode 3) had it.
        QTest::newRow("7 unknown") << 7.0 << "34 -+ 50.00 30.00 2000.00";
    }
    void zoneModes()
    {
        QFETCH(double, radioId);
        QFETCH(QString, expected);
        TLoop loop = exampleLoop(radioId == 7 ? 3 : radioId, false);
        loop.PipeLengthM = 50;
        loop.PipeLengthR = 30;
        open(loop);
        loop.RadioID = radioId;
        open(loop, false);
        QString shown;
        for (int i = 1; i <= 5; ++i)
            if (child<QRadioButton>(QStringLiteral("m_pRadioButton%1").arg(i))->isChecked())
                shown += QString::number(i);
        const auto on
            = [this](const char *name) { return child<QWidget>(name)->isEnabled() ? "+" : "-"; };
        shown += QStringLiteral(" %1%2").arg(on("m_pRadioButton4"), on("m_pPipeLengthMZ"));
        for (const char *name : { "m_pPipeLengthMZ", "m_pPipeLengthRZ", "m_pLoopHeatPressure" })
            shown += QLatin1Char(' ') + text(name);
        QCOMPARE(shown, expected);
        QCOMPARE(m_dialog->GetLoop().RadioID, radioId);
    }

    void editingAnInputRecalculatesAtOnce()
    {
        open(exampleLoop(2, false));
        QVERIFY(QFile::exists(KorvexTest::SaveScreenshot(m_dialog.get(), QStringLiteral("loops"))));
        QCOMPARE(m_dialog->size(), QSize(611, 424)); // the form fits its designed size
        QCOMPARE(text("m_pPressureLoss"), QStringLiteral("17009.60"));
        QLineEdit *sections = child<QLineEdit>("m_pSectionLength");
        sections->selectAll();
        QTest::keyClicks(sections, QStringLiteral("15"));
        QCOMPARE(text("m_pLoopLenghtSumm") + ' ' + text("m_pLoopHeatPressure"),
                 QStringLiteral("95.00 1900.00"));
    }

    void okNeedsACollectorDiameter()
    {
        KorvexTest::CScriptedPrompts prompts;
        open(exampleLoop());
        child<QLineEdit>("m_pCollectorN")->setText(QStringLiteral("2"));
        QCOMPARE(text("m_pCollectorDiam"), QStringLiteral("0.00"));
        prompts.AnswerButton(QMessageBox::Ok);
        QTest::mouseClick(child<QPushButton>("okButton"), Qt::LeftButton);
        QVERIFY(m_dialog->isVisible());

        child<QLineEdit>("m_pCollectorN")->setText(QStringLiteral("3"));
        QCOMPARE(text("m_pCollectorDiam"), QStringLiteral("32.00"));
        QTest::mouseClick(child<QPushButton>("okButton"), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(prompts.Texts(), QStringList({ "Диаметр коллектора не может быть равен 0!" }));
    }

    void xml()
    {
        TLoop loop = exampleLoop(3);
        loop.LoopId = 12;
        loop.IdCollector = 7;
        loop.DiamCollector = 25.4;
        loop.PipeLengthR = 24;
        loop.OpenProcent = 0.35;
        CalculateLoop(loop, 10, kWater, kDesign); // results to the last digit
        QDomDocument document;
        QDomElement element = document.createElement(QStringLiteral("Loop"));
        SaveData(element, loop);
        TLoop read;
        read.ZonesHidden = false;
        LoadData(element, read);
        QCOMPARE(describe(read), describe(loop));
        QCOMPARE(read.ZonesHidden, false);

        // Malformed or missing attributes read as 0.
        element = document.createElement(QStringLiteral("Loop"));
        for (const char *name :
             { "LoopLength=80,5", "NumJoints=2.5", "RadioID=2.0", "IdCollector=0x10" })
            element.setAttribute(QString(name).section('=', 0, 0), QString(name).section('=', 1));
        LoadData(element, read);
        QCOMPARE(describe(read),
                 describe(TLoop { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, false }));
    }
};

QTEST_MAIN(TestLoops)
#include "tst_loops.moc"
