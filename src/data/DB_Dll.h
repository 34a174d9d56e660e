#pragma once
// The one data-access class: every query, statement, lookup and schema probe of the program
// reaches the suite database through an instance of it. One shared instance (gDB) serves the
// whole program; a second one may serve the statistics database.
//
// Threads: none. Everything runs on the interface thread; the waits let pending events run.

#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "data/DbSettings.h"
#include "vb/Error.h"
#include "vb/Variant.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace kit {
class DialogoArchivo;
class Utilidades;
}

namespace data {

class ErrorReport;
class LoginPrompt;
class SchemaProbe;

class DB_Dll {
public:
    DB_Dll();
    ~DB_Dll();
    DB_Dll(const DB_Dll&) = delete;
    DB_Dll& operator=(const DB_Dll&) = delete;

    // The shared instance, created on first use; tests install their own.
    static DB_Dll& shared();
    static void setShared(std::shared_ptr<DB_Dll> instance);

    // Connection settings: read as a whole, replaced in one call. The second form changes some
    // of them: db.configure([](DbSettings& s) { s.gServidor = server; }).
    const DbSettings& settings() const { return m_settings; }
    void configure(const DbSettings& settings) { m_settings = settings; }
    void configure(const std::function<void(DbSettings&)>& change);

    // State of the connection. gCnn is null until the object first works on it.
    const ado::ConnectionPtr& gCnn() const { return m_state.gCnn; }
    bool gOpenFlag() const { return m_state.gOpenFlag; }
    // True switches off the rewriting to restricted views; start-up decides it once the
    // application user's password matched.
    bool gEsAdmin() const { return m_state.gEsAdmin; }
    void setEsAdmin(bool value) { m_state.gEsAdmin = value; }

    // Column extremes, read straight from the connection.
    vb::Variant BuscaMaximo(const QString& QueTabla, const QString& QueCampo,
                            const vb::Variant& Tipo = vb::Variant::missing(), QString* Condicion = nullptr);
    vb::Variant BuscaMinimo(const QString& QueTabla, const QString& QueCampo,
                            const vb::Variant& Tipo = vb::Variant::missing(), const QString* Condicion = nullptr);
    vb::Variant BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const vb::Variant& Tipo,
                                  const QString& Condicion);

    // Connection opening.
    void OpenServerADODB(bool PideParametrosSQL, int lCursor, const QString& ConnString, bool ValidaAdmin,
                         bool MuestraError);
    void OpenLocalADODB(const QString& ConnString, const QString& CadenaID, const QString& CadenaPWD);
    // The last OpenServerADODB ended because the operator closed its login window: his choice,
    // not a connection that failed.
    bool loginCancelled() const { return m_loginCancelled; }
    QString pJETOLEDB40() const { return QStringLiteral("Microsoft.Jet.OLEDB.4.0"); }
    QString pJETOLEDB35() const { return QStringLiteral("Microsoft.Jet.OLEDB.3.51"); }
    QString pSQLOLEDB() const { return QStringLiteral("SQLOLEDB"); }

    // Error dialog and log.
    int TratamientoErrores(const vb::Error& CodErr, const vb::Variant& Botones = vb::Variant::missing(),
                           const vb::Variant& Rutina = vb::Variant::missing());
    vb::Variant ArchivoErrores() const { return m_settings.gLogErr; }
    void setArchivoErrores(const vb::Variant& vNewValue) { m_settings.gLogErr = vNewValue.toString(); }

    // Statements and recordsets. An empty LRCS stands for Nothing: no result wanted.
    // EjecutaConsultaSQL raises nothing: a statement that fails is logged, Err keeps its error,
    // and the result is false, so that a caller that saves can tell the operator what was lost.
    bool EjecutaConsultaSQL(QString& SentenciaSQL, qint64& RecordsAffected, ado::RecordsetPtr& LRCS);
    bool EjecutaConsultaSQL(QString& SentenciaSQL);
    void EjecutaConsultaRSQL(QString& SentenciaSQL, qint64& RecordsAffected, ado::RecordsetPtr& LRCS);
    void AbrirRecordset(QString& SentenciaSQL, ado::RecordsetPtr& LRCS, const ado::ConnectionPtr& Conexionactiva = {},
                        int CursorType = 0, int LockType = 1, int Options = -1, bool ConvOracle = true);
    void CierraRecordset(const ado::RecordsetPtr& LrcsTemp);
    void QConsulta(const QString&, const QString&, const QString&, const QString&, const QString& CmpDisplay,
                   const vb::Variant& SQLWHERE = vb::Variant::missing()) const;
    void QGridConsulta(const QString& Sentencia, const QString& CampoDevuelto1, const QString& gCnnString,
                       const QString& CampoDevuelto2, const QString& CampoDevuelto3) const;

    // Text rewriting.
    QString SS_TSinonimos(const QString& sql) const;
    QString ORACLE_Dicc(const QString& Valor) const;

    // Type tests, literals and names.
    bool adodate(const vb::Variant& Qtype) const;
    bool ADOText(const vb::Variant& Qtype) const;
    bool ADONumeric(const vb::Variant& Qtype) const;
    bool ADOCurrency(const vb::Variant& Qtype) const;
    bool ADOBoolean(const vb::Variant& Qtype) const;
    QString ADOComilla(const vb::Variant& Qtype) const;
    vb::Variant SQLValue(const vb::Variant& Valor, const QString& Tipo) const;
    vb::Variant SQLValue2(const vb::Variant& Valor, const QString& Tipo) const { return SQLValue(Valor, Tipo); }
    QString stSTF(QString& rsName, int rnPart) const;
    QString AddBrackets(const QString& rObjName) const;
    QString StripConnect(const QString& rsTblName) const;
    QString StripBrackets(const QString& rsObjName) const;
    QString StripOwner(QString& rsTblName) const;
    QString StripFileName(const QString& rsFileName) const;

    // Row lookups. A null LRCS pointer means the argument was left out.
    bool ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                         ado::RecordsetPtr* LRCS, const vb::Variant& Tipodato, const QString& Condicion,
                         bool SoloLectura);
    bool ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                       ado::RecordsetPtr* LRCS, const vb::Variant& Tipodato, const QString& Condicion,
                       bool SoloLectura);
    vb::Variant DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& CampoDevuelto,
                           const QString& Campo, vb::Variant& Tipodato, const QString& Condicion, bool UsaTrim,
                           bool IgnoraError);

    // Schema probes.
    bool ExisteTablaDB(const QString& Tabla);
    bool ExisteCampoDB(const QString& Tabla, const QString& Campo);
    // The columns of a table or view as a statement over it names them, asked of the table
    // itself with a statement that returns no rows: the same answer on every engine (the
    // catalogue probe above answers yes to any column on Oracle). Empty when the name is not a
    // plain object name or the table cannot be read; a failure is logged, never shown.
    QStringList tableColumns(const QString& table);
    void AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                  const vb::Variant& ValorDefault = vb::Variant::missing());
    bool VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo, bool PermiteNulos,
                    const vb::Variant& ValorDefault = vb::Variant::missing());

    // Connection upkeep.
    bool AsegurarConexion();
    bool ReintentaConectar();

    // Pause between two attempts of the reconnection window (tests shorten it).
    static void setReconnectPause(int milliseconds);

    // Every SQL text handed to the engine, as handed; for diagnostics and tests.
    using StatementObserver = std::function<void(const QString&)>;
    void setStatementObserver(StatementObserver observer) { m_observer = std::move(observer); }

private:
    ado::ConnectionPtr connection();
    kit::Utilidades& util();
    QString logPath() const;
    ErrorReport errorReport() const;
    void logSwallowed(const vb::Error& error, const QString& routine);
    void handOver(const QString& sql) const;
    bool isOracleConnection() const;
    ado::Errors& sharedErrors();
    bool sharedConnectionLost(const vb::Error& error);

    // Opening.
    bool runLoginPrompt();
    void buildConnectionString();
    void openServerConnection(int cursorLocation);
    void decideAdministrator(bool validaAdmin, bool muestraError);
    int serverOpenFailure(const vb::Error& error, bool muestraError, bool& reopened);
    QString connectionErrorText(const ado::Error& first) const;
    QString connectionAdvice(const ado::Error& first) const;
    bool pickLocalFile();

    // Statements.
    QString markerStep(const QString& sql) const;
    ado::RecordsetPtr execute(const QString& sql, qint64* recordsAffected);
    void truncationWarningFilter(const QString& sql);
    int statementFailure(const vb::Error& error, const QString& sql, int& retries);
    int recordsetFailure(const vb::Error& error);
    void EjecutaLoteSQL(QString& script, qint64& RecordsAffected);
    void runScriptPiece(const QString& piece, qint64& RecordsAffected);

    // Lost connections.
    int EvaluaErrorConexion(const vb::Error& error, int& retries, const QString& routine);
    bool BucleReconexion(int intentos, const QString& routine);
    bool isLostConnection(const vb::Error& error);
    vb::Variant extreme(const QString& sql, const QString& column);
    vb::Variant numberOf(const vb::Variant& value) const;
    int lostStatementConnection(int& retries);
    int recoverLostLink(int& retries, int quietAttempts);
    bool askReconnect() const;

    // Schema.
    SchemaProbe schemaProbe();

    // Lookups.
    int lookupFailure(const vb::Error& error, int& retries, int quietAttempts);
    bool openForLookup(const QString& sql, const ado::ConnectionPtr& connection, ado::RecordsetPtr* LRCS,
                       bool soloLectura);
    void openRaising(QString sql, ado::RecordsetPtr& rs);

    // What the object's own work changes, apart from the settings.
    struct State {
        ado::ConnectionPtr gCnn;                        // created on first use
        bool gOpenFlag = false;                         // the connection is taken to be open
        bool gEsAdmin = false;
        ado::RecordsetPtr glrcs;                        // kept; nothing uses it
        std::shared_ptr<kit::DialogoArchivo> CmdDlg;    // created on first use by OpenLocalADODB
    };

    DbSettings m_settings;
    State m_state;
    std::unique_ptr<kit::Utilidades> m_util;
    StatementObserver m_observer;
    int m_asegurarRetries = 0;      // silent-retry counters kept between calls
    int m_abrirRetries = 0;
    bool m_asking = false;          // the lost-connection question is on screen
    bool m_loginCancelled = false;
};

// The shared instance, as the rest of the program names it.
inline DB_Dll& gDB() { return DB_Dll::shared(); }

} // namespace data
