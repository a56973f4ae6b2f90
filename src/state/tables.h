// One checked way into the game tables: the index tests, the records, the names and the value cap.
//
// The policy for an index out of range is the same for every accessor below: the record
// accessors hand out a cleared scratch record instead of a table row, so a read gives zeros and a
// write goes nowhere (the scratch record is cleared again each time it is handed out); the name
// accessors give "". Nothing out of range ever reaches a table, whatever a saved game carries.
#pragma once

#include <cstdint>
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

// Whether faction a is at war with faction b, read in a's record.
inline bool AtWar(int a, int b) {
    return ValidFaction(a) && b >= FactionId::Federation && b <= FactionId::Pirates &&
           G().Factions[a][Faction::RelationBase + b] == 2;
}
// Whether faction a is at peace with faction b (relation 1), read in a's record.
inline bool AtPeace(int a, int b) {
    return ValidFaction(a) && b >= FactionId::Federation && b <= FactionId::Pirates &&
           G().Factions[a][Faction::RelationBase + b] == 1;
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

// Money, fame, reputation and war bonds never pass this; sums are made in 64 bits first.
inline constexpr int64_t kValueCap = 900000000;
inline int32_t CapValue(int64_t value) {
    if (value > kValueCap) return static_cast<int32_t>(kValueCap);
    return value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
}
// Money after a payment: the amount comes off and nothing else. Money above the cap (a sale
// earlier in the day) stays until the turn's clamp.
inline int32_t AfterPayment(int64_t money, int64_t amount) {
    return SaturateInt32(money - amount);
}

}  // namespace corvanth
