#include "Plots.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using KorvexClimateDatabase::CClimateDatabase;
using KorvexClimateDatabase::CSettlement;
using KorvexCoolantDatabase::CCoolant;
using KorvexCoolantDatabase::CCoolantDatabase;
using KorvexCoolantDatabase::CCoolantParams;
using KorvexMaterialDatabase::TLayerMaterialType;

// The plots' texts have a context of their own; the functions below belong to no class.
class KorvexPlots
{
    Q_DECLARE_TR_FUNCTIONS(KorvexPlots)
};

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

/// 1, 2 or 5 times a power of ten, the nearest at or above \a rough.
double niceStep(double rough)
{
    if (!(rough > 0))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : { 1.0, 2.0, 5.0 }) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

/// A value axis over [low, high], widened a little so that no point sits on the frame.
QValueAxis *axis(const QString &title, double low, double high)
{
    const double margin = high > low ? (high - low) * 0.05 : std::max(1.0, std::abs(low) * 0.05);
    auto *result = new QValueAxis;
    result->setTitleText(title);
    result->setRange(low - margin, high + margin);
    result->setLabelFormat(QStringLiteral("%g"));
    result->setTickType(QValueAxis::TicksDynamic);
    result->setTickAnchor(0);
    result->setTickInterval(niceStep((high - low + 2 * margin) / 6));
    return result;
}

void attach(QChart *chart, QAbstractSeries *series, QValueAxis *x, QValueAxis *y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QChartView *view(QChart *chart, Qt::Alignment legend, QWidget *parent)
{
    chart->legend()->setAlignment(legend);
    auto *result = new QChartView(chart, parent);
    result->setRenderHint(QPainter::Antialiasing);
    return result;
}

QChartView *propertyChart(const QString &title, const QList<QPointF> &rows,
                          const QList<QPointF> &line, QWidget *parent)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    auto *interpolated = new QLineSeries;
    interpolated->setObjectName(QStringLiteral("interpolated"));
    interpolated->setName(KorvexPlots::tr("интерполяция библиотеки"));
    interpolated->append(line);
    auto *tabulated = new QScatterSeries;
    tabulated->setObjectName(QStringLiteral("tabulated"));
    tabulated->setName(KorvexPlots::tr("значения таблицы"));
    tabulated->setMarkerSize(rows.size() > 40 ? 4 : 8); // a dense table must not hide the line
    tabulated->setColor(QColor(0x1f, 0x4e, 0x9c));
    tabulated->setBorderColor(QColor(0x1f, 0x4e, 0x9c));
    interpolated->setPen(QPen(QColor(0xe0, 0x6c, 0x1b), 1.5));
    tabulated->append(rows);

    double low = rows.first().y(), high = low;
    for (const QPointF &point : rows + line) {
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    }
    QValueAxis *x = axis(KorvexPlots::tr("Температура, °C"), rows.first().x(), rows.last().x());
    QValueAxis *y = axis(title, low, high);
    y->setTitleVisible(false);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(chart, tabulated, x, y);
    attach(chart, interpolated, x, y);
    return view(chart, Qt::AlignRight, parent);
}

} // namespace

QWidget *CreateCoolantPlot(CCoolantDatabase &database, const CCoolant &coolant, QWidget *parent)
{
    struct CProperty
    {
        const char *title;
        double (*value)(const CCoolantParams &);
    };
    static const CProperty properties[] = {
        { QT_TRANSLATE_NOOP("KorvexPlots", "Плотность, кг/м³"),
          [](const CCoolantParams &p) { return p.GetRo(); } },
        { QT_TRANSLATE_NOOP("KorvexPlots", "Теплоёмкость, Дж/(кг·К)"),
          [](const CCoolantParams &p) { return p.GetC(); } },
        { QT_TRANSLATE_NOOP("KorvexPlots", "Кинематическая вязкость, м²/с × 10⁶"),
          [](const CCoolantParams &p) { return p.GetViscosity(); } },
    };

    // The line is what the library answers between the rows; it answers up to, not at,
    // the last row's temperature, so the line closes just below it.
    std::vector<std::pair<double, CCoolantParams>> samples;
    const std::set<CCoolantParams> &rows = coolant.GetCoolantParams();
    for (auto row = rows.begin(); row != rows.end() && std::next(row) != rows.end(); ++row) {
        const bool last = std::next(row, 2) == rows.end();
        const double from = row->GetTemp(), to = std::next(row)->GetTemp();
        for (int step = 0; step < KInterpolatedStepsPerRow + (last ? 1 : 0); ++step) {
            const double t = step == KInterpolatedStepsPerRow
                ? to - 1e-6
                : from + (to - from) * step / KInterpolatedStepsPerRow;
            const CCoolantParams value = database.DefineCoolantParams(t, coolant.GetName());
            // All zero means "no properties here"; plotted, it would read as a real value.
            if (value.GetC() == 0 && value.GetRo() == 0 && value.GetViscosity() == 0)
                continue;
            samples.emplace_back(t, value);
        }
    }

    auto *result = new QWidget(parent);
    auto *layout = new QVBoxLayout(result);
    auto *caption = new QLabel(KorvexPlots::tr("Теплоноситель «%1»: %2 строк таблицы")
                                   .arg(coolant.GetName())
                                   .arg(rows.size()),
                               result);
    caption->setObjectName(QStringLiteral("m_pCaption"));
    layout->addWidget(caption);
    if (rows.empty()) {
        caption->setText(
            KorvexPlots::tr("У теплоносителя «%1» нет строк таблицы.").arg(coolant.GetName()));
        return result;
    }
    for (const CProperty &property : properties) {
        QList<QPointF> tabulated, line;
        for (const CCoolantParams &row : rows)
            tabulated.append(QPointF(row.GetTemp(), property.value(row)));
        for (const auto &[t, sample] : samples)
            line.append(QPointF(t, property.value(sample)));
        layout->addWidget(propertyChart(KorvexPlots::tr(property.title), tabulated, line, result),
                          1);
    }
    result->resize(760, 960);
    return result;
}

const CSettlement *FindSettlement(const CClimateDatabase &database, const QString &name)
{
    for (const auto &country : database.GetCountries()) {
        for (const auto &region : country.GetRegions()) {
            for (const CSettlement &settlement : region.GetSettlements()) {
                if (name.isEmpty() || settlement.GetName() == name)
                    return &settlement;
            }
        }
    }
    return nullptr;
}

CSectionTemperatures SettlementTemperatures(const CSettlement &settlement, double inside)
{
    CSectionTemperatures result;
    result.inside = inside;
    result.outside = settlement.GetColdSeasonParams().MostCold5Days_Supply92;
    result.outsideSource = KorvexPlots::tr("%1: наиболее холодная пятидневка обеспеченностью 0,92")
                               .arg(settlement.GetName());
    return result;
}

QList<QPointF> SectionTemperatureProfile(const std::set<TLayerMaterialType> &layers,
                                         double resistance,
                                         const CSectionTemperatures &temperatures)
{
    const double tIn = temperatures.inside, tOut = temperatures.outside;
    QList<QPointF> result { QPointF(0, tIn) };
    double left = 0, passed = 0;
    for (const TLayerMaterialType &layer : layers) {
        left += layer.Thickness;
        passed += layer.Thickness * 0.01 / layer.Lambda;
        result.append(QPointF(left, tIn - (tIn - tOut) * passed / resistance));
    }
    return result;
}

QWidget *CreateSectionPlot(const std::set<TLayerMaterialType> &layers, double resistance,
                           const CSectionTemperatures &temperatures, QWidget *parent)
{
    static const QColor fills[]
        = { QColor(0xd9, 0x8b, 0x65), QColor(0xf2, 0xe2, 0x9b), QColor(0xb7, 0xcf, 0xe3),
            QColor(0xc9, 0xc9, 0xc9), QColor(0xb3, 0xd9, 0xa5), QColor(0xe0, 0xbd, 0xd8) };
    const double tIn = temperatures.inside, tOut = temperatures.outside;
    const double low = std::floor(std::min(tIn, tOut) / 10 - 0.5) * 10;
    const double high = std::ceil(std::max(tIn, tOut) / 10 + 0.5) * 10;
    double width = 0;
    for (const TLayerMaterialType &layer : layers)
        width += layer.Thickness;

    auto *chart = new QChart;
    chart->setTitle(
        KorvexPlots::tr("Разрез конструкции: R = %1 м²·К/Вт, внутри %2 °C, снаружи %3 °C")
            .arg(QString::number(resistance, 'f', 3), number(tIn), number(tOut)));
    QValueAxis *x = axis(KorvexPlots::tr("Расстояние от внутренней поверхности, см"), 0, width);
    x->setRange(0, width); // the section fills the plot, the surfaces on its edges
    QValueAxis *y = axis(KorvexPlots::tr("Температура, °C"), low, high);
    y->setRange(low, high);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    // A λ of 0 gives no finite R; the temperature through such a layer cannot be told.
    const bool drawTemperature = std::isfinite(resistance) && resistance > 0;
    auto *temperature = new QLineSeries;
    temperature->setObjectName(QStringLiteral("temperature"));
    temperature->setName(KorvexPlots::tr("температура"));
    temperature->append(SectionTemperatureProfile(layers, resistance, temperatures));
    double left = 0;
    int index = 0;
    for (const TLayerMaterialType &layer : layers) {
        auto *area = new QAreaSeries;
        area->setObjectName(QStringLiteral("layer"));
        auto *upper = new QLineSeries(area), *lower = new QLineSeries(area);
        upper->append({ QPointF(left, high), QPointF(left + layer.Thickness, high) });
        lower->append({ QPointF(left, low), QPointF(left + layer.Thickness, low) });
        area->setUpperSeries(upper);
        area->setLowerSeries(lower);
        area->setName(KorvexPlots::tr("%1: %2 см, λ %3")
                          .arg(layer.LayerMaterial, number(layer.Thickness), number(layer.Lambda)));
        QColor fill = fills[index++ % std::size(fills)];
        fill.setAlpha(170);
        area->setColor(fill);
        area->setBorderColor(Qt::darkGray);
        attach(chart, area, x, y);
        left += layer.Thickness;
    }
    temperature->setPen(QPen(Qt::red, 3));
    temperature->setPointsVisible(true);
    QStringList values;
    for (const QPointF &point : temperature->points())
        values << QString::number(point.y(), 'f', 1);
    if (drawTemperature)
        attach(chart, temperature, x, y);
    else
        delete temperature;

    auto *result = new QWidget(parent);
    auto *layout = new QVBoxLayout(result);
    layout->addWidget(view(chart, Qt::AlignRight, result), 1);
    // The values in a line of their own: labels at the points would overlap at thin layers.
    QString caption = drawTemperature
        ? KorvexPlots::tr("Температура на поверхностях и границах слоёв изнутри наружу, °C: %1")
              .arg(values.join(QStringLiteral("  |  ")))
        : KorvexPlots::tr(
            "R не является конечным числом больше 0: температуру в конструкции не найти.");
    if (!temperatures.outsideSource.isEmpty())
        caption
            += QLatin1Char('\n') + KorvexPlots::tr("Снаружи — %1.").arg(temperatures.outsideSource);
    auto *label = new QLabel(caption, result);
    label->setObjectName(QStringLiteral("m_pTemperatures"));
    layout->addWidget(label);
    result->resize(900, 560);
    return result;
}
