#include "reportengine/PdfOutput.h"
#include "reportengine/ReportError.h"
#include <QPdfWriter>
#include <QSaveFile>

namespace reportengine {

ReportPrinter::Outcome PdfOutput::write(const QString& path, const QString& title, const Painting& paint)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(QStringLiteral("no se pudo abrir el archivo o la impresora de destino"));
    ReportPrinter::Outcome out;
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(title);
        out = paint(writer);
    }   // the writer's last bytes go out as it closes
    if (out.cancelled)
        return out;   // a cut-off report must not pass for a whole one: the file is dropped
    if (!file.commit())
        throw ReportError(QStringLiteral("no se pudo escribir el archivo: %1").arg(file.errorString()));
    return out;
}

} // namespace reportengine
