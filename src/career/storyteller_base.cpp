// The end of the senator's story: Dodurive's base, the ransom or the battle, and the wedding.
#include <algorithm>
#include <string>

#include "career/exp1_meetthegirl2.h"
#include "career/storyteller_parts.h"
#include "state/Sound.h"
#include "state/exp1_UMessage1.h"
#include "state/exp1_UMessage2.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/upcalls.h"
#include "travel/NextTurnUnit_notices.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

constexpr int64_t kLeastRansom = 20000000;
constexpr int kBlackjack = 14;  // Dodurive's ship class

// A third of the money and up to a fifth more, never below the pirate's floor.
int64_t Ransom(int64_t money) {
    const int64_t share = money / 3 + Random(static_cast<int32_t>(std::max<int64_t>(money / 5, 0)));
    return std::max(share, kLeastRansom);
}

// The couple comes home: the fleet rests at location 1 of the own capital, that location chosen.
void PlaceFleetAtCapital() {
    GameRecord& fleet = PlayerFleet();
    fleet[Fleet::System] = CapitalSystem(CaptainFaction());
    fleet[Fleet::Location] = 1;
    fleet[Fleet::DaysLeft] = 0;
    fleet[Fleet::Destination] = 1;
    G().SelectedPlanet = 1;
}

void Reunion() {
    PlayReward3Sound();
    if (MaleCaptain()) {
        ShowRescueScene();
        Form69->ShowModal();
        ShowStoryLine(
            "You bring her back to her father, who is very happy to prepare everything "
            "for the wedding...",
            "wormholer.jpg");
        PlaceFleetAtCapital();
        PlayMarriageSound();
        ShowStoryNotice("The wedding", WeddingPicture(),
                        {"After the wedding is over you can now finally after so many sacrifices "
                         "kiss the girl you truly love. You have found a loyal wife and a "
                         "beautiful companion. Congratulations! Do not forget to visit her "
                         "sailor!"});
    } else {
        ShowStoryLine(
            Quoted("Thank you so much for rescuing me! I knew I could count on you! I had "
                   "a lot of time to think about you and me...would you like to marry "
                   "me?"),
            SenatorPicture());
        ShowStoryLine(
            "You bring your fiance home where both of you prepare everything for the "
            "wedding.",
            "wormholer.jpg");
        PlaceFleetAtCapital();
        PlayMarriageSound();
        ShowStoryNotice("The wedding", WeddingPicture(),
                        {"After the wedding is over you and your husband can arrange to escape "
                         "the guests and press for some private time. You have found a handsome "
                         "and loyal husband. Congratulations! Do not forget to visit him from "
                         "time to time..."});
    }
    CaptainFactionRecord()[Faction::StoryStep] = StoryStep::Married;
    RemoveHiddenJumpPoint(kBaseSystem, kBaseLocation);
    RefreshTravelScreen();
}

void PayRansom(int64_t ransom) {
    PlayReward1Sound();
    int32_t& money = Captain()[Player::Money];
    if (ransom > money) {
        PlayBadSound();
        ShowStoryLine(Quoted("Come back when you got the money. And remember: If you tell anyone "
                             "about my base I am going to cut her throat!"),
                      "pirate2.jpg");
        return;
    }
    money = AfterPayment(money, ransom);
    ShowStoryLine(Quoted("A real pleasure to do business with you. I will arrange the transport "
                         "immidiately."),
                  "pirate2.jpg");
    Reunion();
}

void Fight() {
    GameUpcalls().StartShipBattle(1, FactionId::Federation, kBlackjack);
    const int enemyHull = EncounterEnemy()[Ship::Strength];
    const int ownHull = FirstOwnShip()[Ship::Strength];
    if (enemyHull > 0 && ownHull > 0) {
        PlayBadSound();
        ShowStoryLine("Remember you can return anytime you want.", "ship14.jpg");
    } else if (enemyHull > 0) {
        PlayBadSound();
        ShowStoryLine("Although you were defeated you can return anytime to try again.",
                      "ship14.jpg");
    } else if (ownHull > 0) {
        Reunion();
    }
}

}  // namespace

void DodurivesBase() {
    if (!AtStoryStep(StoryStep::BasePoint) || FleetSystem() != kBaseSystem ||
        FleetLocation() != kBaseLocation)
        return;
    if (StoryWaitsForTravel()) return;
    PlayReward1Sound();
    ShowStoryLine(
        "You jump through the jumppoint and quickly find Blackeyes base on a nearby "
        "asteroid belt...and he is just at home...",
        "asteroidsbigpic.jpg");
    PlayAlertSound();
    ShowStoryLine(
        "Blackeyes impressive Blackjack heads frightening fast towards you. You "
        "immidiately send all crew to battlestations.",
        "ship14.jpg");
    const int64_t ransom = Ransom(Captain()[Player::Money]);
    const int answer = AskChoice(
        "Captain Dodurive", "pirate2.jpg",
        {Quoted(
             "I do not know who you are or how you found my secret base, but basically you leave "
             "me no choice."),
         "You answer calmly: " +
             Quoted("Give the senators daughter free and I will leave the system."),
         std::string("*He laughs* ") + kQuote +
             "You got some guts. Finally a man worth killing. But you get one final chance. You "
             "may pay the ransom for my prisoner - that will be " +
             FormatThousands(ransom) + " $C."},
        "Accept", "Reject");
    if (answer == 1)
        PayRansom(ransom);
    else
        Fight();
}

}  // namespace corvanth
