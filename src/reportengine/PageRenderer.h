#pragma once
// Paints one page: the page header (title and header texts), the body bands in their columns,
// and the page footer. Works on any paint device; sizes are taken from the device's resolution.

#include "Page.h"
#include "PageLayout.h"
#include "ReportModel.h"
#include "RowContext.h"
#include <QFont>

class QPainter;

namespace rpt {

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
    Band withCoveredCellsInLabel(const QPainter& p, const Band& band) const;
    void paintTexts(QPainter& p, const std::vector<PageText>& texts, bool header, double top, int page, int pageCount);
    QRectF mm(double x, double y, double w, double h) const;
    void text(QPainter& p, const QRectF& r, Qt::Alignment align, const QString& s);

    const ReportModel& m_model;
    const PageLayout& m_layout;
    RowContext m_context;
    QFont m_font, m_bold, m_title;
    double m_dots = 1;
};

} // namespace rpt
