// Missions: the governors' daily offers, built record by record from the table of kinds.
#include "career/missions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "state/random.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kSearchDraws = 10000;
constexpr int kOffers = 28;

// Where the offers are made: the fleet's system and location, the owner and the captain's rank
// with the owner.
struct Office {
    int system, location, owner, rank;
};

Office HereNow() {
    Office o{};
    o.system = FleetSystem();
    o.location = FleetLocation();
    o.owner = LocationRecord(o.system, o.location)[Planet::Owner];
    o.rank = FactionRecord(o.owner)[Faction::Rank];
    return o;
}

// Difficulty bands: draws up to `upTo` give the difficulty.
using BandRow = std::vector<Band>;

// Bands A (records 1..4), B (5..8) and C (9, 10) by the captain's rank 0..8. A rank without a
// row takes difficulty 1 and draws nothing; at rank 7 or 8 the bounty, like the search, takes 1
// rather than rewards of 0.
const BandRow kBandA[9] = {{},
                           {{60, 1}, {99, 2}},
                           {{60, 1}, {99, 2}},
                           {{10, 1}, {80, 2}, {99, 3}},
                           {{10, 1}, {80, 2}, {99, 3}},
                           {{10, 1}, {80, 2}, {99, 3}},
                           {{10, 1}, {80, 2}, {99, 3}},
                           {{10, 1}, {80, 2}, {99, 3}},
                           {{10, 1}, {80, 2}, {99, 3}}};
const BandRow kBandB[9] = {{},
                           {{60, 1}, {99, 2}},
                           {{60, 1}, {99, 2}},
                           {{10, 1}, {80, 2}, {99, 3}},
                           {{20, 2}, {90, 3}, {99, 4}},
                           {{20, 3}, {90, 4}, {99, 5}},
                           {{60, 4}, {99, 5}},
                           {},
                           {}};
const BandRow kBandC[9] = {{},
                           {{60, 1}, {99, 2}},
                           {{60, 1}, {99, 2}},
                           {{10, 2}, {80, 3}, {99, 4}},
                           {{20, 3}, {90, 4}, {99, 5}},
                           {{20, 3}, {70, 4}, {99, 5}},
                           {{30, 4}, {99, 5}},
                           {},
                           {}};

// Past the last band, difficulty 1; no band gives 0.
int Lookup(const BandRow& row, int x) {
    const int d = FromBands(row, x);
    return d != 0 ? d : 1;
}

// A rank without a row draws nothing.
int Difficulty(const BandRow (&bands)[9], int rank) {
    if (rank < 0 || rank > 8 || bands[rank].empty()) return 1;
    return Lookup(bands[rank], Random(100));
}

// Band A, with new captains in a fighter not sent against frigates.
int BandA(const Office& o) {
    int d = Difficulty(kBandA, o.rank);
    if ((o.rank == 1 || o.rank == 2) && PlayerShip()[Ship::SizeClass] == 1 && G().TurnNumber < 100)
        d = 1;
    return d;
}

}  // namespace

int BandDifficulty(char band, int rank, int x) {
    if (rank < 0 || rank > 8) return 1;
    return Lookup((band == 'A' ? kBandA : band == 'B' ? kBandB : kBandC)[rank], x);
}

namespace {

int CoalitionToFederation(int owner) {
    return owner == FactionId::Coalition ? FactionId::Federation : owner;
}

int& Objective(GameRecord& r, int n) {
    return r[Mission::ObjectiveBase + n];
}

bool AllSet(const GameRecord& r, int count) {
    for (int n = 1; n <= count; ++n)
        if (r[Mission::ObjectiveBase + n] == 0) return false;
    return true;
}

// Puts a candidate into the first empty objective, unless it is one already.
void Place(GameRecord& r, int candidate) {
    for (int n = 1; n <= 4; ++n)
        if (Objective(r, n) == candidate) return;
    for (int n = 1; n <= 4; ++n)
        if (Objective(r, n) == 0) {
            Objective(r, n) = candidate;
            return;
        }
}

// The candidates of a search, bit c for candidate c (locations 0..34, systems 0..25).
using Candidates = uint64_t;

// What the searches of one day's offers test their draws against, read once: which locations of
// the fleet's system and which systems exist, of which kind and owner.
struct Atlas {
    Candidates anyLocation = 0;  // kind below 3, not the fleet's own location
    Candidates planets = 0;      // kind 1, not the fleet's own location
    std::array<int, 26> owner{};
    Candidates otherSystems = 0;  // existing systems other than the fleet's
};

Atlas ReadAtlas(const Office& o) {
    Atlas a;
    for (int l = 0; l < 35; ++l) {
        const GameRecord& p = LocationRecord(o.system, l);
        if (p[Planet::Exists] < 1 || l == o.location) continue;
        if (p[Planet::Kind] < 3) a.anyLocation |= Candidates{1} << l;
        if (p[Planet::Kind] == PlanetKind::Planet) a.planets |= Candidates{1} << l;
    }
    for (int s = 0; s < 26; ++s) {
        const GameRecord& sys = StarSystemRecord(s);
        a.owner[s] = sys[StarSystem::Owner];
        if (sys[StarSystem::Exists] >= 1 && s != o.system) a.otherSystems |= Candidates{1} << s;
    }
    return a;
}

// The systems of `among` whose owner passes `owner`.
template <class OwnerTest>
Candidates SystemsWhere(const Atlas& a, Candidates among, OwnerTest owner) {
    Candidates c = 0;
    for (int s = 0; s < 26; ++s)
        if (((among >> s) & 1) && owner(a.owner[s])) c |= Candidates{1} << s;
    return c;
}

// Whether a candidate is one of the objectives; with `timeframe` objective 2 holds the Defend
// timeframe of the draw, not an objective.
bool IsObjective(const GameRecord& r, int candidate, bool timeframe) {
    for (int n = 1; n <= 4; ++n)
        if ((n != 2 || !timeframe) && r[Mission::ObjectiveBase + n] == candidate) return true;
    return false;
}

// Up to 10,000 draws of Random(range), each accepted candidate placed, until `count` objectives
// are set. With `timeframe` (a search for one objective) every draw is followed by the Defend
// timeframe's own draw into objective 2. Once no accepted candidate is left to place, the rest of
// the draws can change nothing but the timeframe: the generator jumps past them at once.
void Search(GameRecord& r, int count, int range, Candidates accept, bool timeframe = false) {
    Candidates open = 0;
    for (int c = 0; c < range; ++c)
        if (((accept >> c) & 1) && !IsObjective(r, c, timeframe)) open |= Candidates{1} << c;
    for (int i = 0; i < kSearchDraws && !AllSet(r, count); ++i) {
        if (open == 0) {
            const int left = kSearchDraws - i;
            if (!timeframe) {
                Rng().Skip(left);
            } else {
                Rng().Skip(2 * left - 1);
                Objective(r, 2) = Random(5) + 5;
            }
            return;
        }
        const int candidate = Random(range);
        if (timeframe) Objective(r, 2) = Random(5) + 5;
        if (!((open >> candidate) & 1)) continue;
        Place(r, candidate);
        // Placed, or refused as equal to this draw's timeframe: only the first leaves the set.
        if (!timeframe || Objective(r, 1) == candidate) open &= ~(Candidates{1} << candidate);
    }
}

// Scope 1: locations of the fleet's system other than its own.
void LocationSearch(GameRecord& r, const Office& o, const Atlas& a, int count, bool planetsOnly,
                    bool timeframe = false) {
    r[Mission::TargetSystem] = o.system;
    Search(r, count, 35, planetsOnly ? a.planets : a.anyLocation, timeframe);
}

// Scope 2: existing systems other than the fleet's, whose owner passes `owner`.
template <class OwnerTest>
void SystemSearch(GameRecord& r, const Atlas& a, int count, OwnerTest owner,
                  bool timeframe = false) {
    Search(r, count, 26, SystemsWhere(a, a.otherSystems, owner), timeframe);
}

bool AnyOwner(int) {
    return true;
}

void SetRewards(GameRecord& r, int reputation, int fame, int money) {
    r[Mission::ReputationReward] = reputation;
    r[Mission::FameReward] = fame;
    r[Mission::Reward] = money;
}

void Drop(GameRecord& r) {
    r[Mission::Status] = 0;
}

// Records 1..12: the combat kinds and their wars.
void BuildCombatOffer(int rec, GameRecord& r, const Office& o, const Atlas& a) {
    static constexpr int kKinds[] = {0, 5, 6, 7, 8, 8, 7, 6, 5, 1, 4, 3, 9};
    static constexpr int kRanks[] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 4, 5, 3, 6};
    r[Mission::Kind] = kKinds[rec];
    r[Mission::RequiredRank] = kRanks[rec];
    r[Mission::Scope] = rec <= 4 ? 1 : 2;
    int d = 1;
    if (rec <= 4)
        d = BandA(o);
    else if (rec <= 8)
        d = Difficulty(kBandB, o.rank);
    else if (rec <= 10)
        d = Difficulty(kBandC, o.rank);
    if (rec == 11) d = 4;

    int client = o.owner;
    if (rec == 4 || rec == 5 || rec == 8 || rec == 9) client = CoalitionToFederation(o.owner);
    if (rec == 11) client = o.owner == 3 ? 1 : o.owner == 4 ? 2 : o.owner;
    if (rec == 12) client = o.owner == 2 ? 2 : o.owner == 3 ? 3 : 1;
    r[Mission::Client] = client;
    PickMissionOpponent(rec);
    const int opponent = r[Mission::Opponent];
    const int systemOwner = StarSystemRecord(o.system)[StarSystem::Owner];
    auto ownSide = [systemOwner](int owner) { return owner == systemOwner; };

    switch (rec) {
        case 1:
            LocationSearch(r, o, a, 4, false);
            SetRewards(r, 10 * d, 5 * d, (Random(2000) + 1000) * d);
            break;
        case 2:
            LocationSearch(r, o, a, 2, false);
            SetRewards(r, 16 * d, 6 * d, (Random(1300) + 750) * d * 2);
            break;
        case 3:
            LocationSearch(r, o, a, 1, false, true);
            SetRewards(r, 16 * d, 6 * d, (Random(1300) + 750) * d * 2);
            break;
        case 4:
            LocationSearch(r, o, a, 1, false);
            SetRewards(r, 24 * d, 9 * d, (Random(1300) + 750) * d * 3);
            break;
        case 5:
            SystemSearch(r, a, 1, AnyOwner);
            SetRewards(r, 360 * d, 240 * d, (Random(15000) + 10000) * d * 3);
            break;
        case 6:
        case 7: {
            if (rec == 6)
                SystemSearch(r, a, 1, ownSide, true);
            else
                SystemSearch(r, a, 2, AnyOwner);
            int reputation = 160 * d, fame = 80 * d, money = (Random(10000) + 6000) * d * 2;
            SetRewards(r, reputation + reputation / 4, fame + fame / 4, money + money / 4);
            break;
        }
        case 8:
            SystemSearch(r, a, 4, ownSide);
            SetRewards(r, 100 * d * 3, 60 * d * 3, (Random(12000) + 12000) * d * 3);
            break;
        case 9:
            SystemSearch(r, a, 4, AnyOwner);
            SetRewards(r, 280 * d, 240 * d, (Random(30000) + 80000) * d * 2);
            break;
        case 10:
            Objective(r, 2) = G().TurnNumber;
            Objective(r, 3) = G().TurnNumber + Random(40) + 10;
            SystemSearch(r, a, 1, [&](int owner) {
                return opponent != FactionId::Syndicate || owner == client;
            });
            SetRewards(r, 300 * d, 280 * d, (Random(20000) + 70000) * d * 2);
            break;
        case 11:
            SystemSearch(r, a, 4, [opponent](int owner) { return owner == opponent; });
            SetRewards(r, 720, 640, (Random(10000) + 40000) * 8);
            if (!AllSet(r, 4)) Drop(r);
            break;
        case 12: {
            // The system search, with the capitals and the home sectors left out.
            constexpr Candidates kHomeSectors =
                Candidates{1} << 1 | Candidates{1} << 15 | Candidates{7} << 23;
            const Candidates targets =
                SystemsWhere(a, a.otherSystems & ~kHomeSectors,
                             [opponent](int owner) { return owner == opponent; });
            const int t = std::max(0, DrawUntilWanted(26, targets, kSearchDraws));
            r[Mission::TargetSystem] = t;
            Objective(r, 1) = 0;
            d = StarSystemRecord(t)[StarSystem::SectorRating];
            Candidates planets = 0;
            for (int l = 0; l < 35; ++l) {
                const GameRecord& p = LocationRecord(t, l);
                if (p[Planet::Exists] >= 1 && p[Planet::Kind] == PlanetKind::Planet &&
                    p[Planet::Owner] == opponent)
                    planets |= Candidates{1} << l;
            }
            Search(r, 2, 35, planets);
            SetRewards(r, 1000 * d, 800 * d, (Random(20000) + 70000) * d * 12);
            if (t == 0 || Objective(r, 1) == 0) Drop(r);
            break;
        }
    }
    r[Mission::Difficulty] = d;
    if (opponent == 0) Drop(r);
    // A mission without its first objective would be done the moment it is accepted.
    if (Objective(r, 1) == 0) Drop(r);
    if ((rec == 2 || rec == 7) && Objective(r, 2) == 0) Drop(r);
}

// Records 13..24: transports and smuggling runs, which need no war.
void BuildCargoOffer(int rec, GameRecord& r, const Office& o, const Atlas& a) {
    struct Row {
        int kind, rank, scope, amount, load, reputation, fame;
        bool extraDraw;
    };
    static constexpr Row kRows[] = {
        {2, 1, 1, 5, 2, 32, 32, true},        {2, 3, 2, 10, 2, 400, 400, true},
        {2, 5, 2, 20, 2, 1440, 1200, true},   {2, 1, 1, 10, 1, 25, 25, false},
        {2, 2, 2, 40, 1, 325, 325, true},     {2, 4, 2, 80, 1, 400, 400, true},
        {2, 5, 2, 160, 1, 1200, 1000, true},  {11, 3, 2, 10, 2, 2400, 2400, false},
        {11, 5, 2, 40, 2, 1800, 1800, false}, {11, 2, 2, 40, 1, 200, 100, false},
        {11, 3, 2, 80, 1, 960, 800, false},   {11, 4, 2, 160, 1, 1920, 1600, true},
    };
    const Row& row = kRows[rec - 13];
    r[Mission::Kind] = row.kind;
    r[Mission::RequiredRank] = row.rank;
    r[Mission::Scope] = row.scope;
    r[Mission::Amount] = row.amount;
    r[Mission::LoadType] = row.load;
    r[Mission::Client] = row.kind == MissionKind::Smuggling ? 3 : 4;
    // Draws that feed nothing, kept so the sequence after them is the same.
    if (rec == 13) Random(1800);
    if (row.extraDraw) Random(100);
    if (row.scope == 1)
        LocationSearch(r, o, a, 2, true);
    else if (row.kind == MissionKind::Smuggling)
        SystemSearch(r, a, 2, [](int owner) { return owner != FactionId::Syndicate; });
    else
        SystemSearch(r, a, 2, AnyOwner);
    int money = 0;
    switch (rec) {
        case 13:
            money = Random(1300) * 4 + 750;
            break;
        case 14:
            money = (Random(6000) + 10000) * 4;
            break;
        case 15:
            money = (Random(20000) + 70000) * 6;
            break;
        case 16:
            money = Random(1300) * 3 + 750;
            break;
        case 17:
            money = (Random(6000) + 10000) * 3;
            break;
        case 18:
            money = (Random(6000) + 10000) * 4;
            break;
        case 19:
            money = (Random(20000) + 70000) * 5;
            break;
        case 20:
            money = (Random(6000) + 10000) * 8;
            break;
        case 21:
            money = (Random(6000) + 10000) * 14;
            break;
        case 22:
            money = Random(32000) + 16000;
            break;
        case 23:
            money = (Random(20000) + 70000) * 4;
            break;
        case 24:
            money = (Random(20000) + 70000) * 8;
            break;
    }
    SetRewards(r, row.reputation, row.fame, money);
    // Nothing to pick up, or nowhere to take it: no offer.
    if (Objective(r, 1) == 0 || Objective(r, 2) == 0) Drop(r);
}

void BuildGoodsDataOffer(GameRecord& r) {
    r[Mission::Kind] = MissionKind::GoodsData;
    r[Mission::RequiredRank] = 6;
    r[Mission::Difficulty] = 6;
    r[Mission::Client] = FactionId::Coalition;
    const int reputation = Random(40000) + 40000;
    const int fame = Random(40000) + 40000;
    SetRewards(r, reputation, fame, (Random(20000) + 70000) * 216);
}

}  // namespace

void PickMissionOpponent(int offer) {
    if (offer < 1 || offer > 25) return;
    GameRecord& r = G().MissionOffers[offer];
    const int client = r[Mission::Client];
    int enemies[4] = {};
    int count = 0;
    for (int k = FactionId::Federation; k <= FactionId::Coalition; ++k)
        if (k != client && FactionRecord(client)[Faction::RelationBase + k] == 2)
            enemies[count++] = k;
    if (count == 0) {
        Drop(r);
        return;
    }
    r[Mission::Opponent] = enemies[Random(count)];
}

void GenerateMissionOffers() {
    GameState& g = G();
    for (int r = 1; r <= kOffers; ++r)
        std::fill(g.MissionOffers[r].begin() + kFirstField,
                  g.MissionOffers[r].begin() + kLastField + 1, 0);
    // Building the offers changes no location, system or owner: one reading serves them all.
    const Office o = HereNow();
    const Atlas a = ReadAtlas(o);
    for (int rec = 1; rec <= 25; ++rec) {
        GameRecord& r = g.MissionOffers[rec];
        r[Mission::Status] = 1;
        if (rec <= 12)
            BuildCombatOffer(rec, r, o, a);
        else if (rec <= 24)
            BuildCargoOffer(rec, r, o, a);
        else
            BuildGoodsDataOffer(r);
    }
}

}  // namespace corvanth
