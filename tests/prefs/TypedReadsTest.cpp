#include <cstdint>
#include <limits>
#include <vector>

#include "../text/AlertRecorder.h"
#include "PrefsTestSupport.h"
#include "framework/Dictionary.h"
#include "framework/RuntimeException.h"
#include "prefs/PreferenceNotFoundException.h"

namespace {

using Preferences::PreferenceNotFoundException;
using Ints = std::vector<std::int64_t>;
using Strings = std::vector<std::string>;

// Preferences loaded from JSON text, without a file.
class TypedReadsTest : public ::testing::Test {
protected:
    TestPrefs& With(const std::string& json) {
        prefs.mPrefs->Load(json);
        return prefs;
    }
    Strings ReadStrings(const std::string& memberJson) {
        return With(R"({"k":)" + memberJson + "}").GetArrayString("k");
    }
    Ints ReadInts(const std::string& memberJson) {
        return With(R"({"k":)" + memberJson + "}").GetArrayInteger("k");
    }
    // name=value pairs, in the Dictionary's order.
    Strings ReadEntries(const std::string& memberJson) {
        auto dictionary = With(R"({"k":)" + memberJson + "}").GetDictionary("k");
        Strings entries;
        for (const auto& name : dictionary->Keys()) {
            entries.push_back(name.StringValue() + "=" + dictionary->Value(name).StringValue());
        }
        return entries;
    }

    TestPrefs prefs{"Tessary Test"};
    AlertRecorder recorder;
};

TEST_F(TypedReadsTest, WithoutPreferencesObjectEveryReadIsEmpty) {
    prefs.mPrefs = nullptr;
    EXPECT_TRUE(prefs.GetArrayInteger("any").empty());
    EXPECT_TRUE(prefs.GetArrayString("any").empty());
    EXPECT_TRUE(prefs.GetArrayVariant("any").empty());
    EXPECT_EQ(prefs.GetDictionary("any")->KeyCount(), 0);
}

TEST_F(TypedReadsTest, AbsentKeyRaisesInEveryRead) {
    With(R"({"Other":[1],"Obj":{"a":1}})");
    EXPECT_THROW(prefs.GetArrayInteger("WindowLTWH"), PreferenceNotFoundException);
    EXPECT_THROW(prefs.GetArrayString("WindowLTWH"), PreferenceNotFoundException);
    EXPECT_THROW(prefs.GetArrayVariant("WindowLTWH"), PreferenceNotFoundException);
    try {
        prefs.GetDictionary("WindowLTWH");
        FAIL() << "no exception";
    } catch (const PreferenceNotFoundException& e) {
        EXPECT_EQ(e.Message, "Preference value 'WindowLTWH' does not exist.");
    }
}

TEST_F(TypedReadsTest, WrongKindOfMemberRaises) {
    With(R"({"s":"text","n":5,"b":true,"z":null})");
    for (const char* key : {"s", "n", "b"}) {
        EXPECT_THROW(prefs.GetArrayInteger(key), fw::IllegalCastException) << key;
        EXPECT_THROW(prefs.GetDictionary(key), fw::IllegalCastException) << key;
    }
    EXPECT_THROW(prefs.GetArrayString("z"), fw::NilObjectException);
    EXPECT_THROW(prefs.GetDictionary("z"), fw::NilObjectException);
}

TEST_F(TypedReadsTest, IntegerArrays) {
    EXPECT_EQ(ReadInts("[10,50,600,400]"), (Ints{10, 50, 600, 400}));
    EXPECT_EQ(ReadInts("[1.9,-1.9]"), (Ints{1, -1}));
    EXPECT_EQ(ReadInts(R"(["10","20"])"), (Ints{10, 20}));
    const auto minimum = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(ReadInts("[1e300,-1e300,9223372036854775807]"), (Ints{minimum, minimum, minimum}));
    EXPECT_EQ(ReadInts("[-9223372036854775808,9223372036854774784]"),
              (Ints{minimum, 9223372036854774784}));
    // The framework's split gives one empty piece for the empty text.
    EXPECT_EQ(ReadInts("[]"), (Ints{0}));
}

TEST_F(TypedReadsTest, StringAndVariantArraysHoldTheTextPieces) {
    EXPECT_EQ(ReadStrings("[10,50]"), (Strings{"10", "50"}));
    const auto variants = prefs.GetArrayVariant("k");
    ASSERT_EQ(variants.size(), 2u);
    EXPECT_EQ(variants[0].GetType(), fw::Variant::Type::String);
    EXPECT_EQ(variants[0].StringValue(), "10");
    EXPECT_EQ(variants[1].StringValue(), "50");
    EXPECT_EQ(ReadStrings("[]"), (Strings{""}));
}

TEST_F(TypedReadsTest, CuttingResultsOfStringArrays) {
    EXPECT_EQ(ReadStrings(R"(["a,b","c"])"), (Strings{"a", "b", "c"}));
    EXPECT_EQ(ReadStrings(R"(["a",""])"), (Strings{"a\"", ""}));
    EXPECT_EQ(ReadStrings(R"(["","a"])"), (Strings{"", "\"a"}));
    EXPECT_EQ(ReadStrings(R"([1,"a"])"), (Strings{"1", "\"a"}));
    EXPECT_EQ(ReadStrings(R"(["a\"b"])"), (Strings{"a\\\"b"}));
    EXPECT_EQ(ReadStrings(R"(["a\""])"), (Strings{"a\\"}));
    EXPECT_EQ(ReadStrings(R"([["x"],"y"])"), (Strings{R"(["x"])", "\"y"}));
    EXPECT_EQ(ReadStrings(R"({"k":1})"), (Strings{R"({"k":1})"}));
}

TEST_F(TypedReadsTest, DictionaryEntries) {
    EXPECT_EQ(ReadEntries(R"({"w":"10","h":20})"), (Strings{"w=10", "h=20"}));
    EXPECT_EQ(ReadEntries(R"({"t":true,"f":false,"n":null})"),
              (Strings{"t=true", "f=false", "n=null"}));
    const auto values = prefs.GetDictionary("k");
    EXPECT_EQ(values->Value("t").GetType(), fw::Variant::Type::String);
}

TEST_F(TypedReadsTest, CuttingResultsOfDictionaries) {
    EXPECT_EQ(ReadEntries(R"({"u":"a:b"})"), (Strings{"u=a"}));
    EXPECT_EQ(ReadEntries(R"({"a":"x,y"})"), (Strings{"a=x", "y="}));
    EXPECT_EQ(ReadEntries(R"({"a":""})"), (Strings{"a=\""}));
    EXPECT_EQ(ReadEntries(R"({"":"v"})"), (Strings{"\"=v"}));
    EXPECT_EQ(ReadEntries(R"({"a":{"b":1}})"), (Strings{"a={\"b"}));
    EXPECT_EQ(ReadEntries("[1,2]"), (Strings{"[1=", "2]="}));
    EXPECT_EQ(ReadEntries("{}"), (Strings{"="}));
    // A later entry with the same name replaces the earlier value.
    EXPECT_EQ(ReadEntries(R"({"a":"x,a"})"), (Strings{"a="}));
}

TEST_F(TypedReadsTest, ReadsChangeNothingAndShowNoAlerts) {
    With(R"({"r":[1,"a",""],"d":{"a":"b"}})");
    const std::string before = prefs.mPrefs->ToString();
    prefs.GetArrayInteger("r");
    prefs.GetArrayString("r");
    prefs.GetArrayVariant("r");
    prefs.GetDictionary("d");
    EXPECT_EQ(prefs.mPrefs->ToString(), before);
    EXPECT_TRUE(recorder.alerts.empty());
}

using TypedReadsFromFileTest = PrefsFolderTest;

TEST_F(TypedReadsFromFileTest, RectangleReadsBackFromEitherLayout) {
    for (const std::string text : {R"({"WindowLTWH":[10,50,600,400]})",
                                   "{\n  \"WindowLTWH\": [\n    10,\n    50,\n    600,\n"
                                   "    400\n  ]\n}\n"}) {
        WriteFile(text);
        TestPrefs prefs(kAppName);
        ASSERT_TRUE(prefs.Load());
        EXPECT_EQ(prefs.GetArrayInteger("WindowLTWH"), (Ints{10, 50, 600, 400}));
    }
}

}  // namespace
