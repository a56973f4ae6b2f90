// Colour parsing for the screen layouts.
#include "ui/color.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

namespace ui {

Color ColorFromValue(int32_t value) {
    auto v = static_cast<uint32_t>(value);
    return Color{static_cast<uint8_t>(v & 0xff), static_cast<uint8_t>((v >> 8) & 0xff),
                 static_cast<uint8_t>((v >> 16) & 0xff)};
}

std::optional<Color> ParseColor(const std::string& text) {
    static const std::map<std::string, Color> named = {
        {"black", colors::Black},
        {"white", colors::White},
        {"navy", colors::Navy},
        {"olive", colors::Olive},
        {"maroon", colors::Maroon},
        {"green", colors::Green},
        {"teal", colors::Teal},
        {"gray", colors::Gray},
        {"grey", colors::Gray},
        {"silver", colors::Silver},
        {"red", colors::Red},
        {"lime", colors::Lime},
        {"yellow", colors::Yellow},
        {"blue", colors::Blue},
        {"fuchsia", colors::Fuchsia},
        {"aqua", colors::Aqua},
        {"purple", colors::Purple},
        {"darkred", colors::DarkRed},
        {"btnface", Color{212, 208, 200}},
    };
    std::string t = text;
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::tolower(c); });
    if (t.rfind("cl", 0) == 0) t = t.substr(2);
    if (auto it = named.find(t); it != named.end()) return it->second;
    if (t.size() == 7 && t[0] == '#') {
        uint32_t rgb = 0;
        auto [p, ec] = std::from_chars(t.data() + 1, t.data() + 7, rgb, 16);
        if (ec != std::errc() || p != t.data() + 7) return std::nullopt;
        return Color{static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>((rgb >> 8) & 0xff),
                     static_cast<uint8_t>(rgb & 0xff)};
    }
    int32_t value = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec == std::errc() && p == t.data() + t.size() && !t.empty()) return ColorFromValue(value);
    return std::nullopt;
}

}  // namespace ui
