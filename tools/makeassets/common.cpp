// Shapes several painters share: metal shading, stars, crates, faction colours and symbols.
#include <cmath>

#include "drawing.h"

namespace corvanth::assets {

namespace {
constexpr float kPi = 3.14159265f;

std::vector<Vec2> Mirror(const std::vector<Vec2>& half, Vec2 c, float r) {
    std::vector<Vec2> out;
    for (auto v : half) out.push_back({c.x + v.x * r, c.y + v.y * r});
    for (auto it = half.rbegin(); it != half.rend(); ++it)
        out.push_back({c.x - it->x * r, c.y + it->y * r});
    return out;
}
}  // namespace

Rgb Metal(Rgb base, float t, float x) {
    t = Clamp01(t);
    float k = 0.45f + 0.75f * std::pow(1 - t, 1.3f);
    float highlight = std::exp(-std::pow((t - 0.22f) / 0.09f, 2.0f)) * 0.35f;
    float side = 0.85f + 0.3f * (1 - Clamp01(x));
    return base * (k * side) + Rgb{1, 1, 1} * highlight;
}

std::vector<Vec2> StarPoints(Vec2 c, float outer, float inner, float rotation, int points) {
    std::vector<Vec2> pts;
    for (int i = 0; i < points * 2; ++i) {
        float a = rotation - kPi / 2 + i * kPi / points;
        float r = i % 2 == 0 ? outer : inner;
        pts.push_back({c.x + std::cos(a) * r, c.y + std::sin(a) * r});
    }
    return pts;
}

void DrawCrate(Image& img, Vec2 c, float w, float h, float d, Rgb colour, float lid) {
    float x0 = c.x - w / 2, x1 = c.x + w / 2, y0 = c.y - h / 2, y1 = c.y + h / 2;
    Vec2 o{d * 0.55f, -d * 0.45f};
    Vec2 a{x0, y0}, b{x1, y0}, e{x1, y1};
    Vec2 ao{a.x + o.x, a.y + o.y}, bo{b.x + o.x, b.y + o.y}, eo{e.x + o.x, e.y + o.y};
    float rib = std::max(0.8f, w * 0.018f);
    Polygon(img, {b, e, eo, bo}, colour * 0.5f);
    if (lid > 0) {
        Polygon(img, {a, b, bo, ao}, colour * 0.18f);  // the open inside
        Vec2 up{0, -h * 0.95f * lid};
        Polygon(img, {ao, bo, {bo.x + up.x, bo.y + up.y}, {ao.x + up.x, ao.y + up.y}},
                colour * 0.85f);
    } else {
        Polygon(img, {a, b, bo, ao}, colour * 1.15f);
    }
    Box(img, c, {w / 2, h / 2}, colour * 0.85f);
    for (int i = 1; i < 6; ++i) {
        float x = x0 + w * i / 6;
        Line(img, {x, y0 + rib}, {x, y1 - rib}, rib, colour * 0.6f, 0.8f);
    }
    Line(img, {x0, y0}, {x1, y0}, rib * 1.4f, Mix(colour, Rgb{1, 1, 1}, 0.4f), 0.7f);
    Line(img, {x1, y0}, {x1, y1}, rib, colour * 0.4f, 0.8f);
    // hazard band
    float by = y1 - h * 0.18f;
    for (int i = 0; i < 10; ++i) {
        float x = x0 + w * i / 10;
        Polygon(
            img,
            {{x, by}, {x + w * 0.05f, by}, {x + w * 0.08f, y1 - rib}, {x + w * 0.03f, y1 - rib}},
            i % 2 ? Hex(0x1a1a1a) : Hex(0xe8c030), 0.8f);
    }
}

void DrawSolarPanel(Image& img, Vec2 c, float w, float h) {
    Box(img, c, {w / 2, h / 2}, Hex(0x8a8e96));
    Box(img, c, {w / 2 - std::max(0.6f, h * 0.06f), h / 2 - std::max(0.6f, h * 0.06f)},
        Hex(0x1a2a5a));
    FillSdf(
        img, c.x - w / 2, c.y - h / 2, c.x + w / 2, c.y + h / 2,
        [&](Vec2 p) {
            return SdBox(p, c, {w / 2 - 1, h / 2 - 1});
        },
        [&](Vec2 p) {
            float gx = std::fabs(std::fmod((p.x - c.x + w) / (w / 6), 1.0f) - 0.5f);
            float gy = std::fabs(std::fmod((p.y - c.y + h) / (h / 2), 1.0f) - 0.5f);
            float grid = gx > 0.44f || gy > 0.44f ? 1.0f : 0.0f;
            float sheen = Clamp01(1 - (p.y - c.y + h / 2) / h) * 0.5f;
            return Mix(Hex(0x1c3a7a) * (0.8f + sheen), Hex(0x6a86b8), grid * 0.7f);
        });
}

void AddBeam(Image& img, Vec2 a, Vec2 b, float width, Rgb colour) {
    float reach = width * 3;
    int x0 = std::max(0, static_cast<int>(std::min(a.x, b.x) - reach));
    int x1 = std::min(img.W() - 1, static_cast<int>(std::max(a.x, b.x) + reach));
    int y0 = std::max(0, static_cast<int>(std::min(a.y, b.y) - reach));
    int y1 = std::min(img.H() - 1, static_cast<int>(std::max(a.y, b.y) + reach));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float d = SdSegment({x + 0.5f, y + 0.5f}, a, b, 0) / width;
            float k = std::exp(-d * d) + 0.25f * std::exp(-d * 0.8f);
            if (k > 0.003f) img.Add(x, y, colour * k);
        }
}

void DrawExplosion(Image& img, Vec2 c, float r, uint64_t seed) {
    auto s = static_cast<uint32_t>(seed);
    Rng rng(seed);
    Glow(img, c, r * 2.2f, Hex(0xff7a30) * 0.35f);
    for (int i = 0; i < 18; ++i) {  // sparks
        float a = rng.Range(0, 2 * kPi), l = r * rng.Range(0.9f, 2.0f);
        AddBeam(img, {c.x + std::cos(a) * r * 0.4f, c.y + std::sin(a) * r * 0.4f},
                {c.x + std::cos(a) * l, c.y + std::sin(a) * l}, std::max(0.5f, r * 0.015f),
                Hex(0xffc070) * 0.8f);
    }
    float reach = r * 1.4f;
    int x0 = std::max(0, static_cast<int>(c.x - reach)),
        x1 = std::min(img.W() - 1, static_cast<int>(c.x + reach));
    int y0 = std::max(0, static_cast<int>(c.y - reach)),
        y1 = std::min(img.H() - 1, static_cast<int>(c.y + reach));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = (x + 0.5f - c.x) / r, dy = (y + 0.5f - c.y) / r;
            float d = std::sqrt(dx * dx + dy * dy);
            float n = Fbm3({dx * 2.5f, dy * 2.5f, 0.5f}, s, 5);
            float heat = Clamp01(1.2f - d * 1.1f + n * 0.9f);
            if (heat <= 0) continue;
            Rgb c1 = heat > 0.75f  ? Mix(Hex(0xffd060), Hex(0xfffff0), (heat - 0.75f) * 4)
                     : heat > 0.4f ? Mix(Hex(0xe04a10), Hex(0xffd060), (heat - 0.4f) / 0.35f)
                                   : Mix(Hex(0x2a2420), Hex(0xe04a10), heat / 0.4f);
            img.Blend(x, y, c1 * (heat > 0.4f ? 1.3f : 1.0f), Smooth(0.0f, 0.15f, heat));
        }
}

Palette FactionPalette(int faction) {
    switch (faction) {
        case 0:
            return {Hex(0x2456b8), Hex(0x0a1a48), Hex(0xf2c445), Hex(0xe8c060)};
        case 1:
            return {Hex(0x22903e), Hex(0x0a3a18), Hex(0xe8ecef), Hex(0xd0d4dc)};
        case 2:
            return {Hex(0xb81c1c), Hex(0x3a0606), Hex(0xe8c050), Hex(0xe0b850)};
        case 3:
            return {Hex(0xd88c1a), Hex(0x4a2a06), Hex(0x26a6a6), Hex(0xe8c060)};
        case 4:
            return {Hex(0x3a3a3e), Hex(0x0c0c0e), Hex(0xd02828), Hex(0xe6dcc4)};
        default:
            return {Hex(0x5a5e66), Hex(0x1a1c20), Hex(0xa0a4ac), Hex(0xb0b4bc)};
    }
}

void DrawSymbol(Image& img, int faction, Vec2 c, float r, Rgb colour, Rgb second) {
    switch (faction) {
        case 0: {  // a star between two swept wings
            for (int side : {-1, 1}) {
                std::vector<Vec2> wing;
                for (Vec2 v : std::vector<Vec2>{{0.35f, -0.12f},
                                                {1.0f, -0.42f},
                                                {0.92f, -0.22f},
                                                {0.98f, -0.16f},
                                                {0.82f, 0.0f},
                                                {0.88f, 0.05f},
                                                {0.55f, 0.16f},
                                                {0.35f, 0.12f}})
                    wing.push_back({c.x + side * v.x * r, c.y + v.y * r});
                Polygon(img, wing, second);
            }
            Polygon(img, StarPoints(c, r * 0.55f, r * 0.23f), colour);
            return;
        }
        case 1: {  // a spread eagle
            std::vector<Vec2> half = {
                {0.0f, -0.62f},  {0.12f, -0.58f}, {0.16f, -0.42f}, {0.22f, -0.3f},  {0.62f, -0.7f},
                {1.0f, -0.72f},  {0.9f, -0.5f},   {0.98f, -0.42f}, {0.82f, -0.25f}, {0.9f, -0.16f},
                {0.66f, -0.04f}, {0.7f, 0.05f},   {0.3f, 0.12f},   {0.2f, 0.3f},    {0.32f, 0.68f},
                {0.1f, 0.56f},   {0.0f, 0.72f}};
            Polygon(img, Mirror(half, c, r), colour);
            Disc(img, {c.x + r * 0.03f, c.y - r * 0.5f}, r * 0.035f, second);
            return;
        }
        case 2: {  // yin and yang
            Disc(img, c, r, colour);
            FillSdf(
                img, c.x, c.y - r, c.x + r, c.y + r,
                [&](Vec2 p) { return std::max(SdCircle(p, c, r), c.x - p.x); }, second);
            Disc(img, {c.x, c.y - r / 2}, r / 2, colour);
            Disc(img, {c.x, c.y + r / 2}, r / 2, second);
            Disc(img, {c.x, c.y - r / 2}, r / 7, second);
            Disc(img, {c.x, c.y + r / 2}, r / 7, colour);
            return;
        }
        case 3: {  // a flared cross with a round boss
            for (int i = 0; i < 4; ++i) {
                float a = i * kPi / 2;
                auto at = [&](float along, float across) {
                    return Vec2{c.x + std::cos(a) * along * r - std::sin(a) * across * r,
                                c.y + std::sin(a) * along * r + std::cos(a) * across * r};
                };
                Polygon(img,
                        {at(0.1f, -0.14f), at(1.0f, -0.42f), at(0.86f, 0), at(1.0f, 0.42f),
                         at(0.1f, 0.14f)},
                        colour);
            }
            Disc(img, c, r * 0.26f, second);
            Ring(img, c, r * 0.26f, r * 0.05f, colour);
            return;
        }
        case 4: {  // skull and crossed bones
            for (int side : {-1, 1}) {
                Vec2 a{c.x - side * r * 0.8f, c.y - r * 0.35f},
                    b{c.x + side * r * 0.8f, c.y + r * 0.85f};
                Line(img, a, b, r * 0.16f, colour);
                for (Vec2 e : {a, b}) {
                    Disc(img, {e.x - r * 0.07f, e.y}, r * 0.1f, colour);
                    Disc(img, {e.x + r * 0.07f, e.y + r * 0.05f}, r * 0.1f, colour);
                }
            }
            Disc(img, {c.x, c.y - r * 0.1f}, r * 0.5f, colour);
            Box(img, {c.x, c.y + r * 0.38f}, {r * 0.28f, r * 0.16f}, colour, 1, r * 0.06f);
            Disc(img, {c.x - r * 0.2f, c.y - r * 0.08f}, r * 0.14f, second);
            Disc(img, {c.x + r * 0.2f, c.y - r * 0.08f}, r * 0.14f, second);
            Polygon(img,
                    {{c.x, c.y + r * 0.06f},
                     {c.x - r * 0.07f, c.y + r * 0.2f},
                     {c.x + r * 0.07f, c.y + r * 0.2f}},
                    second);
            for (int i = -1; i <= 1; ++i)
                Line(img, {c.x + i * r * 0.1f, c.y + r * 0.3f},
                     {c.x + i * r * 0.1f, c.y + r * 0.52f}, r * 0.04f, second);
            return;
        }
        default: {  // nobody: a broken ring
            Ring(img, c, r * 0.7f, r * 0.14f, colour);
            Line(img, {c.x - r * 0.6f, c.y + r * 0.6f}, {c.x + r * 0.6f, c.y - r * 0.6f}, r * 0.16f,
                 colour);
            return;
        }
    }
}

}  // namespace corvanth::assets
