// The governors' offers: bands, clients, searches, money and the offers that must not survive.
#include "career/missions.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "state/random.h"
#include "state/tables.h"
#include "support/draws.h"
#include "support/game_test.h"
#include "support/running_game.h"

namespace corvanth {
namespace {

constexpr int kFinis = 4;  // the Federation's home system, where the game starts

class MissionOffers : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::StartNewGame(1, "Offers");
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 4; ++b) G().Factions[a][Faction::RelationBase + b] = 1;
    }
    GameRecord& Offer(int r) { return G().MissionOffers[r]; }
    void SetRank(int rank) { G().Factions[1][Faction::Rank] = rank; }
    void SetWar(int a, int b, int relation) {
        G().Factions[a][Faction::RelationBase + b] = relation;
        G().Factions[b][Faction::RelationBase + a] = relation;
    }
};

// The seed before the draw that left the generator at `seed`: the step taken back.
uint32_t Previous(uint32_t seed) {
    // 134775813 * 3645876429 = 1 modulo 2^32.
    return (seed - 1u) * 3645876429u;
}
int32_t DrawAt(uint32_t seed, int32_t n) {
    return static_cast<int32_t>((uint64_t(uint32_t(n)) * seed) >> 32);
}

TEST_F(MissionOffers, BandsClientsAndMoneyFollowTheTable) {
    SetWar(1, 3, 2);
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        // Rank 0: every banded offer is very easy.
        SetRank(0);
        Rng().SetSeed(seed);
        GenerateMissionOffers();
        for (int r = 1; r <= 10; ++r)
            if (Offer(r)[Mission::Status] == 1) {
                EXPECT_EQ(Offer(r)[Mission::Difficulty], 1) << r;
            }

        // Rank 2 in a fighter before turn 100: records 1..4 eased, 5..10 not.
        SetRank(2);
        PlayerShip()[Ship::SizeClass] = 1;
        Rng().SetSeed(seed);
        GenerateMissionOffers();
        for (int r = 1; r <= 4; ++r) EXPECT_EQ(Offer(r)[Mission::Difficulty], 1);
        PlayerShip()[Ship::SizeClass] = 3;

        // Rank 6: every kind is in reach; the client rules at a Federation planet.
        SetRank(6);
        Rng().SetSeed(seed);
        GenerateMissionOffers();
        const uint32_t end = Rng().Seed();
        for (int r : {1, 2, 3, 6, 7, 10}) EXPECT_EQ(Offer(r)[Mission::Client], 1);
        for (int r = 13; r <= 19; ++r) EXPECT_EQ(Offer(r)[Mission::Client], 4);
        for (int r = 20; r <= 24; ++r) EXPECT_EQ(Offer(r)[Mission::Client], 3);
        // The Federation's only war is with the Syndicate.
        for (int r = 1; r <= 12; ++r)
            if (Offer(r)[Mission::Status] == 1) {
                EXPECT_EQ(Offer(r)[Mission::Opponent], 3);
            }

        // Record 25 draws last: reputation, fame, then money, worked back from the end seed.
        const uint32_t money = end, fame = Previous(money), reputation = Previous(fame);
        EXPECT_EQ(Offer(25)[Mission::Reward], (DrawAt(money, 20000) + 70000) * 216);
        EXPECT_EQ(Offer(25)[Mission::FameReward], DrawAt(fame, 40000) + 40000);
        EXPECT_EQ(Offer(25)[Mission::ReputationReward], DrawAt(reputation, 40000) + 40000);
        EXPECT_GE(Offer(25)[Mission::Reward], 15120000);
        EXPECT_LE(Offer(25)[Mission::Reward], 19439784);

        // Record 1: (0..1999 + 1000) * d, rewards 10d and 5d.
        const GameRecord& patrol = Offer(1);
        const int d = patrol[Mission::Difficulty];
        EXPECT_EQ(patrol[Mission::Reward] % d, 0);
        EXPECT_GE(patrol[Mission::Reward] / d, 1000);
        EXPECT_LE(patrol[Mission::Reward] / d, 2999);
        EXPECT_EQ(patrol[Mission::ReputationReward], 10 * d);
        EXPECT_EQ(patrol[Mission::FameReward], 5 * d);
        // Record 6: m = (0..9999 + 6000) * d * 2, then m + m div 4; 160d and 80d likewise.
        const GameRecord& defend = Offer(6);
        const int d6 = defend[Mission::Difficulty];
        EXPECT_EQ(defend[Mission::ReputationReward], 160 * d6 + 160 * d6 / 4);
        EXPECT_EQ(defend[Mission::FameReward], 80 * d6 + 80 * d6 / 4);
        const int low = 6000 * d6 * 2, high = 15999 * d6 * 2;
        EXPECT_GE(defend[Mission::Reward], low + low / 4);
        EXPECT_LE(defend[Mission::Reward], high + high / 4);
        // Record 13: 0..1299 * 4 + 750, always 32 and 32 once the unused values are replaced.
        EXPECT_EQ((Offer(13)[Mission::Reward] - 750) % 4, 0);
        EXPECT_LE(Offer(13)[Mission::Reward], 1299 * 4 + 750);
        EXPECT_EQ(Offer(13)[Mission::ReputationReward], 32);

        // Defend timeframes 5..9.
        for (int r : {3, 6})
            if (Offer(r)[Mission::Status] == 1) {
                EXPECT_GE(Offer(r)[Mission::ObjectiveBase + 2], 5);
                EXPECT_LE(Offer(r)[Mission::ObjectiveBase + 2], 9);
            }
        // No offer survives without what it needs: objective 1, and objective 2 where a
        // transport, escort or smuggling run goes.
        for (int r = 1; r <= 24; ++r) {
            const GameRecord& o = Offer(r);
            if (o[Mission::Status] != 1) continue;
            EXPECT_NE(o[Mission::ObjectiveBase + 1], 0) << r;
            const int kind = o[Mission::Kind];
            if (kind == MissionKind::Transport || kind == MissionKind::Escort ||
                kind == MissionKind::Smuggling) {
                EXPECT_NE(o[Mission::ObjectiveBase + 2], 0) << r;
            }
        }
    }
}

TEST_F(MissionOffers, RaidsWarsAndTheSameSeedGiveTheSameOffers) {
    SetRank(6);
    SetWar(1, 3, 2);
    std::set<int> raided;
    for (uint32_t seed = 100; seed < 400; ++seed) {
        Rng().SetSeed(seed);
        GenerateMissionOffers();
        const GameRecord& raid = Offer(12);
        if (raid[Mission::Status] != 1) continue;
        const int t = raid[Mission::TargetSystem];
        raided.insert(t);
        EXPECT_NE(t, kFinis);
        EXPECT_EQ(StarSystemRecord(t)[StarSystem::Owner], 3);
        EXPECT_EQ(LocationRecord(t, raid[Mission::ObjectiveBase + 1])[Planet::Owner], 3);
        EXPECT_EQ(raid[Mission::Difficulty], StarSystemRecord(t)[StarSystem::SectorRating]);
    }
    for (int never : {1, 15, 23, 24, 25}) EXPECT_EQ(raided.count(never), 0u) << never;
    EXPECT_FALSE(raided.empty());

    // Same seed and state, same offers.
    Rng().SetSeed(77);
    GenerateMissionOffers();
    const auto first = G().MissionOffers;
    Rng().SetSeed(77);
    GenerateMissionOffers();
    EXPECT_EQ(G().MissionOffers, first);

    // At peace with everyone: records 1..12 are dropped, the rest stay.
    SetWar(1, 3, 1);
    GenerateMissionOffers();
    for (int r = 1; r <= 12; ++r) EXPECT_EQ(Offer(r)[Mission::Status], 0) << r;
    EXPECT_EQ(Offer(25)[Mission::Status], 1);
    int cargo = 0;
    for (int r = 13; r <= 24; ++r) cargo += Offer(r)[Mission::Status];
    EXPECT_GT(cargo, 6);
    // Rank 7: the bounty takes difficulty 1, not rewards of 0.
    SetWar(1, 3, 2);
    SetRank(7);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        Rng().SetSeed(seed);
        GenerateMissionOffers();
        EXPECT_EQ(Offer(10)[Mission::Difficulty], 1);
        EXPECT_GT(Offer(10)[Mission::Reward], 0);
    }
}

// Nowhere to go: no other system exists and the fleet's system holds no other location, so every
// search runs out its 10,000 draws. At rank 6 with the Federation the draws, by the table:
// records 1..10 one band draw each; the searches 10,000 each, the Defends (3, 6) a timeframe after
// every draw besides, the raid (12) two searches; one money draw each; the bounty (10) its
// Random(40); record 13 Random(1800), records 13..15, 17..19 and 24 Random(100); record 25 three.
//   1..4: 10002 + 10002 + 20002 + 10002      5..8: 10002 + 20002 + 10002 + 10002
//   9..12: 10002 + 10003 + 10001 + 20001      13..16: 10003 + 10002 + 10002 + 10001
//   17..20: 3 * 10002 + 10001                 21..25: 10001 * 3 + 10002 + 3
// 270,046 draws, and 12 more at war: each of records 1..12 draws its opponent among one enemy.
TEST_F(MissionOffers, SearchesThatCannotSucceedStillTakeAllTheirDraws) {
    SetRank(6);
    test::OnlyTheFleetsLocation();
    for (int war : {1, 2}) {
        SetWar(1, 3, war);
        const uint32_t start = 4711;
        Rng().SetSeed(start);
        GenerateMissionOffers();
        EXPECT_EQ(test::DrawsBetween(start, Rng().Seed(), 400000), war == 1 ? 270046 : 270058);
        // A Defend keeps the timeframe of its search's last draw: record 3's is the draw before
        // its money, 10,002 + 10,002 (records 1, 2) + 1 (band) + 20,000 draws in (+ 3 opponents).
        RandomGenerator walk;
        walk.SetSeed(start);
        walk.Skip(40005 + (war == 2 ? 3 : 0) - 1);
        EXPECT_EQ(Offer(3)[Mission::ObjectiveBase + 2], walk.Next(5) + 5);
        for (int r = 1; r <= 24; ++r) EXPECT_EQ(Offer(r)[Mission::Status], 0) << r;
    }
}

// Bands A, B and C whole: every rank 0..8 and every draw 0..99 against the bands as the offers'
// rules give them, each row a list of (first draw of the next step, difficulty). A rank without
// a row takes 1.
TEST_F(MissionOffers, TheDifficultyBandsRowByRowAndDrawByDraw) {
    using Row = std::vector<std::pair<int, int>>;
    const Row none{}, low{{61, 1}, {100, 2}}, mid{{11, 1}, {81, 2}, {100, 3}};
    const std::vector<Row> a{none, low, low, mid, mid, mid, mid, mid, mid};
    const std::vector<Row> b{none,
                             low,
                             low,
                             mid,
                             {{21, 2}, {91, 3}, {100, 4}},
                             {{21, 3}, {91, 4}, {100, 5}},
                             {{61, 4}, {100, 5}},
                             none,
                             none};
    const std::vector<Row> c{none,
                             low,
                             low,
                             {{11, 2}, {81, 3}, {100, 4}},
                             {{21, 3}, {91, 4}, {100, 5}},
                             {{21, 3}, {71, 4}, {100, 5}},
                             {{31, 4}, {100, 5}},
                             none,
                             none};
    for (const auto& [band, rows] : {std::pair{'A', a}, std::pair{'B', b}, std::pair{'C', c}})
        for (int rank = 0; rank <= 8; ++rank)
            for (int x = 0; x < 100; ++x) {
                int d = 1;
                for (const auto& [below, value] : rows[rank])
                    if (x < below) {
                        d = value;
                        break;
                    }
                EXPECT_EQ(BandDifficulty(band, rank, x), d)
                    << band << " rank " << rank << " x " << x;
            }
}

// Taking an offer: one not available is refused and takes nothing; a goods data mission starts
// with the fleet's own location as its one recorded planet, whatever an older one left marked.
TEST_F(MissionOffers, AnOfferIsTakenOnlyWhenAvailableAndGoodsDataStartsHere) {
    GameState& g = G();
    auto eachPlace = [&](auto visit) {
        for (int s = StarSystem::First; s <= StarSystem::Last; ++s)
            for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l)
                visit(g.Planets[s][l]);
    };
    eachPlace([](GameRecord& p) { p[Planet::GoodsDataMark] = 1; });
    Offer(3).fill(0);
    Offer(3)[Mission::Kind] = MissionKind::GoodsData;
    Offer(3)[Mission::Status] = 2;  // restricted
    for (int offer : {0, 3, 29}) EXPECT_FALSE(AcceptMissionOffer(offer)) << offer;
    EXPECT_EQ(CaptainMission()[Mission::Kind], 0);

    Offer(3)[Mission::Status] = 1;
    ASSERT_TRUE(AcceptMissionOffer(3));
    EXPECT_EQ(CaptainMission(), Offer(3));
    int marked = 0;
    eachPlace([&](GameRecord& p) { marked += p[Planet::GoodsDataMark]; });
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(LocationRecord(FleetLocation())[Planet::GoodsDataMark], 1);
}

}  // namespace
}  // namespace corvanth
