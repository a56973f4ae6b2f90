// JPEG decoding with libjpeg, and the picture cache.
#include "ui/picture.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include "ui/files.h"

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

namespace ui {

namespace {

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
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3 || info.output_width == 0 || info.output_height == 0 ||
        info.output_width > 8192 || info.output_height > 8192) {
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
        std::ifstream in(*path, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        picture = DecodeJpeg(bytes.data(), bytes.size());
    }
    // A missing picture is remembered too: the disk is asked once per name.
    cache[name] = picture;
    return picture;
}

void ClearPictureCache() {
    Cache().clear();
}

}  // namespace ui
