// Fuzzes the XML loaders of loops and layers: any document is read without a crash, and
// what is read, written and read again writes the same attributes a second time.

#include "Coolants/CoolantDatabaseTypes.h"
#include "Materials/MaterialDatabaseTypes.h"

#include <QDomDocument>
#include <QDomNamedNodeMap>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

QString attributes(const QDomElement &element)
{
    QStringList pairs;
    const QDomNamedNodeMap map = element.attributes();
    for (int i = 0; i < map.count(); ++i)
        pairs << map.item(i).nodeName() + '=' + map.item(i).nodeValue();
    pairs.sort();
    return pairs.join('\n');
}

/// Reads \a element into a T, writes it, reads that and writes again: both writes agree.
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
    if (attributes(once) != attributes(twice)) {
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
