// JPEG decoding with libjpeg, and the picture cache.
#include "ui/picture.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "ui/files.h"

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

namespace ui {

namespace {

constexpr JDIMENSION kMaxDecodedSide = 2048;
constexpr JDIMENSION kMaxPictureSide = 2 * kMaxDecodedSide;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void OnMessage(j_common_ptr, int) {}  // warnings of damaged files stay quiet

std::map<std::string, std::shared_ptr<const Picture>>& Cache() {
    static auto* cache = new std::map<std::string, std::shared_ptr<const Picture>>;
    return *cache;
}

}  // namespace

std::shared_ptr<Picture> DecodeJpeg(const uint8_t* data, size_t size) {
    if (!data || size < 4) return nullptr;
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.emit_message = OnMessage;
    // Everything the jump can skip lives outside this frame's automatic objects with destructors.
    auto picture = std::make_shared<Picture>();
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<uint8_t*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    // The header's size is checked before anything is decoded: a file that claims a huge picture
    // would have the decoder allocate gigabytes. Pictures past 2048 pixels a side are decoded
    // scaled down, past 4096 refused: the canvas is 1024 x 768.
    if (info.image_width > kMaxPictureSide || info.image_height > kMaxPictureSide) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    info.scale_num = 1;
    info.scale_denom = 1;
    while (info.scale_denom < 8 && (info.image_width / info.scale_denom > kMaxDecodedSide ||
                                    info.image_height / info.scale_denom > kMaxDecodedSide))
        info.scale_denom *= 2;
    // A progressive file keeps all its coefficients in memory: past this the decoder fails
    // instead of growing.
    info.mem->max_memory_to_use = 256L << 20;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3 || info.output_width == 0 || info.output_height == 0 ||
        info.output_width > kMaxDecodedSide || info.output_height > kMaxDecodedSide) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    picture->width = static_cast<int>(info.output_width);
    picture->height = static_cast<int>(info.output_height);
    picture->rgb.resize(static_cast<size_t>(picture->width) * picture->height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row =
            picture->rgb.data() + static_cast<size_t>(info.output_scanline) * picture->width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return picture;
}

std::shared_ptr<const Picture> LoadPicture(const std::string& name) {
    if (name.empty()) return nullptr;
    auto& cache = Cache();
    if (auto it = cache.find(name); it != cache.end()) return it->second;
    std::shared_ptr<const Picture> picture;
    if (auto path = FindFile(name)) {
        // No picture of the game comes near this; a larger file is not read whole.
        constexpr size_t kMaxPictureFile = 32 << 20;
        if (const auto bytes = ReadRegularFile(*path, kMaxPictureFile))
            picture = DecodeJpeg(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size());
    }
    // A missing picture is remembered too: the disk is asked once per name.
    cache[name] = picture;
    return picture;
}

void ClearPictureCache() {
    Cache().clear();
}

std::vector<uint8_t> KeyedRgba(const Picture& picture) {
    constexpr int kNear = 24;  // per channel
    const size_t pixels = static_cast<size_t>(picture.width) * picture.height;
    std::vector<uint8_t> out(pixels * 4);
    if (pixels == 0 || picture.rgb.size() < pixels * 3) return out;
    const uint8_t* key = &picture.rgb[(pixels - static_cast<size_t>(picture.width)) * 3];
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* p = &picture.rgb[i * 3];
        bool near = true;
        for (int c = 0; c < 3; ++c) near = near && std::abs(p[c] - key[c]) <= kNear;
        out[i * 4] = p[0];
        out[i * 4 + 1] = p[1];
        out[i * 4 + 2] = p[2];
        out[i * 4 + 3] = near ? 0 : 255;
    }
    return out;
}

}  // namespace ui
