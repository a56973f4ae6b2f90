// What each award says: the headlines, the ribbons' names and quotations, the medals and wings.
#include <array>
#include <string>

#include "career/Promotion.h"
#include "state/tables.h"
#include "state/uniform.h"

namespace corvanth {

namespace {

constexpr int kFirstAwardedRibbon = 2;
constexpr int kLastRibbon = 12;
constexpr const char* kQuote = "\"";

// How a ribbon's name is set: in quotes, "The " and in quotes, "The " and plain, plain; the
// Federation's anthem ribbon is split over two lines.
enum class Mark { Q, TQ, T, P, Split };

struct Ribbon {
    const char* name;
    Mark mark;
    const char* quotation;
};

// clang-format off
// Ribbons 2..12 by faction 1..4; ribbon 1 comes with the commission.
constexpr std::array<std::array<Ribbon, 11>, 4> kRibbons = {{
    {{  // Federation
        {"Operation Spearhead", Mark::Q, "For standing in the first line when the Federation fleet struck across the border."},
        {"Keep marching", Mark::TQ, "For keeping a crew moving through long months of patrol without a single desertion."},
        {"Harlan Voss", Mark::TQ, "Named for the admiral who held the Cassar gate for nine days, for those who hold their post against all odds."},
        {"Elena Rusk", Mark::Q, "In memory of the pilot who flew the last convoy out of a burning colony, for saving lives under fire."},
        {"Anthem of the Free Worlds", Mark::Split, "For deeds that are sung in the mess halls of every Federation carrier."},
        {"Men of the Long Dawn", Mark::Q, "For a landing that opened the way for the fleets that came behind you."},
        {"Duty", Mark::Q, "For placing the orders of the Federation above your own comfort and your own purse."},
        {"Battle of Sirius", Mark::Q, "For service in the sector where the Federation first turned back an invading fleet."},
        {"Devildog", Mark::Q, "For fighting on when your ship was crippled and your crew outnumbered."},
        {"Amara Okonde", Mark::Q, "Named for the senator who rallied the core worlds, for officers whose example rallies others."},
        {"Thessaly Crane", Mark::Q, "The ribbon Grand Admiral Crane wore to her last battle, for a lifetime of victories."},
    }},
    {{  // Outer Rim Alliance
        {"Defense of Scotland", Mark::Q, "For defending the highland colonies when the first raiders came over the rim."},
        {"Freedom", Mark::TQ, "For breaking the blockade that would have starved the free settlements."},
        {"Brannagh Quill", Mark::TQ, "Named for the smuggler captain who armed the first militia, for those who give the Alliance its teeth."},
        {"Maeve Corrigan", Mark::T, "For captains who, like Maeve Corrigan, never left a comrade behind in the void."},
        {"Colours of the Green Moons", Mark::P, "For carrying the Alliance's colours into systems that had never seen them."},
        {"Price of Freedom", Mark::P, "For paying in blood and steel what independence costs, and paying it gladly."},
        {"Justice", Mark::Q, "For bringing to account those who preyed on the outer colonies."},
        {"Valor", Mark::Q, "For courage beyond the call of duty in the face of a stronger enemy."},
        {"Forward", Mark::Q, "For leading from the front when the Alliance went over to the attack."},
        {"Fergal Dunmore", Mark::Q, "Named for the founder of the Alliance fleet, for officers who build as well as fight."},
        {"True wisdom", Mark::Q, "For knowing when to strike, when to wait and when to make peace."},
    }},
    {{  // Syndicate
        {"Operation Fate", Mark::TQ, "For a mission the masters of the Syndicate planned and you carried out without a question."},
        {"Sacrifice", Mark::TQ, "For giving up what was yours so that the Syndicate might prosper."},
        {"Hideo Karasu", Mark::Q, "Named for the first master of the Syndicate fleet, for officers who serve in silence and strike without warning."},
        {"Ren Shirogane", Mark::Q, "For the patience of Ren Shirogane, who waited eleven years to take back his home world."},
        {"Kaito Morinaga", Mark::P, "For cunning that wins a battle before the first shot is fired."},
        {"Manipulation", Mark::P, "For turning the enemy's greed and fear into weapons of the Syndicate."},
        {"Swift strike", Mark::Q, "For an attack so sudden that the enemy never raised his shields."},
        {"Our System", Mark::Q, "For holding the home systems of the Syndicate against every intruder."},
        {"No retreat", Mark::Q, "For standing your ground when every order told you to fall back."},
        {"Berlin will fall", Mark::Q, "For carrying the war to the enemy's strongest fortress and breaching its walls."},
        {"Sayo Kurenai", Mark::Q, "Named for the Empress of the Red Court, for the most trusted and most feared of the Syndicate's commanders."},
    }},
    {{  // Coalition
        {"A New Day", Mark::P, "For the first campaign of the Coalition, when its worlds joined hands against the old powers."},
        {"Operation Wall", Mark::TQ, "For building the line of stations that keeps the Coalition's markets safe."},
        {"Prosperity", Mark::TQ, "For protecting the trade lanes that make every Coalition world richer."},
        {"Aubert Lacroix", Mark::TQ, "Named for the general who turned a merchant fleet into an army, for officers who do more with less."},
        {"Prosperity", Mark::P, "For securing a second season of growth for the worlds of the Coalition."},
        {"Property", Mark::P, "For recovering Coalition cargo and ships taken by pirates and rivals."},
        {"Power of capital", Mark::Q, "For bending the markets of an enemy to the will of the Coalition."},
        {"Peace", Mark::Q, "For ending a conflict on terms the Coalition could live with."},
        {"Faith", Mark::Q, "For keeping faith with your contracts, your crew and your Coalition."},
        {"Delphine Vasseur", Mark::TQ, "Named for the marshal who never lost a convoy, for officers whose ships always come home."},
        {"Emile Duret", Mark::TQ, "Named for the first consul of the Coalition, for a whole career in the service of all its worlds."},
    }},
}};
// clang-format on

// By faction 1..4: the award pictures' words, the background and the medals' marks.
constexpr std::array<const char*, 5> kAwardWord = {"", "Fed-", "Outerrim-", "Synd-", "Coal-"};
constexpr std::array<const char*, 5> kBackground = {"", "FedAwardBackgr.jpg", "ORAwardBackgr.jpg",
                                                    "SyndAwardBackgr.jpg", "CoalAwardBackgr.jpg"};
constexpr std::array<const char*, 5> kRankPictureLow = {"", "uni-fed", "uni-outerrim", "uni-synd",
                                                        "uni-coal"};
constexpr std::array<const char*, 5> kRankPictureHigh = {"", "Uni-Fed", "Uni-outerrim", "Uni-synd",
                                                         "Uni-Coal"};

AwardTexts Begin(int faction, const std::string& headline, AwardTexts::Picture shape) {
    AwardTexts award;
    const int f = PlayableFaction(faction) ? faction : 0;
    award.headline = headline;
    award.background = kBackground[f];
    award.shape = shape;
    return award;
}

std::string Marked(const std::string& name, Mark mark) {
    switch (mark) {
        case Mark::Q:
            return kQuote + name + kQuote;
        case Mark::TQ:
            return "The " + (kQuote + name + kQuote);
        case Mark::T:
            return "The " + name;
        default:
            return name;
    }
}

}  // namespace

AwardTexts RankAward(int faction, int rank) {
    const std::string headline =
        faction == FactionId::OuterRimAlliance
            ? "The " + FactionName(faction) + " high command promotes you to:"
            : "For your honorful service the " + FactionName(faction) +
                  " high command promotes you to:";
    AwardTexts award = Begin(faction, headline, AwardTexts::Picture::Insignia);
    award.name = RankName(faction, rank);
    award.kind = "(" + RankAbbreviation(faction, rank) + ")";
    award.quotation = "Congratulations!";
    if (PlayableFaction(faction) && rank >= 2 && rank <= 8) {
        static constexpr const char* kCodes[] = {"-2ndLt", "-1stLt", "-Lt"};
        award.picture = rank <= 4 ? std::string(kRankPictureLow[faction]) + kCodes[rank - 2]
                                  : std::string(kRankPictureHigh[faction]) + "-Comm";
        award.picture += "-shoulder.jpg";
    }
    return award;
}

AwardTexts RibbonAward(int faction, int ribbon) {
    AwardTexts award = Begin(
        faction, "For your great efforts the " + FactionName(faction) + " high command awards you:",
        AwardTexts::Picture::Ribbon);
    if (!PlayableFaction(faction) || ribbon < kFirstAwardedRibbon || ribbon > kLastRibbon)
        return award;
    const Ribbon& r = kRibbons[faction - 1][ribbon - kFirstAwardedRibbon];
    award.picture = kAwardWord[faction] + ("Ribbon" + std::to_string(ribbon)) + ".jpg";
    award.quotation = r.quotation;
    // The Federation sets a quote mark after the kind from its seventh ribbon on.
    award.kind =
        faction == FactionId::Federation && ribbon >= 7 ? "campaign ribbon\"" : "campaign ribbon";
    if (r.mark == Mark::Split) {
        const std::string name = r.name;
        const size_t cut = name.find(" the ");
        award.name = kQuote + name.substr(0, cut);
        award.kind = name.substr(cut + 1) + kQuote;
    } else {
        award.name = Marked(r.name, r.mark);
    }
    return award;
}

AwardTexts MedalAward(int faction, bool gold) {
    const std::string n = FactionName(faction);
    AwardTexts award =
        Begin(faction,
              gold ? "For uncommon valor the " + n + " high command awards you:"
                   : "For exceptional bravery the " + n + " high command awards you:",
              AwardTexts::Picture::Medal);
    award.kind = "medal";
    award.quotation = gold ? "\"For uncommon valor in conquering a whole sector.\""
                           : "\"For exceptional bravery in influencing our war efforts.\"";
    if (!PlayableFaction(faction)) return award;
    const std::string name = MedalName(faction, gold);
    // The Syndicate's medals open a quote they never close; the Coalition's stand plain.
    award.name = faction == FactionId::Syndicate   ? kQuote + name
                 : faction == FactionId::Coalition ? name
                                                   : kQuote + name + kQuote;
    award.picture =
        kAwardWord[faction] + std::string(gold ? "Medal-GoldStar.jpg" : "Medal-SilverStar.jpg");
    return award;
}

AwardTexts WingsAward(int faction, bool firstClass) {
    AwardTexts award =
        Begin(faction,
              firstClass ? "For commanding a battleship class spaceship you are awarded:"
                         : "For commanding a capital class spaceship you are awarded:",
              AwardTexts::Picture::Wings);
    award.name = firstClass ? "Pilot wings 1st class" : "Pilot wings 2nd class";
    award.kind = "award";
    award.quotation = "Congratulations!";
    if (PlayableFaction(faction))
        award.picture = kAwardWord[faction] + std::string("pilotwings.jpg");
    return award;
}

RibbonStory StoryAfterRibbon(int faction, int ribbon) {
    if (faction == FactionId::Federation && ribbon == 6)
        return {"Anthem of the Free Worlds", "FreeWorldsAnthem.txt"};
    if (faction == FactionId::Federation && ribbon == 7)
        return {"Men of the Long Dawn", "LongDawn.txt"};
    if (faction == FactionId::OuterRimAlliance && ribbon == 6)
        return {"Colours of the Green Moons", "GreenMoons.txt"};
    if (faction == FactionId::OuterRimAlliance && ribbon == 7)
        return {"Price of Freedom", "PriceOfFreedom.txt"};
    return {};
}

}  // namespace corvanth
