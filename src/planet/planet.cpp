// The planet screen: its services by the owner's standing, its turn and its way back to space.
#include "planet/planet.h"

#include <string>

#include "planet/Bar.h"
#include "planet/BuyEquipment.h"
#include "planet/BuyShips.h"
#include "planet/bank.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/exp1_UMessage1.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/NextTurnUnit.h"
#include "travel/NextTurnUnit_notices.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"
#include "ui/application.h"

namespace corvanth {

ui::Screen<TForm3> Form3{"TForm3"};

namespace {

constexpr int kArenaSystem = 24;
constexpr int kArenaLocation = 9;
constexpr const char* kArenaName = "Gameris";
constexpr const char kArenaScreen[] = "TForm61";

bool AtArena(int system, int location) {
    return system == kArenaSystem && location == kArenaLocation &&
           LocationName(system, location) == kArenaName;
}

// One turn on the planet: no encounter roll and no mission check.
void PlanetTurn() {
    G().NoEncounterThisTurn = 1;
    struct Clear {
        ~Clear() { G().NoEncounterThisTurn = 0; }
    } clear;
    NextTurn();
}

}  // namespace

PlanetScreenButtons PlanetScreenButtonsFor(int system, int location) {
    const int owner = LocationRecord(system, location)[Planet::Owner];
    const int own = CaptainFaction();
    // Owner 0 (nobody) has no record of its own: it is neither at peace nor at war with anyone.
    const GameRecord& o = owner >= FactionId::Federation ? FactionRecord(owner) : ScratchRecord();
    const int relation = own > 0 ? o[Faction::RelationBase + own] : 0;
    PlanetScreenButtons b;
    b.goBack = true;
    if (owner == own && own > 0)
        b.governor = b.bank = b.bar = b.ships = b.equipment = b.saveLoad = true;
    if (relation == 1) {
        b.governor = b.bar = b.ships = b.equipment = b.saveLoad = true;
        if (o[Faction::Reputation] < 0) {
            b.bank = b.bar = b.ships = b.equipment = b.saveLoad = false;
        }
        if (o[Faction::Surrendered] == 1) b.governor = false;
    }
    b.arena = AtArena(system, location);
    return b;
}

void RefreshPlanetScreen() {
    TForm3& form = *Form3;
    const int s = FleetSystem(), p = FleetLocation();
    const GameRecord& L = LocationRecord(s, p);
    form.Label1->caption = LocationName(s, p);
    form.Image1->LoadPicture(L[Planet::CityPicture] > 0
                                 ? GetCityPictureName(L[Planet::CityPicture])
                                 : GetPlanetPictureNameR(L[Planet::Picture]));
    const int owner = L[Planet::Owner];
    form.Label2->caption = "Faction: " + (owner >= 1 ? FactionName(owner) : std::string());

    // A service whose screen is not aboard has no handler: it is not offered.
    auto offer = [](ui::SpeedButton& button, bool on) { button.enabled = on && button.OnClick; };
    const PlanetScreenButtons b = PlanetScreenButtonsFor(s, p);
    offer(*form.SpeedButton7, b.governor);
    offer(*form.SpeedButton2, b.bank);
    offer(*form.SpeedButton1, b.bar && (!b.arena || ui::App().FindForm(kArenaScreen)));
    offer(*form.SpeedButton3, b.ships);
    offer(*form.SpeedButton5, b.equipment);
    offer(*form.SpeedButton6, b.saveLoad);
    offer(*form.SpeedButton4, b.goBack);
    form.SpeedButton1->caption = b.arena ? "Gameris tournament" : "Visit bar";
}

void CheckCrewOnDeparture() {
    ShowNoCrewNoticeOnce(
        "You do not have any crew, hire some men at the bar on the planet. Travel time "
        "multiplied by 4.");
}

TForm3::TForm3() : ui::Form("TForm3") {
    Image2 = Bind<ui::Image>("Image2");
    Image5 = Bind<ui::Image>("Image5");
    Image1 = Bind<ui::Image>("Image1");
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton6 = Bind<ui::SpeedButton>("SpeedButton6");
    SpeedButton7 = Bind<ui::SpeedButton>("SpeedButton7");
    SpeedButton8 = Bind<ui::SpeedButton>("SpeedButton8");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    TutorialPanel = Bind<ui::Panel>("TutorialPanel");
    Label13 = Bind<ui::Label>("Label13");
    TutorialHeadline = Bind<ui::Label>("TutorialHeadline");
    TutorialMemo = Bind<ui::Memo>("TutorialMemo");
    SpeedButton16 = Bind<ui::SpeedButton>("SpeedButton16");
    TutorialHand = Bind<ui::Panel>("TutorialHand");
    TutorialHandPicture = Bind<ui::Image>("TutorialHandPicture");
    TutorialTimer = Bind<ui::Timer>("TutorialTimer");

    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton8->OnClick = [this] { SpeedButton8Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton16->OnClick = [this] { SpeedButton16Click(); };
    TutorialTimer->OnTimer = [this] { TutorialTimerTimer(); };
}

void TForm3::SpeedButton6Click() {
    PlayButtonSound();
    GameUpcalls().ShowSaveLoad();
    PlayButtonSoundAgain();
    // A load that left no running game ends it: back to the main menu, without a turn and
    // without a score.
    if (!GameRunning()) GameUpcalls().EndGame();
    PlanetTurn();
    // A game loaded here shows where it was saved.
    G().SelectedPlanet = FleetLocation();
    RefreshPlanetScreen();
    RefreshTravelScreen();
}

void TForm3::SpeedButton7Click() {
    if (TutorialStep == 21) AdvanceTutorialStep21();
    PlayButtonSound();
    GameUpcalls().ShowGovernorScreen();
}

void TForm3::SpeedButton2Click() {
    if (TutorialStep == 13) AdvanceTutorialStep13();
    PlayButtonSound();
    RefreshBankForm();
    Form9->ShowModal();
    RefreshPlanetScreen();
}

void TForm3::SpeedButton3Click() {
    if (TutorialStep == 15) AdvanceTutorialStep15();
    PlayButtonSound();
    RefreshShipDealer();
    ShowShipOffer(1);
    Form17->ShowModal();
}

void TForm3::SpeedButton5Click() {
    if (TutorialStep == 17) AdvanceTutorialStep17();
    PlayButtonSound();
    OpenEquipmentDealer();
}

void TForm3::SpeedButton1Click() {
    PlayButtonSound();
    if (!PlanetScreenButtonsFor(FleetSystem(), FleetLocation()).arena) {
        Form21->ShowModal();
        return;
    }
    if (!ui::App().FindForm(kArenaScreen)) return;
    ShowStoryNotice(
        "Duelhold - The Game World", "barr.jpg",
        {"Welcome to Duelhold! On this world fearless gladiators fight and kill each other for "
         "the enjoyment and pleasure of the audience. It is here that you can make a fast "
         "buck...or die inside the narrow cold cockpit of a spacefighter.",
         "Alternatively you can just place bids and let other give their life for your fortune. "
         "It all depends - one more time - on your decision alone!",
         " ",
         "The arena has their own shops for ships and equipment. You can buy literally all "
         "fighters and fighter equipment available in the galaxy. Unfortunately the arena traders "
         "are the most expensive in the galaxy too..."});
    PlayGamesSound();
    GameUpcalls().ShowArenaScreen();
}

void TForm3::SpeedButton8Click() {
    PlayButtonSound();
    PlanetTurn();
    RefreshStatusPanel();
}

void TForm3::SpeedButton4Click() {
    if (TutorialStep == 26) AdvanceTutorialStep26();
    PlayButtonSound();
    CheckCrewOnDeparture();
    PlanetScreenMayClose = 1;
    Close();
}

void TForm3::SpeedButton16Click() {
    PlayButtonSound();
    AskQuitTutorial();
}

void TForm3::TutorialTimerTimer() {
    TurnTutorialHand(*TutorialHand);
}

void TForm3::FormActivate() {
    PlanetScreenMayClose = 0;
    SpeedButton8->enabled = true;
}

void TForm3::FormDeactivate() {
    SpeedButton8->enabled = false;
}

bool TForm3::CloseQuery() {
    if (PlanetScreenMayClose == 0) {
        ShowMessage1("Please exit the planet window by using the \"Go back to space\" button.");
        return false;
    }
    FormClose();
    return true;
}

void TForm3::FormClose() {
    RefreshStatusPanel();
}

}  // namespace corvanth
