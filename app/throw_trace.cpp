// Keeps the stack of the most recent throw on each thread, captured by the throw hook.
#include "throw_trace.h"

#include <boost/stacktrace.hpp>

namespace aeon::app {
namespace {

thread_local boost::stacktrace::stacktrace lastThrow;

}  // namespace

namespace detail {

// Capturing raw frames is cheap; symbols are resolved only when a report is written.
void captureThrowStack() noexcept {
    try {
        lastThrow = boost::stacktrace::stacktrace(2, 64);
    } catch (...) {
        lastThrow = boost::stacktrace::stacktrace(0, 0);
    }
}

}  // namespace detail

std::string lastThrowStackTrace() {
    return boost::stacktrace::to_string(lastThrow);
}

}  // namespace aeon::app
