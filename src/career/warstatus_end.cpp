// The end of the civil war: one faction holds more than 14 systems.
#include <string>
#include <vector>

#include "career/news.h"
#include "career/warstatus.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/UMessage4.h"
#include "state/market.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kSystemsToWin = 15;
constexpr int kWarWon = 1;
constexpr int kWarLost = 2;  // the score's step 7 reads it as a lost war
constexpr int kPeace = 1;

std::string TwoThirds(int f) {
    return "The " + FactionName(f) +
           " has gained control about almost two-third of known space. Overwhelmed by such an "
           "impressive power the other factions surrendered today. This definately marks the end "
           "of the civil war.";
}

const std::vector<std::string>& VictoryLines(int pf) {
    static const std::vector<std::string> kLines[] = {
        {},
        {"With pride you watch your fellow comrades to raise the flag on the last enemy "
         "stronghold.",
         "Finally the rebellion is crushed. The great Federation is saved and united under one "
         "flag. But for how long? Can the power of arms suppress freedom for ever?",
         "You do not know, but you are a soldier and have learned to keep your hands away from "
         "politics. Enjoy this day, cause today is the day of victory!"},
        {"Seeing your fellow rebels raise the flag of freedom among the remnants of the invaders "
         "fills you with pride. Freedom...for some, this word will always have the bitter taste "
         "of the blood of their friends.",
         "After the fighting is over, you visit the grave of a good friend of yours. You read \"" +
             std::string(kRimEpitaph) + "\" on his graveyard and your eyes fill with tears.",
         "You gently touch the stone and leave. Much has been lost, but much has been won. Its "
         "the task of those who live to honor the sacrifices of those who died as well as to "
         "enjoy the gift of freedom.",
         "You won and survived, be proud of it!"},
        {"You laugh madly watching your fellow scoundrels raise the flag on yet another planet. "
         "The power of chaos and violence has once more won!"},
        {"Peace! Finally peace! Your flag flies high above the last remants of the war. Now its "
         "time to make money by building up what has been destroyed.",
         "But can lost lifes be build up again?"}};
    return kLines[pf];
}

// Another faction has won: the captain's war ends in a prison camp, and the game with it.
void Defeat(int f) {
    PlayAlertSound();
    ShowMessage1("The " + FactionName(f) + " has won the war!");
    PlayBadSound();
    ShowLongNotice("End of civil war!", "news.jpg",
                   {TwoThirds(f), " ",
                    "The war hero " + WarHeroName() + " has been arrested by " + FactionName(f) +
                        " forces. His remain is still unknown."});
    PlayBadSound();
    ShowLongNotice(
        "Prisoner", "hiddencargo.jpg",
        {"Captured and humilated you are kept at the cargo bays of an old Ferendar "
         "freighter and shipped to an icecold prisoner camp at Howling Wind in the Lands "
         "End system.",
         "With your nation defeated and your fellow comrades dead or scattered you spend "
         "the rest of your short life doing hard labor. Its then you have much time to "
         "think about what went wrong."});
    GameRecord& captain = Captain();
    captain[Player::GameRunning] = 0;
    captain[Player::CivilWarOver] = kWarLost;
    GameUpcalls().RetireAndScore();
}

void Victory(int pf) {
    GameState& g = G();
    PlayReward1Sound();
    ShowMessage1("The " + FactionName(pf) + " has won the war!");
    PlayReward2Sound();
    ShowLongNotice(
        "End of civil war!", "news.jpg",
        {TwoThirds(pf), " ",
         "The war hero " + WarHeroName() +
             " who has had a major influence on the victory of his nation has told his "
             "news channel that he is going to retire very soon. He is part of thousands "
             "of war veterans who will come back home. We wish him all the best."});
    PlayVictorySound();
    ShowLongNotice("Victory!", "victory.jpg", VictoryLines(pf));
    PlayAwardSound();
    GameRecord& captain = Captain();
    captain[Player::LifePoints] += 1;
    g.Factions[pf][Faction::MedalOfHonour] = 1;
    ShowVictoryAward(pf);
    captain[Player::CivilWarOver] = kWarWon;
    for (int f = FactionId::Federation; f <= FactionId::Coalition; ++f) {
        for (int o = FactionId::Federation; o <= FactionId::Coalition; ++o)
            g.Factions[f][Faction::RelationBase + o] = kPeace;
        if (f != pf) g.Factions[f][Faction::Surrendered] = 1;
    }
    UpdateMarketPrices();
    if (AskYesNo("Do you wish to retire now? (Recommended, you really earned it!)"))
        GameUpcalls().RetireAndScore();
}

}  // namespace

void CheckEndOfWar() {
    GameState& g = G();
    for (int f = FactionId::Federation; f <= FactionId::Coalition; ++f) {
        // The civil war ends once: a captain who changes sides afterwards is not arrested by
        // the old winner.
        if (Captain()[Player::CivilWarOver] != 0) return;
        if (g.Factions[f][Faction::Active] <= 0) continue;
        int held = 0;
        for (int s = StarSystem::First; s <= StarSystem::Last; ++s)
            if (g.StarSystems[s][StarSystem::Owner] == f) ++held;
        if (held < kSystemsToWin) continue;
        if (f != CaptainFaction())
            Defeat(f);
        else
            Victory(f);
    }
}

}  // namespace corvanth
