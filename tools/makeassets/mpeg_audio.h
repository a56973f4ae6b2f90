// A plain MPEG audio Layer I encoder (mono, 22050 Hz, MPEG-2 low sampling rate), for the music.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvanth::assets {

// Frames of MPEG audio Layer I for mono samples at 22050 Hz in -1..1.
std::vector<uint8_t> EncodeMpegLayer1(const std::vector<float>& samples, int bitrateKbps = 96);
bool WriteMpegLayer1(const std::string& path, const std::vector<float>& samples,
                     int bitrateKbps = 96);

}  // namespace corvanth::assets
