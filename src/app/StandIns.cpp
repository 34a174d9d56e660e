#include "StandIns.h"

#include "data/ErrorLog.h"
#include "kit/ArchivoIni.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "vb/DateTime.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QtGlobal>

namespace app::standin {

kit::ArchivoIni& ini()
{
    static kit::ArchivoIni object;
    return object;
}

kit::Sistema& sistema()
{
    static kit::Sistema object;
    return object;
}

kit::Utilidades& util()
{
    static kit::Utilidades object;
    return object;
}

void logPassedOver(const vb::Error& error, const QString& routine)
{
    QString folder = vb::Trim(qEnvironmentVariable("TEMP"));
    if (folder.isEmpty())
        folder = sistema().CarpetaTemporal();
    const QString path = data::ErrorLog::defaultPath(folder);
    const QString prompt = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(error.number())
                         + QStringLiteral(") ") + vb::Trim(error.description());
    data::ErrorLog::append(path, data::ErrorLog::line(vb::Clock::now(), QStringLiteral(" - ") + routine, prompt, 0));
}

} // namespace app::standin
