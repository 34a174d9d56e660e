#include "app/AppModule.h"

#include "ado/AdoRaise.h"
#include "app/ConsultaGlobal.h"
#include "app/Dll_Display.h"
#include "app/EstiloFormulario.h"
#include "app/SharedObjects.h"
#include "app/StatementBuilder.h"
#include "data/RunState.h"
#include "vb/Error.h"

namespace app {

namespace {

// A start that ended early (the operator closed the login window) leaves its notice showing.
void closeBusyNotice()
{
    if (gCartel().window())
        gCartel().CartelCerrar();
}

} // namespace

ProgramState& state()
{
    static ProgramState current;
    return current;
}

void resetState()
{
    state() = ProgramState{};
    gConsulta.reset();
    gCampos().clear();
    gEstilo = 0;
    closeBusyNotice();
    dropSharedObjects();
    data::resetRunState();
    ado::forgetLostConnections();
    // Last: a connection closed quietly above may have left its error there.
    vb::Err::clear();
}

} // namespace app
