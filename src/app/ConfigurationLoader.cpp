#include "app/ConfigurationLoader.h"

#include "app/AppModule.h"
#include "app/CompanyData.h"
#include "app/ConfigTable.h"
#include "app/SharedObjects.h"
#include "app/UserCheck.h"
#include "ado/Recordset.h"
#include "data/DB_Dll.h"
#include "kit/Utilidades.h"
#include "vb/App.h"
#include "vb/Conversions.h"
#include "vb/Strings.h"

#include <QStringList>

namespace app {

namespace {

constexpr std::int32_t kCyan = RGB(0, 255, 255);
constexpr std::int32_t kResetBackground = RGB(230, 243, 255);
constexpr std::int32_t kDefaultBackground = RGB(255, 252, 229);

QString key(const char* name) { return QLatin1String(name); }

// value = "SI": letter case ignored, blanks not trimmed (a missing key reads " ").
bool isSi(const QString& value) { return vb::textEquals(value, QStringLiteral("SI")); }
bool cfgSi(const char* name) { return isSi(Cfg(key(name))); }
QString cfgTrimmed(const char* name) { return vb::Trim(Cfg(key(name))); }

// Off when blank; otherwise on unless the value is "NO". Read twice, as the suite always did.
bool switchDefaultOff(const char* name)
{
    if (cfgTrimmed(name).isEmpty())
        return false;
    return !vb::textEquals(Cfg(key(name)), QStringLiteral("NO"));
}

// The leading number of the text as an Integer, halves to even; error 6 beyond the range.
std::int16_t wholeNumber(const QString& text) { return vb::CInt(vb::Variant(vb::Val(text))); }

void writeColour(const char* name, std::int32_t colour)
{
    GrabaDfg(key(name), vb::Variant(colour), QString(), false, QStringLiteral("DATOS"), true, false);
}

} // namespace

void CargarConfiguracion(const QString& Carpeta)
{
    ConfigurationLoader(Carpeta).run();
}

ConfigurationLoader::ConfigurationLoader(QString folder) : m_folder(std::move(folder)) {}

const QStringList& ConfigurationLoader::salesPrograms()
{
    static const QStringList names{
        QStringLiteral("Facturacion"),   QStringLiteral("FacturaElectronica"), QStringLiteral("Ventas"),
        QStringLiteral("PedidosVenta"),  QStringLiteral("Presupuestos"),       QStringLiteral("RemitosVenta"),
        QStringLiteral("NotasCredito"),  QStringLiteral("PuntoDeVenta"),       QStringLiteral("Proformas"),
        QStringLiteral("OrdenesVenta")};
    return names;
}

void ConfigurationLoader::step(const std::function<void()>& statement) { m_trap->run(statement); }

void ConfigurationLoader::run()
{
    vb::Trap skip = vb::Trap::skipping();
    m_trap = &skip;
    step([] { gTablaConfiguracion = QStringLiteral("ta_configuracion"); });
    readDisplayAndLookupValues();
    readSalesValues();
    readCurrentUser();
    readUnitsAndPeriod();
    readColours();
    readTradeSwitches();
    readLocksAndLots();
    settleVatCondition();
    step([] {
        gTopDefault = Cfg(key("Top_Default"));
        if (vb::Trim(gTopDefault).isEmpty())
            gTopDefault = QStringLiteral("1000");
    });
    m_trap = nullptr;
}

void ConfigurationLoader::readDisplayAndLookupValues()
{
    step([] { gMostrarStock = cfgSi("MostrarStockenConsultas"); });
    step([] { gTituloClientes = cfgTrimmed("TituloClientes"); });
    step([] { gTituloProveedores = cfgTrimmed("TituloProveedores"); });
    step([this] { gRutaTareas = m_folder + QStringLiteral("KQDOCTareas.qzt"); });
    step([] { gExigeClaveConsultaLike = cfgSi("EXIGECLAVECONSULTALIKEARTICULOS"); });
    step([] { gUsaConsultaLike = cfgSi("UsaConsultaLike"); });
    step([] { gCantidadDecimales = Cfg(key("CantidadDecimales")); });
    step([] { gConfidencialidad = cfgSi("SS_CONFIDENCIALIDAD"); });
}

void ConfigurationLoader::readSalesValues()
{
    step([] {
        const QString salesDecimals = Cfg(key("CantidadDecimalesVentas"));
        if (gUtil().EstaEnLista(vb::App::exeName(), salesPrograms()) && vb::Val(salesDecimals) > 0)
            gCantidadDecimales = salesDecimals;
    });
    step([] { gUsaMultiplesMonedas = cfgSi("UsaMultilesMonedas"); });
    step([] { gUsaFacturaProforma = cfgSi("UsaFacturaProforma"); });
    step([] { gUsaCCosto = cfgSi("USACCOSTO"); });
    step([] { gUsaStockUdKg = cfgSi("USA_STK_STOCK_UDKG"); });
}

void ConfigurationLoader::readCurrentUser()
{
    kit::Utilidades& util = gUtil();
    ado::RecordsetPtr user;
    bool found = false;
    // A reload for another user keeps nothing of the previous one, also when the new user has
    // no row of his own.
    gUNegocioUsuario.clear();
    gClasesPrecioUsuario.clear();
    step([&] { openUserRow(gUsuarioActual, user); });
    step([&] { found = user && !user->Eof(); });
    if (found) {
        step([&] { gUNegocioUsuario = util.ValorTexto(user->Value(QStringLiteral("UNegocio"))); });
        step([&] {
            if (gUsaFacturaProforma)
                gUsaFacturaProforma = vb::CBool(user->Value(QStringLiteral("verproforma")));
        });
        step([&] {
            gClasesPrecioUsuario =
                util.QuitarCaracteres(vb::Trim(util.ValorTexto(user->Value(QStringLiteral("clasepusa")))), QStringLiteral(","));
        });
    }
    step([] {
        if (gUNegocioUsuario.isEmpty())
            gUNegocioUsuario = QStringLiteral("   1");
    });
    step([&] { gDB().CierraRecordset(user); });
}

void ConfigurationLoader::readUnitsAndPeriod()
{
    step([] { gUnidadMedidaM3 = cfgTrimmed("UNIDADDEMEDIDA_M3"); });
    step([] { gUnidadMedidaBL = cfgTrimmed("UNIDADDEMEDIDA_BL"); });
    step([] { gUnidadMedidaKG = cfgTrimmed("UNIDADDEMEDIDA_KG"); });
    step([] { gPeriodo = wholeNumber(Cfg(key("PERIODO"))); });
    step([] { gRazonSocialPorUneg = isSi(cfgTrimmed("RazonSocialPorUneg")); });
    step([] { gValidaCodigoBarra = cfgTrimmed("VALIDACODIGOBARRA").isEmpty() ? false : isSi(cfgTrimmed("VALIDACODIGOBARRA")); });
}

void ConfigurationLoader::readColours()
{
    step([] { gColorFondo = gUtil().TextoAEntero(Cfg(key("CFondo"))); });
    step([] { gColorLetra = gUtil().TextoAEntero(Cfg(key("CLetra"))); });
    // Text the same colour as its background cannot be read: the stored pair is reset.
    step([] {
        if (gColorFondo == gColorLetra) {
            writeColour("CFondo", kResetBackground);
            writeColour("CLetra", 0);
            gColorFondo = kResetBackground;
        }
    });
    step([] {
        if (gColorFondo == kCyan)
            gColorFondo = kResetBackground;
    });
    step([] {
        if (gColorFondo == 0)
            gColorFondo = kDefaultBackground;
    });
}

void ConfigurationLoader::readTradeSwitches()
{
    step([] { gModuloOrdenDeTrabajo = !vb::textEquals(cfgTrimmed("ModuloOrdenDeTrabajo"), QStringLiteral("NO")); });
    step([] { gVentasModificaPrecio = switchDefaultOff("V_ModificaCPrecio"); });
    step([] { gComprasModificaPrecio = switchDefaultOff("C_ModificaCPrecio"); });
    step([] { gMaderera = switchDefaultOff("MADERERA"); });
    const std::pair<const char*, QString*> timberUnits[] = {
        {"MAD_TIRAS", &gMadTiras}, {"MAD_P2", &gMadP2},       {"MAD_ML", &gMadML},       {"MAD_M2", &gMadM2},
        {"MAD_HOJAS", &gMadHojas}, {"MAD_ML_P2", &gMadMLP2}, {"MAD_M2_P2", &gMadM2P2}, {"MAD_ML_M2", &gMadMLM2}};
    for (const auto& unit : timberUnits)
        step([&] { *unit.second = cfgTrimmed(unit.first); });
    step([] { gCuentaCtroDist = cfgTrimmed("CuentaCtroDist"); });
    step([] { gMaxDto = gUtil().TextoANumero(cfgTrimmed("MaxDto")); });
    step([] { gMaxDtoProforma = gUtil().TextoANumero(cfgTrimmed("MaxDtoProforma")); });
    step([] { gPideClaveStockNeg = switchDefaultOff("PideClave_StockNeg"); });
    step([] { gPideClaveMarkUpBase = switchDefaultOff("PideClave_MarkUpBase"); });
    step([] { gPideClaveLimiteCredito = switchDefaultOff("PideClave_LimiteCredito"); });
}

void ConfigurationLoader::readLocksAndLots()
{
    step([] { gBloqueoActivo = cfgSi("SS_BloqueoActivo"); });
    step([] { gUtilizarFechaDia = cfgSi("UTILIZARFECHADIA"); });
    step([] { gAsignaLoteIngreso = cfgSi("AsignacionAutomaticaDeLoteING"); });
    step([] { gAsignaLoteIngresoOP = cfgSi("AsignacionAutomaticaDeLoteINGOP"); });
}

void ConfigurationLoader::settleVatCondition()
{
    step([] { gCondicionIvaEmpresa = wholeNumber(Cfg(key("CONDIVAEMPRESA"))); });
    // The suite's older key is still read when the company-wide one gives nothing; its value
    // is not used.
    step([] {
        if (gCondicionIvaEmpresa == 0)
            Cfg(key("CONDIVA"));
    });
    step([] {
        QString name, cuit, start, grossIncome, vat, pointOfSale, address;
        DatosEmpresa(gUNegocioUsuario, name, cuit, start, grossIncome, vat, pointOfSale, address);
    });
    step([] { gCondicionIvaEmpresa = vb::CInt(vb::Variant(gCondicionIvaTexto)); });
    step([] {
        if (gCondicionIvaEmpresa == 0)
            gCondicionIvaEmpresa = 1;
    });
}

} // namespace app
