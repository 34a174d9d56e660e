#pragma once
// Scripting.Dictionary: keys in insertion order, compared exactly by default (binary mode) or
// without regard to case (text mode). Keys may be texts, numbers, dates or objects.
// Duplicate key on Add: error 457; Remove of a missing key: error 32811.

#include "vb/Variant.h"

#include <QHash>
#include <QList>
#include <QString>
#include <vector>

namespace vb {

class Dictionary : public Object {
public:
    static std::shared_ptr<Dictionary> create() { return std::make_shared<Dictionary>(); }

    QString typeName() const override { return QStringLiteral("Dictionary"); }

    CompareMethod compareMode() const { return m_mode; }
    void setCompareMode(CompareMethod mode);   // error 5 once the dictionary holds items

    void add(const Variant& key, const Variant& item);
    bool exists(const Variant& key) const;
    // Item(key) as the original: reading a missing key adds it with an Empty item.
    Variant& item(const Variant& key);
    // Reading without adding: Empty when the key is missing.
    Variant value(const Variant& key) const;
    void setItem(const Variant& key, const Variant& item);   // adds or replaces
    void setKey(const Variant& oldKey, const Variant& newKey); // Key(old) = new; error 457 if new exists
    void remove(const Variant& key);
    void removeAll();
    int count() const { return int(m_keys.size()); }
    QList<Variant> keys() const;
    QList<Variant> items() const;

    const Variant& keyAt(int index) const;     // 0-based, as Keys()(i); error 9 outside 0..Count-1
    void squeeze();                            // gives back the room kept for more keys (after a bulk load)
    const Variant& itemAt(int index) const;    // 0-based, as Items()(i); error 9 likewise

private:
    static constexpr int IndexFrom = 32;      // more keys than this: looked up through m_index

    QString hashKey(const Variant& key) const;
    bool sameKey(const Variant& a, const Variant& b) const;
    int find(const Variant& key) const;   // 0-based or -1
    void checkPosition(int index) const;
    void rebuild();

    CompareMethod m_mode = CompareMethod::Binary;
    std::vector<Variant> m_keys;
    std::vector<Variant> m_items;
    QHash<QString, int> m_index;               // hash key -> position; empty up to IndexFrom keys
};

using DictionaryPtr = std::shared_ptr<Dictionary>;

} // namespace vb
