// Scenes of news and events, the bar, the arena, the cockpit, the tutorial hands and the title.
#include <algorithm>
#include <cmath>

#include "drawing.h"
#include "lettering.h"

namespace corvanth::assets {

namespace {

constexpr float kPi = 3.14159265f;

void Firework(Image& img, Vec2 c, float r, Rgb colour, Rng& rng) {
    for (int i = 0; i < 22; ++i) {
        float a = i * 2 * kPi / 22 + rng.Range(-0.1f, 0.1f), l = r * rng.Range(0.7f, 1.0f);
        Vec2 e{c.x + std::cos(a) * l, c.y + std::sin(a) * l};
        AddBeam(img, {c.x + std::cos(a) * l * 0.3f, c.y + std::sin(a) * l * 0.3f}, e,
                std::max(0.6f, r * 0.03f), colour * 0.6f);
        Glow(img, e, std::max(0.7f, r * 0.05f), colour * 1.3f);
    }
    Glow(img, c, r * 0.4f, colour * 0.3f);
}

void News(Image& img, const Params& p) {
    float W = img.W(), H = img.H(), s = std::min(W, H);
    SpaceBackdrop(img, p.seed, Hex(0x2a4ab0), Hex(0x6a2a6a), 0.5f);
    DrawPlanetBody(img, {W * 0.68f, H * 0.45f}, s * 0.36f, kTerra, p.seed + 1);
    DrawHull(img, 9, {W * 0.3f, H * 0.32f}, W * 0.3f, p.seed + 2);
    for (int y = 0; y < img.H(); y += 3)  // the broadcast's scan lines
        for (int x = 0; x < img.W(); ++x) img.At(x, y) = img.At(x, y) * 0.82f;
    Box(img, {W / 2, H * 0.86f}, {W / 2, H * 0.12f}, Hex(0x9a1010), 0.9f);
    Line(img, {0, H * 0.74f}, {W, H * 0.74f}, std::max(1.0f, H * 0.012f), Hex(0xf0c040));
    float u = std::max(1.0f, H / 40);
    Text(img, "NEWS", {W * 0.06f, H * 0.86f - u * 3.5f}, u, Hex(0xffffff));
    for (int i = 0; i < 5; ++i)
        Box(img, {W * (0.45f + 0.1f * i), H * 0.86f}, {W * 0.035f, u * 0.8f}, Hex(0xf0d0d0), 0.6f);
}

void Victory(Image& img, const Params& p) {
    float W = img.W(), H = img.H(), s = std::min(W, H);
    SpaceBackdrop(img, p.seed, Hex(0x2a3ab0), Hex(0x8a3a2a), 0.6f);
    DrawPlanetBody(img, {W * 0.5f, H * 1.3f}, W * 0.6f, kEarth, p.seed + 1);
    Rng rng(p.seed);
    const Rgb colours[] = {Hex(0xffd040), Hex(0x40ff80), Hex(0xff5050), Hex(0x60a0ff)};
    for (int i = 0; i < 5; ++i)
        Firework(img, {W * rng.Range(0.1f, 0.9f), H * rng.Range(0.1f, 0.45f)},
                 s * rng.Range(0.12f, 0.2f), colours[i % 4], rng);
    for (int i = 0; i < 3; ++i)
        DrawHull(img, 7 + i, {W * (0.3f + 0.22f * i), H * (0.62f - 0.06f * (i % 2))}, W * 0.22f,
                 p.seed + i);
}

void TreasureFleet(Image& img, const Params& p) {
    float W = img.W(), H = img.H();
    SpaceBackdrop(img, p.seed, Hex(0x8a6a2a), Hex(0x2a3a8a), 0.55f);
    Rgb gold = Hex(0xd8b060);
    const int types[] = {11, 12, 9, 15};
    const Vec2 at[] = {{0.55f, 0.45f}, {0.25f, 0.25f}, {0.3f, 0.72f}, {0.82f, 0.75f}};
    for (int i = 0; i < 4; ++i) {
        Vec2 c{W * at[i].x, H * at[i].y};
        float len = W * (i == 0 ? 0.55f : 0.28f);
        Glow(img, c, len * 0.35f, Hex(0xffc040) * 0.12f);
        DrawHull(img, types[i], c, len, p.seed + i, 0, &gold);
    }
}

void TreasurePile(Image& img, const Params& p) {
    float W = img.W(), H = img.H(), s = std::min(W, H);
    VerticalGradient(img, Hex(0x1a120a), Hex(0x050302));
    Glow(img, {W * 0.5f, H * 0.6f}, s * 0.6f, Hex(0xffa030) * 0.3f);
    Rng rng(p.seed);
    for (int i = 0; i < 60; ++i) {
        float t = rng.Unit();
        float x = W * (0.15f + 0.7f * rng.Unit()),
              top = H * (0.45f + 0.35f * std::fabs(x / W - 0.5f) * 2);
        float y = top + t * (H * 0.9f - top);
        if (i % 5 == 0)
            Box(img, {x, y}, {s * 0.09f, s * 0.035f}, Mix(Hex(0xc08020), Hex(0xffe890), rng.Unit()),
                1, s * 0.01f);
        else
            Ellipse(img, {x, y}, s * 0.05f, s * 0.025f,
                    Mix(Hex(0xb07818), Hex(0xfff0a0), rng.Unit()));
    }
    for (int i = 0; i < 8; ++i)
        Glow(img, {W * rng.Range(0.2f, 0.8f), H * rng.Range(0.4f, 0.9f)}, s * 0.02f,
             Hex(0xfff4c0) * 1.4f);
}

void Cockpit(Image& img, const Params& p) {
    float W = img.W(), H = img.H(), s = std::min(W, H);
    SpaceBackdrop(img, p.seed, Hex(0x3a3ab0), Hex(0x2a7a9a), 0.6f);
    DrawPlanetBody(img, {W * 0.72f, H * 0.3f}, s * 0.16f, kRed, p.seed + 1);
    Rgb frame = Hex(0x1a1e26);
    Polygon(img, {{0, 0}, {W * 0.12f, 0}, {W * 0.22f, H * 0.62f}, {0, H * 0.7f}}, frame);
    Polygon(img, {{W, 0}, {W * 0.88f, 0}, {W * 0.78f, H * 0.62f}, {W, H * 0.7f}}, frame);
    Box(img, {W / 2, H * 0.03f}, {W / 2, H * 0.04f}, frame);
    Polygon(img,
            {{0, H * 0.66f},
             {W * 0.2f, H * 0.58f},
             {W * 0.8f, H * 0.58f},
             {W, H * 0.66f},
             {W, H},
             {0, H}},
            [&](Vec2 q) { return Hex(0x2a303a) * (1.1f - 0.5f * (q.y / H)); });
    Rng rng(p.seed);
    for (int i = 0; i < 3; ++i) {  // screens on the console
        Vec2 m{W * (0.3f + 0.2f * i), H * 0.75f};
        Box(img, m, {W * 0.08f, H * 0.07f}, Hex(0x0a1a14), 1, 2);
        for (int k = 0; k < 4; ++k)
            Line(img, {m.x - W * 0.06f, m.y - H * 0.04f + k * H * 0.025f},
                 {m.x - W * 0.06f + W * rng.Range(0.03f, 0.12f), m.y - H * 0.04f + k * H * 0.025f},
                 std::max(1.0f, H * 0.006f), i == 1 ? Hex(0xffb040) : Hex(0x40ff90), 0.8f);
        Glow(img, m, W * 0.07f, (i == 1 ? Hex(0xffb040) : Hex(0x40ff90)) * 0.1f);
    }
    for (int i = 0; i < 14; ++i)
        Glow(img, {W * rng.Range(0.1f, 0.9f), H * rng.Range(0.86f, 0.96f)},
             std::max(0.8f, s * 0.006f),
             (i % 3 == 0 ? Hex(0xff4030) : (i % 3 == 1 ? Hex(0x40a0ff) : Hex(0xffe040))) * 1.3f);
    FillSdf(
        img, 0, 0, W, H,
        [&](Vec2 q) {
            return std::fabs(SdCircle(q, {W * 0.5f, H * 0.32f}, s * 0.08f)) - 0.8f;
        },
        Hex(0x50ff90), 0.5f);
}

void Bar(Image& img, const Params& p) {
    float W = img.W(), H = img.H(), s = std::min(W, H);
    VerticalGradient(img, Hex(0x24120a), Hex(0x080403));
    Rng rng(p.seed);
    for (int shelf = 0; shelf < 3; ++shelf) {
        float y = H * (0.18f + 0.14f * shelf);
        Line(img, {W * 0.08f, y}, {W * 0.92f, y}, std::max(1.5f, H * 0.012f), Hex(0x5a3018));
        for (float x = W * 0.1f; x < W * 0.9f; x += W * rng.Range(0.02f, 0.04f)) {
            float bh = H * rng.Range(0.05f, 0.09f), bw = W * 0.008f;
            Box(img, {x, y - bh / 2}, {bw, bh / 2},
                Mix(Hex(0x3a8a4a), Hex(0xb0602a), rng.Unit()) * 0.7f, 0.9f, bw * 0.6f);
            Glow(img, {x - bw * 0.3f, y - bh * 0.6f}, bw * 0.6f, Hex(0xffd0a0) * 0.3f);
        }
    }
    for (int i = 0; i < 3; ++i) {  // hanging lamps
        Vec2 l{W * (0.25f + 0.25f * i), H * 0.08f};
        Line(img, {l.x, 0}, l, 1.2f, Hex(0x2a2a2a));
        Polygon(
            img,
            {{l.x - s * 0.04f, l.y + s * 0.04f}, {l.x + s * 0.04f, l.y + s * 0.04f}, {l.x, l.y}},
            Hex(0x3a2a1a));
        Glow(img, {l.x, l.y + s * 0.05f}, s * 0.18f, Hex(0xffa050) * 0.35f);
    }
    Polygon(img, {{0, H * 0.62f}, {W, H * 0.62f}, {W, H * 0.72f}, {0, H * 0.72f}}, [&](Vec2 q) {
        return Hex(0x6a3a1a) *
               (0.7f + 0.3f * Fbm2(q.x * 0.02f, q.y * 0.2f, 3, 3) + (q.y < H * 0.635f ? 0.4f : 0));
    });
    Box(img, {W / 2, H * 0.86f}, {W / 2, H * 0.14f}, Hex(0x1a0c06));
    for (int i = 0; i < 5; ++i) {  // patrons at the counter, seen from behind
        float x = W * (0.12f + 0.19f * i), k = s * 0.09f;
        Disc(img, {x, H * 0.52f}, k * 0.55f, Hex(0x0c0806));
        Box(img, {x, H * 0.66f}, {k * 0.9f, k * 0.8f}, Hex(0x0c0806), 1, k * 0.4f);
        Line(img, {x, H * 0.78f}, {x, H * 0.95f}, k * 0.15f, Hex(0x2a1a10));
    }
    Vignette(img, 0.4f);
}

void Tournament(Image& img, const Params& p) {
    float W = img.W(), H = img.H(), s = std::min(W, H);
    int level = p.Arg(0, 1);
    const Rgb tones[] = {Hex(0xc0783a), Hex(0xb8c0d0), Hex(0xf0c040)};
    Rgb tone = tones[(level - 1) % 3];
    SpaceBackdrop(img, p.seed, tone * 0.6f, Hex(0x3a2a8a), 0.6f);
    Vec2 c{W * 0.5f, H * 0.62f};
    // The arena: a ring of stands around a field of light.
    FillSdf(
        img, 0, 0, W, H,
        [&](Vec2 q) { return std::fabs(SdEllipse(q, c, W * 0.44f, H * 0.22f)) - H * 0.05f; },
        [&](Vec2 q) {
            float a = std::atan2((q.y - c.y) / H, (q.x - c.x) / W);
            float crowd = 0.6f + 0.4f * std::sin(a * 60) * std::sin(a * 23);
            return Hex(0x3a3e48) * (0.6f + 0.4f * crowd);
        });
    Rng rng(p.seed);
    for (int i = 0; i < 60; ++i) {
        float a = rng.Range(0, 2 * kPi);
        Glow(img, {c.x + std::cos(a) * W * 0.44f, c.y + std::sin(a) * H * 0.22f}, 0.8f,
             Mix(tone, Hex(0xffffff), rng.Unit()));
    }
    for (int i = 0; i < 4; ++i) {  // searchlights
        float x = W * (0.15f + 0.23f * i);
        AddBeam(img, {x, c.y}, {x + W * rng.Range(-0.15f, 0.15f), 0}, W * 0.02f, tone * 0.25f);
    }
    DrawHull(img, 1, {W * 0.35f, H * 0.3f}, W * 0.22f, p.seed + 1);
    DrawHull(img, 20, {W * 0.72f, H * 0.4f}, W * 0.2f, p.seed + 2);
    AddBeam(img, {W * 0.45f, H * 0.28f}, {W * 0.64f, H * 0.39f}, s * 0.012f, Hex(0xff4030));
    for (int i = 0; i < level; ++i)
        Polygon(img, StarPoints({W * (0.08f + 0.08f * i), H * 0.1f}, s * 0.05f, s * 0.02f), tone);
}

// A white glove pointing right, left or up on the tutorial's white panel.
void Hand(Image& img, int dir) {
    float W = img.W(), H = img.H();
    // Exactly the white of the hand's panel around it, so the two read as one tile.
    img.exactTones = true;
    VerticalGradient(img, Hex(0xffffff), Hex(0xffffff));
    auto rot = [&](Vec2 v) {  // drawn pointing right, then turned
        float x = v.x - 0.5f, y = v.y - 0.5f;
        Vec2 r = dir == 0 ? Vec2{x, y} : (dir == 1 ? Vec2{-x, y} : Vec2{y, -x});
        return Vec2{(r.x + 0.5f) * W, (r.y + 0.5f) * H};
    };
    Rgb ink = Hex(0x1a1a1a), glove = Hex(0xf4d8b8);
    auto capsule = [&](Vec2 a, Vec2 b, float w) {
        Vec2 pa = rot(a), pb = rot(b);
        Line(img, pa, pb, w * W + 2.4f, ink);
        Line(img, pa, pb, w * W, glove);
    };
    FillSdf(
        img, 0, 0, W, H,
        [&](Vec2 q) {
            return SdBox(q, rot({0.32f, 0.58f}), {W * 0.17f, H * 0.17f}, W * 0.06f) - 1.2f;
        },
        ink);
    capsule({0.22f, 0.44f}, {0.88f, 0.44f}, 0.14f);
    for (int i = 0; i < 3; ++i)
        capsule({0.3f, 0.56f + 0.08f * i}, {0.52f, 0.56f + 0.08f * i}, 0.1f);
    FillSdf(
        img, 0, 0, W, H,
        [&](Vec2 q) {
            return SdBox(q, rot({0.32f, 0.58f}), {W * 0.17f, H * 0.17f}, W * 0.06f);
        },
        glove);
    Line(img, rot({0.24f, 0.44f}), rot({0.84f, 0.44f}), 0.14f * W, glove);
    Line(img, rot({0.2f, 0.72f}), rot({0.08f, 0.8f}), 0.12f * W, Hex(0x2456b8));
}

// The title stands on black, the colour its screens leave out of it: it sits on the main menu's
// backdrop and on every other screen's without a box around it. The letters are the screens' own
// font, with a glow behind them.
void Title(Image& img, const Params& p) {
    float W = img.W(), H = img.H();
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) img.At(x, y) = Hex(0x000000);
    DrawPlanetBody(img, {W * 0.9f, H * 0.2f}, H * 0.1f, kSaturn, p.seed + 1);

    const std::string name = "CORVANTH";
    Coverage letters = Letters(name, static_cast<int>(H * 0.42f));
    if (letters.w == 0) return;
    // Scaled to 78 % of the width, centred a little above the middle.
    const float k = W * 0.78f / letters.w;
    const float left = (W - letters.w * k) / 2, top = H * 0.47f - letters.h * k / 2;
    auto cover = [&](float x, float y) {
        // Bilinear read of the coverage, so the scaled letters stay smooth.
        float u = (x - left) / k - 0.5f, v = (y - top) / k - 0.5f;
        int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
        float fx = u - x0, fy = v - y0;
        return (letters.At(x0, y0) * (1 - fx) + letters.At(x0 + 1, y0) * fx) * (1 - fy) +
               (letters.At(x0, y0 + 1) * (1 - fx) + letters.At(x0 + 1, y0 + 1) * fx) * fy;
    };
    Image glow(img.W(), img.H());
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) glow.At(x, y) = Hex(0x4a80ff) * cover(x + 0.5f, y + 0.5f);
    BoxBlur(glow, static_cast<int>(H * 0.05f));
    BoxBlur(glow, static_cast<int>(H * 0.03f));
    const float top0 = top + letters.h * k * 0.2f, top1 = top + letters.h * k * 0.8f;
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) {
            img.At(x, y) = img.At(x, y) + glow.At(x, y) * 1.4f;
            // A dark rim under each letter, then the face: white above, pale steel below.
            float rim = cover(x + 1.5f, y + 1.5f);
            img.Blend(x, y, Hex(0x050a1a), rim * 0.7f);
            float a = cover(x + 0.5f, y + 0.5f);
            float t = Clamp01((y - top0) / std::max(1.0f, top1 - top0));
            img.Blend(x, y, Mix(Hex(0xf4f8ff), Hex(0x9ab8e8), t), a);
        }
    // A thin gold rule under the name, fading at both ends.
    const float ruleY = top + letters.h * k * 0.86f;
    for (int x = 0; x < img.W(); ++x) {
        float fade = Smooth(W * 0.1f, W * 0.3f, x) * Smooth(W * 0.9f, W * 0.7f, x);
        for (int y = static_cast<int>(ruleY); y <= static_cast<int>(ruleY) + 1; ++y)
            if (y >= 0 && y < img.H()) img.Blend(x, y, Hex(0xf0c040), 0.9f * fade);
    }
}

}  // namespace

void PaintScene(Image& img, const Params& p) {
    switch (p.style) {
        case kNews:
            return News(img, p);
        case kVictory:
            return Victory(img, p);
        case kTreasureFleet:
            return TreasureFleet(img, p);
        case kTreasurePile:
            return TreasurePile(img, p);
        case kCockpit:
            return Cockpit(img, p);
        case kBar:
            return Bar(img, p);
        case kTournament:
            return Tournament(img, p);
        case kHandRight:
            return Hand(img, 0);
        case kHandLeft:
            return Hand(img, 1);
        case kHandUp:
            return Hand(img, 2);
        case kTitle:
            return Title(img, p);
        default:
            return;
    }
}

}  // namespace corvanth::assets
