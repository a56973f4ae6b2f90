// Fame and reputation through the screens: notices, switches, the cheat, outcasts, criminals and
// the amnesty.
#include "state/reputation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "state/ForgiveOffense.h"
#include "state/HelpCenter.h"
#include "state/variables.h"
#include "support/game_test.h"

namespace corvanth {
namespace {

constexpr int kFed = FactionId::Federation;
constexpr int kOuterRim = FactionId::OuterRimAlliance;

const std::string kOutcastLine4 =
    "If you continue comitting crimes you might be declared a criminal, which will mean that you "
    "cannot get any amnesties anymore.";
const std::string kCriminalLine4 =
    "You can never get an amnesty anymore. This faction will be hostile forever!";

class Reputation : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        g.CurrentPlayer = 1;
        captain()[Player::Faction] = kFed;
        captain()[Player::LifePoints] = 3;
        captain()[Player::Fame] = 50;
        const char* names[] = {"", "Federation", "Outer Rim Alliance", "Syndicate", "Coalition"};
        const char* logos[] = {"", "FederationLogo", "OuterRimLogo", "SyndicateLogo",
                               "TraderUnionLogo"};
        for (int f = 1; f <= 4; ++f) {
            g.FactionNames[f] = names[f];
            g.FactionPictures[f] = std::string(logos[f]) + ".jpg";
            g.FactionSmallPictures[f] = std::string(logos[f]) + "_88x80.jpg";
            g.Factions[f][Faction::Reputation] = 100;
            g.Factions[f][Faction::NextFameThreshold] = 400;
            g.Factions[f][Faction::NextReputationThreshold] = 500;
        }
    }
    GameRecord& captain() { return g.Players[1]; }
    int32_t& rep(int f) { return g.Factions[f][Faction::Reputation]; }
    // The player reads the switchable notice and leaves the box as asked.
    void AnswerNotice(bool tick = false) {
        player().Tick("TMessage6", "CheckBox1", tick).Click("TMessage6", "SpeedButton3");
    }
    const ui::Snapshot& Last(const std::string& form) {
        static const ui::Snapshot none;
        const ui::Snapshot* s = player().LastSeen(form);
        return s ? *s : none;
    }
    GameState& g = G();
};

TEST_F(Reputation, GainsShowTheirNoticeUntilSwitchedOff) {
    // Own faction: 100 + 50, of the 500 the next promotion needs.
    player().Do("TMessage6", [](ui::Form& f) {
        auto& box = *f.Find("CheckBox1");
        EXPECT_TRUE(box.enabled);
        EXPECT_FALSE(static_cast<ui::CheckBox&>(box).checked);
    });
    AnswerNotice();
    GainReputation(kFed, 50);
    EXPECT_EQ(rep(kFed), 150);
    EXPECT_EQ(Last("TMessage6").Text("Label1"),
              "You gain reputation (50 pts.) . You have 150 pts. total of 500 pts. needed for "
              "next promotion.");
    EXPECT_EQ(Last("TMessage6").Picture("Image2"), "FederationLogo_88x80.jpg");
    EXPECT_EQ(test::CountSound("wave:reward1.wav"), 1);

    // Another faction: no promotion bar. Ticking the box switches these notices off.
    AnswerNotice(true);
    GainReputation(kOuterRim, 7);
    EXPECT_EQ(Last("TMessage6").Text("Label1"),
              "You gain reputation (7 pts.) . You have 107 pts. total.");
    EXPECT_EQ(Last("TMessage6").Picture("Image2"), "OuterRimLogo_88x80.jpg");
    EXPECT_EQ(captain()[Player::HideReputationGainNotices], 1);
    GainReputation(kOuterRim, 3);  // silent now, and still counted
    EXPECT_EQ(rep(kOuterRim), 110);
    EXPECT_EQ(player().TimesSeen("TMessage6"), 2);

    // Fame: 50 + 25 of the 400 needed, with the small portrait of a young captain.
    AnswerNotice(true);
    GainFame(25);
    EXPECT_EQ(captain()[Player::Fame], 75);
    EXPECT_EQ(Last("TMessage6").Text("Label1"),
              "You gain fame (25 pts.). You have 75 pts. of 400 pts. needed for next promotion.");
    EXPECT_EQ(Last("TMessage6").Picture("Image2"), "Hero1_20y_sm.jpg");
    EXPECT_EQ(captain()[Player::HideFameGainNotices], 1);
    GainFame(5);
    EXPECT_EQ(captain()[Player::Fame], 80);

    // Losses: "left" while above 0, "total" at 0 and below; then the box switches them off.
    AnswerNotice();
    LoseReputation(kOuterRim, 60);
    EXPECT_EQ(Last("TMessage6").Text("Label1"),
              "You lose reputation (60 pts.). You have 50 pts. left. If it drops below 0, you will "
              "be considered hostile.");
    EXPECT_EQ(test::CountSound("wave:bad1.wav"), 1);
    AnswerNotice(true);
    LoseReputation(kOuterRim, 50);
    EXPECT_EQ(Last("TMessage6").Text("Label1"),
              "You lose reputation (50 pts.). You have 0 pts. total.");
    EXPECT_EQ(captain()[Player::HideReputationLossNotices], 1);
    EXPECT_EQ(captain()[Player::HideReputationGainNotices], 1);
    EXPECT_EQ(player().TimesSeen("TMessage6"), 5);
}

TEST_F(Reputation, TheCheatRaisesGainsByHalfButNotLosses) {
    captain()[Player::CheatFameBoost] = 1;
    captain()[Player::HideReputationGainNotices] = 1;
    captain()[Player::HideFameGainNotices] = 1;
    captain()[Player::HideReputationLossNotices] = 1;
    GainReputation(kFed, 3);  // 3 + 3 div 2 = 4
    EXPECT_EQ(rep(kFed), 104);
    GainReputation(kFed, 1);  // 1 + 0
    EXPECT_EQ(rep(kFed), 105);
    GainFame(10);  // 10 + 5
    EXPECT_EQ(captain()[Player::Fame], 65);
    LoseReputation(kFed, 5);
    EXPECT_EQ(rep(kFed), 100);

    // The notice tells the raised amount.
    captain()[Player::HideReputationGainNotices] = 0;
    AnswerNotice();
    GainReputation(kOuterRim, 100);
    EXPECT_EQ(Last("TMessage6").Text("Label1"),
              "You gain reputation (150 pts.) . You have 250 pts. total.");
}

TEST_F(Reputation, GoodStandingToOutcastInTheOwnFactionOffersTheAmnesty) {
    AnswerNotice();
    player()
        .Click("TForm49", "SpeedButton1")
        .Do("TForm50",
            [](ui::Form& f) {
                EXPECT_TRUE(f.Find("SpeedButton1")->enabled);
                EXPECT_EQ(f.Find("Label1")->caption, "You got trouble in your own faction!");
            })
        .Click("TForm50", "SpeedButton1");
    LoseReputation(kFed, 300);
    EXPECT_EQ(Last("TMessage6").Text("Label1"),
              "You lose reputation (300 pts.). You have -200 pts. total.");
    const ui::Snapshot& notice = Last("TForm49");
    EXPECT_EQ(notice.Text("Label1"), "You are an outcast now!");
    EXPECT_EQ(notice.Text("Label2"),
              "For your committed crimes you are considered hostile in the Federation.");
    EXPECT_EQ(notice.Text("Label3"),
              "This means you will  be attacked at sight of vessels of the Federation and you are "
              "not able to do any business on their planets except trading illegal goods and "
              "contacting the governor to get an amnesty.");
    EXPECT_EQ(notice.Text("Label4"), kOutcastLine4);
    EXPECT_EQ(notice.Picture("Image1"), "FederationLogo.jpg");
    EXPECT_EQ(Last("TForm50").Text("Label3"),
              "You may trade one of your \"life-points\" for an immidiate amnesty as well. You got "
              "3 life-points left.");
    // The trade: one life point for a reputation of exactly 10.
    EXPECT_EQ(captain()[Player::LifePoints], 2);
    EXPECT_EQ(rep(kFed), 10);
    EXPECT_EQ(test::CountSound("play:button.wav"), 3);  // notice, outcast screen, amnesty

    // Refusing keeps the standing and the life points.
    AnswerNotice();
    player().Click("TForm49", "SpeedButton1").Click("TForm50", "SpeedButton2");
    LoseReputation(kFed, 20);
    EXPECT_EQ(rep(kFed), -10);
    EXPECT_EQ(captain()[Player::LifePoints], 2);
}

TEST_F(Reputation, AFallFromExactlyZeroMakesAnOutcastToo) {
    // 0 is good standing, so 0 -> -1 crosses into hostility like any other fall.
    rep(kFed) = 0;
    captain()[Player::HideReputationLossNotices] = 1;
    captain()[Player::LifePoints] = 0;
    player()
        .Click("TForm49", "SpeedButton1")
        .Do("TForm50", [](ui::Form& f) { EXPECT_FALSE(f.Find("SpeedButton1")->enabled); })
        .Click("TForm50", "SpeedButton2");
    LoseReputation(kFed, 1);
    EXPECT_EQ(rep(kFed), -1);
    EXPECT_EQ(Last("TForm49").Text("Label1"), "You are an outcast now!");
    // Without life points there is nothing to trade.
    EXPECT_EQ(Last("TForm50").Text("Label3"),
              "If you had one \"life-point\" left you could have traded it for an immidiate "
              "amnesty. Unfortunately you do not.");
    EXPECT_EQ(captain()[Player::LifePoints], 0);
    EXPECT_EQ(player().TimesSeen("TMessage6"), 0);  // the switch hides only the loss notice

    // A foreign faction from 0 to -2498: the outcast notice, no amnesty offer.
    rep(kOuterRim) = 0;
    player().Click("TForm49", "SpeedButton1");
    LoseReputation(kOuterRim, 2498);
    EXPECT_EQ(Last("TForm49").Text("Label2"),
              "For your committed crimes you are considered hostile in the Outer Rim Alliance.");
    EXPECT_EQ(player().TimesSeen("TForm50"), 1);
}

TEST_F(Reputation, CriminalNoticesAtMinus2499) {
    captain()[Player::HideReputationLossNotices] = 1;
    // Good standing straight to criminal: only the criminal notice, and no amnesty even in the
    // own faction.
    player().Click("TForm49", "SpeedButton1");
    LoseReputation(kFed, 3100);
    EXPECT_EQ(rep(kFed), -3000);
    EXPECT_EQ(player().TimesSeen("TForm49"), 1);
    EXPECT_EQ(player().TimesSeen("TForm50"), 0);
    const ui::Snapshot& notice = Last("TForm49");
    EXPECT_EQ(notice.Text("Label1"), "You are a criminal now!");
    EXPECT_EQ(notice.Text("Label2"),
              "For your committed crimes you have been declared a criminal in the Federation.");
    EXPECT_EQ(notice.Text("Label3"),
              "This means you will  be attacked at sight of vessels of the Federation and you are "
              "not able to do any business on their planets except trading illegal goods.");
    EXPECT_EQ(notice.Text("Label4"), kCriminalLine4);

    // Outcast to criminal: exactly -2499 is already criminal.
    rep(kOuterRim) = -100;
    player().Click("TForm49", "SpeedButton1");
    LoseReputation(kOuterRim, 2399);
    EXPECT_EQ(rep(kOuterRim), -2499);
    EXPECT_EQ(Last("TForm49").Text("Label1"), "You are a criminal now!");
    EXPECT_EQ(Last("TForm49").Picture("Image1"), "OuterRimLogo.jpg");
    EXPECT_EQ(player().TimesSeen("TForm49"), 2);

    // Criminal to criminal, and outcast to outcast: no notice.
    LoseReputation(kOuterRim, 100);
    rep(FactionId::Syndicate) = -100;
    LoseReputation(FactionId::Syndicate, 2000);
    EXPECT_EQ(rep(FactionId::Syndicate), -2100);
    EXPECT_EQ(player().TimesSeen("TForm49"), 2);
    EXPECT_EQ(player().TimesSeen("TForm50"), 0);
}

TEST_F(Reputation, FactionsOutsideTheTablesChangeNothing) {
    const auto factions = g.Factions;
    const auto players = g.Players;
    for (int f : {-1, 0, FactionId::Pirates, 6, 1000}) {
        GainReputation(f, 100);
        LoseReputation(f, 5000);
    }
    EXPECT_EQ(g.Factions, factions);
    EXPECT_EQ(g.Players, players);
    EXPECT_TRUE(player().Seen().empty());
}

TEST_F(Reputation, SumsSaturateInsteadOfWrapping) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    captain()[Player::CheatFameBoost] = 1;
    // A gain comes on whole past the game's cap of 900.000.000, which is the turn's to apply:
    // 899.999.990 + 20 raised by half is 900.000.020.
    captain()[Player::Fame] = 899999990;
    AnswerNotice();
    GainFame(20);
    EXPECT_EQ(captain()[Player::Fame], 900000020);
    captain()[Player::Fame] = kMax - 10;
    AnswerNotice();
    GainFame(2000000000);  // raised by half: 3,000,000,000, more than 32 bits hold
    EXPECT_EQ(captain()[Player::Fame], kMax);
    EXPECT_EQ(Last("TMessage6").Text("Label1"),
              "You gain fame (3000000000 pts.). You have 2147483647 pts. of 400 pts. needed for "
              "next promotion.");

    captain()[Player::HideReputationGainNotices] = 1;
    captain()[Player::HideReputationLossNotices] = 1;
    rep(kOuterRim) = 899999999;
    GainReputation(kOuterRim, 2);  // raised by half: 3
    EXPECT_EQ(rep(kOuterRim), 900000002);
    rep(kFed) = kMax - 1;
    GainReputation(kFed, kMax);
    EXPECT_EQ(rep(kFed), kMax);
    rep(kOuterRim) = kMin + 5;  // a criminal already: no notice
    LoseReputation(kOuterRim, kMax);
    EXPECT_EQ(rep(kOuterRim), kMin);
}

}  // namespace
}  // namespace corvanth
