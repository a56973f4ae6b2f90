// The results screen: the round's places and health, the TV panel of the watched fight, bets.
#include "combat/Duelhold_TournamentResults.h"

#include "combat/Duelhold_Main.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/showing.h"
#include "state/tables.h"
#include "travel/travel.h"

namespace corvanth {

ui::Screen<TForm63> Form63{"TForm63"};

namespace {

constexpr ui::Color kBidColor{200, 30, 30};
constexpr ui::Color kNormalColor{150, 200, 240};

int Fighter(int side) {
    const int w = G().WatchedFight;
    return w >= 1 && w <= 8 ? EntrantAt(G().PlayerTournament, 2 * w - 2 + side) : 0;
}

}  // namespace

std::string GladiatorDescription(int n, bool fightDisplay) {
    static const char* const kResults[] = {
        "", "This is one of the weaker gladiators on Gameris. ",
        "This pilot seems to be talented, but nothing special. ",
        "A veteran of many battles, this pilot has learned how to fight. ",
        "One of the few champions and feared topgun on Gameris. "};
    static const char* const kDisplay[] = {
        "", "This is one of the weaker gladiators on Gameris. ",
        "This pilot seems to be talented, but he is in no terms special. ",
        "A veteran of many battles - this pilot has learned how to fight. ",
        "One of the few champions and a feared topgun on Gameris. "};
    static const char* const kStyles[] = {
        "", "His flying style is by the book and thought through.",
        "Sometimes he just freaks out and fights like a maniac.",
        "He is known for his cold-blood and defensive manouvers."};
    const GameRecord& g = GladiatorRecord(n);
    const int skill = g[Gladiator::Skill], style = g[Gladiator::FightingStyle];
    std::string text;
    if (skill >= 1 && skill <= 4) text = fightDisplay ? kDisplay[skill] : kResults[skill];
    if (style >= 1 && style <= 3) text += kStyles[style];
    return text;
}

void ShowRoundControls(int t) {
    for (int place = 1; place <= kTournamentPlaces; ++place) {
        GameRecord& g = GladiatorRecord(EntrantAt(t, place));
        g[Gladiator::Bet] = 0;
        g[Gladiator::Health] = 100;
    }
    Form63->SpeedButton4->caption = "Leave && Miss the round";
    for (int w = 1; w <= 8; ++w) Form63->Watch[w]->enabled = true;
    CalcTournamentOdds(t);
}

void ShowTournamentResults(int t) {
    if (t != G().PlayerTournament) return;
    TForm63& f = *Form63;
    f.TitleLabel->caption = TournamentDisplayName(t);
    for (int place = 1; place <= kTournamentPlaces; ++place) {
        const int n = EntrantAt(t, place);
        f.PlaceName[place]->caption = GladiatorName(n);
        const bool bet = n != 0 && GladiatorRecord(n)[Gladiator::Bet] > 0;
        f.PlaceShape[place]->brushColor = bet ? kBidColor : kNormalColor;
    }
    for (int w = 1; w <= 8; ++w)
        if (EntrantAt(t, 2 * w - 1) == 0 || EntrantAt(t, 2 * w) == 0) f.Watch[w]->enabled = false;
    ShowGladiatorHealth(t);
    ShowTournamentPairings(t);
}

// Also before the screen shows: its first frame has the bars filled.
void ShowGladiatorHealth(int t) {
    if (t != G().PlayerTournament) return;
    for (int place = 1; place <= kTournamentPlaces; ++place) {
        const int n = EntrantAt(t, place);
        Form63->Health[place]->SetPosition(n ? GladiatorRecord(n)[Gladiator::Health] : 0);
    }
}

void ShowTournamentPairings(int t) {
    if (t != G().PlayerTournament) return;
    TForm63& f = *Form63;
    static const char* const kRounds[] = {
        "", "First round:", "Quarter finals:", "Semi finals:", "Finals:"};
    const int phase = TournamentRecord(t)[Tournament::Phase];
    f.RoundLabel->caption = phase >= 1 && phase <= 4 ? kRounds[phase] : "";
    const std::string bid = "Bid $" + FormatThousands(TournamentRecord(t)[Tournament::BetAmount]);
    f.SpeedButton1->caption = f.SpeedButton2->caption = bid;
    bool anyBet = false;
    for (int side = 1; side <= 2; ++side) {
        const int n = Fighter(side);
        f.FighterPortrait[side]->LoadPicture(n ? GladiatorPicture(n) : "");
        f.FighterShip[side]->LoadPicture(
            n ? GetShipPictureName(GladiatorRecord(n)[Gladiator::ShipType]) : "");
        f.FighterName[side]->caption = GladiatorName(n);
        f.FighterText[side]->caption = n ? GladiatorDescription(n, false) : "";
        const bool bet = n && GladiatorRecord(n)[Gladiator::Bet] > 0;
        f.FighterFrame[side]->brushColor = bet ? kBidColor : ui::colors::White;
        anyBet = anyBet || bet;
    }
    // A fight already over takes no bet: nothing would ever settle it.
    const bool open = !anyBet && Fighter(1) && Fighter(2);
    f.SpeedButton1->enabled = f.SpeedButton2->enabled = open;
    ShowOdds(t);
}

void ShowOdds(int t) {
    if (t != G().PlayerTournament) return;
    Form63->OddsLabel->caption =
        "Odds = " + std::to_string(GladiatorRecord(Fighter(1))[Gladiator::Odds]) + ":" +
        std::to_string(GladiatorRecord(Fighter(2))[Gladiator::Odds]);
}

void ShowRoundClosed() {
    Form63->SpeedButton4->caption = "Close";
}

void StopResultsTimer() {
    Form63->Timer1->SetEnabled(false);
}

void CloseTournamentResults() {
    if (TournamentResultsShowing()) Form63->Close();
}

PauseResultsTimer::PauseResultsTimer() {
    wasRunning_ = Form63->Timer1->Enabled();
    if (wasRunning_) Form63->Timer1->SetEnabled(false);
}

PauseResultsTimer::~PauseResultsTimer() {
    // A round that ended meanwhile keeps its timer stopped.
    const int t = G().PlayerTournament;
    if (wasRunning_ && TournamentRecord(t)[Tournament::RoundDecided] == 0)
        Form63->Timer1->SetEnabled(true);
}

TForm63::TForm63() : ui::Form("TForm63") {
    Image7 = Bind<ui::Image>("Image7");
    TournamentImage = Bind<ui::Image>("TournamentImage");
    TitleLabel = Bind<ui::Label>("TitleLabel");
    for (int place = 1; place <= kTournamentPlaces; ++place) {
        const std::string n = std::to_string(place);
        PlaceShape[place] = Bind<ui::Shape>("PlaceShape" + n);
        PlaceName[place] = Bind<ui::Label>("PlaceName" + n);
        Health[place] = Bind<ui::ProgressBar>("Health" + n);
    }
    for (int w = 1; w <= 8; ++w) {
        Watch[w] = Bind<ui::SpeedButton>(std::string("Slot") + char('A' + w - 1) + "_Watch");
        Watch[w]->OnClick = [this, w] { SlotWatchClick(w); };
    }
    TVPanel = Bind<ui::Panel>("TVPanel");
    RoundLabel = Bind<ui::Label>("RoundLabel");
    for (int side = 1; side <= 2; ++side) {
        const std::string n = std::to_string(side);
        FighterFrame[side] = Bind<ui::Shape>("FighterFrame" + n);
        FighterPortrait[side] = Bind<ui::Image>("FighterPortrait" + n);
        FighterShip[side] = Bind<ui::Image>("FighterShip" + n);
        FighterName[side] = Bind<ui::Label>("FighterName" + n);
        FighterText[side] = Bind<ui::Label>("FighterText" + n);
    }
    OddsLabel = Bind<ui::Label>("OddsLabel");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    Timer1 = Bind<ui::Timer>("Timer1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    Timer1->OnTimer = [this] { Timer1Timer(); };
}

void TForm63::FormActivate() {
    TournamentImage->LoadPicture(TournamentPicture(G().PlayerTournament));
}

void TForm63::SlotWatchClick(int fight) {
    PlayButtonSound();
    TVPanel->visible = true;
    G().WatchedFight = fight;
    ShowTournamentPairings(G().PlayerTournament);
}

void TForm63::Bid(int side) {
    GameState& g = G();
    const int t = g.PlayerTournament;
    const int n = Fighter(side), other = Fighter(3 - side);
    if (n == 0 || other == 0) return;
    const int bet = TournamentRecord(t)[Tournament::BetAmount];
    GameRecord& captain = Captain();
    if (captain[Player::Money] < bet) {
        ShowMessage1("You do not have enough money!");
        return;
    }
    PauseResultsTimer pause;
    GameRecord& gl = GladiatorRecord(n);
    const int own = gl[Gladiator::Odds], theirs = GladiatorRecord(other)[Gladiator::Odds];
    if (!AskYesNo("Do you really want to bid on " + GladiatorName(n) + " with " +
                  std::to_string(own) + ":" + std::to_string(theirs) + " odds to win?"))
        return;
    gl[Gladiator::Bet] = bet;
    captain[Player::Money] -= bet;
    gl[Gladiator::BetOwnOdds] = own;
    gl[Gladiator::BetOtherOdds] = theirs;
    ShowTournamentResults(t);
    RefreshTravelScreen();
}

void TForm63::SpeedButton1Click() {
    Bid(1);
}

void TForm63::SpeedButton2Click() {
    Bid(2);
}

void TForm63::SpeedButton3Click() {
    PlayButtonSound();
    TVPanel->visible = false;
}

void TForm63::SpeedButton4Click() {
    PlayButtonSound();
    Close();
}

void TForm63::Timer1Timer() {
    FightTournamentRound(G().PlayerTournament);
    if (Random(1000) < 50) PlayGamesSound();
}

}  // namespace corvanth
