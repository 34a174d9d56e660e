#include "commandbar/UtilKorPersistence.h"
#include "commandbar/BarPersistence.h"
#include "commandbar/PropertyBag.h"
#include "commandbar/UtilKor.h"

#include "ui/Twips.h"

#include <algorithm>

namespace commandbar {

namespace {

constexpr float unset = 32767;

// A lone "ItemGap" of 30 is the value older designs stored for "no gap".
float readButtonGap(const PropertyBag& store)
{
    const float itemGap = store.readSingle(QStringLiteral("ItemGap"), 30);
    float gap = store.readSingle(QStringLiteral("ButtonGap"), unset);
    if (gap == unset)
        gap = store.readSingle(QStringLiteral("SeparacionBotones"), unset);
    if (gap == unset)
        gap = itemGap == 30 ? 0 : itemGap;
    return std::max(gap, -300.0f);
}

} // namespace

const BarPersistenceRules& UtilKorPersistence::rules()
{
    static const BarPersistenceRules r{
        520,
        [](BarSettings& s, const PropertyBag& store) { s.itemGap = readButtonGap(store); },
        [](BarControl& bar) {
            BarSettings& s = static_cast<UtilKor&>(bar).m_settings;
            if (s.iconPx < 1)
                s.iconPx = 42;
            s.iconSize = BarControl::PixelsToTwips(s.iconPx);
        },
        {{QStringLiteral("ItemGap"), 0.0f}, {QStringLiteral("ButtonGap"), 0.0f}, {QStringLiteral("SeparacionBotones"), 0.0f}},
        &ButtonFlags::tabBarStems(),
    };
    return r;
}

void UtilKorPersistence::read(UtilKor& bar, const PropertyBag& store)
{
    BarPersistence::read(bar, store, rules());
}

void UtilKorPersistence::write(const UtilKor& bar, PropertyBag& store)
{
    BarPersistence::write(bar, store, rules());
}

} // namespace commandbar
