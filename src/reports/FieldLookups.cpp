#include "reports/FieldLookups.h"

#include "data/DB_Dll.h"
#include "lookup/Consultas.h"
#include "lookup/DefinirConsulta.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/SubConsultaLike.h"
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

QString FieldLookups::buscarProveedorLike(const QString& texto)
{
    lookup::gConsulta().CampoDevuelto = QStringLiteral("CODIGO");
    QString tabla = QStringLiteral("VT_Proveedores");
    QString buscado = texto;
    QString codigo, adicional1, adicional2, adicional3;
    lookup::SubConsultaLike(tabla, buscado, codigo, 0, 0, QString(), adicional1, adicional2, adicional3);
    return codigo;
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
    QString definida = tabla;
    QString descripcion, codigo, adicional, where;
    // Without the mask file the mapped columns are shown as a plain list: a lookup that showed
    // nothing would hand back the code column's name as the code.
    bool abrir = true;
    lookup::DefinirConsulta(definida, descripcion, codigo, adicional, abrir, where);
    data::gDB().QConsulta(tabla, QString(), codigo, adicional, descripcion);
    return codigo;
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
