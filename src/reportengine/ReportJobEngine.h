#pragma once
// The print objects' engine (kit::PrintEngine) over the report engine: one ReportJob per report,
// its report and formula faults handed on as kit::PrintFault. install() puts it behind
// kit::PrintEngine::create(), as the program does at start-up.

#include "reportengine/ReportJob.h"
#include "kit/PrintEngine.h"

namespace reportengine {

class ReportJobEngine : public kit::PrintEngine {
public:
    static void install();

    void load(const QString& path) override;
    void setDataSourceFolder(const QString& folder) override;
    void setConnectionString(const QString& logon) override;
    bool setFormula(const QString& assignment) override;
    void setSelection(const QString& formula) override;
    void setSortFields(const QStringList& fields) override;
    bool hasSubreport(const QString& name) const override;
    bool setSubreportSelection(const QString& name, const QString& formula) override;
    void setDestination(Destination destination, const QString& target) override;
    int run() override;

private:
    ReportJob m_job;
};

} // namespace reportengine
