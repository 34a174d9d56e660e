#include "FuzzSupport.h"

#include "ui/DialogService.h"
#include "vb/App.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fuzz {

namespace {
QTemporaryDir& workDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/rpq-fuzz-XXXXXX"));
    return dir;
}

// Qt and ODBC keep files per user: they go below the work folder, never into the real home.
void setHome()
{
    const QString home = workDir().filePath(QStringLiteral("home"));
    QDir().mkpath(home + QStringLiteral("/runtime"));
    QFile::setPermissions(home + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home + QStringLiteral("/runtime")));
}
} // namespace

void start(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!workDir().isValid())
        qFatal("cannot create the fuzz work folder");
    setHome();
    static QApplication app(*argc, *argv);
    QApplication::setApplicationName(QStringLiteral("rp_quindal"));
    vb::Regional::reset();
    vb::setEndHook([](int exitCode) { throw vb::EndRequested(exitCode); });
    vb::App::setPath(folder());
    // Boxes are answered by the script's defaults: no input ever waits for a user.
    ui::DialogService::setInstance(&dialogs());
}

ui::ScriptedDialogService& dialogs()
{
    static ui::ScriptedDialogService service;
    return service;
}

QString folder()
{
    return workDir().path();
}

QString write(const QString& name, const QByteArray& bytes)
{
    const QString path = workDir().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString text(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace fuzz
