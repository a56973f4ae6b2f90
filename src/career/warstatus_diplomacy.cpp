// Diplomacy once a turn: cease-fires end and are made by chance, and wars without a front stop.
#include "career/UMessage7.h"
#include "career/warstatus.h"
#include "state/market.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kPeace = 1;
constexpr int kWar = 2;
constexpr int kQuietTurns = 50;     // no chance change before this turn
constexpr int kChanceAtPeace = 40;  // in 100, while the captain's faction fights nobody
constexpr int kChanceInWar = 8;

void SetRelation(int a, int b, int relation) {
    Relation(a, b) = relation;
    Relation(b, a) = relation;
    UpdateMarketPrices();
}

int WarsOf(int f) {
    int wars = 0;
    for (int g = FactionId::Federation; g <= FactionId::Coalition; ++g)
        if (Relation(f, g) == kWar) ++wars;
    return wars;
}

}  // namespace

bool FactionsShareBorder(int a, int b) {
    const GameState& g = G();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        if (g.StarSystems[s][StarSystem::Owner] != a) continue;
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            const GameRecord& p = g.Planets[s][l];
            if (p[Planet::Exists] >= 1 && p[Planet::Kind] == PlanetKind::JumpPoint &&
                StarSystemRecord(p[Planet::JumpTarget])[StarSystem::Owner] == b)
                return true;
        }
    }
    return false;
}

void CeaseFireWithoutBorder() {
    for (int a = FactionId::Federation; a <= FactionId::Coalition; ++a) {
        for (int b = FactionId::Federation; b <= FactionId::Coalition; ++b) {
            if (a == b || Relation(a, b) != kWar || FactionsShareBorder(a, b)) continue;
            SetRelation(a, b, kPeace);
            ShowWarNews("The " + FactionName(a) + " and " + FactionName(b) +
                            " have no seperate border to each other anymore and - because of "
                            "this - agree on a cease-fire.",
                        WarNewsKind::WarOrCeaseFire);
        }
    }
}

void UpdateDiplomacy() {
    GameState& g = G();
    const int pf = CaptainFaction();
    int threshold = pf > 0 && WarsOf(pf) == 0 ? kChanceAtPeace : kChanceInWar;
    if (g.TurnNumber < kQuietTurns) threshold = 0;
    if (Random(100) < threshold) {
        const int a = Random(4) + 1;
        const int b = Random(4) + 1;
        if (a != b && Active(a) && Active(b)) {
            const bool surrendered = FactionRecord(a)[Faction::Surrendered] == 1 ||
                                     FactionRecord(b)[Faction::Surrendered] == 1;
            if (Relation(a, b) == kPeace && FactionsShareBorder(a, b) && !surrendered) {
                SetRelation(a, b, kWar);
                WarScore(a, b) = 0;
                WarScore(b, a) = 0;
                ShowWarNews("The cease-fire between the " + FactionName(a) + " and the " +
                                FactionName(b) + " has ended!",
                            WarNewsKind::WarOrCeaseFire);
            } else if (Relation(a, b) == kWar && WarsOf(a) >= 2) {
                SetRelation(a, b, kPeace);
                ShowWarNews("The " + FactionName(a) + " and the " + FactionName(b) +
                                " have declared a cease-fire!",
                            WarNewsKind::WarOrCeaseFire);
            }
        }
    }
    CeaseFireWithoutBorder();
}

}  // namespace corvanth
