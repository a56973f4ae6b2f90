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

}  // namespace

void NewsSystemConquered(int system) {
    if (system < StarSystem::First || system > StarSystem::Last) return;
    GameState& g = G();
    const int winner = Captain()[Player::Faction];
    const int loser = g.StarSystems[system][StarSystem::Owner];
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

    const std::string name = g.SystemNames[system].str();
    std::string text = "The " + FactionName(winner) + " has taken the last planet of the " + name +
                       " system, and the whole sector is now under its flag.";
    if (PlayableFaction(loser) && loser != winner)
        text +=
            " The " + FactionName(loser) + " has withdrawn its fleets and agreed to a cease-fire.";
    text += " Your part in this victory will not be forgotten.";
    ShowNews(text);
    CheckPromotion();
}

void NewsSystemRecaptured(int system) {
    if (system < StarSystem::First || system > StarSystem::Last) return;
    GameState& g = G();
    SetSystemOwnerToPlanets(system);
    UpdateMarketPrices();
    const int owner = g.StarSystems[system][StarSystem::Owner];
    ShowNews("The " + FactionName(owner) + " has struck back in the " +
             g.SystemNames[system].str() +
             " system: its fleets have recaptured every planet of the sector.");
}

}  // namespace corvanth
