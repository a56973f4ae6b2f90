// The drinking game against the pirate: both meters, the loss, the win and the story's step.
#include "planet/Bar3.h"

#include <algorithm>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/exp1_UMessage1.h"
#include "state/exp1_UMessage2.h"
#include "state/random.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TForm68> Form68{"TForm68"};

namespace {

constexpr int kCaptainDrops = 95;
constexpr int kPirateDrops = 85;
constexpr int kStoryStepWon = 8;

int PirateStep(Drink drink) {
    switch (drink) {
        case Drink::Beer:
            return 7;
        case Drink::Scotch:
            return 10;
        case Drink::Wodka:
            return 20;
    }
    return 0;
}

void ShowWin() {
    ShowStoryNotice(
        "Under the table", "pirate1.jpg",
        {
            "You made it! The pirate is so drunk that he tells you everything!",
            " ",
            "(vomits) \"Oh my god...everything is turning in my head...what did you say you wanted "
            "to "
            "know? Oh yes. Ok buddy, you are a my friend...\" (belches) ...",
            "\"You should ask someone with the callsign Sir Spy about the goddamn Dodurive. You "
            "can "
            "find him on Sirius Prime I think. Here you have his number, call him when you arrive "
            "there.\"",
        });
}

}  // namespace

TForm68::TForm68() : ui::Form("TForm68") {
    Image2 = Bind<ui::Image>("Image2");
    Label1 = Bind<ui::Label>("Label1");
    Label3 = Bind<ui::Label>("Label3");
    Label2 = Bind<ui::Label>("Label2");
    Label10 = Bind<ui::Label>("Label10");
    ProgressBar1 = Bind<ui::ProgressBar>("ProgressBar1");
    ProgressBar2 = Bind<ui::ProgressBar>("ProgressBar2");
    signs = BindDrunkSigns(*this, "");
    pirateSigns = BindDrunkSigns(*this, "G");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton6 = Bind<ui::SpeedButton>("SpeedButton6");
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
}

void UpdateDrinkingGameMeters() {
    const GameRecord& captain = Captain();
    const int32_t d = captain[Player::Drunkenness];
    // The pirate passes 100 only on the drink that drops him: the meter shows him full.
    const int32_t g = std::min(captain[Player::OpponentDrunkenness], 100);
    Form68->signs.Light(DrunkLevel(d));
    Form68->ProgressBar1->SetPosition(d);
    Form68->pirateSigns.Light(DrunkLevel(g));
    Form68->ProgressBar2->SetPosition(g);
}

void TForm68::Decide() {
    decided_ = true;
    Close();
}

void DrinkingGameRound() {
    GameRecord& captain = Captain();
    if (captain[Player::Drunkenness] >= kCaptainDrops) {
        PlayBadSound();
        ShowMessage1("You have drunk too much and drop to the floor. You lost the competition...");
        ShowStoryLine(
            "\"Har! Not even close! Come back when you have trained a bit. I always like "
            "to get free drinks.\"",
            "pirate1.jpg");
        Form68->Decide();
        return;
    }
    if (captain[Player::OpponentDrunkenness] >= kPirateDrops) {
        PlayReward2Sound();
        ShowWin();
        CaptainFactionRecord()[Faction::StoryStep] = kStoryStepWon;
        Form68->Decide();
        return;
    }
    BarTalkEvent();
}

void TForm68::Spend(Drink drink) {
    GameRecord& captain = Captain();
    int32_t& d = captain[Player::Drunkenness];
    if (d >= kCaptainDrops) {
        ShowMessage1("You are almost dead and lie in a big puddle of beer!");
        return;
    }
    ServeDrink(drink, true);
    const int g = PirateStep(drink);
    int32_t& pirate = captain[Player::OpponentDrunkenness];
    pirate = CapValue(int64_t(pirate) + g + Random(g));
    UpdateDrinkingGameMeters();
    DrinkingGameRound();
}

}  // namespace corvanth
