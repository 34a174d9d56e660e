#include "data/DB_Dll.h"

#include "data/AdoTypeCodes.h"
#include "data/ConnectionStrings.h"
#include "data/ErrorLog.h"
#include "data/ErrorReport.h"
#include "data/LoginPrompt.h"
#include "data/ObjectNames.h"
#include "data/OracleDialect.h"
#include "data/OracleScript.h"
#include "data/ReconnectPolicy.h"
#include "vb/App.h"
#include "data/RestrictedViews.h"
#include "data/RowLookupSql.h"
#include "data/SchemaProbe.h"
#include "data/SessionValues.h"
#include "data/DelimitedValue.h"
#include "data/frmReconectar.h"
#include "kit/DialogoArchivo.h"
#include "kit/Utilidades.h"
#include "ui/DialogService.h"
#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Strings.h"

namespace data {

namespace {

constexpr int kNoConnection = -2147221503;          // 0x80040001, first user code above the object base
constexpr int kCommandText = -2147217900;           // 0x80040E14
constexpr int kObjectNotFound = -2147217865;        // 0x80040E37
constexpr int kIntegrity = -2147217873;             // 0x80040E2F
constexpr int kTruncation = 8152;
constexpr int kDamagedDatabase = 926;               // the embedded engine found the file damaged
// Reconnection attempts made before the lost-link question: statements and DatosTabla try
// three more after the first, the row-existence tests one more.
constexpr int kStatementQuietAttempts = 4;
constexpr int kRowQuietAttempts = 2;
const QString kCrLf = QStringLiteral("\r\n");

bool has(const QString& text, const char* part)
{
    return text.contains(QLatin1String(part), Qt::CaseInsensitive);
}

int reconnectPause = ReconnectPolicy::kDefaultPause;

// What the program held before it asked in the login window.
struct HeldLogin {
    QString user;
    QString password;
    bool storedPasswordMarker = false;
};

HeldLogin heldLogin() { return {gUsuarioActual, gClaveActual, gStoredPasswordMarker}; }

// The window asked for the connection, and no password was refused: a password left empty for
// the user it showed keeps the password the program holds, the launcher's stored-password
// marker included. Another user typed there is checked with what was typed. The decision is
// taken on what "Conectar" stored, never on the boxes: registering the first connection reloads
// the list, which empties them before the window closes.
void keepUntypedPassword(const HeldLogin& held)
{
    if (gClaveActual.isEmpty() && vb::textEquals(gUsuarioActual, held.user)) {
        gClaveActual = held.password;
        gStoredPasswordMarker = held.storedPasswordMarker;
    }
}

std::shared_ptr<DB_Dll>& sharedSlot()
{
    static std::shared_ptr<DB_Dll> instance;
    return instance;
}

// A flag column read as text: 1, or the runtime's word for True when the column is a bit.
// The original compared only the number, which a bit column never gives.
bool isSetFlag(const QString& text)
{
    return vb::Val(text) == 1 || vb::textEquals(vb::Trim(text), vb::CStr(vb::Variant(true)));
}

} // namespace

DB_Dll::DB_Dll() = default;
DB_Dll::~DB_Dll() = default;

DB_Dll& DB_Dll::shared()
{
    if (!sharedSlot())
        sharedSlot() = std::make_shared<DB_Dll>();
    return *sharedSlot();
}

void DB_Dll::setShared(std::shared_ptr<DB_Dll> instance) { sharedSlot() = std::move(instance); }

void DB_Dll::configure(const std::function<void(DbSettings&)>& change)
{
    DbSettings changed = m_settings;
    change(changed);
    configure(changed);
}

ado::ConnectionPtr DB_Dll::connection()
{
    if (!m_state.gCnn)
        m_state.gCnn = ado::Connection::create();
    return m_state.gCnn;
}

kit::Utilidades& DB_Dll::util()
{
    if (!m_util)
        m_util = std::make_unique<kit::Utilidades>();
    return *m_util;
}

void DB_Dll::handOver(const QString& sql) const
{
    if (m_observer)
        m_observer(sql);
}

bool DB_Dll::isOracleConnection() const
{
    return m_state.gCnn && has(m_state.gCnn->ConnectionString(), "ORACLE");
}

ado::Errors& DB_Dll::sharedErrors() { return *gDB().connection()->Errors(); }

bool DB_Dll::sharedConnectionLost(const vb::Error& error)
{
    // Only what the driver reports as a broken link counts; a deterministic error never does.
    // The connection's records are read only when they belong to this error, not to an older one.
    const ado::Errors& errors = sharedErrors();
    const bool ownRecords = !errors.empty() && errors.Item(0).Number() == error.number();
    return ado::isConnectionLost(error) || (ownRecords && ado::isConnectionLost(errors));
}

// ---------------------------------------------------------------- opening

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, int lCursor, const QString& ConnString, bool ValidaAdmin,
                             bool MuestraError)
{
    bool reopened = false;
    vb::Trap trap([&](const vb::Error& e) { return serverOpenFailure(e, MuestraError, reopened); });
    m_loginCancelled = false;
    m_state.gOpenFlag = true;
    if (m_settings.gProveedor.isEmpty())
        m_settings.gProveedor = pSQLOLEDB();
    if (vb::Trim(ConnString).isEmpty())
        buildConnectionString();
    else
        m_settings.gConnString = ConnString;
    if (PideParametrosSQL) {
        if (!runLoginPrompt())
            return;
        buildConnectionString();
    }
    trap.run([&] { openServerConnection(lCursor); });
    trap.run([&] { decideAdministrator(ValidaAdmin, MuestraError); });
}

bool DB_Dll::runLoginPrompt()
{
    std::unique_ptr<LoginPrompt> form = LoginPrompt::create();
    const HeldLogin held = heldLogin();
    form->ask(m_settings.gDBName, m_settings.gServidor, held.user);
    m_state.gOpenFlag = form->Aceptar();
    m_loginCancelled = !m_state.gOpenFlag;
    if (m_state.gOpenFlag) {
        keepUntypedPassword(held);
        m_settings.gDBName = form->TxtDbName();
        m_settings.gServidor = form->serverToOpen();
        m_settings.gUsuario = m_settings.gDBName;   // the database login and its password are the database name
        m_settings.gUserPassWord = m_settings.gDBName;
        if (form->plataforma() > 0) {
            m_settings.gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
            if (!m_settings.gServidor.contains(u'#'))
                m_settings.gServidor = u'#' + m_settings.gServidor;
        } else {
            m_settings.gProveedor = gDB().pSQLOLEDB();
        }
    }
    form->unload();
    return m_state.gOpenFlag;
}

void DB_Dll::buildConnectionString()
{
    DbSettings& s = m_settings;
    if (ConnectionStrings::isOracleServer(s.gServidor))
        s.gConnString = ConnectionStrings::oracle(s.gDBName, s.gUsuario, s.gUserPassWord);
    else
        s.gConnString = ConnectionStrings::sqlServer(pSQLOLEDB(), s.gServidor, s.gDBName, s.gUsuario, s.gUserPassWord,
                                                     s.gExtended);
}

void DB_Dll::openServerConnection(int cursorLocation)
{
    const ado::ConnectionPtr cnn = connection();
    cnn->setConnectionTimeout(3);
    cnn->setCursorLocation(cursorLocation);
    cnn->Open(m_settings.gConnString, {}, {}, -1);
}

void DB_Dll::decideAdministrator(bool validaAdmin, bool muestraError)
{
    if (!validaAdmin) {
        m_state.gEsAdmin = true;
        return;
    }
    if (vb::Trim(m_settings.gDBName).isEmpty())
        return;
    connection()->setDefaultDatabase(m_settings.gDBName);
    if (!gDB().ExisteTablaDB(QStringLiteral("TA_USUARIOS")))
        return;
    if (!muestraError) {
        m_state.gEsAdmin = true;
        return;
    }
    vb::Variant textKind = 8;
    const vb::Variant flag = DatosTabla(QStringLiteral("ta_usuarios"), gUsuarioActual, QStringLiteral("Administrador"),
                                        QStringLiteral("nombre"), textKind, QString(), true, false);
    m_state.gEsAdmin = isSetFlag(flag.isNull() ? QString() : vb::CStr(flag));
}

int DB_Dll::serverOpenFailure(const vb::Error& error, bool muestraError, bool& reopened)
{
    const ado::ErrorsPtr errors = connection()->Errors();
    const bool askOperator = muestraError && !errors->empty();
    if (!askOperator && error.number() == ado::adErrObjectOpen && !reopened) {
        reopened = true;
        vb::Trap::skipping().run([&] { m_state.gCnn->Close(); });
        return vb::Retry;
    }
    if (!muestraError) {
        m_state.gOpenFlag = false;
        return vb::Abort;
    }
    if (!askOperator) {
        ui::MsgBox(error.description());
        // The original kept the flag as it was; a connection that did not open must not pass for open.
        m_state.gOpenFlag = m_state.gCnn && m_state.gCnn->State() == ado::adStateOpen;
        return vb::Abort;
    }
    const int answer = ui::MsgBox(connectionErrorText(errors->Item(0)), ui::vbYesNo + ui::vbCritical,
                                  QStringLiteral(" Error de Conexion a Base de Datos"));
    if (answer != ui::vbYes) {
        m_state.gOpenFlag = false;
        return vb::Abort;
    }
    errors->Clear();
    if (!runLoginPrompt())
        return vb::Abort;
    buildConnectionString();
    return vb::Retry;
}

// Server and user are those of the object being opened: a trial open on a throwaway object
// must name what was typed, not the connection already in use.
QString DB_Dll::connectionErrorText(const ado::Error& first) const
{
    const QString cr = QStringLiteral("\r");
    return QStringLiteral(" Estado de Sql: ") + first.SQLState() + cr
         + QStringLiteral("Numero de Error: ") + QString::number(first.Number()) + cr
         + QStringLiteral("Descripcion: ") + first.Description() + cr
         + QStringLiteral("Codigo Nativo: ") + QString::number(first.NativeError()) + cr + kCrLf
         + QStringLiteral("Nombre de Proceso: ") + vb::App::exeName() + cr + kCrLf + kCrLf
         + connectionAdvice(first) + kCrLf + kCrLf + kCrLf + QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
}

// What the operator should check: the login, unless the file of the database was found
// damaged, which no user, password or server typed again can mend.
QString DB_Dll::connectionAdvice(const ado::Error& first) const
{
    if (first.NativeError() == kDamagedDatabase)
        return QStringLiteral("El archivo de la base de datos está dañado o no es una base de datos: "
                              "reemplácelo por su copia de respaldo o elija otra base de datos");
    return QStringLiteral("1. Verifique el Usuario, contraseña y base de datos") + kCrLf
         + QStringLiteral("2. Verifique el nombre del servidor, quizas necesite agregarle el nombre de la instancia, "
                          "por ejemplo : ")
         + m_settings.gServidor + QStringLiteral("\\BRIXKOR") + kCrLf
         + QStringLiteral("3. Verifique si el inicio de sesion para el usuario ") + m_settings.gUsuario
         + QStringLiteral(" existe");
}

void DB_Dll::OpenLocalADODB(const QString& ConnString, const QString& CadenaID, const QString& CadenaPWD)
{
    QString passwordClause;
    bool passwordTried = false;
    for (;;) {
        bool restart = false;
        vb::Trap trap([&](const vb::Error& e) {
            const ado::ErrorsPtr errors = connection()->Errors();
            const QString state = errors->empty() ? QString() : errors->Item(0).SQLState();
            if (state == QLatin1String("3024") || state == QLatin1String("3051") || state == QLatin1String("3044")) {
                restart = pickLocalFile();
                return int(vb::Abort);
            }
            // A password that was already refused once is not offered again: that would loop for ever.
            if (state == QLatin1String("3031") && !passwordTried) {
                passwordTried = true;
                if (!m_settings.gIgnoraPassWord.isNull() && m_settings.gIgnoraPassWord.toBool())
                    passwordClause = QStringLiteral("Jet OLEDB:Database Password=") + m_settings.gUserPassWord + u';';
                else
                    passwordClause = QStringLiteral(" Jet OLEDB:Database Password=")
                                   + ui::InputBox(QStringLiteral("ingrese el password:"), QStringLiteral("Password Access"))
                                   + u';';
                restart = true;
                return int(vb::Abort);
            }
            ui::MsgBox(QString::number(e.number()) + QStringLiteral("  ") + e.description(), ui::vbCritical);
            return int(vb::Abort);
        });
        if (vb::Trim(m_settings.gDBName).isEmpty() && !pickLocalFile())
            return;
        const DbSettings& s = m_settings;
        const QString text = (ConnString.isEmpty() ? ConnectionStrings::jet(s.gProveedor, s.gDBName, CadenaID,
                                                                            s.gUsuario, CadenaPWD, s.gUserPassWord,
                                                                            s.gExtended)
                                                   : ConnString)
                           + passwordClause;
        trap.run([&] {
            connection()->Open(text, {}, {}, -1);
            m_settings.gConnString = text;
        });
        if (!restart)
            return;
    }
}

bool DB_Dll::pickLocalFile()
{
    if (!m_state.CmdDlg)
        m_state.CmdDlg = std::make_shared<kit::DialogoArchivo>();
    m_state.CmdDlg->setTitle(QStringLiteral("Buscar Base de Datos"));
    m_state.CmdDlg->setFilter(QStringLiteral("Base de Datos de Microsoft Access |*.MDB"));
    m_state.CmdDlg->showOpen();
    m_settings.gDBName = m_state.CmdDlg->fileName();
    return !m_state.CmdDlg->cancelled();
}

// ---------------------------------------------------------------- error dialog and log

QString DB_Dll::logPath() const
{
    return m_settings.gLogErr.isEmpty() ? ErrorLog::defaultPath(vb::App::path()) : m_settings.gLogErr;
}

int DB_Dll::TratamientoErrores(const vb::Error& CodErr, const vb::Variant& Botones, const vb::Variant& Rutina)
{
    return errorReport().handle(CodErr, Botones, Rutina);
}

void DB_Dll::logSwallowed(const vb::Error& error, const QString& routine)
{
    errorReport().record(error, routine);
}

ErrorReport DB_Dll::errorReport() const
{
    return ErrorReport(logPath(), QStringLiteral(" Aviso al operador!!! - 5 "));
}

// ---------------------------------------------------------------- statements and recordsets

QString DB_Dll::markerStep(const QString& sql) const
{
    if (has(sql, "CREATE") && has(sql, "DROP") && !has(sql, "DELETE") && !has(sql, "@ADMIN_"))
        return SS_TSinonimos(sql);
    QString text = sql;
    return text.remove(QStringLiteral("@Admin_"), Qt::CaseInsensitive);
}

ado::RecordsetPtr DB_Dll::execute(const QString& sql, qint64* recordsAffected)
{
    handOver(sql);
    return connection()->Execute(sql, recordsAffected, -1);
}

void DB_Dll::truncationWarningFilter(const QString& sql)
{
    ado::Errors& errors = sharedErrors();
    if (errors.Count() >= 1 && errors.Count() <= 2 && !has(sql, "TRANS")
        && errors.Item(0).NativeError() == kTruncation)
        errors.Clear();
}

bool DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL)
{
    qint64 affected = 0;
    ado::RecordsetPtr nothing;
    return EjecutaConsultaSQL(SentenciaSQL, affected, nothing);
}

bool DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL, qint64& RecordsAffected, ado::RecordsetPtr& LRCS)
{
    int retries = 0;
    bool failed = false;
    vb::Trap trap([&](const vb::Error& e) {
        const int answer = statementFailure(e, SentenciaSQL, retries);
        failed = answer != vb::Retry;
        return answer;
    });
    trap.run([&] { SentenciaSQL = markerStep(SentenciaSQL); });
    trap.run([&] {
        if (isOracleConnection()) {
            EjecutaLoteSQL(SentenciaSQL, RecordsAffected);
            return;
        }
        ado::RecordsetPtr rs = execute(SentenciaSQL, &RecordsAffected);
        if (LRCS)
            LRCS = rs;
    });
    trap.run([&] { truncationWarningFilter(SentenciaSQL); });
    return !failed;
}

int DB_Dll::statementFailure(const vb::Error& error, const QString& sql, int& retries)
{
    ado::Errors& errors = sharedErrors();
    if (!errors.empty() && !has(sql, "TRANS")) {
        if (sharedConnectionLost(error)) {
            const int answer = lostStatementConnection(retries);
            if (answer == vb::Retry)
                return answer;
        } else if (errors.Item(0).NativeError() == kTruncation) {
            errors.Clear();
        }
    }
    // Nothing reaches the caller, but the log keeps a trace.
    logSwallowed(error, QStringLiteral("EjecutaConsultaSQL"));
    return vb::Abort;
}

void DB_Dll::EjecutaConsultaRSQL(QString& SentenciaSQL, qint64& RecordsAffected, ado::RecordsetPtr& LRCS)
{
    vb::Trap trap([&](const vb::Error& e) {
        ado::Errors& errors = sharedErrors();
        const bool trans = has(SentenciaSQL, "TRANS");
        if (!errors.empty() && !trans && errors.Item(0).NativeError() == kTruncation) {
            errors.Clear();
        } else {
            const int n = e.number();
            const bool quiet = n == ado::adErrUnspecified || n == kCommandText || n == kObjectNotFound
                            || n == kIntegrity || trans;
            if (!quiet)
                ui::MsgBox(e.description(), ui::vbCritical, QStringLiteral("Aviso al operador!!!"));
        }
        logSwallowed(e, QStringLiteral("EjecutaConsultaRSQL"));
        return int(vb::Abort);
    });
    trap.run([&] { SentenciaSQL = markerStep(SentenciaSQL); });
    if (isOracleConnection()) {
        trap.run([&] { EjecutaLoteSQL(SentenciaSQL, RecordsAffected); });
    } else {
        bool connected = false;
        trap.run([&] { connected = AsegurarConexion(); });
        if (!trap.left() && !connected) {
            ui::MsgBox(QStringLiteral("No hay conexión con el servidor. Intentá de nuevo en unos segundos."),
                       ui::vbExclamation);
            return;
        }
        trap.run([&] {
            ado::RecordsetPtr rs = execute(SentenciaSQL, &RecordsAffected);
            if (LRCS)
                LRCS = rs;
        });
    }
    trap.run([&] { truncationWarningFilter(SentenciaSQL); });
}

void DB_Dll::AbrirRecordset(QString& SentenciaSQL, ado::RecordsetPtr& LRCS, const ado::ConnectionPtr& Conexionactiva,
                            int CursorType, int LockType, int Options, bool ConvOracle)
{
    if (!LRCS)
        LRCS = ado::Recordset::create();
    m_abrirRetries = 0;
    vb::Trap trap([&](const vb::Error& e) { return recordsetFailure(e); });
    trap.run([&] { CierraRecordset(LRCS); });
    trap.run([&] { SentenciaSQL = SS_TSinonimos(SentenciaSQL); });
    trap.run([&] {
        if (!AsegurarConexion())
            vb::raise(kNoConnection, QStringLiteral("No hay conexión con la base de datos."));
    });
    trap.run([&] {
        const ado::ConnectionPtr cnn = Conexionactiva ? Conexionactiva : connection();
        const ado::ConnectionPtr& shared = m_state.gCnn;
        const bool oracle = shared && shared->ConnectionString().indexOf(QLatin1String("ORACLE"), 0, Qt::CaseInsensitive) > 0;
        const QString text = oracle && ConvOracle ? ORACLE_Dicc(SentenciaSQL) : SentenciaSQL;
        handOver(text);
        LRCS->Open(text, cnn, CursorType, LockType, Options);
    });
    trap.run([] { vb::DoEvents(); });
}

int DB_Dll::recordsetFailure(const vb::Error& error)
{
    switch (EvaluaErrorConexion(error, m_abrirRetries, QStringLiteral("AbrirRecordset"))) {
    case 1: return vb::Retry;
    case 2: vb::End();
    default: break;
    }
    return util().ReportarError(error, vb::Variant::missing(), QStringLiteral("AbrirRecordset"));
}

void DB_Dll::CierraRecordset(const ado::RecordsetPtr& LrcsTemp)
{
    if (!LrcsTemp)
        return;
    vb::Trap trap([&](const vb::Error& e) {
        if (e.number() != ado::adErrIllegalOperation)
            return TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("CierraRecordset"));
        vb::Trap pending = vb::Trap::skipping();
        pending.run([&] { LrcsTemp->CancelUpdate(); });
        pending.run([&] {
            if (LrcsTemp->State() != ado::adStateClosed)
                LrcsTemp->Close();
        });
        return int(vb::Ignore);
    });
    trap.run([&] {
        if (LrcsTemp->State() != ado::adStateClosed)
            LrcsTemp->Close();
    });
}

void DB_Dll::QConsulta(const QString&, const QString&, const QString&, const QString&, const QString&,
                       const vb::Variant&) const
{
}

void DB_Dll::QGridConsulta(const QString&, const QString&, const QString&, const QString&, const QString&) const {}

void DB_Dll::EjecutaLoteSQL(QString& script, qint64& RecordsAffected)
{
    script = OracleScript::normalise(script);
    QString piece;
    qsizetype start = 0;
    while (OracleScript::nextPiece(script, start, piece)) {
        // The caller's text keeps the failing piece and the rest when a piece raises.
        script = script.mid(start);
        runScriptPiece(piece.trimmed(), RecordsAffected);
        script = script.mid(piece.size());
    }
    ado::Errors& errors = *connection()->Errors();
    if (errors.Count() == 1 && errors.Item(0).Number() == 265929)
        errors.Clear();
}

void DB_Dll::runScriptPiece(const QString& piece, qint64& RecordsAffected)
{
    if (piece.isEmpty())
        return;
    if (piece.compare(QLatin1String("SET TRANSACTION"), Qt::CaseInsensitive) == 0) {
        connection()->BeginTrans();
    } else if (piece.compare(QLatin1String("COMMIT"), Qt::CaseInsensitive) == 0) {
        connection()->CommitTrans();
    } else if (piece.compare(QLatin1String("ROLLBACK"), Qt::CaseInsensitive) == 0) {
        connection()->RollbackTrans();
    } else {
        QString text = ORACLE_Dicc(piece);
        text = OracleScript::DescartaSentenciaControl(text);
        if (vb::Trim(text).isEmpty())
            return;
        qint64 affected = 0;
        execute(text, &affected);
        RecordsAffected += affected;
    }
}

// ---------------------------------------------------------------- rewriting

QString DB_Dll::SS_TSinonimos(const QString& sql) const
{
    return RestrictedViews::rewrite(sql, {m_state.gEsAdmin, gConfidencialidad, vb::App::exeName()});
}

QString DB_Dll::ORACLE_Dicc(const QString& Valor) const
{
    if (!has(m_settings.gConnString, "ORACLE"))
        return Valor;
    if (kit::Utilidades().ContarPalabras(Valor) <= 1)
        return Valor.compare(QLatin1String("LEN"), Qt::CaseInsensitive) == 0 ? QStringLiteral("LENGTH") : Valor;
    return OracleDialect::translate(Valor);
}

// ---------------------------------------------------------------- column extremes

vb::Variant DB_Dll::extreme(const QString& sql, const QString& column)
{
    ado::RecordsetPtr rs = ado::Recordset::create();
    handOver(sql);
    rs->Open(sql, connection(), ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified);
    const vb::Variant value = rs->Eof() ? vb::Variant() : rs->Value(column);
    const bool empty = rs->Eof();
    rs->Close();
    if (empty)
        return {};
    return value.isNull() ? vb::Variant(QString()) : value;
}

vb::Variant DB_Dll::numberOf(const vb::Variant& value) const
{
    if (value.isEmpty())
        return value;
    // A numeric column keeps its decimals; its regional text form would lose them to the comma.
    if (value.isNumeric() && !value.isString())
        return value.toDouble();
    return vb::Val(kit::Utilidades().ValorTexto(value));
}

vb::Variant DB_Dll::BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const vb::Variant& Tipo,
                                QString* Condicion)
{
    const bool asDate = !Tipo.isMissing() && Tipo.isNumeric() && int(Tipo.toDouble()) == int(ado::adDate);
    const auto statement = [&] {
        QString sql = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
        if (Condicion && !vb::Trim(*Condicion).isEmpty())
            sql += QStringLiteral(" WHERE ") + vb::Trim(*Condicion);
        return sql;
    };
    vb::Variant result = extreme(statement(), QStringLiteral("MAYOR"));
    const bool articles = QueTabla.compare(QLatin1String("V_MA_ARTICULOS"), Qt::CaseInsensitive) == 0;
    if (articles && vb::Trim(util().ValorTexto(result)).startsWith(u'0')) {
        // Codes that begin with zero do not count; the rule applies once, so it cannot loop.
        static const QString rule = QStringLiteral("substring(ltrim(idarticulo),1,1)<>'0'");
        QString local;
        QString& condition = Condicion ? *Condicion : local;
        condition = condition.isEmpty() ? u' ' + rule : condition + QStringLiteral(" and ") + rule;
        Condicion = &condition;
        result = extreme(statement(), QStringLiteral("MAYOR"));
    }
    if (asDate)
        return result.isEmpty() ? result : vb::Variant(util().ValorTexto(result));
    return numberOf(result);
}

vb::Variant DB_Dll::BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const vb::Variant&,
                                const QString* Condicion)
{
    QString sql = QStringLiteral("SELECT MIN(") + QueCampo + QStringLiteral(") AS MENOR FROM ") + QueTabla
                + QStringLiteral("  with(nolock) ");
    if (Condicion && !vb::Trim(*Condicion).isEmpty())
        sql += QStringLiteral(" WHERE ") + vb::Trim(*Condicion);
    return numberOf(extreme(sql, QStringLiteral("MENOR")));
}

vb::Variant DB_Dll::BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const vb::Variant&,
                                      const QString& Condicion)
{
    QString sql = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
    if (!vb::Trim(Condicion).isEmpty())
        sql += QStringLiteral(" WHERE ") + Condicion;
    return numberOf(extreme(sql, QStringLiteral("MAYOR")));
}

// ---------------------------------------------------------------- type tests, literals, names

bool DB_Dll::adodate(const vb::Variant& Qtype) const { return AdoTypeCodes::isDate(Qtype); }
bool DB_Dll::ADOText(const vb::Variant& Qtype) const { return AdoTypeCodes::isText(Qtype); }
bool DB_Dll::ADONumeric(const vb::Variant& Qtype) const { return AdoTypeCodes::isNumeric(Qtype); }
bool DB_Dll::ADOCurrency(const vb::Variant& Qtype) const { return AdoTypeCodes::isCurrency(Qtype); }
bool DB_Dll::ADOBoolean(const vb::Variant& Qtype) const { return AdoTypeCodes::isBoolean(Qtype); }
QString DB_Dll::ADOComilla(const vb::Variant& Qtype) const { return AdoTypeCodes::delimiter(Qtype); }
vb::Variant DB_Dll::SQLValue(const vb::Variant& Valor, const QString& Tipo) const
{
    return DelimitedValue::value(Valor, Tipo);
}
QString DB_Dll::stSTF(QString& rsName, int rnPart) const { return ObjectNames::stSTF(rsName, rnPart); }
QString DB_Dll::AddBrackets(const QString& rObjName) const { return ObjectNames::AddBrackets(rObjName); }
QString DB_Dll::StripConnect(const QString& rsTblName) const { return ObjectNames::StripConnect(rsTblName); }
QString DB_Dll::StripBrackets(const QString& rsObjName) const { return ObjectNames::StripBrackets(rsObjName); }
QString DB_Dll::StripOwner(QString& rsTblName) const { return ObjectNames::StripOwner(rsTblName); }
QString DB_Dll::StripFileName(const QString& rsFileName) const { return ObjectNames::StripFileName(rsFileName); }

// ---------------------------------------------------------------- connection upkeep

bool DB_Dll::AsegurarConexion()
{
    m_asegurarRetries = 0;
    vb::Trap trap([&](const vb::Error& e) {
        switch (EvaluaErrorConexion(e, m_asegurarRetries, QStringLiteral("AsegurarConexion"))) {
        case 1: return int(vb::Retry);
        case 2: m_state.gOpenFlag = false; vb::End();
        default: break;
        }
        return util().ReportarError(e, vb::Variant::missing(), QStringLiteral("AsegurarConexion"));
    });
    trap.run([&] {
        const ado::ConnectionPtr cnn = connection();
        if (cnn->State() != ado::adStateOpen)
            cnn->Open(m_settings.gConnString, {}, {}, -1);
    });
    if (trap.left())
        return false;
    m_state.gOpenFlag = m_state.gCnn->State() == ado::adStateOpen;
    return m_state.gOpenFlag;
}

bool DB_Dll::ReintentaConectar()
{
    m_state.gOpenFlag = false;
    const ado::ConnectionPtr cnn = connection();
    QString text = m_settings.gConnString;
    vb::Trap::skipping().run([&] {
        if (cnn->State() != ado::adStateClosed)
            cnn->Close();
    });
    if (text.isEmpty())
        text = cnn->ConnectionString();
    if (text.isEmpty())
        return false;
    if (!ConnectionStrings::hasTimeout(text))
        text += QStringLiteral(";Connect Timeout=5");
    vb::Trap trap([](const vb::Error&) { return int(vb::Abort); });
    trap.run([&] {
        cnn->setConnectionTimeout(5);
        cnn->setCommandTimeout(10);
        cnn->Open(text, {}, {}, -1);
    });
    m_state.gOpenFlag = cnn->State() == ado::adStateOpen;
    return m_state.gOpenFlag;
}

void DB_Dll::setReconnectPause(int milliseconds) { reconnectPause = milliseconds; }

bool DB_Dll::isLostConnection(const vb::Error& error)
{
    // What the driver reports as a broken link, or a closed-connection error on a connection
    // that is indeed not open. The original also took every unspecified provider failure
    // (0x80004005) for a lost link, which made deterministic errors reconnect.
    if (sharedConnectionLost(error))
        return true;
    const int n = error.number();
    return (n == ado::adErrObjectClosed || n == ado::adErrInvalidConnection)
        && (!m_state.gCnn || m_state.gCnn->State() != ado::adStateOpen);
}

int DB_Dll::EvaluaErrorConexion(const vb::Error& error, int& retries, const QString& routine)
{
    if (!isLostConnection(error))
        return 0;
    if (retries < 1) {
        // One silent attempt per failed step; the caller's counter starts at 0 on each call.
        ++retries;
        if (ReintentaConectar())
            return 1;
    }
    if (m_asking)
        return 0;
    m_asking = true;
    const QString text = QStringLiteral("SE PERDIÓ LA CONEXION CON EL SERVIDOR. (") + gDB().settings().gServidor
                       + QStringLiteral(") ") + kCrLf + kCrLf + QStringLiteral("¿Querés que intentemos reconectar (Sí) ")
                       + kCrLf + QStringLiteral("o cerrar la aplicación (No)?");
    const int answer = ui::MsgBox(text, ui::vbYesNo + ui::vbCritical, QStringLiteral("Conexión a la base de datos"));
    m_asking = false;
    if (answer != ui::vbYes || !BucleReconexion(10, routine))
        return 2;
    retries = 0;
    return 1;
}

bool DB_Dll::BucleReconexion(int intentos, const QString& routine)
{
    // The window refuses every other way of closing, so it lives exactly as long as the loop.
    const auto window = std::make_unique<frmReconectar>();
    ReconnectPolicy policy([this] { return ReintentaConectar(); }, [this] { return m_state.gOpenFlag; });
    policy.setPause(reconnectPause);
    return policy.run(intentos, routine, *window);
}

int DB_Dll::lostStatementConnection(int& retries)
{
    return recoverLostLink(retries, kStatementQuietAttempts) == vb::Retry ? vb::Retry : vb::Abort;
}

bool DB_Dll::askReconnect() const
{
    const QString crlf3 = kCrLf + kCrLf + kCrLf;
    const DbSettings& shared = gDB().settings();
    const QString text = crlf3 + QStringLiteral("Se perdio la conexion con la base de datos ") + shared.gDBName + kCrLf
                       + QStringLiteral(" Servidor ") + shared.gServidor + kCrLf + kCrLf
                       + QStringLiteral("Elija SI para reintentar conectarse") + kCrLf
                       + QStringLiteral("Elija NO para cerrar la aplicacion") + crlf3;
    return ui::MsgBox(text, ui::vbYesNo + ui::vbCritical, QStringLiteral("AVISO AL OPERADOR")) == ui::vbYes;
}

int DB_Dll::recoverLostLink(int& retries, int quietAttempts)
{
    // A link that stays down is tried a few times before the operator is asked, and then after
    // every failed attempt. One silent retry of the step per failure; after that its error is reported.
    for (int failed = 0; !ReintentaConectar();) {
        if (++failed >= quietAttempts && !askReconnect())
            vb::End();
    }
    return ++retries <= 1 ? int(vb::Retry) : 0;
}

// ---------------------------------------------------------------- lookups

int DB_Dll::lookupFailure(const vb::Error& error, int& retries, int quietAttempts)
{
    if (!sharedErrors().empty() && sharedConnectionLost(error)) {
        if (recoverLostLink(retries, quietAttempts) == vb::Retry)
            return vb::Retry;
    }
    return ui::MsgBox(error.description(), ui::vbAbortRetryIgnore + ui::vbCritical, QStringLiteral("Aviso al Operador"));
}

bool DB_Dll::openForLookup(const QString& sql, const ado::ConnectionPtr& cnn, ado::RecordsetPtr* LRCS, bool soloLectura)
{
    int retries = 0;
    bool found = false;
    vb::Trap trap([&](const vb::Error& e) { return lookupFailure(e, retries, kRowQuietAttempts); });
    ado::RecordsetPtr rs = LRCS ? *LRCS : ado::Recordset::create();
    if (!rs) {
        rs = ado::Recordset::create();
        *LRCS = rs;
    }
    if (LRCS) {
        trap.run([&] {
            if (rs->State() != ado::adStateClosed)
                rs->Close();
        });
    }
    trap.run([&] {
        handOver(sql);
        if (!LRCS || soloLectura)
            rs->Open(sql, cnn, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified);
        else
            rs->Open(sql, cnn, rs->CursorType(), rs->LockType(), ado::adCmdUnspecified);
    });
    trap.run([&] { found = !rs->Bof(); });
    if (!LRCS) {
        trap.run([&] {
            if (rs->State() != ado::adStateClosed)
                rs->Close();
        });
    }
    return found;
}

bool DB_Dll::ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                             ado::RecordsetPtr* LRCS, const vb::Variant& Tipodato, const QString& Condicion,
                             bool SoloLectura)
{
    const QString sql = RowLookupSql::existeEnTablaST(Tabla, ValorBuscado, Campo, Tipodato, Condicion);
    return openForLookup(sql, gDB().connection(), LRCS, SoloLectura);
}

bool DB_Dll::ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                           ado::RecordsetPtr* LRCS, const vb::Variant& Tipodato, const QString& Condicion,
                           bool SoloLectura)
{
    const QString sql = SS_TSinonimos(RowLookupSql::existeEnTabla(Tabla, ValorBuscado, Campo, Tipodato, Condicion));
    return openForLookup(LRCS ? sql : ORACLE_Dicc(sql), connection(), LRCS, SoloLectura);
}

void DB_Dll::openRaising(QString sql, ado::RecordsetPtr& rs)
{
    sql = SS_TSinonimos(sql);
    if (isOracleConnection())
        sql = ORACLE_Dicc(sql);
    handOver(sql);
    rs->Open(sql, connection(), ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified);
}

vb::Variant DB_Dll::DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& CampoDevuelto,
                               const QString& Campo, vb::Variant& Tipodato, const QString& Condicion, bool UsaTrim,
                               bool IgnoraError)
{
    if (Tipodato.isString() && Tipodato.stringRef() == QLatin1String("'"))
        Tipodato = 8;
    QString sql = RowLookupSql::datosTabla(Tabla, ValorBuscado, Campo, Tipodato, Condicion, UsaTrim);
    vb::Variant result;
    int retries = 0;
    bool ignored = false;
    vb::Trap trap([&](const vb::Error& e) {
        if (IgnoraError) {
            ignored = true;
            return int(vb::Abort);
        }
        return lookupFailure(e, retries, kStatementQuietAttempts);
    });
    ado::RecordsetPtr rs = ado::Recordset::create();
    // Ignoring errors must also keep the recordset opening quiet, so it opens here rather
    // than through AbrirRecordset and its dialogs.
    if (IgnoraError)
        trap.run([&] { openRaising(sql, rs); });
    else
        AbrirRecordset(sql, rs, connection(), ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified, true);
    if (!IgnoraError && !m_state.gOpenFlag)
        return {};
    trap.run([&] {
        result = rs->Bof() ? QString() : util().ValorTexto(rs->Value(CampoDevuelto));
    });
    trap.run([&] {
        if (rs->State() != ado::adStateClosed)
            rs->Close();
    });
    if (ignored)
        return QString();
    return result;
}

// ---------------------------------------------------------------- schema probes

SchemaProbe DB_Dll::schemaProbe()
{
    return SchemaProbe(connection(), m_settings.gDBName, [](const vb::Error& e) {
        return gDB().TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("VerificaCampos"));
    });
}

bool DB_Dll::ExisteTablaDB(const QString& Tabla) { return schemaProbe().hasTable(Tabla); }

bool DB_Dll::ExisteCampoDB(const QString& Tabla, const QString& Campo)
{
    if (has(gDB().settings().gProveedor, "ORACLE"))
        return true;
    return schemaProbe().hasColumn(Tabla, Campo);
}

QStringList DB_Dll::tableColumns(const QString& table)
{
    const QString name = ObjectNames::QuotableName(table);
    if (name.isEmpty())
        return {};
    QStringList names;
    ado::RecordsetPtr rs = ado::Recordset::create();
    vb::Trap trap([&](const vb::Error& e) {
        logSwallowed(e, QStringLiteral("tableColumns"));
        names.clear();
        return int(vb::Abort);
    });
    trap.run([&] {
        openRaising(QStringLiteral("SELECT * FROM ") + name + QStringLiteral(" WHERE 1 = 0"), rs);
        const ado::FieldsPtr fields = rs->Fields();
        for (int i = 0; i < fields->Count(); ++i)
            names << fields->Item(i)->Name();
    });
    vb::Trap::skipping().run([&] {
        if (rs->State() != ado::adStateClosed)
            rs->Close();
    });
    return names;
}

void DB_Dll::AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                      const vb::Variant& ValorDefault)
{
    const QString sql = SchemaProbe::addColumnStatement(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
    vb::Trap trap([](const vb::Error& e) {
        return gDB().TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("errAddField"));
    });
    // Run so that a refusal reaches this trap: the statement runner would swallow it.
    trap.run([&] { execute(markerStep(sql), nullptr); });
}

bool DB_Dll::VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo,
                        bool PermiteNulos, const vb::Variant& ValorDefault)
{
    if (!ExisteTablaDB(Tabla))
        return true;
    if (!ExisteCampoDB(Tabla, Campo) && Agregar)
        AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
    return true;
}

} // namespace data
