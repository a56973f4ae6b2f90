// Visits of space-event sites: what each kind gives, its floors, what is put back, and a site
// whose slot went to another event.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "state/UMessage1.h"
#include "state/UMessage5.h"
#include "state/UMessage6.h"
#include "state/random.h"
#include "state/tables.h"
#include "travel/NextTurnUnit_calls.h"
#include "travel/UEvents.h"
#include "travel/UEvents_visit.h"
#include "travel/travel.h"
#include "travel/travel_support.h"

namespace corvanth {
namespace {

constexpr int kFinis = 4;

class Visits : public test::TravelTest {
  protected:
    void SetUp() override {
        TravelTest::SetUp();
        NewFederationGame();
        G().TurnNumber = 1;
        // The world stands still around the visit: no events come or go, no prices move.
        CurrentTurnCalls().UpdateSpaceEvents = [] {};
        CurrentTurnCalls().UpdateMarketPrices = [] {};
        CurrentTurnCalls().RegenerateHireableCrew = [] {};
        CurrentTurnCalls().RecalcShipStats = [](int, int, int, int) {};
        for (int s = 1; s <= 26; ++s)
            for (int e = 1; e <= 4; ++e) G().SpaceEvents[s][e][SpaceEvent::Active] = 0;
    }
    // A new event of that kind in Finis with the fleet on its site; returns its slot.
    int PlaceEvent(int kind) {
        GameState& g = G();
        g.Fleets[1][Fleet::System] = kFinis;
        const int slot = SpawnSpaceEvent(kFinis, 0, 0);
        EXPECT_GT(slot, 0);
        g.SpaceEvents[kFinis][slot][SpaceEvent::Kind] = kind;
        site = g.SpaceEvents[kFinis][slot][SpaceEvent::Location];
        g.Fleets[1][Fleet::Location] = site;
        g.SelectedPlanet = site;
        RefreshTravelScreen();
        EXPECT_EQ(Form2->SpeedButton2->caption, "Investigate");
        EXPECT_TRUE(Form2->SpeedButton2->enabled);
        return slot;
    }
    void Investigate() {
        const int turn = G().TurnNumber;
        Form2->SpeedButton2Click();
        EXPECT_EQ(G().TurnNumber, turn + 1);
    }
    bool Active(int slot) const { return G().SpaceEvents[kFinis][slot][SpaceEvent::Active] == 1; }
    bool SiteExists() const { return G().Planets[kFinis][site][Planet::Exists] == 1; }
    ui::ScriptedPlayer& ExpectMessage(const std::string& text) {
        return player().Do("TMessage1", [text](ui::Form& f) {
            EXPECT_EQ(Message1->Label1->caption, text);
            f.Close();
        });
    }
    ui::ScriptedPlayer& ExpectNotice(const std::string& text, const std::string& picture) {
        return player().Do("TMessage6", [text, picture](ui::Form& f) {
            EXPECT_EQ(Message6->Label1->caption, text);
            EXPECT_FALSE(Message6->CheckBox1->enabled);
            EXPECT_EQ(ui::TakeSnapshot(f).Picture("Image2"), picture);
            f.Close();
        });
    }
    void SetMoney(int money) { G().Players[1][Player::Money] = money; }
    int Money() const { return G().Players[1][Player::Money]; }
    GameRecord& Own() { return G().Factions[FactionId::Federation]; }
    int site = 0;
};

// Random(money div 10) times the rank, 5,000 .. 1,000,000: a poor captain or one of rank 0
// finds 5,000; a rich one of high rank is held at 1,000,000, formed in 64 bits on the way.
TEST_F(Visits, TreasuresHaveAFloorAndACeiling) {
    Own()[Faction::Rank] = 1;
    SetMoney(9);
    int slot = PlaceEvent(SpaceEventKind::Treasure);
    ExpectNotice("You have found a hidden treasure. It is worth about 5.000 $C.",
                 "treasure_sm.jpg");
    Investigate();
    EXPECT_EQ(Money(), 5009);
    EXPECT_FALSE(Active(slot));
    EXPECT_FALSE(SiteExists());
    EXPECT_FALSE(Form2->SpeedButton2->enabled);
    EXPECT_EQ(test::CountSound("wave:reward2.wav"), 1);

    Own()[Faction::Rank] = 0;
    SetMoney(50000000);
    slot = PlaceEvent(SpaceEventKind::Treasure);
    ExpectNotice("You have found a hidden treasure. It is worth about 5.000 $C.",
                 "treasure_sm.jpg");
    Investigate();
    EXPECT_EQ(Money(), 50005000);

    // 900,000,000 div 10 is 90,000,000; times rank 8 up to 720,000,000 (past 32 bits at rank 24).
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        Rng().SetSeed(seed);
        const int64_t x = TreasureFind(900000000, 8);
        EXPECT_GE(x, 5000);
        EXPECT_LE(x, 1000000);
    }
    EXPECT_EQ(TreasureFind(900000000, 100000), 1000000);
    EXPECT_EQ(TreasureFind(-900000000, 8), 5000);
}

// Money: Random(m div 30) + m div 8 within 8,000 .. 2,000,000; honour: Random(x div 50) +
// x div 20, at least 40, also for an outcast whose bound is negative.
TEST_F(Visits, TheArtefactIsSoldOrHandedOver) {
    SetMoney(80000);  // 10,000 + 0..2,665
    PlaceEvent(SpaceEventKind::AlienArtefact);
    player()
        .Do("TMessage5",
            [](ui::Form&) {
                EXPECT_EQ(Message5->Label2->caption, "Alien artefact!");
                EXPECT_EQ(Message5->SpeedButton1->caption, "Money");
                EXPECT_EQ(Message5->SpeedButton2->caption, "Fame+Reptutation");
                EXPECT_EQ(Message5->Memo1->lines.size(), 2u);
            })
        .Click("TMessage5", "SpeedButton1")
        .Do("TMessage1", [](ui::Form& f) {
            const std::string& text = Message1->Label1->caption;
            EXPECT_EQ(text.substr(0, 8), "You get ");
            f.Close();
        });
    Investigate();
    EXPECT_GE(Money(), 90000);
    EXPECT_LE(Money(), 92665);
    EXPECT_EQ(Message5->SpeedButton1->caption, "Accept");

    GameRecord& captain = G().Players[1];
    captain[Player::Fame] = 0;
    Own()[Faction::Reputation] = -5000;  // an outcast: Random(-100) draws 0, then -250: floor 40
    captain[Player::HideFameGainNotices] = 1;
    captain[Player::HideReputationGainNotices] = 1;
    PlaceEvent(SpaceEventKind::AlienArtefact);
    player().Click("TMessage5", "SpeedButton2");
    ExpectMessage("Word spreads about you and your find.");
    Investigate();
    EXPECT_EQ(captain[Player::Fame], 40);
    EXPECT_EQ(Own()[Faction::Reputation], -4960);
}

// Survivors pay Random(m div 8), at least 2,500, then 80 fame and reputation at least; without
// a seat they cannot be helped and stay, as they do when told "Return later.".
TEST_F(Visits, SurvivorsNeedASeat) {
    GameRecord& captain = G().Players[1];
    captain[Player::HideFameGainNotices] = 1;
    captain[Player::HideReputationGainNotices] = 1;
    captain[Player::Fame] = 0;
    Own()[Faction::Reputation] = 0;
    G().Fleets[1][Fleet::PassengerCapacity] = 0;
    int slot = PlaceEvent(SpaceEventKind::Survivor);
    player()
        .Do("TMessage5",
            [](ui::Form&) {
                EXPECT_EQ(Message5->Label2->caption, "Shipwrecked crew!");
                EXPECT_FALSE(Message5->SpeedButton1->enabled);
                ASSERT_EQ(Message5->Memo1->lines.size(), 3u);
                EXPECT_EQ(Message5->Memo1->lines[2],
                          "Unfortunately you do not have any free seats in the passenger bays "
                          "(upgrade of cargo bays).");
            })
        .Click("TMessage5", "SpeedButton2");
    ExpectMessage("You promise to return later.");
    Investigate();
    EXPECT_TRUE(Active(slot));
    EXPECT_TRUE(SiteExists());
    EXPECT_TRUE(Message5->SpeedButton1->enabled);

    G().Fleets[1][Fleet::PassengerCapacity] = 2;
    SetMoney(9);
    RefreshPlanetPanel();
    player().Click("TMessage5", "SpeedButton2");
    ExpectMessage("You promise to return later.");
    Investigate();
    EXPECT_TRUE(Active(slot));

    RefreshPlanetPanel();
    player().Click("TMessage5", "SpeedButton1");
    ExpectMessage("They pay you 2.500 $C.");
    ExpectMessage("Word spreads about you and your noble deeds.");
    Investigate();
    EXPECT_FALSE(Active(slot));
    EXPECT_EQ(Money(), 2509);
    EXPECT_EQ(captain[Player::Fame], 80);
    EXPECT_EQ(Own()[Faction::Reputation], 80);
}

// A lifepod brings two new sites; the first takes the lifepod's own slot. The fleet still
// stands on the lifepod's vanished site, which names that slot: investigating there again must
// not play the new event, and only the turn passes.
TEST_F(Visits, ALifepodsSlotReusedElsewhereIsNotVisitedFromTheOldSite) {
    const int slot = PlaceEvent(SpaceEventKind::Lifepod);
    const int lifepodSite = site;
    ExpectNotice(
        "You open the lifepod. The crew is dead, but you are able to download information about "
        "hidden locations.",
        "lifepodr.jpg");
    Investigate();
    EXPECT_EQ(test::CountSound("wave:data.wav"), 1);
    GameState& g = G();
    ASSERT_TRUE(Active(slot));
    EXPECT_NE(g.SpaceEvents[kFinis][slot][SpaceEvent::Location], lifepodSite);
    EXPECT_TRUE(Active(slot + 1));
    EXPECT_EQ(g.Planets[kFinis][lifepodSite][Planet::EventSlot], slot);
    EXPECT_FALSE(SiteExists());

    g.SpaceEvents[kFinis][slot][SpaceEvent::Kind] = SpaceEventKind::Treasure;
    RefreshPlanetPanel();
    ASSERT_TRUE(Form2->SpeedButton2->enabled);
    auto before = std::make_unique<GameState>(g);
    Investigate();
    auto after = std::make_unique<GameState>(g);
    after->TurnNumber = before->TurnNumber;
    EXPECT_TRUE(after->SpaceEvents == before->SpaceEvents);
    EXPECT_TRUE(after->Players == before->Players);
    EXPECT_TRUE(after->Planets == before->Planets);
    EXPECT_EQ(player().TimesSeen("TMessage6"), 1);
}

}  // namespace
}  // namespace corvanth
