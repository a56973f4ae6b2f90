// One checked way into the game tables: the index tests, the records, the names and the value cap.
//
// The policy for an index out of range is the same for every accessor below: the record
// accessors hand out a cleared scratch record instead of a table row, so a read gives zeros and a
// write goes nowhere (the scratch record is cleared again each time it is handed out); the name
// accessors give "". Nothing out of range ever reaches a table, whatever a saved game carries.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "state/saturate.h"
#include "state/variables.h"

namespace corvanth {

// Index tests.
inline bool ValidSystem(int s) {
    return s >= StarSystem::First && s <= StarSystem::Last;
}
inline bool ValidLocation(int l) {
    return l >= Planet::FirstLocation && l <= Planet::LastLocation;
}
inline bool ValidGood(int good) {
    return good >= Good::First && good <= Good::Last;
}
// Every owner the tables know: 0 none, 1..4 the playable factions, 5 the pirates.
inline bool ValidFaction(int f) {
    return f >= 0 && f <= FactionId::Pirates;
}
inline bool PlayableFaction(int f) {
    return f >= FactionId::Federation && f <= FactionId::Coalition;
}
inline bool ValidEquipment(int id) {
    return id >= Equipment::FirstId && id <= Equipment::LastId;
}
// Fleet 0 (the other side of an encounter) and ship 0 (the class template) are valid rows.
inline bool ValidFleet(int fleet) {
    return fleet >= 0 && fleet < FleetBound;
}
inline bool ValidShip(int fleet, int ship) {
    return ValidFleet(fleet) && ship >= 0 && ship < ShipBound;
}
inline bool ValidSlot(int slot) {
    return slot >= Slot::First && slot <= Slot::Last;
}

// The record that stands in for an index out of range: cleared on every call.
GameRecord& ScratchRecord();

// Records by index.
inline GameRecord& FleetRecord(int fleet) {
    return ValidFleet(fleet) ? G().Fleets[fleet] : ScratchRecord();
}
inline GameRecord& ShipRecord(int fleet, int ship) {
    return ValidShip(fleet, ship) ? G().Ships[fleet][ship] : ScratchRecord();
}
inline GameRecord& SlotRecord(int fleet, int ship, int slot) {
    return ValidShip(fleet, ship) && ValidSlot(slot) ? G().ShipEquipment[fleet][ship][slot]
                                                     : ScratchRecord();
}
inline GameRecord& StarSystemRecord(int s) {
    return ValidSystem(s) ? G().StarSystems[s] : ScratchRecord();
}
inline GameRecord& LocationRecord(int s, int l) {
    return ValidSystem(s) && ValidLocation(l) ? G().Planets[s][l] : ScratchRecord();
}
inline GameRecord& MarketRecord(int s, int l, int good) {
    return ValidSystem(s) && ValidLocation(l) && ValidGood(good) ? G().Markets[s][l][good]
                                                                 : ScratchRecord();
}
inline GameRecord& FactionRecord(int f) {
    return ValidFaction(f) ? G().Factions[f] : ScratchRecord();
}
inline GameRecord& EquipmentType(int id) {
    return ValidEquipment(id) ? G().EquipmentTypes[id] : ScratchRecord();
}
inline GameRecord& GoodRecord(int good) {
    return ValidGood(good) ? G().Goods[good] : ScratchRecord();
}

// The player's side: the captain (Players[CurrentPlayer]), his fleet and his ship.
inline GameRecord& Captain() {
    GameState& g = G();
    const bool valid = g.CurrentPlayer >= 0 && g.CurrentPlayer < int(g.Players.size());
    return valid ? g.Players[g.CurrentPlayer] : ScratchRecord();
}
inline int32_t& CaptainMoney() {
    return Captain()[Player::Money];
}
inline GameRecord& PlayerFleet() {
    return FleetRecord(G().CurrentFleet);
}
inline GameRecord& PlayerShip() {
    return ShipRecord(G().CurrentFleet, G().CurrentShip);
}
// The captain's accepted mission (Missions[CurrentPlayer]).
inline GameRecord& CaptainMission() {
    GameState& g = G();
    const bool valid = g.CurrentPlayer >= 0 && g.CurrentPlayer < int(g.Missions.size());
    return valid ? g.Missions[g.CurrentPlayer] : ScratchRecord();
}
// The ship-class template (ship 0 of fleet 0) that the class loaders fill.
inline GameRecord& ShipClassTemplate() {
    return G().Ships[kTemplateFleet][kTemplateShip];
}
// The captain's faction 1..4, or 0 when the record holds none.
inline int CaptainFaction() {
    const int f = Captain()[Player::Faction];
    return PlayableFaction(f) ? f : 0;
}
// Whether a game runs: the captain record's first field, which a successful load sets.
inline bool GameRunning() {
    return G().Players[1][Player::GameRunning] >= 1;
}
// Where the player's fleet is.
inline int FleetSystem() {
    return PlayerFleet()[Fleet::System];
}
inline int FleetLocation() {
    return PlayerFleet()[Fleet::Location];
}
// A location of the fleet's own system, and its market.
inline GameRecord& LocationRecord(int l) {
    return LocationRecord(FleetSystem(), l);
}
inline bool LocationExists(int l) {
    return LocationRecord(l)[Planet::Exists] > 0;
}
inline int32_t PriceAt(int l, int good) {
    return MarketRecord(FleetSystem(), l, good)[Market::Price];
}

// The fleet's own location, its owner, and the record where that owner's bank keeps its books
// (a playable faction's only).
inline GameRecord& FleetLocationRecord() {
    return LocationRecord(FleetSystem(), FleetLocation());
}
inline int FleetLocationOwner() {
    return FleetLocationRecord()[Planet::Owner];
}
inline GameRecord& BankRecord() {
    const int o = FleetLocationOwner();
    return PlayableFaction(o) ? G().Factions[o] : ScratchRecord();
}
// The captain's own faction's record: his rank, standing and story; scratch without a faction.
inline GameRecord& CaptainFactionRecord() {
    const int f = CaptainFaction();
    return f != 0 ? G().Factions[f] : ScratchRecord();
}
// An equipment slot of the player's ship.
inline GameRecord& PlayerShipSlot(int slot) {
    return SlotRecord(G().CurrentFleet, G().CurrentShip, slot);
}
// Ship 1 of the player's fleet, whichever ship the captain commands: the one death takes.
inline GameRecord& FirstOwnShip() {
    return ShipRecord(G().CurrentFleet, 1);
}

// The encounter's other side: ship 1 of fleet 0, and its slots.
inline GameRecord& EncounterEnemy() {
    return ShipRecord(0, 1);
}
inline GameRecord& EncounterEnemySlot(int slot) {
    return SlotRecord(0, 1, slot);
}

// The ships of a fight: the player's ship in the fight, the enemy ship named in the texts, the
// enemy ship whose slots the enemy uses, and the player's ship that enemy fire damages; and the
// item in a ship's selected slot.
inline GameRecord& CombatOwnShip() {
    return ShipRecord(G().CurrentFleet, G().CombatShip);
}
inline GameRecord& EnemyShipRecord() {
    return ShipRecord(0, G().EnemyCombatShip);
}
inline GameRecord& FiringShip() {
    return ShipRecord(0, G().EnemyFiringShip);
}
inline GameRecord& TargetedShip() {
    return ShipRecord(G().CurrentFleet, G().TargetedOwnShip);
}
inline GameRecord& SelectedSlot(int fleet, int ship) {
    return SlotRecord(fleet, ship, ShipRecord(fleet, ship)[Ship::SelectedWeaponSlot]);
}
// The two ships of a boarding round: the boarding side's and the boarded side's, each the fleet
// the round named with the encounter's ship number.
inline GameRecord& BoardingAttacker() {
    return ShipRecord(PlayerIsBoarding, G().EnemyShip);
}
inline GameRecord& BoardingDefender() {
    return ShipRecord(EnemyIsBoarding, G().EnemyShip);
}

// The arena: tournaments 1..3, their entrants, and gladiators 1..55 (1 is the captain). Inline:
// the fights of a round read them for every exchange.
inline constexpr int kFirstTournament = 1;
inline constexpr int kLastTournament = 3;
inline constexpr int kFirstGladiator = 1;
inline constexpr int kLastGladiator = 55;
inline bool ValidTournament(int t) {
    return t >= kFirstTournament && t <= kLastTournament;
}
inline bool ValidGladiator(int n) {
    return n >= kFirstGladiator && n <= kLastGladiator;
}
inline GameRecord& TournamentRecord(int t) {
    return ValidTournament(t) ? G().Tournaments[t] : ScratchRecord();
}
inline GameRecord& EntrantsRecord(int t) {
    return ValidTournament(t) ? G().TournamentEntrants[t] : ScratchRecord();
}
inline GameRecord& GladiatorRecord(int n) {
    return ValidGladiator(n) ? G().Gladiators[n] : ScratchRecord();
}

// How faction a stands toward faction b = 1..5 (1 peace or cease-fire, 2 war), in a's record.
inline int32_t& Relation(int a, int b) {
    const bool valid = b >= FactionId::Federation && b <= FactionId::Pirates;
    return FactionRecord(valid ? a : -1)[Faction::RelationBase + (valid ? b : 0)];
}
// Faction a's war score against faction b = 1..4, in a's record.
inline int32_t& WarScore(int a, int b) {
    const bool valid = PlayableFaction(b);
    return FactionRecord(valid ? a : -1)[Faction::WarScoreBase + (valid ? b : 0)];
}
// Whether faction a is at war with faction b, read in a's record.
inline bool AtWar(int a, int b) {
    return Relation(a, b) == 2;
}
// Whether faction a is at peace with faction b (relation 1), read in a's record.
inline bool AtPeace(int a, int b) {
    return Relation(a, b) == 1;
}
// Whether playable faction f is still in the game.
inline bool Active(int f) {
    return PlayableFaction(f) && G().Factions[f][Faction::Active] > 0;
}

// A value drawn from bands: the first band whose upper end reaches the draw, 0 past the last.
struct Band {
    int upTo;
    int value;
};
inline int FromBands(std::span<const Band> bands, int d) {
    for (const Band& band : bands)
        if (d <= band.upTo) return band.value;
    return 0;
}
inline int FromBands(std::initializer_list<Band> bands, int d) {
    return FromBands(std::span<const Band>(bands.begin(), bands.size()), d);
}

// Names; "" for an index out of range.
std::string SystemName(int s);
std::string LocationName(int s, int l);
std::string LocationName(int l);  // in the fleet's system
std::string FactionName(int f);
std::string RankName(int f, int rank);
std::string RankAbbreviation(int f, int rank);
std::string GoodName(int good);
std::string EquipmentName(int id);
std::string CaptainName();
std::string ShipClassName(int fleet, int ship);

// The cap on money, fame and the own reputation, which the turn puts on them once a day, and on
// war bonds at every change; sums are made in 64 bits first.
inline constexpr int64_t kValueCap = 900000000;
inline int32_t CapValue(int64_t value) {
    if (value > kValueCap) return static_cast<int32_t>(kValueCap);
    return value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
}
// Money, fame or reputation after a gain: the amount comes on, stopped only by 32 bits. What
// passes the cap is the captain's to spend until the next turn's clamp.
inline int32_t AfterGain(int64_t value, int64_t amount) {
    return SaturateInt32(value + amount);
}
// Money after a payment: the amount comes off and nothing else. Money above the cap (a sale
// earlier in the day) stays until the turn's clamp.
inline int32_t AfterPayment(int64_t money, int64_t amount) {
    return SaturateInt32(money - amount);
}

}  // namespace corvanth
