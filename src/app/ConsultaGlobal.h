#pragma once
// The shared lookup object of the start-up module. The lookups create it on first use
// (lookup::gConsulta() in lookup/Consultas.h); the start-up module only holds it, so it needs
// nothing of the lookups but this declaration.

#include <memory>

namespace lookup {
class Lib_ClsCons3;
}

namespace app {

inline std::shared_ptr<lookup::Lib_ClsCons3> gConsulta;

} // namespace app
