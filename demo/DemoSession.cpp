#include "DemoSession.h"

#include "app/ConfigurationLoader.h"
#include "data/DB_Dll.h"
#include "data/SessionValues.h"

namespace demo {

bool openDemoDatabase(data::DB_Dll& db, const QString& folder, const QString& database)
{
    db.configure([&](data::DbSettings& s) {
        s.gServidor = folder;
        s.gDBName = database;
        s.gUsuario = database;
        s.gUserPassWord = database;
    });
    db.OpenServerADODB(false, 3, QString(), false, false);
    return db.gOpenFlag();
}

DemoSession::DemoSession(int size, std::uint64_t seed, const QString& programFolder)
    : m_fixture(size, seed), m_db(std::make_shared<data::DB_Dll>())
{
    data::DB_Dll::setShared(m_db);
    if (!openDemoDatabase(*m_db, m_fixture.folder(), m_fixture.databaseName()))
        return;
    data::gUsuarioActual = QStringLiteral("ADMIN");
    app::CargarConfiguracion(programFolder + u'/');
}

DemoSession::~DemoSession()
{
    data::DB_Dll::setShared(nullptr);
}

bool DemoSession::isOpen() const
{
    return m_db->gOpenFlag();
}

} // namespace demo
