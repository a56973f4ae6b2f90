// What the visits of space events share: the reward rules and the visits that fight or loot.
#pragma once

#include <cstdint>

namespace corvanth {

inline constexpr int64_t kTreasureFloor = 5000;
inline constexpr int64_t kTreasureCeiling = 1000000;

// A reward drawn over the captain's value: Random(value div drawDivisor), plus value div
// fixedDivisor when that is above 0, at least `floor` and, when `ceiling` is above 0, at most that.
int64_t Reward(int64_t value, int drawDivisor, int fixedDivisor, int64_t floor,
               int64_t ceiling = 0);
// A hidden treasure: Random(money div 10) times the rank, 5,000 .. 1,000,000.
int64_t TreasureFind(int64_t money, int rank);
// The faction an event site stands for: its owner, or the Federation when it has none.
int EventOwnerFaction(int owner);

// GainFame, GainReputation with the own faction, and the status panel shows both.
void HonourCaptain(int64_t fame, int64_t reputation);
// The visited event back in its slot and on its site, as it was.
void PutEventBack(int system, int slot);

// A ghost ship's hold: 10..19 units of one good legal for the faction, drawn at most 1000 times,
// then the lowest legal good.
struct GhostShipCargo {
    int good = 0;
    int amount = 0;
};
GhostShipCargo DrawGhostShipCargo(int faction);
// An attacked VIP: whether the crime is reported (41 in 100), then what he offers for his life
// by the player's size class (0: no offer; never from a size-1 ship).
bool VipCrimeReported();
int64_t VipRansomOffer(int sizeClass);

// The visits that lead to a fight or the loot screen.
void VisitGhostShip();
void VisitSpyShip(int system, int slot);
void VisitContainer();
void VisitVip(int system, int slot, int siteOwner);

}  // namespace corvanth
