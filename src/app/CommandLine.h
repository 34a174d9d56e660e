#pragma once
// The suite's parameter line: how programs of the suite hand one another the connection and
// the user (docs/launcher.md). Pairs of an @-key, "=" and a value ended by ";", found anywhere
// in the text without regard to letter case; the first occurrence of a key counts, even inside
// another pair's value ("@Usuario" is found inside "@UsuarioLogeado").

#include <QString>

namespace app {

// What one reading of the line gives, and what it starts from: the module values that a key
// without its ";" leaves as they were (ParametroAdicional, Menu, UsuarioActual, ClaveActual,
// Caja).
struct CommandLineValues {
    QString ParametroAdicional;   // startup.ParametroAdicional
    QString Menu;                 // startup.Menu
    QString Servidor;             // @Server, as given
    QString DbName;               // @DbName
    QString Usuario;              // @Usuario
    QString UsuarioActual;        // gUsuarioActual: @UsuarioLogeado unless blank, else @Usuario
    QString Password;             // @Password
    QString ClaveActual;          // gClaveActual: "* *" when @Password equals @DbName
    bool StoredPasswordMarker = false;   // ClaveActual is that marker, given by this line: take the stored password
    QString Caja;                 // startup.Caja: "1" without the key
    bool unendedKey = false;      // a key other than @ParametroAdicional had no ";" after it
};

// A value is the text between its key and the next ";", without any "=" and trimmed of
// blanks. "@ParametroAdicional" without a ";" takes the 19 characters after it; any other key
// without one keeps what it had (empty for the server, database, user and password) and sets
// unendedKey. Without "@Password" ClaveActual and StoredPasswordMarker are left as they were.
CommandLineValues LeerLineaParametros(const QString& linea, const CommandLineValues& antes);

// The line start-up builds from "VU000va.INI" when the caller asks for it and no line is given:
// section MACHINE|USERBaseDeDatos, keys Servidor, DbName, Usuario and UserPassWord (the last
// two in the stored form, "Corvane" and "quemilo" when missing), each without "|".
QString LineaDesdeIni();

// The host part of a server text: what follows the first "/" (the whole text without one),
// cut before its first ":". "tcp/SRV01:1433" gives "SRV01"; an instance after "\" or a port
// after "," stays. An absolute path naming an existing folder (the embedded engine's data
// folder) is kept whole.
QString HostDeServidor(const QString& servidor);

} // namespace app
