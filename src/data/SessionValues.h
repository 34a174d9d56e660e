#pragma once
// Module values of the start-up code that the data access reads. Start-up fills them from the
// command line, the login window and the configuration.

#include <QString>

namespace data {

inline QString gUsuarioActual;       // application user
inline QString gClaveActual;         // application password
// gClaveActual holds the launcher's stored-password marker ("* *") as the command line gave it:
// start-up then checks the password stored for the user. Only the reading of the line sets it;
// the same text typed in a login window is a password like any other.
inline bool gStoredPasswordMarker = false;
inline bool gConfidencialidad = false;   // SS_CONFIDENCIALIDAD is "SI"

// What a run starts with: no user, no password, no confidentiality.
inline void resetSessionValues()
{
    gUsuarioActual.clear();
    gClaveActual.clear();
    gStoredPasswordMarker = false;
    gConfidencialidad = false;
}

} // namespace data
