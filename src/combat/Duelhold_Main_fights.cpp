// The tournaments' fights: one exchange of blows, the odds from simulated fights, and the bets.
#include <algorithm>
#include <array>

#include "combat/Duelhold_Main.h"
#include "combat/Duelhold_TournamentResults.h"
#include "state/Sound.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/tables.h"
#include "travel/travel.h"

namespace corvanth {

namespace {

constexpr int kSimulationExchanges = 101;
// Simulated fights behind the odds, and the divisor of their difference.
constexpr int kSimulations[4] = {0, 5, 10, 15};
constexpr int kOddsDivisor[4] = {1, 1, 2, 3};

// One blow of x at y: the damage and, when y falls low, the odds read afresh; the watched pair
// shows them at once, so a bet is asked at the odds on the screen.
void Strike(int t, int x, int y, bool firstOfPair) {
    GameRecord& def = GladiatorRecord(y);
    if (Random(100) >= TournamentHitChance(x, y)) return;
    const int damage =
        Random(10) + TournamentShipTerm(GladiatorRecord(x)[Gladiator::ShipType], firstOfPair);
    def[Gladiator::Health] -= damage;
    int r = Random(1000);
    if (def[Gladiator::Health] < 20) r = Random(40);
    if (r < 20) {
        CalcTournamentOdds(t);
        ShowOdds(t);
    }
}

// One exchange of a pair; the loser's place emptied, 0 while both fight on.
int Exchange(int t, int place) {
    const int x = EntrantAt(t, place), y = EntrantAt(t, place + 1);
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
    GladiatorRecord(EntrantAt(t, loserPlace))[Gladiator::LostFight] = 1;
    EntrantsRecord(t)[loserPlace] = 0;
    SettleBids(x, y);
    ShowTournamentResults(t);
    return loserPlace;
}

// One exchange of a simulated fight: x strikes, then y, each a roll of Random(100) against its
// hit chance (the seeds that hit are those below `hitting`) and Random(10) of damage on a hit. How
// many of the four draws it takes hangs on the rolls, so every seed it may reach is worked out
// from the one it starts at, side by side, and the ones it goes on from are chosen, not jumped
// to: the rolls are coins the processor cannot guess, and these fights make most of the arena's
// draws.
struct Blows {
    int32_t toY, toX;
};
Blows SimulatedExchange(RandomGenerator& rng, uint64_t xHitting, uint64_t yHitting) {
    const uint32_t s1 = rng.Peek(1), s2 = rng.Peek(2), s3 = rng.Peek(3), s4 = rng.Peek(4);
    // Where the exchange stops when x missed (y rolls on the second draw) and when x hit (on the
    // third), both worked out before x's roll picks one: the seed waits for one choice, not two.
    const uint32_t afterMiss = ChooseIfBelow(s2, yHitting, s3, s2);
    const uint32_t afterHit = ChooseIfBelow(s3, yHitting, s4, s3);
    rng.SetSeed(ChooseIfBelow(s1, xHitting, afterHit, afterMiss));
    // y rolls on the draw after x's blow: the second when x missed, the third when x hit.
    const uint32_t yRoll = ChooseIfBelow(s1, xHitting, s3, s2);
    const uint32_t yDamage = ChooseIfBelow(s1, xHitting, s4, s3);
    const auto toY = ChooseIfBelow(s1, xHitting, RandomGenerator::Scale(s2, 10), 0);
    const auto toX = ChooseIfBelow(yRoll, yHitting, RandomGenerator::Scale(yDamage, 10), 0);
    return {static_cast<int32_t>(toY), static_cast<int32_t>(toX)};
}

// The simulated fights of a pair from their healths now: how often each side won. The records
// stay as they are while the fights run, so they are read once, and the generator is held apart.
std::array<int, 2> SimulateFights(int x, int y, int fights) {
    const GameRecord& gx = GladiatorRecord(x);
    const GameRecord& gy = GladiatorRecord(y);
    // A blow hits when skill * 10 > Random(100).
    const uint64_t xHitting = RandomGenerator::SeedsBelow(100, gx[Gladiator::Skill] * 10);
    const uint64_t yHitting = RandomGenerator::SeedsBelow(100, gy[Gladiator::Skill] * 10);
    const int32_t xHealth = gx[Gladiator::Health], yHealth = gy[Gladiator::Health];
    RandomGenerator rng = Rng();
    std::array<int, 2> wins{};
    for (int f = 0; f < fights; ++f) {
        int32_t hx = xHealth, hy = yHealth;
        for (int e = 0; e < kSimulationExchanges && hx >= 0 && hy >= 0; ++e) {
            const int32_t beforeX = hx, beforeY = hy;
            const Blows blows = SimulatedExchange(rng, xHitting, yHitting);
            hy -= blows.toY;
            hx -= blows.toX;
            if (hx <= 0 && hy <= 0) {
                if (rng.Next(100) < 50) {
                    hy = beforeY;
                } else {
                    hx = beforeX;
                }
            }
        }
        ++wins[hx < 0 ? 1 : 0];
    }
    Rng() = rng;
    return wins;
}

}  // namespace

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
    for (int place = 1; place <= kTournamentPlaces; ++place) n += EntrantAt(t, place) != 0;
    return n;
}

bool RoundIsDecided(int t) {
    for (int place = 1; place < kTournamentPlaces; place += 2)
        if (EntrantAt(t, place) != 0 && EntrantAt(t, place + 1) != 0) return false;
    return true;
}

void FightTournamentRound(int t) {
    GameRecord& rec = TournamentRecord(t);
    const int phase = rec[Tournament::Phase];
    if (phase < 1 || phase > 4 || rec[Tournament::RoundDecided] != 0) return;
    for (int place = 1; place < kTournamentPlaces; place += 2) {
        if (EntrantAt(t, place) != 0 && EntrantAt(t, place + 1) != 0) Exchange(t, place);
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
    for (int place = 1; place < kTournamentPlaces; place += 2) {
        const int x = EntrantAt(t, place), y = EntrantAt(t, place + 1);
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
            captain[Player::Money] = AfterGain(captain[Player::Money], payout);
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

}  // namespace corvanth
