#include "reportengine/ReportJobEngine.h"
#include "reportengine/FormulaError.h"
#include "reportengine/ReportError.h"

#include <memory>

namespace reportengine {

namespace {

// Runs call; a report or formula fault it raises goes on as the print objects' fault.
template <class Call>
auto faultsAsPrintFaults(Call call) -> decltype(call())
{
    try {
        return call();
    } catch (const ReportError& e) {
        throw kit::PrintFault(e.message());
    } catch (const FormulaError& e) {
        throw kit::PrintFault(e.message());
    }
}

ReportJob::Destination jobDestination(kit::PrintEngine::Destination destination)
{
    switch (destination) {
    case kit::PrintEngine::Destination::Printer: return ReportJob::Destination::Printer;
    case kit::PrintEngine::Destination::PdfFile: return ReportJob::Destination::PdfFile;
    case kit::PrintEngine::Destination::Screen: break;
    }
    return ReportJob::Destination::Screen;
}

} // namespace

void ReportJobEngine::install()
{
    kit::PrintEngine::setFactory([] { return std::make_unique<ReportJobEngine>(); });
}

void ReportJobEngine::load(const QString& path)
{
    faultsAsPrintFaults([&] { m_job.load(path); });
}

void ReportJobEngine::setDataSourceFolder(const QString& folder)
{
    faultsAsPrintFaults([&] { m_job.setDataSourceFolder(folder); });
}

void ReportJobEngine::setConnectionString(const QString& logon)
{
    faultsAsPrintFaults([&] { m_job.setConnectionString(logon); });
}

bool ReportJobEngine::setFormula(const QString& assignment)
{
    return faultsAsPrintFaults([&] { return m_job.setFormula(assignment); });
}

void ReportJobEngine::setSelection(const QString& formula)
{
    faultsAsPrintFaults([&] { m_job.setSelection(formula); });
}

void ReportJobEngine::setSortFields(const QStringList& fields)
{
    faultsAsPrintFaults([&] { m_job.setSortFields(fields); });
}

bool ReportJobEngine::hasSubreport(const QString& name) const
{
    for (const SubreportDef& sub : m_job.definition().subreports)
        if (sub.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool ReportJobEngine::setSubreportSelection(const QString& name, const QString& formula)
{
    return faultsAsPrintFaults([&] { return m_job.setSubreportSelection(name, formula); });
}

void ReportJobEngine::setDestination(Destination destination, const QString& target)
{
    faultsAsPrintFaults([&] { m_job.setDestination(jobDestination(destination), target); });
    // Paper and files may take a while on big reports; the preview makes its pages as it shows them.
    if (destination != Destination::Screen)
        m_job.useProgressDialog(nullptr);
}

int ReportJobEngine::run()
{
    return faultsAsPrintFaults([&] { return m_job.run().pages; });
}

} // namespace reportengine
