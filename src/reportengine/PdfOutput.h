#pragma once
// A report written as a PDF file. The file is written aside, in the same folder, and takes the
// place of the file named only once the whole report is in it: until then an earlier file of
// that name stays as it was, and a run that fails or is cancelled leaves it so, with no partial
// file and no temporary one behind (a process killed while writing leaves the temporary file).

#include "reportengine/ReportPrinter.h"
#include <functional>

class QPagedPaintDevice;

namespace reportengine {

class PdfOutput {
public:
    using Painting = std::function<ReportPrinter::Outcome(QPagedPaintDevice&)>;
    // Raises ReportError when the file cannot be written, or what paint raises.
    static ReportPrinter::Outcome write(const QString& path, const QString& title, const Painting& paint);
};

} // namespace reportengine
