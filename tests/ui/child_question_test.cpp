// A question put to a child process: its answer, or the fallback when the child dies or is late.
#include "ui/child_question.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>

namespace ui {
namespace {

// The game waits no longer for a child that dies than it takes to die, and no longer for one
// that hangs than the limit: both leave the fallback.
TEST(ChildQuestion, TakesTheAnswerOrTheFallback) {
    using Clock = std::chrono::steady_clock;
    {
        ChildQuestion asked([] { return 'A'; }, 60000);
        EXPECT_EQ(asked.Answer('S'), 'A');
        EXPECT_EQ(asked.Answer('S'), 'A') << "asked again";
    }
    {
        const auto start = Clock::now();
        ChildQuestion asked([]() -> char { _exit(3); }, 60000);
        EXPECT_EQ(asked.Answer('S'), 'S');
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(30)) << "waited out the minute";
    }
    {
        // Five seconds to answer against a limit of a fifth of one.
        const auto start = Clock::now();
        ChildQuestion asked(
            [] {
                sleep(5);
                return 'A';
            },
            200);
        EXPECT_EQ(asked.Answer('S'), 'S');
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(4)) << "waited for the late answer";
    }
}

}  // namespace
}  // namespace ui
