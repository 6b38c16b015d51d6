#include "Coolants/CoolantDatabaseTypes.h"
#include "Coolants/CoolantRedactorDialog.h"
#include "Coolants/LoopCalculation_p.h"
#include "Coolants/LoopsDialog.h"
#include "EditorProbe.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDomDocument>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

using namespace KorvexCoolantDatabase;
using KorvexTest::CTempDatabase;

namespace {

/// Every coolant's name followed by its rows, each as "T c ro viscosity".
QStringList dump(const std::set<CCoolant> &coolants)
{
    QStringList out;
    for (const CCoolant &c : coolants) {
        out << c.GetName();
        for (const CCoolantParams &r : c.GetCoolantParams())
            out << QString::asprintf("%d %.12g %.12g %.12g", r.GetTemp(), r.GetC(), r.GetRo(),
                                     r.GetViscosity());
    }
    return out;
}

// The worked example of a 16x2 PE-Xa loop on water at about 50 °C: 80 m in the room, 5 m
// of supply sections, 2 bends, 10 kalatchs and 2 joints on collector 1.
const CCoolantParams kWater(50, 4190, 988, 0.556);
const TLoopDesign kDesign { 20, 12, 0.007, 100, 30, 12, 40, 0 };

TLoop exampleLoop(double radioId = 1, bool zonesHidden = true)
{
    return { 0, 1, 0, 80, 0, 0, 5, 2, 10, 2, 0, 0, 0, 0, 0, 0, radioId, zonesHidden };
}

// Value1 99 must not be taken for the diameter.
const std::set<TCollector> kCollectors { { 1, 99, 0, 0, 0, 0, 25, {} },
                                         { 3, 0, 0, 0, 0, 0, 32, {} } };

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

class TestCoolants : public QObject
{
    Q_OBJECT

    std::unique_ptr<CLoopsDialog> m_dialog;

    void open(const TLoop &loop, bool fresh = true)
    {
        if (fresh)
            m_dialog = std::make_unique<CLoopsDialog>();
        m_dialog->InitDialog(kCollectors, 10, kWater, loop, 20, 12, 0.007, 100, 30, 12, 40, 0);
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

    void interpolation()
    {
        CCoolantDatabase db;
        for (const CCoolant &c :
             { CCoolant("pair", { { 20, 100, 10, 1 }, { 30, 200, 20, 2 } }),
               CCoolant("sparse", { { 10, 0, 0, 0 }, { 20, 100, 10, 1 }, { 30, 300, 30, 3 } }),
               CCoolant("frost", { { -10, 3400, 1064, 8 }, { 0, 3450, 1060, 5 } }),
               CCoolant("single", { { 20, 100, 10, 1 } }) })
            db.InsertCoolant(c);
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("^ERROR: coolant type is empty AT: "
                                                "Coolants.CoolantDatabaseTypes [0-9]+$"));
        // T truncates to a whole degree; the highest row, NaN and huge T are outside.
        for (const auto &[name, T, expected] :
             { std::tuple("pair", 25.0, "25 150 15 1.5"), std::tuple("pair", 20.0, "20 100 10 1"),
               std::tuple("pair", 20.5, "20 105 10.5 1.05"),
               std::tuple("pair", 29.9, "29 199 19.9 1.99"), std::tuple("pair", 30.0, "0 0 0 0"),
               std::tuple("pair", 19.9, "0 0 0 0"), std::tuple("sparse", 25.5, "25 210 21 2.1"),
               std::tuple("frost", -5.5, "-5 3422.5 1062.2 6.65"),
               std::tuple("single", 20.0, "0 0 0 0"), std::tuple("Вода", 25.0, "0 0 0 0"),
               std::tuple("", 25.0, "0 0 0 0"), std::tuple("pair", qQNaN(), "0 0 0 0"),
               std::tuple("pair", 1e12, "0 0 0 0") })
            QCOMPARE(name + QString::asprintf(" %g: ", T)
                         + dump({ CCoolant("x", { db.DefineCoolantParams(T, name) }) }).value(1),
                     name + QString::asprintf(" %g: ", T) + expected);
    }

    void tableRoundTrip()
    {
        CTempDatabase temp;
        CCoolantDatabase db;
        for (const CCoolant &c :
             { CCoolant("Гликоль", { { 20, 3510, 1051, 2.9 }, { -20, 3390, 1068, 12.5 } }),
               CCoolant("Без данных"),
               CCoolant("Вода", { { 50, 4174, 988.1, 0.556 }, { 0, 4212, 999.9, 1.789 } }) })
            db.InsertCoolant(c);
        db.SaveDataToDataBase();
        // Name rows in name order, each followed by its rows in rising temperature.
        QCOMPARE(CTempDatabase::Column("SELECT coalesce(Name, T) FROM COOLANTS ORDER BY SortID"),
                 QStringList({ "Без данных", "Вода", "0", "50", "Гликоль", "-20", "20" }));
        CCoolantDatabase loaded;
        loaded.LoadData();
        QCOMPARE(dump(loaded.GetCoolants()), dump(db.GetCoolants()));
        // Cells written by hand: T "20.5" reads as 0, and of two rows at 0 °C the first stays.
        CTempDatabase::Exec("DELETE FROM COOLANTS");
        CTempDatabase::Exec(
            "INSERT INTO COOLANTS (SortID, Name, T, C, RO, VZK) VALUES "
            "(1, 'Zeta', NULL, NULL, NULL, NULL), (2, NULL, '20.5', '4182', '998', '1.0'), "
            "(3, NULL, '0', '9', '9', '9'), (4, NULL, '30', 'abc', '1', '')");
        loaded.LoadData();
        QCOMPARE(dump(loaded.GetCoolants()), QStringList({ "Zeta", "0 4182 998 1", "30 0 1 0" }));
    }

    void editorRows()
    {
        CCoolantRedactorDialog dialog;
        dialog.SetData(
            { CCoolant("Вода", { { 20, 4183, 998.2, 1.006 }, { 50, 4174, 988.1, 0.556 } }),
              CCoolant("Рассол") });
        const KorvexTest::CEditorProbe probe(&dialog);
        KorvexTest::CScriptedPrompts prompts;
        // A new row starts at 0 °C, only once.
        probe.Select(1, "Рассол");
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Click("m_pAddToTable");
        probe.Click("m_pAddToTable");
        QCOMPARE(probe.Rows(), std::vector<QStringList>({ { "0", "0.00", "0.00", "0.00" } }));
        QCOMPARE(prompts.Texts(), QStringList { "Параметр с температурой 0 уже существует!" });
        // A cell edit rebuilds the coolant from the shown texts, rounded to 2 decimals; deleting
        // a row needs a current one, and asks nothing.
        probe.Select(1, "Вода");
        probe.Type(0, 1, "4182");
        probe.Click("m_pDelToTable");
        probe.Table()->setCurrentCell(1, 0);
        probe.Click("m_pDelToTable");
        QCOMPARE(dump(dialog.GetData()),
                 QStringList({ "Вода", "20 4182 998.2 1.01", "Рассол", "0 0 0 0" }));
    }

    void loopCalculation()
    {
        // The worked example's intermediates; its results are the host_loop test's.
        TLoop loop = exampleLoop();
        const TLoopIntermediates x = CalculateLoop(loop, 10, kWater, kDesign);
        QCOMPARE(QString::asprintf("%.6g %.6g %.6g %.6g %.6g %.6g %g %.2f", x.Reynolds, x.B, x.Lg,
                                   x.M, x.Lambda, x.R, x.Zeta, loop.LoopPressureLoss),
                 QStringLiteral("7836.68 1.65635 3.80228 2.89413 0.034894 189.386 14 17009.60"));
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

    void zoneModes()
    {
        // Mode: checked buttons; zone buttons and length edits enabled; main zone, edge zone,
        // load. Proportional: 12 × 80 / (40 × (100 × 0.01)) = 24 m in the edge zone. An
        // unknown mode (7) leaves the zone section as the last loop (mode 3) had it.
        for (const auto &[radioId, expected] : { std::pair(1.0, "14 -- 56.00 24.00 1940.00"),
                                                 std::pair(2.0, "24 +- 80.00 0.00 1700.00"),
                                                 std::pair(3.0, "34 -+ 50.00 30.00 2000.00"),
                                                 std::pair(4.0, "14 ++ 80.00 0.00 1700.00"),
                                                 std::pair(5.0, "15 ++ 0.00 80.00 4100.00"),
                                                 std::pair(7.0, "34 -+ 50.00 30.00 2000.00") }) {
            TLoop loop = exampleLoop(radioId == 7 ? 3 : radioId, false);
            loop.PipeLengthM = 50;
            loop.PipeLengthR = 30;
            open(loop);
            loop.RadioID = radioId;
            open(loop, false);
            QString shown = QString::number(radioId) + ": ";
            for (int i = 1; i <= 5; ++i)
                if (child<QRadioButton>(QStringLiteral("m_pRadioButton%1").arg(i))->isChecked())
                    shown += QString::number(i);
            const auto on
                = [this](const char *n) { return child<QWidget>(n)->isEnabled() ? "+" : "-"; };
            shown += QStringLiteral(" %1%2").arg(on("m_pRadioButton4"), on("m_pPipeLengthMZ"));
            for (const char *name : { "m_pPipeLengthMZ", "m_pPipeLengthRZ", "m_pLoopHeatPressure" })
                shown += ' ' + text(name);
            QCOMPARE(shown, QString::number(radioId) + ": " + expected);
            QCOMPARE(m_dialog->GetLoop().RadioID, radioId);
        }
    }

    void loopsDialog()
    {
        KorvexTest::CScriptedPrompts prompts;
        open(exampleLoop(2, false));
        QVERIFY(QFile::exists(KorvexTest::SaveScreenshot(m_dialog.get(), QStringLiteral("loops"))));
        QCOMPARE(text("m_pPressureLoss"), QStringLiteral("17009.60")); // recalculated on edits
        QLineEdit *sections = child<QLineEdit>("m_pSectionLength");
        sections->selectAll();
        QTest::keyClicks(sections, QStringLiteral("15"));
        QCOMPARE(text("m_pLoopLenghtSumm") + ' ' + text("m_pLoopHeatPressure"),
                 QStringLiteral("95.00 1900.00"));
        child<QLineEdit>("m_pCollectorN")->setText(QStringLiteral("2")); // OK needs a diameter
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

    void loopXml()
    {
        TLoop loop { 12, 7, 25.4, 80, 24, 0, 5, 2, 10, 2, 0, 0, 0, 0, 0, 0.35, 3, true };
        CalculateLoop(loop, 10, kWater, kDesign); // results to the last digit
        QDomDocument document;
        QDomElement element = document.createElement(QStringLiteral("Loop"));
        SaveData(element, loop);
        TLoop read;
        read.ZonesHidden = false;
        LoadData(element, read);
        QCOMPARE(describe(read) + (read.ZonesHidden ? " hidden" : ""), describe(loop));
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

QTEST_MAIN(TestCoolants)
#include "tst_coolants.moc"
