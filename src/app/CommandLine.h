#pragma once
// The suite's parameter line: how programs of the suite hand one another the connection and
// the user.

#include <QString>

namespace app {

// The host part of a server text: what follows the first "/" (the whole text without one),
// cut before its first ":". "tcp/SRV01:1433" gives "SRV01"; an instance after "\" or a port
// after "," stays.
QString HostDeServidor(const QString& servidor);

} // namespace app
