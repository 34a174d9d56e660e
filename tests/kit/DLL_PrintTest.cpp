// The print object: a report run over the demo database into a PDF whose text is read back, what
// it asks of the engine (recorded), the extra formulas that serve one report only, and errors that
// name the fault without showing the logon's password.
#include "kit/DLL_Print.h"
#include "kit/LogonMask.h"
#include "kit/MessageText.h"
#include "RecordingPrintEngine.h"
#include "TempFolder.h"
#include "data/QStringPrinting.h"
#include "reportengine/PdfText.h"

#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "demo/DemoFixture.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "vb/Error.h"

#include <QDir>
#include <QWidget>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

using kit::DLL_Print;
using kittest::EngineLog;
using kittest::RecordingPrintEngine;

namespace {

const QByteArray orderList = R"json({
  "tables": [{"name": "C_MV_CPTE", "fields": ["TC", "IdComprobante", "Cuenta"]}],
  "parameters": [{"name": "Nombreempresa", "value": ""}, {"name": "Parametros", "value": ""}],
  "pageHeader": [{"text": "'Empresa: ' & {?Nombreempresa}"}, {"text": "'[' & {?Parametros} & ']'"}],
  "columns": [{"title": "Cuenta", "value": "{C_MV_CPTE.Cuenta}", "width": 30},
              {"title": "Id", "value": "'#' & {C_MV_CPTE.TC} & '-' & {C_MV_CPTE.IdComprobante}", "width": 60}]
})json";

demo::DemoFixture& demoDatabase()
{
    static demo::DemoFixture fixture(300, 5);
    return fixture;
}

// The given column of every row of a query, as text.
QStringList column(const QString& sql, int index = 0)
{
    auto connection = ado::Connection::create();
    connection->Open(demoDatabase().connectionString());
    auto rs = ado::Recordset::create();
    rs->Open(sql, connection);
    QStringList out;
    for (; !rs->Eof(); rs->MoveNext())
        out << rs->Fields()->Item(index)->Value().toString();
    return out;
}

QString pdfText(const QString& path)
{
    return pdfPages(path).join(u'\n');
}

// The "#TC-Id" cells of the report, in the order printed.
QStringList printedIds(const QString& text)
{
    QStringList ids;
    static const QRegularExpression id(QStringLiteral("#([A-Z]+-[0-9]{12}[A-Z])"));
    for (auto it = id.globalMatch(text); it.hasNext();)
        ids << it.next().captured(1);
    return ids;
}

class PrintObject : public ::testing::Test {
protected:
    PrintObject()
    {
        folder.write(QStringLiteral("Listado_Ordenes.rpt"), orderList);
        print.pPathSistema = folder.path();
        print.setDataSourceFolder(demoDatabase().folder());
        print.setDestino(DLL_Print::PdfDestination);
        print.setPdfFile(folder.path(QStringLiteral("out.pdf")));
    }

    kittest::TempFolder folder;
    DLL_Print print;
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope dialogScope{dialogs};
    const QString logon = QStringLiteral("DSN=demo; UID=DEMO; PWD=Cl4ve.Secreta");
};

class RecordedPrintObject : public PrintObject {
protected:
    std::shared_ptr<EngineLog> log = std::make_shared<EngineLog>();
    kit::PrintEngineScope engine{RecordingPrintEngine::factory(log)};
};

} // namespace

TEST_F(PrintObject, PrintsTheSelectedRowsInTheGivenOrderWithTheAssignments)
{
    const QString account = column(QStringLiteral("SELECT Cuenta FROM C_MV_CPTE WHERE TC = 'OC' ORDER BY Cuenta")).at(40);
    print.AgregarFormulas({QStringLiteral("Parametros = ' (Resumido) - Usuario: '")}, 5);
    // A bare name in another letter case, a sort array with a blank entry, an omitted formula.
    print.Imprimir(QStringLiteral("LISTADO_ORDENES"), {QStringLiteral("-{C_MV_CPTE.Cuenta}"), QString()},
                   QStringLiteral("{C_MV_CPTE.TC} = 'OC' AND {C_MV_CPTE.Cuenta} >= '%1'").arg(account), logon,
                   QStringLiteral("Nombreempresa = 'O'Brien & Hijos'"), vb::Variant::missing(), QString());
    const QString text = pdfText(print.pdfFile());
    EXPECT_TRUE(text.contains(QStringLiteral("Empresa: O'Brien & Hijos"))) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("[ (Resumido) - Usuario: ]")));
    const QStringList expected = column(QStringLiteral(
        "SELECT TC + '-' + IdComprobante FROM C_MV_CPTE WHERE TC = 'OC' AND Cuenta >= '%1' ORDER BY Cuenta DESC").arg(account));
    const QStringList printed = printedIds(text);
    ASSERT_EQ(printed.size(), expected.size());
    ASSERT_GT(printed.size(), 10);
    EXPECT_EQ(QSet<QString>(printed.begin(), printed.end()), QSet<QString>(expected.begin(), expected.end()));
    // Rows of one account may come in any order; the accounts themselves must fall.
    const QString all = QStringLiteral("SELECT TC + '-' + IdComprobante, Cuenta FROM C_MV_CPTE");
    const QStringList ids = column(all), accounts = column(all, 1);
    QStringList printedAccounts;
    for (const QString& id : printed)
        printedAccounts << accounts.at(ids.indexOf(id));
    QStringList falling = printedAccounts;
    std::sort(falling.begin(), falling.end(), std::greater<QString>());
    EXPECT_EQ(printedAccounts, falling);

    // The next report gets no trace of the extra formula of the last one.
    print.Imprimir(QStringLiteral("listado_ordenes.RPT"), {}, QStringLiteral("{C_MV_CPTE.TC} = 'RMC'"), logon);
    const QString second = pdfText(print.pdfFile());
    EXPECT_TRUE(second.contains(QStringLiteral("[]"))) << second.left(400).toStdString();
    EXPECT_FALSE(second.contains(QStringLiteral("Resumido")));
    EXPECT_EQ(printedIds(second).size(), column(QStringLiteral("SELECT TC FROM C_MV_CPTE WHERE TC = 'RMC'")).size());
}

TEST_F(PrintObject, ScreenDestinationOpensThePreviewAndGoesOn)
{
    print.setDestino(DLL_Print::DestinoPantalla);
    print.Imprimir(folder.path(QStringLiteral("listado_ordenes.rpt")), {}, QStringLiteral("{C_MV_CPTE.TC} = 'OC'"), logon);
    const auto windows = dialogs.prompts(ui::ScriptedDialogService::Kind::Modeless);
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.first().window);
    EXPECT_FALSE(QFile::exists(print.pdfFile()));
    delete windows.first().window.data();
}

TEST_F(PrintObject, ErrorsNameTheFaultAndNeverThePassword)
{
    try {
        print.Imprimir(QStringLiteral("No_Existe"), {}, {}, logon);
        FAIL() << "a missing report file must raise";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_TRUE(e.description().contains(folder.path(QStringLiteral("No_Existe.rpt")))) << e.description().toStdString();
    }
    // An unknown data source is refused by the database layer.
    print.setDataSourceFolder({});
    try {
        print.Imprimir(QStringLiteral("Listado_Ordenes"), {}, {}, QStringLiteral("DSN=NoHayTalBase; UID=ana; PWD=Cl4ve.Secreta"));
        FAIL() << "an unknown data source must raise";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), DLL_Print::ErrorReporte);
        EXPECT_TRUE(e.description().contains(QStringLiteral("Listado_Ordenes"))) << e.description().toStdString();
        EXPECT_FALSE(e.description().contains(QStringLiteral("Cl4ve"))) << e.description().toStdString();
    }
    // A selection formula the engine cannot read fails the report the same way.
    print.setDataSourceFolder(demoDatabase().folder());
    const auto failure = [&](const QString& selection) {
        try {
            print.Imprimir(QStringLiteral("Listado_Ordenes"), {}, selection, logon);
        } catch (const vb::Error& e) {
            return QStringLiteral("%1 %2").arg(e.number()).arg(e.description());
        }
        return QString();
    };
    EXPECT_TRUE(failure(QStringLiteral("{C_MV_CPTE.TC} = ")).startsWith(QStringLiteral("20500 No se pudo emitir el reporte Listado_Ordenes: ")));
    {
        // With no engine in force nothing runs, and the caller hears of it as of a failed report.
        const kit::PrintEngineScope none{kit::PrintEngine::Factory()};
        EXPECT_TRUE(failure(QString()).startsWith(QStringLiteral("20500 No se pudo emitir el reporte Listado_Ordenes: ")));
        EXPECT_FALSE(QFile::exists(print.pdfFile()));
    }
    EXPECT_EQ(failure(QString()), QString());
    print.pPathSistema.clear();
    try {
        print.Imprimir(QStringLiteral("Listado_Ordenes"), {}, {}, logon);
        FAIL() << "a bare name without the program folder must raise";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.description(), QStringLiteral("Se debe informar la Variable pPathSistema$ del Control DLL_Print"));
    }
    EXPECT_THROW(print.setDestino(7), vb::Error);
    EXPECT_EQ(print.Destino(), DLL_Print::PdfDestination);
}

// A report file under a path of 3 KB: what the operator reads of a report that cannot run stays
// under 2,000 characters with the error box's own words before it, however often the fault names
// the path, and still says which file it is, by the start and the end of its path.
TEST_F(PrintObject, AFaultUnderALongPathStaysShortAndNamesTheFile)
{
    QString longFolder = folder.path();
    while (longFolder.size() < 3000) {
        longFolder += u'/' + QString(200, u'c');
        ASSERT_TRUE(QDir().mkpath(longFolder)) << longFolder.size();
    }
    const QString bad = longFolder + QStringLiteral("/Listado_Roto.rpt");
    {
        QFile file(bad);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"json({"tables": [{"name": "C_MV_CPTE", "fields": ["TC"]}], "columns": [{"title": "x", "value": "{C_MV_CPTE.TC} +"}]})json");
    }
    const auto failure = [&](const QString& file, const QStringList& subreports = {}) {
        try {
            print.Imprimir(file, {}, {}, logon, vb::Variant::missing(), vb::Variant::missing(), vb::Variant::missing(),
                           vb::Variant::missing(), vb::Variant::missing(), subreports.value(0));
        } catch (const vb::Error& e) {
            return e;
        }
        return vb::Error();
    };
    const QString boxWords = QStringLiteral("Ha ocurrido el Siguiente Error (20500) ");
    const vb::Error unreadable = failure(bad);
    const vb::Error missing = failure(longFolder + QStringLiteral("/No_Existe"));
    EXPECT_EQ(unreadable.number(), DLL_Print::ErrorReporte);
    EXPECT_EQ(missing.number(), 53);
    for (const vb::Error& e : {unreadable, missing}) {
        SCOPED_TRACE(e.number());
        EXPECT_LT(boxWords.size() + e.description().size(), 2000) << e.description().size();
        EXPECT_TRUE(e.description().contains(folder.path().left(30))) << e.description().left(200).toStdString();
        EXPECT_TRUE(e.description().contains(QString(40, u'c') + (e.number() == 53 ? QStringLiteral("/No_Existe.rpt") : QStringLiteral("/Listado_Roto.rpt"))))
            << e.description().toStdString();
    }
    EXPECT_TRUE(unreadable.description().startsWith(QStringLiteral("No se pudo emitir el reporte ") + folder.path().left(30)));
    // The engine names the file as the print object does, so the fault itself is read whole.
    EXPECT_LT(unreadable.description().size(), 500);
    EXPECT_TRUE(unreadable.description().endsWith(QStringLiteral("/Listado_Roto.rpt:1: columna \"x\": La fórmula termina antes de tiempo en la posición 17 de \"{C_MV_CPTE.TC} +\"")))
        << unreadable.description().toStdString();

    // A fault of the engine as long as a message may be is cut with the path before it, and no
    // part of the password is left where the cut falls.
    const std::shared_ptr<EngineLog> log = std::make_shared<EngineLog>();
    const kit::PrintEngineScope engine{RecordingPrintEngine::factory(log)};
    const QString before = QStringLiteral("No se pudo emitir el reporte ") + bad.left(58) + QStringLiteral("...") + bad.right(59) + QStringLiteral(": ");
    const qsizetype cut = (kit::MaxMessage - 5) / 2;
    log->failRunWith = QString(cut - before.size() - 4, u'f') + QStringLiteral("Cl4ve.Secreta") + QString(kit::MaxMessage, u'g');
    const vb::Error runFault = failure(bad);
    EXPECT_EQ(runFault.number(), DLL_Print::ErrorReporte);
    EXPECT_EQ(runFault.description().size(), kit::MaxMessage);
    EXPECT_TRUE(runFault.description().startsWith(before + u'f')) << runFault.description().left(300).toStdString();
    EXPECT_FALSE(runFault.description().contains(QStringLiteral("Cl4v"))) << runFault.description().mid(cut - 20, 40).toStdString();
    log->failRunWith.clear();

    // A sub-report the report lacks, under the same path.
    const vb::Error lacking = failure(bad, {QStringLiteral("Rp_CpteSer")});
    EXPECT_EQ(lacking.number(), DLL_Print::ErrorReporte);
    EXPECT_LT(lacking.description().size(), 200) << lacking.description().toStdString();
    EXPECT_TRUE(lacking.description().endsWith(QStringLiteral("/Listado_Roto.rpt no tiene el subreporte Rp_CpteSer")))
        << lacking.description().toStdString();
}

TEST_F(RecordedPrintObject, HandsTheEngineEachPieceInOrder)
{
    log->subreports = QStringList{QStringLiteral("Rp_CpteIns"), QStringLiteral("Rp_CpteObs")};
    print.setDestino(DLL_Print::DestinoImpresora);
    print.AgregarFormulas({QStringLiteral("Parametros = 'x'"), QString()}, 5);
    print.AgregarFormulas({QStringLiteral("ORDENADO = 'y'")}, 5);
    print.Imprimir(QStringLiteral("listado_ordenes"), {QStringLiteral("+{C_MV_CPTE.Fecha}"), QString()},
                   QStringLiteral(" {C_MV_CPTE.TC} = 'OC'"), logon, QStringLiteral("A = '1'"), vb::Variant::missing(),
                   QStringLiteral("C = '3'"), QString(), QStringLiteral("E = '5'"), QStringLiteral("rp_cpteins"), QString(),
                   QStringLiteral("Rp_CpteObs"));
    const QStringList expected{
        QStringLiteral("load ") + folder.path(QStringLiteral("Listado_Ordenes.rpt")),
        QStringLiteral("folder ") + demoDatabase().folder(),
        QStringLiteral("logon ") + logon,
        QStringLiteral("formula A = '1'"),
        QStringLiteral("formula C = '3'"),
        QStringLiteral("formula E = '5'"),
        QStringLiteral("formula Parametros = 'x'"),
        QStringLiteral("formula ORDENADO = 'y'"),
        QStringLiteral("selection  {C_MV_CPTE.TC} = 'OC'"),
        QStringLiteral("sort +{C_MV_CPTE.Fecha}|"),
        QStringLiteral("destination printer"),
        QStringLiteral("run"),
    };
    EXPECT_EQ(log->calls, expected);

    // Blank selection and sort keep the report's own; no extra formula is left over.
    log->calls.clear();
    print.setDestino(DLL_Print::DestinoPantalla);
    print.Imprimir(QStringLiteral("Listado_Ordenes"), {QString(), QStringLiteral(" ")}, QStringLiteral("  "), QString());
    EXPECT_EQ(log->calls.filter(QRegularExpression(QStringLiteral("^(formula|selection|sort)"))), QStringList());
    EXPECT_TRUE(log->calls.contains(QStringLiteral("destination screen")));
}

TEST_F(RecordedPrintObject, AFailedReportAlsoDropsTheExtraFormulasAndHidesThePassword)
{
    log->failRunWith = QStringLiteral("no se pudo abrir la base de datos: error de inicio de sesión (DSN=demo; UID=DEMO; PWD=Cl4ve.Secreta)");
    print.AgregarFormulas({QStringLiteral("Parametros = 'x'")}, 5);
    try {
        print.Imprimir(QStringLiteral("Listado_Ordenes"), {}, {}, logon);
        FAIL() << "the engine's failure must reach the caller";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), DLL_Print::ErrorReporte);
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("No se pudo emitir el reporte Listado_Ordenes: no se pudo abrir la base de datos")));
        EXPECT_FALSE(e.description().contains(QStringLiteral("Cl4ve"))) << e.description().toStdString();
    }
    EXPECT_TRUE(print.formulasAdicionales().isEmpty());

    // A sub-report the report lacks stops the report before it runs.
    log->failRunWith.clear();
    log->calls.clear();
    EXPECT_THROW(print.Imprimir(QStringLiteral("Listado_Ordenes"), {}, {}, logon, vb::Variant::missing(),
                                vb::Variant::missing(), vb::Variant::missing(), vb::Variant::missing(),
                                vb::Variant::missing(), QStringLiteral("Rp_CpteSer")),
                 vb::Error);
    EXPECT_FALSE(log->calls.contains(QStringLiteral("run")));
}

// A report that runs short of memory ends with the operator's message, as any failed report; the
// print object goes on to the next report.
TEST_F(RecordedPrintObject, AnAllocationFailureEndsTheReportWithItsMessage)
{
    const auto failure = [&] {
        try {
            print.Imprimir(QStringLiteral("Listado_Ordenes"), {}, {}, logon);
        } catch (const vb::Error& e) {
            return QStringLiteral("%1 %2").arg(e.number()).arg(e.description());
        }
        return QString();
    };
    const QString expected = QStringLiteral("20500 No se pudo emitir el reporte Listado_Ordenes: la memoria no alcanza para armar el "
                                            "reporte; pruebe con un rango más chico");
    log->runOutOfMemory = true;
    EXPECT_EQ(failure(), expected);
    {
        // The runtime's own error for it reads the same.
        const kit::PrintEngineScope failing{[]() -> std::unique_ptr<kit::PrintEngine> { vb::raise(7); }};
        EXPECT_EQ(failure(), expected);
    }
    log->runOutOfMemory = false;
    log->calls.clear();
    EXPECT_EQ(failure(), QString());
    EXPECT_TRUE(log->calls.contains(QStringLiteral("run")));
}

TEST(LogonMask, HidesThePasswordAndPasswordClauses)
{
    const QString logon = QStringLiteral("DSN=base; UID=ana; PWD=s3cr3t");
    EXPECT_EQ(kit::LogonMask::hide(QStringLiteral("login s3cr3t refused"), logon), QStringLiteral("login **** refused"));
    EXPECT_EQ(kit::LogonMask::hide(QStringLiteral("Server=x;Pwd=other;Database=y")), QStringLiteral("Server=x;Pwd=****;Database=y"));
    EXPECT_EQ(kit::LogonMask::hide(QStringLiteral("no password here"), QStringLiteral("DSN=base; UID=ana; PWD=")),
              QStringLiteral("no password here"));
}
