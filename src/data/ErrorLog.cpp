#include "data/ErrorLog.h"

#include "vb/Files.h"
#include "vb/Strings.h"

#include <QFile>

namespace data {

QString ErrorLog::defaultPath(const QString& programFolder)
{
    const bool hasSeparator = programFolder.endsWith(u'/') || programFolder.endsWith(u'\\');
    return programFolder + (hasSeparator ? QString() : QStringLiteral("/")) + QStringLiteral("KQERR.LOG");
}

QString ErrorLog::answerWord(int answer)
{
    switch (answer) {
    case 4: return QStringLiteral("Reintentar");
    case 5: return QStringLiteral("Ignorar");
    case 3: return QStringLiteral("Abortar");
    case 2: return QStringLiteral("Cancelar");
    case 6: return QStringLiteral("Sí");
    case 7: return QStringLiteral("No");
    default: return {};
    }
}

QString ErrorLog::line(const QDateTime& at, const QString& routinePart, const QString& prompt, int answer)
{
    return at.toString(QStringLiteral("MM-dd-yyyy")) + u' ' + at.toString(QStringLiteral("HH:mm:ss"))
         + QStringLiteral(" Rutina: ") + vb::Trim(routinePart) + QStringLiteral(" Mensaje ") + vb::Trim(prompt)
         + QStringLiteral(" Respondió : ") + answerWord(answer);
}

bool ErrorLog::append(const QString& path, const QString& line)
{
    QFile file(path);
    return open(file) && write(file, line);
}

bool ErrorLog::open(QFile& file)
{
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

bool ErrorLog::write(QFile& file, const QString& line)
{
    const QByteArray bytes = vb::Windows1252::encode(line + QStringLiteral("\r\n"));
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace data
