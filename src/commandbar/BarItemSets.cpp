#include "commandbar/BarItemSets.h"

namespace commandbar {

std::vector<BarItemSpec> BarItemSets::reportItems(const QString& shareCaption)
{
    return {
        {QStringLiteral("PANTALLA"), QStringLiteral("Pantalla"), QStringLiteral("Enviar a pantalla")},
        {QStringLiteral("IMPRESORA"), QStringLiteral("Impresora"), QStringLiteral("Imprimir")},
        {QStringLiteral("CONSULTAR"), QStringLiteral("Consultar"), QStringLiteral("Consultar")},
        {QStringLiteral("COMPARTIR"), shareCaption, shareCaption},
        {QStringLiteral("CERRAR"), QStringLiteral("Cerrar"), QStringLiteral("Cerrar formulario")},
    };
}

std::vector<BarItemSpec> BarItemSets::tervoSample()
{
    return {
        {QStringLiteral("FILES"), QStringLiteral("Files"), QStringLiteral("Explorador")},
        {QStringLiteral("SEARCH"), QStringLiteral("Search"), QStringLiteral("Busqueda")},
        {QStringLiteral("GIT"), QStringLiteral("Source"), QStringLiteral("Control de codigo")},
        {QStringLiteral("RUN"), QStringLiteral("Run"), QStringLiteral("Run y debug")},
        {QStringLiteral("EXT"), QStringLiteral("Ext"), QStringLiteral("Extensiones")},
        {QStringLiteral("AI"), QStringLiteral("AI"), QStringLiteral("Asistente")},
    };
}

} // namespace commandbar
