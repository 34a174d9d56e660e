#include "reportengine/SystemPrinters.h"
#include <QPrinterInfo>

namespace reportengine {

QString SystemPrinters::noneInstalled()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return QStringLiteral("no hay ninguna impresora instalada en este equipo");
    return {};
}

QString SystemPrinters::problem(const QString& name)
{
    if (const QString none = noneInstalled(); !none.isEmpty())
        return none;
    if (!name.isEmpty())
        return QPrinterInfo::printerInfo(name).isNull() ? QStringLiteral("no hay ninguna impresora llamada \"%1\" en este equipo").arg(name)
                                                        : QString();
    // Printers, but none chosen as the default: Qt's device would fail to open.
    return QPrinterInfo::defaultPrinter().isNull() ? QStringLiteral("ninguna impresora de este equipo es la predeterminada") : QString();
}

} // namespace reportengine
