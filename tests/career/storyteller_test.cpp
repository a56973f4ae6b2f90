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
#include "shell/background.h"
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
bool Between(int64_t value, int64_t low, int64_t high) {
    return value >= low && value <= high;
}

class SenatorStory : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        Upcalls calls = test::QuietUpcalls();
        calls.UpdateSenatorStory = UpdateSenatorStory;
        calls.UpdateSpaceEvents = [] {};  // the event tables stay as the test lays them
        GameUpcalls() = calls;
        Rng().SetSeed(2525);
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        GameTest::TearDown();
    }
    void NewGame(int faction, int gender) {
        test::StartNewGame(faction, "Mara Kellan");
        GameRecord& c = Captain();
        c[Player::Gender] = gender;
        for (int hide : {Player::HideFameGainNotices, Player::HideReputationGainNotices,
                         Player::HideReputationLossNotices, Player::HideSurveillanceNotice})
            c[hide] = 1;
        Story()[Faction::Rank] = 4;
        Story()[Faction::NextFameThreshold] = Story()[Faction::NextReputationThreshold] = 900000000;
        G().TurnNumber = 10;
    }
    GameRecord& Story() { return G().Factions[CaptainFaction()]; }
    int Step() { return Story()[Faction::StoryStep]; }
    int Mark() { return Story()[Faction::StoryTurn] - G().TurnNumber; }
    void ToMark() { G().TurnNumber = std::max(G().TurnNumber, Story()[Faction::StoryTurn]); }
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
            .Do("TMessage1",
                [text](ui::Form&) { EXPECT_EQ(corvanth::Message1->Label1->caption, text); })
            .Click("TMessage1", "SpeedButton3");
    }
    void Talk() { player().Click("TForm27", "SpeedButton3"); }
    // The date screen's request, checked by its start, answered with one of its buttons.
    void Date(const std::string& start, const char* button) {
        player()
            .Do("TForm66",
                [start](ui::Form&) { EXPECT_PRED2(StartsWith, Form66->Label3->caption, start); })
            .Click("TForm66", button);
    }
    void Donate(const std::string& request, const std::string& thanks) {
        Talk();
        Line("After a short meeting with the senator his daughter invites you to a cup of tea.");
        Date(request, "SpeedButton1");
        Notice("You make a donation.");
        Notice("Word spreads about you and your generosity.");
        Line(thanks);
        Office();
    }
    // The governor's office at the fleet's location, shown until the script leaves it.
    void Office() {
        player().Click("TForm27", "SpeedButton2");
        RefreshGovernorScreen();
        Form27->ShowModal();
    }
    void Dock(int system) {
        MoveTo(system, 1);
        RefreshTravelScreen();
        test::ClickOnTravelScreen("SpeedButton2");
    }
    void BuyGift(const std::string& bought) {
        player().Click("TMessage3", "SpeedButton1");
        Notice(bought);
        player().Click("TForm3", "SpeedButton4");
        Dock(18);
        EXPECT_EQ(Step(), 4);
    }
    void AbductionLetter() {
        test::UseAnsweringBackend answering(kScreens);
        for (int t = 0; t < 300 && Step() == 5; ++t) NextTurn();
        ASSERT_EQ(Step(), 7);
        EXPECT_PRED3(Between, Mark(), 50, 99);
    }
    // The three scans done: the hidden jump point in New Wales, then its pirate.
    void Discover() {
        Story()[Faction::StoryStep] = 9;
        for (int f = Faction::TriangulationScan1; f <= Faction::TriangulationScan3; ++f)
            Story()[f] = 1;
        Line("Congratulations!");
        NextTurn();
    }
    void FreePirate() {
        MoveTo(7, 6);
        Line("You jump through the jumppoint and find the unpopulated planet.");
        player()
            .Do("Texp1_message1",
                [](ui::Form&) { EXPECT_EQ(exp1_message1->Label2->caption, "Abandoned pirate"); })
            .Click("Texp1_message1", "SpeedButton1");
        NextTurn();
    }
    // At the base: the ransom asked, then "Accept" (button 1) or the battle as the combat
    // screen leaves the two hulls.
    void Base(const char* button, int enemyHull = 1, int ownHull = 1, bool death = false) {
        Line("You jump through the jumppoint and quickly find Blackeyes base");
        Line("Blackeyes impressive Blackjack heads frightening fast towards you.");
        player()
            .Do("TMessage5",
                [this](ui::Form&) {
                    const std::string line = Message5->Memo1->lines.at(2);
                    std::string digits;
                    for (size_t i = line.find("will be "); i < line.size(); ++i)
                        if (isdigit(static_cast<unsigned char>(line[i]))) digits += line[i];
                    ransom_ = std::stoll(digits);
                })
            .Click("TMessage5", button);
        GameUpcalls().ShowCombatScreen = [=] {
            ShipRecord(0, 1)[Ship::Strength] = enemyHull;
            PlayerShip()[Ship::Strength] = ownHull;
            if (death) EndGame();
        };
    }
    int64_t ransom_ = 0;  // the last one asked
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
        EXPECT_PRED3(Between, letters, 70, 130);
        EXPECT_EQ(answering.backend().answered["Texp1_message1"], letters);
        while (Story()[Faction::SenatorLetterReceived] == 0) NextTurn();
    }
    const auto& memo = exp1_message1->Memo1->lines;
    EXPECT_EQ(exp1_message1->Image1->picture, "exp1_fedgov.jpg");
    ASSERT_EQ(memo.size(), 2u);
    EXPECT_EQ(memo[0],
              "One day you receive a letter from the senator Alastair Penhallow from Earth in the "
              "Sol system.");
    EXPECT_PRED2(StartsWith, memo[1], "\"Dear Mara Kellan. Your rise");
    ui::RenderFormToPng(*exp1_message1, kScreens + "/Texp1_message1_letter.png");

    // The first visit at Earth: rank 4 asks 1,000,000 div 4, which $C 3.000 cannot accept.
    MoveTo(1, 1);
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
    player().Do("TForm66", [](ui::Form& f) {
        EXPECT_FALSE(Form66->SpeedButton1->enabled);
        EXPECT_EQ(Form66->Image3->picture, "exp1_fedgirl2.jpg");
        ui::RenderFormToPng(f, kScreens + "/TForm66.png");
    });
    Date(
        "I heard a lot about you *smile*. I am raising money for a local charity fund and I "
        "wondered whether you would like to donate the modest amount of 250.000 for a good "
        "cause *smile*?",
        "SpeedButton2");
    Line("\"I see...\", she says disappointed. It does not take long");
    Talk();
    Line(kUnavailable);
    Office();
    EXPECT_EQ(Step(), 1);
    EXPECT_PRED3(Between, Mark(), 50, 99);

    // Fame 12,000 gains 600 + Random(200), reputation 3,000 gains 150 + Random(50).
    ToMark();
    Captain()[Player::Money] = 300000;
    Captain()[Player::Fame] = 12000;
    Story()[Faction::Reputation] = 3000;
    Donate("Have you changed your mind about my request? I am raising",
           "\"Oh thank you very much. You are so kind!");
    EXPECT_EQ(Captain()[Player::Money], 50000);
    EXPECT_PRED3(Between, Captain()[Player::Fame], 12600, 12799);
    EXPECT_PRED3(Between, Story()[Faction::Reputation], 3150, 3199);
    EXPECT_EQ(Step(), 2);
    EXPECT_PRED3(Between, Mark(), 35, 54);

    // The necklace: asked for, agreed, reminded of, bought on Kimberley.
    ToMark();
    Talk();
    Date("Have you heard of Selene", "SpeedButton1");
    Line("\"You would really do this for me? *smile*\"");
    Office();
    EXPECT_EQ(Step(), 3);
    EXPECT_EQ(Mark(), 1);
    ToMark();
    Talk();
    Line("\"You can buy the necklace on Kimberley in the New Kimberley system.");
    Office();
    EXPECT_PRED3(Between, Mark(), 1, 10);
    Captain()[Player::Money] = 20000000;
    BuyGift("You buy the necklace. Now get back and give it to the senators daughter!");

    // Before the mark one click shows the servant and then the gift; step 5 is always closed.
    MoveTo(1, 1);
    Story()[Faction::StoryTurn] = G().TurnNumber + 5;
    Talk();
    Line(kUnavailable);
    Line("\"Oh my god! This is so cute!");
    Office();
    G().TurnNumber += 99;
    Talk();
    Line(kUnavailable);
    Office();
    EXPECT_EQ(Step(), 5);
    AbductionLetter();
    ASSERT_EQ(memo.size(), 8u);
    EXPECT_PRED2(StartsWith, memo[1], "\"Dear Mara Kellan. I am in urgent need");
    EXPECT_EQ(memo[7], "God bless you!");
    EXPECT_EQ(exp1_message1->Image1->picture, "exp1_fedgov.jpg");
    {
        // The drinking game on Tortuga, one beer after another, its owner at peace.
        test::UseAnsweringBackend answering(kScreens);
        G().Factions[G().Planets[11][1][Planet::Owner]][Faction::RelationBase + 1] = 1;
        Captain()[Player::DrinkingTolerance] = 90;
        player()
            .Click("TForm3", "SpeedButton1")
            .Click("TForm21", "SpeedButton1")
            .Do("TForm68",
                [this](ui::Form&) {
                    while (Step() == 7 && Captain()[Player::Drunkenness] < 95)
                        ui::ClickMiddle(*Form68, *Form68->SpeedButton4);
                })
            .Click("TForm21", "SpeedButton3")
            .Click("TForm3", "SpeedButton4");
        Dock(11);
        ASSERT_EQ(Step(), 8);
    }
    player()
        .Click("TMessage5", "SpeedButton1")  // the informant's price
        .Click("Texp1_message1", "SpeedButton1")
        .Click("TForm3", "SpeedButton4");
    Dock(3);
    ASSERT_EQ(Step(), 9);

    // The missing equipment is told once; then the three scans, New Wales with the discovery in
    // the same turn, over an event site standing on the point's cell.
    MoveTo(14, 1);
    Line("You need surveillance equipment to start a triangular scan.");
    NextTurn();
    MoveTo(8, 1);
    NextTurn();
    int free = Slot::First;
    while (G().ShipEquipment[1][1][free][Slot::Used] != 0) ++free;
    G().ShipEquipment[1][1][free][Slot::Used] = 1;
    G().ShipEquipment[1][1][free][Slot::EquipmentId] = 40;  // "Surveillance"
    PlaceSite(7, 30, 1, 3, 3);
    for (const auto& [system, name] :
         {std::pair{14, "New Scotland"}, {8, "New Berlin"}, {7, "New Wales"}}) {
        MoveTo(system, 1);
        Line(std::string("Your surveillance computer has successfully finished the triangular "
                         "scan of the ") +
             name + " system.");
        if (system == 7) Line("Congratulations! You finished the triangular scan");
        NextTurn();
    }
    EXPECT_EQ(Step(), 10);
    const GameRecord& hidden = G().Planets[7][6];
    EXPECT_EQ(
        hidden[Planet::Exists] * 100 + hidden[Planet::MapColumn] * 10 + hidden[Planet::MapRow],
        133);
    EXPECT_EQ(hidden[Planet::Owner], G().Planets[7][1][Planet::Owner]);
    EXPECT_EQ(G().PlanetNames[7][6], "Hidden Jump");
    EXPECT_EQ(G().SpaceEvents[7][1][SpaceEvent::Active] + G().Planets[7][30][Planet::Exists], 0);
    FreePirate();
    EXPECT_EQ(Step(), 11);
    EXPECT_EQ(FleetLocation() * 10 + G().SelectedPlanet, 55);
    EXPECT_EQ(hidden[Planet::Exists], 0);
    const GameRecord& base = G().Planets[22][7];
    EXPECT_EQ(base[Planet::Exists] * 100 + base[Planet::MapColumn] * 10 + base[Planet::MapRow],
              131);
    EXPECT_EQ(G().PlanetDescriptions[22][7], "Jumppoint to Blackeyes secret base.");

    // The base: no money for the ransom, a draw, a defeat, a final death, a victory.
    MoveTo(22, 7);
    Captain()[Player::Money] = 10000000;
    Base("SpeedButton1");
    Line("\"Come back when you got the money.");
    NextTurn();
    EXPECT_EQ(ransom_, 20000000);
    Captain()[Player::Money] = 90000000;  // 30,000,000 + Random(18,000,000)
    Base("SpeedButton2", 100, 100);
    Line("Remember you can return anytime you want.");
    NextTurn();
    EXPECT_PRED3(Between, ransom_, 30000000, 47999999);
    Base("SpeedButton2", 100, 0);
    Line("Although you were defeated you can return anytime to try again.");
    NextTurn();
    Base("SpeedButton2", 100, 0, true);
    test::FromHome(NextTurn);
    EXPECT_TRUE(GameEnded());
    EXPECT_EQ(Step() * 10 + base[Planet::Exists], 111);
    ClearGameEnded();
    TravelScreenMayClose = PlanetScreenMayClose = 0;
    Base("SpeedButton2", 0, 100);
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
    EXPECT_EQ(FleetSystem() * 100 + FleetLocation() * 10 + G().SelectedPlanet, 111);
    EXPECT_EQ(base[Planet::Exists], 0);

    // The wife: a life point, then not again before 100..299 turns.
    ToMark();
    const int lives = Captain()[Player::LifePoints];
    Talk();
    Line("You visit your wife and you have a great time together!");
    Talk();
    Line("You cannot visit your wife too often!");
    Office();
    EXPECT_PRED3(Between, Mark(), 100, 299);
    ToMark();
    Talk();
    Line("You visit your wife");
    Office();
    EXPECT_EQ(Captain()[Player::LifePoints], lives + 2);

    // The rescue scene's close box leaves it as "Propose marriage" does.
    ShowRescueScene();
    player().CloseRequest("TForm69");
    Form69->ShowModal();
    EXPECT_EQ(player().TimesSeen("TForm69"), 2);
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
    player().CloseRequest("TForm66");  // counts as "Reject"
    Line("He is very disappointed.");
    Office();
    EXPECT_EQ(Step(), 1);

    // A negative reputation gains exactly 150.
    ToMark();
    Captain()[Player::Money] = 300000;
    Story()[Faction::Reputation] = -100;
    Donate("Have you changed your mind about my request? Our government",
           "\"Thank you! We must do every effort to win this war.");
    EXPECT_EQ(Story()[Faction::Reputation], 50);

    // The sword refused: step 3 all the same, 50..99 turns before the reminder.
    ToMark();
    Talk();
    Date(
        "On Kimberley in the New Kimberley system they have an original sword from the ancient "
        "earth for sale. You do not by any chance can stop by there - do you *smile*?",
        "SpeedButton2");
    Line("Well, never mind...");
    Office();
    EXPECT_EQ(Step(), 3);
    EXPECT_PRED3(Between, Mark(), 50, 99);
    Captain()[Player::Money] = 95000000;
    BuyGift("You buy the sword. Now get back and give it to the senator!");
    MoveTo(24, 1);
    Talk();
    Line(kUnavailable);
    Line("Its a long time ago someone gave me such a great gift. Thanks a lot!");
    Office();
    ToMark();
    AbductionLetter();
    const auto& memo = exp1_message1->Memo1->lines;
    ASSERT_EQ(memo.size(), 9u);
    EXPECT_EQ(memo[0],
              "One day you receive a letter from the daughter of senator Isamu Kurogane from "
              "Moscow Prime in the New Moscow system.");
    EXPECT_PRED2(StartsWith, memo[1], "May your blade always be sharp Mara Kellan. I am in");
    EXPECT_EQ(memo[8], "God bless you!");
    EXPECT_EQ(exp1_message1->Image1->picture, "exp1_syndgirl2.jpg");
    ToMark();
    Talk();
    Line("\"Have you found him yet? No.");
    Office();

    // An event site on the point's own record goes with its slot.
    PlaceSite(7, 6, 2, 5, 1);
    Discover();
    EXPECT_EQ(G().SpaceEvents[7][2][SpaceEvent::Active] + G().Planets[7][6][Planet::EventSlot], 0);
    FreePirate();

    // With 37,500,000 the ransom is the floor; with 90,000,000 it is paid.
    MoveTo(22, 7);
    Captain()[Player::Money] = 37500000;
    Base("SpeedButton2", 100, 100);
    Line("Remember you can return anytime you want.");
    NextTurn();
    EXPECT_EQ(ransom_, 20000000);
    Captain()[Player::Money] = 90000000;
    Base("SpeedButton1");
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
    EXPECT_PRED3(Between, ransom_, 30000000, 47999999);
    EXPECT_EQ(Captain()[Player::Money], 90000000 - ransom_);
    EXPECT_EQ(Step(), 13);
    EXPECT_EQ(FleetSystem() * 100 + FleetLocation() * 10 + G().SelectedPlanet, 2411);
    EXPECT_EQ(player().TimesSeen("TForm69"), 0);
    ToMark();
    Talk();
    Line("You visit your husband and you have a great time together!");
    Office();
}

// Leaving the faction at step 10 or 11 ends the story for both factions and takes the hidden
// jump point of that step off the map.
TEST_F(SenatorStory, AnAllegianceChangeEndsTheStoryWithItsHiddenJumpPoints) {
    for (int step : {10, 11}) {
        NewGame(FactionId::Federation, 1);
        Story()[Faction::SenatorLetterReceived] = Story()[Faction::SenatorMet] = 1;
        Discover();
        if (step == 11) FreePirate();
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
        for (int f : {1, 2})
            EXPECT_EQ(G().Factions[f][Faction::SenatorLetterReceived] +
                          G().Factions[f][Faction::SenatorMet] +
                          G().Factions[f][Faction::StoryStep],
                      -2);
        EXPECT_EQ(G().Planets[7][6][Planet::Exists] + G().Planets[22][7][Planet::Exists], 0);
    }
}

}  // namespace
}  // namespace corvanth
