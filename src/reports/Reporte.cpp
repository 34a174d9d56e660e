#include "reports/Reporte.h"

#include "app/SharedObjects.h"
#include "kit/LogonMask.h"
#include "kit/Utilidades.h"
#include "ui/DialogService.h"
#include "vb/App.h"
#include "vb/Error.h"
#include "vb/Strings.h"

namespace reports {

namespace {

constexpr int kInvalidCall = 5;
constexpr int kSubscriptOutOfRange = 9;
const QString boxTitle = QStringLiteral("Aviso al operador");

// Mid that refuses what the original refused: a start before 1 or a negative length.
QString piece(const QString& text, int start, int length = -1, bool toEnd = true)
{
    if (start < 1 || (!toEnd && length < 0))
        vb::raise(kInvalidCall);
    return vb::Mid(text, start, toEnd ? -1 : length);
}

int find(const QString& text, const QString& what)
{
    return vb::InStr(1, text, what, vb::CompareMethod::Text);
}

void setLogon(ReportControl& control, const QString& logon)
{
    const LogonPieces pieces = LogonPieces::cut(logon);
    control.setConnect(logon);
    control.setLogonDataSource(pieces.dataSource);
    control.setLogonUser(pieces.user);
    control.setLogonPassword(pieces.password);
}

QString reportFile(const QString& folder, const QString& name)
{
    if (name.contains(u'\\') || name.contains(u'/'))
        return name;
    return folder + name + QStringLiteral(".rpt");
}

// The box of a failed step, without the logon's password; its answer decides what follows.
vb::Trap errorBox(const ReportRequest& request)
{
    return vb::Trap([&request](const vb::Error& e) {
        const QString text = QStringLiteral("Ha ocurrido el siguiente error: %1 %2").arg(e.number()).arg(e.description());
        return ui::MsgBox(kit::LogonMask::hide(text, request.logon), ui::vbCritical + ui::vbAbortRetryIgnore, boxTitle);
    });
}

// The program folder with its separator; false when there is none and nothing is to be printed.
bool programFolder(vb::Trap& trap, QString& folder)
{
    bool noFolder = false;
    trap.run([&] { folder = app::gUtil().CarpetaConBarra(vb::App::path()); });
    trap.run([&] {
        if (vb::Trim(folder).isEmpty()) {
            ui::MsgBox(QStringLiteral("Se debe informar la Variable pPathSistema$ del Control DLL_Print"), ui::vbCritical + ui::vbOKOnly, boxTitle);
            noFolder = true;
        }
    });
    if (noFolder)
        return false;
    trap.run([&] {
        if (!folder.endsWith(u'\\') && !folder.endsWith(u'/'))
            folder += u'/';
    });
    return true;
}

// The logon of the report or sub-report being changed, when the request brings one.
void setRequestLogon(vb::Trap& trap, ReportControl& report, const ReportRequest& request)
{
    trap.run([&] {
        if (!vb::Trim(request.logon).isEmpty())
            setLogon(report, request.logon);
    });
}

void setTitles(vb::Trap& trap, ReportControl& report, const ReportRequest& request)
{
    for (int k = 0; k < ReportRequest::TitleSlots; ++k)
        trap.run([&] {
            const vb::Variant& title = request.titles[size_t(k)];
            if (!title.isMissing())
                report.setFormulas(k, title.toString());
        });
}

void setOrder(vb::Trap& trap, ReportControl& report, const ReportRequest& request)
{
    trap.run([&] {
        if (request.order.isEmpty())
            vb::raise(kSubscriptOutOfRange);
        for (int i = 0; i < request.order.size(); ++i)
            report.setSortFields(i, request.order.at(i));
    });
}

// Each setting of a sub-report is a step of its own: one the operator ignores leaves the others.
void setSubreports(vb::Trap& trap, ReportControl& report, const ReportRequest& request)
{
    for (const SubreportSelection& subreport : request.subreports) {
        if (vb::Trim(subreport.name).isEmpty())
            continue;
        trap.run([&] { report.SubreportToChange = subreport.name; });
        setRequestLogon(trap, report, request);
        trap.run([&] { report.setSelectionFormula(subreport.selection); });
    }
    trap.run([&] { report.SubreportToChange.clear(); });
}

} // namespace

LogonPieces LogonPieces::cut(const QString& logon)
{
    LogonPieces out;
    out.dataSource = piece(logon, 5, vb::InStr(logon, QStringLiteral(";")) - 5, false);
    out.user = piece(logon, find(logon, QStringLiteral("; uid=")) + 6,
                     find(logon, QStringLiteral("pwd")) - find(logon, QStringLiteral("uid")) - 6, false);
    out.password = piece(logon, find(logon, QStringLiteral("; pwd=")) + 6);
    return out;
}

ReportRequest::Titles ReportRequest::noTitles()
{
    Titles titles;
    titles.fill(vb::Variant::missing());
    return titles;
}

void Reporte(ReportControl& CrystalReport1, const ReportRequest& request)
{
    vb::Trap trap = errorBox(request);
    ReportControl& report = CrystalReport1;
    QString folder;

    trap.run([&] { report.WindowState = 2; });
    if (!programFolder(trap, folder))
        return;
    setRequestLogon(trap, report, request);
    trap.run([&] { report.ReportFileName = reportFile(folder, request.reportName); });
    trap.run([&] { report.setSelectionFormula(request.selection); });
    setTitles(trap, report, request);
    setOrder(trap, report, request);
    setSubreports(trap, report, request);
    trap.run([&] { report.setAction(1); });
}

} // namespace reports
