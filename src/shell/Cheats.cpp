// The tweak panel: cheats that bar the captain from the high scores, and five game tweaks.
#include "shell/Cheats.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/NextTurnUnit.h"
#include "travel/travel.h"

namespace corvanth {

ui::Screen<TForm40> Form40{"TForm40"};

namespace {

constexpr int kPromotionChecks = 100;
// A gain stops only at 32 bits, as every gain does; the next turn caps it. A loss keeps money and
// fame at nothing and the reputation at the cap below nothing.
constexpr int64_t kMost = std::numeric_limits<int32_t>::max();

// The boxes and the captain's fields they stand for, in order.
constexpr int kTweakFields[] = {Player::CheatNoAttacks, Player::CheatMoreEvents,
                                Player::CheatCombatLuck, Player::CheatFameBoost,
                                Player::CheatNoAgeing};

int32_t Clamp(int64_t value, int64_t low, int64_t high) {
    return static_cast<int32_t>(std::clamp(value, low, high));
}

}  // namespace

std::optional<int32_t> ParseCheatAmount(const std::string& text) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ') ++i;
    while (end > i && text[end - 1] == ' ') --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == end) return std::nullopt;
    int64_t value = 0;
    for (; i < end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

void CheatMoney(int32_t amount) {
    GameRecord& captain = Captain();
    captain[Player::CheatUsed] = 1;
    captain[Player::Money] = Clamp(int64_t{captain[Player::Money]} + amount, 0, kMost);
}

void CheatFameAndReputation(int32_t amount) {
    GameRecord& captain = Captain();
    captain[Player::CheatUsed] = 1;
    captain[Player::Fame] = Clamp(int64_t{captain[Player::Fame]} + amount, 0, kMost);
    int32_t& reputation = CaptainFactionRecord()[Faction::Reputation];
    reputation = Clamp(int64_t{reputation} + amount, -kValueCap, kMost);
}

void CheatTurns(int32_t amount) {
    Captain()[Player::CheatUsed] = 1;
    G().TurnNumber = Clamp(int64_t{G().TurnNumber} + amount, 0, kMaxCheatTurn);
}

TForm40::TForm40() : ui::Form("TForm40") {
    Image2 = Bind<ui::Image>("Image2");
    Image1 = Bind<ui::Image>("Image1");
    Edit1 = Bind<ui::Edit>("Edit1");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    CheckBox1 = Bind<ui::CheckBox>("CheckBox1");
    CheckBox2 = Bind<ui::CheckBox>("CheckBox2");
    CheckBox3 = Bind<ui::CheckBox>("CheckBox3");
    CheckBox4 = Bind<ui::CheckBox>("CheckBox4");
    CheckBox5 = Bind<ui::CheckBox>("CheckBox5");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    CheckBox1->OnClick = [this] { CheckBox1Click(); };
    CheckBox2->OnClick = [this] { CheckBox2Click(); };
    CheckBox3->OnClick = [this] { CheckBox3Click(); };
    CheckBox4->OnClick = [this] { CheckBox4Click(); };
    CheckBox5->OnClick = [this] { CheckBox5Click(); };
}

std::optional<int32_t> TForm40::ReadAmount() {
    const std::optional<int32_t> amount = ParseCheatAmount(Edit1->Text());
    if (!amount) ShowMessage1("Please enter a whole number.");
    return amount;
}

void TForm40::SpeedButton1Click() {
    PlayButtonSound();
    const std::optional<int32_t> amount = ReadAmount();
    if (!amount) return;
    CheatMoney(*amount);
    RefreshStatusPanel();
    ShowMessage1("CHEAT: You get " + FormatThousands(*amount) + "$C.");
}

void TForm40::SpeedButton2Click() {
    PlayButtonSound();
    const std::optional<int32_t> amount = ReadAmount();
    if (!amount) return;
    CheatFameAndReputation(*amount);
    RefreshStatusPanel();
    ShowMessage1("CHEAT: You gain fame and reputation.");
    for (int i = 0; i < kPromotionChecks; ++i) GameUpcalls().CheckPromotion();
}

void TForm40::SpeedButton3Click() {
    PlayButtonSound();
    const std::optional<int32_t> amount = ReadAmount();
    if (!amount) return;
    CheatTurns(*amount);
    RefreshTravelScreen();
    ShowMessage1("CHEAT: Time flows...");
    // A turn that ends the game unwinds from inside NextTurn: nothing here runs after it but
    // the flag's reset.
    struct QuietTurn {
        QuietTurn() { G().NoEncounterThisTurn = 1; }
        ~QuietTurn() { G().NoEncounterThisTurn = 0; }
    } quiet;
    NextTurn();
}

void TForm40::SpeedButton4Click() {
    PlayButtonSound();
    FormClose();
    Hide();
}

void TForm40::CheckBox1Click() {
    PlayButtonSound();
}
void TForm40::CheckBox2Click() {
    PlayButtonSound();
}
void TForm40::CheckBox3Click() {
    PlayButtonSound();
}
void TForm40::CheckBox4Click() {
    PlayButtonSound();
}
void TForm40::CheckBox5Click() {
    PlayButtonSound();
}

void TForm40::FormClose() {
    GameRecord& captain = Captain();
    const ui::CheckBox* boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5};
    for (int i = 0; i < 5; ++i) {
        if (boxes[i]->checked) captain[Player::CheatUsed] = 1;
        captain[kTweakFields[i]] = boxes[i]->checked ? 1 : 0;
    }
}

void RefreshCheatForm() {
    const GameRecord& captain = Captain();
    ui::CheckBox* boxes[] = {Form40->CheckBox1, Form40->CheckBox2, Form40->CheckBox3,
                             Form40->CheckBox4, Form40->CheckBox5};
    for (int i = 0; i < 5; ++i) boxes[i]->checked = captain[kTweakFields[i]] == 1;
}

}  // namespace corvanth
