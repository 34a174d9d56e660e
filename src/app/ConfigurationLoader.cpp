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

ConfigurationLoader::ConfigurationLoader(QString folder) : m_folder(std::move(folder)), m_values(state().configuration) {}

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
    step([this] { m_values.TablaConfiguracion = QStringLiteral("ta_configuracion"); });
    readDisplayAndLookupValues();
    readSalesValues();
    readCurrentUser();
    readUnitsAndPeriod();
    readColours();
    readTradeSwitches();
    readLocksAndLots();
    settleVatCondition();
    step([this] {
        m_values.TopDefault = Cfg(key("Top_Default"));
        if (vb::Trim(m_values.TopDefault).isEmpty())
            m_values.TopDefault = QStringLiteral("1000");
    });
    m_trap = nullptr;
}

void ConfigurationLoader::readDisplayAndLookupValues()
{
    step([this] { m_values.MostrarStock = cfgSi("MostrarStockenConsultas"); });
    step([this] { m_values.TituloClientes = cfgTrimmed("TituloClientes"); });
    step([this] { m_values.TituloProveedores = cfgTrimmed("TituloProveedores"); });
    step([this] { m_values.RutaTareas = m_folder + QStringLiteral("KQDOCTareas.qzt"); });
    step([this] { m_values.ExigeClaveConsultaLike = cfgSi("EXIGECLAVECONSULTALIKEARTICULOS"); });
    step([this] { m_values.UsaConsultaLike = cfgSi("UsaConsultaLike"); });
    step([this] { m_values.CantidadDecimales = Cfg(key("CantidadDecimales")); });
    step([] { gConfidencialidad = cfgSi("SS_CONFIDENCIALIDAD"); });
}

void ConfigurationLoader::readSalesValues()
{
    step([this] {
        const QString salesDecimals = Cfg(key("CantidadDecimalesVentas"));
        if (gUtil().EstaEnLista(vb::App::exeName(), salesPrograms()) && vb::Val(salesDecimals) > 0)
            m_values.CantidadDecimales = salesDecimals;
    });
    step([this] { m_values.UsaMultiplesMonedas = cfgSi("UsaMultilesMonedas"); });
    step([this] { m_values.UsaFacturaProforma = cfgSi("UsaFacturaProforma"); });
    step([this] { m_values.UsaCCosto = cfgSi("USACCOSTO"); });
    step([this] { m_values.UsaStockUdKg = cfgSi("USA_STK_STOCK_UDKG"); });
}

void ConfigurationLoader::readCurrentUser()
{
    kit::Utilidades& util = gUtil();
    ado::RecordsetPtr user;
    bool found = false;
    // A reload for another user keeps nothing of the previous one, also when the new user has
    // no row of his own.
    m_values.UNegocioUsuario.clear();
    m_values.ClasesPrecioUsuario.clear();
    step([&] { openUserRow(gUsuarioActual, user); });
    step([&] { found = user && !user->Eof(); });
    if (found) {
        step([&] { m_values.UNegocioUsuario = util.ValorTexto(user->Value(QStringLiteral("UNegocio"))); });
        step([&] {
            if (m_values.UsaFacturaProforma)
                m_values.UsaFacturaProforma = vb::CBool(user->Value(QStringLiteral("verproforma")));
        });
        step([&] {
            m_values.ClasesPrecioUsuario =
                util.QuitarCaracteres(vb::Trim(util.ValorTexto(user->Value(QStringLiteral("clasepusa")))), QStringLiteral(","));
        });
    }
    step([this] {
        if (m_values.UNegocioUsuario.isEmpty())
            m_values.UNegocioUsuario = QStringLiteral("   1");
    });
    step([&] { gDB().CierraRecordset(user); });
}

void ConfigurationLoader::readUnitsAndPeriod()
{
    step([this] { m_values.UnidadMedidaM3 = cfgTrimmed("UNIDADDEMEDIDA_M3"); });
    step([this] { m_values.UnidadMedidaBL = cfgTrimmed("UNIDADDEMEDIDA_BL"); });
    step([this] { m_values.UnidadMedidaKG = cfgTrimmed("UNIDADDEMEDIDA_KG"); });
    step([this] { m_values.Periodo = wholeNumber(Cfg(key("PERIODO"))); });
    step([this] { m_values.RazonSocialPorUneg = isSi(cfgTrimmed("RazonSocialPorUneg")); });
    step([this] { m_values.ValidaCodigoBarra = cfgTrimmed("VALIDACODIGOBARRA").isEmpty() ? false : isSi(cfgTrimmed("VALIDACODIGOBARRA")); });
}

void ConfigurationLoader::readColours()
{
    step([this] { m_values.ColorFondo = gUtil().TextoAEntero(Cfg(key("CFondo"))); });
    step([this] { m_values.ColorLetra = gUtil().TextoAEntero(Cfg(key("CLetra"))); });
    // Text the same colour as its background cannot be read: the stored pair is reset.
    step([this] {
        if (m_values.ColorFondo == m_values.ColorLetra) {
            writeColour("CFondo", kResetBackground);
            writeColour("CLetra", 0);
            m_values.ColorFondo = kResetBackground;
        }
    });
    step([this] {
        if (m_values.ColorFondo == kCyan)
            m_values.ColorFondo = kResetBackground;
    });
    step([this] {
        if (m_values.ColorFondo == 0)
            m_values.ColorFondo = kDefaultBackground;
    });
}

void ConfigurationLoader::readTradeSwitches()
{
    step([this] { m_values.ModuloOrdenDeTrabajo = !vb::textEquals(cfgTrimmed("ModuloOrdenDeTrabajo"), QStringLiteral("NO")); });
    step([this] { m_values.VentasModificaPrecio = switchDefaultOff("V_ModificaCPrecio"); });
    step([this] { m_values.ComprasModificaPrecio = switchDefaultOff("C_ModificaCPrecio"); });
    step([this] { m_values.Maderera = switchDefaultOff("MADERERA"); });
    const std::pair<const char*, QString*> timberUnits[] = {
        {"MAD_TIRAS", &m_values.MadTiras}, {"MAD_P2", &m_values.MadP2},       {"MAD_ML", &m_values.MadML},
        {"MAD_M2", &m_values.MadM2},       {"MAD_HOJAS", &m_values.MadHojas}, {"MAD_ML_P2", &m_values.MadMLP2},
        {"MAD_M2_P2", &m_values.MadM2P2}, {"MAD_ML_M2", &m_values.MadMLM2}};
    for (const auto& unit : timberUnits)
        step([&] { *unit.second = cfgTrimmed(unit.first); });
    step([this] { m_values.CuentaCtroDist = cfgTrimmed("CuentaCtroDist"); });
    step([this] { m_values.MaxDto = gUtil().TextoANumero(cfgTrimmed("MaxDto")); });
    step([this] { m_values.MaxDtoProforma = gUtil().TextoANumero(cfgTrimmed("MaxDtoProforma")); });
    step([this] { m_values.PideClaveStockNeg = switchDefaultOff("PideClave_StockNeg"); });
    step([this] { m_values.PideClaveMarkUpBase = switchDefaultOff("PideClave_MarkUpBase"); });
    step([this] { m_values.PideClaveLimiteCredito = switchDefaultOff("PideClave_LimiteCredito"); });
}

void ConfigurationLoader::readLocksAndLots()
{
    step([this] { m_values.BloqueoActivo = cfgSi("SS_BloqueoActivo"); });
    step([this] { m_values.UtilizarFechaDia = cfgSi("UTILIZARFECHADIA"); });
    step([this] { m_values.AsignaLoteIngreso = cfgSi("AsignacionAutomaticaDeLoteING"); });
    step([this] { m_values.AsignaLoteIngresoOP = cfgSi("AsignacionAutomaticaDeLoteINGOP"); });
}

void ConfigurationLoader::settleVatCondition()
{
    step([this] { m_values.CondicionIvaEmpresa = wholeNumber(Cfg(key("CONDIVAEMPRESA"))); });
    // The suite's older key is still read when the company-wide one gives nothing; its value
    // is not used.
    step([this] {
        if (m_values.CondicionIvaEmpresa == 0)
            Cfg(key("CONDIVA"));
    });
    step([this] {
        QString name, cuit, start, grossIncome, vat, pointOfSale, address;
        DatosEmpresa(m_values.UNegocioUsuario, name, cuit, start, grossIncome, vat, pointOfSale, address);
    });
    step([this] { m_values.CondicionIvaEmpresa = vb::CInt(vb::Variant(m_values.CondicionIvaTexto)); });
    step([this] {
        if (m_values.CondicionIvaEmpresa == 0)
            m_values.CondicionIvaEmpresa = 1;
    });
}

} // namespace app
