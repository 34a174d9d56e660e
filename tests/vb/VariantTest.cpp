#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Variant.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(Variant, Smoke)
{
    EXPECT_EQ(Variant(2.5).toString(), "2,5");
    EXPECT_EQ(CInt(Variant(2.5)), 2);
}
