// The planet raid: its defence waves, each fought through a ship battle, and what follows the
// last one.
#include "combat/AttackPlanet.h"

#include <algorithm>
#include <string>

#include "career/governor.h"
#include "career/missions.h"
#include "combat/Captured.h"
#include "combat/Encounter.h"
#include "combat/PlunderPlanet.h"
#include "combat/combat2.h"
#include "combat/combat2_parts.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/UMessage4.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/reputation.h"
#include "state/showing.h"
#include "state/tables.h"
#include "state/upcalls.h"

namespace corvanth {

ui::Screen<TForm33> Form33{"TForm33"};

namespace {

constexpr int kMostDefence = 5;
constexpr int kLargestShip = 5;
constexpr int kTreasurePrizeBase = 5000000;
constexpr int kTreasurePrizeSpread = 2500000;
constexpr int kTreasureFame = 20000;

bool AtPeaceWithOwner() {
    return AtPeace(CaptainFaction(), FleetLocationOwner());
}

void FailRaidMission() {
    if (RaidIsMissionObjective()) MissionFailed();
}

void CloseRaidScreen() {
    if (RaidShowing()) Form33->Close();
}

void CaptureTreasureFleet() {
    Captain()[Player::TreasureFleetSystem] = -1;
    const int prize = Random(kTreasurePrizeSpread) + kTreasurePrizeBase;
    PayCaptain(prize);
    ShowLongNotice(
        "Treasure fleet", "treasurefleet.jpg",
        {"You captured the treasure fleet! What a glorious victory! You and your crew "
         "literally swim in platinum. For plundering the cargo bays of the treasure fleet "
         "you get $C: " +
         FormatThousands(prize) + "."});
    ShowMessage1("Word about your legendary victory has spread...");
    GainFame(kTreasureFame);
}

// The last wave is beaten: fame, the occupation offer, the treasure fleet, then the plunder.
void DefencesSuppressed() {
    const bool treasure = TreasureFleetHere();
    Form33->Hide();
    ShowMessage1("You suppressed the enemy defenses! Hurry up! Reinforcements are on their way!");
    GainFame(RaidReward(StarSystemRecord(FleetSystem())[StarSystem::SectorRating]));
    bool occupy = !AtPeaceWithOwner();
    if (RaidIsMissionObjective()) {
        MissionSucceeded();
        occupy = true;
    }
    Form34->SpeedButton5->enabled = occupy;
    if (treasure) CaptureTreasureFleet();
    ShowPlunderPlanet();
    Form34->ShowModal();
    CloseRaidScreen();
}

}  // namespace

std::string RaidedPlanetPicture() {
    const GameRecord& planet = FleetLocationRecord();
    return planet[Planet::CityPicture] >= 1 ? GetCityPictureName(planet[Planet::CityPicture])
                                            : GetPlanetPictureNameR(planet[Planet::Picture]);
}

RaidDefence RaidDefenceFor(int index) {
    static constexpr RaidDefence kTable[kMostDefence + 1] = {{1, 2}, {2, 3}, {3, 4},
                                                             {4, 4}, {5, 5}, {6, 5}};
    return kTable[std::clamp(index, 0, kMostDefence)];
}

bool TreasureFleetHere() {
    return FleetSystem() == Captain()[Player::TreasureFleetSystem] && FleetLocation() == 1;
}

bool RaidIsMissionObjective() {
    const GameRecord& m = CaptainMission();
    return m[Mission::Status] > 0 && m[Mission::Kind] == MissionKind::RaidPlanet &&
           m[Mission::TargetSystem] == FleetSystem() &&
           m[Mission::ObjectiveBase + 1] == FleetLocation();
}

int RaidReward(int sectorRating) {
    switch (sectorRating) {
        case 2:
            return 2500;
        case 3:
            return 5000;
        case 4:
            return 10000;
        case 5:
            return 20000;
        default:
            return 1000;
    }
}

void BeginPlanetRaid() {
    int i = StarSystemRecord(FleetSystem())[StarSystem::SectorRating];
    if (TreasureFleetHere()) {
        i += 2;
        PlayReward2Sound();
        ShowFixedNotice(
            "The treasure fleet is on this planet and supports the defenders. If you win, they "
            "will be at your mercy!",
            "treasurefleet.jpg");
    }
    if (StarSystemRecord(FleetSystem())[StarSystem::Alerted] == 1) {
        ++i;
        ShowMessage1("This sector seems to have been warned by your presence in this system.");
    }
    const RaidDefence d = RaidDefenceFor(std::min(i, kMostDefence));
    GameRecord& planet = FleetLocationRecord();
    planet[Planet::RaidWavesLeft] = d.waves;
    planet[Planet::RaidWaveSize] = d.size;
}

void ShowPlanetRaid() {
    TForm33& f = *Form33;
    const GameRecord& planet = FleetLocationRecord();
    f.Label1->caption = "You raid \"" + LocationName(FleetLocation()) + "\"!";
    f.Image1->LoadPicture(RaidedPlanetPicture());
    f.Label2->caption =
        "The planet is defended by " + std::to_string(planet[Planet::RaidWavesLeft]) + " waves.";
}

TForm33::TForm33() : ui::Form("TForm33") {
    Image8 = Bind<ui::Image>("Image8");
    Image1 = Bind<ui::Image>("Image1");
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

void TForm33::SpeedButton5Click() {
    PlayButtonSound();
    const int lifePoints = Captain()[Player::LifePoints];
    GameRecord& planet = FleetLocationRecord();
    --planet[Planet::RaidWavesLeft];
    int size = planet[Planet::RaidWaveSize];
    if (Random(100) < 21) ++size;
    StartShipBattle(std::min(size, kLargestShip), FleetLocationOwner(), 0);
    // A wave fled from is met again.
    if (EncounterEnemy()[Ship::Present] == 1) ++planet[Planet::RaidWavesLeft];
    if (Captain()[Player::LifePoints] < lifePoints) {
        Close();
    } else if (PlayerShip()[Ship::Present] == 0) {
        Close();
        FailRaidMission();
    } else if (planet[Planet::RaidWavesLeft] >= 1) {
        ShowPlanetRaid();
    } else {
        DefencesSuppressed();
    }
}

void TForm33::SpeedButton2Click() {
    PlayButtonSound();
    GameUpcalls().RefreshTravelScreen();
    Close();
    ShowMessage1("You break off the attack");
    FailRaidMission();
}

std::string RaidQuestion() {
    std::string q = !AtPeaceWithOwner()
                        ? "Do you really wish to attack this planet?"
                        : "Do you really wish to attack this planet (we are at peace!)?";
    if (RaidIsMissionObjective())
        q = "Do you really wish to attack this planet (mission objective)";
    if (TreasureFleetHere())
        q = "Do you wish to attack the planet and the treasure fleet (illegal!)?";
    return q;
}

void RaidFleetLocation() {
    const int owner = FleetLocationOwner();
    if (owner >= FactionId::Federation &&
        FactionRecord(owner)[Faction::CapitalSystem] == FleetSystem()) {
        ShowMessage1("This is the capital sector of the " + FactionName(owner) +
                     " and too well defended to be raided!");
        return;
    }
    if (!AskYesNo(RaidQuestion())) return;
    PlayButtonSound();
    // The raid a mission asks for is no crime; one raid is reported at most once.
    const bool objective = RaidIsMissionObjective();
    const bool crimeAgainstOwner = owner >= FactionId::Federation && owner <= FactionId::Pirates;
    if (!objective && crimeAgainstOwner && (AtPeaceWithOwner() || TreasureFleetHere()))
        ReportCrime(owner);
    BeginPlanetRaid();
    ShowPlanetRaid();
    Form33->ShowModal();
}

}  // namespace corvanth
