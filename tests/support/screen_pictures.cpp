#include "support/screen_pictures.h"

#include <gtest/gtest.h>

#include <map>

namespace corvanth::test {

bool DrawsPicture(const std::string& form) {
    // The first test, by name, that shows each screen to the scripted player.
    static const std::map<std::string, std::string> kWriter = {
        {"TCarelessTrip", "Ageing.ADeathDuringATripEndsTheGameOnceAndNothingRunsAfterIt"},
        {"TForm1", "Ageing.ADeathDuringATripEndsTheGameOnceAndNothingRunsAfterIt"},
        {"TForm13", "Actions.AJumpSpendsItsDaysAtTheArrivalPointOfTheTargetSystem"},
        {"TForm17", "BarPath.ACaptainDocksTriesEveryBarButtonAndRetiresThere"},
        {"TForm18", "BarPath.ACaptainDocksTriesEveryBarButtonAndRetiresThere"},
        {"TForm20", "MissionProgress.EncounterScreenStagesRetreatsAndItsCloseGuard"},
        {"TForm21", "Bar.AVisitRaisesTheToleranceAndBansDrinkingUntilPastAHundred"},
        {"TForm24", "CrewScreens.HireDismissAndTheirRefusalsLeaveCrewSupplyAndMoneyRight"},
        {"TForm25", "BarPath.TheCrewScannerPaysTheCrew"},
        {"TForm27", "GovernorOffice.ButtonsAmnestyAllegianceAndCancel"},
        {"TForm3", "ArenaPath.FromTheMainMenuToGamerisAndIntoTheArena"},
        {"TForm31", "MainMenu.CreditsShowTheirLinksAndTheLinkOpensTheHandbook"},
        {"TForm32", "Boarding.ACapturedFerendarIsTakenWithTheOldCrew"},
        {"TForm33", "Raid.AFlightTheLastWaveAndTheTreasureFleet"},
        {"TForm34", "Plunder.TheScreenRefusesToCloseUntilAnEndIsChosen"},
        {"TForm37", "FileFaults.ASaveIntoAnEmptySlotClaimsNoGameKept"},
        {"TForm38", "BarPath.ACaptainDocksTriesEveryBarButtonAndRetiresThere"},
        {"TForm39", "BarPath.ACaptainDocksTriesEveryBarButtonAndRetiresThere"},
        {"TForm4", "ArenaPath.FromTheMainMenuToGamerisAndIntoTheArena"},
        {"TForm40", "Bank.ABondEarnsFameAndReputationAndSellsAfterFiveHundredTurns"},
        {"TForm41", "Diplomacy.TheWarStatusScreenShowsTheOtherThreeInOrder"},
        {"TForm43", "Death.AHeartAttackOnATripTakesALifePointAndWithoutOneEndsTheGameWithItsScore"},
        {"TForm46", "MissionProgress.EncounterScreenStagesRetreatsAndItsCloseGuard"},
        {"TForm47", "Boarding.ACapturedFerendarIsTakenWithTheOldCrew"},
        {"TForm48", "Boarding.ACapturedFerendarIsTakenWithTheOldCrew"},
        {"TForm49", "Law.ContrabandBannedGoodsSmugglingMissionsAndTheAmnesty"},
        {"TForm50", "Law.ContrabandBannedGoodsSmugglingMissionsAndTheAmnesty"},
        {"TForm52", "BarPath.TheCrewScannerPaysTheCrew"},
        {"TForm53", "TradingCareer.FirstTripsOfAFederationTrader"},
        {"TForm57", "BarPath.ACaptainDocksTriesEveryBarButtonAndRetiresThere"},
        {"TForm58", "MissionBox.MarkersBlinkOnTheirCellsWhileTheBoxIsOpen"},
        {"TForm59", "StartUp.AKilledRunIsFollowedByThePromptAndProtectedModeKeepsOnlyTheClicks"},
        {"TForm6", "BarPath.TheCrewScannerPaysTheCrew"},
        {"TForm60", "Death.AHeartAttackOnATripTakesALifePointAndWithoutOneEndsTheGameWithItsScore"},
        {"TForm7", "CargoTransfer.TransfersAreCutToTheRoomAndNeverRunBackwards"},
        {"TForm8", "GovernorOffice.EmptyListsRejectionsAndTheMissionScreensGuards"},
        {"TForm9", "Bank.ABondEarnsFameAndReputationAndSellsAfterFiveHundredTurns"},
        {"TMessage1", "Actions.JumpsThatCannotBeMadeOnlyPassTheTurn"},
        {"TMessage2", "MessageDialogs.ButtonsOfTheOtherDialogsClickAndClose"},
        {"TMessage3", "Actions.AJumpSpendsItsDaysAtTheArrivalPointOfTheTargetSystem"},
        {"TMessage4", "AdventureStart.RunsOncePerGameAndKeepsHigherWings"},
        {"TMessage5", "Docking.TheDealerSellsFiveDosesAndTheTurnEngineHonoursThem"},
        {"TMessage6", "Actions.SearchesWaitAThousandTurnsAndTheAnomalyTwoHundred"},
        {"TMessage7", "WarNews.TheBoxesSwitchOffWhatTheySayAndNothingElse"},
        {"TProbeA", "ModalTest.AKeyThatClosesTheTopScreenDoesNotReachTheOneBelow"},
        {"TProbeB", "ModalTest.AKeyThatClosesTheTopScreenDoesNotReachTheOneBelow"},
        {"TProbeC", "ModalTest.AScreenClosedUnderAnotherEndsItsLoopWhenTheUpperOneCloses"},
        {"TProbeHint", "HintTest.AHintComesAfterHalfASecondOfRestAndNeverTakesAClick"},
        {"TTickingScreen", "GameEnd.AnEndInATimerTickThreeScreensDeepRunsNoCodeAfterAnyShowModal"},
        {"Texp1_Message2", "Bar.AVisitRaisesTheToleranceAndBansDrinkingUntilPastAHundred"},
        {"Texp1_message1", "ArenaPath.FromTheMainMenuToGamerisAndIntoTheArena"},
    };
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const auto it = kWriter.find(form);
    return test && it != kWriter.end() &&
           it->second == std::string(test->test_suite_name()) + "." + test->name();
}

}  // namespace corvanth::test
