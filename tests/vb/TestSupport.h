#pragma once
// Helpers shared by the runtime tests: readable QString output and the error number a call raises.
#include "vb/Error.h"
#include "vb/Variant.h"

#include <QString>
#include <functional>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vb {
inline void PrintTo(const Variant& v, std::ostream* os)
{
    *os << v.typeName().toStdString();
    if (!v.isNull() && !v.isObject() && v.type() != VarType::Error) {
        try {
            *os << " " << v.toString().toStdString();
        } catch (...) {
        }
    }
}
} // namespace vb

namespace vbtest {
inline int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const vb::Error& e) {
        return e.number();
    }
    return 0;
}
} // namespace vbtest
