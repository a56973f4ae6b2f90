// The desktop asking the program to end, turned into an event of SDL's queue.
#include "ui/endsignals.h"

#include <SDL.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>
#include <thread>

namespace ui {

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr char kCaught = 's', kStop = 'q';

// A signal handler may do next to nothing: it writes a byte here, and a thread of its own reads
// it and posts the event.
int wake[2] = {-1, -1};
// A child between its fork and its exec keeps the handler: its signals are not ours.
std::atomic<pid_t> owner{0};
std::atomic<uint32_t> eventType{0};
// Never destroyed: a program that exit() ends (a lost display) leaves it waiting on the pipe.
std::thread* poster = nullptr;

extern "C" void OnEndSignal(int) {
    const int saved = errno;
    if (getpid() == owner.load()) {
        const char c = kCaught;
        (void)!write(wake[1], &c, 1);
    }
    errno = saved;
}

void PostEndEvents() {
    bool posted = false;
    for (;;) {
        char c = 0;
        const ssize_t n = read(wake[0], &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0 || c == kStop) return;
        // The end once asked for stays asked for: the signals after the first add nothing.
        if (posted) continue;
        SDL_Event e{};
        e.type = eventType.load();
        posted = SDL_PushEvent(&e) == 1;
    }
}

}  // namespace

uint32_t CatchEndSignals() {
    if (poster) return eventType.load();
    if (wake[0] < 0) {
        if (pipe2(wake, O_CLOEXEC) != 0) {
            wake[0] = wake[1] = -1;
            return 0;
        }
        // However many signals come, the handler never waits.
        fcntl(wake[1], F_SETFL, fcntl(wake[1], F_GETFL) | O_NONBLOCK);
    }
    const uint32_t type = SDL_RegisterEvents(1);
    if (type == static_cast<uint32_t>(-1)) return 0;
    eventType = type;
    try {
        poster = new std::thread(PostEndEvents);
    } catch (const std::system_error&) {
        return 0;
    }
    owner = getpid();
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    for (int s : kEndSignals) sigaddset(&action.sa_mask, s);
    // The game's own reads and writes go on where a signal finds them.
    action.sa_flags = SA_RESTART;
    for (int s : kEndSignals) sigaction(s, &action, nullptr);
    return type;
}

void StopPostingEndSignals() {
    if (!poster) return;
    const char c = kStop;
    ssize_t n = 0;
    while ((n = write(wake[1], &c, 1)) < 0 && (errno == EINTR || errno == EAGAIN))
        std::this_thread::yield();
    if (n == 1)
        poster->join();
    else
        poster->detach();
    delete poster;
    poster = nullptr;
}

}  // namespace ui
