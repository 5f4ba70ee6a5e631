// The restart policy: an offer from the fourth error, a restart after ten within a minute.
#include "restart_policy.h"

#include <utility>

namespace aeon::app {

RestartPolicy::RestartPolicy(Clock clock) : clock_(std::move(clock)) {}

RestartPolicy::Decision RestartPolicy::recordError() {
    ++count_;
    recent_.push_back(clock_());
    if (recent_.size() > kBurstSize) recent_.pop_front();
    const bool burst =
        recent_.size() == kBurstSize && recent_.back() - recent_.front() <= kBurstWindow;
    return {count_ >= kOfferFromError, burst};
}

}  // namespace aeon::app
