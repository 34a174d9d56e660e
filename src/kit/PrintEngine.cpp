#include "kit/PrintEngine.h"

#include "kit/LogonMask.h"
#include "kit/MessageText.h"
#include "vb/Error.h"

#include <new>
#include <utility>

namespace kit {

namespace {

constexpr int OutOfMemory = 7;   // the runtime's "Memoria insuficiente"

PrintEngine::Factory& factoryInForce()
{
    static PrintEngine::Factory factory;
    return factory;
}

// An error of the run as the operator reads it: no longer than any message of the engine.
vb::Error bounded(const vb::Error& e)
{
    return vb::Error(e.number(), boundedMessage(e.description()), e.source());
}

} // namespace

PrintFault PrintFault::outOfMemory()
{
    return PrintFault(QStringLiteral("la memoria no alcanza para armar el reporte; pruebe con un rango más chico"));
}

std::unique_ptr<PrintEngine> PrintEngine::create()
{
    if (const Factory& factory = factoryInForce())
        return factory();
    throw PrintFault(QStringLiteral("no hay un motor de reportes instalado"));
}

PrintEngine::Factory PrintEngine::setFactory(Factory factory)
{
    return std::exchange(factoryInForce(), std::move(factory));
}

void PrintEngine::guarded(const QString& file, const QString& logon, const std::function<void()>& body)
{
    QString fault;
    try {
        body();
        return;
    } catch (const PrintFault& e) {
        fault = e.message();
    } catch (const std::bad_alloc&) {
        fault = PrintFault::outOfMemory().message();
    } catch (const vb::Error& e) {
        if (e.number() != OutOfMemory)
            throw bounded(e);
        fault = PrintFault::outOfMemory().message();
    }
    // The password is hidden before the text is cut, so that no part of it is left.
    const QString message = QStringLiteral("No se pudo emitir el reporte %1: %2").arg(pathText(file.trimmed()), fault);
    vb::raise(ErrorReporte, boundedMessage(LogonMask::hide(message, logon)), QStringLiteral("DLL_Print"));
}

} // namespace kit
