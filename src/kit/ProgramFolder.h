#pragma once
// The folder of the running program, where the suite keeps its INI and data files.

#include <QString>

namespace kit {

class ProgramFolder {
public:
    static QString path();                          // without a trailing "/"
};

} // namespace kit
