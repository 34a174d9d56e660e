#include "ui/DisplayCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace ui {

namespace {
QString howToRun(const QString& program, const QStringList& arguments)
{
    return QStringLiteral(
               "Start it from a desktop session, or under a virtual display (package xvfb):\n"
               "    xvfb-run -a scripts/run-demo.sh\n"
               "    xvfb-run -a %1 <arguments>\n")
        .arg(arguments.isEmpty() ? program : arguments.first());
}

bool platformChosen(const QProcessEnvironment& environment, const QStringList& arguments)
{
    return !environment.value(QStringLiteral("QT_QPA_PLATFORM")).trimmed().isEmpty()
        || arguments.contains(QStringLiteral("-platform")) || arguments.contains(QStringLiteral("--platform"));
}
} // namespace

QString DisplayCheck::missingDisplayMessage(const QProcessEnvironment& environment, const QStringList& arguments,
                                            const DisplayProbe& answers, const DisplayProbe& waylandAnswers)
{
    if (platformChosen(environment, arguments))
        return {};
    const QString display = environment.value(QStringLiteral("DISPLAY")).trimmed();
    const QString wayland = environment.value(QStringLiteral("WAYLAND_DISPLAY")).trimmed();
    const QString program = arguments.isEmpty() ? QStringLiteral("rp_quindal") : QFileInfo(arguments.first()).fileName();
    if (display.isEmpty() && wayland.isEmpty())
        return program + QStringLiteral(": there is no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n")
             + howToRun(program, arguments);
    const QString socket = waylandSocket(environment);
    if ((!display.isEmpty() && answers(display)) || (!wayland.isEmpty() && waylandAnswers(socket)))
        return {};
    QString message;
    if (!display.isEmpty())
        message += program
                 + QStringLiteral(": the display \"%1\" (DISPLAY) does not answer: no X server runs there, or it refuses this user.\n")
                       .arg(display);
    if (!wayland.isEmpty())
        message += program
                 + QStringLiteral(": the display \"%1\" (WAYLAND_DISPLAY) does not answer: no Wayland compositor listens at %2.\n")
                       .arg(wayland, socket);
    return message + howToRun(program, arguments);
}

QString DisplayCheck::waylandSocket(const QProcessEnvironment& environment)
{
    const QString name = environment.value(QStringLiteral("WAYLAND_DISPLAY")).trimmed();
    const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR")).trimmed();
    if (name.isEmpty() || QDir::isAbsolutePath(name) || runtime.isEmpty())
        return name;
    return QDir(runtime).filePath(name);
}

bool DisplayCheck::waylandSocketAnswers(const QString& socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (path.isEmpty() || path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answered = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return answered;
}

bool DisplayCheck::xDisplayAnswers(const QString& display)
{
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    QLibrary xcb(QStringLiteral("xcb"), 1);
    const auto connect = reinterpret_cast<Connect>(xcb.resolve("xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(xcb.resolve("xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(xcb.resolve("xcb_disconnect"));
    if (!connect || !hasError || !disconnect)
        return true;
    // A failed connection is an object of its own, to be let go like a good one.
    void* connection = connect(QFile::encodeName(display).constData(), nullptr);
    const bool answered = connection && hasError(connection) == 0;
    if (connection)
        disconnect(connection);
    return answered;
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
