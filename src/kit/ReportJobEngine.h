#pragma once
// The print engine over the program's report engine (rpt::ReportJob).

#include "kit/PrintEngine.h"

namespace kit {

class ReportJobEngine : public PrintEngine {
public:
    void load(const QString& path) override { m_job.load(path); }
    void setDataSourceFolder(const QString& folder) override { m_job.setDataSourceFolder(folder); }
    void setConnectionString(const QString& logon) override { m_job.setConnectionString(logon); }
    bool setFormula(const QString& assignment) override { return m_job.setFormula(assignment); }
    void setSelection(const QString& formula) override { m_job.setSelection(formula); }
    void setSortFields(const QStringList& fields) override { m_job.setSortFields(fields); }
    bool hasSubreport(const QString& name) const override;
    bool setSubreportSelection(const QString& name, const QString& formula) override
    {
        return m_job.setSubreportSelection(name, formula);
    }
    void setDestination(Destination destination, const QString& target) override;
    int run() override;

private:
    rpt::ReportJob m_job;
};

} // namespace kit
