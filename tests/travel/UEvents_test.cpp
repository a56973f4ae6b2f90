// Space events and the treasure fleet: placement, the four-event limit, expiry, the draws of
// kinds, and the fleet's launch, moves, stop notice and capture.
#include "travel/UEvents.h"

#include <gtest/gtest.h>

#include <map>

#include "state/UMessage1.h"
#include "state/UMessage4.h"
#include "state/UMessage6.h"
#include "travel/turn_fixture.h"

namespace corvanth {
namespace {

class SpaceEvents : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::StartTestGame();
        Rng().SetSeed(4242);
    }
    int ActiveEvents(int s) {
        int n = 0;
        for (int e = 1; e <= 4; ++e) n += G().SpaceEvents[s][e][SpaceEvent::Active];
        return n;
    }
    void ClearEvents(int s) {
        for (int e = 1; e <= 4; ++e) {
            GameRecord& ev = G().SpaceEvents[s][e];
            if (ev[SpaceEvent::Active])
                G().Planets[s][ev[SpaceEvent::Location]][Planet::Exists] = 0;
            ev[SpaceEvent::Active] = 0;
        }
    }
};

TEST_F(SpaceEvents, AnEventTakesTheHighestFreeIndexAndAFreeCellAndAtMostFourFit) {
    const int s = 7;
    ClearEvents(s);
    G().Fleets[1][Fleet::Location] = 35;  // the fleet's index stays free, in every system
    std::map<std::pair<int, int>, int> taken;
    for (int i = 1; i <= 35; ++i) {
        const GameRecord& p = G().Planets[s][i];
        if (p[Planet::Exists]) taken[{p[Planet::MapColumn], p[Planet::MapRow]}] = i;
    }
    for (int n = 1; n <= 4; ++n) {
        int expectedSite = 0;
        for (int i = 1; i <= 34; ++i)
            if (G().Planets[s][i][Planet::Exists] == 0) expectedSite = i;
        const int slot = SpawnSpaceEvent(s, 0, 0);
        ASSERT_EQ(slot, n);  // the lowest free slot
        const GameRecord& ev = G().SpaceEvents[s][slot];
        const int site = ev[SpaceEvent::Location];
        EXPECT_EQ(site, expectedSite);
        const GameRecord& p = G().Planets[s][site];
        const int col = p[Planet::MapColumn], row = p[Planet::MapRow];
        EXPECT_TRUE(col >= 1 && col <= 5 && row >= 1 && row <= 7);
        EXPECT_FALSE(taken.count({col, row})) << "cell " << col << "," << row << " was taken";
        taken[{col, row}] = site;
        EXPECT_EQ(p[Planet::Kind], PlanetKind::Special);
        EXPECT_EQ(p[Planet::Picture], 60 + ev[SpaceEvent::Kind]);
        EXPECT_EQ(p[Planet::EventSlot], slot);
        EXPECT_EQ(p[Planet::Owner], G().StarSystems[s][StarSystem::Owner]);
        EXPECT_EQ(ev[SpaceEvent::RulingFaction], G().StarSystems[s][StarSystem::Owner]);
        EXPECT_TRUE(ev[SpaceEvent::Value] >= 10 && ev[SpaceEvent::Value] <= 50);
        EXPECT_EQ(SpaceEventSlotAt(s, site), slot);
    }
    auto before = test::SaveGame();
    EXPECT_EQ(SpawnSpaceEvent(s, 0, 0), 0);
    EXPECT_EQ(G().Planets[s], before->Planets[s]);
    EXPECT_EQ(G().SpaceEvents[s], before->SpaceEvents[s]);
    EXPECT_EQ(SpawnSpaceEvent(0, 0, 0), 0);
    EXPECT_EQ(SpawnSpaceEvent(27, 0, 0), 0);

    // Every index in use: no event.
    const int full = 9;
    ClearEvents(full);
    for (int i = 1; i <= 35; ++i) G().Planets[full][i][Planet::Exists] = 1;
    EXPECT_EQ(SpawnSpaceEvent(full, 0, 0), 0);
    EXPECT_EQ(ActiveEvents(full), 0);
}

TEST_F(SpaceEvents, RecordsOffTheMapOccupyNoCell) {
    // Broken coordinates of existing records (a damaged save) must not be written into the
    // grid; the event still finds a cell on the map.
    const int s = 7;
    ClearEvents(s);
    for (int i = 1; i <= 35; ++i) {
        GameRecord& p = G().Planets[s][i];
        if (!p[Planet::Exists]) continue;
        p[Planet::MapColumn] = (i % 2) ? 0 : 40;
        p[Planet::MapRow] = (i % 3) ? -7 : 120;
    }
    for (int n = 0; n < 200; ++n) {
        const int slot = SpawnSpaceEvent(s, 0, 0);
        ASSERT_GE(slot, 1);
        ClearEvents(s);
    }
}

TEST_F(SpaceEvents, KindsComeWithTheirOddsAndTexts) {
    // Out of 220: lifepod 11, container 30, treasure 59, artefact 21, spy ship 20, survivor 20,
    // ghost ship 20, VIP 39; never the anomaly.
    const std::map<int, int> kOdds = {{1, 11}, {2, 20}, {3, 59}, {4, 21},
                                      {6, 20}, {7, 20}, {8, 30}, {9, 39}};
    const std::map<int, std::string> kNames = {
        {1, "Lifepod"},  {2, "Ghostship"}, {3, "Treasure"},  {4, "Alien Artefact"},
        {6, "Spy ship"}, {7, "Survivor"},  {8, "Container"}, {9, "VIP"}};
    std::map<int, int> seen;
    const int s = 7, draws = 22000;
    for (int n = 0; n < draws; ++n) {
        ClearEvents(s);
        const int slot = SpawnSpaceEvent(s, 0, 0);
        ASSERT_EQ(slot, 1);
        const int kind = G().SpaceEvents[s][1][SpaceEvent::Kind];
        ++seen[kind];
        const int site = G().SpaceEvents[s][1][SpaceEvent::Location];
        ASSERT_EQ(G().PlanetNames[s][site], kNames.at(kind));
        if (kind == SpaceEventKind::Container) {
            ASSERT_EQ(G().PlanetDescriptions[s][site],
                      "Someone seems to have lost a cargo container!");
        }
    }
    EXPECT_EQ(seen.count(5), 0u);
    for (auto [kind, odds] : kOdds) {
        const double expected = draws * odds / 220.0;
        EXPECT_NEAR(seen[kind], expected, expected * 0.12) << "kind " << kind;
    }
}

TEST_F(SpaceEvents, EventsVanishAndAppearButNotUnderTheNoseOfATravellingCaptain) {
    for (int s = 1; s <= 26; ++s) ClearEvents(s);
    ASSERT_EQ(SpawnSpaceEvent(7, 0, 0), 1);
    const int kept = G().SpaceEvents[7][1][SpaceEvent::Location];
    // The fleet standing on that index keeps system 8's event off it.
    G().Fleets[1][Fleet::Location] = kept;
    ASSERT_EQ(SpawnSpaceEvent(8, 0, 0), 1);
    G().Fleets[1][Fleet::Location] = 1;
    // On the way to a location with the same index, even in another system.
    G().Fleets[1][Fleet::Destination] = kept;
    ASSERT_NE(G().SpaceEvents[8][1][SpaceEvent::Location], kept);
    // A slot that names a catalogue planet (a damaged save): it goes, the planet stays.
    G().SpaceEvents[9][1] = G().SpaceEvents[8][1];
    G().SpaceEvents[9][1][SpaceEvent::Location] = 1;
    ASSERT_EQ(G().Planets[9][1][Planet::Kind], PlanetKind::Planet);

    int appeared = 0;
    bool gone8 = false, gone9 = false;
    for (int turn = 0; turn < 3000; ++turn) {
        const int before = ActiveEvents(12);
        UpdateSpaceEvents();
        appeared += ActiveEvents(12) > before;
        gone8 |= G().SpaceEvents[8][1][SpaceEvent::Active] == 0;
        gone9 |= G().SpaceEvents[9][1][SpaceEvent::Active] == 0;
        ASSERT_EQ(G().SpaceEvents[7][1][SpaceEvent::Active], 1) << "turn " << turn;
    }
    // 3000 turns at 5 in 1000: the other two went (a chance of 3e-7 to stay each).
    EXPECT_TRUE(gone8);
    EXPECT_TRUE(gone9);
    EXPECT_EQ(G().Planets[9][1][Planet::Exists], 1);
    // System 12 gained events now and then: about 15 in 3000 turns while slots were free.
    EXPECT_GE(appeared, 4);
}

TEST_F(SpaceEvents, TheSiteLookupTrustsNeitherSlotNorLocationBlindly) {
    ClearEvents(7);
    const int slot = SpawnSpaceEvent(7, 0, 0);
    const int site = G().SpaceEvents[7][slot][SpaceEvent::Location];
    EXPECT_EQ(SpaceEventSlotAt(7, site), slot);
    EXPECT_EQ(SpaceEventSlotAt(7, 1), 0);  // a catalogue planet
    G().Planets[7][site][Planet::EventSlot] = 9;
    EXPECT_EQ(SpaceEventSlotAt(7, site), 0);
    G().Planets[7][site][Planet::EventSlot] = slot;
    G().SpaceEvents[7][slot][SpaceEvent::Location] = site == 1 ? 2 : 1;
    EXPECT_EQ(SpaceEventSlotAt(7, site), 0);
    EXPECT_EQ(SpaceEventSlotAt(7, 0), 0);
    EXPECT_EQ(SpaceEventSlotAt(7, 36), 0);
    EXPECT_EQ(SpaceEventSlotAt(30, site), 0);
}

class TreasureFleet : public SpaceEvents {
  protected:
    GameRecord& Captain() { return G().Players[1]; }
    // Runs MoveTreasureFleet until the fleet's state changes; at most 20000 times.
    void RunUntilChange(const std::string& dialog, const std::string& button) {
        const int before = Captain()[Player::TreasureFleetSystem];
        for (int n = 0; n < 20000 && Captain()[Player::TreasureFleetSystem] == before; ++n) {
            player().Reset();
            if (!dialog.empty()) player().Click(dialog, button);
            MoveTreasureFleet();
        }
        ASSERT_NE(Captain()[Player::TreasureFleetSystem], before);
    }
};

TEST_F(TreasureFleet, ItLaunchesFromSolWithTheNewsAndMovesAlongTheJumpPoints) {
    Captain()[Player::HideTreasureFleetNews] = 1;  // the launch news shows all the same
    RunUntilChange("TMessage4", "SpeedButton1");
    EXPECT_EQ(Captain()[Player::TreasureFleetSystem], 1);  // launched, not moved on as well
    ASSERT_EQ(player().TimesSeen("TMessage4"), 1);
    EXPECT_EQ(player().LastSeen("TMessage4")->Text("Label2"), "News");
    EXPECT_EQ(player().LastSeen("TMessage4")->Picture("Image1"), "treasurefleetg.jpg");
    ASSERT_EQ(Message4->Memo1->lines.size(), 3u);
    EXPECT_TRUE(Message4->Memo1->lines[0].starts_with("\"Today a new heavily guarded fleet"));

    // A move: the news, when switched on, names the system; ticking the box stops them.
    Captain()[Player::HideTreasureFleetNews] = 0;
    Captain()[Player::TreasureFleetNoticeShown] = 1;
    player().Reset();
    for (int n = 0; n < 20000 && Captain()[Player::TreasureFleetSystem] == 1; ++n) {
        player().Reset();
        player().Tick("TMessage6", "CheckBox1", true).Click("TMessage6", "SpeedButton3");
        MoveTreasureFleet();
    }
    const int next = Captain()[Player::TreasureFleetSystem];
    bool linked = false;
    for (int l = 1; l <= 35; ++l) {
        const GameRecord& p = G().Planets[1][l];
        linked |= p[Planet::Exists] && p[Planet::Kind] == PlanetKind::JumpPoint &&
                  p[Planet::JumpTarget] == next;
    }
    EXPECT_TRUE(linked) << next;
    EXPECT_EQ(Captain()[Player::TreasureFleetNoticeShown], 0);
    EXPECT_EQ(player().LastSeen("TMessage6")->Text("Label1"),
              "The treasure fleet has moved to " + G().SystemNames[next].str());
    EXPECT_EQ(Captain()[Player::HideTreasureFleetNews], 1);
    RunUntilChange("", "");  // silent now, and still moving
    player().Reset();
}

TEST_F(TreasureFleet, TheStopNoticeShowsOncePerStopAndNeverOnceTaken) {
    Captain()[Player::TreasureFleetSystem] = 4;
    G().Fleets[1][Fleet::System] = 4;
    G().Fleets[1][Fleet::Location] = 2;
    ShowTreasureFleetNotice();  // not at its planet
    G().Fleets[1][Fleet::Location] = 1;
    player().Click("TMessage4", "SpeedButton1");
    ShowTreasureFleetNotice();
    ShowTreasureFleetNotice();
    EXPECT_EQ(player().TimesSeen("TMessage4"), 1);
    EXPECT_EQ(player().LastSeen("TMessage4")->Text("Label2"), "Treasure fleet");
    EXPECT_EQ(player().LastSeen("TMessage4")->Picture("Image1"), "treasurefleet.jpg");
    Captain()[Player::TreasureFleetNoticeShown] = 0;  // it moved away and came back
    player().Click("TMessage4", "SpeedButton1");
    ShowTreasureFleetNotice();
    EXPECT_EQ(player().TimesSeen("TMessage4"), 2);

    Captain()[Player::TreasureFleetSystem] = -1;
    Captain()[Player::TreasureFleetNoticeShown] = 0;
    for (int n = 0; n < 5000; ++n) {
        MoveTreasureFleet();
        ShowTreasureFleetNotice();
    }
    EXPECT_EQ(Captain()[Player::TreasureFleetSystem], -1);
    EXPECT_EQ(player().TimesSeen("TMessage4"), 2);
}

TEST_F(TreasureFleet, AStopWithNoWayOnReportsTheErrorAndStays) {
    for (int l = 1; l <= 35; ++l)
        if (G().Planets[1][l][Planet::Kind] == PlanetKind::JumpPoint)
            G().Planets[1][l][Planet::Exists] = 0;
    Captain()[Player::TreasureFleetSystem] = 1;
    Captain()[Player::TreasureFleetNoticeShown] = 1;
    int errors = 0;
    std::string text;
    for (int n = 0; n < 500; ++n) {
        player().Reset();
        player()
            .Do("TMessage1", [&](ui::Form&) { text = Message1->Label1->caption; })
            .Click("TMessage1", "SpeedButton3");
        MoveTreasureFleet();
        if (player().Pending() == 0) ++errors;
    }
    player().Reset();
    EXPECT_GT(errors, 0);  // 16 in 1000 a turn: about 8
    EXPECT_EQ(Captain()[Player::TreasureFleetSystem], 1);
    EXPECT_NE(text.find("789"), std::string::npos);
}

}  // namespace
}  // namespace corvanth
