// The end of a game: one exception from wherever it happens back to the main menu, and the
// retirement score before it: the seven steps on a worked example, the age bands, and the whole
// end of a game from the first step screen to the high-score table.
#include "shell/retire.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/background.h"
#include "shell/highscore.h"
#include "shell/retire2.h"
#include "shell_fixture.h"
#include "state/UMessage1.h"
#include "state/newgame.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "state/variables.h"
#include "support/art.h"
#include "travel/quiet_turns.h"
#include "travel/travel.h"
#include "travel/travelscreen.h"
#include "ui/application.h"

namespace corvanth {
namespace {

// A screen with a timer, to end a game from inside a tick.
class TickingScreen : public ui::Form {
  public:
    TickingScreen() : ui::Form("TTickingScreen") {
        Timer1 = Bind<ui::Timer>("Timer1");
        Timer1->SetInterval(100);
        Timer1->OnTimer = [this] {
            if (++ticks == 3) RetireAndScore();
        };
    }
    ui::Timer* Timer1;
    int ticks = 0;
};

class GameEnd : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        GameUpcalls() = test::QuietUpcalls();
        // The score screens of a new captain: their pictures come from the worked example.
        player().SetScreenDir("");
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        player().SetScreenDir(CORVANTH_SCREENS_DIR);
        ShellTest::TearDown();
    }
    // "Start a new game" from the main menu, up to the travel screen.
    ui::ScriptedPlayer& StartGame() {
        return player()
            .Click("TForm1", "SpeedButton1")
            .Click("TForm4", "SpeedButton4")
            .Click("TMessage4", "SpeedButton1")
            .Click("TMessage4", "SpeedButton1")
            .Click("TMessage4", "SpeedButton1");
    }
    // The score, read through: six step screens, the uniform and the table.
    ui::ScriptedPlayer& ReadTheScore() {
        for (const char* screen :
             {"TForm57", "TForm57", "TForm39", "TForm57", "TForm57", "TForm57", "TForm57"})
            player().Click(screen, "SpeedButton1");
        return player().Click("TForm38", "SpeedButton11");
    }
    // Only the main menu is left, the game screens hidden, their timers stopped.
    static void ExpectBackAtTheMenu() {
        EXPECT_TRUE(GameEnded());
        ASSERT_EQ(ui::App().ModalStack().size(), 1u);
        EXPECT_EQ(ui::App().Top(), Form1);
        for (ui::Form* f : {static_cast<ui::Form*>(Form2), static_cast<ui::Form*>(Form13),
                            static_cast<ui::Form*>(Message1)})
            EXPECT_FALSE(f->Visible()) << f->ClassName();
        EXPECT_FALSE(Form13->Timer1->Enabled());
    }
};

TEST_F(GameEnd, ADeathInATurnOfATripUnwindsToTheMenuAndNoTurnRunsAfterIt) {
    int turn = 0, stepsAfterTheEnd = 0;
    // The third day of the trip ends the game in the middle of its turn.
    GameUpcalls().WarTurnStep = [&] {
        if (++turn == 3) GameUpcalls().RetireAndScore();
    };
    GameUpcalls().UpdateSenatorStory = [&] {
        if (GameEnded()) ++stepsAfterTheEnd;
    };
    int endTurn = 0;
    StartGame()
        .Do("TForm2",
            [&](ui::Form&) {
                // No engine fails on this trip; the farthest location takes the most days.
                for (int id = Equipment::FirstId; id <= Equipment::LastId; ++id)
                    EquipmentType(id)[Equipment::Reliability] = 100;
                int far = 0, days = 0;
                for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
                    if (!LocationExists(l)) continue;
                    const int d = CalcTripDays(GridDistance(FleetLocation(), l)).days;
                    if (d > days) far = l, days = d;
                }
                ASSERT_GE(days, 4);
                G().SelectedPlanet = far;
                RefreshPlanetPanel();
            })
        .Click("TForm2", "SpeedButton5");
    ReadTheScore()
        .Do("TForm1",
            [&](ui::Form&) {
                ExpectBackAtTheMenu();
                endTurn = G().TurnNumber;
                EXPECT_GE(PlayerFleet()[Fleet::DaysLeft], 1);  // the trip never ended
                EXPECT_EQ(TravelScreenMayClose, 1);
            })
        .Wait("TForm1", 3000)
        .Do("TForm1",
            [&](ui::Form&) {
                // Fifteen ticks' time later: no day, no turn, not even the rest of the last one.
                EXPECT_EQ(G().TurnNumber, endTurn);
                EXPECT_EQ(turn, 3);
                EXPECT_EQ(stepsAfterTheEnd, 0);
            })
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
}

TEST_F(GameEnd, AnEndInATimerTickThreeScreensDeepRunsNoCodeAfterAnyShowModal) {
    static TickingScreen* deep = ui::App().Create<TickingScreen>();
    deep->ticks = 0;
    bool afterMessage = false, afterDeep = false;
    StartGame()
        .Do("TForm2",
            [&](ui::Form&) {
                Message1->Label1->caption = "Second screen";
                Message1->ShowModal();
                afterMessage = true;
            })
        .Do("TMessage1", [&](ui::Form&) {
            deep->Timer1->SetEnabled(true);
            deep->ShowModal();
            afterDeep = true;
        });
    ReadTheScore()
        .Do("TForm1",
            [&](ui::Form&) {
                ExpectBackAtTheMenu();
                EXPECT_FALSE(deep->Visible());
                EXPECT_EQ(deep->ticks, 3);
                EXPECT_FALSE(afterDeep);
                EXPECT_FALSE(afterMessage);
                deep->Timer1->SetEnabled(false);
            })
        // The next game starts clean and can be left the ordinary way.
        .Click("TForm1", "SpeedButton1")
        .Do("TForm4", [](ui::Form&) { EXPECT_FALSE(GameEnded()); })
        .Click("TForm4", "SpeedButton4")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Do("TForm2", [](ui::Form&) { EXPECT_EQ(TravelScreenMayClose, 0); })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_FALSE(GameEnded());
}

class Retirement : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::remove(kHighscoreNumbersFile);
        std::filesystem::remove(kHighscoreNamesFile);
        InitGameData();
        ClearGameEnded();
        WorkedExample();
    }
    void TearDown() override {
        ClearGameEnded();
        ShellTest::TearDown();
    }

    // A Federation captain of 45 with one dose taken, a commander with six ribbons and both
    // stars, granted the planet his faction holds, married to a husband, the treasure fleet not
    // taken, the civil war lost. He owns nothing but $C 1.234.560: no ship value, no cargo, no
    // loans, no bonds.
    void WorkedExample() {
        GameState& g = G();
        g.CaptainNames[1] = "Oren Vask";
        GameRecord& captain = g.Players[1];
        captain[Player::Faction] = FactionId::Federation;
        captain[Player::Money] = 1234560;
        captain[Player::Gender] = 2;
        captain[Player::AgeDrugDoses] = 1;
        captain[Player::OwnPlanet] = 1;
        captain[Player::CivilWarOver] = 2;
        g.TurnNumber = (45 - 20) * 90;
        g.Ships[1][1] = GameRecord{};
        g.Ships[1][1][Ship::Present] = 1;
        g.Ships[1][1][Ship::Class] = 3;
        for (auto& slot : g.ShipEquipment[1][1]) slot = GameRecord{};
        g.Planets[13][1][Planet::Owner] = FactionId::Federation;
        GameRecord& fed = g.Factions[FactionId::Federation];
        fed[Faction::Rank] = 5;
        fed[Faction::CampaignRibbons] = 6;
        fed[Faction::PilotWings] = 2;
        fed[Faction::SilverStar] = 1;
        fed[Faction::GoldStar] = 1;
        fed[Faction::StoryStep] = 13;
    }
};

// The lines of the seven steps, from the start.
std::vector<std::string> ScoreLines(int64_t& score) {
    std::vector<std::string> lines;
    score = 0;
    for (ScoreRule rule : kScoreSteps) lines.push_back(rule(score).line);
    return lines;
}

TEST_F(Retirement, TheSevenStepsOfTheWorkedExample) {
    int64_t score = 0;
    // 1. $C 1.234.560 div 10 = 123.456.
    // 2. Age 45 is in the 31..50 band (35), one dose takes 5: 30 %. 123.456 + 1.234 x 30.
    // 3. -25 + 17 (rank 5) + 6 ribbons + 5 silver + 8 gold = 11 %. 160.476 + 1.604 x 11.
    // 4. The granted planet is the faction's: +12 %. 178.120 + 1.781 x 12.
    // 5. Married: +12 %. 199.492 + 1.994 x 12.   6. No treasure fleet: nothing.
    // 7. The war lost to another faction (field 2): -25 %. 223.420 - 2.234 x 25.
    EXPECT_EQ(ScoreLines(score),
              (std::vector<std::string>{"$C / 10 = Score = 123456", "Score + 30% = 160.476",
                                        "Score + 11% = 178.120", "Score + 12% = 199.492",
                                        "Score + 12% = 223.420", "Score + 0 = 223.420",
                                        "Score -25% = 167.570"}));
    EXPECT_EQ(score, 167570);
    score = 0;
    const ScoreStep fortune = FortuneStep(score);
    EXPECT_EQ(fortune.headline, "Step 1: \"Fortune\"");
    EXPECT_EQ(fortune.text,
              "At the time of your retirement you are left with a fortune of: $C 1.234.560 (= your "
              "ship, your equipment etc. plus your money). This amount divided by 10 is the basic "
              "score.");
    EXPECT_EQ(AgeStep(score).text,
              "You retire at the age of 45 at poor health with one age drug dosis taken.. You "
              "have some good years still coming.");
    EXPECT_EQ(AwardsStep(score).text,
              "You reached the rank of " + G().RankNames[1][5].str() +
                  " and were awarded: 6 campaign ribbon(s), the Silver Nova, the Gold Nova.");
    const ScoreStep married = MarriageStep(score);
    EXPECT_EQ(married.text + " " + married.picture,
              "You have married a handsome and loyal husband. exp1_fedgov.jpg");
    EXPECT_EQ(married.sound, ScoreStep::Sound::Marriage);

    // The same captain dead, at rank 5 with 8 ribbons and no stars, without his planet, having
    // won the war with the top medal: 123.456 - 1.234 x 50 = 61.756; -25 + 17 + 8 + 10 = 10 %:
    // 67.926; married 76.074; won 76.074 + 760 x 25 = 95.074.
    G().Ships[1][1][Ship::Present] = 0;
    GameRecord& fed = G().Factions[1];
    fed[Faction::CampaignRibbons] = 8;
    fed[Faction::SilverStar] = fed[Faction::GoldStar] = 0;
    fed[Faction::MedalOfHonour] = 1;
    G().Players[1][Player::CivilWarOver] = 1;
    G().Planets[13][1][Planet::Owner] = FactionId::Syndicate;
    EXPECT_EQ(ScoreLines(score),
              (std::vector<std::string>{"$C / 10 = Score = 123456", "Score -50% = 61.756",
                                        "Score + 10% = 67.926", "Score + 0 = 67.926",
                                        "Score + 12% = 76.074", "Score + 0 = 76.074",
                                        "Score + 25% = 95.074"}));
    EXPECT_TRUE(AgeStep(score).text.starts_with("You died at the age of 45. Next time"));
    EXPECT_EQ(CivilWarStep(score).sound, ScoreStep::Sound::Victory);
    // Rank 5 with 8 ribbons alone is exactly 0 %.
    fed[Faction::MedalOfHonour] = 0;
    score = 100000;
    EXPECT_EQ(AwardsStep(score).line, "Score 0% = 100.000");
}

TEST_F(Retirement, AgeBandsDosesAndTheLimitsOfEachStep) {
    // Without doses each band gets 10 more, cut to 50: the edges of the six bands, and ages
    // outside them in the nearest.
    const std::pair<int, int> kEdges[] = {{19, 50}, {30, 50},  {31, 45},   {50, 45},
                                          {51, 30}, {65, 30},  {66, 20},   {79, 20},
                                          {80, 10}, {100, 10}, {101, -15}, {501, -15}};
    for (auto [age, percent] : kEdges) EXPECT_EQ(AgePercent(age, 0, false), percent) << age;
    // Doses 1..4 take 5, 8, 10, 15; counts outside 0..4 count as the nearest; dead is -50.
    EXPECT_EQ(AgePercent(45, 4, false), 20);
    EXPECT_EQ(AgePercent(45, 9, false), 20);
    EXPECT_EQ(AgePercent(45, -3, false), 45);
    EXPECT_EQ(AgePercent(70, 3, false), 0);
    EXPECT_EQ(AgePercent(25, 0, true), -50);
    // At 45.000 turns the captain is 520: the last band, with the phrase of four doses.
    G().TurnNumber = 45000;
    G().Players[1][Player::AgeDrugDoses] = 9;
    int64_t score = 1000;
    const ScoreStep old = AgeStep(score);
    EXPECT_TRUE(old.text.ends_with(
        "520 at disastrous health with four age drug dosen taken.. You will be dying shortly. "
        "Adventuring was your life."));
    EXPECT_EQ(old.line, "Score -40% = 600");

    // Rank 8, 12 ribbons and all three medals: -25 + 50 + 12 + 23 = 60, cut to 35, with the
    // fanfare; nothing at all stays at -25.
    EXPECT_EQ(AwardsPercent(8, 12, true, true, true), 35);
    EXPECT_EQ(AwardsPercent(0, 0, false, false, false), -25);
    G().Factions[1][Faction::Rank] = 8;
    EXPECT_EQ(AwardsStep(score).sound, ScoreStep::Sound::HighestRank);
    // Below 100 every percentage leaves the score as it is.
    EXPECT_EQ(PercentLine(-25, ApplyPercent(99, -25)), "Score -25% = 99");
}

TEST_F(Retirement, EveryStepOnItsScreenThenTheTableAndNothingOfTheGameIsLeft) {
    test::LinkGameArt(std::filesystem::current_path());
    // Four captains before him, so the table he lands in is a full one.
    const std::pair<const char*, int32_t> kBefore[] = {{"Lyra Denn", 250000},
                                                       {"Tobin Ashgrove", 190000},
                                                       {"Kestrel Moor", 90000},
                                                       {"Ivo Marr", 40000}};
    int rank = 2;
    for (auto [name, s] : kBefore) EnterHighscore(name, s, rank % 4 + 1, rank, rank + 4), ++rank;
    ASSERT_TRUE(SaveHighscores());
    for (auto& row : G().Highscores) row.fill(0);

    // The step screens refuse the close box, the uniform screen has one.
    player()
        .Do("TForm1", [](ui::Form&) { RetireAndScore(); })
        .CloseRequest("TForm57")
        .Click("TForm57", "SpeedButton1")
        .Click("TForm57", "SpeedButton1")
        .Do("TForm39",
            [](ui::Form&) {
                EXPECT_EQ(Form39->Label14->caption, "Step 3: \"Promotions & Awards\"");
                EXPECT_EQ(Form39->Label6->caption, "Score + 11% = 178.120");
                EXPECT_EQ(Form39->Image33->picture, "Uni-Fed-blank-fem.jpg");
                EXPECT_EQ(Form39->ShoulderRankPic->picture, "Uni-Fed-Comm-shoulder.jpg");
                EXPECT_EQ(Form39->CollarRankPic->left, 12);
                EXPECT_TRUE(Form39->PilotWingsPicRight->visible);
                EXPECT_EQ(Form39->RibbonPic[5]->left, 140);
                EXPECT_EQ(Form39->GoldStarMedal->top, 216);
            })
        .CloseRequest("TForm39");
    for (int s = 4; s <= 7; ++s) player().Click("TForm57", "SpeedButton1");
    player()
        .Do("TForm38",
            [](ui::Form&) {
                // 167.570 lands third, between 190.000 and 90.000, marked yellow.
                const auto& third = Form38->rows[2];
                EXPECT_EQ(third.name->caption, "Oren Vask");
                EXPECT_EQ(third.score->caption, "$C: 167.570");
                EXPECT_EQ(third.name->font.color, (ui::Color{255, 255, 0}));
                EXPECT_EQ(third.rank->picture, "Fed_Rank5.jpg");
                EXPECT_EQ(Form38->rows[0].name->font.color, ui::colors::White);
                EXPECT_EQ(Form38->rows[4].name->caption, "Ivo Marr");
            })
        .Click("TForm38", "SpeedButton11")
        .Do("TForm1", [](ui::Form& f) {
            EXPECT_EQ(ui::App().ModalStack().size(), 1u);
            f.Hide();
        });
    Form1->ShowModal();
    EXPECT_EQ(player().LastSeen("TForm57")->Text("Label5"), "Score -25% = 167.570");
    EXPECT_TRUE(GameEnded());
    EXPECT_EQ(test::CountSound("wave:marriage.wav"), 1);
    EXPECT_EQ(player().TimesSeen("TForm57"), 6);
    // The game is over once: a second call changes nothing and shows nothing.
    test::FromHome(RetireAndScore);
    EXPECT_EQ(player().TimesSeen("TForm57"), 6);
}

}  // namespace
}  // namespace corvanth
