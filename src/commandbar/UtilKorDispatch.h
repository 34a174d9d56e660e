#pragma once
// The tab bar's properties by name, as a host reaches them late-bound. Names are matched
// without regard to case; an unknown name raises error 438.

#include "vb/Variant.h"

#include <QString>

namespace commandbar {

class UtilKor;

class UtilKorDispatch {
public:
    static vb::Variant get(UtilKor& bar, const QString& name);
    static void set(UtilKor& bar, const QString& name, const vb::Variant& value);
    static bool has(const QString& name);
};

} // namespace commandbar
