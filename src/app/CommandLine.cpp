#include "app/CommandLine.h"

namespace app {

QString HostDeServidor(const QString& servidor)
{
    const qsizetype slash = servidor.indexOf(u'/');
    QString host = slash >= 0 ? servidor.mid(slash + 1) : servidor;
    const qsizetype colon = host.indexOf(u':');
    if (colon >= 0)
        host.truncate(colon);
    return host;
}

} // namespace app
