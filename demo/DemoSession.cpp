#include "DemoSession.h"

#include "app/ConfigurationLoader.h"
#include "data/DB_Dll.h"
#include "data/SessionValues.h"

namespace demo {

DemoSession::DemoSession(int size, std::uint64_t seed, const QString& programFolder)
    : m_fixture(size, seed), m_db(std::make_shared<data::DB_Dll>())
{
    data::DB_Dll::setShared(m_db);
    m_db->gServidor = m_fixture.folder();
    m_db->gDBName = m_fixture.databaseName();
    m_db->gUsuario = m_db->gDBName;
    m_db->gUserPassWord = m_db->gDBName;
    m_db->OpenServerADODB(false, 3, QString(), false, false);
    if (!m_db->gOpenFlag)
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
    return m_db->gOpenFlag;
}

} // namespace demo
