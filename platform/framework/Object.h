#pragma once
// The framework's reference-counted object model.
//
// Every framework object derives from fw::Object and is held through fw::Ref<T>, a
// nullable shared reference. Nil is an empty Ref. Using a member through a Nil Ref
// raises fw::NilObjectException instead of crashing; a cast to the wrong class
// raises fw::IllegalCastException.

#include <cstddef>
#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>

namespace fw {

class Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;

    // The name the class is registered under; used by casts' messages and by the
    // unhandled-exception report.
    virtual std::string ClassName() const { return "Object"; }

protected:
    Object() = default;
    Object(const Object&) = default;
    Object& operator=(const Object&) = default;
};

[[noreturn]] void RaiseNilObject();
[[noreturn]] void RaiseIllegalCast(const std::string& from, const std::string& to);

template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    Ref(std::shared_ptr<T> p) : ptr_(std::move(p)) {}
    template <class U>
        requires std::is_convertible_v<U*, T*>
    Ref(const Ref<U>& other) : ptr_(other.Shared()) {}
    template <class U>
        requires std::is_convertible_v<U*, T*>
    Ref(std::shared_ptr<U> p) : ptr_(std::move(p)) {}

    // Dereferencing Nil raises the nil-object exception.
    T* operator->() const { return &Deref(); }
    T& operator*() const { return Deref(); }

    bool IsNil() const { return !ptr_; }
    explicit operator bool() const { return static_cast<bool>(ptr_); }
    T* Get() const { return ptr_.get(); }
    const std::shared_ptr<T>& Shared() const { return ptr_; }

    // Identity, as the framework's "Is" operator.
    template <class U>
    bool operator==(const Ref<U>& other) const {
        return static_cast<const void*>(ptr_.get()) == static_cast<const void*>(other.Get());
    }
    bool operator==(std::nullptr_t) const { return !ptr_; }

private:
    T& Deref() const {
        if (!ptr_) {
            RaiseNilObject();
        }
        return *ptr_;
    }

    std::shared_ptr<T> ptr_;
};

template <class T, class... Args>
Ref<T> New(Args&&... args) {
    return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

// Nil stays Nil; an object of another class raises the illegal-cast exception.
template <class T, class U>
Ref<T> Cast(const Ref<U>& from) {
    if (from.IsNil()) {
        return nullptr;
    }
    auto to = std::dynamic_pointer_cast<T>(from.Shared());
    if (!to) {
        RaiseIllegalCast(from->ClassName(), typeid(T).name());
    }
    return Ref<T>(std::move(to));
}

// Nil when the object is not of class T; never raises.
template <class T, class U>
Ref<T> TryCast(const Ref<U>& from) {
    return Ref<T>(std::dynamic_pointer_cast<T>(from.Shared()));
}

}  // namespace fw
