#include "commandbar/BarItemSets.h"
#include "commandbar/BarText.h"

#include <QStringList>

namespace commandbar {

std::vector<BarItemDefinition> BarItemSets::reportItems(const QString& shareCaption)
{
    return {
        {QStringLiteral("PANTALLA"), QStringLiteral("Pantalla"), QStringLiteral("Enviar a pantalla")},
        {QStringLiteral("IMPRESORA"), QStringLiteral("Impresora"), QStringLiteral("Imprimir")},
        {QStringLiteral("CONSULTAR"), QStringLiteral("Consultar"), QStringLiteral("Consultar")},
        {QStringLiteral("COMPARTIR"), shareCaption, shareCaption},
        {QStringLiteral("CERRAR"), QStringLiteral("Cerrar"), QStringLiteral("Cerrar formulario")},
    };
}

std::vector<BarItemDefinition> BarItemSets::tervoSample()
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

std::vector<BarItemDefinition> BarItemSets::tabBarItems()
{
    return {
        {QStringLiteral("NUEVO"), QStringLiteral("Nuevo"), QStringLiteral("Crear nuevo")},
        {QStringLiteral("BORRAR"), QStringLiteral("Borrar"), QStringLiteral("Borrar actual")},
        {QStringLiteral("REPORTE"), QStringLiteral("Reporte"), QStringLiteral("Abrir reportes / impresiones")},
        {QStringLiteral("CONSULTAR"), QStringLiteral("Consultar"), QStringLiteral("Consultar")},
        {QStringLiteral("PLANILLA"), QStringLiteral("Planilla"), QStringLiteral("Abrir planilla")},
        {QStringLiteral("CANCELAR"), QStringLiteral("Cancelar"), QStringLiteral("Cancelar edicion en curso")},
        {QStringLiteral("GRABAR"), QStringLiteral("Grabar"), QStringLiteral("Grabar cambios")},
        {QStringLiteral("CERRAR"), QStringLiteral("Cerrar"), QStringLiteral("Cerrar formulario")},
        {QStringLiteral("CLIENTE"), QStringLiteral("Cliente"), QStringLiteral("Seleccionar cliente")},
        {QStringLiteral("PEDIDO"), QStringLiteral("Pedido"), QStringLiteral("Facturar desde pedido")},
        {QStringLiteral("REMITO"), QStringLiteral("Remito"), QStringLiteral("Facturar desde remito")},
        {QStringLiteral("CAJERO"), QStringLiteral("Caja"), QStringLiteral("Opciones de caja")},
        {QStringLiteral("UNIDADNEGOCIO"), QStringLiteral("Unidad de Negocio"), QStringLiteral("Unidad de negocio")},
        {QStringLiteral("IMPORTAR"), QStringLiteral("Importar"), QStringLiteral("Importar datos")},
        {QStringLiteral("PROCESARIA"), QStringLiteral("Procesar con I.A."), QStringLiteral("Procesar con inteligencia artificial")},
        {QStringLiteral("PANTALLA"), QStringLiteral("Pantalla"), QStringLiteral("Enviar a pantalla")},
        {QStringLiteral("IMPRESORA"), QStringLiteral("Impresora"), QStringLiteral("Imprimir")},
        {QStringLiteral("COMPARTIR"), QStringLiteral("Compartir"), QStringLiteral("Compartir")},
        {QStringLiteral("AJUSTES"), QStringLiteral("Ajustes"), QStringLiteral("Ajustes")},
    };
}

bool BarItemSets::IsStandardKey(const QString& key)
{
    static const QStringList standard{QStringLiteral("NUEVO"), QStringLiteral("BORRAR"), QStringLiteral("REPORTE"),
                                      QStringLiteral("CONSULTAR"), QStringLiteral("CANCELAR"), QStringLiteral("GRABAR"),
                                      QStringLiteral("CERRAR")};
    return standard.contains(BarText::upperTrim(key));
}

} // namespace commandbar
