#include "PreviewWindow.h"
#include "PageRenderer.h"
#include "PdfOutput.h"
#include "ReportError.h"
#include "ReportPages.h"
#include "ui/DialogService.h"
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace rpt {

namespace {
constexpr double ScreenDotsPerMm = 96.0 / 25.4;
constexpr int BackgroundSliceMs = 30;   // short enough for the window to answer between slices
constexpr int FirstSliceMs = 50;        // a short report is whole before the window shows
}

PreviewWindow::PreviewWindow(std::shared_ptr<const ReportModel> model, QueryRunner runner, QWidget* parent)
    : QWidget(parent), m_model(std::move(model)), m_runner(std::move(runner))
{
    setWindowTitle(m_model->definition().title.isEmpty() ? QStringLiteral("Vista previa") : m_model->definition().title);
    m_pages = std::make_unique<ReportPages>(*m_model, m_runner);
    m_renderer = std::make_unique<PageRenderer>(*m_model, m_pages->layout());
    m_renderer->setPrintDate(m_printDate);
    const QDeadlineTimer firstSlice(FirstSliceMs);
    m_pages->layOutNext();
    while (!firstSlice.hasExpired() && m_pages->layOutNext()) {
    }
    buildUi();
    m_layoutTimer = new QTimer(this);
    connect(m_layoutTimer, &QTimer::timeout, this, &PreviewWindow::layOutInBackground);
    if (!m_pages->stopped())
        m_layoutTimer->start(0);
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
    addKeys();
    fitPageWidth();
}

// The keys of a report viewer: page by page, to either end, print, and Esc to close. The page
// keys turn pages rather than scroll the page shown.
void PreviewWindow::addKeys()
{
    const auto key = [this](const QKeySequence& sequence, auto slot) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::Key_PageDown), &PreviewWindow::nextPage);
    key(QKeySequence(Qt::Key_PageUp), &PreviewWindow::previousPage);
    key(QKeySequence(Qt::CTRL | Qt::Key_Home), &PreviewWindow::firstPage);
    key(QKeySequence(Qt::CTRL | Qt::Key_End), &PreviewWindow::lastPage);
    key(QKeySequence(Qt::CTRL | Qt::Key_P), &PreviewWindow::printReport);
    key(QKeySequence(Qt::Key_Escape), [this] { close(); });
}

// The page's whole width in view, a landscape page's too: the window as wide as the page within
// the screen, and a screen narrower than that shows the page smaller.
void PreviewWindow::fitPageWidth()
{
    constexpr int Chrome = 60;          // margins, frame and the vertical scroll bar
    constexpr int WindowHeight = 1000;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const double pageWidth = m_pages->layout().paper().width() * ScreenDotsPerMm;
    const int widest = int(available.width() * 0.95);
    if (pageWidth + Chrome > widest)
        m_zoom = std::clamp((widest - Chrome) / pageWidth, 0.25, 1.0);
    resize(std::min(int(pageWidth * m_zoom) + Chrome, widest), std::min(WindowHeight, int(available.height() * 0.9)));
}

void PreviewWindow::setPrintDate(const QDate& d)
{
    m_printDate = d;
    m_renderer->setPrintDate(d);
    render();
}

int PreviewWindow::pageCount() const
{
    return m_pages->count();
}

bool PreviewWindow::pageCountKnown() const
{
    return m_pages->complete();
}

bool PreviewWindow::tellProgress()
{
    if (!m_progress)
        return true;
    const int done = m_pages->count();
    return m_progress(done, m_pages->complete() ? done : 0);
}

// The layout ends before the last page: a progress dialog waiting for it closes.
void PreviewWindow::endProgress()
{
    if (m_progress)
        m_progress(m_pages->count(), m_pages->count());
}

// Until the deadline has passed and the page wanted is laid out, or the report ends. The progress
// handler may process events, and so ask for a page or call this again: m_wanted carries the
// request to the loop already running.
bool PreviewWindow::layOutPages(const QDeadlineTimer& deadline)
{
    bool completedNow = false;
    while (!m_pages->stopped() && (m_pages->count() < m_wanted || !deadline.hasExpired())) {
        if (!m_pages->layOutNext()) {
            completedNow = true;
            tellProgress();   // done == total: a progress dialog closes
            break;
        }
        if (!tellProgress()) {
            m_pages->stop();
            m_stopped = true;
        }
    }
    return completedNow;
}

void PreviewWindow::layOut(int wanted, const QDeadlineTimer& deadline)
{
    m_wanted = std::max(m_wanted, wanted);
    if (m_layingOut)
        return;
    m_layingOut = true;
    bool completedNow = false;
    QString failure;
    try {
        completedNow = layOutPages(deadline);
    } catch (const std::exception& e) {
        // Raised from a timer or a button's slot, it would reach the event loop.
        const auto* report = dynamic_cast<const ReportError*>(&e);
        failure = report ? report->message() : QString::fromUtf8(e.what());
        m_pages->stop();
        m_stopped = true;
        endProgress();
    }
    m_layingOut = false;
    m_wanted = 0;
    afterLayout(completedNow);
    if (!failure.isEmpty())
        ui::MsgBox(QStringLiteral("No se pudo preparar el informe: %1").arg(failure), ui::vbExclamation);
}

void PreviewWindow::afterLayout(bool completedNow)
{
    if (m_pages->stopped() && m_layoutTimer)
        m_layoutTimer->stop();
    if (m_requestPending) {
        m_requestPending = false;
        showRequested();
    } else if (completedNow) {
        render();   // the page shown now knows the page count
    } else {
        refreshStatus();
    }
}

void PreviewWindow::closeEvent(QCloseEvent* event)
{
    if (!m_pages->stopped()) {
        m_pages->stop();
        m_stopped = true;
        m_layoutTimer->stop();
        endProgress();
    }
    QWidget::closeEvent(event);
}

void PreviewWindow::layOutInBackground()
{
    layOut(0, QDeadlineTimer(BackgroundSliceMs));
}

bool PreviewWindow::finishLayout()
{
    layOut(std::numeric_limits<int>::max(), QDeadlineTimer(0));
    return m_pages->complete();
}

void PreviewWindow::showPage(int number)
{
    m_requested = std::max(number, 1);
    if (m_requested > m_pages->count() && !m_pages->stopped()) {
        // Shown when the layout reaches it, by this call or by the loop already running.
        m_requestPending = true;
        layOut(m_requested, QDeadlineTimer(0));
        return;
    }
    m_requestPending = false;
    showRequested();
}

void PreviewWindow::lastPage()
{
    showPage(std::numeric_limits<int>::max());
}

void PreviewWindow::showRequested()
{
    m_current = std::clamp(m_requested, 1, std::max(1, m_pages->count()));
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

QString PreviewWindow::statusText() const
{
    return m_status ? m_status->text() : QString();
}

void PreviewWindow::refreshStatus()
{
    if (!m_status)
        return;
    const int count = m_pages->count();
    if (m_pages->complete())
        m_status->setText(QStringLiteral("Página %1 de %2").arg(m_current).arg(count));
    else if (m_stopped)
        m_status->setText(QStringLiteral("Página %1 de %2 (informe interrumpido)").arg(m_current).arg(count));
    else
        m_status->setText(QStringLiteral("Página %1 (contando páginas: %2)").arg(m_current).arg(count));
}

void PreviewWindow::render()
{
    if (!m_view || m_current < 1 || m_current > m_pages->count())
        return;
    const double dots = ScreenDotsPerMm * m_zoom;
    const PageLayout& layout = m_pages->layout();
    QImage image(QSize(int(layout.paper().width() * dots), int(layout.paper().height() * dots)), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dots * 1000));
    image.setDotsPerMeterY(int(dots * 1000));
    image.fill(Qt::white);
    try {
        const Page page = m_pages->page(m_current);
        QPainter painter(&image);
        m_renderer->paint(painter, page, m_pages->complete() ? m_pages->count() : 0, dots);
    } catch (const ReportError& e) {
        ui::MsgBox(QStringLiteral("No se pudo mostrar la página %1: %2").arg(m_current).arg(e.message()), ui::vbExclamation);
        return;
    }
    m_view->setPixmap(QPixmap::fromImage(image));
    m_view->resize(image.size());
    refreshStatus();
}

// From the pages kept; a preview whose layout was cut short runs the report anew.
ReportPrinter::Outcome PreviewWindow::printTo(QPagedPaintDevice& device)
{
    finishLayout();
    ReportPrinter printer(*m_model, m_runner);
    printer.setPrintDate(m_printDate);
    return m_pages->complete() ? printer.print(device, *m_pages) : printer.print(device);
}

void PreviewWindow::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    if (ui::DialogService::instance().showModal(&dialog) != QDialog::Accepted)
        return;
    try {
        printTo(printer);
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
    try {
        return !PdfOutput::write(path, m_model->definition().title, [this](QPagedPaintDevice& device) { return printTo(device); }).cancelled;
    } catch (const ReportError& e) {
        // Raised from a button's slot, it would reach the event loop.
        ui::MsgBox(QStringLiteral("No se pudo guardar el archivo %1: %2").arg(path, e.message()), ui::vbExclamation);
        return false;
    }
}

} // namespace rpt
