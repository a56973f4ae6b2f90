// The star-system catalogue: the 25 systems of a new game, their loaders and the jump network.
#include <array>

#include "state/Module1.h"
#include "state/Module1_systems.h"
#include "state/variables.h"

namespace corvanth {
namespace {

// One system as its loader writes it; owner, rating and the two catalogue values are the
// StarSystems fields Owner, SectorRating, CatalogueWeight and CatalogueWeightSecond.
struct SystemRow {
    const char* name;
    const char* code;
    int owner;
    int rating;
    int value3;
    int value4;
    const char* description;
};

// Index = system number; row 0 and system 26 stay empty. Several codes repeat: nothing reads them,
// saves keep them.
// clang-format off
constexpr SystemRow kSystems[] = {
    {"", "", 0, 0, 0, 0, ""},
    // name, code, owner, rating, [3], [4], description
    {"Sol", "XCG53CB", 1, 5, 4, 4,
     "The Sol System is the home of mankind. Every star traveller dreams to visit Earth at least "
     "once in his life. Most fail."},
    {"Carse", "GH63DF", 1, 3, 1, 1,
     "This solar system accommodates major touristic facilities."},
    {"Sirius", "346GHJ34", 1, 4, 1, 1,
     "The Sirius sector is home to the first and second federated Fleet and a major military "
     "stronghold. Its also a the industrial heart of the Federation."},
    {"Finis", "346GHJ34", 1, 3, 1, 1,
     "Finis is a normal industrial solar system. There is a significant amount of production in "
     "the high-tech area."},
    {"Hope", "FGHH356", 1, 2, 1, 1,
     "In the first days of the colonization of the Outer Rim, Hope was the last safe harbour "
     "before the long jumps into the unknown. Today the system lives from its banks and "
     "hospitals, while the asteroid belts still attract a few prospectors."},
    {"New Manchester", "HFG46F", 4, 4, 1, 1,
     "This sector was the former industrial center of the Federation. When the corporations left "
     "for the Sirius sector, many problems came."},
    {"New Wales", "DFH543", 4, 3, 1, 1,
     "As this sector is specialized in low-tech goods the industry concentration on the Sirius "
     "sector had less influence here."},
    {"New Berlin", "GFHH75J", 4, 3, 1, 1,
     "\"Great beer and blond girls - what do I need else?\" - Soldiers saying. This sector has "
     "mining facilities around the Neu Ruhrgebiet."},
    {"New Arabia", "JKZZG56", 3, 2, 1, 1,
     "The \"New Arabia\" sector is a major exporter of raw materials"},
    {"Warfield", "EKEF67", 1, 4, 1, 1,
     "Warfield is a small colony, but its military importance is huge: it guards the jump routes "
     "to Tortuga and the pirate sectors. Federation patrols are everywhere, and the docks of "
     "Sparta never sleep. Smugglers better stay away."},
    {"Tortuga", "LOORT54", 3, 3, 1, 1,
     "Danger! This system is a known hideout for pirates, smugglers and other criminals."},
    {"Baiton", "MNZUG092", 1, 2, 1, 1,
     "Only one jump away from the border this quiet farming system feeds half of the frontier "
     "fleets of the Federation. Scientists from New Oxford and soldiers from Hermes share its "
     "bars, and neither side likes the other."},
    {"New Ireland", "QOPY129", 1, 4, 1, 1,
     "This sector is an important - and very beautiful - crossroad to the Outer Rim worlds."},
    {"New Scotland", "QOPY129", 2, 3, 1, 1,
     "Most settlers that came to this system were originally from Scotland and they are still in "
     "the majority."},
    {"Hyraxan", "LO563FD", 2, 5, 1, 1,
     "This system is the most developed and well defended system of the Outer Rim. Ressources are "
     "cheap due to major mining facilities on Tempest IX."},
    {"Lands End", "LO563FD", 2, 1, 1, 1,
     "Lands End is an unimportant system mostly filled with asteroids."},
    {"New Glenshire", "QOPY129", 2, 4, 1, 1,
     "One of the best scotchs of the galaxy is distilled on Glenshire. Every captain should try "
     "it."},
    {"New Kimberley", "QOPY129", 2, 3, 1, 1,
     "A famed leasure sector. The pin-ups of the Kimberley girls are legendary!"},
    {"Westwind", "QOPY129", 2, 1, 1, 1,
     "There is a strange gravitation phenomenon in this sector that pulls ships towards the "
     "sectors center. First settlers named it: \"Westwind\"."},
    {"Moor", "QOPY129", 3, 4, 1, 1,
     "The Moor system is of strategic importance, because it marks the north border between the "
     "Federation and the Outer Rim."},
    {"New Cuba", "QOPY129", 3, 4, 1, 1,
     "The New Cuba system "},
    {"New Barbados", "QOPY129", 3, 3, 1, 1,
     "Mining facilities provide the cover for a known pirate and smuggler hideout."},
    {"Dark Light", "QOPY129", 1, 1, 1, 1,
     "Dark Light"},
    {"New Moscow", "QOPY129", 3, 5, 1, 1,
     "New Moscow is the capital of \"The Syndicate\" and a known high-tech center."},
    {"New France", "QOPY129", 4, 5, 1, 1,
     "New France is the capital of the Coaliton."},
};
// clang-format on

constexpr int kCatalogueSystems = static_cast<int>(std::size(kSystems)) - 1;
static_assert(kCatalogueSystems == 25);
static_assert(kCatalogueSystems < StarSystem::Last, "the last system of the tables stays empty");

void LoadSystem(int system) {
    GameState& g = G();
    const SystemRow& row = kSystems[system];
    GameRecord& s = g.StarSystems[system];
    s[StarSystem::Exists] = 1;
    s[StarSystem::Catalogued] = 1;
    s[StarSystem::CatalogueWeight] = row.value3;
    s[StarSystem::CatalogueWeightSecond] = row.value4;
    s[StarSystem::Owner] = row.owner;
    s[StarSystem::SectorRating] = row.rating;
    g.SystemNames[system] = row.name;
    g.SystemCodes[system] = row.code;
    g.SystemDescriptions[system] = row.description;
    LoadSystemLocations(system);
}

}  // namespace

const char* CatalogueSystemName(int system) {
    if (system < 1 || system > kCatalogueSystems) return "";
    return kSystems[system].name;
}

void InitSystemSol() {
    LoadSystem(1);
}
void InitSystemCarse() {
    LoadSystem(2);
}
void InitSystemSirius() {
    LoadSystem(3);
}
void InitSystemFinis() {
    LoadSystem(4);
}
void InitSystemHope() {
    LoadSystem(5);
}
void InitSystemNewManchester() {
    LoadSystem(6);
}
void InitSystemNewWales() {
    LoadSystem(7);
}
void InitSystemNewBerlin() {
    LoadSystem(8);
}
void InitSystemNewArabia() {
    LoadSystem(9);
}
void InitSystemWarfield() {
    LoadSystem(10);
}
void InitSystemTortuga() {
    LoadSystem(11);
}
void InitSystemBaiton() {
    LoadSystem(12);
}
void InitSystemNewIreland() {
    LoadSystem(13);
}
void InitSystemNewScotland() {
    LoadSystem(14);
}
void InitSystemHyraxan() {
    LoadSystem(15);
}
void InitSystemLandsEnd() {
    LoadSystem(16);
}
void InitSystemNewGlenshire() {
    LoadSystem(17);
}
void InitSystemNewKimberley() {
    LoadSystem(18);
}
void InitSystemWestwind() {
    LoadSystem(19);
}
void InitSystemMoor() {
    LoadSystem(20);
}
void InitSystemNewCuba() {
    LoadSystem(21);
}
void InitSystemNewBarbados() {
    LoadSystem(22);
}
void InitSystemDarkLight() {
    LoadSystem(23);
}
void InitSystemNewMoscow() {
    LoadSystem(24);
}
void InitSystemNewFrance() {
    LoadSystem(25);
}

void InitStarSystems() {
    InitSystemSol();
    InitSystemCarse();
    InitSystemSirius();
    InitSystemFinis();
    InitSystemHope();
    InitSystemNewManchester();
    InitSystemNewWales();
    InitSystemNewBerlin();
    InitSystemNewArabia();
    InitSystemWarfield();
    InitSystemTortuga();
    InitSystemBaiton();
    InitSystemNewIreland();
    InitSystemNewScotland();
    InitSystemHyraxan();
    InitSystemLandsEnd();
    InitSystemNewGlenshire();
    InitSystemNewKimberley();
    InitSystemWestwind();
    InitSystemMoor();
    InitSystemNewCuba();
    InitSystemNewBarbados();
    InitSystemDarkLight();
    InitSystemNewMoscow();
    InitSystemNewFrance();
}

}  // namespace corvanth
