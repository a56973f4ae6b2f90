// The one table of routines that code in a lower folder calls in a higher one.
#pragma once

#include <functional>
#include <string>

namespace ui {
class Component;
}

namespace corvanth {

// The game's folders stand in layers, each a library that links only the one below it: ui, state,
// tutorial, travel, planet, career, combat, shell. A folder reaches one above it only through this
// table; the turn engine takes its steps in lower folders from it as well, so that a test can
// replace any step. The start-up fills it once (StandardUpcalls in shell/background.h); a test or a
// benchmark replaces the entries it wants to record or silence. An entry never filled does nothing.
struct Upcalls {
    // One day of the turn engine (travel/NextTurnUnit.cpp), in the order it calls them.
    std::function<void()> EndTutorial = [] {};            // tutorial
    std::function<void()> ClampPlayerValues = [] {};      // state/newgame
    std::function<void()> UpdateDiplomacy = [] {};        // career/warstatus
    std::function<void()> GenerateMissionOffers = [] {};  // career/missions
    std::function<void()> UpdateSpaceEvents = [] {};      // travel/UEvents
    std::function<void()> UpdateMarketPrices = [] {};     // state/market
    std::function<void()> RebuildFacilities = [] {};      // career/warstatus
    std::function<void()> WarTurnStep = [] {};            // career/warstatus
    std::function<void()> MoveTreasureFleet = [] {};      // travel/UEvents
    std::function<void()> ShowTreasureFleetNotice = [] {};
    std::function<void()> CheckSystemConquests = [] {};  // career/warstatus
    std::function<void()> CheckEndOfWar = [] {};
    // A customs scan by the planet's owner; true when contraband was found.
    std::function<bool(int faction)> ScanForContraband = [](int) { return false; };
    // Also after every gain of fame or reputation, a bank payment and a mission's success.
    std::function<void()> CheckPromotion = [] {};          // career/Promotion
    std::function<void()> StartRandomEncounter = [] {};    // combat/Encounter
    std::function<void()> CheckMissionProgress = [] {};    // career/missions
    std::function<void()> RegenerateHireableCrew = [] {};  // planet/Crew2
    std::function<void(int fleet, int ship, int skipArmour, int battleRound)> RecalcShipStats =
        [](int, int, int, int) {};                     // state/shipstats
    std::function<void()> CrewTurnStep = [] {};        // planet/CrewPay
    std::function<void()> AdvanceTournaments = [] {};  // combat/Duelhold_Main
    std::function<void()> UpdateSenatorStory = [] {};  // career/storyteller

    // The screens of a fight (combat/), opened by the encounters, the raids, the missions and
    // the space events.
    std::function<void()> ShowCombatScreen = [] {};  // TForm14, modal until the combat is decided
    std::function<void()> ShowEncounterScreen = [] {};         // TForm15: a random encounter
    std::function<void()> ShowMissionEncounterScreen = [] {};  // TForm20: a mission's encounter
    // The loot offer of LootItem on TForm51, with its headline and lead-in line.
    std::function<void(const std::string& headline, const std::string& leadIn)> ShowLoot =
        [](const std::string&, const std::string&) {};
    // The travel screen (travel/) redrawn after a fight or a raid, and its status panel alone.
    std::function<void()> RefreshTravelScreen = [] {};
    std::function<void()> RefreshStatusPanel = [] {};

    // The end of a captain (shell/).
    // The death screen (TForm43): its second chance makes ship 1 present again, otherwise the
    // game ends with the score.
    std::function<void()> KillCaptain = [] {};
    // The score, the high-score table and the end of the game.
    std::function<void()> RetireAndScore = [] {};
    // The end without a score, back to the main menu.
    std::function<void()> EndGame = [] {};
    // The words on retiring in time, before the fatal heart attack.
    std::function<void()> ShowOldAgeInfo = [] {};

    // The shell's screens that the game's screens open (shell/).
    std::function<void()> ShowOptions = [] {};     // TForm58, from the travel screen
    std::function<void()> ShowSaveLoad = [] {};    // TForm37, from the planet screen
    std::function<void()> ShowCheatPanel = [] {};  // TForm40, from the bank's hidden picture
    // The new-captain screen's two faction buttons, held while the tutorial runs.
    std::function<void(bool enabled)> SetFactionButtons = [](bool) {};

    // The tutorial's calls into the travel screen; the travel screen's and the space events' into
    // the planet, career and combat folders; the planet screen's into career and combat; the
    // missions' and the story's into combat.
    // The travel screen's map cell at row 1..7, column 1..5, for the tutorial's hand; none
    // outside the map.
    std::function<ui::Component*(int row, int column)> TravelMapCell =
        [](int, int) -> ui::Component* { return nullptr; };
    std::function<void()> RefreshPlanetPanel = [] {};  // travel, for the tutorial
    // The travel screen's buttons and the space events.
    std::function<void()> ShowPlanetScreen = [] {};    // TForm3, docked at the fleet's location
    std::function<void()> ShowShipScanner = [] {};     // TForm6 on the captain's own ship
    std::function<void()> ShowPersonalInfo = [] {};    // TForm28
    std::function<void()> ShowGovernorScreen = [] {};  // TForm27, also from the planet screen
    std::function<void()> RaidFleetLocation = [] {};   // combat/AttackPlanet
    std::function<int()> PlanetsLeftToRecord = [] { return 0; };            // career/missions
    std::function<void(int faction)> ReportCrimeSectorWarned = [](int) {};  // career/governor
    // Ship class 1..27 set up as ship `slot` of the other side (combat/Encounter).
    std::function<void(int type, int slot)> SetupShipOfType = [](int, int) {};
    // A fight at once, from the space events and the story (combat/Encounter).
    std::function<void(int sizeClass, int faction, int shipType)> StartShipBattle = [](int, int,
                                                                                       int) {};
    // The planet screen's arena (combat/Duelhold_Main), TForm61.
    std::function<void()> ShowArenaScreen = [] {};
    // The meeting an active mission asks for (combat/Encounter).
    std::function<void(int sizeClass, int faction, int shipType)> StartMissionEncounter =
        [](int, int, int) {};
};
Upcalls& GameUpcalls();

}  // namespace corvanth
