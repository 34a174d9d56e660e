#pragma once
// Paints one page: the page header (title and header texts), the body bands in their columns,
// and the page footer. Works on any paint device; sizes are taken from the device's resolution.

#include "reportengine/Page.h"
#include "reportengine/PageLayout.h"
#include "reportengine/ReportModel.h"
#include "reportengine/RowContext.h"
#include "reportengine/TextWidths.h"
#include <QFont>
#include <optional>

class QPainter;

namespace reportengine {

class PageRenderer {
public:
    PageRenderer(const ReportModel& model, const PageLayout& layout);
    void setPrintDate(const QDate& d) { m_context.setPrintDate(d); }
    // dotsPerMm: device pixels per millimetre (the painter is not scaled).
    void paint(QPainter& painter, const Page& page, int pageCount, double dotsPerMm);
    QString pageText(const FormulaNode* node, int page, int pageCount);

private:
    void paintHeader(QPainter& p, int page, int pageCount);
    void paintFooter(QPainter& p, int page, int pageCount);
    void paintBand(QPainter& p, const Band& band, double top);
    void paintCells(QPainter& p, const Band& band, double top, double height);
    Band withCoveredCellsInLabel(const Band& band);
    void paintTexts(QPainter& p, const std::vector<PageText>& texts, bool header, double top, int page, int pageCount);
    QRectF mm(double x, double y, double w, double h) const;
    // One line of text in r, as QPainter::drawText(r, align | AlignVCenter | TextSingleLine) puts
    // it, cut with an ellipsis when it is wider, without laying it out as a paragraph.
    void text(QPainter& p, const QRectF& r, Qt::Alignment align, const QString& s);
    enum class Face { Plain, Bold, Title };
    void use(QPainter& p, Face face);
    void measureOn(QPaintDevice* device);

    const ReportModel& m_model;
    const PageLayout& m_layout;
    RowContext m_context;
    QFont m_font, m_bold, m_title;
    double m_dots = 1;
    // Widths on the device painted last, by face; made again for a device of another resolution.
    std::array<std::optional<TextWidths>, 3> m_widths;
    QSize m_widthsDpi;
    TextWidths* m_face = nullptr;
};

} // namespace reportengine
