// The personal information screen.
#include "career/PersonalInfo.h"

#include "career/warstatus.h"

#include "planet/Scanner.h"
#include "state/Sound.h"
#include "state/awardbars.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "state/uniform.h"
#include "state/variables.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm28> Form28{"TForm28"};

std::string SizeClassText(int sizeClass) {
    static constexpr const char* kClasses[] = {"",
                                               "Class: Fighter",
                                               "Class: Corvette",
                                               "Class: Destroyer",
                                               "Class: Cruiser",
                                               "Class: Battleship"};
    return sizeClass >= 1 && sizeClass <= 5 ? kClasses[sizeClass] : "";
}

TForm28::TForm28() : UniformForm("TForm28") {
    Label2 = Bind<ui::Label>("Label2");
    Label6 = Bind<ui::Label>("Label6");
    Label3 = Bind<ui::Label>("Label3");
    Image5 = Bind<ui::Image>("Image5");
    Label7 = Bind<ui::Label>("Label7");
    Label4 = Bind<ui::Label>("Label4");
    Image1 = Bind<ui::Image>("Image1");
    ProgressBar2 = Bind<ui::ProgressBar>("ProgressBar2");
    ProgressBar1 = Bind<ui::ProgressBar>("ProgressBar1");
    Image2 = Bind<ui::Image>("Image2");
    Label9 = Bind<ui::Label>("Label9");
    Label8 = Bind<ui::Label>("Label8");
    Image6 = Bind<ui::Image>("Image6");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    tutorial = BindTutorialOverlay(*this);
}

void TForm28::SpeedButton2Click() {
    PlayButtonSound();
    ShowWarStatus();
    Form41->ShowModal();
}

void TForm28::SpeedButton3Click() {
    PlayButtonSound();
    ShowOwnShipScan(G().CurrentFleet, 1);
    Form6->ShowModal();
}

void TForm28::SpeedButton4Click() {
    if (TutorialStep == 37) FinishTutorial();
    PlayButtonSound();
    Close();
}

void ShowPersonalInfo() {
    TForm28& screen = *Form28;
    const GameState& g = G();
    const GameRecord& captain = Captain();
    const int f = CaptainFaction();
    const GameRecord& standing = FactionRecord(f);
    screen.Label2->caption = "Name: " + CaptainName();
    screen.Label6->caption = "$C: " + FormatThousands(captain[Player::Money]);
    screen.Label3->caption = "\"Life\"-points left: " + std::to_string(captain[Player::LifePoints]);
    screen.Image5->LoadPicture(f ? g.FactionPictures[f].str() : "");
    screen.Label7->caption = "Faction: " + FactionName(f);
    screen.Image1->LoadPicture(GetHeroPictureName(g.CurrentPlayer) + "_sm.jpg");
    ShowAwardBars(*screen.ProgressBar2, *screen.ProgressBar1);
    screen.Label4->caption = "Rank: " + RankName(f, standing[Faction::Rank]);
    const GameRecord& ship = PlayerShip();
    screen.Image2->LoadPicture(GetShipPictureName(ship[Ship::Class]));
    screen.Label9->caption = "Ship: " + ShipClassName(g.CurrentFleet, g.CurrentShip);
    const std::string size = SizeClassText(ship[Ship::SizeClass]);
    if (!size.empty()) screen.Label8->caption = size;
    ApplyUniform(screen, ComposeUniform(CaptainUniform()));
}

}  // namespace corvanth
