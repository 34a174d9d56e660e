#include "app/TratamientoErrores.h"

#include "app/SharedObjects.h"
#include "data/ErrorLog.h"
#include "data/ErrorReport.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "vb/App.h"
#include "vb/Strings.h"

#include <new>

namespace app {

namespace {

constexpr int kInternalError = 51;

data::ErrorReport moduleReport()
{
    return data::ErrorReport(errorLogPath(), QStringLiteral(" Aviso al operador!!! - 2 "), true);
}

// Runs body with every error it raises turned into a vb::Error for onError; the answer follows
// the handler convention (Retry runs body again).
void guarded(const std::function<void()>& body, const vb::Trap::Handler& onError)
{
    vb::Trap trap(onError);
    trap.run([&] { runAsVbError(body); });
}

} // namespace

void runAsVbError(const std::function<void()>& body)
{
    try {
        body();
    } catch (const vb::Error&) {
        throw;
    } catch (const vb::EndRequested&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw;      // a trap reports it as error 7, out of memory
    } catch (const std::exception& e) {
        throw vb::Error(kInternalError, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        throw vb::Error(kInternalError, vb::Error::standardDescription(kInternalError));
    }
}

QString errorLogPath()
{
    QString folder = vb::Trim(vb::Environ(QStringLiteral("TEMP")));
    if (folder.isEmpty())
        folder = gSistema().CarpetaTemporal();
    return data::ErrorLog::defaultPath(gUtil().CarpetaConBarra(folder));
}

int TratamientoErrores(const vb::Error& CodErr, const vb::Variant& Botones, const vb::Variant& Rutina)
{
    return moduleReport().handle(CodErr, Botones, Rutina);
}

void logError(const vb::Error& error, const QString& routine)
{
    moduleReport().record(error, routine);
}

void guardEvent(const QString& routine, const std::function<void()>& body)
{
    guarded(body, [&](const vb::Error& e) { return TratamientoErrores(e, vb::Variant::missing(), routine); });
}

void guardEventQuietly(const QString& routine, const std::function<void()>& body)
{
    guarded(body, [&](const vb::Error& e) {
        logError(e, routine);
        return int(vb::Abort);
    });
}

QuietSteps::QuietSteps(QString routine)
    : m_routine(std::move(routine)), m_trap([this](const vb::Error& e) {
          if (!m_failed)
              m_firstFailure = e;
          m_failed = true;
          return int(vb::Ignore);
      })
{
}

QuietSteps::~QuietSteps()
{
    if (!m_failed)
        return;
    try {
        logError(m_firstFailure, m_routine);
    } catch (...) {
        // A log that cannot be written costs the line, nothing else.
    }
}

} // namespace app
