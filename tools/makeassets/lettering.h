// Smooth lettering in the game's own font, through the renderer the screens use.
#pragma once

#include <string>
#include <vector>

namespace corvanth::assets {

// Coverage 0..1 of `text` set in the screens' bold sans face at `pixels` height; empty (0 by 0)
// when no font can be found.
struct Coverage {
    int w = 0, h = 0;
    std::vector<float> a;
    float At(int x, int y) const {
        return x < 0 || y < 0 || x >= w || y >= h ? 0 : a[static_cast<size_t>(y) * w + x];
    }
};
Coverage Letters(const std::string& text, int pixels);

}  // namespace corvanth::assets
