// 20,000 seeded turns in four worlds, fingerprinted after every turn: the same draws, the same
// game.
//
// The fingerprints were recorded from the turn engine as it stood before its searches were made
// cheap; a faster search must leave every table and the generator's seed exactly as they were,
// turn by turn. A change that is meant to alter the game records them anew: run with
// CORVANTH_RECORD_REPLAY=1 and paste what it prints.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "combat/Duelhold_Main.h"
#include "state/random.h"
#include "support/answering_backend.h"
#include "support/game_test.h"
#include "support/state_hash.h"
#include "travel/NextTurnUnit.h"
#include "travel/travel_support.h"
#include "tutorial/Tutorial.h"

namespace corvanth {
namespace {

constexpr int kTurns = 20000;
constexpr int kWindow = 500;
constexpr int kWindows = kTurns / kWindow;

struct World {
    const char* name;
    bool war;   // every pair of factions at war, declared again before each turn
    bool cups;  // the arena's cups come round as in a new game; else they never leave the pause
    uint32_t seed;
    std::array<uint64_t, kWindows> expected;  // the chained fingerprint after each window
};

void PrintTo(const World& w, std::ostream* os) {
    *os << w.name;
}

const World kWorlds[] = {
    {"NewGame",
     false,
     false,
     11,
     {0xa294ad5e7f393492ull, 0x191d9f0953a5fb12ull, 0x3f755898809523ebull, 0x386781174856b14aull,
      0x8659282317d7aff7ull, 0xec3d81c191b98807ull, 0xe71f8e0417b05db6ull, 0xdc8160baed0d776full,
      0x9619a38c9526eb88ull, 0xc68540b044f84d03ull, 0x86ba0349378fa5a0ull, 0xd8964d74602a752cull,
      0x0594282170106850ull, 0x6ab6ba9b6257838dull, 0xc86aa2f7549b10e1ull, 0x9089c6dfc51e82f6ull,
      0x3e9ec98d982050f7ull, 0x76d5957e1115781full, 0x11ade47397870e07ull, 0x9c6453336ce633bcull,
      0xda53cddb58a05e39ull, 0xd4de1d6d5f721f0cull, 0x977fa2074bed39fbull, 0xf3b3d0c34b1a1691ull,
      0x86b08c065dd6b163ull, 0x5d55b63726ab76a4ull, 0x2d75030ade3b955dull, 0x5f921632464f5c1cull,
      0x0c3196ede025c3afull, 0x163dfd1d0d9ac15eull, 0xe68867ab776466a6ull, 0x953073e849c33762ull,
      0xfce9f4167fba421full, 0x54c93151650192f7ull, 0x66eae76ace753d36ull, 0x4b29ebc9493c610bull,
      0x66abae079edcf278ull, 0x4858cb8d9138fd7cull, 0xceed61453942c2acull, 0xfdcf0c2a020e01eaull}},
    {"NewGameWithCups",
     false,
     true,
     12,
     {0xdfd6cfdecbc954feull, 0x4d1852f56d345eeaull, 0xe0a8cd869537e766ull, 0x321adc4fbde10d35ull,
      0x7f6f4121aafe133dull, 0xcd41918c045c83abull, 0x61dd22952fce7a7full, 0xdf930afa813565bfull,
      0x09ff78119f633076ull, 0x07e96f10ed0bdde3ull, 0xee4c695121673803ull, 0x790e39bfa035a4d7ull,
      0x062ba67a152740dcull, 0x7a98112aefe5bc89ull, 0xa8f8b8ede05133e5ull, 0x4e43577ddbc15678ull,
      0xd6fcfe97ec0b80dcull, 0x429fe763a592798dull, 0xff02d55f004fdcc1ull, 0xda3075608845a40bull,
      0xde38fbc1663460b2ull, 0x631a81cf2bd44494ull, 0x58aadfb5133cfdd4ull, 0xa538dc4fc963e99aull,
      0x697de15aa53d2cd0ull, 0x4f6d3b9919a05ed2ull, 0x9d67f98a95cc15f6ull, 0xe665d2cd4c216cdaull,
      0x5151f10030626008ull, 0x3cee2db4eb4b9b21ull, 0x99f22d51e5554a42ull, 0xe7702209f1eba021ull,
      0x704c6d0c5c9b5ec6ull, 0xf63dceab36684c60ull, 0x254324d59e0ad7d4ull, 0x2021d87d0956e799ull,
      0xed3ff416ca2a1afaull, 0x6b0cb8a6d8e95372ull, 0xf290ece6e78d703dull, 0xe510310f4563835bull}},
    {"AtWar",
     true,
     false,
     13,
     {0xc0f8fa2149a5417cull, 0xa83d586fcc28bf34ull, 0x5cd1e06eaf326e58ull, 0xf92c1fabe7e971f7ull,
      0x8775fcf74f2a9243ull, 0x523ddb97df9a26eaull, 0x9d18d108ec0f4a05ull, 0x6d377c20bb28c4f3ull,
      0x2ef47635fcabb9a2ull, 0x73c4236a423954f9ull, 0x09ac0ad04a0e12c0ull, 0xbb6b23940befcba4ull,
      0x41d1cd16182a1eddull, 0xc594b0b595953c9full, 0x1796bfc8fa6c59a2ull, 0x1c50f32d318455e8ull,
      0x447ebf57166e8f20ull, 0xe2f0d9c975cc75edull, 0xeca8cf0d9e73882bull, 0x11937b8d14c3627aull,
      0x5c0fa4e2b247ff6dull, 0x6a3460c3b46df932ull, 0xdc683b2910413d9full, 0x319f3b302d041389ull,
      0xfc8187d6b0bb74dbull, 0xf1189f849e5950e1ull, 0x943e8d5451349a39ull, 0x7217907122aa731dull,
      0x6f978973d5747630ull, 0x13cef52d32c3d8aeull, 0x64e561974089e7d3ull, 0xd7faafeb6312ad5full,
      0x27886f9ca94fb6bbull, 0xf72cd8b3a3d6ce08ull, 0x782108a3229ac5d9ull, 0xc9ab11479d7ad07eull,
      0xdb4ceda8f2540ea6ull, 0x235a34048a50f73aull, 0x113713cc8fe2371full, 0xc8565e6220cd8be2ull}},
    {"AtWarWithCups",
     true,
     true,
     14,
     {0x08fc9097d20e5aecull, 0x096f838f767346beull, 0x65d4851f8127171bull, 0xe519737579bbde20ull,
      0x1b59ed4968daa967ull, 0x645135c0b6292f69ull, 0xc63185073b9c136eull, 0x5d4bca44fb2bb16bull,
      0x81a80689eb29f104ull, 0xd824aca0baeab496ull, 0x5e4cd6c7f724922aull, 0x787797dff729054eull,
      0xcb6ec4bdf8a9c398ull, 0x97437ccdc38969e8ull, 0x99a08b07aefda716ull, 0x6e8144272662511bull,
      0xb49a3d6bf0d59861ull, 0xac31d82aa820f3f8ull, 0x321d4de8582f764bull, 0xc2e0433fd2497b6aull,
      0xea8b006365bc360eull, 0x03fd0570e60eca03ull, 0xd375abab52153762ull, 0x508970e659a9cae6ull,
      0x83cee845882d1c03ull, 0x452264f831bc7966ull, 0x68f402a8f6d78399ull, 0x922091623d6bbe02ull,
      0x6b751c2591b7bddeull, 0xa33e5d9b4e54717cull, 0x581ac689877bf7aaull, 0xab2c78ef89e88107ull,
      0xe03065cf54173253ull, 0xffcb9c00aaef9ca5ull, 0xaa495c5b1d26601cull, 0xa6a3eb981d9dfcb9ull,
      0x248342fbffbc6bf7ull, 0x0af6f74ace6d78dcull, 0xbee44193e4eb14f1ull, 0xdf17ab2c1380fcf4ull}},
};

class Replay : public test::GameTest, public ::testing::WithParamInterface<World> {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        TutorialStep = 0;
    }
    void TearDown() override {
        ClearGameEnded();
        TutorialStep = 0;
        GameTest::TearDown();
    }

    // A Federation captain's new game; the cups held in their pause unless the world runs them.
    static void NewLife(const World& w) {
        test::StartNewGame(FactionId::Federation, "Replay");
        if (w.cups) return;
        for (int t = kFirstTournament; t <= kLastTournament; ++t)
            G().Tournaments[t][Tournament::Phase] = -1000000000;
    }

    static void DeclareWarEverywhere() {
        for (int f = FactionId::Federation; f <= FactionId::Coalition; ++f)
            for (int o = FactionId::Federation; o <= FactionId::Coalition; ++o)
                if (f != o) G().Factions[f][Faction::RelationBase + o] = 2;
    }
};

TEST_P(Replay, EveryTurnLeavesTheTablesAndTheSeedAsRecorded) {
    const World& w = GetParam();
    const bool recording = std::getenv("CORVANTH_RECORD_REPLAY") != nullptr;
    test::UseAnsweringBackend answering(CORVANTH_SCREENS_DIR);
    answering.backend().record = false;
    Rng().SetSeed(w.seed);
    std::mt19937 wander(w.seed);
    NewLife(w);
    uint64_t chain = 0;
    std::array<uint64_t, kWindows> got{};
    int lives = 1;
    bool ended = false;
    for (int turn = 1; turn <= kTurns; ++turn) {
        if (ended) {
            NewLife(w);
            ++lives;
        }
        if (wander() % 7 == 0) test::WanderSomewhere(wander);
        if (w.war) DeclareWarEverywhere();
        G().NoEncounterThisTurn = turn % 5 == 0 ? 1 : 0;
        ended = test::FromHome(NextTurn);
        chain = test::ChainHash(chain, test::GameStateHash());
        if (turn % kWindow != 0) continue;
        chain = test::ChainHash(chain, test::MarketTableHash());
        const int window = turn / kWindow - 1;
        got[window] = chain;
        if (!recording) {
            ASSERT_EQ(got[window], w.expected[window])
                << w.name << " first differs in turns " << turn - kWindow + 1 << ".." << turn;
        }
    }
    if (recording) {
        std::printf("    {\"%s\", ..., {", w.name);
        for (int i = 0; i < kWindows; ++i)
            std::printf("%s0x%016llxull", i ? ", " : "", static_cast<unsigned long long>(got[i]));
        std::printf("}},\n");
    }
    // The run went through deaths and new games, and its screens were answered.
    EXPECT_GT(lives, 1);
    EXPECT_GT(answering.backend().answered.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(TwentyThousandTurns, Replay, ::testing::ValuesIn(kWorlds),
                         [](const ::testing::TestParamInfo<World>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace corvanth
