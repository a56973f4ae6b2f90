// Float RGB pictures, noise and the anti-aliased drawing primitives every painter builds on.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace corvanth::assets {

struct Rgb {
    float r = 0, g = 0, b = 0;
};
inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator-(Rgb a, Rgb b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Rgb operator*(Rgb a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Rgb operator*(Rgb a, Rgb b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Rgb Mix(Rgb a, Rgb b, float t) {
    return a + (b - a) * t;
}
// 0xRRGGBB as a colour.
Rgb Hex(uint32_t rgb);
float Luma(Rgb c);

struct Vec2 {
    float x = 0, y = 0;
};
struct Vec3 {
    float x = 0, y = 0, z = 0;
};
inline Vec3 Normalize(Vec3 v) {
    float l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return l > 0 ? Vec3{v.x / l, v.y / l, v.z / l} : v;
}
inline float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

float Clamp01(float v);
float Smooth(float edge0, float edge1, float v);

// A small deterministic generator: every picture and sound seeds its own.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint64_t Next();
    float Unit();                     // 0 <= x < 1
    float Range(float lo, float hi);  // lo <= x < hi
    int Below(int n);                 // 0..n-1

  private:
    uint64_t state_;
};

uint64_t HashText(std::string_view text);

// Gradient noise in -1..1, fractal sums of it, and a ridged variant in 0..1.
float Noise3(Vec3 p, uint32_t seed);
float Fbm3(Vec3 p, uint32_t seed, int octaves, float gain = 0.5f);
float Ridged3(Vec3 p, uint32_t seed, int octaves);
inline float Fbm2(float x, float y, uint32_t seed, int octaves, float gain = 0.5f) {
    return Fbm3({x, y, 0.37f}, seed, octaves, gain);
}

class Image {
  public:
    Image(int w, int h, Rgb fill = {});
    int W() const { return w_; }
    int H() const { return h_; }
    Rgb& At(int x, int y) { return px_[static_cast<size_t>(y) * w_ + x]; }
    Rgb At(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }
    // Bilinear read with clamped edges.
    Rgb Sample(float x, float y) const;
    void Blend(int x, int y, Rgb c, float a);
    void Add(int x, int y, Rgb c);
    // 8-bit RGB rows with a soft shoulder, so glows saturate gently instead of clipping; a
    // picture that must match a screen's flat colour keeps its tones exact.
    std::vector<uint8_t> ToBytes() const;
    bool exactTones = false;

  private:
    int w_, h_;
    std::vector<Rgb> px_;
};

// Signed distances (negative inside) for shapes.
float SdCircle(Vec2 p, Vec2 c, float r);
float SdEllipse(Vec2 p, Vec2 c, float rx, float ry);
float SdBox(Vec2 p, Vec2 c, Vec2 half, float round = 0);
float SdSegment(Vec2 p, Vec2 a, Vec2 b, float width);
float SdPolygon(Vec2 p, const std::vector<Vec2>& pts);

using Sdf = std::function<float(Vec2)>;
using Shader = std::function<Rgb(Vec2)>;

// Fills where sdf < 0 with an edge one pixel wide, over the given box only.
void FillSdf(Image& img, float x0, float y0, float x1, float y1, const Sdf& sdf,
             const Shader& colour, float alpha = 1);
void FillSdf(Image& img, float x0, float y0, float x1, float y1, const Sdf& sdf, Rgb colour,
             float alpha = 1);
void Disc(Image& img, Vec2 c, float r, Rgb colour, float alpha = 1);
void Ellipse(Image& img, Vec2 c, float rx, float ry, Rgb colour, float alpha = 1);
void Ring(Image& img, Vec2 c, float r, float width, Rgb colour, float alpha = 1);
void Line(Image& img, Vec2 a, Vec2 b, float width, Rgb colour, float alpha = 1);
void Box(Image& img, Vec2 c, Vec2 half, Rgb colour, float alpha = 1, float round = 0);
void Polygon(Image& img, const std::vector<Vec2>& pts, Rgb colour, float alpha = 1);
void Polygon(Image& img, const std::vector<Vec2>& pts, const Shader& colour, float alpha = 1);
// Additive light falling off as exp(-(d/r)^2).
void Glow(Image& img, Vec2 c, float r, Rgb colour);

void VerticalGradient(Image& img, Rgb top, Rgb bottom);
void RadialGradient(Image& img, Vec2 c, float r, Rgb inner, Rgb outer);
// Scattered stars of natural brightness spread; density is stars per 10,000 pixels.
void Starfield(Image& img, uint64_t seed, float density, float brightness = 1);
// Domain-warped clouds of two colours, laid on additively.
void Nebula(Image& img, uint64_t seed, Rgb a, Rgb b, float strength, float scale = 1);
void Vignette(Image& img, float strength);
// While set on this thread, space backdrops and nebulae leave the picture black: pictures shown
// on the system map's black cells, so a planet sits in space and not in a box of its own.
void SetMapCellBackdrop(bool on);
bool MapCellBackdrop();
void Desaturate(Image& img, float amount, float darken);
void BoxBlur(Image& img, int radius);
// Block capitals, digits and a few signs, cell 6 by 8 units of `scale` pixels.
void Text(Image& img, std::string_view text, Vec2 topLeft, float scale, Rgb colour,
          float alpha = 1);
float TextWidth(std::string_view text, float scale);

}  // namespace corvanth::assets
