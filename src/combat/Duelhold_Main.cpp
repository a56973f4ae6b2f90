// The arena's main screen: the three cups, sign-up, watching, and the captain's tournament.
#include "combat/Duelhold_Main.h"

#include "combat/Duelhold_TournamentDisplay.h"
#include "combat/Duelhold_TournamentResults.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/awardbars.h"
#include "state/exp1_UMessage2.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "travel/travel.h"

namespace corvanth {

ui::Screen<TForm61> Form61{"TForm61"};

namespace {

constexpr int kMinimumRank[4] = {0, 2, 3, 4};

// A round opened on the results screen is not opened again in the same turn: opening it resets
// every health and open bet, and a bet settled meanwhile redraws this screen.
std::array<bool, kLastTournament + 1>& WatchedThisTurn() {
    return Session().Play.WatchedThisTurn;
}

int Phase(int t) {
    return TournamentRecord(t)[Tournament::Phase];
}

std::string PhaseWord(int phase) {
    static const char* const kWords[] = {"Sign up", "First Round", "Quarter Finals", "Semi Finals",
                                         "Finals"};
    if (phase >= 0 && phase <= 4) return kWords[phase];
    return phase >= -1000 && phase <= -1 ? "Saison pause" : "";
}

std::string StateLine(int t, int phase) {
    if (phase >= -1000 && phase <= -1) return "New Start: " + std::to_string(-phase);
    if (phase == 0) return "(Sign up phase)";
    if (phase >= 1 && phase <= 100) return t == 1 ? "(Tournament running)" : "(running)";
    return "";
}

// The captain's tournament is over for him.
bool CaptainOut(int t) {
    return Captain()[Player::GameRunning] == 0 || EntrantsRecord(t)[1] != kCaptainGladiator;
}

}  // namespace

std::string SignUpRefusal(int t) {
    const GameRecord& captain = Captain();
    if (captain[Player::Money] < TournamentRecord(t)[Tournament::StartFee])
        return "You do not have enough money!";
    const int rank = ValidTournament(t) ? kMinimumRank[t] : 0;
    if (CaptainFactionRecord()[Faction::Rank] < rank)
        return "You do not have the necessary rank in your faction to fight in this tournament!";
    if (PlayerShip()[Ship::SizeClass] > 1)
        return "Only \"fighter-class\" ships may participate in the tournaments!";
    return "";
}

void RunPlayerTournament() {
    const int t = G().PlayerTournament;
    if (!ValidTournament(t)) return;
    do {
        AdvanceTournaments();
        if (CaptainOut(t)) return;
        ShowNextOpponent(t);
        Form62->ShowModal();
        if (CaptainOut(t)) return;
    } while (Phase(t) >= 0 && Phase(t) < 4);
    AdvanceTournaments();
}

void ShowArenaStatus() {
    TForm61& f = *Form61;
    const GameState& g = G();
    const GameRecord& captain = Captain();
    const int own = CaptainFaction();
    f.TurnLabel->caption = "Game Turn No.: " + std::to_string(g.TurnNumber);
    f.MoneyLabel->caption = "$C: " + FormatThousands(captain[Player::Money]);
    f.FactionLogo->LoadPicture(own > 0 ? g.FactionPictures[own].str() : "");
    f.CaptainPicture->LoadPicture(GetHeroPictureName(g.CurrentPlayer) + "_sm2.jpg");
    ShowAwardBars(*f.FameBar, *f.ReputationBar);
    f.SystemLabel->caption = SystemName(FleetSystem());
}

void ForgetWatchedRounds() {
    for (bool& watched : WatchedThisTurn()) watched = false;
}

void RefreshArenaScreen() {
    for (int t = kFirstTournament; t <= kLastTournament; ++t) {
        TForm61::Column& c = Form61->columns[t];
        const GameRecord& rec = TournamentRecord(t);
        const int phase = rec[Tournament::Phase];
        c.phase->caption = PhaseWord(phase);
        c.prize->caption = "Prize: $C " + FormatThousands(rec[Tournament::Prize]);
        c.fee->caption = "Start fee: $C " + FormatThousands(rec[Tournament::StartFee]);
        c.state->caption = StateLine(t, phase);
        c.rank->caption = "Min. rank: " + RankAbbreviation(CaptainFaction(), kMinimumRank[t]);
        c.signUp->enabled = phase == 0;
        c.watch->enabled =
            phase >= 1 && rec[Tournament::RoundDecided] != 1 && !WatchedThisTurn()[t];
    }
    if (Captain()[Player::TournamentFightInProgress] != 0) Form61->SpeedButton4->enabled = false;
    ShowArenaStatus();
}

TForm61::TForm61() : ui::Form("TForm61") {
    Image1 = Bind<ui::Image>("Image1");
    SpeedButton8 = Bind<ui::SpeedButton>("SpeedButton8");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton6 = Bind<ui::SpeedButton>("SpeedButton6");
    SpeedButton9 = Bind<ui::SpeedButton>("SpeedButton9");
    SpeedButton10 = Bind<ui::SpeedButton>("SpeedButton10");
    SpeedButton7 = Bind<ui::SpeedButton>("SpeedButton7");
    SpeedButton11 = Bind<ui::SpeedButton>("SpeedButton11");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton12 = Bind<ui::SpeedButton>("SpeedButton12");
    ui::SpeedButton* signUps[] = {nullptr, SpeedButton8, SpeedButton4, SpeedButton6};
    ui::SpeedButton* watches[] = {nullptr, SpeedButton9, SpeedButton10, SpeedButton7};
    for (int t = kFirstTournament; t <= kLastTournament; ++t) {
        const std::string n = std::to_string(t);
        columns[t] = {Bind<ui::Label>("Phase" + n),
                      Bind<ui::Label>("Prize" + n),
                      Bind<ui::Label>("Fee" + n),
                      Bind<ui::Label>("State" + n),
                      Bind<ui::Label>("Rank" + n),
                      signUps[t],
                      watches[t]};
    }
    TurnLabel = Bind<ui::Label>("TurnLabel");
    MoneyLabel = Bind<ui::Label>("MoneyLabel");
    SystemLabel = Bind<ui::Label>("SystemLabel");
    FactionLogo = Bind<ui::Image>("FactionLogo");
    CaptainPicture = Bind<ui::Image>("CaptainPicture");
    FameBar = Bind<ui::ProgressBar>("FameBar");
    ReputationBar = Bind<ui::ProgressBar>("ReputationBar");
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton11->OnClick = [this] { SpeedButton11Click(); };
    SpeedButton9->OnClick = [this] { SpeedButton9Click(); };
    SpeedButton10->OnClick = [this] { SpeedButton10Click(); };
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
    SpeedButton8->OnClick = [this] { SpeedButton8Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
}

void TForm61::SpeedButton5Click() {
    PlayButtonSound();
    AdvanceTournaments();
    Close();
}

void TForm61::SpeedButton11Click() {
    AdvanceTournaments();
}

void TForm61::Watch(int t) {
    const GameRecord& rec = TournamentRecord(t);
    if (rec[Tournament::RoundDecided] != 0 || rec[Tournament::Phase] < 1 || WatchedThisTurn()[t])
        return;
    if (t == 1) PlayButtonSound();
    PlayGamesSound();
    GameState& g = G();
    g.PlayerTournament = t;
    if (t == 3) g.WatchedFight = 1;
    WatchedThisTurn()[t] = true;
    columns[t].watch->enabled = false;
    Form63->TVPanel->visible = false;
    ShowRoundControls(t);
    ShowTournamentResults(t);
    Form63->Timer1->SetEnabled(true);
    Form63->ShowModal();
    Form63->Timer1->SetEnabled(false);
    Form63->TVPanel->visible = false;
}

void TForm61::SpeedButton9Click() {
    Watch(1);
}
void TForm61::SpeedButton10Click() {
    Watch(2);
}
void TForm61::SpeedButton7Click() {
    Watch(3);
}

void TForm61::SignUp(int t) {
    const int fee = TournamentRecord(t)[Tournament::StartFee];
    Message3Result = 0;
    if (!AskYesNo("Do you really want to sign in to the " + TournamentName(t) + " for $C" +
                  FormatThousands(fee) + "?"))
        return;
    if (const std::string refusal = SignUpRefusal(t); !refusal.empty()) {
        ShowMessage1(refusal);
        return;
    }
    GameRecord& captain = Captain();
    captain[Player::Money] -= fee;
    captain[Player::TournamentFightInProgress] = 1;
    PlayReward2Sound();
    ShowStoryLine("You enter the Gameris Games office and sign in. Welcome gladiator!",
                  TournamentPicture(t));
    EntrantsRecord(t)[1] = kCaptainGladiator;
    G().PlayerTournament = t;
    struct Done {
        ~Done() { Captain()[Player::TournamentFightInProgress] = 0; }
    } done;
    RunPlayerTournament();
    RefreshArenaScreen();
}

void TForm61::SpeedButton8Click() {
    SignUp(1);
}
void TForm61::SpeedButton4Click() {
    SignUp(2);
}
void TForm61::SpeedButton6Click() {
    SignUp(3);
}

}  // namespace corvanth
