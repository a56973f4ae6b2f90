// The new-game set-up: a fresh campaign's world in memory, and the cap on the captain's counters.
#include "state/newgame.h"

#include <algorithm>
#include <array>

#include "state/Module1.h"
#include "state/fortune.h"
#include "state/market.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

struct GoodRow {
    const char* name;
    int category;
    std::array<int, 5> prices;    // supply levels 0..4, scarce to plentiful
    std::array<int, 4> legality;  // factions 1..4: 0 legal, 1 illegal, 2 banned
};

// clang-format off
constexpr GoodRow kGoods[] = {
    {"Food",       1, {600, 200, 100, 50, 25},       {0, 0, 0, 0}},
    {"Water",      1, {800, 200, 100, 50, 25},       {0, 0, 0, 0}},
    {"Firearms",   2, {1400, 400, 200, 100, 50},     {0, 0, 0, 0}},
    {"Coolers",    2, {1200, 400, 200, 100, 50},     {0, 0, 0, 0}},
    {"Synthetics", 2, {600, 200, 100, 50, 25},       {0, 0, 0, 0}},
    {"Computers",  3, {1700, 550, 300, 150, 75},     {0, 0, 0, 0}},
    {"Reactors",   3, {3600, 1200, 600, 300, 75},    {0, 0, 0, 0}},
    {"Robots",     3, {1650, 550, 300, 150, 75},     {0, 0, 0, 0}},
    {"Candy",      4, {600, 200, 100, 50, 25},       {0, 0, 0, 0}},
    {"Whiskey",    4, {1300, 400, 200, 100, 50},     {0, 0, 0, 0}},
    {"Fun items",  4, {1400, 400, 200, 100, 50},     {0, 0, 0, 0}},
    {"Jewelry",    4, {1600, 550, 300, 150, 75},     {0, 0, 0, 0}},
    {"Ore",        5, {1200, 200, 100, 50, 25},      {0, 0, 0, 0}},
    {"Diamonds",   5, {2400, 400, 200, 100, 50},     {0, 0, 0, 0}},
    {"Medical",    6, {2400, 400, 200, 100, 50},     {0, 0, 0, 0}},
    // The Syndicate allows everything, the Outer Rim Alliance slaves too.
    {"Weapons",    7, {6000, 2000, 666, 300, 100},   {2, 1, 0, 1}},
    {"Uranium",    7, {9000, 3000, 1000, 400, 200},  {1, 1, 0, 1}},
    {"Drugs",      7, {9500, 3150, 1000, 100, 50},   {2, 2, 0, 2}},
    {"Slaves",     7, {5000, 1500, 500, 200, 75},    {2, 0, 0, 1}},
    {"Toxins",     7, {7000, 3000, 1000, 400, 300},  {2, 1, 0, 1}},
};
// clang-format on
static_assert(std::size(kGoods) == Good::Last);

struct FactionRow {
    const char* name;
    const char* picture;
    const char* smallPicture;
    int active;
    int value3;
    int value4;
    std::array<int, 4> relations;  // toward factions 1..4: 1 peace, 2 war
    int capital;
};

// At the start the Federation fights the Outer Rim Alliance and the Syndicate, the Syndicate
// and the Coalition fight each other, and the pirates fight everyone.
// clang-format off
constexpr FactionRow kFactions[] = {
    {"Federation",         "FederationLogo.jpg",  "FederationLogo_88x80.jpg",  1, 1, 1, {1, 2, 2, 1}, 1},
    {"Outer Rim Alliance", "OuterRimLogo.jpg",    "OuterRimLogo_88x80.jpg",    1, 0, 0, {2, 1, 1, 1}, 15},
    {"Syndicate",          "SyndicateLogo.jpg",   "SyndicateLogo_88x80.jpg",   1, 0, 0, {2, 1, 1, 2}, 24},
    {"Coalition",          "TraderUnionLogo.jpg", "TraderUnionLogo_88x80.jpg", 1, 2, 2, {1, 1, 2, 1}, 25},
    {"Pirates",            "PiratesLogo.jpg",     "PiratesLogo.jpg",           0, 2, 2, {2, 2, 2, 2}, 25},
};
// clang-format on
constexpr int kStartReputation = 10;

using RankRow = std::array<const char*, 9>;
// clang-format off
constexpr RankRow kFleetRanks = {"Civilian", "Ensign", "2nd Lieutenant", "1st Lieutenant",
                                 "Lt. Commander", "Commander", "Captain", "Commodore", "Admiral"};
constexpr std::array<RankRow, 4> kRankNames = {
    kFleetRanks,
    kFleetRanks,
    RankRow{"Civilian", "Sho-i", "Chu-i", "Tai-i", "Sho-sa", "Chu-sa", "Tai-sa", "Tai-sho",
            "Tai-shu"},
    RankRow{"Civilian", "Sous-Lieutenant", "Lieutenant", "Capitaine", "Commandant",
            "Lieutenant-Colonel", "Colonel", "Commodore", "Admiral"},
};
constexpr std::array<RankRow, 4> kRankAbbreviations = {
    RankRow{"Civilian", "Ens.", "2nd Lt.", "1st Lt.", "Lt. Com.", "Com.", "Cpt.", "Cmd.", "Adm."},
    RankRow{"Citizen", "Ens.", "2nd Lt.", "1st Lt.", "Lt. Com.", "Com.", "Cpt.", "Cmd.", "Adm."},
    RankRow{"Civ.", "Sho-i.", "Chu-i", "Tai-i", "Sho-sa", "Chu-sa", "Tai-sa", "Tai-sho",
            "Tai-shu"},
    RankRow{"Civilian", "SLt.", "Lt.", "Cpit.", "Com.", "Lt.Col.", "Col.", "Cmd.", "Adm."},
};
// clang-format on

void Clear(GameRecord& r) {
    for (int f = kFirstField; f <= kLastField; ++f) r[f] = 0;
}

// A cleared text slot holds a single blank, never the empty text.
void Clear(ShortText& t) {
    t = " ";
}

void ClearTables() {
    GameState& g = G();
    for (int s = 1; s <= StarSystem::Last; ++s) {
        Clear(g.StarSystems[s]);
        Clear(g.SystemNames[s]);
        Clear(g.SystemCodes[s]);
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            Clear(g.Planets[s][l]);
            Clear(g.PlanetNames[s][l]);
            for (int good = Good::First; good <= Good::Last; ++good) Clear(g.Markets[s][l][good]);
        }
        for (int e = SpaceEvent::FirstSlot; e <= SpaceEvent::LastSlot; ++e)
            Clear(g.SpaceEvents[s][e]);
    }
    for (int p = 1; p <= 2; ++p) {
        Clear(g.Players[p]);
        Clear(g.Missions[p]);
    }
    g.Cargo.fill(0);
    g.CapturedCargo.fill(0);
    g.LastPricePaid.fill(0);
    Clear(g.LootItem);
    Clear(g.CaptainNames[1]);
    // Every fleet and ship of the last game goes, the player's ship 1 and the pirates' record
    // included: otherwise the start net worth and the war would depend on the game before.
    for (int f = 1; f <= 5; ++f) {
        Clear(g.Fleets[f]);
        for (int s = 1; s <= 4; ++s) {
            Clear(g.Ships[f][s]);
            for (int slot = Slot::First; slot <= Slot::Last; ++slot)
                Clear(g.ShipEquipment[f][s][slot]);
        }
        Clear(g.Factions[f]);
    }
    for (int good = Good::First; good <= Good::Last; ++good) Clear(g.Goods[good]);
    for (int id = 1; id <= 200; ++id) Clear(g.EquipmentTypes[id]);
    // The arena starts afresh too; its phases live in field 0.
    for (int t = 1; t <= 3; ++t) {
        g.Tournaments[t].fill(0);
        Clear(g.TournamentEntrants[t]);
    }
    for (int n = 1; n <= 55; ++n) {
        Clear(g.Gladiators[n]);
        Clear(g.GladiatorNames[n]);
    }
    for (int p = 1; p <= 4; ++p) Clear(g.Projectiles[p]);
}

void LoadGoods() {
    GameState& g = G();
    for (int good = Good::First; good <= Good::Last; ++good) {
        const GoodRow& row = kGoods[good - 1];
        GameRecord& r = g.Goods[good];
        g.GoodNames[good] = row.name;
        r[Good::Defined] = 1;
        r[Good::SetupZero] = 0;
        r[Good::Category] = row.category;
        r[Good::SetupMinusTwo] = -2;
        for (int level = 0; level < 5; ++level)
            r[Good::PriceAtLevelBase + level] = row.prices[level];
        for (int f = 1; f <= 4; ++f) r[Good::LegalityBase + f] = row.legality[f - 1];
    }
}

void LoadFactions() {
    GameState& g = G();
    for (int f = 1; f <= FactionId::Pirates; ++f) {
        const FactionRow& row = kFactions[f - 1];
        GameRecord& r = g.Factions[f];
        g.FactionNames[f] = row.name;
        g.FactionPictures[f] = row.picture;
        g.FactionSmallPictures[f] = row.smallPicture;
        r[Faction::Active] = row.active;
        r[Faction::SetupMark] = row.value3;
        r[Faction::SetupMarkSecond] = row.value4;
        r[Faction::Reputation] = kStartReputation;
        for (int field = Faction::Warned; field <= Faction::WarBonds; ++field) r[field] = 0;
        for (int o = 1; o <= 4; ++o) r[Faction::RelationBase + o] = row.relations[o - 1];
        r[Faction::CapitalSystem] = row.capital;
        if (f == FactionId::Pirates) continue;  // the pirates hold no ranks
        for (int rank = 0; rank <= 8; ++rank) {
            g.RankNames[f][rank] = kRankNames[f - 1][rank];
            g.RankAbbreviations[f][rank] = kRankAbbreviations[f - 1][rank];
        }
    }
}

}  // namespace

void InitGameData() {
    GameState& g = G();
    g.TurnNumber = 0;
    g.GameDay = 12;
    g.GameMonth = 3;
    g.GameYear = 2213;
    ClearTables();
    g.SelectedPlanet = 1;
    ClearPlaySession();
    LoadGoods();
    InitStarSystems();
    LoadFactions();
    UpdateMarketPrices();
    InitEquipmentTypes();

    // The default captain; the new-captain screen or a saved game overwrite him.
    g.CaptainNames[1] = "Incognito";
    GameRecord& captain = g.Players[1];
    captain[Player::GameRunning] = 1;
    captain[Player::Portrait] = 0;
    captain[Player::Money] = 500;
    captain[Player::Fame] = 50;
    captain[Player::NetWorthAtLastPay] = 0;
    captain[Player::LastPayTurn] = 0;
    captain[Player::Faction] = FactionId::Federation;
    captain[Player::LifePoints] = 3;
    captain[Player::NewGameMark] = 1;
    g.Cargo[1] = 0;
    g.Cargo[2] = 0;

    GameRecord& fleet = g.Fleets[1];
    fleet[Fleet::Active] = 1;
    fleet[Fleet::StartMark] = 1;
    fleet[Fleet::FreeCargo] = 10;
    fleet[Fleet::CargoCapacity] = 10;
    fleet[Fleet::StartFreeCargo] = 10;
    fleet[Fleet::StartCargoCapacity] = 10;
    fleet[Fleet::Location] = 1;
    fleet[Fleet::System] = 4;

    g.MarketChangeChance = 80;
    g.EarlyGameTurns = 100;
    g.CurrentFleet = 1;
    g.CurrentShip = 1;
    g.CurrentPlayer = 1;
    g.EnemyShip = 1;
    captain[Player::NetWorthAtLastPay] = CalcFortune();
    captain[Player::StartNetWorth] = captain[Player::NetWorthAtLastPay];

    // Turns of pause before each tournament opens; the two draws in this order.
    g.Tournaments[1][Tournament::Phase] = -10;
    g.Tournaments[2][Tournament::Phase] = -Random(100);
    g.Tournaments[3][Tournament::Phase] = -Random(100);
    captain[Player::Drunkenness] = 3;
    captain[Player::DrinkingTolerance] = 35;
}

std::array<int32_t, 5> GoodPricesByLevel(int good) {
    std::array<int32_t, 5> prices{};
    if (good >= Good::First && good <= Good::Last)
        std::copy(kGoods[good - 1].prices.begin(), kGoods[good - 1].prices.end(), prices.begin());
    return prices;
}

void ClampPlayerValues() {
    GameState& g = G();
    GameRecord& captain = Captain();
    captain[Player::Money] = CapValue(captain[Player::Money]);
    captain[Player::CappedAsMoney] = CapValue(captain[Player::CappedAsMoney]);
    captain[Player::Fame] = CapValue(captain[Player::Fame]);
    const int f = captain[Player::Faction];
    if (PlayableFaction(f))
        g.Factions[f][Faction::Reputation] = CapValue(g.Factions[f][Faction::Reputation]);
}

}  // namespace corvanth
