#include "kit/DatePickerDialog.h"
#include "kit/DialogoArchivo.h"
#include "kit/Utilidades.h"

#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "vb/Error.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using kit::Utilidades;
using ui::ScriptedDialogService;

namespace {

class Dialogs : public ::testing::Test {
protected:
    ScriptedDialogService service;
    ui::DialogServiceScope scope{service};
    Utilidades util;
};

ScriptedDialogService::ModalHandler pickDate(QDate date)
{
    return [date](QDialog* dialog) {
        auto* picker = qobject_cast<kit::DatePickerDialog*>(dialog);
        if (!picker)
            return int(QDialog::Rejected);
        picker->calendar()->setSelectedDate(date);
        picker->accept();
        return int(QDialog::Accepted);
    };
}

TEST_F(Dialogs, elegirFechaWritesTheChosenDateInTheRegionalForm)
{
    QString seen;
    service.pushModalHandler([&seen](QDialog* dialog) {
        seen = qobject_cast<kit::DatePickerDialog*>(dialog)->selectedDate().toString(Qt::ISODate);
        return pickDate(QDate(2024, 7, 9))(dialog);
    });
    QString text = "15/06/2024";
    EXPECT_TRUE(util.ElegirFecha(text));
    EXPECT_EQ(seen, "2024-06-15");                    // opened on the date the box held
    EXPECT_EQ(text, "09/07/2024");
}

TEST_F(Dialogs, elegirFechaOpensOnTodayWhenTheTextHoldsNoDate)
{
    QDate seen;
    service.pushModalHandler([&seen](QDialog* dialog) {
        seen = qobject_cast<kit::DatePickerDialog*>(dialog)->selectedDate();
        return int(QDialog::Rejected);
    });
    QString text = "no es fecha";
    EXPECT_FALSE(util.ElegirFecha(text));
    EXPECT_EQ(seen, QDate::currentDate());
    EXPECT_EQ(text, "no es fecha");                   // a cancelled calendar changes nothing
}

TEST_F(Dialogs, reportarErrorAsksAbortRetryIgnoreAndGivesTheAnswerBothWays)
{
    service.pushMsgBoxAnswer(ui::vbRetry);
    int answer = 0;
    const vb::Error error(3704, "La operación no está permitida si el objeto está cerrado.", "ADODB.Recordset");
    EXPECT_EQ(util.ReportarError(error, vb::Variant::missing(), "AbrirRecordset", &answer), ui::vbRetry);
    EXPECT_EQ(answer, ui::vbRetry);
    const auto& prompt = service.last();
    EXPECT_EQ(prompt.style, ui::vbAbortRetryIgnore + ui::vbCritical);
    EXPECT_TRUE(prompt.text.contains("3704"));
    EXPECT_TRUE(prompt.text.contains("objeto está cerrado"));
    EXPECT_TRUE(prompt.text.contains("AbrirRecordset"));
    EXPECT_TRUE(prompt.text.contains("ADODB.Recordset"));
}

TEST_F(Dialogs, reportarErrorWithGivenButtonsAndStandardDescription)
{
    service.pushMsgBoxAnswer(ui::vbIgnore);
    EXPECT_EQ(util.ReportarError(vb::Error(13), ui::vbAbortRetryIgnore + ui::vbExclamation), ui::vbIgnore);
    EXPECT_EQ(service.last().style, ui::vbAbortRetryIgnore + ui::vbExclamation);
    EXPECT_TRUE(service.last().text.contains(vb::Error::standardDescription(13)));
}

TEST_F(Dialogs, reportarErrorOfNoErrorShowsNothing)
{
    int answer = 99;
    EXPECT_EQ(util.ReportarError(vb::Error(0), vb::Variant::missing(), "x", &answer), 0);
    EXPECT_EQ(answer, 0);
    EXPECT_TRUE(service.prompts().isEmpty());
}

TEST_F(Dialogs, dialogoArchivoReportsTheChoiceOrTheCancel)
{
    kit::DialogoArchivo dialog;
    dialog.setTitle("Buscar Base de Datos");
    dialog.setFilter("Base de Datos de Microsoft Access |*.MDB");
    service.pushFileName("/datos/gestion.mdb");
    EXPECT_TRUE(dialog.showOpen());
    EXPECT_EQ(dialog.fileName(), "/datos/gestion.mdb");
    EXPECT_FALSE(dialog.cancelled());
    EXPECT_EQ(service.last().title, "Buscar Base de Datos");
    EXPECT_EQ(service.last().filter, "Base de Datos de Microsoft Access |*.MDB");

    service.pushFileName("");
    EXPECT_FALSE(dialog.showOpen());
    EXPECT_TRUE(dialog.cancelled());
    EXPECT_EQ(dialog.fileName(), "");
}

TEST(PrepararFormulario, centresTheWindowUnlessAskedToKeepIt)
{
    const Utilidades util;
    QWidget window;
    window.resize(300, 200);
    window.move(0, 0);
    util.PrepararFormulario(&window, true);
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    util.PrepararFormulario(&window);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(window.frameGeometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(window.frameGeometry().center().y() - screen.center().y()), 1);
    util.PrepararFormulario(nullptr);
}

} // namespace
