// Wraps the C++ runtime's throw entry point so that every throw records its stack first; a
// report then shows where an error was raised, not where it was caught. This file includes no
// runtime headers, whose declaration of the entry point would clash with this definition.
#include <dlfcn.h>

namespace aeon::app::detail {
void captureThrowStack() noexcept;
}

#if !defined(__SANITIZE_ADDRESS__)
extern "C" {

[[noreturn]] void __cxa_throw(void* object, void* type, void (*destroy)(void*)) {
    aeon::app::detail::captureThrowStack();
    using Throw = void (*)(void*, void*, void (*)(void*));
    static const auto next = reinterpret_cast<Throw>(dlsym(RTLD_NEXT, "__cxa_throw"));
    next(object, type, destroy);
    __builtin_unreachable();
}

}  // extern "C"
#endif
