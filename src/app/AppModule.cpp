#include "app/AppModule.h"

namespace app {

ProgramState& state()
{
    static ProgramState current;
    return current;
}

void resetState() { state() = ProgramState{}; }

} // namespace app
