// The mission encounter screen.
#include "combat/EncounterScreen2.h"

#include <string>

#include "career/missions.h"
#include "combat/combat2.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm20> Form20{"TForm20"};

namespace {

const char* const kSizes[] = {"VERY SMALL", "SMALL", "MEDIUM", "LARGE", "VERY LARGE"};

std::string EnemyClass() {
    return ShipClassName(0, 1);
}

// The player's fastest present ship against every present enemy ship.
bool EnemyFaster() {
    const GameState& g = G();
    int fastest = 0;
    for (int ship = 1; ship <= 4; ++ship) {
        const GameRecord& own = ShipRecord(g.CurrentFleet, ship);
        if (own[Ship::Present] > 0 && own[Ship::Speed] > fastest) fastest = own[Ship::Speed];
    }
    for (int ship = 1; ship <= 4; ++ship) {
        const GameRecord& enemy = ShipRecord(0, ship);
        if (enemy[Ship::Present] > 0 && enemy[Ship::Speed] > fastest) return true;
    }
    return false;
}

void Fight() {
    GameUpcalls().ShowCombatScreen();
}

}  // namespace

int MissionEncounterAttitude(int faction) {
    if (faction == 0 || FactionRecord(faction)[Faction::Warned] != 1) return 2;
    return 1;
}

bool RetreatCaught(int stage, bool enemyFaster, int r) {
    if (enemyFaster) return r > (stage == 3 ? 5 : 20);
    if (stage == 1) return r > 80;
    if (stage == 2) return r > 50;
    return r > 30;
}

TForm20::TForm20() : ui::Form("TForm20") {
    Label1 = Bind<ui::Label>("Label1");
    Image2 = Bind<ui::Image>("Image2");
    Label2 = Bind<ui::Label>("Label2");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    TutorialHand = Bind<ui::Panel>("TutorialHand");
    TutorialHandPicture = Bind<ui::Image>("TutorialHandPicture");
    TutorialTimer = Bind<ui::Timer>("TutorialTimer");
    TutorialTimer->OnTimer = [this] { TutorialTimerTimer(); };
    closeBox = false;
}

void TForm20::FormActivate() {
    EncounterResolved = 0;
}

bool TForm20::CloseQuery() {
    return EncounterResolved == 1;
}

void TForm20::Resolve() {
    EncounterResolved = 1;
    Close();
}

void RefreshMissionEncounter() {
    TForm20& f = *Form20;
    const GameRecord& enemy = EncounterEnemy();
    f.SpeedButton1->enabled = f.SpeedButton2->enabled = true;
    f.SpeedButton2->caption = "Fly away";
    // The scanner's and the ship's pictures fill the box; the faction's round logo of the last
    // stage stands on the box's ground, its black left out.
    f.Image2->transparent = EncounterStage > 2;
    if (EncounterStage <= 1) {
        const int size = enemy[Ship::SizeClass];
        const std::string word = size >= 1 && size <= 5 ? kSizes[size - 1] : "";
        f.SpeedButton1->caption = "Investigate";
        f.Image2->LoadPicture("TargetingSystem.jpg");
        f.Label2->caption = "You have a " + word +
                            " vessel on your long-range scanners, but you can not say yet what "
                            "kind of ship it is.";
    } else if (EncounterStage == 2) {
        f.SpeedButton1->caption = "Investigate";
        f.Image2->LoadPicture(GetShipPictureName(enemy[Ship::Class]));
        f.Label2->caption = "It is a " + EnemyClass() +
                            ". You are still not close enough to identify its faction or "
                            "intentions.";
    } else {
        const int faction = enemy[Ship::Faction];
        f.SpeedButton1->caption = "Close in for battle";
        f.Image2->LoadPicture(G().FactionPictures[ValidFaction(faction) ? faction : 0].str());
        f.Label2->caption = "Your scanners indicate its a " + EnemyClass() + " of the " +
                            FactionName(faction) + ".";
    }
}

void ShowMissionEncounterScreen() {
    EncounterStage = 1;
    RefreshMissionEncounter();
    PlayAlertSound();
    Form20->ShowModal();
}

void TForm20::SpeedButton1Click() {
    PlayButtonSound();
    const int attitude = MissionEncounterAttitude(EncounterEnemy()[Ship::Faction]);
    if (EncounterStage < 3) {
        ++EncounterStage;
        RefreshMissionEncounter();
        return;
    }
    if (TutorialStep == 29) AdvanceTutorialStep29();
    if (attitude == 2 || Random(100) > 50) {
        ShowMessage1("You attack the enemy " + EnemyClass() + " ship!");
        StartCombat();
    } else {
        ShowMessage1("The enemy " + EnemyClass() + " ship fires first!");
        StartCombatEnemyFirst();
    }
    Fight();
    Resolve();
}

void TForm20::SpeedButton2Click() {
    PlayButtonSound();
    const int attitude = MissionEncounterAttitude(EncounterEnemy()[Ship::Faction]);
    if (attitude == 1 && RetreatCaught(EncounterStage, EnemyFaster(), Random(100))) {
        if (EncounterStage < 3) {
            ShowMessage1("The other ship is faster than your ship and is closing in.");
            ++EncounterStage;
            RefreshMissionEncounter();
            return;
        }
        ShowMessage1("The " + EnemyClass() + " ship fires!");
        StartCombatEnemyFirst();
        Fight();
        Resolve();
        return;
    }
    ShowMessage1("You retreat.");
    FailMissionUnlessPatrol();
    Resolve();
}

void TForm20::TutorialTimerTimer() {
    TurnTutorialHand(*TutorialHand);
}

}  // namespace corvanth
