// Picture file names by number, and the thousands format of money and points.
#include "state/pictures.h"

#include <strings.h>

#include <algorithm>
#include <array>

#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

// Location pictures by number; the large style appends "r" unless kLargeExceptions says otherwise.
// clang-format off
constexpr std::array<const char*, 70> kPlanetPictures = {
    "earth1", "earth1", "earth2", "earth3", "earth4", "earth5", "earth6", "earth7", "earth8",
    "earth9",                                                                       // 0..9
    "red1", "red2", "wormhole", "red4", "red5", "red6", "red7",                     // 10..16
    "dark1", "dark2", "dark3", "dark4", "dark5", "dark6", "dark7",                  // 17..23
    "desert1", "desert2", "desert3", "desert4", "desert5", "desert6", "desert7",    // 24..30
    "jungle1", "jungle2", "jungle3", "jungle4", "jungle5", "jungle6",               // 31..36
    "ocean1", "moon1", "toxic1", "asteroids1", "asteroids1", "spacestation", "red3",  // 37..43
    "ice1", "earth10", "earth11", "earth12", "earth13", "toxic2", "desert8",        // 44..50
    "anomaly1", "city7b", "NavPoint", "Saturn", "Jupiter", "Mars", "Moon", "sun",   // 51..58
    "earth", "earth15", "lifepod", "ghostship", "treasure", "alienartefact",        // 59..64
    "anomaly_sm", "antenna_sm", "passenger_sm", "container_sm", "VIPsmall",         // 65..69
};

constexpr std::array<const char*, 34> kCityPictures = {
    "city1", "city1", "city1b", "city1c", "city1d", "city2", "city2b", "city2c", "city2d",
    "city2e", "city2f", "city3", "city4", "city4b", "city4c", "city4d", "city5", "city6",
    "city6b", "city6c", "city6d", "city6e", "city7", "city7b", "city7c", "city7d", "city7e",
    "city8", "city8b", "city8c", "city8d", "city9", "city10", "city11",
};
// clang-format on

// The large pictures that are not the small name with "r".
const char* LargeException(int n) {
    switch (n) {
        case 40:
        case 41:
            return "asteroidsbigpic.jpg";
        case 42:
            return "city7b.jpg";
        case 52:
            return "city7r.jpg";
        case 61:
        case 67:
            return "lifepodr.jpg";
        case 65:
        case 66:
        case 68:
            return "cockpit.jpg";
        case 69:
            return "VIP.jpg";
        default:
            return nullptr;
    }
}

bool HasShipPicture(int t) {
    return t >= 0 && t <= 27;
}

std::string ShipStem(int t) {
    return (t >= 20 ? "exp1_ship" : "ship") + std::to_string(t);
}

}  // namespace

std::string GetHeroPictureName(int player) {
    const GameState& g = G();
    std::string base;
    if (g.CurrentPlayer >= 0 && g.CurrentPlayer < static_cast<int>(g.Players.size())) {
        switch (Captain()[Player::Portrait]) {
            case 0:
                base = "Hero1";
                break;
            case 1:
                base = "Hero2";
                break;
            case 2:
                base = "Hero3";
                break;
            default:
                break;
        }
    }
    int age = -1;
    if (player >= 0 && player < static_cast<int>(g.Players.size()))
        age = g.Players[player][Player::AgeClass];
    switch (age) {
        case 0:
        case 1:
            return base + "_20y";
        case 2:
            return base + "_35y";
        case 4:
            return base + "_70y";
        case 5:
            return base + "_150y";
        default:
            return base + "_50y";
    }
}

std::string GetShipPictureName(int shipType) {
    if (!HasShipPicture(shipType)) return "";
    return ShipStem(shipType) + ".jpg";
}

std::string GetShipPictureNameG(int shipType) {
    if (!HasShipPicture(shipType)) return "";
    return ShipStem(shipType) + "g.jpg";
}

std::string GetPlanetPictureName(int number) {
    if (number < 0 || number >= static_cast<int>(kPlanetPictures.size())) return "";
    return std::string(kPlanetPictures[number]) + ".jpg";
}

std::string GetPlanetPictureNameR(int number) {
    if (number < 0 || number >= static_cast<int>(kPlanetPictures.size())) return "";
    if (const char* name = LargeException(number)) return name;
    return std::string(kPlanetPictures[number]) + "r.jpg";
}

std::string GetCityPictureName(int number) {
    if (number < 0 || number >= static_cast<int>(kCityPictures.size())) return "";
    return std::string(kCityPictures[number]) + ".jpg";
}

std::string FormatThousands(int64_t value) {
    // Unsigned, so the most negative value has an absolute value too.
    uint64_t rest = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    // Digits are written from the right into a buffer with room for the sign and every group.
    char buffer[32];
    char* at = buffer + sizeof(buffer);
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0) *--at = '.';
        *--at = static_cast<char>('0' + rest % 10);
        rest /= 10;
        ++digits;
    } while (rest > 0);
    if (value < 0) *--at = '-';
    return std::string(at, buffer + sizeof(buffer));
}

bool IsFactionLogo(const std::string& picture) {
    auto same = [&](const ShortText& name) {
        return !picture.empty() && strcasecmp(name.str().c_str(), picture.c_str()) == 0;
    };
    const GameState& g = G();
    return std::any_of(g.FactionPictures.begin(), g.FactionPictures.end(), same) ||
           std::any_of(g.FactionSmallPictures.begin(), g.FactionSmallPictures.end(), same);
}

}  // namespace corvanth
