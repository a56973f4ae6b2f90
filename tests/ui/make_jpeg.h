// JPEG files made by the tests with libjpeg's encoder: the game itself only decodes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

namespace ui::test {

struct JpegSpec {
    int width = 16, height = 16;
    // JCS_RGB, JCS_GRAYSCALE, JCS_CMYK (the file may keep it as YCCK, see `stored`).
    J_COLOR_SPACE given = JCS_RGB;
    J_COLOR_SPACE stored = JCS_UNKNOWN;  // JCS_UNKNOWN: libjpeg's default for `given`
    bool progressive = false;
    bool app14Marker = true;  // the APP14 marker, written for CMYK and YCCK unless cleared
    int quality = 100;
};

// The file's bytes; `pixel(x, y, out)` fills one pixel's components in the given space.
inline std::string MakeJpeg(const JpegSpec& spec,
                            const std::function<void(int, int, uint8_t*)>& pixel) {
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    const int components = spec.given == JCS_GRAYSCALE ? 1 : spec.given == JCS_CMYK ? 4 : 3;
    info.image_width = static_cast<JDIMENSION>(spec.width);
    info.image_height = static_cast<JDIMENSION>(spec.height);
    info.input_components = components;
    info.in_color_space = spec.given;
    jpeg_set_defaults(&info);
    if (spec.stored != JCS_UNKNOWN) jpeg_set_colorspace(&info, spec.stored);
    info.write_Adobe_marker = spec.app14Marker && components == 4;
    // Full resolution in every component: the tests compare colours block by block.
    for (int c = 0; c < info.num_components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_set_quality(&info, spec.quality, TRUE);
    if (spec.progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(spec.width) * components);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < spec.width; ++x)
            pixel(x, static_cast<int>(info.next_scanline),
                  &row[static_cast<size_t>(x) * components]);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(out), size);
    std::free(out);
    return bytes;
}

}  // namespace ui::test
