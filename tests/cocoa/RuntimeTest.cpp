#include <gtest/gtest.h>

#include "cocoa/Cocoa.h"

namespace cocoa {
namespace {

TEST(Selectors, AreInternedByName) {
    SEL a = NSSelectorFromString("objectAtIndex:");
    EXPECT_EQ(a, sel_registerName("objectAtIndex:"));
    EXPECT_EQ(a, NSSelectorFromString(std::string("objectAt") + "Index:"));
    EXPECT_NE(a, NSSelectorFromString("objectAtIndex"));
    EXPECT_EQ(a->Name(), "objectAtIndex:");
    EXPECT_EQ(a->ArgumentCount(), 1u);
    EXPECT_EQ(NSSelectorFromString("selectFile:inFileViewerRootedAtPath:")->ArgumentCount(), 2u);
}

TEST(Selectors, EmptyNameGivesNil) {
    EXPECT_EQ(NSSelectorFromString(""), nullptr);
    EXPECT_EQ(sel_registerName(nullptr), nullptr);
}

TEST(Classes, AreFoundByNameAndAreObjects) {
    id array = NSClassFromString("NSArray");
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array, NSClassFromString("NSArray"));
    EXPECT_TRUE(array->IsClass());
    EXPECT_EQ(object_getClassName(array), "NSArray");
    EXPECT_EQ(NSClassFromString("NSNoSuchThing"), nullptr);
    EXPECT_EQ(NSClassFromString(""), nullptr);
}

TEST(Messaging, ToNilYieldsNilNoAndZero) {
    SEL count = sel_registerName("count");
    EXPECT_TRUE(objc_msgSend(nullptr, count).IsEmpty());
    EXPECT_EQ(SendId(nullptr, count), nullptr);
    EXPECT_FALSE(SendBool(nullptr, count));
    EXPECT_EQ(SendInt(nullptr, count), 0);
    EXPECT_EQ(SendDouble(nullptr, count), 0.0);
    EXPECT_EQ(SendSel(nullptr, count), nullptr);
    // Even a selector nothing implements, and a nil selector, are fine on nil.
    EXPECT_EQ(SendId(nullptr, sel_registerName("noSuchMessage:"), {1}), nullptr);
    EXPECT_EQ(SendId(nullptr, nullptr), nullptr);
}

TEST(Messaging, UnrecognizedSelectorRaises) {
    CFString s("text");
    try {
        objc_msgSend(s.Get(), sel_registerName("noSuchMessage:"), {nil});
        FAIL() << "no exception";
    } catch (const InvalidArgumentException& e) {
        EXPECT_EQ(e.ClassName(), "NSInvalidArgumentException");
        EXPECT_EQ(e.Message, "-[NSString noSuchMessage:]: unrecognized selector sent to instance");
    }
    try {
        objc_msgSend(NSClassFromString("NSArray"), sel_registerName("count"));
        FAIL() << "no exception";
    } catch (const fw::RuntimeException& e) {
        EXPECT_EQ(e.Message, "+[NSArray count]: unrecognized selector sent to class");
    }
}

TEST(Messaging, NilSelectorOrWrongArgumentCountRaises) {
    CFString s("text");
    EXPECT_THROW(objc_msgSend(s.Get(), nullptr), InvalidArgumentException);
    SEL compare = sel_registerName("localizedStandardCompare:");
    EXPECT_THROW(objc_msgSend(s.Get(), compare), InvalidArgumentException);
    EXPECT_THROW(objc_msgSend(s.Get(), compare, {s, s}), InvalidArgumentException);
}

TEST(Messaging, RespondsToSelectorAnswersForInstancesAndClasses) {
    SEL responds = sel_registerName("respondsToSelector:");
    SEL compare = sel_registerName("localizedStandardCompare:");
    CFString s("text");
    EXPECT_TRUE(SendBool(s.Get(), responds, {compare}));
    EXPECT_TRUE(SendBool(s.Get(), responds, {responds}));
    EXPECT_FALSE(SendBool(s.Get(), responds, {sel_registerName("count")}));
    EXPECT_FALSE(SendBool(s.Get(), responds, {nil}));
    // The class side: instance methods are not class methods.
    id stringClass = NSClassFromString("NSString");
    EXPECT_FALSE(SendBool(stringClass, responds, {compare}));
    EXPECT_TRUE(SendBool(stringClass, responds, {responds}));
    EXPECT_FALSE(SendBool(nullptr, responds, {compare}));
}

TEST(Values, ReadAcrossCompatibleKindsOnly) {
    EXPECT_EQ(Value(true).AsInt(), 1);
    EXPECT_TRUE(Value(7).AsBool());
    EXPECT_EQ(Value(3).AsDouble(), 3.0);
    EXPECT_EQ(Value(nil).AsSel(), nullptr);
    EXPECT_EQ(Value(nil).AsRectPointer(), nullptr);
    EXPECT_THROW(Value(1.5).AsInt(), fw::IllegalCastException);
    EXPECT_THROW(Value(sel_registerName("count")).AsId(), fw::IllegalCastException);
    CGRect r{1, 2, 3, 4};
    EXPECT_EQ(Value(&r).AsRectPointer(), &r);
    EXPECT_THROW(Value(&r).AsBool(), fw::IllegalCastException);
}

TEST(Arrays, CountAndBoundedIndex) {
    AutoreleasePool pool;
    CFString a("a");
    auto keep = a.Get()->shared_from_this();
    id array = MakeAutoreleasedArray({keep, keep});
    EXPECT_EQ(SendInt(array, sel_registerName("count")), 2);
    SEL at = sel_registerName("objectAtIndex:");
    EXPECT_EQ(SendId(array, at, {1}), a.Get());
    EXPECT_THROW(SendId(array, at, {2}), fw::OutOfBoundsException);
    EXPECT_THROW(SendId(array, at, {-1}), fw::OutOfBoundsException);
}

TEST(AutoreleasePools, ReleaseAtTheirEnd) {
    std::weak_ptr<Object> watched;
    {
        AutoreleasePool pool;
        auto string =
            std::static_pointer_cast<Object>(MakeAutoreleasedString("kept")->shared_from_this());
        watched = string;
        string.reset();
        EXPECT_FALSE(watched.expired());
    }
    EXPECT_TRUE(watched.expired());

    id outside = MakeAutoreleasedString("outside");
    watched = outside->shared_from_this();
    EXPECT_FALSE(watched.expired());
    DrainAutoreleasePool();
    EXPECT_TRUE(watched.expired());
}

}  // namespace
}  // namespace cocoa
