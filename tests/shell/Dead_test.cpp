// Death: the heart attack on a trip, the old-age help once, the second chance for a life point,
// and the final death that ends the game with its score.
#include "shell/Dead.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "shell/Info_Retiring.h"
#include "shell/background.h"
#include "shell/highscore.h"
#include "shell/retire.h"
#include "shell_fixture.h"
#include "state/newgame.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/variables.h"
#include "support/answering_backend.h"
#include "support/art.h"
#include "travel/quiet_turns.h"
#include "travel/travel.h"
#include "travel/travelscreen.h"
#include "ui/application.h"

namespace corvanth {
namespace {

constexpr int kPergor = 2;  // five cells from the start at Finis Prime

class Death : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::remove(kHighscoreNumbersFile);
        std::filesystem::remove(kHighscoreNamesFile);
        GameUpcalls() = test::QuietUpcalls();
        OldCaptainOnATrip();
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        player().SetScreenDir(CORVANTH_SCREENS_DIR);
        ShellTest::TearDown();
    }

    // A Federation captain of 95 (40 chances in 500 a turn of a heart attack), past his
    // birthdays and the drug offer, crewed, his engine never failing, bound for Pergor.
    void OldCaptainOnATrip() {
        test::StartNewGame(FactionId::Federation, "Hal Dorrin");
        GameState& g = G();
        g.TurnNumber = (95 - 20) * 90;
        g.Players[1][Player::AgeClass] = 5;
        g.Players[1][Player::AgeDrugOffered] = 1;
        GameRecord& ship = g.Ships[1][1];
        ship[Ship::CrewOfficers] = std::max(1, ship[Ship::CrewMin]);
        for (const GameRecord& slot : g.ShipEquipment[1][1])
            if (slot[Slot::Used] > 0 && slot[Slot::EquipmentId] >= Equipment::FirstId &&
                slot[Slot::EquipmentId] <= Equipment::LastId)
                g.EquipmentTypes[slot[Slot::EquipmentId]][Equipment::Reliability] = 100;
        g.SelectedPlanet = kPergor;
    }

    // The first seed with which the trip brings exactly one heart attack, on a day that leaves
    // days to go. Found by playing the trip with a stand-in death that kills nobody.
    uint32_t SeedWithOneDeathMidTrip() {
        const auto start = std::make_unique<GameState>(G());
        Upcalls calls = GameUpcalls();
        uint32_t found = 0;
        {
            test::UseAnsweringBackend answering(CORVANTH_SCREENS_DIR);
            for (uint32_t seed = 1; seed < 500 && found == 0; ++seed) {
                G() = *start;
                int deaths = 0, daysLeft = 0;
                GameUpcalls().KillCaptain = [&] {
                    ++deaths;
                    daysLeft = G().Fleets[1][Fleet::DaysLeft];
                };
                Rng().SetSeed(seed);
                TravelToSelectedPlanet();
                if (deaths == 1 && daysLeft >= 1) found = seed;
            }
        }
        G() = *start;
        GameUpcalls() = calls;
        return found;
    }
};

TEST_F(Death, AHeartAttackOnATripTakesALifePointAndWithoutOneEndsTheGameWithItsScore) {
    test::LinkGameArt(std::filesystem::current_path());
    const uint32_t seed = SeedWithOneDeathMidTrip();
    ASSERT_NE(seed, 0u);
    const auto start = std::make_unique<GameState>(G());
    const int startTurn = G().TurnNumber;
    int days = 0;
    Rng().SetSeed(seed);
    player()
        .Do("TForm13", [&](ui::Form&) { days = G().Fleets[1][Fleet::DaysLeft]; })
        .Click("TMessage6", "SpeedButton3")  // "You finally suffer a fatal heart attack. ..."
        .Do("TForm60",
            [](ui::Form&) { EXPECT_EQ(Form60->Image1->picture, GetHeroPictureName(1) + ".jpg"); })
        .Click("TForm60", "SpeedButton7")
        .CloseRequest("TForm43")  // refused before the button
        .Do("TForm43",
            [](ui::Form& f) {
                EXPECT_TRUE(f.Visible());
                EXPECT_TRUE(Form43->Label6->caption.find("you still have 3 life points.") !=
                            std::string::npos);
                EXPECT_EQ(Form43->SpeedButton1->caption, "Claim your second chance.");
                EXPECT_EQ(G().Ships[1][1][Ship::Present], 0);
            })
        .Click("TForm43", "SpeedButton1");
    TravelToSelectedPlanet();
    EXPECT_EQ(player().TimesSeen("TForm60"), 1);
    EXPECT_EQ(G().Players[1][Player::OldAgeInfoShown], 1);
    EXPECT_EQ(G().Players[1][Player::LifePoints], 2);
    EXPECT_EQ(G().Ships[1][1][Ship::Present], 1);
    // Every day of the trip ran its turn, and the fleet arrived.
    ASSERT_GT(days, 1);
    EXPECT_EQ(G().TurnNumber, startTurn + days);
    EXPECT_EQ(G().Fleets[1][Fleet::Location], kPergor);
    EXPECT_FALSE(GameEnded());
    EXPECT_FALSE(std::filesystem::exists(kHighscoreNumbersFile));

    // The same trip without life points: the death is final and the game ends with its score.
    // The pictures of the score screens come from the retirement's own test.
    G() = *start;
    player().Reset();
    player().SetScreenDir("");
    G().Players[1][Player::LifePoints] = 0;
    G().Players[1][Player::OldAgeInfoShown] = 1;  // seen in an earlier life: not again
    Rng().SetSeed(seed);
    int deathTurn = 0;
    player()
        .Do("TForm1", [](ui::Form&) { TravelToSelectedPlanet(); })
        .Click("TMessage6", "SpeedButton3")
        .Do("TForm43",
            [&](ui::Form&) {
                deathTurn = G().TurnNumber;
                EXPECT_EQ(Form43->Label7->caption, "Sorry!");
                EXPECT_EQ(Form43->SpeedButton1->caption, "Continue");
            })
        .Click("TForm43", "SpeedButton1")
        .Click("TForm57", "SpeedButton1")
        .Do("TForm57",
            [](ui::Form&) { EXPECT_TRUE(Form57->Label5->caption.starts_with("Score -50% = ")); })
        .Click("TForm57", "SpeedButton1")
        .Click("TForm39", "SpeedButton1");
    for (int s = 4; s <= 7; ++s) player().Click("TForm57", "SpeedButton1");
    player()
        .Click("TForm38", "SpeedButton11")
        .Wait("TForm1", 2000)  // the trip's timer would have ticked ten days by now
        .Do("TForm1", [](ui::Form& f) {
            EXPECT_EQ(ui::App().ModalStack().size(), 1u);
            f.Hide();
        });
    Form1->ShowModal();
    EXPECT_TRUE(GameEnded());
    EXPECT_EQ(G().TurnNumber, deathTurn);
    // The score was the last thing shown; no notice of the game came after it.
    EXPECT_EQ(player().Seen().back().form, "TForm38");
    EXPECT_EQ(player().TimesSeen("TMessage6"), 1);
    // Exactly one row in the table.
    LoadHighscores();
    EXPECT_EQ(G().Highscores[1][Highscore::Used], 1);
    EXPECT_EQ(G().HighscoreNames[1], "Hal Dorrin");
    EXPECT_EQ(G().Highscores[2][Highscore::Used], 0);
}

}  // namespace
}  // namespace corvanth
