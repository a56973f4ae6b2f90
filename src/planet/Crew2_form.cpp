// The crew management screen: hire and dismiss by kind with a live preview of size, skills, costs.
#include <string>

#include "planet/Crew2.h"
#include "planet/CrewPay.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage4.h"
#include "state/fortune.h"
#include "state/pictures.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "travel/travel.h"

namespace corvanth {

ui::Screen<TForm24> Form24{"TForm24"};

namespace {

std::string RatingText(int rating) {
    if (rating < 2) return "Normal";
    return rating == 2 ? "Good" : "Very good";
}

std::string Rating(int ability, const CrewCounts& c, bool none) {
    return none ? "-" : RatingText(CalcCrewRating(ability, c[0], c[1], c[2], c[3], c[4]));
}

// Bars of the hire mode reach over the location's supply, those of the dismiss mode over the crew.
void ResetBars(TForm24& f) {
    const GameRecord& ship = PlayerShip();
    const GameRecord& here = FleetLocationRecord();
    for (int k = 0; k < 5; ++k) {
        const int32_t top =
            f.HireMode() ? here[Planet::HireableCrewBase + 1 + k] : ship[Ship::CrewBase + 1 + k];
        f.bars[k]->SetRange(0, top);
        f.bars[k]->SetPosition(f.HireMode() ? 0 : top);
    }
    CrewPendingChange = {};
}

}  // namespace

TForm24::TForm24() : ui::Form("TForm24") {
    Image7 = Bind<ui::Image>("Image7");
    Image2 = Bind<ui::Image>("Image2");
    Label27 = Bind<ui::Label>("Label27");
    Label2 = Bind<ui::Label>("Label2");
    Label4 = Bind<ui::Label>("Label4");
    Label5 = Bind<ui::Label>("Label5");
    Label7 = Bind<ui::Label>("Label7");
    Label9 = Bind<ui::Label>("Label9");
    Label8 = Bind<ui::Label>("Label8");
    Label25 = Bind<ui::Label>("Label25");
    Label26 = Bind<ui::Label>("Label26");
    Label31 = Bind<ui::Label>("Label31");
    const char* barNames[] = {"ScrollBar1", "ScrollBar2", "ScrollBar3", "ScrollBar4", "ScrollBar5"};
    const char* inCrewNames[] = {"Label6", "Label14", "Label18", "Label21", "Label24"};
    const char* availableNames[] = {"Label3", "Label13", "Label16", "Label20", "Label23"};
    for (int k = 0; k < 5; ++k) {
        bars[k] = Bind<ui::ScrollBar>(barNames[k]);
        inCrew[k] = Bind<ui::Label>(inCrewNames[k]);
        available[k] = Bind<ui::Label>(availableNames[k]);
    }
    bars[0]->OnChange = [this] { ScrollBar1Change(); };
    bars[1]->OnChange = [this] { ScrollBar2bChange(); };
    bars[2]->OnChange = [this] { ScrollBar3bChange(); };
    bars[3]->OnChange = [this] { ScrollBar4bChange(); };
    bars[4]->OnChange = [this] { ScrollBar5Change(); };
    RadioButton1 = Bind<ui::RadioButton>("RadioButton1");
    RadioButton2 = Bind<ui::RadioButton>("RadioButton2");
    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    RadioButton2->OnClick = [this] { RadioButton2Click(); };
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
}

void PrepareCrewForm() {
    TForm24& f = *Form24;
    f.Label27->caption = "$C: " + FormatThousands(Captain()[Player::Money]);
    f.RadioButton1->SetChecked(true);
    ResetBars(f);
    f.Image2->LoadPicture(GetShipPictureName(PlayerShip()[Ship::Class]));
}

void RefreshCrewForm() {
    TForm24& f = *Form24;
    GameRecord& ship = PlayerShip();
    const GameRecord& here = FleetLocationRecord();
    const CrewCounts crew = ShipCrew();
    const CrewCounts& p = CrewPendingChange;
    ship[Ship::CrewTotal] = static_cast<int32_t>(CrewSum(crew));
    const int64_t projected = ship[Ship::CrewTotal] + CrewSum(p);
    f.Label2->caption = "Your crew: " + std::to_string(ship[Ship::CrewTotal]) + " crewmen (" +
                        std::to_string(projected) + " crewmen)";
    f.Label4->caption = "Minimum crew: " + std::to_string(ship[Ship::CrewMin]) + " crewmen";
    f.Label5->caption = "Maximum crew: " + std::to_string(ship[Ship::CrewMax]) + " crewmen";
    CrewCounts after{};
    for (int k = 0; k < 5; ++k) {
        after[k] = crew[k] + p[k];
        f.inCrew[k]->caption = "In crew: " + std::to_string(int64_t(crew[k]) + p[k]);
        f.available[k]->caption =
            "Available: " + std::to_string(int64_t(here[Planet::HireableCrewBase + 1 + k]) - p[k]);
    }
    const std::pair<ui::Label*, const char*> abilities[] = {
        {f.Label7, "Navigation: "}, {f.Label9, "Targeting: "}, {f.Label8, "Close Combat: "}};
    for (int a = 0; a < 3; ++a)
        abilities[a].first->caption = std::string(abilities[a].second) +
                                      Rating(a + 1, crew, ship[Ship::CrewTotal] < 1) + " (" +
                                      Rating(a + 1, after, projected < 1) + ")";
    f.Label25->caption = "Royalties: " + FormatThousands(CrewRoyaltyPercent(crew)) +
                         "% of net income (+ " + FormatThousands(CrewRoyaltyPercent(p)) + "%)";
    f.Label26->caption = "Wages: $C " + FormatThousands(CrewWages(1, crew)) + " a turn (+ $C " +
                         FormatThousands(CrewWages(1, p)) + ")";
    f.Label31->caption = "(One-time fee: + $C " +
                         FormatThousands(CalcDroidFee(p[CrewKind::Droids - CrewKind::First])) + ")";
}

void TForm24::BarChange(int kind) {
    ui::ScrollBar& bar = *bars[kind];
    if (HireMode()) {
        bar.SetPosition(HireBarPosition(kind, bar.Position()));
        CrewPendingChange[kind] = bar.Position();
    } else {
        CrewPendingChange[kind] = bar.Position() - PlayerShip()[Ship::CrewBase + 1 + kind];
    }
    RefreshCrewForm();
}

void TForm24::ModeChange() {
    PlayButtonSound();
    ResetBars(*this);
    RefreshCrewForm();
}

void TForm24::SpeedButton1Click() {
    PlayButtonSound();
    const std::string message = ApplyCrewChange(HireMode());
    if (message == "You hire the crewmen!") RefreshStatusPanel();
    Label27->caption = "$C: " + FormatThousands(Captain()[Player::Money]);
    ShowMessage1(message);
    RefreshCrewForm();
}

void TForm24::SpeedButton2Click() {
    ShowLongNoticeFile("Information", "face1.jpg", "Help_CrewManagement.txt");
}

void TForm24::SpeedButton4Click() {
    PlayButtonSound();
    Close();
}

}  // namespace corvanth
