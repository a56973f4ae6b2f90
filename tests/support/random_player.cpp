// The random player: it acts through the same hit test a mouse uses, on the virtual clock, and
// checks the game's invariants every few actions and at every game's end.
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

#include "shell/SaveLoad.h"
#include "shell/background.h"
#include "shell/start.h"
#include "state/datafiles.h"
#include "state/random.h"
#include "state/tables.h"
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

// What a random player types: names, amounts, odd letters the files cannot hold.
std::string RandomText(std::mt19937& rng) {
    static const std::vector<std::string> kNames = {
        "Rin Vance", "\xc5\x81ukasz", "Zo\xc3\xab", "", "A", std::string(300, 'x')};
    switch (rng() % 4) {
        case 0:
            return kNames[rng() % kNames.size()];
        case 1:
            return std::to_string(static_cast<int64_t>(rng() % 2000001) - 1000000);
        case 2:
            return std::to_string(rng() % 10 == 0 ? 999999999ull : rng() % 100000);
        default: {
            std::string text;
            for (unsigned n = rng() % 12; n > 0; --n) text += static_cast<char>(' ' + rng() % 95);
            return text;
        }
    }
}

// Components the player can do something with, and where.
bool Actionable(const ui::Component& c) {
    if (!c.Usable() || c.Decorative() || c.width <= 0 || c.height <= 0) return false;
    switch (c.kind()) {
        case ui::Kind::Timer:
        case ui::Kind::MediaPlayer:
        case ui::Kind::ProgressBar:
            return false;
        default:
            return true;
    }
}

void ClickAt(ui::Application& app, int x, int y, int clicks) {
    ui::Form* top = app.Top();
    app.MouseMove(x, y);
    app.MouseDown(x, y, 1);
    if (app.Top() != top) return;
    app.MouseUp(x, y);
    if (clicks >= 2 && app.Top() == top) app.MouseDown(x, y, 2);
}

}  // namespace

void ActRandomly(ui::HeadlessBackend& clock, std::mt19937& rng) {
    ui::Application& app = ui::App();
    ui::Form& top = *app.Top();
    const auto due = app.NextTimerDue();
    std::vector<ui::Component*> usable;
    for (const auto& c : top.Components())
        if (Actionable(*c)) usable.push_back(c.get());
    const unsigned r = rng() % 100;
    if (due && (usable.empty() || r < 12)) {
        // Time passes to the next tick: travel, blinking hands, the arena's fights.
        clock.Advance(*due > clock.Now() ? *due - clock.Now() : 0);
        return;
    }
    if (usable.empty() || r < 15) {
        app.CloseRequest();
        return;
    }
    if (r < 18) {
        const int keys[] = {ui::keys::Escape, ui::keys::Enter, ui::keys::Backspace, 'a', '7'};
        app.KeyDown(keys[rng() % 5]);
        return;
    }
    ui::Component& c = *usable[rng() % usable.size()];
    const ui::Rect rect = c.ScreenRect();
    auto point = [&](const ui::Rect& area) {
        return std::pair<int, int>{
            top.OriginX() + area.x + static_cast<int>(rng() % std::max(1, area.w)),
            top.OriginY() + area.y + static_cast<int>(rng() % std::max(1, area.h))};
    };
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&c); combo && combo->Dropped()) {
        const auto [x, y] = point(combo->DropRect());
        ClickAt(app, x, y, 1);
        return;
    }
    if (auto* edit = dynamic_cast<ui::Edit*>(&c); edit && !edit->readOnly && rng() % 2) {
        const auto [x, y] = point(rect);
        ClickAt(app, x, y, 1);
        if (app.Top() == &top && top.focused == edit) edit->PlayerSetText(RandomText(rng));
        return;
    }
    const auto [x, y] = point(rect);
    if (c.kind() == ui::Kind::Memo || (c.kind() == ui::Kind::ListBox && rng() % 4 == 0)) {
        app.MouseWheel(x, y, rng() % 2 ? 1 : -1);
        return;
    }
    ClickAt(app, x, y, c.OnDblClick && rng() % 2 ? 2 : 1);
}

namespace {

class RandomBackend : public ui::HeadlessBackend {
  public:
    RandomBackend(RandomPlay& play, int limit) : play_(play), limit_(limit), rng_(play.seed) {}

    void StartRun() {
        freshRun_ = true;
        ++play_.runs;
    }

    void Pump(ui::Application& app) override {
        ui::Form* top = app.Top();
        if (!top) throw ui::ScriptError("no screen is shown");
        Observe(app, *top);
        if (play_.actions % kCheckEvery == 0) Check(app);
        if (!play_.faults.empty() || play_.actions >= limit_) throw StopPlaying("done");
        ++play_.actions;
        ActRandomly(*this, rng_);
    }

  private:
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
            if (top.ClassName() == "TMessage1" && top.Find("Label1")->caption == "Game loaded!" &&
                (reserved == std::numeric_limits<int32_t>::max() ||
                 reserved == std::numeric_limits<int32_t>::min()))
                ++play_.extremeLoads;
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
        }
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
    std::mt19937 rng_;
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

RandomPlay PlayRandomly(uint32_t seed, int actions) {
    namespace fs = std::filesystem;
    RandomPlay play;
    play.seed = seed;
    // The game's files of this play lie in a folder of its own.
    const fs::path home = fs::current_path();
    std::string folder = (home / "random-play-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        play.faults.push_back("no folder to play in");
        return play;
    }
    fs::current_path(folder);
    LinkGameTexts();
    // Every second seed finds a game of numbers as far out as 32 bits go in slot 5 to load.
    if (seed % 2 == 0) {
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
    auto owned = std::make_unique<RandomBackend>(play, actions);
    RandomBackend& backend = *owned;
    ui::App().SetBackend(std::move(owned));
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
    ui::App().SetBackend(std::make_unique<ui::HeadlessBackend>());
    ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
    TutorialStep = 0;
    ClearGameEnded();
    std::error_code ec;
    fs::current_path(home, ec);
    fs::remove_all(folder, ec);
    return play;
}

}  // namespace corvanth::test
