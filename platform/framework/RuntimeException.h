#pragma once
// The framework's exceptions. All derive from RuntimeException, which carries a
// Message and an ErrorNumber; they are thrown by value and caught by reference.

#include <cstdint>
#include <exception>
#include <string>

namespace fw {

class RuntimeException : public std::exception {
public:
    RuntimeException() = default;
    explicit RuntimeException(std::string message, std::int64_t errorNumber = 0)
        : Message(std::move(message)), ErrorNumber(errorNumber) {}

    const char* what() const noexcept override { return Message.c_str(); }
    // The class name shown by the unhandled-exception report.
    virtual std::string ClassName() const { return "RuntimeException"; }

    std::string Message;
    std::int64_t ErrorNumber{0};
};

#define FW_DECLARE_EXCEPTION(Name, Base)                         \
    class Name : public Base {                                   \
    public:                                                      \
        using Base::Base;                                        \
        std::string ClassName() const override { return #Name; } \
    }

// A member used on Nil.
FW_DECLARE_EXCEPTION(NilObjectException, RuntimeException);
// A cast to a class or kind the value does not have.
FW_DECLARE_EXCEPTION(IllegalCastException, RuntimeException);
// An index or size outside its range.
FW_DECLARE_EXCEPTION(OutOfBoundsException, RuntimeException);
// A file that can't be opened, created, read or written.
FW_DECLARE_EXCEPTION(IOException, RuntimeException);
// Text that is no valid JSON, or an operation the JSON value's shape refuses.
FW_DECLARE_EXCEPTION(JSONException, RuntimeException);
// JSON text that nests deeper than the reader allows.
FW_DECLARE_EXCEPTION(JSONTooDeepException, JSONException);
// A pattern the regular-expression engine rejects.
FW_DECLARE_EXCEPTION(RegExException, RuntimeException);
// A name or key that a Dictionary or JSONItem does not hold.
FW_DECLARE_EXCEPTION(KeyNotFoundException, RuntimeException);
// A user-interface call from a thread other than the main thread.
FW_DECLARE_EXCEPTION(ThreadAccessingUIException, RuntimeException);

}  // namespace fw
