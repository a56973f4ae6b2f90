// The tournaments' rules: the roster, the phases, the draw, the fights, the odds, bets and prizes.
#include <algorithm>
#include <array>
#include <initializer_list>

#include "combat/Duelhold_Main.h"
#include "combat/Duelhold_TournamentResults.h"
#include "combat/Duelhold_Winner.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/reputation.h"
#include "state/saturate.h"
#include "state/tables.h"
#include "travel/NextTurnUnit.h"
#include "travel/NextTurnUnit_notices.h"
#include "travel/travel.h"

namespace corvanth {

namespace {

constexpr int kPlaces = 16;
constexpr int kFightCallsPerTurn = 10001;
constexpr int kDrawAttempts = 1000;
constexpr int kSimulationExchanges = 101;

// clang-format off
const char* const kGladiatorNames[] = {
    "Slash", "Bully", "Shock", "Rodney", "Booney", "Tom", "Billy", "Kid", "Foreigner", "Viper",
    "Captain", "Johnny", "Fox", "Boss", "Doc", "Ghoul", "Duster", "Killer", "Jester", "Brother",
    "Ward", "Topshot", "MorningStar", "Shark", "Spirit", "Bossman", "Dutch", "DJ", "Bullet",
    "Mustang", "Knife", "Invincible", "Tormentor", "Gravedigger", "Chief", "Lord", "Firestarter",
    "Lightning", "Knight", "Hunter", "Master", "Goldrain", "Executioner", "Doomsday", "Sabre",
    "Legend", "Lonesome", "Coldwind", "Summer", "Angel", "Six", "Wolf", "Wild", "Zulu"};
// clang-format on
static_assert(std::size(kGladiatorNames) == kLastGladiator - 1);

// What a sign-up phase writes: prize, start fee, bet.
struct Terms {
    int prize, fee, bet;
};
constexpr Terms kTerms[4] = {
    {0, 0, 0}, {100000, 10000, 10000}, {500000, 100000, 50000}, {1000000, 250000, 100000}};
// Simulated fights behind the odds, and the divisor of their difference.
constexpr int kSimulations[4] = {0, 5, 10, 15};
constexpr int kOddsDivisor[4] = {1, 1, 2, 3};

struct Band {
    int upTo;
    int value;
};
int FromBands(std::initializer_list<Band> bands, int r) {
    for (const Band& b : bands)
        if (r <= b.upTo) return b.value;
    return 0;
}

int SkillFor(int league, int r) {
    switch (league) {
        case 1:
            return FromBands({{35, 1}, {75, 2}, {99, 3}}, r);
        case 2:
            return FromBands({{75, 2}, {95, 3}, {99, 4}}, r);
        default:
            return FromBands({{65, 3}, {99, 4}}, r);
    }
}

int ShipFor(int skill, int r) {
    switch (skill) {
        case 1:
            return FromBands({{40, 1}, {70, 2}, {80, 20}, {90, 25}, {99, 3}}, r);
        case 2:
            return FromBands({{20, 1}, {40, 2}, {60, 20}, {80, 25}, {99, 3}}, r);
        case 3:
            return FromBands({{5, 1}, {10, 2}, {40, 20}, {70, 25}, {99, 3}}, r);
        default:
            return FromBands({{30, 20}, {70, 25}, {99, 3}}, r);
    }
}

bool ValidTournament(int t) {
    return t >= kFirstTournament && t <= kLastTournament;
}
bool ValidGladiator(int n) {
    return n >= kFirstGladiator && n <= kLastGladiator;
}
int Place(int t, int place) {
    const int n = EntrantsRecord(t)[place];
    return ValidGladiator(n) ? n : 0;
}
bool ArenaScreenShowing() {
    return Form61 && Form61->Visible();
}

// One blow of x at y: the damage and, when y falls low, the odds read afresh.
void Strike(int t, int x, int y, bool firstOfPair) {
    GameRecord& def = GladiatorRecord(y);
    if (Random(100) >= TournamentHitChance(x, y)) return;
    const int damage =
        Random(10) + TournamentShipTerm(GladiatorRecord(x)[Gladiator::ShipType], firstOfPair);
    def[Gladiator::Health] -= damage;
    int r = Random(1000);
    if (def[Gladiator::Health] < 20) r = Random(40);
    if (r < 20) CalcTournamentOdds(t);
}

// One exchange of a pair; the loser's place emptied, 0 while both fight on.
int Exchange(int t, int place) {
    const int x = Place(t, place), y = Place(t, place + 1);
    GameRecord& gx = GladiatorRecord(x);
    GameRecord& gy = GladiatorRecord(y);
    const int beforeX = gx[Gladiator::Health], beforeY = gy[Gladiator::Health];
    Strike(t, x, y, true);
    Strike(t, y, x, false);
    int loserPlace = 0;
    if (gx[Gladiator::Health] < 1 && gy[Gladiator::Health] < 1) {
        // A double knock-out: the coin's winner keeps his health from before the exchange.
        if (Random(100) < 50) {
            gy[Gladiator::Health] = beforeY;
            loserPlace = place;
        } else {
            gx[Gladiator::Health] = beforeX;
            loserPlace = place + 1;
        }
    } else if (gx[Gladiator::Health] < 1) {
        loserPlace = place;
    } else if (gy[Gladiator::Health] < 1) {
        loserPlace = place + 1;
    }
    if (loserPlace == 0) return 0;
    GladiatorRecord(Place(t, loserPlace))[Gladiator::LostFight] = 1;
    EntrantsRecord(t)[loserPlace] = 0;
    SettleBids(x, y);
    ShowTournamentResults(t);
    return loserPlace;
}

// The simulated fights of a pair from their healths now: how often each side won.
std::array<int, 2> SimulateFights(int x, int y, int fights) {
    const GameRecord& gx = GladiatorRecord(x);
    const GameRecord& gy = GladiatorRecord(y);
    std::array<int, 2> wins{};
    for (int f = 0; f < fights; ++f) {
        int hx = gx[Gladiator::Health], hy = gy[Gladiator::Health];
        for (int e = 0; e < kSimulationExchanges && hx >= 0 && hy >= 0; ++e) {
            const int beforeX = hx, beforeY = hy;
            if (gx[Gladiator::Skill] * 10 > Random(100)) hy -= Random(10);
            if (gy[Gladiator::Skill] * 10 > Random(100)) hx -= Random(10);
            if (hx <= 0 && hy <= 0) {
                if (Random(100) < 50) {
                    hy = beforeY;
                } else {
                    hx = beforeX;
                }
            }
        }
        ++wins[hx < 0 ? 1 : 0];
    }
    return wins;
}

// The places a round's winners take: the winner of pair 1 keeps his place, pair 2's winner
// joins him, and the winners of pairs 3.. take places 3...
void MoveWinners(int t, int pairs) {
    GameRecord& e = EntrantsRecord(t);
    std::array<int, 9> winner{};
    for (int k = 1; k <= pairs; ++k) winner[k] = std::max(Place(t, 2 * k - 1), Place(t, 2 * k));
    const bool firstKeepsPlace1 = Place(t, 1) != 0 || winner[1] == 0;
    for (int place = 1; place <= kPlaces; ++place) e[place] = 0;
    if (winner[1] != 0) e[firstKeepsPlace1 ? 1 : 2] = winner[1];
    if (winner[2] != 0) e[e[1] == 0 ? 1 : 2] = winner[2];
    for (int k = 3; k <= pairs; ++k) e[k] = winner[k];
}

int64_t FameGain(int t, int64_t v) {
    int64_t gain = 0;
    if (t == 1) gain = (Random(SaturateInt32(v / 25)) + v / 10) * 4;
    if (t == 2) gain = (Random(SaturateInt32(v / 12)) + v / 5) * 4;
    if (t == 3) gain = (Random(SaturateInt32(v / 5)) + v / 3) * 4;
    return std::max<int64_t>(gain, 40);
}

void ShowChampion(int t, int champion) {
    if (!Form65) return;
    const bool captain = champion == kCaptainGladiator;
    const int ship =
        captain ? PlayerShip()[Ship::Class] : GladiatorRecord(champion)[Gladiator::ShipType];
    FillWinnerScreen(t, GladiatorName(champion), GladiatorPicture(champion),
                     GetShipPictureName(ship));
    if (!captain && !ArenaScreenShowing()) return;
    PlayGames1Sound();
    Form65->ShowModal();
}

void AwardCaptain(int t) {
    GameRecord& captain = Captain();
    const int prize = TournamentRecord(t)[Tournament::Prize];
    captain[Player::Money] = CapValue(int64_t{captain[Player::Money]} + prize);
    RefreshStatusPanel();
    ShowFixedNotice("You won the prize money of " + FormatThousands(prize) + " $C!",
                    "treasure_sm.jpg");
    const int own = CaptainFaction();
    const int64_t fame = FameGain(t, captain[Player::Fame]);
    const int64_t reputation = FameGain(t, FactionRecord(own)[Faction::Reputation]);
    PlayReward1Sound();
    ShowMessage1(
        "The finals are broadcasted in the whole known galaxy and the word about you spreads.");
    GainFame(fame);
    if (own > 0) GainReputation(own, reputation);
    RefreshStatusPanel();
    CloseTournamentResults();
}

}  // namespace

GameRecord& TournamentRecord(int t) {
    return ValidTournament(t) ? G().Tournaments[t] : ScratchRecord();
}
GameRecord& EntrantsRecord(int t) {
    return ValidTournament(t) ? G().TournamentEntrants[t] : ScratchRecord();
}
GameRecord& GladiatorRecord(int n) {
    return ValidGladiator(n) ? G().Gladiators[n] : ScratchRecord();
}
std::string GladiatorName(int n) {
    return ValidGladiator(n) ? G().GladiatorNames[n].str() : std::string();
}

std::string TournamentName(int t) {
    static const char* const kNames[] = {"", "Red Arrow Rookie Championship",
                                         "Silver Eagle Super Championship",
                                         "Golden Rapier Galaxy Cup"};
    return ValidTournament(t) ? kNames[t] : "";
}
std::string TournamentDisplayName(int t) {
    return t == 3 ? "Golden Rapier Galaxy Super Cup" : TournamentName(t);
}
std::string TournamentPicture(int t) {
    return ValidTournament(t) ? "exp1_tournament" + std::to_string(t) + ".jpg" : "";
}
std::string GladiatorPicture(int n) {
    if (n == kCaptainGladiator) return GetHeroPictureName(G().CurrentPlayer) + ".jpg";
    return "exp1_gladiator" + std::to_string(GladiatorRecord(n)[Gladiator::Portrait]) + ".jpg";
}

int TournamentHitChance(int attacker, int defender) {
    const GameRecord& a = GladiatorRecord(attacker);
    const int skill = a[Gladiator::Skill];
    int chance = skill * 10 + (skill == 4 ? 20 : 0);
    // Rows: the attacker's style; columns: the defender's (1 by the book, 2 maniac, 3 defensive).
    static constexpr int kStyle[4][4] = {
        {0, 0, 0, 0}, {0, 0, -20, -10}, {0, 20, 0, -20}, {0, 10, 20, 0}};
    const int sa = a[Gladiator::FightingStyle];
    const int sd = GladiatorRecord(defender)[Gladiator::FightingStyle];
    if (sa >= 1 && sa <= 3 && sd >= 1 && sd <= 3) chance += kStyle[sa][sd];
    return chance;
}

int TournamentShipTerm(int shipType, bool firstOfPair) {
    switch (shipType) {
        case 2:
            return 1;
        case 3:
            return 2;
        case 20:
            return firstOfPair ? 2 : 0;
        case 25:
            return firstOfPair ? 3 : 0;
        default:
            return 0;
    }
}

OddsPair OddsForDifference(int d) {
    static constexpr OddsPair kOdds[] = {{4, 1}, {3, 1}, {2, 1}, {3, 2}, {4, 3}, {1, 1},
                                         {3, 4}, {2, 3}, {1, 2}, {1, 3}, {1, 4}};
    return kOdds[std::clamp(d, -5, 5) + 5];
}

OddsPair OddsForWins(int t, int xWins, int yWins) {
    return OddsForDifference((yWins - xWins) / kOddsDivisor[ValidTournament(t) ? t : 1]);
}

int64_t BetPayout(int64_t bet, int ownOdds, int otherOdds) {
    return bet / std::max(1, ownOdds) * otherOdds;
}

int OccupiedPlaces(int t) {
    int n = 0;
    for (int place = 1; place <= kPlaces; ++place) n += Place(t, place) != 0;
    return n;
}

bool RoundIsDecided(int t) {
    for (int place = 1; place < kPlaces; place += 2)
        if (Place(t, place) != 0 && Place(t, place + 1) != 0) return false;
    return true;
}

void InitGladiators() {
    GameState& g = G();
    GameRecord& captain = g.Gladiators[kCaptainGladiator];
    if (captain[Gladiator::Active] == 0) {
        g.GladiatorNames[kCaptainGladiator] = CaptainName();
        captain[Gladiator::Active] = 1;
        for (int f = 2; f <= 7; ++f) captain[f] = 0;
    }
    for (int n = 2; n <= kLastGladiator; ++n) {
        GameRecord& gl = g.Gladiators[n];
        if (gl[Gladiator::Active] != 0) continue;
        g.GladiatorNames[n] = kGladiatorNames[n - 2];
        gl[Gladiator::Active] = 1;
        gl[Gladiator::League] = n <= 17 ? 1 : n <= 33 ? 2 : n <= 49 ? 3 : Random(3) + 1;
        gl[Gladiator::Skill] = SkillFor(gl[Gladiator::League], Random(100));
        gl[Gladiator::Portrait] = Random(3) + 1;
        gl[5] = 0;
        gl[Gladiator::FightingStyle] = FromBands({{70, 1}, {85, 2}, {99, 3}}, Random(100));
        gl[Gladiator::Bet] = 0;
        gl[Gladiator::ShipType] = ShipFor(gl[Gladiator::Skill], Random(100));
    }
}

void AdvanceTournamentPhases() {
    for (int t = kFirstTournament; t <= kLastTournament; ++t) {
        GameRecord& rec = G().Tournaments[t];
        ++rec[Tournament::Phase];
        rec[Tournament::RoundDecided] = 0;
        if (rec[Tournament::Phase] >= 5) rec[Tournament::Phase] = -(Random(60) + 60);
    }
    RefreshArenaScreen();
}

void DrawTournamentEntrants() {
    for (int t = kFirstTournament; t <= kLastTournament; ++t) {
        GameRecord& rec = G().Tournaments[t];
        if (rec[Tournament::Phase] != 0) continue;
        rec[Tournament::Prize] = kTerms[t].prize;
        rec[Tournament::StartFee] = kTerms[t].fee;
        rec[Tournament::BetAmount] = kTerms[t].bet;
        GameRecord& e = G().TournamentEntrants[t];
        for (int place = 1; place <= kPlaces; ++place) e[place] = 0;
        for (int place = 1; place <= kPlaces; ++place) {
            for (int draw = 0; draw < kDrawAttempts; ++draw) {
                const int n = Random(kLastGladiator) + 1;
                const GameRecord& gl = G().Gladiators[n];
                const bool taken = std::find(&e[1], &e[kPlaces] + 1, n) != &e[kPlaces] + 1;
                if (taken || gl[Gladiator::Active] == 0 || gl[Gladiator::League] != t ||
                    n == kCaptainGladiator)
                    continue;
                e[place] = n;
                break;
            }
        }
    }
}

void FightTournamentRound(int t) {
    GameRecord& rec = TournamentRecord(t);
    const int phase = rec[Tournament::Phase];
    if (phase < 1 || phase > 4 || rec[Tournament::RoundDecided] != 0) return;
    for (int place = 1; place < kPlaces; place += 2) {
        if (Place(t, place) != 0 && Place(t, place + 1) != 0) Exchange(t, place);
        ShowGladiatorHealth(t);
    }
    // Decided once no pair holds two: a draw that left a pair empty does not stop it early.
    if (RoundIsDecided(t) && rec[Tournament::RoundDecided] == 0) {
        ShowRoundClosed();
        AwardTournamentPrize(t);
    }
}

void CalcTournamentOdds(int t) {
    if (!ValidTournament(t)) return;
    for (int place = 1; place < kPlaces; place += 2) {
        const int x = Place(t, place), y = Place(t, place + 1);
        if (x == 0 || y == 0) continue;
        const std::array<int, 2> wins = SimulateFights(x, y, kSimulations[t]);
        const OddsPair odds = OddsForWins(t, wins[0], wins[1]);
        GladiatorRecord(x)[Gladiator::Odds] = odds.x;
        GladiatorRecord(y)[Gladiator::Odds] = odds.y;
    }
}

void SettleBids(int x, int y) {
    for (int n : {x, y}) {
        GameRecord& gl = GladiatorRecord(n);
        const int bet = gl[Gladiator::Bet];
        if (bet <= 0) continue;
        gl[Gladiator::Bet] = 0;
        PauseResultsTimer pause;
        if (gl[Gladiator::Health] > 0) {
            const int64_t payout =
                BetPayout(bet, gl[Gladiator::BetOwnOdds], gl[Gladiator::BetOtherOdds]);
            GameRecord& captain = Captain();
            captain[Player::Money] = CapValue(int64_t{captain[Player::Money]} + payout);
            RefreshTravelScreen();
            RefreshArenaScreen();
            PlayReward2Sound();
            ShowFixedNotice("Congratulations! Your gladiator was successful and you won " +
                                FormatThousands(payout),
                            GladiatorPicture(n));
        } else {
            PlayReward2Sound();
            ShowFixedNotice("Oh no! Your gladiator failed and you lost " + FormatThousands(bet),
                            GladiatorPicture(n));
        }
    }
}

void AwardTournamentPrize(int t) {
    StopResultsTimer();
    GameRecord& rec = TournamentRecord(t);
    rec[Tournament::RoundDecided] = 1;
    switch (rec[Tournament::Phase]) {
        case 1:
            MoveWinners(t, 8);
            break;
        case 2:
            MoveWinners(t, 4);
            break;
        case 3:
            MoveWinners(t, 2);
            break;
        case 4: {
            const int champion = Place(t, 1) != 0 ? Place(t, 1) : Place(t, 2);
            if (champion == 0) break;
            ShowChampion(t, champion);
            if (champion == kCaptainGladiator) AwardCaptain(t);
            break;
        }
        default:
            break;
    }
}

void AdvanceTournaments() {
    GameState& g = G();
    for (int t = kFirstTournament; t <= kLastTournament; ++t) {
        const GameRecord& rec = g.Tournaments[t];
        for (int call = 0; call < kFightCallsPerTurn && rec[Tournament::RoundDecided] == 0 &&
                           rec[Tournament::Phase] >= 1 && rec[Tournament::Phase] <= 4;
             ++call)
            FightTournamentRound(t);
    }
    InitGladiators();
    AdvanceTournamentPhases();
    DrawTournamentEntrants();
    if (!ArenaScreenShowing()) return;
    PlayButtonSound();
    g.NoEncounterThisTurn = 1;
    struct Clear {
        ~Clear() { G().NoEncounterThisTurn = 0; }
    } clear;
    NextTurn();
    g.NoEncounterThisTurn = 0;
    RefreshStatusPanel();
    RefreshArenaScreen();
}

}  // namespace corvanth
