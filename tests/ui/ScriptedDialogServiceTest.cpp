#include "ui/DialogServiceScope.h"
#include "ui/QtDialogService.h"
#include "ui/ScriptedDialogService.h"

#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <gtest/gtest.h>

using namespace ui;
using Kind = ScriptedDialogService::Kind;

TEST(ScriptedDialogService, AnswersFromTheScriptInOrderAndRecordsEachPrompt)
{
    ScriptedDialogService dialogs;
    dialogs.pushMsgBoxAnswer(vbNo);
    dialogs.pushMsgBoxAnswer(vbRetry);
    dialogs.pushInputText("Plantilla 1");
    dialogs.pushFileName("/tmp/a.rpt");

    EXPECT_EQ(dialogs.msgBox("¿Borrar?", vbYesNo + vbQuestion + vbDefaultButton2, "Borrar"), vbNo);
    EXPECT_EQ(dialogs.inputBox("Nombre", {}, "x"), "Plantilla 1");
    EXPECT_EQ(dialogs.msgBox("Error 3", vbAbortRetryIgnore + vbCritical), vbRetry);
    EXPECT_EQ(dialogs.openFileName("Abrir", "Informes|*.rpt", "/tmp"), "/tmp/a.rpt");

    ASSERT_EQ(dialogs.prompts().size(), 4);
    const auto& first = dialogs.prompts().at(0);
    EXPECT_EQ(first.kind, Kind::MsgBox);
    EXPECT_EQ(first.text, "¿Borrar?");
    EXPECT_EQ(first.title, "Borrar");
    EXPECT_EQ(first.buttons, (QList<int>{vbYes, vbNo}));
    EXPECT_EQ(first.icon, vbQuestion);
    EXPECT_EQ(first.defaultAnswer, vbNo);
    const auto& input = dialogs.prompts().at(1);
    EXPECT_EQ(input.kind, Kind::InputBox);
    EXPECT_EQ(input.title, "rp_quindal");
    EXPECT_EQ(input.defaultText, "x");
    const auto& error = dialogs.prompts().at(2);
    EXPECT_EQ(error.buttons, (QList<int>{vbAbort, vbRetry, vbIgnore}));
    EXPECT_EQ(error.icon, vbCritical);
    const auto& file = dialogs.last();
    EXPECT_EQ(file.kind, Kind::OpenFile);
    EXPECT_EQ(file.filter, "Informes|*.rpt");
    EXPECT_EQ(file.folder, "/tmp");
    EXPECT_EQ(dialogs.prompts(Kind::MsgBox).size(), 2);
    EXPECT_FALSE(dialogs.ranDry());
    EXPECT_EQ(dialogs.unusedAnswers(), 0);
}

TEST(ScriptedDialogService, RunsDryVisiblyWithTheDocumentedDefaults)
{
    ScriptedDialogService dialogs;
    EXPECT_EQ(dialogs.msgBox("a", vbYesNoCancel + vbDefaultButton3), vbCancel);
    EXPECT_EQ(dialogs.msgBox("b", vbOKCancel), vbOK);
    EXPECT_EQ(dialogs.inputBox("c", {}, "propuesto"), "");
    EXPECT_EQ(dialogs.openFileName("d", {}, {}), "");
    QDialog dialog;
    EXPECT_EQ(dialogs.showModal(&dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialogs.ranDry());
    EXPECT_EQ(dialogs.dryCount(), 5);

    dialogs.pushMsgBoxAnswer(vbOK);
    dialogs.msgBox("e");
    EXPECT_FALSE(dialogs.last().ranDry);
    EXPECT_EQ(dialogs.dryCount(), 5);
}

TEST(ScriptedDialogService, FlagsAScriptedAnswerTheBoxDoesNotOffer)
{
    ScriptedDialogService dialogs;
    dialogs.pushMsgBoxAnswer(vbYes);
    EXPECT_EQ(dialogs.msgBox("Listo", vbOKOnly), vbYes);
    EXPECT_FALSE(dialogs.last().answerOffered);
    dialogs.pushMsgBoxAnswer(vbOK);
    dialogs.msgBox("Listo", vbOKOnly);
    EXPECT_TRUE(dialogs.last().answerOffered);
}

TEST(ScriptedDialogService, ModalWindowsGoToHandlersThatFillTheirControls)
{
    ScriptedDialogService dialogs;
    QDialog login;
    login.setObjectName("frmLogin");
    auto* user = new QLineEdit(&login);
    bool shownDuringHandler = false;
    dialogs.setModalHandler("frmLogin", [&](QDialog* d) {
        shownDuringHandler = d->isVisible();
        user->setText("admin");
        d->accept();
        return int(QDialog::Accepted);
    });
    dialogs.pushModalResult(5);

    EXPECT_EQ(dialogs.showModal(&login), QDialog::Accepted);
    EXPECT_TRUE(shownDuringHandler);
    EXPECT_EQ(user->text(), "admin");
    EXPECT_FALSE(login.isVisible());
    // The named handler stays; the queued one is still there for another window.
    EXPECT_EQ(dialogs.showModal(&login), QDialog::Accepted);
    EXPECT_EQ(dialogs.unusedAnswers(), 1);

    QDialog other;
    other.setObjectName("frmOtro");
    int finished = -1;
    QObject::connect(&other, &QDialog::finished, [&](int r) { finished = r; });
    EXPECT_EQ(dialogs.showModal(&other), 5);
    EXPECT_EQ(finished, 5); // left open by the handler, ended as exec() would end
    EXPECT_EQ(other.result(), 5);
    EXPECT_EQ(dialogs.last().text, "frmOtro");
    EXPECT_FALSE(dialogs.ranDry());
}

TEST(ScriptedDialogService, WindowsThatDeleteThemselvesAreNotTouchedAfterwards)
{
    ScriptedDialogService dialogs;
    QPointer<QDialog> onClose = new QDialog;
    onClose->setAttribute(Qt::WA_DeleteOnClose);
    dialogs.pushModalResult(QDialog::Accepted);
    EXPECT_EQ(dialogs.showModal(onClose), QDialog::Accepted);
    EXPECT_TRUE(onClose.isNull());
    EXPECT_TRUE(dialogs.last().window.isNull());

    QPointer<QDialog> selfDeleting = new QDialog;
    dialogs.pushModalHandler([](QDialog* d) {
        delete d;
        return 3;
    });
    EXPECT_EQ(dialogs.showModal(selfDeleting), 3);
    EXPECT_TRUE(selfDeleting.isNull());
}

TEST(ScriptedDialogService, PromptsRaisedInsideAModalWindowKeepTheirOrder)
{
    ScriptedDialogService dialogs;
    dialogs.pushMsgBoxAnswer(vbYes);
    dialogs.pushModalHandler([&](QDialog*) { return dialogs.msgBox("¿Guardar?", vbYesNo) == vbYes ? 1 : 0; });
    QDialog dialog;
    dialog.setObjectName("frmEditar");
    EXPECT_EQ(dialogs.showModal(&dialog), 1);
    ASSERT_EQ(dialogs.prompts().size(), 2);
    EXPECT_EQ(dialogs.prompts().at(0).kind, Kind::Modal);
    EXPECT_EQ(dialogs.prompts().at(0).answer, 1);
    EXPECT_FALSE(dialogs.prompts().at(0).ranDry);
    EXPECT_EQ(dialogs.prompts().at(1).text, "¿Guardar?");
}

TEST(ScriptedDialogService, ModelessWindowsAreShownAndRecorded)
{
    ScriptedDialogService dialogs;
    QWidget window;
    window.setObjectName("frmVista");
    dialogs.showModeless(&window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.last().kind, Kind::Modeless);
    EXPECT_EQ(dialogs.last().window, &window);
}

TEST(DialogServiceScope, InstallsForTheScopeAndRestoresThePrevious)
{
    EXPECT_EQ(DialogService::installed(), nullptr);
    EXPECT_NE(dynamic_cast<QtDialogService*>(&DialogService::instance()), nullptr);
    ScriptedDialogService outer;
    ScriptedDialogService inner;
    {
        DialogServiceScope outerScope(outer);
        {
            DialogServiceScope innerScope(inner);
            inner.pushMsgBoxAnswer(vbCancel);
            EXPECT_EQ(MsgBox("dentro", vbOKCancel), vbCancel);
            InputBox("nombre");
        }
        EXPECT_EQ(&DialogService::instance(), &outer);
        MsgBox("fuera");
    }
    EXPECT_EQ(DialogService::installed(), nullptr);
    EXPECT_EQ(inner.prompts().size(), 2);
    ASSERT_EQ(outer.prompts().size(), 1);
    EXPECT_EQ(outer.last().text, "fuera");
}

TEST(ScriptedDialogService, SaveDialogsShareTheFileScriptAndAreRecordedApart)
{
    ScriptedDialogService dialogs;
    dialogs.pushFileName("/tmp/a.rpt");
    dialogs.pushFileName("/tmp/informe.pdf");
    EXPECT_EQ(dialogs.openFileName("Abrir", "Informes|*.rpt", "/tmp"), "/tmp/a.rpt");
    EXPECT_EQ(dialogs.saveFileName("Guardar como PDF", "PDF|*.pdf", "/tmp/propuesto.pdf"), "/tmp/informe.pdf");
    EXPECT_EQ(dialogs.saveFileName("Otra vez", {}, {}), "");

    const auto saves = dialogs.prompts(Kind::SaveFile);
    ASSERT_EQ(saves.size(), 2);
    EXPECT_EQ(saves[0].title, "Guardar como PDF");
    EXPECT_EQ(saves[0].filter, "PDF|*.pdf");
    EXPECT_EQ(saves[0].folder, "/tmp/propuesto.pdf");
    EXPECT_FALSE(saves[0].ranDry);
    EXPECT_TRUE(saves[1].ranDry);
    EXPECT_EQ(dialogs.prompts(Kind::OpenFile).size(), 1);
}
