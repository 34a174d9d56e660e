#pragma once
// What the data access needs of the login window: the four boxes, the platform list and the
// operator's choice. The login window frmAcceso serves unless a test installs its own factory.

#include <QString>
#include <functional>
#include <memory>

namespace data {

class LoginPrompt {
public:
    virtual ~LoginPrompt() = default;

    virtual void load() = 0;
    virtual void unload() = 0;

    virtual void setTxtDbName(const QString& text) = 0;
    virtual QString TxtDbName() const = 0;
    virtual void setTxtServidor(const QString& text) = 0;
    virtual QString TxtServidor() const = 0;
    virtual void setTxtUserId(const QString& text) = 0;
    virtual QString TxtUserId() const = 0;
    virtual void setTxtUserPassword(const QString& text) = 0;
    virtual QString TxtUserPassword() const = 0;
    // The port box: the port of a connection picked from the list, or one typed.
    virtual QString TxtPuerto() const = 0;
    // CboPlataformaDB's list position: 0 SQL Server, above 0 Oracle.
    virtual void setPlataforma(int listIndex) = 0;
    virtual int plataforma() const = 0;

    // Shown modally through the dialog service; Aceptar tells whether "Conectar" was pressed.
    virtual void showModal() = 0;
    virtual void hide() = 0;
    virtual bool Aceptar() const = 0;

    // Fills the boxes, the platform on SQL Server, and shows the window. The password box opens
    // empty: the program's password is one just refused or the launcher's stored-password
    // marker, neither of them for the operator's eyes.
    void ask(const QString& database, const QString& server, const QString& user);
    // The server chosen, as the providers open it: the port box joins a server text that names
    // no port of its own.
    QString serverToOpen() const;

    using Factory = std::function<std::unique_ptr<LoginPrompt>()>;
    static void setFactory(Factory factory);     // empty restores frmAcceso
    static std::unique_ptr<LoginPrompt> create();
};

} // namespace data
