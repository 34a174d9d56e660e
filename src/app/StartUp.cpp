#include "app/StartUp.h"

#include "app/AppModule.h"
#include "app/AuditRows.h"
#include "app/CommandLine.h"
#include "app/ConfigurationLoader.h"
#include "app/Dll_Display.h"
#include "app/EstiloFormulario.h"
#include "app/SharedObjects.h"
#include "app/StatisticsConnection.h"
#include "app/TratamientoErrores.h"
#include "app/UserCheck.h"
#include "ado/Recordset.h"
#include "data/DB_Dll.h"
#include "data/LoginPrompt.h"
#include "data/frmAcceso.h"
#include "kit/ArchivoIni.h"
#include "kit/DLL_Print.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "ui/DialogService.h"
#include "vb/App.h"
#include "vb/Conversions.h"
#include "vb/Strings.h"

namespace app {

namespace {

constexpr int kInvalidArgument = 5;
constexpr int kTries = 3;
constexpr int kReadUncommitted = 256;
// Exit status of a start-up that could not open, check or load, and of one the operator
// cancelled by closing a login window (his choice, no failure).
constexpr int kDidNotStart = 1;
constexpr int kCancelled = 0;
const QString kStoredPassword = QStringLiteral("* *");
const QString kRoutine = QStringLiteral("IniciarAplicacion");
const QString kIniFile = QStringLiteral("VU000va.INI");

LookupSetUp& lookupSetUp()
{
    static LookupSetUp hook;
    return hook;
}

// What the login window gave after a valid try: the database and server typed, and whether
// they differ from the open connection's.
struct LoginChoice {
    bool reopen = false;
    QString database;
    QString server;
};

class StartUp {
public:
    StartUp(bool construirDesdeIni, const QString& lineaComando, QString& cadenaConexion, int cursor)
        : m_construirDesdeIni(construirDesdeIni), m_lineaComando(lineaComando), m_cadena(cadenaConexion),
          m_cursor(cursor), m_trap([this](const vb::Error& e) { return onError(e); })
    {
    }

    void run();

private:
    int onError(const vb::Error& error);
    void step(const std::function<void()>& statement) { m_trap.run([&] { runAsVbError(statement); }); }

    void showNotice();
    void settleCommandLineText();
    void settleIniSection();
    void readCommandLine();
    void settleOracleMark();
    void openShared();
    void connectionSettings();
    void workingSetUp();
    void readStoredPassword();
    void checkUser();
    bool userIsValid();
    LoginChoice loginLoop();
    bool loginTry(LoginChoice& choice);
    void reloadConfigurationFor(const QString& user);

    bool m_construirDesdeIni;
    QString m_lineaComando;
    QString& m_cadena;
    int m_cursor;
    vb::Trap m_trap;

    QString m_folder;           // the program folder, ending in a separator
    QString m_linea;            // the command line in use
    QString m_servidor, m_base, m_usuario, m_clave;    // what the command line gave
    QString m_configuredFor;    // the user the configuration was last loaded for
};

// Every trapped error closes the notice. Error 5 is passed over; any other ends the program,
// after its box and log line.
int StartUp::onError(const vb::Error& error)
{
    vb::Trap::skipping().run([] { gCartel().CartelCerrar(); });
    if (error.number() == kInvalidArgument) {
        logError(error, kRoutine);
        return vb::Ignore;
    }
    TratamientoErrores(error, ui::vbOKOnly + ui::vbCritical, kRoutine);
    vb::End(kDidNotStart);
}

void StartUp::run()
{
    step([&] { showNotice(); });
    step([&] { m_folder = gUtil().CarpetaConBarra(vb::App::path()); });
    // The help file of the original has no reader here: there is no help viewer to hand it to.
    step([&] {
        state().configuration.ColorLetra = 0;
        state().configuration.ColorFondo = 0xFFFFFF;
    });
    step([&] { settleCommandLineText(); });
    step([&] { settleIniSection(); });
    if (!gDB().gOpenFlag()) {
        step([&] { readCommandLine(); });
        step([&] { settleOracleMark(); });
        openShared();
        connectionSettings();
    }
    workingSetUp();
    step([&] { readStoredPassword(); });
    checkUser();
    step([&] { RegistrarAcceso(QString()); });
    step([&] { gCartel().CartelCerrar(); });
}

void StartUp::showNotice()
{
    gCartel().CartelInicio(QStringLiteral("Conectando Base de Datos"), false);
    bool cancelado = false;
    gCartel().CartelMostrar(cancelado, QStringLiteral("Iniciando Aplicacion"), vb::App::exeName(),
                            QStringLiteral("Espere por favor"));
}

void StartUp::settleCommandLineText()
{
    m_linea = m_lineaComando.isEmpty() ? vb::Command() : m_lineaComando;
    if (vb::Trim(m_linea).isEmpty() && m_construirDesdeIni)
        m_linea = LineaDesdeIni();
}

void StartUp::settleIniSection()
{
    const kit::Sistema& sistema = gSistema();
    const QString section = vb::UCase(sistema.NombreEquipo()) + u'|' + vb::UCase(sistema.NombreUsuarioSistema());
    StartupValues& startup = state().startup;
    startup.SeccionIni = vb::Trim(section).size() > 50 ? section.left(50) : section;
    startup.FlatToolbars = vb::Val(gIni().LeerValor(kIniFile, startup.SeccionIni, QStringLiteral("FlatToolbars"), QStringLiteral("1")));
}

void StartUp::readCommandLine()
{
    StartupValues& startup = state().startup;
    CommandLineValues before;
    before.ParametroAdicional = startup.ParametroAdicional;
    before.Menu = startup.Menu;
    before.UsuarioActual = gUsuarioActual;
    before.ClaveActual = gClaveActual;
    before.StoredPasswordMarker = data::gStoredPasswordMarker;
    before.Caja = startup.Caja;
    const CommandLineValues read = LeerLineaParametros(m_linea, before);
    startup.ParametroAdicional = read.ParametroAdicional;
    startup.Menu = read.Menu;
    m_servidor = read.Servidor;
    m_base = read.DbName;
    m_usuario = read.Usuario;
    m_clave = read.Password;
    gUsuarioActual = read.UsuarioActual;
    gClaveActual = read.ClaveActual;
    data::gStoredPasswordMarker = read.StoredPasswordMarker;
    startup.Caja = read.Caja;
    // A key without its ";" is the invalid-argument case the start-up passes over.
    if (read.unendedKey)
        onError(vb::Error(kInvalidArgument, vb::Error::standardDescription(kInvalidArgument)));
}

void StartUp::settleOracleMark()
{
    const QString server = vb::Trim(m_servidor);
    if (server.isEmpty() || !server.startsWith(u'#'))
        return;
    m_servidor = server.mid(1);
    if (m_cadena.isEmpty()) {
        m_cadena = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + m_base + QStringLiteral(";User Id=")
                 + m_usuario + QStringLiteral(";Password=") + m_clave + u';';
    }
}

// The suite's database login is the database name, with the database name as password; the
// application user is checked apart, against TA_USUARIOS.
void StartUp::openShared()
{
    data::DB_Dll& db = gDB();
    data::DbSettings settings = db.settings();
    settings.gUsuario = m_base;
    settings.gDBName = m_base;
    settings.gUserPassWord = m_base;
    step([&] { settings.gServidor = HostDeServidor(m_servidor); });
    db.configure(settings);
    step([&] {
        const bool ask = vb::Trim(m_servidor).isEmpty() || vb::Trim(m_usuario).isEmpty();
        db.OpenServerADODB(ask, m_cursor, m_cadena, true, true);
    });
    if (!db.gOpenFlag())
        vb::End(db.loginCancelled() ? kCancelled : kDidNotStart);
    // The open may have read the user's administrator flag before any password was checked.
    step([] { setAdministrador(false); });
}

void StartUp::connectionSettings()
{
    step([] { ConectarEstadisticas(); });
    step([] { gDB().gCnn()->setCommandTimeout(state().startup.TimeOut); });
    step([] { gDB().gCnn()->setIsolationLevel(kReadUncommitted); });
}

void StartUp::workingSetUp()
{
    data::DB_Dll& db = gDB();
    if (db.settings().gDBName.isEmpty())
        return;
    step([&] { state().startup.ConexionDSN = QStringLiteral("DSN=") + db.settings().gDBName + QStringLiteral("; UID=") + db.settings().gUsuario
                            + QStringLiteral("; PWD=") + db.settings().gUserPassWord; });
    step([&] { gImpresion().pPathSistema = m_folder; });
    step([&] { db.gCnn()->setDefaultDatabase(db.settings().gDBName); });
    step([&] {
        runLookupSetUp(db.settings().gConnString, gUtil().CarpetaConBarra(vb::App::path()) + QStringLiteral("consultas.qzt"));
    });
    step([&] { db.gCnn()->setDefaultDatabase(db.settings().gDBName); });
    step([&] {
        m_configuredFor = gUsuarioActual;
        CargarConfiguracion(m_folder);
    });
}

// Only the marker the command line gave counts: the same text typed in a login window is
// checked as typed.
void StartUp::readStoredPassword()
{
    if (!data::gStoredPasswordMarker || gClaveActual != kStoredPassword)
        return;
    data::DB_Dll& db = gDB();
    ado::RecordsetPtr rs;
    try {
        openUserRow(gUsuarioActual, rs);
        if (!rs->Eof()) {
            gClaveActual = gUtil().Decodificar(gUtil().ValorTexto(rs->Value(QStringLiteral("PassWord"))));
            data::gStoredPasswordMarker = false;
        }
    } catch (const vb::Error&) {
        vb::Trap::skipping().run([&] { db.CierraRecordset(rs); });
        throw;
    }
    db.CierraRecordset(rs);
}

// The check, and the login window until a valid user is in; a valid try on another database
// or server re-opens the connection there and checks again.
void StartUp::checkUser()
{
    while (!userIsValid()) {
        const LoginChoice choice = loginLoop();
        if (!choice.reopen) {
            reloadConfigurationFor(gUsuarioActual);
            return;
        }
        m_base = choice.database;
        m_servidor = choice.server;
        openShared();
        connectionSettings();
        workingSetUp();
        step([&] { readStoredPassword(); });
    }
}

// An error 5 in the check counts as a failed check, which leads into the login window.
bool StartUp::userIsValid()
{
    bool valid = false;
    step([&] {
        const QString usuario = gUsuarioActual;
        const QString clave = gClaveActual;
        valid = ValidarUsuario(usuario, clave);
    });
    return valid;
}

LoginChoice StartUp::loginLoop()
{
    step([] {
        ui::MsgBox(QStringLiteral("El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente"),
                   ui::vbCritical, QStringLiteral("Atencion!"));
    });
    LoginChoice choice;
    for (int tryNumber = 1; tryNumber <= kTries; ++tryNumber) {
        if (loginTry(choice))
            return choice;
        step([] { ui::MsgBox(QStringLiteral("Usuario o Clave incorrecta"), ui::vbInformation, QStringLiteral("Atencion")); });
        step([] {
            QString complemento = QStringLiteral("0");
            RegistrarAccion(QString(), QString(), complemento, true, false, false,
                            QStringLiteral("Intento de inicio de sesion fallido"), QString(), false);
        });
    }
    step([] {
        ui::MsgBox(QStringLiteral("Demasiados intentos para iniciar sesión!\r\nComuniquese con el administrador de sistemas"),
                   ui::vbCritical, QStringLiteral("Atencion!"));
    });
    vb::End(kDidNotStart);
}

// One try in the login window: true when the user it gave is valid. Closing the window
// without "Conectar" ends the program.
bool StartUp::loginTry(LoginChoice& choice)
{
    data::DB_Dll& db = gDB();
    std::unique_ptr<data::LoginPrompt> form = data::LoginPrompt::create();
    bool accepted = false;
    step([&] {
        // The password was just refused: the window offers none, and an empty box is what is checked.
        form->ask(db.settings().gDBName, db.settings().gServidor, gUsuarioActual);
        accepted = form->Aceptar();
    });
    if (!accepted)
        vb::End(kCancelled);
    choice.database = form->TxtDbName();
    choice.server = form->serverToOpen();
    form->unload();
    if (!userIsValid())
        return false;
    choice.reopen = !vb::textEquals(choice.database, db.settings().gDBName) || !vb::textEquals(choice.server, db.settings().gServidor);
    return true;
}

// The configuration holds values of the user's own row: another user than the one it was
// loaded for needs it loaded again.
void StartUp::reloadConfigurationFor(const QString& user)
{
    if (gDB().settings().gDBName.isEmpty() || vb::textEquals(user, m_configuredFor))
        return;
    step([&] {
        m_configuredFor = user;
        CargarConfiguracion(m_folder);
    });
}

// The login window lives with the data access, below this module: its look and its error
// handler are this module's, handed over before start-up may show it.
void linkLoginWindow()
{
    data::frmAcceso::setStyleHook(AplicarEstiloFormulario);
    data::frmAcceso::setErrorHandler([](const vb::Error& error, const QString& routine) {
        return TratamientoErrores(error, vb::Variant::missing(), routine);
    });
}

} // namespace

void IniciarAplicacion(bool ConstruirDesdeIni, const QString& LineaComando, QString& CadenaConexion,
                       int UbicacionCursor)
{
    linkLoginWindow();
    StartUp(ConstruirDesdeIni, LineaComando, CadenaConexion, UbicacionCursor).run();
}

void setLookupSetUp(LookupSetUp hook) { lookupSetUp() = std::move(hook); }

void runLookupSetUp(const QString& connString, const QString& maskPath)
{
    if (lookupSetUp())
        lookupSetUp()(connString, maskPath);
}

} // namespace app
