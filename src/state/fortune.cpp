// The captain's net worth, the crew's wages and royalties, and the droid fee.
#include "state/fortune.h"

#include <algorithm>

#include "state/saturate.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

// A royalty share: any crew of that kind claims at least 1 %.
int64_t Share(int32_t count, int32_t per) {
    int64_t q = count / per;
    return (count > 0 && q == 0) ? 1 : q;
}

}  // namespace

int32_t CalcFortune() {
    const GameState& g = G();
    int64_t worth = 0;
    const int fleet = g.CurrentFleet;
    if (ValidFleet(fleet)) {
        // Only ship 1 is valued, whatever ship the captain commands.
        int64_t ship = g.Ships[fleet][1][Ship::HullPrice];
        for (int slot = Slot::First; slot <= Slot::Last; ++slot) {
            const GameRecord& s = g.ShipEquipment[fleet][1][slot];
            if (s[Slot::Used] <= 0) continue;
            const int id = s[Slot::EquipmentId];
            ship += EquipmentType(id)[Equipment::Price];  // a damaged save's id prices 0
        }
        worth = ship / 2;

        const int system = g.Fleets[fleet][Fleet::System];
        const int location = g.Fleets[fleet][Fleet::Location];
        if (ValidSystem(system) && ValidLocation(location)) {
            for (int good = Good::First; good <= Good::Last; ++good) {
                if (g.Cargo[good] <= 0) continue;
                worth += int64_t{g.Cargo[good]} * g.Markets[system][location][good][Market::Price];
            }
        }
    }
    worth += Captain()[Player::Money];
    for (int f = FactionId::Federation; f <= FactionId::Coalition; ++f) {
        worth -= g.Factions[f][Faction::Loan];
        worth += g.Factions[f][Faction::WarBonds];
    }
    return SaturateInt32(std::max<int64_t>(worth, 0));
}

int32_t CalcCrewWages(int32_t turns, int32_t officers, int32_t /*droids*/, int32_t mercenaries,
                      int32_t /*adventurers*/, int32_t scoundrels) {
    const int64_t perTurn =
        35 * int64_t{officers} + 15 * int64_t{mercenaries} + 2 * int64_t{scoundrels};
    return SaturateInt32(perTurn * turns);
}

int32_t CalcCrewRoyaltyPercent(int32_t officers, int32_t /*droids*/, int32_t mercenaries,
                               int32_t adventurers, int32_t scoundrels) {
    return SaturateInt32(2 * int64_t{officers} + Share(mercenaries, 4) + Share(adventurers, 2) +
                         Share(scoundrels, 4));
}

int32_t CalcDroidFee(int32_t droids) {
    return SaturateInt32(int64_t{droids} * 10000);
}

}  // namespace corvanth
