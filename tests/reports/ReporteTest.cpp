// Direct printing through the report control: what reaches the engine (recorded) from the
// window's parameters, the logon pieces, the formula slots left alone, the sub-reports, the steps
// of the Abort/Retry/Ignore box, and one real run of a demo layout into a PDF.
#include "reports/Reporte.h"
#include "reports/Rp_Quindal.h"
#include "ReportsDemo.h"
#include "kit/RecordingPrintEngine.h"

#include "data/DB_Dll.h"
#include "data/QStringPrinting.h"
#include "reportengine/PdfText.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "vb/App.h"
#include "vb/Error.h"

#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using reports::ReportControl;
using reports::ReportRequest;
using reports::Reporte;
using kittest::EngineLog;
using kittest::RecordingPrintEngine;
using Kind = ui::ScriptedDialogService::Kind;

namespace {

const vb::Variant omitted = vb::Variant::missing();

ReportRequest request(const QString& name, const QStringList& order, const QString& logon)
{
    ReportRequest out;
    out.reportName = name;
    out.order = order;
    out.logon = logon;
    return out;
}

class DirectPrinting : public ::testing::Test {
protected:
    DirectPrinting() : m_savedPath(vb::App::path()) { vb::App::setPath(program.path()); }
    ~DirectPrinting() override { vb::App::setPath(m_savedPath); }

    QString inProgram(const QString& name) const { return QDir(program.path()).filePath(name); }
    QStringList engineCalls(const QString& prefix) const
    {
        return log->calls.filter(QRegularExpression(QStringLiteral("^") + prefix));
    }
    QList<ui::ScriptedDialogService::Prompt> boxes() const { return dialogs.prompts(Kind::MsgBox); }

    QTemporaryDir program;
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope dialogScope{dialogs};
    std::shared_ptr<EngineLog> log = std::make_shared<EngineLog>();
    kit::PrintEngineScope engine{RecordingPrintEngine::factory(log)};
    ReportControl control;
    const QString logon = QStringLiteral("DSN=Compras; UID=ana; PWD=Cl4ve");

private:
    QString m_savedPath;
};

} // namespace

// The window's procedure: each title to its own slot, each sub-report with its own selection.
TEST_F(DirectPrinting, SetsTheControlAndRunsTheReport)
{
    log->subreports = QStringList{QStringLiteral("Rp_CpteIns"), QStringLiteral("Rp_CpteSer"), QStringLiteral("Rp_CpteObs")};
    reports::Rp_Quindal window;
    ReportControl& control = window.CrystalReport1();
    control.setFormulas(2, QStringLiteral("Anterior = 'queda'"));
    window.Reporte(QStringLiteral("mv_prC"), {QStringLiteral("+{C_MV_CPTE.Fecha}"), QString()},
                   QStringLiteral("{C_MV_CPTE.TC} = 'OC'"), logon, QStringLiteral("Nombreempresa = 'Quindal'"),
                   QStringLiteral("TituloParametro = 'Ordenes'"), omitted, QStringLiteral("ESTADOS = ''"),
                   QStringLiteral("ORDENADO = 'x'"), QString(), QStringLiteral("Rp_CpteSer"), QStringLiteral("Rp_CpteObs"),
                   QStringLiteral("no se usa"), QStringLiteral("{MA_ARTICULOS.IdTipo} = '3'"),
                   QStringLiteral("{C_MV_CPTE.Observaciones} <> ''"));
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(control.ReportFileName, inProgram(QStringLiteral("mv_prC.rpt")));
    EXPECT_EQ(control.WindowState, 2);
    EXPECT_EQ(control.SubreportToChange, QString());   // back on the main report
    EXPECT_EQ(control.Connect(), logon);
    EXPECT_EQ(control.LogonDataSource(), QStringLiteral("Compras"));
    EXPECT_EQ(control.LogonUser(), QStringLiteral("ana"));
    EXPECT_EQ(control.LogonPassword(), QStringLiteral("Cl4ve"));
    const QStringList expected{
        QStringLiteral("load ") + inProgram(QStringLiteral("mv_prC.rpt")),
        QStringLiteral("logon DSN=Compras; UID=ana; PWD=Cl4ve"),
        QStringLiteral("formula Nombreempresa = 'Quindal'"),
        QStringLiteral("formula TituloParametro = 'Ordenes'"),
        QStringLiteral("formula Anterior = 'queda'"),          // slot 2 was omitted: left as it was
        QStringLiteral("formula ESTADOS = ''"),
        QStringLiteral("formula ORDENADO = 'x'"),
        QStringLiteral("selection {C_MV_CPTE.TC} = 'OC'"),
        QStringLiteral("sort +{C_MV_CPTE.Fecha}"),
        // The first was not named; the control hands the others on by name.
        QStringLiteral("subreport Rp_CpteObs: {C_MV_CPTE.Observaciones} <> ''"),
        QStringLiteral("subreport Rp_CpteSer: {MA_ARTICULOS.IdTipo} = '3'"),
        QStringLiteral("destination screen"),
        QStringLiteral("run"),
    };
    EXPECT_EQ(log->calls, expected);
    control.SubreportToChange = QStringLiteral("rp_cpteser");
    EXPECT_EQ(control.Connect(), logon);   // the sub-reports got the same logon
    control.SubreportToChange = QStringLiteral("Rp_CpteObs");
    EXPECT_EQ(control.Connect(), logon);
    control.SubreportToChange = QStringLiteral("Rp_CpteIns");
    EXPECT_EQ(control.Connect(), QString());
}

TEST_F(DirectPrinting, APathIsUsedAsItIsAndABlankLogonLeavesTheControlsOwn)
{
    control.setConnect(QStringLiteral("DSN=Antes; UID=u; PWD=p"));
    control.setLogonDataSource(QStringLiteral("Antes"));
    const QString path = QStringLiteral("C:\\Reportes\\Especial.RPT");
    Reporte(control, request(path, {QString()}, QStringLiteral("   ")));
    EXPECT_EQ(control.ReportFileName, path);
    EXPECT_EQ(control.Connect(), QStringLiteral("DSN=Antes; UID=u; PWD=p"));
    EXPECT_EQ(engineCalls(QStringLiteral("load")), QStringList{QStringLiteral("load C:/Reportes/Especial.RPT")});
    EXPECT_EQ(engineCalls(QStringLiteral("logon")), QStringList{QStringLiteral("logon DSN=Antes; UID=; PWD=")});
    EXPECT_TRUE(engineCalls(QStringLiteral("(selection|sort|subreport)")).isEmpty());
}

TEST(LogonPieces, AreCutWhateverTheLetterCaseOrTheyFailWithError5)
{
    const auto pieces = reports::LogonPieces::cut(QStringLiteral("DSN=Base Uno; Uid=Ana Paz; pWd=a;b=c"));
    EXPECT_EQ(pieces.dataSource, QStringLiteral("Base Uno"));
    EXPECT_EQ(pieces.user, QStringLiteral("Ana Paz"));
    EXPECT_EQ(pieces.password, QStringLiteral("a;b=c"));
    const auto odd = reports::LogonPieces::cut(QStringLiteral("XYZ:srv; UID=; PWD="));   // the first four characters are skipped
    EXPECT_EQ(odd.dataSource, QStringLiteral("srv"));
    EXPECT_EQ(odd.user, QString());
    EXPECT_EQ(odd.password, QString());
    for (const char* bad : {"DSN=Base UID=a PWD=b", "DS;N=Base; UID=a; PWD=b", "DSN=Base; UID=a; PW=b", "DSN=B; PWD=x; UID=a"}) {
        try {
            reports::LogonPieces::cut(QString::fromLatin1(bad));
            ADD_FAILURE() << bad << " must not be cut";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), 5) << bad;
        }
    }
}

// A report file under a path of 3 KB whose sub-report is missing: the message names the file by
// the start and the end of its path, and stays short.
TEST_F(DirectPrinting, AMissingSubreportUnderALongPathIsToldShortly)
{
    const QString path = QStringLiteral("/srv/quindal/") + QString(3000, u'c') + QStringLiteral("/mv_pr2c.rpt");
    control.ReportFileName = path;
    control.SubreportToChange = QStringLiteral("Rp_CpteSer");
    control.setSelectionFormula(QStringLiteral("{C_MV_CPTEINSUMOS.Cantidad} > 0"));
    try {
        control.setAction(1);
        FAIL() << "a missing sub-report must raise";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), ReportControl::ErrorReporte);
        EXPECT_LT(e.description().size(), 200) << e.description().size();
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("El reporte /srv/quindal/ccc"))) << e.description().toStdString();
        EXPECT_TRUE(e.description().endsWith(QStringLiteral("ccc/mv_pr2c.rpt no tiene el subreporte Rp_CpteSer")))
            << e.description().toStdString();
    }
    EXPECT_TRUE(engineCalls(QStringLiteral("run")).isEmpty());
}

TEST_F(DirectPrinting, TheErrorBoxRetriesIgnoresOrAbandonsTheFailedStep)
{
    const QString badLogon = QStringLiteral("DSN=Base UID=ana PWD=Cl4ve");   // no ";": the pieces cannot be cut
    // Retry shows the box again; Ignore goes on and the report runs.
    dialogs.pushMsgBoxAnswer(ui::vbRetry);
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    Reporte(control, request(QStringLiteral("mv_prC"), {QString()}, badLogon));
    ASSERT_EQ(boxes().size(), 2);
    for (const auto& box : boxes()) {
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("Ha ocurrido el siguiente error: 5 "))) << box.text.toStdString();
        EXPECT_FALSE(box.text.contains(QStringLiteral("Cl4ve")));
        EXPECT_EQ(box.title, QStringLiteral("Aviso al operador"));
        EXPECT_EQ(box.style, ui::vbCritical + ui::vbAbortRetryIgnore);
    }
    EXPECT_EQ(engineCalls(QStringLiteral("run")).size(), 1);
    EXPECT_EQ(control.ReportFileName, inProgram(QStringLiteral("mv_prC.rpt")));

    // A sub-report whose logon cannot be cut still gets its selection when the operator ignores.
    dialogs.clear();
    log->calls.clear();
    log->subreports = QStringList{QStringLiteral("Rp_CpteSer")};
    for (int i = 0; i < 2; ++i)
        dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    ReportRequest withSubreport = request(QStringLiteral("mv_prC"), {QString()}, badLogon);
    withSubreport.subreports = {{QString(), QString()}, {QStringLiteral("Rp_CpteSer"), QStringLiteral("{MA_ARTICULOS.IdTipo} = '3'")}};
    Reporte(control, withSubreport);
    EXPECT_EQ(boxes().size(), 2);
    EXPECT_EQ(engineCalls(QStringLiteral("subreport")),
              QStringList{QStringLiteral("subreport Rp_CpteSer: {MA_ARTICULOS.IdTipo} = '3'")});
    EXPECT_EQ(control.SubreportToChange, QString());

    // Abort leaves at once: nothing after the failed step is set and nothing runs.
    dialogs.clear();
    log->calls.clear();
    ReportControl fresh;
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    Reporte(fresh, request(QStringLiteral("mv_prC"), {QString()}, badLogon));
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_EQ(fresh.ReportFileName, QString());
    EXPECT_TRUE(log->calls.isEmpty());

    // A sort array without elements fails its step; a failed run reaches the box without the password.
    dialogs.clear();
    log->failRunWith = QStringLiteral("login failed for DSN=Compras; UID=ana; PWD=Cl4ve");
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    Reporte(control, request(QStringLiteral("mv_prC"), {}, logon));
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(boxes().at(0).text, QStringLiteral("Ha ocurrido el siguiente error: 9 El subíndice está fuera del intervalo"));
    EXPECT_TRUE(boxes().at(1).text.startsWith(QStringLiteral("Ha ocurrido el siguiente error: 20500 No se pudo emitir el reporte")));
    EXPECT_FALSE(boxes().at(1).text.contains(QStringLiteral("Cl4ve"))) << boxes().at(1).text.toStdString();
    EXPECT_FALSE(dialogs.ranDry());
}

// The real engine: a demo layout with its sub-reports, printed into a PDF.
TEST(DirectPrintingRun, PrintsTheDemoLayoutWithItsSubreportSelection)
{
    ReportsDemo& demo = ReportsDemo::shared();
    QTemporaryDir program;
    for (const char* name : {"MV_PR2C.rpt"})
        ASSERT_TRUE(QFile::copy(testpaths::demoReports() + u'/' + QLatin1String(name), QDir(program.path()).filePath(QString::fromLatin1(name).toLower())));
    const QString savedPath = vb::App::path();
    vb::App::setPath(program.path());
    // The control finds the embedded database where the shared connection's server points.
    auto shared = std::make_shared<data::DB_Dll>();
    shared->configure([&](data::DbSettings& s) { s.gServidor = demo.folder(); });
    data::DB_Dll::setShared(shared);
    ReportControl control;
    const QString pdf = QDir(program.path()).filePath(QStringLiteral("out.pdf"));
    control.setDestination(kit::PrintEngine::Destination::PdfFile, pdf);
    const QString last = demo.column(QStringLiteral("SELECT IdComprobante FROM C_MV_CPTE WHERE TC = 'OC' ORDER BY IdComprobante")).at(3);
    ReportRequest orders = request(QStringLiteral("MV_PR2C"), {QStringLiteral("+{C_MV_CPTE.IdComprobante}")},
                                   QStringLiteral("DSN=DEMO; UID=DEMO; PWD=DEMO"));
    orders.selection = QStringLiteral("{C_MV_CPTE.TC} = 'OC' AND {C_MV_CPTE.IdComprobante} <= '%1'").arg(last);
    orders.titles[0] = QStringLiteral("Nombreempresa = 'Quindal S.A.'");
    orders.titles[1] = QStringLiteral("TituloParametro = 'Ordenes de Compra'");
    orders.subreports = {{QStringLiteral("Rp_CpteObs"), QStringLiteral("{C_MV_CPTE.Observaciones} = 'ninguna'")}};
    Reporte(control, orders);
    vb::App::setPath(savedPath);
    data::DB_Dll::setShared(nullptr);
    const QString text = pdfPages(pdf).join(u'\n');
    EXPECT_TRUE(text.contains(QStringLiteral("Quindal S.A."))) << text.left(500).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ordenes de Compra")));
    for (const QString& id : demo.column(QStringLiteral("SELECT IdComprobante FROM C_MV_CPTE WHERE TC = 'OC' AND IdComprobante <= '%1'").arg(last)))
        EXPECT_TRUE(text.contains(id)) << id.toStdString();
    const QString next = demo.column(QStringLiteral("SELECT IdComprobante FROM C_MV_CPTE WHERE TC = 'OC' ORDER BY IdComprobante")).at(4);
    EXPECT_FALSE(text.contains(next));
}
