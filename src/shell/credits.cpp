// The credits screen and its link to the game's handbook.
#include "shell/credits.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "state/Sound.h"
#include "ui/files.h"

namespace corvanth {

ui::Screen<TForm31> Form31{"TForm31"};

namespace {

// Twice forked, so the viewer outlives nothing of ours and leaves no zombie behind.
void SpawnDesktopOpener(const std::string& path) {
    const pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        if (fork() == 0) {
            const int null = open("/dev/null", O_RDWR);
            if (null >= 0) {
                dup2(null, STDIN_FILENO);
                dup2(null, STDOUT_FILENO);
                dup2(null, STDERR_FILENO);
            }
            execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
        }
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

}  // namespace

std::function<void(const std::string& path)> OpenWithDesktop = SpawnDesktopOpener;

TForm31::TForm31() : ui::Form("TForm31") {
    Image3 = Bind<ui::Image>("Image3");
    Label6 = Bind<ui::Label>("Label6");
    Label15 = Bind<ui::Label>("Label15");
    Label7 = Bind<ui::Label>("Label7");
    Label3 = Bind<ui::Label>("Label3");
    SpeedButton7 = Bind<ui::SpeedButton>("SpeedButton7");
    Label6->OnClick = [this] { Label6Click(); };
    Label15->OnClick = [this] { Label6Click(); };
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
}

void RefreshCreditsForm() {
    Form31->Label6->visible = true;
    Form31->Label15->visible = true;
    Form31->Label7->visible = true;
    Form31->Label3->visible = true;
}

void TForm31::Label6Click() {
    // The game has no web page: its handbook travels with it.
    const auto found = ui::FindFile(kHandbookFile);
    if (!found) return;
    std::error_code ec;
    const auto path = std::filesystem::absolute(*found, ec);
    if (OpenWithDesktop) OpenWithDesktop(ec ? *found : path.string());
}

void TForm31::SpeedButton7Click() {
    PlayButtonSound();
    Hide();
}

}  // namespace corvanth
