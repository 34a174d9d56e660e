#include "ado/EngineTarget.h"

#include "ado/EngineSettings.h"

#include <QDir>
#include <QFileInfo>

namespace ado {

namespace {
const QStringList serverKeys{QStringLiteral("Server"), QStringLiteral("Data Source"), QStringLiteral("Address"),
                             QStringLiteral("Addr")};
const QStringList databaseKeys{QStringLiteral("Database"), QStringLiteral("Initial Catalog")};
const QStringList userKeys{QStringLiteral("UId"), QStringLiteral("User Id"), QStringLiteral("User")};
const QStringList passwordKeys{QStringLiteral("Pwd"), QStringLiteral("Password")};

QString resolvedFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isAbsolute() ? path : QDir(EngineSettings::programFolder()).filePath(path);
}
} // namespace

QString EngineTarget::serverFolder(const QString& server)
{
    if (server.trimmed().isEmpty())
        return {};
    const QString path = resolvedFile(server.trimmed());
    return QFileInfo(path).isDir() ? QDir(path).absolutePath() : QString();
}

EngineTarget EngineTarget::choose(const ConnectionString& cs)
{
    EngineTarget target;
    const QString provider = cs.value(QStringLiteral("Provider"));
    if (provider.contains(QLatin1String("Jet"), Qt::CaseInsensitive)) {
        target.kind = Sqlite;
        target.databaseFile = resolvedFile(cs.value(QStringLiteral("Data Source")));
        target.databaseName = QFileInfo(target.databaseFile).completeBaseName();
        return target;
    }
    const QString folder = serverFolder(cs.value(QStringLiteral("Server")));
    if (!folder.isEmpty()) {
        target.kind = Sqlite;
        target.databaseName = cs.value(databaseKeys);
        target.databaseFile = QDir(folder).filePath(target.databaseName + QStringLiteral(".db"));
        return target;
    }
    if (cs.contains(QStringLiteral("Driver")) || cs.contains(QStringLiteral("DSN")))
        target.odbcString = cs.text();
    else if (provider.contains(QLatin1String("Ora"), Qt::CaseInsensitive))
        target.odbcString = oracleOdbcString(cs);
    else
        target.odbcString = sqlServerOdbcString(cs);
    return target;
}

QString EngineTarget::odbcValue(const QString& value)
{
    if (!value.contains(u';') && !value.contains(u'{') && !value.contains(u'}') && value.trimmed() == value)
        return value;
    return u'{' + QString(value).replace(u'}', QLatin1String("}}")) + u'}';
}

// "host\instance" stays in SERVER (FreeTDS finds the instance's port); "host,port" is split.
QString EngineTarget::sqlServerOdbcString(const ConnectionString& cs)
{
    QString server = cs.value(serverKeys);
    QString port;
    if (const qsizetype comma = server.indexOf(u','); comma >= 0) {
        port = server.mid(comma + 1).trimmed();
        server = server.left(comma).trimmed();
    }
    const QString driver = EngineSettings::sqlServerDriver();
    QString out = QStringLiteral("DRIVER={%1};SERVER=%2;").arg(driver, odbcValue(server));
    if (!port.isEmpty())
        out += QStringLiteral("PORT=%1;").arg(port);
    out += QStringLiteral("DATABASE=%1;UID=%2;PWD=%3;")
               .arg(odbcValue(cs.value(databaseKeys)), odbcValue(cs.value(userKeys)), odbcValue(cs.value(passwordKeys)));
    if (driver.contains(QLatin1String("FreeTDS"), Qt::CaseInsensitive))
        out += QStringLiteral("ClientCharset=UTF-8;");
    return out;
}

QString EngineTarget::oracleOdbcString(const ConnectionString& cs)
{
    return QStringLiteral("DRIVER={%1};DBQ=%2;UID=%3;PWD=%4;")
        .arg(EngineSettings::oracleDriver(), odbcValue(cs.value(QStringLiteral("Data Source"))),
             odbcValue(cs.value(userKeys)), odbcValue(cs.value(passwordKeys)));
}

} // namespace ado
