#include "kit/ReportJobEngine.h"
#include "kit/LogonMask.h"
#include "reportengine/FormulaError.h"
#include "reportengine/ReportError.h"
#include "vb/Error.h"

#include <utility>

namespace kit {

namespace {

PrintEngine::Factory& factoryInForce()
{
    static PrintEngine::Factory factory;
    return factory;
}

} // namespace

std::unique_ptr<PrintEngine> PrintEngine::create()
{
    if (const Factory& factory = factoryInForce())
        return factory();
    return std::make_unique<ReportJobEngine>();
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
    } catch (const rpt::ReportError& e) {
        fault = e.message();
    } catch (const rpt::FormulaError& e) {
        fault = e.message();
    }
    vb::raise(ErrorReporte, LogonMask::hide(QStringLiteral("No se pudo emitir el reporte %1: %2").arg(file.trimmed(), fault), logon),
              QStringLiteral("DLL_Print"));
}

bool ReportJobEngine::hasSubreport(const QString& name) const
{
    for (const rpt::SubreportDef& sub : m_job.definition().subreports)
        if (sub.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void ReportJobEngine::setDestination(Destination destination, const QString& target)
{
    m_job.setDestination(destination, target);
    // Paper and files may take a while on big reports; the preview makes its pages as it shows them.
    if (destination != Destination::Screen)
        m_job.useProgressDialog(nullptr);
}

int ReportJobEngine::run()
{
    return m_job.run().pages;
}

} // namespace kit
