// The main menu and the start of a new game.
#include "shell/start.h"

#include "career/Promotion.h"
#include "shell/SaveLoad.h"
#include "shell/credits.h"
#include "shell/highscore.h"
#include "shell/name.h"
#include "shell/retire.h"
#include "state/Module1.h"
#include "state/Sound.h"
#include "state/fortune.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/variables.h"
#include "travel/NextTurnUnit.h"
#include "travel/UEvents.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm1> Form1{"TForm1"};

namespace {

// Where a captain of each faction starts, and how the faction first regards the captain.
struct FactionStart {
    int reputation;
    int homeSystem;
    int shipType;
};
constexpr FactionStart kFactionStarts[] = {
    {50, 4, 3},    // Federation
    {10, 15, 2},   // Outer Rim Alliance
    {10, 24, 1},   // Syndicate
    {100, 25, 1},  // Coalition
};

constexpr int kStartLocation = 1;
constexpr int kTurnsToFirstCrewPay = 200;

}  // namespace

TForm1::TForm1() : ui::Form("TForm1") {
    Image8 = Bind<ui::Image>("Image8");
    Image2 = Bind<ui::Image>("Image2");
    Image1 = Bind<ui::Image>("Image1");
    Image3 = Bind<ui::Image>("Image3");
    Image6 = Bind<ui::Image>("Image6");
    Image4 = Bind<ui::Image>("Image4");
    Image7 = Bind<ui::Image>("Image7");
    Image5 = Bind<ui::Image>("Image5");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton13 = Bind<ui::SpeedButton>("SpeedButton13");
    SpeedButton15 = Bind<ui::SpeedButton>("SpeedButton15");
    SpeedButton9 = Bind<ui::SpeedButton>("SpeedButton9");
    SpeedButton12 = Bind<ui::SpeedButton>("SpeedButton12");
    SpeedButton7 = Bind<ui::SpeedButton>("SpeedButton7");
    TutorialPanel = Bind<ui::Panel>("TutorialPanel");
    TutorialHeadline = Bind<ui::Label>("TutorialHeadline");
    TutorialMemo = Bind<ui::Memo>("TutorialMemo");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    TutorialHand = Bind<ui::Panel>("TutorialHand");
    TutorialHandPicture = Bind<ui::Image>("TutorialHandPicture");
    TutorialTimer = Bind<ui::Timer>("TutorialTimer");
    MediaPlayer1 = Bind<ui::MediaPlayer>("MediaPlayer1");
    MediaPlayer2 = Bind<ui::MediaPlayer>("MediaPlayer2");
    MediaPlayer3 = Bind<ui::MediaPlayer>("MediaPlayer3");
    MediaPlayer4 = Bind<ui::MediaPlayer>("MediaPlayer4");
    SoundTimer1 = Bind<ui::Timer>("SoundTimer1");
    AttachSoundPlayers({MediaPlayer1, MediaPlayer2, MediaPlayer3, MediaPlayer4, SoundTimer1});

    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton13->OnClick = [this] { SpeedButton13Click(); };
    SpeedButton15->OnClick = [this] { SpeedButton15Click(); };
    SpeedButton9->OnClick = [this] { SpeedButton9Click(); };
    SpeedButton12->OnClick = [this] { SpeedButton12Click(); };
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    Image2->OnClick = [this] { Image2Click(); };
    SoundTimer1->OnTimer = [this] { SoundTimer1Timer(); };
    TutorialTimer->OnTimer = [this] { TutorialTimerTimer(); };
}

void SetupMainMenuPictures() {
    Form1->Image2->LoadPicture("exp1_logo.jpg");
    Form1->Image1->LoadPicture("city11.jpg");
    Form1->Image3->LoadPicture("exp1_ship20.jpg");
    Form1->Image6->LoadPicture("asteroidsbigpic.jpg");
    Form1->Image4->LoadPicture("exp1_fedgirl2.jpg");
    Form1->Image7->LoadPicture("jungle3r.jpg");
    Form1->Image5->LoadPicture("chit.jpg");
}

void ApplyNewGameStart() {
    GameState& g = G();
    const int faction = Captain()[Player::Faction];
    // The new-captain screen only offers 1..4; anything else keeps the set-up's values.
    if (!PlayableFaction(faction)) return;
    const FactionStart& start = kFactionStarts[faction - 1];

    GameRecord& standing = g.Factions[faction];
    standing[Faction::Reputation] = start.reputation;
    standing[Faction::Rank] = 1;
    standing[Faction::CampaignRibbons] = 1;
    standing[Faction::NextFameThreshold] = 0;
    standing[Faction::NextReputationThreshold] = 0;
    standing[Faction::AwardStep] = 0;
    standing[Faction::SilverStar] = 0;
    standing[Faction::GoldStar] = 0;
    standing[Faction::MedalOfHonour] = 0;

    const int fleet = g.CurrentFleet, ship = g.CurrentShip;
    GameRecord& own = g.Fleets[fleet];
    own[Fleet::System] = start.homeSystem;
    own[Fleet::Location] = kStartLocation;
    own[Fleet::CrewPayCountdown] = kTurnsToFirstCrewPay;

    // The class loader fills the template; the captain's ship is a copy of it.
    LoadShipType(start.shipType);
    g.ShipClassNames[fleet][ship] = g.ShipClassNames[kTemplateFleet][kTemplateShip];
    for (int f = kFirstField; f <= kLastField; ++f)
        g.Ships[fleet][ship][f] = g.Ships[kTemplateFleet][kTemplateShip][f];
    for (int slot = Slot::First; slot <= Slot::Last; ++slot)
        for (int f = kFirstField; f <= kLastField; ++f)
            g.ShipEquipment[fleet][ship][slot][f] =
                g.ShipEquipment[kTemplateFleet][kTemplateShip][slot][f];
    g.ShipDescriptions[fleet][ship] = g.ShipDescriptions[kTemplateFleet][kTemplateShip];
    RecalcShipStats(fleet, ship, 0, 0);

    // The set-up valued a captain with no money and no ship yet: value the real start.
    const int32_t worth = CalcFortune();
    Captain()[Player::NetWorthAtLastPay] = worth;
    Captain()[Player::StartNetWorth] = worth;

    g.TurnNumber = 0;
    CheckPromotion();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s)
        if (g.StarSystems[s][StarSystem::Exists] > 0) SpawnSpaceEvent(s, 0, 0);
}

void SetupTravelScreen() {
    CloseMissionBox();
    RefreshStatusPanel();
}

void TForm1::SpeedButton1Click() {
    if (TutorialStep > 0) {
        // A tutorial left behind by an abandoned game starts over with this one.
        TutorialStep = 1;
        AdvanceTutorialStep1();
    }
    PlayButtonSound();
    InitGameData();
    ClearGameEnded();
    TravelScreenMayClose = 0;
    // The new-captain screen covers the whole menu, which waits below it.
    RefreshNewCaptainForm();
    Form4->ShowModal();
    ApplyNewGameStart();
    SetupTravelScreen();
    Form2->ShowModal();
}

void TForm1::SpeedButton13Click() {
    PlayButtonSound();
    StartTutorial();
}

void TForm1::SpeedButton15Click() {
    PlayButtonSound();
    // What a save does not hold keeps its new-game value.
    InitGameData();
    GameState& g = G();
    g.Players[1][Player::GameRunning] = 0;
    RefreshSaveLoadForm();
    Form37->ShowModal();
    if (!GameRunning()) return;

    PlayButtonSound();
    ClearGameEnded();
    g.NoEncounterThisTurn = 1;
    NextTurn();
    g.NoEncounterThisTurn = 0;
    TravelScreenMayClose = 0;
    g.SelectedPlanet = FleetLocation();
    SetupTravelScreen();
    RefreshTravelScreen();
    Form2->ShowModal();
}

void TForm1::SpeedButton9Click() {
    PlayButtonSound();
    LoadHighscores();
    // The list shows the catalogue's faction pictures, which the new-game set-up lays out.
    InitGameData();
    ShowHighscores();
    ClearHighscoreHighlight();
    Form38->ShowModal();
}

void TForm1::SpeedButton12Click() {
    PlayButtonSound();
    RefreshCreditsForm();
    Form31->ShowModal();
}

void TForm1::SpeedButton7Click() {
    PlayButtonSound();
    Close();
}

void TForm1::SpeedButton2Click() {
    PlayButtonSound();
    AskQuitTutorial();
}

void TForm1::Image2Click() {
    MediaPlayer1->Stop();
}

void TForm1::SoundTimer1Timer() {
    if (!G().ProtectedModeOn) PlayBackgroundMusic();
    // Re-armed in protected mode too: it just never plays.
    SoundTimer1->SetInterval(25000 + Random(25000));
}

void TForm1::TutorialTimerTimer() {
    TurnTutorialHand(*TutorialHand);
}

}  // namespace corvanth
