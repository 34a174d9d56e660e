#include "app/SharedObjects.h"

#include "ado/EngineTarget.h"
#include "data/RunState.h"
#include "kit/ArchivoIni.h"
#include "kit/ControlesForm.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "vb/App.h"

#include "kit/DLL_Print.h"

namespace app {

namespace {

// The objects of the run, each made on first use; a fresh start drops them all at once.
struct Objects {
    std::shared_ptr<kit::Utilidades> util;
    std::shared_ptr<kit::ArchivoIni> ini;
    std::shared_ptr<kit::Sistema> sistema;
    std::shared_ptr<kit::ControlesForm> controles;
    std::shared_ptr<kit::DLL_Print> impresion;
    std::shared_ptr<data::DB_Dll> estadisticas;
};

Objects& objects()
{
    static Objects current;
    return current;
}

template <class T>
T& firstUse(std::shared_ptr<T>& instance)
{
    if (!instance)
        instance = std::make_shared<T>();
    return *instance;
}

} // namespace

kit::Utilidades& gUtil() { return firstUse(objects().util); }
kit::ArchivoIni& gIni() { return firstUse(objects().ini); }
kit::Sistema& gSistema() { return firstUse(objects().sistema); }
kit::ControlesForm& gControles() { return firstUse(objects().controles); }
kit::DLL_Print& gImpresion()
{
    const bool created = !objects().impresion;
    kit::DLL_Print& print = firstUse(objects().impresion);
    if (created)
        print.pPathSistema = vb::App::path();
    // Reports log on with the DSN text of the suite database; when that database is an embedded
    // one, the shared connection's server names its folder (the server may change at a new login).
    print.setDataSourceFolder(ado::EngineTarget::serverFolder(gDB().settings().gServidor));
    return print;
}
data::DB_Dll& gDBEstadisticas() { return firstUse(objects().estadisticas); }

void setStatisticsDatabase(std::shared_ptr<data::DB_Dll> instance) { objects().estadisticas = std::move(instance); }

void dropSharedObjects()
{
    if (objects().estadisticas)
        data::closeQuietly(*objects().estadisticas);
    objects() = Objects{};
}

} // namespace app
