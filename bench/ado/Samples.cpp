#include "Samples.h"

#include <algorithm>

std::vector<double> Samples::sorted() const
{
    std::vector<double> values = m_values;
    std::sort(values.begin(), values.end());
    return values;
}

double Samples::median() const
{
    const std::vector<double> values = sorted();
    if (values.empty())
        return 0;
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double Samples::lowest() const
{
    return m_values.empty() ? 0 : *std::min_element(m_values.begin(), m_values.end());
}

double Samples::highest() const
{
    return m_values.empty() ? 0 : *std::max_element(m_values.begin(), m_values.end());
}

double Samples::spreadPercent() const
{
    const double m = median();
    return m > 0 ? (highest() - lowest()) / m * 100 : 0;
}
