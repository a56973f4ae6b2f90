// Space itself: backdrops, lit planets of every type, suns and rocks.
#include <algorithm>
#include <cmath>

#include "drawing.h"

namespace corvanth::assets {

namespace {

constexpr float kPi = 3.14159265f;

struct Surface {
    Rgb albedo;
    float spec = 0;  // water shine
    Rgb night{};     // lights on the dark side
};

// Random traits of one planet, drawn once from its seed.
struct Traits {
    uint32_t s;
    float sea, ice, clouds, spin, tilt;
    Rgb land, land2, water, atmo;
    float atmoStrength;
    Rgb tint;     // every world of a type a little different
    float bands;  // band count of deserts and gas worlds
    bool lava;
    std::vector<std::pair<Vec3, float>> craters;
};

Vec3 Rotate(Vec3 n, float spin, float tilt) {
    float ct = std::cos(tilt), st = std::sin(tilt);
    Vec3 a{n.x * ct - n.y * st, n.x * st + n.y * ct, n.z};
    float cs = std::cos(spin), ss = std::sin(spin);
    return {a.x * cs + a.z * ss, a.y, -a.x * ss + a.z * cs};
}

Vec3 Scale(Vec3 p, float k) {
    return {p.x * k, p.y * k, p.z * k};
}

Traits MakeTraits(PlanetStyle style, uint64_t seed) {
    Rng rng(seed);
    Traits t{};
    t.s = static_cast<uint32_t>(seed >> 7);
    t.sea = rng.Range(-0.06f, 0.1f);
    t.ice = rng.Range(0.72f, 0.9f);
    t.clouds = rng.Range(0.3f, 0.7f);
    t.spin = rng.Range(0, 2 * kPi);
    t.tilt = rng.Range(-0.45f, 0.45f);
    const Rgb lands[] = {Hex(0x3f6b2e), Hex(0x6b6a34), Hex(0x2f6a55), Hex(0x7a5f38), Hex(0x4d7a3a)};
    t.land = lands[rng.Below(5)];
    t.land2 = Mix(Hex(0x8a7350), t.land, rng.Range(0.2f, 0.6f));
    t.water = Mix(Hex(0x0d2c66), Hex(0x0f4a70), rng.Unit());
    t.atmo = Hex(0x5d9cff);
    t.atmoStrength = 0.9f;
    t.tint = {rng.Range(0.8f, 1.2f), rng.Range(0.8f, 1.2f), rng.Range(0.8f, 1.2f)};
    t.bands = rng.Range(0.7f, 1.4f);
    t.lava = rng.Unit() < 0.5f;
    switch (style) {
        case kTerra:
            t.sea = 0.04f, t.land = Hex(0x3d6a2c), t.water = Hex(0x0c2f6e), t.clouds = 0.6f;
            break;
        case kRed:
        case kMars:
            t.atmo = Hex(0xff9a70), t.atmoStrength = 0.45f;
            break;
        case kDark:
            t.atmo = Hex(0x8a6cff), t.atmoStrength = 0.35f;
            break;
        case kDesert:
            t.atmo = Hex(0xffc98a), t.atmoStrength = 0.55f;
            break;
        case kJungle:
            t.atmo = Hex(0x8fe0a0), t.atmoStrength = 0.8f, t.clouds += 0.15f;
            break;
        case kOcean:
            t.sea = 0.22f, t.clouds += 0.1f;
            break;
        case kMoon:
            t.atmoStrength = 0;
            break;
        case kToxic:
            t.atmo = Hex(0xc8e060), t.atmoStrength = 1.0f;
            break;
        case kIce:
            t.atmo = Hex(0xbfe8ff), t.atmoStrength = 0.6f;
            break;
        case kSaturn:
            t.atmo = Hex(0xffe2b0), t.atmoStrength = 0.4f, t.tilt = 0.12f;
            break;
        case kJupiter:
            t.atmo = Hex(0xffd8a8), t.atmoStrength = 0.4f, t.tilt = 0.05f;
            break;
        default:
            break;
    }
    int craters =
        style == kMoon ? 42 : (style == kRed || style == kMars || style == kDark ? 16 : 0);
    for (int i = 0; i < craters; ++i) {
        Vec3 d = Normalize({rng.Range(-1, 1), rng.Range(-1, 1), rng.Range(-1, 1)});
        float r = 0.04f + 0.22f * std::pow(rng.Unit(), 3.0f);
        t.craters.push_back({d, r});
    }
    return t;
}

// Crater relief: below 0 in the bowl, above 0 on the rim.
float Craters(const Traits& t, Vec3 p) {
    float relief = 0;
    for (const auto& [c, r] : t.craters) {
        float dx = p.x - c.x, dy = p.y - c.y, dz = p.z - c.z;
        float d = std::sqrt(dx * dx + dy * dy + dz * dz) / r;
        if (d < 1.3f)
            relief += d < 1 ? -0.35f * (1 - d * d) + 0.3f * Smooth(0.75f, 1.0f, d)
                            : 0.3f * (1 - Smooth(1.0f, 1.3f, d));
    }
    return relief;
}

Surface Rocky(const Traits& t, Vec3 p, Rgb lo, Rgb hi, float detail) {
    float n = Fbm3(Scale(p, 2.2f), t.s, 6) * 0.5f + 0.5f;
    float r = Ridged3(Scale(p, 3.1f), t.s + 5, 4);
    float v = Clamp01(n * 0.8f + r * detail + Craters(t, p) * 0.5f);
    return {Mix(lo, hi, v)};
}

Surface Banded(const Traits& t, Vec3 p, const Rgb* colours, int count, float freq) {
    float warp = Fbm3({p.x * 2, p.y * 6, p.z * 2}, t.s, 5);
    float band = p.y * freq + warp * 2.2f + Fbm3(Scale(p, 9), t.s + 3, 3) * 0.4f;
    float u = (std::sin(band) * 0.5f + 0.5f) * (count - 1);
    int i = std::clamp(static_cast<int>(u), 0, count - 2);
    return {Mix(colours[i], colours[i + 1], u - i)};
}

Surface BaseSurface(PlanetStyle style, const Traits& t, Vec3 p) {
    switch (style) {
        case kRed:
        case kMars: {
            Surface s = Rocky(t, p, Hex(0x5a2414), Hex(0xc8693a), 0.35f);
            if (std::fabs(p.y) > 0.9f) s.albedo = Mix(s.albedo, Hex(0xf0e6e0), 0.8f);
            return s;
        }
        case kDark: {
            Surface s = Rocky(t, p, Hex(0x1a1a22), Hex(0x6a6478), 0.3f);
            float crack = Ridged3(Scale(p, 4.0f), t.s + 17, 4);
            if (t.lava) s.night = Hex(0xff5a1a) * (Smooth(0.82f, 0.95f, crack) * 1.3f);
            return s;
        }
        case kMoon:
            return Rocky(t, p, Hex(0x3c3c40), Hex(0xb4b2ac), 0.15f);
        case kDesert: {
            static const Rgb c[] = {Hex(0x8a5a2e), Hex(0xd4a866), Hex(0xe8c98e), Hex(0xb07a44)};
            Surface s = Banded(t, p, c, 4, 7 * t.bands);
            float dunes = Fbm3(Scale(p, 12), t.s + 9, 3);
            s.albedo = s.albedo * (0.9f + 0.2f * dunes);
            return s;
        }
        case kToxic: {
            static const Rgb c[] = {Hex(0x5a6a18), Hex(0xb8c43a), Hex(0x7a8a20), Hex(0xd8d070)};
            return Banded(t, p, c, 4, 9 * t.bands);
        }
        case kSaturn: {
            static const Rgb c[] = {Hex(0xb89a6a), Hex(0xe8d2a4), Hex(0xcfae78), Hex(0xf2e4c4)};
            return Banded(t, p, c, 4, 14);
        }
        case kJupiter: {
            static const Rgb c[] = {Hex(0x9a6a48), Hex(0xead8b8), Hex(0xc08a5a), Hex(0xf4ead8),
                                    Hex(0xa8744c)};
            Surface s = Banded(t, p, c, 5, 12);
            float sx = p.x - 0.45f, sy = (p.y + 0.35f) * 1.8f, sz = p.z - 0.8f;
            float spot = std::sqrt(sx * sx + sy * sy + sz * sz);
            s.albedo = Mix(s.albedo, Hex(0xc0542e), 0.8f * (1 - Smooth(0.12f, 0.2f, spot)));
            return s;
        }
        case kIce: {
            float n = Fbm3(Scale(p, 2.5f), t.s, 5) * 0.5f + 0.5f;
            float crack = Ridged3(Scale(p, 3.5f), t.s + 4, 5);
            Rgb c = Mix(Hex(0x9cc4dc), Hex(0xf4fbff), n);
            return {Mix(c, Hex(0x3f7aa8), Smooth(0.7f, 0.95f, crack) * 0.7f), 0.2f};
        }
        default:
            break;
    }
    // Earth-like worlds: continents, sea, ice caps; jungles are greener, oceans wetter.
    float h = Fbm3(Scale(p, 1.6f), t.s, 7, 0.5f);
    float sea = t.sea;
    Rgb land = t.land, high = t.land2;
    if (style == kJungle) land = Hex(0x1d5a1c), high = Hex(0x3a7a2a), sea = -0.18f;
    Surface s;
    if (h < sea) {
        float depth = Clamp01((sea - h) * 5);
        s.albedo = Mix(Mix(t.water, Hex(0x3a9ab0), 0.3f), t.water * 0.55f, Smooth(0, 0.3f, depth));
        s.spec = 0.35f;
    } else {
        float e = h - sea;
        float dry = Fbm3(Scale(p, 2.4f), t.s + 8, 5) + (0.5f - std::fabs(p.y)) * 0.35f;
        float hills = Ridged3(Scale(p, 5.0f), t.s + 12, 5);
        Rgb c = Mix(land, high, Smooth(0.0f, 0.3f, e + 0.1f * dry));
        if (style != kJungle) c = Mix(c, Hex(0xb89a68), Smooth(0.15f, 0.45f, dry) * 0.85f);
        c = c * (0.8f + 0.4f * hills * Smooth(0.02f, 0.2f, e));
        if (style != kJungle)
            s.albedo = Mix(c, Hex(0xeef2f4), Smooth(0.32f, 0.4f, e + hills * 0.1f));
        else
            s.albedo = c;
        if (style == kTerra)
            s.night = Hex(0xffc870) * (0.45f * Smooth(0.2f, 0.4f, Fbm3(Scale(p, 30), t.s + 30, 2)));
    }
    float lat = std::fabs(p.y) + 0.08f * Fbm3(Scale(p, 5), t.s + 6, 3);
    if (lat > t.ice) {
        s.albedo = Mix(s.albedo, Hex(0xf2f6fa), Smooth(t.ice, t.ice + 0.04f, lat));
        s.spec = 0;
    }
    return s;
}

Surface SurfaceAt(PlanetStyle style, const Traits& t, Vec3 p) {
    Surface s = BaseSurface(style, t, p);
    bool fixed = style == kTerra || style == kMars || style == kSaturn || style == kJupiter ||
                 style == kMoon;
    if (!fixed)
        s.albedo = s.albedo *
                   (style == kEarth || style == kOcean ? Mix(Rgb{1, 1, 1}, t.tint, 0.4f) : t.tint);
    return s;
}

float CloudsAt(PlanetStyle style, const Traits& t, Vec3 p) {
    if (style == kMoon || style == kSaturn || style == kJupiter || style == kDark) return 0;
    float amount = style == kRed || style == kMars || style == kDesert ? 0.12f
                   : style == kToxic                                   ? 0.45f
                   : style == kJungle                                  ? 0.45f
                                                                       : t.clouds * 0.8f;
    float w1 = Fbm3(Scale(p, 1.8f), t.s + 40, 4), w2 = Fbm3(Scale(p, 1.8f), t.s + 44, 4);
    Vec3 q{p.x * 2.6f + w1 * 1.8f, p.y * 5.5f + w2 * 1.2f, p.z * 2.6f + w1};
    float n = Fbm3(q, t.s + 41, 6);
    return Smooth(0.4f - amount * 0.55f, 0.62f - amount * 0.4f, n) * 0.9f;
}

void DrawRing(Image& img, Vec2 c, float r, uint64_t seed, bool front) {
    const float angle = -0.32f, squash = 0.3f, inner = 1.3f, outer = 2.25f;
    float ca = std::cos(angle), sa = std::sin(angle);
    uint32_t s = static_cast<uint32_t>(seed);
    int x0 = std::max(0, static_cast<int>(c.x - outer * r - 2)),
        x1 = std::min(img.W() - 1, static_cast<int>(c.x + outer * r + 2));
    int y0 = std::max(0, static_cast<int>(c.y - outer * r - 2)),
        y1 = std::min(img.H() - 1, static_cast<int>(c.y + outer * r + 2));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = (x + 0.5f - c.x) / r, dy = (y + 0.5f - c.y) / r;
            float u = dx * ca + dy * sa, v = -dx * sa + dy * ca;
            if ((v > 0) != front) continue;
            if (!front && dx * dx + dy * dy < 1) continue;  // hidden behind the planet
            float rr = std::sqrt(u * u + (v / squash) * (v / squash));
            if (rr < inner || rr > outer) continue;
            float edge = Clamp01((rr - inner) * r * 0.5f) * Clamp01((outer - rr) * r * 0.5f);
            float bands =
                0.55f + 0.3f * std::sin(rr * 31) + 0.15f * Noise3({rr * 40, 0.5f, 0.5f}, s);
            float gap = Smooth(0.0f, 0.05f, std::fabs(rr - 1.86f));
            float a = Clamp01(bands) * gap * edge * 0.85f;
            float lit = 0.55f + 0.45f * Clamp01(-u * 0.5f + 0.5f);
            img.Blend(x, y, Mix(Hex(0x8a7458), Hex(0xf0dcb4), bands) * lit, a);
        }
}

}  // namespace

void SpaceBackdrop(Image& img, uint64_t seed, Rgb nebulaA, Rgb nebulaB, float glow, float stars) {
    if (MapCellBackdrop()) {
        for (int y = 0; y < img.H(); ++y)
            for (int x = 0; x < img.W(); ++x) img.At(x, y) = Rgb{};
        return;
    }
    VerticalGradient(img, Hex(0x060c22), Hex(0x010207));
    if (glow > 0) Nebula(img, seed, nebulaA, nebulaB, glow);
    Starfield(img, seed + 1, 22 * stars, 0.9f);
}

void DrawPlanetBody(Image& img, Vec2 c, float r, PlanetStyle style, uint64_t seed) {
    Traits t = MakeTraits(style, seed);
    const Vec3 light = SceneLight();
    if (style == kSaturn) DrawRing(img, c, r, seed, false);
    float halo = t.atmoStrength > 0 ? 0.12f : 0;
    int x0 = std::max(0, static_cast<int>(c.x - r * (1 + halo) - 2));
    int x1 = std::min(img.W() - 1, static_cast<int>(c.x + r * (1 + halo) + 2));
    int y0 = std::max(0, static_cast<int>(c.y - r * (1 + halo) - 2));
    int y1 = std::min(img.H() - 1, static_cast<int>(c.y + r * (1 + halo) + 2));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = (x + 0.5f - c.x) / r, dy = (y + 0.5f - c.y) / r;
            float d = std::sqrt(dx * dx + dy * dy);
            float litSide = Clamp01(0.35f + (dx * light.x + dy * light.y) / std::max(d, 1e-3f));
            if (d >= 1) {
                if (halo <= 0) continue;
                float k = std::exp(-(d - 1) / halo * 3.5f) * t.atmoStrength * 0.55f * litSide;
                img.Add(x, y, t.atmo * k);
                if (d - 1 < 1.0f / r) img.Blend(x, y, t.atmo * 0.2f * litSide, 1 - (d - 1) * r);
                continue;
            }
            Vec3 n{dx, dy, std::sqrt(1 - d * d)};
            Vec3 p = Rotate(n, t.spin, t.tilt);
            Surface s = SurfaceAt(style, t, p);
            float cloud = CloudsAt(style, t, p);
            float ndl = Dot(n, light);
            float diff = std::pow(Clamp01((ndl + 0.06f) / 1.06f), 0.85f);
            Rgb sun = Mix(Hex(0xff8a5a), Hex(0xfff6ea), Smooth(0.0f, 0.3f, ndl));
            Rgb col = s.albedo * sun * diff + s.albedo * 0.025f;
            if (s.spec > 0) {
                Vec3 h = Normalize({light.x, light.y, light.z + 1});
                float sp = std::pow(Clamp01(Dot(n, h)), 60.0f) * s.spec * (1 - cloud);
                col = col + Hex(0xfff0d8) * sp;
            }
            col = Mix(col, Hex(0xf4f6fa) * (diff * 0.95f + 0.02f), cloud * 0.92f);
            col = col + s.night * (1 - Smooth(-0.15f, 0.1f, ndl)) * (1 - cloud);
            float fres = std::pow(1 - n.z, 2.6f);
            col = col + t.atmo * (fres * t.atmoStrength * (0.1f + 0.7f * diff));
            float cover = Clamp01((1 - d) * r + 0.5f);
            img.Blend(x, y, col, cover);
        }
    if (style == kSaturn) DrawRing(img, c, r, seed, true);
}

void DrawStar(Image& img, Vec2 c, float r, Rgb hot, Rgb warm, uint64_t seed) {
    uint32_t s = static_cast<uint32_t>(seed);
    // Corona: soft falloff, streaked by noise over the angle.
    float reach = r * 7;
    int x0 = std::max(0, static_cast<int>(c.x - reach)),
        x1 = std::min(img.W() - 1, static_cast<int>(c.x + reach));
    int y0 = std::max(0, static_cast<int>(c.y - reach)),
        y1 = std::min(img.H() - 1, static_cast<int>(c.y + reach));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = x + 0.5f - c.x, dy = y + 0.5f - c.y;
            float d = std::sqrt(dx * dx + dy * dy) / r;
            if (d < 0.9f) continue;
            float a = std::atan2(dy, dx);
            float streak = Fbm3({std::cos(a) * 3, std::sin(a) * 3, d * 0.15f}, s + 2, 4);
            float k = 0.9f * std::exp(-(d - 1) * 2.2f) + 0.12f * std::exp(-(d - 1) * 0.45f);
            k *= 0.75f + 0.6f * streak;
            img.Add(x, y, Mix(warm, hot, Clamp01(1.4f - d * 0.5f)) * k);
        }
    FillSdf(
        img, c.x - r, c.y - r, c.x + r, c.y + r, [&](Vec2 p) { return SdCircle(p, c, r); },
        [&](Vec2 p) {
            float dx = (p.x - c.x) / r, dy = (p.y - c.y) / r;
            float nz = std::sqrt(Clamp01(1 - dx * dx - dy * dy));
            float g = Fbm3({dx * 9, dy * 9, nz * 9}, s, 4);
            float limb = 0.45f + 0.55f * std::pow(nz, 0.6f);
            return Mix(warm, hot, Clamp01(limb + g * 0.25f)) * (0.9f + limb * 0.5f);
        });
}

void DrawRock(Image& img, Vec2 c, float r, uint64_t seed, float dark) {
    uint32_t s = static_cast<uint32_t>(seed);
    Rng rng(seed);
    float spin = rng.Range(0, 2 * kPi), stretch = rng.Range(0.7f, 1.0f);
    const Vec3 light = SceneLight();
    auto radius = [&](float a) {
        return r * (1 + 0.28f * Fbm3({std::cos(a) * 1.4f, std::sin(a) * 1.4f, 0.5f}, s, 3));
    };
    float reach = r * 1.4f;
    int x0 = std::max(0, static_cast<int>(c.x - reach)),
        x1 = std::min(img.W() - 1, static_cast<int>(c.x + reach));
    int y0 = std::max(0, static_cast<int>(c.y - reach)),
        y1 = std::min(img.H() - 1, static_cast<int>(c.y + reach));
    Rgb base = Mix(Hex(0x7a7066), Hex(0x5a5048), rng.Unit()) * (1 - dark);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = x + 0.5f - c.x, dy = (y + 0.5f - c.y) / stretch;
            float cs = std::cos(spin), sn = std::sin(spin);
            float u = dx * cs - dy * sn, v = dx * sn + dy * cs;
            float a = std::atan2(v, u), d = std::sqrt(u * u + v * v);
            float edge = radius(a);
            if (d > edge + 1) continue;
            float nx = dx / edge, ny = dy / edge;
            float nz = std::sqrt(Clamp01(1 - nx * nx - ny * ny));
            Vec3 n = Normalize({nx, ny, nz + 0.15f});
            float tex = Fbm3({u / r * 3, v / r * 3, nz * 3}, s + 1, 4);
            float pits = Ridged3({u / r * 2.5f, v / r * 2.5f, nz * 2}, s + 2, 3);
            float diff = Clamp01(Dot(n, light) * 1.1f);
            Rgb col = base * (0.9f + tex * 0.35f - pits * 0.2f) * (0.05f + diff);
            img.Blend(x, y, col, Clamp01(edge - d + 0.5f));
        }
}

void PaintBackground(Image& img, const Params& p) {
    int v = p.style == 1 ? 1 : p.Arg(0, 2);
    const Rgb tints[][2] = {{Hex(0x5a3ac0), Hex(0x2a7ae0)},
                            {Hex(0x2a9ab0), Hex(0x3a4ac0)},
                            {Hex(0x6a3098), Hex(0x2a40a0)},
                            {Hex(0xb02a50), Hex(0x2a4ab0)}};
    const auto& t = tints[(v - 1) % 4];
    SpaceBackdrop(img, p.seed, t[0], t[1], v == 3 ? 0.5f : 0.8f, 1.1f);
    float w = img.W(), h = img.H();
    if (v == 1) {
        // The clouds thin out behind the title, so the title's own picture, cut from here, is
        // quiet space that also sits well on the other screens' backdrops.
        const Vec2 title{w * 0.5f, h * 0.115f}, half{w * 0.125f, h * 0.078f};
        for (int y = 0; y < img.H(); ++y)
            for (int x = 0; x < img.W(); ++x) {
                float t =
                    std::max(std::fabs(x - title.x) / half.x, std::fabs(y - title.y) / half.y);
                float k = 0.8f * (1 - Smooth(1.0f, 2.2f, t));
                Rgb base = Mix(Hex(0x060c22), Hex(0x010207), y / h);
                img.At(x, y) = Mix(img.At(x, y), base + (img.At(x, y) - base) * 0.15f, k);
            }
    }
    if (v == 1) DrawPlanetBody(img, {w * 0.9f, h * 1.32f}, h * 0.62f, kOcean, p.seed + 3);
    if (v == 2) DrawPlanetBody(img, {w * 0.08f, h * 0.12f}, h * 0.07f, kMoon, p.seed + 4);
    if (v == 4)
        DrawStar(img, {w * 1.02f, h * -0.04f}, h * 0.12f, Hex(0xfff4e0), Hex(0xff9a50), p.seed);
    Vignette(img, 0.55f);
}

void PaintPlanet(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    bool small = s < 150;
    SpaceBackdrop(img, p.seed + 11, Hex(0x2a2a6a), Hex(0x1a3a6a), small ? 0.25f : 0.35f);
    auto style = static_cast<PlanetStyle>(p.style);
    float r = s * (small ? 0.43f : 0.37f);
    if (style == kSaturn) r = s * 0.2f;
    DrawPlanetBody(img, {img.W() * 0.5f, img.H() * 0.5f}, r, style, p.seed);
}

void PaintSun(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    SpaceBackdrop(img, p.seed, Hex(0x6a3a1a), Hex(0x3a1a4a), 0.2f, 0.7f);
    DrawStar(img, {img.W() * 0.5f, img.H() * 0.5f}, s * 0.2f, Hex(0xfffbe8), Hex(0xffa040), p.seed);
}

}  // namespace corvanth::assets
