#include "DemoGenerator.h"

#include "DemoDatabase.h"
#include "DemoRandom.h"
#include "DocumentWriter.h"
#include "MasterDataWriter.h"

#include "ado/Connection.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace demo {

DemoGenerator::DemoGenerator(Options options)
    : m_options(std::move(options))
{
    if (m_options.size < 1)
        throw std::invalid_argument("the size must be at least one document");
    if (m_options.database.trimmed().isEmpty())
        throw std::invalid_argument("the database needs a name");
}

QString DemoGenerator::databasePath(const QString &folder, const QString &database)
{
    return QDir(folder).filePath(database + QStringLiteral(".db"));
}

void DemoGenerator::run()
{
    if (!QDir().mkpath(m_options.folder))
        throw std::runtime_error("cannot create folder " + m_options.folder.toStdString());
    try {
        writeSuiteDatabase();
        writeStatisticsDatabase();
    } catch (...) {
        // A half-written database would pass for a finished one on the next run.
        QFile::remove(databasePath(m_options.folder, m_options.database));
        QFile::remove(databasePath(m_options.folder, statisticsDatabase()));
        throw;
    }
}

QString DemoGenerator::connectionString(const QString &folder, const QString &database)
{
    // The suite's own SQL Server form; the database login is the database name. A relative
    // folder would be taken from the program folder, so the folder is made absolute.
    return QStringLiteral("PROVIDER=SQLOLEDB;Server=%1;Database =%2;UId=%2;Pwd=%2;Connect Timeout=5;")
        .arg(QDir(folder).absolutePath(), database);
}

void DemoGenerator::createDatabase(const QString &database, const QString &script)
{
    // The embedded engine opens only an existing file; an empty one is an empty database.
    const QString path = databasePath(m_options.folder, database);
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot create " + path.toStdString());
    file.close();
    // The schema is written in the server's dialect; the database layer translates it.
    const auto connection = ado::Connection::create();
    connection->Open(connectionString(m_options.folder, database));
    // One transaction: a file sync per CREATE would cost more than all the rows together.
    connection->BeginTrans();
    connection->Execute(resourceText(script));
    connection->CommitTrans();
    connection->Close();
}

void DemoGenerator::writeSuiteDatabase()
{
    createDatabase(m_options.database, QStringLiteral(":/demo/schema.sql"));
    DemoDatabase db(databasePath(m_options.folder, m_options.database));
    DemoRandom random(m_options.seed);
    db.begin();
    const DemoMasters masters = MasterDataWriter(db, random, m_options.size).write();
    DocumentWriter(db, random, masters).write(m_options.size);
    db.commit();
}

void DemoGenerator::writeStatisticsDatabase()
{
    createDatabase(statisticsDatabase(), QStringLiteral(":/demo/schema_estadisticas.sql"));
    DemoDatabase db(databasePath(m_options.folder, statisticsDatabase()));
    db.execute("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('BaseDeDatos', 'TimeOut', '60')");
}

QString DemoGenerator::resourceText(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing resource " + name.toStdString());
    return QString::fromUtf8(file.readAll());
}

} // namespace demo
