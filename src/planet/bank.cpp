// The bank: the offers by rank, loans and their payback, war bonds and their sale.
#include "planet/bank.h"

#include <algorithm>
#include <array>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/reputation.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "state/warbonds.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm9> Form9{"TForm9"};

namespace {

// clang-format off
// Rows for ranks 0..10; ranks 0 and 1 share the first terms, 6 and above the last.
constexpr std::array<BankOffers, 11> kOffers = {{
    {{5000, 25000, 100}, {25000, 100000, 500}, 50000},
    {{5000, 25000, 100}, {25000, 100000, 500}, 50000},
    {{25000, 100000, 500}, {100000, 500000, 500}, 200000},
    {{100000, 500000, 500}, {500000, 1500000, 1000}, 500000},
    {{500000, 1500000, 1000}, {1000000, 3000000, 1000}, 1000000},
    {{500000, 1000000, 500}, {1000000, 3000000, 1000}, 3000000},
    {{500000, 1000000, 500}, {2500000, 5000000, 1000}, 6000000},
    {{500000, 1000000, 500}, {2500000, 5000000, 1000}, 6000000},
    {{500000, 1000000, 500}, {2500000, 5000000, 1000}, 6000000},
    {{500000, 1000000, 500}, {2500000, 5000000, 1000}, 6000000},
    {{500000, 1000000, 500}, {2500000, 5000000, 1000}, 6000000},
}};
// clang-format on

constexpr int32_t kMinimumBondReward = 150;

const BankOffers& CurrentOffers() {
    return BankOffersForRank(BankRecord()[Faction::Rank]);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string OfferText(const LoanOffer& offer) {
    return Quoted("We lend you $C " + FormatThousands(offer.paidOut) + " if you pay us $C " +
                  FormatThousands(offer.owed) + " in " + std::to_string(offer.turns) + " turns.");
}

int64_t RewardFor(int32_t value) {
    const int64_t gain = int64_t{Random(value / 60)} + value / 20;
    return std::max<int64_t>(gain, kMinimumBondReward);
}

}  // namespace

const BankOffers& BankOffersForRank(int rank) {
    return kOffers[std::clamp(rank, 0, static_cast<int>(kOffers.size()) - 1)];
}

std::string BankName(int owner) {
    static const char* const kNames[] = {"", "Federal bank", "Alliance bank", "Syndicate bank",
                                         "Coalition bank"};
    return PlayableFaction(owner) ? kNames[owner] : "";
}

BankResult UseLoanButton(bool large) {
    GameRecord& bank = BankRecord();
    int32_t& money = Captain()[Player::Money];
    BankResult result;
    if (bank[Faction::Loan] == 0) {
        const LoanOffer& offer = large ? CurrentOffers().large : CurrentOffers().small;
        money = AfterGain(money, offer.paidOut);
        bank[Faction::Loan] = offer.owed;
        bank[Faction::LoanTurnsLeft] = offer.turns;
        bank[Faction::EarlyPaybackTurns] = offer.turns / 2;
        result.message = "You loaned the money.";
        result.done = true;
        return result;
    }
    const int32_t due =
        bank[Faction::EarlyPaybackTurns] < 1 ? bank[Faction::Loan] : bank[Faction::Loan] / 2;
    if (due > money) {
        result.message = large ? "You do not have enough money to pay back the loan (" +
                                     FormatThousands(due) + " $C)!"
                               : "You do not have enough money to pay back the loan!";
        return result;
    }
    money -= due;
    bank[Faction::Loan] = 0;
    result.message = "You pay back the loan.";
    result.done = true;
    return result;
}

BankResult BuyWarBond() {
    GameRecord& bank = BankRecord();
    int32_t& money = Captain()[Player::Money];
    const int32_t price = CurrentOffers().bondPrice;
    if (price > money) return {false, "You do not have enough money to buy a war bond!"};
    // The turns keep the holding within the money cap; a bond that would pass it is not sold,
    // so no price is paid that the holding would not keep.
    if (int64_t{bank[Faction::WarBonds]} + price > kValueCap)
        return {false,
                "The bank cannot sell you this war bond: your war bonds may not be worth "
                "more than $C " +
                    FormatThousands(kValueCap) + "!"};
    money -= price;
    bank[Faction::WarBonds] += price;
    bank[Faction::BondPurchaseTurn] = G().TurnNumber;
    return {true, "You buy the war bonds!"};
}

BankResult SellWarBonds() {
    GameRecord& bank = BankRecord();
    if (int64_t{G().TurnNumber} - bank[Faction::BondPurchaseTurn] < kBondWaitTurns)
        return {false, "You need to wait a bit longer until you may sell war bonds."};
    const int32_t value = bank[Faction::WarBonds];
    int32_t& money = Captain()[Player::Money];
    money = AfterGain(money, value);
    bank[Faction::WarBonds] = 0;
    return {true, "You sell the war bonds for $C " + FormatThousands(value) + "!"};
}

BondReward DrawBondReward() {
    BondReward reward;
    reward.fame = RewardFor(Captain()[Player::Fame]);
    reward.reputation = RewardFor(CaptainFactionRecord()[Faction::Reputation]);
    return reward;
}

TForm9::TForm9() : ui::Form("TForm9") {
    Image2 = Bind<ui::Image>("Image2");
    Image3 = Bind<ui::Image>("Image3");
    Label1 = Bind<ui::Label>("Label1");
    Label18 = Bind<ui::Label>("Label18");
    Panel2 = Bind<ui::Panel>("Panel2");
    Label5 = Bind<ui::Label>("Label5");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    Panel8 = Bind<ui::Panel>("Panel8");
    Label9 = Bind<ui::Label>("Label9");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    Panel12 = Bind<ui::Panel>("Panel12");
    Label11 = Bind<ui::Label>("Label11");
    Label12 = Bind<ui::Label>("Label12");
    Label13 = Bind<ui::Label>("Label13");
    Panel7 = Bind<ui::Panel>("Panel7");
    Label3 = Bind<ui::Label>("Label3");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    Panel11 = Bind<ui::Panel>("Panel11");
    Label7 = Bind<ui::Label>("Label7");
    Label15 = Bind<ui::Label>("Label15");
    Label19 = Bind<ui::Label>("Label19");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    TutorialPanel = Bind<ui::Panel>("TutorialPanel");
    TutorialHand = Bind<ui::Panel>("TutorialHand");
    TutorialTimer = Bind<ui::Timer>("TutorialTimer");
    SpeedButton16 = Bind<ui::SpeedButton>("SpeedButton16");

    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton16->OnClick = [this] { SpeedButton16Click(); };
    TutorialTimer->OnTimer = [this] { TutorialTimerTimer(); };
    Image3->OnDblClick = [this] { Image3DblClick(); };
}

void RefreshBankForm() {
    TForm9& form = *Form9;
    const GameRecord& bank = BankRecord();
    const BankOffers& offers = CurrentOffers();
    form.Label1->caption = BankName(FleetLocationOwner());
    form.Label18->caption = "Your money: " + FormatThousands(Captain()[Player::Money]);
    form.Label5->caption = OfferText(offers.small);
    form.Label9->caption = OfferText(offers.large);
    form.Label11->caption = "You owe: $C " + std::to_string(bank[Faction::Loan]);
    form.Label12->caption = "Payback: " + std::to_string(bank[Faction::LoanTurnsLeft]) + " turns";
    form.Label13->caption =
        "Offer: If you pay back in " + std::to_string(bank[Faction::EarlyPaybackTurns]) +
        " turns, you only need to pay back $C " + std::to_string(bank[Faction::Loan] / 2) + ".";
    form.Label3->caption = Quoted("Be a patriot! Invest $C " + FormatThousands(offers.bondPrice) +
                                  " and support your country. -6% to 2% a turn, no guarantees "
                                  "made!");
    form.Label7->caption = "War bonds: $C " + FormatThousands(bank[Faction::WarBonds]);
    form.Label15->caption =
        "War effort rate: " + std::to_string(WarEffortRate(WarScoreSum(CaptainFaction()))) +
        "% a turn";
    const int64_t wait = int64_t{bank[Faction::BondPurchaseTurn]} - G().TurnNumber + kBondWaitTurns;
    form.Label19->caption = wait > 0 ? "Selling possible in: " + std::to_string(wait) + " turns"
                                     : "You may sell the war bonds.";
    const bool owing = bank[Faction::Loan] >= 1;
    form.Panel12->visible = owing;
    form.SpeedButton2->caption = owing ? "Pay back loan" : "Take this loan";
}

namespace {

// Either loan button: the transaction, the screen, the word, and the money on the status panel.
void LoanButtonClick(bool large) {
    PlayButtonSound();
    const BankResult result = UseLoanButton(large);
    if (result.done) RefreshBankForm();
    ShowMessage1(result.message);
    RefreshStatusPanel();
}

}  // namespace

void TForm9::SpeedButton1Click() {
    LoanButtonClick(false);
}

void TForm9::SpeedButton2Click() {
    LoanButtonClick(true);
}

void TForm9::SpeedButton3Click() {
    PlayButtonSound();
    const BankResult result = BuyWarBond();
    if (!result.done) {
        ShowMessage1(result.message);
        return;
    }
    RefreshBankForm();
    ShowMessage1(result.message);
    const BondReward reward = DrawBondReward();
    PlayReward2Sound();
    ShowMessage1("Word spreads about you and your generosity.");
    GainFame(reward.fame);
    GainReputation(CaptainFaction(), reward.reputation);
    GameUpcalls().CheckPromotion();
    RefreshStatusPanel();
}

void TForm9::SpeedButton4Click() {
    PlayButtonSound();
    const BankResult result = SellWarBonds();
    if (result.done) RefreshBankForm();
    ShowMessage1(result.message);
}

void TForm9::SpeedButton5Click() {
    if (TutorialStep == 14) AdvanceTutorialStep14();
    PlayButtonSound();
    Close();
}

void TForm9::SpeedButton16Click() {
    PlayButtonSound();
    AskQuitTutorial();
}

void TForm9::TutorialTimerTimer() {
    TurnTutorialHand(*TutorialHand);
}

void TForm9::Image3DblClick() {
    GameUpcalls().ShowCheatPanel();
    // The panel may have changed the money: the bank shows what is there.
    RefreshBankForm();
}

}  // namespace corvanth
