#pragma once
// An exception carried as a framework object, as the exception helper answers it.

#include <exception>
#include <string>

#include "Object.h"
#include "RuntimeException.h"

namespace fw {

class RuntimeExceptionObject : public Object {
public:
    explicit RuntimeExceptionObject(std::exception_ptr exception);

    std::string ClassName() const override { return "RuntimeExceptionObject"; }

    // The carried exception's class name, Message and ErrorNumber.
    const std::string& ExceptionClassName() const { return className_; }
    const std::string& Message() const { return message_; }
    std::int64_t ErrorNumber() const { return errorNumber_; }
    // Throws the carried exception again, with its own class.
    [[noreturn]] void Rethrow() const { std::rethrow_exception(exception_); }

private:
    std::exception_ptr exception_;
    std::string className_;
    std::string message_;
    std::int64_t errorNumber_{0};
};

}  // namespace fw
