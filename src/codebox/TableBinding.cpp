#include "codebox/TableBinding.h"

#include "vb/Strings.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace codebox {

namespace {

bool same(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

bool sameAsAny(const QString& name, const std::vector<const char*>& names)
{
    for (const char* n : names)
        if (same(name, n))
            return true;
    return false;
}

bool startsWith(const QString& name, const char* prefix)
{
    return name.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

QString withoutFinalS(const QString& text)
{
    return text.endsWith(u's', Qt::CaseInsensitive) ? text.chopped(1) : text;
}

void columns(TableSetup& s, const QString& description, const QString& code)
{
    s.descriptionColumn = description;
    s.codeColumn = code;
}

void rename(TableSetup& s, const QString& table)
{
    s.boundTable = table;
    s.callerName = table;
}

// A rule of the column table: when `matches` holds for the name as passed, `apply` runs and
// no later rule is tried. The article rule is the one the articles setting turns off.
struct ColumnRule {
    std::function<bool(const QString&)> matches;
    std::function<void(const QString&, TableSetup&)> apply;
    bool articles = false;
};

ColumnRule named(std::initializer_list<const char*> names, const char* description, const char* code)
{
    return {[list = std::vector<const char*>(names)](const QString& n) { return sameAsAny(n, list); },
            [description, code](const QString&, TableSetup& s) { columns(s, QLatin1String(description), QLatin1String(code)); }};
}

bool isTaName(const QString& name)
{
    return name.mid(0, 3).compare(QLatin1String("TA_"), Qt::CaseInsensitive) == 0
        || name.mid(4, 3).compare(QLatin1String("TA_"), Qt::CaseInsensitive) == 0;
}

void suiteCodeTable(const QString& name, TableSetup& s)
{
    s.descriptionColumn = QStringLiteral("DESCRIPCION");
    s.codeColumn = QStringLiteral("CODIGO");
    QString table = name;
    if (startsWith(table, "FIS_")) {
        table = table.mid(4);
        rename(s, table);
    }
    if (same(table, "TA_COMPROBANTES_1"))
        rename(s, QStringLiteral("TA_COMPROBANTES"));
}

void accountTable(const QString& name, TableSetup& s)
{
    const QString head = name.left(6).toUpper();
    const bool named = QStringList{"MA_PRO", "MA_VEN", "MA_TRA", "MA_CON", "MA_AGE", "MA_CLI"}.contains(head);
    columns(s, named ? QStringLiteral("Razon_Social") : QStringLiteral("Descripcion"), QStringLiteral("Codigo"));
}

void suiteViewTable(const QString& name, TableSetup& s)
{
    s.descriptionColumn = same(name, "V_TA_Tecnicos") ? QStringLiteral("NOMBRE") : QStringLiteral("DESCRIPCION");
    if (same(name, "V_TA_CPRA_VTA"))
        s.codeColumn = QStringLiteral("IDCOND_CPRA_VTA");
    else if (same(name, "V_TA_TipoArticulo"))
        s.codeColumn = QStringLiteral("IDTIPO");
    else if (same(name, "V_TA_Cajas"))
        s.codeColumn = QStringLiteral("IDCajas");
    else
        s.codeColumn = TableBinding::idFromName(name, QStringLiteral("V_TA_"));
}

void personnelTable(const QString& name, TableSetup& s)
{
    s.descriptionColumn = same(name, "P_MA_Empresas") ? QStringLiteral("NombreEmpresa") : QStringLiteral("Descripcion");
    const QString id = QStringLiteral("ID") + name.mid(5);
    s.codeColumn = same(name, "P_TA_Areas") ? id : withoutFinalS(id);
}

const std::vector<ColumnRule>& columnRules()
{
    static const std::vector<ColumnRule> rules{
        named({"vt_clientes"}, "Razon_Social", "Codigo"),
        named({"vt_proveedores"}, "Razon_Social", "Codigo"),
        {[](const QString& n) { return sameAsAny(n, {"V_TA_Cpte", "TA_COMPROBANTES"}); },
         [](const QString&, TableSetup& s) {
             columns(s, QStringLiteral("Descripcion"), QStringLiteral("Codigo"));
             rename(s, QStringLiteral("VT_TA_Cpte"));
         }},
        named({"V_TA_PERCEPCION"}, "DESCRIPCION", "IDPERCEPCION"),
        named({"V_TA_RETENCIONES"}, "DESCRIPCION", "IDRETENCION"),
        named({"V_TA_UNIDADNEGOCIO"}, "DESCRIPCION", "CODIGO"),
        named({"V_ta_PoliticaPrecios"}, "Descripcion", "codigo"),
        named({"V_TA_CATEGORIAARTICULO"}, "DESCRIPCION", "idcategoria"),
        {[](const QString& n) {
             return sameAsAny(n, {"V_TA_ORIGEN", "V_TA_DESTINO", "V_TA_CATEGORIA", "V_TA_CPRA_VTA", "V_TA_MotivoStock",
                                  "V_TA_Rubros", "V_TA_TipoArticulo", "V_TA_Unidad", "V_TA_Tareas", "V_TA_Tecnicos",
                                  "V_TA_Deposito", "V_TA_MotivoCpra", "V_TA_MotivoVta", "V_TA_Bancos", "V_TA_Cajas"});
         },
         suiteViewTable},
        {[](const QString& n) {
             return sameAsAny(n, {"P_TA_EstadoCivil", "P_TA_Parentesco", "P_TA_ESTADOPOSTULANTE", "P_TA_TITULOs",
                                  "P_TA_IDIOMAS", "P_TA_Areas", "P_TA_EstadoBusqueda", "P_TA_Grupos", "P_TA_MotivoEgreso",
                                  "P_TA_ObraSocial", "P_TA_ZONARESIDENCIA", "P_MA_Empresas", "P_TA_FormasDePago",
                                  "P_TA_CentroMedico", "P_TA_Categorizacion", "P_TA_CONOCIMIENTOS", "P_TA_NIVELESTUDIO"});
         },
         personnelTable},
        named({"P_SINDICATOS"}, "Descripcion", "IdSindicato"),
        {[](const QString& n) { return same(n, "P_TA_Funciones"); },
         [](const QString& n, TableSetup& s) { columns(s, QStringLiteral("DESCRIPCION"), QStringLiteral("ID") + n.mid(5)); }},
        {[](const QString& n) { return sameAsAny(n, {"TA_Rubros", "TA_TipoArticulo", "TA_MotivoStock", "TA_Deposito", "TA_Categoria"}); },
         [](const QString& n, TableSetup& s) {
             columns(s, QStringLiteral("DESCRIPCION"),
                     same(n, "TA_TipoArticulo") ? QStringLiteral("IDTIPO") : TableBinding::idFromName(n, QStringLiteral("TA_")));
         }},
        named({"P_MA_Clientes"}, "RAZON_SOCIAL", "IDCLIENTE"),
        named({"TA_Cpte"}, "DESCRIPCION", "CODIGO"),
        named({"V_MA_MANTENIMIENTOS"}, "DESCRIPCION", "CODIGO"),
        named({"V_TA_VENDEDORES"}, "NOMBRE", "idvendedor"),
        {[](const QString& n) { return same(n, "V_MA_ARTICULOS"); },
         [](const QString& n, TableSetup& s) { columns(s, QStringLiteral("DESCRIPCION"), TableBinding::idFromName(n, QStringLiteral("V_MA_"))); },
         true},
        named({"V_MV_COTIZAR"}, "COT_OBSERVACIONES", "IDARTICULO"),
        {[](const QString& n) { return same(n, "MA_ARTICULOS"); },
         [](const QString& n, TableSetup& s) { columns(s, QStringLiteral("DESCRIPCION"), TableBinding::idFromName(n, QStringLiteral("MA_"))); }},
        named({"MA_MODELOS"}, "NOMBRE", "NOMBRE"),
        named({"MA_CHOFERES"}, "APELLIDO", "CODIGO"),
        named({"MA_DESTINATARIOS"}, "NOMBRE", "CODIGO"),
        named({"MA_VEHICULOS"}, "PATENTE,TIPO_VEHICULO,MARCA,MODELO,TIPO", "PATENTE"),
        named({"MV_EJERCICIOS"}, "DESCRIPCION", "PERIODO"),
        named({"TA_USUARIOS"}, "NOMBRE", "NOMBRE"),
        {isTaName, suiteCodeTable},
        named({"MA_CUENTAS_CAJAYBANCO"}, "Descripcion", "CodigoOpcional"),
        {[](const QString& n) { return startsWith(n, "MA_"); }, accountTable},
        {[](const QString& n) { return startsWith(n, "[MA"); },
         [](const QString& n, TableSetup& s) {
             if (n.left(6).toUpper() == QLatin1String("[MA_CA"))
                 columns(s, QStringLiteral("nombre"), QStringLiteral("Codigo"));
         }},
        {[](const QString& n) { return startsWith(n, "MV_"); },
         [](const QString& n, TableSetup& s) {
             if (n.left(6).toUpper() == QLatin1String("MV_PRO"))
                 columns(s, QStringLiteral("ASUNTO"), QStringLiteral("ID"));
         }},
        {[](const QString& n) { return sameAsAny(n, {"SERIE", "MPAGO"}); },
         [](const QString&, TableSetup& s) {
             columns(s, QStringLiteral("Descripcion"), QStringLiteral("CodigoOpcional"));
             s.boundTable = QStringLiteral("VT_MP_PAGOS");
         }},
        {[](const QString& n) { return same(n, "TC"); },
         [](const QString&, TableSetup& s) {
             columns(s, QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO"));
             rename(s, QStringLiteral("TA_COMPROBANTES"));
         }},
        named({"V_TA_MOTIVOS"}, "DESCRIPCION", "CODIGO"),
        {[](const QString& n) { return same(n, "FECHA"); }, [](const QString&, TableSetup& s) { s.dateMode = true; }},
    };
    return rules;
}

} // namespace

TableSetup TableBinding::resolve(const QString& name, bool articlesDisabled)
{
    TableSetup setup;
    setup.boundTable = vb::Trim(name);
    setup.callerName = name;
    applyColumnRules(name, setup, articlesDisabled);
    if (!setup.stopped)
        applyFilterRules(setup);
    return setup;
}

void TableBinding::applyColumnRules(const QString& name, TableSetup& setup, bool articlesDisabled)
{
    for (const ColumnRule& rule : columnRules()) {
        if (rule.matches(name)) {
            rule.apply(name, setup);
            if (rule.articles && articlesDisabled) {
                setup.result = false;
                setup.stopped = true;
            }
            return;
        }
    }
    setup.result = false;
}

void TableBinding::applyFilterRules(TableSetup& s)
{
    const QString& t = s.boundTable;
    if (same(t, "MA_CUENTAS_CAJAYBANCO")) {
        s.boundTable = QStringLiteral("MA_CUENTAS");
        s.extraFilter = QStringLiteral("and (MEDIODEPAGO='' or MEDIODEPAGO IS NULL) and titulo = 0 AND CAJAYBANCO = 1");
        s.result = true;
    } else if (same(t, "MA_CUENTAS")) {
        s.extraFilter = QStringLiteral(" and Dada_De_Baja = 0 ");
        s.result = true;
    } else if (same(t, "MA_CUENTAS/SOLOIMPUTABLES")) {
        s.boundTable = QStringLiteral("MA_CUENTAS");
        s.extraFilter = QStringLiteral(
            " and (TIPOVISTA IS NULL OR TIPOVISTA = '') AND (MEDIODEPAGO IS NULL OR MEDIODEPAGO = '' OR MEDIODEPAGO = 'RI' "
            "OR MEDIODEPAGO = 'RG' OR MEDIODEPAGO = 'RB')  AND TITULO = 0 AND Dada_De_Baja = 0 ");
        s.result = true;
    } else if (sameAsAny(t, {"VT_PROVEEDORES", "VT_CLIENTES"})) {
        s.extraFilter = QStringLiteral("and Dada_De_Baja = 0");
        s.salesmanRestriction = true;
    } else if (sameAsAny(t, {"V_MA_ARTICULOS", "VT_MA_ARTICULOS"})) {
        s.extraFilter = QStringLiteral("and SUSPENDIDO = 0");
        s.result = true;
    } else if (same(t, "MA_CONTACTOS")) {
        columns(s, QStringLiteral("Nombre_y_Apellido"), QStringLiteral("IdContacto"));
        s.result = true;
    } else if (same(t, "V_TA_FAMILIAS")) {
        columns(s, QStringLiteral("DESCRIPCION"), QStringLiteral("IDFAMILIA"));
        s.result = true;
    }
}

QString TableBinding::rightCode(const QString& table)
{
    if (sameAsAny(table, {"TA_ESTADOS", "TA_CCOSTO", "TA_CLASIFICACIONES", "TA_TIPOVEHICULO", "TA_MARCAVEHICULO",
                          "TA_PAISES", "TA_TIPICOS", "TA_TIPODOCUMENTO", "V_TA_Bancos", "V_Ta_Cajas", "V_TA_Categoria",
                          "V_TA_Cpra_Vta", "V_TA_DEPOSITO", "V_TA_DESTINO", "V_TA_MotivoCpra", "V_TA_MotivoStock",
                          "V_TA_MotivoVta", "V_TA_Origen", "V_TA_Rubros", "V_TA_STATUS", "V_TA_Tecnicos",
                          "V_TA_TIPOACEITES", "V_TA_TipoArticulo", "V_TA_Unidad", "V_TA_UnidadNegocio"}))
        return QStringLiteral("D010301");
    if (same(table, "V_MA_MANTENIMIENTOS"))
        return QStringLiteral("D010180");
    if (same(table, "V_TA_VENDEDORES"))
        return QStringLiteral("D010160");
    return {};
}

int TableBinding::codeWidth(const QString& table)
{
    return same(table, "V_MA_MANTENIMIENTOS") ? 25 : 4;
}

QString TableBinding::idFromName(const QString& name, const QString& prefix)
{
    const qsizetype at = name.indexOf(prefix, 0, Qt::CaseInsensitive);
    const QString rest = at < 0 ? name : name.mid(at + prefix.size());
    return withoutFinalS(QStringLiteral("ID") + rest);
}

QString TableBinding::searchColumn(const QString& descriptionColumn, const QString& codeColumn)
{
    if (!descriptionColumn.contains(u','))
        return descriptionColumn;
    for (const QString& column : descriptionColumn.split(u','))
        if (column.trimmed().compare(codeColumn, Qt::CaseInsensitive) != 0)
            return column.trimmed();
    return codeColumn;
}

} // namespace codebox
