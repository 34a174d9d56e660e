#include "PreviewWindow.h"
#include "PageRenderer.h"
#include "ReportError.h"
#include "ReportPrinter.h"
#include "ui/DialogService.h"
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace rpt {

namespace {
constexpr double ScreenDotsPerMm = 96.0 / 25.4;
}

PreviewWindow::PreviewWindow(std::shared_ptr<const ReportModel> model, QueryRunner runner, QWidget* parent)
    : QWidget(parent), m_model(std::move(model)), m_runner(std::move(runner))
{
    setWindowTitle(m_model->definition().title.isEmpty() ? QStringLiteral("Vista previa") : m_model->definition().title);
    m_pageCount = ReportPrinter(*m_model, m_runner).countPages().pages;
    buildUi();
    showPage(1);
}

PreviewWindow::~PreviewWindow() = default;

QToolButton* PreviewWindow::addButton(const QString& text, void (PreviewWindow::*slot)())
{
    auto* b = new QToolButton(this);
    b->setText(text);
    connect(b, &QToolButton::clicked, this, slot);
    return b;
}

void PreviewWindow::buildUi()
{
    auto* bar = new QHBoxLayout;
    bar->addWidget(addButton(QStringLiteral("|<"), &PreviewWindow::firstPage));
    bar->addWidget(addButton(QStringLiteral("<"), &PreviewWindow::previousPage));
    bar->addWidget(addButton(QStringLiteral(">"), &PreviewWindow::nextPage));
    bar->addWidget(addButton(QStringLiteral(">|"), &PreviewWindow::lastPage));
    m_status = new QLabel(this);
    bar->addWidget(m_status);
    bar->addStretch();
    bar->addWidget(addButton(QStringLiteral("+"), &PreviewWindow::zoomIn));
    bar->addWidget(addButton(QStringLiteral("-"), &PreviewWindow::zoomOut));
    bar->addWidget(addButton(QStringLiteral("Imprimir"), &PreviewWindow::printReport));
    bar->addWidget(addButton(QStringLiteral("Guardar PDF"), &PreviewWindow::askAndSavePdf));
    m_view = new QLabel;
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll);
    resize(900, 1000);
}

void PreviewWindow::setPrintDate(const QDate& d)
{
    m_printDate = d;
    render();
}

const Page& PreviewWindow::pageAt(int number)
{
    if (!m_run || m_page.number > number) {
        m_run = std::make_unique<ReportRun>(*m_model, m_runner);
        m_page = Page();
    }
    while (m_page.number < number && m_run->nextPage(m_page)) {
    }
    return m_page;
}

void PreviewWindow::showPage(int number)
{
    m_current = std::clamp(number, 1, std::max(1, m_pageCount));
    render();
}

void PreviewWindow::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.25, 4.0);
    render();
}

QImage PreviewWindow::pageImage() const
{
    return m_view && !m_view->pixmap().isNull() ? m_view->pixmap().toImage() : QImage();
}

void PreviewWindow::render()
{
    if (!m_view || m_current < 1)
        return;
    const Page& page = pageAt(m_current);
    const double dots = ScreenDotsPerMm * m_zoom;
    const PageLayout& layout = m_run->layout();
    QImage image(QSize(int(layout.paper().width() * dots), int(layout.paper().height() * dots)), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dots * 1000));
    image.setDotsPerMeterY(int(dots * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    PageRenderer renderer(*m_model, layout);
    renderer.setPrintDate(m_printDate);
    renderer.paint(painter, page, m_pageCount, dots);
    painter.end();
    m_view->setPixmap(QPixmap::fromImage(image));
    m_view->resize(image.size());
    m_status->setText(QStringLiteral("Página %1 de %2").arg(m_current).arg(m_pageCount));
}

void PreviewWindow::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    if (ui::DialogService::instance().showModal(&dialog) != QDialog::Accepted)
        return;
    try {
        ReportPrinter out(*m_model, m_runner);
        out.setPrintDate(m_printDate);
        out.print(printer);
    } catch (const ReportError& e) {
        ui::MsgBox(QStringLiteral("No se pudo imprimir el informe: %1").arg(e.message()), ui::vbExclamation);
    }
}

bool PreviewWindow::saveAsPdf()
{
    QString path = ui::DialogService::instance().saveFileName(QStringLiteral("Guardar como PDF"), QStringLiteral("PDF|*.pdf"), QString());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    return saveAsPdf(path);
}

bool PreviewWindow::saveAsPdf(const QString& path)
{
    ReportPrinter::Outcome out;
    try {
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setTitle(m_model->definition().title);
        ReportPrinter printer(*m_model, m_runner);
        printer.setPrintDate(m_printDate);
        out = printer.print(writer);
    } catch (const ReportError& e) {
        // Raised from a button's slot, it would reach the event loop.
        ui::MsgBox(QStringLiteral("No se pudo guardar el archivo %1: %2").arg(path, e.message()), ui::vbExclamation);
        return false;
    }
    if (out.cancelled)
        QFile::remove(path);
    return !out.cancelled;
}

} // namespace rpt
