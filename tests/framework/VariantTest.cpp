#include <gtest/gtest.h>

#include <cmath>

#include "framework/Dictionary.h"
#include "framework/RuntimeException.h"
#include "framework/Variant.h"

using namespace fw;

TEST(Variant, NumberConversions) {
    EXPECT_EQ(Variant(1.9).IntegerValue(), 1);
    EXPECT_EQ(Variant(-1.9).IntegerValue(), -1);
    EXPECT_EQ(Variant(1e300).IntegerValue(), INT64_MIN);
    EXPECT_EQ(Variant(NAN).IntegerValue(), INT64_MIN);
    EXPECT_EQ(Variant(9223372036854775807.0).IntegerValue(), INT64_MIN);  // rounds to 2^63
    EXPECT_EQ(Variant(std::int64_t{7}).DoubleValue(), 7.0);
    EXPECT_EQ(Variant("12abc").IntegerValue(), 12);
    EXPECT_EQ(Variant("&hFF").DoubleValue(), 255.0);
    EXPECT_THROW(Variant(true).IntegerValue(), IllegalCastException);
    EXPECT_THROW(Variant(1).BooleanValue(), IllegalCastException);
}

TEST(Variant, TextForms) {
    EXPECT_EQ(Variant(true).StringValue(), "True");
    EXPECT_EQ(Variant(-5).StringValue(), "-5");
    EXPECT_EQ(Variant(0.1).StringValue(), "0.1");
    EXPECT_EQ(Variant(1e21).StringValue(), "1e+21");
    EXPECT_EQ(Variant().StringValue(), "");
    EXPECT_THROW(Variant(New<Dictionary>()).StringValue(), IllegalCastException);
}

TEST(Variant, NilAndObjects) {
    const Variant nil;
    EXPECT_TRUE(nil.IsNil());
    EXPECT_FALSE(nil.BooleanValue());
    EXPECT_EQ(nil.IntegerValue(), 0);
    EXPECT_TRUE(nil.ArrayValue().empty());
    EXPECT_TRUE(nil.As<Dictionary>().IsNil());
    EXPECT_TRUE(Variant(Ref<Dictionary>()).IsNil());

    const auto d = New<Dictionary>();
    const Variant v(d);
    EXPECT_TRUE(v.As<Dictionary>() == d);
    EXPECT_THROW(Variant("x").ObjectValue(), IllegalCastException);
    EXPECT_THROW(Variant(1).ArrayValue(), IllegalCastException);
}

TEST(Variant, Equality) {
    EXPECT_EQ(Variant(1), Variant(std::int64_t{1}));
    EXPECT_FALSE(Variant(1) == Variant(1.0));  // different kinds
    EXPECT_FALSE(Variant("a") == Variant("A"));
    EXPECT_EQ(Variant(std::vector<std::string>{"a", "b"}), Variant(std::vector<Variant>{"a", "b"}));
    const auto d = New<Dictionary>();
    EXPECT_EQ(Variant(d), Variant(d));
    EXPECT_FALSE(Variant(d) == Variant(New<Dictionary>()));
    EXPECT_EQ(Variant(), Variant(nullptr));
}
