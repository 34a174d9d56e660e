#pragma once
// The print object's class: the library's DLL_Print once it is part of the build, the empty
// stand-in until then.

#if __has_include("kit/DLL_Print.h")
#include "kit/DLL_Print.h"
#else
#include "app/PrintObjectPlaceholder.h"
#endif
