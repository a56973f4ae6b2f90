// Colours of the screens: RGB values, the toolkit's named colours and its numeric colour values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ui {

struct Color {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Navy{0, 0, 128};
inline constexpr Color Olive{128, 128, 0};
inline constexpr Color Maroon{128, 0, 0};
inline constexpr Color Green{0, 128, 0};
inline constexpr Color Teal{0, 128, 128};
inline constexpr Color Gray{128, 128, 128};
inline constexpr Color Silver{192, 192, 192};
inline constexpr Color Red{255, 0, 0};
inline constexpr Color Lime{0, 255, 0};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color Fuchsia{255, 0, 255};
inline constexpr Color Aqua{0, 255, 255};
inline constexpr Color Purple{128, 0, 128};
// The dark red that combat notices use (colour value 174).
inline constexpr Color DarkRed{174, 0, 0};
}  // namespace colors

// A colour value as the toolkit stores it: 0x00BBGGRR (174 is a dark red, 32768 a green).
Color ColorFromValue(int32_t value);

// "navy", "clNavy", "#1a2b3c" or a decimal colour value; nullopt for anything else.
std::optional<Color> ParseColor(const std::string& text);

}  // namespace ui
