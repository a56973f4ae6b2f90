// City pictures: skylines under the sky of their world, and the orbital habitats.
#include <algorithm>
#include <cmath>

#include "drawing.h"

namespace corvanth::assets {

namespace {

constexpr float kPi = 3.14159265f;

struct World {
    Rgb skyTop, skyLow, haze, far, near, ground, windows;
    bool stars;
    PlanetStyle moon;
    int kind;  // 0 towers, 1 domes, 2 factories, 3 platforms on the sea
};

World WorldOf(int family, int variant) {
    switch (family) {
        case 2:
            return {Hex(0x2a1a3a), Hex(0xd8783a), Hex(0xe09a5a),    Hex(0x7a4a3a), Hex(0x3a2420),
                    Hex(0x8a5a34), Hex(0xffd890), variant % 2 == 0, kMoon,         1};
        case 3:
            return {Hex(0x0a1a3a), Hex(0x7ab0d0), Hex(0xb0d8ec), Hex(0x5a7a9a), Hex(0x2a3a52),
                    Hex(0xd8e8f0), Hex(0xbfe8ff), true,          kIce,          1};
        case 4:
            return {Hex(0x0a2a2a), Hex(0x5a9a6a), Hex(0x7ab88a), Hex(0x2a5a3a), Hex(0x0f2a1c),
                    Hex(0x1a3a1a), Hex(0xfff0a0), false,         kJungle,       0};
        case 5:
            return {Hex(0x2a0a0a), Hex(0xb0503a), Hex(0xc8704a), Hex(0x6a2a22), Hex(0x2a100c),
                    Hex(0x6a2a1a), Hex(0xffc070), true,          kMars,         1};
        case 6:
            return {Hex(0x000208), Hex(0x0a0e1e), Hex(0x2a2e3a), Hex(0x3a3c44), Hex(0x1a1c22),
                    Hex(0x6a6a6e), Hex(0xfff0c0), true,          kTerra,        1};
        case 8:
            return {Hex(0x1a2208), Hex(0x9aa03a), Hex(0xb0b060), Hex(0x4a5020), Hex(0x1e200c),
                    Hex(0x2a2a14), Hex(0xffe070), false,         kToxic,        2};
        case 9:
            return {Hex(0x02020a), Hex(0x2a0a3a), Hex(0x5a1a6a), Hex(0x1a1028), Hex(0x0a0612),
                    Hex(0x08060c), Hex(0x40f0ff), true,          kDark,         0};
        case 10:
            return {Hex(0x0a1a4a), Hex(0x5a9ad0), Hex(0x8ac0e8),    Hex(0x3a5a7a), Hex(0x1a2a3a),
                    Hex(0x0c2a4a), Hex(0xffe0a0), variant % 2 == 1, kOcean,        3};
        case 11:
            return {Hex(0x050a2a), Hex(0x3a4a9a), Hex(0x6a7ac0), Hex(0x2a3060), Hex(0x10142a),
                    Hex(0x0c1020), Hex(0xffe6a0), true,          kSaturn,       0};
        default: {
            bool dusk = variant % 2 == 1;
            return {dusk ? Hex(0x0c1440) : Hex(0x1a3a7a),
                    dusk ? Hex(0xe08a4a) : Hex(0x8ab8e0),
                    dusk ? Hex(0xd89a70) : Hex(0xa8c8e8),
                    Hex(0x4a5a7a),
                    Hex(0x1a2236),
                    Hex(0x2a3a2a),
                    Hex(0xffe0a0),
                    dusk,
                    kMoon,
                    0};
        }
    }
}

// One row of buildings along a base line; `detail` adds windows and roof lights.
void Skyline(Image& img, Rng& rng, float base, float tall, Rgb colour, Rgb windows, int kind,
             bool detail) {
    float w = img.W();
    float x = -rng.Range(0, 20);
    while (x < w) {
        float bw = rng.Range(0.04f, 0.1f) * w, bh = tall * rng.Range(0.25f, 1.0f);
        if (rng.Unit() < 0.15f) bh = tall * rng.Range(1.0f, 1.5f), bw *= 0.7f;
        float cx = x + bw / 2, top = base - bh;
        Rgb c = colour * rng.Range(0.85f, 1.15f);
        if (kind == 1 && rng.Unit() < 0.55f) {
            float r = bw * rng.Range(0.7f, 1.1f);
            FillSdf(
                img, cx - r, base - r, cx + r, base,
                [=](Vec2 p) {
                    return std::max(SdCircle(p, {cx, base}, r), p.y - base);
                },
                [=](Vec2 p) { return c * (1.25f - 0.5f * Clamp01((p.x - cx + r) / (2 * r))); });
            if (detail)
                for (int i = 0; i < 5; ++i)
                    Glow(img, {cx + rng.Range(-0.6f, 0.6f) * r, base - rng.Range(0.1f, 0.5f) * r},
                         std::max(0.6f, r * 0.05f), windows * 0.8f);
            x += bw * rng.Range(1.2f, 2.0f);
            continue;
        }
        Box(img, {cx, (top + base) / 2}, {bw / 2, bh / 2}, c);
        if (kind == 0 && rng.Unit() < 0.3f)  // a spire or a stepped top
            Polygon(img, {{cx - bw * 0.3f, top}, {cx, top - bh * 0.3f}, {cx + bw * 0.3f, top}}, c);
        else if (rng.Unit() < 0.3f)
            Box(img, {cx, top - bh * 0.06f}, {bw * 0.3f, bh * 0.06f}, c);
        if (kind == 2 && rng.Unit() < 0.5f) {  // chimneys with smoke
            float chx = cx + bw * 0.25f;
            Box(img, {chx, top - bh * 0.2f}, {bw * 0.08f, bh * 0.2f}, c);
            for (int k = 0; k < 6; ++k)
                Glow(img, {chx + k * bw * 0.25f, top - bh * 0.45f - k * bw * 0.2f},
                     bw * (0.2f + 0.08f * k), Hex(0x8a8a5a) * 0.06f);
        }
        if (detail) {
            float cell = std::max(2.0f, img.W() / 120.0f);
            for (float wy = top + cell; wy < base - cell; wy += cell * 1.6f)
                for (float wx = x + cell; wx < x + bw - cell; wx += cell * 1.4f)
                    if (rng.Unit() < 0.32f)
                        Box(img, {wx, wy}, {cell * 0.3f, cell * 0.35f},
                            windows * rng.Range(0.5f, 1.1f), 0.9f);
            if (bh > tall * 0.8f) Glow(img, {cx, top - 1}, cell * 0.6f, Hex(0xff3030) * 1.2f);
        }
        x += bw * rng.Range(1.0f, 1.3f);
    }
}

void Ridge(Image& img, uint32_t seed, float base, float height, Rgb colour, float freq) {
    for (int x = 0; x < img.W(); ++x) {
        float h = base - height * (0.5f + 0.5f * Fbm2(x * freq / img.W(), 0.3f, seed, 5));
        for (int y = std::max(0, static_cast<int>(h)); y < img.H(); ++y)
            img.Blend(x, y, colour, y == static_cast<int>(h) ? 1 - (h - std::floor(h)) : 1);
    }
}

void Haze(Image& img, float from, float to, Rgb colour, float strength) {
    for (int y = 0; y < img.H(); ++y) {
        float t = Smooth(from, to, static_cast<float>(y)) *
                  (1 - Smooth(to, to + (to - from), static_cast<float>(y)));
        for (int x = 0; x < img.W(); ++x) img.Blend(x, y, colour, t * strength);
    }
}

void Habitat(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    SpaceBackdrop(img, p.seed, Hex(0x2a3a9a), Hex(0x5a2a7a), 0.45f);
    Rng rng(p.seed);
    int v = p.Arg(0);
    DrawPlanetBody(img, {img.W() * (v % 2 ? 0.85f : 0.15f), img.H() * 1.35f}, s * 0.75f,
                   v % 3 ? kEarth : kOcean, p.seed + 1);
    Vec2 c{img.W() * 0.5f, img.H() * 0.45f};
    float len = s * 0.75f, ang = rng.Range(-0.4f, 0.4f);
    Vec2 dir{std::cos(ang), std::sin(ang)}, nrm{-dir.y, dir.x};
    auto at = [&](float a, float b) {
        return Vec2{c.x + dir.x * a + nrm.x * b, c.y + dir.y * a + nrm.y * b};
    };
    float spine = s * 0.045f;
    FillSdf(
        img, c.x - len, c.y - len, c.x + len, c.y + len,
        [&](Vec2 q) { return SdSegment(q, at(-len / 2, 0), at(len / 2, 0), spine); },
        [&](Vec2 q) {
            float across = ((q.x - c.x) * nrm.x + (q.y - c.y) * nrm.y) / spine + 0.5f;
            float along = ((q.x - c.x) * dir.x + (q.y - c.y) * dir.y) / len;
            float seam = std::fabs(std::fmod(along * 24 + 50, 1.0f) - 0.5f) > 0.44f ? 0.75f : 1.0f;
            return Metal(Hex(0xa0a4ae), across) * seam;
        });
    int modules = 3 + rng.Below(3);
    for (int i = 0; i < modules; ++i) {
        float a = -len * 0.4f + len * 0.8f * i / (modules - 1);
        float r = s * rng.Range(0.07f, 0.12f);
        Vec2 m = at(a, 0);
        if (i % 2 == 0) {  // a spinning ring on spokes
            for (int k = 0; k < 4; ++k) {
                float t = k * kPi / 2 + 0.3f;
                Line(img, m, {m.x + std::cos(t) * r * 0.45f, m.y + std::sin(t) * r}, s * 0.008f,
                     Hex(0x8a8e98));
            }
            FillSdf(
                img, m.x - r * 1.2f, m.y - r * 1.2f, m.x + r * 1.2f, m.y + r * 1.2f,
                [=](Vec2 q) { return std::fabs(SdEllipse(q, m, r * 0.45f, r)) - r * 0.13f; },
                [=](Vec2 q) {
                    float t = Clamp01((SdEllipse(q, m, r * 0.45f, r) + r * 0.13f) / (r * 0.26f));
                    return Metal(Hex(0xb0b4bc), t, (q.x - m.x + r) / (2 * r));
                });
            for (int k = 0; k < 10; ++k) {
                float t = k * kPi / 5;
                Glow(img, {m.x + std::cos(t) * r * 0.45f, m.y + std::sin(t) * r},
                     std::max(0.6f, s * 0.004f), Hex(0xffd890));
            }
        } else {  // a pressurised module with solar wings
            Line(img, at(a, -r * 2.0f), at(a, r * 2.0f), s * 0.01f, Hex(0x7a7e88));
            Vec2 w1 = at(a, -r * 2.3f), w2 = at(a, r * 2.3f);
            DrawSolarPanel(img, w1, r * 1.1f, r * 1.5f);
            DrawSolarPanel(img, w2, r * 1.1f, r * 1.5f);
            FillSdf(
                img, m.x - r, m.y - r, m.x + r, m.y + r,
                [&](Vec2 q) {
                    return SdSegment(q, at(a - r * 0.5f, 0), at(a + r * 0.5f, 0), r * 0.9f);
                },
                [&](Vec2 q) {
                    float across = ((q.x - m.x) * nrm.x + (q.y - m.y) * nrm.y) / (r * 0.9f) + 0.5f;
                    return Metal(Hex(0xd0d4da), across);
                });
            for (int k = -1; k <= 1; ++k)
                Glow(img, at(a + k * r * 0.3f, -r * 0.1f), std::max(0.6f, s * 0.004f),
                     Hex(0xffe6b0));
        }
    }
    for (int i = 0; i < 30; ++i)
        Glow(img, at(rng.Range(-0.5f, 0.5f) * len, rng.Range(-0.03f, 0.03f) * s),
             std::max(0.5f, s * 0.004f), Hex(0xffe0b0));
    for (int i = 0; i < 4; ++i) {  // traffic
        Vec2 q{rng.Range(0.1f, 0.9f) * img.W(), rng.Range(0.15f, 0.85f) * img.H()};
        Line(img, q, {q.x + s * 0.05f, q.y + s * 0.01f}, std::max(0.6f, s * 0.004f), Hex(0x9ad0ff),
             0.5f);
        Glow(img, q, std::max(0.6f, s * 0.006f), Hex(0xd0f0ff));
    }
}

}  // namespace

void PaintCity(Image& img, const Params& p) {
    int family = p.style, variant = p.Arg(0);
    if (family == 7) return Habitat(img, p);
    World w = WorldOf(family, variant);
    float W = img.W(), H = img.H();
    float horizon = H * 0.68f;
    Rng rng(p.seed);
    for (int y = 0; y < img.H(); ++y) {
        float t = std::pow(Clamp01(y / horizon), 1.6f);
        for (int x = 0; x < img.W(); ++x) img.At(x, y) = Mix(w.skyTop, w.skyLow, t);
    }
    if (w.stars) {
        Image sky(img.W(), img.H());
        Starfield(sky, p.seed, 20, 0.9f);
        for (int y = 0; y < img.H(); ++y) {
            float k = 1 - Smooth(0.0f, horizon * 0.8f, static_cast<float>(y));
            for (int x = 0; x < img.W(); ++x) img.At(x, y) = img.At(x, y) + sky.At(x, y) * k;
        }
    }
    Nebula(img, p.seed + 3, w.haze * 0.5f, w.skyLow * 0.5f, 0.35f, 0.7f);
    float mx = W * rng.Range(0.15f, 0.85f), my = H * rng.Range(0.12f, 0.3f);
    float mr = H * (family == 6 ? 0.2f : rng.Range(0.05f, 0.1f));
    DrawPlanetBody(img, {mx, my}, mr, w.moon, p.seed + 5);
    Ridge(img, static_cast<uint32_t>(p.seed) + 7, horizon + H * 0.02f, H * 0.16f,
          Mix(w.far, w.skyLow, 0.45f), 3);
    if (w.kind == 3) {  // the sea up to the horizon, platforms on it
        for (int y = static_cast<int>(horizon); y < img.H(); ++y) {
            float t = (y - horizon) / (H - horizon);
            for (int x = 0; x < img.W(); ++x) {
                float wave =
                    0.9f + 0.2f * Fbm2(x * 0.05f, y * 0.3f, static_cast<uint32_t>(p.seed), 3);
                img.At(x, y) = Mix(w.skyLow * 0.8f, w.ground, Smooth(0, 0.6f, t)) * wave;
            }
        }
        for (int i = 0; i < 4; ++i) {
            float px = W * (0.12f + 0.25f * i + rng.Range(-0.05f, 0.05f)),
                  py = horizon + H * rng.Range(0.05f, 0.2f);
            float pw = W * rng.Range(0.08f, 0.14f);
            for (int leg = -1; leg <= 1; leg += 2)
                Line(img, {px + leg * pw * 0.35f, py}, {px + leg * pw * 0.35f, py + H * 0.08f},
                     std::max(1.0f, W * 0.006f), w.near);
            Box(img, {px, py - H * 0.02f}, {pw / 2, H * 0.025f}, w.near * 1.4f);
            Rng local(p.seed + i);
            Skyline(img, local, py - H * 0.04f, H * 0.12f, w.near * 1.2f, w.windows, 0, true);
        }
        return;
    }
    Haze(img, horizon - H * 0.3f, horizon, w.haze, 0.25f);
    Skyline(img, rng, horizon + H * 0.05f, H * 0.3f, Mix(w.far, w.haze, 0.3f), w.windows * 0.5f,
            w.kind, false);
    Haze(img, horizon - H * 0.2f, horizon + H * 0.05f, w.haze, 0.3f);
    Skyline(img, rng, horizon + H * 0.16f, H * (family == 11 ? 0.55f : 0.38f), w.near, w.windows,
            w.kind, true);
    for (int y = static_cast<int>(horizon + H * 0.16f); y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x)
            img.At(x, y) =
                Mix(w.near, w.ground, 0.5f) * (0.8f + 0.2f * Fbm2(x * 0.03f, y * 0.08f, 5, 3));
    for (int i = 0; i < (family == 11 ? 12 : 4); ++i) {  // air traffic
        Vec2 q{rng.Range(0, W), rng.Range(0.15f, 0.55f) * H};
        Line(img, q, {q.x + W * 0.03f, q.y}, std::max(0.6f, W * 0.002f), w.windows, 0.4f);
        Glow(img, q, std::max(0.7f, W * 0.003f), w.windows * 1.2f);
    }
    Vignette(img, 0.3f);
}

}  // namespace corvanth::assets
