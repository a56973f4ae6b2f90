// The boarding squad screen: the squad picked man by man, then one round fought.
#include "combat/CrewCombat1.h"

#include "combat/combat2_parts.h"
#include "combat/combat2_screen.h"
#include "combat/crewcombatchoose.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TForm30> Form30{"TForm30"};

namespace {

// Whether the squad picked on the screen is still off the crew with no round fought.
bool& SquadPicked() {
    return Session().Play.SquadPicked;
}

}  // namespace

TForm30::TForm30() : ui::Form("TForm30") {
    Image4 = Bind<ui::Image>("Image4");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    Label5 = Bind<ui::Label>("Label5");
    Label6 = Bind<ui::Label>("Label6");
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) {
        const std::string n = std::to_string(k);
        Reserve[k] = Bind<ui::Label>("Reserve" + n);
        Squad[k] = Bind<ui::Label>("Squad" + n);
        Defender[k] = Bind<ui::Label>("Defender" + n);
        Plus[k] = Bind<ui::SpeedButton>("SpeedButton" + std::to_string(2 + 2 * k));
        Minus[k] = Bind<ui::SpeedButton>("SpeedButton" + std::to_string(3 + 2 * k));
        Plus[k]->OnClick = [this, k] { PlusClick(k); };
        Minus[k]->OnClick = [this, k] { MinusClick(k); };
    }
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

// The radar stands still while the squad is picked; the combat screen starts it again when it
// is on top once more.
void TForm30::FormActivate() {
    Form14->Timer1->SetEnabled(false);
}

void TForm30::PlusClick(int kind) {
    PlayButtonSound();
    AddToBoardingSquad(kind);
    RefreshBoardingScreen();
}

void TForm30::MinusClick(int kind) {
    PlayButtonSound();
    RemoveFromBoardingSquad(kind);
    RefreshBoardingScreen();
}

void TForm30::SpeedButton2Click() {
    PlayButtonSound();
    Close();
}

void TForm30::SpeedButton1Click() {
    PlayButtonSound();
    if (BoardingSquadSum(BoardingAttacker()) < 1) {
        ShowMessage1("You did not select any crewmembers for your attack squad.");
        return;
    }
    SquadPicked() = false;
    BoardingMission = BoardingMissionKind::Abort;
    Form48->SpeedButton4->enabled = G().VipEventBattle != 0;
    Form48->ShowModal();
    ResolveBoardingRound();
    RefreshBoardingScreen();
    Close();
}

void RefreshBoardingScreen() {
    TForm30& f = *Form30;
    const GameRecord& a = BoardingAttacker();
    const GameRecord& d = BoardingDefender();
    const int places = a[Ship::ShuttleTransferRate];
    f.Label3->caption = "Shuttles transfer rate: " + std::to_string(places) + " left.";
    f.Label3->font.color = places == 0 ? ui::colors::Red : ui::colors::Black;
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) {
        f.Reserve[k]->caption = std::to_string(a[Ship::CrewBase + k]);
        f.Squad[k]->caption = std::to_string(a[Ship::BoardingSquadBase + k]);
        f.Defender[k]->caption = std::to_string(d[Ship::BoardingSquadBase + k]);
    }
    f.Label4->caption = "Combat skill (of squad): " + SquadRatingWord(BoardingSquadRating(a));
    f.Label5->caption = "Combat skill: " + SquadRatingWord(BoardingSquadRating(d));
    f.Label6->caption = "Min. crew: " + std::to_string(a[Ship::CrewMin]) + " (" +
                        std::to_string(combat::CrewSum(a)) + " stay on board)";
}

void ShowBoardingScreen() {
    SquadPicked() = true;
    Form30->ShowModal();
    // However the screen went, no squad stays off the crew without a round.
    if (SquadPicked()) {
        AbortBoarding();
        SquadPicked() = false;
    }
}

}  // namespace corvanth
