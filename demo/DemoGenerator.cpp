#include "DemoGenerator.h"

#include "DemoDatabase.h"
#include "DemoRandom.h"
#include "DocumentWriter.h"
#include "MasterDataWriter.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

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
    writeSuiteDatabase();
    writeStatisticsDatabase();
}

void DemoGenerator::writeSuiteDatabase()
{
    DemoDatabase db(databasePath(m_options.folder, m_options.database));
    db.runScript(resourceText(QStringLiteral(":/demo/schema.sql")));
    DemoRandom random(m_options.seed);
    db.begin();
    const DemoMasters masters = MasterDataWriter(db, random, m_options.size).write();
    DocumentWriter(db, random, masters).write(m_options.size);
    db.commit();
}

void DemoGenerator::writeStatisticsDatabase()
{
    DemoDatabase db(databasePath(m_options.folder, statisticsDatabase()));
    db.runScript(resourceText(QStringLiteral(":/demo/schema_estadisticas.sql")));
    db.execute("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('BaseDeDatos', 'TimeOut', '60')");
}

QString DemoGenerator::resourceText(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing resource " + name.toStdString());
    return QString::fromUtf8(file.readAll());
}
