#pragma once
// Geometry of a report page in millimetres: paper, margins, line height and the three areas
// (page header, body, page footer).

#include "reportengine/ReportDefinition.h"
#include "reportengine/Band.h"
#include <QSizeF>

namespace reportengine {

class PageLayout {
public:
    explicit PageLayout(const ReportDefinition& def);

    QSizeF paper() const { return m_paper; }
    double margin() const { return m_margin; }
    double lineHeight() const { return m_line; }
    double contentWidth() const { return m_paper.width() - 2 * m_margin; }
    double headerHeight() const { return m_headerLines * m_line; }
    double footerHeight() const { return m_footerLines * m_line; }
    double bodyTop() const { return m_margin + headerHeight(); }
    double bodyHeight() const { return m_paper.height() - 2 * m_margin - headerHeight() - footerHeight(); }
    double bandHeight(const Band& band) const;
    int keepWithHeading() const { return m_keepWithHeading; }
    static constexpr double SubreportIndent = 8;   // mm per sub-report level

    // Across the page, in millimetres from the paper's left edge: a band's lines (indented by
    // its sub-report level) and the room of each column of its report.
    struct Span {
        double left = 0;
        double width = 0;
        double right() const { return left + width; }
    };
    Span bandSpan(const Band& band) const;
    Span cellSpan(const Band& band, std::size_t column) const;

private:
    QSizeF m_paper;
    double m_margin;
    double m_line;
    int m_headerLines;
    int m_footerLines;
    int m_keepWithHeading;
};

} // namespace reportengine
