// Picture file names from ship types, portraits and locations, and the thousands format.
#pragma once

#include <cstdint>
#include <string>

namespace corvanth {

// The portrait of the current captain at the given player's age, without extension
// ("Hero1_20y"); callers append "_sm.jpg" or their own ending.
std::string GetHeroPictureName(int player);
// Ship class pictures 0..27 ("ship3.jpg", "exp1_ship21.jpg"); the G style is the dealer's.
std::string GetShipPictureName(int shipType);
std::string GetShipPictureNameG(int shipType);
// Location pictures 0..69, small and large style.
std::string GetPlanetPictureName(int number);
std::string GetPlanetPictureNameR(int number);
// City pictures 0..33.
std::string GetCityPictureName(int number);
// Out-of-range numbers give "".

// Whether `picture` is a faction's round logo, large or small, as the factions' tables name it
// (in any letter case, as the folder finds it). The logos stand on black, which a screen that
// shows one among other pictures leaves out.
bool IsFactionLogo(const std::string& picture);

// "." between groups of three digits ("1.234.567"); a negative value is "-" and its digits.
std::string FormatThousands(int64_t value);

}  // namespace corvanth
