#include "Materials/MaterialDatabaseTypes.h"

#include "core/XmlFields_p.h"

namespace KorvexMaterialDatabase {

namespace {
/// The attributes of a layer, in the order they are written.
const std::vector<KorvexCore::CXmlField<TLayerMaterialType>> &layerFields()
{
    static const std::vector<KorvexCore::CXmlField<TLayerMaterialType>> fields = {
        { "LayerMaterialID", &TLayerMaterialType::LayerMaterialID },
        { "LayerMaterial", &TLayerMaterialType::LayerMaterial },
        { "Thickness", &TLayerMaterialType::Thickness },
        { "Lambda", &TLayerMaterialType::Lambda },
    };
    return fields;
}
} // namespace

void SaveData(QDomElement &element, const TLayerMaterialType &layer)
{
    KorvexCore::WriteXmlFields(element, layer, layerFields());
}

void LoadData(const QDomElement &element, TLayerMaterialType &layer)
{
    KorvexCore::ReadXmlFields(element, layer, layerFields());
}

} // namespace KorvexMaterialDatabase
