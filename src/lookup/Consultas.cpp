#include "lookup/Consultas.h"

#include "app/AppModule.h"
#include "app/ConfigTable.h"
#include "app/ConsultaGlobal.h"
#include "data/DB_Dll.h"
#include "kit/Utilidades.h"
#include "lookup/AnchosConsulta.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/MaskFile.h"
#include "vb/App.h"
#include "vb/Error.h"
#include "vb/Files.h"
#include "vb/Strings.h"

namespace lookup {

namespace {

MascaraConsulta mask(const char* nombre, const char* tabla, const char* campos)
{
    MascaraConsulta record;
    record.Nombre = QString::fromLatin1(nombre).trimmed();
    record.Tabla = QString::fromLatin1(tabla);
    record.Campos = QString::fromLatin1(campos).trimmed();
    return record;
}

bool isArticleView(const QString& tabla)
{
    return vb::textEquals(tabla, QStringLiteral("STK_MA_ARTICULOS")) || vb::textEquals(tabla, QStringLiteral("V_MA_ARTICULOS"));
}

QString articleColumns(const MascaraConsulta& record, const QString& tabla)
{
    const kit::Utilidades util;
    QString campos = record.Campos;
    if (isArticleView(tabla)) {
        campos = util.trimPadding(campos);
        if (campos.endsWith(u'|'))
            campos.chop(1);
        campos = util.Reemplazar(campos, QStringLiteral("|"), u',' + tabla + u'.');
    } else {
        campos = util.Reemplazar(campos, QStringLiteral("|"), QStringLiteral(","));
    }
    campos = vb::Trim(campos);
    if (campos.startsWith(u','))
        campos.remove(0, 1);
    if (campos.endsWith(u','))
        campos.chop(1);
    return campos;
}

} // namespace

bool likeSearchConfigured()
{
    return vb::textEquals(vb::Trim(app::Cfg(QStringLiteral("UsaConsultaLIKE"))), QStringLiteral("SI"));
}

QString defaultMaskPath()
{
    return vb::resolvePath(kit::Utilidades().CarpetaConBarra(vb::App::path()) + QStringLiteral("consultas.qzt"));
}

Lib_ClsCons3& gConsulta()
{
    if (!app::gConsulta)
        app::gConsulta = std::make_shared<Lib_ClsCons3>();
    return *app::gConsulta;
}

QString rutaMascaraConsultas()
{
    const QString path = app::gConsulta ? app::gConsulta->gRutaMascaraConsultas : QString();
    return vb::resolvePath(vb::Trim(path).isEmpty() ? defaultMaskPath() : path);
}

void PrepararConsultas()
{
    PrepararConsultas(data::gDB().gConnString, defaultMaskPath());
}

void PrepararConsultas(const QString& connString, const QString& maskPath)
{
    Lib_ClsCons3& consulta = gConsulta();
    consulta.gConnString = connString;
    consulta.gUsarMascarasConsultas = true;
    consulta.gRutaMascaraConsultas = vb::resolvePath(maskPath);
    if (!vb::FileExists(consulta.gRutaMascaraConsultas))
        CrearConsultasPorDefecto();
}

void CrearConsultasPorDefecto()
{
    MaskFile::append(rutaMascaraConsultas(),
                     {mask("ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|"),
                      mask("CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|"),
                      mask("PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|"),
                      mask("CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"),
                      mask("VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|"),
                      mask("TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|"),
                      mask("MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"),
                      mask("CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|"),
                      mask("TAREAS", "V_TA_Tareas  ", "|Descripcion|IdTarea| "),
                      mask("UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|"),
                      mask("DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|")});
}

void ConsultasTropaPorDefecto(const QString& tabla)
{
    QString nombre, campos, anchos;
    if (vb::textEquals(tabla, QStringLiteral("v_mv_tropa"))) {
        nombre = QStringLiteral("TROPA");
        campos = QStringLiteral("|FechaDte|Dte|IdTropa|Patente|Chofer|NroGuia|CuitVendedor|");
        anchos = QStringLiteral("1529.188|1575.081|1139.384|1304.258|3058.377|2908.234|1933.724|");
    } else if (vb::textEquals(tabla, QStringLiteral("V_MV_TROPA_STOCK"))) {
        nombre = QStringLiteral("TROPA_STOCK");
        campos = QStringLiteral("|idTropa|categoria|secuencia|lado|kg|comprador|fecha|idPlanilla|id|");
        anchos = QStringLiteral("1354.115|1079.327|1004.539|659.4944|1603.976|1575.081|1679.898|419.8328|419.8328|");
    } else {
        return;
    }
    try {
        MascaraConsulta record;
        record.Nombre = nombre;
        record.Tabla = tabla;
        record.Campos = campos;
        MaskFile::append(rutaMascaraConsultas(), {record});
        GrabarAnchosConsulta(tabla, anchos);
    } catch (const vb::Error&) {
        // Passed over without a message: the lookup goes on without the defaults.
    }
}

void CamposConsultaArticulos(const QString& tabla, QString& campos, QString& campoBusqueda, const QString&)
{
    campoBusqueda.clear();
    const bool stockView = vb::textEquals(tabla, QStringLiteral("STK_MA_ARTICULOS"));
    bool borrowed = false;
    const std::optional<MascaraConsulta> record =
        MaskFile::find(rutaMascaraConsultas(), [&](const MascaraConsulta& candidate) {
            if (MaskFile::sameTable(candidate, tabla))
                return true;
            borrowed = stockView && vb::textEquals(candidate.tablaLimpia(), QStringLiteral("V_MA_ARTICULOS"));
            return borrowed;
        });
    campos.clear();
    if (record) {
        campos = articleColumns(*record, tabla);
        const qsizetype comma = campos.indexOf(u',');
        campoBusqueda = comma < 0 ? campos : campos.left(comma);
        if (borrowed)
            campos += app::state().configuration.MostrarStock ? QStringLiteral(",Deposito,Stock,PuntoPedido") : QStringLiteral(",Deposito");
    }
    if (vb::Trim(campos).isEmpty())
        campos = QStringLiteral("*");
}

} // namespace lookup
