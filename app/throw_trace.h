// The call stack of the most recent throw on this thread, for error reports.
#pragma once

#include <string>

namespace aeon::app {

// Text of the stack captured when the current thread last threw; empty if none was captured.
std::string lastThrowStackTrace();

}  // namespace aeon::app
