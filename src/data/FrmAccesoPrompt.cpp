#include "data/FrmAccesoPrompt.h"

#include "data/frmAcceso.h"
#include "ui/DialogService.h"

#include <QComboBox>
#include <QLineEdit>

namespace data {

FrmAccesoPrompt::~FrmAccesoPrompt() { unload(); }

void FrmAccesoPrompt::load()
{
    if (!m_window)
        m_window = new frmAcceso;
}

void FrmAccesoPrompt::unload()
{
    delete m_window.data();
}

void FrmAccesoPrompt::setTxtDbName(const QString& text) { load(); m_window->TxtDbName()->setText(text); }
QString FrmAccesoPrompt::TxtDbName() const { return m_window ? m_window->TxtDbName()->text() : QString(); }
// The port box then belongs to the server written, which names its port itself when it has one,
// not to the list entry that the window's load selected.
void FrmAccesoPrompt::setTxtServidor(const QString& text)
{
    load();
    m_window->TxtServidor()->setText(text);
    m_window->TxtPuerto()->clear();
}
QString FrmAccesoPrompt::TxtServidor() const { return m_window ? m_window->TxtServidor()->text() : QString(); }
void FrmAccesoPrompt::setTxtUserId(const QString& text) { load(); m_window->TxtUserId()->setText(text); }
QString FrmAccesoPrompt::TxtUserId() const { return m_window ? m_window->TxtUserId()->text() : QString(); }
void FrmAccesoPrompt::setTxtUserPassword(const QString& text) { load(); m_window->TxtUserPassword()->setText(text); }
QString FrmAccesoPrompt::TxtUserPassword() const
{
    return m_window ? m_window->TxtUserPassword()->text() : QString();
}
void FrmAccesoPrompt::setPlataforma(int listIndex) { load(); m_window->CboPlataformaDB()->setCurrentIndex(listIndex); }
QString FrmAccesoPrompt::TxtPuerto() const { return m_window ? m_window->TxtPuerto()->text() : QString(); }
int FrmAccesoPrompt::plataforma() const { return m_window ? m_window->CboPlataformaDB()->currentIndex() : 0; }

void FrmAccesoPrompt::showModal()
{
    load();
    ui::DialogService::instance().showModal(m_window);
}

void FrmAccesoPrompt::hide()
{
    if (m_window)
        m_window->hide();
}

bool FrmAccesoPrompt::Aceptar() const { return m_window && m_window->Aceptar; }

} // namespace data
