// The award screen of the civil war's victory: the faction's top medal.
#include "career/Promotion.h"
#include "career/warstatus.h"
#include "state/tables.h"

namespace corvanth {

AwardTexts VictoryAward(int faction) {
    struct Row {
        const char *name, *kind, *background, *medal;
    };
    static const std::string kFedMedal = std::string("\"") + kFederationTopMedal + "\"";
    static const Row kRows[] = {
        {"", "", "", ""},
        {kFedMedal.c_str(), "medal", "FedAwardBackgr.jpg", "Fed-MedalofHonor.jpg"},
        {"\"Eagle Of Honor\"", "medal", "ORAwardBackgr.jpg", "Outerrim-MedalofHonor.jpg"},
        {"\"the title \"Samurai\"", "of the empire", "SyndAwardBackgr.jpg",
         "Synd-MedalofHonor.jpg"},
        {"Heroic Cross", "medal", "CoalAwardBackgr.jpg", "Coal-MedalofHonor.jpg"}};
    const Row& row = kRows[PlayableFaction(faction) ? faction : 0];
    AwardTexts award;
    award.headline = "For unprecedented heroism the " + FactionName(faction) + " awards you:";
    award.name = row.name;
    award.kind = row.kind;
    award.quotation = "\"For unprecedented valor and heroism in war.\"";
    award.background = row.background;
    award.picture = row.medal;
    award.shape = AwardTexts::Picture::Medal;
    return award;
}

void ShowVictoryAward(int faction) {
    RefreshAwardUniform();
    ShowAward(VictoryAward(faction));
}

}  // namespace corvanth
