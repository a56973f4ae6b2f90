// The captain grows old: birthdays, the stranger's age-drug offer and the fatal heart attack.
#include <cstdint>
#include <string>
#include <vector>

#include "state/Sound.h"
#include "state/UMessage4.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/NextTurnUnit.h"
#include "travel/NextTurnUnit_steps.h"

namespace corvanth::turn {

namespace {

constexpr int kDrugOfferAge = 71;
constexpr int kFatalAge = 70;
constexpr int kHeartAttackDraw = 500;

// Years of the age at a turn: one year per 90 turns, from 20. 64 bits: turn * 4 does not fit
// in 32 for a very long game.
int64_t AgeAt(int64_t turn) {
    return 20 + turn * 4 / 360;
}

// Chances in 500 of a heart attack this turn.
int HeartAttackChance(int64_t age, int extraYears) {
    int c = 0;
    if (age >= 70 && age <= 72)
        c = 1;
    else if (age >= 73 && age <= 75)
        c = 2;
    else if (age >= 76 && age <= 80)
        c = 5;
    else if (age >= 81 && age <= 90)
        c = 10;
    else if (age >= 91)
        c = 40;
    // The drug keeps the heart going, at a price when it finally gives up.
    return extraYears > 0 ? c * 2 : c;
}

void ShowBirthdayBox(const std::vector<std::string>& lines) {
    ShowLongNotice("You get older...", GetHeroPictureName(G().CurrentPlayer) + ".jpg", lines);
}

void CelebrateBirthdays(int64_t age) {
    int32_t& ageClass = Captain()[Player::AgeClass];
    if (ageClass < 2 && age >= 35) {
        ageClass = 2;
        ShowBirthdayBox(
            {"Its your 35th birthday. The time when you were excited about exploring the unknown "
             "is part of your past, but you still enjoy your adventuring. You wonder what will "
             "happen in the next years."});
    }
    if (ageClass < 3 && age >= 50) {
        ageClass = 3;
        ShowBirthdayBox(
            {"At your 50th birthday you finally begin to feel the flow of time. "
             "Suddenly you feel so old...",
             "Still you have many years of adventuring to come, but you begin "
             "thinking about retiring. After all you want to be able to enjoy your "
             "retirement."});
    }
    if (ageClass < 4 && age >= 70) {
        ageClass = 4;
        ShowBirthdayBox(
            {"At your 70th birthday your ship doctor tells you that your time to retire has "
             "come. You do not listen to him at first, but every morning when you look in the "
             "mirror you know he is right."});
    }
}

void OfferAgeDrug(int64_t age) {
    GameRecord& captain = Captain();
    if (captain[Player::AgeDrugOffered] != 0 || age < kDrugOfferAge) return;
    captain[Player::AgeDrugOffered] = 1;
    PlayAlertSound();
    ShowFixedNotice(
        "One day you find you suddenly find a message from a stranger in your mailbox. "
        "\"I know you already understand what it means to get older. I got the solution for "
        "you...\"",
        "face5_sm.jpg");
    ShowLongNotice(
        "A deal with satan...", "agedrug.jpg",
        {"\"From time to time a small dose of this fine age drug and you will see many more "
         "years. Meet me at Hope Prime in the Hope system, where this fine plant is processed in "
         "our hidden laboratories.\"",
         "You remember what you have heard about this drug. It destroys the health of those "
         "unfortunate individuals taking them, but indeed it enables them to adventure much "
         "longer. You would need constantly higher doses of this drug.",
         "You need to make a decision soon. Your ship doctor keeps telling you that it will only "
         "be a matter of time until you get a fatal heart attack."});
}

void RiskHeartAttack(int64_t age) {
    const int extra = AgeDrugExtraYears(Captain()[Player::AgeDrugDoses]);
    if (age < kFatalAge + extra) return;
    if (Random(kHeartAttackDraw) >= HeartAttackChance(age, extra)) return;
    PlayAlertSound();
    ShowFixedNotice(
        "You finally suffer a fatal heart attack. Before you fade out the ship doctor tells you "
        "that you should have retired in time. Oh well...",
        GetHeroPictureName(G().CurrentPlayer) + "_sm.jpg");
    GameUpcalls().ShowOldAgeInfo();
    // The death screen offers a second chance while a life point is left.
    GameUpcalls().KillCaptain();
}

}  // namespace

void AgeCaptain() {
    if (Captain()[Player::CheatNoAgeing] != 0) return;
    const int64_t age = AgeAt(G().TurnNumber);
    CelebrateBirthdays(age);
    OfferAgeDrug(age);
    RiskHeartAttack(age);
}

}  // namespace corvanth::turn

namespace corvanth {

// The fifth and last dose the dealer sells adds the two years his offer tells.
int AgeDrugExtraYears(int doses) {
    static constexpr int kYears[kAgeDrugMaxDoses + 1] = {0, 10, 15, 17, 18, 20};
    if (doses <= 0) return 0;
    return kYears[doses > kAgeDrugMaxDoses ? kAgeDrugMaxDoses : doses];
}

}  // namespace corvanth
