#include "data/LoginPrompt.h"

#include "data/ConnectionStrings.h"
#include "data/FrmAccesoPrompt.h"

namespace data {

namespace {
LoginPrompt::Factory& factory()
{
    static LoginPrompt::Factory value;
    return value;
}
} // namespace

void LoginPrompt::setFactory(Factory f) { factory() = std::move(f); }

void LoginPrompt::ask(const QString& database, const QString& server, const QString& user)
{
    load();
    setTxtDbName(database);
    setTxtServidor(server);
    setTxtUserId(user);
    setTxtUserPassword(QString());
    setPlataforma(0);
    showModal();
}

QString LoginPrompt::serverToOpen() const { return ConnectionStrings::serverToOpen(TxtServidor(), TxtPuerto()); }

std::unique_ptr<LoginPrompt> LoginPrompt::create()
{
    if (factory())
        return factory()();
    return std::make_unique<FrmAccesoPrompt>();
}

} // namespace data
