// The random player: it acts on whatever screen is on top (random_hand.cpp) and checks the
// game's invariants every few actions, at every fight, save and load, and at every game's end.
#include "support/random_player.h"

#include <stdlib.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <random>
#include <set>

#include "combat/combat2_screen.h"
#include "shell/SaveLoad.h"
#include "shell/background.h"
#include "shell/options.h"
#include "shell/start.h"
#include "state/datafiles.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "state/variables.h"
#include "support/extreme_slot.h"
#include "travel/travel.h"
#include "ui/application.h"
#include "ui/headless.h"

namespace corvanth::test {

namespace {

// Ends the play from inside the screens: every modal loop unwinds up to PlayRandomly.
class StopPlaying : public ui::ScriptError {
  public:
    using ui::ScriptError::ScriptError;
};

constexpr int kCheckEvery = 10;
// A showing that takes this many actions without the player getting off it holds him captive.
constexpr int kStuckActions = 20000;
// A fight this long has no way out for the player: every fight can at least be fled.
constexpr int kLongestFight = 20000;

size_t ImageHash(const SaveImage& image) {
    return std::hash<std::string>()(image.ints) ^ std::hash<std::string>()(image.texts) << 1;
}

class RandomBackend : public ui::HeadlessBackend {
  public:
    // With days, the play loads slot 5 first and ends when its game has run that many.
    RandomBackend(RandomPlay& play, int limit, int days = 0)
        : play_(play), limit_(limit), days_(days), rng_(play.seed) {}

    void StartRun() {
        freshRun_ = true;
        ++play_.runs;
    }

    void Pump(ui::Application& app) override {
        ui::Form* top = app.Top();
        if (!top) throw ui::ScriptError("no screen is shown");
        Observe(app, *top);
        if (play_.actions % kCheckEvery == 0) Check(app);
        if (!play_.faults.empty() || play_.actions >= limit_ || HandMadeGameDone())
            throw StopPlaying("done");
        ++play_.actions;
        if (days_ > 0 && !backInTheGame_ && LoadTheSlot(*top)) return;
        ActRandomly(*this, rng_);
    }

    // Called by every turn, first of its rules.
    void DayPassed() {
        if (slotLoaded_) ++play_.handMadeDays;
    }

  private:
    // The first steps of each of a hand-made slot's games: the main menu's "Load game", slot 5's
    // "Load", the word on it and "Back" into the game. False on any other screen.
    bool LoadTheSlot(ui::Form& top) {
        const std::string& screen = top.ClassName();
        const char* button = nullptr;
        if (screen == "TForm1") {
            button = "SpeedButton15";
        } else if (screen == "TForm37") {
            button = loadTried_ ? "SpeedButton11" : "SpeedButton10";
            backInTheGame_ = loadTried_;
            loadTried_ = true;
        } else if (screen == "TMessage1" && loadTried_) {
            if (!slotLoaded_) Fault("the hand-made slot does not load");
            button = "SpeedButton3";
        }
        if (!button) return false;
        ui::ClickMiddle(top, *top.Find(button));
        return true;
    }

    // The hand-made slot's games have had their days, and no fight is left open. A game that
    // ended sends the player to load the slot once more.
    bool HandMadeGameDone() {
        if (days_ == 0 || !slotLoaded_) return false;
        if (playedSlot_ && !inGame_)
            loadTried_ = slotLoaded_ = backInTheGame_ = playedSlot_ = false;
        return play_.handMadeDays >= days_ && !fighting_;
    }

    // A game the rules made, saved, loads again as it was: the load leaves every saved table as
    // the save wrote it. Tried on a copy of the running game, which then goes on unchanged.
    void LoadTheSaveAgain() {
        const auto running = std::make_unique<GameState>(G());
        const SaveImage saved = EncodeSave(G());
        const bool loaded = ReplaceGameFrom(saved.ints, saved.texts);
        const SaveImage again = EncodeSave(G());
        G() = *running;
        if (!loaded) {
            Fault("a save of the game does not load");
            return;
        }
        const auto [at, _] =
            std::mismatch(saved.ints.begin(), saved.ints.end(), again.ints.begin());
        if (at != saved.ints.end() || again.texts != saved.texts)
            Fault("a save of the game loads otherwise, from integer record " +
                  std::to_string((at - saved.ints.begin()) / 4));
        ++play_.savesLoadedAgain;
        madeByTheRules_.insert(ImageHash(saved));
    }

    void Fault(const std::string& what) {
        const ui::Form* top = ui::App().Top();
        play_.faults.push_back("seed " + std::to_string(play_.seed) + ", action " +
                               std::to_string(play_.actions) + ", on " +
                               (top ? top->ClassName() : std::string("nothing")) + ": " + what);
    }

    void Observe(ui::Application& app, ui::Form& top) {
        if (freshRun_) {
            // The clock seeded the game at its start; the player's seed makes the run repeatable.
            freshRun_ = false;
            Rng().SetSeed(play_.seed * 7919u + static_cast<uint32_t>(play_.runs));
        }
        if (&top != lastTop_ || top.ShowCount() != lastShow_) {
            lastTop_ = &top;
            lastShow_ = top.ShowCount();
            sameShowing_ = 0;
            ++play_.screens[top.ClassName()];
            if (top.ClassName() == "TForm57") scoreLine_ = top.Find("Label5")->caption;
            // The reserved value passes a load as it is: only the slot of extreme numbers, and
            // the saves made of its game, hold it at 32 bits' end.
            const int32_t reserved = G().ReservedSaveValue;
            const bool message = top.ClassName() == "TMessage1";
            const std::string said = message ? top.Find("Label1")->caption : std::string();
            if (said == "Game loaded!" && (reserved == std::numeric_limits<int32_t>::max() ||
                                           reserved == std::numeric_limits<int32_t>::min()))
                ++play_.extremeLoads;
            // A game is the rules' own from a new captain on, or loaded from one of their saves.
            if (top.ClassName() == "TForm4") rulesGame_ = true;
            if (said == "Game loaded!") {
                rulesGame_ = madeByTheRules_.count(ImageHash(EncodeSave(G()))) > 0;
                if (days_ > 0 && !slotLoaded_) {
                    slotLoaded_ = true;
                    ++play_.handMadeLoads;
                }
            }
            if (said == "Game saved!" && rulesGame_) LoadTheSaveAgain();
            if (top.ClassName() == "TForm57" || top.ClassName() == "TForm39") scored_ = true;
        } else if (++sameShowing_ > kStuckActions) {
            Fault("no way off this screen in " + std::to_string(kStuckActions) + " actions");
        }
        // A game, new or loaded, is played on the travel screen and under it.
        const auto& stack = app.ModalStack();
        const bool playing = std::find(stack.begin(), stack.end(), Form2) != stack.end();
        if (playing && !inGame_) {
            inGame_ = true;
            scored_ = false;
            scoreLine_.clear();
            ++play_.games;
            if (slotLoaded_) playedSlot_ = true;
        }
        // A fight lasts from its showing of the combat screen to its close, dialogs over it
        // included.
        fighting_ = std::find(stack.begin(), stack.end(), Form14) != stack.end();
        if (fighting_ && Form14->ShowCount() != fightShow_) {
            fightShow_ = Form14->ShowCount();
            fightActions_ = 0;
            ++play_.fights;
        } else if (fighting_ && ++fightActions_ > kLongestFight) {
            Fault("a fight not ended in " + std::to_string(kLongestFight) + " actions");
        }
        play_.longestFight = std::max(play_.longestFight, fightActions_);
        if (playing && !GameEnded()) cheated_ = G().Players[1][Player::CheatUsed] == 1;
        if (inGame_ && !playing) {
            inGame_ = false;
            GameOver(app);
        }
    }

    // Back at the main menu after a game: nothing else open, and one row for a scored captain.
    void GameOver(ui::Application& app) {
        if (app.Top() != Form1 || app.ModalStack().size() != 2)
            Fault("the game's end did not lead back to the main menu alone");
        if (!scored_) return;
        ++play_.scoredGames;
        const GameState& g = G();
        const std::string name = StoredText(g.CaptainNames[1].view());
        if (name.empty()) return;
        int rows = 0, row = 0;
        for (int r = Highscore::FirstRow; r <= Highscore::LastRow; ++r)
            if (g.HighscoreNames[r] == name) ++rows, row = r;
        if (rows > 1) Fault(std::to_string(rows) + " high-score rows for " + name);
        // The last score line ends in the score, its groups of three parted by dots.
        const std::string shown = scoreLine_.substr(scoreLine_.rfind('=') + 1);
        std::string digits;
        for (char c : shown)
            if (c >= '0' && c <= '9') digits += c;
        if (cheated_ || digits.empty() || digits.size() > 9 || shown.find('-') != std::string::npos)
            return;
        const int64_t score = std::stoll(digits);
        // Entered, the captain's one row holds the score; a score no row is below enters
        // nowhere, and an older row of the captain stays as it was.
        if (rows == 1 && g.Highscores[row][Highscore::Score] == score) return;
        for (int r = Highscore::FirstRow; r <= Highscore::LastRow; ++r)
            if (g.Highscores[r][Highscore::Score] < score)
                Fault("a score of " + digits + " by " + name + " is not in the table above row " +
                      std::to_string(r));
    }

    void Check(ui::Application& app) {
        const auto& stack = app.ModalStack();
        std::set<const ui::Form*> once(stack.begin(), stack.end());
        if (once.size() != stack.size()) Fault("a screen twice on the stack");
        if (stack.empty() || stack.front() != Fbackground) Fault("the background is not below");
        if (stack.size() >= 2 && stack[1] != Form1 && stack[1]->ClassName() != "TForm59")
            Fault("the main menu is not above the background");
        if (!stack.empty() && !stack.back()->Visible()) Fault("the screen on top is hidden");
        const GameState& g = G();
        if (g.Players[1][Player::GameRunning] < 1 || GameEnded()) return;
        const GameRecord& captain = g.Players[1];
        play_.lowestMoney = std::min<int64_t>(play_.lowestMoney, captain[Player::Money]);
        if (captain[Player::Money] < 0)
            Fault("money below nothing: " + std::to_string(captain[Player::Money]));
        int64_t held = 0;
        for (int good = Good::First; good <= Good::Last; ++good) {
            if (g.Cargo[good] < 0) Fault("cargo below nothing");
            held += g.Cargo[good];
        }
        const GameRecord& ship = g.Ships[1][1];
        for (int k = CrewKind::First; k <= CrewKind::Last; ++k)
            if (ship[Ship::CrewBase + k] < 0) Fault("crew below nothing");
        const GameRecord& m = g.Missions[1];
        int64_t load = 0;
        if (m[Mission::Status] >= 1 && m[Mission::ObjectiveBase + 1] == 0 &&
            (m[Mission::Kind] == MissionKind::Transport ||
             m[Mission::Kind] == MissionKind::Smuggling) &&
            m[Mission::LoadType] == 1)
            load = m[Mission::Amount];
        const GameRecord& fleet = g.Fleets[1];
        if (fleet[Fleet::FreeCargo] != fleet[Fleet::CargoCapacity] - held - load)
            Fault("free room " + std::to_string(fleet[Fleet::FreeCargo]) + " beside capacity " +
                  std::to_string(fleet[Fleet::CargoCapacity]) + ", cargo " + std::to_string(held) +
                  " and a mission's " + std::to_string(load));
    }

    RandomPlay& play_;
    const int limit_;
    const int days_;
    std::mt19937 rng_;
    bool loadTried_ = false, slotLoaded_ = false, backInTheGame_ = false, playedSlot_ = false;
    bool rulesGame_ = false;
    std::set<size_t> madeByTheRules_;  // the saves of games the rules made
    bool fighting_ = false;
    int fightShow_ = 0, fightActions_ = 0;
    bool freshRun_ = false;
    const ui::Form* lastTop_ = nullptr;
    int lastShow_ = 0;
    int sameShowing_ = 0;
    bool inGame_ = false;
    bool scored_ = false;
    bool cheated_ = false;
    std::string scoreLine_;
};

}  // namespace

void LinkGameTexts() {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path data = fs::path(CORVANTH_SOURCE_DIR) / "data";
    for (const auto& entry : fs::directory_iterator(data, ec))
        if (entry.is_regular_file() && !fs::exists(entry.path().filename()))
            fs::create_symlink(entry.path(), entry.path().filename(), ec);
}

namespace {

// The play in a folder of its own, the program started again each time the player quits it;
// `slot`, when given, lies in slot 5 and is loaded first, its game played `days` days.
RandomPlay Play(uint32_t seed, int actions, const SaveImage* slot, int days) {
    namespace fs = std::filesystem;
    RandomPlay play;
    play.seed = seed;
    const fs::path home = fs::current_path();
    std::string folder = (home / "random-play-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        play.faults.push_back("no folder to play in");
        return play;
    }
    fs::current_path(folder);
    LinkGameTexts();
    if (slot) {
        std::ofstream(SlotFileName(5, false), std::ios::binary) << slot->ints;
        std::ofstream(SlotFileName(5, true), std::ios::binary) << slot->texts;
        // Launched twice before and shut down cleanly: no tutorial starts, no question is asked.
        std::string settings;
        for (const int32_t v : {2, 0, 1})
            for (int i = 0; i < 4; ++i)
                settings += static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
        std::ofstream(kSettingsFile, std::ios::binary) << settings;
    } else if (seed % 2 == 0) {
        // Every second seed finds a game of numbers as far out as 32 bits go in slot 5 to load.
        const SaveImage image = ExtremeSave([seed](size_t r) {
            return seed % 4 == 0 || r % 2 ? std::numeric_limits<int32_t>::max()
                                          : std::numeric_limits<int32_t>::min();
        });
        std::ofstream(SlotFileName(5, false), std::ios::binary) << image.ints;
        std::ofstream(SlotFileName(5, true), std::ios::binary) << image.texts;
    }
    ResetGameState();
    TutorialStep = 0;
    ClearGameEnded();
    auto owned = std::make_unique<RandomBackend>(play, actions, slot ? days : 0);
    RandomBackend& backend = *owned;
    ui::App().SetBackend(std::move(owned));
    // Every turn runs the cap on the captain's counters first: there the days are counted.
    const auto clamp = GameUpcalls().ClampPlayerValues;
    GameUpcalls().ClampPlayerValues = [&backend, clamp] {
        backend.DayPassed();
        clamp();
    };
    try {
        while (play.actions < actions && play.faults.empty()) {
            backend.StartRun();
            Fbackground->ShowModal();
        }
    } catch (const StopPlaying&) {
    } catch (const std::exception& e) {
        play.faults.push_back("seed " + std::to_string(seed) + ", action " +
                              std::to_string(play.actions) + ": " + e.what());
    }
    GameUpcalls().ClampPlayerValues = clamp;
    ui::App().SetBackend(std::make_unique<ui::HeadlessBackend>());
    ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
    TutorialStep = 0;
    ClearGameEnded();
    std::error_code ec;
    fs::current_path(home, ec);
    fs::remove_all(folder, ec);
    return play;
}

}  // namespace

RandomPlay PlayRandomly(uint32_t seed, int actions) {
    return Play(seed, actions, nullptr, 0);
}

RandomPlay PlayHandMadeSlot(uint32_t seed, const SaveImage& slot, int days, int actions) {
    return Play(seed, actions, &slot, days);
}

}  // namespace corvanth::test
