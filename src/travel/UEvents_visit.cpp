// Visits of space-event sites: what a lifepod, a wreck, a treasure, an artefact, a spy ship,
// survivors, a container or a VIP hold for the captain who investigates them.
#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/reputation.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "travel/NextTurnUnit_notices.h"
#include "travel/UEvents.h"
#include "travel/UEvents_visit.h"
#include "travel/travel.h"

namespace corvanth {

namespace {

int64_t Fame() {
    return Captain()[Player::Fame];
}
int64_t OwnReputation() {
    return CaptainFactionRecord()[Faction::Reputation];
}

void Pay(int64_t x) {
    CaptainMoney() = AfterGain(CaptainMoney(), x);
}

void VisitLifepod() {
    PlayDataSound();
    SpawnSpaceEvent(FleetSystem(), 0, 0);
    SpawnSpaceEvent(FleetSystem(), 0, 0);
    ShowFixedNotice(
        "You open the lifepod. The crew is dead, but you are able to download information about "
        "hidden locations.",
        "lifepodr.jpg");
}

void VisitTreasure() {
    PlayReward2Sound();
    const int64_t x = TreasureFind(CaptainMoney(), CaptainFactionRecord()[Faction::Rank]);
    Pay(x);
    RefreshStatusPanel();
    ShowFixedNotice(
        "You have found a hidden treasure. It is worth about " + FormatThousands(x) + " $C.",
        "treasure_sm.jpg");
}

void VisitArtefact() {
    PlayReward1Sound();
    const int answer = AskChoice(
        "Alien artefact!", "alienartefactr.jpg",
        {"After searching the area for about ten minutes, you finally find the source for the "
         "strange signal. Its an alien artefact of unknown source.",
         "You can either sell it on the black market or hand it over to the government for fame "
         "and reputation. What do you choose?"},
        "Money", "Fame+Reptutation");
    if (answer == 1) {
        const int64_t x = Reward(CaptainMoney(), 30, 8, 8000, 2000000);
        PlayReward2Sound();
        Pay(x);
        ShowMessage1("You get " + FormatThousands(x) + " $C.");
        RefreshStatusPanel();
    } else if (answer == 2) {
        const int64_t f = Reward(Fame(), 50, 20, 40);
        const int64_t r = Reward(OwnReputation(), 50, 20, 40);
        PlayReward1Sound();
        ShowMessage1("Word spreads about you and your find.");
        HonourCaptain(f, r);
    }
}

void VisitSurvivors(int system, int slot) {
    const std::string plea =
        "In a lifepod you find some survivors. They ask you to take them with you and promise "
        "you money, fame and reputation in exchange.";
    const bool seats = PlayerFleet()[Fleet::PassengerCapacity] > 0;
    std::vector<std::string> lines = {plea};
    if (!seats) {
        lines = {plea, " ",
                 "Unfortunately you do not have any free seats in the passenger bays (upgrade of "
                 "cargo bays)."};
        PutEventBack(system, slot);
    }
    const int answer =
        AskChoice("Shipwrecked crew!", "lifepodr.jpg", lines, "Help them.", "Return later.", seats);
    if (answer == 1 && seats) {
        const int64_t x = Reward(CaptainMoney(), 8, 0, 2500);
        Pay(x);
        ShowMessage1("They pay you " + FormatThousands(x) + " $C.");
        RefreshStatusPanel();
        const int64_t f = Reward(Fame(), 15, 0, 80);
        const int64_t r = Reward(OwnReputation(), 15, 0, 80);
        ShowMessage1("Word spreads about you and your noble deeds.");
        HonourCaptain(f, r);
    } else {
        PutEventBack(system, slot);
        ShowMessage1("You promise to return later.");
    }
}

}  // namespace

void HonourCaptain(int64_t fame, int64_t reputation) {
    GainFame(fame);
    GainReputation(CaptainFaction(), reputation);
    RefreshStatusPanel();
}

void PutEventBack(int system, int slot) {
    GameRecord& event = G().SpaceEvents[system][slot];
    event[SpaceEvent::Active] = 1;
    LocationRecord(system, event[SpaceEvent::Location])[Planet::Exists] = 1;
    if (system == FleetSystem()) DrawSystemMapPlanet(event[SpaceEvent::Location]);
}

int64_t Reward(int64_t value, int drawDivisor, int fixedDivisor, int64_t floor, int64_t ceiling) {
    // A negative value gives a bound of 0 or less, which draws 0 (the generator's rule): the
    // floor applies, never a draw spread over the whole range.
    int64_t x = Random(CapValue(value / drawDivisor));
    if (fixedDivisor > 0) x += value / fixedDivisor;
    if (x < floor) x = floor;
    if (ceiling > 0 && x > ceiling) x = ceiling;
    return x;
}

int64_t TreasureFind(int64_t money, int rank) {
    // Formed in 64 bits: a rich captain of high rank would pass 32 before the ceiling.
    int64_t x = static_cast<int64_t>(Random(CapValue(money / 10))) * rank;
    if (x < kTreasureFloor) x = kTreasureFloor;
    if (x > kTreasureCeiling) x = kTreasureCeiling;
    return x;
}

int EventOwnerFaction(int owner) {
    return owner >= FactionId::Federation && owner <= FactionId::Pirates ? owner
                                                                         : FactionId::Federation;
}

void VisitSpaceEvent(int system, int slot) {
    if (!ValidSystem(system) || slot < SpaceEvent::FirstSlot || slot > SpaceEvent::LastSlot) return;
    GameRecord& event = G().SpaceEvents[system][slot];
    if (event[SpaceEvent::Active] < 1) return;
    event[SpaceEvent::Active] = 0;
    const int site = event[SpaceEvent::Location];
    LocationRecord(system, site)[Planet::Exists] = 0;
    if (system == FleetSystem()) DrawSystemMapPlanet(site);
    switch (event[SpaceEvent::Kind]) {
        case SpaceEventKind::Lifepod:
            VisitLifepod();
            break;
        case SpaceEventKind::Ghostship:
            VisitGhostShip();
            break;
        case SpaceEventKind::Treasure:
            VisitTreasure();
            break;
        case SpaceEventKind::AlienArtefact:
            VisitArtefact();
            break;
        case SpaceEventKind::SpyShip:
            VisitSpyShip(system, slot);
            break;
        case SpaceEventKind::Survivor:
            VisitSurvivors(system, slot);
            break;
        case SpaceEventKind::Container:
            VisitContainer();
            break;
        case SpaceEventKind::Vip:
            VisitVip(system, slot, LocationRecord(system, site)[Planet::Owner]);
            break;
        default:
            break;
    }
}

}  // namespace corvanth
