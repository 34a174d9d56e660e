#include "AppTestBase.h"

#include "DemoGenerator.h"
#include "app/AppModule.h"
#include "app/Dll_Display.h"
#include "app/Lbf_CtrlDisplay.h"
#include "kit/DLL_Print.h"
#include "app/SharedObjects.h"
#include "app/StartUp.h"
#include "app/StatementBuilder.h"
#include "app/EstiloFormulario.h"
#include "app/UserCheck.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "data/BasesFile.h"
#include "data/LBM_Common.h"
#include "data/SessionValues.h"
#include "data/frmAcceso.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "vb/App.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using Kind = ui::ScriptedDialogService::Kind;

// One try in the login window: what the operator types, or a close without "Conectar".
struct LoginTry {
    QString user;
    QString password;
    QString server;     // empty: as the window shows it
    bool cancel = false;
    bool pastedUser = false;    // the user's name comes in through the clipboard
};
LoginTry typed(const QString& user, const QString& password, const QString& server = {})
{
    return LoginTry{user, password, server, false};
}
LoginTry closed() { return LoginTry{{}, {}, {}, true}; }
LoginTry pasted(const QString& user, const QString& password)
{
    return LoginTry{user, password, {}, false, true};
}

class StartUp : public AppTestBase {
protected:
    void SetUp() override
    {
        vb::App::setCommandLine({});
        // The suite's databases as the launcher names them: a folder beside the program.
        ASSERT_TRUE(QFile::link(serverFolder(), m_programDir.path() + "/datos"));
        writeProgramFile("BASES.TXT", {});
        app::setLookupSetUp([this](const QString& connString, const QString& maskPath) {
            lookupCalls << connString + " | " + maskPath;
        });
        dialogs.setModalHandler("frmAcceso", [this](QDialog* d) { return operate(static_cast<data::frmAcceso*>(d)); });
    }
    void TearDown() override
    {
        app::setLookupSetUp({});
        data::frmAcceso::setStyleHook({});
        data::frmAcceso::setErrorHandler({});
    }

    static QString launcherLine(const QString& user, const QString& password, const QString& more = {})
    {
        return "@ParametroAdicional=RMC;@Menu=C0105;@Server=datos;@DbName=DEMO;@Usuario=" + user + ";@Password="
             + password + ";@Caja=2;" + more;
    }
    void start(const QString& line, bool fromIni = false)
    {
        QString cadena;
        app::IniciarAplicacion(fromIni, line, cadena, 3);
    }
    // True when start-up ended the program; endCode is then the process's exit status.
    bool startEnds(const QString& line)
    {
        try {
            start(line);
        } catch (const vb::EndRequested& end) {
            endCode = end.exitCode;
            return true;
        }
        return false;
    }
    int endCode = -1;

    int operate(data::frmAcceso* w)
    {
        shownInWindow << QStringList{w->TxtUserId()->text(), w->TxtUserPassword()->text(), w->TxtDbName()->text(),
                                     w->TxtServidor()->text()};
        noticeDuringLogin = noticeShowing();
        adminWhileAsking << app::state().startup.EsAdministrador;
        const char* button = "bcCancelar";
        if (!tries.isEmpty() && !tries.first().cancel) {
            const LoginTry t = tries.takeFirst();
            w->TxtUserId()->setText(t.pastedUser ? QString() : t.user);
            if (t.pastedUser) {
                QApplication::clipboard()->setText(t.user);
                w->TxtUserId()->paste();
            }
            w->TxtUserPassword()->setText(t.password);
            if (!t.server.isEmpty())
                w->TxtServidor()->setText(t.server);
            button = "bcAceptar";
        }
        qobject_cast<QPushButton*>(ui::Control::find(w, button))->click();
        return w->result();
    }
    static bool noticeShowing()
    {
        const app::Lbf_CtrlDisplay* notice = app::gCartel().window();
        return notice && notice->isVisible();
    }
    int rows(const QString& table) { return scalar("SELECT COUNT(*) FROM " + table).toLong(); }
    QString lastAccess(const QString& column)
    {
        return scalar("SELECT TOP 1 " + column + " FROM Control_Acceso ORDER BY Id DESC").toString();
    }
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const auto& box : boxes())
            texts << box.text;
        return texts;
    }

    QStringList lookupCalls;
    QList<LoginTry> tries;
    QList<QStringList> shownInWindow;
    QList<bool> adminWhileAsking;
    bool noticeDuringLogin = false;
};

TEST_F(StartUp, TheLaunchersLineStartsTheProgramForItsUser)
{
    start(launcherLine("COMPRAS", "compras"));
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(db->settings().gServidor, "datos");
    EXPECT_EQ(db->settings().gDBName, "DEMO");
    EXPECT_EQ(db->settings().gUsuario, "DEMO");
    EXPECT_EQ(db->settings().gUserPassWord, "DEMO");
    EXPECT_EQ(app::state().startup.ParametroAdicional, "RMC");
    EXPECT_EQ(app::state().startup.Menu, "C0105");
    EXPECT_EQ(app::state().startup.Caja, "2");
    EXPECT_EQ(data::gUsuarioActual, "COMPRAS");
    EXPECT_EQ(data::gClaveActual, "compras");
    EXPECT_EQ(app::state().startup.ConexionDSN, "DSN=DEMO; UID=DEMO; PWD=DEMO");
    EXPECT_EQ(app::gImpresion().pPathSistema, m_programDir.path() + "/");
    EXPECT_EQ(app::state().startup.SeccionIni, (app::gSistema().NombreEquipo() + "|" + app::gSistema().NombreUsuarioSistema()).toUpper().left(50));
    EXPECT_EQ(app::state().startup.FlatToolbars, 1);
    // The statistics connection gave the time-out; the configuration is loaded.
    EXPECT_TRUE(stats->gOpenFlag());
    EXPECT_EQ(app::state().startup.TimeOut, 60);
    EXPECT_EQ(db->gCnn()->CommandTimeout(), 60);
    EXPECT_EQ(db->gCnn()->IsolationLevel(), 256);
    EXPECT_EQ(app::state().configuration.UNegocioUsuario, "   1");
    EXPECT_EQ(lookupCalls, QStringList{db->settings().gConnString + " | " + m_programDir.path() + "/consultas.qzt"});
    EXPECT_FALSE(app::state().startup.EsAdministrador);
    EXPECT_FALSE(db->gEsAdmin());
    // The access row, and the notice shown first and closed at the end.
    ASSERT_EQ(rows("Control_Acceso"), 1);
    EXPECT_EQ(lastAccess("Usuario"), "COMPRAS");
    EXPECT_EQ(lastAccess("Tarea"), "REPORTES DE REMITOS DE COMPRA");
    const auto modeless = dialogs.prompts(Kind::Modeless);
    ASSERT_EQ(modeless.size(), 1);
    EXPECT_EQ(modeless[0].title, "Conectando Base de Datos");
    EXPECT_EQ(app::gCartel().window(), nullptr);
    EXPECT_TRUE(dialogs.prompts(Kind::MsgBox).isEmpty());
    EXPECT_TRUE(dialogs.prompts(Kind::Modal).isEmpty());
}

TEST_F(StartUp, AnAdministratorIsOneOnlyOnceThePasswordMatched)
{
    start(launcherLine("admin", "ADMIN"));     // letter case of the password does not count
    EXPECT_TRUE(app::state().startup.EsAdministrador);
    EXPECT_TRUE(db->gEsAdmin());
    EXPECT_EQ(data::gUsuarioActual, "admin");
}

TEST_F(StartUp, AWrongPasswordGetsThreeTriesThenTheProgramEnds)
{
    tries = {typed("ADMIN", "mal1"), typed("ADMIN", "mal2"), typed("ADMIN", "mal3")};
    EXPECT_TRUE(startEnds(launcherLine("ADMIN", "mala")));
    EXPECT_EQ(endCode, 1);
    ASSERT_EQ(shownInWindow.size(), 3);
    // The password refused is never offered again: each window opens with the box empty.
    EXPECT_EQ(shownInWindow[0], (QStringList{"ADMIN", "", "DEMO", "datos"}));
    EXPECT_EQ(shownInWindow[1], (QStringList{"ADMIN", "", "DEMO", "datos"}));
    // The administrator's flags never stood while the password was wrong.
    EXPECT_EQ(adminWhileAsking, (QList<bool>{false, false, false}));
    EXPECT_FALSE(db->gEsAdmin());
    EXPECT_TRUE(noticeDuringLogin);
    EXPECT_EQ(boxTexts(), (QStringList{"El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente",
                                       "Usuario o Clave incorrecta", "Usuario o Clave incorrecta",
                                       "Usuario o Clave incorrecta",
                                       "Demasiados intentos para iniciar sesión!\r\nComuniquese con el administrador de sistemas"}));
    EXPECT_EQ(boxes()[0].title, "Atencion!");
    EXPECT_EQ(boxes()[0].icon, ui::vbCritical);
    EXPECT_EQ(boxes()[1].title, "Atencion");
    EXPECT_EQ(boxes()[1].icon, ui::vbInformation);
    EXPECT_EQ(boxes()[4].title, "Atencion!");
    EXPECT_EQ(boxes()[4].icon, ui::vbCritical);
    EXPECT_EQ(rows("V_MV_CPTEACCIONES WHERE SYSTEMUSER = 'Intento de inicio de sesion fallido'"), 3);
    EXPECT_EQ(rows("Control_Acceso"), 0);
}

TEST_F(StartUp, ClosingTheLoginWindowEndsTheProgramAtOnce)
{
    tries = {closed()};
    EXPECT_TRUE(startEnds(launcherLine("NADIE", "x")));
    EXPECT_EQ(endCode, 0);      // the operator's choice, no failure
    EXPECT_EQ(shownInWindow.size(), 1);
    EXPECT_EQ(boxes().size(), 1);      // only the first message
    EXPECT_EQ(rows("Control_Acceso"), 0);
}

// The operator's cancel is no failure, whichever login window it closes: the one a start
// without arguments asks the connection in, or the one offered again after a failed open.
TEST_F(StartUp, ClosingAnyLoginWindowEndsWithStatusZero)
{
    tries = {closed()};
    EXPECT_TRUE(startEnds("@ParametroAdicional=OC;"));
    EXPECT_EQ(endCode, 0);
    EXPECT_EQ(shownInWindow.size(), 1);
    EXPECT_TRUE(boxes().isEmpty());

    tries = {closed()};
    dialogs.pushMsgBoxAnswer(ui::vbYes);     // the open's own question: try again
    EXPECT_TRUE(startEnds("@Server=datos;@DbName=NO_EXISTE;@Usuario=COMPRAS;@Password=compras;"));
    EXPECT_EQ(endCode, 0);
    EXPECT_EQ(shownInWindow.size(), 2);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, " Error de Conexion a Base de Datos");
}

TEST_F(StartUp, AnotherUserAcceptedByTheWindowGetsItsOwnConfiguration)
{
    tries = {typed("DEPOSITO", "deposito")};
    start(launcherLine("ADMIN", "mala"));
    EXPECT_EQ(data::gUsuarioActual, "DEPOSITO");
    EXPECT_EQ(app::state().configuration.UNegocioUsuario, "   2");      // DEPOSITO's unit, not ADMIN's
    EXPECT_FALSE(app::state().startup.EsAdministrador);
    EXPECT_EQ(lastAccess("Usuario"), "DEPOSITO");
    EXPECT_EQ(db->settings().gServidor, "datos");             // no re-open
    EXPECT_EQ(lookupCalls.size(), 1);
    EXPECT_EQ(app::gCartel().window(), nullptr);
}

// A NUL pasted with the name ended the user check's statement ("unrecognized token") and the
// error reached start-up's caller: the box keeps no control character.
TEST_F(StartUp, AControlCharacterPastedIntoTheUserBoxNeverReachesTheDatabase)
{
    tries = {pasted(QStringLiteral("COMP") + QChar(0) + QStringLiteral("RAS\t"), "compras")};
    start(launcherLine("ADMIN", "mala"));
    EXPECT_EQ(data::gUsuarioActual, "COMPRAS");
    EXPECT_EQ(lastAccess("Usuario"), "COMPRAS");
    EXPECT_TRUE(handed.contains("SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'COMPRAS' AND (SISTEMA = 'vu000va' OR SISTEMA = 'BRIX')"));
    for (const QString& sql : handed)
        EXPECT_FALSE(sql.contains(QChar(0))) << sql.toStdString();
}

TEST_F(StartUp, AUserWithoutARowAcceptedByTheWindowKeepsNothingOfThePreviousOne)
{
    tries = {typed("DEMO", "x")};      // the database's own name needs no row of its own
    start(launcherLine("DEPOSITO", "mala"));
    EXPECT_EQ(data::gUsuarioActual, "DEMO");
    EXPECT_EQ(app::state().configuration.UNegocioUsuario, "   1");       // not DEPOSITO's "   2"
    EXPECT_EQ(app::state().configuration.ClasesPrecioUsuario, "");       // nor his price class "1"
}

TEST_F(StartUp, AnotherServerTypedInTheWindowReopensThere)
{
    QDir(m_programDir.path()).mkpath("otra");
    for (const QString& name : {QStringLiteral("DEMO"), demo::DemoGenerator::statisticsDatabase()})
        ASSERT_TRUE(QFile::copy(demo::DemoGenerator::databasePath(serverFolder(), name),
                                demo::DemoGenerator::databasePath(m_programDir.path() + "/otra", name)));
    tries = {typed("COMPRAS", "compras", "otra")};
    start(launcherLine("ADMIN", "mala"));
    EXPECT_EQ(db->settings().gServidor, "otra");
    EXPECT_EQ(stats->settings().gServidor, "otra");
    EXPECT_EQ(data::gUsuarioActual, "COMPRAS");
    EXPECT_EQ(lookupCalls.size(), 2);
    EXPECT_EQ(rows("Control_Acceso"), 0);      // the access row went to the other server
    EXPECT_TRUE(db->settings().gConnString.contains("otra"));
}

TEST_F(StartUp, APasswordEqualToTheDatabaseNameReadsTheStoredOne)
{
    start(launcherLine("COMPRAS", "demo"));
    EXPECT_EQ(data::gClaveActual, "compras");
    EXPECT_TRUE(handed.contains("Select * from ta_usuarios  with(nolock)  where Nombre = 'COMPRAS'"));
    EXPECT_TRUE(boxes().isEmpty());
}

// The launcher's contract: whoever starts the program with that line gets the named user's
// rights, an administrator's included, without typing a password.
TEST_F(StartUp, APasswordEqualToTheDatabaseNameGivesTheUsersOwnRights)
{
    start(launcherLine("ADMIN", "DEMO"));
    EXPECT_EQ(data::gUsuarioActual, "ADMIN");
    EXPECT_TRUE(app::state().startup.EsAdministrador);
    EXPECT_TRUE(db->gEsAdmin());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(shownInWindow.isEmpty());
}

// The launcher's line without a database: its empty password equals the missing name. The
// open fails and the operator tries again in the login window, which shows no password;
// the database chosen there, he goes on as the launcher's user without typing one.
TEST_F(StartUp, TheWindowAfterAFailedOpenShowsNoPasswordAndKeepsTheLaunchersWord)
{
    dialogs.setModalHandler("frmAcceso", [this](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        shownInWindow << QStringList{w->TxtUserId()->text(), w->TxtUserPassword()->text(), w->TxtDbName()->text(),
                                     w->TxtServidor()->text()};
        w->TxtDbName()->setText("DEMO");
        qobject_cast<QPushButton*>(ui::Control::find(w, "bcAceptar"))->click();
        return w->result();
    });
    dialogs.pushMsgBoxAnswer(ui::vbYes);     // the open's own question: try again
    start("@Server=datos;@Usuario=ADMIN;@Password=;");
    ASSERT_EQ(shownInWindow.size(), 1);
    EXPECT_EQ(shownInWindow[0], (QStringList{"ADMIN", "", "", "datos"}));
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(data::gUsuarioActual, "ADMIN");
    EXPECT_TRUE(app::state().startup.EsAdministrador);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, " Error de Conexion a Base de Datos");
    EXPECT_EQ(lastAccess("Usuario"), "ADMIN");
}

// The launcher vouched for its own user only: another user typed in that window with the
// password box left empty is checked with an empty password.
TEST_F(StartUp, TheLaunchersWordIsNoPasswordForAnotherUserTypedAfterAFailedOpen)
{
    tries = {closed()};     // the login loop's window
    dialogs.setModalHandler("frmAcceso", [this](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        if (!shownInWindow.isEmpty())
            return operate(w);
        shownInWindow << QStringList{w->TxtUserId()->text(), w->TxtUserPassword()->text()};
        w->TxtUserId()->setText("COMPRAS");
        w->TxtDbName()->setText("DEMO");
        qobject_cast<QPushButton*>(ui::Control::find(w, "bcAceptar"))->click();
        return w->result();
    });
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    EXPECT_TRUE(startEnds("@Server=datos;@Usuario=ADMIN;@Password=;"));
    EXPECT_EQ(endCode, 0);
    ASSERT_EQ(shownInWindow.size(), 2);
    EXPECT_EQ(shownInWindow[0], (QStringList{"ADMIN", ""}));
    EXPECT_EQ(shownInWindow[1][0], "COMPRAS");
    EXPECT_EQ(boxTexts().value(1), "El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente");
    EXPECT_EQ(rows("Control_Acceso"), 0);
}

// The stored-password marker stands for the user's stored password only as the launcher's line
// gives it (its password equal to its database name). Typed into a login window, or written on
// a line as a password of its own, it is checked as typed: it opens no account, an
// administrator's least of all.
TEST_F(StartUp, AMarkerTypedInTheWindowAskingForTheConnectionIsCheckedAsTyped)
{
    tries = {typed("ADMIN", "* *", "datos"), closed()};
    dialogs.setModalHandler("frmAcceso", [this](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        w->TxtDbName()->setText("DEMO");
        return operate(w);
    });
    EXPECT_TRUE(startEnds(QString()));
    EXPECT_EQ(endCode, 0);
    EXPECT_EQ(shownInWindow.size(), 2);
    EXPECT_EQ(boxTexts(), QStringList{"El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente"});
    EXPECT_FALSE(app::state().startup.EsAdministrador);
    EXPECT_FALSE(db->gEsAdmin());
    EXPECT_EQ(rows("Control_Acceso"), 0);
}

// After the launcher's line failed to open, its own user or another types the marker.
class MarkerAfterAFailedOpen : public StartUp, public testing::WithParamInterface<const char*> {};

TEST_P(MarkerAfterAFailedOpen, IsCheckedAsTyped)
{
    tries = {typed(GetParam(), "* *"), closed()};
    dialogs.setModalHandler("frmAcceso", [this](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        w->TxtDbName()->setText("DEMO");
        return operate(w);
    });
    dialogs.pushMsgBoxAnswer(ui::vbYes);     // the failed open's question: try another connection
    EXPECT_TRUE(startEnds("@Server=datos;@DbName=NOEXISTE;@Usuario=ADMIN;@Password=NOEXISTE;"));
    EXPECT_EQ(endCode, 0);
    EXPECT_EQ(shownInWindow.size(), 2);
    EXPECT_EQ(boxTexts().value(1), "El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente");
    EXPECT_FALSE(app::state().startup.EsAdministrador);
    EXPECT_EQ(rows("Control_Acceso"), 0);
}

INSTANTIATE_TEST_SUITE_P(LaunchersUserAndAnother, MarkerAfterAFailedOpen, testing::Values("ADMIN", "DEPOSITO"));

TEST_F(StartUp, AMarkerWrittenAsTheLinesPasswordIsCheckedAsTyped)
{
    tries = {closed()};
    EXPECT_TRUE(startEnds(launcherLine("ADMIN", "* *")));
    EXPECT_EQ(endCode, 0);
    EXPECT_EQ(boxTexts(), QStringList{"El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente"});
    EXPECT_FALSE(app::state().startup.EsAdministrador);
    EXPECT_EQ(rows("Control_Acceso"), 0);
}

// The embedded engine's data folder may be named by its absolute path on the line.
TEST_F(StartUp, AnAbsoluteDataFolderOnTheLineIsOpened)
{
    start("@Server=" + serverFolder() + ";@DbName=DEMO;@Usuario=COMPRAS;@Password=compras;");
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(db->settings().gServidor, serverFolder());
    EXPECT_EQ(lastAccess("Usuario"), "COMPRAS");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(StartUp, TheUserNamedLikeTheDatabaseNeedsNoPassword)
{
    // Even an administrator's row under that name grants nothing without a password.
    execute("INSERT INTO TA_USUARIOS (Nombre, PassWord, Administrador, Sistema) VALUES ('DEMO', 'x', 1, 'BRIX')");
    start(launcherLine("Demo", "cualquiera"));
    EXPECT_EQ(data::gUsuarioActual, "Demo");
    EXPECT_FALSE(app::state().startup.EsAdministrador);
    EXPECT_FALSE(db->gEsAdmin());
    for (const QString& sql : handed)
        EXPECT_FALSE(sql.startsWith("SELECT * FROM TA_USUARIOS WHERE NOMBRE")) << sql.toStdString();
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(StartUp, UserNamesGoIntoTheStatementsAsTheyAre)
{
    execute(QStringLiteral("INSERT INTO TA_USUARIOS (Nombre, PassWord, Administrador, Sistema) VALUES ('O''Neil', '%1', 0, 'vu000va')")
                .arg(kit::Utilidades().Codificar("clave")));
    start(launcherLine("O'Neil", "clave"));
    EXPECT_EQ(data::gUsuarioActual, "O'Neil");
    EXPECT_TRUE(handed.contains("SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'O''Neil' AND (SISTEMA = 'vu000va' OR SISTEMA = 'BRIX')"));
    EXPECT_EQ(lastAccess("NombreUsuario"), "O'Neil");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(StartUp, WithoutALineTheIniFileGivesIt)
{
    const kit::Utilidades util;
    const QString machine = (app::gSistema().NombreEquipo() + "|" + app::gSistema().NombreUsuarioSistema()).toUpper();
    // Other letters than the name asked for.
    writeProgramFile("vu000va.ini", "[" + machine + "]\r\nFlatToolbars=0\r\n[" + machine + "BaseDeDatos]\r\nServidor=datos\r\n"
                                    "DbName=DEMO\r\nUsuario=" + util.Codificar("COMPRAS") + "\r\nUserPassWord="
                                    + util.Codificar("compras") + "\r\n");
    start(QString(), true);
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(data::gUsuarioActual, "COMPRAS");
    EXPECT_EQ(app::state().startup.Caja, "1");
    EXPECT_EQ(app::state().startup.ParametroAdicional, "");
    EXPECT_EQ(app::state().startup.FlatToolbars, 0);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(StartUp, TheProcessArgumentsAreTheLineWhenTheCallerGivesNone)
{
    vb::App::setCommandLine(launcherLine("COMPRAS", "compras"));
    start(QString());
    EXPECT_EQ(data::gUsuarioActual, "COMPRAS");
    EXPECT_EQ(app::state().startup.ParametroAdicional, "RMC");
}

TEST_F(StartUp, WithoutServerOrUserTheOpenAsksInTheLoginWindow)
{
    tries = {typed("COMPRAS", "compras", "datos")};
    dialogs.setModalHandler("frmAcceso", [this](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        w->TxtDbName()->setText("DEMO");
        return operate(w);
    });
    start("@ParametroAdicional=OC;");
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(shownInWindow.size(), 1);
    EXPECT_EQ(data::gUsuarioActual, "COMPRAS");
    EXPECT_EQ(app::state().startup.Caja, "1");
    EXPECT_EQ(lastAccess("Usuario"), "COMPRAS");
}

// What the README tells the operator: the password typed in the window that asks for the
// connection is checked first, then the login loop gives three more tries.
TEST_F(StartUp, AStartWithoutArgumentsTakesFourWrongPasswords)
{
    tries = {typed("ADMIN", "mal0", "datos"), typed("ADMIN", "mal1"), typed("ADMIN", "mal2"), typed("ADMIN", "mal3")};
    dialogs.setModalHandler("frmAcceso", [this](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        w->TxtDbName()->setText("DEMO");
        return operate(w);
    });
    EXPECT_TRUE(startEnds("@ParametroAdicional=OC;"));
    EXPECT_EQ(endCode, 1);
    EXPECT_EQ(shownInWindow.size(), 4);
    EXPECT_EQ(boxTexts(), (QStringList{"El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente",
                                       "Usuario o Clave incorrecta", "Usuario o Clave incorrecta",
                                       "Usuario o Clave incorrecta",
                                       "Demasiados intentos para iniciar sesión!\r\nComuniquese con el administrador de sistemas"}));
}

TEST_F(StartUp, AConnectionThatStaysClosedEndsTheProgram)
{
    dialogs.pushMsgBoxAnswer(ui::vbNo);     // the open's own question: no retry
    EXPECT_TRUE(startEnds("@Server=datos;@DbName=NO_EXISTE;@Usuario=COMPRAS;@Password=compras;"));
    EXPECT_EQ(endCode, 1);
    EXPECT_FALSE(db->gOpenFlag());
    EXPECT_TRUE(lookupCalls.isEmpty());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, " Error de Conexion a Base de Datos");
}

TEST_F(StartUp, AnUnexpectedErrorIsShownAndLoggedBeforeTheEnd)
{
    app::setLookupSetUp([](const QString&, const QString&) { vb::raise(53, "File not found"); });
    EXPECT_TRUE(startEnds(launcherLine("COMPRAS", "compras")));
    EXPECT_EQ(endCode, 1);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes()[0].text.contains("(53)"));
    EXPECT_TRUE(boxes()[0].title.contains("IniciarAplicacion"));
    EXPECT_EQ(boxes()[0].icon, ui::vbCritical);
    EXPECT_TRUE(moduleLog().contains("IniciarAplicacion"));
    EXPECT_EQ(app::gCartel().window(), nullptr);
    EXPECT_EQ(rows("Control_Acceso"), 0);

    // Not only the program's own errors.
    dialogs.clear();
    app::setLookupSetUp([](const QString&, const QString&) { throw std::runtime_error("sin memoria de mascaras"); });
    EXPECT_TRUE(startEnds(launcherLine("COMPRAS", "compras")));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes()[0].text.contains("sin memoria de mascaras"));
}

TEST_F(StartUp, AKeyWithoutItsSemicolonOnlyClosesTheNoticeEarly)
{
    app::state().startup.Caja = "7";
    bool noticeAtLookups = true;
    app::setLookupSetUp([&](const QString&, const QString&) { noticeAtLookups = noticeShowing(); });
    start("@ParametroAdicional=RMC;@Server=datos;@DbName=DEMO;@Usuario=COMPRAS;@Password=compras;@Caja=3");
    EXPECT_FALSE(noticeAtLookups);
    EXPECT_EQ(app::state().startup.Caja, "7");
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(lastAccess("Usuario"), "COMPRAS");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(moduleLog().contains("(5)"));
}

TEST_F(StartUp, ASecondCallOnAnOpenConnectionReadsNoLineAndOpensNothing)
{
    start(launcherLine("COMPRAS", "compras"));
    handed.clear();
    handedStatistics.clear();
    start("@ParametroAdicional=OC;@Server=otro;@DbName=OTRA;");
    EXPECT_EQ(app::state().startup.ParametroAdicional, "RMC");
    EXPECT_EQ(db->settings().gDBName, "DEMO");
    EXPECT_TRUE(handedStatistics.isEmpty());
    EXPECT_EQ(lookupCalls.size(), 2);
    EXPECT_EQ(rows("Control_Acceso"), 2);
}

TEST_F(StartUp, AnOracleMarkLeavesTheCallersConnectionString)
{
    QString cadena = demo::DemoGenerator::connectionString(serverFolder(), "DEMO");
    const QString given = cadena;
    app::IniciarAplicacion(false, "@Server=#datos;@DbName=DEMO;@Usuario=COMPRAS;@Password=compras;", cadena, 3);
    EXPECT_EQ(cadena, given);
    EXPECT_EQ(db->settings().gServidor, "datos");
    EXPECT_EQ(db->settings().gConnString, given);
    EXPECT_TRUE(db->gOpenFlag());
}

TEST_F(StartUp, TheLoginWindowTakesTheUsersLookAndHandsItsErrorsToTheModule)
{
    writeProgramFile("vu000va.ini", "[" + app::gSistema().NombreUsuarioSistema().toUpper() + "_DEMOFont]\r\nFont=DejaVu Serif\r\n");
    writeProgramFile("BASES.TXT", "DEMO / DATOS,DEMO,DEMO,x,datos\r\n");

    QString font;
    dialogs.setModalHandler("frmAcceso", [&](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        font = w->TxtUserId()->font().family();
        // Choosing the connection when its file can no longer be read is an error of the window.
        const QString folder = vb::App::path();
        vb::App::setPath(m_tempDir.path());
        w->lstBases()->setCurrentRow(-1);
        w->lstBases()->setCurrentRow(0);
        vb::App::setPath(folder);
        w->reject();
        return w->result();
    });
    dialogs.pushMsgBoxAnswer(ui::vbOK);
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    EXPECT_TRUE(startEnds(launcherLine("ADMIN", "mala")));
    EXPECT_EQ(font, "DejaVu Serif");
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_TRUE(boxes()[1].title.endsWith(" - DatosBase Aviso al operador!!! - 2 ")) << boxes()[1].title.toStdString();
    EXPECT_TRUE(moduleLog().contains("Rutina: - DatosBase Mensaje Ha ocurrido el Siguiente Error (53)"));
}

// ---------------------------------------------------------------- the first login window

// One start through the window that asks for the connection: the one a start without
// arguments opens, or the one offered after the launcher's line failed to open and the
// operator answered Yes. The password must be judged by what "Conectar" stored: registering
// the first connection of a new installation reloads the list, which empties the boxes.
struct FirstLogin {
    bool basesFile;       // BASES.TXT exists before the start (else the window registers the connection)
    bool launcherLine;    // the launcher's line, whose open fails; else no command line
    bool passwordTyped;   // the user's own password typed; else the box left empty
    bool sameUser;        // the launcher's user kept (with no line: ADMIN typed); else COMPRAS typed
    bool onPort;          // the server on port 1500; else the folder "datos"
};

std::string caseName(const testing::TestParamInfo<FirstLogin>& info)
{
    const FirstLogin& c = info.param;
    return std::string(c.basesFile ? "WithBases" : "NoBases") + (c.launcherLine ? "Launcher" : "NoLine")
         + (c.passwordTyped ? "Typed" : "Empty") + (c.sameUser ? "SameUser" : "OtherUser") + (c.onPort ? "Port" : "Folder");
}

class FirstLoginWindow : public StartUp, public testing::WithParamInterface<FirstLogin> {
protected:
    void SetUp() override
    {
        StartUp::SetUp();
        // A server on port 1500, as the embedded engine finds it: the folder is named the way
        // SQL Server's providers write a server on a port.
        ASSERT_TRUE(QFile::link(serverFolder(), m_programDir.path() + "/srv,1500"));
        QFile::remove(m_programDir.path() + "/BASES.TXT");
        if (GetParam().basesFile)
            writeProgramFile("BASES.TXT", "VENTAS / OTRO,VENTAS,VENTAS,x,otro\r\n");
        dialogs.setModalHandler("frmAcceso", [this](QDialog* d) { return answer(static_cast<data::frmAcceso*>(d)); });
    }

    QString user() const { return GetParam().sameUser ? "ADMIN" : "COMPRAS"; }
    QString password() const { return GetParam().sameUser ? "admin" : "compras"; }
    // The server as the program opens it.
    QString server() const { return GetParam().onPort ? "srv,1500" : "datos"; }
    QString line() const
    {
        // The launcher's word for ADMIN ("@Password" equal to "@DbName") on a database that is not there.
        return GetParam().launcherLine ? "@ParametroAdicional=RMC;@Server=" + server()
                                             + ";@DbName=NOEXISTE;@Usuario=ADMIN;@Password=NOEXISTE;@Caja=2;"
                                       : QString();
    }

    // The first window is answered as the case says; any later one (the login loop's) is closed.
    int answer(data::frmAcceso* w)
    {
        shownInWindow << QStringList{w->TxtUserId()->text(), w->TxtUserPassword()->text(), w->TxtDbName()->text(),
                                     w->TxtServidor()->text()};
        if (shownInWindow.size() > 1) {
            w->reject();
            return w->result();
        }
        const FirstLogin& c = GetParam();
        w->TxtDbName()->setText("DEMO");
        if (!c.launcherLine) {
            w->TxtServidor()->setText(c.onPort ? "srv" : "datos");
            w->TxtPuerto()->setText(c.onPort ? "1500" : "1433");
        }
        if (!c.launcherLine || !c.sameUser)
            w->TxtUserId()->setText(user());
        if (c.passwordTyped)
            w->TxtUserPassword()->setText(password());
        qobject_cast<QPushButton*>(ui::Control::find(w, "bcAceptar"))->click();
        return w->result();
    }
};

TEST_P(FirstLoginWindow, TheRightPasswordOrTheLaunchersWordLogsIn)
{
    const FirstLogin& c = GetParam();
    const QString launcherLine = line();
    if (c.launcherLine)
        dialogs.pushMsgBoxAnswer(ui::vbYes);     // the failed open's question: try another connection
    const bool ended = startEnds(launcherLine);
    // Only the launcher's own user keeps its word when the password box is left empty.
    const bool loggedIn = c.passwordTyped || (c.launcherLine && c.sameUser);

    // The windows shown: the one that asks for the connection, and the login loop's after a refusal.
    ASSERT_EQ(shownInWindow.size(), loggedIn ? 1 : 2);
    EXPECT_EQ(shownInWindow[0], c.launcherLine ? (QStringList{"ADMIN", "", "NOEXISTE", server()})
                                               : (QStringList{"", "", "", ""}));
    if (!loggedIn) {
        EXPECT_EQ(shownInWindow[1][0], user());
        EXPECT_EQ(shownInWindow[1][1], "");
        EXPECT_EQ(shownInWindow[1][2], "DEMO");
        EXPECT_EQ(shownInWindow[1][3].toLower(), server());
    }
    // The messages: the failed open's question first, then the refusal.
    const auto shown = boxes();
    qsizetype next = 0;
    if (c.launcherLine) {
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_EQ(shown[0].title, " Error de Conexion a Base de Datos");
        next = 1;
    }
    QStringList after;
    for (qsizetype i = next; i < shown.size(); ++i)
        after << shown[i].text;
    EXPECT_EQ(after, loggedIn ? QStringList{}
                              : QStringList{"El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente"});
    // The user logged in and the exit status.
    EXPECT_EQ(ended, !loggedIn);
    if (loggedIn) {
        EXPECT_EQ(data::gUsuarioActual, user());
        EXPECT_EQ(lastAccess("Usuario"), user());
        EXPECT_EQ(app::state().startup.EsAdministrador, user() == "ADMIN");
        EXPECT_EQ(db->settings().gServidor.toLower(), server());
    } else {
        EXPECT_EQ(endCode, 0);     // the operator closed the loop's window
        EXPECT_EQ(rows("Control_Acceso"), 0);
    }
    // A new installation registers the connection it opened, on its port.
    if (!c.basesFile) {
        const auto records = data::BasesFile::read(m_programDir.path() + "/BASES.TXT");
        ASSERT_EQ(records.size(), 1);
        EXPECT_EQ(records[0].servidor.toLower(), c.onPort ? "srv:1500" : "datos");
    }
}

std::vector<FirstLogin> everyFirstLogin()
{
    std::vector<FirstLogin> cases;
    for (int bits = 0; bits < 32; ++bits)
        cases.push_back({(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0, (bits & 16) != 0});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryStart, FirstLoginWindow, testing::ValuesIn(everyFirstLogin()), caseName);

// ---------------------------------------------------------------- a second start in one process

// A second program folder beside the first: its own copy of the demo databases, linked as
// "datos" like the launcher names them, and its own (empty) connections file.
class SecondProgramFolder {
public:
    explicit SecondProgramFolder(const QString& databasesToCopy)
    {
        for (const QString& name : {QStringLiteral("DEMO"), demo::DemoGenerator::statisticsDatabase()})
            m_ready = m_ready && QFile::copy(demo::DemoGenerator::databasePath(databasesToCopy, name),
                                             demo::DemoGenerator::databasePath(server(), name));
        m_ready = m_ready && QFile::link(server(), program() + "/datos");
        QFile bases(basesFile());
        m_ready = m_ready && bases.open(QIODevice::WriteOnly);
    }
    bool ready() const { return m_ready && m_program.isValid() && m_server.isValid(); }
    QString program() const { return m_program.path(); }
    QString server() const { return m_server.path(); }
    QString basesFile() const { return program() + "/BASES.TXT"; }

    void execute(const QString& database, const QString& sql) const
    {
        const ado::ConnectionPtr cnn = ado::Connection::create();
        cnn->Open(demo::DemoGenerator::connectionString(server(), database));
        cnn->Execute(sql);
        cnn->Close();
    }
    long count(const QString& table) const
    {
        const ado::ConnectionPtr cnn = ado::Connection::create();
        cnn->Open(demo::DemoGenerator::connectionString(server(), "DEMO"));
        const ado::RecordsetPtr rs = ado::Recordset::create();
        rs->Open("SELECT COUNT(*) FROM " + table, cnn);
        const long rows = rs->Fields()->Item(0)->Value().toLong();
        rs->Close();
        cnn->Close();
        return rows;
    }

private:
    QTemporaryDir m_program;
    QTemporaryDir m_server;
    bool m_ready = true;
};

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

QString canonical(const QString& folder) { return QDir(folder).canonicalPath(); }

void registerConnection(const QString& name)
{
    bool oracle = false;
    data::LBM_Common::RegistraBaseEnArchivo(name, "DEMO", "DEMO", "DEMO", "datos", QString(), oracle);
}

// The program started in one folder, reset, and started again in another folder (as a test
// run, or a second start in one process, does): the second start works on the second folder's
// databases and connections file, and finds nothing the first one left behind.
TEST_F(StartUp, AStartAfterTheResetInAnotherFolderFindsNothingOfTheFirst)
{
    const SecondProgramFolder second(serverFolder());
    ASSERT_TRUE(second.ready());
    second.execute(demo::DemoGenerator::statisticsDatabase(),
                   "UPDATE TA_CONFIGURACION SET Valor = '90' WHERE Clave = 'TimeOut'");

    // The first start, as an administrator, and what its run leaves behind.
    start(launcherLine("ADMIN", "ADMIN"));
    ASSERT_TRUE(app::state().startup.EsAdministrador);
    ASSERT_TRUE(db->gEsAdmin());
    ASSERT_TRUE(stats->gOpenFlag());
    registerConnection("PRIMERA");
    app::AgregarCampo("A", "x", "'", true);
    app::gImpresion().setDestino(kit::DLL_Print::PdfDestination);
    app::gImpresion().setPdfFile(m_programDir.path() + "/primero.pdf");
    app::gEstilo = 3;
    vb::Trap::skipping().run([] { vb::raise(53); });

    app::resetState();
    // The statement builder's list starts empty (the start's access row fills it again): a
    // further column without a first one fails.
    try {
        app::AgregarCampo("B", "2", "@", false);
        ADD_FAILURE() << "a column was added to the first run's list";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.number(), 9);
    }
    vb::App::setPath(second.program());
    tries = {};
    ASSERT_FALSE(startEnds(launcherLine("COMPRAS", "compras"))) << boxTexts().join('\n').toStdString();

    // The connection: the second folder's database, opened anew; the first one is closed.
    data::DB_Dll& shared = app::gDB();
    EXPECT_NE(&shared, db.get());
    EXPECT_TRUE(shared.gOpenFlag());
    EXPECT_EQ(db->gCnn()->State(), ado::adStateClosed);
    EXPECT_EQ(rows("Control_Acceso"), 1);                 // the first start's access row only
    EXPECT_EQ(second.count("Control_Acceso"), 1);         // the second start's
    EXPECT_FALSE(app::state().startup.EsAdministrador);
    EXPECT_FALSE(shared.gEsAdmin());
    // The statistics connection: another object, on the second folder, with its time-out.
    EXPECT_NE(&app::gDBEstadisticas(), stats.get());
    EXPECT_TRUE(app::gDBEstadisticas().gOpenFlag());
    EXPECT_EQ(stats->gCnn()->State(), ado::adStateClosed);
    EXPECT_EQ(app::state().startup.TimeOut, 90);
    // The print object: the second folders, and nothing the first run chose.
    EXPECT_EQ(app::gImpresion().pPathSistema, second.program() + "/");
    EXPECT_EQ(canonical(app::gImpresion().dataSourceFolder()), canonical(second.server()));
    EXPECT_EQ(app::gImpresion().Destino(), kit::DLL_Print::DestinoPantalla);
    EXPECT_EQ(app::gImpresion().pdfFile(), QString());
    // A registration goes to the second folder's connections file.
    registerConnection("SEGUNDA");
    EXPECT_TRUE(fileText(second.basesFile()).contains("SEGUNDA"));
    EXPECT_FALSE(fileText(m_programDir.path() + "/BASES.TXT").contains("SEGUNDA"));
    EXPECT_TRUE(fileText(m_programDir.path() + "/BASES.TXT").contains("PRIMERA"));
    // The window style of the first user, and the last error of the first run.
    EXPECT_EQ(app::gEstilo, 0);
    EXPECT_EQ(vb::Err::number(), 0);
    app::resetState();      // closes the second folder's connections before the folder goes
}

// A start the operator ended in the login window leaves its busy notice on the screen (the
// program would have ended); a fresh start finds none.
TEST_F(StartUp, TheResetClosesTheBusyNoticeOfAnEndedStart)
{
    tries = {closed()};
    ASSERT_TRUE(startEnds("@ParametroAdicional=OC;"));
    ASSERT_TRUE(noticeShowing());
    app::resetState();
    EXPECT_EQ(app::gCartel().window(), nullptr);
}

// ---------------------------------------------------------------- the user check alone

class UserCheck : public AppTestBase {
protected:
    void SetUp() override { openDemo(); }
};

TEST_F(UserCheck, TheTableDecidesAndOnlyAMatchingPasswordGrantsAdministration)
{
    EXPECT_TRUE(app::ValidarUsuario("admin", "ADMIN"));
    EXPECT_EQ(data::gUsuarioActual, "admin");
    EXPECT_TRUE(app::state().startup.EsAdministrador);
    EXPECT_TRUE(db->gEsAdmin());
    // A wrong password: the user is known, its flags are gone.
    EXPECT_FALSE(app::ValidarUsuario("COMPRAS", "admin"));
    EXPECT_EQ(data::gUsuarioActual, "COMPRAS");
    EXPECT_FALSE(app::state().startup.EsAdministrador);
    EXPECT_FALSE(db->gEsAdmin());
    EXPECT_TRUE(app::ValidarUsuario(" COMPRAS ", "COMPRAS"));
    EXPECT_FALSE(app::state().startup.EsAdministrador);
}

TEST_F(UserCheck, OnlyThisProgramsSystemsCount)
{
    const QString stored = kit::Utilidades().Codificar("clave");
    execute("INSERT INTO TA_USUARIOS (Nombre, PassWord, Administrador, Sistema) VALUES ('VENDEDOR', '" + stored + "', 0, 'ventas')");
    execute("INSERT INTO TA_USUARIOS (Nombre, PassWord, Administrador, Sistema) VALUES ('MIXTO', '" + stored + "', 1, 'brix')");
    data::gUsuarioActual = "antes";
    EXPECT_FALSE(app::ValidarUsuario("VENDEDOR", "clave"));
    EXPECT_EQ(data::gUsuarioActual, "antes");      // no row: nothing changes
    EXPECT_TRUE(app::ValidarUsuario("mixto", "CLAVE"));
    EXPECT_TRUE(app::state().startup.EsAdministrador);
    // The database's own login keeps the flags as they are.
    EXPECT_TRUE(app::ValidarUsuario("demo", ""));
    EXPECT_EQ(data::gUsuarioActual, "demo");
    EXPECT_TRUE(app::state().startup.EsAdministrador);
    EXPECT_TRUE(db->gEsAdmin());
}

} // namespace
