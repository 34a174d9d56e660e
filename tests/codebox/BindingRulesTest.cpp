// The column, filter and rights rules of a binding, on table names alone.
#include "CodeBoxFixture.h"

#include "codebox/TableBinding.h"

using codebox::TableBinding;
using codebox::TableSetup;

namespace {

struct Expected {
    const char* name;
    const char* bound;
    const char* caller;
    const char* description;
    const char* code;
    const char* filter;
    bool result;
};

void expectRule(const Expected& e)
{
    SCOPED_TRACE(e.name);
    const TableSetup s = TableBinding::resolve(QString::fromLatin1(e.name), false);
    EXPECT_EQ(s.boundTable, QString::fromLatin1(e.bound));
    EXPECT_EQ(s.callerName, QString::fromLatin1(e.caller));
    EXPECT_EQ(s.descriptionColumn, QString::fromLatin1(e.description));
    EXPECT_EQ(s.codeColumn, QString::fromLatin1(e.code));
    EXPECT_EQ(s.extraFilter, QString::fromLatin1(e.filter));
    EXPECT_EQ(s.result, e.result);
}

} // namespace

TEST(BindingRules, CodeTablesTakeTheirColumnsFromTheName)
{
    const Expected cases[] = {
        {"v_ta_rubros", "v_ta_rubros", "v_ta_rubros", "DESCRIPCION", "IDrubro", "", true},   // the caller's letter case
        {"V_TA_Bancos", "V_TA_Bancos", "V_TA_Bancos", "DESCRIPCION", "IDBanco", "", true},
        {"V_TA_Unidad", "V_TA_Unidad", "V_TA_Unidad", "DESCRIPCION", "IDUnidad", "", true},
        {"V_TA_Cajas", "V_TA_Cajas", "V_TA_Cajas", "DESCRIPCION", "IDCajas", "", true},
        {"V_TA_CPRA_VTA", "V_TA_CPRA_VTA", "V_TA_CPRA_VTA", "DESCRIPCION", "IDCOND_CPRA_VTA", "", true},
        {"V_TA_TipoArticulo", "V_TA_TipoArticulo", "V_TA_TipoArticulo", "DESCRIPCION", "IDTIPO", "", true},
        {"V_TA_Tecnicos", "V_TA_Tecnicos", "V_TA_Tecnicos", "NOMBRE", "IDTecnico", "", true},
        {"P_TA_Areas", "P_TA_Areas", "P_TA_Areas", "Descripcion", "IDAreas", "", true},
        {"P_TA_TITULOs", "P_TA_TITULOs", "P_TA_TITULOs", "Descripcion", "IDTITULO", "", true},
        {"P_MA_Empresas", "P_MA_Empresas", "P_MA_Empresas", "NombreEmpresa", "IDEmpresa", "", true},
        {"P_TA_Funciones", "P_TA_Funciones", "P_TA_Funciones", "DESCRIPCION", "IDFunciones", "", true},
        {"TA_TipoArticulo", "TA_TipoArticulo", "TA_TipoArticulo", "DESCRIPCION", "IDTIPO", "", true},
        {"TA_Deposito", "TA_Deposito", "TA_Deposito", "DESCRIPCION", "IDDeposito", "", true},
        {"V_TA_CATEGORIAARTICULO", "V_TA_CATEGORIAARTICULO", "V_TA_CATEGORIAARTICULO", "DESCRIPCION", "idcategoria", "", true},
        {"TA_PAISES", "TA_PAISES", "TA_PAISES", "DESCRIPCION", "CODIGO", "", true},
        {"V_TA_MOTIVOS", "V_TA_MOTIVOS", "V_TA_MOTIVOS", "DESCRIPCION", "CODIGO", "", true},
        {"MV_EJERCICIOS", "MV_EJERCICIOS", "MV_EJERCICIOS", "DESCRIPCION", "PERIODO", "", true},
    };
    for (const Expected& e : cases)
        expectRule(e);
}

TEST(BindingRules, SomeRulesRenameTheBoundTableAndTheCallersName)
{
    const Expected cases[] = {
        {"V_TA_Cpte", "VT_TA_Cpte", "VT_TA_Cpte", "Descripcion", "Codigo", "", true},
        {"TA_COMPROBANTES", "VT_TA_Cpte", "VT_TA_Cpte", "Descripcion", "Codigo", "", true},
        {"FIS_TA_COMPROBANTES_1", "TA_COMPROBANTES", "TA_COMPROBANTES", "DESCRIPCION", "CODIGO", "", true},
        {"FIS_TA_PAISES", "TA_PAISES", "TA_PAISES", "DESCRIPCION", "CODIGO", "", true},
        {"TC", "TA_COMPROBANTES", "TA_COMPROBANTES", "DESCRIPCION", "CODIGO", "", true},
        {"SERIE", "VT_MP_PAGOS", "SERIE", "Descripcion", "CodigoOpcional", "", true},   // the caller keeps its name
    };
    for (const Expected& e : cases)
        expectRule(e);
}

TEST(BindingRules, AccountsContactsAndFamiliesGetTheirFilters)
{
    const Expected cases[] = {
        {"MA_CUENTAS", "MA_CUENTAS", "MA_CUENTAS", "Descripcion", "Codigo", " and Dada_De_Baja = 0 ", true},
        {"MA_CUENTAS_CAJAYBANCO", "MA_CUENTAS", "MA_CUENTAS_CAJAYBANCO", "Descripcion", "CodigoOpcional",
         "and (MEDIODEPAGO='' or MEDIODEPAGO IS NULL) and titulo = 0 AND CAJAYBANCO = 1", true},
        {"MA_CUENTAS/SOLOIMPUTABLES", "MA_CUENTAS", "MA_CUENTAS/SOLOIMPUTABLES", "Descripcion", "Codigo",
         " and (TIPOVISTA IS NULL OR TIPOVISTA = '') AND (MEDIODEPAGO IS NULL OR MEDIODEPAGO = '' OR MEDIODEPAGO = 'RI' "
         "OR MEDIODEPAGO = 'RG' OR MEDIODEPAGO = 'RB')  AND TITULO = 0 AND Dada_De_Baja = 0 ", true},
        {"MA_PROVEEDORES", "MA_PROVEEDORES", "MA_PROVEEDORES", "Razon_Social", "Codigo", "", true},
        {"ma_clientes", "ma_clientes", "ma_clientes", "Razon_Social", "Codigo", "", true},
        {"MA_CONTACTOS", "MA_CONTACTOS", "MA_CONTACTOS", "Nombre_y_Apellido", "IdContacto", "", true},
        {"V_TA_FAMILIAS", "V_TA_FAMILIAS", "V_TA_FAMILIAS", "DESCRIPCION", "IDFAMILIA", "", true},
        {"VT_CLIENTES", "VT_CLIENTES", "VT_CLIENTES", "Razon_Social", "Codigo", "and Dada_De_Baja = 0", true},
        {"vt_proveedores", "vt_proveedores", "vt_proveedores", "Razon_Social", "Codigo", "and Dada_De_Baja = 0", true},
        {"V_MA_ARTICULOS", "V_MA_ARTICULOS", "V_MA_ARTICULOS", "DESCRIPCION", "IDARTICULO", "and SUSPENDIDO = 0", true},
        {"MA_ARTICULOS", "MA_ARTICULOS", "MA_ARTICULOS", "DESCRIPCION", "IDARTICULO", "", true},
        {"[MA_CAJEROS]", "[MA_CAJEROS]", "[MA_CAJEROS]", "nombre", "Codigo", "", true},
        {"MV_PROYECTOS", "MV_PROYECTOS", "MV_PROYECTOS", "ASUNTO", "ID", "", true},
    };
    for (const Expected& e : cases)
        expectRule(e);
    EXPECT_TRUE(TableBinding::resolve(QStringLiteral("VT_CLIENTES"), false).salesmanRestriction);
    EXPECT_FALSE(TableBinding::resolve(QStringLiteral("MA_CUENTAS"), false).salesmanRestriction);
}

TEST(BindingRules, NamesWithoutARuleLeaveNoColumnsToSearch)
{
    const Expected cases[] = {
        {" VT_CLIENTES", "VT_CLIENTES", " VT_CLIENTES", "", "", "and Dada_De_Baja = 0", false},   // bound trimmed, no rule
        {"VT_CLIENTES\t", "VT_CLIENTES\t", "VT_CLIENTES\t", "", "", "", false},   // only blanks are trimmed
        {"VT_MA_ARTICULOS", "VT_MA_ARTICULOS", "VT_MA_ARTICULOS", "", "", "and SUSPENDIDO = 0", true},
        {"[MA_OTRA]", "[MA_OTRA]", "[MA_OTRA]", "", "", "", true},
        {"mv_otros", "mv_otros", "mv_otros", "", "", "", true},
        {"V_TA_STATUS", "V_TA_STATUS", "V_TA_STATUS", "", "", "", false},
        {"TABLA_RARA", "TABLA_RARA", "TABLA_RARA", "", "", "", false},
        {"FECHA", "FECHA", "FECHA", "", "", "", true},
    };
    for (const Expected& e : cases)
        expectRule(e);
    EXPECT_TRUE(TableBinding::resolve(QStringLiteral("fecha"), false).dateMode);
    EXPECT_FALSE(TableBinding::resolve(QStringLiteral("V_TA_Rubros"), false).dateMode);
}

TEST(BindingRules, TurnedOffArticlesKeepTheirColumnsButStopTheBinding)
{
    const TableSetup off = TableBinding::resolve(QStringLiteral("V_MA_ARTICULOS"), true);
    EXPECT_EQ(off.descriptionColumn, QStringLiteral("DESCRIPCION"));
    EXPECT_EQ(off.codeColumn, QStringLiteral("IDARTICULO"));
    EXPECT_TRUE(off.stopped);
    EXPECT_FALSE(off.result);
    EXPECT_TRUE(off.extraFilter.isEmpty());
    // Only the article view is turned off.
    EXPECT_FALSE(TableBinding::resolve(QStringLiteral("MA_ARTICULOS"), true).stopped);
    EXPECT_FALSE(TableBinding::resolve(QStringLiteral("VT_MA_ARTICULOS"), true).stopped);
}

TEST(BindingRules, RightsAndCodeWidths)
{
    EXPECT_EQ(TableBinding::rightCode(QStringLiteral("v_ta_rubros")), QStringLiteral("D010301"));
    EXPECT_EQ(TableBinding::rightCode(QStringLiteral("TA_CCOSTO")), QStringLiteral("D010301"));
    EXPECT_EQ(TableBinding::rightCode(QStringLiteral("V_TA_UnidadNegocio")), QStringLiteral("D010301"));
    EXPECT_EQ(TableBinding::rightCode(QStringLiteral("V_MA_MANTENIMIENTOS")), QStringLiteral("D010180"));
    EXPECT_EQ(TableBinding::rightCode(QStringLiteral("V_TA_VENDEDORES")), QStringLiteral("D010160"));
    EXPECT_TRUE(TableBinding::rightCode(QStringLiteral("VT_CLIENTES")).isEmpty());
    EXPECT_TRUE(TableBinding::rightCode(QStringLiteral("V_MA_ARTICULOS")).isEmpty());
    EXPECT_EQ(TableBinding::codeWidth(QStringLiteral("v_ma_mantenimientos")), 25);
    EXPECT_EQ(TableBinding::codeWidth(QStringLiteral("V_TA_Rubros")), 4);
}

TEST(BindingRules, AListOfDescriptionColumnsSearchesItsFirstOtherThanTheCode)
{
    const TableSetup vehicles = TableBinding::resolve(QStringLiteral("MA_VEHICULOS"), false);
    EXPECT_EQ(TableBinding::searchColumn(vehicles.descriptionColumn, vehicles.codeColumn), QStringLiteral("TIPO_VEHICULO"));
    EXPECT_EQ(TableBinding::searchColumn(QStringLiteral("NOMBRE"), QStringLiteral("NOMBRE")), QStringLiteral("NOMBRE"));
}
