// JPEG decoding with libjpeg, and the picture cache: pictures kept no larger than screens draw
// them.
#include "ui/picture.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

#include "ui/files.h"

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

namespace ui {

namespace {

// Layouts keep every box within this a side, and the canvas is 1024 x 768: no screen draws a
// picture larger.
constexpr JDIMENSION kMaxDecodedSide = 2048;
// libjpeg scales by 1/2, 1/4 or 1/8 as it decodes: what even 1/8 leaves past the limit is refused.
constexpr JDIMENSION kMaxScale = 8;
constexpr JDIMENSION kMaxPictureSide = kMaxScale * kMaxDecodedSide;

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

// The size that covers a box of `width` x `height` at the picture's own shape, never more than
// the picture itself.
std::pair<int, int> CoverSize(int pictureWidth, int pictureHeight, int width, int height) {
    if (width >= pictureWidth && height >= pictureHeight) return {pictureWidth, pictureHeight};
    const int64_t w = pictureWidth, h = pictureHeight;
    // The side the box is wider in decides: the other follows the picture's shape, rounded up.
    if (int64_t{width} * h >= int64_t{height} * w)
        return {std::min(pictureWidth, width),
                static_cast<int>(std::min<int64_t>(h, (h * width + w - 1) / w))};
    return {static_cast<int>(std::min<int64_t>(w, (w * height + h - 1) / h)),
            std::min(pictureHeight, height)};
}

// Where the pixels of a line of `from` fall among the `to` (fewer) kept ones: pixel j covers
// [j * to, (j + 1) * to) and kept pixel i [i * from, (i + 1) * from), so a pixel gives its
// overlap to one kept pixel or two.
struct Share {
    int first;            // the kept pixel it starts in
    int inFirst, inNext;  // its overlap with that one and the next
};
std::vector<Share> Shares(int from, int to) {
    std::vector<Share> shares(static_cast<size_t>(from));
    for (int j = 0; j < from; ++j) {
        const int64_t start = int64_t{j} * to, end = start + to;
        const int first = static_cast<int>(start / from);
        const int64_t edge = int64_t{first + 1} * from;
        shares[static_cast<size_t>(j)] = end <= edge ? Share{first, to, 0}
                                                     : Share{first, static_cast<int>(edge - start),
                                                             static_cast<int>(end - edge)};
    }
    return shares;
}

// The picture made smaller: each kept pixel the average of the pixels it covers, parts of pixels
// weighed by how much of them it covers; a line at a time, so only two rows more are held.
Picture Shrink(const Picture& from, int width, int height) {
    Picture out;
    out.width = width;
    out.height = height;
    out.rgb.resize(static_cast<size_t>(width) * height * 3);
    const std::vector<Share> across = Shares(from.width, width), down = Shares(from.height, height);
    std::vector<uint64_t> row(static_cast<size_t>(width) * 3), sum(row.size(), 0),
        next(row.size(), 0);
    // The overlaps of a kept pixel add up to this.
    const uint64_t area = uint64_t(from.width) * from.height;
    auto emit = [&](int y) {
        uint8_t* to = &out.rgb[static_cast<size_t>(y) * width * 3];
        for (size_t i = 0; i < sum.size(); ++i)
            to[i] = static_cast<uint8_t>((sum[i] + area / 2) / area);
    };
    for (int j = 0; j < from.height; ++j) {
        std::fill(row.begin(), row.end(), 0);
        const uint8_t* in = &from.rgb[static_cast<size_t>(j) * from.width * 3];
        for (int x = 0; x < from.width; ++x) {
            const Share& s = across[static_cast<size_t>(x)];
            for (int c = 0; c < 3; ++c) {
                row[static_cast<size_t>(s.first) * 3 + c] += uint64_t(s.inFirst) * in[x * 3 + c];
                if (s.inNext)
                    row[static_cast<size_t>(s.first + 1) * 3 + c] +=
                        uint64_t(s.inNext) * in[x * 3 + c];
            }
        }
        const Share& s = down[static_cast<size_t>(j)];
        for (size_t i = 0; i < row.size(); ++i) {
            sum[i] += s.inFirst * row[i];
            next[i] += s.inNext * row[i];
        }
        // The kept row is whole once a pixel reaches past it, or the picture ends.
        const bool whole = s.inNext > 0 || j + 1 == from.height ||
                           down[static_cast<size_t>(j + 1)].first != s.first;
        if (whole) {
            emit(s.first);
            sum.swap(next);
            std::fill(next.begin(), next.end(), 0);
        }
    }
    return out;
}

// Ink of cyan, magenta, yellow and black over white paper. A file with the APP14 marker keeps
// every ink inverted (0 is full ink), as nearly every CMYK JPEG does; others keep 255 as full.
void InksToRgb(const uint8_t* cmyk, uint8_t* rgb, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int white = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const int paper = inverted ? cmyk[c] : 255 - cmyk[c];
            rgb[c] = static_cast<uint8_t>((paper * white + 127) / 255);
        }
    }
}

// The decoding itself, on a decompressor made ready. Any fault of the data jumps out of here
// through OnError: nothing in this frame needs its destructor run.
bool Decode(jpeg_decompress_struct& info, int width, int height, Picture& picture,
            std::vector<uint8_t>& inks) {
    jpeg_read_header(&info, TRUE);
    // The header's size is checked before anything is decoded: a file that claims a huge picture
    // would have the decoder allocate gigabytes.
    if (info.image_width > kMaxPictureSide || info.image_height > kMaxPictureSide) return false;
    info.scale_num = 1;
    info.scale_denom = 1;
    while (info.scale_denom < kMaxScale && (info.image_width > kMaxDecodedSide * info.scale_denom ||
                                            info.image_height > kMaxDecodedSide * info.scale_denom))
        info.scale_denom *= 2;
    // For a box, as small as still covers it: the decoder's own scaling costs nothing.
    if (width > 0 && height > 0) {
        const auto [w, h] = CoverSize(static_cast<int>(info.image_width),
                                      static_cast<int>(info.image_height), width, height);
        const unsigned least = info.scale_denom;
        for (info.scale_denom = kMaxScale; info.scale_denom > least; info.scale_denom /= 2) {
            jpeg_calc_output_dimensions(&info);
            if (static_cast<int>(info.output_width) >= w &&
                static_cast<int>(info.output_height) >= h)
                break;
        }
        picture.forBox = info.scale_denom > least;
    }
    // A progressive file keeps all its coefficients in memory: past this the decoder fails
    // instead of growing.
    info.mem->max_memory_to_use = 256L << 20;
    // libjpeg turns CMYK (and YCCK) into nothing but CMYK: the inks are mixed here.
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != (cmyk ? 4 : 3) || info.output_width == 0 ||
        info.output_height == 0 || info.output_width > kMaxDecodedSide ||
        info.output_height > kMaxDecodedSide)
        return false;
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    picture.rgb.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    if (cmyk) inks.resize(static_cast<size_t>(picture.width) * 4);
    while (info.output_scanline < info.output_height) {
        uint8_t* rgb =
            picture.rgb.data() + static_cast<size_t>(info.output_scanline) * picture.width * 3;
        JSAMPROW row = cmyk ? inks.data() : rgb;
        if (jpeg_read_scanlines(&info, &row, 1) == 1 && cmyk)
            InksToRgb(inks.data(), rgb, picture.width, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    return true;
}

// The decompressor around Decode, in a frame of plain values: the jump leaves nothing half done.
bool DecodeInto(const uint8_t* data, size_t size, int width, int height, Picture& picture,
                std::vector<uint8_t>& inks) {
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.emit_message = OnMessage;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<uint8_t*>(data), static_cast<unsigned long>(size));
    const bool decoded = Decode(info, width, height, picture, inks);
    jpeg_destroy_decompress(&info);
    return decoded;
}

}  // namespace

std::shared_ptr<Picture> DecodeJpeg(const uint8_t* data, size_t size, int width, int height) {
    if (!data || size < 4) return nullptr;
    auto picture = std::make_shared<Picture>();
    std::vector<uint8_t> inks;  // one row of CMYK
    if (!DecodeInto(data, size, width, height, *picture, inks)) return nullptr;
    if (width <= 0 || height <= 0) return picture;
    const auto [w, h] = CoverSize(picture->width, picture->height, width, height);
    if (w == picture->width && h == picture->height) return picture;
    auto kept = std::make_shared<Picture>(Shrink(*picture, w, h));
    kept->forBox = true;
    return kept;
}

std::shared_ptr<const Picture> LoadPicture(const std::string& name, int width, int height) {
    if (name.empty()) return nullptr;
    auto& cache = Cache();
    const auto it = cache.find(name);
    if (it != cache.end()) {
        // A missing picture is remembered too: the disk is asked once per name.
        const Picture* kept = it->second.get();
        if (!kept || !kept->forBox) return it->second;
        // Kept no smaller than this box in both directions, it covers this one too. A box it does
        // not cover has it decoded larger in both, so it covers every box it covered before.
        if (width > 0 && height > 0 && width <= kept->width && height <= kept->height)
            return it->second;
    }
    std::shared_ptr<const Picture> picture;
    if (auto path = FindFile(name)) {
        // A camera's largest photos stay below this; a larger file is not read whole.
        constexpr size_t kMaxPictureFile = 64 << 20;
        if (const auto bytes = ReadRegularFile(*path, kMaxPictureFile))
            picture = DecodeJpeg(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size(),
                                 width, height);
    }
    cache[name] = picture;
    return picture;
}

void ClearPictureCache() {
    Cache().clear();
}

size_t PictureBytesKept() {
    size_t bytes = 0;
    for (const auto& [name, picture] : Cache())
        if (picture) bytes += picture->rgb.size();
    return bytes;
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
