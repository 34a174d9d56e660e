#include "lookup/DefinirConsulta.h"

#include "app/SharedObjects.h"
#include "kit/Utilidades.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Consultas.h"
#include "vb/Files.h"
#include "vb/Strings.h"

#include <initializer_list>

namespace lookup {

namespace {

bool startsWith(const QString& tag, const char* prefix)
{
    return tag.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

// "ID" and the tag from character `from` (counted from 1) on; lessS drops a final S.
QString idCode(const QString& tag, int from, bool lessS = true)
{
    QString code = QStringLiteral("ID") + vb::Mid(tag, from);
    if (lessS && code.endsWith(u's', Qt::CaseInsensitive))
        code.chop(1);
    return code;
}

void set(DefinicionConsulta& d, const QString& descripcion, const QString& codigo, const QString& adicional = {})
{
    d.CampoDescripcion = descripcion;
    d.CampoCodigo = codigo;
    d.CampoAdicional = adicional;
}

void set(DefinicionConsulta& d, const char* descripcion, const char* codigo, const char* adicional = "")
{
    set(d, QString::fromLatin1(descripcion), QString::fromLatin1(codigo), QString::fromLatin1(adicional));
}

const std::initializer_list<const char*> kGroupV = {
    "V_TA_Cajas", "V_TA_Bancos", "V_TA_MotivoVta", "V_TA_MotivoCpra", "V_TA_Deposito", "V_TA_Tecnicos", "V_TA_Tareas",
    "V_TA_Unidad", "V_TA_TipoArticulo", "V_TA_Rubros", "V_TA_MotivoStock", "V_TA_CPRA_VTA", "V_TA_CATEGORIA",
    "V_TA_DESTINO", "V_TA_ORIGEN"};
const std::initializer_list<const char*> kGroupP = {
    "P_TA_NIVELESTUDIO", "P_TA_CONOCIMIENTOS", "P_TA_Categorizacion", "P_TA_CentroMedico", "P_TA_FormasDePago",
    "P_MA_Empresas", "P_TA_ZONARESIDENCIA", "P_TA_ObraSocial", "P_TA_MotivoEgreso", "P_TA_Grupos",
    "P_TA_EstadoBusqueda", "P_TA_Areas", "P_TA_IDIOMAS", "P_TA_TITULOs", "P_TA_ESTADOPOSTULANTE", "P_TA_Parentesco",
    "P_TA_EstadoCivil"};
const std::initializer_list<const char*> kGroupT = {"TA_Categoria", "TA_Deposito", "TA_MotivoStock", "TA_TipoArticulo",
                                                     "TA_Rubros"};

// Tags of single tables and views, one rule each, before the groups and prefixes.
bool namedTables(DefinicionConsulta& d)
{
    const QString& tag = d.Tabla;
    if (vb::textEqualsAny(tag, {"vt_proveedores", "vt_clientes"}))
        set(d, "Razon_Social", "Codigo");
    else if (vb::textEqualsAny(tag, {"TA_COMPROBANTES", "V_TA_Cpte"})) {
        d.Tabla = QStringLiteral("VT_TA_Cpte");
        set(d, "Descripcion", "Codigo");
    } else if (vb::textEqualsAny(tag, {"V_TA_PERCEPCION"}))
        set(d, "DESCRIPCION", "IDPERCEPCION");
    else if (vb::textEqualsAny(tag, {"V_TA_RETENCIONES"}))
        set(d, "DESCRIPCION", "IDRETENCION");
    else if (vb::textEqualsAny(tag, {"V_TA_UNIDADNEGOCIO"}))
        set(d, "DESCRIPCION", "CODIGO");
    else if (vb::textEqualsAny(tag, {"V_ta_PoliticaPrecios"}))
        set(d, "Descripcion", "codigo");
    else if (vb::textEqualsAny(tag, {"V_TA_CATEGORIAARTICULO"}))
        set(d, "DESCRIPCION", "idcategoria");
    else
        return false;
    return true;
}

bool groups(DefinicionConsulta& d)
{
    const QString& tag = d.Tabla;
    if (vb::textEqualsAny(tag, kGroupV)) {
        QString codigo = idCode(tag, 6);
        if (vb::textEqualsAny(tag, {"V_TA_CPRA_VTA"}))
            codigo = QStringLiteral("IDCOND_CPRA_VTA");
        else if (vb::textEqualsAny(tag, {"V_TA_TipoArticulo"}))
            codigo = QStringLiteral("IDTIPO");
        else if (vb::textEqualsAny(tag, {"V_TA_Cajas"}))
            codigo = QStringLiteral("IDCajas");
        set(d, vb::textEqualsAny(tag, {"V_TA_Tecnicos"}) ? QStringLiteral("NOMBRE") : QStringLiteral("DESCRIPCION"), codigo);
    } else if (vb::textEqualsAny(tag, kGroupP)) {
        set(d, vb::textEqualsAny(tag, {"P_MA_Empresas"}) ? QStringLiteral("NombreEmpresa") : QStringLiteral("Descripcion"),
            idCode(tag, 6, !vb::textEqualsAny(tag, {"P_TA_Areas"})));
    } else if (vb::textEqualsAny(tag, {"P_SINDICATOS"})) {
        set(d, "Descripcion", "IdSindicato");
    } else if (vb::textEqualsAny(tag, {"P_TA_Funciones"})) {
        set(d, QStringLiteral("DESCRIPCION"), idCode(tag, 6, false));
    } else if (vb::textEqualsAny(tag, kGroupT)) {
        set(d, QStringLiteral("DESCRIPCION"), vb::textEqualsAny(tag, {"TA_TipoArticulo"}) ? QStringLiteral("IDTIPO") : idCode(tag, 4));
    } else {
        return false;
    }
    return true;
}

// Tables whose lookup also hands back an extra column.
bool tablesWithExtra(DefinicionConsulta& d)
{
    const QString& tag = d.Tabla;
    if (vb::textEqualsAny(tag, {"P_MA_Clientes"}))
        set(d, "RAZON_SOCIAL", "IDCLIENTE");
    else if (vb::textEqualsAny(tag, {"TA_Cpte"}))
        set(d, "DESCRIPCION", "CODIGO", "DESCRIPCION");
    else if (vb::textEqualsAny(tag, {"V_TA_VENDEDORES"}))
        set(d, "NOMBRE", "idvendedor", "NOMBRE");
    else if (vb::textEqualsAny(tag, {"V_MA_ARTICULOS"}))
        set(d, QStringLiteral("DESCRIPCION"), idCode(tag, 6), QStringLiteral("DESCRIPCION"));
    else if (vb::textEqualsAny(tag, {"V_MV_COTIZAR"}))
        set(d, "COT_OBSERVACIONES", "IDARTICULO", "COT_OBSERVACIONES");
    else if (vb::textEqualsAny(tag, {"MA_ARTICULOS"}))
        set(d, QStringLiteral("DESCRIPCION"), idCode(tag, 4), QStringLiteral("DESCRIPCION"));
    else if (vb::textEqualsAny(tag, {"MA_MODELOS"}))
        set(d, "NOMBRE", "NOMBRE", "NOMBRE");
    else if (vb::textEqualsAny(tag, {"MA_CHOFERES"}))
        set(d, "APELLIDO, NOMBRES", "CODIGO", "NOMBRES");
    else if (vb::textEqualsAny(tag, {"MA_DESTINATARIOS"}))
        set(d, "NOMBRE", "CODIGO", "NOMBRE");
    else if (vb::textEqualsAny(tag, {"MA_VEHICULOS"}))
        set(d, "PATENTE,TIPO_VEHICULO,MODELO,TIPO", "PATENTE", "MODELO");
    else if (vb::textEqualsAny(tag, {"MV_EJERCICIOS"}))
        set(d, "DESCRIPCION", "PERIODO", "DESCRIPCION");
    else if (vb::textEqualsAny(tag, {"TA_USUARIOS"}))
        set(d, "NOMBRE", "NOMBRE");
    else
        return false;
    return true;
}

// Any other tag by its prefix.
bool prefixes(DefinicionConsulta& d)
{
    const QString& tag = d.Tabla;
    const QString six = vb::UCase(vb::Left(tag, 6));
    if (startsWith(tag, "TA_")) {
        set(d, "DESCRIPCION", "CODIGO", "DESCRIPCION");
    } else if (startsWith(tag, "MA_")) {
        if (six == QLatin1String("MA_PRO") || six == QLatin1String("MA_VEN") || six == QLatin1String("MA_TRA")
            || six == QLatin1String("MA_CON") || six == QLatin1String("MA_AGE"))
            set(d, "Razon_Social", "Codigo", "Razon_Social");
        else if (six == QLatin1String("MA_CLI"))
            set(d, "Razon_Social", "Codigo", "Codigo_sucursal");
        else
            set(d, "Descripcion", "Codigo", "Descripcion");
    } else if (startsWith(tag, "[MA") && six == QLatin1String("[MA_CA")) {
        set(d, "nombre", "Codigo", "nombre");
    } else if (startsWith(tag, "MV_") && six == QLatin1String("MV_PRO")) {
        set(d, "ASUNTO", "ID", "ASUNTO");
    } else {
        return false;
    }
    return true;
}

// " where " in front of a condition that does not say it: the condition follows the table name.
QString conditionText(const QString& where)
{
    if (vb::Trim(where).isEmpty() || where.contains(QLatin1String("where"), Qt::CaseInsensitive))
        return where;
    return QStringLiteral("where ") + where;
}

QString selectText(const DefinicionConsulta& d, const QString& where)
{
    return QStringLiteral("select ") + d.CampoDescripcion + u',' + d.CampoCodigo + QStringLiteral(" from ") + d.Tabla + u' '
         + conditionText(where);
}

QString pickedText(const vb::Variant& value)
{
    return app::gUtil().ValorTexto(value);
}

// The lookup through the table's query mask, or the mapped columns when it has none.
void showThroughMasks(DefinicionConsulta& d, QString& where)
{
    Lib_ClsCons3& consulta = gConsulta();
    if (vb::textEqualsAny(d.Tabla, {"VT_CLIENTES", "VT_PROVEEDORES"}))
        d.CampoCodigo = QStringLiteral("CODIGO");
    QString sentencia = selectText(d, where);
    consulta.CampoDevuelto = d.CampoCodigo;
    if (!d.CampoAdicional.isEmpty())
        consulta.CmpsDevueltos->add(d.CampoAdicional);
    QString clave, campoBusqueda, valoresDefault;
    bool treeView = false;
    consulta.ConsultaSearch(d.Tabla, consulta.CmpsDevueltos, clave, campoBusqueda, where, sentencia, treeView, valoresDefault);
    const QString codigo = pickedText(consulta.ValorDevuelto);
    if (codigo.isEmpty()) {
        d.CampoCodigo.clear();
        d.CampoAdicional.clear();
        return;
    }
    d.CampoCodigo = codigo;
    if (consulta.Valores && consulta.Valores->count() >= 1)
        d.CampoAdicional = pickedText(consulta.Valores->item(1));
}

// The lookup as a plain SELECT of the mapped columns.
void showAsSelect(DefinicionConsulta& d, const QString& where)
{
    Lib_ClsCons3& consulta = gConsulta();
    if (vb::Trim(d.CampoDescripcion).isEmpty())
        d.CampoDescripcion = QStringLiteral(" * ");
    consulta.CampoDevuelto = d.CampoCodigo;
    consulta.ConsultaSearch(selectText(d, where));
    d.CampoCodigo = pickedText(consulta.ValorDevuelto);
    if (d.CampoCodigo.isEmpty())
        d.CampoAdicional.clear();
}

} // namespace

bool DefinicionDeConsulta(DefinicionConsulta& definicion)
{
    const bool mapped = namedTables(definicion) || groups(definicion) || tablesWithExtra(definicion) || prefixes(definicion);
    // The postal codes' own columns stand over whatever rule took the tag.
    if (vb::textEquals(definicion.Tabla, QStringLiteral("ta_codigospostales"))) {
        set(definicion, "LOCALIDAD", "cp", "LOCALIDAD");
        return true;
    }
    return mapped;
}

void DefinirConsulta(QString& Tabla, QString& CampoDescripcion, QString& CampoCodigo, QString& CampoAdicional, bool& Abrir,
                     QString& Where)
{
    DefinicionConsulta definicion{Tabla, CampoDescripcion, CampoCodigo, CampoAdicional};
    DefinicionDeConsulta(definicion);
    if (vb::FileExists(defaultMaskPath()))
        showThroughMasks(definicion, Where);
    else if (Abrir)
        showAsSelect(definicion, Where);
    Tabla = definicion.Tabla;
    CampoDescripcion = definicion.CampoDescripcion;
    CampoCodigo = definicion.CampoCodigo;
    CampoAdicional = definicion.CampoAdicional;
}

} // namespace lookup
