#pragma once
// A print engine that runs nothing: each call is written to a shared log as one line
// ("load <path>", "formula <assignment>", "run" ...), so tests see what a print object asked
// of the engine and in which order. Sub-reports it knows and a failure to raise at run time
// can be given.

#include "kit/PrintEngine.h"

#include <QStringList>
#include <memory>
#include <new>

namespace kittest {

struct EngineLog {
    QStringList calls;
    QStringList subreports;       // names hasSubreport() knows (letter case ignored)
    QString failRunWith;          // run() raises a PrintFault with this text when set
    bool runOutOfMemory = false;  // run() raises std::bad_alloc, as an allocation that fails
};

class RecordingPrintEngine : public kit::PrintEngine {
public:
    explicit RecordingPrintEngine(std::shared_ptr<EngineLog> log) : m_log(std::move(log)) {}

    void load(const QString& path) override { add(QStringLiteral("load ") + path); }
    void setDataSourceFolder(const QString& folder) override { add(QStringLiteral("folder ") + folder); }
    void setConnectionString(const QString& logon) override { add(QStringLiteral("logon ") + logon); }
    bool setFormula(const QString& assignment) override
    {
        add(QStringLiteral("formula ") + assignment);
        return true;
    }
    void setSelection(const QString& formula) override { add(QStringLiteral("selection ") + formula); }
    void setSortFields(const QStringList& fields) override { add(QStringLiteral("sort ") + fields.join(u'|')); }
    bool hasSubreport(const QString& name) const override { return m_log->subreports.contains(name.trimmed(), Qt::CaseInsensitive); }
    bool setSubreportSelection(const QString& name, const QString& formula) override
    {
        add(QStringLiteral("subreport %1: %2").arg(name, formula));
        return hasSubreport(name);
    }
    void setDestination(Destination destination, const QString& target) override
    {
        static const char* const names[] = {"screen", "printer", "pdf"};
        add(QStringLiteral("destination %1 %2").arg(QLatin1String(names[int(destination)]), target).trimmed());
    }
    int run() override
    {
        add(QStringLiteral("run"));
        if (!m_log->failRunWith.isEmpty())
            throw kit::PrintFault(m_log->failRunWith);
        if (m_log->runOutOfMemory)
            throw std::bad_alloc();
        return 1;
    }

    // A factory whose engines all write to log.
    static kit::PrintEngine::Factory factory(const std::shared_ptr<EngineLog>& log)
    {
        return [log] { return std::make_unique<RecordingPrintEngine>(log); };
    }

private:
    void add(const QString& line) { m_log->calls << line; }
    std::shared_ptr<EngineLog> m_log;
};

} // namespace kittest
