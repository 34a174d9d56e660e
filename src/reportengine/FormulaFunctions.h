#pragma once
// The built-in functions of the formula language, called by name (letter case ignored).

#include "reportengine/FormulaValue.h"
#include <vector>

namespace reportengine {

class FormulaFunctions {
public:
    static bool exists(const QString& name);
    // Raises FormulaError (without position) on a wrong argument count or kind.
    static FormulaValue call(const QString& name, const std::vector<FormulaValue>& args);

private:
    static FormulaValue textFunction(const QString& name, const std::vector<FormulaValue>& args);
    static FormulaValue dateFunction(const QString& name, const std::vector<FormulaValue>& args);
    static FormulaValue totext(const std::vector<FormulaValue>& args);
};

} // namespace reportengine
