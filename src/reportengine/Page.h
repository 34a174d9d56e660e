#pragma once

#include "reportengine/Band.h"
#include <vector>

namespace reportengine {

struct Page {
    int number = 0;   // from 1
    std::vector<Band> bands;
};

} // namespace reportengine
