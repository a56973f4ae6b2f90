// The tournaments' rules: the roster, the phases, the draw, the prizes and the turn's step.
#include <algorithm>
#include <array>
#include <initializer_list>

#include "combat/Duelhold_Main.h"
#include "combat/Duelhold_TournamentResults.h"
#include "combat/Duelhold_Winner.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/reputation.h"
#include "state/saturate.h"
#include "state/showing.h"
#include "state/tables.h"
#include "travel/NextTurnUnit.h"
#include "travel/travel.h"

namespace corvanth {

namespace {

constexpr int kFightCallsPerTurn = 10001;
constexpr int kDrawAttempts = 1000;

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

}  // namespace

int GladiatorSkillFor(int league, int r) {
    switch (league) {
        case 1:
            return FromBands({{35, 1}, {75, 2}, {99, 3}}, r);
        case 2:
            return FromBands({{75, 2}, {95, 3}, {99, 4}}, r);
        default:
            return FromBands({{65, 3}, {99, 4}}, r);
    }
}

int GladiatorStyleFor(int r) {
    return FromBands({{70, 1}, {85, 2}, {99, 3}}, r);
}

int GladiatorShipFor(int skill, int r) {
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

namespace {

// The places a round's winners take: the winner of pair 1 keeps his place, pair 2's winner
// joins him, and the winners of pairs 3.. take places 3...
void MoveWinners(int t, int pairs) {
    GameRecord& e = EntrantsRecord(t);
    std::array<int, 9> winner{};
    for (int k = 1; k <= pairs; ++k)
        winner[k] = std::max(EntrantAt(t, 2 * k - 1), EntrantAt(t, 2 * k));
    const bool firstKeepsPlace1 = EntrantAt(t, 1) != 0 || winner[1] == 0;
    for (int place = 1; place <= kTournamentPlaces; ++place) e[place] = 0;
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
    const bool captain = champion == kCaptainGladiator;
    const int ship =
        captain ? PlayerShip()[Ship::Class] : GladiatorRecord(champion)[Gladiator::ShipType];
    FillWinnerScreen(t, GladiatorName(champion), GladiatorPicture(champion),
                     GetShipPictureName(ship));
    if (!captain && !ArenaShowing()) return;
    PlayGames1Sound();
    Form65->ShowModal();
}

void AwardCaptain(int t) {
    GameRecord& captain = Captain();
    const int prize = TournamentRecord(t)[Tournament::Prize];
    captain[Player::Money] = AfterGain(captain[Player::Money], prize);
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

void InitGladiators() {
    GameState& g = G();
    GameRecord& captain = g.Gladiators[kCaptainGladiator];
    if (captain[Gladiator::Active] == 0) {
        g.GladiatorNames[kCaptainGladiator] = CaptainName();
        captain[Gladiator::Active] = 1;
        for (int f : {Gladiator::League, Gladiator::Skill, Gladiator::Portrait, Gladiator::Spare,
                      Gladiator::FightingStyle, Gladiator::Bet})
            captain[f] = 0;
    }
    for (int n = 2; n <= kLastGladiator; ++n) {
        GameRecord& gl = g.Gladiators[n];
        if (gl[Gladiator::Active] != 0) continue;
        g.GladiatorNames[n] = kGladiatorNames[n - 2];
        gl[Gladiator::Active] = 1;
        gl[Gladiator::League] = n <= 17 ? 1 : n <= 33 ? 2 : n <= 49 ? 3 : Random(3) + 1;
        gl[Gladiator::Skill] = GladiatorSkillFor(gl[Gladiator::League], Random(100));
        gl[Gladiator::Portrait] = Random(3) + 1;
        gl[Gladiator::Spare] = 0;
        gl[Gladiator::FightingStyle] = GladiatorStyleFor(Random(100));
        gl[Gladiator::Bet] = 0;
        gl[Gladiator::ShipType] = GladiatorShipFor(gl[Gladiator::Skill], Random(100));
    }
}

void AdvanceTournamentPhases() {
    ForgetWatchedRounds();
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
        for (int place = 1; place <= kTournamentPlaces; ++place) e[place] = 0;
        // Gladiator n is drawn as Random(55) + 1: bit n - 1 of the set of those a place takes.
        uint64_t open = 0;
        for (int n = kFirstGladiator; n <= kLastGladiator; ++n) {
            const GameRecord& gl = G().Gladiators[n];
            if (gl[Gladiator::Active] != 0 && gl[Gladiator::League] == t && n != kCaptainGladiator)
                open |= uint64_t{1} << (n - 1);
        }
        for (int place = 1; place <= kTournamentPlaces; ++place) {
            const int n = DrawUntilWanted(kLastGladiator, open, kDrawAttempts) + 1;
            e[place] = n;
            if (n > 0) open &= ~(uint64_t{1} << (n - 1));
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
            const int champion = EntrantAt(t, 1) != 0 ? EntrantAt(t, 1) : EntrantAt(t, 2);
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
    if (!ArenaShowing()) return;
    PlayButtonSound();
    g.NoEncounterThisTurn = 1;
    struct Clear {
        ~Clear() { G().NoEncounterThisTurn = 0; }
    } clear;
    NextTurn();
    RefreshStatusPanel();
    RefreshArenaScreen();
}

}  // namespace corvanth
