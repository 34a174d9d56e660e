#pragma once
// Direct printing through the report window's report control: report file, logon, selection,
// up to five formula slots, sort fields and up to three sub-reports with their own logon and
// selection, then the run. Each step that fails shows the box "Ha ocurrido el siguiente
// error: ..." with Abort (leave, nothing runs), Retry (the step again) and Ignore (the next step).
// The box never shows the logon's password.

#include "reports/ReportControl.h"
#include "vb/Variant.h"

#include <QString>
#include <QStringList>

namespace reports {

// NombreRep: a bare report name of the program folder (".rpt" added), or a path when it holds
// a folder separator. Orden: sort fields from index 0 (an empty list is an error, as an array
// without elements). gConnString: "DSN=..; UID=..; PWD=.."; blank leaves the control's logon.
// TituloParametro..TituloParametro4: formula slots 0 to 4; omitted ones are left as they are.
// SR1..SR3: sub-reports (blank skipped) with WhereSR1..WhereSR3 as their selections.
void Reporte(ReportControl& CrystalReport1, const QString& NombreRep, const QStringList& Orden, const QString& Formula,
             const QString& gConnString, const vb::Variant& TituloParametro = vb::Variant::missing(),
             const vb::Variant& TituloParametro1 = vb::Variant::missing(),
             const vb::Variant& TituloParametro2 = vb::Variant::missing(),
             const vb::Variant& TituloParametro3 = vb::Variant::missing(),
             const vb::Variant& TituloParametro4 = vb::Variant::missing(), const QString& SR1 = {},
             const QString& SR2 = {}, const QString& SR3 = {}, const QString& WhereSR1 = {},
             const QString& WhereSR2 = {}, const QString& WhereSR3 = {});

// The data-source, user and password pieces of a "DSN=..; UID=..; PWD=.." logon, cut as the
// report control expects them; raises error 5 when the text has not that shape.
struct LogonPieces {
    QString dataSource, user, password;
    static LogonPieces cut(const QString& logon);
};

} // namespace reports
