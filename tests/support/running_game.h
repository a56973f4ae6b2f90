// The least a running game needs to be saved and loaded: a set-up world, a Federation captain in
// an Avenger at Finis Prime. For the benchmarks and the fuzz targets.
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

}  // namespace corvanth::test
