// Writes pictures as baseline JPEG through libjpeg and sounds as 16-bit mono PCM wave files.
#include "writers.h"

#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

namespace corvanth::assets {

namespace {

struct ErrorExit {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorExit*>(info->err)->jump, 1);
}

void PutLe(std::string& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 255));
}

}  // namespace

bool WriteJpeg(const std::string& path, const Image& img, int quality) {
    std::vector<uint8_t> rgb = img.ToBytes();
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_compress_struct info{};
    ErrorExit err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnJpegError;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(img.W());
    info.image_height = static_cast<JDIMENSION>(img.H());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = rgb.data() + static_cast<size_t>(info.next_scanline) * img.W() * 3;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(buffer), static_cast<std::streamsize>(size));
    std::free(buffer);
    return static_cast<bool>(out.flush());
}

bool WriteWav(const std::string& path, const std::vector<float>& samples) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);  // format block size
    PutLe(out, 1, 2);   // PCM
    PutLe(out, 1, 2);   // mono
    PutLe(out, kSampleRate, 4);
    PutLe(out, kSampleRate * 2, 4);  // bytes per second
    PutLe(out, 2, 2);                // bytes per frame
    PutLe(out, 16, 2);               // bits per sample
    out += "data";
    PutLe(out, dataBytes, 4);
    for (float s : samples) {
        float c = s < -1 ? -1 : (s > 1 ? 1 : s);
        auto v = static_cast<int16_t>(std::lround(c * 32767));
        PutLe(out, static_cast<uint16_t>(v), 2);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file.flush());
}

}  // namespace corvanth::assets
