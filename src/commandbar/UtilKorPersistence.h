#pragma once
// Saving and restoring a tab bar's design-time settings with its host window.

namespace commandbar {

class PropertyBag;
class UtilKor;
struct BarPersistenceRules;

class UtilKorPersistence {
public:
    // As the command bar, but: the gap is read from "ButtonGap", then "SeparacionBotones",
    // then "ItemGap"; the icon size is kept as read; the printer item is checkable unless
    // saved otherwise; 46 per-button flags under 23 stems.
    static void read(UtilKor& bar, const PropertyBag& store);
    static void write(const UtilKor& bar, PropertyBag& store);

private:
    static const BarPersistenceRules& rules();
};

} // namespace commandbar
