#pragma once
// The company header of a business unit: name, tax number, VAT condition, start of activities,
// gross-income tax number, address and point of sale.

#include <QString>

namespace app {

// Reads the unit of v_ta_unidadNegocio and its per-unit keys (INICIO_ACTIVIDADES_UN_<code>,
// INGRESOS_BRUTOS_UN_<code>, CONDICIONIVA_UN_<code>, DOMICILIO_UN_<code>); a unit without a tax
// number takes everything but its point of sale from the company-wide keys, and so does every
// text still empty afterwards. Sets configuration.CondicionIvaTexto and CondicionIvaEmpresa. No error trap:
// a failure (a VAT condition that is no number, " " included) reaches the caller.
void DatosEmpresa(const QString& UNegocio, QString& RazonSocial, QString& Cuit, QString& InicioActividades,
                  QString& IngresosBrutos, QString& CondicionIva, QString& PuntoDeVenta, QString& Domicilio);

} // namespace app
