#include "reportengine/PreviewWindow.h"
#include "reportengine/PageRenderer.h"
#include "reportengine/PdfOutput.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportPages.h"
#include "reportengine/SystemPrinters.h"
#include "kit/PrintEngine.h"
#include "ui/DialogService.h"
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <limits>
#include <new>

namespace reportengine {

namespace {
constexpr double ScreenDotsPerMm = 96.0 / 25.4;
constexpr int BackgroundSliceMs = 30;   // short enough for the window to answer between slices
constexpr int FirstSliceMs = 50;        // a short report is whole before the window shows
constexpr double MinZoom = 0.25;
constexpr double MaxZoom = 4.0;
constexpr int FitWidthItem = -1;        // the zoom box's items: a percentage, or one of these
constexpr int FitPageItem = -2;

// What the operator reads of a fault that stopped the report: the report's own account, or, for
// an allocation that failed, the one every report gives.
QString faultText(const std::exception& e)
{
    if (const auto* report = dynamic_cast<const ReportError*>(&e))
        return report->message();
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return kit::PrintFault::outOfMemory().message();
    return QString::fromUtf8(e.what());
}

// Runs work, which may run the report; a fault that stops it is told after `what` in a message
// box (raised from a button's slot, it would reach the event loop). False when it stopped.
bool toldIfStopped(const QString& what, const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        ui::MsgBox(QStringLiteral("%1: %2").arg(what, faultText(e)), ui::vbExclamation);
        return false;
    }
}
} // namespace

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

QToolButton* PreviewWindow::addButton(const QString& text, const QString& tip, void (PreviewWindow::*slot)())
{
    auto* b = new QToolButton(this);
    b->setText(text);
    b->setToolTip(tip);
    connect(b, &QToolButton::clicked, this, slot);
    return b;
}

void PreviewWindow::buildUi()
{
    auto* bar = new QHBoxLayout;
    bar->addWidget(addButton(QStringLiteral("|<"), QStringLiteral("Primera página (Ctrl+Inicio)"), &PreviewWindow::firstPage));
    bar->addWidget(addButton(QStringLiteral("<"), QStringLiteral("Página anterior (RePág)"), &PreviewWindow::previousPage));
    bar->addWidget(buildPageBox());
    bar->addWidget(addButton(QStringLiteral(">"), QStringLiteral("Página siguiente (AvPág)"), &PreviewWindow::nextPage));
    bar->addWidget(addButton(QStringLiteral(">|"), QStringLiteral("Última página (Ctrl+Fin)"), &PreviewWindow::lastPage));
    m_status = new QLabel(this);
    bar->addWidget(m_status);
    bar->addStretch();
    bar->addWidget(addButton(QStringLiteral("-"), QStringLiteral("Reducir"), &PreviewWindow::zoomOut));
    bar->addWidget(buildZoomBox());
    bar->addWidget(addButton(QStringLiteral("+"), QStringLiteral("Ampliar"), &PreviewWindow::zoomIn));
    bar->addWidget(addButton(QStringLiteral("Imprimir"), QStringLiteral("Imprimir (Ctrl+P)"), &PreviewWindow::printReport));
    bar->addWidget(addButton(QStringLiteral("Guardar PDF"), QStringLiteral("Guardar el informe en un archivo PDF"), &PreviewWindow::askAndSavePdf));
    m_view = new QLabel;
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll);
    addKeys();
    sizeToPage();
    showZoom();
    // The page keys turn pages from the start, not the cursor of a box.
    m_scroll->setFocus();
}

// The number typed and Enter go to that page; a number past the last page goes to the last.
QLineEdit* PreviewWindow::buildPageBox()
{
    m_pageBox = new QLineEdit(this);
    m_pageBox->setObjectName(QStringLiteral("pageBox"));
    m_pageBox->setToolTip(QStringLiteral("Ir a la página: escriba el número y presione Enter"));
    m_pageBox->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,7}")), m_pageBox));
    m_pageBox->setAlignment(Qt::AlignRight);
    m_pageBox->setFixedWidth(m_pageBox->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    connect(m_pageBox, &QLineEdit::returnPressed, this, &PreviewWindow::goToTypedPage);
    connect(m_pageBox, &QLineEdit::editingFinished, this, &PreviewWindow::showPageNumber);
    return m_pageBox;
}

// Percentages to choose or type, and the two fits.
QComboBox* PreviewWindow::buildZoomBox()
{
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    m_zoomBox->setToolTip(QStringLiteral("Zoom: elija o escriba un porcentaje"));
    m_zoomBox->setEditable(true);
    m_zoomBox->setInsertPolicy(QComboBox::NoInsert);
    for (int percent : {50, 75, 100, 125, 150, 200, 300, 400})
        m_zoomBox->addItem(QStringLiteral("%1 %").arg(percent), percent);
    m_zoomBox->addItem(QStringLiteral("Ancho de página"), FitWidthItem);
    m_zoomBox->addItem(QStringLiteral("Página entera"), FitPageItem);
    m_zoomBox->setMinimumContentsLength(14);
    connect(m_zoomBox, &QComboBox::activated, this, &PreviewWindow::zoomChosen);
    connect(m_zoomBox->lineEdit(), &QLineEdit::returnPressed, this, &PreviewWindow::applyTypedZoom);
    connect(m_zoomBox->lineEdit(), &QLineEdit::editingFinished, this, &PreviewWindow::showZoom);
    return m_zoomBox;
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
void PreviewWindow::sizeToPage()
{
    constexpr int Chrome = 60;          // margins, frame and the vertical scroll bar
    constexpr int WindowHeight = 1000;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const double pageWidth = m_pages->layout().paper().width() * ScreenDotsPerMm;
    const int widest = int(available.width() * 0.95);
    if (pageWidth + Chrome > widest)
        m_zoom = std::clamp((widest - Chrome) / pageWidth, MinZoom, 1.0);
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
        failure = faultText(e);
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
    m_fit = Fit::None;
    applyZoom(zoom);
}

void PreviewWindow::applyZoom(double zoom)
{
    m_zoom = std::clamp(zoom, MinZoom, MaxZoom);
    showZoom();
    render();
}

void PreviewWindow::fitToWidth()
{
    m_fit = Fit::Width;
    applyFit();
}

void PreviewWindow::fitToPage()
{
    m_fit = Fit::Page;
    applyFit();
}

// The zoom that puts the page's width, or the whole page, in the view as it is now. Fitting the
// width leaves room for the vertical scroll bar the page's length will need.
void PreviewWindow::applyFit()
{
    if (m_fit == Fit::None || !m_scroll)
        return;
    constexpr int Gap = 4;
    const QSizeF page = m_pages->layout().paper() * ScreenDotsPerMm;
    const QSize room = m_scroll->contentsRect().size();
    const double width = room.width() - Gap - (m_fit == Fit::Width ? m_scroll->verticalScrollBar()->sizeHint().width() : 0);
    double zoom = width / page.width();
    if (m_fit == Fit::Page)
        zoom = std::min(zoom, (room.height() - Gap) / page.height());
    applyZoom(zoom);
}

void PreviewWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyFit();
}

void PreviewWindow::zoomChosen(int index)
{
    const int value = m_zoomBox->itemData(index).toInt();
    if (value == FitWidthItem)
        fitToWidth();
    else if (value == FitPageItem)
        fitToPage();
    else
        setZoom(value / 100.0);
}

// "80", "80 %" or "80%"; anything else puts the zoom in force back in the box.
void PreviewWindow::applyTypedZoom()
{
    QString typed = m_zoomBox->currentText();
    typed.remove(u'%');
    bool number = false;
    const double percent = typed.trimmed().toDouble(&number);
    if (number && percent > 0)
        setZoom(percent / 100.0);
    else
        showZoom();
}

void PreviewWindow::showZoom()
{
    if (m_zoomBox)
        m_zoomBox->setEditText(QStringLiteral("%1 %").arg(qRound(m_zoom * 100)));
}

void PreviewWindow::goToTypedPage()
{
    const QString typed = m_pageBox->text();
    if (!typed.isEmpty())
        showPage(int(std::min(typed.toLongLong(), qlonglong(std::numeric_limits<int>::max()))));
    showPageNumber();
}

void PreviewWindow::showPageNumber()
{
    if (m_pageBox)
        m_pageBox->setText(QString::number(m_current));
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
    const bool painted = toldIfStopped(QStringLiteral("No se pudo mostrar la página %1").arg(m_current), [&] {
        const Page page = m_pages->page(m_current);
        QPainter painter(&image);
        m_renderer->paint(painter, page, m_pages->complete() ? m_pages->count() : 0, dots);
    });
    if (!painted)
        return;
    m_view->setPixmap(QPixmap::fromImage(image));
    m_view->resize(image.size());
    if (!m_pageBox->isModified())   // not over a number being typed
        showPageNumber();
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
    if (const QString none = SystemPrinters::noneInstalled(); !none.isEmpty()) {
        ui::MsgBox(QStringLiteral("No se pudo imprimir el informe: %1").arg(none), ui::vbExclamation);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    if (ui::DialogService::instance().showModal(&dialog) != QDialog::Accepted)
        return;
    toldIfStopped(QStringLiteral("No se pudo imprimir el informe"), [&] { printTo(printer); });
}

bool PreviewWindow::saveAsPdf()
{
    QString path = ui::DialogService::instance().saveFileName(QStringLiteral("Guardar como PDF"), QStringLiteral("PDF|*.pdf"), suggestedPdfPath());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    return saveAsPdf(path);
}

bool PreviewWindow::saveAsPdf(const QString& path)
{
    bool written = false;
    toldIfStopped(QStringLiteral("No se pudo guardar el archivo %1").arg(path), [&] {
        written = !PdfOutput::write(path, m_model->definition().title, [this](QPagedPaintDevice& device) { return printTo(device); }).cancelled;
    });
    return written;
}

QString PreviewWindow::suggestedPdfPath() const
{
    QString name = m_model->definition().title;
    name.replace(u'/', u'-').replace(u'\\', u'-');
    // What file systems refuse in a name, and what would make it hard to type.
    name.remove(QRegularExpression(QStringLiteral("[:*?\"<>|\\x00-\\x1f]")));
    name = name.simplified();
    if (name.isEmpty())
        name = QStringLiteral("Informe");
    const QString file = QStringLiteral("%1 %2.pdf").arg(name, m_printDate.toString(QStringLiteral("dd-MM-yyyy")));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir folder(!documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath());
    return folder.filePath(file);
}

} // namespace reportengine
