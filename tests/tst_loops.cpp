#include "Coolants/CoolantDatabaseTypes.h"
#include "Coolants/LoopCalculation_p.h"
#include "Coolants/LoopsDialog.h"
#include "TestSupport.h"

#include <QDomDocument>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace KorvexCoolantDatabase;

namespace {

// The worked example of a 16x2 PE-Xa loop on water at about 50 °C.
const CCoolantParams kWater(50, 4190, 988, 0.556);
constexpr int kDeltaT = 10;

TLoop exampleLoop()
{
    TLoop loop;
    loop.LoopLength = 80;
    loop.SectionsLeadingLength = 5;
    loop.NumPipeBends = 2;
    loop.NumKalatchs = 10;
    loop.NumJoints = 2;
    return loop;
}

TLoopDesign exampleDesign()
{
    TLoopDesign design;
    design.HeatFluxMain = 20;
    design.PipeInnerDiameter = 12;
    design.PipeRoughness = 0.007;
    design.LoopLengthLimit = 100;
    design.HeatFluxEdge = 30;
    design.SplitNumerator = 12;
    design.SplitDenominator = 40;
    return design;
}

std::set<TCollector> collectors()
{
    TCollector first;
    first.Id = 1;
    first.Value1 = 99; // values the calculator must not mistake for the diameter
    first.Diameter = 25;
    TCollector third;
    third.Id = 3;
    third.Diameter = 32;
    return { first, third };
}

/// Relative comparison to the number of significant digits a value is quoted with.
bool closeTo(double actual, double expected, int digits)
{
    return std::abs(actual - expected) <= std::abs(expected) * 0.5 * std::pow(10.0, 1 - digits);
}

#define QVERIFY_CLOSE(actual, expected, digits) \
    QVERIFY2(closeTo((actual), (expected), (digits)), \
             qPrintable(QStringLiteral("%1 is %2, expected %3") \
                            .arg(QLatin1String(#actual)) \
                            .arg(actual, 0, 'g', 10) \
                            .arg(expected, 0, 'g', 10)))

} // namespace

Q_DECLARE_METATYPE(KorvexCoolantDatabase::CCoolantParams)

class TestLoops : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void workedExampleThroughReCalculate();
    void workedExampleIntermediates();
    void zeroDivisorsFallBack_data();
    void zeroDivisorsFallBack();
    void zoneModes_data();
    void zoneModes();
    void loopOverLimitCountsAsMainZone();
    void unknownModeLeavesZoneSectionAlone();
    void editingAnInputRecalculatesAtOnce();
    void collectorNumberSetsDiameterAndOkChecksIt();
    void showUserDialogReturnsTheEditedLoop();
    void xmlRoundTrip();
    void xmlMalformedAttributesReadAsZero();
    void screenshot();

private:
    CLoopsDialog *openDialog(const TLoop &loop, const TLoopDesign &design = exampleDesign(),
                             const CCoolantParams &coolant = kWater, int deltaT = kDeltaT);
    template<class T> T *child(const char *name)
    {
        T *widget = m_dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    QString text(const char *name) { return child<QLineEdit>(name)->text(); }

    std::unique_ptr<CLoopsDialog> m_dialog;
};

void TestLoops::cleanup()
{
    m_dialog.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

CLoopsDialog *TestLoops::openDialog(const TLoop &loop, const TLoopDesign &design,
                                    const CCoolantParams &coolant, int deltaT)
{
    m_dialog = std::make_unique<CLoopsDialog>();
    m_dialog->InitDialog(collectors(), deltaT, coolant, loop, design.HeatFluxMain,
                         design.PipeInnerDiameter, design.PipeRoughness, design.LoopLengthLimit,
                         design.HeatFluxEdge, design.SplitNumerator, design.SplitDenominator,
                         design.Value8);
    m_dialog->show();
    return m_dialog.get();
}

void TestLoops::workedExampleThroughReCalculate()
{
    CCoolantDatabase db;
    const TLoopDesign d = exampleDesign();
    const TLoop &loop
        = db.ReCalculate(collectors(), kDeltaT, kWater, exampleLoop(), d.HeatFluxMain,
                         d.PipeInnerDiameter, d.PipeRoughness, d.LoopLengthLimit, d.HeatFluxEdge,
                         d.SplitNumerator, d.SplitDenominator, d.Value8);
    QCOMPARE(loop.LoopLengthSumm, 85.0);
    QCOMPARE(loop.LoopHeatLoad, 1700.0);
    QVERIFY_CLOSE(loop.Expenditure, 0.0405728, 6);
    QVERIFY_CLOSE(loop.Velocity, 0.363099, 6);
    QVERIFY_CLOSE(loop.LoopPressureLoss, 17009.60, 7);
    // A main-zone length of 0 means the whole loop, and the loop says so afterwards.
    QCOMPARE(loop.PipeLengthM, 80.0);
    QCOMPARE(loop.DiamCollector, 25.0);
    QCOMPARE(&db.GetUserDialogParams(), &loop);
}

void TestLoops::workedExampleIntermediates()
{
    TLoop loop = exampleLoop();
    const TLoopIntermediates x = CalculateLoop(loop, kDeltaT, kWater, exampleDesign());
    QVERIFY_CLOSE(x.Reynolds, 7836.68, 6);
    QVERIFY_CLOSE(x.B, 1.65635, 6);
    QVERIFY_CLOSE(x.Lg, 3.80228, 6);
    QVERIFY_CLOSE(x.M, 2.89413, 6);
    QVERIFY_CLOSE(x.Lambda, 0.0348940, 6);
    QVERIFY_CLOSE(x.R, 189.386, 6);
    QCOMPARE(x.Zeta, 14.0);
}

void TestLoops::zeroDivisorsFallBack_data()
{
    QTest::addColumn<int>("deltaT");
    QTest::addColumn<CCoolantParams>("coolant");
    QTest::addColumn<double>("roughness");
    QTest::addColumn<double>("expectedLg");

    QTest::newRow("ΔT 0") << 0 << kWater << 0.007 << std::log10(3.7 * 12 / 0.007);
    QTest::newRow("c 0") << kDeltaT << CCoolantParams(50, 0, 988, 0.556) << 0.007
                         << std::log10(3.7 * 12 / 0.007);
    QTest::newRow("ν 0, smooth pipe") << kDeltaT << CCoolantParams(50, 4190, 988, 0) << 0.0 << 1.0;
}

void TestLoops::zeroDivisorsFallBack()
{
    QFETCH(int, deltaT);
    QFETCH(CCoolantParams, coolant);
    QFETCH(double, roughness);
    QFETCH(double, expectedLg);

    TLoopDesign design = exampleDesign();
    design.PipeRoughness = roughness;
    TLoop loop = exampleLoop();
    const TLoopIntermediates x = CalculateLoop(loop, deltaT, coolant, design);
    QCOMPARE(x.Reynolds, 0.0);
    QCOMPARE(x.B, 1.0);
    QCOMPARE(x.M, 1.0);
    QCOMPARE(x.Lg, expectedLg);
    QVERIFY(std::isfinite(x.Lambda));
    QCOMPARE(loop.LoopHeatLoad, 1700.0);
    if (deltaT == 0 || coolant.GetC() == 0) {
        QCOMPARE(loop.Expenditure, 0.0);
        QCOMPARE(loop.Velocity, 0.0);
        // Only the fittings' share is left, and that is 0 at no velocity.
        QCOMPARE(loop.LoopPressureLoss, 0.0);
    }

    // No pipe diameter: no velocity and no friction loss, and no division by it.
    design.PipeInnerDiameter = 0;
    loop = exampleLoop();
    const TLoopIntermediates y = CalculateLoop(loop, deltaT, coolant, design);
    QCOMPARE(loop.Velocity, 0.0);
    QCOMPARE(y.Lg, 1.0);
    QCOMPARE(y.R, 0.0);
}

void TestLoops::zoneModes_data()
{
    QTest::addColumn<double>("radioId");
    QTest::addColumn<QString>("checked"); // the checked buttons, by number
    QTest::addColumn<bool>("zoneButtonsEnabled");
    QTest::addColumn<bool>("lengthEditsEnabled");
    QTest::addColumn<QString>("mainShown");
    QTest::addColumn<QString>("edgeShown");
    QTest::addColumn<QString>("heatLoad");

    // 12 × 80 / (40 × (100 × 0.01)) = 24 m in the edge zone.
    QTest::newRow("1 proportional") << 1.0 << "14" << false << false << "56.00"
                                    << "24.00"
                                    << "1940.00";
    QTest::newRow("2 separate loops") << 2.0 << "24" << true << false << "80.00"
                                      << "0.00"
                                      << "1700.00";
    // The lengths the loop brought stay, and are used as they are.
    QTest::newRow("3 entered") << 3.0 << "34" << false << true << "50.00"
                               << "30.00"
                               << "2000.00";
    QTest::newRow("4 main zone") << 4.0 << "14" << true << true << "80.00"
                                 << "0.00"
                                 << "1700.00";
    // Main zone 0 counts as the whole loop again, so the loop counts in both zones.
    QTest::newRow("5 edge zone") << 5.0 << "15" << true << true << "0.00"
                                 << "80.00"
                                 << "4100.00";
}

void TestLoops::zoneModes()
{
    QFETCH(double, radioId);
    QFETCH(QString, checked);
    QFETCH(bool, zoneButtonsEnabled);
    QFETCH(bool, lengthEditsEnabled);
    QFETCH(QString, mainShown);
    QFETCH(QString, edgeShown);
    QFETCH(QString, heatLoad);

    TLoop loop = exampleLoop();
    loop.ZonesHidden = false;
    loop.RadioID = radioId;
    loop.PipeLengthM = 50;
    loop.PipeLengthR = 30;
    openDialog(loop);

    QVERIFY(child<QGroupBox>("groupBox_3")->isVisible());
    QString checkedNow;
    for (int i = 1; i <= 5; ++i) {
        if (child<QRadioButton>(qPrintable(QStringLiteral("m_pRadioButton%1").arg(i)))->isChecked())
            checkedNow += QString::number(i);
    }
    QCOMPARE(checkedNow, checked);
    QCOMPARE(child<QRadioButton>("m_pRadioButton4")->isEnabled(), zoneButtonsEnabled);
    QCOMPARE(child<QRadioButton>("m_pRadioButton5")->isEnabled(), zoneButtonsEnabled);
    QCOMPARE(child<QLineEdit>("m_pPipeLengthMZ")->isEnabled(), lengthEditsEnabled);
    QCOMPARE(text("m_pPipeLengthMZ"), mainShown);
    QCOMPARE(text("m_pPipeLengthRZ"), edgeShown);
    QCOMPARE(text("m_pLoopHeatPressure"), heatLoad);
}

void TestLoops::loopOverLimitCountsAsMainZone()
{
    TLoop loop = exampleLoop();
    loop.ZonesHidden = false;
    openDialog(loop);
    QCOMPARE(text("m_pPipeLengthRZ"), QStringLiteral("24.00"));

    // Over the limit of 100 m the split sees no loop at all; the calculation still does.
    child<QLineEdit>("m_pLoopLength")->setText(QStringLiteral("120"));
    QCOMPARE(text("m_pPipeLengthMZ"), QStringLiteral("0.00"));
    QCOMPARE(text("m_pPipeLengthRZ"), QStringLiteral("0.00"));
    QCOMPARE(m_dialog->GetLoop().LoopLength, 120.0);
    QCOMPARE(text("m_pLoopHeatPressure"), QStringLiteral("2500.00"));
}

void TestLoops::unknownModeLeavesZoneSectionAlone()
{
    TLoop loop = exampleLoop();
    loop.ZonesHidden = false;
    loop.RadioID = 3;
    openDialog(loop);
    CLoopsDialog *dialog = m_dialog.release();

    loop.RadioID = 7;
    loop.PipeLengthM = 44;
    loop.PipeLengthR = 11;
    dialog->InitDialog(collectors(), kDeltaT, kWater, loop, 20, 12, 0.007, 100, 30, 12, 40, 0);
    m_dialog.reset(dialog);
    QVERIFY(child<QRadioButton>("m_pRadioButton3")->isChecked());
    QVERIFY(child<QLineEdit>("m_pPipeLengthRZ")->isEnabled());
    QCOMPARE(text("m_pPipeLengthMZ"), QStringLiteral("44.00"));
    QCOMPARE(text("m_pPipeLengthRZ"), QStringLiteral("11.00"));
    QCOMPARE(m_dialog->GetLoop().RadioID, 7.0);

    // A hidden zone section stays hidden for a later loop with an unknown mode too.
    loop.ZonesHidden = true;
    m_dialog->InitDialog(collectors(), kDeltaT, kWater, loop, 20, 12, 0.007, 100, 30, 12, 40, 0);
    QVERIFY(!child<QGroupBox>("groupBox_3")->isVisible());
    loop.ZonesHidden = false;
    m_dialog->InitDialog(collectors(), kDeltaT, kWater, loop, 20, 12, 0.007, 100, 30, 12, 40, 0);
    QVERIFY(!child<QGroupBox>("groupBox_3")->isVisible());
}

void TestLoops::editingAnInputRecalculatesAtOnce()
{
    openDialog(exampleLoop());
    QCOMPARE(text("m_pLoopLenghtSumm"), QStringLiteral("85.00"));
    QCOMPARE(text("m_pLoopHeatPressure"), QStringLiteral("1700.00"));
    QCOMPARE(text("m_pCoolantExpenditure"), QStringLiteral("0.04"));
    QCOMPARE(text("m_pCoolantVelocity"), QStringLiteral("0.36"));
    QCOMPARE(text("m_pPressureLoss"), QStringLiteral("17009.60"));
    QVERIFY(child<QLineEdit>("m_pPressureLoss")->isReadOnly());

    // Two more bends add 2 × 0.5 × 0.5 × ρ × v² to the loss.
    QLineEdit *bends = child<QLineEdit>("m_pNumOtvod");
    bends->selectAll();
    QTest::keyClicks(bends, QStringLiteral("4"));
    const double v = m_dialog->GetLoop().Velocity;
    QCOMPARE(m_dialog->GetLoop().NumPipeBends, 4);
    QCOMPARE(text("m_pPressureLoss"), QString::number(17009.60 + 0.5 * 988 * v * v, 'f', 2));

    QLineEdit *sections = child<QLineEdit>("m_pSectionLength");
    sections->selectAll();
    QTest::keyClicks(sections, QStringLiteral("15"));
    QCOMPARE(text("m_pLoopLenghtSumm"), QStringLiteral("95.00"));
    QCOMPARE(text("m_pLoopHeatPressure"), QStringLiteral("1900.00"));

    // Text that is no number counts as 0.
    sections->setText(QStringLiteral("abc"));
    QCOMPARE(text("m_pLoopLenghtSumm"), QStringLiteral("80.00"));
}

void TestLoops::collectorNumberSetsDiameterAndOkChecksIt()
{
    KorvexTest::CScriptedPrompts prompts;
    openDialog(exampleLoop());
    QCOMPARE(text("m_pCollectorDiam"), QStringLiteral("25.00"));

    child<QLineEdit>("m_pCollectorN")->setText(QStringLiteral("2"));
    QCOMPARE(text("m_pCollectorDiam"), QStringLiteral("0.00"));
    QCOMPARE(m_dialog->GetLoop().IdCollector, 2u);

    prompts.AnswerButton(QMessageBox::Ok);
    QTest::mouseClick(child<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(prompts.Requests().size(), size_t(1));
    const KorvexCore::CPromptRequest &box = prompts.Requests().front();
    QCOMPARE(box.kind, KorvexCore::PromptKind::Critical);
    QCOMPARE(box.parent, m_dialog.get());
    QCOMPARE(box.title, QStringLiteral("Сообщение Korvex. Модуль KorvexDatabase"));
    QCOMPARE(box.text, QStringLiteral("Диаметр коллектора не может быть равен 0!"));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));

    child<QLineEdit>("m_pCollectorN")->setText(QStringLiteral("3"));
    QCOMPARE(text("m_pCollectorDiam"), QStringLiteral("32.00"));
    QTest::mouseClick(child<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(prompts.Requests().size(), size_t(1));
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
}

void TestLoops::showUserDialogReturnsTheEditedLoop()
{
    CCoolantDatabase db;
    TLoop loop = exampleLoop();
    loop.LoopId = 42;
    loop.ZonesHidden = false;
    loop.RadioID = 1;
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<CLoopsDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QRadioButton *>(QStringLiteral("m_pRadioButton2"))->click();
        dialog->findChild<QRadioButton *>(QStringLiteral("m_pRadioButton5"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    });
    const TLoopDesign d = exampleDesign();
    QVERIFY(db.ShowUserDialog(collectors(), kDeltaT, kWater, loop, d.HeatFluxMain,
                              d.PipeInnerDiameter, d.PipeRoughness, d.LoopLengthLimit,
                              d.HeatFluxEdge, d.SplitNumerator, d.SplitDenominator, d.Value8));
    const TLoop &result = db.GetUserDialogParams();
    QCOMPARE(result.LoopId, 42u);
    QCOMPARE(result.RadioID, 2.0);
    QCOMPARE(result.PipeLengthR, 80.0);
    QCOMPARE(result.LoopHeatLoad, 4100.0);
}

void TestLoops::xmlRoundTrip()
{
    TLoop loop;
    loop.LoopId = 4000000000u;
    loop.IdCollector = 7;
    loop.DiamCollector = 25.4;
    loop.LoopLength = 80.125;
    loop.PipeLengthR = 24;
    loop.PipeLengthM = 56;
    loop.SectionsLeadingLength = 5;
    loop.NumPipeBends = -2;
    loop.NumKalatchs = 10;
    loop.NumJoints = 2;
    loop.LoopLengthSumm = 85.125;
    loop.LoopHeatLoad = 1700.5;
    loop.Expenditure = 0.040572792362768496;
    loop.Velocity = 0.36309921;
    loop.LoopPressureLoss = 17009.6;
    loop.OpenProcent = 0.35;
    loop.RadioID = 3;

    QDomDocument document;
    QDomElement element = document.createElement(QStringLiteral("Loop"));
    SaveData(element, loop);
    QCOMPARE(element.attributes().count(), 17);
    QVERIFY(!element.hasAttribute(QStringLiteral("ZonesHidden")));

    TLoop read;
    read.ZonesHidden = false;
    LoadData(element, read);
    QCOMPARE(read.IdCollector, loop.IdCollector);
    QCOMPARE(read.DiamCollector, loop.DiamCollector);
    QCOMPARE(read.LoopLength, loop.LoopLength);
    QCOMPARE(read.PipeLengthR, loop.PipeLengthR);
    QCOMPARE(read.PipeLengthM, loop.PipeLengthM);
    QCOMPARE(read.SectionsLeadingLength, loop.SectionsLeadingLength);
    QCOMPARE(read.NumPipeBends, loop.NumPipeBends);
    QCOMPARE(read.NumKalatchs, loop.NumKalatchs);
    QCOMPARE(read.NumJoints, loop.NumJoints);
    QCOMPARE(read.LoopLengthSumm, loop.LoopLengthSumm);
    QCOMPARE(read.LoopHeatLoad, loop.LoopHeatLoad);
    QCOMPARE(read.Expenditure, loop.Expenditure);
    QCOMPARE(read.Velocity, loop.Velocity);
    QCOMPARE(read.LoopPressureLoss, loop.LoopPressureLoss);
    QCOMPARE(read.OpenProcent, loop.OpenProcent);
    QCOMPARE(read.RadioID, loop.RadioID);
    QCOMPARE(read.ZonesHidden, false);
    // Stored unsigned, read back as int: a number above INT_MAX does not survive.
    QCOMPARE(element.attribute(QStringLiteral("LoopId")), QStringLiteral("4000000000"));
    QCOMPARE(read.LoopId, 0u);
    loop.LoopId = 12;
    SaveData(element, loop);
    LoadData(element, read);
    QCOMPARE(read.LoopId, 12u);
}

void TestLoops::xmlMalformedAttributesReadAsZero()
{
    QDomDocument document;
    QDomElement element = document.createElement(QStringLiteral("Loop"));
    element.setAttribute(QStringLiteral("LoopLength"), QStringLiteral("80,5"));
    element.setAttribute(QStringLiteral("NumJoints"), QStringLiteral("2.5"));
    element.setAttribute(QStringLiteral("RadioID"), QStringLiteral("2.0"));
    element.setAttribute(QStringLiteral("IdCollector"), QStringLiteral("0x10"));
    element.setAttribute(QStringLiteral("Velocity"), QStringLiteral(" 0.25 "));

    TLoop read;
    read.NumKalatchs = 9; // missing attribute
    LoadData(element, read);
    QCOMPARE(read.LoopLength, 0.0);
    QCOMPARE(read.NumJoints, 0);
    QCOMPARE(read.RadioID, 0.0);
    QCOMPARE(read.IdCollector, 0u);
    QCOMPARE(read.NumKalatchs, 0);
    QCOMPARE(read.Velocity, 0.25);
    QCOMPARE(read.ZonesHidden, true);
}

void TestLoops::screenshot()
{
    TLoop loop = exampleLoop();
    loop.ZonesHidden = false;
    loop.RadioID = 2;
    openDialog(loop);
    QVERIFY(QFile::exists(KorvexTest::SaveScreenshot(m_dialog.get(), QStringLiteral("loops"))));
    // The form fits its designed size: nothing is pushed out or squeezed.
    QCOMPARE(m_dialog->size(), QSize(611, 424));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Петли и коллекторы"));
    loop.ZonesHidden = true;
    openDialog(loop);
    KorvexTest::SaveScreenshot(m_dialog.get(), QStringLiteral("loops_zones_hidden"));
}

QTEST_MAIN(TestLoops)
#include "tst_loops.moc"
