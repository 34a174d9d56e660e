#pragma once
// Direct printing through the report window's report control: report file, logon, selection,
// up to five formula slots, sort fields and up to three sub-reports with their own logon and
// selection, then the run. Each step that fails shows the box "Ha ocurrido el siguiente
// error: ..." with Abort (leave, nothing runs), Retry (the step again) and Ignore (the next step).
// The box never shows the logon's password.

#include "reports/ReportControl.h"
#include "vb/Variant.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace reports {

// A sub-report of the layout and the selection it gets.
struct SubreportSelection {
    QString name;        // blank: skipped
    QString selection;
};

// What one direct printing asks of the report control.
struct ReportRequest {
    static constexpr int TitleSlots = 5;
    using Titles = std::array<vb::Variant, TitleSlots>;
    static Titles noTitles();

    // A bare report name of the program folder (".rpt" added), or a path when it holds a
    // folder separator.
    QString reportName;
    // Sort fields from index 0; an empty list is an error, as an array without elements.
    QStringList order;
    QString selection;
    // "DSN=..; UID=..; PWD=.."; blank leaves the control's logon.
    QString logon;
    // Formula slots 0 to 4; a missing value leaves its slot as it is.
    Titles titles = noTitles();
    // In the order they are changed.
    QList<SubreportSelection> subreports;
};

void Reporte(ReportControl& CrystalReport1, const ReportRequest& request);

// The data-source, user and password pieces of a "DSN=..; UID=..; PWD=.." logon, cut as the
// report control expects them; raises error 5 when the text has not that shape.
struct LogonPieces {
    QString dataSource, user, password;
    static LogonPieces cut(const QString& logon);
};

} // namespace reports
