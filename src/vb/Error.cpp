#include "vb/Error.h"

#include <QCoreApplication>
#include <QHash>
#include <cstdlib>
#include <new>

namespace vb {

namespace {

const QHash<int, QString>& descriptions()
{
    static const QHash<int, QString> table = {
        {3, QStringLiteral("Return without GoSub")},
        {5, QStringLiteral("Invalid procedure call or argument")},
        {6, QStringLiteral("Overflow")},
        {7, QStringLiteral("Out of memory")},
        {9, QStringLiteral("Subscript out of range")},
        {10, QStringLiteral("This array is fixed or temporarily locked")},
        {11, QStringLiteral("Division by zero")},
        {13, QStringLiteral("Type mismatch")},
        {14, QStringLiteral("Out of string space")},
        {16, QStringLiteral("Expression too complex")},
        {17, QStringLiteral("Can't perform requested operation")},
        {18, QStringLiteral("User interrupt occurred")},
        {20, QStringLiteral("Resume without error")},
        {28, QStringLiteral("Out of stack space")},
        {35, QStringLiteral("Sub or Function not defined")},
        {47, QStringLiteral("Too many DLL application clients")},
        {48, QStringLiteral("Error in loading DLL")},
        {49, QStringLiteral("Bad DLL calling convention")},
        {51, QStringLiteral("Internal error")},
        {52, QStringLiteral("Bad file name or number")},
        {53, QStringLiteral("File not found")},
        {54, QStringLiteral("Bad file mode")},
        {55, QStringLiteral("File already open")},
        {57, QStringLiteral("Device I/O error")},
        {58, QStringLiteral("File already exists")},
        {59, QStringLiteral("Bad record length")},
        {61, QStringLiteral("Disk full")},
        {62, QStringLiteral("Input past end of file")},
        {63, QStringLiteral("Bad record number")},
        {67, QStringLiteral("Too many files")},
        {68, QStringLiteral("Device unavailable")},
        {70, QStringLiteral("Permission denied")},
        {71, QStringLiteral("Disk not ready")},
        {74, QStringLiteral("Can't rename with different drive")},
        {75, QStringLiteral("Path/File access error")},
        {76, QStringLiteral("Path not found")},
        {91, QStringLiteral("Object variable or With block variable not set")},
        {92, QStringLiteral("For loop not initialized")},
        {93, QStringLiteral("Invalid pattern string")},
        {94, QStringLiteral("Invalid use of Null")},
        {321, QStringLiteral("Invalid file format")},
        {322, QStringLiteral("Can't create necessary temporary file")},
        {340, QStringLiteral("Control array element doesn't exist")},
        {360, QStringLiteral("Object already loaded")},
        {361, QStringLiteral("Can't load or unload this object")},
        {380, QStringLiteral("Invalid property value")},
        {381, QStringLiteral("Invalid property array index")},
        {382, QStringLiteral("Set not supported at runtime")},
        {383, QStringLiteral("Set not supported (read-only property)")},
        {385, QStringLiteral("Need property array index")},
        {387, QStringLiteral("Set not permitted")},
        {393, QStringLiteral("Get not supported at runtime")},
        {394, QStringLiteral("Get not supported (write-only property)")},
        {400, QStringLiteral("Form already displayed; can't show modally")},
        {402, QStringLiteral("Code must close topmost modal form first")},
        {419, QStringLiteral("Permission to use object denied")},
        {422, QStringLiteral("Property not found")},
        {423, QStringLiteral("Property or method not found")},
        {424, QStringLiteral("Object required")},
        {429, QStringLiteral("ActiveX component can't create object")},
        {430, QStringLiteral("Class does not support Automation or does not support expected interface")},
        {438, QStringLiteral("Object doesn't support this property or method")},
        {440, QStringLiteral("Automation error")},
        {445, QStringLiteral("Object doesn't support this action")},
        {446, QStringLiteral("Object doesn't support named arguments")},
        {448, QStringLiteral("Named argument not found")},
        {449, QStringLiteral("Argument not optional")},
        {450, QStringLiteral("Wrong number of arguments or invalid property assignment")},
        {451, QStringLiteral("Property let procedure not defined and property get procedure did not return an object")},
        {453, QStringLiteral("Specified DLL function not found")},
        {457, QStringLiteral("This key is already associated with an element of this collection")},
        {458, QStringLiteral("Variable uses an Automation type not supported in Visual Basic")},
        {461, QStringLiteral("Method or data member not found")},
        {462, QStringLiteral("The remote server machine does not exist or is unavailable")},
        {463, QStringLiteral("Class not registered on local machine")},
        {481, QStringLiteral("Invalid picture")},
        {482, QStringLiteral("Printer error")},
        {483, QStringLiteral("Printer driver does not support specified property")},
        {484, QStringLiteral("Problem getting printer information from the system. Make sure the printer is set up correctly")},
        {486, QStringLiteral("Can't print form image to this type of printer")},
        {520, QStringLiteral("Can't empty Clipboard")},
        {521, QStringLiteral("Can't open Clipboard")},
        {735, QStringLiteral("Can't save file to TEMP")},
        {744, QStringLiteral("Search text not found")},
        {746, QStringLiteral("Replacements too long")},
        {32755, QStringLiteral("Cancel was selected.")},
        {32811, QStringLiteral("Element not found")},
    };
    return table;
}

Error& currentError()
{
    static Error error;
    return error;
}

EndHook& endHook()
{
    static EndHook hook;
    return hook;
}

} // namespace

Error::Error(int number, QString description, QString source)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source))
{
    if (m_description.isEmpty())
        m_description = standardDescription(number);
}

const char* Error::what() const noexcept
{
    if (m_what.empty()) {
        try {
            m_what = QStringLiteral("Error %1: %2").arg(m_number).arg(m_description).toStdString();
        } catch (...) {
            return "vb::Error";
        }
    }
    return m_what.c_str();
}

QString Error::standardDescription(int number)
{
    if (number == 0)
        return {};
    auto it = descriptions().constFind(number);
    if (it != descriptions().constEnd())
        return *it;
    return QStringLiteral("Application-defined or object-defined error");
}

QString Error::fileDescription(int number, const QString& path)
{
    return standardDescription(number) + QStringLiteral(": ") + path;
}

void raise(int number, const QString& description, const QString& source)
{
    throw Error(number, description, source);
}

const Error& Err::current() { return currentError(); }
void Err::set(const Error& e) { currentError() = e; }
void Err::clear() { currentError() = Error(); }
int Err::number() { return currentError().number(); }
QString Err::description() { return currentError().description(); }
QString Err::source() { return currentError().source(); }

Trap::Trap(Handler handler) : m_handler(std::move(handler)) {}

Trap Trap::skipping()
{
    Trap t(Handler{});
    t.m_skip = true;
    return t;
}

bool Trap::run(const std::function<void()>& step)
{
    if (m_left)
        return false;
    for (;;) {
        Error caught;
        try {
            step();
            return true;
        } catch (const Error& e) {
            caught = e;
        } catch (const std::bad_alloc&) {
            caught = Error(7);
        }
        Err::set(caught);
        m_lastError = caught;
        if (m_skip || !m_handler)
            return true;    // resume next: Err stays set for the code that checks it
        m_lastAnswer = m_handler(caught);
        if (m_lastAnswer == Retry) {
            Err::clear();
            continue;
        }
        if (m_lastAnswer == Ignore) {
            Err::clear();
            return true;
        }
        m_left = true;
        return false;
    }
}

void setEndHook(EndHook hook) { endHook() = std::move(hook); }

void End(int exitCode)
{
    if (endHook())
        endHook()(exitCode);
    // The hook returned (or there is none): end the process as the original did.
    if (QCoreApplication::instance())
        QCoreApplication::exit(exitCode);
    std::exit(exitCode);
}

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace vb
