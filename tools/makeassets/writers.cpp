// Writes pictures as baseline JPEG through libjpeg, sounds as 16-bit mono PCM wave files and
// music as MP3 through LAME.
#include "writers.h"

#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>
#include <lame/lame.h>

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

bool WriteMp3(const std::string& path, const std::vector<float>& samples, int bitrateKbps) {
    lame_global_flags* lame = lame_init();
    if (!lame) return false;
    lame_set_in_samplerate(lame, kSampleRate);
    lame_set_out_samplerate(lame, kSampleRate);
    lame_set_num_channels(lame, 1);
    lame_set_mode(lame, MONO);
    lame_set_brate(lame, bitrateKbps);
    lame_set_quality(lame, 2);
    // No tag frame: the same samples give the same bytes on every run.
    lame_set_bWriteVbrTag(lame, 0);
    std::vector<unsigned char> mp3;
    bool ok = lame_init_params(lame) >= 0;
    if (ok) {
        std::vector<float> pcm(samples.begin(), samples.end());
        for (float& s : pcm) s = s < -1 ? -1 : (s > 1 ? 1 : s);
        // LAME asks for 1.25 times the samples plus 7200 bytes as the worst case.
        mp3.resize(pcm.size() + pcm.size() / 4 + 7200);
        int n =
            lame_encode_buffer_ieee_float(lame, pcm.data(), nullptr, static_cast<int>(pcm.size()),
                                          mp3.data(), static_cast<int>(mp3.size()));
        int tail =
            n < 0 ? -1 : lame_encode_flush(lame, mp3.data() + n, static_cast<int>(mp3.size()) - n);
        ok = n >= 0 && tail >= 0;
        mp3.resize(ok ? static_cast<size_t>(n + tail) : 0);
    }
    lame_close(lame);
    if (!ok || mp3.empty()) return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(mp3.data()), static_cast<std::streamsize>(mp3.size()));
    return static_cast<bool>(file.flush());
}

}  // namespace corvanth::assets
