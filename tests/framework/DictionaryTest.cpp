#include <gtest/gtest.h>

#include "framework/Dictionary.h"
#include "framework/RuntimeException.h"

using namespace fw;

TEST(Dictionary, StringNamesIgnoreCaseAndKeepOrder) {
    Dictionary d;
    d.Value("Width", "10");
    d.Value("h", "20");
    d.Value("WIDTH", "11");
    EXPECT_EQ(d.KeyCount(), 2);
    EXPECT_EQ(d.Value("width").StringValue(), "11");
    EXPECT_EQ(d.Keys()[0].StringValue(), "Width");
    EXPECT_EQ(d.Keys()[1].StringValue(), "h");
    EXPECT_TRUE(d.HasKey("STRASSE") == false);
    d.Value("straße", 1);
    EXPECT_TRUE(d.HasKey("STRASSE"));
    d.Remove("H");
    EXPECT_FALSE(d.HasKey("h"));
}

TEST(Dictionary, OtherKindsCompareByValue) {
    Dictionary d;
    d.Value(1, "one");
    d.Value("1", "text one");
    d.Value(true, "yes");
    EXPECT_EQ(d.KeyCount(), 3);
    EXPECT_EQ(d.Value(1).StringValue(), "one");
    EXPECT_EQ(d.Value("1").StringValue(), "text one");
    EXPECT_THROW(d.Value(2), KeyNotFoundException);
    EXPECT_EQ(d.Lookup(2, "none").StringValue(), "none");
    EXPECT_EQ(d.Lookup(true, "none").StringValue(), "yes");
}
