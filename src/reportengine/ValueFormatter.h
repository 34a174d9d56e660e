#pragma once
// Texts of column values. Number formats: "0", "0.00", "#,##0.00" (decimals after the point,
// thousands grouped when a comma is present), written with "," for decimals and "." between
// thousands. Dates take a pattern such as "dd/MM/yyyy". A blank format gives the plain text.

#include "reportengine/FormulaValue.h"

namespace reportengine {

class ValueFormatter {
public:
    static QString format(const FormulaValue& value, const QString& format);
private:
    static QString number(double value, const QString& format);
};

} // namespace reportengine
