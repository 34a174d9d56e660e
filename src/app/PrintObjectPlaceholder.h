#pragma once
// Stand-in for the print object of the maker's library until the library's own DLL_Print is
// part of the build: PrintObject.h takes kit/DLL_Print.h whenever it exists, and this file then
// has no reader and goes.

#if __has_include("kit/DLL_Print.h")
#error "kit/DLL_Print.h exists: use it, this stand-in must not be included"
#endif

#include <QString>

namespace kit {

class DLL_Print {
public:
    QString pPathSistema;      // the program folder, given by start-up
};

} // namespace kit
