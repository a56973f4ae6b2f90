// The child process that answers one question: forked, given its time, ended and reaped.
#include "ui/child_question.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace ui {

namespace {

uint64_t NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<uint64_t>(t.tv_sec) * 1000 + static_cast<uint64_t>(t.tv_nsec) / 1000000;
}

}  // namespace

ChildQuestion::ChildQuestion(Question question, int limitMs)
    : deadline_(NowMs() + static_cast<uint64_t>(std::max(0, limitMs))) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return;
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        close(ends[0]);
        // Gone with the game, should the game end first.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(0);
        const char answer = question();
        while (write(ends[1], &answer, 1) < 0 && errno == EINTR) {
        }
        _exit(0);
    }
    close(ends[1]);
    if (pid_ < 0)
        close(ends[0]);
    else
        pipe_ = ends[0];
}

ChildQuestion::~ChildQuestion() {
    // A child that has not answered is still at work, or hangs: it is ended.
    if (pipe_ >= 0) close(pipe_);
    if (pid_ > 0 && !answer_) kill(pid_, SIGKILL);
    Reap();
}

char ChildQuestion::Answer(char fallback) {
    if (pipe_ >= 0) {
        for (;;) {
            const uint64_t now = NowMs();
            pollfd ready{pipe_, POLLIN, 0};
            const int n = poll(&ready, 1, now >= deadline_ ? 0 : static_cast<int>(deadline_ - now));
            if (n < 0 && errno == EINTR) continue;
            char c;
            ssize_t got = 0;
            if (n > 0)
                while ((got = read(pipe_, &c, 1)) < 0 && errno == EINTR) {
                }
            // Nothing to read at the end of the pipe: the child died without a word.
            if (got == 1) answer_ = c;
            break;
        }
        close(pipe_);
        pipe_ = -1;
        if (pid_ > 0 && !answer_) kill(pid_, SIGKILL);
        Reap();
    }
    return answer_.value_or(fallback);
}

void ChildQuestion::Reap() {
    if (pid_ <= 0) return;
    const pid_t done = waitpid(pid_, nullptr, WNOHANG);
    if (done != 0 && !(done < 0 && errno == EINTR)) pid_ = -1;
}

}  // namespace ui
