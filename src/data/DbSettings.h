#pragma once
// What a data-access object opens its connection with. Its owner fills them in one call
// (DB_Dll::configure); the opening procedures and the login window update them as they go.

#include "vb/Variant.h"

#include <QString>
#include <cstdint>

namespace data {

struct DbSettings {
    QString gProveedor;              // OLE DB provider; SQLOLEDB when empty at a server open
    QString gDsn;                    // kept; nothing reads it
    QString gServidor;               // server as typed, instance included; a "#" marks Oracle
    QString gDBName;                 // database; the data source for Oracle, the file for Jet
    QString gUsuario;                // database login
    QString gUserPassWord;           // database password
    QString gConnString;             // the string of the last open; reconnection reuses it
    QString gExtended;               // appended to every connection string the object builds
    QString gLogErr;                 // error log; empty means the default one
    vb::Variant gIgnoraPassWord;     // True: a Jet file that refuses the password gets gUserPassWord
    vb::Variant gCursorLocation;     // kept; the open takes the cursor location as an argument
    bool ParametrosSQL = false;      // kept; nothing reads it
    std::int16_t gKQTimeOut = 0;     // kept; nothing reads it
};

} // namespace data
