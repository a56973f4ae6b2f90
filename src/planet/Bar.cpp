// The bar hub: the drinking screens, crew pay and hiring, and retirement.
#include "planet/Bar.h"

#include <string>

#include "planet/Bar2.h"
#include "planet/Bar3.h"
#include "planet/Crew2.h"
#include "planet/CrewPay.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/exp1_UMessage2.h"
#include "state/fortune.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/upcalls.h"

namespace corvanth {

ui::Screen<TForm21> Form21{"TForm21"};

namespace {

constexpr int kTortuga = 11;
constexpr int kContestStep = 7;
constexpr int kSoberTurns = 25;
constexpr int kPanelLeft = 240;

}  // namespace

TForm21::TForm21() : ui::Form("TForm21") {
    Image2 = Bind<ui::Image>("Image2");
    Image1 = Bind<ui::Image>("Image1");
    Label1 = Bind<ui::Label>("Label1");
    Panel1 = Bind<ui::Panel>("Panel1");
    Panel4 = Bind<ui::Panel>("Panel4");
    Panel2 = Bind<ui::Panel>("Panel2");
    Panel5 = Bind<ui::Panel>("Panel5");
    Panel3 = Bind<ui::Panel>("Panel3");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
}

void TForm21::FormActivate() {
    Image1->LoadPicture("barr.jpg");
    const std::pair<ui::Panel*, int> panels[] = {
        {Panel1, 72}, {Panel4, 112}, {Panel2, 152}, {Panel5, 192}, {Panel3, 238}};
    for (const auto& [panel, top] : panels) {
        panel->left = kPanelLeft;
        panel->top = top;
    }
    SpeedButton1->visible = true;
}

bool DrinkingContestHere() {
    const GameRecord& story = CaptainFactionRecord();
    return CaptainFaction() > 0 && story[Faction::SenatorLetterReceived] == 1 &&
           story[Faction::SenatorMet] == 1 && story[Faction::StoryStep] == kContestStep &&
           FleetSystem() == kTortuga && FleetLocation() == 1;
}

void GrowDrinkingTolerance() {
    GameRecord& captain = Captain();
    int32_t& tolerance = captain[Player::DrinkingTolerance];
    const bool alot = captain[Player::Drunkenness] >= tolerance;
    ShowStoryLine(std::string("Your skills and abilities as a drunkard increase ") +
                      (alot ? "a lot" : "a bit") + " (" + std::to_string(tolerance) +
                      "% now). You will be able to manage more alcohol next time.",
                  "barr.jpg");
    tolerance = CapValue(int64_t(tolerance) + (alot ? 10 + Random(10) : 5 + Random(5)));
    if (tolerance <= 100) captain[Player::DrinkingAllowedTurn] = G().TurnNumber + kSoberTurns;
}

void TForm21::SpeedButton1Click() {
    GameRecord& captain = Captain();
    if (captain[Player::DrinkingAllowedTurn] > G().TurnNumber) {
        ShowMessage1("If you get drunk too often everyone will consider you a drunkard...");
        return;
    }
    if (DrinkingContestHere()) {
        PlayReward1Sound();
        ShowStoryLine(
            "It just takes a couple of drinks until you get the bartender to give you a "
            "hint on who you should talk to.",
            "bartender.jpg");
        ShowStoryLine(
            "\"Har! If you landlubber want me to talk to you, you first need to prove you "
            "are a real pirate! Come and have a drink, whoever drops first has lost.\"",
            "pirate1.jpg");
        captain[Player::Drunkenness] = 0;
        captain[Player::OpponentDrunkenness] = 0;
        PlayButtonSound();
        UpdateDrinkingGameMeters();
        Form68->ShowModal();
    } else {
        captain[Player::Drunkenness] = 0;
        PlayButtonSound();
        UpdateDrunkMeter();
        Form67->ShowModal();
    }
    GrowDrinkingTolerance();
}

void TForm21::SpeedButton2Click() {
    GameRecord& captain = Captain();
    const GameRecord& ship = PlayerShip();
    const int64_t crew = CrewSum(ShipCrew());
    if (crew == 0) {
        // A crewless captain starts a new pay period.
        captain[Player::LastPayTurn] = G().TurnNumber;
        captain[Player::NetWorthAtLastPay] = CalcFortune();
    }
    PlayButtonSound();
    if (captain[Player::LastPayTurn] != G().TurnNumber) {
        ShowMessage1("Your crew demands to be paid before you hire or dismiss crewmen!");
        return;
    }
    // Crew left aboard a class that takes none must still be dismissable.
    if (ship[Ship::CrewMin] != 0 || crew > 0) {
        PrepareCrewForm();
        RefreshCrewForm();
        Form24->ShowModal();
        return;
    }
    ShowMessage1("Your ship is too small for hiring crewmen!");
}

void TForm21::SpeedButton4Click() {
    PlayButtonSound();
    if (CrewSum(ShipCrew()) == 0) {
        ShowMessage1("You have no crew!");
        return;
    }
    RefreshCrewPay();
    Form25->ShowModal();
}

void TForm21::SpeedButton5Click() {
    PlayButtonSound();
    if (AskYesNo("Do you really wish to retire and quit the game?")) GameUpcalls().RetireAndScore();
}

void TForm21::SpeedButton3Click() {
    PlayButtonSound();
    Close();
}

}  // namespace corvanth
