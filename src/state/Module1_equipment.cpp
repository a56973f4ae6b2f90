// The equipment catalogue: every item a ship can carry, written into the game state at set-up.
#include <algorithm>
#include <array>
#include <string_view>

#include "state/Module1.h"
#include "state/variables.h"

namespace corvanth {
namespace {

struct EquipmentRow {
    int id;
    const char* name;
    int kind;
    int mainValue;     // field 3
    int secondValue;   // field 4
    int thirdValue;    // field 5
    int actionPoints;  // field 6
    int reliability;   // field 8
    int weight;        // field 9
    int price;
    int techLevel;
    int illegal;
    const char* dealers;  // fields 60..63, sold by the dealers of factions 1..4, as four digits
    std::array<int, Equipment::ExchangeSize> exchange;  // fields 21..29
};

// Ids missing here (10, 22, 79, 80, 81, 97) stay empty.
// clang-format off
constexpr EquipmentRow kEquipment[] = {
//   id   name                          kind     3     4     5    6     8   9      price tech ill  dealers exchange list
    {1,   "Laser cannon S",                1,    3,    2,   30,   2,  100,  0,      1000,  1,  0, "1111", {2, 43, 44, 67}},
    {2,   "Laser cannon L",                1,    3,    2,   40,   5,  100,  0,      2500,  1,  0, "1100", {1, 43, 44, 67}},
    {3,   "Empty missile rack",           14,    0,    0,    0,   0,  100,  0,         0,  1,  0, "1111", {41, 27, 28, 29}},
    {4,   "Zulu Missile ECM",              3,   20,    0,    0,   4,  100,  0,      5000,  1,  0, "1111", {5, 92}},
    {5,   "Hawk Missile ECM",              3,   30,    0,    0,   4,  100,  0,     15000,  2,  0, "1111", {4, 92}},
    {6,   "Phaser cannon S",               4,    2,    4,   40,   8,  100,  0,     10000,  3,  0, "1100", {7, 65, 66, 68}},
    {7,   "Phaser cannon L",               4,    2,    5,   30,   8,  100,  0,     15000,  3,  0, "1100", {6, 65, 66, 68}},
    {8,   "Cargo Bay",                     5,   20,    0,    0,   0,  100,  0,     20000,  1,  0, "1111", {45, 46, 91, 9, 20, 21, 40, 111, 113}},
    {9,   "Smuggling Bay",                 6,   10,   50,    0,   0,  100,  0,     50000,  1,  1, "0010", {8, 45, 46, 91, 20, 21, 40, 111, 113}},
    {11,  "Small Cargo Bay",               5,    5,    0,    0,   0,  100,  0,     10000,  1,  0, "1111", {47, 48, 12, 110, 112}},
    {12,  "Small Passenger Cabin",         8,    5,    0,    0,   0,  100,  0,     10000,  2,  0, "0001", {11, 47, 48, 110, 112}},
    {13,  "Single Engine S",               9,    2,    0,    0,   0,  100,  0,      1000,  1,  0, "1111", {14, 15, 16}},
    {14,  "Single Engine L",               9,    3,    0,    0,   0,  100,  0,      4000,  1,  0, "1101", {13, 15, 16}},
    {15,  "Single Engine XL",              9,    4,    0,    0,   0,  100,  0,      8000,  1,  0, "1101", {13, 14, 16}},
    {16,  "Single Engine XXL",             9,    6,    0,    0,   0,  100,  0,     15000,  1,  0, "1100", {13, 14, 15}},
    {17,  "Single Jump Engine",           10,    1,    0,    0,   0,  100,  0,     10000,  1,  0, "1111", {18, 58}},
    {18,  "Single Jump Engine XL",        10,    4,    0,    0,   0,  100,  0,     25000,  1,  0, "1001", {17, 58}},
    {19,  "Flechette cannon S",           11,    1,    3,   80,   4,  100,  0,      8000,  1,  0, "1111", {69, 70, 71}},
    {20,  "Boarding Shuttle",             12,    5,    0,    0,   6,  100,  0,     50000,  1,  1, "0010", {8, 91, 9, 21, 40, 45, 46, 111, 113}},
    {21,  "Boarding Shuttle XL",          12,   10,    0,    0,   6,  100,  0,    150000,  1,  1, "0010", {8, 91, 9, 20, 40, 45, 46, 111, 113}},
    {23,  "Laser turrets S",               1,    3,    8,   30,   5,  100,  0,     16000,  1,  0, "1111", {24, 72, 73, 74}},
    {24,  "Laser turrets L",               1,    3,    8,   40,   5,  100,  0,     40000,  1,  0, "1100", {23, 72, 73, 74}},
    {25,  "Phaser turrets S",              4,    2,   16,   40,   8,  100,  0,     80000,  3,  0, "1100", {26, 75, 76, 77}},
    {26,  "Phaser turrets L",              4,    2,   20,   30,   8,  100,  0,    120000,  4,  0, "1100", {25, 75, 76, 77}},
    {27,  "Brute Missile",                16,    6,   10,    1,  10,  100,  0,       250,  2,  0, "1111", {41, 28, 29}},
    {28,  "Brute Missile II",             16,    8,   10,    1,  10,  100,  0,       500,  3,  0, "1100", {41, 27, 29}},
    {29,  "Stingray Missile",             16,   12,   20,    2,   5,  100,  0,      1000,  4,  0, "1000", {41, 27, 28}},
    {30,  "Empty torpedo rack",           15,   20,   10,    6,   4,  100,  0,         0,  4,  0, "1111", {42, 31}},
    {31,  "Quantum torpedos",              2,   24,   20,    2,  10,  100,  0,     15000,  4,  0, "1000", {30, 42}},
    {32,  "Dual Engines S",                9,    1,    0,    0,   0,  100,  0,     25000,  1,  0, "1111", {33, 34, 35}},
    {33,  "Dual Engines L",                9,    2,    0,    0,   0,  100,  0,     50000,  2,  0, "1101", {32, 34, 35}},
    {34,  "Dual Engines XL",               9,    3,    0,    0,   0,  100,  0,    100000,  3,  0, "1100", {32, 33, 35}},
    {35,  "Dual Engines XXL",              9,    4,    0,    0,   0,  100,  0,    300000,  4,  0, "1100", {32, 33, 34}},
    {36,  "Quad Engines S",                9,    1,    0,    0,   0,  100,  0,    100000,  1,  0, "1111", {37, 38, 39}},
    {37,  "Quad Engines L",                9,    2,    0,    0,   0,  100,  0,    300000,  2,  0, "1101", {36, 38, 39}},
    {38,  "Quad Engines XL",               9,    3,    0,    0,   0,  100,  0,    600000,  3,  0, "1100", {36, 37, 39}},
    {39,  "Quad Engines XXL",              9,    4,    0,    0,   0,  100,  0,  15000000,  4,  0, "1100", {36, 37, 38}},
    {40,  "Surveillance",                 13,    0,    0,    0,   0,  100,  1,     25000,  3,  0, "1101", {8, 20, 21, 91, 9, 45, 46, 111, 113}},
    {41,  "Snipe Missile",                16,    4,   30,    1,  10,  100,  0,        50,  1,  0, "1111", {27, 28, 29}},
    {42,  "Photon torpedos",               2,   20,   10,    1,  10,  100,  0,      8000,  4,  0, "1111", {30, 31}},
    {43,  "Laser cannon XL",               1,    3,    3,   40,   3,  100,  0,     10000,  3,  0, "1000", {1, 2, 44, 67}},
    {44,  "Laser cannon MX",               1,    3,    3,   40,   3,   70,  0,      6000,  3,  0, "0100", {1, 2, 43, 67}},
    {45,  "Cargo Bay II",                  5,   30,    0,    0,   0,  100,  0,     40000,  1,  0, "1111", {8, 46, 91, 9, 20, 21, 40, 111, 113}},
    {46,  "Cargo Bay III",                 5,   40,    0,    0,   0,  100,  0,     80000,  1,  0, "1111", {8, 45, 91, 9, 20, 21, 40, 111, 113}},
    {47,  "Small Cargo Bay II",            5,    8,    0,    0,   0,  100,  0,     15000,  1,  0, "1111", {11, 48, 12, 110, 112}},
    {48,  "Small Cargo Bay III",           5,   12,    0,    0,   0,  100,  0,     30000,  1,  0, "1111", {11, 47, 12, 110, 112}},
    {49,  "Small SR Computer",            17,  100,   60,   40,   0,  100,  0,      5000,  1,  0, "1111", {50, 51}},
    {50,  "Small MR Computer",            17,   60,  100,   60,   0,  100,  0,      5000,  1,  0, "1111", {49, 51}},
    {51,  "Small LR Computer",            17,   40,   60,  100,   0,  100,  0,      5000,  1,  0, "1111", {49, 50}},
    {52,  "Medium SR Computer",           17,  100,   60,   40,   0,  100,  0,     35000,  3,  0, "1111", {53, 54}},
    {53,  "Medium MR Computer",           17,   60,  100,   60,   0,  100,  0,     35000,  3,  0, "1111", {52, 54}},
    {54,  "Medium LR Computer",           17,   60,   80,  100,   0,  100,  0,     35000,  3,  0, "1111", {52, 53}},
    {55,  "Large SR Computer",            17,  100,   60,   40,   0,  100,  0,    120000,  5,  0, "1111", {56, 57}},
    {56,  "Large MR Computer",            17,   80,  100,   80,   0,  100,  0,    120000,  5,  0, "1111", {55, 57}},
    {57,  "Large LR Computer",            17,   40,   60,  100,   0,  100,  0,    120000,  5,  0, "1111", {55, 56}},
    {58,  "Single Jump Engine MX",        10,    3,    0,    0,   0,   80,  0,     15000,  1,  0, "0110", {17, 18}},
    {59,  "Dual Jump Engine",             10,    1,    0,    0,   0,  100,  0,     50000,  3,  0, "1111", {60, 61}},
    {60,  "Dual Jump Engine XL",          10,    4,    0,    0,   0,  100,  0,    100000,  3,  0, "1001", {59, 61}},
    {61,  "Dual Jump Engine MX",          10,    3,    0,    0,   0,   80,  0,     75000,  2,  0, "0110", {59, 60}},
    {62,  "Quad Jump Engine",             10,    1,    0,    0,   0,  100,  0,    200000,  5,  0, "1111", {63, 64}},
    {63,  "Quad Jump Engine XL",          10,    4,    0,    0,   0,  100,  0,    450000,  5,  0, "1001", {62, 64}},
    {64,  "Quad Jump Engine MX",          10,    3,    0,    0,   0,   80,  0,    280000,  4,  0, "0110", {62, 63}},
    {65,  "Phaser cannon XL",              4,    2,    5,   40,   6,  100,  0,     25000,  4,  0, "1100", {6, 7, 66, 68}},
    {66,  "Phaser cannon MX",              4,    2,    6,   20,   6,   60,  0,     14000,  3,  0, "0100", {6, 7, 65, 68}},
    {67,  "Phaser cannon upgrade",        18,    0,    0,    0,   0,  100,  0,      8000,  4,  0, "0100", {6, 7, 65, 66}},
    {68,  "Laser cannon upgrade",         18,    0,    0,    0,   0,  100,  0,      8000,  4,  0, "0100", {1, 2, 43, 44}},
    {69,  "Flechette cannon L",           11,    1,    4,   80,   3,  100,  0,     16000,  1,  0, "1111", {19, 69, 71}},
    {70,  "Flechette cannon XL",          11,    1,    4,   80,   3,  100,  0,     25000,  1,  0, "1111", {19, 69, 71}},
    {71,  "Flechette cannon MX",          11,    2,    4,   60,   3,   60,  0,     25000,  1,  0, "0100", {19, 69, 70}},
    {72,  "Laser turrets XL",              1,    3,   12,   40,   3,  100,  0,    500000,  3,  0, "1000", {23, 24, 73, 74}},
    {73,  "Laser turrets MX",              1,    3,   12,   40,   3,   70,  0,    300000,  3,  0, "0100", {23, 24, 72, 74}},
    {74,  "Phaser turrets upgrade",       18,    0,    0,    0,   0,  100,  0,    350000,  4,  0, "0100", {25, 26, 75, 76}},
    {75,  "Phaser turrets XL",             4,    2,   20,   40,   6,  100,  0,   1000000,  5,  0, "1100", {25, 26, 76, 77}},
    {76,  "Phaser turrets MX",             4,    2,   24,   30,   4,   60,  0,    500000,  4,  0, "0100", {25, 26, 75, 77}},
    {77,  "Laser turrets upgrade",        18,    0,    0,    0,   0,  100,  0,    200000,  4,  0, "0100", {23, 24, 72, 73}},
    {78,  "Tachyon turrets",              21,    1,   30,   35,  10,  100,  0,    500000,  1,  0, "1000", {}},
    {82,  "Single Shield Generator S",    20,    0,    0,    0,   0,  100,  0,      5000,  1,  0, "1111", {83, 84}},
    {83,  "Single Shield Generator L",    20,    4,    0,    0,   0,  100,  0,      7500,  1,  0, "1111", {82, 84}},
    {84,  "Single Shield Generator XL",   20,    2,    0,    0,   0,  100,  0,     25000,  1,  0, "1000", {82, 83}},
    {85,  "Dual Shield Generator S",      20,    0,    0,    0,   0,  100,  0,     20000,  1,  0, "1000", {86, 87}},
    {86,  "Dual Shield Generator L",      20,    4,    0,    0,   0,  100,  0,     50000,  1,  0, "1111", {85, 87}},
    {87,  "Dual Shield Generator XL",     20,    2,    0,    0,   0,  100,  0,    150000,  1,  0, "1000", {85, 86}},
    {88,  "Quad Shield Generator S",      20,    0,    0,    0,   0,  100,  0,    100000,  1,  0, "1111", {89, 90}},
    {89,  "Quad Shield Generator L",      20,    4,    0,    0,   0,  100,  0,    250000,  1,  0, "1111", {88, 90}},
    {90,  "Quad Shield Generator XL",     20,    2,    0,    0,   0,  100,  0,    500000,  1,  0, "1000", {88, 89}},
    {91,  "Passenger Cabin",               8,   10,    0,    0,   0,  100,  0,     10000,  2,  0, "0001", {8, 45, 46, 9, 20, 21, 40, 111, 113}},
    {92,  "Guardian Missile ECM",          3,   40,    0,    0,   6,  100,  0,     20000,  2,  0, "1000", {4, 5}},
    {93,  "Arrow Torpedo ECM",            22,   20,    0,    0,   6,  100,  0,    150000,  2,  0, "1111", {94, 95, 96}},
    {94,  "Tower Torpedo ECM",            22,   30,    0,    0,   6,  100,  0,    400000,  3,  0, "1111", {93, 95, 96}},
    {95,  "Speedy Torpedo ECM",           22,   20,    0,    0,   4,  100,  0,    300000,  2,  0, "1111", {93, 94, 96}},
    {96,  "Cluster Torpedo ECM",          22,   40,    0,    0,   8,  100,  0,    500000,  5,  0, "1111", {93, 94, 95}},
    {98,  "Particle cannon S",            23,    3,    2,   30,   5,  100,  0,      5000,  2,  0, "0111", {99, 100}},
    {99,  "Particle cannon L",            23,    3,    3,   30,   5,  100,  0,     15000,  3,  0, "0111", {98, 100}},
    {100, "Particle cannon XL",           23,    3,    4,   30,   5,  100,  0,     35000,  4,  0, "0110", {98, 99}},
    {101, "Quantum cannon S",             24,    2,    2,   60,   5,  100,  0,     10000,  2,  0, "0100", {102, 103}},
    {102, "Quantum cannon L",             24,    2,    3,   50,   5,  100,  0,     30000,  4,  0, "0100", {101, 103}},
    {103, "Quantum cannon eX",            24,    2,    4,   45,   5,   75,  0,     60000,  5,  0, "0100", {101, 102}},
    {104, "Particle turrets",             23,    3,    8,   30,   5,  100,  0,     20000,  2,  0, "0111", {105, 106}},
    {105, "Particle turrets L",           23,    3,   12,   30,   5,  100,  0,     15000,  3,  0, "0111", {104, 106}},
    {106, "Particle turrets XL",          23,    3,   16,   30,   5,  100,  0,     35000,  4,  0, "0110", {104, 105}},
    {107, "Quantum turrets S",            24,    2,    8,   60,   5,  100,  0,     10000,  2,  0, "0100", {108, 109}},
    {108, "Quantum turrets L",            24,    2,   12,   50,   5,  100,  0,     30000,  4,  0, "0100", {107, 109}},
    {109, "Quantum turrets eX",           24,    2,   16,   45,   5,   75,  0,     60000,  5,  0, "0100", {107, 108}},
    {110, "Mine",                         25,   15,   20,    0,   5,  100,  0,      1000,  3,  0, "1111", {11, 12, 47, 48, 112}},
    {111, "SuperMine",                    26,   50,   20,    0,   5,  100,  0,     15000,  3,  0, "1111", {8, 20, 21, 91, 9, 45, 46, 40, 113}},
    {112, "Light armor",                  27,    5,    0,    0,   0,  100,  0,      5000,  3,  0, "1111", {11, 12, 47, 48, 110}},
    {113, "Heavy armor",                  27,   15,    0,    0,   0,  100,  0,     20000,  3,  0, "1111", {8, 20, 21, 91, 9, 45, 46, 40, 111}},
};
// clang-format on

struct DescriptionRow {
    int id;
    const char* text;
};

// clang-format off
constexpr DescriptionRow kDescriptions[] = {
    {1, "Standard ship weapon. Range: 10, Damage: 2, Acc.: 30%, AP: 2"},
    {2, "Increased accuracy. Range: Long, Damage: 2, Acc.: 40%, AP: 5"},
    {3, "Your ship can carry one missile on this missile rack."},
    {4, "Electronic Countermeasure. Able to mislead missiles (no torpedos). ECM Chance: 20%, AP: 4"},
    {5, "Able to mislead missiles (no torpedos). Greater ECM chance. ECM Chance: 30%, AP: 4"},
    {6, "The phaser cannon is a medium-range and very accurate energy weapon. Range: Medium, Damage: 4, Acc.: 40%, AP: 8"},
    {7, "Less accuracy, but increased damage potential. Range: Medium, Damage: 5, Acc.: 30%, AP: 8"},
    {8, "Basically a cargo bay is used to transport goods, but it can be upgraded to serve in rather unique ways. Cargo space + 20."},
    {9, "A smuggling bay can be used to transport illegal goods with a lower (50% less) chance of getting caught. Cargo space + 10"},
    {11, "A small cargo bay can only be used to transport goods. In CONTRAST to the large cargo bay its upgrade possibilities are limited. Cargo space + 5."},
    {12, "A small passenger cabin enables you to accept passenger transports. One cabin can accomodate 5 passengers."},
    {13, "The basic version of a single engine commonly used in fighter class ships. Speed: 2"},
    {14, "The advanced version of a single engine commonly used in fighter class ships. Speed: 3"},
    {15, "The boosted version of a single engine commonly used in fighter class ships. Speed: 4"},
    {16, "The high-end version of a single engine commonly used in fighter class ships. Speed: 6"},
    {17, "A basic jump engine for small ships that enables to fly to different star systems and explore space."},
    {18, "An advanced jump engine for small ships that reduces the hyperspace travel time by 25%"},
    {19, "A sure-hit short ranged weapon. It fires small projectiles that split up and spin a deadly net. Range: Close, Damage: 2, Acc.: 80%, AP: 3"},
    {20, "A boarding shuttle enables you to send crewmembers to other ships to board and capture them. Can carry 5 crew members."},
    {21, "(Illegal) - A boarding shuttle enables you to send crewmembers to other ships to board and capture them. Can carry 10 crew members."},
    {23, "A battery of four laser turrets. Range: Long, Damage: (4x2=8), Acc.: 30%, AP: 5"},
    {24, "Increased accuracy. Range: Long, Damage: (4x2=8), Acc.: 40%, AP: 5"},
    {25, "A battery of four phaser turrets. Range: Medium, Damage: (4x4=16), Acc.: 40%, AP: 8"},
    {26, "Less accuracy, but increased damage potential. Range: Medium, Damage: (4x5=20), Acc.: 30%, AP: 8"},
    {27, "Greater penetrating power, but less ECM resistant than the Snipe Missile. Damage: 6, ECM Chance: - 10%, Speed: 4, AP: 10"},
    {28, "Very strong, but needs a long time for aiming. Damage: 8, ECM Chance: - 10%, Speed: 4, AP: 10"},
    {29, "Very expensive, but the best missile on the market. Damage: 8, ECM Chance: - 20%, AP: 5"},
    {30, "Your ship can carry one torpedo on this torpedo rack."},
    {31, "Quantum torpedos are the newest tool of destruction available. Damage: 24, ECM Chance: - 20%, AP: 10"},
    {32, "Two engines which provide enough power for medium-sized capital ships."},
    {33, "Two advanced engines which provide enough power for medium-sized capital ships."},
    {34, "Two boosted engines which provide enough power for medium-sized capital ships."},
    {35, "Two high-end engines which provide enough power for medium-sized capital ships."},
    {36, "Four engines which provide enough power for medium-sized capital ships."},
    {37, "Four advanced engines which provide enough power for medium-sized capital ships."},
    {38, "Four boosted engines which provide enough power for medium-sized capital ships."},
    {39, "Four high-end engines which provide enough power for medium-sized capital ships."},
    {40, "If you have surveillance equipment in your ship you can fulfill surveillance missions, as well as detect anomalies and enemy spy ships. Speed - 1."},
    {41, "Cheap missile. Only effective against fighters. Damage: 4, ECM Chance: - 30%, Speed: 6, AP: 10"},
    {42, "Photon torpedos are very large missiles that can only be fired from the biggest ships. Damage: 20, ECM Chance: - 10%, AP: 10"},
    {43, "More damage, more accuracy, less action points needed. Range: Long, Damage: 3, Acc.: 40%, AP: 3"},
    {44, "Cheap Outer Rim modification. More damage, but not very reliable. Range: 10, Damage: 3, Acc.: 30%, AP: 3"},
    {45, "Increased capacity due to an advanced storage system! Cargo space + 10 (=30)."},
    {46, "Increased capacity due to a very advanced storage system! Cargo space + 20 (= 40)."},
    {47, "Increased capacity due to an advanced storage system! Cargo space + 3 (=8)."},
    {48, "Increased capacity due to a very advanced storage system! Cargo space + 7 (=12)."},
    {49, "Short range targeting computer for small ships (Short: 100%, Medium: 60%, Long: 40%)"},
    {50, "Medium range targeting computer for small ships (Short: 60%, Medium: 100%, Long: 60%)"},
    {51, "Long range targeting computer for small ships (Short: 40%, Medium: 60%, Long: 100%)"},
    {52, "Short range targeting computer for middle-sized ships (Short: 100%, Medium: 60%, Long: 40%)"},
    {53, "Medium range targeting computer for middle-sized ships (Short: 60%, Medium: 100%, Long: 60%)"},
    {54, "Long range targeting computer for middle-sized ships (Short: 40%, Medium: 60%, Long: 100%)"},
    {55, "Short range targeting computer for large ships Short: 100%, Medium: 60%, Long: 40%)"},
    {56, "Medium range targeting computer for large ships (Short: 60%, Medium: 100%, Long: 60%)"},
    {57, "Long range targeting computer for middle-sized ships (Short: 40%, Medium: 60%, Long: 100%)"},
    {58, "A boosted jump engine for small ships. Reduces travel time by 35%, but is very unreliable and unstable!"},
    {59, "A basic jump engine for middle-sized ships that enables to fly to different star systems and explore space."},
    {60, "An advanced jump engine for middle-sized ships that reduces the hyperspace travel time by 25%"},
    {61, "A boosted jump engine for middle-sized ships. Reduces travel time by 35%, but is very unreliable and unstable!"},
    {62, "A basic jump engine for large ships that enables to fly to different star systems and explore space."},
    {63, "An advanced jump engine for large ships that reduces the hyperspace travel time by 25%"},
    {64, "A boosted jump engine for large ships. Reduces travel time by 35%, but is very unreliable and unstable!"},
    {65, "High damage and good accuracy. Range: Medium, Damage: 5, Acc.: 40%, AP: 6"},
    {66, "A risky, but cheap modification. Many failures. Range: Medium, Damage: 6, Acc.: 20%, AP: 6"},
    {67, "Buy this item to upgrade to phaser cannons (medium range, expensive and accurate weapons)"},
    {68, "Buy this item to upgrade to laser cannons (long range, cheap weapons)"},
    {69, "Increased damage potential. Range: Short, Damage: 3, Acc.: 60%, AP: 3"},
    {70, "Increased damage potential and accuracy. Range: Short, Damage: 3, Acc.: 80%, AP: 3"},
    {71, "Greater range, but very unreliable. Range: Medium, Damage: 3, Acc.: 60%, AP: 3"},
    {72, "More damage, more accuracy, less action points needed. Range: Long, Damage: (4x3=12), Acc.: 40%, AP: 3"},
    {73, "Cheap Outer Rim modification. More damage, but not very reliable. Range: Long, Damage: (4x3=12), Acc.: 30%, AP: 3"},
    {74, "Buy this item to upgrade to phaser turrets (medium range, expensive and accurate weapons)"},
    {75, "High damage and good accuracy. Range: Medium, Damage: (4x5=20), Acc.: 40%, AP: 6"},
    {76, "A risky, but cheap modification. Many failures. Range: Medium, Damage: (4x6=24), Acc.: 20%, AP: 4"},
    {77, "Buy this item to upgrade to laser turrets (long range, cheap weapons)"},
    {78, "A very strong short range weapon. Range: Short, Damage: (4x7+2=30), Acc.: 25%, AP: 10"},
    {82, "Generator for small ships. Creates an energy field, which protects your ship from enemy fire."},
    {83, "Generator for small ships. Increases shield protection by 25%."},
    {84, "Generator for small ships. Increases shield protection by 50%."},
    {85, "Generator for middle-sized ships. Creates an energy field, which protects your ship from enemy fire."},
    {86, "Generator for middle-sized ships. Increases shield protection by 25%."},
    {87, "Generator for middle-sized ships. Increases shield protection by 50%."},
    {88, "Generator for large ships. Creates an energy field, which protects your ship from enemy fire."},
    {89, "Generator for large ships. Increases shield protection by 25%."},
    {90, "Generator for small ships. Increases shield protection by 50%."},
    {91, "A passenger cabin enables you to accept passenger transports. One cabin can accomodate 10 passengers."},
    {92, "Able to mislead missiles (no torpedos). Greater ECM chance, lots AP needed. ECM Chance: 40%, AP: 6"},
    {93, "Able to mislead torpedos (no missiles). ECM Chance: 20%, AP: 6"},
    {94, "Able to mislead torpedos (no missiles). ECM Chance: 30%, AP: 6"},
    {95, "Able to mislead torpedos (no missiles). Uses almost no AP. ECM Chance: 20%, AP: 1"},
    {96, "Able to mislead torpedos (no missiles). Uses almost no AP. ECM Chance: 40%, AP: 8"},
    {98, "Medium damage, long range, but less accurate. Range: Long, Damage: 2, Acc.: 30%, AP: 5"},
    {99, "Increased damage. Range: Long, Damage: 3, Acc.: 30%, AP: 5"},
    {100, "Even more damage. Range: Long, Damage: 4, Acc.: 30%, AP: 5"},
    {101, "A weak but deadly accurate medium-range weapon. Range: Medium, Damage: 2, Acc.: 60%, AP: 5"},
    {102, "More damage, but less accuracy. Range: Medium, Damage: 3, Acc.: 50%, AP: 5"},
    {103, "Experimental weapon, high failure rate. Range: Medium, Damage: 4, Acc.: 45%, AP: 5"},
    {104, "Medium damage, long range, but less accurate. Range: Long, Damage: (4x2=8), Acc.: 30%, AP: 5"},
    {105, "Increased damage. Range: Long, Damage: (4x3=12), Acc.: 30%, AP: 5"},
    {106, "Even more damage. Range: Long, Damage: (4x4=16), Acc.: 30%, AP: 5"},
    {107, "A weak but deadly accurate medium-range weapon. Range: Medium, Damage: (4x2=8), Acc.: 60%, AP: 5"},
    {108, "More damage, but less accuracy. Range: Medium, Damage: (4x3=12), Acc.: 50%, AP: 5"},
    {109, "Experimental weapon, high failure rate. Range: Medium, Damage: (4x4=16), Acc.: 45%, AP: 5"},
    {110, "A space mine, which can be dropped in combat. It will explode if the enemy attempts to close the distance (Damage: 15, 10% chance to be destroyed by ECM)"},
    {111, "A space mine, which can be dropped in combat. Explodes if enemy close the distance. Works only against capital ships. (Damage: 50, 10% chance to be destroyed by ECM)"},
    {112, "Upgrade to small cargo bays. When your shields drop below 0% they absorb the up to 5 points of damage taken (whatever that is). Afterwards they are destroyed and need to be replaced."},
    {113, "Upgrade to cargo bays. When your shields drop below 0% they absorb the up to 15 points of damage taken (whatever that is). Afterwards they are destroyed and need to be replaced."},
};
// clang-format on

constexpr bool TablesAgree() {
    if (std::size(kEquipment) != std::size(kDescriptions)) return false;
    int previous = 0;
    for (std::size_t i = 0; i < std::size(kEquipment); ++i) {
        const EquipmentRow& row = kEquipment[i];
        if (row.id <= previous || row.id > Equipment::LastId) return false;
        if (kDescriptions[i].id != row.id) return false;
        if (std::string_view(row.name).size() > ShortText::MaxLength) return false;
        if (std::string_view(kDescriptions[i].text).size() > ShortText::MaxLength) return false;
        std::string_view dealers(row.dealers);
        if (dealers.size() != 4 || dealers.find_first_not_of("01") != std::string_view::npos) {
            return false;
        }
        previous = row.id;
    }
    return true;
}
static_assert(TablesAgree(), "equipment rows and descriptions must match id for id");

}  // namespace

void InitEquipmentTypes() {
    GameState& g = G();
    for (std::size_t i = 0; i < std::size(kEquipment); ++i) {
        const EquipmentRow& row = kEquipment[i];
        GameRecord& item = g.EquipmentTypes[row.id];
        // Fields 1..100 are written whole, so a loader run over an old catalogue leaves nothing
        // of it behind; fields the table leaves blank are 0.
        std::fill(item.begin() + 1, item.begin() + 101, 0);
        item[Equipment::Defined] = 1;
        item[Equipment::Kind] = row.kind;
        item[Equipment::MainValue] = row.mainValue;
        item[Equipment::SecondValue] = row.secondValue;
        item[Equipment::ThirdValue] = row.thirdValue;
        item[Equipment::ActionPoints] = row.actionPoints;
        item[Equipment::Reliability] = row.reliability;
        item[Equipment::Weight] = row.weight;
        item[Equipment::Price] = row.price;
        item[Equipment::TechLevel] = row.techLevel;
        item[Equipment::Illegal] = row.illegal;
        for (int n = 1; n <= Equipment::ExchangeSize; ++n) {
            item[Equipment::ExchangeBase + n] = row.exchange[n - 1];
        }
        for (int f = 1; f <= 4; ++f) {
            item[Equipment::SoldByFactionBase + f] = row.dealers[f - 1] - '0';
        }
        g.EquipmentNames[row.id] = row.name;
        g.EquipmentDescriptions[row.id] = kDescriptions[i].text;
    }
}

}  // namespace corvanth
