#include "commandbar/BarKeys.h"
#include "commandbar/BarText.h"

#include <array>

namespace commandbar {

namespace {

struct PictureKeys {
    int index;
    std::initializer_list<const char*> keys;
};

const std::array<PictureKeys, 19> pictureTable{{
    {0, {"NUEVO"}},
    {1, {"BORRAR"}},
    {2, {"REPORTE"}},
    {3, {"CONSULTAR", "CONSULTA"}},
    {4, {"PLANILLA"}},
    {5, {"CANCELAR"}},
    {6, {"GRABAR"}},
    {7, {"CERRAR"}},
    {8, {"CLIENTE"}},
    {9, {"PEDIDO"}},
    {10, {"REMITO"}},
    {11, {"CAJERO", "CAJA"}},
    {12, {"UNIDADNEGOCIO", "UNIDAD DE NEGOCIO", "CAMBIAR", "CHANGE"}},
    {13, {"IMPORTAR"}},
    {14, {"PROCESARIA", "PROCESAR IA", "PROCESAR CON IA", "PROCESAR CON I.A."}},
    {15, {"PANTALLA"}},
    {16, {"IMPRESORA"}},
    {17, {"COMPARTIR"}},
    {18, {"AJUSTES"}},
}};

} // namespace

int BarKeys::basePictureIndex(const QString& key, bool withConsultaAlias)
{
    const QString k = BarText::upperTrim(key);
    if (k.isEmpty())
        return -1;
    if (!withConsultaAlias && k == QLatin1String("CONSULTA"))
        return -1;
    for (const PictureKeys& row : pictureTable)
        for (const char* name : row.keys)
            if (k == QLatin1String(name))
                return row.index;
    return -1;
}

QStringList BarKeys::keysForKeyCode(int keyCode)
{
    switch (keyCode) {
    case 27: return {QStringLiteral("CANCELAR"), QStringLiteral("CERRAR")};
    case 113: return {QStringLiteral("GRABAR")};
    case 114: return {QStringLiteral("NUEVO")};
    case 115: return {QStringLiteral("REPORTE")};
    case 116: return {QStringLiteral("CONSULTAR")};
    case 117: return {QStringLiteral("PLANILLA")};
    case 121: return {QStringLiteral("BORRAR")};
    default: return {};
    }
}

} // namespace commandbar
