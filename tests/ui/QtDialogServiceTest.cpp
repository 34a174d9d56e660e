#include "ui/InputBoxDialog.h"
#include "ui/MessageBoxFactory.h"
#include "ui/QtDialogService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>

using namespace ui;

namespace {

QList<int> sortedAnswers(const QMessageBox& box)
{
    QList<int> answers;
    for (QAbstractButton* button : box.buttons())
        answers.append(MessageBoxFactory::answerOf(button));
    std::sort(answers.begin(), answers.end());
    return answers;
}

QString spanishText(int answer)
{
    static const QMap<int, QString> texts = {{vbOK, "Aceptar"}, {vbCancel, "Cancelar"}, {vbAbort, "Anular"},
                                             {vbRetry, "Reintentar"}, {vbIgnore, "Omitir"}, {vbYes, "Sí"},
                                             {vbNo, "No"}};
    return texts.value(answer);
}

QAbstractButton* buttonFor(const QMessageBox& box, int answer)
{
    for (QAbstractButton* button : box.buttons())
        if (MessageBoxFactory::answerOf(button) == answer)
            return button;
    return nullptr;
}

// exec() cannot be avoided for the real service: act on the modal window once it is up.
void whenModalShows(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

struct StyleCase {
    int style;
    QList<int> answers; // sorted
    QMessageBox::Icon icon;
    int defaultAnswer;
};

} // namespace

TEST(MessageBoxFactory, EachStyleGetsItsButtonsIconAndDefault)
{
    const QList<StyleCase> cases = {
        {vbOKOnly, {vbOK}, QMessageBox::NoIcon, vbOK},
        {vbOKCancel + vbQuestion + vbDefaultButton2, {vbOK, vbCancel}, QMessageBox::Question, vbCancel},
        {vbAbortRetryIgnore + vbCritical + vbDefaultButton3, {vbAbort, vbRetry, vbIgnore}, QMessageBox::Critical,
         vbIgnore},
        {vbYesNoCancel + vbExclamation, {vbCancel, vbYes, vbNo}, QMessageBox::Warning, vbYes},
        {vbYesNo + vbInformation + vbDefaultButton2, {vbYes, vbNo}, QMessageBox::Information, vbNo},
        {vbRetryCancel + vbCritical, {vbCancel, vbRetry}, QMessageBox::Critical, vbRetry},
        // A default beyond the last button falls back to the first.
        {vbYesNo + vbDefaultButton3, {vbYes, vbNo}, QMessageBox::NoIcon, vbYes},
        // Undefined button groups show OK alone; bits outside the style groups are ignored.
        {7 + 4096, {vbOK}, QMessageBox::NoIcon, vbOK},
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(c.style);
        auto box = MessageBoxFactory::create("Texto", c.style, "Titulo");
        EXPECT_EQ(sortedAnswers(*box), c.answers);
        for (QAbstractButton* button : box->buttons())
            EXPECT_EQ(button->text(), spanishText(MessageBoxFactory::answerOf(button)));
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(MessageBoxFactory::answerOf(box->defaultButton()), c.defaultAnswer);
    }
}

TEST(MessageBoxFactory, TitleTextAndEscape)
{
    auto titled = MessageBoxFactory::create("Total < 10 <b>", vbOKOnly, "Compras");
    EXPECT_EQ(titled->windowTitle(), "Compras");
    EXPECT_EQ(titled->text(), "Total < 10 <b>");
    EXPECT_EQ(titled->textFormat(), Qt::PlainText);

    auto untitled = MessageBoxFactory::create("x", vbOKOnly, {});
    EXPECT_EQ(untitled->windowTitle(), "rp_quindal");
    DialogService::setProgramTitle("Informes de compras");
    EXPECT_EQ(MessageBoxFactory::create("x", vbOKOnly, {})->windowTitle(), "Informes de compras");
    DialogService::setProgramTitle({});

    EXPECT_EQ(MessageBoxFactory::answerOf(MessageBoxFactory::create("x", vbYesNoCancel)->escapeButton()), vbCancel);
    EXPECT_EQ(MessageBoxFactory::answerOf(MessageBoxFactory::create("x", vbOKOnly)->escapeButton()), vbOK);
}

TEST(MessageBoxFactory, AnswerComesFromTheClickedButton)
{
    auto box = MessageBoxFactory::create("x", vbAbortRetryIgnore);
    buttonFor(*box, vbRetry)->click();
    EXPECT_EQ(MessageBoxFactory::answer(*box), vbRetry);

    auto closed = MessageBoxFactory::create("x", vbYesNoCancel);
    EXPECT_EQ(MessageBoxFactory::answer(*closed), vbCancel); // closed without a click
}

TEST(QtDialogService, MsgBoxRunsTheRealBoxAndReturnsTheChosenAnswer)
{
    QtDialogService service;
    whenModalShows([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "¿Continuar?");
        buttonFor(*box, vbNo)->click();
    });
    EXPECT_EQ(service.msgBox("¿Continuar?", vbYesNo + vbQuestion, "Pregunta"), vbNo);
}

TEST(QtDialogService, InputBoxReturnsTypedTextOrEmptyOnCancel)
{
    QtDialogService service;
    whenModalShows([](QWidget* modal) {
        auto* dialog = qobject_cast<InputBoxDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->prompt(), "Nombre de la plantilla");
        EXPECT_EQ(dialog->text(), "Mensual");
        dialog->setText("Anual");
        dialog->accept();
    });
    EXPECT_EQ(service.inputBox("Nombre de la plantilla", "Plantillas", "Mensual"), "Anual");

    whenModalShows([](QWidget* modal) {
        auto* dialog = qobject_cast<InputBoxDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setText("no se usa");
        dialog->reject();
    });
    EXPECT_EQ(service.inputBox("Nombre", {}, "Mensual"), "");
}

TEST(QtDialogService, ModalWindowRunsToItsResult)
{
    QtDialogService service;
    QDialog dialog;
    whenModalShows([](QWidget* modal) { static_cast<QDialog*>(modal)->done(7); });
    EXPECT_EQ(service.showModal(&dialog), 7);
    EXPECT_EQ(service.showModal(nullptr), QDialog::Rejected);

    QWidget window;
    service.showModeless(&window);
    EXPECT_TRUE(window.isVisible());
}
