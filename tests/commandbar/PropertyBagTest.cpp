#include "commandbar/PropertyBag.h"

#include "vb/Error.h"

#include <gtest/gtest.h>

using commandbar::PropertyBag;

TEST(PropertyBag, ValueEqualToItsDefaultIsNotStored)
{
    PropertyBag bag;
    bag.WriteProperty("ItemGap", 30.0f, 30.0f);
    bag.WriteProperty("IconPx", std::int16_t(42), std::int16_t(32));
    bag.WriteProperty("Folder", QString(), QString());
    EXPECT_EQ(bag.keys(), QStringList({"iconpx"}));
    EXPECT_EQ(bag.readInteger("ICONPX", 0), 42);
    EXPECT_EQ(bag.readSingle("ItemGap", 12.5f), 12.5f);
}

TEST(PropertyBag, WritingTheDefaultOverAStoredValueRemovesIt)
{
    PropertyBag bag;
    bag.WriteProperty("Enabled", false, true);
    ASSERT_TRUE(bag.contains("enabled"));
    bag.WriteProperty("ENABLED", true, true);
    EXPECT_FALSE(bag.contains("Enabled"));
    EXPECT_TRUE(bag.readBool("Enabled", true));
}

TEST(PropertyBag, WithoutADefaultEveryValueIsStoredUnderOneKeyWhateverItsCase)
{
    PropertyBag bag;
    bag.WriteProperty("NuevoEnabled", false);
    bag.WriteProperty("nuevoenabled", true);
    EXPECT_EQ(bag.size(), 1);
    EXPECT_TRUE(bag.readBool("NUEVOENABLED", false));
}

TEST(PropertyBag, TypedReadsConvertOrRaiseTypeMismatch)
{
    PropertyBag bag;
    bag.WriteProperty("ItemHeight", "900");
    bag.WriteProperty("Horizontal", "abc");
    bag.WriteProperty("Name", 12);
    EXPECT_EQ(bag.readSingle("ItemHeight", 0), 900.0f);
    EXPECT_EQ(bag.readString("Name", ""), "12");
    try {
        bag.readBool("Horizontal", false);
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 13);
    }
}

TEST(PropertyBag, TextIsNeverTheSameAsANumberDefault)
{
    PropertyBag bag;
    bag.WriteProperty("ItemHeight", "840", 840.0f);
    EXPECT_TRUE(bag.contains("ItemHeight"));
}
