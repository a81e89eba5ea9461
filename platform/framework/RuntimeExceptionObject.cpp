#include "RuntimeExceptionObject.h"

namespace fw {

RuntimeExceptionObject::RuntimeExceptionObject(std::exception_ptr exception)
    : exception_(std::move(exception)) {
    try {
        std::rethrow_exception(exception_);
    } catch (const RuntimeException& e) {
        className_ = e.ClassName();
        message_ = e.Message;
        errorNumber_ = e.ErrorNumber;
    } catch (const std::exception& e) {
        className_ = "std::exception";
        message_ = e.what();
    } catch (...) {
        className_ = "unknown";
    }
}

}  // namespace fw
