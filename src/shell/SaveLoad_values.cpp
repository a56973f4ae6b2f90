// A loaded game's numbers brought into the ranges the rules keep them in.
#include <algorithm>
#include <cstdint>

#include "shell/SaveLoad.h"
#include "state/tables.h"

namespace corvanth {

namespace {

// Numbers that grow with the captain's career up to the money cap, as the rules cap them.
constexpr int kMoneyLikePlayerFields[] = {Player::Money, Player::CappedAsMoney, Player::Fame,
                                          Player::NetWorthAtLastPay, Player::StartNetWorth};
constexpr int kMoneyLikeFactionFields[] = {Faction::Reputation,
                                           Faction::Loan,
                                           Faction::WarBonds,
                                           Faction::NextFameThreshold,
                                           Faction::NextReputationThreshold,
                                           Faction::PreviousFameThreshold,
                                           Faction::PreviousReputationThreshold};
constexpr int kMoneyLikeMissionFields[] = {Mission::Reward, Mission::ReputationReward,
                                           Mission::FameReward};
constexpr int kPlayersSaved = 2, kFactionsSaved = 4, kOffersSaved = 28;
constexpr int kFleetsSaved = 5, kShipsSaved = 4;

void NotBelowNothing(int32_t& value) {
    value = std::max(value, 0);
}

}  // namespace

void FinishRulesRanges(GameState& g, const MoneyLikeTables& file) {
    // The money-like fields keep what the money cap allows; every other number was limited far
    // below it, so sums of a few stay within 32 bits.
    auto cap = [](int32_t value) {
        return static_cast<int32_t>(std::clamp<int64_t>(value, -kValueCap, kValueCap));
    };
    for (int p = 1; p <= kPlayersSaved; ++p)
        for (int f : kMoneyLikePlayerFields) g.Players[p][f] = cap(file.players[p][f]);
    for (int faction = 1; faction <= kFactionsSaved; ++faction)
        for (int f : kMoneyLikeFactionFields)
            g.Factions[faction][f] = cap(file.factions[faction][f]);
    for (int f : kMoneyLikeMissionFields) {
        for (int o = 1; o <= kOffersSaved; ++o) g.MissionOffers[o][f] = cap(file.offers[o][f]);
        for (int p = 1; p <= kPlayersSaved; ++p) g.Missions[p][f] = cap(file.missions[p][f]);
    }

    // What the rules count never goes below nothing: money, the debts, the bonds and the days of
    // early payback, the hold, the crews aboard, in the boarding squads and for hire, and the
    // days. A loan's turns left may: an overdue debt counts on below 0 while nothing can be
    // taken.
    for (int p = 1; p <= kPlayersSaved; ++p) NotBelowNothing(g.Players[p][Player::Money]);
    for (int f = 1; f <= kFactionsSaved; ++f)
        for (int field : {Faction::Loan, Faction::WarBonds, Faction::EarlyPaybackTurns})
            NotBelowNothing(g.Factions[f][field]);
    for (int good = Good::First; good <= Good::Last; ++good) {
        NotBelowNothing(g.Cargo[good]);
        NotBelowNothing(g.LastPricePaid[good]);
    }
    for (int f = 1; f <= kFleetsSaved; ++f) {
        for (int s = 1; s <= kShipsSaved; ++s) {
            GameRecord& ship = g.Ships[f][s];
            NotBelowNothing(ship[Ship::CrewTotal]);
            for (int k = CrewKind::First; k <= CrewKind::Last; ++k) {
                NotBelowNothing(ship[Ship::CrewBase + k]);
                NotBelowNothing(ship[Ship::BoardingSquadBase + k]);
            }
        }
    }
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s)
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l)
            for (int k = CrewKind::First; k <= CrewKind::Last + 1; ++k)
                NotBelowNothing(g.Planets[s][l][Planet::HireableCrewBase + k]);
    NotBelowNothing(g.TurnNumber);
}

}  // namespace corvanth
