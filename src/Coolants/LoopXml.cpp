#include "Coolants/CoolantDatabaseTypes.h"

#include "core/XmlFields_p.h"

namespace KorvexCoolantDatabase {

namespace {
using Field = KorvexCore::CXmlField<TLoop>;

/// The stored fields of a loop, in the order they are written. ZonesHidden belongs to
/// the dialog's state and is not stored.
const std::vector<Field> &loopFields()
{
    static const std::vector<Field> fields = {
        { "Expenditure", &TLoop::Expenditure },
        { "LoopHeatLoad", &TLoop::LoopHeatLoad },
        { "LoopLength", &TLoop::LoopLength },
        { "LoopLengthSumm", &TLoop::LoopLengthSumm },
        { "LoopPressureLoss", &TLoop::LoopPressureLoss },
        { "PipeLengthM", &TLoop::PipeLengthM },
        { "PipeLengthR", &TLoop::PipeLengthR },
        { "SectionsLeadingLength", &TLoop::SectionsLeadingLength },
        { "Velocity", &TLoop::Velocity },
        { "LoopId", &TLoop::LoopId },
        { "IdCollector", &TLoop::IdCollector },
        { "NumJoints", &TLoop::NumJoints },
        { "NumKalatchs", &TLoop::NumKalatchs },
        { "NumPipeBends", &TLoop::NumPipeBends },
        { "DiamCollector", &TLoop::DiamCollector },
        { "OpenProcent", &TLoop::OpenProcent },
        { "RadioID", &TLoop::RadioID, Field::Reading::AsWholeNumber },
    };
    return fields;
}
} // namespace

void SaveData(QDomElement &element, const TLoop &loop)
{
    KorvexCore::WriteXmlFields(element, loop, loopFields());
}

void LoadData(const QDomElement &element, TLoop &loop)
{
    KorvexCore::ReadXmlFields(element, loop, loopFields());
}

} // namespace KorvexCoolantDatabase
