// The law of the factions at their planets: the customs scan of the hold.
#pragma once

namespace corvanth {

// Scans the hold and an active smuggling mission against the faction's laws and shows the
// penalties; returns whether contraband was found. Never finds anything for the pirates.
bool ScanForContraband(int faction);

}  // namespace corvanth
