// Docking: the senator story's two deals and the age-drug dealer before the planet screen.
#include <gtest/gtest.h>

#include <string>

#include "planet/planet.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/UMessage4.h"
#include "state/UMessage5.h"
#include "state/UMessage6.h"
#include "state/exp1_UMessage1.h"
#include "state/exp1_UMessage2.h"
#include "state/random.h"
#include "state/upcalls.h"
#include "state/variables.h"
#include "travel/NextTurnUnit.h"
#include "travel/travel.h"
#include "travel/travel_support.h"

namespace corvanth {
namespace {

constexpr int kKimberley = 18;  // the gift's system; location 1
constexpr int kSirius = 3;      // the informant's
constexpr int kHope = 5;        // the dealer's

class Docking : public test::TravelTest {
  protected:
    void SetUp() override {
        TravelTest::SetUp();
        NewFederationGame();
        G().TurnNumber = 1;
        G().Players[1][Player::Gender] = 1;
    }
    void DockAt(int system) {
        G().Fleets[1][Fleet::System] = system;
        G().Fleets[1][Fleet::Location] = 1;
        G().SelectedPlanet = 1;
        RefreshTravelScreen();
        player().Click("TForm3", "SpeedButton4");
        test::ClickOnTravelScreen("SpeedButton2");
    }
    GameRecord& Story() { return G().Factions[FactionId::Federation]; }
    void StoryStep(int step) {
        Story()[Faction::SenatorLetterReceived] = 1;
        Story()[Faction::SenatorMet] = 1;
        Story()[Faction::StoryStep] = step;
    }
    void SetMoney(int money) { G().Players[1][Player::Money] = money; }
};

// Random(money div 30) + money div 10 and Random(money div 20) + money div 6, with floors; a
// debt gives a bound below 1, which draws 0, so the floor holds.
TEST_F(Docking, TheDealsCostAShareOfTheMoneyAndNeverLessThanTheirFloor) {
    int64_t low = INT64_MAX, high = 0;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        Rng().SetSeed(seed);
        const int64_t gift = SenatorGiftPrice(50000000);  // 5,000,000 + 0..1,666,665
        low = std::min(low, gift);
        high = std::max(high, gift);
        const int64_t news = InformantPrice(60000000);  // 10,000,000 + 0..2,999,999
        EXPECT_GE(news, 10000000);
        EXPECT_LE(news, 12999999);
    }
    EXPECT_GE(low, 5000000);
    EXPECT_LE(high, 6666665);
    EXPECT_LT(low, 5100000);  // the draw spreads over its range
    EXPECT_GT(high, 6500000);
    for (int64_t money : {3000, 0, -50000, -2000000000}) {
        EXPECT_EQ(SenatorGiftPrice(money), 1000000) << money;
        EXPECT_EQ(InformantPrice(money), 2000000) << money;
    }
}

TEST_F(Docking, TheSenatorsGiftAndTheInformantMoveTheStoryOn) {
    // Money 3,000: the gift costs 1,000,000, too much once agreed.
    StoryStep(3);
    SetMoney(3000);
    player()
        .Do("TMessage3",
            [](ui::Form&) {
                EXPECT_EQ(Message3->Label1->caption,
                          "Do you wish to buy the necklace for the senators daughter for "
                          "1.000.000?");
            })
        .Click("TMessage3", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "You do not have enough money!");
            })
        .Click("TMessage1", "SpeedButton3");
    DockAt(kKimberley);
    EXPECT_EQ(Story()[Faction::StoryStep], 3);
    EXPECT_EQ(G().Players[1][Player::Money], 3000);

    // A captain of means buys it; a female captain buys the sword.
    G().Players[1][Player::Gender] = 2;
    SetMoney(50000000);
    Rng().SetSeed(99);
    const int64_t price = SenatorGiftPrice(50000000);
    Rng().SetSeed(99);
    player()
        .Click("TMessage3", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "You buy the sword. Now get back and give it to the senator!");
            })
        .Click("TMessage1", "SpeedButton3");
    DockAt(kKimberley);
    EXPECT_EQ(Story()[Faction::StoryStep], 4);
    EXPECT_EQ(G().Players[1][Player::Money], 50000000 - price);
    // Step 4: no offer any more, straight to the planet.
    DockAt(kKimberley);
    int offers = 0;
    for (const ui::Snapshot& shot : player().Seen())
        offers +=
            shot.form == "TMessage3" && shot.Text("Label1").rfind("Do you wish to buy", 0) == 0;
    EXPECT_EQ(offers, 2);

    // The informant: rejected, then bought for 2,000,000 at least.
    StoryStep(8);
    player()
        .Click("TMessage5", "SpeedButton2")
        .Do("Texp1_Message2",
            [](ui::Form&) {
                EXPECT_EQ(exp1_Message2->Label1->caption,
                          "\"Come back if you changed your mind.\"");
            })
        .Click("Texp1_Message2", "SpeedButton3");
    DockAt(kSirius);
    EXPECT_EQ(Story()[Faction::StoryStep], 8);
    SetMoney(2500000);
    player()
        .Do("TMessage5",
            [](ui::Form&) {
                EXPECT_EQ(Message5->Label2->caption, "A delicate offer!");
                EXPECT_EQ(Message5->SpeedButton2->caption, "Reject");
                ASSERT_EQ(Message5->Memo1->lines.size(), 2u);
                EXPECT_NE(Message5->Memo1->lines[1].find("my price is 2.000.000 $C, payable"),
                          std::string::npos);
            })
        .Click("TMessage5", "SpeedButton1")
        .Do("Texp1_message1",
            [](ui::Form&) {
                EXPECT_EQ(exp1_message1->Label2->caption, "Triangular scan");
                EXPECT_EQ(exp1_message1->Memo1->lines.size(), 5u);
            })
        .Click("Texp1_message1", "SpeedButton1");
    DockAt(kSirius);
    EXPECT_EQ(Story()[Faction::StoryStep], 9);
    EXPECT_EQ(G().Players[1][Player::Money], 500000);
    EXPECT_EQ(Message5->SpeedButton2->caption, "Decline");
}

// Five doses at 2,500,000 times their number, then the refusal; the turn engine protects 18
// years with four doses and 20 with five.
TEST_F(Docking, TheDealerSellsFiveDosesAndTheTurnEngineHonoursThem) {
    GameRecord& captain = G().Players[1];
    captain[Player::AgeDrugOffered] = 1;
    SetMoney(1000000);
    player()
        .Do("TMessage5",
            [](ui::Form&) {
                EXPECT_FALSE(Message5->SpeedButton1->enabled);
                EXPECT_EQ(Message5->Memo1->lines.back(), "You do not have enough money!");
            })
        .Click("TMessage5", "SpeedButton2")
        .Do("TMessage6",
            [](ui::Form&) {
                EXPECT_EQ(Message6->Label1->caption, "\"Why do you waste my time?\"");
            })
        .Click("TMessage6", "SpeedButton3");
    DockAt(kHope);
    EXPECT_TRUE(Message5->SpeedButton1->enabled);
    EXPECT_EQ(captain[Player::AgeDrugDoses], 0);

    const char* prices[] = {"2.500.000", "5.000.000", "7.500.000", "10.000.000", "12.500.000"};
    const char* turns[] = {"720", "360", "360", "360", "180"};  // years * 360 div 4
    int64_t spent = 0;
    SetMoney(40000000);
    for (int dose = 0; dose < 5; ++dose) {
        player()
            .Do("TMessage5",
                [&, dose](ui::Form&) {
                    const auto& lines = Message5->Memo1->lines;
                    ASSERT_EQ(lines.size(), 3u);
                    EXPECT_NE(lines[1].find(std::string("I will charge you: $C: ") + prices[dose] +
                                            ". Take it or leave.\""),
                              std::string::npos);
                    EXPECT_EQ(lines[2], std::string("You think about it. [This will enable you "
                                                    "to ignore your age for another ") +
                                            turns[dose] + " turns]");
                    EXPECT_TRUE(Message5->SpeedButton1->enabled);
                })
            .Click("TMessage5", "SpeedButton1")
            .Click("TMessage6", "SpeedButton3")
            .Do("TMessage4",
                [](ui::Form&) { EXPECT_EQ(Message4->Label2->caption, "It works, but..."); })
            .Click("TMessage4", "SpeedButton1");
        DockAt(kHope);
        spent += 2500000LL * (dose + 1);
        EXPECT_EQ(captain[Player::AgeDrugDoses], dose + 1);
        EXPECT_EQ(captain[Player::AgeClass], 5);
        EXPECT_EQ(captain[Player::Money], 40000000 - spent);
    }
    player()
        .Do("TMessage6",
            [](ui::Form&) {
                EXPECT_EQ(
                    Message6->Label1->caption,
                    "\"Go away junkie,\" the dealer scoffs at you. \"You already got the maximum "
                    "dose, it will not work for you anymore.\"");
            })
        .Click("TMessage6", "SpeedButton3");
    DockAt(kHope);
    EXPECT_EQ(captain[Player::AgeDrugDoses], 5);

    EXPECT_EQ(AgeDrugExtraYears(0), 0);
    EXPECT_EQ(AgeDrugExtraYears(4), 18);
    EXPECT_EQ(AgeDrugExtraYears(5), 20);
    EXPECT_EQ(AgeDrugExtraYears(9), 20);
    // At 89 (turn 69 * 90) five doses keep the heart going; four do not for long (20 in 500 a
    // turn).
    int deaths = 0;
    GameUpcalls().ShowOldAgeInfo = [] {};
    GameUpcalls().KillCaptain = [&] { ++deaths; };
    auto diesWithin = [&](int doses, int tries) {
        captain[Player::AgeDrugDoses] = doses;
        deaths = 0;
        for (int i = 0; i < tries && deaths == 0; ++i) {
            G().TurnNumber = 69 * 90;
            player().Click("TMessage6", "SpeedButton3");
            NextTurn();
            if (deaths == 0) player().Reset();
        }
        return deaths > 0;
    };
    Rng().SetSeed(5);
    EXPECT_FALSE(diesWithin(5, 300));
    EXPECT_TRUE(diesWithin(4, 300));
}

}  // namespace
}  // namespace corvanth
