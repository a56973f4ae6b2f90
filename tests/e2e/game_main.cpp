// The game as the end-to-end tests start it: the shipped game, which also writes a line ("TForm1
// 1") on the descriptor named by its one argument each time another screen, or another showing
// of one, is drawn and waits for the player. The shipped game takes no argument and tells nobody.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "shell/background.h"
#include "ui/window.h"

namespace {

int readyFd = -1;

// Never blocks the game: a line the tests have no room for is dropped.
void TellReady(const std::string& screen, int showing) {
    const std::string line = screen + " " + std::to_string(showing) + "\n";
    (void)!::write(readyFd, line.data(), line.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2) {
        char* end = nullptr;
        const long fd = std::strtol(argv[1], &end, 10);
        const int flags =
            *end == '\0' && fd >= 0 && fd < 1 << 20 ? ::fcntl(static_cast<int>(fd), F_GETFL) : -1;
        if (flags >= 0) {
            ::fcntl(static_cast<int>(fd), F_SETFL, flags | O_NONBLOCK);
            readyFd = static_cast<int>(fd);
            ui::SetShowingReadyHook(TellReady);
        }
    }
    return corvanth::ProgramBlock();
}
