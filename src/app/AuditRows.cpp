#include "app/AuditRows.h"

#include "app/AppModule.h"
#include "app/TransactionScriptRunner.h"
#include "app/ServerDate.h"
#include "app/SharedObjects.h"
#include "app/StatementBuilder.h"
#include "app/TratamientoErrores.h"
#include "ado/Recordset.h"
#include "data/DB_Dll.h"
#include "ado/SqlQuoting.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "vb/App.h"
#include "vb/DateTime.h"
#include "vb/Strings.h"

#include <QDateTime>

namespace app {

namespace {

QString quoted(const QString& text) { return ado::quoteSqlText(text); }

// Now, to the minute: the precision of the suite's stamp patterns.
vb::Date stampNow()
{
    QDateTime now = vb::Now().toDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute()));
    return vb::Date::fromDateTime(now);
}

QString actionKind(bool Alta, bool Modificacion, bool EsError)
{
    if (EsError)
        return QStringLiteral("'ER'");
    if (Alta)
        return QStringLiteral("'A'");
    if (Modificacion)
        return QStringLiteral("'M'");
    return QStringLiteral("'B'");
}

// The menu task the user reached the program through, or "" when there is none.
QString taskName(const QString& programa, QuietSteps& steps)
{
    data::DB_Dll& db = gDB();
    QString tarea;
    bool found = false;
    ado::RecordsetPtr rs;
    QString sql = QStringLiteral("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre ")
                + QStringLiteral(" FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave ")
                + QStringLiteral(" WHERE (TA_TAREAS.USUARIO = '") + ado::escapeSqlText(gUsuarioActual)
                + QStringLiteral(" ') AND (TA_MENU.Proceso LIKE '%") + ado::escapeLikeText(programa)
                + QStringLiteral("%')");
    steps.run([&] { db.AbrirRecordset(sql, rs, {}, 0, 1, -1, true); });
    steps.run([&] {
        if (rs && !rs->Eof()) {
            found = true;
            tarea = gUtil().ValorTexto(rs->Value(QStringLiteral("Nombre")));
        }
    });
    if (!found && (vb::textEquals(db.settings().gDBName, db.settings().gUsuario) || vb::textEquals(db.settings().gUsuario, QStringLiteral("SUPERVISOR CORVANE MC"))))
        tarea = vb::App::exeName();
    steps.run([&] { db.CierraRecordset(rs); });
    return tarea;
}

} // namespace

QString FormatoFechaHora() { return QStringLiteral("dd/mm/yy hh:mm"); }
QString FormatoFecha() { return QStringLiteral("dd/mm/yy"); }
QString FormatoHora() { return QStringLiteral("hh:mm"); }

void RegistrarAccion(const QString& TC, const QString& IdComprobante, QString& IdComplemento, bool Alta,
                     bool Modificacion, bool Reservado, const QString& Detalle, const QString& Cuenta, bool EsError)
{
    Q_UNUSED(Reservado);
    QuietSteps steps(QStringLiteral("RegistrarAccion"));
    if (IdComplemento.isEmpty())
        IdComplemento = QStringLiteral("0");
    kit::Utilidades& util = gUtil();
    ListaCampos& campos = gCampos();
    steps.run([&] {
        campos = {
            {QStringLiteral("TC"), quoted(util.FormatearValor(vb::Trim(TC), 4))},
            {QStringLiteral("IdComprobante"), quoted(IdComprobante)},
            {QStringLiteral("IdComplemento"), gDB().SQLValue(IdComplemento, QStringLiteral("@")).toString()},
            {QStringLiteral("Tipo_accion"), actionKind(Alta, Modificacion, EsError)},
            {QStringLiteral("FECHAHORA"), util.FechaSQL(FechaServidor())},
            {QStringLiteral("Usuario"), quoted(gUsuarioActual)},
            {QStringLiteral("PC"), quoted(gSistema().NombreEquipo())},
            {QStringLiteral("SYSTEMUSER"), quoted(vb::Trim(util.CortarTexto(Detalle, 255)))},
            {QStringLiteral("Proceso"),
             quoted(util.CortarTexto(vb::Trim(vb::App::exeName()) + u' ' + state().startup.ParametroAdicional, 255))},
            {QStringLiteral("ProcesoLote"), QStringLiteral("''")},
            {QStringLiteral("Cuenta"), quoted(vb::Trim(util.CortarTexto(vb::Trim(Cuenta), 15)))},
        };
    });
    QString sql = QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES ");
    steps.run([&] { ArmarValores(sql, campos, true); });
    steps.run([&] { gDB().EjecutaConsultaSQL(sql); });
}

void RegistrarError(const QString& SQL, QString& Proceso, std::int32_t NumError, const QString& Descripcion)
{
    QuietSteps steps(QStringLiteral("RegistrarError"));
    if (Proceso.isEmpty())
        Proceso = vb::App::exeName();
    data::DB_Dll& db = gDB();
    ado::RecordsetPtr rs;
    QString sql = QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) ");
    steps.run([&] { db.AbrirRecordset(sql, rs, {}, 2, 3, -1, true); });
    steps.run([&] { rs->AddNew(); });
    const auto set = [&](const char* column, const vb::Variant& value) {
        steps.run([&] { rs->Field(QLatin1String(column))->setValue(value); });
    };
    set("Proceso", Proceso);
    set("fecha", stampNow());
    set("Error", NumError);
    set("Descripcion", gUtil().CortarTexto(Descripcion, 250));
    set("sql", SQL);
    set("PC", gSistema().NombreEquipo());
    set("Usuario", gUsuarioActual);
    steps.run([&] { rs->Update(); });
    steps.run([&] { db.CierraRecordset(rs); });
}

void RegistrarAcceso(const QString& Programa)
{
    QuietSteps steps(QStringLiteral("RegistrarAcceso"));
    const QString programa = Programa.isEmpty() ? vb::App::exeName() : Programa;
    if (gUsuarioActual.isEmpty())
        gUsuarioActual = gDB().settings().gUsuario;
    // This program is registered in the menu under its own name: the task is always looked up.
    const QString tarea = taskName(programa, steps);
    if (vb::textEquals(vb::App::exeName(), QStringLiteral("VU000VA")))
        return;

    QStringList script{QString()};
    const QString ingreso = gUtil().FechaSQL(stampNow());
    steps.run([&] {
        const QString text = QStringLiteral("'");
        AgregarCampo(QStringLiteral("Maquina"), vb::UCase(vb::Trim(gSistema().NombreEquipo())), text, true);
        AgregarCampo(QStringLiteral("Usuario"), vb::UCase(vb::Trim(gUsuarioActual)), text, false);
        AgregarCampo(QStringLiteral("Formulario"), vb::UCase(vb::Trim(programa)), text, false);
        AgregarCampo(QStringLiteral("Tarea"), vb::UCase(vb::Trim(tarea)), text, false);
        AgregarCampo(QStringLiteral("Ingreso"), ingreso, QString(), false);
        AgregarCampo(QStringLiteral("NombreUsuario"), gUsuarioActual, text, false);
    });
    QString where;
    steps.run([&] { ArmarSentencia(gCampos(), script, QStringLiteral("Control_Acceso"), false, where, false); });
    steps.run([&] {
        bool fallo = false;
        std::int32_t numError = 0;
        QString ejecutado, mensaje;
        GActualizarDatoScript(script, fallo, numError, false, false, ejecutado, mensaje, true);
    });
}

} // namespace app
