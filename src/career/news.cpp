// War news of systems and planets that change hands through the captain's deeds.
#include "career/news.h"

#include "career/Promotion.h"
#include "career/warstatus.h"
#include "state/UMessage4.h"
#include "state/market.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/variables.h"
#include "travel/NextTurnUnit.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

constexpr int kCeaseFire = 1;
constexpr int kAwardEarned = 2;
constexpr int kScoreChance = 25;  // in 100: a captured planet moves the war score

void ShowNews(const std::string& text) {
    ShowLongNotice("News", "news.jpg", {text});
}

void RedrawIfHere(int system) {
    if (system == FleetSystem()) RefreshTravelScreen();
}

}  // namespace

std::string WarHeroName() {
    const int f = CaptainFaction();
    const int rank = FactionRecord(f)[Faction::Rank];
    const GameState& g = G();
    const std::string rankName = f > 0 && rank >= 0 && rank < int(g.RankNames[f].size())
                                     ? g.RankNames[f][rank].str()
                                     : std::string();
    return rankName + " " + CaptainName();
}

void NewsSystemConquered(int system) {
    if (!ValidSystem(system)) return;
    GameState& g = G();
    const int winner = CaptainFaction();
    if (winner == 0) return;
    // Earned once; an award already shown is not handed out again.
    int& goldStar = g.Factions[winner][Faction::GoldStar];
    if (goldStar == 0) goldStar = kAwardEarned;
    const int loser = g.StarSystems[system][StarSystem::Owner];
    const std::string text = "Lead by the known war hero " + WarHeroName() + " the " +
                             FactionName(winner) + " was able to conquer the " +
                             SystemName(system) +
                             " system. Shocked by the fact that a captain with a single ship can "
                             "successfully overcome a complete sector defense force the " +
                             FactionName(loser) + " asks for a cease-fire, which is accepted.";
    g.StarSystems[system][StarSystem::Owner] = winner;
    if (PlayableFaction(loser) && loser != winner) {
        g.Factions[winner][Faction::RelationBase + loser] = kCeaseFire;
        g.Factions[loser][Faction::RelationBase + winner] = kCeaseFire;
    }
    SetSystemOwnerToPlanets(system);
    UpdateMarketPrices();
    RedrawIfHere(system);
    ShowNews(text);
    CheckPromotion();
}

void NewsSystemRecaptured(int system) {
    if (!ValidSystem(system)) return;
    const int owner = StarSystemRecord(system)[StarSystem::Owner];
    const std::string text = "The " + FactionName(owner) +
                             " has moved significant reinforcements to the " + SystemName(system) +
                             " system and captured all planets taken of the known " +
                             CaptainName() + " back.";
    SetSystemOwnerToPlanets(system);
    UpdateMarketPrices();
    RedrawIfHere(system);
    ShowNews(text);
}

void NewsPlanetCaptured(int system, int location) {
    if (!ValidSystem(system) || !ValidLocation(location)) return;
    GameState& g = G();
    const int pf = CaptainFaction();
    const int owner = g.StarSystems[system][StarSystem::Owner];
    const std::string text = "A expedition force of the " + FactionName(pf) +
                             " under the command of " + WarHeroName() + " captured " +
                             LocationName(system, location) + " in the " + SystemName(system) +
                             " system.";
    UpdateMarketPrices();
    if (Random(100) < kScoreChance && pf > 0 && PlayableFaction(owner) && owner != pf) {
        ++g.Factions[pf][Faction::WarScoreBase + owner];
        --g.Factions[owner][Faction::WarScoreBase + pf];
    }
    RedrawIfHere(system);
    ShowNews(text);
    CheckSystemConquests();
    UpdateMarketPrices();
    NextTurn();
}

}  // namespace corvanth
