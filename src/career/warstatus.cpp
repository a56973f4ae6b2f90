// The civil war between the factions: the daily raids and conquests, rebuilt facilities.
#include "career/warstatus.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "career/UMessage7.h"
#include "career/news.h"
#include "state/market.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/variables.h"
#include "travel/UEvents.h"
#include "travel/travel.h"

namespace corvanth {

namespace {
constexpr int kFacilityKinds = 7;
constexpr int kRebuildChance = 5;  // in 100, per destroyed kind and turn
// One chance in 10000 per held planet and turn that a split system is recaptured.
constexpr int kRecaptureDraw = 20000;
constexpr int kRecaptureBelow = 2;

constexpr int kPeace = 1;
constexpr int kWar = 2;
constexpr int kSearchDraws = 100001;
constexpr int kRaidBelow = 5;       // x below this: the raid happens
constexpr int kConquestScore = 3;   // a score this high takes the target system
constexpr int kScoreMargin = 10;    // score + margin must beat y for anything to happen
constexpr int kAfterConquest = 21;  // y after a conquest

const char* const kFacilityNames[kFacilityKinds + 1] = {"",
                                                        "agriculture facilities",
                                                        "low-tech plants",
                                                        "high-tech factories",
                                                        "luxuary facilities",
                                                        "mines",
                                                        "medical plants",
                                                        "illegal laboratories"};

// The systems each system's jump points lead to (bit t for system t), read once per turn: the
// war's searches test their draws against it. Raids and conquests change owners, not jump points.
using SystemSet = uint32_t;
using JumpTable = std::array<SystemSet, SystemBound>;

JumpTable ReadJumps() {
    JumpTable jumps{};
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s)
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            const GameRecord& p = G().Planets[s][l];
            if (p[Planet::Exists] >= 1 && p[Planet::Kind] == PlanetKind::JumpPoint &&
                ValidSystem(p[Planet::JumpTarget]))
                jumps[s] |= SystemSet{1} << p[Planet::JumpTarget];
        }
    return jumps;
}

SystemSet SystemsOf(int owner) {
    SystemSet held = 0;
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s)
        if (G().StarSystems[s][StarSystem::Owner] == owner) held |= SystemSet{1} << s;
    return held;
}

// A system of d, not its capital, with a jump point from a's space; 0 when none was drawn. The
// draws are those of Random(26), so system 26 never comes up.
int FindTargetSystem(const JumpTable& jumps, int a, int d) {
    const int capital = FactionRecord(d)[Faction::CapitalSystem];
    const SystemSet front = SystemsOf(a);
    uint64_t wanted = 0;
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        const GameRecord& sys = G().StarSystems[s];
        if (sys[StarSystem::Exists] >= 1 && sys[StarSystem::Owner] == d && s != capital &&
            (jumps[s] & front) != 0)
            wanted |= uint64_t{1} << s;
    }
    return std::max(0, DrawUntilWanted(26, wanted, kSearchDraws));
}

int FindTargetPlanet(int s, int d) {
    uint64_t wanted = 0;
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
        const GameRecord& p = LocationRecord(s, l);
        if (p[Planet::Exists] >= 1 && p[Planet::Kind] == PlanetKind::Planet &&
            p[Planet::Owner] == d)
            wanted |= uint64_t{1} << l;
    }
    return std::max(0, DrawUntilWanted(35, wanted, kSearchDraws));
}

// Kinds 1..7 are drawn as Random(7) + 1.
int FindTargetFacility(int s, int l) {
    uint64_t wanted = 0;
    const GameRecord& p = LocationRecord(s, l);
    for (int f = 1; f <= kFacilityKinds; ++f)
        if (p[Planet::FacilityBase + f] > 0) wanted |= uint64_t{1} << (f - 1);
    return DrawUntilWanted(kFacilityKinds, wanted, kSearchDraws) + 1;
}

void AddScore(int a, int d, int points) {
    WarScore(a, d) += points;
    WarScore(d, a) -= points;
}

void RedrawIfHere(int system) {
    if (system == FleetSystem()) RefreshTravelScreen();
}

void SpaceEvents(int system, int count) {
    for (int n = 0; n < count; ++n) SpawnSpaceEvent(system, 0, 0);
}

struct Raid {
    int a, d, s, l, f;
    std::string A, D, S, P, F;
};

// Step 9's table: what the raid's news does besides being read.
void RaidEvent(const Raid& r, int z) {
    const std::string text = RaidNews({r.A, r.D, r.S, r.P, r.F}, z);
    if (z >= 91 && r.f != 0) {
        GameRecord& p = LocationRecord(r.s, r.l);
        p[Planet::DestroyedFacilityBase + r.f] += p[Planet::FacilityBase + r.f];
        p[Planet::FacilityBase + r.f] = 0;
        UpdateMarketPrices();
    }
    SpaceEvents(r.s, RaidSpaceEvents(z, r.f != 0));
    ShowWarNews(text, WarNewsKind::WarEvent);
}

void WarBetween(const JumpTable& jumps, int a, int d) {
    const int held = std::popcount(SystemsOf(a));
    const int x = Random(RaidDrawRange(held));
    // The searches draw whether or not the raid happens.
    Raid r{a, d, FindTargetSystem(jumps, a, d), 0, 0, {}, {}, {}, {}, {}};
    if (r.s == 0) return;
    r.l = FindTargetPlanet(r.s, d);
    r.f = FindTargetFacility(r.s, r.l);
    if (r.l == 0 || x >= kRaidBelow) return;
    r.A = FactionName(a);
    r.D = FactionName(d);
    r.S = SystemName(r.s);
    r.P = LocationName(r.s, r.l);
    r.F = kFacilityNames[r.f];

    const int score = WarScore(a, d);
    int y = Random(20);
    if (score >= kConquestScore) {
        StarSystemRecord(r.s)[StarSystem::Owner] = a;
        Relation(a, d) = kPeace;
        Relation(d, a) = kPeace;
        // The planets change hands before the markets are priced, or trade would run on the
        // old owners until the next turn.
        SetSystemOwnerToPlanets(r.s);
        UpdateMarketPrices();
        RedrawIfHere(r.s);
        ShowWarNews("The " + r.A + " conquers the " + r.S +
                        " system. Disappointed and exhausted "
                        "the " +
                        r.D + " asks for a cease-fire, which is accepted.",
                    WarNewsKind::WarOrCeaseFire);
        y = kAfterConquest;
    }
    if (score + kScoreMargin <= y) return;
    int z = Random(106);
    if (y > 0) {
        AddScore(a, d, 1);
        // Nothing to destroy on the planet: the attack falls on the convoys instead.
        if (r.f == 0 && z >= 91 && z <= 94) z = 56;
        RaidEvent(r, z);
    } else {
        AddScore(a, d, 2);
        StarSystemRecord(r.s)[StarSystem::Owner] = a;
        SetSystemOwnerToPlanets(r.s);
        UpdateMarketPrices();
        RedrawIfHere(r.s);
        ShowWarNews("The " + r.A + " was able to take the " + r.S + " system of the " + r.D +
                        " in a surprise attack.",
                    WarNewsKind::WarOrCeaseFire);
    }
}

}  // namespace

int RaidSpaceEvents(int z, bool facility) {
    if (z >= 71 && z <= 75) return 1;
    if (z >= 76 && z <= 90) return 4;
    return z >= 91 && facility ? 1 : 0;
}

int RaidDrawRange(int held) {
    if (held < 5) return 200;
    if (held <= 8) return 300;
    if (held <= 12) return 500;
    return 5000;  // 13 and more alike
}

std::string RaidNews(const RaidNames& n, int z) {
    const std::string &A = n.attacker, &D = n.defender, &S = n.system;
    if (z <= 5)
        return "A high ranked officer of the " + D +
               " has been killed in battle by forces of the " + A + ".";
    if (z <= 10)
        return "Yesterday a high ranked officer of the " + D +
               " has been assassinated. The assassin could not be caught.";
    if (z <= 15)
        return "A few hours ago an important politician of the " + D +
               " has found murdered in his office. Circumstances remain unclear.";
    if (z <= 20)
        return "A few hours ago a famous scientist of the " + D +
               " has been reported missing. Circumstances remain unclear.";
    if (z <= 25)
        return "A espionage mission of " + A + " agents in territory of the " + D +
               " has been successful.";
    if (z <= 30)
        return "The counter-intelligence service of the " + A + " has busted a " + D + " agent.";
    if (z <= 35)
        return "The attempt of a/an " + D + " agent to leak important information of the " + A +
               " has been prevented.";
    if (z <= 40)
        return "A new fleet combat doctrine has improved the effectiveness of " + A + " forces.";
    if (z <= 45)
        return "The government of the " + A +
               " has granted new investments for spaceships in their attempt to win the war "
               "against the " +
               D + ".";
    if (z <= 50)
        return "The " + A +
               " has announced the forming of a new Marine division to be deployed at the " + D +
               " border.";
    if (z <= 55) return "The " + A + " revises their officer training.";
    if (z <= 60)
        return "The attack on supply convoys of the " + D +
               " has increased in the last month. Officials blame " + A + " forces.";
    if (z <= 65)
        return "The " + A + " attempt to disturb the supply lines of the " + D +
               " has been successful.";
    if (z <= 70)
        return "A high ranked " + D +
               " officer is accused of war crimes and has been suspended until all evidence has "
               "been has checked.";
    if (z <= 75)
        return "A major " + D + " convoi with supplies has been intercepted by " + A +
               " forces in the " + S + " system.";
    if (z <= 80)
        return "The " + A + " fleet has won a major battle against " + D + " forces in the " + S +
               " system.";
    if (z <= 85)
        return "Forces of the " + D + " have suffered a serious defeat against the " + A +
               " in the " + S + " system.";
    if (z <= 90)
        return "Forces of the " + A + " and the " + D + " have clashed togeher in the " + S +
               " system.";
    // The facility news; without a facility found the strike falls on the defenders.
    if (n.facility.empty())
        return "A swift strike of " + A +
               " forces does significant damage to the defenders of the " + D + ".";
    const std::string place = n.facility + " on " + n.planet + " in the " + S + " system";
    const std::string rebuild = " It will take some time to build them up again.";
    if (z <= 95)
        return "During an attack of " + A + " forces all " + place + " were destroyed." + rebuild;
    if (z <= 100)
        return "An undercover mission of " + A + " agents leads to the destruction of all " +
               place + "." + rebuild;
    return A + " forces have raided the " + place + "." + rebuild;
}

void RebuildFacilities() {
    GameState& g = G();
    bool rebuilt = false;
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            GameRecord& p = g.Planets[s][l];
            // Most places have nothing destroyed: one look at the seven counts, their largest
            // taken without a jump per count, passes them.
            int32_t most = 0;
            for (int k = 1; k <= kFacilityKinds; ++k)
                most = std::max(most, p[Planet::DestroyedFacilityBase + k]);
            if (most <= 0) continue;
            for (int k = 1; k <= kFacilityKinds; ++k) {
                // The draw only for a kind that has something to rebuild.
                if (p[Planet::DestroyedFacilityBase + k] <= 0 || Random(100) >= kRebuildChance)
                    continue;
                ++p[Planet::FacilityBase + k];
                --p[Planet::DestroyedFacilityBase + k];
                rebuilt = true;
            }
        }
    }
    // Supply has changed: the markets follow, once. Nothing in the loop reads a price.
    if (rebuilt) UpdateMarketPrices();
}

void CheckSystemConquests() {
    GameState& g = G();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        int held = 0;
        int other = 0;
        if (g.StarSystems[s][StarSystem::Exists] >= 1) {
            const int owner = g.StarSystems[s][StarSystem::Owner];
            for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
                const GameRecord& p = g.Planets[s][l];
                if (p[Planet::Exists] <= 0 || p[Planet::Kind] != PlanetKind::Planet) continue;
                if (p[Planet::Owner] == owner)
                    ++held;
                else
                    other = p[Planet::Owner];
            }
        }
        if (held == 0 && other >= 1 && other == Captain()[Player::Faction]) {
            NewsSystemConquered(s);
        } else if (held >= 1 && other >= 1) {
            for (int draw = 0; draw < held; ++draw) {
                if (Random(kRecaptureDraw) < kRecaptureBelow) {
                    NewsSystemRecaptured(s);
                    break;
                }
            }
        }
    }
}

void WarTurnStep() {
    const JumpTable jumps = ReadJumps();
    for (int a = FactionId::Federation; a <= FactionId::Coalition; ++a) {
        for (int d = FactionId::Federation; d <= FactionId::Coalition; ++d) {
            if (!Active(a) || !Active(d) || Relation(a, d) != kWar) continue;
            WarBetween(jumps, a, d);
        }
    }
}

}  // namespace corvanth
