// The bank: loans against a larger sum due later, and war bonds for fame and reputation.
#pragma once

#include <cstdint>
#include <string>

#include "ui/form.h"

namespace corvanth {

struct LoanOffer {
    int32_t paidOut = 0;
    int32_t owed = 0;
    int32_t turns = 0;
};
struct BankOffers {
    LoanOffer small;
    LoanOffer large;
    int32_t bondPrice = 0;
};
// The offers by the captain's rank; a rank outside the table reads its nearest row.
const BankOffers& BankOffersForRank(int rank);
// The bank of the location's owner: "Federal bank" .. "Coalition bank", "" for any other.
std::string BankName(int owner);

// Turns a bond purchase must lie back before the bonds may be sold.
inline constexpr int kBondWaitTurns = 500;

// What a bank transaction did: the message the player is told, and whether it went through.
struct BankResult {
    bool done = false;
    std::string message;
};
// The loan buttons: take that offer while nothing is owed, else pay the loan back (the small
// button and the large one word a refusal differently).
BankResult UseLoanButton(bool large);
// Buys one war bond of the rank's price; the reward follows in the handler.
BankResult BuyWarBond();
BankResult SellWarBonds();
// Fame and reputation a bond purchase earns: Random(v div 60) + v div 20, at least 150 each,
// both drawn before either is given.
struct BondReward {
    int64_t fame = 0;
    int64_t reputation = 0;
};
BondReward DrawBondReward();

class TForm9 : public ui::Form {
  public:
    TForm9();
    ui::Image* Image2;   // background
    ui::Image* Image3;   // the bank's picture; a double click opens the tweak panel
    ui::Label* Label1;   // bank name
    ui::Label* Label18;  // money
    ui::Panel* Panel2;   // small loan
    ui::Label* Label5;
    ui::SpeedButton* SpeedButton1;
    ui::Panel* Panel8;  // large loan
    ui::Label* Label9;
    ui::SpeedButton* SpeedButton2;
    ui::Panel* Panel12;  // current loan
    ui::Label* Label11;
    ui::Label* Label12;
    ui::Label* Label13;
    ui::Panel* Panel7;  // war bond
    ui::Label* Label3;
    ui::SpeedButton* SpeedButton3;
    ui::Panel* Panel11;  // current bonds
    ui::Label* Label7;
    ui::Label* Label15;
    ui::Label* Label19;
    ui::SpeedButton* SpeedButton4;
    ui::SpeedButton* SpeedButton5;  // "Leave bank"

    ui::Panel* TutorialPanel;
    ui::Panel* TutorialHand;
    ui::Timer* TutorialTimer;
    ui::SpeedButton* SpeedButton16;  // "End tutorial"

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton16Click();
    void TutorialTimerTimer();
    void Image3DblClick();
};

extern ui::Screen<TForm9> Form9;

void RefreshBankForm();

}  // namespace corvanth
