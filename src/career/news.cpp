// War news of systems that change hands: the captain's faction takes one, or an owner takes back.
#include "career/news.h"

#include <string>

#include "career/Promotion.h"
#include "state/UMessage4.h"
#include "state/market.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kCeaseFire = 1;
constexpr int kAwardEarned = 2;

void ShowNews(const std::string& text) {
    if (!Message4) return;
    Message4->Label2->caption = "News";
    Message4->Image1->LoadPicture("news.jpg");
    Message4->Memo1->SetText(text);
    Message4->ShowModal();
}

// The captain as the news name him: his rank in faction f and his name.
std::string Hero(int f) {
    const int rank = FactionRecord(f)[Faction::Rank];
    const GameState& g = G();
    const std::string rankName = ValidFaction(f) && rank >= 0 && rank < int(g.RankNames[f].size())
                                     ? g.RankNames[f][rank].str()
                                     : std::string();
    return rankName + " " + CaptainName();
}

}  // namespace

void NewsSystemConquered(int system) {
    if (!ValidSystem(system)) return;
    GameState& g = G();
    const int winner = Captain()[Player::Faction];
    const int loser = g.StarSystems[system][StarSystem::Owner];
    const std::string text = "Lead by the known war hero " + Hero(winner) + " the " +
                             FactionName(winner) + " was able to conquer the " +
                             SystemName(system) +
                             " system. Shocked by the fact that a captain with a single ship can "
                             "successfully overcome a complete sector defense force the " +
                             FactionName(loser) + " asks for a cease-fire, which is accepted.";
    g.StarSystems[system][StarSystem::Owner] = winner;
    if (PlayableFaction(winner)) {
        // Earned once; an award already shown is not handed out again.
        int& goldStar = g.Factions[winner][Faction::GoldStar];
        if (goldStar < 1) goldStar = kAwardEarned;
        if (PlayableFaction(loser) && loser != winner) {
            g.Factions[winner][Faction::RelationBase + loser] = kCeaseFire;
            g.Factions[loser][Faction::RelationBase + winner] = kCeaseFire;
        }
    }
    SetSystemOwnerToPlanets(system);
    UpdateMarketPrices();
    ShowNews(text);
    CheckPromotion();
}

void NewsSystemRecaptured(int system) {
    if (!ValidSystem(system)) return;
    SetSystemOwnerToPlanets(system);
    UpdateMarketPrices();
    const int owner = StarSystemRecord(system)[StarSystem::Owner];
    ShowNews("The " + FactionName(owner) + " has moved significant reinforcements to the " +
             SystemName(system) + " system and captured all planets taken of the known " +
             CaptainName() + " back.");
}

}  // namespace corvanth
