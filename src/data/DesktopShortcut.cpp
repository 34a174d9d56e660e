#include "data/DesktopShortcut.h"

#include "vb/Error.h"

#include <QFile>
#include <QStandardPaths>

namespace data {

namespace {
QString& folderOverride()
{
    static QString value;
    return value;
}
} // namespace

QString DesktopShortcut::desktopFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

void DesktopShortcut::setDesktopFolder(const QString& folder) { folderOverride() = folder; }

QString DesktopShortcut::parameterLine(const QString& server, const QString& database, const QString& user)
{
    return QStringLiteral(" ; @server=") + server + QStringLiteral("; @dbname=") + database +
           QStringLiteral("; @usuario=") + user +
           QStringLiteral("; @Password=; @ParametroAdicional=; brix@ ; @UsuarioLogeado = ; @Caja=;");
}

QString DesktopShortcut::quotedArgument(const QString& argument)
{
    QString out = QStringLiteral("\"");
    for (QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

QString DesktopShortcut::escapedValue(const QString& value)
{
    // Field codes start with "%"; the string-value escapes apply on top of the quoting.
    QString out;
    for (QChar c : value) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'%')
            out += QStringLiteral("%%");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}

QString DesktopShortcut::execValue(const QString& program, const QString& parameterLine)
{
    return escapedValue(quotedArgument(program) + u' ' + quotedArgument(parameterLine));
}

QString DesktopShortcut::fileText(const QString& title, const QString& program, const QString& parameterLine)
{
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\n");
    text += QStringLiteral("Name=") + escapedValue(title) + u'\n';
    text += QStringLiteral("Exec=") + execValue(program, parameterLine) + u'\n';
    text += QStringLiteral("Icon=") + escapedValue(program) + u'\n';
    text += QStringLiteral("Terminal=false\n");
    return text;
}

void DesktopShortcut::write(const QString& path, const QString& title, const QString& program,
                            const QString& parameterLine)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        vb::raise(75, vb::Error::fileDescription(75, path));
    const QByteArray bytes = fileText(title, program, parameterLine).toUtf8();
    if (file.write(bytes) != bytes.size())
        vb::raise(75, vb::Error::fileDescription(75, path));
    file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
}

} // namespace data
