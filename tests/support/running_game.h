// Running games for the benchmarks, the fuzz targets and tests: the least one a save needs, and
// one where nothing is to be found.
#pragma once

#include "state/newgame.h"
#include "state/variables.h"

namespace corvanth::test {

inline void MinimalRunningGame() {
    InitGameData();
    GameState& g = G();
    g.Players[1][Player::Faction] = FactionId::Federation;
    g.Fleets[1][Fleet::System] = 4;
    g.Fleets[1][Fleet::Location] = 1;
    g.Ships[1][1][Ship::Class] = 3;
}

// Nowhere to go: every system but the fleet's is gone, and of the fleet's system all but its own
// location; every search of the day's mission offers runs out its draws.
inline void OnlyTheFleetsLocation() {
    GameState& g = G();
    const int home = g.Fleets[g.CurrentFleet][Fleet::System];
    const int here = g.Fleets[g.CurrentFleet][Fleet::Location];
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        if (s != home) g.StarSystems[s][StarSystem::Exists] = 0;
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l)
            if (s != home || l != here) g.Planets[s][l][Planet::Exists] = 0;
    }
}

}  // namespace corvanth::test
