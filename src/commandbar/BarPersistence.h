#pragma once
// Saving and restoring a bar's design-time settings with its host window. Both bars keep the
// same keys in the same order; the rules passed say where they part.

#include "commandbar/ButtonFlags.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace commandbar {

class BarControl;
class PropertyBag;
struct BarSettings;

struct BarPersistenceRules {
    float itemHeightDefault = 840;
    // Reads the gap keys into the settings.
    std::function<void(BarSettings&, const PropertyBag&)> readGap;
    // Settles the icon size once the three size keys are read.
    std::function<void(BarControl&)> settleIconSize;
    // The gap keys written, each with its default.
    std::vector<std::pair<QString, float>> gapKeys;
    const std::vector<ButtonStem>* stems = nullptr;
};

class BarPersistence {
public:
    // Sets the settings directly, in the fixed order, under the update lock, and lays the bar
    // out once. A stored value that does not convert raises its error after releasing the lock.
    static void read(BarControl& bar, const PropertyBag& store, const BarPersistenceRules& rules);
    // Every key with its default, so that a value equal to its default is not stored; then
    // the per-button flags, always stored.
    static void write(const BarControl& bar, PropertyBag& store, const BarPersistenceRules& rules);

private:
    static void readLayout(BarSettings& s, const PropertyBag& store, const BarPersistenceRules& rules);
    static void readIcons(BarSettings& s, const PropertyBag& store);
    static void readContextAndChecks(BarSettings& s, const PropertyBag& store);
    static void writeLayout(const BarSettings& s, PropertyBag& store, const BarPersistenceRules& rules);
    static void writeLook(const BarSettings& s, PropertyBag& store);
};

} // namespace commandbar
