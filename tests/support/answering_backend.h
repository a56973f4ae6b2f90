// A headless player for long runs: it answers every message dialog the moment it shows.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "combat/EncounterScreen2.h"
#include "combat/combat2.h"

#include "state/tables.h"
#include "state/variables.h"
#include "ui/application.h"
#include "ui/headless.h"

namespace corvanth::test {

// While the scripted player has steps it plays them; otherwise it closes whatever notice is on
// top with that dialog's own button, leaving every "do not show" box as it is, declines offers
// and questions, takes every second chance, looks at every award and reads the score through to the
// end. Ships met on the way are approached and fought by a simple rule, and their wrecks looted;
// a boarding party is called back before it leaves, and a captured ship is ransomed.
// Any other screen is an error, as for the scripted player, unless `answerEveryScreen` is set.
// It clicks as the scripted player does, through the hit test.
class AnsweringBackend : public ui::HeadlessBackend {
  public:
    // A careful captain leaves behind the loot the ruler of the system marks "ILLEGAL!", which
    // a customs scan would find.
    bool leaveIllegalLoot = false;
    // A screen with no answer above gets its last usable button pressed (the decline or the
    // "continue" of every dialog of the game), or a close request when it has none: a new
    // notice of the rules then never stops a long run.
    bool answerEveryScreen = false;
    // Keeps what each answered screen showed in `seen` and `pressed`.
    bool record = true;

    void Pump(ui::Application& app) override {
        ui::Form* top = app.Top();
        // The script answers the screens it names; the rest are answered here in the meantime.
        if (!top || top->ClassName() == Player().NextForm()) {
            HeadlessBackend::Pump(app);
            return;
        }
        if (top->ClassName() == "TForm14" && ChooseLoadedAction()) return;
        if (const char* button = Encounter(top->ClassName())) {
            Press(*top, button);
            return;
        }
        if (top->ClassName() == "TForm51" && leaveIllegalLoot && top->Find("Panel5")->visible) {
            Press(*top, "SpeedButton4");
            return;
        }
        static const std::map<std::string, std::string> kAnswer = {
            {"TMessage1", "SpeedButton3"},      {"TMessage2", "SpeedButton3"},
            {"TMessage3", "SpeedButton2"},      {"TMessage4", "SpeedButton1"},
            {"TMessage5", "SpeedButton2"},      {"TMessage6", "SpeedButton3"},
            {"Texp1_message1", "SpeedButton1"}, {"Texp1_Message2", "SpeedButton3"},
            {"TForm49", "SpeedButton1"},        {"TForm60", "SpeedButton7"},
            {"TForm43", "SpeedButton1"},        {"TForm57", "SpeedButton1"},
            {"TForm39", "SpeedButton1"},        {"TForm38", "SpeedButton11"},
            {"TForm42", "SpeedButton2"},        {"TForm45", "SpeedButton15"},
            {"TForm51", "SpeedButton3"},        {"TMessage7", "SpeedButton1"},
            {"TForm47", "SpeedButton1"},        {"TForm30", "SpeedButton2"},
            {"TForm32", "SpeedButton3"},        {"TForm50", "SpeedButton2"},
        };
        auto it = kAnswer.find(top->ClassName());
        if (it != kAnswer.end()) {
            Press(*top, it->second);
        } else if (answerEveryScreen) {
            AnswerAnyhow(*top);
        } else {
            HeadlessBackend::Pump(app);
        }
    }
    std::map<std::string, int> answered;  // notices closed, by screen class
    std::vector<ui::Snapshot> seen;       // what each answered screen showed
    std::vector<std::string> pressed;     // "screen.button" of each answer

  private:
    // The approach: closer while the ship is unknown; then battle with a ship no larger than
    // the own, a word with the own side, else away. The fight: fire while a loaded action
    // is chosen, at close range, else end the turn; a long fight is fled.
    static const char* Encounter(const std::string& screen) {
        if (screen == "TForm15") {
            if (EncounterStage < 3) return "SpeedButton1";
            const ui::Form* approach = ui::App().FindForm("TForm15");
            if (approach->Find("SpeedButton3")->enabled) return "SpeedButton3";
            const bool smaller = ShipRecord(0, 1)[Ship::SizeClass] <= PlayerShip()[Ship::SizeClass];
            return smaller && approach->Find("SpeedButton1")->enabled ? "SpeedButton1"
                                                                      : "SpeedButton2";
        }
        if (screen != "TForm14") return nullptr;
        const GameRecord& own = ShipRecord(G().CurrentFleet, 1);
        if (CombatTurnCount >= 60 && own[Ship::ActionPointsLeft] >= 10) return "SpeedButton1";
        if (own[Ship::CombatRange] != 1) return "SpeedButton3";  // close in: every gun reaches
        const bool enabled = ui::App().FindForm("TForm14")->Find("SpeedButton4")->enabled;
        return enabled && WorthFiring() ? "SpeedButton4" : "SpeedButton5";
    }
    // The action to fire: the first loaded, affordable gun, else launcher, else mine; ECM and
    // boarding are left alone. Chosen in the list when it is not chosen yet.
    static bool ChooseLoadedAction() {
        const CombatSession& s = Combat();
        const GameState& g = G();
        const GameRecord& own = ShipRecord(g.CurrentFleet, 1);
        auto rank = [&](int position) {
            const GameRecord& slot = SlotRecord(g.CurrentFleet, 1, s.slotAt[position]);
            const GameRecord& item = EquipmentType(slot[Slot::EquipmentId]);
            if (slot[Slot::Loaded] <= 0 ||
                own[Ship::ActionPointsLeft] < item[Equipment::ActionPoints])
                return 0;
            switch (item[Equipment::Kind]) {
                case 1:
                case 4:
                case 11:
                case 21:
                case 23:
                case 24:
                    return 3;
                case 2:
                case 16:
                    return 2;
                case 25:
                case 26:
                    return 1;
                default:
                    return 0;
            }
        };
        int best = 0;
        for (int position = 1; position <= s.actionCount; ++position)
            if (rank(position) > (best ? rank(best) : 0)) best = position;
        if (best == 0 || best == s.selected) return false;
        ui::Form& screen = *ui::App().FindForm("TForm14");
        ui::ClickRow(screen, *screen.Find("ComboBox1"), best - 1);
        return true;
    }
    static bool WorthFiring() {
        const CombatSession& s = Combat();
        if (s.selected < 1) return false;
        const GameState& g = G();
        const GameRecord& own = ShipRecord(g.CurrentFleet, 1);
        const GameRecord& slot = SlotRecord(g.CurrentFleet, 1, s.slotAt[s.selected]);
        const GameRecord& item = EquipmentType(slot[Slot::EquipmentId]);
        const int kind = item[Equipment::Kind];
        const bool weapon = kind == 1 || kind == 2 || kind == 4 || kind == 11 || kind == 16 ||
                            kind == 21 || kind == 23 || kind == 24 || kind == 25 || kind == 26;
        return weapon && slot[Slot::Loaded] > 0 &&
               own[Ship::ActionPointsLeft] >= item[Equipment::ActionPoints];
    }
    void AnswerAnyhow(ui::Form& top) {
        // A screen that stays up through many answers would hold the run for ever.
        if (&top != anyhowForm_ || top.ShowCount() != anyhowShow_) anyhowTries_ = 0;
        anyhowForm_ = &top;
        anyhowShow_ = top.ShowCount();
        if (++anyhowTries_ > 100) throw ui::ScriptError(top.ClassName() + " cannot be answered");
        // The last usable button a click reaches: one under another component takes none.
        const ui::Component* last = nullptr;
        for (const auto& c : top.Components()) {
            if ((c->kind() != ui::Kind::SpeedButton && c->kind() != ui::Kind::Button) ||
                !c->Showing() || !c->Usable() || !c->OnClick)
                continue;
            const ui::Rect r = c->ScreenRect();
            const int x = top.OriginX() + r.x + c->width / 2,
                      y = top.OriginY() + r.y + c->height / 2;
            if (ui::App().HitTest(top, x, y) == c.get()) last = c.get();
        }
        if (last) {
            Press(top, last->Name());
            return;
        }
        ++answered[top.ClassName()];
        top.Close();
    }
    const ui::Form* anyhowForm_ = nullptr;
    int anyhowShow_ = 0;
    int anyhowTries_ = 0;

    void Press(ui::Form& top, const std::string& name) {
        ++answered[top.ClassName()];
        if (record) {
            seen.push_back(ui::TakeSnapshot(top));
            pressed.push_back(top.ClassName() + "." + name);
        }
        ui::Component* button = top.Find(name);
        if (!button || !button->OnClick)
            throw ui::ScriptError(top.ClassName() + " cannot be answered");
        ui::ClickMiddle(top, *button);
    }
};

// Puts the answering player in place of the scripted one until it goes out of scope; the
// scripted player that follows starts afresh, writing its screens where the old one did.
class UseAnsweringBackend {
  public:
    explicit UseAnsweringBackend(std::string screenDir = {}) : screenDir_(std::move(screenDir)) {
        auto backend = std::make_unique<AnsweringBackend>();
        backend_ = backend.get();
        ui::App().SetBackend(std::move(backend));
    }
    ~UseAnsweringBackend() {
        ui::App().SetBackend(std::make_unique<ui::HeadlessBackend>());
        ui::UseHeadless().SetScreenDir(screenDir_);
    }
    UseAnsweringBackend(const UseAnsweringBackend&) = delete;
    UseAnsweringBackend& operator=(const UseAnsweringBackend&) = delete;
    AnsweringBackend& backend() { return *backend_; }

  private:
    std::string screenDir_;
    AnsweringBackend* backend_;
};

}  // namespace corvanth::test
