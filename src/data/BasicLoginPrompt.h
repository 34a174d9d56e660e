#pragma once
// Plain login dialog used until the suite's own login window registers its factory: the same
// boxes with the same object names, shown through the dialog service.

#include "data/LoginPrompt.h"

#include <QPointer>

class QComboBox;
class QDialog;
class QLineEdit;

namespace data {

class BasicLoginPrompt : public LoginPrompt {
public:
    ~BasicLoginPrompt() override;

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
    void setPlataforma(int listIndex) override;
    int plataforma() const override;
    void showModal() override;
    void hide() override;
    bool Aceptar() const override { return m_aceptar; }

private:
    QLineEdit* addBox(const QString& name, const QString& label);

    QPointer<QDialog> m_window;
    QLineEdit* m_dbName = nullptr;
    QLineEdit* m_servidor = nullptr;
    QLineEdit* m_userId = nullptr;
    QLineEdit* m_password = nullptr;
    QComboBox* m_plataforma = nullptr;
    bool m_aceptar = false;
};

} // namespace data
