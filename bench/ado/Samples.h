#pragma once

#include <vector>

// Repeated measurements of one figure: the median is what a run usually gives, the spread
// (lowest to highest) shows how far this machine's other work moved it.
class Samples {
public:
    void add(double value) { m_values.push_back(value); }
    double median() const;
    double lowest() const;
    double highest() const;
    // (highest - lowest) / median, in percent.
    double spreadPercent() const;

private:
    std::vector<double> sorted() const;

    std::vector<double> m_values;
};
