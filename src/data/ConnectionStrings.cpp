#include "data/ConnectionStrings.h"

namespace data {

bool ConnectionStrings::hasTimeout(const QString& text)
{
    return text.contains(QLatin1String("Connect Timeout="), Qt::CaseInsensitive);
}

QString ConnectionStrings::sqlServer(const QString& provider, const QString& server, const QString& database,
                                     const QString& login, const QString& password, const QString& extended)
{
    QString s = QStringLiteral("PROVIDER=") + provider + u';' + QStringLiteral("Server=") + server + u';'
              + QStringLiteral("Database =") + database + u';' + QStringLiteral("UId=") + login + u';'
              + QStringLiteral("Pwd=") + password + u';';
    // The check sees the password too, so a password holding the clause suppresses it.
    if (!hasTimeout(s))
        s += QStringLiteral("Connect Timeout=5;");
    return s + extended;
}

namespace {
// The text with the first "from" written as "to".
QString firstAs(QString text, QChar from, QChar to)
{
    if (const qsizetype at = text.indexOf(from); at >= 0)
        text[at] = to;
    return text;
}
} // namespace

QString ConnectionStrings::storedServer(const QString& server, const QString& port)
{
    if (server.contains(u':'))
        return server;
    if (server.contains(u','))
        return firstAs(server, u',', u':');
    bool number = false;
    const int value = port.trimmed().toInt(&number);
    if (!number || value <= 0 || value > 65535 || value == 1433)
        return server;
    return server + u':' + QString::number(value);
}

QString ConnectionStrings::serverToOpen(const QString& server, const QString& port)
{
    return firstAs(storedServer(server, port), u':', u',');
}

QString ConnectionStrings::oracle(const QString& database, const QString& login, const QString& password)
{
    return QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + database + QStringLiteral(";User Id=") + login
         + QStringLiteral(";Password=") + password + u';';
}

QString ConnectionStrings::jet(const QString& provider, const QString& file, const QString& loginKey,
                               const QString& login, const QString& passwordKey, const QString& password,
                               const QString& extended)
{
    return QStringLiteral("PROVIDER=") + provider + u';' + QStringLiteral("Data Source =") + file + u';' + loginKey
         + u'=' + login + u';' + passwordKey + u'=' + password + u';' + extended;
}

} // namespace data
