#include "reportengine/ReportPrinter.h"
#include "reportengine/PageRenderer.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportPages.h"
#include "reportengine/ReportRun.h"
#include <QPagedPaintDevice>
#include <QPainter>

namespace reportengine {

namespace {

// One painter on the device for the whole report, each page after the first on a new sheet.
class PagePainter {
public:
    PagePainter(QPagedPaintDevice& device, const ReportModel& model, const PageLayout& layout, const QDate& printDate)
        : m_device(device), m_renderer(model, layout)
    {
        ReportPrinter::preparePage(device, model.definition());
        m_renderer.setPrintDate(printDate);
        if (!m_painter.begin(&device))
            throw ReportError(QStringLiteral("no se pudo abrir el archivo o la impresora de destino"));
        m_dotsPerMm = device.logicalDpiX() / 25.4;
    }
    void paint(const Page& page, int total)
    {
        if (m_painted++ > 0)
            m_device.newPage();
        m_renderer.paint(m_painter, page, total, m_dotsPerMm);
    }
    void end() { m_painter.end(); }

private:
    QPagedPaintDevice& m_device;
    PageRenderer m_renderer;
    QPainter m_painter;
    double m_dotsPerMm = 1;
    int m_painted = 0;
};

} // namespace

bool ReportPrinter::pageCountIn(const FormulaNode* node) const
{
    bool found = false;
    if (node)
        m_model.visitWithFormulas(*node, [&](const FormulaNode& n) {
            found = found || (n.type() == FormulaNode::Type::Special && n.name().compare(u"TotalPageCount", Qt::CaseInsensitive) == 0);
        });
    return found;
}

bool ReportPrinter::needsPageCount() const
{
    const auto& def = m_model.definition();
    for (std::size_t i = 0; i < def.pageHeader.size(); ++i)
        if (pageCountIn(m_model.pageHeader(i)))
            return true;
    for (std::size_t i = 0; i < def.pageFooter.size(); ++i)
        if (pageCountIn(m_model.pageFooter(i)))
            return true;
    return false;
}

ReportPrinter::Outcome ReportPrinter::countPages() const
{
    ReportRun run(m_model, m_runner);
    Page page;
    Outcome out;
    while (run.nextPage(page)) {
        ++out.pages;
        if (m_progress && !m_progress(out.pages, 0)) {
            out.cancelled = true;
            break;
        }
    }
    out.rows = run.rowsRead();
    return out;
}

ReportPrinter::Outcome ReportPrinter::layOut(ReportPages& pages) const
{
    Outcome out;
    while (pages.layOutNext())
        if (m_progress && !m_progress(pages.count(), 0)) {
            pages.stop();
            out.cancelled = true;
            break;
        }
    out.pages = pages.count();
    out.rows = pages.rowsRead();
    return out;
}

void ReportPrinter::preparePage(QPagedPaintDevice& device, const ReportDefinition& def)
{
    device.setPageLayout(QPageLayout(QPageSize(def.page.size), def.page.orientation, QMarginsF(0, 0, 0, 0)));
}

ReportPrinter::Outcome ReportPrinter::print(QPagedPaintDevice& device)
{
    if (!needsPageCount())
        return printAsLaidOut(device);
    ReportPages pages(m_model, m_runner);
    const Outcome laidOut = layOut(pages);
    if (laidOut.cancelled)
        return laidOut;
    return print(device, pages);
}

ReportPrinter::Outcome ReportPrinter::print(QPagedPaintDevice& device, const ReportPages& pages)
{
    PagePainter painter(device, m_model, pages.layout(), m_printDate);
    Outcome out;
    const int total = pages.count();
    for (int number = 1; number <= total; ++number) {
        painter.paint(pages.page(number), total);
        ++out.pages;
        if (m_progress && !m_progress(out.pages, total)) {
            out.cancelled = true;
            break;
        }
    }
    painter.end();
    out.rows = pages.rowsRead();
    return out;
}

// Nothing on a page depends on the pages after it: each is painted as soon as it is laid out.
ReportPrinter::Outcome ReportPrinter::printAsLaidOut(QPagedPaintDevice& device)
{
    ReportRun run(m_model, m_runner);
    PagePainter painter(device, m_model, run.layout(), m_printDate);
    Outcome out;
    Page page;
    while (run.nextPage(page)) {
        painter.paint(page, 0);
        ++out.pages;
        if (m_progress && !m_progress(out.pages, 0)) {
            out.cancelled = true;
            break;
        }
    }
    painter.end();
    out.rows = run.rowsRead();
    return out;
}

} // namespace reportengine
