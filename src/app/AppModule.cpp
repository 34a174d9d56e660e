#include "app/AppModule.h"

#include "app/ConsultaGlobal.h"

namespace app {

ProgramState& state()
{
    static ProgramState current;
    return current;
}

void resetState()
{
    state() = ProgramState{};
    data::resetSessionValues();
    gConsulta.reset();
}

} // namespace app
