// Pictures by file name: JPEG files decoded once and kept.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui {

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes, rows top to bottom
};

// The decoded picture, or nullptr when the file is missing or not a readable JPEG.
std::shared_ptr<const Picture> LoadPicture(const std::string& name);
// Decodes JPEG bytes; nullptr on any fault of the data.
std::shared_ptr<Picture> DecodeJpeg(const uint8_t* data, size_t size);
void ClearPictureCache();

// The picture as RGBA rows with the colour of its bottom-left pixel see-through, and the colours
// within a few steps of it: a JPEG never keeps a plain background exactly plain.
std::vector<uint8_t> KeyedRgba(const Picture& picture);

}  // namespace ui
