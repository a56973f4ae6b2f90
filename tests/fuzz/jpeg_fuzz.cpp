// The JPEG decoder: any bytes give a picture no larger than the canvas can use, or none; for a
// screen's box, one that still covers the box.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "ui/picture.h"

namespace {

void Check(const std::shared_ptr<ui::Picture>& picture, int width, int height) {
    if (!picture) return;
    if (picture->width <= 0 || picture->height <= 0 || picture->width > 2048 ||
        picture->height > 2048 ||
        picture->rgb.size() != static_cast<size_t>(picture->width) * picture->height * 3)
        std::abort();
    // Made smaller for a box, it still covers the box.
    if (picture->forBox && (picture->width < width || picture->height < height)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(ui::DecodeJpeg(data, size), 0, 0);
    // And for a screen's box, made smaller.
    Check(ui::DecodeJpeg(data, size, 37, 23), 37, 23);
    return 0;
}
