// The governor's office and its mission screen: the way to a mission, amnesty and allegiance.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "career/governor.h"
#include "career/mission_player.h"
#include "career/missions.h"
#include "planet/planet.h"
#include "state/fortune.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/art.h"
#include "support/game_test.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

class GovernorOffice : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        test::StartNewGame(1, "Mara Kellan");
        Captain()[Player::HideReputationLossNotices] = 1;
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 4; ++b) G().Factions[a][Faction::RelationBase + b] = 1;
        War(1, 2);
        War(1, 3);
    }
    void War(int a, int b) {
        G().Factions[a][Faction::RelationBase + b] = 2;
        G().Factions[b][Faction::RelationBase + a] = 2;
    }
    GameRecord& Here() { return LocationRecord(FleetLocation()); }
    // A press of an office button as the player makes it: the office opened as it stands, the
    // button clicked, then "Back".
    void Press(ui::SpeedButton* TForm27::*button) {
        player().Do("TForm27", [button](ui::Form& f) {
            RefreshGovernorScreen();
            ui::ClickMiddle(f, *(Form27->*button));
            ui::ClickMiddle(f, *Form27->SpeedButton2);
        });
        Form27->ShowModal();
    }
    GameRecord& Faction(int f) { return G().Factions[f]; }
};

// The status a list line shows.
int StatusOf(const std::string& line) {
    if (line.rfind("AVAILABLE:", 0) == 0) return 1;
    if (line.rfind("RESTRICTED:", 0) == 0) return 2;
    return line.rfind("OTHER FACTION:", 0) == 0 ? 3 : 0;
}

TEST_F(GovernorOffice, InTheGameTheCaptainAsksForAMissionAndAcceptsOne) {
    GameRecord& fed = Faction(1);
    fed[Faction::Rank] = 3;
    fed[Faction::CampaignRibbons] = 6;
    fed[Faction::PilotWings] = 2;
    fed[Faction::SilverStar] = 1;
    Rng().SetSeed(99);
    GenerateMissionOffers();
    G().TurnNumber = 1;  // past the adventure's start
    int accepted = 0;
    player()
        .Click("TForm2", "SpeedButton6")
        .Do("TForm27",
            [](ui::Form&) {
                TForm27& f = *Form27;
                EXPECT_EQ(f.Label15->caption, FactionName(1));
                EXPECT_FALSE(f.SpeedButton1->enabled);
                EXPECT_EQ(f.SpeedButton1->caption, "Swear allegiance");
                EXPECT_TRUE(f.SpeedButton4->enabled);
                EXPECT_EQ(f.SpeedButton4->caption, "Ask for mission");
                EXPECT_FALSE(f.SpeedButton3->enabled);
                EXPECT_EQ(f.Image1->picture, "OuterRimLogo_88x80.jpg");
                EXPECT_EQ(f.Image2->picture, "SyndicateLogo_88x80.jpg");
                EXPECT_EQ(f.Image3->picture, "NoFactionLogo.jpg");
                auto* uniform = dynamic_cast<ui::Image*>(f.Find("Image33"));
                ASSERT_NE(uniform, nullptr);
                EXPECT_EQ(uniform->picture, "Uni-Fed-blank.jpg");
                EXPECT_TRUE(f.Find("RibbonPic6")->visible);
                EXPECT_FALSE(f.Find("RibbonPic7")->visible);
                EXPECT_TRUE(f.Find("SilverStarMedal")->visible);
            })
        .Click("TForm27", "SpeedButton4")
        .Do("TForm8",
            [](ui::Form&) {
                TForm8& f = *Form8;
                const auto& rows = f.ListBox1->items;
                ASSERT_GT(rows.size(), 3u);
                // Available first, then restricted, then other faction, each in record order.
                int seen[4] = {};
                for (size_t i = 0; i < rows.size(); ++i) {
                    const int status = StatusOf(rows[i]);
                    ASSERT_GT(status, 0) << rows[i];
                    if (i > 0) {
                        EXPECT_LE(StatusOf(rows[i - 1]), status);
                        if (StatusOf(rows[i - 1]) == status) {
                            EXPECT_LT(G().MissionListIndex[i - 1], G().MissionListIndex[i]);
                        }
                    }
                    ++seen[status];
                    EXPECT_EQ(G().MissionOffers[G().MissionListIndex[i]][Mission::Status], status);
                }
                EXPECT_GT(seen[1] * seen[2] * seen[3], 0);
                // Transports are Coalition work: OTHER FACTION even where the rank is too low.
                for (size_t i = 0; i < rows.size(); ++i) {
                    const GameRecord& o = G().MissionOffers[G().MissionListIndex[i]];
                    if (o[Mission::Client] == 4) {
                        EXPECT_EQ(StatusOf(rows[i]), 3);
                    }
                }
                EXPECT_TRUE(f.RadioButton1->enabled);
                const int restricted = seen[1], other = seen[1] + seen[2];
                ui::ClickRow(f, *f.ListBox1, restricted);
                const int rank =
                    G().MissionOffers[G().MissionListIndex[restricted]][Mission::RequiredRank];
                EXPECT_EQ(f.Label12->caption, "You need to have the rank of " +
                                                  G().RankNames[1][rank].str() +
                                                  " within this faction.");
                EXPECT_EQ(f.Label11->font.color, ui::colors::Blue);
                EXPECT_FALSE(f.SpeedButton1->enabled);
                ui::ClickRow(f, *f.ListBox1, other);
                EXPECT_EQ(f.Label11->caption, "Other faction");
                EXPECT_EQ(f.Label11->font.color, ui::colors::Red);
                // Only the available ones, then all again.
                ui::ClickMiddle(f, *f.RadioButton1);
                EXPECT_EQ(int(f.ListBox1->items.size()), seen[1]);
                ui::ClickMiddle(f, *f.RadioButton2);
                EXPECT_EQ(f.ListBox1->ItemIndex(), 0);
                EXPECT_EQ(f.Label11->caption, "Mission available.");
                EXPECT_TRUE(f.SpeedButton1->enabled);
            })
        .Do("TForm8", [&](ui::Form&) { accepted = G().MissionListIndex[0]; })
        .Click("TForm8", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, "Mission accepted."); })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(G().Missions[1][Mission::Kind],
                          G().MissionOffers[accepted][Mission::Kind]);
                EXPECT_EQ(G().Missions[1][Mission::Status], 1);
                EXPECT_EQ(MissionButtonActionNow(), MissionButtonAction::MissionBox);
            })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
    G().Missions[1].fill(0);
}

TEST_F(GovernorOffice, EmptyListsRejectionsAndTheMissionScreensGuards) {
    // No offer at all: nothing to select, nothing read from row -1, Accept stays off.
    for (auto& offer : G().MissionOffers) offer.fill(0);
    FillMissionList();
    ShowMissionDetails();
    player()
        .Do("TForm8",
            [](ui::Form& f) {
                ui::ClickMiddle(f, *Form8->ListBox1);  // a click on the empty list
                EXPECT_TRUE(Form8->ListBox1->items.empty());
                EXPECT_FALSE(Form8->RadioButton1->enabled);
                EXPECT_TRUE(Form8->RadioButton2->Checked());
                EXPECT_FALSE(Form8->SpeedButton1->enabled);
                EXPECT_EQ(Form8->Label1->caption, "");
                // A press that reaches the button anyway takes nothing.
                Form8->SpeedButton1Click();
                EXPECT_EQ(G().Missions[1][Mission::Status], 0);
            })
        .CloseRequest("TForm8");
    Form8->ShowModal();

    // The longest rows the offer rules can make fit the list whole: another faction's offer of
    // every kind and scope, against the longest faction name, very difficult, 160 E of goods,
    // with the largest reward of any rule, (19.999 + 70.000) x 216 for the goods data.
    auto width = [](const std::string& text) { return ui::TextWidth(text, Form8->ListBox1->font); };
    int longest = 1;
    for (int f = 2; f <= FactionId::Pirates; ++f)
        if (width(FactionName(f)) > width(FactionName(longest))) longest = f;
    int widest = 0;
    for (int kind = MissionKind::SearchAndDestroy; kind <= MissionKind::Smuggling; ++kind)
        for (int scope : {1, 2}) {
            GameRecord& o = G().MissionOffers[1];
            o.fill(0);
            o[Mission::Status] = 1;
            o[Mission::Kind] = kind;
            o[Mission::Client] = 2;
            o[Mission::Scope] = scope;
            const bool cargo = kind == MissionKind::Transport || kind == MissionKind::Smuggling;
            o[Mission::Difficulty] = cargo ? 160 : 5;
            o[Mission::Opponent] = cargo ? 1 : longest;
            o[Mission::Reward] = 19439784;
            FillMissionList();
            ASSERT_EQ(Form8->ListBox1->items.size(), 1u);
            widest = std::max(widest, width(Form8->ListBox1->items[0]));
        }
    EXPECT_LE(widest, Form8->ListBox1->width - 8);  // the text's room inside the frame

    // "Reject all missions": the governor of this Federation world takes 25 reputation from a
    // captain of rank 1 and the screen closes; the offers stay until the next turn.
    Rng().SetSeed(99);
    GenerateMissionOffers();
    FillMissionList();
    ShowMissionDetails();
    const auto offers = G().MissionOffers;
    Faction(1)[Faction::Rank] = 1;
    Faction(1)[Faction::Reputation] = 500;
    player()
        .Click("TForm8", "SpeedButton2")
        .Do("TMessage1",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("Label1")->caption, "The governor is not amused.");
            })
        .Click("TMessage1", "SpeedButton3");
    Form8->ShowModal();
    EXPECT_EQ(Faction(1)[Faction::Reputation], 475);
    EXPECT_FALSE(Form8->Visible());
    EXPECT_TRUE(G().MissionOffers == offers);
}

TEST_F(GovernorOffice, ButtonsAmnestyAllegianceAndCancel) {
    test::UseMissionBackend player;
    auto buttons = [] {
        const GovernorButtons b = GovernorButtonsNow();
        return std::make_pair(b.allegianceOrAmnesty, b.mission);
    };
    using P = std::pair<bool, bool>;
    EXPECT_EQ(buttons(), P(false, true));
    Faction(1)[Faction::Reputation] = -1;
    EXPECT_EQ(buttons(), P(true, false));
    Faction(1)[Faction::Reputation] = 0;
    for (int g : {2, 3}) G().Factions[1][Faction::RelationBase + g] = 1;
    EXPECT_EQ(buttons(), P(false, false));  // at peace and no mission to cancel
    G().Missions[1][Mission::Status] = 1;
    EXPECT_EQ(buttons(), P(false, true));
    G().Missions[1][Mission::Status] = 0;
    War(1, 3);
    Here()[Planet::Owner] = 2;
    EXPECT_EQ(buttons(), P(true, false));
    Here()[Planet::Owner] = 5;
    EXPECT_EQ(buttons(), P(false, false));
    Here()[Planet::Owner] = 1;

    // Amnesty: a quarter of the net worth down to -2499, the threat from -2500 and at a net
    // worth of 3 or less (3 div 4 = 0).
    EXPECT_EQ(AmnestyPrice(-2499, 4000), 1000);
    EXPECT_EQ(AmnestyPrice(-2500, 4000), 0);
    EXPECT_EQ(AmnestyPrice(-1, 3), 0);
    EXPECT_EQ(AmnestyPrice(-1, 4), 1);
    GameRecord& captain = Captain();
    Faction(1)[Faction::Reputation] = -2500;
    Press(&TForm27::SpeedButton1);
    EXPECT_EQ(player->notices.back(), "The governor screams that he will hang you instead!");
    Faction(1)[Faction::Reputation] = -2499;
    captain[Player::Money] = 0;
    player->yes = 1;
    Press(&TForm27::SpeedButton1);
    EXPECT_EQ(player->notices.back(), "You do not have enough money!");
    EXPECT_EQ(Faction(1)[Faction::Reputation], -2499);
    captain[Player::Money] = 10000000;
    const int price = CalcFortune() / 4;
    // The planet screen below and the travel screen's status panel show the old standing and
    // money until the amnesty: the dealers are closed to an outcast.
    RefreshPlanetScreen();
    RefreshStatusPanel();
    EXPECT_FALSE(Form3->SpeedButton3->enabled);
    player->yes = 1;
    Press(&TForm27::SpeedButton1);
    EXPECT_EQ(captain[Player::Money], 10000000 - price);
    EXPECT_EQ(Faction(1)[Faction::Reputation], 10);
    EXPECT_EQ(player->notices.back(),
              "You are no longer a criminal in the \"" + FactionName(1) + "\".");
    EXPECT_TRUE(Form3->SpeedButton3->enabled);  // "Buy ships" at once
    EXPECT_EQ(Form2->Label9->caption, "$C: " + FormatThousands(10000000 - price));

    // Allegiance to the Outer Rim: any no keeps everything as it was.
    Here()[Planet::Owner] = 2;
    Faction(1)[Faction::Rank] = 4;
    Faction(1)[Faction::SenatorMet] = 1;
    Faction(1)[Faction::StoryStep] = 5;
    const auto before = G().Factions;
    RefreshPlanetScreen();
    EXPECT_FALSE(Form3->SpeedButton3->enabled);  // at war with the Outer Rim
    for (int yes : {0, 1}) {
        player->yes = yes;
        Press(&TForm27::SpeedButton1);
        EXPECT_EQ(G().Factions, before);
        EXPECT_EQ(captain[Player::Faction], 1);
    }
    player->yes = 2;
    Press(&TForm27::SpeedButton1);
    EXPECT_EQ(captain[Player::Faction], 2);
    // The planet is the own faction's now: its services open without docking again.
    for (ui::SpeedButton* b : {Form3->SpeedButton3, Form3->SpeedButton1, Form3->SpeedButton2})
        EXPECT_TRUE(b->enabled) << b->caption;
    EXPECT_EQ(Faction(2)[Faction::Rank], 1);
    EXPECT_EQ(Faction(2)[Faction::CampaignRibbons], 1);
    EXPECT_EQ(Faction(2)[Faction::Reputation], 10);
    EXPECT_EQ(Faction(1)[Faction::Reputation], -3000);
    EXPECT_EQ(Faction(1)[Faction::Rank], 0);
    EXPECT_EQ(Faction(1)[Faction::SenatorLetterReceived], -1);
    EXPECT_EQ(Faction(2)[Faction::SenatorMet], -1);

    // Cancelling a mission at the new faction's office costs the failure's fame: 400 div 4.
    GameRecord& m = G().Missions[1];
    m[Mission::Status] = 1;
    m[Mission::Kind] = MissionKind::Patrol;
    m[Mission::FameReward] = 400;
    const int fame = captain[Player::Fame];
    player->yes = 1;
    Press(&TForm27::SpeedButton4);
    EXPECT_EQ(m[Mission::Status], 0);
    EXPECT_EQ(captain[Player::Fame], fame - 100);
    EXPECT_EQ(player->reports.back(), "Mission failed");
}

}  // namespace
}  // namespace corvanth
