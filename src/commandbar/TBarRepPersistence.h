#pragma once
// Saving and restoring a command bar's design-time settings with its host window.

#include <QString>

namespace commandbar {

class PropertyBag;
class TBarRep;
struct BarPersistenceRules;

class TBarRepPersistence {
public:
    // Sets the settings directly, in the fixed order, under the update lock, and lays the bar
    // out once. A stored value that does not convert raises its error after releasing the lock.
    static void read(TBarRep& bar, const PropertyBag& store);
    // Every key with its default, so that a value equal to its default is not stored; then
    // the 48 per-button flags, always stored.
    static void write(const TBarRep& bar, PropertyBag& store);

    // What the report window's saved design holds for its bar.
    static PropertyBag reportWindowSavedSet();

private:
    static const BarPersistenceRules& rules();
};

} // namespace commandbar
