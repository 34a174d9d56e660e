#include "commandbar/PropertyBag.h"

#include "vb/Error.h"

namespace commandbar {

int PropertyBag::find(const QString& name) const
{
    const QString key = name.toLower();
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].first == key)
            return int(i);
    return -1;
}

vb::Variant PropertyBag::ReadProperty(const QString& name, const vb::Variant& defaultValue) const
{
    const int i = find(name);
    return i < 0 ? defaultValue : m_entries[size_t(i)].second;
}

// Values of different kinds that the runtime calls equal (840 as Single and as Integer) are
// the same; values it cannot compare are not.
bool PropertyBag::sameValue(const vb::Variant& a, const vb::Variant& b)
{
    if (a.type() != b.type() && (a.isString() || b.isString()))
        return false;
    try {
        return a.equals(b);
    } catch (const vb::Error&) {
        return false;
    }
}

void PropertyBag::WriteProperty(const QString& name, const vb::Variant& value, const vb::Variant& defaultValue)
{
    const int i = find(name);
    if (!defaultValue.isMissing() && sameValue(value, defaultValue)) {
        if (i >= 0)
            m_entries.erase(m_entries.begin() + i);
        return;
    }
    if (i >= 0)
        m_entries[size_t(i)].second = value;
    else
        m_entries.emplace_back(name.toLower(), value);
}

bool PropertyBag::readBool(const QString& name, bool defaultValue) const
{
    return ReadProperty(name, defaultValue).toBool();
}

float PropertyBag::readSingle(const QString& name, float defaultValue) const
{
    return ReadProperty(name, defaultValue).toSingle();
}

std::int16_t PropertyBag::readInteger(const QString& name, std::int16_t defaultValue) const
{
    return ReadProperty(name, defaultValue).toInteger();
}

std::int32_t PropertyBag::readLong(const QString& name, std::int32_t defaultValue) const
{
    return ReadProperty(name, defaultValue).toLong();
}

QString PropertyBag::readString(const QString& name, const QString& defaultValue) const
{
    return ReadProperty(name, defaultValue).toString();
}

bool PropertyBag::contains(const QString& name) const
{
    return find(name) >= 0;
}

QStringList PropertyBag::keys() const
{
    QStringList out;
    for (const auto& entry : m_entries)
        out << entry.first;
    return out;
}

} // namespace commandbar
