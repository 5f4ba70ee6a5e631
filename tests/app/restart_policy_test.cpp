// The restart policy with an injected clock: the offer from the fourth error, the ten-in-a-minute
// rule.
#include "restart_policy.h"

#include <gtest/gtest.h>

namespace aeon::app {
namespace {

using namespace std::chrono_literals;

class RestartPolicyTest : public ::testing::Test {
  protected:
    std::chrono::steady_clock::time_point now{};
    RestartPolicy policy{[this] { return now; }};
};

TEST_F(RestartPolicyTest, OfferFromTheFourthError) {
    for (int i = 1; i <= 3; ++i) {
        const auto d = policy.recordError();
        EXPECT_FALSE(d.offerRestart) << i;
        EXPECT_FALSE(d.restartAutomatically) << i;
        now += 1h;
    }
    EXPECT_TRUE(policy.recordError().offerRestart);
    now += 1h;
    EXPECT_TRUE(policy.recordError().offerRestart);
    EXPECT_EQ(policy.reportedErrors(), 5);
}

TEST_F(RestartPolicyTest, TenWithinAMinuteRestart) {
    for (int i = 1; i <= 9; ++i) {
        EXPECT_FALSE(policy.recordError().restartAutomatically) << i;
        now += 6s;
    }
    now += 6s;  // the tenth comes exactly 60 s after the first: still within the minute
    EXPECT_TRUE(policy.recordError().restartAutomatically);
}

TEST_F(RestartPolicyTest, TenSpreadOverSixtyOneSecondsDoNot) {
    for (int i = 1; i <= 9; ++i) {
        policy.recordError();
        now += 6s;
    }
    now += 7s;  // the tenth 61 s after the first
    EXPECT_FALSE(policy.recordError().restartAutomatically);
    // Without the first, the last ten start at 6 s: an eleventh at 62 s completes a burst.
    now += 1s;
    EXPECT_TRUE(policy.recordError().restartAutomatically);
}

TEST_F(RestartPolicyTest, OnlyTheLastTenCount) {
    for (int i = 0; i < 5; ++i) {
        policy.recordError();
        now += 10min;
    }
    for (int i = 1; i <= 9; ++i) {
        EXPECT_FALSE(policy.recordError().restartAutomatically) << i;
        now += 1s;
    }
    EXPECT_TRUE(policy.recordError().restartAutomatically);
}

TEST(RestartPolicy, ANewPolicyStartsAtZero) {
    RestartPolicy policy;
    EXPECT_EQ(policy.reportedErrors(), 0);
    EXPECT_FALSE(policy.recordError().offerRestart);
}

}  // namespace
}  // namespace aeon::app
