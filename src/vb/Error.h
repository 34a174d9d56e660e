#pragma once
// Errors of the original language, raised as C++ exceptions, and the one trap mechanism
// that every procedure uses in place of the original's "On Error" handlers.

#include <QString>
#include <exception>
#include <functional>
#include <string>

namespace vb {

class Error : public std::exception {
public:
    Error() = default;
    Error(int number, QString description = {}, QString source = {});
    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }
    const char* what() const noexcept override;
    static QString standardDescription(int number);   // the original's text for 5, 6, 9, 11, 13, 53 ...
    // The standard text of a file error followed by the path it concerns, so that whoever reads
    // the box knows which file or folder to look at.
    static QString fileDescription(int number, const QString& path);
private:
    int m_number = 0;
    QString m_description;
    QString m_source;
    mutable std::string m_what;
};

[[noreturn]] void raise(int number, const QString& description = {}, const QString& source = {});

// The program's current error object (the original's Err): the last error a trap caught.
class Err {
public:
    static const Error& current();
    static void set(const Error& e);
    static void clear();
    // Shorthands for Err.Number, Err.Description, Err.Source.
    static int number();
    static QString description();
    static QString source();
};

// Answers of an error handler, as the message box returns them.
enum TrapAnswer { Abort = 3, Retry = 4, Ignore = 5 };

// One trap per procedure: each step runs; when it raises, the handler gets the error and answers.
// Retry runs the step again, Ignore goes on with the next step, any other answer leaves the
// procedure (run() returns false and every later run() does nothing).
// In skip mode ("resume next") a failing step is passed over without calling the handler.
// Err holds the caught error while the handler runs; Retry and Ignore clear it (as Resume does);
// leaving and skip mode keep it set for the code that reads it afterwards. Only vb::Error is
// caught (std::bad_alloc becomes error 7); EndRequested and other exceptions pass through.
// Note: with "using namespace vb", call vb::raise(...) - a bare raise(int) is ambiguous with <csignal>.
class Trap {
public:
    using Handler = std::function<int(const Error&)>;
    explicit Trap(Handler handler);
    static Trap skipping();                         // every failing step is skipped
    bool run(const std::function<void()>& step);
    bool left() const { return m_left; }
    int lastAnswer() const { return m_lastAnswer; }
    const Error& lastError() const { return m_lastError; }   // the last error a step raised
    void setSkipping(bool skip) { m_skip = skip; }           // "On Error Resume Next" from here on
    bool skippingMode() const { return m_skip; }
private:
    Handler m_handler;
    Error m_lastError;
    bool m_skip = false;
    bool m_left = false;
    int m_lastAnswer = 0;
};

// End: ends the program through a hook that tests replace, with the process's exit status (0 when
// the program ends as asked, non-zero when it could not do its work: scripts that start it see it).
// The hook tests install throws EndRequested (never caught by a Trap, which catches vb::Error only).
struct EndRequested : std::exception {
    explicit EndRequested(int code = 0) : exitCode(code) {}
    const char* what() const noexcept override { return "End"; }
    int exitCode;
};
using EndHook = std::function<void(int exitCode)>;
void setEndHook(EndHook hook);
[[noreturn]] void End(int exitCode = 0);
void DoEvents();

} // namespace vb

// Conventions for the rest of the runtime (each in its own header of this folder):
//   Collection.h, Dictionary.h      the original's Collection and Scripting.Dictionary (vb::Object)
//   Regional.h                      regional settings (Argentina by default), overridable in tests
//   Conversions.h                   CStr, CInt, CLng, CDbl, CCur, CDate, IsDate, Val, Format, Str ...
//   Strings.h                       Left, Mid, Right, InStr, Replace, Trim, UCase, Split, Like ...
//   DateTime.h                      Now, Date, Time, DateSerial, DateAdd, DateDiff; a clock tests can fix
//   Files.h                         Windows-1252 text files, Input #/Write #, fixed-length record files
//   App.h                           App.Path, EXEName, Title, Environ, the raw command line
// The End hook must not return: the default one exits the process, the one tests install throws.
