#include "kit/Sistema.h"
#include "vb/Files.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

namespace kit {

QString Sistema::NombreEquipo() const
{
    const QString host = QSysInfo::machineHostName();
    const qsizetype dot = host.indexOf(u'.');
    return dot > 0 ? host.left(dot) : host;
}

QString Sistema::NombreUsuarioSistema() const
{
    for (const char* variable : {"LOGNAME", "USER"}) {
        const QString name = qEnvironmentVariable(variable).trimmed();
        if (!name.isEmpty())
            return name;
    }
    if (const passwd* entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return {};
}

QString Sistema::CarpetaTemporal() const
{
    return QDir::tempPath();
}

bool Sistema::isAddress(const QString& text)
{
    // A drive-letter-like scheme of one character is no address.
    const qsizetype colon = text.indexOf(u':');
    if (colon < 2 || text.contains(u' '))
        return false;
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty();
}

QString Sistema::unquoted(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"'))
        return t.mid(1, t.size() - 2);
    return t;
}

int Sistema::openWithDesktop(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address)) ? Started : NoAssociation;
}

int Sistema::startProgram(const QString& program, const QStringList& arguments, const QString& folder)
{
    const QString workDir = folder.isEmpty() ? QString() : vb::resolvePath(folder);
    return QProcess::startDetached(program, arguments, workDir) ? Started : FileNotFound;
}

int Sistema::Ejecutar(long window, const QString& verb, const QString& file, const QString& parameters,
                      const QString& folder, int windowStyle) const
{
    Q_UNUSED(window);
    Q_UNUSED(verb);
    Q_UNUSED(windowStyle);
    const QString target = unquoted(file);
    if (target.isEmpty())
        return FileNotFound;
    if (isAddress(target))
        return openWithDesktop(target);
    // The Windows shell opened bare "www." addresses in the browser.
    if (target.startsWith(u"www.", Qt::CaseInsensitive) && !target.contains(u' '))
        return openWithDesktop(QStringLiteral("http://") + target);

    QStringList arguments = QProcess::splitCommand(parameters);
    QString path = vb::resolvePath(target);
    if (!QFileInfo::exists(path)) {
        // "program arguments" in one text, as the original's callers sometimes passed it.
        QStringList words = QProcess::splitCommand(vb::normalizeSeparators(file));
        if (words.isEmpty())
            return FileNotFound;
        path = vb::resolvePath(words.takeFirst());
        if (!QFileInfo::exists(path))
            return FileNotFound;
        arguments = words + arguments;
    }
    const QFileInfo info(path);
    if (info.isFile() && info.isExecutable())
        return startProgram(info.absoluteFilePath(), arguments, folder);
    return openWithDesktop(QUrl::fromLocalFile(info.absoluteFilePath()).toString());
}

} // namespace kit
