// Checked reads of the tables the travel screen works on: the fleet, its ship, its system.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "state/variables.h"

namespace corvanth::travel {

inline bool ValidSystem(int s) {
    return s >= StarSystem::First && s <= StarSystem::Last;
}
inline bool ValidLocation(int l) {
    return l >= Planet::FirstLocation && l <= Planet::LastLocation;
}
inline bool ValidGood(int g) {
    return g >= Good::First && g <= Good::Last;
}
inline bool ValidFaction(int f) {
    return f >= 0 && f <= FactionId::Pirates;
}

// Values saved games carry may be anything: an index out of range reads as a cleared record.
inline const GameRecord& EmptyRecord() {
    static const GameRecord empty{};
    return empty;
}

inline GameRecord& FleetRecord() {
    GameState& g = G();
    return g.Fleets[std::clamp(g.CurrentFleet, 0, FleetBound - 1)];
}
inline GameRecord& PlayerRecord() {
    GameState& g = G();
    return g.Players[std::clamp(g.CurrentPlayer, 0, static_cast<int>(g.Players.size()) - 1)];
}
inline GameRecord& ShipRecord() {
    GameState& g = G();
    return g.Ships[std::clamp(g.CurrentFleet, 0, FleetBound - 1)]
                  [std::clamp(g.CurrentShip, 0, ShipBound - 1)];
}

// The captain's accepted mission.
inline const GameRecord& CaptainMission() {
    const GameState& g = G();
    const int p = g.CurrentPlayer;
    return p >= 0 && p < static_cast<int>(g.Missions.size()) ? g.Missions[p] : EmptyRecord();
}

inline int FleetSystem() {
    return FleetRecord()[Fleet::System];
}
inline int FleetLocation() {
    return FleetRecord()[Fleet::Location];
}

// A location of the fleet's system.
inline const GameRecord& LocationRecord(int l) {
    const int s = FleetSystem();
    if (!ValidSystem(s) || !ValidLocation(l)) return EmptyRecord();
    return G().Planets[s][l];
}
inline bool LocationExists(int l) {
    return LocationRecord(l)[Planet::Exists] > 0;
}
inline std::string LocationName(int l) {
    const int s = FleetSystem();
    if (!ValidSystem(s) || !ValidLocation(l)) return "";
    return G().PlanetNames[s][l].str();
}
// The current price of a good at a location of the fleet's system.
inline int32_t PriceAt(int l, int good) {
    const int s = FleetSystem();
    if (!ValidSystem(s) || !ValidLocation(l) || !ValidGood(good)) return 0;
    return G().Markets[s][l][good][Market::Price];
}

inline const GameRecord& FactionRecord(int f) {
    return ValidFaction(f) ? G().Factions[f] : EmptyRecord();
}

}  // namespace corvanth::travel
