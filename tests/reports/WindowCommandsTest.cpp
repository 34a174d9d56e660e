// The command bar's commands on the window, keys handed to the bar from any control, and
// closing: the state is saved for the next start, whether the bar or the window's own close box
// closes it.
#include "ReportWindowTestBase.h"

#include "app/SharedObjects.h"
#include "commandbar/TBarRep.h"
#include "kit/DLL_Print.h"
#include "kit/RecordingPrintEngine.h"
#include "reports/ReportKind.h"
#include "reports/ReportWindowLinks.h"
#include "support/TestPaths.h"
#include "vb/Error.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <stdexcept>

using C = reports::ReportControls;
using reports::ReportKind;
using reports::ReportWindowLinks;

class WindowCommands : public ReportWindowTest {
protected:
    const QString valuesNotSaved = QStringLiteral("No se pudieron guardar los valores de esta ventana");
    QStringList printed() const { return linkCalls.filter(QRegularExpression("^(fijarDestino|imprimirReporte)")); }
};

TEST_F(WindowCommands, ScreenAndPrinterSetTheDestinationThenPrint)
{
    recordLinks();
    open("RMC");
    clickBarItem(0);
    clickBarItem(1);
    emit c().TBarRep1->click("PANTALLA");
    emit c().TBarRep1->click("impresora");
    EXPECT_EQ(printed(), QStringList({"fijarDestino 0", "imprimirReporte RMC", "fijarDestino 1", "imprimirReporte RMC",
                                      "fijarDestino 0", "imprimirReporte RMC", "fijarDestino 1",
                                      "imprimirReporte RMC"}));
    // The message item and unknown texts do nothing.
    linkCalls.clear();
    clickBarItem(3);
    emit c().TBarRep1->click("GRABAR");
    EXPECT_TRUE(linkCalls.isEmpty());
    EXPECT_TRUE(window().isVisible());
}

TEST_F(WindowCommands, PrintDestinationReachesTheSharedPrintObject)
{
    open("OC");
    clickBarItem(1);
    EXPECT_EQ(app::gImpresion().Destino(), kit::DLL_Print::DestinoImpresora);
    clickBarItem(0);
    EXPECT_EQ(app::gImpresion().Destino(), kit::DLL_Print::DestinoPantalla);
}

TEST_F(WindowCommands, AnErrorOfThePrintGoesToTheErrorHandler)
{
    open("RMC");
    ReportWindowLinks::current().imprimirReporte = [](reports::Rp_Quindal&) {
        throw vb::Error(20500, "No se pudo abrir el reporte.");
    };
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    clickBarItem(0);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().text.contains("No se pudo abrir el reporte.")) << boxes().first().text.toStdString();
    EXPECT_TRUE(moduleLog().contains("TBarRep1_click"));
    EXPECT_TRUE(window().isVisible());
}

// A report that runs short of memory is told as a report that could not be issued, never as the
// runtime's bare error 7, and the window goes on.
TEST_F(WindowCommands, AReportShortOfMemoryIsToldAndTheWindowGoesOn)
{
    const auto log = recordReports();
    log->runOutOfMemory = true;
    open("RMC");
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    clickBarItem(0);
    ASSERT_EQ(boxes().size(), 1);
    const QRegularExpression told("^Ha ocurrido el Siguiente Error \\(20500\\) No se pudo emitir el reporte \\S+: la memoria no "
                                  "alcanza para armar el reporte; pruebe con un rango más chico$");
    EXPECT_TRUE(told.match(boxes().first().text).hasMatch()) << boxes().first().text.toStdString();
    EXPECT_TRUE(window().isVisible());

    log->runOutOfMemory = false;
    clickBarItem(0);
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_EQ(log->calls.count("run"), 2);
}

TEST_F(WindowCommands, KeysOfAnyControlReachTheBar)
{
    recordLinks();
    open("RMC");
    typeInto(C::MotivoDesde, "0001");
    answerList("0002");
    press(Qt::Key_F5);
    EXPECT_EQ(field(C::MotivoDesde)->text(), "0002");
    // From an option button: F5 opens nothing while the Consult item follows a box without a
    // lookup; Esc closes from anywhere.
    focusField(C::NroDesde);
    focus(c().OptTipo[0]);
    press(Qt::Key_F5);
    EXPECT_EQ(listRequests.size(), 1);
    closeWithEsc();
    EXPECT_TRUE(linkCalls.contains("guardarConfigForm Rp_Quindal [] [] False"));
}

TEST_F(WindowCommands, ADisabledBarAnswersNoKeyAndNoClick)
{
    recordLinks();
    open("RMC");
    linkCalls.clear();
    c().TBarRep1->setEnabled(false);
    typeInto(C::MotivoDesde, "0001");
    press(Qt::Key_F5);
    EXPECT_NO_THROW(press(Qt::Key_Escape));
    clickBarItem(0);
    EXPECT_TRUE(listRequests.isEmpty());
    EXPECT_TRUE(linkCalls.isEmpty()) << linkCalls.join('\n').toStdString();
    EXPECT_TRUE(window().isVisible());
}

// A site keeps its own icons in the img_menu folder of the INI's PathSistema.
TEST_F(WindowCommands, TheBarTakesItsIconsFromTheSitesFolder)
{
    const QString folder = m_programDir.filePath("sitio/img_menu");
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    ASSERT_TRUE(icon.save(folder + "/PANTALLA.png"));
    writeProgramFile("vu000va.ini", "[BrixGestion]\r\nPathSistema=" + m_programDir.filePath("sitio") + "\r\n");
    open("RMC");
    EXPECT_EQ(c().TBarRep1->ImageFolder(), folder + "/");
    EXPECT_EQ(c().TBarRep1->shownIconFile(0), folder + "/PANTALLA.png");
    EXPECT_TRUE(c().TBarRep1->shownIconFile(1).isEmpty());
    EXPECT_FALSE(c().TBarRep1->ImpresoraCheckable());   // the window's design says so
}

TEST_F(WindowCommands, EveryBarCaptionIsShownWholeAndUncondensed)
{
    open("RMC");
    commandbar::TBarRep* bar = c().TBarRep1;
    ASSERT_EQ(bar->ItemCount(), 5);
    for (int i = 0; i < bar->ItemCount(); ++i) {
        const QString caption = bar->items().at(i).Caption;
        EXPECT_EQ(bar->shownCaption(i), caption) << caption.toStdString();
        EXPECT_EQ(bar->captionLabel(i)->font().stretch(), QFont::Unstretched) << caption.toStdString();
    }
}

TEST_F(WindowCommands, EscOnAnOpenListClosesTheListNotTheWindow)
{
    recordLinks();
    open("RMC");
    QComboBox* templates = c().CboPlantilla;
    templates->addItems({"Huecos 2024", "Mensual"});
    focus(templates);
    templates->showPopup();
    QWidget* list = templates->view();
    ASSERT_TRUE(list->isVisible());
    EXPECT_NO_THROW(QTest::keyClick(list, Qt::Key_Escape));
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(linkCalls.filter("guardarConfigForm").isEmpty());

    // The list's other keys are its own too: F5 there opens no lookup of the last box.
    focusField(C::MotivoDesde);
    focus(templates);
    templates->showPopup();
    QTest::keyClick(list, Qt::Key_F5);
    EXPECT_TRUE(listRequests.isEmpty());
    QTest::keyClick(list, Qt::Key_Escape);
    // Once the list is closed, Esc on the box closes the window as from any control.
    closeWithEsc();
}

TEST_F(WindowCommands, CloseFromTheBarEndsTheProgramAfterSaving)
{
    recordLinks();
    open("OC");
    typeInto(C::FechaDesde, "01/03/2024");
    c().OptTipo[2]->setChecked(true);
    c().chkestado[3]->setChecked(true);
    EXPECT_THROW(clickBarItem(4), vb::EndRequested);
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(linkCalls.filter("guardarConfigForm").size(), 1);

    open("OC");
    EXPECT_EQ(field(C::FechaDesde)->text(), "01/03/2024");
    EXPECT_TRUE(c().OptTipo[2]->isChecked());
    EXPECT_TRUE(c().chkestado[3]->isChecked());
}

TEST_F(WindowCommands, CloseBoxSavesAsTheBarDoes)
{
    open("OC");
    typeInto(C::UsuarioDesde, "COMPRAS");
    c().OptOrden[2]->setChecked(true);
    c().ChkGarantia->setChecked(true);
    EXPECT_THROW(window().close(), vb::EndRequested);
    EXPECT_FALSE(window().isVisible());

    open("OC");
    EXPECT_EQ(field(C::UsuarioDesde)->text(), "COMPRAS");
    EXPECT_TRUE(c().OptOrden[2]->isChecked());
    EXPECT_TRUE(c().ChkGarantia->isChecked());
}

TEST_F(WindowCommands, CloseEndsTheProgramEvenWhenSavingFails)
{
    open("RMC");
    ReportWindowLinks::current().guardarConfigForm = [](QWidget*, const QString&, const QString&, bool) -> bool {
        throw vb::Error(3709, "La conexión no se puede usar.");
    };
    closeWithEsc();
    EXPECT_FALSE(window().isVisible());

    // Any other failure too, from the bar and from the close box; none reaches Qt's event loop.
    const auto failing = [] {
        ReportWindowLinks::current().guardarConfigForm = [](QWidget*, const QString&, const QString&, bool) -> bool {
            throw std::runtime_error("sin memoria para la consulta");
        };
    };
    open("RMC");
    failing();
    closeWithEsc();
    EXPECT_FALSE(window().isVisible());
    open("OC");
    failing();
    EXPECT_THROW(window().close(), vb::EndRequested);
    EXPECT_FALSE(window().isVisible());
    // Each close told the operator, once, that the values were not saved.
    EXPECT_EQ(messages().filter(valuesNotSaved).size(), 3) << messages().join('\n').toStdString();
    EXPECT_EQ(boxes().size(), 3);
}

// As with a database opened read-only: the database refuses the window's rows.
TEST_F(WindowCommands, ValuesTheDatabaseRefusesToSaveAreToldOnceAndTheWindowCloses)
{
    open("RMC");
    typeInto(C::FechaDesde, "01/03/2024");
    closeWithEsc();
    ASSERT_TRUE(boxes().isEmpty()) << messages().join('\n').toStdString();

    open("RMC");
    refuseInserts(QStringLiteral("TA_CONFIG_FORM"));
    typeInto(C::FechaDesde, "15/03/2024");
    closeWithEsc();
    EXPECT_FALSE(window().isVisible());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().text, "No se pudieron guardar los valores de esta ventana (fechas, rangos, tipo, orden y "
                                    "estados elegidos): la base de datos no aceptó los cambios. La próxima vez se abrirá "
                                    "con los valores guardados antes.");
    EXPECT_EQ(boxes().first().title, "Aviso al Operador");
    EXPECT_EQ(boxes().first().style, ui::vbExclamation);

    // And so it does.
    open("RMC");
    EXPECT_EQ(field(C::FechaDesde)->text(), "01/03/2024");
}

TEST_F(WindowCommands, StateSavedUnderAnotherKindNeverShowsAHiddenChoice)
{
    open("OC");
    c().OptTipo[7]->setChecked(true);   // by article: only purchase orders have it
    c().chkestado[3]->setChecked(true);
    c().chkestado[4]->setChecked(true);
    c().ChkGarantia->setChecked(true);
    c().ChkModelo->setChecked(true);
    closeWithEsc();

    open("RMC");
    EXPECT_FALSE(c().OptTipo[7]->isChecked());
    EXPECT_TRUE(c().OptTipo[0]->isChecked());
    EXPECT_FALSE(ReportKind::shown(c().frmArt));
    EXPECT_FALSE(c().chkestado[3]->isChecked());
    EXPECT_FALSE(c().chkestado[4]->isChecked());
    EXPECT_FALSE(c().ChkGarantia->isChecked());
    EXPECT_FALSE(c().ChkModelo->isChecked());
}
