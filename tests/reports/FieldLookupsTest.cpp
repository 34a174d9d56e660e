// Looking up a range box: the right button, F5 and the Consult item open the lookup of the
// box's Tag; the chosen code is written back, checked and the focus moves on, as after Enter.
#include "ReportWindowTestBase.h"

#include "commandbar/TBarRep.h"
#include "kit/DatePickerDialog.h"
#include "lookup/Consultas.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/LookupWindows.h"
#include "lookup/MaskFile.h"
#include "reports/FieldLookups.h"
#include "ui/ScriptedDialogService.h"
#include "vb/Error.h"

#include <QApplication>
#include <QFile>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using C = reports::ReportControls;

class FieldLookups : public ReportWindowTest {
protected:
    void SetUp() override { open("OC"); }

    const lookup::ListLookupRequest& lastRequest() const { return listRequests.last(); }
    bool asked(const QString& table) const
    {
        return !listRequests.isEmpty() && lastRequest().sql.contains(table, Qt::CaseInsensitive);
    }
};

TEST_F(FieldLookups, SupplierListWritesTheCodeBackAndMovesOn)
{
    setConfig("UsaConsultaLIKE", "NO");
    answerList("21100002");
    rightClick(C::ClienteDesde);
    ASSERT_EQ(listRequests.size(), 1);
    EXPECT_TRUE(asked("VT_Proveedores")) << lastRequest().sql.toStdString();
    EXPECT_EQ(lastRequest().CampoDevuelto, "CODIGO");
    EXPECT_FALSE(lastRequest().CheckBoxes);
    EXPECT_EQ(field(C::ClienteDesde)->text(), "21100002");
    EXPECT_EQ(focusedField(), C::ClienteHasta);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(FieldLookups, CancelledSupplierSearchLeavesTheBoxAndTheFocus)
{
    setConfig("UsaConsultaLIKE", "SI");
    typeInto(C::ClienteHasta, "2110");
    cancelList();
    press(Qt::Key_F5);
    EXPECT_EQ(listRequests.size(), 1);
    EXPECT_EQ(field(C::ClienteHasta)->text(), "2110");
    EXPECT_EQ(focusedField(), C::ClienteHasta);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(FieldLookups, SupplierSearchStartsFromTheTypedTextWhenTheSuiteSearchesByParts)
{
    setConfig("UsaConsultaLIKE", "SI");
    typeInto(C::ClienteDesde, "O'Br");
    answerList("21100003");
    press(Qt::Key_F5);
    ASSERT_EQ(listRequests.size(), 1);
    EXPECT_TRUE(asked("VT_Proveedores")) << lastRequest().sql.toStdString();
    EXPECT_TRUE(lastRequest().sql.contains("LIKE '%O''Br%'", Qt::CaseInsensitive)) << lastRequest().sql.toStdString();
    EXPECT_EQ(field(C::ClienteDesde)->text(), "21100003");
    EXPECT_EQ(focusedField(), C::ClienteHasta);
}

// Without supplier columns in the mask file the search warns and shows no list: the box keeps
// its text, whatever the lookup before it chose.
TEST_F(FieldLookups, ASupplierSearchThatShowsNoListNeverTakesAnEarlierLookupsCode)
{
    setConfig("UsaConsultaLIKE", "SI");
    lookup::MascaraConsulta motives;
    motives.Nombre = motives.Tabla = QStringLiteral("V_TA_MOTIVOCPRA");
    motives.Campos = QStringLiteral("|Descripcion|IdMotivoCpra|");
    const QString masks = lookup::gConsulta().gRutaMascaraConsultas;
    ASSERT_TRUE(QFile::remove(masks));
    lookup::MaskFile::append(masks, {motives});

    answerList("0002");
    rightClick(C::MotivoDesde);
    ASSERT_EQ(field(C::MotivoDesde)->text(), "0002");
    typeInto(C::ClienteDesde, "2110");
    press(Qt::Key_F5);
    EXPECT_EQ(listRequests.size(), 1);
    EXPECT_EQ(messages(), QStringList({"No hay seleccionados campos personalizados para la consulta de Proveedores | Aviso al Operador"}));
    EXPECT_EQ(field(C::ClienteDesde)->text(), "2110");
    EXPECT_EQ(focusedField(), C::ClienteDesde);
}

TEST_F(FieldLookups, MotiveUserAndArticleListsReturnTheirCodeColumn)
{
    answerList("0002");
    rightClick(C::MotivoDesde);
    EXPECT_TRUE(asked("V_TA_MOTIVOCPRA")) << lastRequest().sql.toStdString();
    EXPECT_EQ(lastRequest().CampoDevuelto, "IDMOTIVOCPRA");
    EXPECT_EQ(field(C::MotivoDesde)->text(), "0002");
    EXPECT_EQ(focusedField(), C::MotivoHasta);

    answerList("  COMPRAS ");
    rightClick(C::UsuarioDesde);
    EXPECT_TRUE(asked("TA_USUARIOS"));
    EXPECT_EQ(lastRequest().CampoDevuelto, "NOMBRE");
    EXPECT_EQ(field(C::UsuarioDesde)->text(), "COMPRAS");
    EXPECT_EQ(focusedField(), C::UNegocio);

    c().OptTipo[9]->setChecked(true);
    answerList("ART-0007");
    rightClick(C::IdArticulo);
    EXPECT_TRUE(asked("MA_ARTICULOS")) << lastRequest().sql.toStdString();
    EXPECT_EQ(lastRequest().CampoDevuelto, "IDARTICULO");
    EXPECT_EQ(field(C::IdArticulo)->text(), "ART-0007");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(FieldLookups, WithoutTheMaskFileTheArticleBoxShowsThePlainListOfItsColumns)
{
    ASSERT_TRUE(QFile::remove(lookup::gConsulta().gRutaMascaraConsultas));
    c().OptTipo[9]->setChecked(true);
    answerList("ART-0007");
    rightClick(C::IdArticulo);
    ASSERT_EQ(listRequests.size(), 1);
    EXPECT_EQ(lastRequest().sql, "select DESCRIPCION,IDARTICULO from VT_MA_ARTICULOS ");
    EXPECT_FALSE(scalar(lastRequest().sql).isNull());
    EXPECT_EQ(lastRequest().CampoDevuelto, "IDARTICULO");
    EXPECT_EQ(field(C::IdArticulo)->text(), "ART-0007");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(FieldLookups, CancelledListEmptiesTheBoxAndMovesOn)
{
    typeInto(C::MotivoHasta, "0001");
    cancelList();
    clickBarItem(2);   // Consultar
    EXPECT_EQ(listRequests.size(), 1);
    EXPECT_EQ(field(C::MotivoHasta)->text(), "");
    EXPECT_EQ(focusedField(), C::UsuarioDesde);
}

TEST_F(FieldLookups, BusinessUnitsAreTickedAndJoinedWithCommas)
{
    answerTicks({" 01", "03 "});
    focusField(C::UNegocio);
    press(Qt::Key_F5);
    ASSERT_EQ(listRequests.size(), 1);
    EXPECT_TRUE(asked("V_TA_UNIDADNEGOCIO"));
    EXPECT_TRUE(lastRequest().CheckBoxes);
    EXPECT_EQ(lastRequest().CampoDevuelto, "CODIGO");
    EXPECT_EQ(field(C::UNegocio)->text(), "01,03");
    EXPECT_EQ(focusedField(), C::VtoDesde);

    cancelList();
    rightClick(C::UNegocio);
    EXPECT_EQ(field(C::UNegocio)->text(), "");
}

TEST_F(FieldLookups, CalendarWritesTheChosenDateAndACancelKeepsTheBox)
{
    QDate opened;
    dialogs.pushModalHandler([&opened](QDialog* dialog) {
        auto* picker = qobject_cast<kit::DatePickerDialog*>(dialog);
        opened = picker->selectedDate();
        picker->calendar()->setSelectedDate(QDate(2024, 3, 15));
        return int(QDialog::Accepted);
    });
    typeInto(C::FechaDesde, "02/01/2024");
    rightClick(C::FechaDesde);
    EXPECT_EQ(opened, QDate(2024, 1, 2));   // on the box's own date
    EXPECT_EQ(field(C::FechaDesde)->text(), "15/03/2024");
    EXPECT_EQ(focusedField(), C::FechaHasta);
    EXPECT_EQ(window().fieldEntry().FechaElegida(), "15/03/2024");

    // An empty box opens on the last date chosen; closing without a choice changes nothing.
    dialogs.pushModalHandler([&opened](QDialog* dialog) {
        opened = qobject_cast<kit::DatePickerDialog*>(dialog)->selectedDate();
        return int(QDialog::Rejected);
    });
    press(Qt::Key_F5);
    EXPECT_EQ(opened, QDate(2024, 3, 15));
    EXPECT_EQ(field(C::FechaHasta)->text(), "");
    EXPECT_EQ(focusedField(), C::FechaHasta);

    // A chosen date before the From date is checked as if typed.
    answerCalendar(QDate(2024, 3, 1));
    press(Qt::Key_F5);
    EXPECT_EQ(field(C::FechaHasta)->text(), "01/03/2024");
    EXPECT_EQ(messages(), QStringList({"Fecha Desde Mayor que Hasta!! | Aviso al operador..."}));
    EXPECT_EQ(focusedField(), C::FechaHasta);
}

// A real lookup window takes the activation; the report window gets it back only after the key
// that opened the lookup has gone its way up to the window.
TEST_F(FieldLookups, F5OpensOneLookupWhileTheWindowWaitsToBeActiveAgain)
{
    QWidget lookupWindow;
    lookup::LookupWindows::setListRunner([&](const lookup::ListLookupRequest& request) {
        listRequests.append(request);
        QTest::keyRelease(field(C::MotivoDesde), Qt::Key_F5);   // before the lookup has the keyboard
        lookupWindow.show();
        QApplication::setActiveWindow(&lookupWindow);
        lookupWindow.hide();
        lookup::LookupAnswer answer;
        answer.ValorDevuelto = QStringLiteral("0002");
        return answer;
    });
    focusField(C::MotivoDesde);
    press(Qt::Key_F5);
    EXPECT_EQ(listRequests.size(), 1);
    EXPECT_EQ(field(C::MotivoDesde)->text(), "0002");
    EXPECT_EQ(field(C::MotivoHasta)->text(), "");
}

TEST_F(FieldLookups, BoxesWithoutTagOpenNothing)
{
    focusField(C::FechaDesde);
    rightClick(C::LetraHasta);
    EXPECT_EQ(window().fieldEntry().CampoActual(), C::LetraHasta);
    press(Qt::Key_F5);
    EXPECT_EQ(focusedField(), C::LetraHasta);
    clickBarItem(2);
    EXPECT_TRUE(listRequests.isEmpty());
    EXPECT_TRUE(dialogs.prompts().isEmpty());
    EXPECT_EQ(field(C::LetraHasta)->text(), "");
}

TEST_F(FieldLookups, AnErrorInALookupReachesTheErrorHandlerAndTheWindowGoesOn)
{
    struct Failing : reports::FieldLookups {
        QString lista(const QString&, const QString&) override { throw vb::Error(3021, "No hay registro actual."); }
    } failing;
    reports::FieldLookups::setInstance(&failing);
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    rightClick(C::MotivoDesde);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().text.contains("3021")) << boxes().first().text.toStdString();
    EXPECT_TRUE(moduleLog().contains("txtFields_MouseDown")) << moduleLog().toStdString();
    EXPECT_TRUE(window().isVisible());
    // The window still answers the operator.
    EXPECT_EQ(enter(C::SucursalDesde, "5"), "0005");
}
