#pragma once

// Find / Insert / Delete over a vector of named records, the same at every level of
// every database: first match from the front, append without a duplicate check,
// erase the first match keeping the order of the rest.

#include <QString>

#include <algorithm>
#include <set>
#include <vector>

namespace KorvexCore {

template<class T> T *FindNamed(std::vector<T> &elements, const QString &name)
{
    auto it = std::find_if(elements.begin(), elements.end(),
                           [&name](const T &e) { return e.GetName() == name; });
    return it == elements.end() ? nullptr : &*it;
}

template<class T> const T *FindNamed(const std::vector<T> &elements, const QString &name)
{
    return FindNamed(const_cast<std::vector<T> &>(elements), name);
}

template<class T> void InsertNamed(std::vector<T> &elements, const T &element)
{
    elements.push_back(element);
}

template<class T> void DeleteNamed(std::vector<T> &elements, const QString &name)
{
    auto it = std::find_if(elements.begin(), elements.end(),
                           [&name](const T &e) { return e.GetName() == name; });
    if (it != elements.end())
        elements.erase(it);
}

/// The element of an ordered set equal to \a key, or null. Set elements are const only
/// to protect their key; the fields outside it may be changed through the pointer.
template<class T> T *FindInSet(std::set<T> &elements, const T &key)
{
    const auto it = elements.find(key);
    return it == elements.end() ? nullptr : const_cast<T *>(&*it);
}

} // namespace KorvexCore
