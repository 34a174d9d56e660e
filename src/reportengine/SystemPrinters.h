#pragma once
// The printers of this machine as the report engine sees them: the one answer that the printer
// destination of a report (the report window's Impresora) and the preview's Imprimir both give,
// so that neither offers printing where the other says there is no printer.

#include <QString>

namespace reportengine {

class SystemPrinters {
public:
    // Why nothing can be printed here (no printer installed), in the operator's words; empty
    // when there is a printer to choose.
    static QString noneInstalled();
    // Why a report cannot go straight to the printer named, or to the default printer when the
    // name is blank; empty when it can.
    static QString problem(const QString& name);
};

} // namespace reportengine
