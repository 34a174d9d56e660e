#include "reportengine/PageLayout.h"
#include "reportengine/ReportModel.h"

namespace reportengine {

PageLayout::PageLayout(const ReportDefinition& def)
{
    const QPageSize size(def.page.size);
    const QSizeF portrait = size.size(QPageSize::Millimeter);
    m_paper = def.page.orientation == QPageLayout::Landscape ? portrait.transposed() : portrait;
    m_margin = def.page.margin;
    m_line = def.page.fontSize * 25.4 / 72.0 * 1.5;
    // The title takes two lines; a blank line parts header and body.
    m_headerLines = (def.title.isEmpty() ? 0 : 2) + int(def.pageHeader.size()) + 1;
    m_footerLines = def.pageFooter.empty() ? 0 : int(def.pageFooter.size()) + 1;
    m_keepWithHeading = def.page.keepWithHeading;
}

double PageLayout::bandHeight(const Band& band) const
{
    switch (band.kind) {
    case Band::Kind::GroupHeader:
    case Band::Kind::ReportFooter: return m_line * 1.5;
    default: return m_line;
    }
}

PageLayout::Span PageLayout::bandSpan(const Band& band) const
{
    const double indent = band.depth * SubreportIndent;
    return {m_margin + indent, contentWidth() - indent};
}

PageLayout::Span PageLayout::cellSpan(const Band& band, std::size_t column) const
{
    const auto& columns = band.model->definition().columns;
    double left = bandSpan(band).left;
    for (std::size_t c = 0; c < column; ++c)
        left += columns[c].width;
    return {left, columns.at(column).width};
}

} // namespace reportengine
