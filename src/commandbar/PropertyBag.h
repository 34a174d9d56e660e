#pragma once
// The store a bar keeps its design-time settings in: a key, a value and, on writing, a
// default. A value equal to its default is not stored, so reading a key back yields the
// default given to the read. Keys are matched without regard to case (kept in lower case).
// Typed reads convert with the runtime's rules and raise its errors (13 type mismatch).

#include "vb/Variant.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace commandbar {

class PropertyBag {
public:
    vb::Variant ReadProperty(const QString& name, const vb::Variant& defaultValue = {}) const;
    void WriteProperty(const QString& name, const vb::Variant& value, const vb::Variant& defaultValue = vb::Variant::missing());

    bool readBool(const QString& name, bool defaultValue) const;
    float readSingle(const QString& name, float defaultValue) const;
    std::int16_t readInteger(const QString& name, std::int16_t defaultValue) const;
    std::int32_t readLong(const QString& name, std::int32_t defaultValue) const;
    QString readString(const QString& name, const QString& defaultValue) const;

    bool contains(const QString& name) const;
    QStringList keys() const;                       // lower case, in the order first stored
    int size() const { return int(m_entries.size()); }
    void clear() { m_entries.clear(); }

private:
    static bool sameValue(const vb::Variant& a, const vb::Variant& b);
    int find(const QString& name) const;

    std::vector<std::pair<QString, vb::Variant>> m_entries;
};

} // namespace commandbar
