#include "app/CompanyData.h"

#include "app/AppModule.h"
#include "app/ConfigTable.h"
#include "app/SharedObjects.h"
#include "ado/Recordset.h"
#include "data/DB_Dll.h"
#include "kit/Utilidades.h"
#include "vb/Conversions.h"
#include "vb/Strings.h"

#include <functional>

namespace app {

namespace {

constexpr int kUnitCodeFormat = 4;
constexpr int kTextKind = 8;

QString trimmedCfg(const QString& key) { return vb::Trim(Cfg(key)); }

void fillIfEmpty(QString& text, const std::function<QString()>& fallback)
{
    if (text.isEmpty())
        text = fallback();
}

} // namespace

void DatosEmpresa(const QString& UNegocio, QString& RazonSocial, QString& Cuit, QString& InicioActividades,
                  QString& IngresosBrutos, QString& CondicionIva, QString& PuntoDeVenta, QString& Domicilio)
{
    kit::Utilidades& util = gUtil();
    if (!UNegocio.isEmpty()) {
        ado::RecordsetPtr unit;
        const bool found = gDB().ExisteEnTabla(QStringLiteral("v_ta_unidadNegocio"),
                                               util.FormatearValor(UNegocio, kUnitCodeFormat), QStringLiteral("codigo"),
                                               &unit, kTextKind, QString(), true);
        if (found) {
            RazonSocial = util.ValorTexto(unit->Value(QStringLiteral("razon_social")));
            Cuit = util.ValorTexto(unit->Value(QStringLiteral("Cuit")));
            if (!Cuit.isEmpty()) {
                const QString code = vb::Trim(UNegocio);
                InicioActividades = trimmedCfg(QStringLiteral("INICIO_ACTIVIDADES_UN_") + code);
                IngresosBrutos = trimmedCfg(QStringLiteral("INGRESOS_BRUTOS_UN_") + code);
                CondicionIva = trimmedCfg(QStringLiteral("CONDICIONIVA_UN_") + code);
                Domicilio = trimmedCfg(QStringLiteral("DOMICILIO_UN_") + code);
            } else {
                // Without its own tax number a unit is no company of its own.
                for (QString* text : {&RazonSocial, &InicioActividades, &IngresosBrutos, &CondicionIva, &Domicilio})
                    text->clear();
            }
            PuntoDeVenta = vb::Trim(util.ValorTexto(unit->Value(QStringLiteral("PDV"))));
        }
    }
    fillIfEmpty(RazonSocial, [] { return Cfg(QStringLiteral("NOMBRE")); });
    fillIfEmpty(Cuit, [] { return Cfg(QStringLiteral("cuit")); });
    fillIfEmpty(CondicionIva, [] { return Cfg(QStringLiteral("CONDIVAEMPRESA")); });
    fillIfEmpty(InicioActividades, [] { return trimmedCfg(QStringLiteral("INICIOACTIVIDADES")); });
    fillIfEmpty(IngresosBrutos, [] { return trimmedCfg(QStringLiteral("NROINGRESOSBRUTOS")); });
    fillIfEmpty(Domicilio, [] {
        return Cfg(QStringLiteral("CALLE")) + u' ' + Cfg(QStringLiteral("NUMERO")) + QStringLiteral("  ")
             + Cfg(QStringLiteral("PISO")) + u' ' + Cfg(QStringLiteral("Departamento"));
    });
    state().configuration.CondicionIvaTexto = CondicionIva;
    state().configuration.CondicionIvaEmpresa = vb::CInt(vb::Variant(CondicionIva));
}

} // namespace app
