#pragma once
// The error handler that the data access class and the program's module share: the operator's
// Abort, Retry and Ignore box and its KQERR.LOG line. The two differ only in where their log
// lies, in the mark that ends the box's title, and in whether the log is opened before anything
// is shown (the module's handler creates its log even for error 0).

#include "vb/Error.h"
#include "vb/Variant.h"

#include <QString>

namespace data {

class ErrorReport {
public:
    ErrorReport(QString logPath, QString titleMark, bool openLogFirst = false);

    // Shows the box (style Botones, 18 when missing) titled with the current error's source,
    // " - Rutina" when given and the title mark; writes the line with the answer's word and
    // returns the answer. Error number 0 shows nothing, writes nothing and returns 0. A log
    // that cannot be written costs the line, never the box or the answer.
    int handle(const vb::Error& CodErr, const vb::Variant& Botones, const vb::Variant& Rutina) const;

    // The line of an error that is passed over without a box: routine and prompt, no answer word.
    void record(const vb::Error& error, const QString& routine) const;

    // "Ha ocurrido el Siguiente Error (number) description".
    static QString prompt(const vb::Error& error);

private:
    QString m_logPath;
    QString m_titleMark;
    bool m_openLogFirst;
};

} // namespace data
