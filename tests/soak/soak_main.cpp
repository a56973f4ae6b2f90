// The random player's long run, one seed per process: corvanth_soak SEED ACTIONS, or corvanth_soak
// KIND SEED DAYS from a hand-made slot. Prints what it reached and every fault; the exit status is
// 1 when there was one.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "shell/background.h"
#include "shell/start.h"
#include "support/extreme_slot.h"
#include "support/random_player.h"
#include "ui/form.h"
#include "ui/headless.h"

namespace {

// The hand-made slot of that kind and seed, or none for a name that is no kind.
std::optional<corvanth::SaveImage> HandMadeSlot(const std::string& kind, uint32_t seed) {
    using corvanth::test::SlotValues;
    for (SlotValues v : {SlotValues::Extreme, SlotValues::Random, SlotValues::Small})
        if (kind == corvanth::test::SlotValuesName(v)) return corvanth::test::HandMadeSave(v, seed);
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const bool handMade = argc == 4;
    if (argc != 3 && !handMade) {
        std::fprintf(stderr, "usage: %s SEED ACTIONS\n       %s extreme|random|small SEED DAYS\n",
                     argv[0], argv[0]);
        return 2;
    }
    const auto seed = static_cast<uint32_t>(std::strtoul(argv[handMade ? 2 : 1], nullptr, 10));
    const int count = std::atoi(argv[handMade ? 3 : 2]);
    // The game's files of this seed land in a directory of its own.
    std::string scratch =
        (std::filesystem::temp_directory_path() / "corvanth-soak-XXXXXX").string();
    if (!mkdtemp(scratch.data())) return 2;
    std::filesystem::current_path(scratch);
    ui::UseHeadless();
    ui::SetLayoutDir(std::string(CORVANTH_SOURCE_DIR) + "/forms");
    corvanth::CreateScreens();
    corvanth::test::RandomPlay play;
    if (handMade) {
        // The slot is made from a running game, which needs the screens.
        const auto slot = HandMadeSlot(argv[1], seed);
        if (!slot) return 2;
        // A day takes the random player some dozens of actions; a game that needs far more is
        // held somewhere, which the invariants name.
        play = corvanth::test::PlayHandMadeSlot(seed, *slot, count, 2000 * count);
    } else {
        play = corvanth::test::PlayRandomly(seed, count);
    }
    std::printf(
        "seed %u actions %d runs %d games %d scored %d extreme loads %d fights %d longest fight "
        "%d lowest money %s saves loaded again %d days %d in %d games faults %zu\n",
        play.seed, play.actions, play.runs, play.games, play.scoredGames, play.extremeLoads,
        play.fights, play.longestFight,
        play.lowestMoney == INT64_MAX ? "none" : std::to_string(play.lowestMoney).c_str(),
        play.savesLoadedAgain, play.handMadeDays, play.handMadeLoads, play.faults.size());
    for (const auto& [screen, times] : play.screens)
        std::printf("screen %s %d\n", screen.c_str(), times);
    for (const std::string& fault : play.faults) std::printf("fault %s\n", fault.c_str());
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    std::filesystem::remove_all(scratch, ec);
    return play.faults.empty() ? 0 : 1;
}
