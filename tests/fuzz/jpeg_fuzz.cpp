// The JPEG decoder: any bytes give a picture no larger than the canvas can use, or none.
#include <cstdint>
#include <cstdlib>

#include "ui/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto picture = ui::DecodeJpeg(data, size);
    if (picture &&
        (picture->width <= 0 || picture->height <= 0 ||
         picture->rgb.size() != static_cast<size_t>(picture->width) * picture->height * 3))
        std::abort();
    return 0;
}
