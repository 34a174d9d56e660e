#include "app/TransactionScriptRunner.h"

#include "app/AuditRows.h"
#include "app/SharedObjects.h"
#include "app/TratamientoErrores.h"
#include "ado/Errors.h"
#include "data/DB_Dll.h"
#include "ui/DialogService.h"
#include "vb/App.h"
#include "vb/Strings.h"

namespace app {

namespace {

constexpr int kObjectNotSet = 91;
constexpr int kDuplicateKey = 2627;
constexpr int kReference = 547;
const QString kCR = QStringLiteral("\r");

QString batchOf(const QStringList& script)
{
    QString batch;
    for (const QString& statement : script) {
        if (!vb::Trim(statement).isEmpty())
            batch += kCR + statement;
    }
    return batch;
}

// The statement runs with its errors left in the connection's collection, never raised; the
// error of a statement that did not run, empty when it ran.
vb::Error executeQuietly(const QString& sql)
{
    QString text = sql;
    vb::Error failure;
    vb::Trap::skipping().run([&] {
        if (!gDB().EjecutaConsultaSQL(text))
            failure = vb::Err::current();
    });
    return failure;
}

ado::Errors& sharedErrors()
{
    const ado::ConnectionPtr& cnn = gDB().gCnn();
    if (!cnn)
        vb::raise(kObjectNotSet, vb::Error::standardDescription(kObjectNotSet));
    return *cnn->Errors();
}

// What the batch left in the error collection: the failure, its number and the two messages
// (the caller's, and the one shown and logged).
struct BatchOutcome {
    bool failed = false;
    std::int32_t number = 0;
    QString callerMessage;
    QString shownMessage;
};

BatchOutcome readOutcome(ado::Errors& errors, bool toleraDuplicado, bool toleraReferencia)
{
    BatchOutcome outcome;
    if (errors.Count() < 1)
        return outcome;
    outcome.number = errors.Item(0).NativeError();
    outcome.failed = true;
    // One error is reported alone; of several, all but the last.
    const int reported = errors.Count() == 1 ? 1 : errors.Count() - 1;
    for (int i = 0; i < reported; ++i) {
        const ado::Error& e = errors.Item(i);
        outcome.shownMessage += QString::number(e.NativeError()) + QStringLiteral(" : ") + e.Description()
                              + QStringLiteral("\r\n");
    }
    outcome.callerMessage = outcome.shownMessage;
    if ((toleraDuplicado && outcome.number == kDuplicateKey) || (toleraReferencia && outcome.number == kReference)) {
        outcome.callerMessage = errors.Item(0).Description();
        outcome.shownMessage.clear();
    }
    errors.Clear();
    return outcome;
}

// A batch that never reached the server (no open connection) leaves nothing in the collection,
// and would pass for one that ran: it fails with the error that stopped it.
BatchOutcome outcomeOf(const vb::Error& unrun, ado::Errors& errors, bool toleraDuplicado, bool toleraReferencia)
{
    BatchOutcome outcome = readOutcome(errors, toleraDuplicado, toleraReferencia);
    if (outcome.failed || unrun.number() == 0)
        return outcome;
    outcome.failed = true;
    outcome.number = unrun.number();
    outcome.shownMessage = QString::number(unrun.number()) + QStringLiteral(" : ") + unrun.description()
                         + QStringLiteral("\r\n");
    outcome.callerMessage = outcome.shownMessage;
    return outcome;
}

void reportFailure(const QString& batch, const BatchOutcome& outcome, bool mostrarMensaje)
{
    QString proceso = vb::App::exeName();
    RegistrarError(batch, proceso, outcome.number, outcome.shownMessage);
    if (!vb::Trim(outcome.shownMessage).isEmpty() && mostrarMensaje)
        ui::MsgBox(outcome.shownMessage, ui::vbCritical | ui::vbOKOnly, QStringLiteral("Aviso al Operador!"));
}

} // namespace

void GActualizarDatoScript(const QStringList& Script, bool& Fallo, std::int32_t& NumError, bool ToleraDuplicado,
                           bool ToleraReferencia, QString& SQLEjecutado, QString& Mensaje, bool MostrarMensaje)
{
    Fallo = false;
    QString batch = batchOf(Script);
    if (batch.isEmpty())
        return;
    batch = QStringLiteral("BEGIN TRANSACTION ") + kCR + kCR + batch + kCR;
    SQLEjecutado = batch;

    vb::Trap trap([](const vb::Error& e) {
        return TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("GActualizarDatoScript"));
    });
    bool open = false;      // the batch's transaction may still be open
    BatchOutcome outcome;
    vb::Error unrun;
    trap.run([&] {
        open = true;
        unrun = executeQuietly(batch);
    });
    trap.run([&] {
        outcome = outcomeOf(unrun, sharedErrors(), ToleraDuplicado, ToleraReferencia);
        Fallo = outcome.failed;
        if (outcome.failed)
            Mensaje = outcome.callerMessage;
    });
    if (!outcome.failed) {
        trap.run([&] {
            const vb::Error uncommitted = executeQuietly(QStringLiteral("COMMIT TRANSACTION"));
            // A commit that did not happen leaves the transaction open, and every later batch of
            // the run would go into it and never be stored: its errors fail the batch as the
            // batch's own do (never tolerated).
            outcome = outcomeOf(uncommitted, sharedErrors(), false, false);
            open = outcome.failed;
            Fallo = outcome.failed;
            if (outcome.failed)
                Mensaje = outcome.callerMessage;
        });
    }
    if (outcome.failed) {
        trap.run([&] {
            executeQuietly(QStringLiteral("ROLLBACK TRANSACTION"));
            open = false;
        });
        trap.run([&] { reportFailure(batch, outcome, MostrarMensaje); });
    }
    trap.run([&] { NumError = outcome.number; });
    // Left through the handler half way: nothing of the batch may stay pending.
    if (open)
        executeQuietly(QStringLiteral("ROLLBACK TRANSACTION"));
}

} // namespace app
