#include <gtest/gtest.h>

#include "framework/Dictionary.h"
#include "framework/JSONItem.h"
#include "framework/RegEx.h"
#include "framework/RuntimeException.h"

using namespace fw;

TEST(JSONItem, LoadTrimsAndTreatsEmptyAsObject) {
    JSONItem item;
    EXPECT_EQ(item.ToString(), "{}");
    item.Load("  \n{\"a\": 1}\t\n");
    EXPECT_EQ(item.ToString(), "{\"a\":1}");
    item.Load("   ");
    EXPECT_EQ(item.ToString(), "{}");
    EXPECT_FALSE(item.HasName("a"));
    item.Load("[1, 2]");
    EXPECT_TRUE(item.IsArray());
    EXPECT_EQ(item.Count(), 2);
}

TEST(JSONItem, InvalidTextKeepsTheContent) {
    JSONItem item;
    item.Load("{\"WindowLTWH\":[10,50,600,400]}");
    for (const char* bad : {"{", "{\"a\":}", "nul", "{} x", "\"text\"", "42", "{\"a\":\"\xFF\"}"}) {
        EXPECT_THROW(item.Load(bad), JSONException) << bad;
    }
    EXPECT_EQ(item.ToString(), "{\"WindowLTWH\":[10,50,600,400]}");
}

TEST(JSONItem, NestingBeyondAnyUseIsRefusedAndKeepsTheContent) {
    JSONItem item;
    item.Load(R"({"a": 1})");
    const std::string deep = "{\"b\":" + std::string(100000, '[') + std::string(100000, ']') + "}";
    EXPECT_THROW(item.Load(deep), JSONTooDeepException);
    EXPECT_TRUE(item.HasName("a"));
    // A reader may ask for less: maxDepth counts the objects and arrays that nest.
    EXPECT_THROW(item.Load(R"({"b":[{}]})", 2), JSONTooDeepException);
    EXPECT_NO_THROW(item.Load(R"({"b":[1]})", 2));
    // Ordinary nesting still loads, copies and writes.
    const std::string nested = std::string(100, '[') + std::string(100, ']');
    item.Load("{\"b\":" + nested + "}");
    EXPECT_EQ(item.ToString(), "{\"b\":" + nested + "}");
}

TEST(JSONItem, ArrayRefusesNames) {
    JSONItem item;
    item.Load("[1]");
    try {
        item.HasName("a");
        FAIL();
    } catch (const JSONException& e) {
        EXPECT_EQ(e.Message, "Item is an array");
    }
    try {
        item.Value("a", Variant(1));
        FAIL();
    } catch (const JSONException& e) {
        EXPECT_EQ(e.Message, "JSONItem is an array");
    }
    EXPECT_EQ(item.ToString(), "[1]");
}

TEST(JSONItem, ValuesKeepKindsOrderAnd64Bits) {
    JSONItem item;
    item.Load(
        R"({"z":9223372036854775807,"a":-9223372036854775808,"d":1.5,"s":"é","t":true,"n":null,"o":{"x":[1]}})");
    EXPECT_EQ(item.Value("z").IntegerValue(), INT64_MAX);
    EXPECT_EQ(item.Value("a").IntegerValue(), INT64_MIN);
    EXPECT_EQ(item.Value("d").GetType(), Variant::Type::Double);
    EXPECT_EQ(item.Value("s").StringValue(), "é");
    EXPECT_TRUE(item.Value("t").BooleanValue());
    EXPECT_TRUE(item.Value("n").IsNil());
    EXPECT_THROW(item.Value("missing"), KeyNotFoundException);
    EXPECT_EQ(
        item.ToString(),
        R"({"z":9223372036854775807,"a":-9223372036854775808,"d":1.5,"s":"é","t":true,"n":null,"o":{"x":[1]}})");

    // A nested value comes back as a new, compact copy.
    const auto nested = item.Value("o").As<JSONItem>();
    ASSERT_FALSE(nested.IsNil());
    EXPECT_TRUE(nested->Compact);
    nested->Value("y", Variant(2));
    EXPECT_EQ(item.Value("o").As<JSONItem>()->ToString(), "{\"x\":[1]}");
}

TEST(JSONItem, SetConvertsAndCopies) {
    JSONItem item;
    std::vector<std::int64_t> rect{10, 50, 600, 400};
    item.Value("WindowLTWH", Variant(rect));
    rect[0] = 99;
    auto dict = New<Dictionary>();
    dict->Value("w", "10");
    dict->Value("h", 20);
    item.Value("d", Variant(dict));
    auto inner = New<JSONItem>();
    inner->Load("[\"x\"]");
    item.Value("j", Variant(inner));
    item.Value("WindowLTWH", Variant(std::vector<std::int64_t>{1, 2, 3, 4}));  // replaces in place
    EXPECT_EQ(item.ToString(), R"({"WindowLTWH":[1,2,3,4],"d":{"w":"10","h":20},"j":["x"]})");
    EXPECT_THROW(item.Value("bad", Variant(New<RegEx>())), JSONException);
    item.Value("nil", Variant(Ref<Dictionary>()));
    EXPECT_EQ(item.ToString(),
              R"({"WindowLTWH":[1,2,3,4],"d":{"w":"10","h":20},"j":["x"],"nil":null})");
}

TEST(JSONItem, ExpandedLayoutReadsBack) {
    JSONItem item;
    item.Compact = false;
    item.Load("{\"WindowLTWH\":[10,50,600,400],\"k\":\"v\"}");
    const std::string text = item.ToString();
    EXPECT_NE(text.find('\n'), std::string::npos);
    JSONItem again;
    again.Load(text);
    EXPECT_EQ(again.ToString(), "{\"WindowLTWH\":[10,50,600,400],\"k\":\"v\"}");
}

TEST(JSONItem, InvalidUtf8IsReplacedOnOutput) {
    JSONItem item;
    item.Value("s", Variant(std::string("a\xFF")));
    EXPECT_EQ(item.ToString(), "{\"s\":\"a\xEF\xBF\xBD\"}");
}
