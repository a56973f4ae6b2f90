// The encounter approach screen and the rules of the approach.
#include "combat/EncounterScreen.h"

#include <algorithm>

#include "career/governor.h"
#include "combat/EncounterScreen2.h"
#include "combat/combat2.h"
#include "combat/combat2_parts.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/reputation.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/UEvents.h"

namespace corvanth {

ui::Screen<TForm15> Form15{"TForm15"};

namespace {

constexpr int kRewardAtLeast = 500;
constexpr int kRewardAtMost = 1000000;
constexpr int kPraiseAtLeast = 40;
constexpr int kCrimeUpTo = 40;  // Random(100) <= 40: 41 in 100

int EnemyFaction() {
    return EncounterEnemy()[Ship::Faction];
}
int Reputation(int f) {
    return FactionRecord(f)[Faction::Reputation];
}
// The captain's faction's relation to f: 1 peace, 2 war, 0 none.
int RelationTo(int f) {
    return f >= 1 && f <= FactionId::Pirates ? CaptainFactionRecord()[Faction::RelationBase + f]
                                             : 0;
}
bool OwnSide(int f) {
    return f > 0 && f == CaptainFaction();
}

// The first present ship of fleet 0 of the largest size class.
int LargestShip() {
    int best = 0;
    for (int ship = 1; ship <= 4; ++ship) {
        const GameRecord& rec = ShipRecord(0, ship);
        if (rec[Ship::Present] > 0 &&
            (best == 0 || rec[Ship::SizeClass] > ShipRecord(0, best)[Ship::SizeClass]))
            best = ship;
    }
    return best;
}

void EndEncounter() {
    EncounterResolved = 1;
    Form15->Close();
}

void Fight() {
    StartCombat();
    GameUpcalls().ShowCombatScreen();
}

void Praise(const std::string& text, const std::string& picture) {
    ShowFixedNotice(text, picture);
}

void Communicate() {
    GameRecord& captain = Captain();
    const int f = EnemyFaction();
    const int r = Random(100);
    if (r < 26) {
        const int s = FleetSystem();
        const int slot = SpawnSpaceEvent(s, 0, 0);
        if (slot < 1) {
            PlayBadSound();
            ShowMessage1("You get no response.");
            return;
        }
        PlayReward1Sound();
        Praise("You get information about a new secret location in this sector. " +
                   LocationName(s, G().SpaceEvents[s][slot][SpaceEvent::Location]),
               G().FactionSmallPictures[f].str());
    } else if (r <= 70) {
        PlayReward2Sound();
        const int m =
            std::clamp(Random(captain[Player::Money] / 10), kRewardAtLeast, kRewardAtMost);
        captain[Player::Money] = AfterGain(captain[Player::Money], m);
        GameUpcalls().RefreshStatusPanel();
        Praise(
            "The foreign captain praises you for your good services for your country. You are "
            "rewarded with " +
                FormatThousands(m) + " $C.",
            "treasure_sm.jpg");
    } else {
        const int fame = std::max(kPraiseAtLeast, Random(captain[Player::Fame] / 30));
        const int reputation = std::max(kPraiseAtLeast, Random(Reputation(f) / 30));
        PlayReward1Sound();
        Praise(
            "The foreign captain praises you for your good services for your country. Word "
            "about your presence in this sector spreads. You gain some fame and reputation.",
            G().FactionSmallPictures[f].str());
        GainFame(fame);
        GainReputation(f, reputation);
        GameUpcalls().RefreshStatusPanel();
    }
}

}  // namespace

std::string SizeWord(int sizeClass) {
    static const char* const kWords[] = {"VERY SMALL", "SMALL", "MEDIUM", "LARGE", "VERY LARGE"};
    return sizeClass >= 1 && sizeClass <= 5 ? kWords[sizeClass - 1] : "";
}

int EncounterAttitude(bool turningAway) {
    const GameRecord& enemy = EncounterEnemy();
    if (enemy[Ship::Behaviour] == 0) return 2;
    const int f = enemy[Ship::Faction];
    int attitude = 1;
    if (f > 0 && Reputation(f) > 0) attitude = 2;
    if (RelationTo(f) == 1) attitude = 2;
    if (RelationTo(f) == 2) attitude = 1;
    if (turningAway && enemy[Ship::SizeClass] > 1) attitude = 2;
    if (EncounterStage < 3) attitude = 1;
    if (EncounterStage >= 3 && f == StarSystemRecord(FleetSystem())[StarSystem::Owner] &&
        ScanForContraband(f))
        attitude = 1;
    if (f > 0 && Reputation(f) < 0) attitude = 1;
    if (turningAway && Captain()[Player::CheatNoAttacks] == 1) attitude = 2;
    if (f == FactionId::Pirates) attitude = 1;
    return attitude;
}

void ReportAttackOnFriend(int ship) {
    const int f = ShipRecord(0, ship)[Ship::Faction];
    if (RelationTo(f) == 1 && Random(100) <= kCrimeUpTo) ReportCrimeSectorWarned(f);
}

void RefreshEncounterScreen() {
    TForm15& s = *Form15;
    const int ship = std::max(1, LargestShip());
    const GameRecord& enemy = ShipRecord(0, ship);
    const std::string className = ShipClassName(0, ship);
    s.SpeedButton3->enabled = false;
    s.SpeedButton1->enabled = true;
    // The scanner's and the ship's pictures fill the box; the faction's round logo of the last
    // stage stands on the box's ground, its black left out.
    s.Image2->transparent = EncounterStage > 2;
    if (EncounterStage <= 1) {
        s.SpeedButton1->caption = "Investigate";
        s.SpeedButton2->caption = "Continue voyage";
        s.Image2->LoadPicture("TargetingSystem.jpg");
        s.Label2->caption = "You have a " + SizeWord(enemy[Ship::SizeClass]) +
                            " vessel on your long-range scanners, but you can not say yet what "
                            "kind of ship it is.";
        return;
    }
    s.SpeedButton2->caption = "Fly away";
    if (EncounterStage == 2) {
        s.SpeedButton1->caption = "Investigate";
        s.Image2->LoadPicture(GetShipPictureName(enemy[Ship::Class]));
        s.Label2->caption = "It is a " + className +
                            ". You are still not close enough to identify its faction or "
                            "intentions.";
        return;
    }
    const int f = enemy[Ship::Faction];
    s.SpeedButton1->caption = "Close for battle";
    s.Image2->LoadPicture(ValidFaction(f) ? G().FactionPictures[f].str() : "");
    std::string text =
        "Your scanners indicate its a " + className + " of the " + FactionName(f) + ".";
    if (f == FactionId::Pirates) {
        text = "Its a pirate ship. It is hostile!";
    } else if (OwnSide(f)) {
        text += " It is one of our ships!";
        s.SpeedButton1->enabled = false;
    } else if (f > 0) {
        text += RelationTo(f) == 1 ? " We are in peace with this faction."
                                   : " We are at war with this faction.";
    }
    s.Label2->caption = text;
    s.SpeedButton3->enabled = OwnSide(f) && Reputation(f) >= 0;
}

void ShowEncounterScreen() {
    EncounterStage = 1;
    EncounterResolved = 0;
    RefreshEncounterScreen();
    PlayAlertSound();
    Form15->ShowModal();
}

TForm15::TForm15() : ui::Form("TForm15") {
    Image1 = Bind<ui::Image>("Image1");
    Label1 = Bind<ui::Label>("Label1");
    Image2 = Bind<ui::Image>("Image2");
    Label2 = Bind<ui::Label>("Label2");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
}

bool TForm15::CloseQuery() {
    return EncounterResolved != 0;
}

void TForm15::SpeedButton1Click() {
    PlayButtonSound();
    const int attitude = EncounterAttitude(false);
    if (EncounterStage < 3) {
        ++EncounterStage;
        RefreshEncounterScreen();
        return;
    }
    ReportAttackOnFriend(1);
    const std::string attack = "You attack the enemy " + ShipClassName(0, 1) + " ship!";
    if (attitude == 1 && Random(100) <= 50) {
        ShowMessage1("The other ship is faster than your ship and is closing in.");
    } else {
        ShowMessage1(attack);
    }
    Fight();
    EndEncounter();
}

void TForm15::SpeedButton2Click() {
    PlayButtonSound();
    const int attitude = EncounterAttitude(true);
    const bool faster = EncounterEnemy()[Ship::Speed] >= PlayerShip()[Ship::Speed];
    if (attitude == 2 || !faster) {
        ShowMessage1("You retreat.");
        EndEncounter();
        return;
    }
    if (EncounterStage < 3) {
        if (Random(100) > 10) {
            ShowMessage1("The other ship is faster than your ship and is closing in.");
            ++EncounterStage;
            RefreshEncounterScreen();
            return;
        }
        ShowMessage1("You retreat.");
        EndEncounter();
        return;
    }
    if (Random(100) > 5) {
        ShowMessage1("The other ship is faster than your ship and is closing in.");
        Fight();
    } else {
        ShowMessage1("You retreat.");
    }
    EndEncounter();
}

void TForm15::SpeedButton3Click() {
    SpeedButton3->enabled = false;
    if (!OwnSide(EnemyFaction())) return;
    Communicate();
    EndEncounter();
}

}  // namespace corvanth
