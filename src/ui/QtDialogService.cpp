#include "QtDialogService.h"
#include "FileFilter.h"
#include "InputBoxDialog.h"
#include "MessageBoxFactory.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace ui {

int QtDialogService::msgBox(const QString& prompt, int style, const QString& title)
{
    auto box = MessageBoxFactory::create(prompt, style, title, QApplication::activeWindow());
    box->exec();
    return MessageBoxFactory::answer(*box);
}

QString QtDialogService::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    InputBoxDialog dialog(prompt, title, defaultText, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted ? dialog.text() : QString();
}

QString QtDialogService::openFileName(const QString& title, const QString& filter, const QString& initialFolder)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), DialogService::effectiveTitle(title),
                                        initialFolder, FileFilter::toQt(filter));
}

int QtDialogService::showModal(QDialog* dialog)
{
    return dialog ? dialog->exec() : QDialog::Rejected;
}

void QtDialogService::showModeless(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
