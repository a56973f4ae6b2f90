// The final score: fortune, age, awards, own planet, marriage, treasure fleet and civil war.
#include "shell/retire_steps.h"

#include <algorithm>
#include <array>
#include <string>

#include "career/warstatus.h"
#include "state/fortune.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "state/uniform.h"

namespace corvanth {

namespace {

constexpr const char* kStepNames[] = {
    "",         "Fortune",        "Age",      "Promotions & Awards", "Own planet",
    "Marriage", "Treasure fleet", "Civil War"};

// The planet a government may grant its best captains: location 1 of system 13.
constexpr int kGrantedSystem = 13;
constexpr int kGrantedLocation = 1;
constexpr int kMarriedStoryStep = 13;

ScoreStep Begin(int number, std::string picture, std::string text) {
    ScoreStep step;
    step.number = number;
    step.headline = "Step " + std::to_string(number) + ": \"" + kStepNames[number] + "\"";
    step.picture = std::move(picture);
    step.text = std::move(text);
    return step;
}

ScoreStep Unchanged(ScoreStep step, int64_t score) {
    step.line = "Score + 0 = " + FormatThousands(score);
    return step;
}

ScoreStep Gain(ScoreStep step, int64_t& score, int percent) {
    score = ApplyPercent(score, percent);
    step.line = PercentLine(percent, score);
    return step;
}

}  // namespace

int64_t ApplyPercent(int64_t score, int percent) {
    return score + (score / 100) * percent;
}

std::string PercentLine(int percent, int64_t score) {
    const std::string p = std::to_string(percent);
    return (percent >= 1 ? "Score + " + p : "Score " + p) + "% = " + FormatThousands(score);
}

int64_t AgeAtTurn(int64_t turn) {
    return 20 + turn * 4 / 360;
}

int AgePercent(int64_t age, int doses, bool dead) {
    if (dead) return -50;
    int p = age <= 30    ? 50
            : age <= 50  ? 35
            : age <= 65  ? 20
            : age <= 79  ? 10
            : age <= 100 ? 0
                         : -25;
    static constexpr int kDoseAdjustment[] = {10, -5, -8, -10, -15};
    p += kDoseAdjustment[std::clamp(doses, 0, 4)];
    return std::clamp(p, -50, 50);
}

int AwardsPercent(int rank, int ribbons, bool silverStar, bool goldStar, bool topMedal) {
    static constexpr int kRankBonus[] = {0, 0, 1, 4, 10, 17, 25, 35, 50};
    int p = -25 + (rank >= 0 && rank <= 8 ? kRankBonus[rank] : 0) + std::clamp(ribbons, 0, 12);
    p += (silverStar ? 5 : 0) + (goldStar ? 8 : 0) + (topMedal ? 10 : 0);
    return std::clamp(p, -25, 35);
}

ScoreStep FortuneStep(int64_t& score) {
    const int64_t fortune = CalcFortune();
    ScoreStep step = Begin(1, "treasurer.jpg",
                           "At the time of your retirement you are left with a fortune of: $C " +
                               FormatThousands(fortune) +
                               " (= your ship, your equipment etc. plus your money). This amount "
                               "divided by 10 is the basic score.");
    score = fortune / 10;
    step.line = "$C / 10 = Score = " + std::to_string(score);
    return step;
}

ScoreStep AgeStep(int64_t& score) {
    const GameRecord& captain = Captain();
    const int64_t age = AgeAtTurn(G().TurnNumber);
    const bool dead = captain[Player::GameRunning] == 0 || FirstOwnShip()[Ship::Present] == 0;
    const int doses = std::clamp(captain[Player::AgeDrugDoses], 0, 4);
    const std::string years = std::to_string(age);
    std::string text;
    if (dead) {
        text = "You died at the age of " + years +
               ". Next time you should retire at the bar of a friendly planet instead of getting "
               "yourself killed.";
    } else {
        static constexpr const char* kHealth[] = {
            "at good health",
            "at poor health with one age drug dosis taken.",
            "at poor health with two age drug dosen taken.",
            "at very poor health with three age drug dosen taken.",
            "at disastrous health with four age drug dosen taken.",
        };
        const char* sentence =
            age <= 30    ? ". You still have the best years of your life to come."
            : age <= 50  ? ". You have some good years still coming."
            : age <= 65  ? ". This is a quiet normal age to retire."
            : age <= 79  ? ". Enough years left in your life to enjoy the pleasures of retirement."
            : age <= 100 ? ". Not much time left for you to enjoy your retirement."
                         : ". You will be dying shortly. Adventuring was your life.";
        text = "You retire at the age of " + years + " " + kHealth[doses] + sentence;
    }
    ScoreStep step = Begin(2, GetHeroPictureName(G().CurrentPlayer) + ".jpg", std::move(text));
    return Gain(std::move(step), score, AgePercent(age, doses, dead));
}

ScoreStep AwardsStep(int64_t& score) {
    const GameState& g = G();
    const int faction = CaptainFaction();
    const GameRecord& standing = CaptainFactionRecord();
    const int rank = standing[Faction::Rank];
    const int ribbons = standing[Faction::CampaignRibbons];
    const bool silver = faction > 0 && standing[Faction::SilverStar] == 1;
    const bool gold = faction > 0 && standing[Faction::GoldStar] == 1;
    const bool top = faction > 0 && standing[Faction::MedalOfHonour] == 1;
    static const std::string kTop[] = {"", std::string(", the ") + kFederationTopMedal,
                                       ", the Eagle Of Honor", ", the title \"Samurai",
                                       ", the Heroic Cross"};
    const std::string rankName =
        faction > 0 && rank >= 0 && rank < static_cast<int>(g.RankNames[faction].size())
            ? g.RankNames[faction][rank].str()
            : "";
    std::string text = "You reached the rank of " + rankName +
                       " and were awarded: " + std::to_string(ribbons) + " campaign ribbon(s)";
    if (silver) text += ", the " + MedalName(faction, false);
    if (gold) text += ", the " + MedalName(faction, true);
    if (top) text += kTop[faction];
    ScoreStep step = Begin(3, "", text + ".");
    if (rank == 8) step.sound = ScoreStep::Sound::HighestRank;
    return Gain(std::move(step), score, AwardsPercent(rank, ribbons, silver, gold, top));
}

ScoreStep OwnPlanetStep(int64_t& score) {
    if (Captain()[Player::OwnPlanet] != 1)
        return Unchanged(
            Begin(4, "earth12rg.jpg", "The government did not promise you your own planet."),
            score);
    const int owner = G().Planets[kGrantedSystem][kGrantedLocation][Planet::Owner];
    if (CaptainFaction() == 0 || owner != CaptainFaction())
        return Unchanged(Begin(4, "earth12rg.jpg",
                               "Your government has promised you to grant you the planet \"Isle "
                               "of Innisfree\" in the New Ireland system. However at the time you "
                               "retire their promise is worthless, because your country is not in "
                               "control of this planet."),
                         score);
    ScoreStep step = Begin(4, "earth12r.jpg",
                           "For your good services the government had granted you the ownership "
                           "of the planet \"Isle of Innisfree\" in the New Ireland system.");
    return Gain(std::move(step), score, 12);
}

ScoreStep MarriageStep(int64_t& score) {
    const int f = CaptainFaction();
    static constexpr const char* kSingle[] = {
        "", "exp1_fedgirl_weddingg.jpg", "exp1_orgirl_weddingg.jpg", "exp1_syndgirl_weddingg.jpg",
        "exp1_coalgirl_weddingg.jpg"};
    static constexpr const char* kWife[] = {"", "exp1_fedgirl2.jpg", "exp1_orgirl2.jpg",
                                            "exp1_syndgirl2.jpg", "exp1_coalgirl2.jpg"};
    static constexpr const char* kHusband[] = {"", "exp1_fedgov.jpg", "exp1_orgov.jpg",
                                               "exp1_syndgov.jpg", "exp1_coalgov.jpg"};
    if (f == 0 || CaptainFactionRecord()[Faction::StoryStep] != kMarriedStoryStep)
        return Unchanged(Begin(5, kSingle[f],
                               "You have not married a wife/husband during your adventures and "
                               "retire as a single."),
                         score);
    ScoreStep step = Captain()[Player::Gender] == 2
                         ? Begin(5, kHusband[f], "You have married a handsome and loyal husband.")
                         : Begin(5, kWife[f], "You have married a most beautiful and loyal wife.");
    step.sound = ScoreStep::Sound::Marriage;
    return Gain(std::move(step), score, 12);
}

ScoreStep TreasureFleetStep(int64_t& score) {
    if (Captain()[Player::TreasureFleetSystem] != -1)
        return Unchanged(
            Begin(6, "treasurefleetg.jpg", "You did not plunder the famous treasure fleet."),
            score);
    ScoreStep step = Begin(6, "treasurefleet.jpg",
                           "You have plundered the famous treasure fleet and have become a "
                           "legendary buccaneer.");
    return Gain(std::move(step), score, 12);
}

ScoreStep CivilWarStep(int64_t& score) {
    const int over = Captain()[Player::CivilWarOver];
    if (over < 1)
        return Unchanged(Begin(7, "hiddencargo.jpg",
                               "During your service the civil war was not ended. You did not had a "
                               "significant influence on the events. Next time try harder to win "
                               "the war for your country."),
                         score);
    // 2 is the war lost to another faction; otherwise the top medal tells who won.
    if (over == 2 || CaptainFaction() == 0 || CaptainFactionRecord()[Faction::MedalOfHonour] != 1) {
        ScoreStep step = Begin(7, "hiddencargo.jpg",
                               "It was your fault that your country lost the civil war. You were "
                               "arrested and shipped to a prisoner camp. That is not a glory happy "
                               "end.");
        score -= (score / 100) * 25;
        step.line = "Score -25% = " + FormatThousands(score);
        return step;
    }
    ScoreStep step = Begin(7, "victory.jpg",
                           "Congratulations! You won the civil war for your country! You will "
                           "always be known as a legendary hero.");
    step.sound = ScoreStep::Sound::Victory;
    return Gain(std::move(step), score, 25);
}

}  // namespace corvanth
