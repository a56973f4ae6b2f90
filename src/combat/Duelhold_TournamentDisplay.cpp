// The fight display and the captain's fights in his tournament.
#include "combat/Duelhold_TournamentDisplay.h"

#include <string>

#include "combat/Duelhold_Main.h"
#include "combat/Duelhold_TournamentResults.h"
#include "combat/Encounter.h"
#include "planet/BuyEquipment.h"
#include "planet/BuyShips.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TForm62> Form62{"TForm62"};

namespace {

constexpr int kArenaSizeClass = 1;
constexpr int kArenaFaction = 1;

int Opponent(int t) {
    return EntrantAt(t, 2);
}

}  // namespace

void ShowNextOpponent(int t) {
    TForm62& f = *Form62;
    f.TournamentLabel->caption = TournamentDisplayName(t);
    f.TournamentImage->LoadPicture(TournamentPicture(t));
    const int n = Opponent(t);
    f.OpponentPortrait->LoadPicture(n ? GladiatorPicture(n) : "");
    f.OpponentShip->LoadPicture(n ? GetShipPictureName(GladiatorRecord(n)[Gladiator::ShipType])
                                  : "");
    f.OpponentName->caption = GladiatorName(n);
    f.OpponentText->caption = n ? GladiatorDescription(n, true) : "";
    static const char* const kRounds[] = {"", " first round is ", " quarter finals is ",
                                          " semi finals is ", " finals is "};
    const int phase = TournamentRecord(t)[Tournament::Phase];
    f.OpponentLine->caption =
        phase >= 1 && phase <= 4
            ? std::string("Your opponent in the") + kRounds[phase] + "\"" + GladiatorName(n) + "\"!"
            : "";
}

void FightTournamentOpponent(int t) {
    const int opponent = Opponent(t);
    GameRecord& places = EntrantsRecord(t);
    // An opponent that never came leaves the captain through without a fight.
    if (opponent != 0)
        StartShipBattle(kArenaSizeClass, kArenaFaction,
                        GladiatorRecord(opponent)[Gladiator::ShipType]);
    if (places[1] != kCaptainGladiator) return;  // disqualified on the way
    if (PlayerShip()[Ship::Strength] > 0) {
        places[2] = 0;
        if (opponent != 0) PlayWonFightSound();
    } else {
        places[1] = 0;
    }
}

void DisqualifyForFleeing() {
    ShowMessage1("You have cowardly flet from combat and are disqualified!");
    EntrantsRecord(G().PlayerTournament)[1] = 0;
}

TForm62::TForm62() : ui::Form("TForm62") {
    Image1 = Bind<ui::Image>("Image1");
    TournamentLabel = Bind<ui::Label>("TournamentLabel");
    TournamentImage = Bind<ui::Image>("TournamentImage");
    OpponentPortrait = Bind<ui::Image>("OpponentPortrait");
    OpponentShip = Bind<ui::Image>("OpponentShip");
    OpponentName = Bind<ui::Label>("OpponentName");
    OpponentText = Bind<ui::Label>("OpponentText");
    OpponentLine = Bind<ui::Label>("OpponentLine");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
}

void TForm62::FormShow() {
    mayClose_ = false;
    // The arena's dealers, where the game has them.
    SpeedButton2->enabled = Form17 != nullptr;
    SpeedButton3->enabled = Form18 != nullptr;
}

bool TForm62::CloseQuery() {
    return mayClose_;
}

void TForm62::SpeedButton1Click() {
    FightTournamentOpponent(G().PlayerTournament);
    mayClose_ = true;
    Close();
}

void TForm62::SpeedButton4Click() {
    EntrantsRecord(G().PlayerTournament)[1] = 0;
    mayClose_ = true;
    Close();
}

void TForm62::SpeedButton2Click() {
    PlayButtonSound();
    RefreshShipDealer();
    ShowShipOffer(1);
    Form17->ShowModal();
}

void TForm62::SpeedButton3Click() {
    PlayButtonSound();
    OpenEquipmentDealer();
}

}  // namespace corvanth
