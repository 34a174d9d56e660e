#include "data/LBM_Common.h"

#include "data/BasesFile.h"
#include "kit/Utilidades.h"
#include "vb/Error.h"
#include "vb/Files.h"
#include "vb/Strings.h"

#include <QFile>
#include <QFileInfo>

namespace data {

QString LBM_Common::existingText(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        vb::raise(75, vb::Error::fileDescription(75, path));
    return vb::Windows1252::decode(file.readAll());
}

bool LBM_Common::endsOpenLine(const QString& text)
{
    // A lone CR keeps the reader's records apart. A file ending in any line break (LF-only lines
    // of another writer included) needs none: a CR there would read as an empty field.
    const qsizetype lastBreak = text.lastIndexOf(QStringLiteral("\r\n"));
    const QString last = lastBreak < 0 ? text : text.mid(lastBreak + 2);
    if (vb::Trim(last).isEmpty())
        return false;
    return !text.endsWith(u'\r') && !text.endsWith(u'\n');
}

QString LBM_Common::recordLine(const QString& Nombre, const QString& Base, const QString& Usuario,
                               const QString& ClaveGuardada, const QString& Servidor, bool needsBreak)
{
    QString line = needsBreak ? QStringLiteral("\r") : QString();
    line += vb::Trim(Nombre) + u',' + vb::Trim(Base) + u',' + vb::Trim(Usuario) + u',' + vb::Trim(ClaveGuardada) +
            u',' + Servidor + QStringLiteral("\r\n");
    return line;
}

void LBM_Common::append(const QString& path, const QString& line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        vb::raise(75, vb::Error::fileDescription(75, path));
    const QByteArray bytes = vb::Windows1252::encode(line);
    if (file.write(bytes) != bytes.size())
        vb::raise(75, vb::Error::fileDescription(75, path));
}

void LBM_Common::RegistraBaseEnArchivo(QString Nombre, QString Base, QString Usuario, QString Clave,
                                       QString Servidor, QString Instancia, bool& EsOracle)
{
    const QString suffix = Instancia.isEmpty() ? QString() : u'/' + Instancia + u':';
    if (EsOracle)
        Servidor = u'#' + Servidor;
    const QString server = vb::Trim(Servidor) + suffix;
    for (const QString& field : {vb::Trim(Nombre), vb::Trim(Base), vb::Trim(Usuario), server}) {
        if (!BasesFile::storable(field))
            vb::raise(5, vb::Error::standardDescription(5));
    }
    if (vb::Trim(RutaArchivoBases).isEmpty())
        RutaArchivoBases = BasesFile::defaultPath();
    const QString text = existingText(RutaArchivoBases);
    const QString stored = kit::Utilidades().Codificar(Clave);
    append(RutaArchivoBases, recordLine(Nombre, Base, Usuario, stored, server, endsOpenLine(text)));
}

} // namespace data
