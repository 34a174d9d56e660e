#pragma once
// The record-selection formula of the report window's ranges, in the report engine's formula
// language: one clause per filter row that has a bound, joined by the rows' connectors.
//
// Text values and LIKE patterns go between single quotes with their own quotes doubled; dates
// are written Date(yyyy,mm,dd); text fields are compared trimmed unless the row says raw.
// The first bad range stops the build with its message in *MensajeError (when given) and leaves
// Formula as it was. A number bound that is not a number of its kind raises vb::Error 13 (6 when
// out of the kind's range), as the conversion does.

#include "reports/RangoFiltro.h"

#include <QList>
#include <QString>

namespace reports {

void ArmarFiltro(const QList<RangoFiltro>& Filtros, QString& Formula, QString* MensajeError = nullptr);

} // namespace reports
