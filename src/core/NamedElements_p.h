#pragma once

// Find / Insert / Delete over a vector of named records, the same at every level of
// every database: first match from the front, append without a duplicate check,
// erase the first match keeping the order of the rest.

#include <QHash>
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

/// FindNamed in constant time over a vector that only grows, as during a load: the
/// elements appended since the last call are indexed first, each name keeping its first
/// position, so the element found is the one FindNamed finds.
template<class T> class CNameIndex
{
public:
    T *Find(std::vector<T> &elements, const QString &name)
    {
        if (m_indexed > elements.size()) { // emptied since: start over
            m_positions.clear();
            m_indexed = 0;
        }
        for (; m_indexed < elements.size(); ++m_indexed) {
            const QString &key = elements[m_indexed].GetName();
            if (!m_positions.contains(key))
                m_positions.insert(key, m_indexed);
        }
        const auto it = m_positions.constFind(name);
        return it == m_positions.constEnd() ? nullptr : &elements[*it];
    }

private:
    QHash<QString, size_t> m_positions;
    size_t m_indexed = 0;
};

/// One index (a CNameIndex, or again a CChildIndexes) per element of a level, by the
/// element's position: the children of each parent of a tree looked up by name.
template<class Index> class CChildIndexes
{
public:
    Index &Of(size_t parent)
    {
        if (parent >= m_indexes.size())
            m_indexes.resize(parent + 1);
        return m_indexes[parent];
    }

private:
    std::vector<Index> m_indexes;
};

} // namespace KorvexCore
