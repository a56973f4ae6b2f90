// Pictures by file name: JPEG files decoded once and kept at the size the screens draw them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui {

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes, rows top to bottom
    // Made smaller than the file gives, for the box it was asked for: a larger box asks again.
    bool forBox = false;
};

// The decoded picture, or nullptr when the file is missing or not a readable JPEG. Pictures
// larger than 2048 pixels a side are decoded at 1/2, 1/4 or 1/8 of their size, the least that
// brings them within it; what even 1/8 leaves larger is refused. With a box of `width` x
// `height`, the picture is no larger than it takes to cover the box at its own shape (as a
// screen stretches it there), and kept so: a screen's picture costs what the screen shows.
std::shared_ptr<const Picture> LoadPicture(const std::string& name, int width = 0, int height = 0);
// Decodes JPEG bytes, for a box as above; nullptr on any fault of the data.
std::shared_ptr<Picture> DecodeJpeg(const uint8_t* data, size_t size, int width = 0,
                                    int height = 0);
void ClearPictureCache();
// The bytes of all pictures kept.
size_t PictureBytesKept();

// The picture as RGBA rows with the colour of its bottom-left pixel see-through, and the colours
// within a few steps of it: a JPEG never keeps a plain background exactly plain.
std::vector<uint8_t> KeyedRgba(const Picture& picture);

}  // namespace ui
