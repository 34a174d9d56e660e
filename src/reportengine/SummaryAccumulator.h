#pragma once
// Running value of one summary over a group or over the whole report.

#include "reportengine/ReportDefinition.h"
#include "reportengine/FormulaValue.h"

namespace reportengine {

class SummaryAccumulator {
public:
    explicit SummaryAccumulator(SummaryDef::Function f = SummaryDef::Function::Sum) : m_function(f) {}
    void add(const FormulaValue& v);     // Null values are not counted
    FormulaValue result() const;         // Null for minimum, maximum and average of no value
    void reset();

private:
    SummaryDef::Function m_function;
    double m_sum = 0;
    long long m_count = 0;
    FormulaValue m_min, m_max;
};

} // namespace reportengine
