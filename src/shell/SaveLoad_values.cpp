// A loaded game's numbers brought into the ranges the rules keep them in.
#include <algorithm>
#include <array>
#include <cstdint>

#include "shell/SaveLoad.h"
#include "state/Module1.h"
#include "state/market.h"
#include "state/newgame.h"
#include "state/tables.h"

namespace corvanth {

namespace {

// Numbers a day's gains carry to the ends of 32 bits: a gain stops only there, and the cap comes
// with the turn that follows every load. The net worth is the fortune, which can be all of it.
constexpr int kWholeRangePlayerFields[] = {Player::Money, Player::Fame, Player::NetWorthAtLastPay,
                                           Player::StartNetWorth};
// Numbers the rules keep within the money cap at every change.
constexpr int kCappedPlayerFields[] = {Player::CappedAsMoney};
constexpr int kCappedFactionFields[] = {Faction::Loan,
                                        Faction::WarBonds,
                                        Faction::NextFameThreshold,
                                        Faction::NextReputationThreshold,
                                        Faction::PreviousFameThreshold,
                                        Faction::PreviousReputationThreshold};
// What a mission pays: never below nothing, and far below the cap.
constexpr int kRewardFields[] = {Mission::Reward, Mission::ReputationReward, Mission::FameReward};
constexpr int kPlayersSaved = 2, kFactionsSaved = 4, kOffersSaved = 28;
constexpr int kFleetsSaved = 5, kShipsSaved = 4;

void NotBelowNothing(int32_t& value) {
    value = std::max(value, 0);
}

int32_t Capped(int32_t value, int64_t lowest) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, lowest, kValueCap));
}

// A ship fights with what its class gives it: none loads without the 10 action points a turn
// that a flight takes, or a fight could never end. A record without a class holds no ship.
void KeepShipsAsTheirClassesMadeThem(GameState& g) {
    for (int f = 1; f <= kFleetsSaved; ++f) {
        for (int s = 1; s <= kShipsSaved; ++s) {
            GameRecord& ship = g.Ships[f][s];
            if (ship[Ship::Class] < 1) continue;
            const ShipCombatBounds b = ShipClassCombatBounds(ship[Ship::Class]);
            ship[Ship::ActionPointsPerTurn] = std::clamp(ship[Ship::ActionPointsPerTurn],
                                                         b.fewestActionPoints, b.mostActionPoints);
            ship[Ship::MoveCost] =
                std::clamp(ship[Ship::MoveCost], b.lowestMoveCost, b.highestMoveCost);
        }
    }
}

// Every market within what the days can make of its good: no good is paid for taking.
void KeepMarketsInReach(GameState& g) {
    static const auto kReach = [] {
        std::array<MarketReach, Good::Last + 1> reach{};
        for (int good = Good::First; good <= Good::Last; ++good)
            reach[good] = ReachOfPrices(GoodPricesByLevel(good));
        return reach;
    }();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            for (int good = Good::First; good <= Good::Last; ++good) {
                const MarketReach& r = kReach[good];
                GameRecord& m = g.Markets[s][l][good];
                m[Market::BasePrice] = std::clamp(m[Market::BasePrice], 0, r.highestBase);
                m[Market::Drift] = std::clamp(m[Market::Drift], r.lowestDrift, r.highestDrift);
                m[Market::Price] = std::clamp(m[Market::Price], 0, r.highestPrice);
            }
        }
    }
}

}  // namespace

void FinishRulesRanges(GameState& g, const MoneyLikeTables& file) {
    // The money-like fields keep what the rules let them reach; every other number was limited
    // far below it, so sums of a few stay within 32 bits.
    for (int p = 1; p <= kPlayersSaved; ++p) {
        for (int f : kWholeRangePlayerFields) g.Players[p][f] = file.players[p][f];
        for (int f : kCappedPlayerFields) g.Players[p][f] = Capped(file.players[p][f], -kValueCap);
    }
    for (int faction = 1; faction <= kFactionsSaved; ++faction) {
        // A gain or a loss stops only at 32 bits; the turn caps the own faction's alone.
        g.Factions[faction][Faction::Reputation] = file.factions[faction][Faction::Reputation];
        for (int f : kCappedFactionFields)
            g.Factions[faction][f] = Capped(file.factions[faction][f], -kValueCap);
    }
    for (int f : kRewardFields) {
        for (int o = 1; o <= kOffersSaved; ++o)
            g.MissionOffers[o][f] = Capped(file.offers[o][f], 0);
        for (int p = 1; p <= kPlayersSaved; ++p) g.Missions[p][f] = Capped(file.missions[p][f], 0);
    }

    // What the rules count never goes below nothing: money and the net worth, the debts, the
    // bonds and the days of early payback, the hold, the crews aboard, in the boarding squads and
    // for hire, and the days. A loan's turns left may: an overdue debt counts on below 0 while
    // nothing can be taken.
    for (int p = 1; p <= kPlayersSaved; ++p)
        for (int f : {Player::Money, Player::NetWorthAtLastPay, Player::StartNetWorth})
            NotBelowNothing(g.Players[p][f]);
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

    KeepShipsAsTheirClassesMadeThem(g);
    KeepMarketsInReach(g);
}

}  // namespace corvanth
