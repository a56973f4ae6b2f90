// A question put to a short-lived child process, so that what answering it loads or starts
// ends with the child, never staying in the game.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>

namespace ui {

// A question of one byte put to a child process forked off this one, answered through a pipe:
// what the child loads and starts ends with it. The child is given `limitMs` from the start.
class ChildQuestion {
  public:
    using Question = char (*)();
    ChildQuestion(Question question, int limitMs);
    ~ChildQuestion();
    ChildQuestion(const ChildQuestion&) = delete;
    ChildQuestion& operator=(const ChildQuestion&) = delete;

    // The child's answer, waited for until the limit; `fallback` when the child could not start,
    // died or did not answer in time (it is ended then).
    char Answer(char fallback);
    // Takes the ended child off the process table, once it is gone; never waits.
    void Reap();

  private:
    pid_t pid_ = -1;
    int pipe_ = -1;
    uint64_t deadline_ = 0;  // on the monotonic clock, in ms
    std::optional<char> answer_;
};

}  // namespace ui
