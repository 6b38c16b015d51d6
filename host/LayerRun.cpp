#include "LayerRun.h"

#include "DatabaseRegistry.h"

#include <QLocale>
#include <QStringList>
#include <QTableWidget>

using KorvexMaterialDatabase::CMaterial;
using KorvexMaterialDatabase::CMaterialDatabase;
using KorvexMaterialDatabase::CMaterialGroup;
using KorvexMaterialDatabase::TLayerMaterialType;

namespace {

/// A number above 0 written with a decimal point; anything else is refused, so that a
/// typing slip never becomes a layer of no thickness or of infinite resistance.
bool positiveNumber(const QString &text, double *value)
{
    bool ok = false;
    *value = text.trimmed().toDouble(&ok);
    return ok && *value > 0;
}

} // namespace

CMaterialDatabase *FindMaterialDatabase(const CDatabaseRegistry &registry)
{
    return FindDatabase<CMaterialDatabase>(registry, KorvexInterfaces::MaterialDatabaseType);
}

bool ParseLayers(const QString &text, const CMaterialDatabase &database,
                 std::set<TLayerMaterialType> *layers, QString *error)
{
    layers->clear();
    const QStringList layerTexts = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (layerTexts.isEmpty()) {
        *error = QStringLiteral("no layer given");
        return false;
    }
    for (const QString &layerText : layerTexts) {
        const auto fail = [&](const QString &why) {
            *error
                = QStringLiteral("layer %1 \"%2\": %3").arg(layers->size() + 1).arg(layerText, why);
            return false;
        };
        const QStringList parts = layerText.split(QLatin1Char(':'));
        if (parts.size() < 2 || parts.size() > 3 || parts[0].trimmed().isEmpty())
            return fail(QStringLiteral("expected NAME:THICKNESS[:LAMBDA]"));
        TLayerMaterialType layer;
        layer.LayerMaterialID = unsigned(layers->size() + 1);
        layer.LayerMaterial = parts[0].trimmed();
        if (!positiveNumber(parts[1], &layer.Thickness))
            return fail(QStringLiteral("the thickness must be a number of cm above 0"));
        if (parts.size() == 3) {
            if (!positiveNumber(parts[2], &layer.Lambda))
                return fail(QStringLiteral("λ must be a number above 0"));
        } else {
            const QString group = layer.LayerMaterial.section(QLatin1Char('/'), 0, 0).trimmed();
            const QString name = layer.LayerMaterial.section(QLatin1Char('/'), 1).trimmed();
            const CMaterialGroup *found = database.FindMaterialGroup(group);
            const CMaterial *material = found ? found->FindMaterial(name) : nullptr;
            if (!material)
                return fail(
                    QStringLiteral("no material \"%1\" in group \"%2\"; give GROUP/MATERIAL "
                                   "as the editor lists them, or λ after the thickness")
                        .arg(name, group));
            if (!positiveNumber(material->GetL(), &layer.Lambda))
                return fail(QStringLiteral("the material's λ \"%1\" is no number above 0")
                                .arg(material->GetL()));
            layer.LayerMaterial = group + QStringLiteral(": ") + name;
        }
        layers->insert(layer);
    }
    return true;
}

void FillLayerTable(QTableWidget *table, const std::set<TLayerMaterialType> &layers)
{
    table->setColumnCount(3);
    table->setRowCount(int(layers.size()));
    int row = 0;
    for (const TLayerMaterialType &layer : layers) {
        table->setItem(row, 0, new QTableWidgetItem(layer.LayerMaterial));
        table->setItem(row, 1,
                       new QTableWidgetItem(
                           QString::number(layer.Thickness, 'g', QLocale::FloatingPointShortest)));
        table->setItem(row, 2,
                       new QTableWidgetItem(
                           QString::number(layer.Lambda, 'g', QLocale::FloatingPointShortest)));
        ++row;
    }
}

double LayerResistance(const CMaterialDatabase &database,
                       const std::set<TLayerMaterialType> &layers)
{
    // The library reads the layers from a table, as a host's construction table holds them.
    QTableWidget table;
    FillLayerTable(&table, layers);
    return database.CalculateLayerResistance(&table);
}

QString FormatLayers(const std::set<TLayerMaterialType> &layers, double resistance)
{
    QString out;
    for (const TLayerMaterialType &layer : layers) {
        out += QStringLiteral("layer %1\t%2; δ: %3; λ: %4\tR %5\n")
                   .arg(layer.LayerMaterialID)
                   .arg(layer.LayerMaterial, QString::number(layer.Thickness, 'f', 2),
                        QString::number(layer.Lambda, 'f', 2),
                        QString::number(layer.Thickness * 0.01 / layer.Lambda, 'f', 3));
    }
    out += QStringLiteral("R\t%1 (%2) m2·K/W\n")
               .arg(QString::number(resistance, 'f', 3), QString::number(resistance, 'g', 6));
    return out;
}
