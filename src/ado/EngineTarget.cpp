#include "ado/EngineTarget.h"

#include "ado/EngineSettings.h"
#include "vb/Files.h"

#include <QDir>
#include <QFileInfo>

namespace ado {

namespace {
const QStringList serverKeys{QStringLiteral("Server"), QStringLiteral("Data Source"), QStringLiteral("Address"),
                             QStringLiteral("Addr")};
const QStringList databaseKeys{QStringLiteral("Database"), QStringLiteral("Initial Catalog")};
const QStringList userKeys{QStringLiteral("UId"), QStringLiteral("User Id"), QStringLiteral("User")};
const QStringList passwordKeys{QStringLiteral("Pwd"), QStringLiteral("Password")};

QString absolutePath(const QString& path)
{
    const QFileInfo info(path);
    return info.isAbsolute() ? path : QDir(EngineSettings::programFolder()).filePath(path);
}

// A refused login or database comes from a server that was reached. Anything else (no such
// host, no answer, a driver that could not start) means no server was found under that name:
// drivers report it as a general error as often as with a connection state.
bool serverAnswered(const std::vector<Error>& records)
{
    for (const Error& record : records) {
        const QString& state = record.SQLState();
        if (state.startsWith(QLatin1String("28")) || state.startsWith(QLatin1String("42")) || state.startsWith(QLatin1String("3D")))
            return true;
    }
    return false;
}

// Relative to the program folder; each existing part is found without regard to case.
QString resolvedFile(const QString& path)
{
    return vb::resolvePath(absolutePath(path));
}
} // namespace

QString EngineTarget::serverFolder(const QString& server)
{
    if (server.trimmed().isEmpty())
        return {};
    const QString path = resolvedFile(server.trimmed());
    return QFileInfo(path).isDir() ? QDir(path).absolutePath() : QString();
}

QString EngineTarget::fileOfDatabase(const QString& folder, const QString& database)
{
    return vb::resolvePath(QDir(folder).filePath(database + QStringLiteral(".db")));
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
        target.databaseFile = fileOfDatabase(folder, target.databaseName);
        return target;
    }
    if (cs.contains(QStringLiteral("Driver")) || cs.contains(QStringLiteral("DSN"))) {
        target.odbcString = cs.text();
    } else if (provider.contains(QLatin1String("Ora"), Qt::CaseInsensitive)) {
        target.odbcString = oracleOdbcString(cs);
    } else {
        target.odbcString = sqlServerOdbcString(cs);
        target.server = cs.value(serverKeys);
        if (cs.contains(QStringLiteral("Server")) && !target.server.trimmed().isEmpty())
            target.dataFolder = QDir::cleanPath(resolvedFile(target.server.trimmed()));
    }
    return target;
}

DatabaseFailure EngineTarget::explained(const DatabaseFailure& failure) const
{
    std::vector<Error> records = failure.records();
    if (dataFolder.isEmpty() || records.empty() || serverAnswered(records))
        return failure;
    const Error& first = records.front();
    const QString text = QStringLiteral("No existe la carpeta de datos \"%1\" y no se pudo conectar con el servidor \"%2\": %3")
                             .arg(dataFolder, server.trimmed(), first.Description());
    records.front() = Error(first.Number(), text, first.Source(), first.SQLState(), first.NativeError());
    return DatabaseFailure(failure.number(), std::move(records));
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
