// The bar: the tolerance after a visit, the drinks and their talk, poker, robbery, the data
// module, and the drinking contest of the senator story.
#include "planet/Bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "crew_support.h"
#include "planet/Bar2.h"
#include "planet/Bar3.h"
#include "state/exp1_UMessage1.h"
#include "support/art.h"
#include "support/draws.h"
#include "ui/render.h"

namespace corvanth {
namespace {

using test::CrewTest;

constexpr const char* kStoryLine =
    "\"Have I told you the story about when we were shipping back to Tortuga, when...\"";

class Bar : public CrewTest {
  protected:
    static int32_t& Drunk() { return Captain()[Player::Drunkenness]; }
    static int32_t& Tolerance() { return Captain()[Player::DrinkingTolerance]; }
    static bool Saw(test::UseLoggingBackend& log, const std::string& text) {
        return std::count(log.notices().begin(), log.notices().end(), text) > 0;
    }
};

TEST_F(Bar, AVisitRaisesTheToleranceAndBansDrinkingUntilPastAHundred) {
    test::LinkGameArt(std::filesystem::current_path());
    ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
    // The drinking screen is drawn with a lit sign, a glass or two into the evening.
    player().LeavePicture("TForm67");
    // The first visit, leaving without a drink: 0 < 35 "a bit", 35 + 5..9, no bar for 25 turns.
    G().TurnNumber = 40;
    ASSERT_EQ(Tolerance(), 35);
    player()
        .Click("TForm21", "SpeedButton1")
        .Do("TForm67",
            [](ui::Form& f) {
                EXPECT_EQ(Form67->ProgressBar1->Position(), 0);
                Drunk() = 55;
                UpdateDrunkMeter();
                EXPECT_EQ(Form67->signs.shapes[2]->brushColor, ui::colors::Red);
                ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/TForm67.png");
                Drunk() = 0;
            })
        .Click("TForm67", "SpeedButton3")
        .Do("Texp1_Message2",
            [](ui::Form&) {
                EXPECT_EQ(exp1_Message2->Label1->caption,
                          "Your skills and abilities as a drunkard increase a bit (35% now). You "
                          "will be able to manage more alcohol next time.");
            })
        .Click("Texp1_Message2", "SpeedButton3")
        .Click("TForm21", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")  // "If you get drunk too often ..."
        .Click("TForm21", "SpeedButton3");
    Form21->ShowModal();
    EXPECT_TRUE(Tolerance() >= 40 && Tolerance() <= 44);
    EXPECT_EQ(Captain()[Player::DrinkingAllowedTurn], 65);
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "If you get drunk too often everyone will consider you a drunkard...");

    // Past 100 the captain may come back at once; drunk past the tolerance it grows a lot.
    test::UseLoggingBackend log;
    Tolerance() = 98;
    Drunk() = 99;
    GrowDrinkingTolerance();
    EXPECT_TRUE(Saw(log,
                    "Your skills and abilities as a drunkard increase a lot (98% now). You "
                    "will be able to manage more alcohol next time."));
    EXPECT_TRUE(Tolerance() >= 108 && Tolerance() <= 117);
    EXPECT_EQ(Captain()[Player::DrinkingAllowedTurn], 65);
}

TEST_F(Bar, DrinksAddByTheToleranceAndTalkFollowsTheMeter) {
    // The levels' edges.
    const int edges[][2] = {{9, 0},  {10, 1}, {24, 1}, {25, 2}, {49, 2}, {50, 3},
                            {70, 3}, {71, 4}, {84, 4}, {85, 5}, {96, 5}, {97, 6}};
    for (const auto& e : edges) EXPECT_EQ(DrunkLevel(e[0]), e[1]) << e[0];
    EXPECT_EQ(DrinkStep(101, Drink::Wodka, false), 30);
    EXPECT_EQ(DrinkStep(101, Drink::Wodka, true), 15);

    test::UseLoggingBackend log;
    // No step may follow: the log keeps only what comes while the script is done.
    player().Do("TForm67", [&](ui::Form& f) {
        // A beer at tolerance 35: 15 + 0..14.
        for (uint32_t seed = 1; seed <= 60; ++seed) {
            Rng().SetSeed(seed);
            Tolerance() = 35;
            Drunk() = 0;
            log.notices().clear();
            ui::ClickMiddle(f, *Form67->SpeedButton4);
            ASSERT_TRUE(Drunk() >= 15 && Drunk() <= 29) << Drunk();
            ASSERT_EQ(Form67->ProgressBar1->Position(), Drunk());
            // The lit sign is the level's, in red; the others black.
            const int level = DrunkLevel(Drunk());
            for (int k = 0; k < 6; ++k)
                ASSERT_EQ(Form67->signs.shapes[k]->brushColor,
                          k + 1 == level ? ui::colors::Red : ui::colors::Black);
            // The barkeeper's line, then one line of talk or an event.
            ASSERT_GE(log.notices().size(), 2u);
        }
        // Nothing more at 95.
        Drunk() = 95;
        log.notices().clear();
        ui::ClickMiddle(f, *Form67->SpeedButton6);
        EXPECT_EQ(Drunk(), 95);
        EXPECT_EQ(log.notices(),
                  std::vector<std::string>{"You are almost dead and lie in a big puddle of beer!"});
        ui::ClickMiddle(f, *Form67->SpeedButton3);
    });
    Form67->ShowModal();

    // The talk table, every draw of every level (the level's lowest meter value): the line and
    // its speaker, or the event: 'S' the story line, 'D' the data module, 'K' poker (won below
    // `odds`), 'R' the robbery, 'W' a patron's song.
    struct Row {
        int last;
        char what;
        const char* speaker;
        const char* line;
        int odds = 0;
    };
    const char *bartender = "bartender.jpg", *patron = "pirate1.jpg";
    const std::vector<Row> levels[7] = {
        {{99, 'T', bartender,
          "You are a stranger and nobody seems to find any interest in dealing with you - except "
          "the bartender of course."}},
        {{19, 'T', bartender,
          "\"I always tell my customers to talk to the other people here. You will be amazed "
          "what valuable information you can get.\""},
         {39, 'T', bartender,
          "\"Have you already participated in the gladiator games on Gameris in the New Moscow "
          "system? Really amazing opportunities.\""},
         {59, 'T', bartender,
          "\"There are rumors that they are working on a new weapon that would allow heavy "
          "fighters and corvettes to destroy cruisers.\""},
         {79, 'T', bartender,
          "\"Have you seen the new Syndicate fighter class nicknamed \"Widowmaker\"? I heard it "
          "can take it up with the Federation Avenger fighter.\""},
         {99, 'T', patron, "\"Can you spend me a drink? Thanks man...\""}},
        {{15, 'T', patron, "\"Where are you from? ... Really, how interesting.\""},
         {35, 'T', patron, "\"Leave me alone!\""},
         {70, 'T', bartender,
          "\"I offer different kinds of drinks. Beer is the weakest and the dreaded Sirius wodka "
          "ist the strongest, but less predictable drink.\""},
         {80, 'T', patron,
          "\"I know the position of a treasure in this system, but I am not drunk enough to tell "
          "you about it. I will get it myself one day."},
         {90, 'S', patron, kStoryLine},
         {99, 'D', patron, ""}},
        {{35, 'T', patron, "\"Yadda, yadda, yadda (blurb). Ahh I have drunk too much.\""},
         {50, 'T', patron,
          "I do not like travelling anymore. I would like a lovely small bar...just like this "
          "one.\""},
         {69, 'S', patron, kStoryLine},
         {99, 'D', patron, ""}},
        {{35, 'T', bartender, "\"Do not drink too much. You can be robbed or worse.\""},
         {40, 'W', patron, ""},
         {50, 'T', patron,
          "\"If you are alone in your ship and sometimes do not see someone else than droids for "
          "months...you really got nuts.\""},
         {60, 'W', patron, ""},
         {80, 'K', "", "", 35},
         {99, 'D', patron, ""}},
        {{10, 'T', bartender,
          "\"The toilet is right over there and you better stop drinking now! Its disgusting!\""},
         {20, 'T', patron, "\"(caughs). Oh my god...too many drinks...\""},
         {30, 'T', patron, "\"(caughs)...my stomach...hurts...much.\""},
         {40, 'T', patron, "\"I cannot walk anymore, everything is turning, what has happened?\""},
         {60, 'K', "", "", 50},
         {99, 'D', patron, ""}},
        {{10, 'T', bartender,
          "He is bending over you. You are on the floor. \"Hello,\" he says, \"can you hear "
          "me?\""},
         {20, 'T', patron, "(Sleeps)"},
         {30, 'T', patron, "\"I tell you...I...you...tell...\""},
         {60, 'R', "face5.jpg", ""},
         {80, 'K', "", "", 50},
         {99, 'D', patron, ""}},
    };
    const int lowest[7] = {0, 10, 25, 50, 71, 85, 97};
    const int system = FleetSystem();
    const auto events = G().SpaceEvents[system];
    const auto places = G().Planets[system];
    G().Factions[FactionId::Federation][Faction::Rank] = 1;
    auto draws = [](int r, int w) {
        return test::SeedWhere(
            [=](RandomGenerator& g) { return g.Next(100) == r && (w < 0 || g.Next(100) == w); });
    };
    for (int level = 0; level <= 6; ++level) {
        for (int r = 0; r < 100; ++r) {
            SCOPED_TRACE(testing::Message() << "level " << level << " draw " << r);
            const Row& row = *std::find_if(levels[level].begin(), levels[level].end(),
                                           [r](const Row& x) { return r <= x.last; });
            G().SpaceEvents[system] = events;  // room for the data module's event
            G().Planets[system] = places;
            Money() = 100000;
            Drunk() = lowest[level];
            log.notices().clear();
            log.pictures().clear();
            log.questions().clear();
            Rng().SetSeed(draws(r, -1));
            BarTalkEvent();
            const std::string said = log.notices().empty() ? "" : log.notices().front();
            const std::string by = log.pictures().empty() ? "" : log.pictures().front();
            switch (row.what) {
                case 'T':
                case 'S':
                    EXPECT_EQ(said, row.line);
                    EXPECT_EQ(by, row.speaker);
                    break;
                case 'W':
                    ASSERT_GE(said.size(), 7u);
                    EXPECT_EQ(said.substr(said.size() - 7), "(sings)");
                    EXPECT_EQ(by, row.speaker);
                    break;
                case 'D':
                    EXPECT_NE(said.find("hands you a small datamodule"), std::string::npos);
                    EXPECT_EQ(by, row.speaker);
                    break;
                case 'K':
                    EXPECT_EQ(
                        log.questions(),
                        std::vector<std::string>{
                            "Someone asks you if you want to play poker? ... You up for it?"});
                    EXPECT_TRUE(log.notices().empty());
                    break;
                case 'R':
                    EXPECT_EQ(said.rfind("Some gangsters sneak up on you and rob ", 0), 0u);
                    EXPECT_EQ(by, row.speaker);
                    EXPECT_LT(Money(), 100000);
                    break;
            }
            // A game of poker played: won on the draw below the level's odds, lost on it.
            if (row.what != 'K' || (r != 61 && r != 41)) continue;
            log.SayYes(true);
            for (int w : {row.odds - 1, row.odds}) {
                Money() = 100000;
                Rng().SetSeed(draws(r, w));
                BarTalkEvent();
                EXPECT_EQ(Money() > 100000, w < row.odds) << w;
            }
            log.SayYes(false);
        }
    }
}

TEST_F(Bar, PokerRobberyAndTheDataModuleTakeAndGiveWhatTheyShould) {
    test::UseLoggingBackend log;
    log.SayYes(true);
    G().Factions[FactionId::Federation][Faction::Rank] = 1;
    // A new captain with $C 3.000 plays for the least stake, 5.000; losing more than he has
    // takes half of it.
    int wins = 0, losses = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        Rng().SetSeed(seed);
        Money() = 3000;
        BarPokerEvent(35);
        ASSERT_TRUE(Money() == 8000 || Money() == 1500) << Money();
        (Money() == 8000 ? wins : losses)++;
    }
    EXPECT_GT(wins, 0);
    EXPECT_GT(losses, 0);
    EXPECT_TRUE(Saw(log, "Oh no! You lost 1.500 $C. The pirates must have been cheating!"));
    EXPECT_TRUE(Saw(log,
                    "You won and stripped a couple of VERY ANGRY pirates of their money. You "
                    "earn 5.000 $C."));
    // In debt a lost game takes nothing, and a robbery neither.
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        Rng().SetSeed(seed);
        Money() = -40000;
        BarPokerEvent(0);
        ASSERT_EQ(Money(), -40000);
        BarRobberyEvent();
        ASSERT_EQ(Money(), -40000);
    }
    // A robbery at $C 20.000: at least 5.000, at most a fifth: 4.000.
    Money() = 20000;
    BarRobberyEvent();
    EXPECT_EQ(Money(), 16000);
    // Declined: nothing.
    log.SayYes(false);
    BarPokerEvent(100);
    EXPECT_EQ(Money(), 16000);
    // Above the cap (a sale earlier in the day) a robbery takes its amount and nothing more: at
    // rank 0 the least stake, 5.000.
    G().Factions[FactionId::Federation][Faction::Rank] = 0;
    Money() = 950000000;
    BarRobberyEvent();
    EXPECT_EQ(Money(), 949995000);
    // A game won adds its stake whole, past the cap too: the least stake, 5.000, under it and
    // above it.
    log.SayYes(true);
    for (const int money : {899998000, 950000000}) {
        int won = 0;
        for (uint32_t seed = 1; seed <= 40 && won == 0; ++seed) {
            Rng().SetSeed(seed);
            Money() = money;
            BarPokerEvent(35);
            if (Money() > money) won = Money() - money;
        }
        EXPECT_EQ(won, 5000) << money;
    }
    log.SayYes(false);

    // The data module: a new event in this system, and this location marked as searched.
    const int system = FleetSystem();
    auto activeEvents = [&] {
        int active = 0;
        for (int e = SpaceEvent::FirstSlot; e <= SpaceEvent::LastSlot; ++e)
            active += G().SpaceEvents[system][e][SpaceEvent::Active] != 0;
        return active;
    };
    const int before = activeEvents();
    ASSERT_LT(before, 4);
    G().TurnNumber = 1234;
    log.notices().clear();
    BarDataModuleEvent();
    EXPECT_EQ(activeEvents(), before + 1);
    EXPECT_EQ(LocationRecord(system, G().SelectedPlanet)[Planet::LastSearchTurn], 1234);
    EXPECT_NE(log.notices().at(0).find("hands you a small datamodule"), std::string::npos);
    // No free place: only the story.
    for (int e = SpaceEvent::FirstSlot; e <= SpaceEvent::LastSlot; ++e)
        G().SpaceEvents[system][e][SpaceEvent::Active] = 1;
    G().TurnNumber = 2000;
    log.notices().clear();
    BarDataModuleEvent();
    EXPECT_EQ(log.notices(), std::vector<std::string>{kStoryLine});
    EXPECT_EQ(LocationRecord(system, G().SelectedPlanet)[Planet::LastSearchTurn], 1234);
}

class Contest : public Bar {
  protected:
    void SetUp() override {
        Bar::SetUp();
        GameRecord& story = G().Factions[FactionId::Federation];
        story[Faction::SenatorLetterReceived] = 1;
        story[Faction::SenatorMet] = 1;
        story[Faction::StoryStep] = 7;
        Fleet1()[Fleet::System] = 11;
        Fleet1()[Fleet::Location] = 1;
        ASSERT_TRUE(DrinkingContestHere());
    }
};

// The whole evening at the hub: the bartender's hint, the pirate's dare, the contest, the story.
TEST_F(Contest, TheBarOpensTheContestAndAWinMovesTheStoryOn) {
    test::LinkGameArt(std::filesystem::current_path());
    ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
    player().LeavePicture("TForm68");
    Tolerance() = 150;
    Captain()[Player::OpponentDrunkenness] = 60;
    player()
        .Click("TForm21", "SpeedButton1")
        .Click("Texp1_Message2", "SpeedButton3")  // the bartender's hint
        .Click("Texp1_Message2", "SpeedButton3")  // the pirate's dare
        .CloseRequest("TForm68")
        .Do("TForm68",
            [](ui::Form& f) {
                EXPECT_TRUE(f.Visible());  // the close request was refused
                EXPECT_EQ(Captain()[Player::OpponentDrunkenness], 0);
                // Drawn late in the contest, then the pirate one beer from the floor.
                Drunk() = 44;
                Captain()[Player::OpponentDrunkenness] = 104;
                UpdateDrinkingGameMeters();
                EXPECT_EQ(Form68->ProgressBar2->Position(), 100);
                EXPECT_EQ(Form68->pirateSigns.shapes[5]->brushColor, ui::colors::Red);
                ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/TForm68.png");
                Drunk() = 0;
                Captain()[Player::OpponentDrunkenness] = 80;
            })
        .Click("TForm68", "SpeedButton4")
        .Click("TMessage1", "SpeedButton3")  // the bartender's line
        .Click("Texp1_message1", "SpeedButton1")
        .Do("Texp1_Message2",
            [](ui::Form&) {
                EXPECT_NE(exp1_Message2->Label1->caption.find("increase a bit (150% now)"),
                          std::string::npos);
            })
        .Click("Texp1_Message2", "SpeedButton3")
        .Click("TForm21", "SpeedButton3");
    Form21->ShowModal();
    EXPECT_EQ(G().Factions[1][Faction::StoryStep], 8);
    EXPECT_EQ(player().LastSeen("Texp1_message1")->Text("Label2"), "Under the table");
    EXPECT_EQ(Captain()[Player::DrinkingAllowedTurn], 0);  // past a hundred: no wait
    EXPECT_FALSE(DrinkingContestHere());
}

TEST_F(Contest, WodkaAtLowToleranceLosesAtNinetyFiveAndBeerPastAHundredWins) {
    test::UseLoggingBackend log;
    // Wodka at 20: 60 + 0..59 a drink, held at 100; the pirate 20..39. The captain drops on the
    // drink that takes him to 95, and not before.
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        Rng().SetSeed(seed);
        Tolerance() = 20;
        Drunk() = 0;
        Captain()[Player::OpponentDrunkenness] = 0;
        log.notices().clear();
        player().Do("TForm68", [&](ui::Form& f) {
            while (!Form68->CloseQuery()) {
                ui::ClickMiddle(f, *Form68->SpeedButton6);
                const bool lost = Saw(log,
                                      "You have drunk too much and drop to the floor. You lost "
                                      "the competition...");
                ASSERT_EQ(lost, Drunk() >= 95) << "seed " << seed << " at " << Drunk();
            }
        });
        Form68->ShowModal();
        ASSERT_EQ(G().Factions[1][Faction::StoryStep], 7);
    }
    // Past 100 a beer adds 5..9 to the captain and 7..13 to the pirate: he drops first.
    Rng().SetSeed(7);
    Tolerance() = 150;
    Drunk() = 0;
    Captain()[Player::OpponentDrunkenness] = 0;
    player().Do("TForm68", [&](ui::Form& f) {
        for (int drinks = 0; !Form68->CloseQuery() && drinks < 30; ++drinks) {
            const int d = Drunk(), g = Captain()[Player::OpponentDrunkenness];
            ui::ClickMiddle(f, *Form68->SpeedButton4);
            ASSERT_TRUE(Drunk() - d >= 5 && Drunk() - d <= 9);
            const int pirate = Captain()[Player::OpponentDrunkenness] - g;
            ASSERT_TRUE(pirate >= 7 && pirate <= 13);
        }
    });
    Form68->ShowModal();
    EXPECT_LT(Drunk(), 95);
    EXPECT_EQ(G().Factions[1][Faction::StoryStep], 8);
    EXPECT_EQ(exp1_message1->Memo1->lines.at(0),
              "You made it! The pirate is so drunk that he tells you everything!");
}

}  // namespace
}  // namespace corvanth
