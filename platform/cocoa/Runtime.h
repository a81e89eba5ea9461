#pragma once
// A small message runtime: classes and selectors looked up by name, messages sent to
// untyped object references. A message to nil yields nil, NO or 0; a message that the
// receiver does not implement raises InvalidArgumentException, which
// `respondsToSelector:` lets callers avoid. Classes are objects too and answer their
// class methods. Everything but the lookups runs on the main thread.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "cocoa/Value.h"
#include "framework/RuntimeException.h"

namespace cocoa {

// Raised for an unrecognized selector, a wrong number of arguments or a nil argument
// that a method cannot take.
class InvalidArgumentException : public fw::RuntimeException {
public:
    using fw::RuntimeException::RuntimeException;
    std::string ClassName() const override { return "NSInvalidArgumentException"; }
};

class Selector {
public:
    explicit Selector(std::string name);
    const std::string& Name() const { return name_; }
    // One argument per colon of the name.
    std::size_t ArgumentCount() const { return argumentCount_; }

private:
    std::string name_;
    std::size_t argumentCount_;
};

using Arguments = std::span<const Value>;
// A method's code: the receiver and the arguments, already checked for their count.
using Method = std::function<Value(id self, Arguments args)>;

class Class;

// Base of every object the runtime knows. Objects are owned by shared pointers held by
// the runtime (singletons, registries, autorelease pools, CFString holders); `id`
// never owns.
class Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    // The object's class; for a class object, the class itself.
    virtual Class* Isa() const { return isa_; }
    virtual bool IsClass() const { return false; }

protected:
    explicit Object(Class* isa) : isa_(isa) {}

private:
    Class* isa_;
};

class Class final : public Object {
public:
    Class(std::string name, Class* superclass);

    Class* Isa() const override { return const_cast<Class*>(this); }
    bool IsClass() const override { return true; }

    const std::string& Name() const { return name_; }
    Class* Superclass() const { return superclass_; }
    bool IsSubclassOf(const Class* other) const;

    void AddMethod(std::string_view selectorName, Method method);
    void AddClassMethod(std::string_view selectorName, Method method);

    // The instance method for sel, searched up the superclasses; nullptr when none.
    const Method* FindMethod(SEL sel) const;
    // The class method, searched up the superclasses, then the root class's instance
    // methods (so classes answer `respondsToSelector:` like instances).
    const Method* FindClassMethod(SEL sel) const;

private:
    std::string name_;
    Class* superclass_;
    std::map<SEL, Method> methods_;
    std::map<SEL, Method> classMethods_;
};

// The class of that name, or nil.
id NSClassFromString(std::string_view name);
// The interned selector of that name; nil for an empty name.
SEL NSSelectorFromString(std::string_view name);
SEL sel_registerName(const char* name);
// The receiver's class name; "nil" for nil.
std::string object_getClassName(id object);

// Sends sel with args to receiver. Nil receiver: the empty Value, nothing else happens.
Value objc_msgSend(id receiver, SEL sel, std::initializer_list<Value> args = {});
Value SendMessage(id receiver, SEL sel, Arguments args);
// Whether receiver implements sel; NO for nil or a nil selector.
BOOL RespondsTo(id receiver, SEL sel);

// Typed forms of objc_msgSend.
inline id SendId(id receiver, SEL sel, std::initializer_list<Value> args = {}) {
    return objc_msgSend(receiver, sel, args).AsId();
}
inline BOOL SendBool(id receiver, SEL sel, std::initializer_list<Value> args = {}) {
    return objc_msgSend(receiver, sel, args).AsBool();
}
inline std::int64_t SendInt(id receiver, SEL sel, std::initializer_list<Value> args = {}) {
    return objc_msgSend(receiver, sel, args).AsInt();
}
inline double SendDouble(id receiver, SEL sel, std::initializer_list<Value> args = {}) {
    return objc_msgSend(receiver, sel, args).AsDouble();
}
inline SEL SendSel(id receiver, SEL sel, std::initializer_list<Value> args = {}) {
    return objc_msgSend(receiver, sel, args).AsSel();
}

// For the classes' own code: defines a class (once) and finds a defined one.
Class& DefineClass(std::string_view name, std::string_view superclassName);
Class& ClassNamed(std::string_view name);

// Makes an object of a runtime class; T's constructor receives its Class first.
template <class T, class... Args>
std::shared_ptr<T> Make(std::string_view className, Args&&... args) {
    return std::make_shared<T>(&ClassNamed(className), std::forward<Args>(args)...);
}

// A new object of a class that needs no C++ state of its own, such as a class defined
// with DefineClass to stand in as a responder.
std::shared_ptr<Object> NewInstance(std::string_view className);

// The receiver as its C++ type, for methods registered on that type's class.
template <class T>
T& Self(id self) {
    return static_cast<T&>(*self);
}

}  // namespace cocoa
