#include "commandbar/BarEnvironment.h"

#include "vb/App.h"
#include "kit/Sistema.h"

#include <QCoreApplication>
#include <QStringList>

namespace commandbar {

namespace {
const BarEnvironment* installed = nullptr;
}

QString BarEnvironment::variable(const QString& name) const
{
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

QString BarEnvironment::commandLine() const
{
    return QCoreApplication::arguments().mid(1).join(u' ');
}

QString BarEnvironment::programFolder() const
{
    return vb::App::path();
}

QString BarEnvironment::systemUserName() const
{
    return kit::Sistema().NombreUsuarioSistema();
}

QString BarEnvironment::hostName() const
{
    return kit::Sistema().NombreEquipo();
}

const BarEnvironment& BarEnvironment::instance()
{
    static const BarEnvironment process;
    return installed ? *installed : process;
}

void BarEnvironment::setInstance(const BarEnvironment* environment)
{
    installed = environment;
}

} // namespace commandbar
