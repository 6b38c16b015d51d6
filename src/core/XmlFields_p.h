#pragma once

// The attributes of a record stored in an XML element, written once per record type:
// one list of (attribute name, member) drives both writing and reading.

#include <QDomElement>
#include <QString>

#include <variant>
#include <vector>

namespace KorvexCore {

/// One attribute of record T and the member it holds.
///
/// Doubles go through QDomElement's double overload and come back with
/// QString::toDouble(); unsigned and signed whole numbers are written as 64-bit values
/// and read with QString::toInt() in base 10; texts are stored as they are. A missing
/// or malformed attribute reads as 0 (or an empty text).
template<class T> struct CXmlField
{
    /// How a double member is read back.
    enum class Reading {
        AsDouble,
        AsWholeNumber ///< a whole number converted to double (a code kept as a double)
    };

    CXmlField(const char *name, double T::*member, Reading reading = Reading::AsDouble)
        : name(name)
        , member(member)
        , reading(reading)
    { }
    CXmlField(const char *name, unsigned int T::*member)
        : name(name)
        , member(member)
    { }
    CXmlField(const char *name, int T::*member)
        : name(name)
        , member(member)
    { }
    CXmlField(const char *name, QString T::*member)
        : name(name)
        , member(member)
    { }

    const char *name;
    std::variant<double T::*, unsigned int T::*, int T::*, QString T::*> member;
    Reading reading = Reading::AsDouble;
};

template<class T>
void WriteXmlFields(QDomElement &element, const T &record, const std::vector<CXmlField<T>> &fields)
{
    for (const CXmlField<T> &field : fields) {
        const QString name = QLatin1String(field.name);
        if (const auto *m = std::get_if<double T::*>(&field.member))
            element.setAttribute(name, record.**m);
        else if (const auto *m = std::get_if<unsigned int T::*>(&field.member))
            element.setAttribute(name, qulonglong(record.**m));
        else if (const auto *m = std::get_if<int T::*>(&field.member))
            element.setAttribute(name, qlonglong(record.**m));
        else if (const auto *m = std::get_if<QString T::*>(&field.member))
            element.setAttribute(name, record.**m);
    }
}

template<class T>
void ReadXmlFields(const QDomElement &element, T &record, const std::vector<CXmlField<T>> &fields)
{
    for (const CXmlField<T> &field : fields) {
        const QString text = element.attribute(QLatin1String(field.name));
        if (const auto *m = std::get_if<double T::*>(&field.member)) {
            record.**m = field.reading == CXmlField<T>::Reading::AsWholeNumber
                ? double(text.toInt(nullptr, 10))
                : text.toDouble();
        } else if (const auto *m = std::get_if<unsigned int T::*>(&field.member)) {
            record.**m = unsigned(text.toInt(nullptr, 10));
        } else if (const auto *m = std::get_if<int T::*>(&field.member)) {
            record.**m = text.toInt(nullptr, 10);
        } else if (const auto *m = std::get_if<QString T::*>(&field.member)) {
            record.**m = text;
        }
    }
}

} // namespace KorvexCore
