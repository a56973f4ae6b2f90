// The planet raid: a raid played from the travel screen to the plunder, the wave table, a
// flight, the treasure fleet, the raid's questions and crimes, and a game that ends mid-raid.
#include "combat/AttackPlanet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

#include "combat/Loot.h"
#include "combat/PlunderPlanet.h"
#include "combat/combat_fixture.h"
#include "planet/new_game_path.h"
#include "planet/planet_support.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/UMessage3.h"
#include "support/answering_backend.h"
#include "travel/travel.h"
#include "ui/audio.h"
#include "ui/render.h"

namespace corvanth {
namespace {

constexpr int kMarauder = 12;
// Planet fields 12..18 give goods 2, 3, 7, 10, 14, 15, 18.
constexpr int kFacilityGood[8] = {0, 2, 3, 7, 10, 14, 15, 18};

using RaidPath = test::PlanetTest;

// (b) A Syndicate captain in an armoured Marauder raids a planet of a faction at war: every wave is
// fought on the combat screen, then "Plunder && leave planet" and one loot screen per facility
// kind.
TEST_F(RaidPath, ARaidFromTheTravelScreenEndsInPlunder) {
    WriteScreens();
    test::UseAnsweringBackend answering(CORVANTH_SCREENS_DIR);
    ui::ScriptedPlayer& p = answering.backend().Player();
    p.SetScreenDir(CORVANTH_SCREENS_DIR);
    // A planet with two or more kinds of facilities in another faction's system of rating 2 or
    // less; the new game sets up the same catalogue as the fixture.
    GameState& g = G();
    int s = 0, l = 0, owner = 0;
    for (int sys = 1; sys <= 25 && l == 0; ++sys) {
        owner = g.StarSystems[sys][StarSystem::Owner];
        if (owner == 3 || owner < 1 || owner > 4 ||
            g.StarSystems[sys][StarSystem::SectorRating] > 2)
            continue;
        for (int loc = 1; loc <= 35 && l == 0; ++loc) {
            const GameRecord& P = g.Planets[sys][loc];
            int n = 0;
            for (int k = 1; k <= 7; ++k) n += P[Planet::FacilityBase + k] > 0;
            if (P[Planet::Exists] && P[Planet::Kind] == 1 && P[Planet::Owner] == owner && n >= 2)
                s = sys, l = loc;
        }
    }
    ASSERT_GT(l, 0);
    // Rating r, unwarned, no treasure fleet: r + 1 waves.
    const int waves = g.StarSystems[s][StarSystem::SectorRating] + 1;
    std::vector<int> facilities;
    for (int k = 1; k <= 7; ++k)
        if (g.Planets[s][l][Planet::FacilityBase + k] > 0) facilities.push_back(k);
    // Economy factor m by field 7, 2,000,000 a factor (4,000,000 at a Bank Center).
    const int economy = g.Planets[s][l][Planet::Economy];
    const int64_t plunder = int64_t{EconomyFactor(economy)} * (economy == 8 ? 4000000 : 2000000);
    int32_t money = 0, cargo = 0;
    int clicks = 0;
    test::ClickToSyndicateGame(p).Do("TForm2", [&](ui::Form&) {
        GameState& g = G();
        g.Factions[3][Faction::RelationBase + owner] =
            g.Factions[owner][Faction::RelationBase + 3] = 2;
        g.StarSystems[s][StarSystem::Alerted] = 0;
        Captain()[Player::HideFameGainNotices] = 1;
        g.Fleets[1][Fleet::System] = s;
        g.Fleets[1][Fleet::Location] = g.SelectedPlanet = l;
        LoadShipType(kMarauder);
        for (int f = 1; f <= 100; ++f) g.Ships[1][1][f] = g.Ships[0][0][f];
        for (int slot = 1; slot <= 20; ++slot)
            g.ShipEquipment[1][1][slot] = g.ShipEquipment[0][0][slot];
        g.Ships[1][1][Ship::Present] = 1;
        g.Ships[1][1][Ship::CrewOfficers] = g.Ships[1][1][Ship::CrewMax];
        g.Ships[1][1][Ship::BaseStrength] *= 20;  // the raid is the test, not the battles
        g.ShipClassNames[1][1] = g.ShipClassNames[0][0];
        RecalcShipStats(1, 1, 0, 0);
        RefreshTravelScreen();
        EXPECT_TRUE(Form2->SpeedButton1->enabled);
        money = Money();
        clicks = test::CountSound("play:button.wav");
    });
    p.Click("TForm2", "SpeedButton1")
        .Do("TMessage3",
            [&](ui::Form&) {
                EXPECT_EQ(Message3->Find("Label1")->caption,
                          "Do you really wish to attack this planet?");
                EXPECT_EQ(test::CountSound("play:button.wav"), clicks);  // none before the answer
            })
        .Click("TMessage3", "SpeedButton1");
    for (int w = 0; w < waves; ++w) p.Click("TForm33", "SpeedButton5");
    p.Do("TForm34", [&](ui::Form&) {
         EXPECT_EQ(LocationRecord(s, l)[Planet::RaidWavesLeft], 0);
         EXPECT_TRUE(Form34->SpeedButton5->enabled);  // at war: "Occupy" is offered
         cargo = std::accumulate(G().Cargo.begin(), G().Cargo.end(), 0);
     }).Click("TForm34", "SpeedButton1");
    for (size_t n = 0; n < facilities.size(); ++n)
        p.Do("TForm51", [&, n](ui::Form&) {
             const int k = facilities[n];
             EXPECT_EQ(G().LootItem[Loot::Good], kFacilityGood[k]);
             EXPECT_EQ(G().LootItem[Loot::Amount],
                       LocationRecord(s, l)[Planet::FacilityBase + k] * 100);
         }).Click("TForm51", "SpeedButton3");
    p.Do("TForm2",
         [&](ui::Form&) {
             EXPECT_EQ(Money(), money + plunder);
             EXPECT_GT(std::accumulate(G().Cargo.begin(), G().Cargo.end(), 0), cargo);
             EXPECT_EQ(StarSystemRecord(s)[StarSystem::Alerted], 1);
             EXPECT_EQ(LocationRecord(s, l)[Planet::LastPlunderTurn], G().TurnNumber);
             EXPECT_EQ(FactionRecord(owner)[Faction::Warned], 0);  // at war: no crime
         })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_GE(answering.backend().answered["TForm14"], waves);  // the waves on the combat screen
}

}  // namespace
}  // namespace corvanth
