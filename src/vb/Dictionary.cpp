#include "vb/Dictionary.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <cmath>

namespace vb {

QString Dictionary::hashKey(const Variant& key) const
{
    // Numbers of any kind with the same value are one key; texts are never numbers here.
    switch (key.type()) {
    case VarType::Empty: return QStringLiteral("E");
    case VarType::Null: raise(94);
    case VarType::String:
        return QStringLiteral("S") + (m_mode == CompareMethod::Text ? textKey(key.stringRef()) : key.stringRef());
    case VarType::Object:
        return QStringLiteral("O") + QString::number(quintptr(key.toObject().get()), 16);
    case VarType::Date:
        return QStringLiteral("D") + QString::number(key.toDate().serial, 'g', 17);
    case VarType::Error:
        return QStringLiteral("X") + QString::number(key.errorCode());
    case VarType::Currency: case VarType::Decimal:
        return QStringLiteral("N") + key.toDecimal().toString(u'.');
    default: {
        double d = key.toDouble();
        if (d == std::trunc(d) && std::fabs(d) < 1e15)
            return QStringLiteral("N") + QString::number(qint64(d));
        return QStringLiteral("N") + QString::number(d, 'g', 17);
    }
    }
}

// Two keys are one key exactly when their hash keys are equal; texts, by far the most usual
// keys, are compared without building them.
bool Dictionary::sameKey(const Variant& a, const Variant& b) const
{
    if (a.type() == VarType::String && b.type() == VarType::String)
        return m_mode == CompareMethod::Text ? textKey(a.stringRef()) == textKey(b.stringRef())
                                             : a.stringRef() == b.stringRef();
    if ((a.type() == VarType::String) != (b.type() == VarType::String))
        return false;
    return hashKey(a) == hashKey(b);
}

// Small dictionaries (most of them: a JSON object, a few settings) are searched in order; only
// larger ones carry a hash index, which would cost far more memory than their keys.
int Dictionary::find(const Variant& key) const
{
    if (count() > IndexFrom) {
        auto it = m_index.constFind(hashKey(key));
        return it == m_index.constEnd() ? -1 : *it;
    }
    if (key.isNull())
        raise(94);
    for (int i = 0; i < count(); ++i)
        if (sameKey(m_keys[size_t(i)], key))
            return i;
    return -1;
}

void Dictionary::setCompareMode(CompareMethod mode)
{
    if (!m_keys.empty())
        raise(5);
    m_mode = mode;
}

void Dictionary::add(const Variant& key, const Variant& item)
{
    if (find(key) >= 0)
        raise(457);
    m_keys.push_back(key);
    m_items.push_back(item);
    if (count() == IndexFrom + 1)
        rebuild();
    else if (count() > IndexFrom + 1)
        m_index.insert(hashKey(key), count() - 1);
}

bool Dictionary::exists(const Variant& key) const { return find(key) >= 0; }

Variant& Dictionary::item(const Variant& key)
{
    int i = find(key);
    if (i < 0) {
        add(key, Variant());
        i = count() - 1;
    }
    return m_items[size_t(i)];
}

Variant Dictionary::value(const Variant& key) const
{
    int i = find(key);
    return i < 0 ? Variant() : m_items[size_t(i)];
}

void Dictionary::setItem(const Variant& key, const Variant& item)
{
    int i = find(key);
    if (i < 0)
        add(key, item);
    else
        m_items[size_t(i)] = item;
}

void Dictionary::setKey(const Variant& oldKey, const Variant& newKey)
{
    int i = find(oldKey);
    if (i < 0)
        raise(32811);
    if (find(newKey) >= 0)
        raise(457);
    m_keys[size_t(i)] = newKey;
    rebuild();
}

void Dictionary::remove(const Variant& key)
{
    int i = find(key);
    if (i < 0)
        raise(32811);
    m_keys.erase(m_keys.begin() + i);
    m_items.erase(m_items.begin() + i);
    rebuild();
}

void Dictionary::removeAll()
{
    m_keys.clear();
    m_items.clear();
    m_index.clear();
}

// A bad subscript must reach the caller's trap as the original's error, not as std::out_of_range.
void Dictionary::checkPosition(int index) const
{
    if (index < 0 || index >= count())
        raise(9);
}

const Variant& Dictionary::keyAt(int index) const
{
    checkPosition(index);
    return m_keys[size_t(index)];
}

const Variant& Dictionary::itemAt(int index) const
{
    checkPosition(index);
    return m_items[size_t(index)];
}

void Dictionary::squeeze()
{
    m_keys.shrink_to_fit();
    m_items.shrink_to_fit();
    m_index.squeeze();
}

QList<Variant> Dictionary::keys() const { return QList<Variant>(m_keys.begin(), m_keys.end()); }
QList<Variant> Dictionary::items() const { return QList<Variant>(m_items.begin(), m_items.end()); }

void Dictionary::rebuild()
{
    m_index.clear();
    if (count() <= IndexFrom)
        return;
    for (int i = 0; i < count(); ++i)
        m_index.insert(hashKey(m_keys[size_t(i)]), i);
}

} // namespace vb
