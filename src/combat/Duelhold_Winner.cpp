// The winner screen.
#include "combat/Duelhold_Winner.h"

#include "combat/Duelhold_Main.h"
#include "state/Sound.h"

namespace corvanth {

ui::Screen<TForm65> Form65{"TForm65"};

void FillWinnerScreen(int t, const std::string& name, const std::string& portrait,
                      const std::string& shipPicture) {
    Form65->ChampionName->caption = name;
    Form65->ChampionPortrait->LoadPicture(portrait);
    Form65->ChampionShip->LoadPicture(shipPicture);
    Form65->TournamentImage->LoadPicture(TournamentPicture(t));
    Form65->TournamentLabel->caption = TournamentDisplayName(t);
}

TForm65::TForm65() : ui::Form("TForm65") {
    Image8 = Bind<ui::Image>("Image8");
    Headline = Bind<ui::Label>("Headline");
    ChampionName = Bind<ui::Label>("ChampionName");
    ChampionPortrait = Bind<ui::Image>("ChampionPortrait");
    ChampionShip = Bind<ui::Image>("ChampionShip");
    TournamentImage = Bind<ui::Image>("TournamentImage");
    TournamentLabel = Bind<ui::Label>("TournamentLabel");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
}

void TForm65::SpeedButton4Click() {
    PlayButtonSound();
    Close();
}

}  // namespace corvanth
