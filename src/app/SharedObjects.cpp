#include "app/SharedObjects.h"

#include "kit/ArchivoIni.h"
#include "kit/ControlesForm.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"

#include "app/PrintObject.h"

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
kit::DLL_Print& gImpresion() { return firstUse<kit::DLL_Print>(); }
data::DB_Dll& gDBEstadisticas() { return firstUse<data::DB_Dll>(); }

void setStatisticsDatabase(std::shared_ptr<data::DB_Dll> instance) { slot<data::DB_Dll>() = std::move(instance); }

} // namespace app
