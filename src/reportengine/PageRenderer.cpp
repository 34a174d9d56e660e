#include "reportengine/PageRenderer.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaEvaluator.h"
#include "reportengine/ReportError.h"
#include <QFontMetricsF>
#include <QPainter>

namespace reportengine {

PageRenderer::PageRenderer(const ReportModel& model, const PageLayout& layout)
    : m_model(model), m_layout(layout), m_context(model)
{
    m_font = QFont(QStringLiteral("DejaVu Sans"));
    m_font.setPointSizeF(model.definition().page.fontSize);
    m_bold = m_font;
    m_bold.setBold(true);
    m_title = m_bold;
    m_title.setPointSizeF(model.definition().page.fontSize * 1.6);
}

QRectF PageRenderer::mm(double x, double y, double w, double h) const
{
    return QRectF(x * m_dots, y * m_dots, w * m_dots, h * m_dots);
}

void PageRenderer::measureOn(QPaintDevice* device)
{
    const QSize dpi(device->logicalDpiX(), device->logicalDpiY());
    if (m_widths[0] && dpi == m_widthsDpi)
        return;
    m_widthsDpi = dpi;
    m_widths[std::size_t(Face::Plain)].emplace(m_font, device);
    m_widths[std::size_t(Face::Bold)].emplace(m_bold, device);
    m_widths[std::size_t(Face::Title)].emplace(m_title, device);
}

void PageRenderer::use(QPainter& p, Face face)
{
    p.setFont(face == Face::Plain ? m_font : face == Face::Bold ? m_bold : m_title);
    m_face = &*m_widths[std::size_t(face)];
}

void PageRenderer::text(QPainter& p, const QRectF& r, Qt::Alignment align, const QString& s)
{
    if (s.isEmpty())
        return;
    QString shown = s;
    shown.replace(u'\n', u' ').replace(u'\r', u' ');   // one line, as TextSingleLine makes it
    const bool left = !(align & (Qt::AlignRight | Qt::AlignHCenter));
    qreal width = left && m_face->surelyNarrower(shown, r.width()) ? 0 : m_face->width(shown);
    if (width > r.width()) {
        shown = m_face->metrics().elidedText(shown, Qt::ElideRight, r.width());
        width = m_face->width(shown);
    }
    if (!left) {
        // Trailing blanks take no room at the right edge.
        qsizetype end = shown.size();
        while (end > 0 && shown[end - 1].isSpace())
            --end;
        if (end < shown.size())
            width = m_face->width(shown.left(end));
    }
    const qreal x = left ? r.left() : (align & Qt::AlignRight) ? r.right() - width : r.left() + (r.width() - width) / 2;
    p.drawText(QPointF(x, m_face->baselineIn(r.top(), r.height())), shown);
}

void PageRenderer::paint(QPainter& painter, const Page& page, int pageCount, double dotsPerMm)
{
    m_dots = dotsPerMm;
    measureOn(painter.device());
    painter.save();
    paintHeader(painter, page.number, pageCount);
    double top = m_layout.bodyTop();
    for (const Band& band : page.bands) {
        paintBand(painter, band, top);
        top += m_layout.bandHeight(band);
    }
    paintFooter(painter, page.number, pageCount);
    painter.restore();
}

QString PageRenderer::pageText(const FormulaNode* node, int page, int pageCount)
{
    if (!node)
        return {};
    m_context.setPage(page, pageCount);
    try {
        return FormulaEvaluator::evaluate(*node, m_context).toText();
    } catch (const FormulaError& e) {
        throw ReportError(QStringLiteral("texto de la página: %1").arg(QString::fromUtf8(e.what())));
    }
}

void PageRenderer::paintHeader(QPainter& p, int page, int pageCount)
{
    const auto& def = m_model.definition();
    double top = m_layout.margin();
    if (!def.title.isEmpty()) {
        use(p, Face::Title);
        text(p, mm(m_layout.margin(), top, m_layout.contentWidth(), 2 * m_layout.lineHeight()), Qt::AlignHCenter, def.title);
        top += 2 * m_layout.lineHeight();
    }
    paintTexts(p, def.pageHeader, true, top, page, pageCount);
}

void PageRenderer::paintFooter(QPainter& p, int page, int pageCount)
{
    const auto& def = m_model.definition();
    const double top = m_layout.paper().height() - m_layout.margin() - def.pageFooter.size() * m_layout.lineHeight();
    paintTexts(p, def.pageFooter, false, top, page, pageCount);
}

void PageRenderer::paintTexts(QPainter& p, const std::vector<PageText>& texts, bool header, double top, int page, int pageCount)
{
    use(p, Face::Plain);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const FormulaNode* node = header ? m_model.pageHeader(i) : m_model.pageFooter(i);
        text(p, mm(m_layout.margin(), top, m_layout.contentWidth(), m_layout.lineHeight()), texts[i].align,
             pageText(node, page, pageCount));
        top += m_layout.lineHeight();
    }
}

void PageRenderer::paintBand(QPainter& p, const Band& band, double top)
{
    const double h = m_layout.bandHeight(band);
    const PageLayout::Span span = m_layout.bandSpan(band);
    const double left = span.left;
    const double width = span.width;
    switch (band.kind) {
    case Band::Kind::GroupHeader:
        use(p, Face::Bold);
        text(p, mm(left + band.level * 4, top, width - band.level * 4, h), Qt::AlignLeft, band.label);
        return;
    case Band::Kind::ColumnTitles:
        use(p, Face::Bold);
        paintCells(p, band, top, h);
        p.drawLine(mm(left, top + h, width, 0).topLeft(), mm(left, top + h, width, 0).topRight());
        return;
    case Band::Kind::GroupFooter:
    case Band::Kind::ReportFooter: {
        p.drawLine(mm(left, top, width, 0).topLeft(), mm(left, top, width, 0).topRight());
        use(p, Face::Bold);
        const Band shown = withCoveredCellsInLabel(band);
        text(p, mm(left, top, width, h), Qt::AlignLeft, shown.label);
        paintCells(p, shown, top, h);
        return;
    }
    case Band::Kind::Detail:
        use(p, Face::Plain);
        paintCells(p, band, top, h);
        return;
    }
}

// A footer's label runs from the left edge over the first columns; a summary whose column
// starts under the label would be painted over it, so it joins the label instead.
Band PageRenderer::withCoveredCellsInLabel(const Band& band)
{
    Band shown = band;
    if (shown.label.isEmpty())
        return shown;
    const auto& columns = band.model->definition().columns;
    double columnStart = 0;
    for (std::size_t c = 0; c < columns.size() && c < std::size_t(shown.cells.size()); ++c) {
        const double labelEnd = m_face->width(shown.label) / m_dots;
        if (columnStart >= labelEnd)
            break;
        QString& cell = shown.cells[qsizetype(c)];
        if (!cell.isEmpty()) {
            shown.label += QStringLiteral("  ") + cell;
            cell.clear();
        }
        columnStart += columns[c].width;
    }
    return shown;
}

void PageRenderer::paintCells(QPainter& p, const Band& band, double top, double height)
{
    const auto& columns = band.model->definition().columns;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const QString& s = band.kind == Band::Kind::ColumnTitles ? columns[c].title
                                                                 : (c < std::size_t(band.cells.size()) ? band.cells[qsizetype(c)] : QString());
        const PageLayout::Span cell = m_layout.cellSpan(band, c);
        // A little padding keeps neighbouring columns apart.
        text(p, mm(cell.left + 0.8, top, cell.width - 1.6, height), columns[c].align, s);
    }
}

} // namespace reportengine
