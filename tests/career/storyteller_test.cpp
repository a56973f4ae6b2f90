// The senator's story played through as a captain would: letter, visits, gift, abduction, the
// lead on Tortuga and Sirius Prime, the scans, the hidden jump points, the base and the wedding.
#include "career/storyteller.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "career/exp1_meetthegirl.h"
#include "career/exp1_meetthegirl2.h"
#include "career/governor.h"
#include "combat/combat2.h"
#include "planet/Bar3.h"
#include "shell/retire.h"
#include "state/UMessage1.h"
#include "state/UMessage5.h"
#include "state/exp1_UMessage1.h"
#include "state/exp1_UMessage2.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "support/art.h"
#include "support/game_test.h"
#include "travel/NextTurnUnit.h"
#include "travel/quiet_turns.h"
#include "travel/travel.h"
#include "ui/render.h"

namespace corvanth {
namespace {

const std::string kScreens = CORVANTH_SCREENS_DIR;
constexpr const char kUnavailable[] = "You politely request a meeting with the senator";

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

class SenatorStory : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        TurnCalls calls = test::QuietTurnCalls();
        calls.UpdateSenatorStory = UpdateSenatorStory;
        calls.UpdateSpaceEvents = [] {};  // the event tables stay as the test lays them
        CurrentTurnCalls() = calls;
        Rng().SetSeed(2525);
    }
    void TearDown() override {
        CurrentTurnCalls() = StandardTurnCalls();
        CurrentCombatCalls() = StandardCombatCalls();
        GameTest::TearDown();
    }
    void NewGame(int faction, int gender) {
        test::StartNewGame(faction, "Mara Kellan");
        GameRecord& c = Captain();
        c[Player::Gender] = gender;
        c[Player::HideFameGainNotices] = c[Player::HideReputationGainNotices] = 1;
        c[Player::HideReputationLossNotices] = c[Player::HideSurveillanceNotice] = 1;
        Story()[Faction::Rank] = 4;
        Story()[Faction::NextFameThreshold] = Story()[Faction::NextReputationThreshold] = 900000000;
        G().TurnNumber = 10;
    }
    GameRecord& Story() { return G().Factions[CaptainFaction()]; }
    int Step() { return Story()[Faction::StoryStep]; }
    int Mark() { return Story()[Faction::StoryTurn] - G().TurnNumber; }
    void MoveTo(int system, int location) {
        PlayerFleet()[Fleet::System] = system;
        PlayerFleet()[Fleet::Location] = location;
        PlayerFleet()[Fleet::DaysLeft] = 0;
        G().SelectedPlanet = location;
    }
    // The short story box, checked by how its text starts, then closed.
    void Line(const std::string& start) {
        player()
            .Do("Texp1_Message2",
                [start](ui::Form&) {
                    EXPECT_PRED2(StartsWith, exp1_Message2->Label1->caption, start);
                })
            .Click("Texp1_Message2", "SpeedButton3");
    }
    void Notice(const std::string& text) {
        player()
            .Do("TMessage1", [text](ui::Form&) { EXPECT_EQ(corvanth::Message1->Label1->caption, text); })
            .Click("TMessage1", "SpeedButton3");
    }
    void Talk() { player().Click("TForm27", "SpeedButton3"); }
    // The governor's office at the fleet's location, shown until the script leaves it.
    void Office() {
        player().Click("TForm27", "SpeedButton2");
        RefreshGovernorScreen();
        Form27->ShowModal();
    }
    void Dock(int system) {
        MoveTo(system, 1);
        RefreshTravelScreen();
        Form2->SpeedButton2Click();
    }
    void Arrive() {
        Line("You jump through the jumppoint and quickly find Blackeyes base");
        Line("Blackeyes impressive Blackjack heads frightening fast towards you.");
    }
    // The base's battle as the combat screen would leave it.
    void Battle(int enemyHull, int ownHull, bool finalDeath = false) {
        CurrentCombatCalls().ShowCombatScreen = [=] {
            ShipRecord(0, 1)[Ship::Strength] = enemyHull;
            PlayerShip()[Ship::Strength] = ownHull;
            if (finalDeath) EndGame();
        };
    }
    int64_t RansomShown() {
        std::string line = Message5->Memo1->lines.at(2), digits;
        for (size_t i = line.find("will be "); i < line.size(); ++i)
            if (isdigit(static_cast<unsigned char>(line[i]))) digits += line[i];
        return std::stoll(digits);
    }
    void PlaceSite(int system, int record, int slot, int column, int row) {
        GameRecord& e = G().SpaceEvents[system][slot];
        e.fill(0);
        e[SpaceEvent::Active] = 1;
        e[SpaceEvent::Kind] = SpaceEventKind::Lifepod;
        e[SpaceEvent::Location] = record;
        GameRecord& p = G().Planets[system][record];
        p.fill(0);
        p[Planet::Exists] = 1;
        p[Planet::Kind] = PlanetKind::Special;
        p[Planet::MapColumn] = column;
        p[Planet::MapRow] = row;
        p[Planet::EventSlot] = slot;
    }
};

TEST_F(SenatorStory, AMaleCaptainCourtsTheDaughterRescuesHerAndMarries) {
    NewGame(FactionId::Federation, 1);
    {
        // Never at rank 3; at rank 4 100 chances in 1000 a turn.
        test::UseAnsweringBackend answering(kScreens);
        Story()[Faction::Rank] = 3;
        for (int t = 0; t < 300; ++t) UpdateSenatorStory();
        EXPECT_EQ(Story()[Faction::SenatorLetterReceived], 0);
        Story()[Faction::Rank] = 4;
        int letters = 0;
        for (int t = 0; t < 1000; ++t, Story()[Faction::SenatorLetterReceived] = 0) {
            UpdateSenatorStory();
            letters += Story()[Faction::SenatorLetterReceived];
        }
        EXPECT_GT(letters, 70);
        EXPECT_LT(letters, 130);
        EXPECT_EQ(answering.backend().answered["Texp1_message1"], letters);
        while (Story()[Faction::SenatorLetterReceived] == 0) NextTurn();
    }
    EXPECT_EQ(exp1_message1->Label2->caption, "An unexpected letter");
    EXPECT_EQ(exp1_message1->Image1->picture, "exp1_fedgov.jpg");
    ASSERT_EQ(exp1_message1->Memo1->lines.size(), 2u);
    EXPECT_EQ(exp1_message1->Memo1->lines[0],
              "One day you receive a letter from the senator Alastair Penhallow from Earth in the "
              "Sol system.");
    EXPECT_PRED2(StartsWith, exp1_message1->Memo1->lines[1], "\"Dear Mara Kellan. Your rise");
    ui::RenderFormToPng(*exp1_message1, kScreens + "/Texp1_message1_letter.png");

    // The first visit at Earth: rank 4 asks 1,000,000 div 4; $C 3.000 cannot accept.
    MoveTo(1, 1);
    player().Do("TForm27", [](ui::Form&) {
        EXPECT_TRUE(Form27->SpeedButton3->enabled);
        EXPECT_TRUE(Form27->Panel3->visible);
        EXPECT_EQ(Form27->Image5->picture, "exp1_fedgov.jpg");
    });
    Talk();
    player()
        .Do("Texp1_message1",
            [](ui::Form&) {
                EXPECT_EQ(exp1_message1->Label2->caption, "The first visit");
                EXPECT_PRED2(StartsWith, exp1_message1->Memo1->lines.at(1),
                             "\"Mara Kellan! Good to see you finally!");
            })
        .Click("Texp1_message1", "SpeedButton1");
    Line("The senator introduces you to his young and unmarried daughter.");
    player()
        .Do("TForm66",
            [](ui::Form& f) {
                EXPECT_EQ(Form66->Label3->caption,
                          "I heard a lot about you *smile*. I am raising money for a local charity "
                          "fund and I wondered whether you would like to donate the modest amount "
                          "of 250.000 for a good cause *smile*?");
                EXPECT_FALSE(Form66->SpeedButton1->enabled);
                EXPECT_EQ(Form66->Image3->picture, "exp1_fedgirl2.jpg");
                ui::RenderFormToPng(f, kScreens + "/TForm66.png");
            })
        .Click("TForm66", "SpeedButton2");
    Line("\"I see...\", she says disappointed. It does not take long");
    Talk();
    Line(kUnavailable);
    Office();
    EXPECT_EQ(Step(), 1);
    EXPECT_GE(Mark(), 50);
    EXPECT_LE(Mark(), 99);

    // Accepted at the mark: fame 12,000 gains 600 + Random(200), reputation 3,000 150 +
    // Random(50).
    G().TurnNumber = Story()[Faction::StoryTurn];
    Captain()[Player::Money] = 300000;
    Captain()[Player::Fame] = 12000;
    Story()[Faction::Reputation] = 3000;
    Talk();
    Line("After a short meeting with the senator his daughter invites you to a cup of tea.");
    player()
        .Do("TForm66",
            [](ui::Form&) {
                EXPECT_TRUE(Form66->SpeedButton1->enabled);
                EXPECT_PRED2(StartsWith, Form66->Label3->caption,
                             "Have you changed your mind about my request? I am raising");
            })
        .Click("TForm66", "SpeedButton1");
    Notice("You make a donation.");
    Notice("Word spreads about you and your generosity.");
    Line("\"Oh thank you very much. You are so kind!");
    Office();
    EXPECT_EQ(Captain()[Player::Money], 50000);
    EXPECT_GE(Captain()[Player::Fame], 12600);
    EXPECT_LE(Captain()[Player::Fame], 12799);
    EXPECT_GE(Story()[Faction::Reputation], 3150);
    EXPECT_LE(Story()[Faction::Reputation], 3199);
    EXPECT_EQ(Step(), 2);
    EXPECT_GE(Mark(), 35);
    EXPECT_LE(Mark(), 54);

    // The necklace: asked for, agreed, reminded of, bought on Kimberley.
    G().TurnNumber = Story()[Faction::StoryTurn];
    Talk();
    player()
        .Do("TForm66",
            [](ui::Form&) {
                EXPECT_PRED2(StartsWith, Form66->Label3->caption, "Have you heard of Selene");
            })
        .Click("TForm66", "SpeedButton1");
    Line("\"You would really do this for me? *smile*\"");
    Office();
    EXPECT_EQ(Step(), 3);
    EXPECT_EQ(Mark(), 1);
    ++G().TurnNumber;
    Talk();
    Line("\"You can buy the necklace on Kimberley in the New Kimberley system.");
    Office();
    EXPECT_GE(Mark(), 1);
    EXPECT_LE(Mark(), 10);
    Captain()[Player::Money] = 20000000;
    player().Click("TMessage3", "SpeedButton1");
    Notice("You buy the necklace. Now get back and give it to the senators daughter!");
    player().Click("TForm3", "SpeedButton4");
    Dock(18);
    EXPECT_EQ(Step(), 4);

    // Before the mark one click shows the servant and then the gift; step 5 is always closed.
    MoveTo(1, 1);
    Story()[Faction::StoryTurn] = G().TurnNumber + 5;
    Talk();
    Line(kUnavailable);
    Line("\"Oh my god! This is so cute!");
    Office();
    EXPECT_EQ(Step(), 5);
    G().TurnNumber = Story()[Faction::StoryTurn] + 1;
    Talk();
    Line(kUnavailable);
    Office();

    {
        test::UseAnsweringBackend answering(kScreens);
        for (int t = 0; t < 300 && Step() == 5; ++t) NextTurn();
        ASSERT_EQ(Step(), 7);
        EXPECT_GE(Mark(), 50);
        EXPECT_LE(Mark(), 99);
        const auto& letter = exp1_message1->Memo1->lines;
        ASSERT_EQ(letter.size(), 8u);
        EXPECT_PRED2(StartsWith, letter[1], "\"Dear Mara Kellan. I am in urgent need");
        EXPECT_EQ(letter[7], "God bless you!");
        EXPECT_EQ(exp1_message1->Image1->picture, "exp1_fedgov.jpg");

        // The drinking game on Tortuga, one beer after another, with its owner at peace.
        const int owner = G().Planets[11][1][Planet::Owner];
        G().Factions[owner][Faction::RelationBase + 1] = 1;
        Captain()[Player::DrinkingTolerance] = 90;
        Captain()[Player::DrinkingAllowedTurn] = 0;
        player()
            .Click("TForm3", "SpeedButton1")
            .Click("TForm21", "SpeedButton1")
            .Do("TForm68",
                [this](ui::Form&) {
                    while (Step() == 7 && Captain()[Player::Drunkenness] < 95)
                        Form68->SpeedButton4->OnClick();
                })
            .Click("TForm21", "SpeedButton3")
            .Click("TForm3", "SpeedButton4");
        Dock(11);
        ASSERT_EQ(Step(), 8);
    }
    player()
        .Click("TMessage5", "SpeedButton1")
        .Click("Texp1_message1", "SpeedButton1")
        .Click("TForm3", "SpeedButton4");
    Dock(3);
    ASSERT_EQ(Step(), 9);

    // The scans: the missing equipment is told once; then the three systems, New Wales with
    // the discovery in the same turn, over an event site standing on the point's cell.
    MoveTo(14, 1);
    Line("You need surveillance equipment to start a triangular scan.");
    NextTurn();
    MoveTo(8, 1);
    NextTurn();
    EXPECT_EQ(Story()[Faction::TriangulationScan1] + Story()[Faction::TriangulationScan2], 0);
    int free = Slot::First;
    while (G().ShipEquipment[1][1][free][Slot::Used] != 0) ++free;
    G().ShipEquipment[1][1][free][Slot::Used] = 1;
    G().ShipEquipment[1][1][free][Slot::EquipmentId] = 40;  // "Surveillance"
    for (const char* name : {"New Scotland", "New Berlin"}) {
        MoveTo(name[4] == 'S' ? 14 : 8, 1);
        Line(std::string("Your surveillance computer has successfully finished the triangular "
                         "scan of the ") +
             name + " system.");
        NextTurn();
    }
    PlaceSite(7, 30, 1, 3, 3);
    MoveTo(7, 1);
    Line("Your surveillance computer has successfully finished the triangular scan of the New "
         "Wales system.");
    Line("Congratulations! You finished the triangular scan");
    NextTurn();
    EXPECT_EQ(Step(), 10);
    const GameRecord& hidden = G().Planets[7][6];
    EXPECT_EQ(hidden[Planet::Exists], 1);
    EXPECT_EQ(hidden[Planet::Kind], PlanetKind::Special);
    EXPECT_EQ(hidden[Planet::MapColumn] * 10 + hidden[Planet::MapRow], 33);
    EXPECT_EQ(hidden[Planet::Owner], G().Planets[7][1][Planet::Owner]);
    EXPECT_EQ(G().PlanetNames[7][6], "Hidden Jump");
    EXPECT_EQ(G().SpaceEvents[7][1][SpaceEvent::Active], 0);
    EXPECT_EQ(G().Planets[7][30][Planet::Exists], 0);

    MoveTo(7, 6);
    Line("You jump through the jumppoint and find the unpopulated planet.");
    player()
        .Do("Texp1_message1",
            [](ui::Form&) {
                EXPECT_EQ(exp1_message1->Label2->caption, "Abandoned pirate");
                EXPECT_EQ(exp1_message1->Memo1->lines.size(), 5u);
            })
        .Click("Texp1_message1", "SpeedButton1");
    NextTurn();
    EXPECT_EQ(Step(), 11);
    EXPECT_EQ(FleetLocation(), 5);
    EXPECT_EQ(G().SelectedPlanet, 5);
    EXPECT_EQ(hidden[Planet::Exists], 0);
    const GameRecord& base = G().Planets[22][7];
    EXPECT_EQ(base[Planet::Exists], 1);
    EXPECT_EQ(base[Planet::MapColumn] * 10 + base[Planet::MapRow], 31);
    EXPECT_EQ(G().PlanetDescriptions[22][7], "Jumppoint to Blackeyes secret base.");

    // The base: no money for the ransom (20,000,000 at least), a draw, a defeat, a final death,
    // a victory.
    MoveTo(22, 7);
    Captain()[Player::Money] = 10000000;
    Arrive();
    player()
        .Do("TMessage5",
            [this](ui::Form&) {
                EXPECT_EQ(Message5->Label2->caption, "Captain Dodurive");
                EXPECT_EQ(RansomShown(), 20000000);
            })
        .Click("TMessage5", "SpeedButton1");
    Line("\"Come back when you got the money.");
    NextTurn();
    Captain()[Player::Money] = 90000000;  // 30,000,000 + Random(18,000,000)
    int64_t ransom = 0;
    Arrive();
    player().Do("TMessage5", [&](ui::Form&) { ransom = RansomShown(); });
    player().Click("TMessage5", "SpeedButton2");
    Battle(100, 100);
    Line("Remember you can return anytime you want.");
    NextTurn();
    EXPECT_GE(ransom, 30000000);
    EXPECT_LE(ransom, 47999999);
    Arrive();
    player().Click("TMessage5", "SpeedButton2");
    Battle(100, 0);
    Line("Although you were defeated you can return anytime to try again.");
    NextTurn();
    Arrive();
    player().Click("TMessage5", "SpeedButton2");
    Battle(100, 0, true);
    NextTurn();
    EXPECT_TRUE(GameEnded());
    EXPECT_EQ(Step(), 11);
    ClearGameEnded();
    TravelScreenMayClose = PlanetScreenMayClose = 0;
    Arrive();
    player().Click("TMessage5", "SpeedButton2");
    Battle(0, 100);
    player()
        .Do("TForm69",
            [](ui::Form& f) {
                EXPECT_EQ(Form69->Image1->picture, "exp1_fedgirl_big.jpg");
                EXPECT_EQ(Form69->Image3->picture, "exp1_fedgirl.jpg");
                ui::RenderFormToPng(f, kScreens + "/TForm69.png");
            })
        .Click("TForm69", "SpeedButton1");
    Line("You bring her back to her father");
    player()
        .Do("Texp1_message1",
            [](ui::Form& f) {
                EXPECT_EQ(exp1_message1->Label2->caption, "The wedding");
                EXPECT_EQ(exp1_message1->Image1->picture, "exp1_fedgirl_wedding.jpg");
                ui::RenderFormToPng(f, kScreens + "/Texp1_message1_wedding.png");
            })
        .Click("Texp1_message1", "SpeedButton1");
    NextTurn();
    EXPECT_EQ(Step(), 13);
    EXPECT_EQ(FleetSystem() * 100 + FleetLocation(), 101);
    EXPECT_EQ(G().SelectedPlanet, 1);
    EXPECT_EQ(base[Planet::Exists], 0);

    // The wife: a life point, then not again before 100..299 turns.
    G().TurnNumber = std::max(G().TurnNumber, Story()[Faction::StoryTurn]);
    const int lives = Captain()[Player::LifePoints];
    Talk();
    Line("You visit your wife and you have a great time together!");
    Talk();
    Line("You cannot visit your wife too often!");
    Office();
    EXPECT_GE(Mark(), 100);
    EXPECT_LE(Mark(), 299);
    G().TurnNumber = Story()[Faction::StoryTurn];
    Talk();
    Line("You visit your wife");
    Office();
    EXPECT_EQ(Captain()[Player::LifePoints], lives + 2);
}

// The widowed senator of the Syndicate, courted in New Moscow; the lead on Tortuga and Sirius
// Prime is the male captain's test, so the story is taken up again at the scans.
TEST_F(SenatorStory, AFemaleCaptainCourtsTheSenatorPaysTheRansomAndMarries) {
    NewGame(FactionId::Syndicate, 2);
    Story()[Faction::SenatorLetterReceived] = 1;
    MoveTo(24, 1);
    player().Do("TForm27", [](ui::Form& f) {
        EXPECT_EQ(Form27->Image5->picture, "exp1_syndgov.jpg");
        ui::RenderFormToPng(f, kScreens + "/TForm27_senator.png");
    });
    Talk();
    player().Click("Texp1_message1", "SpeedButton1");
    Line("You get to know that the senator is a widow.");
    player()
        .Do("TForm66",
            [](ui::Form&) {
                EXPECT_PRED2(StartsWith, Form66->Label3->caption,
                             "Look...our government is in need");
                EXPECT_EQ(Form66->Image3->picture, "exp1_syndgov.jpg");
            })
        .CloseRequest("TForm66");  // counts as "Reject"
    Line("He is very disappointed.");
    Office();
    EXPECT_EQ(Step(), 1);

    // A negative reputation gains exactly 150.
    G().TurnNumber = Story()[Faction::StoryTurn];
    Captain()[Player::Money] = 300000;
    Story()[Faction::Reputation] = -100;
    Talk();
    Line("After a short meeting with the senator his daughter invites you to a cup of tea.");
    player().Click("TForm66", "SpeedButton1");
    Notice("You make a donation.");
    Notice("Word spreads about you and your generosity.");
    Line("\"Thank you! We must do every effort to win this war.");
    Office();
    EXPECT_EQ(Story()[Faction::Reputation], 50);
    EXPECT_EQ(Step(), 2);

    // The sword refused: still step 3, with 50..99 turns before the reminder.
    G().TurnNumber = Story()[Faction::StoryTurn];
    Talk();
    player()
        .Do("TForm66",
            [](ui::Form&) {
                EXPECT_EQ(Form66->Label3->caption,
                          "On Kimberley in the New Kimberley system they have an original sword "
                          "from the ancient earth for sale. You do not by any chance can stop by "
                          "there - do you *smile*?");
            })
        .Click("TForm66", "SpeedButton2");
    Line("Well, never mind...");
    Office();
    EXPECT_EQ(Step(), 3);
    EXPECT_GE(Mark(), 50);
    EXPECT_LE(Mark(), 99);
    Captain()[Player::Money] = 95000000;
    player().Click("TMessage3", "SpeedButton1");
    Notice("You buy the sword. Now get back and give it to the senator!");
    player().Click("TForm3", "SpeedButton4");
    Dock(18);
    MoveTo(24, 1);
    Talk();
    Line(kUnavailable);
    Line("Its a long time ago someone gave me such a great gift. Thanks a lot!");
    Office();
    G().TurnNumber = Story()[Faction::StoryTurn];
    {
        test::UseAnsweringBackend answering(kScreens);
        for (int t = 0; t < 300 && Step() == 5; ++t) NextTurn();
    }
    ASSERT_EQ(Step(), 7);
    const auto& letter = exp1_message1->Memo1->lines;
    ASSERT_EQ(letter.size(), 9u);
    EXPECT_EQ(letter[0],
              "One day you receive a letter from the daughter of senator Isamu Kurogane from "
              "Moscow Prime in the New Moscow system.");
    EXPECT_PRED2(StartsWith, letter[1], "May your blade always be sharp Mara Kellan. I am in");
    EXPECT_EQ(letter[8], "God bless you!");
    EXPECT_EQ(exp1_message1->Image1->picture, "exp1_syndgirl2.jpg");
    G().TurnNumber = Story()[Faction::StoryTurn];
    Talk();
    Line("\"Have you found him yet? No.");
    Office();

    // The scans done, the site standing on the record itself goes with its slot.
    Story()[Faction::StoryStep] = 9;
    for (int f : {Faction::TriangulationScan1, Faction::TriangulationScan2,
                  Faction::TriangulationScan3})
        Story()[f] = 1;
    PlaceSite(7, 6, 2, 5, 1);
    Line("Congratulations!");
    NextTurn();
    EXPECT_EQ(G().SpaceEvents[7][2][SpaceEvent::Active], 0);
    EXPECT_EQ(G().Planets[7][6][Planet::EventSlot], 0);
    EXPECT_EQ(G().Planets[7][6][Planet::MapColumn], 3);
    MoveTo(7, 6);
    Line("You jump through the jumppoint");
    player().Click("Texp1_message1", "SpeedButton1");
    NextTurn();

    // With 37,500,000 the ransom is the floor; with 90,000,000 a third and up to a fifth more.
    MoveTo(22, 7);
    Captain()[Player::Money] = 37500000;
    Arrive();
    player()
        .Do("TMessage5", [this](ui::Form&) { EXPECT_EQ(RansomShown(), 20000000); })
        .Click("TMessage5", "SpeedButton2");
    Battle(100, 100);
    Line("Remember you can return anytime you want.");
    NextTurn();
    Captain()[Player::Money] = 90000000;
    int64_t ransom = 0;
    Arrive();
    player()
        .Do("TMessage5", [&](ui::Form&) { ransom = RansomShown(); })
        .Click("TMessage5", "SpeedButton1");
    Line("\"A real pleasure to do business with you.");
    Line("\"Thank you so much for rescuing me!");
    Line("You bring your fiance home");
    player()
        .Do("Texp1_message1",
            [](ui::Form&) {
                EXPECT_EQ(exp1_message1->Image1->picture, "exp1_syndgirl_wedding.jpg");
                EXPECT_PRED2(StartsWith, exp1_message1->Memo1->lines.at(0),
                             "After the wedding is over you and your husband");
            })
        .Click("Texp1_message1", "SpeedButton1");
    NextTurn();
    EXPECT_GE(ransom, 30000000);
    EXPECT_LE(ransom, 47999999);
    EXPECT_EQ(Captain()[Player::Money], 90000000 - ransom);
    EXPECT_EQ(Step(), 13);
    EXPECT_EQ(FleetSystem() * 100 + FleetLocation(), 2401);
    EXPECT_EQ(G().SelectedPlanet, 1);
    EXPECT_EQ(player().TimesSeen("TForm69"), 0);
    G().TurnNumber = std::max(G().TurnNumber, Story()[Faction::StoryTurn]);
    Talk();
    Line("You visit your husband and you have a great time together!");
    Office();
}

// Leaving the faction at step 10 or 11 ends the story for both factions and takes the hidden
// jump point of that step off the map.
TEST_F(SenatorStory, AnAllegianceChangeEndsTheStoryWithItsHiddenJumpPoints) {
    for (int step : {10, 11}) {
        NewGame(FactionId::Federation, 1);
        Captain()[Player::Money] = 1000000;
        Story()[Faction::SenatorLetterReceived] = Story()[Faction::SenatorMet] = 1;
        Story()[Faction::StoryStep] = 9;
        for (int f : {Faction::TriangulationScan1, Faction::TriangulationScan2,
                      Faction::TriangulationScan3})
            Story()[f] = 1;
        Line("Congratulations!");
        NextTurn();
        if (step == 11) {
            MoveTo(7, 6);
            Line("You jump through the jumppoint");
            player().Click("Texp1_message1", "SpeedButton1");
            NextTurn();
        }
        ASSERT_EQ(Step(), step);
        EXPECT_EQ(G().Planets[7][6][Planet::Exists] + G().Planets[22][7][Planet::Exists], 1);
        MoveTo(15, 1);  // Hyraxan VII of the Outer Rim Alliance
        G().Factions[2][Faction::Reputation] = 100;
        player()
            .Click("TForm27", "SpeedButton1")
            .Click("TMessage3", "SpeedButton1")
            .Click("TMessage3", "SpeedButton1");  // "You already started courting..."
        Notice("Word about your treason has spread.");
        player().Click("TForm49", "SpeedButton1");  // a criminal in the Federation now
        Office();
        EXPECT_EQ(CaptainFaction(), 2);
        for (int f : {1, 2}) {
            EXPECT_EQ(G().Factions[f][Faction::SenatorLetterReceived], -1);
            EXPECT_EQ(G().Factions[f][Faction::SenatorMet], -1);
            EXPECT_EQ(G().Factions[f][Faction::StoryStep], 0);
        }
        EXPECT_EQ(G().Planets[7][6][Planet::Exists] + G().Planets[22][7][Planet::Exists], 0);
    }
}

}  // namespace
}  // namespace corvanth
