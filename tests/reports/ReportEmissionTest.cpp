// The emission as a table of window states: for each, the report file, selection, sort fields
// and formula assignments that reach the print engine (both kinds, every layout, the states,
// guarantee, model, units, users, currencies and quoted texts); then a bad range that prints
// nothing, missing report files, the print options, the gap report of this workstation only,
// and failures of the print object reaching the caller.
#include "reports/ReportEmission.h"
#include "app/AppTestBase.h"
#include "kit/RecordingPrintEngine.h"
#include "ReportsDemo.h"
#include "reportengine/ReportJobEngine.h"

#include "reports/EmissionWindow.h"
#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "kit/DLL_Print.h"
#include "ui/Control.h"
#include "vb/Error.h"

#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

#include <functional>
#include <map>

using kittest::EngineLog;
using kittest::RecordingPrintEngine;
using reports::CheckState;
using reports::OptionState;

namespace {

const char* const dataFields[] = {"Sucursal_desde", "Nro_desde", "Letra_Desde", "Sucursal_Hasta", "Nro_Hasta",
                                  "Letra_Hasta", "Cliente_desde", "Cliente_Hasta", "Fecha_desde", "Fecha_Hasta",
                                  "Vto_Hasta", "Vto_desde", "Motivo_Hasta", "Motivo_Desde", "Usuario_Desde",
                                  "IdArticulo", "UNegocio"};
const char* const stateTags[] = {"Pendiente", "Finalizada,Facturado", "Anulada", "Bloqueada", "Cerrada", "Recepcionada", "Vencido"};
const char* const orderTags[] = {"{C_MV_Cpte.FechaEntrega}", "{C_MV_Cpte.IdComprobante}", "{C_MV_Cpte.Cuenta}"};

// The report window as the emission reads it: boxes by DataField, one layout and one order
// chosen, the state boxes shown as the window shows them for the kind.
class FakeWindow : public reports::EmissionWindow {
public:
    explicit FakeWindow(const QString& kind) : kind(kind)
    {
        for (int i = 0; i < 17; ++i) {
            auto* box = new QLineEdit(&m_form);
            ui::Control::declare(box, QStringLiteral("txtFields"), i);
            ui::Control::setDataField(box, QString::fromLatin1(dataFields[i]));
            m_boxes << box;
        }
        const bool oc = kind.compare(QLatin1String("OC"), Qt::CaseInsensitive) == 0;
        const bool rmc = kind.compare(QLatin1String("RMC"), Qt::CaseInsensitive) == 0;
        for (int i = 0; i < 7; ++i)
            states << CheckState{0, oc || (i != 3 && i != 4), QString::fromLatin1(stateTags[i])};
        modelo = CheckState{0, !rmc, QStringLiteral("Anulada")};
        garantia = CheckState{0, !rmc, {}};
    }

    // The box of that DataField (as the table writes it).
    void set(const char* dataField, const QString& text)
    {
        for (QLineEdit* box : m_boxes)
            if (ui::Control::dataField(box) == QLatin1String(dataField))
                box->setText(text);
    }
    QString text(const char* dataField) const { return fieldText(QString::fromLatin1(dataField)); }
    void tick(std::initializer_list<int> indexes)
    {
        for (int i : indexes)
            states[i].value = 1;
    }

    QString TcoReporte() const override { return kind; }
    QList<QObject*> txtFields() const override { return ui::Control::array(&m_form, QStringLiteral("txtFields")); }
    QString TablaReporte() const override { return QStringLiteral("C_MV_CPTE"); }
    OptionState OptTipo(int index) const override { return {index == layout, {}}; }
    OptionState OptOrden(int index) const override { return {index == order, QString::fromLatin1(orderTags[index])}; }
    QList<CheckState> chkestado() const override { return states; }
    CheckState ChkModelo() const override { return modelo; }
    CheckState ChkGarantia() const override { return garantia; }
    QString CmbMonedaText() const override { return moneda; }
    int CmbMonedaListIndex() const override { return monedaIndex; }
    void VaciaPorGrupo() override
    {
        ++emptied;
        if (layout == 3)
            for (const char* name : {"Cliente_desde", "Cliente_hasta", "Vto_desde", "Vto_hasta", "Sucursal_desde",
                                     "Sucursal_hasta", "Nro_desde", "Nro_hasta", "Letra_desde", "Letra_hasta"})
                for (QLineEdit* box : m_boxes)
                    if (ui::Control::dataField(box).compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                        box->clear();
    }
    void GeneraAuxiliarMvCpte() override { ++gapRuns; }

    QString kind;
    int layout = 0;              // -1: none chosen
    int order = 0;               // -1: none chosen
    QList<CheckState> states;
    CheckState modelo, garantia;
    QString moneda;
    int monedaIndex = -1;
    int emptied = 0;
    int gapRuns = 0;

private:
    QWidget m_form;
    QList<QLineEdit*> m_boxes;
};

// What one report handed to the engine.
struct Printed {
    QString file;                // the name of the file loaded, "" when none
    QString selection;
    QString sort;
    QStringList formulas;
};

class Emission : public AppTestBase {
protected:
    Emission()
    {
        openDemo();
        setConfig(QStringLiteral("NOMBRE"), QStringLiteral("Maderas del Sur"));
        app::state().startup.SeccionIni = QStringLiteral("PC1|ANA");
        app::state().startup.ConexionDSN = QStringLiteral("DSN=DEMO; UID=DEMO; PWD=DEMO");
        for (const QFileInfo& rpt : QDir(testpaths::demoReports()).entryInfoList({QStringLiteral("*.rpt")}))
            QFile::copy(rpt.filePath(), program(rpt.fileName()));
        kit::DLL_Print& print = app::gImpresion();
        print.pPathSistema = m_programDir.path();
        print.setDestino(kit::DLL_Print::DestinoPantalla);
        print.OpcionA = print.OpcionB = print.OpcionC = false;
        print.ValorPosterior = 0;
    }

    QString program(const QString& name) const { return QDir(m_programDir.path()).filePath(name); }

    // The reports the engine loaded, in order.
    QList<Printed> printed() const
    {
        QList<Printed> out;
        for (const QString& call : log->calls) {
            if (call.startsWith(QLatin1String("load ")))
                out << Printed{QFileInfo(call.mid(5)).fileName(), {}, {}, {}};
            else if (out.isEmpty())
                continue;
            else if (call.startsWith(QLatin1String("selection ")))
                out.last().selection = call.mid(10);
            else if (call.startsWith(QLatin1String("sort ")))
                out.last().sort = call.mid(5);
            else if (call.startsWith(QLatin1String("formula ")))
                out.last().formulas << call.mid(8);
        }
        return out;
    }
    Printed only() const
    {
        const QList<Printed> all = printed();
        EXPECT_EQ(all.size(), 1);
        return all.value(0);
    }

    // The documents of the shared demo the report engine itself selects with that formula (this
    // fixture's recording engine stands aside meanwhile).
    static QStringList selectedOnTheDemo(const QString& selection)
    {
        const kit::PrintEngineScope real{{}};
        reportengine::ReportJobEngine::install();
        return ReportsDemo::shared().idsSelectedByEngine(selection);
    }

    std::shared_ptr<EngineLog> log = std::make_shared<EngineLog>();
    kit::PrintEngineScope engine{RecordingPrintEngine::factory(log)};
};

const QString company = QStringLiteral("Nombreempresa = 'Maderas del Sur'");
const QString noDates = QStringLiteral("ORDENADO = 'Fechas:     '");
const QString rmcTitle = QStringLiteral("TituloParametro = 'Remitos'");
const QString ocTitle = QStringLiteral("TituloParametro = 'Ordenes de Compra'");
const QString allStates =
    QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Anulada,Bloqueada,Cerrada,Recepcionada,Facturado,Anulado,Vencido'");
// Delivery notes printed without the annulled ones are not told the annulled states.
const QString unannulledStates = QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Bloqueada,Cerrada,Recepcionada,Facturado,Vencido'");
const QString oneCurrency = QStringLiteral("ENQUEMONEDA = '1'");
const QString byDelivery = QStringLiteral("+{C_MV_Cpte.FechaEntrega}|");

QStringList standard(const QString& title, const QString& states, const QString& parametros = {},
                     const QString& ordenado = noDates, const QString& currency = oneCurrency)
{
    QStringList formulas{company, title, states, currency, ordenado};
    formulas.removeAll(QString());
    if (!parametros.isEmpty())
        formulas << QStringLiteral("Parametros = '") + parametros + u'\'';
    return formulas;
}

struct Case {
    const char* what;
    const char* kind;
    std::function<void(FakeWindow&)> state;
    const char* file;
    QString selection;
    QString sort;
    QStringList formulas;
};

const QString rmcOnly = QStringLiteral(" {C_MV_CPTE.TC} = 'RMC'");
const QString ocOnly = QStringLiteral(" {C_MV_CPTE.TC} = 'OC'");
const QString notAnnulled = QStringLiteral(" AND {C_MV_CPTE.Anulada} = FALSE");
const QString notModel = QStringLiteral(" and {C_MV_CPTE.sucursal} <>'9990'");
const QString approval = QStringLiteral(" AND ( {@AproFin} in {@Estados} or {@Estados} = '')");

const QList<Case> cases = {
    {"delivery notes, nothing typed, pending and invoiced", "RMC", [](FakeWindow& w) { w.tick({0, 1}); },
     "mv_prC.rpt", rmcOnly + notAnnulled, byDelivery,
     standard(rmcTitle, QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Facturado'"),
              QStringLiteral(" (Resumido) - Pendientes - Finalizadas  Usuario: "))},
    {"delivery notes, pending only", "RMC", [](FakeWindow& w) { w.tick({0}); }, "mv_prC.rpt",
     rmcOnly + QStringLiteral(" and {C_MV_CPTE.FINALIZADO} = FALSE") + notAnnulled, byDelivery,
     standard(rmcTitle, QStringLiteral("ESTADOS = 'Pendiente'"), QStringLiteral(" (Resumido) - Pendientes  Usuario: "))},
    {"delivery notes, invoiced and annulled", "RMC", [](FakeWindow& w) { w.tick({1, 2}); }, "mv_prC.rpt",
     rmcOnly + QStringLiteral(" and {C_MV_CPTE.FINALIZADO} = TRUE AND {C_MV_CPTE.Anulada} = TRUE"), byDelivery,
     standard(rmcTitle, QStringLiteral("ESTADOS = 'Finalizada,Facturado,Anulada'"),
              QStringLiteral(" (Resumido) - Finalizadas - Anuladas  Usuario: "))},
    {"delivery notes: hidden states and the guarantee box count nowhere", "RMC",
     [](FakeWindow& w) {
         w.tick({3, 4, 6});
         w.garantia.value = 1;
         w.garantia.visible = false;
     },
     "mv_prC.rpt", rmcOnly + notAnnulled + QStringLiteral(" AND {C_MV_CPTE.Garantia} = TRUE"), byDelivery,
     standard(rmcTitle, QStringLiteral("ESTADOS = 'Vencido'"), QStringLiteral(" (Resumido) - Usuario: "))},
    {"orders, nothing ticked: every state", "OC", [](FakeWindow&) {}, "mv_prC.rpt", ocOnly + notModel, byDelivery,
     standard(ocTitle, allStates, QStringLiteral(" (Resumido) - Usuario: "))},
    {"model orders under guarantee, every described state", "OC",
     [](FakeWindow& w) {
         w.modelo.value = 1;
         w.garantia.value = 1;
         w.tick({0, 1, 2, 3, 4, 5, 6});
     },
     "mv_prC.rpt",
     ocOnly + QStringLiteral(" and {C_MV_CPTE.sucursal} ='9990' AND {C_MV_CPTE.Garantia} = TRUE"), byDelivery,
     standard(ocTitle,
              QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Facturado,Anulada,Bloqueada,Cerrada,Recepcionada,Vencido'"),
              QStringLiteral(" (Resumido) - Pendientes - Finalizadas - Anuladas - Bloqueadas - Cerradas - "
                             "Recepcionadas  (Solo Garantías)  Usuario: "))},
    {"a guarantee box greyed counts for the clause, not for the heading", "OC",
     [](FakeWindow& w) { w.garantia.value = 2; }, "mv_prC.rpt",
     ocOnly + notModel + QStringLiteral(" AND {C_MV_CPTE.Garantia} = TRUE"), byDelivery,
     standard(ocTitle, allStates, QStringLiteral(" (Resumido) - Usuario: "))},
    {"every range typed", "RMC",
     [](FakeWindow& w) {
         w.tick({0, 1});
         w.set("Sucursal_desde", QStringLiteral("0001"));
         w.set("Nro_desde", QStringLiteral("00000001"));
         w.set("Letra_Desde", QStringLiteral("A"));
         w.set("Sucursal_Hasta", QStringLiteral("0001"));
         w.set("Nro_Hasta", QStringLiteral("00000099"));
         w.set("Letra_Hasta", QStringLiteral("A"));
         w.set("Cliente_desde", QStringLiteral(" 1001 "));
         w.set("Cliente_Hasta", QStringLiteral("1050"));
         w.set("Fecha_desde", QStringLiteral("01/02/2024"));
         w.set("Fecha_Hasta", QStringLiteral("29/02/2024"));
         w.set("Vto_desde", QStringLiteral("01/03/2024"));
         w.set("Vto_Hasta", QStringLiteral("31/03/2024"));
         w.set("Motivo_Desde", QStringLiteral("A*"));
     },
     "mv_prC.rpt",
     rmcOnly
         + QStringLiteral(" AND {C_MV_CPTE.IdComprobante} >= '000100000001A'  AND {C_MV_CPTE.IdComprobante} <= '000100000099A' "
                          " AND {C_MV_CPTE.Cuenta} >= '1001'  AND {C_MV_CPTE.Cuenta} <= '1050' "
                          " AND {C_MV_CPTE.Fecha} >= Date(2024,02,01)  AND {C_MV_CPTE.Fecha} <= Date(2024,02,29) "
                          " AND {C_MV_CPTE.FechaEntrega} >= Date(2024,03,01)  AND {C_MV_CPTE.FechaEntrega} <= Date(2024,03,31) "
                          " AND  (TrimLeft(TrimRight({C_MV_CPTE.IdMotivoCpraVta})) LIKE 'A*' )")
         + notAnnulled,
     byDelivery,
     standard(rmcTitle, QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Facturado'"),
              QStringLiteral(" (Resumido) - Pendientes - Finalizadas  Usuario: "),
              QStringLiteral("ORDENADO = 'Fechas: 01/02/2024 29/02/2024   '"))},
    {"business units A,,B, and numbered ones in their stored form", "RMC",
     [](FakeWindow& w) {
         w.tick({0, 1});
         w.set("UNegocio", QStringLiteral("A,,B,1, 12"));
     },
     "mv_prC.rpt",
     rmcOnly + QStringLiteral(" AND ({C_MV_CPTE.UNEGOCIO} = 'A'  OR {C_MV_CPTE.UNEGOCIO} = ''  OR {C_MV_CPTE.UNEGOCIO} = 'B' "
                              " OR {C_MV_CPTE.UNEGOCIO} = '   1'  OR {C_MV_CPTE.UNEGOCIO} = '  12' ) ")
         + notAnnulled,
     byDelivery,
     standard(rmcTitle, QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Facturado'"),
              QStringLiteral(" (Resumido) - Pendientes - Finalizadas  Usuario: "))},
    {"a user with blanks around it is matched trimmed", "OC",
     [](FakeWindow& w) { w.set("Usuario_Desde", QStringLiteral("  ana ")); }, "mv_prC.rpt",
     ocOnly + QStringLiteral(" AND  UCASE({C_MV_CPTE.USUARIO}) LIKE 'ANA*'") + notModel, byDelivery,
     standard(ocTitle, allStates, QStringLiteral(" (Resumido) - Usuario: ana"))},
    {"apostrophes typed or stored are doubled", "OC",
     [](FakeWindow& w) {
         w.set("Usuario_Desde", QStringLiteral("o'brien"));
         w.set("UNegocio", QStringLiteral("D'A"));
         w.set("Cliente_desde", QStringLiteral("O'1"));
     },
     "mv_prC.rpt",
     ocOnly
         + QStringLiteral(" AND {C_MV_CPTE.Cuenta} >= 'O''1'  AND ({C_MV_CPTE.UNEGOCIO} = 'D''A' )  AND  "
                          "UCASE({C_MV_CPTE.USUARIO}) LIKE 'O''BRIEN*'")
         + notModel,
     byDelivery, standard(ocTitle, allStates, QStringLiteral(" (Resumido) - Usuario: o''brien"))},
    {"detailed, sorted by number, with its three sub-reports", "OC",
     [](FakeWindow& w) {
         w.layout = 1;
         w.order = 1;
         w.tick({0});
     },
     "MV_PR2C.rpt", ocOnly + notModel, QStringLiteral("+{C_MV_Cpte.IdComprobante}|"),
     standard(ocTitle, QStringLiteral("ESTADOS = 'Pendiente'"), QStringLiteral("Pendientes  Usuario: "))},
    {"statistic, sorted by account", "RMC",
     [](FakeWindow& w) {
         w.layout = 2;
         w.order = 2;
     },
     "mv_pr3C.rpt", rmcOnly + notAnnulled, QStringLiteral("+{C_MV_Cpte.Cuenta}|"),
     standard(rmcTitle, unannulledStates, QStringLiteral(" (Grafico) - Usuario: "))},
    {"no layout and no order chosen", "RMC",
     [](FakeWindow& w) {
         w.layout = -1;
         w.order = -1;
     },
     "mv_pr3C.rpt", rmcOnly + notAnnulled, QString(), standard(rmcTitle, unannulledStates)},
    {"summary by user", "OC", [](FakeWindow& w) { w.layout = 4; }, "mv_prC_Usuario.rpt", ocOnly + notModel,
     byDelivery, standard(ocTitle, allStates, QStringLiteral(" (Resumido po Usuario) - Usuario: "))},
    {"statistic by user", "OC", [](FakeWindow& w) { w.layout = 5; }, "mv_pr3C_Usuario.rpt", ocOnly + notModel,
     byDelivery, standard(ocTitle, allStates)},
    {"statistic by state and user", "RMC", [](FakeWindow& w) { w.layout = 6; }, "mv_pr3C_Estado_Usuario.rpt",
     rmcOnly + notAnnulled, byDelivery, standard(rmcTitle, unannulledStates)},
    {"detailed by article, one article", "OC",
     [](FakeWindow& w) {
         w.layout = 7;
         w.set("IdArticulo", QStringLiteral(" ART-01 "));
     },
     "MV_PR2C_xArt.rpt",
     ocOnly + QStringLiteral(" AND {C_MV_CPTEINSUMOS.IdArticulo} >= 'ART-01'  AND {C_MV_CPTEINSUMOS.IdArticulo} <= 'ART-01' ")
         + notModel,
     byDelivery, standard(ocTitle, allStates, QStringLiteral("Usuario: "))},
    {"summary by goods received: stock movements' dates, units, user and sort", "OC",
     [](FakeWindow& w) {
         w.layout = 8;
         w.order = 0;
         w.tick({0, 1, 2, 3, 4, 5});
         w.set("Fecha_desde", QStringLiteral("01/02/2024"));
         w.set("UNegocio", QStringLiteral("U1"));
         w.set("Usuario_Desde", QStringLiteral("Ana"));
         w.set("IdArticulo", QStringLiteral("ART-01"));   // no article row for this layout
     },
     "mv_prC_IR.rpt",
     ocOnly
         + QStringLiteral(" AND {v_mv_stock.Fecha} >= Date(2024,02,01)  AND ({V_MV_STOCK.UNEGOCIO} = 'U1' )  AND  "
                          "UCASE({V_MV_STOCK.USUARIO}) LIKE 'ANA*' AND {V_MV_STOCK.TC}='IR' ")
         + notModel,
     QStringLiteral("+{v_mv_stock.fecha}|"),
     standard(ocTitle, QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Facturado,Anulada,Bloqueada,Cerrada,Recepcionada'"),
              QStringLiteral(" (Resumido por IR) - Pendientes - Finalizadas - Anuladas - Bloqueadas - Cerradas - "
                             "Recepcionadas  Usuario: Ana"),
              QStringLiteral("ORDENADO = 'Fechas: 01/02/2024    '"))},
    {"summary by goods received sorted by number, then by account", "OC",
     [](FakeWindow& w) {
         w.layout = 8;
         w.order = 2;
     },
     "mv_prC_IR.rpt", ocOnly + QStringLiteral(" AND {V_MV_STOCK.TC}='IR' ") + notModel,
     QStringLiteral("+{c_mv_cpte.cuenta}|"), standard(ocTitle, allStates, QStringLiteral(" (Resumido por IR) - Usuario: "))},
    {"articles consolidated", "OC",
     [](FakeWindow& w) {
         w.layout = 9;
         w.set("IdArticulo", QStringLiteral("ART-01"));
     },
     "mv_prConsC.rpt",
     ocOnly + QStringLiteral(" AND {C_MV_CPTEINSUMOS.IdArticulo} >= 'ART-01'  AND {C_MV_CPTEINSUMOS.IdArticulo} <= 'ART-01' ")
         + notModel + approval,
     byDelivery, {company, ocTitle, allStates, QStringLiteral("Parametros = 'Usuario: '")}},
    {"articles by supplier", "RMC",
     [](FakeWindow& w) {
         w.layout = 10;
         w.tick({0});
     },
     "mv_prConsCP.rpt", rmcOnly + QStringLiteral(" and {C_MV_CPTE.FINALIZADO} = FALSE") + notAnnulled + approval,
     byDelivery,
     {company, rmcTitle, QStringLiteral("ESTADOS = 'Pendiente'"), QStringLiteral("Parametros = 'Pendientes  Usuario: '")}},
    {"articles by supplier and date", "OC", [](FakeWindow& w) { w.layout = 11; }, "mv_prConsCPF.rpt",
     ocOnly + notModel + approval, byDelivery, {company, ocTitle, allStates}},
    {"another kind: no title, states or kind clauses", "PR",
     [](FakeWindow& w) {
         w.tick({0});
         w.modelo.value = 1;
     },
     "mv_prC.rpt", QStringLiteral(" {C_MV_CPTE.TC} = 'PR'"), byDelivery,
     standard({}, {}, QStringLiteral(" (Resumido) - Pendientes  Usuario: "))},
    {"a kind typed in lower case", "oc", [](FakeWindow&) {}, "mv_prC.rpt", ocOnly + notModel, byDelivery,
     standard(ocTitle, allStates, QStringLiteral(" (Resumido) - Usuario: "))},
};

} // namespace

TEST_F(Emission, HandsTheEngineTheReportOfEachWindowState)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log->calls.clear();
        log->subreports = QStringList{QStringLiteral("Rp_CpteIns"), QStringLiteral("Rp_CpteSer"), QStringLiteral("Rp_CpteObs")};
        FakeWindow window(QString::fromLatin1(c.kind));
        c.state(window);
        reports::ImprimirReporte(window);
        const Printed p = only();
        EXPECT_EQ(p.file, QString::fromLatin1(c.file));
        EXPECT_EQ(p.selection, c.selection);
        EXPECT_EQ(p.sort, c.sort);
        EXPECT_EQ(p.formulas, c.formulas);
        EXPECT_EQ(window.gapRuns, 0);
        EXPECT_EQ(window.emptied, 1);
        EXPECT_TRUE(boxes().isEmpty());
    }
}

TEST_F(Emission, EveryLayoutPrintsItsOwnFileOnce)
{
    const QStringList files{"mv_prC.rpt", "MV_PR2C.rpt", "mv_pr3C.rpt", "mv_pr4.rpt", "mv_prC_Usuario.rpt",
                            "mv_pr3C_Usuario.rpt", "mv_pr3C_Estado_Usuario.rpt", "MV_PR2C_xArt.rpt", "mv_prC_IR.rpt",
                            "mv_prConsC.rpt", "mv_prConsCP.rpt", "mv_prConsCPF.rpt"};
    log->subreports = QStringList{QStringLiteral("Rp_CpteIns"), QStringLiteral("Rp_CpteSer"), QStringLiteral("Rp_CpteObs")};
    for (const QString& kind : {QStringLiteral("RMC"), QStringLiteral("OC")})
        for (int layout = 0; layout < 12; ++layout) {
            SCOPED_TRACE(QStringLiteral("%1 layout %2").arg(kind).arg(layout).toStdString());
            log->calls.clear();
            FakeWindow window(kind);
            window.layout = layout;
            reports::ImprimirReporte(window);
            EXPECT_EQ(only().file, files.at(layout));
            EXPECT_EQ(window.gapRuns, layout == 3 ? 1 : 0);
        }
}

TEST_F(Emission, TheGapReportPrintsThisWorkstationsRowsAfterEmptyingTheRangesItDoesNotUse)
{
    app::state().startup.SeccionIni = QStringLiteral("PC'1|ANA");
    FakeWindow window(QStringLiteral("RMC"));
    window.layout = 3;
    window.order = 2;
    window.tick({0});
    window.set("Cliente_desde", QStringLiteral("1001"));
    window.set("Nro_desde", QStringLiteral("00000001"));
    window.set("Fecha_desde", QStringLiteral("01/02/2024"));
    window.set("Usuario_Desde", QStringLiteral("ana"));
    reports::ImprimirReporte(window);

    const Printed p = only();
    EXPECT_EQ(p.file, QStringLiteral("mv_pr4.rpt"));
    EXPECT_EQ(p.selection, QStringLiteral("{AUX_MAYORES.Usuario} = 'PC''1|ANA'"));
    EXPECT_EQ(p.sort, QStringLiteral("+{AUX_MAYORES.NroComprobanteBancario}|"));
    EXPECT_EQ(p.formulas, (QStringList{company, rmcTitle, oneCurrency}));
    EXPECT_EQ(window.gapRuns, 1);
    EXPECT_TRUE(window.text("Cliente_desde").isEmpty());
    EXPECT_TRUE(window.text("Nro_desde").isEmpty());
    EXPECT_EQ(window.text("Fecha_desde"), QStringLiteral("01/02/2024"));
}

TEST_F(Emission, CurrenciesGoToTheHeadingAndToTheReport)
{
    app::state().configuration.UsaMultiplesMonedas = true;
    FakeWindow window(QStringLiteral("OC"));
    window.moneda = QStringLiteral("Dólar");
    window.monedaIndex = 1;
    window.set("Fecha_desde", QStringLiteral("01/02/2024"));
    reports::ImprimirReporte(window);
    EXPECT_EQ(only().formulas,
              standard(ocTitle, allStates, QStringLiteral(" (Resumido) - Usuario: "),
                       QStringLiteral("ORDENADO = 'Fechas: 01/02/2024   Moneda: Dólar '"), QStringLiteral("ENQUEMONEDA = '2'")));

    log->calls.clear();
    window.moneda.clear();
    window.monedaIndex = -1;
    reports::ImprimirReporte(window);
    EXPECT_EQ(only().formulas.value(3), QStringLiteral("ENQUEMONEDA = '1'")) << "no choice is the default currency";

    log->calls.clear();
    app::state().configuration.UsaMultiplesMonedas = false;
    window.moneda = QStringLiteral("Dólar");
    window.monedaIndex = 1;
    reports::ImprimirReporte(window);
    EXPECT_EQ(only().formulas.value(3), oneCurrency);
    EXPECT_EQ(only().formulas.value(4), QStringLiteral("ORDENADO = 'Fechas: 01/02/2024    '"));
}

TEST_F(Emission, ACompanyNameWithAnApostropheIsQuoted)
{
    setConfig(QStringLiteral("NOMBRE"), QStringLiteral("  D'Alessandro Hnos. "));
    FakeWindow window(QStringLiteral("OC"));
    reports::ImprimirReporte(window);
    EXPECT_EQ(only().formulas.value(0), QStringLiteral("Nombreempresa = 'D''Alessandro Hnos.'"));
}

TEST_F(Emission, ABadRangeShowsItsMessageAndPrintsNothing)
{
    struct Bad {
        const char* from;
        const char* to;
        const char* desde;
        const char* hasta;
        QString message;
    };
    const QList<Bad> bad = {
        {"Fecha_desde", "Fecha_Hasta", "10/02/2024", "01/02/2024",
         QStringLiteral("Fecha Desde Mayor que Hasta , Campo : {C_MV_CPTE.Fecha}")},
        {"Fecha_desde", "Fecha_Hasta", "", "31/02/2024", QStringLiteral("Fecha Hasta Incorrecta , Campo : {C_MV_CPTE.Fecha}")},
        {"Fecha_desde", "Fecha_Hasta", "30/02/2024", "", QStringLiteral("Fecha Desde Incorrecta , Campo : {C_MV_CPTE.Fecha}")},
        {"Vto_desde", "Vto_Hasta", "02/02/2024", "01/02/2024",
         QStringLiteral("Fecha Desde Mayor que Hasta , Campo : {C_MV_CPTE.FechaEntrega}")},
        {"Cliente_desde", "Cliente_Hasta", "2000", "1000", QStringLiteral("Desde Mayor que Hasta, Campo : {C_MV_CPTE.Cuenta}")},
        {"Motivo_Desde", "Motivo_Hasta", "b", "A", QStringLiteral("Desde Mayor que Hasta, Campo : {C_MV_CPTE.IdMotivoCpraVta}")},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.message.toStdString());
        dialogs.clear();
        log->calls.clear();
        FakeWindow window(QStringLiteral("RMC"));
        window.set(b.from, QString::fromLatin1(b.desde));
        window.set(b.to, QString::fromLatin1(b.hasta));
        reports::ImprimirReporte(window);
        EXPECT_TRUE(log->calls.isEmpty()) << log->calls.join(u'\n').toStdString();
        ASSERT_EQ(boxes().size(), 1);
        EXPECT_EQ(boxes().at(0).text, b.message);
        EXPECT_EQ(boxes().at(0).title, QStringLiteral("Aviso al operador..."));
        EXPECT_EQ(boxes().at(0).style, 64);
    }

    // The gap layout uses the document dates: a bad one builds no rows either.
    dialogs.clear();
    FakeWindow gaps(QStringLiteral("RMC"));
    gaps.layout = 3;
    gaps.set("Fecha_desde", QStringLiteral("10/02/2024"));
    gaps.set("Fecha_Hasta", QStringLiteral("01/02/2024"));
    gaps.set("Cliente_desde", QStringLiteral("2000"));   // emptied first: never reported
    gaps.set("Cliente_Hasta", QStringLiteral("1000"));
    reports::ImprimirReporte(gaps);
    EXPECT_EQ(gaps.gapRuns, 0);
    EXPECT_TRUE(log->calls.isEmpty());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().at(0).text, QStringLiteral("Fecha Desde Mayor que Hasta , Campo : {C_MV_CPTE.Fecha}"));
}

// A range of document numbers, as the emission hands it to the engine, selects on the demo what
// plain SQL selects, for both kinds: a number typed without its letter stands for every letter of
// that number at either end of the range (a point of sale typed alone, for all its numbers); a
// letter typed keeps the documents of its number on its side of it. A reversed range is refused.
TEST_F(Emission, ADocumentNumberRangeSelectsEveryLetterOfANumberTypedWithoutOne)
{
    const ReportsDemo& demo = ReportsDemo::shared();
    const struct {
        QString kind, where;
    } kinds[] = {{QStringLiteral("OC"), QStringLiteral("TC = 'OC' AND Sucursal <> '9990'")},
                 {QStringLiteral("RMC"), QStringLiteral("TC = 'RMC' AND Anulada = 0")}};
    for (const auto& k : kinds) {
        const QStringList ids = demo.column(
            QStringLiteral("SELECT IdComprobante FROM C_MV_CPTE WHERE %1 AND Sucursal = '0001' ORDER BY IdComprobante").arg(k.where));
        ASSERT_GT(ids.size(), 20);
        const QString first = ids.at(ids.size() / 4).mid(4, 8), last = ids.at(ids.size() / 2).mid(4, 8);
        const QChar letter = ids.at(0).back();
        const QString same(letter), before(QChar(letter.unicode() - 1)), after(QChar(letter.unicode() + 1));
        const QString numbered = QStringLiteral(" AND LEFT(IdComprobante, 12) >= '0001%1' AND LEFT(IdComprobante, 12) <= '0001%2'");
        const QString notFirst = QStringLiteral(" AND IdComprobante > '0001%1%2'").arg(first, same);
        const QString notLast = QStringLiteral(" AND IdComprobante < '0001%1%2'").arg(last, same);
        const struct {
            QString nroDesde, letraDesde, sucursalHasta, nroHasta, letraHasta, where;
        } ranges[] = {
            {first, {}, QStringLiteral("0001"), last, {}, numbered.arg(first, last)},
            {first, same, QStringLiteral("0001"), last, {}, numbered.arg(first, last)},
            {first, after, QStringLiteral("0001"), last, {}, numbered.arg(first, last) + notFirst},
            {first, {}, QStringLiteral("0001"), last, same, numbered.arg(first, last)},
            {first, {}, QStringLiteral("0001"), last, before, numbered.arg(first, last) + notLast},
            {first, same, QStringLiteral("0001"), last, same, numbered.arg(first, last)},
            {first, after, QStringLiteral("0001"), last, before, numbered.arg(first, last) + notFirst + notLast},
            {first, {}, QStringLiteral("0001"), first, {}, numbered.arg(first, first)},
            {last, same, QStringLiteral("0001"), last, {}, numbered.arg(last, last)},
            {first, {}, QStringLiteral("0001"), {}, {}, numbered.arg(first, QStringLiteral("99999999"))},
        };
        for (const auto& r : ranges) {
            SCOPED_TRACE(QStringLiteral("%1 0001-%2%3 to %4-%5%6").arg(k.kind, r.nroDesde, r.letraDesde, r.sucursalHasta,
                                                                         r.nroHasta, r.letraHasta).toStdString());
            log->calls.clear();
            FakeWindow window(k.kind);
            window.set("Sucursal_desde", QStringLiteral("0001"));
            window.set("Nro_desde", r.nroDesde);
            window.set("Letra_Desde", r.letraDesde);
            window.set("Sucursal_Hasta", r.sucursalHasta);
            window.set("Nro_Hasta", r.nroHasta);
            window.set("Letra_Hasta", r.letraHasta);
            reports::ImprimirReporte(window);
            const QString selection = only().selection;
            const QStringList expected = demo.idsWhere(k.where + r.where);
            EXPECT_FALSE(expected.isEmpty());
            EXPECT_EQ(selectedOnTheDemo(selection), expected) << selection.toStdString();
            EXPECT_TRUE(boxes().isEmpty());
        }

        dialogs.clear();
        log->calls.clear();
        FakeWindow reversed(k.kind);
        reversed.set("Sucursal_desde", QStringLiteral("0001"));
        reversed.set("Nro_desde", last);
        reversed.set("Sucursal_Hasta", QStringLiteral("0001"));
        reversed.set("Nro_Hasta", first);
        reports::ImprimirReporte(reversed);
        EXPECT_TRUE(log->calls.isEmpty());
        ASSERT_EQ(boxes().size(), 1);
        EXPECT_EQ(boxes().at(0).text, QStringLiteral("Desde Mayor que Hasta, Campo : {C_MV_CPTE.IdComprobante}"));
        dialogs.clear();
    }
}

TEST_F(Emission, SetsThePrintOptionsAndTheValueAfterPrinting)
{
    FakeWindow window(QStringLiteral("OC"));
    reports::ImprimirReporte(window);
    const kit::DLL_Print& print = app::gImpresion();
    EXPECT_TRUE(print.OpcionA);
    EXPECT_FALSE(print.OpcionB);
    EXPECT_TRUE(print.OpcionC);
    EXPECT_EQ(print.ValorPosterior, 20);
    EXPECT_TRUE(log->calls.contains(QStringLiteral("logon DSN=DEMO; UID=DEMO; PWD=DEMO")));
    EXPECT_TRUE(log->calls.contains(QStringLiteral("destination screen")));
}

TEST_F(Emission, AMissingReportFilePrintsNothingAndLeavesNothingForTheNextReport)
{
    QFile::remove(program(QStringLiteral("mv_prC.rpt")));
    FakeWindow window(QStringLiteral("OC"));
    reports::ImprimirReporte(window);
    EXPECT_TRUE(printed().isEmpty());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().at(0).text.contains(QLatin1String("mv_prC")));

    // The summary's family is checked together: the statistic prints, the summary is warned of.
    dialogs.clear();
    window.layout = 2;
    reports::ImprimirReporte(window);
    EXPECT_EQ(only().file, QStringLiteral("mv_pr3C.rpt"));
    EXPECT_EQ(boxes().size(), 1);

    log->calls.clear();
    window.layout = 5;
    reports::ImprimirReporte(window);
    EXPECT_EQ(only().formulas, standard(ocTitle, allStates));   // no Parametros left from the first try
}

TEST_F(Emission, TheDetailedLayoutNeedsItsSubReports)
{
    FakeWindow window(QStringLiteral("OC"));
    window.layout = 1;
    log->subreports = QStringList{QStringLiteral("Rp_CpteIns"), QStringLiteral("Rp_CpteSer")};
    try {
        reports::ImprimirReporte(window);
        FAIL() << "a report without the sub-report printed";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), kit::DLL_Print::ErrorReporte);
        EXPECT_TRUE(e.description().contains(QLatin1String("Rp_CpteObs"))) << e.description().toStdString();
    }
}

TEST_F(Emission, AFailureOfTheEngineReachesTheCallerWithoutThePassword)
{
    app::state().startup.ConexionDSN = QStringLiteral("DSN=DEMO; UID=DEMO; PWD=S3creta");
    log->failRunWith = QStringLiteral("no se pudo abrir DSN=DEMO; UID=DEMO; PWD=S3creta");
    FakeWindow window(QStringLiteral("RMC"));
    try {
        reports::ImprimirReporte(window);
        FAIL() << "the failure was swallowed";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), kit::DLL_Print::ErrorReporte);
        EXPECT_FALSE(e.description().contains(QLatin1String("S3creta")));
    }
    EXPECT_EQ(app::gImpresion().ValorPosterior, 0);
}

TEST(EmissionStates, FormulaEstadosCountsTickedAndVisibleBoxes)
{
    struct StatesCase {
        const char* what;
        QList<CheckState> boxes;
        QString expected;
    };
    const QString all = allStates;
    const QList<StatesCase> table = {
        {"none", {}, all},
        {"none ticked", {{0, true, "Pendiente"}, {0, true, "Anulada"}}, all},
        {"ticked but hidden", {{1, false, "Pendiente"}}, all},
        {"pending and invoiced: three words", {{1, true, "Pendiente"}, {1, true, "Finalizada,Facturado"}},
         QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Facturado'")},
        {"a greyed box counts", {{0, true, "Pendiente"}, {2, true, "Vencido"}}, QStringLiteral("ESTADOS = 'Vencido'")},
        {"hidden boxes between", {{1, true, "Pendiente"}, {1, false, "Bloqueada"}, {1, true, "Cerrada"}},
         QStringLiteral("ESTADOS = 'Pendiente,Cerrada'")},
    };
    for (const StatesCase& c : table) {
        SCOPED_TRACE(c.what);
        FakeWindow window(QStringLiteral("OC"));
        window.states = c.boxes;
        EXPECT_EQ(reports::FormulaEstados(window), c.expected);
    }
}
