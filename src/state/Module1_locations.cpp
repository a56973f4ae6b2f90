// The locations of every star system: planets, jump points, suns, asteroid fields and other sites.
#include <array>
#include <string>

#include "state/Module1_systems.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kPlanet = PlanetKind::Planet;
constexpr int kJump = PlanetKind::JumpPoint;
constexpr int kSpecial = PlanetKind::Special;

// A jump point's text names its target, built from the catalogue name because the target's own
// loader may not have run yet.
constexpr const char* kJumpText = nullptr;
constexpr const char* kSunText = "The sun of this system.";
constexpr const char* kRockText = "Just some plain rocks...";

// One location as its system's loader writes it; the numbers are the Planets fields named beside
// each member. A jump point's arrival point (the partner in the target system that names this
// system) is noted in the row's comment.
struct LocationRow {
    int system;
    int location;
    const char* name;
    int kind;                       // Planet::Kind
    int column;                     // Planet::MapColumn
    int row;                        // Planet::MapRow
    int picture;                    // Planet::Picture
    int city;                       // Planet::CityPicture
    int economy;                    // Planet::Economy
    int value9;                     // Planet::JumpCatalogueMark
    int target;                     // Planet::JumpTarget
    std::array<int, 7> facilities;  // Planet::FacilityBase + 1..7
    int value19;                    // Planet::CatalogueMark
    const char* description;
};

// In writing order. Two rows in Westwind (19.6 and 19.9) share cell C5, and Barbados (22.1) has
// an empty description: both are kept as the world was laid out.
// clang-format off
constexpr LocationRow kLocations[] = {
    // system, location, name, kind, [5] column, [6] row, [3] picture, [4] city, [7] economy,
    // [9], [10] jump target, [12]..[18] facilities, [19], description
    // 1 Sol
    { 1,  1, "Terra",             kPlanet,  3, 5, 59, 31, 5,  0,  0, {0, 0, 0, 2, 0, 0, 0}, 4,
     "Home of mankind and capital of the Federation. Its cities cover whole continents, and its "
     "markets never close."},
    { 1,  2, "Moon",              kPlanet,  4, 6, 57,  0, 2,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 4,
     "The Moon was the second planet - well, a moon - settled by mankind. Today its old domes "
     "house the workshops that build spare parts and simple tools for half of the inner systems."},
    { 1,  3, "Mars",              kPlanet,  4, 3, 56,  0, 3,  0,  0, {0, 1, 0, 0, 0, 0, 0}, 4,
     "The Mars colony has grown a lot over the centuries. Its research labs are famous all over "
     "space."},
    { 1,  4, "Saturn",            kPlanet,  1, 3, 54,  0, 3,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 4,
     "Since most of the ressources in the inner system were used up long ago, the rings of Saturn "
     "became the new mine of the Federation. Thousands of small stations float between the ice "
     "blocks, and the plants around them work day and night."},
    { 1,  5, "Jupiter",           kPlanet,  2, 1, 55,  0, 2,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 4,
     "For years a gigantic marketing campaign promised a paradise in the floating cities of "
     "Jupiter. The settlers came in masses, found storms, cheap food and long shifts in the gas "
     "refineries, and stayed anyway. Nobody remembers who paid for the ads."},
    { 1,  6, "Jump to Carse",     kJump,    5, 2, 12,  0, 0, 12,  2, {0, 0, 0, 0, 0, 0, 0}, 4,
     kJumpText},  // arrives at 2.4
    { 1,  8, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 2 Carse
    { 2,  1, "Carse",             kPlanet,  2, 3,  4,  0, 2,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 2,
     "Carse is a central planet of trade in the Federation."},
    { 2,  2, "Amely",             kPlanet,  3, 6,  3,  0, 4,  0,  0, {0, 0, 0, 2, 0, 0, 0}, 2,
     "The population is mostly concentrated on the coastal cities, where casinos, beaches and "
     "theatres make visitors forget the price of everything."},
    { 2,  3, "Mellflor",          kPlanet,  5, 1,  2,  0, 4,  0,  0, {0, 0, 0, 1, 0, 0, 0}, 2,
     "A visit on Mellflor is cheaper than one on Amely, and the locals will tell you it is twice "
     "as much fun. The small resorts in the mountains are popular with fleet crews."},
    { 2,  4, "Jump to Sol",       kJump,    1, 7, 12,  0, 0, 10,  1, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 1.6
    { 2,  5, "Jump to Sirius",    kJump,    5, 3, 12,  0, 0,  8,  3, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 3.4
    { 2,  6, "Jump to Hope",      kJump,    3, 1, 12,  0, 0, 22,  5, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 5.5
    { 2,  8, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    { 2,  9, "Jump Manch.",       kJump,    1, 4, 12,  0, 0, 10,  6, {0, 0, 0, 0, 0, 0, 0}, 4,
     kJumpText},  // arrives at 6.4
    // 3 Sirius
    { 3,  1, "Sirius Prime",      kPlanet,  4, 4, 17, 11, 5,  0,  0, {0, 0, 2, 0, 0, 0, 0}, 4,
     "Heavy military installations cover this heart of the sector."},
    { 3,  2, "Sirius II",         kPlanet,  2, 4, 43,  0, 3,  0,  0, {0, 0, 1, 0, 0, 0, 0}, 3,
     "Sirius II is the only known source of the crystals used in modern targeting computers. Its "
     "factories are heavily guarded."},
    { 3,  3, "XF-45",             kPlanet,  2, 1, 19,  0, 3,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 2,
     "Interdimensional weapon tests have produced a planet without a surface you could safely "
     "land on. Only the research station in orbit remains, and nobody there talks about the rest."},
    { 3,  4, "Jump to Carse",     kJump,    1, 6, 12,  0, 0,  8,  2, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 2.5
    { 3,  5, "Jump to Finis",     kJump,    5, 5, 12,  0, 0,  6,  4, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 4.6
    { 3,  8, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 4 Finis
    { 4,  1, "Finis Prime",       kPlanet,  4, 3, 19,  3, 3,  0,  0, {0, 1, 2, 0, 0, 0, 0}, 3,
     "Pollution has destroyed most of the surface. The factories remain."},
    { 4,  2, "Pergor",            kPlanet,  2, 6, 13,  0, 3,  0,  0, {0, 0, 1, 0, 0, 0, 0}, 2,
     "Pergor produces those critical high-tech goods that keep the fleets of the Federation "
     "running."},
    { 4,  3, "Temblor",           kPlanet,  1, 2, 49,  0, 6,  0,  0, {0, 0, 0, 0, 1, 0, 0}, 2,
     "Due to the extremely toxic atmosphere, the miners of Temblor never leave their sealed domes."},
    { 4,  4, "Sargoth",           kPlanet,  2, 4, 60, 16, 2,  0,  0, {0, 1, 1, 0, 0, 0, 0}, 2,
     "In its ancient past, this planet was home to a race that left nothing but ruins and strange "
     "metal towers. Scholars still argue about them, while the plants built between the ruins "
     "produce cheap tools for the whole sector."},
    { 4,  5, "New Cairo",         kPlanet,  5, 5, 50,  9, 2,  0,  0, {0, 0, 1, 0, 0, 1, 0}, 2,
     "This planet got its name, because the first settlers found endless deserts and a few huge "
     "rocks shaped like pyramids. Today New Cairo is known for its hospitals, which treat the "
     "wounded of the whole sector, and for the high-tech workshops in the dunes."},
    { 4,  6, "Jump to Sirius",    kJump,    1, 7, 12,  0, 0,  8,  3, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 3.5
    { 4,  7, "Jump N. Ireland",   kJump,    5, 1, 12,  0, 0,  6, 13, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 13.6
    { 4,  8, "Jump Warfield",     kJump,    5, 6, 12,  0, 0,  6, 10, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 10.7
    { 4,  9, "Sun",               kSpecial, 3, 5, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 5 Hope
    { 5,  1, "Hope Prime",        kPlanet,  2, 2, 31, 27, 8,  0,  0, {0, 0, 0, 0, 0, 4, 0}, 3,
     "Most industry has concentrated on harvesting credits and healing the sick."},
    { 5,  2, "New Light",         kPlanet,  2, 4, 24, 10, 3,  0,  0, {1, 2, 0, 0, 0, 0, 0}, 2,
     "A mysterious sect is ruling this planet. Visitors are welcome, as long as they trade "
     "quietly and do not ask about the temple."},
    { 5,  3, "Asteroids A",       kSpecial, 1, 1, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    { 5,  4, "Asteroids B",       kSpecial, 5, 6, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    { 5,  5, "Jump to Carse",     kJump,    3, 7, 12,  0, 0,  6,  2, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 2.6
    { 5,  6, "Asteroids C",       kSpecial, 2, 5, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    { 5,  7, "Asteroids D",       kSpecial, 5, 3, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    { 5,  8, "Jump to Moor",      kJump,    5, 1, 12,  0, 0,  6, 20, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 20.6
    { 5,  9, "Asteroids E",       kSpecial, 4, 4, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    { 5, 10, "Sun",               kSpecial, 3, 4, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 6 New Manchester
    { 6,  1, "Manchester",        kPlanet,  3, 2, 17,  0, 2,  0,  0, {0, 2, 1, 0, 0, 0, 1}, 2,
     "This planet was the former industrial heart of the Federation. Since the corporations left, "
     "empty plants and crime rule the suburbs."},
    { 6,  2, "Manchester II",     kPlanet,  2, 4, 15,  0, 2,  0,  0, {0, 1, 0, 0, 0, 0, 1}, 2,
     "\"Someone from Manchester II here?\" - \"Yeah!\" - \"People! Take care of your purses!\""},
    { 6,  3, "Brannow Base",      kPlanet,  5, 4, 22,  0, 2,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 3,
     "Brannow Base was built as a supply depot of the Coalition. Its docks are crowded with "
     "freighters, mechanics and deserters."},
    { 6,  4, "Jump to Carse",     kJump,    5, 5, 12,  0, 0,  6,  2, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 2.9
    { 6,  5, "Jump N.Berlin",     kJump,    1, 2, 12,  0, 0,  6,  8, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 8.7
    { 6,  6, "Jump N.Wales",      kJump,    4, 7, 12,  0, 0,  6,  7, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 7.5
    { 6,  8, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 7 New Wales
    { 7,  1, "New Cardiff",       kPlanet,  2, 3, 46,  0, 2,  0,  0, {0, 2, 0, 0, 0, 0, 0}, 2,
     "New Cardiff is specialised in producing low tech goods."},
    { 7,  2, "Isle Anglesey",     kPlanet,  5, 4, 48,  0, 2,  0,  0, {0, 1, 0, 0, 0, 0, 0}, 2,
     "Isle of Anglesey: The word isle is all that is left of the old name. The planet itself is a "
     "dry ball of rock."},
    { 7,  3, "New Abaraeron",     kPlanet,  1, 1, 49,  0, 2,  0,  0, {0, 2, 0, 0, 0, 0, 0}, 2,
     "Just another colony. Maybe the air is a bit cleaner here, but the beer is not better."},
    { 7,  4, "New Wales IV",      kSpecial, 4, 6, 22,  0, 1,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     "The fourth planet of the system is not colonized (yet)."},
    { 7,  5, "Jump Manchest.",    kJump,    3, 1, 12,  0, 0,  6,  6, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 6.6
    { 7,  8, "Sun",               kSpecial, 3, 4, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 8 New Berlin
    { 8,  1, "New Berlin",        kPlanet,  4, 2,  6, 28, 2,  0,  0, {0, 0, 1, 0, 1, 0, 0}, 3,
     "\"Great beer and blond girls - what do I need else?\" - Soldiers saying."},
    { 8,  2, "Neu Ruhrgebiet",    kPlanet,  2, 4, 16,  3, 2,  0,  0, {0, 2, 0, 0, 0, 0, 0}, 3,
     "As a major industrial planet, the Neu Ruhrgebiet delivers low-tech goods to the whole "
     "sector."},
    { 8,  3, "Heidelberg",        kPlanet,  3, 6,  5,  0, 1,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 1,
     "The University Heidelberg is known in the whole galaxy."},
    { 8,  4, "Frankfurt",         kPlanet,  4, 4,  9,  0, 8,  0,  0, {0, 0, 0, 1, 0, 0, 0}, 4,
     "Financial center of the Coalition. This is where the money of the Coalition sleeps and "
     "grows."},
    { 8,  5, "Rock 22",           kSpecial, 2, 1, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    { 8,  6, "Rock 23",           kSpecial, 5, 2, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    { 8,  7, "Jump Manchest.",    kJump,    5, 7, 12,  0, 0,  6,  6, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 6.5
    { 8,  8, "Jump N. Arabia",    kJump,    5, 1, 12,  0, 0,  6,  9, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 9.7
    { 8,  9, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    { 8, 10, "Jump N. France",    kJump,    1, 1, 12,  0, 0,  6, 25, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 25.5
    { 8, 11, "Jump Lands E.",     kJump,    1, 4, 12,  0, 0,  6, 16, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 16.4
    // 9 New Arabia
    { 9,  1, "New Riyadh",        kPlanet,  2, 2, 25,  9, 6,  0,  0, {0, 0, 0, 0, 2, 0, 0}, 2,
     "Home of the richest mining families of the sector and their golden ships."},
    { 9,  2, "New Oman",          kPlanet,  3, 6, 28,  0, 6,  0,  0, {0, 0, 0, 0, 1, 0, 0}, 1,
     "Not a very healthy place to be..."},
    { 9,  3, "New Iran",          kPlanet,  4, 4, 27,  0, 6,  0,  0, {0, 0, 0, 0, 1, 0, 0}, 1,
     "Desert and dust and desert and dust and (you got it by now?)"},
    { 9,  4, "New Quatar",        kPlanet,  2, 5, 30,  6, 6,  0,  0, {0, 1, 0, 0, 1, 0, 0}, 2,
     "There is some industry in Quatar."},
    { 9,  5, "Asteroids A",       kSpecial, 1, 3, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    { 9,  6, "Asteroids B",       kSpecial, 5, 2, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    { 9,  7, "Jump N. Berlin",    kJump,    2, 7, 12,  0, 0,  6,  8, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 8.8
    { 9,  8, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    { 9, 10, "Jump to Moor",      kJump,    5, 7, 12,  0, 0,  6, 20, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 20.7
    { 9, 11, "Jump Moscow",       kJump,    1, 1, 12,  0, 0,  6, 24, {0, 0, 0, 0, 0, 0, 0}, 0,
     "Jumppoint to the New Moscow system."},
    // 10 Warfield
    {10,  1, "Sparta",            kPlanet,  2, 5, 24,  5, 2,  0,  0, {0, 1, 0, 0, 0, 0, 2}, 3,
     "A very hot world, with only a few settlements near the poles. Its people are tough, and the "
     "illegal labs in the canyons are tougher still."},
    {10,  2, "New Rainforest",    kPlanet,  5, 6, 32,  0, 2,  0,  0, {1, 0, 0, 0, 0, 0, 0}, 2,
     "A hot jungle world, filled with plants that eat anything, including careless visitors."},
    {10,  3, "Boron",             kSpecial, 2, 2, 25,  0, 1,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     "There are rumors some alien vessels were sighted near this moon. The small outpost on Boron "
     "reports nothing unusual, but its crews change every few weeks and never talk about it."},
    {10,  4, "Summer",            kPlanet,  4, 3, 29,  6, 1,  0,  0, {0, 1, 0, 0, 0, 0, 0}, 3,
     "Its always \"summer\" on \"Summer\". The farms bring in three harvests a year, and the "
     "workers have never seen snow."},
    {10,  5, "Jump Tortuga",      kJump,    5, 7, 12,  0, 0,  6, 11, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 11.8
    {10,  6, "Jump to Dark L.",   kJump,    1, 7, 12,  0, 0,  6, 23, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 23.6
    {10,  7, "Jump to Finis",     kJump,    5, 1, 12,  0, 0,  6,  4, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 4.8
    {10,  8, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 11 Tortuga
    {11,  1, "Tortuga",           kPlanet,  4, 4, 30, 32, 1,  0,  0, {0, 0, 4, 0, 0, 0, 4}, 3,
     "Port Tortuga is the only colonized place in this system. Whatever you need, someone here "
     "sells it - no questions asked."},
    {11,  2, "Asteroids A",       kSpecial, 2, 3, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {11,  3, "Asteroids B",       kSpecial, 4, 1, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {11,  4, "Asteroids C",       kSpecial, 3, 6, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {11,  5, "Asteroids D",       kSpecial, 5, 3, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {11,  6, "Asteroids E",       kSpecial, 1, 6, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {11,  7, "Jump Baiton",       kJump,    5, 1, 12,  0, 0,  6, 12, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 12.7
    {11,  8, "Jump Warfield",     kJump,    2, 2, 12,  0, 0,  6, 10, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 10.5
    {11,  9, "Asteroids F",       kSpecial, 5, 5, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {11, 10, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    {11, 11, "Jump N. Cuba",      kJump,    5, 7, 12,  0, 0,  6, 21, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 21.8
    // 12 Baiton
    {12,  1, "New Oxford",        kPlanet,  3, 4, 45,  0, 1,  0,  0, {1, 0, 0, 0, 0, 0, 0}, 2,
     "Only the best scientists from the Federation are allowed to study at its universities."},
    {12,  2, "Hermes",            kPlanet,  2, 2, 14,  0, 1,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 3,
     "There is a military outpost on Hermes that watches the border to the Syndicate day and "
     "night."},
    {12,  3, "Tulan",             kPlanet,  3, 6,  7, 28, 1,  0,  0, {1, 0, 0, 0, 0, 0, 0}, 1,
     "Tulan is an unimportant agriculture planet. Its fields of grain stretch from pole to pole, "
     "and the farmers only care about the next harvest. Nobody here has ever seen a warship, and "
     "they like it."},
    {12,  4, "Tulan II",          kPlanet,  4, 6,  7, 28, 1,  0,  0, {1, 0, 0, 0, 0, 0, 0}, 1,
     "Tulan II is an unimportant agriculture planet, just like its big sister. The two worlds "
     "quarrel about everything, from the weather to the price of corn, but they always trade with "
     "each other."},
    {12,  5, "Tear",              kPlanet,  5, 2, 26,  7, 1,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 1,
     "There is a legend that the lakes of Tear were made by the tears of a goddess. The fishermen "
     "believe it, the tourists pay for it."},
    {12,  6, "Jump N. Ireland",   kJump,    4, 1, 12,  0, 0,  6, 13, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 13.10
    {12,  7, "Jump Tortuga",      kJump,    1, 7, 12,  0, 0,  6, 11, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 11.7
    {12,  8, "Sun",               kSpecial, 3, 2, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 13 New Ireland
    {13,  1, "Isle of Innisfree", kPlanet,  4, 5, 47,  0, 1,  0,  0, {1, 0, 0, 0, 0, 0, 0}, 2,
     "When the first settlers reached this planet, they found green hills and clear lakes and "
     "decided never to leave again."},
    {13,  2, "Hyperion",          kPlanet,  2, 2, 42, 22, 7,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 3,
     "The Hyperion space station is the largest starbase of the Federation near the Outer Rim. "
     "Its shipyards repair whole fleets, and its docks see traders, soldiers and spies from every "
     "faction of the galaxy."},
    {13,  3, "New Dublin",        kPlanet,  1, 6,  5,  0, 2,  0,  0, {1, 1, 0, 0, 0, 0, 0}, 2,
     "\"Talking about a revolution...\""},
    {13,  4, "Asteroids C",       kSpecial, 3, 2, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {13,  6, "Jump to Finis",     kJump,    1, 3, 12,  0, 0,  6,  4, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 4.7
    {13,  7, "Jump Hyraxan",      kJump,    5, 1, 12,  0, 0,  6, 15, {0, 0, 0, 0, 0, 0, 0}, 0,
     "Jumppoint to the Hyraxan VII System."},
    {13,  8, "Jump N. Scotl.",    kJump,    5, 3, 12,  0, 0,  6, 14, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 14.5
    {13,  9, "Sun",               kSpecial, 3, 4, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    {13, 10, "Jump Baiton",       kJump,    5, 6, 12,  0, 0,  6, 12, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 12.6
    // 14 New Scotland
    {14,  1, "New Sutherland",    kPlanet,  4, 2, 21,  0, 3,  0,  0, {0, 0, 1, 0, 0, 0, 0}, 2,
     "This planet has a very low population, but its automated factories produce fine high-tech "
     "goods."},
    {14,  2, "Tir",               kPlanet,  2, 3, 37, 12, 3,  0,  0, {0, 0, 0, 0, 2, 0, 0}, 2,
     "The planet of Tir is mostly covered by deep mines. The miners live in underground cities "
     "and only come up to the surface to drink and fight. Their ore feeds the factories of the "
     "Outer Rim, and their songs are known in every bar of the sector."},
    {14,  3, "New Aberdeen",      kPlanet,  3, 6,  5,  0, 2,  0,  0, {2, 0, 0, 0, 0, 0, 0}, 2,
     "New Aberdeen is a peaceful planet. Sheep, fields and rain - nothing more to say."},
    {14,  4, "New Skye",          kPlanet,  5, 4,  6,  0, 2,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 3,
     "New Skye has been the military stronghold of the system since the first revolt. Its old "
     "fortresses still guard the jump routes, and its garrisons are always ready."},
    {14,  5, "Jump N. Ireland",   kJump,    1, 3, 12,  0, 0,  6, 13, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 13.8
    {14,  8, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 15 Hyraxan
    {15,  1, "Hyraxan VII",       kPlanet,  2, 2,  8, 30, 5,  0,  0, {1, 1, 0, 0, 0, 0, 0}, 3,
     "Hyraxan VII is an industrial planet, and the capital of the Outer Rim Alliance."},
    {15,  2, "Nox III",           kPlanet,  2, 5, 22,  3, 3,  0,  0, {0, 0, 3, 0, 2, 0, 0}, 3,
     "Nox III is a high industrial world. Its mines and plants supply the shipyards of the Outer "
     "Rim with parts and metal."},
    {15,  3, "Seressa II",        kPlanet,  4, 5, 16,  0, 2,  0,  0, {0, 1, 0, 0, 0, 0, 0}, 3,
     "Some say its because of the water, others say its the air, but the workers of Seressa II "
     "build the most reliable tools of the sector."},
    {15,  4, "Holuria",           kPlanet,  5, 3, 30,  8, 1,  0,  0, {1, 0, 0, 0, 0, 0, 0}, 2,
     "A strange mystic sect is ruling this planet of farmers."},
    {15,  5, "Megan",             kPlanet,  5, 7,  9,  0, 1,  0,  0, {1, 0, 0, 0, 0, 0, 0}, 2,
     "Megan is producing the best wheat in the known galaxy."},
    {15,  6, "Tempest IX",        kPlanet,  1, 7, 39,  0, 5,  0,  0, {0, 0, 0, 0, 1, 0, 0}, 2,
     "Close to Tempest IX is an asteroid belt rich in ore. The major mining facilities here make "
     "the ressources of the Hyraxan system cheaper than anywhere else."},
    {15,  7, "Jump N. Ireland",   kJump,    1, 4, 12,  0, 0,  6, 13, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 13.7
    {15,  8, "Jump Lands E.",     kJump,    5, 1, 12,  0, 0,  6, 16, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 16.6
    {15,  9, "Sun",               kSpecial, 3, 4, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 16 Lands End
    {16,  1, "Howling Wind",      kPlanet,  2, 6, 44, 17, 6,  0,  0, {0, 0, 0, 0, 2, 0, 0}, 1,
     "Its very cold on this planet. Storms of ice never stop, and the miners work in deep tunnels "
     "to escape the wind that gave the planet its name. Only those who are paid well, or who are "
     "wanted elsewhere, stay."},
    {16,  2, "Asteroids A",       kSpecial, 1, 3, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {16,  3, "Asteroids B",       kSpecial, 4, 1, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {16,  4, "Jump N. Berlin",    kJump,    5, 5, 12,  0, 0,  6,  8, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 8.11
    {16,  5, "Asteroids C",       kSpecial, 2, 2, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {16,  6, "Jump Hyraxan",      kJump,    1, 7, 12,  0, 0,  6, 15, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 15.8
    {16,  7, "Jump Glenshire",    kJump,    5, 2, 12,  0, 0,  6, 17, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 17.6
    {16,  8, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 17 New Glenshire
    {17,  1, "Glenshire",         kPlanet,  2, 2, 48,  0, 1,  0,  0, {1, 0, 0, 0, 0, 0, 0}, 2,
     "Home of the known \"New Glenshire Scotch\"."},
    {17,  2, "New Donegal",       kPlanet,  3, 3, 46,  0, 2,  0,  0, {0, 1, 0, 0, 0, 0, 0}, 3,
     "Home of the 14th Donegal Cavalry, the proudest regiment of the Outer Rim Alliance."},
    {17,  3, "Andrea",            kPlanet,  1, 6,  6,  0, 2,  0,  0, {0, 1, 0, 0, 0, 0, 0}, 1,
     "Named after the first governor of the sector, Andrea is a busy world of small workshops."},
    {17,  4, "Ornagh",            kPlanet,  5, 3, 49,  0, 6,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 1,
     "Evil and poisonous."},
    {17,  5, "Jump Barbados",     kJump,    5, 1, 12,  0, 0,  6, 22, {0, 0, 0, 0, 0, 0, 0}, 0,
     "Jumppoint to the Barbados System."},
    {17,  6, "Jump Lands E.",     kJump,    4, 7, 12,  0, 0,  6, 16, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 16.7
    {17,  7, "Jump Kimberl.",     kJump,    1, 3, 12,  0, 0,  6, 18, {0, 0, 0, 0, 0, 0, 0}, 0,
     "Jumppoint to the Kimberley System."},
    {17,  8, "Sun",               kSpecial, 4, 5, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 18 New Kimberley
    {18,  1, "Kimberley",         kPlanet,  2, 6, 33,  0, 4,  0,  0, {0, 0, 0, 1, 0, 0, 0}, 2,
     "A famed leasure planet. The pin-ups of the Kimberley girls are legendary!"},
    {18,  2, "Kimberley 2",       kSpecial, 5, 3, 38,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     "A dry moon like planet. No colonies."},
    {18,  3, "Kimberley 3",       kPlanet,  5, 6, 32,  0, 2,  0,  0, {0, 1, 0, 0, 0, 0, 0}, 1,
     "Strange viral infections are a great problem on this planet."},
    {18,  4, "Kimberley 4",       kPlanet,  3, 4, 30,  0, 6,  0,  0, {0, 0, 0, 0, 1, 0, 0}, 1,
     "An unpleasant desert world. The small mining towns are dirty and dangerous."},
    {18,  5, "Jump Glenshire",    kJump,    5, 1, 12,  0, 0,  6, 17, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 17.7
    {18,  6, "Jump Westwind",     kJump,    2, 1, 12,  0, 0,  6, 19, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 19.8
    {18,  7, "Jump to Moor",      kJump,    1, 4, 12,  0, 0,  6, 20, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 20.5
    {18,  8, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 19 Westwind
    {19,  1, "WestPrime",         kPlanet,  3, 4, 10,  0, 4,  0,  0, {0, 0, 0, 1, 0, 0, 0}, 2,
     "Very large mining colony. The gravitational pull of the Westwind makes every landing here a "
     "challenge for a pilot."},
    {19,  2, "Diana",             kPlanet,  1, 2, 32,  0, 2,  0,  0, {0, 1, 0, 0, 0, 0, 0}, 1,
     "A planet almost covered by dark forests. The small colony lives from wood and from the few "
     "plants in the clearings."},
    {19,  3, "Asteroids A",       kSpecial, 5, 7, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {19,  4, "Asteroids B",       kSpecial, 4, 6, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {19,  5, "Asteroids C",       kSpecial, 4, 2, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {19,  6, "Asteroids D",       kSpecial, 5, 3, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {19,  8, "Jump Kimberl.",     kJump,    2, 7, 12,  0, 0,  6, 18, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 18.6
    {19,  9, "Jump Cuba",         kJump,    5, 3, 12,  0, 0,  6, 21, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 21.5
    {19, 10, "Sun",               kSpecial, 2, 4, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 20 Moor
    {20,  1, "Moor",              kPlanet,  2, 5, 23,  0, 4,  0,  0, {0, 0, 0, 1, 0, 0, 2}, 2,
     "Moor is not much more than a rock with a spaceport, but it lies on the north border between "
     "the Federation and the Outer Rim. Smugglers and soldiers meet in its bars, and both are "
     "armed."},
    {20,  2, "Asteroids A",       kSpecial, 5, 2, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {20,  3, "Asteroids B",       kSpecial, 4, 6, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {20,  4, "Asteroids C",       kSpecial, 3, 3, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {20,  5, "Jump Kimberl.",     kJump,    5, 5, 12,  0, 0,  6, 18, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 18.7
    {20,  6, "Jump Hope.",        kJump,    2, 7, 12,  0, 0,  6,  5, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 5.8
    {20,  7, "Jump Arabia",       kJump,    2, 1, 12,  0, 0,  6,  9, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 9.10
    {20, 10, "Sun",               kSpecial, 4, 4, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 21 New Cuba
    {21,  1, "New Cuba",          kPlanet,  2, 5, 32,  0, 1,  0,  0, {0, 0, 0, 0, 0, 0, 2}, 3,
     "New Cuba is known for its drug plantations."},
    {21,  2, "Asteroids A",       kSpecial, 4, 6, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {21,  3, "Asteroids B",       kSpecial, 2, 2, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {21,  4, "Asteroids C",       kSpecial, 4, 3, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {21,  5, "Jump Westwind",     kJump,    2, 7, 12,  0, 0,  6, 19, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 19.9
    {21,  6, "Jump Barbados",     kJump,    5, 3, 12,  0, 0,  6, 22, {0, 0, 0, 0, 0, 0, 0}, 0,
     "Jumppoint to the Barbados System."},
    {21,  7, "Jump Moscow",       kJump,    1, 3, 12,  0, 0,  6, 24, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 24.6
    {21,  8, "Jump Tortuga",      kJump,    4, 1, 12,  0, 0,  6, 11, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 11.11
    {21, 10, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 22 New Barbados
    {22,  1, "Barbados",          kPlanet,  5, 3, 26, 32, 6,  0,  0, {0, 0, 0, 0, 2, 0, 2}, 3,
     ""},
    {22,  2, "Asteroids A",       kSpecial, 2, 2, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {22,  3, "Asteroids B",       kSpecial, 1, 6, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {22,  4, "Asteroids C",       kSpecial, 4, 5, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {22,  5, "Jump Glenshire",    kJump,    4, 7, 12,  0, 0,  6, 17, {0, 0, 0, 0, 0, 0, 0}, 0,
     "Jumppoint to the Glenshire System."},
    {22,  6, "Jump N. Cuba",      kJump,    1, 3, 12,  0, 0,  6, 21, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 21.6
    {22, 10, "Sun",               kSpecial, 3, 4, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    // 23 Dark Light
    {23,  1, "Anomaly",           kSpecial, 3, 4, 51,  0, 6,  0,  0, {0, 0, 0, 0, 2, 0, 2}, 3,
     "A strange anomaly in this system bends the light of the stars. Miners found rich ore at its "
     "edge."},
    {23,  2, "Asteroids A",       kSpecial, 1, 3, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {23,  3, "Asteroids B",       kSpecial, 5, 3, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {23,  4, "Asteroids C",       kSpecial, 3, 1, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {23,  5, "Asteroids D",       kSpecial, 3, 6, 40,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kRockText},
    {23,  6, "Jump Warfield",     kJump,    1, 1, 12,  0, 0,  6, 10, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 10.6
    // 24 New Moscow
    {24,  1, "Moscow Prime",      kPlanet,  4, 5,  3, 33, 5,  0,  0, {0, 0, 1, 1, 0, 0, 1}, 4,
     "The heart of the Syndicate empire."},
    {24,  2, "Petersburg",        kPlanet,  2, 4,  4,  0, 3,  0,  0, {0, 0, 2, 0, 0, 0, 0}, 3,
     "The \"production plant\" of the Syndicate."},
    {24,  3, "Murmansk",          kPlanet,  3, 6, 21,  0, 2,  0,  0, {0, 0, 0, 0, 0, 0, 1}, 4,
     "Fleet base of the Syndicate."},
    {24,  4, "Vostrel",           kPlanet,  1, 2, 28,  0, 1,  0,  0, {0, 0, 0, 0, 0, 0, 1}, 3,
     "The planet is covered by research plants for secret weapons."},
    {24,  5, "Jump N. Arabia",    kJump,    5, 7, 12,  0, 0,  6,  9, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 9.11
    {24,  6, "Jump N. Cuba",      kJump,    5, 2, 12,  0, 0,  6, 21, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 21.7
    {24,  8, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
    {24,  9, "Gameris",           kPlanet,  3, 1, 30,  0, 1,  0,  0, {0, 0, 0, 0, 0, 0, 1}, 4,
     "Gameris. The Game World. Home of the famous \"gladiator tournaments\"."},
    // 25 New France
    {25,  1, "Paris",             kPlanet,  2, 3,  8,  0, 5,  0,  0, {0, 0, 2, 2, 0, 0, 0}, 4,
     "Paris - romantic place of love? Maybe, but first of all the capital of the Coalition."},
    {25,  2, "Lille",             kPlanet,  4, 5, 14,  0, 2,  0,  0, {0, 1, 0, 0, 0, 1, 0}, 3,
     "Fleet base of the Coalition."},
    {25,  3, "Bordeaux",          kPlanet,  1, 2,  6,  0, 1,  0,  0, {2, 1, 0, 1, 0, 0, 1}, 4,
     "The aggriculture on this planet is famous for its fine wines."},
    {25,  4, "Montpellier",       kPlanet,  3, 6, 32,  0, 1,  0,  0, {1, 1, 0, 1, 0, 2, 1}, 3,
     "The planet has some great medical facilities."},
    {25,  5, "Jump N. Berlin",    kJump,    5, 7, 12,  0, 0,  6,  8, {0, 0, 0, 0, 0, 0, 0}, 0,
     kJumpText},  // arrives at 8.10
    {25,  6, "Sun",               kSpecial, 3, 3, 58,  0, 0,  0,  0, {0, 0, 0, 0, 0, 0, 0}, 0,
     kSunText},
};
// clang-format on

std::string JumpText(int target) {
    return std::string("Jumppoint to the ") + CatalogueSystemName(target) + " System.";
}

}  // namespace

void LoadSystemLocations(int system) {
    GameState& g = G();
    for (const LocationRow& r : kLocations) {
        if (r.system != system) continue;
        g.PlanetNames[r.system][r.location] = r.name;
        if (r.description == kJumpText) {
            g.PlanetDescriptions[r.system][r.location] = JumpText(r.target);
        } else {
            g.PlanetDescriptions[r.system][r.location] = r.description;
        }
        GameRecord& p = g.Planets[r.system][r.location];
        p[Planet::Exists] = 1;
        p[Planet::Kind] = r.kind;
        p[Planet::Picture] = r.picture;
        p[Planet::CityPicture] = r.city;
        p[Planet::MapColumn] = r.column;
        p[Planet::MapRow] = r.row;
        p[Planet::Economy] = r.economy;
        p[Planet::Spare] = 0;
        p[Planet::JumpCatalogueMark] = r.value9;
        p[Planet::JumpTarget] = r.target;
        p[Planet::Owner] =
            g.StarSystems[r.system][StarSystem::Owner];  // written first by the loader
        for (int k = 1; k <= 7; ++k) p[Planet::FacilityBase + k] = r.facilities[k - 1];
        p[Planet::CatalogueMark] = r.value19;
    }
}

}  // namespace corvanth
