#include "ui/DisplayCheck.h"

#include <QFileInfo>

#include <cstdio>

namespace ui {

QString DisplayCheck::missingDisplayMessage(const QProcessEnvironment& environment, const QStringList& arguments)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!environment.value(QString::fromLatin1(name)).trimmed().isEmpty())
            return {};
    if (arguments.contains(QStringLiteral("-platform")) || arguments.contains(QStringLiteral("--platform")))
        return {};
    const QString program = arguments.isEmpty() ? QStringLiteral("rp_quindal") : QFileInfo(arguments.first()).fileName();
    return QStringLiteral(
               "%1: there is no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
               "Start it from a desktop session, or under a virtual display (package xvfb):\n"
               "    xvfb-run -a scripts/run-demo.sh\n"
               "    xvfb-run -a %2 <arguments>\n")
        .arg(program, arguments.isEmpty() ? program : arguments.first());
}

bool DisplayCheck::available(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString message = missingDisplayMessage(QProcessEnvironment::systemEnvironment(), arguments);
    if (message.isEmpty())
        return true;
    std::fputs(message.toLocal8Bit().constData(), stderr);
    return false;
}

} // namespace ui
