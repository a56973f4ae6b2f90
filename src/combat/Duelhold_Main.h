// The arena of Gameris: its three tournaments, their fights and bets, and its main screen.
#pragma once

#include <string>

#include "state/tables.h"
#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

inline constexpr int kCaptainGladiator = 1;   // the captain fights under gladiator 1
inline constexpr int kTournamentPlaces = 16;  // eight pairs

// The gladiator at a place 1..16 of tournament t, 0 for an empty place.
inline int EntrantAt(int t, int place) {
    const int n = EntrantsRecord(t)[place];
    return ValidGladiator(n) ? n : 0;
}
std::string GladiatorName(int n);

// The titles: the sign-up question's, and the display screens'.
std::string TournamentName(int t);
std::string TournamentDisplayName(int t);
std::string TournamentPicture(int t);  // "exp1_tournament1.jpg" ..
std::string GladiatorPicture(int n);   // the portrait; the captain's own for gladiator 1

// One turn of all tournaments: the running rounds fought out, the roster filled, the phases moved
// and the new fields drawn; with the arena screen open, a game turn as well.
void AdvanceTournaments();
void InitGladiators();
void AdvanceTournamentPhases();
void DrawTournamentEntrants();
// One exchange in every running fight of the tournament; a round decided here is closed.
void FightTournamentRound(int t);
void CalcTournamentOdds(int t);
void SettleBids(int x, int y);
void AwardTournamentPrize(int t);
// The captain's rounds after his sign-up, each a turn and a ship battle.
void RunPlayerTournament();
void DisqualifyForFleeing();

// A new gladiator's skill by its league, its style, and its ship type by its skill, each for a
// draw r of Random(100).
int GladiatorSkillFor(int league, int r);
int GladiatorStyleFor(int r);
int GladiatorShipFor(int skill, int r);
// The rules of one exchange, for the fights and their tests.
int TournamentHitChance(int attacker, int defender);
// The damage bonus of the attacker's ship: the first fighter of a pair reads more types.
int TournamentShipTerm(int shipType, bool firstOfPair);
// The odds numbers x : y from d = y's simulated wins - x's.
struct OddsPair {
    int x = 1;
    int y = 1;
};
OddsPair OddsForDifference(int d);
// The odds of tournament t from the simulated wins: the difference divided by 1, 2 or 3.
OddsPair OddsForWins(int t, int xWins, int yWins);
// What a won bet pays back: (bet div own odds) * the other's odds.
int64_t BetPayout(int64_t bet, int ownOdds, int otherOdds);
// Occupied places of a tournament, and whether every pair holds at most one gladiator.
int OccupiedPlaces(int t);
bool RoundIsDecided(int t);
// The sign-up's refusal, "" when the captain may enter.
std::string SignUpRefusal(int t);

class TForm61 : public ui::Form {
  public:
    TForm61();
    ui::Image* Image1;  // background
    struct Column {
        ui::Label* phase;
        ui::Label* prize;
        ui::Label* fee;
        ui::Label* state;
        ui::Label* rank;
        ui::SpeedButton* signUp;
        ui::SpeedButton* watch;
    };
    Column columns[4]{};             // 1..3
    ui::SpeedButton* SpeedButton8;   // "Sign up" 1
    ui::SpeedButton* SpeedButton4;   // "Sign up" 2
    ui::SpeedButton* SpeedButton6;   // "Sign up" 3
    ui::SpeedButton* SpeedButton9;   // "Watch && bid" 1
    ui::SpeedButton* SpeedButton10;  // "Watch && bid" 2
    ui::SpeedButton* SpeedButton7;   // "Watch && bid" 3
    ui::SpeedButton* SpeedButton11;  // "Next turn"
    ui::SpeedButton* SpeedButton5;   // "Back"
    ui::SpeedButton* SpeedButton12;  // "Personal information"
    ui::Label* TurnLabel;
    ui::Label* MoneyLabel;
    ui::Label* SystemLabel;
    ui::Image* FactionLogo;
    ui::Image* CaptainPicture;
    ui::ProgressBar* FameBar;
    ui::ProgressBar* ReputationBar;

    void SpeedButton5Click();
    void SpeedButton11Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton4Click();
    void SpeedButton6Click();

  private:
    void Watch(int t);
    void SignUp(int t);
};

extern ui::Screen<TForm61> Form61;

void RefreshArenaScreen();
// A new turn: every running round may be watched again.
void ForgetWatchedRounds();
void ShowArenaStatus();

}  // namespace corvanth
