#include "commandbar/TBarRepPersistence.h"
#include "commandbar/BarPersistence.h"
#include "commandbar/ModUtilKorBar.h"
#include "commandbar/PropertyBag.h"
#include "commandbar/TBarRep.h"

#include "ui/Twips.h"

namespace commandbar {

// The command bar spaces its items and sizes its icons itself: the gap is read as stored and
// the sizes for their errors only.
const BarPersistenceRules& TBarRepPersistence::rules()
{
    static const BarPersistenceRules r{
        840,
        [](BarSettings& s, const PropertyBag& store) { s.itemGap = store.readSingle(QStringLiteral("ItemGap"), 30); },
        [](BarControl& bar) { static_cast<TBarRep&>(bar).setIconPixels42(); },
        {{QStringLiteral("ItemGap"), 30.0f}},
        &ButtonFlags::commandBarStems(),
    };
    return r;
}

void TBarRepPersistence::read(TBarRep& bar, const PropertyBag& store)
{
    BarPersistence::read(bar, store, rules());
}

void TBarRepPersistence::write(const TBarRep& bar, PropertyBag& store)
{
    BarPersistence::write(bar, store, rules());
}

PropertyBag TBarRepPersistence::reportWindowSavedSet()
{
    PropertyBag set;
    const BarColors colors = ColorStyle::preset(5);
    set.WriteProperty(QStringLiteral("IconSize"), 630.0f);
    set.WriteProperty(QStringLiteral("IconPx"), std::int16_t(42));
    set.WriteProperty(QStringLiteral("TamanoIcono"), std::int16_t(42));
    set.WriteProperty(QStringLiteral("Estilo"), std::int16_t(5));
    set.WriteProperty(QStringLiteral("Theme"), std::int16_t(5));
    set.WriteProperty(QStringLiteral("NormalBackColor"), int(colors.normalBack));
    set.WriteProperty(QStringLiteral("ActiveBackColor"), int(colors.activeBack));
    set.WriteProperty(QStringLiteral("ActiveBarColor"), int(colors.activeBar));
    set.WriteProperty(QStringLiteral("ImageFolder"), QStringLiteral("img_menu\\"));
    set.WriteProperty(QStringLiteral("ImpresoraCheckable"), false);
    const QStringList shown{QStringLiteral("Consulta"), QStringLiteral("consultar"), QStringLiteral("Cerrar"),
                            QStringLiteral("Pantalla"), QStringLiteral("Impresora"), QStringLiteral("Compartir")};
    for (const ButtonStem& stem : ButtonFlags::commandBarStems()) {
        const bool on = shown.contains(stem.stem);
        set.WriteProperty(stem.stem + QStringLiteral("Enabled"), on);
        set.WriteProperty(stem.stem + QStringLiteral("Visible"), on);
    }
    return set;
}

} // namespace commandbar
