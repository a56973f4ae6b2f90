// Drinking and bar talk: drinks by the tolerance, and the talk table with its events.
#include "planet/Bar2.h"

#include <algorithm>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/UMessage6.h"
#include "state/exp1_UMessage2.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/tables.h"
#include "travel/UEvents.h"
#include "travel/travel.h"

namespace corvanth {

ui::Screen<TForm67> Form67{"TForm67"};

namespace {

constexpr const char* kBartender = "bartender.jpg";
constexpr const char* kPatron = "pirate1.jpg";
constexpr const char* kStory =
    "\"Have I told you the story about when we were shipping back to Tortuga, when...\"";

enum class Event { Talk, Story, DataModule, Poker, Robbery };

struct TalkRow {
    int level;
    int lastDraw;  // rows of a level in order; the first whose last draw reaches r
    Event event;
    const char* picture;
    const char* text;
    int pokerWinBelow;
};

// clang-format off
const TalkRow kTalk[] = {
    {0, 99, Event::Talk, kBartender, "You are a stranger and nobody seems to find any interest in dealing with you - except the bartender of course.", 0},
    {1, 19, Event::Talk, kBartender, "\"I always tell my customers to talk to the other people here. You will be amazed what valuable information you can get.\"", 0},
    {1, 39, Event::Talk, kBartender, "\"Have you already participated in the gladiator games on Gameris in the New Moscow system? Really amazing opportunities.\"", 0},
    {1, 59, Event::Talk, kBartender, "\"There are rumors that they are working on a new weapon that would allow heavy fighters and corvettes to destroy cruisers.\"", 0},
    {1, 79, Event::Talk, kBartender, "\"Have you seen the new Syndicate fighter class nicknamed \"Widowmaker\"? I heard it can take it up with the Federation Avenger fighter.\"", 0},
    {1, 99, Event::Talk, kPatron, "\"Can you spend me a drink? Thanks man...\"", 0},
    {2, 15, Event::Talk, kPatron, "\"Where are you from? ... Really, how interesting.\"", 0},
    {2, 35, Event::Talk, kPatron, "\"Leave me alone!\"", 0},
    {2, 70, Event::Talk, kBartender, "\"I offer different kinds of drinks. Beer is the weakest and the dreaded Sirius wodka ist the strongest, but less predictable drink.\"", 0},
    {2, 80, Event::Talk, kPatron, "\"I know the position of a treasure in this system, but I am not drunk enough to tell you about it. I will get it myself one day.", 0},
    {2, 90, Event::Story, kPatron, kStory, 0},
    {2, 99, Event::DataModule, kPatron, "", 0},
    {3, 35, Event::Talk, kPatron, "\"Yadda, yadda, yadda (blurb). Ahh I have drunk too much.\"", 0},
    {3, 50, Event::Talk, kPatron, "I do not like travelling anymore. I would like a lovely small bar...just like this one.\"", 0},
    {3, 69, Event::Story, kPatron, kStory, 0},
    {3, 99, Event::DataModule, kPatron, "", 0},
    {4, 35, Event::Talk, kBartender, "\"Do not drink too much. You can be robbed or worse.\"", 0},
    {4, 40, Event::Talk, kPatron, "\"Left, right, through the long cold night, we march to the ships with our boots shined bright! Left, right, the stars in sight, we come home rich or we never come home!\" (sings)", 0},
    {4, 50, Event::Talk, kPatron, "\"If you are alone in your ship and sometimes do not see someone else than droids for months...you really got nuts.\"", 0},
    {4, 60, Event::Talk, kPatron, "\"Oh, pour me the brown from the bottom of the barrel, the beer that the dockhands drink...\" (sings)", 0},
    {4, 80, Event::Poker, kPatron, "", 35},
    {4, 99, Event::DataModule, kPatron, "", 0},
    {5, 10, Event::Talk, kBartender, "\"The toilet is right over there and you better stop drinking now! Its disgusting!\"", 0},
    {5, 20, Event::Talk, kPatron, "\"(caughs). Oh my god...too many drinks...\"", 0},
    {5, 30, Event::Talk, kPatron, "\"(caughs)...my stomach...hurts...much.\"", 0},
    {5, 40, Event::Talk, kPatron, "\"I cannot walk anymore, everything is turning, what has happened?\"", 0},
    {5, 60, Event::Poker, kPatron, "", 50},
    {5, 99, Event::DataModule, kPatron, "", 0},
    {6, 10, Event::Talk, kBartender, "He is bending over you. You are on the floor. \"Hello,\" he says, \"can you hear me?\"", 0},
    {6, 20, Event::Talk, kPatron, "(Sleeps)", 0},
    {6, 30, Event::Talk, kPatron, "\"I tell you...I...you...tell...\"", 0},
    {6, 60, Event::Robbery, kPatron, "", 0},
    {6, 80, Event::Poker, kPatron, "", 50},
    {6, 99, Event::DataModule, kPatron, "", 0},
};
// clang-format on

// Poker stakes and robberies grow with the money and the rank, within these bounds.
int64_t BarStake() {
    const int32_t money = Captain()[Player::Money];
    const int64_t rank = CaptainFactionRecord()[Faction::Rank];
    return std::clamp<int64_t>(int64_t(Random(money / 10)) * rank, 5000, 1000000);
}

// Winnings add their amount, a loss takes its amount, and nothing else.
void ChangeMoney(int64_t change) {
    int32_t& money = Captain()[Player::Money];
    money = change > 0 ? AfterGain(money, change) : AfterPayment(money, -change);
    RefreshStatusPanel();
}

}  // namespace

int DrunkLevel(int64_t d) {
    if (d >= 97) return 6;
    if (d >= 85) return 5;
    if (d >= 71) return 4;
    if (d >= 50) return 3;
    if (d >= 25) return 2;
    return d >= 10 ? 1 : 0;
}

int DrinkStep(int32_t tolerance, Drink drink, bool contest) {
    static constexpr int kSteps[6][3] = {{20, 30, 60}, {15, 22, 45}, {10, 15, 30},
                                         {8, 12, 23},  {5, 8, 15},   {10, 15, 30}};
    int row = 0;
    if (tolerance > 20) row = 1;
    if (tolerance > 40) row = 2;
    if (tolerance > 60) row = 3;
    if (tolerance > 80) row = 4;
    if (tolerance > 100 && !contest) row = 5;
    return kSteps[row][static_cast<int>(drink)];
}

void ServeDrink(Drink drink, bool contest) {
    PlayDrinkingSound();
    const int r = Random(100);
    if (r <= 35)
        ShowMessage1(contest
                         ? "\"Here you are...,\" says the barkeeper and passes both of you a "
                           "drink."
                         : "\"Here you are...,\" says the barkeeper and passes you your drink.");
    else if (r <= 75)
        ShowMessage1(!contest ? "The bartender silently hands you your drink."
                     : drink == Drink::Scotch
                         ? "The bartender silently hands both of you adrink."
                         : "The bartender silently hands both of you a drink.");
    else
        ShowMessage1("The bartender grins at you and says: \"Cheers!\"");
    GameRecord& captain = Captain();
    int32_t& d = captain[Player::Drunkenness];
    const int s = DrinkStep(captain[Player::DrinkingTolerance], drink, contest);
    d = static_cast<int32_t>(std::min<int64_t>(int64_t(d) + s + Random(s), 100));
}

void DrunkSigns::Light(int level) const {
    for (int k = 0; k < 6; ++k) {
        const bool lit = k + 1 == level;
        shapes[k]->brushColor = lit ? ui::colors::Red : ui::colors::Black;
        labels[k]->font.color = lit ? ui::colors::Red : ui::colors::Black;
    }
}

DrunkSigns BindDrunkSigns(ui::Form& form, const std::string& prefix) {
    DrunkSigns signs;
    for (int k = 0; k < 6; ++k) {
        const std::string n = std::to_string(k + 1);
        signs.labels[k] = form.Bind<ui::Label>(prefix + "DrunkSign" + n);
        signs.shapes[k] = form.Bind<ui::Shape>(prefix + "DrunkSignShape" + n);
    }
    return signs;
}

void BarDataModuleEvent() {
    const int system = FleetSystem();
    if (SpawnSpaceEvent(system, 0, 0) < 1) {
        ShowStoryLine(kStory, kPatron);
        return;
    }
    MarkLocationSearched(system, G().SelectedPlanet);
    PlayReward2Sound();
    ShowFixedNotice(
        "After you have spend him a couple of drinks, someone says to you: \"Here you can have "
        "this man\", and hands you a small datamodule containing information about a hidden "
        "location in this sector.",
        kPatron);
}

void BarPokerEvent(int winBelow) {
    if (!AskYesNo("Someone asks you if you want to play poker? ... You up for it?")) return;
    const bool won = Random(100) < winBelow;
    int64_t stake = BarStake();
    const int64_t money = Captain()[Player::Money];
    if (won) {
        PlayReward2Sound();
        ChangeMoney(stake);
        ShowFixedNotice(
            "You won and stripped a couple of VERY ANGRY pirates of their money. You "
            "earn " +
                FormatThousands(stake) + " $C.",
            "treasure_sm.jpg");
        return;
    }
    PlayBadSound();
    if (stake > money) stake = money / 2;
    // In debt there is nothing to take: the table must not pay a loser.
    stake = std::max<int64_t>(stake, 0);
    ChangeMoney(-stake);
    ShowFixedNotice(
        "Oh no! You lost " + FormatThousands(stake) + " $C. The pirates must have been cheating!",
        "treasure_sm.jpg");
}

void BarRobberyEvent() {
    PlayBadSound();
    const int64_t money = Captain()[Player::Money];
    const int64_t amount = std::max<int64_t>(std::min(BarStake(), money / 5), 0);
    ChangeMoney(-amount);
    ShowStoryLine("Some gangsters sneak up on you and rob " + FormatThousands(amount) +
                      " $C. Do not blame the bartender, he has a wife to take of.",
                  "face5.jpg");
}

void BarTalkEvent() {
    const int level = DrunkLevel(Captain()[Player::Drunkenness]);
    const int r = Random(100);
    for (const TalkRow& row : kTalk) {
        if (row.level != level || r > row.lastDraw) continue;
        switch (row.event) {
            case Event::Talk:
            case Event::Story:
                ShowStoryLine(row.text, row.picture);
                break;
            case Event::DataModule:
                BarDataModuleEvent();
                break;
            case Event::Poker:
                BarPokerEvent(row.pokerWinBelow);
                break;
            case Event::Robbery:
                BarRobberyEvent();
                break;
        }
        return;
    }
}

TForm67::TForm67() : ui::Form("TForm67") {
    Image2 = Bind<ui::Image>("Image2");
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label11 = Bind<ui::Label>("Label11");
    ProgressBar1 = Bind<ui::ProgressBar>("ProgressBar1");
    signs = BindDrunkSigns(*this, "");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton6 = Bind<ui::SpeedButton>("SpeedButton6");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
}

void UpdateDrunkMeter() {
    const int32_t d = Captain()[Player::Drunkenness];
    Form67->signs.Light(DrunkLevel(d));
    Form67->ProgressBar1->SetPosition(d);
}

void TForm67::Order(Drink drink) {
    GameRecord& captain = Captain();
    int32_t& d = captain[Player::Drunkenness];
    if (d >= 95) {
        ShowMessage1(drink == Drink::Wodka
                         ? "You are almost dead and lie in a big puddle of beer!"
                         : "You are almost dead and lie in a big puddle of beer.");
        return;
    }
    ServeDrink(drink, false);
    UpdateDrunkMeter();
    BarTalkEvent();
}

// No turn passes here: the bar's wait for the next round is the hub's.
void TForm67::SpeedButton3Click() {
    PlayButtonSound();
    Close();
}

}  // namespace corvanth
