// The random player's long run, one seed per process: corvanth_soak SEED ACTIONS. Prints what it
// reached and every fault; the exit status is 1 when there was one.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "shell/background.h"
#include "shell/start.h"
#include "support/random_player.h"
#include "ui/form.h"
#include "ui/headless.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SEED ACTIONS\n", argv[0]);
        return 2;
    }
    const auto seed = static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10));
    const int actions = std::atoi(argv[2]);
    // The game's files of this seed land in a directory of its own.
    std::string scratch =
        (std::filesystem::temp_directory_path() / "corvanth-soak-XXXXXX").string();
    if (!mkdtemp(scratch.data())) return 2;
    std::filesystem::current_path(scratch);
    ui::UseHeadless();
    ui::SetLayoutDir(std::string(CORVANTH_SOURCE_DIR) + "/forms");
    corvanth::CreateScreens();
    const corvanth::test::RandomPlay play = corvanth::test::PlayRandomly(seed, actions);
    std::printf("seed %u actions %d runs %d games %d scored %d extreme loads %d faults %zu\n",
                play.seed, play.actions, play.runs, play.games, play.scoredGames, play.extremeLoads,
                play.faults.size());
    for (const auto& [screen, times] : play.screens)
        std::printf("screen %s %d\n", screen.c_str(), times);
    for (const std::string& fault : play.faults) std::printf("fault %s\n", fault.c_str());
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    std::filesystem::remove_all(scratch, ec);
    return play.faults.empty() ? 0 : 1;
}
