// The 37 steps of the tutorial: the table, the show and advance routines, and the four steps
// that prepare the game for the next lesson.
#include <array>

#include "state/UMessage1.h"
#include "state/market.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "tutorial/Tutorial.h"
#include "tutorial/Tutorial_engine.h"
#include "ui/application.h"

namespace corvanth {

namespace {

constexpr const char* kRight = "Tutorialr.jpg";
constexpr const char* kLeft = "Tutoriall.jpg";
constexpr const char* kUp = "Tutorialu.jpg";
constexpr const char* kPanel = "TutorialPanel";

using P = TutorialPoint;

// Where each panel stands is chosen so that it never hides what the step asks for, nor the hand,
// nor a picture or a filled list row of its screen; where the screen has no such place, it stands
// where it hides the least of them.
const std::array<TutorialStepRow, kTutorialSteps + 1> kRows = {{
    {},
    {"TForm1", "Follow the tutorial hand!", "TutorialForm1Step1.txt", kRight, kPanel, std::nullopt,
     "SpeedButton1"},
    {"TForm4", "Step 2: How to choose a name", "TutorialForm4Step2.txt", kLeft, kPanel, P{302, 514},
     "Edit1"},
    {"TForm4", "Follow the tutorial hand!", "TutorialForm4Step3.txt", kRight, kPanel, P{302, 514},
     "SpeedButton4"},
    {"TForm2", nullptr, nullptr, nullptr, "TutorialPanel2", P{528, 262}, "SpeedButton19"},
    {"TForm2", nullptr, nullptr, nullptr, "TutorialPanel3", P{528, 262}, "SpeedButton18"},
    {"TForm2", "Step 6: Open trading menu", "TutorialForm2Step6.txt", kRight, kPanel, P{516, 0},
     "SpeedButton11"},
    {"TForm2", "Step 7: Select a good", "TutorialForm2Step7.txt", kRight, kPanel, P{516, 0},
     "ListBox1", 0, 2},
    {"TForm2", "Step 8: Buying", "TutorialForm2Step8.txt", kRight, kPanel, P{516, 0},
     "SpeedButton7"},
    {"TForm2", "Step 9: Fly to Sargoth", "TutorialForm2Step9.txt", kLeft, kPanel, P{516, 0},
     nullptr, 4},
    {"TForm2", "Step 10: Selling", "TutorialForm2Step10.txt", kRight, kPanel, P{516, 0},
     "SpeedButton9"},
    {"TForm2", "Step 11: Closing", "TutorialForm2Step11.txt", kRight, kPanel, P{516, 0},
     "SpeedButton10"},
    {"TForm2", "Step 12: Docking", "TutorialForm2Step12.txt", kRight, kPanel, P{770, 396},
     "SpeedButton2"},
    {"TForm3", "Step 13: Visit the bank", "TutorialForm3Step13.txt", kUp, kPanel, P{0, 502},
     "SpeedButton2"},
    {"TForm9", "Step 14: Return", "TutorialForm9Step14.txt", kRight, kPanel, P{16, 310},
     "SpeedButton5"},
    {"TForm3", "Step 15: Buy ships", "TutorialForm3Step15.txt", kUp, kPanel, P{0, 502},
     "SpeedButton3"},
    {"TForm17", "Step 16: Close", "TutorialForm17Step16.txt", kRight, kPanel, P{226, 116},
     "SpeedButton2"},
    {"TForm3", "Step 17: Equipment", "TutorialForm3Step17.txt", kUp, kPanel, P{0, 502},
     "SpeedButton5"},
    {"TForm18", "Step 18: Buy a new missile", "TutorialForm18Step18.txt", kRight, kPanel,
     P{110, 480}, "ListBox1", 0, 1},
    {"TForm18", "Step 19: Buy a Brute", "TutorialForm18Step19.txt", kRight, kPanel, P{110, 480},
     "ListBox2", 0, 1},
    {"TForm18", "Step 18: Close", "TutorialForm18Step18.txt", kRight, kPanel, P{110, 480},
     "SpeedButton6"},
    {"TForm3", "Step 21: Governor", "TutorialForm3Step21.txt", kUp, kPanel, P{0, 502},
     "SpeedButton7"},
    {"TForm27", "Step 22: Governor", "TutorialForm27Step22.txt", kRight, kPanel, P{480, 376},
     "SpeedButton4"},
    {"TForm8", "Step 23: Select a mission", "TutorialForm8Step23.txt", kLeft, kPanel, P{308, 242},
     "ListBox1", 0, 3},
    {"TForm8", "Step 24: Select a mission", "TutorialForm8Step24.txt", kLeft, kPanel, P{308, 242},
     "SpeedButton1"},
    {"TForm27", "Step 25: Governor", "TutorialForm27Step25.txt", kRight, kPanel, P{480, 376},
     "SpeedButton2"},
    {"TForm3", "Step 26: Start", "TutorialForm3Step26.txt", kUp, kPanel, P{0, 502}, "SpeedButton4"},
    {"TForm2", "Step 27: Mission info", "TutorialForm2Step27.txt", kRight, kPanel, P{770, 396},
     "SpeedButton6"},
    {"TForm2", "Step 28: Objectives", "TutorialForm2Step28.txt", kLeft, kPanel, P{770, 396},
     nullptr, 6},
    {"TForm20", nullptr, nullptr, kUp, nullptr, std::nullopt, "SpeedButton1"},
    {"TForm14", nullptr, "TutorialForm14Step30.txt", kUp, kPanel, P{374, 0}, "SpeedButton6"},
    {"TForm14", nullptr, "TutorialForm14Step31.txt", kUp, kPanel, P{374, 0}, "ComboBox1"},
    {"TForm14", nullptr, "TutorialForm14Step32.txt", kUp, kPanel, P{374, 0}, "SpeedButton5"},
    {"TForm14", nullptr, "TutorialForm14Step33.txt", kUp, kPanel, P{374, 0}, "ComboBox1"},
    {"TForm14", nullptr, "TutorialForm14Step34.txt", kUp, kPanel, P{374, 0}, "ComboBox1"},
    {"TForm14", nullptr, "TutorialForm14Step35.txt", kUp, kPanel, P{374, 0}, "SpeedButton5"},
    {"TForm2", "Step 28: Objectives", "TutorialForm2Step36.txt", kLeft, kPanel, P{770, 396},
     "SpeedButton12"},
    {"TForm28", "Step 28: Objectives", "TutorialForm28Step37.txt", kUp, kPanel, P{20, 402},
     "SpeedButton4"},
}};

// The lesson's prices: cheap firearms here, dear ones at Sargoth.
constexpr int kFirearms = 3;
constexpr int kCheapAt = 1, kCheapPrice = 30;
constexpr int kDearAt = 4, kDearPrice = 80;
constexpr int kLessonPlanet = 5;  // what the planet panel shows after the two fixed panels

constexpr int kBruteMissile = 27;

// The tutorial's mission: an Ambush for the Federation against the Outer Rim Alliance at
// location 6, the easiest there is.
constexpr int kObjective = 6;
constexpr int kOpponent = FactionId::OuterRimAlliance;

void Advance(int by = 1) {
    TutorialStep += by;
    ShowCurrentTutorialStep();
}

// The price of the lesson and the drift that holds it: the turn sets price := base + drift, so
// the drift carries the lesson through the days of the trip, within the band of a day's drift.
void SetLessonPrice(int location, int price) {
    if (!ValidLocation(location)) return;
    GameRecord& market = MarketRecord(FleetSystem(), location, kFirearms);
    market[Market::Price] = price;
    market[Market::Drift] = price - market[Market::BasePrice];
    KeepPriceInBand(market);
}

void WriteTutorialOffer() {
    GameRecord& offer = G().MissionOffers[kTutorialOffer];
    offer.fill(0);
    const int d = 1;
    offer[Mission::Status] = 1;
    offer[Mission::Kind] = MissionKind::Ambush;
    offer[Mission::Client] = FactionId::Federation;
    offer[Mission::Scope] = 1;
    offer[Mission::Difficulty] = d;
    offer[Mission::Opponent] = kOpponent;
    offer[Mission::ObjectiveBase + 1] = kObjective;
    offer[Mission::TargetSystem] = FleetSystem();
    offer[Mission::RequiredRank] = 1;
    offer[Mission::ReputationReward] = 24 * d;
    offer[Mission::FameReward] = 9 * d;
    offer[Mission::Reward] = (Random(1300) + 750) * d * 3;
}

}  // namespace

const TutorialStepRow* TutorialRow(int step) {
    return step >= 1 && step <= kTutorialSteps ? &kRows[step] : nullptr;
}

void ShowTutorialStep1() {
    ShowTutorialRow(1);
}
void ShowTutorialStep2() {
    SetTutorialFactionButtons(false);
    ShowTutorialRow(2);
}
void ShowTutorialStep3() {
    ShowTutorialRow(3);
}
void ShowTutorialStep4() {
    ShowTutorialRow(4);
}
void ShowTutorialStep5() {
    ShowTutorialRow(5);
}
void ShowTutorialStep6() {
    ShowTutorialRow(6);
}
void ShowTutorialStep7() {
    ShowTutorialRow(7);
}
void ShowTutorialStep8() {
    ShowTutorialRow(8);
}
void ShowTutorialStep9() {
    ShowTutorialRow(9);
}
void ShowTutorialStep10() {
    ShowTutorialRow(10);
}
void ShowTutorialStep11() {
    ShowTutorialRow(11);
}
void ShowTutorialStep12() {
    ShowTutorialRow(12);
}
void ShowTutorialStep13() {
    ShowTutorialRow(13);
}
void ShowTutorialStep14() {
    ShowTutorialRow(14);
}
void ShowTutorialStep15() {
    ShowTutorialRow(15);
}
void ShowTutorialStep16() {
    ShowTutorialRow(16);
}
void ShowTutorialStep17() {
    ShowTutorialRow(17);
}
void ShowTutorialStep18() {
    ShowTutorialRow(18);
}
void ShowTutorialStep19() {
    ShowTutorialRow(19);
}
void ShowTutorialStep20() {
    ShowTutorialRow(20);
}
void ShowTutorialStep21() {
    ShowTutorialRow(21);
}
void ShowTutorialStep22() {
    ShowTutorialRow(22);
}
void ShowTutorialStep23() {
    ShowTutorialRow(23);
}
void ShowTutorialStep24() {
    ShowTutorialRow(24);
}
void ShowTutorialStep25() {
    ShowTutorialRow(25);
}
void ShowTutorialStep26() {
    ShowTutorialRow(26);
}
void ShowTutorialStep27() {
    ShowTutorialRow(27);
}
void ShowTutorialStep28() {
    ShowTutorialRow(28);
}
void ShowTutorialStep29() {
    ShowTutorialRow(29);
    // The encounter screen has no panel to speak for it: its hand shows at once.
    if (ui::Form* screen = ui::App().FindForm("TForm20"))
        if (ui::Component* hand = screen->Find("TutorialHand")) hand->visible = true;
}
void ShowTutorialStep30() {
    ShowTutorialRow(30);
}
void ShowTutorialStep31() {
    ShowTutorialRow(31);
}
void ShowTutorialStep32() {
    ShowTutorialRow(32);
}
void ShowTutorialStep33() {
    ShowTutorialRow(33);
}
void ShowTutorialStep34() {
    ShowTutorialRow(34);
}
void ShowTutorialStep35() {
    ShowTutorialRow(35);
}
void ShowTutorialStep36() {
    ShowTutorialRow(36);
}
void ShowTutorialStep37() {
    ShowTutorialRow(37);
}

void AdvanceTutorialStep1() {
    Advance();
}
void AdvanceTutorialStep2() {
    Advance();
}
void AdvanceTutorialStep3() {
    SetTutorialFactionButtons(true);
    Advance();
}
void AdvanceTutorialStep4() {
    SetLessonPrice(kCheapAt, kCheapPrice);
    SetLessonPrice(kDearAt, kDearPrice);
    Advance();
    G().SelectedPlanet = kLessonPlanet;
    GameUpcalls().RefreshPlanetPanel();
}
void AdvanceTutorialStep5() {
    Advance();
}
void AdvanceTutorialStep6() {
    Advance();
}
void AdvanceTutorialStep7() {
    Advance();
}
void AdvanceTutorialStep8() {
    Advance();
}
void AdvanceTutorialStep9() {
    Advance();
}
void AdvanceTutorialStep10() {
    Advance();
}
void AdvanceTutorialStep11() {
    Advance();
}
void AdvanceTutorialStep12() {
    Advance();
}
void AdvanceTutorialStep13() {
    Advance();
}
void AdvanceTutorialStep14() {
    Advance();
}
void AdvanceTutorialStep15() {
    Advance();
}
void AdvanceTutorialStep16() {
    Advance();
}
void AdvanceTutorialStep17() {
    int32_t& money = Captain()[Player::Money];
    const int32_t price = EquipmentType(kBruteMissile)[Equipment::Price];
    if (money < price) {
        money = price;
        ShowMessage1("Tutorial bonus: To be able to buy a Brute missile you get some money.");
    }
    Advance();
}
void AdvanceTutorialStep18() {
    Advance();
}
void AdvanceTutorialStep19() {
    Advance();
}
void AdvanceTutorialStep20() {
    Advance();
}
void AdvanceTutorialStep21() {
    // Relations go both ways, and prices follow them.
    const int own = CaptainFaction();
    // A game loaded during the tour may be the enemy's own: no war with oneself.
    if (own != kOpponent) {
        FactionRecord(own)[Faction::RelationBase + kOpponent] = 2;
        FactionRecord(kOpponent)[Faction::RelationBase + own] = 2;
        UpdateMarketPrices();
    }
    GameUpcalls().GenerateMissionOffers();
    WriteTutorialOffer();
    Advance();
}
void AdvanceTutorialStep22() {
    Advance();
}
void AdvanceTutorialStep23() {
    Advance();
}
void AdvanceTutorialStep24() {
    Advance(2);
}
void AdvanceTutorialStep25() {
    Advance();
}
void AdvanceTutorialStep26() {
    Advance();
}
void AdvanceTutorialStep27() {
    Advance();
}
void AdvanceTutorialStep28() {
    Advance();
}
void AdvanceTutorialStep29() {
    Advance();
}
void AdvanceTutorialStep30() {
    Advance();
}
void AdvanceTutorialStep31() {
    Advance();
}
void AdvanceTutorialStep32() {
    Advance();
}
void AdvanceTutorialStep33() {
    Advance();
}
void AdvanceTutorialStep34() {
    Advance();
}
void AdvanceTutorialStep35() {
    Advance();
}
void AdvanceTutorialStep36() {
    Advance();
}

}  // namespace corvanth
