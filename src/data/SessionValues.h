#pragma once
// Module values of the start-up code that the data access reads. Start-up fills them from the
// command line, the login window and the configuration.

#include <QString>

namespace data {

inline QString gUsuarioActual;       // application user
inline QString gClaveActual;         // application password
inline bool gConfidencialidad = false;   // SS_CONFIDENCIALIDAD is "SI"

// What a run starts with: no user, no password, no confidentiality.
inline void resetSessionValues()
{
    gUsuarioActual.clear();
    gClaveActual.clear();
    gConfidencialidad = false;
}

} // namespace data
