#include "DialogService.h"
#include "QtDialogService.h"

#include <QCoreApplication>

namespace ui {

namespace {
DialogService* g_installed = nullptr;

QString& programTitleSlot()
{
    static QString title;
    return title;
}
}

DialogService& DialogService::instance()
{
    if (g_installed)
        return *g_installed;
    static QtDialogService qtService;
    return qtService;
}

void DialogService::setInstance(DialogService* service)
{
    g_installed = service;
}

DialogService* DialogService::installed()
{
    return g_installed;
}

QString DialogService::programTitle()
{
    const QString& title = programTitleSlot();
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

void DialogService::setProgramTitle(const QString& title)
{
    programTitleSlot() = title;
}

QString DialogService::effectiveTitle(const QString& title)
{
    return title.isEmpty() ? programTitle() : title;
}

int MsgBox(const QString& prompt, int style, const QString& title)
{
    return DialogService::instance().msgBox(prompt, style, title);
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return DialogService::instance().inputBox(prompt, title, defaultText);
}

} // namespace ui
