// The crew scanner: the player's own crew in full, an enemy's only when the scan made it out.
#include "planet/CrewScanner.h"

#include <array>
#include <string>

#include "planet/CrewPay.h"
#include "state/Sound.h"
#include "state/shipstats.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TForm52> Form52{"TForm52"};

namespace {

const char* RatingWord(int rating) {
    switch (rating) {
        case 3:
            return "Very good";
        case 2:
            return "Good";
        default:
            return "Normal";
    }
}

const char* MoraleWord(int morale) {
    switch (morale) {
        case 0:
            return "Good";
        case -1:
            return "Low";
        case -2:
            return "Angry";
        case -3:
            return "Mutiny";
        default:
            return "";
    }
}

// The counts, the crewmen line and the three skills of a ship's crew.
void ShowCrew(const GameRecord& ship) {
    TForm52& form = *Form52;
    std::array<int, 5> crew{};
    int sum = 0;
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) {
        crew[k - 1] = ship[Ship::CrewBase + k];
        sum += crew[k - 1];
    }
    ui::Label* counts[] = {form.Officers, form.Druids, form.Mercs, form.Adv, form.Scoundrels};
    for (int k = 0; k < 5; ++k) counts[k]->caption = std::to_string(crew[k]);
    form.Label16->caption = "Crewmen: " + std::to_string(sum) + "/" +
                            std::to_string(ship[Ship::CrewMax]) +
                            ", Min: " + std::to_string(ship[Ship::CrewMin]);
    auto rating = [&](int ability) {
        return RatingWord(CalcCrewRating(ability, crew[0], crew[1], crew[2], crew[3], crew[4]));
    };
    form.Label12->caption = std::string("Navigation: ") + rating(kAbilityNavigation);
    form.Label13->caption = std::string("Targeting: ") + rating(kAbilityTargeting);
    form.Label14->caption = std::string("Close Combat: ") + rating(kAbilityCloseCombat);
}

}  // namespace

TForm52::TForm52() : ui::Form("TForm52") {
    Image6 = Bind<ui::Image>("Image6");
    Label10 = Bind<ui::Label>("Label10");
    Officers = Bind<ui::Label>("Officers");
    Druids = Bind<ui::Label>("Druids");
    Mercs = Bind<ui::Label>("Mercs");
    Adv = Bind<ui::Label>("Adv");
    Scoundrels = Bind<ui::Label>("Scoundrels");
    Label16 = Bind<ui::Label>("Label16");
    Label3 = Bind<ui::Label>("Label3");
    Label12 = Bind<ui::Label>("Label12");
    Label13 = Bind<ui::Label>("Label13");
    Label14 = Bind<ui::Label>("Label14");
    Label15 = Bind<ui::Label>("Label15");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

void TForm52::SpeedButton1Click() {
    PlayButtonSound();
    RefreshCrewPay();
    Form25->ShowModal();
    ShowOwnCrewScan();
}

void TForm52::SpeedButton2Click() {
    PlayButtonSound();
    Close();
}

void ShowOwnCrewScan() {
    TForm52& form = *Form52;
    form.Label10->caption = "Your crew:";
    ShowCrew(PlayerShip());
    form.Label3->caption = std::string("Morale: ") + MoraleWord(PlayerFleet()[Fleet::Morale]);
    form.Label15->caption =
        "Payment in: " + std::to_string(PlayerFleet()[Fleet::CrewPayCountdown]) + " turns";
    form.SpeedButton1->enabled = true;
}

void ShowEnemyCrewScan() {
    TForm52& form = *Form52;
    form.Label10->caption = "Enemy crew:";
    form.Label15->caption = "Payment in: -";
    form.SpeedButton1->enabled = false;
    const GameRecord& t = ShipClassTemplate();
    if (t[Ship::CrewShownInScan] == 1) {
        ShowCrew(t);
        return;
    }
    for (ui::Label* count : {form.Officers, form.Druids, form.Mercs, form.Adv, form.Scoundrels})
        count->caption = "?";
    form.Label16->caption = "Crewmen: ?/" + std::to_string(t[Ship::CrewMax]) +
                            ", Min: " + std::to_string(t[Ship::CrewMin]);
    form.Label12->caption = "Navigation: ?";
    form.Label13->caption = "Targeting: ?";
    form.Label14->caption = "Close Combat: ?";
}

}  // namespace corvanth
