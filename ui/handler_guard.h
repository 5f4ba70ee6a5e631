// Runs event handlers so that no exception unwinds through Qt: every error goes to one hook.
#pragma once

#include <exception>
#include <functional>

namespace aeon::ui {

// The application's error reporting; until one is installed, errors are written to stderr.
using ErrorHook = std::function<void(std::exception_ptr)>;
void setErrorHook(ErrorHook hook);
void reportHandlerError(std::exception_ptr error) noexcept;

// A slot that runs `handler` and hands anything it throws to the error hook.
template <typename Object>
auto guarded(Object* object, void (Object::*handler)()) {
    return [object, handler] {
        try {
            (object->*handler)();
        } catch (...) {
            reportHandlerError(std::current_exception());
        }
    };
}

}  // namespace aeon::ui
