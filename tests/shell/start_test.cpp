// The main menu: a new game's start per faction, its net worth, the menu's buttons and credits.
#include "shell/start.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "career/PersonalInfo.h"
#include "shell/credits.h"
#include "shell/name.h"
#include "shell_fixture.h"
#include "state/Module1.h"
#include "state/newgame.h"
#include "state/variables.h"
#include "support/art.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"
#include "ui/application.h"
#include "ui/render.h"

namespace corvanth {
namespace {

class NewGame : public test::ShellTest {
  protected:
    // The new game up to the travel screen: the set-up, the captain's screen, the start values.
    void StartAs(int faction) {
        InitGameData();
        RefreshNewCaptainForm();
        player()
            .Do("TForm4", [faction](ui::Form&) { G().Players[1][Player::Faction] = faction; })
            .Click("TForm4", "SpeedButton4");
        Form4->ShowModal();
        factionsBefore = G().Factions;
        ApplyNewGameStart();
    }
    std::array<GameRecord, 6> factionsBefore{};
    // Half of what the faction's start ship and its standard equipment cost, by the catalogue.
    static int64_t HalfShipValue(int shipType) {
        LoadShipType(shipType);
        const GameState& g = G();
        int64_t value = g.Ships[0][0][Ship::HullPrice];
        for (int slot = Slot::First; slot <= Slot::Last; ++slot)
            if (g.ShipEquipment[0][0][slot][Slot::Used] > 0)
                value += g.EquipmentTypes[g.ShipEquipment[0][0][slot][Slot::EquipmentId]]
                                         [Equipment::Price];
        return value / 2;
    }
};

TEST_F(NewGame, EachFactionStartsAtHomeInItsShipWithItsReputation) {
    struct Expected {
        int faction, reputation, homeSystem, shipType;
    };
    // The start table: Federation 50 / system 4 / type 3, Outer Rim 10 / 15 / 2, Syndicate
    // 10 / 24 / 1, Coalition 100 / 25 / 1.
    for (const Expected& e : {Expected{1, 50, 4, 3}, Expected{2, 10, 15, 2}, Expected{3, 10, 24, 1},
                              Expected{4, 100, 25, 1}}) {
        SCOPED_TRACE("faction " + std::to_string(e.faction));
        StartAs(e.faction);
        const GameState& g = G();
        const GameRecord& standing = g.Factions[e.faction];
        EXPECT_EQ(standing[Faction::Reputation], e.reputation);
        EXPECT_EQ(standing[Faction::Rank], 1);
        EXPECT_EQ(standing[Faction::CampaignRibbons], 1);
        // The start's promotion check takes the silent first step: both thresholds to 150.
        EXPECT_EQ(standing[Faction::AwardStep], 1);
        EXPECT_EQ(standing[Faction::NextFameThreshold], 150);
        EXPECT_EQ(standing[Faction::NextReputationThreshold], 150);
        EXPECT_EQ(standing[Faction::MedalOfHonour], 0);
        EXPECT_EQ(g.Fleets[1][Fleet::System], e.homeSystem);
        EXPECT_EQ(g.Fleets[1][Fleet::Location], 1);
        EXPECT_EQ(g.Fleets[1][Fleet::CrewPayCountdown], 200);
        EXPECT_EQ(g.Ships[1][1][Ship::Class], e.shipType);
        EXPECT_EQ(g.Ships[1][1][Ship::Present], 1);
        EXPECT_GT(g.Ships[1][1][Ship::Speed], 0);  // the statistics ran on the copy
        EXPECT_EQ(g.Players[1][Player::Money], 3000);
        EXPECT_EQ(g.TurnNumber, 0);
        // The other factions keep what the set-up gave them.
        for (int f = 1; f <= 5; ++f) {
            if (f == e.faction) continue;
            EXPECT_EQ(g.Factions[f], factionsBefore[f]) << "faction " << f;
        }

        for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
            int events = 0;
            for (int slot = SpaceEvent::FirstSlot; slot <= SpaceEvent::LastSlot; ++slot)
                events += g.SpaceEvents[s][slot][SpaceEvent::Active] == 1;
            EXPECT_EQ(events, g.StarSystems[s][StarSystem::Exists] > 0 ? 1 : 0) << "system " << s;
        }
    }
}

TEST_F(NewGame, TheStartNetWorthIsTheStartItselfInEveryGameOfARun) {
    StartAs(FactionId::Federation);
    const int32_t first = G().Players[1][Player::StartNetWorth];
    // Net worth: half the ship with its equipment, plus the 3000 of the start, no cargo, no loans.
    const int64_t expected = 3000 + HalfShipValue(3);
    EXPECT_EQ(first, expected);
    EXPECT_EQ(G().Players[1][Player::NetWorthAtLastPay], expected);

    // A rich captain with a full hold and another ship must not leak into the next game.
    G().Players[1][Player::Money] = 750000;
    G().Cargo[5] = 40;
    LoadShipType(12);
    G().Ships[1][1] = G().Ships[0][0];
    StartAs(FactionId::Federation);
    EXPECT_EQ(G().Players[1][Player::StartNetWorth], first);
    EXPECT_EQ(G().Players[1][Player::NetWorthAtLastPay], first);
}

class MainMenu : public test::ShellTest {};

TEST_F(MainMenu, ANewGameLeadsThroughTheCaptainToTheTravelScreenAndBack) {
    // A tutorial left at step 10 by an abandoned game: the new game takes it up at step 2.
    TutorialStep = 10;
    TravelScreenMayClose = 1;
    player()
        .Click("TForm1", "SpeedButton1")
        .Do("TForm4",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 2);
                EXPECT_TRUE(Form4->TutorialPanel->visible);
                EXPECT_EQ(TravelScreenMayClose, 0);
            })
        .Type("TForm4", "Edit1", "Ilsa Brand")
        .Click("TForm4", "SpeedButton4")
        // The start of the story: the opening and the faction's two texts.
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(G().CaptainNames[1], "Ilsa Brand");
                EXPECT_EQ(G().Fleets[1][Fleet::System], 4);  // the tutorial plays the Federation
                EXPECT_EQ(G().MissionBlinkOn, 1);
                EXPECT_EQ(TutorialStep, 4);
            })
        // The new ensign's record, from the travel screen's "Personal information".
        .Click("TForm2", "SpeedButton12")
        .Do("TForm28",
            [](ui::Form&) {
                EXPECT_EQ(Form28->Label2->caption, "Name: Ilsa Brand");
                EXPECT_EQ(Form28->Label4->caption, "Rank: Ensign");
                EXPECT_EQ(Form28->Image33->picture, "Uni-Fed-blank.jpg");
            })
        .Click("TForm28", "SpeedButton4")
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton2")  // no: the game goes on
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Do("TForm1", [](ui::Form&) { EXPECT_FALSE(Form2->Visible()); })
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_EQ(player().LastSeen("TMessage3")->Text("Label1"),
              "Do you really wish to quit this game? (No retiring, no highscore)");
    EXPECT_EQ(player().TimesSeen("TMessage3"), 2);
}

// The logo shows its letters, not a box: at its corners each screen that carries it shows what
// lies below it, and the letters cover part of it.
TEST_F(MainMenu, TheLogoStandsWithoutABoxOnEveryScreenThatCarriesIt) {
    test::LinkGameArt(std::filesystem::current_path());
    const std::string dir = std::string(CORVANTH_SCREENS_DIR) + "/logo/";
    std::filesystem::create_directories(dir);
    int screens = 0;
    for (ui::Form* f : ui::App().Forms())
        for (const auto& c : f->Components()) {
            auto* logo = dynamic_cast<ui::Image*>(c.get());
            if (!logo || logo->picture != "exp1_logo.jpg") continue;
            ++screens;
            ui::SoftwareCanvas drawn(f->width, f->height), under(f->width, f->height);
            drawn.DrawForm(*f);
            EXPECT_TRUE(drawn.SavePng(dir + f->ClassName() + ".png"));
            logo->visible = false;
            under.DrawForm(*f);
            logo->visible = true;
            const ui::Rect r = logo->ScreenRect();
            for (const auto& [x, y] :
                 {std::pair{r.x + 2, r.y + 2}, std::pair{r.x + r.w - 3, r.y + 2},
                  std::pair{r.x + 2, r.y + r.h - 3}, std::pair{r.x + r.w - 3, r.y + r.h - 3}})
                EXPECT_EQ(drawn.PixelAt(x, y), under.PixelAt(x, y)) << f->ClassName() << " " << x;
            int letters = 0;
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x)
                    letters += drawn.PixelAt(x, y) != under.PixelAt(x, y);
            EXPECT_GT(letters, r.w * r.h / 10) << f->ClassName();
        }
    EXPECT_EQ(screens, 8);
}

TEST_F(MainMenu, CreditsShowTheirLinksAndTheLinkOpensTheHandbook) {
    std::vector<std::string> opened;
    auto keep = OpenWithDesktop;
    OpenWithDesktop = [&](const std::string& path) { opened.push_back(path); };
    {
        std::ofstream readme(kHandbookFile);
        readme << "# Corvanth\n";
    }
    player()
        .Do("TForm1",
            [](ui::Form&) {
                // Saved games and high scores have their screens.
                EXPECT_TRUE(Form1->SpeedButton15->enabled);
                EXPECT_TRUE(Form1->SpeedButton9->enabled);
            })
        .Click("TForm1", "SpeedButton12")
        .Do("TForm31",
            [](ui::Form& f) {
                for (const char* link : {"Label6", "Label15", "Label7", "Label3"})
                    EXPECT_TRUE(f.Find(link)->visible) << link;
                EXPECT_EQ(f.Find("Label7")->caption,
                          "Do you want to get to know more about him? Visit his site:");
            })
        .Click("TForm31", "Label15")
        .Click("TForm31", "Label6")
        .Click("TForm31", "Label3")  // the second address has no action
        .CloseRequest("TForm31")     // no close box
        .Click("TForm31", "SpeedButton7")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    OpenWithDesktop = keep;
    const std::string handbook = std::filesystem::absolute(kHandbookFile).string();
    EXPECT_EQ(opened, (std::vector<std::string>{handbook, handbook}));
    std::filesystem::remove(kHandbookFile);
}

TEST_F(MainMenu, TheTutorialStartsFromTheMenuAndEndsOnlyOnYes) {
    // A tutorial under way, its panel left on the new-captain screen: it starts over.
    TutorialStep = 3;
    ShowTutorialStep3();
    player()
        .Click("TForm1", "SpeedButton13")
        .Do("TForm1",
            [](ui::Form&) {
                EXPECT_FALSE(Form4->TutorialPanel->visible);
                EXPECT_FALSE(Form4->TutorialTimer->Enabled());
                EXPECT_EQ(TutorialStep, 1);
                EXPECT_TRUE(Form1->TutorialPanel->visible);
                EXPECT_EQ(Form1->TutorialHeadline->caption, "Follow the tutorial hand!");
                // The hand points at "Start a new game" from its left, at its height: the
                // picture's edge, its fingertip without the picture file, two pixels inside the
                // button.
                const ui::Rect hand = Form1->TutorialHandPicture->ScreenRect();
                const ui::Component& button = *Form1->SpeedButton1;
                EXPECT_EQ(hand.x + hand.w - 1, button.left + 2);
                EXPECT_NEAR(hand.y + hand.h / 2, button.top + button.height / 2, 1);
                EXPECT_EQ(Form1->TutorialHandPicture->picture, "Tutorialr.jpg");
                EXPECT_EQ(Form1->TutorialMemo->lines.front().rfind("Welcome aboard, captain!", 0),
                          0u);
            })
        .Wait("TForm1", 500)
        .Do("TForm1", [](ui::Form&) { EXPECT_TRUE(Form1->TutorialHand->visible); })
        .Click("TForm1", "SpeedButton2")
        .Click("TMessage3", "SpeedButton2")
        .Do("TForm1", [](ui::Form&) { EXPECT_EQ(TutorialStep, 1); })
        .Click("TForm1", "SpeedButton2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm1",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 0);
                EXPECT_FALSE(Form1->TutorialPanel->visible);
                EXPECT_FALSE(Form1->TutorialHand->visible);
                EXPECT_FALSE(Form1->TutorialTimer->Enabled());
            })
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
}

}  // namespace
}  // namespace corvanth
