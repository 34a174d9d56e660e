#include "DataTestBase.h"

#include "ado/TestHooks.h"
#include "data/RunState.h"
#include "vb/Files.h"

DataTestBase::DataTestBase()
{
    m_savedPath = vb::App::path();
    m_savedExe = vb::App::exeName();
    vb::App::setPath(m_programDir.path());
    vb::App::setExeName(QStringLiteral("rp_quindal"));
    vb::setEndHook([](int exitCode) { throw vb::EndRequested(exitCode); });
    data::resetRunState();
    db = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(db);
    db->setStatementObserver([this](const QString& sql) { handed << sql; });
}

DataTestBase::~DataTestBase()
{
    ado::TestHooks::failNextOperations(0);
    data::resetRunState();
    vb::App::setPath(m_savedPath);
    vb::App::setExeName(m_savedExe);
    vb::setEndHook({});
}

demo::DemoFixture& DataTestBase::demo()
{
    static demo::DemoFixture fixture(60, 11);
    return fixture;
}

demo::DemoFixture& DataTestBase::writableDemo()
{
    if (!m_ownDemo)
        m_ownDemo = std::make_unique<demo::DemoFixture>(60, 13);
    return *m_ownDemo;
}

void DataTestBase::openDemo(bool validaAdmin, bool muestraError)
{
    demo::DemoFixture& fixture = m_current ? *m_current : demo();
    db->configure([&](data::DbSettings& s) {
        s.gServidor = fixture.folder();
        s.gDBName = fixture.databaseName();
        s.gUsuario = fixture.databaseName();
        s.gUserPassWord = fixture.databaseName();
    });
    db->OpenServerADODB(false, 3, QString(), validaAdmin, muestraError);
    ASSERT_TRUE(db->gOpenFlag());
    ASSERT_EQ(db->gCnn()->State(), 1);
    handed.clear();
}

QString DataTestBase::logText() const
{
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return vb::Windows1252::decode(file.readAll());
}

vb::Variant DataTestBase::scalar(const QString& sql)
{
    ado::RecordsetPtr rs = ado::Recordset::create();
    rs->Open(sql, db->gCnn());
    return rs->Eof() ? vb::Variant() : rs->Fields()->Item(0)->Value();
}
