#include "app/SharedObjects.h"

#include "ado/EngineTarget.h"
#include "kit/ArchivoIni.h"
#include "kit/ControlesForm.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "vb/App.h"

#include "kit/DLL_Print.h"

namespace app {

namespace {

// One slot per object; created on first use and kept for the life of the process.
template <class T>
std::shared_ptr<T>& slot()
{
    static std::shared_ptr<T> instance;
    return instance;
}

template <class T>
T& firstUse()
{
    std::shared_ptr<T>& instance = slot<T>();
    if (!instance)
        instance = std::make_shared<T>();
    return *instance;
}

} // namespace

kit::Utilidades& gUtil() { return firstUse<kit::Utilidades>(); }
kit::ArchivoIni& gIni() { return firstUse<kit::ArchivoIni>(); }
kit::Sistema& gSistema() { return firstUse<kit::Sistema>(); }
kit::ControlesForm& gControles() { return firstUse<kit::ControlesForm>(); }
kit::DLL_Print& gImpresion()
{
    const bool created = !slot<kit::DLL_Print>();
    kit::DLL_Print& print = firstUse<kit::DLL_Print>();
    if (created)
        print.pPathSistema = vb::App::path();
    // Reports log on with the DSN text of the suite database; when that database is an embedded
    // one, the shared connection's server names its folder (the server may change at a new login).
    print.setDataSourceFolder(ado::EngineTarget::serverFolder(gDB().settings().gServidor));
    return print;
}
data::DB_Dll& gDBEstadisticas() { return firstUse<data::DB_Dll>(); }

void setStatisticsDatabase(std::shared_ptr<data::DB_Dll> instance) { slot<data::DB_Dll>() = std::move(instance); }

} // namespace app
