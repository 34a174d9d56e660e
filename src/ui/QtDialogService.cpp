#include "QtDialogService.h"
#include "FileDateProxy.h"
#include "FileFilter.h"
#include "InputBoxDialog.h"
#include "MessageBoxFactory.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace ui {

namespace {

// "pdf" for "PDF|*.pdf;*.PDF": the extension a typed name without one receives.
QString firstExtension(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*\\*\\.([A-Za-z0-9_]+)"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {};
    const QRegularExpressionMatch match = pattern.match(parts.at(1));
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

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
    QFileDialog dialog(QApplication::activeWindow(), DialogService::effectiveTitle(title), initialFolder, FileFilter::toQt(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

QString QtDialogService::saveFileName(const QString& title, const QString& filter, const QString& initialPath)
{
    QFileDialog dialog(QApplication::activeWindow(), DialogService::effectiveTitle(title), initialPath, FileFilter::toQt(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(firstExtension(filter));
    return chosenFile(dialog);
}

// Qt's own dialog, not the desktop's: it speaks the program's language (the desktop's
// follows the session's) and is the same on every machine.
QString QtDialogService::chosenFile(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new FileDateProxy(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
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
