// Float RGB pictures, noise and the anti-aliased drawing primitives every painter builds on.
#include "canvas.h"

#include <algorithm>
#include <array>

namespace corvanth::assets {

Rgb Hex(uint32_t rgb) {
    return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f};
}

float Luma(Rgb c) {
    return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
}

float Clamp01(float v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

float Smooth(float edge0, float edge1, float v) {
    float t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

uint64_t Rng::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Rng::Unit() {
    return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24);
}
float Rng::Range(float lo, float hi) {
    return lo + (hi - lo) * Unit();
}
int Rng::Below(int n) {
    return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n));
}

uint64_t HashText(std::string_view text) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return h;
}

namespace {

uint32_t Hash3(int x, int y, int z, uint32_t seed) {
    uint32_t h = seed * 0x27d4eb2du;
    h ^= static_cast<uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xc2b2ae35u;
    h = (h << 11) | (h >> 21);
    h ^= static_cast<uint32_t>(z) * 0x165667b1u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float Grad(uint32_t h, float x, float y, float z) {
    switch (h % 12) {
        case 0:
            return x + y;
        case 1:
            return -x + y;
        case 2:
            return x - y;
        case 3:
            return -x - y;
        case 4:
            return x + z;
        case 5:
            return -x + z;
        case 6:
            return x - z;
        case 7:
            return -x - z;
        case 8:
            return y + z;
        case 9:
            return -y + z;
        case 10:
            return y - z;
        default:
            return -y - z;
    }
}

float Fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}
float Lerp(float a, float b, float t) {
    return a + (b - a) * t;
}

}  // namespace

float Noise3(Vec3 p, uint32_t seed) {
    float fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    int x = static_cast<int>(fx), y = static_cast<int>(fy), z = static_cast<int>(fz);
    float dx = p.x - fx, dy = p.y - fy, dz = p.z - fz;
    float u = Fade(dx), v = Fade(dy), w = Fade(dz);
    auto g = [&](int i, int j, int k) {
        return Grad(Hash3(x + i, y + j, z + k, seed), dx - i, dy - j, dz - k);
    };
    float x00 = Lerp(g(0, 0, 0), g(1, 0, 0), u), x10 = Lerp(g(0, 1, 0), g(1, 1, 0), u);
    float x01 = Lerp(g(0, 0, 1), g(1, 0, 1), u), x11 = Lerp(g(0, 1, 1), g(1, 1, 1), u);
    return Lerp(Lerp(x00, x10, v), Lerp(x01, x11, v), w);
}

float Fbm3(Vec3 p, uint32_t seed, int octaves, float gain) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * Noise3(p, seed + i * 131u);
        norm += amp;
        amp *= gain;
        p = {p.x * 2.03f + 1.7f, p.y * 2.03f - 0.9f, p.z * 2.03f + 3.1f};
    }
    return sum / norm;
}

float Ridged3(Vec3 p, uint32_t seed, int octaves) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        float n = 1 - std::fabs(Noise3(p, seed + i * 71u));
        sum += amp * n * n;
        norm += amp;
        amp *= 0.5f;
        p = {p.x * 2.1f, p.y * 2.1f, p.z * 2.1f};
    }
    return sum / norm;
}

Image::Image(int w, int h, Rgb fill) : w_(w), h_(h), px_(static_cast<size_t>(w) * h, fill) {}

Rgb Image::Sample(float x, float y) const {
    x = std::clamp(x, 0.0f, static_cast<float>(w_ - 1));
    y = std::clamp(y, 0.0f, static_cast<float>(h_ - 1));
    int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
    int x1 = std::min(x0 + 1, w_ - 1), y1 = std::min(y0 + 1, h_ - 1);
    float tx = x - x0, ty = y - y0;
    return Mix(Mix(At(x0, y0), At(x1, y0), tx), Mix(At(x0, y1), At(x1, y1), tx), ty);
}

void Image::Blend(int x, int y, Rgb c, float a) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || a <= 0) return;
    Rgb& p = At(x, y);
    p = Mix(p, c, std::min(a, 1.0f));
}

void Image::Add(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    At(x, y) = At(x, y) + c;
}

std::vector<uint8_t> Image::ToBytes() const {
    std::vector<uint8_t> out(px_.size() * 3);
    auto shoulder = [this](float v) {
        if (v > 0.8f && !exactTones) v = 0.8f + 0.2f * (1 - std::exp(-(v - 0.8f) / 0.2f));
        return static_cast<uint8_t>(std::lround(Clamp01(v) * 255));
    };
    for (size_t i = 0; i < px_.size(); ++i) {
        out[i * 3] = shoulder(px_[i].r);
        out[i * 3 + 1] = shoulder(px_[i].g);
        out[i * 3 + 2] = shoulder(px_[i].b);
    }
    return out;
}

float SdCircle(Vec2 p, Vec2 c, float r) {
    return std::hypot(p.x - c.x, p.y - c.y) - r;
}

float SdEllipse(Vec2 p, Vec2 c, float rx, float ry) {
    // Scaled circle distance, corrected by the gradient: good enough for drawing.
    float dx = (p.x - c.x) / rx, dy = (p.y - c.y) / ry;
    float k = std::sqrt(dx * dx + dy * dy);
    float gx = dx / rx, gy = dy / ry;
    float gl = std::sqrt(gx * gx + gy * gy);
    return k > 1e-6f && gl > 1e-9f ? (k - 1) * k / gl : -std::min(rx, ry);
}

float SdBox(Vec2 p, Vec2 c, Vec2 half, float round) {
    float qx = std::fabs(p.x - c.x) - half.x + round, qy = std::fabs(p.y - c.y) - half.y + round;
    float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - round;
}

float SdSegment(Vec2 p, Vec2 a, Vec2 b, float width) {
    float px = p.x - a.x, py = p.y - a.y, bx = b.x - a.x, by = b.y - a.y;
    float len2 = bx * bx + by * by;
    float h = len2 > 0 ? Clamp01((px * bx + py * by) / len2) : 0;
    return std::hypot(px - bx * h, py - by * h) - width * 0.5f;
}

float SdPolygon(Vec2 p, const std::vector<Vec2>& v) {
    size_t n = v.size();
    if (n < 3) return 1e9f;
    float d = 1e30f;
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        float wx = p.x - v[i].x, wy = p.y - v[i].y;
        float len2 = ex * ex + ey * ey;
        float h = len2 > 0 ? Clamp01((wx * ex + wy * ey) / len2) : 0;
        float bx = wx - ex * h, by = wy - ey * h;
        d = std::min(d, bx * bx + by * by);
        bool c1 = p.y >= v[i].y, c2 = p.y<v[j].y, c3 = ex * wy> ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) inside = !inside;
    }
    return (inside ? -1 : 1) * std::sqrt(d);
}

void FillSdf(Image& img, float x0, float y0, float x1, float y1, const Sdf& sdf,
             const Shader& colour, float alpha) {
    int ix0 = std::max(0, static_cast<int>(std::floor(x0)) - 1);
    int iy0 = std::max(0, static_cast<int>(std::floor(y0)) - 1);
    int ix1 = std::min(img.W() - 1, static_cast<int>(std::ceil(x1)) + 1);
    int iy1 = std::min(img.H() - 1, static_cast<int>(std::ceil(y1)) + 1);
    for (int y = iy0; y <= iy1; ++y)
        for (int x = ix0; x <= ix1; ++x) {
            Vec2 p{x + 0.5f, y + 0.5f};
            float cover = Clamp01(0.5f - sdf(p));
            if (cover > 0) img.Blend(x, y, colour(p), cover * alpha);
        }
}

void FillSdf(Image& img, float x0, float y0, float x1, float y1, const Sdf& sdf, Rgb colour,
             float alpha) {
    FillSdf(
        img, x0, y0, x1, y1, sdf, [colour](Vec2) { return colour; }, alpha);
}

void Disc(Image& img, Vec2 c, float r, Rgb colour, float alpha) {
    FillSdf(
        img, c.x - r, c.y - r, c.x + r, c.y + r, [c, r](Vec2 p) { return SdCircle(p, c, r); },
        colour, alpha);
}

void Ellipse(Image& img, Vec2 c, float rx, float ry, Rgb colour, float alpha) {
    FillSdf(
        img, c.x - rx, c.y - ry, c.x + rx, c.y + ry,
        [=](Vec2 p) { return SdEllipse(p, c, rx, ry); }, colour, alpha);
}

void Ring(Image& img, Vec2 c, float r, float width, Rgb colour, float alpha) {
    float o = r + width;
    FillSdf(
        img, c.x - o, c.y - o, c.x + o, c.y + o,
        [=](Vec2 p) { return std::fabs(SdCircle(p, c, r)) - width * 0.5f; }, colour, alpha);
}

void Line(Image& img, Vec2 a, Vec2 b, float width, Rgb colour, float alpha) {
    float w = width;
    FillSdf(
        img, std::min(a.x, b.x) - w, std::min(a.y, b.y) - w, std::max(a.x, b.x) + w,
        std::max(a.y, b.y) + w, [=](Vec2 p) { return SdSegment(p, a, b, width); }, colour, alpha);
}

void Box(Image& img, Vec2 c, Vec2 half, Rgb colour, float alpha, float round) {
    FillSdf(
        img, c.x - half.x, c.y - half.y, c.x + half.x, c.y + half.y,
        [=](Vec2 p) { return SdBox(p, c, half, round); }, colour, alpha);
}

void Polygon(Image& img, const std::vector<Vec2>& pts, const Shader& colour, float alpha) {
    if (pts.empty()) return;
    float x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
    for (auto p : pts) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    FillSdf(
        img, x0, y0, x1, y1, [&pts](Vec2 p) { return SdPolygon(p, pts); }, colour, alpha);
}

void Polygon(Image& img, const std::vector<Vec2>& pts, Rgb colour, float alpha) {
    Polygon(
        img, pts, [colour](Vec2) { return colour; }, alpha);
}

void Glow(Image& img, Vec2 c, float r, Rgb colour) {
    float reach = r * 3;
    int x0 = std::max(0, static_cast<int>(c.x - reach)),
        x1 = std::min(img.W() - 1, static_cast<int>(c.x + reach));
    int y0 = std::max(0, static_cast<int>(c.y - reach)),
        y1 = std::min(img.H() - 1, static_cast<int>(c.y + reach));
    float inv = 1 / (r * r);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = x + 0.5f - c.x, dy = y + 0.5f - c.y;
            float k = std::exp(-(dx * dx + dy * dy) * inv);
            if (k > 0.002f) img.Add(x, y, colour * k);
        }
}

void VerticalGradient(Image& img, Rgb top, Rgb bottom) {
    for (int y = 0; y < img.H(); ++y) {
        Rgb c = Mix(top, bottom, img.H() > 1 ? static_cast<float>(y) / (img.H() - 1) : 0);
        for (int x = 0; x < img.W(); ++x) img.At(x, y) = c;
    }
}

void RadialGradient(Image& img, Vec2 c, float r, Rgb inner, Rgb outer) {
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) {
            float t = Clamp01(std::hypot(x + 0.5f - c.x, y + 0.5f - c.y) / r);
            img.At(x, y) = Mix(inner, outer, t * t * (3 - 2 * t));
        }
}

void Starfield(Image& img, uint64_t seed, float density, float brightness) {
    Rng rng(seed);
    int count = static_cast<int>(img.W() * img.H() * density / 10000.0f);
    for (int i = 0; i < count; ++i) {
        float x = rng.Range(0, img.W()), y = rng.Range(0, img.H());
        float u = rng.Unit();
        float b = brightness * (0.12f + 0.9f * std::pow(u, 6.0f));
        float t = rng.Unit();
        Rgb tint =
            t < 0.3f ? Rgb{0.75f, 0.85f, 1} : (t < 0.85f ? Rgb{1, 1, 1} : Rgb{1, 0.9f, 0.7f});
        float r = 0.45f + 0.9f * std::pow(u, 8.0f);
        Glow(img, {x, y}, r, tint * b);
        if (u > 0.995f) {  // the few brightest get faint spikes
            for (int k = 1; k <= 6; ++k) {
                float off = k * 1.6f, fade = b * 0.35f * (1 - k / 7.0f);
                for (Vec2 d : {Vec2{off, 0}, Vec2{-off, 0}, Vec2{0, off}, Vec2{0, -off}})
                    Glow(img, {x + d.x, y + d.y}, 0.5f, tint * fade);
            }
        }
    }
}

namespace {
thread_local bool mapCellBackdrop = false;
}  // namespace

void SetMapCellBackdrop(bool on) {
    mapCellBackdrop = on;
}

bool MapCellBackdrop() {
    return mapCellBackdrop;
}

void Nebula(Image& img, uint64_t seed, Rgb a, Rgb b, float strength, float scale) {
    if (mapCellBackdrop) return;
    // Smooth enough to work out at a quarter of the size and read back bilinearly.
    int step = img.W() >= 400 ? 4 : (img.W() >= 150 ? 2 : 1);
    int gw = img.W() / step + 2, gh = img.H() / step + 2;
    Image field(gw, gh);
    auto s = static_cast<uint32_t>(seed);
    float f = 2.2f / (std::max(img.W(), img.H()) * scale);
    for (int gy = 0; gy < gh; ++gy)
        for (int gx = 0; gx < gw; ++gx) {
            float x = gx * step * f, y = gy * step * f;
            float wx = Fbm2(x + 3.1f, y, s + 7, 4), wy = Fbm2(x, y + 5.7f, s + 9, 4);
            float n = Fbm2(x + 1.6f * wx, y + 1.6f * wy, s, 6);
            float d = Fbm2(x * 1.7f + 9, y * 1.7f, s + 3, 5);
            float density = Smooth(-0.2f, 0.45f, n);
            float tone = Clamp01(0.5f + d * 1.4f);
            Rgb c = Mix(a, b, tone) * (density * density * strength);
            // dark dust lanes bite into the glow
            float dust = Smooth(0.05f, 0.4f, Fbm2(x * 2.3f, y * 2.3f + 4, s + 11, 5));
            field.At(gx, gy) = c * (1 - 0.6f * dust);
        }
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x)
            img.At(x, y) = img.At(x, y) + field.Sample((x + 0.5f) / step, (y + 0.5f) / step);
}

void Vignette(Image& img, float strength) {
    float cx = img.W() * 0.5f, cy = img.H() * 0.5f;
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) {
            float dx = (x - cx) / cx, dy = (y - cy) / cy;
            float k = 1 - strength * Clamp01((dx * dx + dy * dy) * 0.5f);
            img.At(x, y) = img.At(x, y) * k;
        }
}

void Desaturate(Image& img, float amount, float darken) {
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) {
            Rgb c = img.At(x, y);
            float l = Luma(c);
            img.At(x, y) = Mix(c, Rgb{l, l, l * 1.04f}, amount) * (1 - darken);
        }
}

void BoxBlur(Image& img, int radius) {
    if (radius < 1) return;
    Image tmp = img;
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < img.H(); ++y)
            for (int x = 0; x < img.W(); ++x) {
                Rgb sum{};
                int n = 0;
                for (int k = -radius; k <= radius; ++k) {
                    int xx = pass == 0 ? std::clamp(x + k, 0, img.W() - 1) : x;
                    int yy = pass == 1 ? std::clamp(y + k, 0, img.H() - 1) : y;
                    sum = sum + (pass == 0 ? img.At(xx, yy) : tmp.At(xx, yy));
                    ++n;
                }
                (pass == 0 ? tmp : img).At(x, y) = sum * (1.0f / n);
            }
    }
}

namespace {

// Seven rows of five bits, the top bit the leftmost pixel.
struct Glyph {
    char c;
    std::array<uint8_t, 7> rows;
};

constexpr Glyph kFont[] = {
    {'A', {14, 17, 17, 31, 17, 17, 17}}, {'B', {30, 17, 17, 30, 17, 17, 30}},
    {'C', {14, 17, 16, 16, 16, 17, 14}}, {'D', {30, 17, 17, 17, 17, 17, 30}},
    {'E', {31, 16, 16, 30, 16, 16, 31}}, {'F', {31, 16, 16, 30, 16, 16, 16}},
    {'G', {14, 17, 16, 23, 17, 17, 15}}, {'H', {17, 17, 17, 31, 17, 17, 17}},
    {'I', {14, 4, 4, 4, 4, 4, 14}},      {'J', {7, 2, 2, 2, 2, 18, 12}},
    {'K', {17, 18, 20, 24, 20, 18, 17}}, {'L', {16, 16, 16, 16, 16, 16, 31}},
    {'M', {17, 27, 21, 21, 17, 17, 17}}, {'N', {17, 17, 25, 21, 19, 17, 17}},
    {'O', {14, 17, 17, 17, 17, 17, 14}}, {'P', {30, 17, 17, 30, 16, 16, 16}},
    {'Q', {14, 17, 17, 17, 21, 18, 13}}, {'R', {30, 17, 17, 30, 20, 18, 17}},
    {'S', {15, 16, 16, 14, 1, 1, 30}},   {'T', {31, 4, 4, 4, 4, 4, 4}},
    {'U', {17, 17, 17, 17, 17, 17, 14}}, {'V', {17, 17, 17, 17, 17, 10, 4}},
    {'W', {17, 17, 17, 21, 21, 21, 10}}, {'X', {17, 17, 10, 4, 10, 17, 17}},
    {'Y', {17, 17, 10, 4, 4, 4, 4}},     {'Z', {31, 1, 2, 4, 8, 16, 31}},
    {'0', {14, 17, 19, 21, 25, 17, 14}}, {'1', {4, 12, 4, 4, 4, 4, 14}},
    {'2', {14, 17, 1, 2, 4, 8, 31}},     {'3', {30, 1, 1, 14, 1, 1, 30}},
    {'4', {2, 6, 10, 18, 31, 2, 2}},     {'5', {31, 16, 30, 1, 1, 17, 14}},
    {'6', {6, 8, 16, 30, 17, 17, 14}},   {'7', {31, 1, 2, 4, 8, 8, 8}},
    {'8', {14, 17, 17, 14, 17, 17, 14}}, {'9', {14, 17, 17, 15, 1, 2, 12}},
    {'!', {4, 4, 4, 4, 4, 0, 4}},        {'-', {0, 0, 0, 31, 0, 0, 0}},
    {'.', {0, 0, 0, 0, 0, 0, 4}},        {':', {0, 4, 0, 0, 0, 4, 0}},
    {'+', {0, 4, 4, 31, 4, 4, 0}},       {'/', {1, 1, 2, 4, 8, 16, 16}},
};

const Glyph* Find(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (const auto& g : kFont)
        if (g.c == c) return &g;
    return nullptr;
}

}  // namespace

float TextWidth(std::string_view text, float scale) {
    return text.empty() ? 0 : (text.size() * 6 - 1) * scale;
}

void Text(Image& img, std::string_view text, Vec2 topLeft, float scale, Rgb colour, float alpha) {
    float x = topLeft.x;
    for (char c : text) {
        if (const Glyph* g = Find(c))
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g->rows[row] & (16 >> col))
                        Box(img, {x + (col + 0.5f) * scale, topLeft.y + (row + 0.5f) * scale},
                            {scale * 0.52f, scale * 0.52f}, colour, alpha, scale * 0.15f);
        x += 6 * scale;
    }
}

}  // namespace corvanth::assets
