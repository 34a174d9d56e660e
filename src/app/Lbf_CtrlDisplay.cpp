#include "app/Lbf_CtrlDisplay.h"

#include "app/TratamientoErrores.h"
#include "ui/Control.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>

namespace app {

namespace {

constexpr int kFrames = 12;
constexpr int kFrameSize = 48;
constexpr double kOpacity = 200.0 / 255.0;

} // namespace

Lbf_CtrlDisplay::Lbf_CtrlDisplay(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    ui::Control::declare(this, QStringLiteral("Lbf_CtrlDisplay"));
    setWindowTitle(QStringLiteral("Procesando Datos"));
    buildControls();
    formLoad();
}

void Lbf_CtrlDisplay::buildControls()
{
    m_image = new QLabel(this);
    ui::Control::declare(m_image, QStringLiteral("Image1"));
    m_image->setFixedSize(kFrameSize, kFrameSize);

    auto* lines = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(this);
        ui::Control::declare(label, QStringLiteral("LblCtrol"), i);
        label->setFont(QFont(QStringLiteral("MS Sans Serif"), 9));
        label->setMinimumWidth(260);
        lines->addWidget(label);
        m_lines << label;
    }
    m_timer = new QTimer(this);
    ui::Control::declare(m_timer, QStringLiteral("Timer1"));
    m_cancel = new QPushButton(QStringLiteral("&Cancelar "), this);
    ui::Control::declare(m_cancel, QStringLiteral("CmdDisplayCancelar"));

    auto* top = new QHBoxLayout;
    top->addWidget(m_image, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(lines, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addLayout(top);
    layout->addLayout(bottom);

    connect(m_timer, &QTimer::timeout, this,
            [this] { guardEventQuietly(QStringLiteral("Timer1_Timer"), [this] { Timer1_Timer(); }); });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        guardEventQuietly(QStringLiteral("CmdDisplayCancelar_Click"), [this] { m_cancel->setText(abortedCaption()); });
    });
}

void Lbf_CtrlDisplay::formLoad()
{
    m_frames = drawFrames(palette().color(QPalette::Highlight));
    m_cancel->setText(QStringLiteral("&Cancelar"));
    m_image->setPixmap(m_frames.first());
    centreOnScreen();
    setWindowOpacity(kOpacity);
}

void Lbf_CtrlDisplay::centreOnScreen()
{
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void Lbf_CtrlDisplay::Timer1_Timer()
{
    ++m_counter;
    m_image->setPixmap(m_frames.value(m_counter - 1));
    if (m_counter == kFrames)
        m_counter = 0;
}

// A ring of twelve dots; in frame n the n-th dot is the brightest and the ones before it fade,
// so the frames in turn make the ring spin.
QList<QPixmap> Lbf_CtrlDisplay::drawFrames(const QColor& colour)
{
    QList<QPixmap> frames;
    const QPointF centre(kFrameSize / 2.0, kFrameSize / 2.0);
    const double ring = kFrameSize * 0.36;
    const double dot = kFrameSize * 0.075;
    for (int frame = 0; frame < kFrames; ++frame) {
        QPixmap pixmap(kFrameSize, kFrameSize);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < kFrames; ++i) {
            const int age = (frame - i + kFrames) % kFrames;
            QColor c = colour;
            c.setAlphaF(1.0 - 0.075 * age);
            painter.setBrush(c);
            const double angle = 2 * M_PI * i / kFrames - M_PI / 2;
            const QPointF at = centre + QPointF(ring * std::cos(angle), ring * std::sin(angle));
            painter.drawEllipse(at, dot * (age == 0 ? 1.35 : 1.0), dot * (age == 0 ? 1.35 : 1.0));
        }
        frames << pixmap;
    }
    return frames;
}

} // namespace app
