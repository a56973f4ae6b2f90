// Renders catalogue entries and writes those missing from an output folder.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "catalogue.h"

namespace corvanth::assets {

Image RenderPicture(const Asset& asset);
std::vector<float> RenderSound(const Asset& asset);

struct Outcome {
    int written = 0;
    int kept = 0;  // already there under some letter case: never overwritten
    std::vector<std::string> failed;
};

// Writes every asset whose name (in any letter case) is not yet in `dir`, on `threads` threads.
Outcome Generate(const std::string& dir, const std::vector<Asset>& assets, int threads);

}  // namespace corvanth::assets
