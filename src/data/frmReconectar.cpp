#include "data/frmReconectar.h"

#include "ui/DialogService.h"
#include "vb/Error.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

namespace data {

frmReconectar::frmReconectar(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmReconectar"));
    const QString caption = QStringLiteral("Intentando reconectar con el servidor") + QChar(0x2026);
    setWindowTitle(caption);
    m_mensaje = new QLabel(caption, this);
    m_mensaje->setObjectName(QStringLiteral("lblMensaje"));
    m_mensaje->setFont(QFont(QStringLiteral("Segoe UI")));
    m_intentos = new QProgressBar(this);
    m_intentos->setObjectName(QStringLiteral("prgIntentos"));
    m_intentos->setRange(0, 100);
    m_intentos->setValue(0);
    m_reintentar = new QPushButton(QStringLiteral("Reintentar"), this);
    m_reintentar->setObjectName(QStringLiteral("CmdReintentar"));
    m_reintentar->setEnabled(false);
    m_cancelar = new QPushButton(QStringLiteral("Cerrar Sistema"), this);
    m_cancelar->setObjectName(QStringLiteral("cmdCancelar"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_reintentar);
    buttons->addWidget(m_cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_mensaje);
    layout->addWidget(m_intentos);
    layout->addLayout(buttons);

    connect(m_cancelar, &QPushButton::clicked, this, [this] { Cancelar = true; });
    connect(m_reintentar, &QPushButton::clicked, this, [this] { Reintentar = true; });
    resize(420, 140);
    centreOnScreen();
}

void frmReconectar::unload()
{
    m_unloading = true;
    close();
}

void frmReconectar::started(const QString& routine)
{
    // Nothing the window does may stop the loop.
    vb::Trap::skipping().run([&] {
        Cancelar = false;
        Reintentar = false;
        m_mensaje->setText(QStringLiteral("Intentando reconectar con el servidor...\r\n") + routine);
        m_intentos->setValue(0);
        m_reintentar->setEnabled(false);   // it stayed on from the last attempt before
        ui::DialogService::instance().showModeless(this);
        vb::DoEvents();
    });
}

void frmReconectar::attempt(int number, int series)
{
    m_intentos->setValue(int(std::lround(number * 100.0 / series)));
    m_reintentar->setEnabled(number == series);
}

void frmReconectar::idle() { vb::DoEvents(); }

void frmReconectar::closeEvent(QCloseEvent* event)
{
    if (m_unloading)
        event->accept();
    else
        event->ignore();
}

void frmReconectar::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

} // namespace data
