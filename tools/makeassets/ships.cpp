// Ship classes as hull silhouettes seen from above, one design per class number.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "drawing.h"

namespace corvanth::assets {

namespace {

constexpr float kPi = 3.14159265f;

// Size class 1..5 and the faction whose colours trim the hull (-1: sold by all) per type.
struct ClassLook {
    int size;
    int faction;
};
constexpr ClassLook kClasses[28] = {{1, -1}, {1, -1}, {1, 1},  {1, 0}, {2, 1}, {2, -1}, {2, 2},
                                    {3, -1}, {3, 0},  {4, -1}, {4, 0}, {5, 3}, {5, -1}, {2, 0},
                                    {5, 1},  {5, 1},  {3, 2},  {2, 1}, {4, 2}, {4, 1},  {1, 2},
                                    {2, 2},  {5, 2},  {5, 1},  {4, 2}, {1, 1}, {3, 3},  {5, -1}};

struct Frame {
    Vec2 c;
    float scale, cs, sn;
    Vec2 ToImage(Vec2 l) const {
        return {c.x + (l.x * cs - l.y * sn) * scale, c.y + (l.x * sn + l.y * cs) * scale};
    }
    Vec2 ToLocal(Vec2 p) const {
        float x = (p.x - c.x) / scale, y = (p.y - c.y) / scale;
        return {x * cs + y * sn, -x * sn + y * cs};
    }
};

struct Design {
    int size = 1;
    std::array<float, 6> profile{};  // half widths at u = 0, 0.2 .. 1 (tail to nose)
    bool wings = false, forwardSwept = false, nacelles = false, sponsons = false;
    float wingRoot = 0.4f, wingChord = 0.3f, wingSpan = 0.3f, wingSweep = 0.1f, wingTip = 0.08f;
    float nacY = 0.15f, nacLen = 0.4f, nacW = 0.04f;
    int engines = 1, towers = 0, turrets = 0;
    Rgb hull, accent, glow;
    float stripe = 0.6f;
};

float HalfWidth(const Design& d, float u) {
    u = Clamp01(u);
    float f = u * 5;
    int i = std::min(4, static_cast<int>(f));
    return d.profile[i] + (d.profile[i + 1] - d.profile[i]) * (f - i);
}

Design MakeDesign(int type, uint64_t seed) {
    Rng rng(seed);
    Design d;
    ClassLook look = kClasses[std::clamp(type, 0, 27)];
    d.size = look.size;
    float bulk = 0.05f + 0.022f * d.size * rng.Range(0.8f, 1.25f);
    switch (rng.Below(4)) {
        case 0:
            d.profile = {0.8f, 1.0f, 0.9f, 0.7f, 0.45f, 0.05f};
            break;  // needle
        case 1:
            d.profile = {1.0f, 0.95f, 0.78f, 0.58f, 0.36f, 0.08f};
            break;  // wedge
        case 2:
            d.profile = {0.8f, 0.95f, 1.0f, 1.0f, 0.8f, 0.3f};
            break;  // barrel
        default:
            d.profile = {0.7f, 0.75f, 0.6f, 0.8f, 1.0f, 0.4f};
            break;  // hammerhead
    }
    for (float& w : d.profile) w *= bulk * rng.Range(0.85f, 1.15f);
    d.wings = d.size <= 3 || rng.Unit() < 0.3f;
    d.forwardSwept = rng.Unit() < 0.2f;
    d.wingRoot = rng.Range(0.28f, 0.5f);
    d.wingChord = rng.Range(0.22f, 0.4f) * (d.size <= 2 ? 1.0f : 0.7f);
    d.wingSpan = rng.Range(0.22f, 0.42f) * (d.size <= 2 ? 1.0f : 0.6f);
    d.wingSweep = rng.Range(0.0f, 0.22f);
    d.wingTip = rng.Range(0.04f, 0.12f);
    d.nacelles = d.size >= 2 && rng.Unit() < 0.55f;
    d.nacY = bulk * rng.Range(1.6f, 2.6f);
    d.nacLen = rng.Range(0.3f, 0.5f);
    d.nacW = bulk * rng.Range(0.35f, 0.55f);
    d.sponsons = d.size >= 4 && !d.wings;
    d.engines = std::min(4, 1 + rng.Below(2) + d.size / 2);
    d.towers = d.size >= 3 ? 1 + rng.Below(d.size - 1) : 0;
    d.turrets = d.size >= 3 ? 2 + rng.Below(d.size * 2) : 0;
    const Rgb hulls[] = {Hex(0xb8bcc4), Hex(0x6a707a), Hex(0xb8aa8c), Hex(0xd6d9de), Hex(0x5a6a82)};
    d.hull = hulls[rng.Below(5)];
    const Rgb neutral[] = {Hex(0xd0601a), Hex(0x2a9aa0), Hex(0x8a2a2a)};
    d.accent = look.faction >= 0 ? FactionPalette(look.faction).main : neutral[rng.Below(3)];
    d.glow = rng.Unit() < 0.7f ? Hex(0x6aa8ff) : Hex(0xffa050);
    d.stripe = rng.Range(0.45f, 0.75f);
    return d;
}

// Hull shading: a lit cylinder along the length (diffuse, a hard highlight along the spine and a
// cool rim light on the shadowed flank), plated in panels of slightly different tones, with seams
// and grime.
Rgb HullShade(const Design& d, Vec2 l, uint32_t s, float damage) {
    float u = l.x + 0.5f;
    float w = std::max(HalfWidth(d, u), 1e-3f);
    float v = std::clamp(l.y / w, -1.0f, 1.0f);
    const Vec3 n{0, v, std::sqrt(1 - v * v)};
    const Vec3 light = Normalize({0.25f, -0.55f, 0.8f});
    const Vec3 half = Normalize({light.x, light.y, light.z + 1});
    float diffuse = Clamp01(Dot(n, light));
    float spec = std::pow(Clamp01(Dot(n, half)), 28.0f);
    float rim = std::pow(1 - n.z, 3.0f) * Clamp01(v);
    Rgb base = d.hull;
    if (std::fabs(u - d.stripe) < 0.025f || std::fabs(u - d.stripe - 0.05f) < 0.01f)
        base = d.accent;
    // Panels: rings along the length, split along the flanks, each its own shade.
    const float rings = 5.0f + d.size * 1.5f;
    const int ring = static_cast<int>(std::floor(u * rings)), strip = v < -0.5f  ? 0
                                                                      : v < 0.5f ? 1
                                                                                 : 2;
    const float tone =
        0.93f + 0.14f * (HashText(std::to_string(ring * 7 + strip + s % 97)) % 100) / 100.0f;
    float seam = std::fabs(std::fmod(u * rings + 10, 1.0f) - 0.5f) > 0.47f ? 0.72f : 1.0f;
    if (std::fabs(std::fabs(v) - 0.5f) < 0.03f) seam *= 0.8f;
    float grime = 0.92f + 0.16f * Fbm2(l.x * 12, l.y * 12, s, 4);
    Rgb c = base * ((0.18f + 0.85f * diffuse) * seam * grime * tone) +
            Rgb{1, 1, 1} * (spec * 0.45f) + Hex(0x6a9aff) * (rim * 0.55f);
    return damage > 0 ? Mix(c, Hex(0x203a30) * (0.2f + diffuse), Clamp01(damage * 1.05f)) : c;
}

void DrawDesign(Image& img, const Design& d, const Frame& f, uint64_t seed, float damage) {
    auto s = static_cast<uint32_t>(seed);
    auto poly = [&](const std::vector<Vec2>& local) {
        std::vector<Vec2> out;
        for (auto v : local) out.push_back(f.ToImage(v));
        return out;
    };
    float px = f.scale;  // pixels per length unit
    // Engine glow first, so the hull's tail sits on it.
    if (damage < 0.5f)
        for (int i = 0; i < d.engines; ++i) {
            float y = d.engines == 1 ? 0 : (i / (d.engines - 1.0f) - 0.5f) * HalfWidth(d, 0) * 1.3f;
            // A plume fading behind the ship, then the hot core in the nozzle.
            for (int k = 0; k < 9; ++k)
                Glow(img, f.ToImage({-0.5f - 0.035f * k, y}), px * (0.016f + 0.006f * k),
                     d.glow * (0.8f - 0.085f * k));
            Glow(img, f.ToImage({-0.5f, y}), px * 0.012f, Hex(0xffffff) * 1.4f);
        }
    Rgb wingC = d.hull * 0.8f;
    for (int side : {-1, 1}) {
        if (d.wings) {
            float root = d.wingRoot - 0.5f, chord = d.wingChord,
                  sweep = d.forwardSwept ? -d.wingSweep : d.wingSweep;
            float rootW = HalfWidth(d, d.wingRoot) * 0.8f;
            std::vector<Vec2> wing = {{root + chord * 0.5f, side * rootW},
                                      {root + chord * 0.5f - sweep - chord * 0.5f + d.wingTip,
                                       side * (rootW + d.wingSpan)},
                                      {root - sweep - chord * 0.5f, side * (rootW + d.wingSpan)},
                                      {root - chord * 0.5f, side * rootW}};
            Polygon(img, poly(wing), [&](Vec2 p) {
                Vec2 l = f.ToLocal(p);
                float t = Clamp01((std::fabs(l.y) - rootW) / d.wingSpan);
                float panel = std::fabs(std::fmod(t * 5 + 10, 1.0f) - 0.5f) > 0.46f ? 0.75f : 1.0f;
                // The wing's thickness falls toward its trailing edge: lit along the front.
                float along = Clamp01((l.x - (root - chord * 0.5f - sweep * t)) / chord);
                float lit = (side < 0 ? 1.0f : 0.62f) * (0.7f + 0.45f * along) * (1 - 0.25f * t);
                Rgb c = wingC * (lit * panel);
                if (t > 0.82f) c = d.accent * (side < 0 ? 0.9f : 0.6f) * (0.8f + 0.3f * along);
                if (along > 0.9f) c = c + Rgb{1, 1, 1} * (0.25f * (side < 0 ? 1.0f : 0.4f));
                return damage > 0 ? Mix(c, Hex(0x1a2a24), Clamp01(damage * 1.05f)) : c;
            });
            if (damage < 0.5f)
                Glow(img, f.ToImage({root - sweep - chord * 0.2f, side * (rootW + d.wingSpan)}),
                     std::max(0.8f, px * 0.008f),
                     (side < 0 ? Hex(0xff3030) : Hex(0x30ff60)) * 1.5f);
        }
        if (d.sponsons) {
            float w = HalfWidth(d, 0.35f);
            std::vector<Vec2> block = {{-0.38f, side * w * 0.6f},
                                       {-0.34f, side * w * 1.55f},
                                       {0.02f, side * w * 1.45f},
                                       {0.14f, side * w * 0.6f}};
            Polygon(img, poly(block), [&](Vec2 q) {
                Vec2 l = f.ToLocal(q);
                float t = Clamp01((std::fabs(l.y) - w * 0.6f) / w);
                float seam =
                    std::fabs(std::fmod((l.x + 1) * 18, 1.0f) - 0.5f) > 0.45f ? 0.8f : 1.0f;
                return d.hull * ((side < 0 ? 0.95f : 0.55f) * (1 - 0.3f * t) * seam);
            });
        }
        if (d.nacelles) {
            float y = side * d.nacY, x = -0.5f + d.nacLen * 0.5f;
            Line(img, f.ToImage({x, side * HalfWidth(d, 0.2f) * 0.5f}), f.ToImage({x, y}),
                 px * d.nacW * 0.8f, d.hull * 0.55f);
            std::vector<Vec2> pod;
            for (int k = 0; k <= 12; ++k) {
                float t = k / 12.0f;
                pod.push_back({-0.5f + t * d.nacLen,
                               y - d.nacW * std::sqrt(std::sin(t * kPi) * 0.9f + 0.1f)});
            }
            for (int k = 12; k >= 0; --k) {
                float t = k / 12.0f;
                pod.push_back({-0.5f + t * d.nacLen,
                               y + d.nacW * std::sqrt(std::sin(t * kPi) * 0.9f + 0.1f)});
            }
            Polygon(img, poly(pod), [&](Vec2 p) {
                Vec2 l = f.ToLocal(p);
                float v = std::clamp((l.y - y) / d.nacW, -1.0f, 1.0f);
                float lit = Clamp01(-0.45f * v + 0.55f * std::sqrt(1 - v * v) + 0.1f);
                Rgb c = (std::fabs(l.x + 0.5f - d.nacLen * 0.75f) < 0.02f ? d.accent : d.hull) *
                        (0.3f + 0.8f * lit);
                return damage > 0 ? Mix(c, Hex(0x1a2a24), Clamp01(damage * 1.05f)) : c;
            });
            if (damage < 0.5f) Glow(img, f.ToImage({-0.5f, y}), px * d.nacW * 0.9f, d.glow);
        }
    }
    // The hull.
    std::vector<Vec2> hull;
    const int n = 30;
    for (int k = 0; k <= n; ++k) hull.push_back({k / float(n) - 0.5f, -HalfWidth(d, k / float(n))});
    for (int k = n; k >= 0; --k) hull.push_back({k / float(n) - 0.5f, HalfWidth(d, k / float(n))});
    hull.insert(hull.begin() + n + 1, {0.5f + HalfWidth(d, 1) * 0.6f, 0});
    Polygon(img, poly(hull), [&](Vec2 p) { return HullShade(d, f.ToLocal(p), s, damage); });
    // Engine bells at the tail: dark rims around a glowing throat.
    for (int i = 0; i < d.engines; ++i) {
        float y = d.engines == 1 ? 0 : (i / (d.engines - 1.0f) - 0.5f) * HalfWidth(d, 0) * 1.3f;
        float r = px * std::min(HalfWidth(d, 0) * 0.45f, 0.05f);
        Vec2 c = f.ToImage({-0.5f + 0.01f, y});
        Ellipse(img, c, std::max(0.6f, r * 0.45f), std::max(0.8f, r), d.hull * 0.25f);
        if (damage < 0.5f) {
            Ellipse(img, c, std::max(0.4f, r * 0.28f), std::max(0.5f, r * 0.7f), d.glow * 1.3f);
            Glow(img, c, std::max(0.6f, r * 0.8f), d.glow * 0.8f);
        }
    }
    // Plating, superstructure, turrets, windows.
    Rng rng(seed + 99);
    if (d.size >= 2)
        for (int i = 0; i < 8 * d.size; ++i) {
            float x = rng.Range(-0.42f, 0.3f), hw = HalfWidth(d, x + 0.5f);
            float y = rng.Range(-0.75f, 0.75f) * hw;
            Vec2 half{px * rng.Range(0.01f, 0.035f), px * hw * rng.Range(0.08f, 0.2f)};
            float k = rng.Unit() < 0.5f ? 0.8f : 1.12f;
            Box(img, f.ToImage({x, y}), half, HullShade(d, {x, y}, s, damage) * k, 0.7f);
        }
    for (int i = 0; i < d.towers; ++i) {
        float x = -0.32f + 0.16f * i + rng.Range(-0.03f, 0.03f);
        float hw = HalfWidth(d, x + 0.5f) * rng.Range(0.35f, 0.55f), hl = rng.Range(0.04f, 0.08f);
        std::vector<Vec2> box = {
            {x - hl, -hw}, {x + hl, -hw * 0.8f}, {x + hl, hw * 0.8f}, {x - hl, hw}};
        Polygon(img, poly(box), [&](Vec2 p) {
            Vec2 l = f.ToLocal(p);
            return Metal(d.hull * (damage > 0 ? 0.35f : 0.8f), Clamp01((l.y + hw) / (2 * hw)));
        });
        if (damage < 0.5f)
            for (int k = 0; k < 3; ++k)
                Glow(img, f.ToImage({x + hl * 0.7f, (k - 1) * hw * 0.4f}),
                     std::max(0.5f, px * 0.004f), Hex(0x9ad8ff) * 1.2f);
    }
    for (int i = 0; i < d.turrets; ++i) {
        float x = rng.Range(-0.25f, 0.3f);
        float y = (rng.Unit() < 0.5f ? -1 : 1) * HalfWidth(d, x + 0.5f) * rng.Range(0.2f, 0.6f);
        if (i % 3 == 0) y = 0;
        Vec2 c = f.ToImage({x, y});
        float r = px * std::max(0.012f, HalfWidth(d, 0.5f) * 0.22f);
        Line(img, c, f.ToImage({x + r / px * 2.6f, y}), r * 0.45f, d.hull * 0.5f);
        FillSdf(
            img, c.x - r, c.y - r, c.x + r, c.y + r, [&](Vec2 q) { return SdCircle(q, c, r); },
            [&](Vec2 q) {
                return Metal(d.hull * 0.75f, (q.y - c.y + r) / (2 * r), (q.x - c.x + r) / (2 * r));
            });
    }
    if (d.size >= 3 && damage < 0.5f)
        for (int i = 0; i < 10 * d.size; ++i) {
            float x = rng.Range(-0.4f, 0.35f), hw = HalfWidth(d, x + 0.5f);
            Glow(img, f.ToImage({x, rng.Range(-0.8f, 0.8f) * hw}), std::max(0.45f, px * 0.0025f),
                 Hex(0xffe0a0) * 0.9f);
        }
    // Cockpit or bridge glass near the nose.
    float cx = d.size <= 2 ? 0.22f : 0.34f;
    std::vector<Vec2> glass;
    for (int k = 0; k < 16; ++k) {
        float a = k * 2 * kPi / 16;
        glass.push_back({cx + std::cos(a) * 0.07f, std::sin(a) * HalfWidth(d, cx + 0.5f) * 0.45f});
    }
    Polygon(img, poly(glass), [&](Vec2 p) {
        Vec2 l = f.ToLocal(p);
        float t = Clamp01((l.y / (HalfWidth(d, cx + 0.5f) * 0.45f) + 1) / 2);
        Rgb c = Mix(Hex(0x9ae0ff), Hex(0x0a2a4a), t);
        return damage > 0 ? c * 0.2f : c;
    });
    if (damage > 0) {  // breaches in the hull
        for (int i = 0; i < 7; ++i) {
            Vec2 c =
                f.ToImage({rng.Range(-0.4f, 0.35f), rng.Range(-0.6f, 0.6f) * HalfWidth(d, 0.4f)});
            float r = px * rng.Range(0.015f, 0.04f);
            FillSdf(
                img, c.x - r * 1.5f, c.y - r * 1.5f, c.x + r * 1.5f, c.y + r * 1.5f,
                [&](Vec2 p) {
                    return SdCircle(p, c, r * (1 + 0.4f * Noise3({p.x * 0.3f, p.y * 0.3f, 1}, s)));
                },
                Hex(0x020404), 0.9f);
        }
        for (int i = 0; i < 4; ++i)
            Glow(img,
                 f.ToImage({rng.Range(-0.4f, 0.3f), rng.Range(-0.5f, 0.5f) * HalfWidth(d, 0.4f)}),
                 px * 0.012f, Hex(0x60ffa0));
    }
}

float DesignReach(const Design& d) {
    float w = 0;
    for (float p : d.profile) w = std::max(w, p);
    if (d.wings) w = std::max(w, HalfWidth(d, d.wingRoot) * 0.8f + d.wingSpan);
    if (d.nacelles) w = std::max(w, d.nacY + d.nacW);
    return w;
}

void OrbitalTurrets(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    DrawPlanetBody(img, {img.W() * 0.5f, img.H() * 1.9f}, img.W() * 1.1f, kDesert, p.seed + 4);
    Vec2 c{img.W() * 0.5f, img.H() * 0.45f};
    Palette metal = FactionPalette(5);
    for (int i = 0; i < 4; ++i) {
        float a = i * kPi / 2 + kPi / 4;
        Vec2 end{c.x + std::cos(a) * s * 0.34f, c.y + std::sin(a) * s * 0.24f};
        Line(img, c, end, s * 0.06f, Metal(metal.metal, 0.5f) * 0.7f);
        Line(img, end, {end.x + s * 0.12f, end.y - s * 0.01f}, s * 0.018f, Hex(0x4a4e56));
        Line(img, end, {end.x + s * 0.12f, end.y + s * 0.03f}, s * 0.018f, Hex(0x4a4e56));
        Disc(img, end, s * 0.055f, Metal(metal.metal, 0.4f));
        Glow(img, {end.x + s * 0.125f, end.y}, s * 0.012f, Hex(0xff6030));
    }
    std::vector<Vec2> hex;
    for (int i = 0; i < 8; ++i)
        hex.push_back(
            {c.x + std::cos(i * kPi / 4) * s * 0.15f, c.y + std::sin(i * kPi / 4) * s * 0.15f});
    Polygon(img, hex, [&](Vec2 q) {
        return Metal(Hex(0xa8acb4), (q.y - c.y + s * 0.15f) / (s * 0.3f),
                     (q.x - c.x + s * 0.15f) / (s * 0.3f));
    });
    Ring(img, c, s * 0.08f, s * 0.015f, Hex(0xff8040), 0.8f);
    Glow(img, c, s * 0.04f, Hex(0xffa060));
}

}  // namespace

void DrawHull(Image& img, int type, Vec2 c, float length, uint64_t seed, float damage,
              const Rgb* paint) {
    Design d = MakeDesign(type, seed);
    if (paint) d.hull = *paint;
    Frame f{c, length, std::cos(-0.12f), std::sin(-0.12f)};
    DrawDesign(img, d, f, seed, damage);
}

void PaintShip(Image& img, const Params& p) {
    int type = p.Arg(0);
    Rng rng(p.seed + 1);
    const Rgb hues[] = {Hex(0x3a3ab0), Hex(0x2a7aa0), Hex(0x7a2a8a), Hex(0x2a5a9a), Hex(0x8a3a3a)};
    SpaceBackdrop(img, p.seed + 2, hues[rng.Below(5)], hues[rng.Below(5)], 0.45f);
    if (type == 27) return OrbitalTurrets(img, p);
    Design d = MakeDesign(type, p.seed);
    // Fit the whole silhouette, tilted a little, into the frame.
    float reach = DesignReach(d);
    float byWidth = img.W() * 0.86f / 1.1f, byHeight = img.H() * 0.86f / (2 * reach + 0.25f);
    float length = std::min(byWidth, byHeight) * (0.86f + 0.03f * d.size);
    Frame f{{img.W() * 0.52f, img.H() * 0.5f}, length, std::cos(-0.15f), std::sin(-0.15f)};
    DrawDesign(img, d, f, p.seed, 0);
}

}  // namespace corvanth::assets
