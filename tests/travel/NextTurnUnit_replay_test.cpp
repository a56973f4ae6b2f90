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
#include <filesystem>
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
     {0xafa49b1c5af6b4e0ull, 0x21d796747872860bull, 0xd4fe0308be3513c8ull, 0x61dab6f780fac486ull,
      0xb0364e4146822387ull, 0x736df1c815c813daull, 0xb214f6c96266f6e7ull, 0x26e4d70b7bc7c606ull,
      0x8b3d135cff909eb9ull, 0x3f09be664ce4cbf9ull, 0x54ab55ab4f05e114ull, 0x619ea1e113086ef6ull,
      0xf2844f16ac8821daull, 0xf14970fa74fa4283ull, 0xb60d692ba4a56d98ull, 0xda389adde72752b1ull,
      0xc8af3394360e8275ull, 0x4996b2e5b054ed1cull, 0xd69861a9c9319eafull, 0x0f4323e8a3a66f43ull,
      0x9ef783a434f3d10cull, 0xc36c27c4e461e360ull, 0x8236c9fb7ba6e55aull, 0x22d0c52bcfa5ace0ull,
      0xf365266a39afdb5dull, 0xb22b2334bf4b9afeull, 0xe86e9c5cff233c78ull, 0xf427f441073bcf6cull,
      0xce05b1b1bb2b4052ull, 0xb28ea701d46a853cull, 0x68771949203f8215ull, 0x4d5c1ab4bc9b7d44ull,
      0x659808598ec89fbeull, 0x9b6575aca9c687a3ull, 0xcd0b7266f2e4086dull, 0x2ef40d3173bb277bull,
      0xf4bf9bdcd9cac308ull, 0x0b67fceb89e38ef4ull, 0x1ec1b869966cb669ull, 0x63fb6b4cbd9268e7ull}},
    {"NewGameWithCups",
     false,
     true,
     12,
     {0xbf8ac1c21494ce37ull, 0x170d48f235d23c68ull, 0x319c23c2396bf01cull, 0xd878b1115f809337ull,
      0x7794e8552138d0afull, 0xb54b3cb11cc99994ull, 0xcaf376a65a91c918ull, 0x347678baf45f0afdull,
      0x041e0be10beb5374ull, 0x0fb64aec24e74984ull, 0x4b278c73116c70f6ull, 0xde1ccfc3bb3a3d30ull,
      0x1bd2192d1cff3059ull, 0x34657e96821ef8ffull, 0x6b9b403589ed28a2ull, 0x6530e94c80d34156ull,
      0x4457d2500bdea1f3ull, 0x892cde1af4e9f18full, 0xfc0314568d204b9dull, 0x73f414bc43128fddull,
      0xeb631131179cfd32ull, 0xbcc503a474ae44fbull, 0xb6bae80dc7466ee5ull, 0x7fc3d4f7cbeff9bcull,
      0x2fe8d8b5955f9935ull, 0x72b5fbaca2dda624ull, 0x78e79059be1e6c6full, 0xe8a23a435b46d578ull,
      0x5c6a916df93a0b88ull, 0x2da079880be8808aull, 0x7daa52f2bf96b3d2ull, 0x6473c5232419fb57ull,
      0x940dbdb334b46784ull, 0x01338aa46f019262ull, 0xc81a7a06b1740551ull, 0xd41fde6ded7845a9ull,
      0x243cd5b1978b102full, 0x082a3a32b49554b8ull, 0xcfa1eb689abfa6f9ull, 0xd7aaa5d1f3d6d053ull}},
    {"AtWar",
     true,
     false,
     13,
     {0x095c430eba51767eull, 0x7d996fea362815efull, 0x7679cde2e22e9a4eull, 0xa49401051d66daa0ull,
      0xfabf7b4c8739bc9cull, 0xa53422a8f9aeabccull, 0x45ffed2906b10231ull, 0xa7850420b2b66358ull,
      0x7c17dc3ae4834294ull, 0x7942a30c5847dbf4ull, 0xab0fadf8259eea5bull, 0x44f1359e773ad570ull,
      0xe2c3cce7ccfa905eull, 0x1742a067f1bcef7dull, 0x9a0f657f6b338998ull, 0xbaef503a31d5fe36ull,
      0xc8fcdda8d842af89ull, 0x25ad13a395ab7569ull, 0xc357748769c77326ull, 0x20fcc55810eadbd9ull,
      0x01b63a587391ff44ull, 0x90d0c1c55b08f9c0ull, 0x0d78e9ae89470485ull, 0x2e24f243f5313f87ull,
      0x4a9297adc2e62478ull, 0xa18a574dcda6e896ull, 0x3a6f5a259fbc5e2full, 0xefce1880ced32297ull,
      0xf2f463fb85a4c86full, 0x20a877e2c5ea06e7ull, 0x870ac2a2d0913e5eull, 0x38cf8c38ad7b2da5ull,
      0x5e7f3d7711111db1ull, 0x09eb8cb15d10ed24ull, 0xa361e76cdca9f731ull, 0x1901f4ac9a22f36dull,
      0x1b8263ccceb15f7dull, 0x6839da1c0a7e7d45ull, 0x65f9c01b7a8e92c6ull, 0x2e686253d7b073d3ull}},
    {"AtWarWithCups",
     true,
     true,
     14,
     {0x7fb8dcc29d2a4a17ull, 0x6f4fb27b0a21d691ull, 0xfe8aeee0f149657bull, 0x975ebd5e34444c43ull,
      0x0b56a1564473fef9ull, 0x7a4335968fe2ee17ull, 0xfd8ffee2ed4eb69bull, 0xda2a3f7cc9c3ce28ull,
      0xa220d31a5fe9e5c3ull, 0x38f85b8a6659ab83ull, 0x7f6faa25ac582ddbull, 0xbd34ba326c53ef1dull,
      0x487f9aa82153789aull, 0xf8a9ce4ba6827634ull, 0x5f59b9bda0a75f3dull, 0x6f98637b74fb88fdull,
      0xe003bd8f85905a92ull, 0xfcf735e5e0c298b3ull, 0x53341c6568a55f29ull, 0x1fee9175dcd6b8c1ull,
      0xc7fedc9b18363f32ull, 0x94afef8c165aacfeull, 0xfbc0ca7412e4bd27ull, 0xfce7058a390bb017ull,
      0x4a71efa4c693ae13ull, 0x57d1857e13ac5842ull, 0xceddbafeed1eb873ull, 0xf036880f6611c54dull,
      0x5fafee4da538537cull, 0x1ff8eab0ef821ee0ull, 0x45367bb4e888e2f2ull, 0x41839f2e04a4e941ull,
      0x6297006c2d340f5bull, 0x9df4f7a1265ef14aull, 0xa1c586b7f38ad41dull, 0xebc0c80b30d14ac8ull,
      0xb9d8128b09a27e73ull, 0x9312fd2cda8e9bb2ull, 0x7993af290acc8be3ull, 0xd9ca1a6bb53ed959ull}},
};

class Replay : public test::GameTest, public ::testing::WithParamInterface<World> {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        // The high-score files a death writes are read by the next: a folder of the run's own.
        home_ = std::filesystem::current_path();
        std::string dir = (home_ / "replay-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        scratch_ = dir;
        std::filesystem::current_path(scratch_);
        TutorialStep = 0;
    }
    void TearDown() override {
        std::filesystem::current_path(home_);
        std::filesystem::remove_all(scratch_);
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

    // A trip's end somewhere in the galaxy, at times still on the way: the offers, the scans and
    // the encounters of every kind of place.
    static void Wander(std::mt19937& rng) {
        GameState& g = G();
        const int s = 1 + static_cast<int>(rng() % 25);
        std::vector<int> locations;
        for (int l = 1; l <= 35; ++l)
            if (g.Planets[s][l][Planet::Exists]) locations.push_back(l);
        if (locations.empty()) return;
        GameRecord& fleet = g.Fleets[1];
        fleet[Fleet::System] = s;
        fleet[Fleet::Location] = locations[rng() % locations.size()];
        fleet[Fleet::DaysLeft] = static_cast<int>(rng() % 3);
        fleet[Fleet::Destination] = locations[rng() % locations.size()];
    }

  private:
    std::filesystem::path home_, scratch_;
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
    for (int turn = 1; turn <= kTurns; ++turn) {
        if (GameEnded()) {
            NewLife(w);
            ++lives;
        }
        if (wander() % 7 == 0) Wander(wander);
        if (w.war) DeclareWarEverywhere();
        G().NoEncounterThisTurn = turn % 5 == 0 ? 1 : 0;
        NextTurn();
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
