#pragma once
// The login window as the data access asks for it: every connection dialog of the program
// shows frmAcceso through this adapter.

#include "data/LoginPrompt.h"
#include "data/frmAcceso.h"

#include <QPointer>

namespace data {


class FrmAccesoPrompt : public LoginPrompt {
public:
    ~FrmAccesoPrompt() override;

    void load() override;
    void unload() override;
    void setTxtDbName(const QString& text) override;
    QString TxtDbName() const override;
    void setTxtServidor(const QString& text) override;
    QString TxtServidor() const override;
    void setTxtUserId(const QString& text) override;
    QString TxtUserId() const override;
    void setTxtUserPassword(const QString& text) override;
    QString TxtUserPassword() const override;
    QString TxtPuerto() const override;
    void setPlataforma(int listIndex) override;
    int plataforma() const override;
    void showModal() override;
    void hide() override;
    bool Aceptar() const override;

    frmAcceso* window() const { return m_window; }

private:
    QPointer<frmAcceso> m_window;
};

} // namespace data
