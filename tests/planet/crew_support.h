// Shared set-up of the crew and bar tests: a Ferendar with a crew, notices answered and logged.
#pragma once

#include <string>
#include <vector>

#include "planet/CrewPay.h"
#include "shell/background.h"
#include "shell/start.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/UMessage6.h"
#include "state/exp1_UMessage2.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "support/game_test.h"
#include "travel/quiet_turns.h"

namespace corvanth::test {

inline constexpr int kFerendar = 5;  // crew 4..12

// The answering player that also keeps the text of every notice and talk line it closed.
class LoggingBackend : public AnsweringBackend {
  public:
    void Pump(ui::Application& app) override {
        ui::Form* top = app.Top();
        if (top && Player().Pending() == 0) {
            if (top == Message6) Note(Message6->Label1->caption, Message6->Image2->picture);
            if (top == exp1_Message2)
                Note(exp1_Message2->Label1->caption, exp1_Message2->Image2->picture);
            if (top == Message1) Note(Message1->Label1->caption, "");
            if (top == Message3) questions.push_back(Message3->Label1->caption);
            if (top == Message3 && sayYes) {
                ui::ClickMiddle(*top, *Message3->SpeedButton1);
                return;
            }
        }
        AnsweringBackend::Pump(app);
    }
    std::vector<std::string> notices;
    std::vector<std::string> pictures;   // beside each notice, "" for none
    std::vector<std::string> questions;  // of the yes/no dialog
    bool sayYes = false;                 // to the yes/no question

  private:
    void Note(const std::string& text, const std::string& picture) {
        notices.push_back(text);
        pictures.push_back(picture);
    }
};

class UseLoggingBackend {
  public:
    UseLoggingBackend() {
        auto b = std::make_unique<LoggingBackend>();
        backend_ = b.get();
        ui::App().SetBackend(std::move(b));
    }
    ~UseLoggingBackend() {
        ui::App().SetBackend(std::make_unique<ui::HeadlessBackend>());
        ui::UseHeadless().SetScreenDir("");
    }
    UseLoggingBackend(const UseLoggingBackend&) = delete;
    UseLoggingBackend& operator=(const UseLoggingBackend&) = delete;
    std::vector<std::string>& notices() { return backend_->notices; }
    std::vector<std::string>& pictures() { return backend_->pictures; }
    std::vector<std::string>& questions() { return backend_->questions; }
    void SayYes(bool yes) { backend_->sayYes = yes; }
    int answered(const std::string& screen) { return backend_->answered[screen]; }

  private:
    LoggingBackend* backend_;
};

class CrewTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        Rng().SetSeed(1919);
        GameUpcalls() = QuietUpcalls();
        GameUpcalls().CrewTurnStep = CrewTurnStep;
        ui::UseHeadless().SetScreenDir("");
        StartNewGame(FactionId::Federation, "Ira Vell");
        TutorialStep = 0;
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
        GameTest::TearDown();
    }
    // The Ferendar with this crew (officers, droids, mercenaries, adventurers, scoundrels).
    static void Crew(CrewCounts crew) {
        GameRecord& ship = G().Ships[1][1];
        ship[Ship::Class] = kFerendar;
        ship[Ship::CrewMin] = 4;
        ship[Ship::CrewMax] = 12;
        for (int k = 0; k < 5; ++k) ship[Ship::CrewOfficers + k] = crew[k];
    }
    static int32_t& Money() { return Captain()[Player::Money]; }
    static GameRecord& Fleet1() { return G().Fleets[1]; }
    static GameRecord& Ship1() { return G().Ships[1][1]; }
};

}  // namespace corvanth::test
