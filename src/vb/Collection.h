#pragma once
// The original's Collection: items numbered from 1, optional text keys compared without regard
// to case. Bad numeric index: error 9; unknown key: error 5; duplicate key: error 457.

#include "vb/Variant.h"

#include <QHash>
#include <QString>
#include <vector>

namespace vb {

class Collection : public Object {
public:
    static std::shared_ptr<Collection> create() { return std::make_shared<Collection>(); }

    QString typeName() const override { return QStringLiteral("Collection"); }

    // Add item [, key] [, before] [, after]: before/after name an index (number) or a key (text).
    void add(const Variant& item, const Variant& key = Variant::missing(), const Variant& before = Variant::missing(),
             const Variant& after = Variant::missing());
    const Variant& item(const Variant& indexOrKey) const;
    Variant& item(const Variant& indexOrKey);
    const Variant& operator[](const Variant& indexOrKey) const { return item(indexOrKey); }
    int count() const { return int(m_items.size()); }
    void remove(const Variant& indexOrKey);
    void clear();

    bool contains(const QString& key) const;           // not in the original: the test its callers did with a trap
    QString keyAt(int index) const;                    // the key of item `index` (1-based), "" when none
    void squeeze();                                    // gives back the room kept for more items (after a bulk load)

    // Iteration over the items in order (For Each).
    auto begin() const { return m_values.begin(); }
    auto end() const { return m_values.end(); }

private:
    int indexOf(const Variant& indexOrKey) const;       // 0-based, raises 5 or 9
    void rebuildKeys();

    std::vector<Variant> m_values;
    std::vector<QString> m_items;                       // the key of each item ("" when none)
    QHash<QString, int> m_keyIndex;                     // folded key -> 0-based position
};

using CollectionPtr = std::shared_ptr<Collection>;

} // namespace vb
