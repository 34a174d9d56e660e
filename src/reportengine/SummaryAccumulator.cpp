#include "reportengine/SummaryAccumulator.h"

namespace reportengine {

void SummaryAccumulator::add(const FormulaValue& v)
{
    if (v.isNull())
        return;
    ++m_count;
    switch (m_function) {
    case SummaryDef::Function::Sum:
    case SummaryDef::Function::Average: m_sum += v.toNumber(); break;
    case SummaryDef::Function::Minimum:
        if (m_min.isNull() || FormulaValue::compare(v, m_min).value_or(0) < 0)
            m_min = v;
        break;
    case SummaryDef::Function::Maximum:
        if (m_max.isNull() || FormulaValue::compare(v, m_max).value_or(0) > 0)
            m_max = v;
        break;
    case SummaryDef::Function::Count: break;
    }
}

FormulaValue SummaryAccumulator::result() const
{
    switch (m_function) {
    case SummaryDef::Function::Sum: return FormulaValue::number(m_sum);
    case SummaryDef::Function::Count: return FormulaValue::number(double(m_count));
    case SummaryDef::Function::Minimum: return m_min;
    case SummaryDef::Function::Maximum: return m_max;
    case SummaryDef::Function::Average: return m_count ? FormulaValue::number(m_sum / double(m_count)) : FormulaValue();
    }
    return {};
}

void SummaryAccumulator::reset()
{
    *this = SummaryAccumulator(m_function);
}

} // namespace reportengine
