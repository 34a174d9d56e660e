#include "ReportPrinter.h"
#include "PageRenderer.h"
#include "ReportError.h"
#include "ReportRun.h"
#include <QPagedPaintDevice>
#include <QPainter>

namespace rpt {

bool ReportPrinter::pageCountIn(const FormulaNode* node, int depth) const
{
    if (!node || depth > 32)
        return false;
    bool found = false;
    node->visit([&](const FormulaNode& n) {
        if (n.type() == FormulaNode::Type::Special && n.name().compare(u"TotalPageCount", Qt::CaseInsensitive) == 0)
            found = true;
        else if (n.type() == FormulaNode::Type::FormulaRef)
            found = found || pageCountIn(m_model.formulaTree(n.name()), depth + 1);
    });
    return found;
}

bool ReportPrinter::needsPageCount() const
{
    const auto& def = m_model.definition();
    for (std::size_t i = 0; i < def.pageHeader.size(); ++i)
        if (pageCountIn(m_model.pageHeader(i), 0))
            return true;
    for (std::size_t i = 0; i < def.pageFooter.size(); ++i)
        if (pageCountIn(m_model.pageFooter(i), 0))
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

void ReportPrinter::preparePage(QPagedPaintDevice& device, const ReportDefinition& def)
{
    device.setPageLayout(QPageLayout(QPageSize(def.page.size), def.page.orientation, QMarginsF(0, 0, 0, 0)));
}

ReportPrinter::Outcome ReportPrinter::print(QPagedPaintDevice& device)
{
    int total = 0;
    if (needsPageCount()) {
        const Outcome counted = countPages();
        if (counted.cancelled)
            return counted;
        total = counted.pages;
    }
    preparePage(device, m_model.definition());
    ReportRun run(m_model, m_runner);
    PageRenderer renderer(m_model, run.layout());
    renderer.setPrintDate(m_printDate);
    QPainter painter;
    if (!painter.begin(&device))
        throw ReportError(QStringLiteral("the output device could not be opened"));
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    Outcome out;
    Page page;
    while (run.nextPage(page)) {
        if (out.pages > 0)
            device.newPage();
        renderer.paint(painter, page, total, dotsPerMm);
        ++out.pages;
        if (m_progress && !m_progress(out.pages, total)) {
            out.cancelled = true;
            break;
        }
    }
    painter.end();
    out.rows = run.rowsRead();
    return out;
}

} // namespace rpt
