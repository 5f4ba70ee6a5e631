// When the crash reporter offers a restart and when it restarts by itself.
#pragma once

#include <chrono>
#include <deque>
#include <functional>

namespace aeon::app {

class RestartPolicy {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr int kOfferFromError = 4;
    static constexpr std::size_t kBurstSize = 10;
    static constexpr std::chrono::seconds kBurstWindow{60};

    explicit RestartPolicy(Clock clock = std::chrono::steady_clock::now);

    struct Decision {
        bool offerRestart;          // the dialog shows the restart check box
        bool restartAutomatically;  // restart once the report is finished
    };

    // Counts one reported error at the clock's present time.
    Decision recordError();

    int reportedErrors() const { return count_; }

  private:
    Clock clock_;
    int count_ = 0;
    std::deque<std::chrono::steady_clock::time_point> recent_;
};

}  // namespace aeon::app
