#pragma once
// The per-button properties: for each stem, "<stem>Enabled" and "<stem>Visible" address the
// flags of the item whose key belongs to the stem.

#include <QString>
#include <vector>

namespace commandbar {

class PropertyBag;

// What the flags need of a bar.
class ButtonFlagTarget {
public:
    virtual ~ButtonFlagTarget() = default;
    virtual void EnsureDefaultItems() = 0;
    virtual bool ItemEnabled(const QString& key) const = 0;
    virtual void SetItemEnabled(const QString& key, bool enabled) = 0;
    virtual bool ItemVisible(const QString& key) const = 0;
    virtual void SetItemVisible(const QString& key, bool visible) = 0;
};

struct ButtonStem {
    QString stem;
    QString key;
};

class ButtonFlags {
public:
    // The command bar's 24 stems in member order.
    static const std::vector<ButtonStem>& commandBarStems();
    // The 23 stems the tab bar stores: no "Consulta" alias.
    static const std::vector<ButtonStem>& tabBarStems();
    // The stem and flag ("Enabled" / "Visible") of a property name, matched without regard to
    // case; nullptr when the name is no per-button property.
    static const ButtonStem* stemOf(const QString& propertyName, const std::vector<ButtonStem>& stems, bool* enabledFlag);

    static void ReadButtonFlags(const PropertyBag& store, ButtonFlagTarget& bar, const ButtonStem& stem);
    static void WriteButtonFlags(PropertyBag& store, const ButtonFlagTarget& bar, const ButtonStem& stem);
    static void ReadAllButtonFlags(const PropertyBag& store, ButtonFlagTarget& bar, const std::vector<ButtonStem>& stems);
    static void WriteAllButtonFlags(PropertyBag& store, const ButtonFlagTarget& bar, const std::vector<ButtonStem>& stems);
};

} // namespace commandbar
