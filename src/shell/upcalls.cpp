// The game's own routines in the table of upward calls, as the start-up installs them.
#include "state/upcalls.h"

#include "career/PersonalInfo.h"
#include "career/Promotion.h"
#include "career/governor.h"
#include "career/missions.h"
#include "career/storyteller.h"
#include "career/warstatus.h"
#include "combat/AttackPlanet.h"
#include "combat/Duelhold_Main.h"
#include "combat/Encounter.h"
#include "combat/EncounterScreen.h"
#include "combat/EncounterScreen2.h"
#include "combat/Loot.h"
#include "combat/combat2_screen.h"
#include "planet/Crew2.h"
#include "planet/CrewPay.h"
#include "planet/Scanner.h"
#include "planet/planet.h"
#include "shell/Cheats.h"
#include "shell/Dead.h"
#include "shell/Info_Retiring.h"
#include "shell/SaveLoad.h"
#include "shell/background.h"
#include "shell/name.h"
#include "shell/options.h"
#include "shell/retire.h"
#include "state/market.h"
#include "state/newgame.h"
#include "state/shipstats.h"
#include "state/variables.h"
#include "travel/UEvents.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

Upcalls StandardUpcalls() {
    Upcalls c;
    c.EndTutorial = EndTutorial;
    c.ClampPlayerValues = ClampPlayerValues;
    c.UpdateDiplomacy = UpdateDiplomacy;
    c.GenerateMissionOffers = GenerateMissionOffers;
    c.UpdateSpaceEvents = UpdateSpaceEvents;
    c.UpdateMarketPrices = UpdateMarketPrices;
    c.RebuildFacilities = RebuildFacilities;
    c.WarTurnStep = WarTurnStep;
    c.MoveTreasureFleet = MoveTreasureFleet;
    c.ShowTreasureFleetNotice = ShowTreasureFleetNotice;
    c.CheckSystemConquests = CheckSystemConquests;
    c.CheckEndOfWar = CheckEndOfWar;
    c.ScanForContraband = ScanForContraband;
    c.CheckPromotion = CheckPromotion;
    c.StartRandomEncounter = StartRandomEncounter;
    c.CheckMissionProgress = CheckMissionProgress;
    c.RegenerateHireableCrew = RegenerateHireableCrew;
    c.RecalcShipStats = RecalcShipStats;
    c.CrewTurnStep = CrewTurnStep;
    c.AdvanceTournaments = AdvanceTournaments;
    c.UpdateSenatorStory = UpdateSenatorStory;

    // A combat already under way is not opened a second time.
    c.ShowCombatScreen = [] {
        if (G().CombatMayClose == 0) ShowCombatScreen();
    };
    c.ShowEncounterScreen = ShowEncounterScreen;
    c.ShowMissionEncounterScreen = ShowMissionEncounterScreen;
    c.ShowLoot = OfferLootItem;
    c.RefreshTravelScreen = [] { RefreshTravelScreen(); };
    c.RefreshStatusPanel = [] { RefreshStatusPanel(); };

    c.KillCaptain = KillCaptain;
    c.RetireAndScore = RetireAndScore;
    c.EndGame = EndGame;
    c.ShowOldAgeInfo = ShowOldAgeInfo;

    c.ShowOptions = [] {
        LoadOptionsForm();
        Form58->ShowModal();
    };
    c.ShowSaveLoad = [] {
        RefreshSaveLoadForm();
        Form37->ShowModal();
    };
    c.ShowCheatPanel = [] {
        RefreshCheatForm();
        Form40->ShowModal();
    };
    c.SetFactionButtons = [](bool enabled) {
        Form4->SpeedButton1->enabled = enabled;
        Form4->SpeedButton2->enabled = enabled;
    };

    c.TravelMapCell = [](int row, int column) -> ui::Component* {
        if (row < 1 || row > kMapRows || column < 1 || column > kMapColumns) return nullptr;
        return Form2->Find("PanelPlanet" + CellName(row, column));
    };
    c.RefreshPlanetPanel = RefreshPlanetPanel;
    c.ShowPlanetScreen = [] {
        RefreshPlanetScreen();
        Form3->ShowModal();
    };
    c.ShowShipScanner = [] {
        ShowOwnShipScan(G().CurrentFleet, G().CurrentShip);
        Form6->ShowModal();
    };
    c.ShowPersonalInfo = [] {
        ShowPersonalInfo();
        Form28->ShowModal();
    };
    c.ShowGovernorScreen = [] {
        RefreshGovernorScreen();
        Form27->ShowModal();
    };
    c.RaidFleetLocation = RaidFleetLocation;
    c.PlanetsLeftToRecord = PlanetsLeftToRecord;
    c.ReportCrimeSectorWarned = ReportCrimeSectorWarned;
    c.SetupShipOfType = SetupShipOfType;
    c.StartShipBattle = StartShipBattle;
    c.ShowArenaScreen = [] {
        RefreshArenaScreen();
        Form61->ShowModal();
    };
    c.StartMissionEncounter = StartMissionEncounter;
    return c;
}

}  // namespace corvanth
