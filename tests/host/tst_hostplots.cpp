// The demo host's plots, rendered offscreen: what each series holds.

#include "Plots.h"
#include "TestSupport.h"

#include <QAreaSeries>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTest>

#include <memory>

using namespace KorvexClimateDatabase;
using namespace KorvexCoolantDatabase;
using KorvexMaterialDatabase::TLayerMaterialType;

namespace {

QList<QXYSeries *> seriesNamed(QWidget *plot, const QString &name)
{
    QList<QXYSeries *> result;
    for (QChartView *view : plot->findChildren<QChartView *>()) {
        for (QAbstractSeries *series : view->chart()->series()) {
            if (series->objectName() == name)
                result << static_cast<QXYSeries *>(series);
        }
    }
    return result;
}

} // namespace

class TestHostPlots : public QObject
{
    Q_OBJECT
private slots:
    void coolant_data()
    {
        QTest::addColumn<CCoolant>("coolant");
        QTest::newRow("no rows") << CCoolant("Без данных");
        QTest::newRow("one row") << CCoolant("x", { { 20, 4183, 998.2, 1.006 } });
        QTest::newRow("two rows") << CCoolant("x", { { 20, 100, 10, 1 }, { 30, 200, 20, 2 } });
        QTest::newRow("uneven rows") << CCoolant(
            "x", { { -10, 3400, 1064, 8 }, { 0, 3450, 1060, 5 }, { 40, 3600, 1040, 2 } });
    }
    void coolant()
    {
        QFETCH(CCoolant, coolant);
        CCoolantDatabase database;
        database.InsertCoolant(coolant);
        std::unique_ptr<QWidget> plot(CreateCoolantPlot(database, coolant));
        const std::set<CCoolantParams> &rows = coolant.GetCoolantParams();
        const int n = int(rows.size());
        const QList<QXYSeries *> tabulated = seriesNamed(plot.get(), "tabulated");
        const QList<QXYSeries *> interpolated = seriesNamed(plot.get(), "interpolated");
        // Density, heat capacity, viscosity: one chart each, or none without rows.
        QCOMPARE(tabulated.size(), n ? 3 : 0);
        QCOMPARE(interpolated.size(), tabulated.size());
        const double last[]
            = { rows.empty() ? 0 : rows.rbegin()->GetRo(), rows.empty() ? 0 : rows.rbegin()->GetC(),
                rows.empty() ? 0 : rows.rbegin()->GetViscosity() };
        for (int chart = 0; chart < tabulated.size(); ++chart) {
            QCOMPARE(tabulated[chart]->count(), n);
            // The library answers no temperature of a single row.
            QCOMPARE(interpolated[chart]->count(),
                     n > 1 ? (n - 1) * KInterpolatedStepsPerRow + 1 : 0);
            if (n > 1) // the line reaches the last row, which the library answers only below it
                QVERIFY(qAbs(interpolated[chart]->points().last().y() - last[chart])
                        < 1e-4 * qAbs(last[chart]));
        }
        plot->setAttribute(Qt::WA_DontShowOnScreen);
        plot->show();
        QVERIFY(!KorvexTest::SaveScreenshot(plot.get(), "plot_coolant").isEmpty());
    }

    void section_data()
    {
        QTest::addColumn<double>("lambda2");
        QTest::addColumn<QList<double>>("temperatures"); // at each surface, inside first
        QTest::newRow("brick and insulation") << 0.04 << QList<double> { 20, 18, -32 };
        QTest::newRow("λ 0: no finite R") << 0.0 << QList<double> {};
    }
    void section()
    {
        QFETCH(double, lambda2);
        QFETCH(QList<double>, temperatures);
        const std::set<TLayerMaterialType> layers { { 1, "Кирпич", 10, 0.5 },
                                                    { 2, "Утеплитель", 20, lambda2 } };
        // The outside temperature is the coldest five-day period at 0.92, not at 0.98.
        CClimateDatabase climate;
        CRegion region("Область");
        for (const auto &[name, t92] : { std::pair("A", -20.0), std::pair("B", -32.0) }) {
            CSettlement settlement(name);
            TColdSeasonParams cold;
            cold.MostCold5Days_Supply92 = t92;
            cold.MostCold5Days_Supply98 = t92 - 5;
            settlement.SetColdSeasonParams(cold);
            region.InsertSettlement(settlement);
        }
        CCountry country("СТРАНА");
        country.InsertRegion(region);
        climate.InsertCountry(country);
        QVERIFY(!FindSettlement(climate, "C"));
        QCOMPARE(FindSettlement(climate, QString())->GetName(), "A");
        const CSectionTemperatures outside
            = SettlementTemperatures(*FindSettlement(climate, "B"), 20);
        QCOMPARE(outside.outside, -32.0);

        const double resistance = 0.2 + 0.2 / lambda2;
        std::unique_ptr<QWidget> plot(CreateSectionPlot(layers, resistance, outside));
        QCOMPARE(plot->findChildren<QChartView *>().size(), 1);
        const QList<QAbstractSeries *> series
            = plot->findChildren<QChartView *>().first()->chart()->series();
        QCOMPARE(std::count_if(series.begin(), series.end(),
                               [](QAbstractSeries *s) { return s->objectName() == "layer"; }),
                 2);
        const QList<QXYSeries *> temperature = seriesNamed(plot.get(), "temperature");
        QCOMPARE(temperature.size(), temperatures.isEmpty() ? 0 : 1);
        for (int i = 0; i < temperatures.size(); ++i) {
            QCOMPARE(temperature[0]->count(), temperatures.size());
            QCOMPARE(temperature[0]->at(i).x(), QList<double>({ 0, 10, 30 })[i]);
            QVERIFY(qAbs(temperature[0]->at(i).y() - temperatures[i]) < 1e-9);
        }
        plot->setAttribute(Qt::WA_DontShowOnScreen);
        plot->show();
        QVERIFY(!KorvexTest::SaveScreenshot(plot.get(), "plot_section").isEmpty());
    }
};

QTEST_MAIN(TestHostPlots)
#include "tst_hostplots.moc"
