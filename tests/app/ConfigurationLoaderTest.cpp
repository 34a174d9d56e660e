#include "AppTestBase.h"

#include "app/AppModule.h"
#include "app/ConfigurationLoader.h"
#include "vb/App.h"

namespace {

QString read(const QString& key)
{
    return "SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = '" + key + "'";
}

QStringList reads(std::initializer_list<const char*> keys)
{
    QStringList list;
    for (const char* key : keys)
        list << read(QLatin1String(key));
    return list;
}

class ConfigurationLoader : public AppTestBase {
protected:
    void SetUp() override
    {
        openDemo();
        app::gUsuarioActual = "ADMIN";
    }
    void load() { app::CargarConfiguracion(m_programDir.path() + "/"); }
    app::ConfigurationValues& config = app::state().configuration;
    QString stored(const QString& key)
    {
        return scalar(QStringLiteral("SELECT Valor FROM TA_CONFIGURACION WHERE Clave = '%1'").arg(key)).toString();
    }
};

TEST_F(ConfigurationLoader, ReadsEveryKeyInItsOrderOnTheDemoDatabase)
{
    load();
    QStringList expected = reads({"MostrarStockenConsultas", "TituloClientes", "TituloProveedores",
                                  "EXIGECLAVECONSULTALIKEARTICULOS", "UsaConsultaLike", "CantidadDecimales",
                                  "SS_CONFIDENCIALIDAD", "CantidadDecimalesVentas", "UsaMultilesMonedas",
                                  "UsaFacturaProforma", "USACCOSTO", "USA_STK_STOCK_UDKG"});
    expected << "Select * from ta_usuarios  with(nolock)  where Nombre = 'ADMIN'";
    expected << reads({"UNIDADDEMEDIDA_M3", "UNIDADDEMEDIDA_BL", "UNIDADDEMEDIDA_KG", "PERIODO", "RazonSocialPorUneg",
                       "VALIDACODIGOBARRA", "VALIDACODIGOBARRA", "CFondo", "CLetra", "ModuloOrdenDeTrabajo",
                       "V_ModificaCPrecio", "V_ModificaCPrecio", "C_ModificaCPrecio", "C_ModificaCPrecio",
                       "MADERERA", "MADERERA", "MAD_TIRAS", "MAD_P2", "MAD_ML", "MAD_M2", "MAD_HOJAS",
                       "MAD_ML_P2", "MAD_M2_P2", "MAD_ML_M2", "CuentaCtroDist", "MaxDto", "MaxDtoProforma",
                       "PideClave_StockNeg", "PideClave_StockNeg", "PideClave_MarkUpBase", "PideClave_MarkUpBase",
                       "PideClave_LimiteCredito", "PideClave_LimiteCredito", "SS_BloqueoActivo",
                       "UTILIZARFECHADIA", "AsignacionAutomaticaDeLoteING", "AsignacionAutomaticaDeLoteINGOP",
                       "CONDIVAEMPRESA"});
    expected << "SELECT TOP 1  * FROM v_ta_unidadNegocio with(nolock)  WHERE LTRIM(RTRIM(codigo)) ='1'";
    expected << reads({"INICIO_ACTIVIDADES_UN_1", "INGRESOS_BRUTOS_UN_1", "CONDICIONIVA_UN_1", "DOMICILIO_UN_1",
                       "Top_Default"});
    EXPECT_EQ(handed, expected);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ConfigurationLoader, TheDemoSettingsBecomeTheModuleValues)
{
    load();
    EXPECT_EQ(config.TablaConfiguracion, "ta_configuracion");
    EXPECT_TRUE(config.MostrarStock);
    EXPECT_EQ(config.TituloClientes, "Clientes");
    EXPECT_EQ(config.TituloProveedores, "Proveedores");
    EXPECT_EQ(config.RutaTareas, m_programDir.path() + "/KQDOCTareas.qzt");
    EXPECT_FALSE(config.ExigeClaveConsultaLike);
    EXPECT_TRUE(config.UsaConsultaLike);   // the key is read without regard to case
    EXPECT_EQ(config.CantidadDecimales, "2");
    EXPECT_TRUE(app::gConfidencialidad);
    EXPECT_TRUE(config.UsaMultiplesMonedas);
    EXPECT_FALSE(config.UsaFacturaProforma);
    EXPECT_TRUE(config.UsaCCosto);
    EXPECT_EQ(config.UNegocioUsuario, "   1");
    EXPECT_EQ(config.ClasesPrecioUsuario, "123");
    EXPECT_EQ(config.UnidadMedidaKG, "KG");
    EXPECT_EQ(config.Periodo, 2024);
    EXPECT_EQ(config.ColorFondo, 16577510);
    EXPECT_EQ(config.ColorLetra, 0);
    EXPECT_FALSE(config.ModuloOrdenDeTrabajo);
    EXPECT_FALSE(config.VentasModificaPrecio);
    EXPECT_TRUE(config.ComprasModificaPrecio);
    EXPECT_EQ(config.MaxDto.toDouble(), 15);
    EXPECT_EQ(config.MaxDtoProforma.toDouble(), 10);
    EXPECT_FALSE(config.UtilizarFechaDia);
    EXPECT_EQ(config.CondicionIvaEmpresa, 1);
    EXPECT_EQ(config.CondicionIvaTexto, "1");
    EXPECT_EQ(config.TopDefault, "1000");
}

TEST_F(ConfigurationLoader, AnEmptyTableGivesTheDefaultsAndStoresTheColoursOnce)
{
    execute("DELETE FROM TA_CONFIGURACION");
    load();
    EXPECT_FALSE(config.MostrarStock);
    EXPECT_FALSE(app::gConfidencialidad);
    EXPECT_FALSE(config.VentasModificaPrecio);
    EXPECT_FALSE(config.ValidaCodigoBarra);
    EXPECT_TRUE(config.ModuloOrdenDeTrabajo);
    EXPECT_EQ(config.TituloClientes, "");
    EXPECT_EQ(config.MadM2P2, "");
    EXPECT_EQ(config.CantidadDecimales, " ");
    EXPECT_EQ(config.Periodo, 0);
    EXPECT_EQ(config.MaxDto.toDouble(), 0);
    EXPECT_EQ(config.TopDefault, "1000");
    EXPECT_EQ(config.CondicionIvaEmpresa, 1);
    EXPECT_EQ(config.ColorFondo, app::RGB(230, 243, 255));
    EXPECT_EQ(config.ColorLetra, 0);
    EXPECT_EQ(stored("CFondo"), "16774118");
    EXPECT_EQ(stored("CLetra"), "0");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM TA_CONFIGURACION").toLong(), 2);
    EXPECT_EQ(handed.count("SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'CFondo'"), 1);

    handed.clear();
    load();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM TA_CONFIGURACION").toLong(), 2);
    EXPECT_FALSE(handed.join('\n').contains("SELECT * FROM"));
    EXPECT_EQ(config.ColorFondo, app::RGB(230, 243, 255));
}

TEST_F(ConfigurationLoader, ColourRules)
{
    struct Case { const char* fondo; const char* letra; std::int32_t background; std::int32_t text; bool reset; };
    const Case cases[] = {
        {"255", "255", app::RGB(230, 243, 255), 255, true},          // unreadable pair: reset, text kept
        {"16776960", "0", app::RGB(230, 243, 255), 0, false},        // cyan
        {nullptr, "8", app::RGB(255, 252, 229), 8, false},           // no background
        {"1.234,4", "7", 1234, 7, false},                            // regional number, rounded
        {"12.345.678.901", "7", app::RGB(255, 252, 229), 7, false},  // past Long: skipped, then the zero rule
    };
    for (const Case& c : cases) {
        if (c.fondo)
            setConfig("CFondo", c.fondo);
        else
            removeConfig("CFondo");
        setConfig("CLetra", c.letra);
        config.ColorFondo = 0;
        load();
        EXPECT_EQ(config.ColorFondo, c.background) << c.fondo;
        EXPECT_EQ(config.ColorLetra, c.text) << c.fondo;
        EXPECT_EQ(stored("CLetra"), c.reset ? "0" : c.letra) << c.fondo;
        EXPECT_EQ(configRows("CFondo"), c.fondo || c.reset ? 1 : 0) << c.fondo;
    }
}

TEST_F(ConfigurationLoader, SwitchRules)
{
    const auto switchOf = [&](const char* key, const char* value, bool& target) {
        if (value)
            setConfig(key, value);
        else
            removeConfig(key);
        load();
        return target;
    };
    EXPECT_FALSE(switchOf("V_ModificaCPrecio", "no", config.VentasModificaPrecio));
    EXPECT_TRUE(switchOf("V_ModificaCPrecio", "si", config.VentasModificaPrecio));
    EXPECT_TRUE(switchOf("V_ModificaCPrecio", "x", config.VentasModificaPrecio));
    EXPECT_FALSE(switchOf("V_ModificaCPrecio", nullptr, config.VentasModificaPrecio));
    EXPECT_TRUE(switchOf("V_ModificaCPrecio", " NO", config.VentasModificaPrecio));   // compared untrimmed
    EXPECT_TRUE(switchOf("ModuloOrdenDeTrabajo", nullptr, config.ModuloOrdenDeTrabajo));
    EXPECT_FALSE(switchOf("ModuloOrdenDeTrabajo", " NO ", config.ModuloOrdenDeTrabajo));
    EXPECT_FALSE(switchOf("MostrarStockenConsultas", " SI", config.MostrarStock));
    EXPECT_TRUE(switchOf("MostrarStockenConsultas", "si", config.MostrarStock));
    EXPECT_TRUE(switchOf("RazonSocialPorUneg", " SI ", config.RazonSocialPorUneg));
    EXPECT_FALSE(switchOf("VALIDACODIGOBARRA", "  ", config.ValidaCodigoBarra));
    EXPECT_TRUE(switchOf("VALIDACODIGOBARRA", " si ", config.ValidaCodigoBarra));
    EXPECT_TRUE(switchOf("PideClave_LimiteCredito", "S", config.PideClaveLimiteCredito));
    EXPECT_TRUE(switchOf("AsignacionAutomaticaDeLoteINGOP", "SI", config.AsignaLoteIngresoOP));
}

TEST_F(ConfigurationLoader, NumberAndTextRules)
{
    const auto periodOf = [&](const char* text) {
        setConfig("PERIODO", text);
        load();
        return config.Periodo;
    };
    EXPECT_EQ(periodOf("12.5"), 12);
    EXPECT_EQ(periodOf("13.5"), 14);
    EXPECT_EQ(periodOf("7abc"), 7);
    EXPECT_EQ(periodOf("abc"), 0);
    EXPECT_EQ(periodOf("99999"), 0);        // past the Integer range: the earlier value stays
    config.Periodo = 3;
    load();
    EXPECT_EQ(config.Periodo, 3);

    setConfig("MaxDto", " 12,5 ");
    setConfig("Top_Default", "  ");
    setConfig("TituloClientes", "  Socios  ");
    setConfig("CantidadDecimales", " 3 ");
    load();
    EXPECT_EQ(config.MaxDto.toDouble(), 12.5);
    EXPECT_EQ(config.TopDefault, "1000");
    EXPECT_EQ(config.TituloClientes, "Socios");
    EXPECT_EQ(config.CantidadDecimales, " 3 ");
    setConfig("Top_Default", "50");
    load();
    EXPECT_EQ(config.TopDefault, "50");
}

TEST_F(ConfigurationLoader, SalesProgramsTakeTheirOwnDecimals)
{
    setConfig("CantidadDecimalesVentas", "3");
    load();
    EXPECT_EQ(config.CantidadDecimales, "2");
    vb::App::setExeName("facturacion");
    load();
    EXPECT_EQ(config.CantidadDecimales, "3");
    setConfig("CantidadDecimalesVentas", "0");
    load();
    EXPECT_EQ(config.CantidadDecimales, "2");
    EXPECT_EQ(app::ConfigurationLoader::salesPrograms().size(), 10);
    EXPECT_FALSE(app::ConfigurationLoader::salesPrograms().contains("rp_quindal", Qt::CaseInsensitive));
}

TEST_F(ConfigurationLoader, TheCurrentUsersRow)
{
    execute("UPDATE TA_USUARIOS SET UNegocio = NULL, clasepusa = ' 4,5, 6 ' WHERE Nombre = 'COMPRAS'");
    app::gUsuarioActual = "compras";
    load();
    EXPECT_EQ(config.UNegocioUsuario, "   1");
    EXPECT_EQ(config.ClasesPrecioUsuario, "45 6");

    freshStart();
    openDemo();
    app::gUsuarioActual = "DEPOSITO";
    setConfig("UsaFacturaProforma", "SI");
    load();
    EXPECT_EQ(config.UNegocioUsuario, "   2");
    EXPECT_FALSE(config.UsaFacturaProforma);       // the user's verproforma is 0
    execute("UPDATE TA_USUARIOS SET verproforma = 1 WHERE Nombre = 'DEPOSITO'");
    load();
    EXPECT_TRUE(config.UsaFacturaProforma);

    freshStart();
    openDemo();
    app::gUsuarioActual = "NADIE";
    load();
    EXPECT_EQ(config.UNegocioUsuario, "   1");
    EXPECT_EQ(config.ClasesPrecioUsuario, "");
}

TEST_F(ConfigurationLoader, AUserNameWithAnApostropheIsFound)
{
    execute("INSERT INTO TA_USUARIOS (Nombre, UNegocio, clasepusa) VALUES ('D''Amico', '   3', '9')");
    app::gUsuarioActual = "D'Amico";
    load();
    EXPECT_TRUE(handed.contains("Select * from ta_usuarios  with(nolock)  where Nombre = 'D''Amico'"));
    EXPECT_EQ(config.UNegocioUsuario, "   3");
    EXPECT_EQ(config.ClasesPrecioUsuario, "9");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ConfigurationLoader, VatConditionFromTheUnitTheCompanyOrOne)
{
    setConfig("CONDIVAEMPRESA", "3");
    load();
    EXPECT_EQ(config.CondicionIvaEmpresa, 1);      // the unit's own condition wins
    EXPECT_EQ(config.CondicionIvaTexto, "1");

    setConfig("CONDICIONIVA_UN_1", "");
    load();
    EXPECT_EQ(config.CondicionIvaEmpresa, 3);

    setConfig("CONDIVAEMPRESA", "0");
    handed.clear();
    load();
    EXPECT_EQ(config.CondicionIvaEmpresa, 1);
    EXPECT_TRUE(handed.contains(read("CONDIVA")));

    removeConfig("CONDIVAEMPRESA");
    load();
    EXPECT_EQ(config.CondicionIvaEmpresa, 1);
    EXPECT_EQ(config.CondicionIvaTexto, " ");
}

TEST_F(ConfigurationLoader, AFailingStepIsPassedOverAndTheNextOneRuns)
{
    execute("DROP TABLE TA_USUARIOS");
    dialogs.pushMsgBoxAnswer(ui::vbAbort);    // the recordset's own box; the loader adds none
    load();
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_EQ(config.UNegocioUsuario, "   1");
    EXPECT_EQ(config.UnidadMedidaM3, "M3");
    EXPECT_EQ(config.TopDefault, "1000");
}

} // namespace
