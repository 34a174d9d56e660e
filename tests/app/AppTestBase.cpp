#include "AppTestBase.h"

#include "DemoFixture.h"
#include "DemoGenerator.h"
#include "DemoSession.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "ado/TestHooks.h"
#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "vb/App.h"
#include "vb/Files.h"

#include <QFile>

#include <sqlite3.h>

namespace {

// Generated once; every test works on its own copy of the two files.
const demo::DemoFixture& pristineDemo()
{
    static const demo::DemoFixture fixture(60, 17);
    return fixture;
}

} // namespace

AppTestBase::AppTestBase() : AppTestBase(pristineDemo()) {}

AppTestBase::AppTestBase(const demo::DemoFixture& demo)
{
    m_savedPath = vb::App::path();
    m_savedExe = vb::App::exeName();
    vb::App::setPath(m_programDir.path());
    vb::App::setExeName(QStringLiteral("rp_quindal"));
    m_hadTemp = qEnvironmentVariableIsSet("TEMP");
    m_savedTemp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(m_tempDir.path()));
    vb::setEndHook([](int exitCode) { throw vb::EndRequested(exitCode); });

    QFile::copy(demo.databasePath(), demo::DemoGenerator::databasePath(serverFolder(), demo.databaseName()));
    QFile::copy(demo.statisticsPath(),
                demo::DemoGenerator::databasePath(serverFolder(), demo::DemoGenerator::statisticsDatabase()));

    freshStart();
}

AppTestBase::~AppTestBase()
{
    ado::TestHooks::failNextOperations(0);
    app::resetState();
    vb::App::setPath(m_savedPath);
    vb::App::setExeName(m_savedExe);
    if (m_hadTemp)
        qputenv("TEMP", m_savedTemp);
    else
        qunsetenv("TEMP");
    vb::setEndHook({});
}

void AppTestBase::freshStart()
{
    app::resetState();
    db = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(db);
    db->setStatementObserver([this](const QString& sql) { handed << sql; });
    stats = std::make_shared<data::DB_Dll>();
    app::setStatisticsDatabase(stats);
    stats->setStatementObserver([this](const QString& sql) { handedStatistics << sql; });
}

void AppTestBase::openDemo()
{
    ASSERT_TRUE(demo::openDemoDatabase(*db, serverFolder(), QStringLiteral("DEMO")));
    handed.clear();
}

void AppTestBase::executeOn(const QString& database, const QString& sql)
{
    const ado::ConnectionPtr cnn = ado::Connection::create();
    cnn->Open(demo::DemoGenerator::connectionString(serverFolder(), database));
    cnn->Execute(sql);
    cnn->Close();
}

vb::Variant AppTestBase::scalarOn(const QString& database, const QString& sql)
{
    const ado::ConnectionPtr cnn = ado::Connection::create();
    cnn->Open(demo::DemoGenerator::connectionString(serverFolder(), database));
    const ado::RecordsetPtr rs = ado::Recordset::create();
    rs->Open(sql, cnn);
    const vb::Variant value = rs->Eof() ? vb::Variant() : rs->Fields()->Item(0)->Value();
    rs->Close();
    cnn->Close();
    return value;
}

void AppTestBase::execute(const QString& sql) { executeOn(QStringLiteral("DEMO"), sql); }

// Straight on the file: the embedded engine takes the suite's dialect, which has no SQLite trigger.
void AppTestBase::refuseInserts(const QString& table)
{
    sqlite3* file = nullptr;
    const QByteArray path = QFile::encodeName(serverFolder() + QStringLiteral("/DEMO.db"));
    ASSERT_EQ(sqlite3_open_v2(path.constData(), &file, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    const QByteArray sql = QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE INSERT ON %1 BEGIN "
                                          "SELECT RAISE(ABORT, 'attempt to write a readonly database'); END")
                               .arg(table)
                               .toUtf8();
    const int created = sqlite3_exec(file, sql.constData(), nullptr, nullptr, nullptr);
    sqlite3_close(file);
    ASSERT_EQ(created, SQLITE_OK);
}
void AppTestBase::executeStatistics(const QString& sql)
{
    executeOn(demo::DemoGenerator::statisticsDatabase(), sql);
}
vb::Variant AppTestBase::scalar(const QString& sql) { return scalarOn(QStringLiteral("DEMO"), sql); }
vb::Variant AppTestBase::scalarStatistics(const QString& sql)
{
    return scalarOn(demo::DemoGenerator::statisticsDatabase(), sql);
}

void AppTestBase::removeConfig(const QString& key)
{
    execute(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = '%1'").arg(QString(key).replace(u'\'', QStringLiteral("''"))));
}

void AppTestBase::setConfig(const QString& key, const QString& value)
{
    removeConfig(key);
    const auto quoted = [](QString text) { return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\''; };
    execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('DATOS', %1, %2)")
                .arg(quoted(key), quoted(value)));
}

int AppTestBase::configRows(const QString& key)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION WHERE Clave = '%1'").arg(key)).toLong();
}

void AppTestBase::writeProgramFile(const QString& name, const QString& text)
{
    QFile file(m_programDir.path() + u'/' + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ADD_FAILURE() << "cannot write " << name.toStdString();
        return;
    }
    file.write(vb::Windows1252::encode(text));
}

QString AppTestBase::moduleLog() const
{
    QFile file(moduleLogPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return vb::Windows1252::decode(file.readAll());
}
