#pragma once

#include "Band.h"
#include <vector>

namespace rpt {

struct Page {
    int number = 0;   // from 1
    std::vector<Band> bands;
};

} // namespace rpt
