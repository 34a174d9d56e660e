// Every runtime test starts from the Argentine settings, a system clock and no End hook surprises.
#include "vb/Error.h"
#include "vb/Regional.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    vb::Regional::reset();
    vb::setEndHook([] { throw vb::EndRequested(); });
    return RUN_ALL_TESTS();
}
