// Every location answers every command in every story state and returns to idle.
#include <gtest/gtest.h>

#include "core/location_sweep.h"

namespace hazama::testing {
namespace {

TEST(AllLocations, EveryCommandInEveryStateEndsIdle) {
    const SweepOutcome outcome = LocationSweep().run();
    EXPECT_EQ(outcome.runs, (18 + 2) * 2 * 256 * 4 + 2 * 2 * 4 * 4);
    std::string report;
    for (std::size_t i = 0; i < outcome.failures.size() && i < 20; ++i)
        report += outcome.failures[i] + "\n";
    EXPECT_TRUE(outcome.failures.empty())
        << outcome.failures.size() << " commands failed, the first ones:\n"
        << report;
}

}  // namespace
}  // namespace hazama::testing
