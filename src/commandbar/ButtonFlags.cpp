#include "commandbar/ButtonFlags.h"
#include "commandbar/PropertyBag.h"

namespace commandbar {

const std::vector<ButtonStem>& ButtonFlags::commandBarStems()
{
    static const std::vector<ButtonStem> stems{
        {QStringLiteral("Nuevo"), QStringLiteral("NUEVO")},
        {QStringLiteral("Borrar"), QStringLiteral("BORRAR")},
        {QStringLiteral("Reporte"), QStringLiteral("REPORTE")},
        {QStringLiteral("Consulta"), QStringLiteral("CONSULTAR")},
        {QStringLiteral("consultar"), QStringLiteral("CONSULTAR")},
        {QStringLiteral("Planilla"), QStringLiteral("PLANILLA")},
        {QStringLiteral("Cancelar"), QStringLiteral("CANCELAR")},
        {QStringLiteral("Grabar"), QStringLiteral("GRABAR")},
        {QStringLiteral("Cerrar"), QStringLiteral("CERRAR")},
        {QStringLiteral("Cliente"), QStringLiteral("CLIENTE")},
        {QStringLiteral("Pedido"), QStringLiteral("PEDIDO")},
        {QStringLiteral("Remito"), QStringLiteral("REMITO")},
        {QStringLiteral("Cajero"), QStringLiteral("CAJERO")},
        {QStringLiteral("Caja"), QStringLiteral("CAJA")},
        {QStringLiteral("UnidadNegocio"), QStringLiteral("UNIDADNEGOCIO")},
        {QStringLiteral("Importar"), QStringLiteral("IMPORTAR")},
        {QStringLiteral("ProcesarIA"), QStringLiteral("PROCESARIA")},
        {QStringLiteral("Pantalla"), QStringLiteral("PANTALLA")},
        {QStringLiteral("Impresora"), QStringLiteral("IMPRESORA")},
        {QStringLiteral("Compartir"), QStringLiteral("COMPARTIR")},
        {QStringLiteral("Ajustes"), QStringLiteral("AJUSTES")},
        {QStringLiteral("Cambiar"), QStringLiteral("CAMBIAR")},
        {QStringLiteral("Change"), QStringLiteral("CHANGE")},
        {QStringLiteral("Caus"), QStringLiteral("CAUS")},
    };
    return stems;
}

const std::vector<ButtonStem>& ButtonFlags::tabBarStems()
{
    static const std::vector<ButtonStem> stems = [] {
        std::vector<ButtonStem> all;
        for (const ButtonStem& s : commandBarStems())
            if (s.stem != QLatin1String("Consulta"))
                all.push_back(s);
        return all;
    }();
    return stems;
}

const ButtonStem* ButtonFlags::stemOf(const QString& propertyName, const std::vector<ButtonStem>& stems, bool* enabledFlag)
{
    for (const ButtonStem& s : stems) {
        for (const bool enabled : {true, false}) {
            const QString name = s.stem + (enabled ? QStringLiteral("Enabled") : QStringLiteral("Visible"));
            if (name.compare(propertyName, Qt::CaseInsensitive) == 0) {
                if (enabledFlag)
                    *enabledFlag = enabled;
                return &s;
            }
        }
    }
    return nullptr;
}

void ButtonFlags::ReadButtonFlags(const PropertyBag& store, ButtonFlagTarget& bar, const ButtonStem& stem)
{
    bar.SetItemEnabled(stem.key, store.readBool(stem.stem + QStringLiteral("Enabled"), bar.ItemEnabled(stem.key)));
    bar.SetItemVisible(stem.key, store.readBool(stem.stem + QStringLiteral("Visible"), bar.ItemVisible(stem.key)));
}

void ButtonFlags::WriteButtonFlags(PropertyBag& store, const ButtonFlagTarget& bar, const ButtonStem& stem)
{
    store.WriteProperty(stem.stem + QStringLiteral("Enabled"), bar.ItemEnabled(stem.key));
    store.WriteProperty(stem.stem + QStringLiteral("Visible"), bar.ItemVisible(stem.key));
}

void ButtonFlags::ReadAllButtonFlags(const PropertyBag& store, ButtonFlagTarget& bar, const std::vector<ButtonStem>& stems)
{
    bar.EnsureDefaultItems();
    for (const ButtonStem& stem : stems)
        ReadButtonFlags(store, bar, stem);
}

void ButtonFlags::WriteAllButtonFlags(PropertyBag& store, const ButtonFlagTarget& bar, const std::vector<ButtonStem>& stems)
{
    for (const ButtonStem& stem : stems)
        WriteButtonFlags(store, bar, stem);
}

} // namespace commandbar
