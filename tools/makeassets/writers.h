// Writes pictures as baseline JPEG through libjpeg, sounds as 16-bit mono PCM wave files and
// music as MP3 through LAME.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace corvanth::assets {

constexpr int kSampleRate = 22050;

// Both return false when the file could not be written completely.
bool WriteJpeg(const std::string& path, const Image& img, int quality = 90);
bool WriteWav(const std::string& path, const std::vector<float>& samples);
// MPEG-2 audio Layer III, mono at kSampleRate, constant bit rate.
bool WriteMp3(const std::string& path, const std::vector<float>& samples, int bitrateKbps = 64);

}  // namespace corvanth::assets
