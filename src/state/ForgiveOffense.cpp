// The amnesty offer: one life point buys back good standing in the own faction.
#include "state/ForgiveOffense.h"

#include <string>

#include "state/Sound.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

// The reputation an amnesty leaves, whatever it was before.
constexpr int32_t kAmnestyReputation = 10;

}  // namespace

ui::Screen<TForm50> Form50{"TForm50"};

TForm50::TForm50() : ui::Form("TForm50") {
    Image2 = Bind<ui::Image>("Image2");
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

void TForm50::SpeedButton1Click() {
    PlayButtonSound();
    GameRecord& captain = Captain();
    const int own = captain[Player::Faction];
    if (captain[Player::LifePoints] > 0 && PlayableFaction(own)) {
        captain[Player::LifePoints] -= 1;
        G().Factions[own][Faction::Reputation] = kAmnestyReputation;
    }
    Close();
}

void TForm50::SpeedButton2Click() {
    PlayButtonSound();
    Close();
}

void PrepareForgiveOffense() {
    const int32_t lives = Captain()[Player::LifePoints];
    if (lives < 1) {
        Form50->SpeedButton1->enabled = false;
        Form50->Label3->caption =
            "If you had one \"life-point\" left you could have traded it for an immidiate "
            "amnesty. Unfortunately you do not.";
    } else {
        Form50->SpeedButton1->enabled = true;
        Form50->Label3->caption =
            "You may trade one of your \"life-points\" for an immidiate amnesty as well. You got " +
            std::to_string(lives) + " life-points left.";
    }
}

}  // namespace corvanth
