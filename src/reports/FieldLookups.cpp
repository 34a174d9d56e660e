#include "reports/FieldLookups.h"

#include "lookup/Consultas.h"
#include "lookup/Lib_ClsCons3.h"
#include "vb/Collection.h"
#include "vb/Conversions.h"

namespace reports {

namespace {

FieldLookups* installed = nullptr;

QString valorDevuelto()
{
    return vb::CStr(lookup::gConsulta().ValorDevuelto);
}

} // namespace

QString FieldLookups::buscarProveedorLike(const QString&)
{
    // LINK: SubConsultaLike("VT_Proveedores", texto, ...); until it joins the build the plain
    // supplier list stands for it.
    return listaProveedores();
}

QString FieldLookups::listaProveedores()
{
    lookup::Lib_ClsCons3& consulta = lookup::gConsulta();
    consulta.CampoDevuelto = QStringLiteral("CODIGO");
    vb::CollectionPtr columnas = consulta.CmpsDevueltos;
    QString clave, campoBusqueda, where, sentencia, valoresDefault;
    bool treeView = false;
    consulta.ConsultaSearch(QStringLiteral("VT_Proveedores"), columnas, clave, campoBusqueda, where, sentencia, treeView,
                            valoresDefault);
    return valorDevuelto();
}

QString FieldLookups::lista(const QString& tabla, const QString& campoDevuelto)
{
    lookup::Lib_ClsCons3& consulta = lookup::gConsulta();
    consulta.CampoDevuelto = campoDevuelto;
    consulta.ConsultaSearch(tabla);
    return valorDevuelto();
}

QStringList FieldLookups::listaConTildes(const QString& tabla, const QString& campoDevuelto)
{
    lookup::Lib_ClsCons3& consulta = lookup::gConsulta();
    consulta.Checks = true;
    consulta.CampoDevuelto = campoDevuelto;
    consulta.ConsultaSearch(tabla);
    QStringList valores;
    if (consulta.Valores)
        for (const vb::Variant& valor : *consulta.Valores)
            valores.append(vb::CStr(valor));
    return valores;
}

QString FieldLookups::definirConsulta(const QString& tabla)
{
    // LINK: DefinirConsulta(tabla, ...); until it joins the build the articles' list (the one
    // table this window hands it) stands for it, returning the article code.
    if (tabla.compare(u"V_MA_ARTICULOS", Qt::CaseInsensitive) != 0)
        return {};
    return lista(tabla, QStringLiteral("IDARTICULO"));
}

FieldLookups& FieldLookups::instance()
{
    static FieldLookups standard;
    return installed ? *installed : standard;
}

void FieldLookups::setInstance(FieldLookups* lookups)
{
    installed = lookups;
}

} // namespace reports
