#pragma once
// A command bar's properties by name, as the host reaches them late-bound. Names are
// matched without regard to case; an unknown name raises error 438.

#include "vb/Variant.h"

#include <QString>

namespace commandbar {

class TBarRep;

class TBarRepDispatch {
public:
    static vb::Variant get(TBarRep& bar, const QString& name);
    static void set(TBarRep& bar, const QString& name, const vb::Variant& value);
    static bool has(const QString& name);
};

} // namespace commandbar
