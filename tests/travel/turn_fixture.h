// A new game for turn tests, with the routines of the other subsystems replaced by recorders.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "shell/background.h"
#include "shell/retire.h"
#include "state/Module1.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/variables.h"
#include "support/game_test.h"
#include "travel/NextTurnUnit.h"
#include "tutorial/Tutorial.h"

namespace corvanth::test {

// The Federation captain's start: home system 4, location 1, a class-3 ship crewed to its
// minimum with officers.
inline void StartTestGame() {
    InitGameData();
    GameState& g = G();
    LoadShipType(3);
    for (int f = 1; f <= 100; ++f) g.Ships[1][1][f] = g.Ships[0][0][f];
    for (int slot = Slot::First; slot <= Slot::Last; ++slot)
        for (int f = 1; f <= 100; ++f)
            g.ShipEquipment[1][1][slot][f] = g.ShipEquipment[0][0][slot][f];
    g.Ships[1][1][Ship::Present] = 1;
    g.Ships[1][1][Ship::CrewOfficers] = std::max(1, g.Ships[1][1][Ship::CrewMin]);
    RecalcShipStats(1, 1, 0, 0);
}

class TurnTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        StartTestGame();
        ClearGameEnded();
        TutorialStep = 0;
        Rng().SetSeed(20260611);
        GameUpcalls() = Recorders();
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        TutorialStep = 0;
        GameTest::TearDown();
    }

    // Every call appends its name; none changes the game, except that the end of a game is the
    // real one without the score (it only marks the end and unwinds the screens).
    Upcalls Recorders() {
        Upcalls c;
        auto rec = [this](const char* name) { return [this, name] { calls.push_back(name); }; };
        c.EndTutorial = rec("EndTutorial");
        c.ClampPlayerValues = rec("ClampPlayerValues");
        c.UpdateDiplomacy = rec("UpdateDiplomacy");
        c.GenerateMissionOffers = rec("GenerateMissionOffers");
        c.UpdateSpaceEvents = rec("UpdateSpaceEvents");
        c.UpdateMarketPrices = rec("UpdateMarketPrices");
        c.RebuildFacilities = rec("RebuildFacilities");
        c.WarTurnStep = rec("WarTurnStep");
        c.MoveTreasureFleet = rec("MoveTreasureFleet");
        c.ShowTreasureFleetNotice = rec("ShowTreasureFleetNotice");
        c.CheckSystemConquests = rec("CheckSystemConquests");
        c.CheckEndOfWar = rec("CheckEndOfWar");
        c.ScanForContraband = [this](int faction) {
            calls.push_back("ScanForContraband " + std::to_string(faction));
            return false;
        };
        c.CheckPromotion = rec("CheckPromotion");
        c.StartRandomEncounter = rec("StartRandomEncounter");
        c.CheckMissionProgress = rec("CheckMissionProgress");
        c.RegenerateHireableCrew = rec("RegenerateHireableCrew");
        c.RecalcShipStats = [this](int fleet, int ship, int a, int b) {
            calls.push_back("RecalcShipStats " + std::to_string(fleet) + " " +
                            std::to_string(ship) + " " + std::to_string(a) + " " +
                            std::to_string(b));
        };
        c.CrewTurnStep = rec("CrewTurnStep");
        c.RetireAndScore = [this] {
            calls.push_back("RetireAndScore");
            EndGame();
        };
        c.ShowOldAgeInfo = rec("ShowOldAgeInfo");
        // A final death, without the death screen: the game ends through the table's routine.
        c.KillCaptain = [this] {
            calls.push_back("KillCaptain");
            Ship1()[Ship::Present] = 0;
            GameUpcalls().RetireAndScore();
        };
        c.AdvanceTournaments = rec("AdvanceTournaments");
        c.UpdateSenatorStory = rec("UpdateSenatorStory");
        return c;
    }

    bool Called(const std::string& name) const {
        for (const auto& c : calls)
            if (c == name) return true;
        return false;
    }

    GameRecord& Captain() { return G().Players[1]; }
    GameRecord& OwnFaction() { return G().Factions[G().Players[1][Player::Faction]]; }
    GameRecord& Fleet1() { return G().Fleets[1]; }
    GameRecord& Ship1() { return G().Ships[1][1]; }

    std::vector<std::string> calls;
};

// A copy of the whole game to go back to; on the heap, it is several MB.
inline std::unique_ptr<GameState> SaveGame() {
    return std::make_unique<GameState>(G());
}

}  // namespace corvanth::test
