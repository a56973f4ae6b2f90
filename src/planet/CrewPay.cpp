// Crew pay: what the crew is owed since the last pay, and the screen that settles it.
#include "planet/CrewPay.h"

#include <algorithm>
#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/fortune.h"
#include "state/pictures.h"
#include "state/saturate.h"
#include "state/tables.h"
#include "travel/travel.h"

namespace corvanth {

ui::Screen<TForm25> Form25{"TForm25"};

CrewCounts ShipCrew() {
    const GameRecord& ship = PlayerShip();
    CrewCounts crew{};
    for (int k = 0; k < 5; ++k) crew[k] = ship[Ship::CrewOfficers + k];
    return crew;
}

int64_t CrewSum(const CrewCounts& crew) {
    int64_t sum = 0;
    for (int32_t n : crew) sum += n;
    return sum;
}

int32_t CrewRoyaltyPercent(const CrewCounts& c) {
    return CalcCrewRoyaltyPercent(c[0], c[1], c[2], c[3], c[4]);
}

int32_t CrewWages(int32_t turns, const CrewCounts& c) {
    return CalcCrewWages(turns, c[0], c[1], c[2], c[3], c[4]);
}

CrewPayDue CalcCrewPayDue() {
    const GameRecord& captain = Captain();
    const CrewCounts crew = ShipCrew();
    CrewPayDue due;
    due.percent = CrewRoyaltyPercent(crew);
    due.growth = SaturateInt32(
        std::max<int64_t>(int64_t(CalcFortune()) - captain[Player::NetWorthAtLastPay], 0));
    // Many officers claim more than the whole growth: 64 bits, then held to 32.
    if (due.percent > 0) due.royalties = SaturateInt32(int64_t(due.growth) * due.percent / 100);
    // A pay dated after today owes no wages, rather than paying the captain.
    due.days =
        SaturateInt32(std::max<int64_t>(int64_t(G().TurnNumber) - captain[Player::LastPayTurn], 0));
    due.wages = CrewWages(due.days, crew);
    due.total = SaturateInt32(int64_t(due.royalties) + due.wages);
    return due;
}

TForm25::TForm25() : ui::Form("TForm25") {
    Image1 = Bind<ui::Image>("Image1");
    Label1 = Bind<ui::Label>("Label1");
    Label8 = Bind<ui::Label>("Label8");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    Label5 = Bind<ui::Label>("Label5");
    Label6 = Bind<ui::Label>("Label6");
    Label7 = Bind<ui::Label>("Label7");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
}

void RefreshCrewPay() {
    TForm25& f = *Form25;
    const CrewPayDue due = CalcCrewPayDue();
    f.Label8->caption = "$C: " + FormatThousands(Captain()[Player::Money]);
    f.Label2->caption = "Royalties: " + FormatThousands(due.percent) + "% of $C " +
                        FormatThousands(due.growth) + " (money + ship + etc.)";
    f.Label3->caption = "= $C " + FormatThousands(due.royalties);
    f.Label4->caption = "Wages: $C " + FormatThousands(CrewWages(1, ShipCrew())) + " a turn for " +
                        std::to_string(due.days) + " days";
    f.Label5->caption = "= $C " + FormatThousands(due.wages);
    f.Label7->caption = "$C " + FormatThousands(due.total);
}

bool PayCrew() {
    const CrewPayDue due = CalcCrewPayDue();
    GameRecord& captain = Captain();
    if (due.total > captain[Player::Money]) return false;
    PlayerFleet()[Fleet::CrewPayCountdown] = 200;
    captain[Player::Money] -= due.total;
    captain[Player::NetWorthAtLastPay] = CalcFortune();
    captain[Player::LastPayTurn] = G().TurnNumber;
    return true;
}

void TForm25::SpeedButton1Click() {
    PlayButtonSound();
    const bool paid = PayCrew();
    RefreshStatusPanel();
    if (!paid) {
        ShowMessage1("You do not have enough money to pay your crewmen!");
        return;
    }
    ShowMessage1("You pay your crewmen!");
    Close();
}

void TForm25::SpeedButton4Click() {
    PlayButtonSound();
    Close();
}

}  // namespace corvanth
