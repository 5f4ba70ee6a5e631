// The process-wide error hook behind every guarded handler.
#include "handler_guard.h"

#include <iostream>
#include <utility>

#include "errors.h"

namespace aeon::ui {
namespace {

void writeToStderr(std::exception_ptr error) {
    try {
        std::rethrow_exception(std::move(error));
    } catch (const ConversionError& e) {
        std::cerr << e.kindName() << ": " << e.what() << '\n';
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
    } catch (...) {
        std::cerr << "unknown error\n";
    }
}

ErrorHook& hook() {
    static ErrorHook current = writeToStderr;
    return current;
}

}  // namespace

void setErrorHook(ErrorHook newHook) {
    hook() = newHook ? std::move(newHook) : writeToStderr;
}

void reportHandlerError(std::exception_ptr error) noexcept {
    try {
        hook()(std::move(error));
    } catch (...) {
        // The reporter itself failed; there is nobody left to tell.
    }
}

}  // namespace aeon::ui
