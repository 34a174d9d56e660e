#pragma once
// The module's error handler: every procedure and window outside the data access class hands
// its errors here. Same box and same KQERR.LOG line as the data access class's handler; this
// log lies in the temporary folder and the title ends in " Aviso al operador!!! - 2 ".
//
// Answer convention: the caller runs the failed statement again on 4 (Retry), goes on with the
// next one on 5 (Ignore) and leaves on any other answer; vb::Trap applies it:
//     vb::Trap trap([](const vb::Error& e) { return app::TratamientoErrores(e, vb::Variant::missing(), "Rutina"); });

#include "vb/Error.h"
#include "vb/Variant.h"

#include <QString>
#include <functional>

namespace app {

// Shows the box (style Botones, default 18: Abort, Retry, Ignore, critical icon) and appends the
// line; returns the answer. Error number 0 returns 0 without a box (the log file is created).
int TratamientoErrores(const vb::Error& CodErr, const vb::Variant& Botones = vb::Variant::missing(),
                       const vb::Variant& Rutina = vb::Variant::missing());

// The module's log: folder of the TEMP variable (trimmed), else the system's temporary folder,
// then "KQERR.LOG".
QString errorLogPath();

// The line of an error that is passed over on purpose (writes the original swallowed): no box.
void logError(const vb::Error& error, const QString& routine);

// Entry of an event handler: runs body; an error it raises never reaches Qt's event loop.
// guardEvent hands it to TratamientoErrores under routine (Retry runs body again, any other
// answer ends the handler); guardEventQuietly only leaves its line in the log, for handlers
// whose errors are passed over. A C++ exception that is no vb::Error is treated as error 51
// (internal error) with its text; ending the program (vb::EndRequested) is never caught.
void guardEvent(const QString& routine, const std::function<void()>& body);
void guardEventQuietly(const QString& routine, const std::function<void()>& body);

// Runs body so that a trap sees every failure: a C++ exception that is no vb::Error becomes
// error 51 with its text (out of memory and ending the program pass as they are).
void runAsVbError(const std::function<void()>& body);

// The steps of a write whose errors the suite passes over: a failing step is skipped and the
// next one runs; nothing is raised or shown, but the first failure leaves one line in the log
// under routine when the object goes.
class QuietSteps {
public:
    explicit QuietSteps(QString routine);
    ~QuietSteps();
    QuietSteps(const QuietSteps&) = delete;
    QuietSteps& operator=(const QuietSteps&) = delete;

    bool run(const std::function<void()>& step) { return m_trap.run(step); }
    vb::Trap& trap() { return m_trap; }
    bool failed() const { return m_failed; }

private:
    QString m_routine;
    vb::Error m_firstFailure;
    bool m_failed = false;
    vb::Trap m_trap;
};

} // namespace app
