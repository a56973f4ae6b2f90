// Entry point of the game: opens the window, creates the screens and runs the background screen.
#include <cstdio>
#include <string>

#include "shell/background.h"
#include "ui/application.h"
#include "ui/window.h"

int main() {
    std::string error;
    if (!ui::UseWindow(&error)) {
        std::fprintf(stderr, "Corvanth cannot open its window: %s\n", error.c_str());
        return 1;
    }
    corvanth::CreateScreens();
    ui::App().Run();
    ui::CloseWindow();
    return 0;
}
