#include "vb/Collection.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <cmath>

namespace vb {

namespace {
bool isNumberLike(const Variant& v)
{
    switch (v.type()) {
    case VarType::Byte: case VarType::Integer: case VarType::Long: case VarType::Single: case VarType::Double:
    case VarType::Currency: case VarType::Decimal: case VarType::Boolean:
        return true;
    default:
        return false;
    }
}
} // namespace

int Collection::indexOf(const Variant& indexOrKey) const
{
    if (indexOrKey.isString()) {
        auto it = m_keyIndex.constFind(textKey(indexOrKey.stringRef()));
        if (it == m_keyIndex.constEnd())
            raise(5);
        return *it;
    }
    if (isNumberLike(indexOrKey)) {
        int i = indexOrKey.toLong();
        if (i < 1 || i > count())
            raise(9);
        return i - 1;
    }
    if (indexOrKey.isNull())
        raise(94);
    raise(13);
}

void Collection::add(const Variant& item, const Variant& key, const Variant& before, const Variant& after)
{
    const bool hasBefore = !before.isMissing(), hasAfter = !after.isMissing();
    if (hasBefore && hasAfter)
        raise(5);
    QString k;
    if (!key.isMissing()) {
        if (!key.isString())
            raise(13);
        k = key.stringRef();
        if (m_keyIndex.contains(textKey(k)))
            raise(457);
    }
    int at = count();
    if (hasBefore)
        at = indexOf(before);
    else if (hasAfter)
        at = indexOf(after) + 1;
    m_values.insert(m_values.begin() + at, item);
    m_items.insert(m_items.begin() + at, k);
    if (at == count() - 1) {
        if (!k.isEmpty())
            m_keyIndex.insert(textKey(k), at);
    } else {
        rebuildKeys();
    }
}

const Variant& Collection::item(const Variant& indexOrKey) const { return m_values[size_t(indexOf(indexOrKey))]; }
Variant& Collection::item(const Variant& indexOrKey) { return m_values[size_t(indexOf(indexOrKey))]; }

void Collection::remove(const Variant& indexOrKey)
{
    int at = indexOf(indexOrKey);
    m_values.erase(m_values.begin() + at);
    m_items.erase(m_items.begin() + at);
    rebuildKeys();
}

void Collection::clear()
{
    m_values.clear();
    m_items.clear();
    m_keyIndex.clear();
}

bool Collection::contains(const QString& key) const { return m_keyIndex.contains(textKey(key)); }

QString Collection::keyAt(int index) const
{
    if (index < 1 || index > count())
        raise(9);
    return m_items[size_t(index - 1)];
}

void Collection::squeeze()
{
    m_values.shrink_to_fit();
    m_items.shrink_to_fit();
    m_keyIndex.squeeze();
}

void Collection::rebuildKeys()
{
    m_keyIndex.clear();
    for (int i = 0; i < count(); ++i)
        if (!m_items[size_t(i)].isEmpty())
            m_keyIndex.insert(textKey(m_items[size_t(i)]), i);
}

} // namespace vb
