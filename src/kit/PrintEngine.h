#pragma once
// The report engine as the print objects drive it: one instance per report, the members the
// print object and the report control use. The engine itself stands behind create(): the
// program puts the report engine in force at start-up, tests put a recording engine in its
// place with setFactory.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

namespace kit {

// A report the engine could not read or run, with the engine's account of the fault.
class PrintFault : public std::runtime_error {
public:
    explicit PrintFault(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }
    // A report that ran short of memory: it ends there, and the program goes on.
    static PrintFault outOfMemory();

private:
    QString m_message;
};

class PrintEngine {
public:
    enum class Destination { Screen, Printer, PdfFile };
    using Factory = std::function<std::unique_ptr<PrintEngine>()>;

    virtual ~PrintEngine() = default;

    // Each member may raise PrintFault.
    virtual void load(const QString& path) = 0;
    virtual void setDataSourceFolder(const QString& folder) = 0;
    virtual void setConnectionString(const QString& logon) = 0;   // blank keeps the connection
    virtual bool setFormula(const QString& assignment) = 0;       // false: no such formula
    virtual void setSelection(const QString& formula) = 0;
    virtual void setSortFields(const QStringList& fields) = 0;
    virtual bool hasSubreport(const QString& name) const = 0;
    virtual bool setSubreportSelection(const QString& name, const QString& formula) = 0;
    virtual void setDestination(Destination destination, const QString& target) = 0;
    virtual int run() = 0;                                        // pages produced

    // Runs body; a PrintFault it raises becomes vb::Error ErrorReporte, "No se pudo emitir el
    // reporte <file>: <fault>", with the logon's password kept out of the text. So does an
    // allocation that fails (std::bad_alloc, or the runtime's error 7), as PrintFault::outOfMemory.
    static constexpr int ErrorReporte = 20500;
    static void guarded(const QString& file, const QString& logon, const std::function<void()>& body);

    // A new engine from the factory in force; with none in force, a PrintFault.
    static std::unique_ptr<PrintEngine> create();
    // Returns the factory it replaces.
    static Factory setFactory(Factory factory);
};

// Puts a factory in force for the life of the scope.
class PrintEngineScope {
public:
    explicit PrintEngineScope(PrintEngine::Factory factory) : m_previous(PrintEngine::setFactory(std::move(factory))) {}
    ~PrintEngineScope() { PrintEngine::setFactory(std::move(m_previous)); }
    PrintEngineScope(const PrintEngineScope&) = delete;
    PrintEngineScope& operator=(const PrintEngineScope&) = delete;

private:
    PrintEngine::Factory m_previous;
};

} // namespace kit
