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

void Reporte(ReportControl& CrystalReport1, const QString& NombreRep, const QStringList& Orden, const QString& Formula,
             const QString& gConnString, const vb::Variant& TituloParametro, const vb::Variant& TituloParametro1,
             const vb::Variant& TituloParametro2, const vb::Variant& TituloParametro3,
             const vb::Variant& TituloParametro4, const QString& SR1, const QString& SR2, const QString& SR3,
             const QString& WhereSR1, const QString& WhereSR2, const QString& WhereSR3)
{
    vb::Trap trap([&](const vb::Error& e) {
        const QString text = QStringLiteral("Ha ocurrido el siguiente error: %1 %2").arg(e.number()).arg(e.description());
        return ui::MsgBox(kit::LogonMask::hide(text, gConnString), ui::vbCritical + ui::vbAbortRetryIgnore, boxTitle);
    });
    ReportControl& report = CrystalReport1;
    const bool hasLogon = !vb::Trim(gConnString).isEmpty();
    QString folder;
    bool noFolder = false;

    trap.run([&] { report.WindowState = 2; });
    trap.run([&] { folder = app::gUtil().CarpetaConBarra(vb::App::path()); });
    trap.run([&] {
        if (vb::Trim(folder).isEmpty()) {
            ui::MsgBox(QStringLiteral("Se debe informar la Variable pPathSistema$ del Control DLL_Print"), ui::vbCritical + ui::vbOKOnly, boxTitle);
            noFolder = true;
        }
    });
    if (noFolder)
        return;
    trap.run([&] {
        if (!folder.endsWith(u'\\') && !folder.endsWith(u'/'))
            folder += u'/';
    });
    trap.run([&] {
        if (hasLogon)
            setLogon(report, gConnString);
    });
    trap.run([&] { report.ReportFileName = reportFile(folder, NombreRep); });
    trap.run([&] { report.setSelectionFormula(Formula); });
    const vb::Variant* titles[] = {&TituloParametro, &TituloParametro1, &TituloParametro2, &TituloParametro3, &TituloParametro4};
    for (int k = 0; k < 5; ++k)
        trap.run([&] {
            if (!titles[k]->isMissing())
                report.setFormulas(k, titles[k]->toString());
        });
    trap.run([&] {
        if (Orden.isEmpty())
            vb::raise(kSubscriptOutOfRange);
        for (int i = 0; i < Orden.size(); ++i)
            report.setSortFields(i, Orden.at(i));
    });
    // Each setting of a sub-report is a step of its own: one the operator ignores leaves the others.
    const std::pair<const QString*, const QString*> subreports[] = {{&SR1, &WhereSR1}, {&SR2, &WhereSR2}, {&SR3, &WhereSR3}};
    for (const auto& [name, where] : subreports) {
        if (vb::Trim(*name).isEmpty())
            continue;
        trap.run([&] { report.SubreportToChange = *name; });
        trap.run([&] {
            if (hasLogon)
                setLogon(report, gConnString);
        });
        trap.run([&] { report.setSelectionFormula(*where); });
    }
    trap.run([&] { report.SubreportToChange.clear(); });
    trap.run([&] { report.setAction(1); });
}

} // namespace reports
