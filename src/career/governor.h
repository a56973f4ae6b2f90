// The law of the factions: rewards for destroyed ships, the customs scan and the penalties for
// crimes, treason and contraband.
#pragma once

#include <cstdint>

namespace corvanth {

// Fame for a destroyed ship of size class 1..5, and reputation with the own faction when it is
// at war with the ship's faction.
void AwardShipKill(int sizeClass, int faction);

// Scans the hold and an active smuggling mission against the faction's laws and shows the
// penalty; true when contraband was found and held against the captain. Pirates and planets
// nobody owns never find anything.
bool ScanForContraband(int faction);
// The chance in 100 that the faction's customs examine the captain's hold.
int ContrabandScanChance();

// Penalties: a one-line notice, the faction marked as warned, the reputation loss.
void ReportCrimeSectorWarned(int faction);
void ReportCrime(int faction);
void ReportSeriousCrime(int faction);
void ReportEvilCrime(int faction);
void ReportGovernorNotAmused(int faction);
void ReportTreason(int faction);
void ReportContraband(int faction);
void ReportBannedContraband(int faction);

// What ReportGovernorNotAmused takes at the captain's rank 0..8 in the faction.
int64_t GovernorDispleasure(int rank);

}  // namespace corvanth
