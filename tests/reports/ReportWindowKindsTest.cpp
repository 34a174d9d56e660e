// The window as each report kind shows it, its controls as the saved states, the templates and
// the emission find them, its load sequence and its command bar's style.
#include "ReportWindowTestBase.h"

#include "commandbar/TBarRep.h"
#include "kit/ControlesForm.h"
#include "kit/Sistema.h"
#include "app/AppModule.h"
#include "reports/ReportKind.h"
#include "reports/ReportWindowLinks.h"
#include "ui/Control.h"
#include "ui/Twips.h"
#include "vb/Error.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

using reports::ReportControls;
using reports::ReportKind;

namespace {

// Captions of the controls of a kind that are on screen, in index order.
QStringList shownCaptions(const auto& controls)
{
    QStringList shown;
    for (auto* control : controls)
        if (ReportKind::shown(control))
            shown << control->text();
    return shown;
}

} // namespace

class ReportWindowKinds : public ReportWindowTest {};

TEST_F(ReportWindowKinds, DeliveryNotesShowTheirCaptionsLayoutsAndStates)
{
    open("RMC");
    EXPECT_EQ(window().windowTitle(), "Reporte de Remitos");
    EXPECT_EQ(c().FrmTipo->title(), "Remitos");
    EXPECT_EQ(shownCaptions(c().OptTipo),
              QStringList({"&Resumido", "&Detallado", "&Estadístico", "&Control de Huecos", "Resumido (por &Usuario)",
                           "&Estadístico (por &Usuario)", "&Estadístico (por &Estado - &Usuario)",
                           "&Consolidado de  Artículos", "&Consolidado de  Art/proveedor",
                           "&Consolidado de  Art/prov/Fecha"}));
    EXPECT_EQ(shownCaptions(c().chkestado), QStringList({"&Pendiente", "Facturado", "&Anulado", "&Recepcionado", "&Vencido"}));
    EXPECT_FALSE(ReportKind::shown(c().ChkGarantia));
    EXPECT_FALSE(ReportKind::shown(c().ChkModelo));
    EXPECT_FALSE(ReportKind::shown(c().CmbMoneda));
    EXPECT_FALSE(ReportKind::shown(c().frmArt));
    EXPECT_EQ(window().TcoReporte(), "RMC");
    EXPECT_EQ(window().TablaReporte(), "C_MV_CPTE");
}

TEST_F(ReportWindowKinds, PurchaseOrdersShowTheirCaptionsLayoutsAndStates)
{
    open("OC");
    EXPECT_EQ(window().windowTitle(), "Reporte de Ordenes de Compra");
    EXPECT_EQ(c().FrmTipo->title(), "Orden de Compra");
    EXPECT_EQ(shownCaptions(c().OptTipo),
              QStringList({"&Resumido", "&Detallado", "&Estadístico", "Resumido (por &Usuario)",
                           "&Estadístico (por &Usuario)", "&Estadístico (por &Estado - &Usuario)", "Detallado por Artículo",
                           "Resumido (por IR)", "&Consolidado de  Artículos", "&Consolidado de  Art/proveedor",
                           "&Consolidado de  Art/prov/Fecha"}));
    EXPECT_EQ(shownCaptions(c().chkestado), QStringList({"&Pendiente", "Facturado", "&Anulado", "&Bloqueado", "&Cerrado",
                                                         "&Recepcionado", "&Vencido"}));
    EXPECT_TRUE(ReportKind::shown(c().ChkGarantia));
    EXPECT_EQ(c().ChkGarantia->text(), "Mostrar solamente los comprobantes por Garantía");
    EXPECT_TRUE(ReportKind::shown(c().ChkModelo));
    EXPECT_EQ(c().ChkModelo->text(), "&OC Modelo");
    EXPECT_FALSE(ReportKind::shown(c().CmbMoneda));
}

TEST_F(ReportWindowKinds, KindPrKeepsTheDesign)
{
    for (const QString kind : {"PR", " pr "}) {
        open(kind);
        EXPECT_EQ(window().windowTitle(), "Reporte de Remitos");
        EXPECT_EQ(c().FrmTipo->title(), "Nº de Presupuesto");
        EXPECT_EQ(c().chkestado[1]->text(), "&Finalizado/Facturado");
        EXPECT_TRUE(ReportKind::shown(c().ChkGarantia));
        EXPECT_TRUE(ReportKind::shown(c().ChkModelo));
        EXPECT_TRUE(ReportKind::shown(c().OptTipo[8]));
        for (int hidden : {3, 7})
            EXPECT_FALSE(ReportKind::shown(c().OptTipo[size_t(hidden)])) << hidden;
        EXPECT_FALSE(ReportKind::shown(c().chkestado[3]));
        EXPECT_FALSE(ReportKind::shown(c().chkestado[4]));
    }
}

// The design's title is the delivery notes': without a kind, or with one it does not know, the
// window is the delivery-note window throughout, and prints delivery notes.
TEST_F(ReportWindowKinds, NoKindOrAnUnknownOneIsTheDeliveryNoteWindow)
{
    recordLinks();
    for (const QString kind : {"", "XYZ"}) {
        linkCalls.clear();
        open(kind);
        EXPECT_EQ(window().TcoReporte(), "RMC");
        EXPECT_EQ(window().windowTitle(), "Reporte de Remitos");
        EXPECT_EQ(c().FrmTipo->title(), "Remitos");
        EXPECT_EQ(c().chkestado[1]->text(), "Facturado");
        EXPECT_TRUE(ReportKind::shown(c().OptTipo[3]));
        for (QWidget* hidden : {static_cast<QWidget*>(c().OptTipo[8]), static_cast<QWidget*>(c().ChkGarantia),
                                static_cast<QWidget*>(c().ChkModelo)})
            EXPECT_FALSE(ReportKind::shown(hidden)) << hidden->objectName().toStdString();
        EXPECT_TRUE(linkCalls.contains("cargarPlantilla Rp_QuindalRMC")) << linkCalls.join('\n').toStdString();
        clickBarItem(0);
        EXPECT_TRUE(linkCalls.contains("imprimirReporte RMC")) << linkCalls.join('\n').toStdString();
    }
}

TEST_F(ReportWindowKinds, KindIsReadTrimmedAndWithoutRegardToCaseButKeyedAsTyped)
{
    recordLinks();
    open(" rmc ");
    EXPECT_EQ(window().TcoReporte(), "rmc");
    EXPECT_EQ(c().FrmTipo->title(), "Remitos");
    EXPECT_TRUE(ReportKind::shown(c().OptTipo[3]));
    EXPECT_TRUE(linkCalls.contains("cargarPlantilla Rp_Quindalrmc")) << linkCalls.join('\n').toStdString();
}

TEST_F(ReportWindowKinds, LoadStartsTheApplicationFirstThenStylesStatesAndTemplate)
{
    recordLinks();
    open("OC");
    EXPECT_EQ(linkCalls, QStringList({"iniciarAplicacion", "aplicarEstiloFormulario Rp_Quindal True",
                                      "cargarConfigForm Rp_Quindal [] []", "llenarPlantillas Rp_QuindalOC",
                                      "cargarPlantilla Rp_QuindalOC"}));
    EXPECT_EQ(c().CboPlantilla->currentText(), "General");
    // Shown, the window starts on the first box the operator fills, which has a calendar.
    EXPECT_EQ(focusedField(), ReportControls::FechaDesde);
    EXPECT_TRUE(c().TBarRep1->ConsultaEnabled().toBool());
}

TEST_F(ReportWindowKinds, AFailingLoadStepIsRetriedAloneOrPassedOver)
{
    recordLinks();
    reports::ReportWindowLinks& links = reports::ReportWindowLinks::current();
    const auto styles = links.aplicarEstiloFormulario;
    int failures = 1;
    links.aplicarEstiloFormulario = [&](QWidget* form, bool plano) {
        styles(form, plano);
        if (failures-- > 0)
            throw vb::Error(3709, "La conexión no se puede usar.");
    };
    // Retry runs the style again, not the start-up.
    dialogs.pushMsgBoxAnswer(ui::vbRetry);
    open("OC");
    EXPECT_EQ(linkCalls.filter("iniciarAplicacion").size(), 1);
    EXPECT_EQ(linkCalls.filter("aplicarEstiloFormulario").size(), 2);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().title.contains("Form_Load")) << boxes().first().title.toStdString();

    // Ignore goes on with the load: the kind, the saved state and the template.
    linkCalls.clear();
    failures = 1;
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    open("OC");
    EXPECT_EQ(window().windowTitle(), "Reporte de Ordenes de Compra");
    EXPECT_EQ(linkCalls.filter("cargarPlantilla").size(), 1) << linkCalls.join('\n').toStdString();
}

TEST_F(ReportWindowKinds, LoadDisablesTheConsultItemUntilABoxWithALookupHasTheFocus)
{
    reports::ReportWindowLinks::current().iniciarAplicacion = [] { app::state().startup.ParametroAdicional = "RMC"; };
    reports::Rp_Quindal hidden;
    hidden.controls().TBarRep1->setConsultaEnabled(true);
    hidden.Form_Load();
    EXPECT_FALSE(hidden.controls().TBarRep1->ConsultaEnabled().toBool());
}

TEST_F(ReportWindowKinds, RangeBoxesCarryTheirDataFieldsTagsAndLengths)
{
    open("RMC");
    struct Expected {
        const char* dataField;
        const char* tag;
        int maxLength;
    };
    const Expected expected[ReportControls::FieldCount] = {
        {"Sucursal_desde", "", 32767},          {"Nro_desde", "", 32767},
        {"Letra_Desde", "", 1},                 {"Sucursal_Hasta", "", 32767},
        {"Nro_Hasta", "", 32767},               {"Letra_Hasta", "", 1},
        {"Cliente_desde", "VT_CLIENTES", 15},   {"Cliente_Hasta", "VT_CLIENTES", 15},
        {"Fecha_desde", "fecha", 10},           {"Fecha_Hasta", "fecha", 10},
        {"Vto_Hasta", "fecha", 10},             {"Vto_desde", "fecha", 10},
        {"Motivo_Hasta", "V_TA_MOTIVOCPRA", 15}, {"Motivo_Desde", "V_TA_MOTIVOCPRA", 15},
        {"Usuario_Desde", "TA_USUARIOS", 100},  {"IdArticulo", "V_MA_ARTICULOS", 25},
        {"UNegocio", "V_TA_UNIDADNEGOCIO", 100},
    };
    const QList<QObject*> boxes = ui::Control::array(&window(), "txtFields");
    ASSERT_EQ(boxes.size(), ReportControls::FieldCount);
    for (int i = 0; i < ReportControls::FieldCount; ++i) {
        auto* box = qobject_cast<QLineEdit*>(boxes.at(i));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ui::Control::index(box), i);
        EXPECT_EQ(ui::Control::dataField(box), expected[i].dataField) << i;
        EXPECT_EQ(ui::Control::tag(box), expected[i].tag) << i;
        EXPECT_EQ(box->maxLength(), expected[i].maxLength) << i;
    }
    // The emission asks for names in other letter cases.
    const kit::ControlesForm controles;
    EXPECT_EQ(controles.IndicePorDataField("Sucursal_Desde", window().txtFields()), 0);
    EXPECT_EQ(controles.IndicePorDataField("USUARIO_DESDE", window().txtFields()), 14);
    EXPECT_EQ(controles.IndicePorDataField("UNEGOCIO", window().txtFields()), 16);
}

TEST_F(ReportWindowKinds, OptionsAndFramesCarryTheirNamesIndexesAndTags)
{
    open("OC");
    const QStringList orderTags = {"{C_MV_Cpte.FechaEntrega}", "{C_MV_Cpte.IdComprobante}", "{C_MV_Cpte.Cuenta}"};
    const QList<QObject*> orders = ui::Control::array(&window(), "OptOrden");
    ASSERT_EQ(orders.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ui::Control::tag(orders.at(i)), orderTags.at(i));
    EXPECT_EQ(shownCaptions(c().OptOrden), QStringList({"&Fecha", "&Numero", "&Cuenta"}));

    const QStringList stateTags = {"Pendiente", "Finalizada,Facturado", "Anulada", "Bloqueada", "Cerrada",
                                   "Recepcionada", "Vencido"};
    const QList<QObject*> states = ui::Control::array(&window(), "chkestado");
    ASSERT_EQ(states.size(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(ui::Control::tag(states.at(i)), stateTags.at(i));
    EXPECT_EQ(ui::Control::tag(c().ChkModelo), "Anulada");
    EXPECT_EQ(ui::Control::array(&window(), "OptTipo").size(), 12);

    const QStringList frames = {"Motivo", "Código de Cuenta", "Fecha", "Ordenado por...", "Tipo",
                                "Fecha de Vencimiento", "Usuario", "U. Negocio"};
    const QList<QObject*> frame1 = ui::Control::array(&window(), "Frame1");
    ASSERT_EQ(frame1.size(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(qobject_cast<QGroupBox*>(frame1.at(i))->title(), frames.at(i));
    EXPECT_EQ(qobject_cast<QGroupBox*>(ui::Control::find(&window(), "Frame2"))->title(), "Estado del comprobante");
    EXPECT_EQ(ui::Control::array(&window(), "Label1").size(), 7);
    EXPECT_EQ(ui::Control::array(&window(), "Label2").size(), 5);
    EXPECT_EQ(qobject_cast<QLabel*>(ui::Control::find(&window(), "Label1", 6))->text(), "Artículo:");

    // The template selector as the template procedures find it.
    EXPECT_EQ(ui::Control::find(&window(), "CboPlantilla"), c().CboPlantilla);
    EXPECT_EQ(c().plantillaButton->text(), "  Aplicar Plantilla   ");
    EXPECT_EQ(c().plantillaButton->toolTip(), "Selector de Plantillas");
    QStringList items;
    for (QAction* item : c().plantillaButton->menu()->actions())
        items << item->data().toString() + '=' + item->text();
    EXPECT_EQ(items, QStringList({"Aplicar=Aplicar", "Grabar=Grabar", "Eliminar=Eliminar "}));
    // No layout is chosen at design time; the order by date is.
    for (QRadioButton* option : c().OptTipo)
        EXPECT_FALSE(option->isChecked());
    EXPECT_TRUE(c().OptOrden[0]->isChecked());
}

// On a 1024x768 screen, or made small by the operator, the window takes the size asked and its
// controls scroll; made larger, the range boxes that hold codes take the width, not the
// template name.
TEST_F(ReportWindowKinds, TheWindowShrinksBelowItsControlsAndGivesWidthToTheRanges)
{
    open("RMC");
    const int account = field(ReportControls::ClienteDesde)->width();
    const int date = field(ReportControls::FechaDesde)->width();
    const int plantilla = c().CboPlantilla->width();
    window().resize(800, 520);
    QApplication::processEvents();
    EXPECT_EQ(window().size(), QSize(800, 520));
    window().resize(1600, 1000);
    QApplication::processEvents();
    EXPECT_EQ(window().size(), QSize(1600, 1000));
    EXPECT_GT(field(ReportControls::ClienteDesde)->width(), account + 150);
    EXPECT_GT(field(ReportControls::MotivoHasta)->width(), account + 150);
    EXPECT_EQ(field(ReportControls::FechaDesde)->width(), date);
    EXPECT_LT(c().CboPlantilla->width(), 2 * plantilla);
}

// Made small by the operator, the window is saved so; it opens again with its controls whole, as
// far as the screen has room for them and its frame.
TEST_F(ReportWindowKinds, ASmallerSizeSavedBeforeDoesNotCutTheControls)
{
    open("RMC");
    window().resize(700, 400);
    QApplication::processEvents();
    closeWithEsc();
    open("RMC");
    const QSize frame = window().frameGeometry().size() - window().size();
    ASSERT_FALSE(frame.isEmpty()) << "the platform gives windows no frame";
    const QRect available = window().screen()->availableGeometry();
    EXPECT_EQ(window().size(), window().sizeHint().boundedTo(available.size() - frame));
    EXPECT_TRUE(available.contains(window().frameGeometry()));
}

// Under a window manager's title bar and borders, on a 1280x1024 and on a 1024x768 screen.
TEST_F(ReportWindowKinds, TheControlsFitTheSmallScreensWithoutScrolling)
{
    open("RMC");
    const QSize frame(16, 39);
    const QSize content = window().sizeHint();
    for (const QSize& screen : {QSize(1280, 1024), QSize(1024, 768)}) {
        const QRect opened = ui::Twips::openingBox(QRect(QPoint(40, 40), content), frame, content, QRect(QPoint(), screen));
        EXPECT_EQ(opened.size() - frame, content) << screen.width() << "x" << screen.height();
    }
}

TEST_F(ReportWindowKinds, BarStyleIsTheIniStyleNumberPlusOne)
{
    const QString section = kit::Sistema().NombreUsuarioSistema().toUpper() + "_DEMOStyles";
    struct Case {
        const char* line;   // nullptr: no key at all
        int estilo;
    };
    for (const Case& test : {Case{nullptr, 5}, Case{"4", 5}, Case{"2,5", 3}, Case{"2.5", 4}, Case{"x", 1},
                             Case{"", 1}, Case{"0", 1}, Case{" 3", 4}}) {
        QFile ini(m_programDir.filePath("vu000va.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (test.line)
            ini.write(("[" + section + "]\r\nStyles=" + test.line + "\r\n").toLatin1());
        ini.close();
        open("RMC");
        EXPECT_EQ(c().TBarRep1->Estilo(), test.estilo) << (test.line ? test.line : "(none)");
    }
}
