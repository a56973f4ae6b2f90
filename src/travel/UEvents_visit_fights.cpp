// The visits that end in a fight or on the loot screen: the ghost ship, the spy ship, the cargo
// container and the VIP.
#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/reputation.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/NextTurnUnit_notices.h"
#include "travel/UEvents_visit.h"
#include "travel/travel.h"

namespace corvanth {

namespace {

constexpr int kAmbushFrom = 80;  // in 100: a ghost ship is a pirate ambush
constexpr int kCrimeReportBelow = 41;
constexpr int kLegalGoodDraws = 1000;
constexpr const char kQuote[] = "\"";
// The ship classes the visits set up for the other side.
constexpr int kFerendar = 5;
constexpr int kArdent = 8;
constexpr int kBehemoth = 10;
constexpr int kTitanic = 11;
constexpr int kMarauder = 12;

int SizeClass() {
    return PlayerShip()[Ship::SizeClass];
}

// The battle of a visit; a final death in it ends the game, and nothing more is shown or given.
void Battle(int faction, int shipType) {
    GameUpcalls().StartShipBattle(SizeClass(), faction, shipType);
}

// The loot screen's offer of what was found; the goods are taken there.
void ShowFoundGoods(const char* headline, const char* leadIn, int good, int amount) {
    GameState& g = G();
    g.LootItem[Loot::Amount] = amount;
    g.LootItem[Loot::Good] = good;
    GameUpcalls().ShowLoot(headline, leadIn);
}

}  // namespace

GhostShipCargo DrawGhostShipCargo(int faction) {
    GhostShipCargo cargo;
    auto legal = [faction](int good) {
        return GoodRecord(good)[Good::LegalityBase + faction] == 0;
    };
    for (int draw = 0; draw < kLegalGoodDraws; ++draw) {
        cargo.amount = 10 + Random(10);
        cargo.good = Good::First + Random(20);
        if (legal(cargo.good)) return cargo;
    }
    // A galaxy whose laws ban everything here still leaves the wreck its first good.
    cargo.good = Good::First;
    for (int good = Good::Last; good >= Good::First; --good)
        if (legal(good)) cargo.good = good;
    return cargo;
}

void VisitGhostShip() {
    if (Random(100) >= kAmbushFrom) {
        PlayAlertSound();
        ShowFixedNotice(
            "You approach the ghostship. Suddenly it starts its engine and attacks you. Its a "
            "pirate ambush!",
            "ghostshipr.jpg");
        Battle(FactionId::Pirates, -1);
        return;
    }
    PlayReward1Sound();
    ShowFixedNotice(
        "You approach the ghostship. There is a reactor breach. You may plunder it, but hurry "
        "up!",
        "ghostshipr.jpg");
    GameUpcalls().SetupShipOfType(kTitanic, 1);
    RecalcShipStats(kTemplateFleet, 1, 0, 0);
    GameState& g = G();
    g.CapturedCargo.fill(0);
    const int owner = StarSystemRecord(FleetSystem())[StarSystem::Owner];
    const GhostShipCargo cargo = DrawGhostShipCargo(owner >= 1 ? owner : FactionId::Federation);
    g.CapturedCargo[cargo.good] = cargo.amount;
    ShowFoundGoods("You plunder the ship...",
                   "Quickly searching the abandoned ship you find:", cargo.good, cargo.amount);

    PlayReward2Sound();
    const int64_t x = Reward(Captain()[Player::Money], 10, 0, kTreasureFloor, kTreasureCeiling);
    Captain()[Player::Money] = AfterGain(Captain()[Player::Money], x);
    RefreshStatusPanel();
    ShowFixedNotice(
        "In the captains cabin you find a locked chest containing " + FormatThousands(x) + " $C!",
        "treasure_sm.jpg");
    PlayExplosion1Sound();
    ShowFixedNotice("Just as you finish and head away full speed the ghost ship explodes.",
                    "cexplosion.jpg");
    RefreshStatusPanel();
}

void VisitSpyShip(int system, int slot) {
    const GameState& g = G();
    if (!ShipHasEquipmentType(g.CurrentFleet, g.CurrentShip, EquipmentKind::Surveillance)) {
        PutEventBack(system, slot);
        ShowMessage1(
            "You need \"surveillance equipment\" (upgrade of Cargo Bays) to locate the spy ship!");
        return;
    }
    PlayReward2Sound();
    ShowFixedNotice(
        "Your computer runs a special search algorithm with the help of your surveillance "
        "equipment and indeed: You find a hidden spy ship, which immidiately starts his engines "
        "and engages you!",
        "cockpit.jpg");
    Battle(FactionId::Pirates, -1);
    // Only a spy ship beaten by a ship that survived is worth a word.
    if (ShipRecord(kTemplateFleet, 1)[Ship::Present] != 0 || PlayerShip()[Ship::Present] <= 0)
        return;
    const int64_t f = Reward(Captain()[Player::Fame], 5, 0, 200);
    const int64_t r = Reward(CaptainFactionRecord()[Faction::Reputation], 5, 0, 200);
    PlayReward1Sound();
    ShowMessage1("Word spreads about you and your selfless engagement.");
    HonourCaptain(f, r);
}

void VisitContainer() {
    PlayReward2Sound();
    ShowFixedNotice("You have found a hidden cargo container. Inside you find some goods...",
                    "container.jpg");
    GameUpcalls().SetupShipOfType(kFerendar, 1);
    RecalcShipStats(kTemplateFleet, 1, 0, 0);
    GameState& g = G();
    g.CapturedCargo.fill(0);
    const int amount = 1 + Random(ShipRecord(kTemplateFleet, 1)[Ship::CargoCapacity]);
    const int good = Good::First + Random(20);
    g.CapturedCargo[good] = amount;
    ShowFoundGoods("You plunder the container...", "Opening the container you find:", good, amount);
    ShowMessage1("Once opened the container will decay very fast.");
}

bool VipCrimeReported() {
    return Random(100) < kCrimeReportBelow;
}

int64_t VipRansomOffer(int sizeClass) {
    const int r = 1 + Random(20);
    const int limit = sizeClass <= 1 ? 0 : sizeClass == 2 ? 8 : 12;
    if (r >= limit) return 0;
    if (sizeClass <= 3) return 100000 + Random(150000);
    if (sizeClass == 4) return 500000 + Random(500000);
    return 1000000 + Random(1500000);
}

void VisitVip(int system, int slot, int siteOwner) {
    PlayAlertSound();
    const int size = SizeClass();
    if (size <= 2) {
        GameUpcalls().SetupShipOfType(kArdent, 1);
    } else if (size == 3) {
        GameUpcalls().SetupShipOfType(kBehemoth, 1);
    } else {
        GameUpcalls().SetupShipOfType(kMarauder, 1);
    }
    const int owner = EventOwnerFaction(siteOwner);
    const GameState& g = G();
    const bool shuttle =
        ShipHasEquipmentType(g.CurrentFleet, g.CurrentShip, EquipmentKind::BoardingShuttle);
    const int vipClass = ShipRecord(kTemplateFleet, 1)[Ship::Class];
    const int answer = AskChoice(
        "A peaceful trader...", GetShipPictureName(vipClass),
        {"Its a peaceful trader travelling in a well armed " + ShipClassName(kTemplateFleet, 1) +
             " ship. Attacking him will be considered piracy within the " + FactionName(owner) +
             ", who control this sector.",
         shuttle ? "On the other hand boarding this ship and/or abducting him for a ransom might "
                   "be worth the trouble. Do you want to attack him?"
                 : "If you had boarding bays, which are upgrades to cargo bays available in the "
                   "Syndicate, you could try to board his ship and/or to abduct him for a ransom. "
                   "You do not have these bays though, so maybe its not worth the trouble. Attack "
                   "anyway?"},
        "Attack", "Retreat");
    if (answer != 1) {
        PutEventBack(system, slot);
        return;
    }
    PlayButtonSound();
    if (VipCrimeReported()) GameUpcalls().ReportCrimeSectorWarned(owner);
    if (const int64_t y = VipRansomOffer(size)) {
        const int deal = AskChoice(
            "Comlink", "VIP.jpg",
            {std::string(kQuote) + "NOOOO! No! No! Do not kill me! Please! I beg you! Wait! "
                                   "I have an idea!",
             "I give you $C " + FormatThousands(y) + " if you do not kill me!" + kQuote},
            "Accept", "Decline");
        if (deal == 1) {
            PlayReward2Sound();
            Captain()[Player::Money] = AfterGain(Captain()[Player::Money], y);
            RefreshStatusPanel();
            ShowFixedNotice("You receive the money and bid the trader farewell.", "VIP.jpg");
            return;
        }
    }
    struct VipBattle {
        VipBattle() { G().VipEventBattle = 1; }
        ~VipBattle() { G().VipEventBattle = 0; }
    } vip;
    Battle(owner, vipClass);
}

}  // namespace corvanth
