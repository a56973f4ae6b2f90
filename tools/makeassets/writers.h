// Writes pictures as baseline JPEG through libjpeg and sounds as 16-bit mono PCM wave files.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace corvanth::assets {

constexpr int kSampleRate = 22050;

// Both return false when the file could not be written completely.
bool WriteJpeg(const std::string& path, const Image& img, int quality = 90);
bool WriteWav(const std::string& path, const std::vector<float>& samples);

}  // namespace corvanth::assets
