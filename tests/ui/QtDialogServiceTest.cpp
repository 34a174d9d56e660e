#include "ui/InputBoxDialog.h"
#include "ui/MessageBoxFactory.h"
#include "ui/QtDialogService.h"
#include "ui/QtTranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeView>
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

// exec() cannot be avoided for the real service: act on the modal window once it is up,
// and never let a test hang on a window the action failed to close.
template <typename Call>
auto withModal(const std::function<void(QWidget*)>& action, Call call)
{
    QTimer act;
    act.setSingleShot(true);
    QObject::connect(&act, &QTimer::timeout, [&action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "modal window left open";
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->done(0);
    });
    act.start(0);
    watchdog.start(5000);
    return call();
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
    EXPECT_EQ(MessageBoxFactory::answerOf(MessageBoxFactory::create("x", vbYesNo)->escapeButton()), vbNo);
    EXPECT_EQ(MessageBoxFactory::answerOf(MessageBoxFactory::create("x", vbAbortRetryIgnore)->escapeButton()), vbAbort);
    EXPECT_EQ(MessageBoxFactory::create("Linea 1\r\nLinea 2\rLinea 3", vbOKOnly)->text(), "Linea 1\nLinea 2\nLinea 3");
}

TEST(MessageBoxFactory, AnswerComesFromTheClickedButton)
{
    auto box = MessageBoxFactory::create("x", vbAbortRetryIgnore);
    buttonFor(*box, vbRetry)->click();
    EXPECT_EQ(MessageBoxFactory::answer(*box), vbRetry);

    // Closed without a click: the escape button's answer, always one the box offers.
    EXPECT_EQ(MessageBoxFactory::answer(*MessageBoxFactory::create("x", vbYesNoCancel)), vbCancel);
    EXPECT_EQ(MessageBoxFactory::answer(*MessageBoxFactory::create("x", vbYesNo)), vbNo);
}

TEST(QtDialogService, MsgBoxRunsTheRealBoxAndReturnsTheChosenAnswer)
{
    QtDialogService service;
    const auto clickNo = [](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "¿Continuar?");
        buttonFor(*box, vbNo)->click();
    };
    EXPECT_EQ(withModal(clickNo, [&] { return service.msgBox("¿Continuar?", vbYesNo + vbQuestion, "Pregunta"); }),
              vbNo);

    const auto pressEscape = [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); };
    EXPECT_EQ(withModal(pressEscape, [&] { return service.msgBox("Error", vbRetryCancel); }), vbCancel);
}

TEST(QtDialogService, InputBoxReturnsTypedTextOrEmptyOnCancel)
{
    QtDialogService service;
    const auto typeAndAccept = [](QWidget* modal) {
        auto* dialog = qobject_cast<InputBoxDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->prompt(), "Nombre de la plantilla");
        EXPECT_EQ(dialog->text(), "Mensual");
        EXPECT_EQ(dialog->windowTitle(), "Plantillas");
        dialog->editor()->clear();
        QTest::keyClicks(dialog->editor(), "Anual");
        QTest::keyClick(dialog->editor(), Qt::Key_Return);
    };
    EXPECT_EQ(withModal(typeAndAccept, [&] { return service.inputBox("Nombre de la plantilla", "Plantillas", "Mensual"); }),
              "Anual");

    const auto typeAndCancel = [](QWidget* modal) {
        auto* dialog = qobject_cast<InputBoxDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setText("no se usa");
        QTest::keyClick(dialog->editor(), Qt::Key_Escape);
    };
    EXPECT_EQ(withModal(typeAndCancel, [&] { return service.inputBox("Nombre", {}, "Mensual"); }), "");
}

TEST(QtDialogService, OpenFileUsesTheConvertedFilterAndReturnsTheChosenPath)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile report(folder.filePath("compras.rpt"));
    ASSERT_TRUE(report.open(QIODevice::WriteOnly));
    report.close();

    QtDialogService service;
    const auto choose = [&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Informes (*.rpt)", "Todos (*.*)"}));
        EXPECT_EQ(dialog->windowTitle(), "Abrir informe");
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        dialog->selectFile(report.fileName());
        QMetaObject::invokeMethod(dialog, "accept");
    };
    const QString chosen = withModal(choose, [&] {
        return service.openFileName("Abrir informe", "Informes|*.rpt|Todos|*.*", folder.path());
    });
    EXPECT_EQ(QFileInfo(chosen).canonicalFilePath(), QFileInfo(report).canonicalFilePath());

    const auto cancel = [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); };
    EXPECT_EQ(withModal(cancel, [&] { return service.openFileName("Abrir", {}, folder.path()); }), "");
}

// The operator read "Folder" and "9 Dec" in the file dialog of a Spanish program: Qt's catalogue
// lacks the one, and Qt's file list writes its dates in the system's language.
TEST(QtDialogService, TheFileDialogSpeaksSpanish)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_es.qm")))
        GTEST_SKIP() << "Qt's Spanish catalogue is not installed";
    const QtTranslations spanish;
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("Remitos"));
    QStringList seen;   // the first column's caption, then the folder's type and date
    const auto read = [&seen](QWidget* modal) {
        auto* view = modal->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(view, nullptr);
        const QDeadlineTimer listed(4000);
        while (view->model()->rowCount(view->rootIndex()) == 0 && !listed.hasExpired()) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
        const QModelIndex row = view->model()->index(0, 0, view->rootIndex());
        seen << view->model()->headerData(0, Qt::Horizontal).toString() << row.siblingAtColumn(2).data().toString()
             << row.siblingAtColumn(3).data().toString();
        qobject_cast<QDialog*>(modal)->reject();
    };
    QtDialogService service;
    EXPECT_EQ(withModal(read, [&] { return service.openFileName("Abrir", "Textos|*.txt", folder.path()); }), "");
    const QDateTime modified = QFileInfo(folder.filePath("Remitos")).lastModified();
    EXPECT_EQ(seen, (QStringList{"Nombre", "Carpeta",
                                 QLocale(QLocale::Spanish, QLocale::Argentina).toString(modified, QLocale::ShortFormat)}));
}

TEST(QtDialogService, ModalWindowRunsToItsResult)
{
    QtDialogService service;
    QDialog dialog;
    const auto finish = [](QWidget* modal) { static_cast<QDialog*>(modal)->done(7); };
    EXPECT_EQ(withModal(finish, [&] { return service.showModal(&dialog); }), 7);
    EXPECT_EQ(service.showModal(nullptr), QDialog::Rejected);

    QWidget window;
    service.showModeless(&window);
    EXPECT_TRUE(window.isVisible());
}

TEST(QtDialogService, SaveFileAddsTheFilterExtensionToATypedName)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtDialogService service;
    const auto type = [&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"PDF (*.pdf)"}));
        EXPECT_EQ(dialog->windowTitle(), "Guardar como PDF");
        dialog->selectFile(folder.filePath("informe"));
        QMetaObject::invokeMethod(dialog, "accept");
    };
    const QString chosen = withModal(type, [&] { return service.saveFileName("Guardar como PDF", "PDF|*.pdf", folder.path()); });
    EXPECT_EQ(QFileInfo(chosen).fileName(), "informe.pdf");
    EXPECT_EQ(QFileInfo(chosen).absoluteDir().canonicalPath(), QDir(folder.path()).canonicalPath());

    const auto cancel = [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); };
    EXPECT_EQ(withModal(cancel, [&] { return service.saveFileName("Guardar", "Todos|*.*", folder.path()); }), "");
}
