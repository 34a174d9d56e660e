#include "DataTestBase.h"

#include "data/ConnectionStrings.h"
#include "data/LoginPrompt.h"
#include "data/SessionValues.h"

#include <QRegularExpression>

namespace {

// A login window that answers from fields the test sets and remembers what it was given;
// the user and password boxes keep what the caller wrote.
class ScriptedLogin : public data::LoginPrompt {
public:
    struct Script {
        bool accept = true;
        QString db, server, port;
        int platform = 0;
        int shown = 0;
        QString givenDb, givenServer, givenUser, givenPassword;
        int givenPlatform = -1;
    };
    explicit ScriptedLogin(Script& s) : m_s(s) {}
    void load() override {}
    void unload() override {}
    void setTxtDbName(const QString& t) override { m_s.givenDb = t; }
    QString TxtDbName() const override { return m_s.db; }
    void setTxtServidor(const QString& t) override { m_s.givenServer = t; }
    QString TxtServidor() const override { return m_s.server; }
    void setTxtUserId(const QString& t) override { m_s.givenUser = t; }
    QString TxtUserId() const override { return m_s.givenUser; }
    void setTxtUserPassword(const QString& t) override { m_s.givenPassword = t; }
    QString TxtUserPassword() const override { return m_s.givenPassword; }
    QString TxtPuerto() const override { return m_s.port; }
    void setPlataforma(int i) override { m_s.givenPlatform = i; }
    int plataforma() const override { return m_s.platform; }
    // As the window does on "Conectar": the boxes' user and password become the program's.
    void showModal() override
    {
        ++m_s.shown;
        if (m_s.accept) {
            data::gUsuarioActual = m_s.givenUser;
            data::gClaveActual = m_s.givenPassword;
        }
    }
    void hide() override {}
    bool Aceptar() const override { return m_s.accept; }

private:
    Script& m_s;
};

class ConnectionOpening : public DataTestBase {
protected:
    ~ConnectionOpening() override { data::LoginPrompt::setFactory({}); }
    void scriptLogin()
    {
        data::LoginPrompt::setFactory([this] { return std::make_unique<ScriptedLogin>(login); });
    }
    void target(const QString& server, const QString& database, const QString& user, const QString& password)
    {
        db->configure([&](data::DbSettings& s) {
            s.gServidor = server;
            s.gDBName = database;
            s.gUsuario = user;
            s.gUserPassWord = password;
        });
    }
    ScriptedLogin::Script login;
};

TEST_F(ConnectionOpening, BuildsTheSqlServerStringAndOpensTheDemoDatabase)
{
    openDemo();
    const QString folder = demo().folder();
    EXPECT_EQ(db->settings().gConnString, "PROVIDER=SQLOLEDB;Server=" + folder + ";Database =DEMO;UId=DEMO;Pwd=DEMO;Connect Timeout=5;");
    EXPECT_EQ(db->settings().gProveedor, "SQLOLEDB");
    EXPECT_TRUE(db->gEsAdmin());   // no validation asked
    EXPECT_TRUE(boxes().isEmpty());
}

// The port box joins a server text that names no port of its own; the default port adds
// nothing, so a named instance is still found on whatever port it listens. The file keeps a
// port after ":", the providers take it after ",".
TEST(ServerPort, TheLoginWindowsPortJoinsTheServerAsTheProvidersTakeIt)
{
    using data::ConnectionStrings;
    EXPECT_EQ(ConnectionStrings::storedServer("srv2\\inst", " 1500 "), "srv2\\inst:1500");
    EXPECT_EQ(ConnectionStrings::storedServer("srv2\\inst,1600", "1500"), "srv2\\inst:1600");
    EXPECT_EQ(ConnectionStrings::storedServer(ConnectionStrings::serverToOpen("srv2:1600")), "srv2:1600");
    EXPECT_EQ(ConnectionStrings::storedServer("srv2"), "srv2");
    EXPECT_EQ(ConnectionStrings::serverToOpen("srv2\\inst", "1500"), "srv2\\inst,1500");
    EXPECT_EQ(ConnectionStrings::serverToOpen("srv2\\inst:1600", "1500"), "srv2\\inst,1600");
    EXPECT_EQ(ConnectionStrings::serverToOpen("srv2,1600", "1500"), "srv2,1600");
    for (const char* none : {"", "1433", "abc", "0", "70000"})
        EXPECT_EQ(ConnectionStrings::serverToOpen("srv2\\inst", none), "srv2\\inst") << none;
}

TEST_F(ConnectionOpening, TimeoutClauseFollowsTheExtendedTextAndThePassword)
{
    target("srv", "B", "u", "x;Connect Timeout=9");
    db->configure([&](data::DbSettings& s) { s.gExtended = "App=rp;"; });
    db->OpenServerADODB(false, 3, "   ", false, false);   // blanks count as no string
    EXPECT_EQ(db->settings().gConnString, "PROVIDER=SQLOLEDB;Server=srv;Database =B;UId=u;Pwd=x;Connect Timeout=9;App=rp;");

    db->configure([&](data::DbSettings& s) {
        s.gUserPassWord = "p";
        s.gExtended = "Connect Timeout=30;";
    });
    db->OpenServerADODB(false, 3, "", false, false);
    EXPECT_EQ(db->settings().gConnString, "PROVIDER=SQLOLEDB;Server=srv;Database =B;UId=u;Pwd=p;Connect Timeout=5;Connect Timeout=30;");
}

TEST_F(ConnectionOpening, HashInTheServerBuildsTheOracleStringAndAFailureIsSilentWithoutMessages)
{
    target("ORASRV#", "XE", "XE", "XE");
    db->configure([&](data::DbSettings& s) { s.gExtended = "Ignored=1;"; });
    db->OpenServerADODB(false, 3, "", true, false);
    EXPECT_EQ(db->settings().gConnString, "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=XE;Password=XE;");
    EXPECT_EQ(db->settings().gServidor, "ORASRV#");
    EXPECT_FALSE(db->gOpenFlag());
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ConnectionOpening, AGivenStringIsUsedUntrimmed)
{
    const QString given = demo().connectionString() + " ";
    db->configure([&](data::DbSettings& s) { s.gDBName = "DEMO"; });
    db->OpenServerADODB(false, 3, given, false, false);
    EXPECT_EQ(db->settings().gConnString, given);
    EXPECT_TRUE(db->gOpenFlag());
}

TEST_F(ConnectionOpening, OpeningAnOpenObjectClosesAndReopensOnce)
{
    openDemo();
    db->OpenServerADODB(false, 3, QString(), false, true);
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(db->gCnn()->State(), 1);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM TA_USUARIOS").toLong(), 3);
}

TEST_F(ConnectionOpening, AdministratorFlagComesFromTheUsersRow)
{
    struct Case { const char* user; bool admin; };
    for (const Case& c : {Case{"ADMIN", true}, Case{"compras", false}, Case{"NOBODY", false}, Case{"O'Hara", false}}) {
        data::gUsuarioActual = c.user;
        db->setEsAdmin(!c.admin);
        openDemo(true, true);
        EXPECT_EQ(db->gEsAdmin(), c.admin) << c.user;
        ASSERT_EQ(handed.size(), 0);
    }
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ConnectionOpening, AdministratorFlagWithoutShowingErrorsOrWithoutDatabaseName)
{
    data::gUsuarioActual = "COMPRAS";
    openDemo(true, false);
    EXPECT_TRUE(db->gEsAdmin());   // the statistics connection: the table exists, no user check

    auto other = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(other);
    other->configure([&](data::DbSettings& s) {
        s.gServidor = demo().folder();
        s.gDBName = "  ";
    });
    other->OpenServerADODB(false, 3, demo().connectionString(), true, true);
    EXPECT_FALSE(other->gEsAdmin());   // left as it was on a fresh object
}

TEST_F(ConnectionOpening, LoginWindowChoosesOracleAndMarksTheServer)
{
    scriptLogin();
    data::gUsuarioActual = "ADMIN";
    data::gClaveActual = "secreta";
    db->configure([&](data::DbSettings& s) {
        s.gDBName = "OLD";
        s.gServidor = "OLDSRV";
    });
    login.db = "XE";
    login.server = "orahost";
    login.platform = 1;
    db->OpenServerADODB(true, 3, "", false, false);
    EXPECT_EQ(login.shown, 1);
    EXPECT_EQ(login.givenDb, "OLD");
    EXPECT_EQ(login.givenServer, "OLDSRV");
    EXPECT_EQ(login.givenUser, "ADMIN");
    // The window asks for the connection: it shows no password, and one left untyped for the
    // same user is the password the program already held.
    EXPECT_EQ(login.givenPassword, "");
    EXPECT_EQ(data::gClaveActual, "secreta");
    EXPECT_EQ(login.givenPlatform, 0);
    EXPECT_EQ(db->settings().gServidor, "#orahost");
    EXPECT_EQ(db->settings().gProveedor, "OraOLEDB.Oracle.1");
    EXPECT_EQ(db->settings().gUsuario, "XE");
    EXPECT_EQ(db->settings().gConnString, "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=XE;Password=XE;");

    login.server = "#orahost";
    db->OpenServerADODB(true, 3, "", false, false);
    EXPECT_EQ(db->settings().gServidor, "#orahost");
}

TEST_F(ConnectionOpening, LoginWindowOpensTheChosenDatabaseOrCancelsQuietly)
{
    scriptLogin();
    login.db = "DEMO";
    login.server = demo().folder();
    db->OpenServerADODB(true, 3, "", false, true);
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(db->settings().gProveedor, "SQLOLEDB");
    EXPECT_EQ(db->gCnn()->State(), 1);

    auto fresh = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(fresh);
    login.accept = false;
    fresh->OpenServerADODB(true, 3, demo().connectionString(), false, true);
    EXPECT_FALSE(fresh->gOpenFlag());
    EXPECT_TRUE(!fresh->gCnn() || fresh->gCnn()->State() == 0);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ConnectionOpening, RefusedConnectionShowsTheDiagnosisAndNoEndsIt)
{
    target("no-such-host-rpq", "DEMO", "DEMO", "DEMO");
    dialogs.pushMsgBoxAnswer(ui::vbNo);
    db->OpenServerADODB(false, 3, "", true, true);
    EXPECT_FALSE(db->gOpenFlag());
    ASSERT_EQ(boxes().size(), 1);
    const auto box = boxes().first();
    EXPECT_EQ(box.title, " Error de Conexion a Base de Datos");
    EXPECT_EQ(box.style, 20);
    EXPECT_TRUE(box.text.startsWith(" Estado de Sql: ")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains("\rCodigo Nativo: "));
    EXPECT_TRUE(box.text.contains("Nombre de Proceso: rp_quindal\r\r\n\r\n1. Verifique el Usuario"));
    EXPECT_TRUE(box.text.contains("por ejemplo : no-such-host-rpq\\BRIXKOR\r\n"));
    EXPECT_TRUE(box.text.endsWith("para el usuario DEMO existe\r\n\r\n\r\n - Desea Intentarlo Nuevamente??? "));
}

// A database file overwritten or cut short: the box told the operator to check whether a user
// named like the database existed, and no login typed again could mend the file.
TEST_F(ConnectionOpening, ADamagedDatabaseFileIsToldAsSuchNotAsALoginProblem)
{
    const QTemporaryDir server;
    QFile file(server.filePath("DEMO.db"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'Z'));
    file.close();
    target(server.path(), "DEMO", "DEMO", "DEMO");
    dialogs.pushMsgBoxAnswer(ui::vbNo);
    db->OpenServerADODB(false, 3, "", true, true);
    EXPECT_FALSE(db->gOpenFlag());
    ASSERT_EQ(boxes().size(), 1);
    const QString text = boxes().first().text;
    EXPECT_TRUE(text.contains("\rDescripcion: No se puede abrir la base de datos \"DEMO\": su archivo " + file.fileName()
                              + " está dañado o no es una base de datos.\rCodigo Nativo: 926\r")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("Nombre de Proceso: rp_quindal\r\r\n\r\nEl archivo de la base de datos está dañado o no es una "
                              "base de datos: reemplácelo por su copia de respaldo o elija otra base de datos\r\n\r\n\r\n"
                              " - Desea Intentarlo Nuevamente??? ")) << text.toStdString();
}

TEST_F(ConnectionOpening, YesToTheDiagnosisAsksForNewParametersAndOpensThem)
{
    scriptLogin();
    login.db = "DEMO";
    login.server = demo().folder();
    db->configure([&](data::DbSettings& s) {
        s.gServidor = "no-such-host-rpq";
        s.gDBName = "DEMO";
    });
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    db->OpenServerADODB(false, 3, "", false, true);
    EXPECT_EQ(login.shown, 1);
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(db->gCnn()->State(), 1);
    EXPECT_EQ(boxes().size(), 1);
}

} // namespace

namespace {

class LocalFile : public DataTestBase {};

TEST_F(LocalFile, OpensAFileDatabaseWithTheJetString)
{
    db->configure([&](data::DbSettings& s) {
        s.gProveedor = db->pJETOLEDB40();
        s.gDBName = demo().databasePath();
        s.gUsuario = "Admin";
        s.gExtended = "Mode=Share;";
    });
    db->OpenLocalADODB("", "User ID", "Jet OLEDB:Database Password");
    EXPECT_EQ(db->settings().gConnString, "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =" + demo().databasePath()
                                   + ";User ID=Admin;Jet OLEDB:Database Password=;Mode=Share;");
    ASSERT_TRUE(db->gCnn());
    EXPECT_EQ(db->gCnn()->State(), 1);
    EXPECT_TRUE(dialogs.prompts().isEmpty());
}

TEST_F(LocalFile, WithoutAFileNameTheOperatorPicksOneOrCancels)
{
    db->configure([&](data::DbSettings& s) { s.gProveedor = db->pJETOLEDB35(); });
    dialogs.pushFileName("");
    db->OpenLocalADODB("", "UID", "PWD");
    EXPECT_TRUE(!db->gCnn() || db->gCnn()->State() == 0);
    auto files = dialogs.prompts(ui::ScriptedDialogService::Kind::OpenFile);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].title, "Buscar Base de Datos");
    EXPECT_EQ(files[0].filter, "Base de Datos de Microsoft Access |*.MDB");

    dialogs.pushFileName(demo().databasePath());
    db->OpenLocalADODB("", "UID", "PWD");
    EXPECT_EQ(db->settings().gDBName, demo().databasePath());
    EXPECT_EQ(db->gCnn()->State(), 1);
}

TEST_F(LocalFile, OtherFailuresShowNumberAndDescription)
{
    db->configure([&](data::DbSettings& s) { s.gDBName = "x"; });
    db->OpenLocalADODB("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =" + m_programDir.path() + "/nada/x.mdb;", "", "");
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].style, 16);
    EXPECT_TRUE(boxes()[0].text.contains(QRegularExpression("^-?\\d+  \\S")));
    EXPECT_TRUE(db->settings().gConnString.isEmpty());
}

} // namespace
