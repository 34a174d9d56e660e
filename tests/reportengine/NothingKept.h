#pragma once
// While one of these lives, no formula context keeps a value for a row or for the run: every
// value is worked out where it is looked at.

#include "reportengine/RowContext.h"

class NothingKept {
public:
    NothingKept() { reportengine::RowContext::keepNothing(true); }
    ~NothingKept() { reportengine::RowContext::keepNothing(false); }
    NothingKept(const NothingKept&) = delete;
    NothingKept& operator=(const NothingKept&) = delete;
};
