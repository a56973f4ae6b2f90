// Docking at a planet: the story's deals and the age-drug dealer before the planet screen opens.
#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/UMessage4.h"
#include "state/UMessage6.h"
#include "state/exp1_UMessage1.h"
#include "state/exp1_UMessage2.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/NextTurnUnit.h"
#include "travel/NextTurnUnit_notices.h"
#include "travel/travel.h"

namespace corvanth {

namespace {

constexpr int kGiftSystem = 18;
constexpr int kInformantSystem = 3;
constexpr int kDealerSystem = 5;
constexpr int kGiftStep = 3;
constexpr int kInformantStep = 8;
constexpr int kAgeDrugAgeClass = 5;
constexpr int64_t kDosePrice = 2500000;
constexpr const char kQuote[] = "\"";

bool StoryAt(int step, int system) {
    const GameRecord& f = CaptainFactionRecord();
    return CaptainFaction() > 0 && f[Faction::SenatorLetterReceived] == 1 &&
           f[Faction::SenatorMet] == 1 && f[Faction::StoryStep] == step &&
           FleetSystem() == system && FleetLocation() == 1;
}

void OfferSenatorGift() {
    const bool male = Captain()[Player::Gender] == 1;
    const int64_t price = SenatorGiftPrice(CaptainMoney());
    const std::string amount = FormatThousands(price);
    const bool yes = AskYesNo(
        male ? "Do you wish to buy the necklace for the senators daughter for " + amount + "?"
             : "Do you wish to buy the sword for the senator for " + amount + "?");
    if (!yes) {
        PlayBadSound();
        return;
    }
    if (price > CaptainMoney()) {
        PlayBadSound();
        ShowMessage1("You do not have enough money!");
        return;
    }
    PlayReward1Sound();
    ShowMessage1(male ? "You buy the necklace. Now get back and give it to the senators daughter!"
                      : "You buy the sword. Now get back and give it to the senator!");
    CaptainMoney() = AfterPayment(CaptainMoney(), price);
    CaptainFactionRecord()[Faction::StoryStep] = kGiftStep + 1;
}

void OfferInformant() {
    PlayReward1Sound();
    const int64_t price = InformantPrice(CaptainMoney());
    const int answer = AskChoice(
        "A delicate offer!", "businessman.jpg",
        {"I dont know where you got my number from, but indeed I have the information about "
         "Dodurive you are looking for.",
         "In some way I am like a trader. Instead of trading goods, I trade all kinds of "
         "information. However any information comes at a price and my price is " +
             FormatThousands(price) + " $C, payable in advance."},
        "Accept", "Reject");
    if (answer != 1) {
        PlayBadSound();
        ShowStoryLine(std::string(kQuote) + "Come back if you changed your mind." + kQuote,
                      "businessman.jpg");
        return;
    }
    PlayReward1Sound();
    if (price > CaptainMoney()) {
        PlayBadSound();
        ShowMessage1("You do not have enough money!");
        return;
    }
    CaptainMoney() = AfterPayment(CaptainMoney(), price);
    ShowStoryNotice(
        "Triangular scan", "businessman.jpg",
        {std::string(kQuote) +
             "Great. As you propably already know Dodurive has a secret base. Not even his men "
             "know the exact location. Anyway I know about a story one of his crewmen told me "
             "some time ago.",
         "There is someone beside Dodurive that knows how to get to the base. For a long time "
         "Dodurive has plundered with a trusted fellow until at one day the treacherous Dodurive "
         "incited a mutinee and abandoned his partner on an unpopulated planet.",
         "Its unlikely that Dodurive has changed the base since then, because as a former and "
         "long forgotten military outpost its almost a perfect hideout for a pirate. Find his "
         "former partner and I am sure he will help you.",
         "The location where he was abandoned is not cartographed, but the navigation data I "
         "have should allow you to find it.",
         "You need to make a triangular scan with surveillance equipment, which you can purchase "
         "at the local equipment dealer. Search in the New Scotland, New Berlin and New Wales "
         "systems."});
    CaptainFactionRecord()[Faction::StoryStep] = kInformantStep + 1;
}

struct Dose {
    int pills;
    int years;
    const char* ordinal;
};
constexpr Dose kDoses[kAgeDrugMaxDoses] = {
    {1, 8, "first"}, {2, 4, "second"}, {4, 4, "third"}, {8, 4, "fourth"}, {16, 2, "fifth"}};

void OfferAgeDrug() {
    const int taken = Captain()[Player::AgeDrugDoses];
    if (taken >= kAgeDrugMaxDoses) {
        ShowFixedNotice(std::string(kQuote) + "Go away junkie," + kQuote +
                            " the dealer scoffs at you. " + kQuote +
                            "You already got the maximum dose, it will not work for you "
                            "anymore." +
                            kQuote,
                        "agedrug.jpg");
        return;
    }
    // A damaged record's negative count is read as none taken.
    const int n = taken < 0 ? 0 : taken;
    const Dose& dose = kDoses[n];
    const int turns = dose.years * 360 / 4;
    const int64_t price = (static_cast<int64_t>(n) + 1) * kDosePrice;
    std::vector<std::string> lines = {
        std::string("Its not difficult to find the age drug dealer. He welcomes you with an evil "
                    "grin. ") +
            kQuote + "Nice to hear from you again," + kQuote + " he giggles.",
        std::string(kQuote) + "This is your " + dose.ordinal + " dose. You will need " +
            std::to_string(dose.pills) +
            " pills to live for some time without needing to worry about your age. I will "
            "charge you: $C: " +
            FormatThousands(price) + ". Take it or leave." + kQuote,
        "You think about it. [This will enable you to ignore your age for another " +
            std::to_string(turns) + " turns]"};
    const bool affordable = CaptainMoney() >= price;
    if (!affordable) lines.push_back("You do not have enough money!");
    if (AskChoice("Drug dealer!", "agedrug.jpg", lines, "Accept", "Decline", affordable) != 1) {
        PlayReward1Sound();
        ShowFixedNotice(std::string(kQuote) + "Why do you waste my time?" + kQuote, "face5.jpg");
        return;
    }
    CaptainMoney() = AfterPayment(CaptainMoney(), price);
    Captain()[Player::AgeDrugDoses] = n + 1;
    PlayBadSound();
    ShowFixedNotice(std::string("He counts the money and afterwards hands you over your dose. ") +
                        kQuote + "See you soon," + kQuote +
                        " he laughs and disappears in the shadows.",
                    "agedrug_sm.jpg");
    Captain()[Player::AgeClass] = kAgeDrugAgeClass;
    RefreshStatusPanel();
    ShowLongNotice("It works, but...", GetHeroPictureName(G().CurrentPlayer) + ".jpg",
                   {"The drug works... Like in a nighmare you get very ill after your first "
                    "dose, but you cannot die due to the drug. Your days are counted and you "
                    "wonder if this was a wise decision."});
}

}  // namespace

int64_t SenatorGiftPrice(int64_t money) {
    // A bound of 0 or less draws 0 (the generator's rule): a debt cannot make the price odd.
    const int64_t price = Random(CapValue(money / 30)) + money / 10;
    return price < 1000000 ? 1000000 : price;
}

int64_t InformantPrice(int64_t money) {
    const int64_t price = Random(CapValue(money / 20)) + money / 6;
    return price < 2000000 ? 2000000 : price;
}

void DockAtPlanet() {
    if (StoryAt(kGiftStep, kGiftSystem)) OfferSenatorGift();
    if (StoryAt(kInformantStep, kInformantSystem)) OfferInformant();
    if (FleetSystem() == kDealerSystem && FleetLocation() == 1 &&
        Captain()[Player::AgeDrugOffered] == 1)
        OfferAgeDrug();
    GameUpcalls().ShowPlanetScreen();
}

}  // namespace corvanth
