// Equipment as the dealers show it, and the pictures of combat.
#include <algorithm>
#include <cmath>

#include "drawing.h"

namespace corvanth::assets {

namespace {

constexpr float kPi = 3.14159265f;

// A display bay: dark panels, a grid floor and a spotlight.
void Bay(Image& img, uint64_t seed, Rgb tint) {
    float W = img.W(), H = img.H();
    VerticalGradient(img, Hex(0x0c1222), Hex(0x05070c));
    for (int y = static_cast<int>(H * 0.72f); y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) {
            float t = (y - H * 0.72f) / (H * 0.28f);
            float gx =
                std::fabs(std::fmod((x - W / 2) / (W * 0.08f) / (0.4f + t) + 100, 1.0f) - 0.5f);
            float gy = std::fabs(std::fmod(std::log(1 + t * 6) * 3, 1.0f) - 0.5f);
            float line = (gx > 0.46f || gy > 0.45f) ? 0.6f : 0.0f;
            img.At(x, y) = Mix(Hex(0x0a0f1a), tint * 0.5f, line * (0.3f + 0.7f * t));
        }
    Glow(img, {W * 0.5f, H * 0.45f}, W * 0.4f, tint * 0.12f);
    Starfield(img, seed, 3, 0.5f);
}

void Barrel(Image& img, Vec2 a, Vec2 b, float w, Rgb metal) {
    FillSdf(
        img, std::min(a.x, b.x) - w, std::min(a.y, b.y) - w, std::max(a.x, b.x) + w,
        std::max(a.y, b.y) + w, [&](Vec2 q) { return SdSegment(q, a, b, w); },
        [&](Vec2 q) { return Metal(metal, (q.y - (a.y - w / 2)) / w); });
}

void Turret(Image& img, Vec2 c, float s, int barrels, Rgb beam, float thick) {
    Rgb metal = Hex(0x9aa0aa);
    Ellipse(img, {c.x, c.y + s * 0.22f}, s * 0.32f, s * 0.08f, Hex(0x2a2e36));
    FillSdf(
        img, c.x - s * 0.3f, c.y - s * 0.25f, c.x + s * 0.3f, c.y + s * 0.22f,
        [&](Vec2 q) {
            return std::max(SdCircle(q, {c.x, c.y + s * 0.2f}, s * 0.28f), q.y - c.y - s * 0.2f);
        },
        [&](Vec2 q) {
            return Metal(metal, (q.y - c.y + s * 0.1f) / (s * 0.3f),
                         (q.x - c.x + s * 0.3f) / (s * 0.6f));
        });
    for (int i = 0; i < barrels; ++i) {
        float off = (i - (barrels - 1) * 0.5f) * s * 0.12f;
        Vec2 a{c.x, c.y + off}, b{c.x + s * 0.62f, c.y + off - s * 0.12f};
        Barrel(img, a, b, s * thick, metal);
        for (int k = 1; k <= 3; ++k) {
            Vec2 r{a.x + (b.x - a.x) * (0.35f + 0.12f * k),
                   a.y + (b.y - a.y) * (0.35f + 0.12f * k)};
            Line(img, {r.x, r.y - s * thick * 0.6f}, {r.x, r.y + s * thick * 0.6f}, s * 0.02f,
                 Hex(0x4a4e58));
        }
        AddBeam(img, b, {img.W() * 1.0f, b.y - (img.W() - b.x) * 0.19f}, s * 0.02f, beam);
        Glow(img, b, s * 0.05f, beam * 1.5f);
    }
}

void Missile(Image& img, Vec2 c, float len, float r, Rgb body, Rgb flame) {
    AddBeam(img, {c.x - len * 0.5f, c.y}, {c.x - len * 1.1f, c.y}, r * 0.6f, flame * 0.8f);
    Glow(img, {c.x - len * 0.52f, c.y}, r * 0.9f, flame);
    for (int side : {-1, 1})
        Polygon(img,
                {{c.x - len * 0.42f, c.y},
                 {c.x - len * 0.5f, c.y + side * r * 2.2f},
                 {c.x - len * 0.3f, c.y + side * r}},
                body * 0.6f);
    FillSdf(
        img, c.x - len / 2, c.y - r, c.x + len / 2 + r * 2, c.y + r,
        [&](Vec2 q) {
            return std::min(SdBox(q, c, {len * 0.42f, r}),
                            SdPolygon(q, {{c.x + len * 0.42f, c.y - r},
                                          {c.x + len * 0.62f, c.y},
                                          {c.x + len * 0.42f, c.y + r}}));
        },
        [&](Vec2 q) {
            Rgb col = std::fabs(q.x - c.x - len * 0.2f) < len * 0.04f ? Hex(0xc03020) : body;
            return Metal(col, (q.y - c.y + r) / (2 * r));
        });
}

void SpikedSphere(Image& img, Vec2 c, float r, int spikes, Rgb core) {
    for (int i = 0; i < spikes; ++i) {
        float a = i * 2 * kPi / spikes + 0.2f;
        Line(img, c, {c.x + std::cos(a) * r * 1.45f, c.y + std::sin(a) * r * 1.45f}, r * 0.12f,
             Hex(0x6a6e78));
        Disc(img, {c.x + std::cos(a) * r * 1.45f, c.y + std::sin(a) * r * 1.45f}, r * 0.1f,
             Hex(0x9aa0aa));
    }
    FillSdf(
        img, c.x - r, c.y - r, c.x + r, c.y + r, [&](Vec2 q) { return SdCircle(q, c, r); },
        [&](Vec2 q) {
            return Metal(Hex(0x7a7e88), (q.y - c.y + r) / (2 * r), (q.x - c.x + r) / (2 * r));
        });
    Line(img, {c.x - r, c.y}, {c.x + r, c.y}, r * 0.08f, Hex(0x3a3e46));
    Glow(img, {c.x, c.y - r * 0.1f}, r * 0.25f, core * 1.6f);
}

void Reticle(Image& img, Vec2 c, float r, Rgb colour) {
    Ring(img, c, r, std::max(1.0f, r * 0.04f), colour, 0.9f);
    Ring(img, c, r * 0.45f, std::max(1.0f, r * 0.03f), colour, 0.7f);
    for (int i = 0; i < 4; ++i) {
        float a = i * kPi / 2;
        Line(img, {c.x + std::cos(a) * r * 0.6f, c.y + std::sin(a) * r * 0.6f},
             {c.x + std::cos(a) * r * 1.25f, c.y + std::sin(a) * r * 1.25f},
             std::max(1.0f, r * 0.04f), colour, 0.9f);
    }
}

void Space(Image& img, const Params& p) {
    SpaceBackdrop(img, p.seed, Hex(0x3a3aa0), Hex(0x7a2a4a), 0.5f);
}

}  // namespace

void PaintGear(Image& img, const Params& p) {
    float W = img.W(), H = img.H(), s = std::min(W, H);
    Vec2 c{W * 0.45f, H * 0.5f};
    Rng rng(p.seed);
    switch (p.style) {
        case kGun:
            Bay(img, p.seed, Hex(0xff4030));
            return Turret(img, c, s, 1, Hex(0xff4030), 0.1f);
        case kGun2:
            Bay(img, p.seed, Hex(0x40a0ff));
            return Turret(img, c, s, 2, Hex(0x40a0ff), 0.08f);
        case kGun3:
            Bay(img, p.seed, Hex(0xffa030));
            return Turret(img, c, s, 1, Hex(0xffb040), 0.18f);
        case kGun4:
            Bay(img, p.seed, Hex(0xc060ff));
            Turret(img, c, s, 1, Hex(0xc060ff), 0.13f);
            for (int k = 0; k < 4; ++k)
                Glow(img, {c.x + s * (0.2f + 0.1f * k), c.y - s * (0.04f + 0.02f * k)}, s * 0.04f,
                     Hex(0xb050ff) * 0.9f);
            return;
        case kTorpedo:
            Bay(img, p.seed, Hex(0xff8040));
            return Missile(img, {W * 0.55f, H * 0.48f}, W * 0.55f, H * 0.07f, Hex(0xb8bcc4),
                           Hex(0xffa050));
        case kSurveillance: {  // a sensor pod sweeping a cone of light over the dark
            Bay(img, p.seed, Hex(0x50d0ff));
            Vec2 lens{W * 0.3f, H * 0.42f};
            for (int y = 0; y < img.H(); ++y)
                for (int x = 0; x < img.W(); ++x) {
                    float dx = x - lens.x, dy = y - lens.y;
                    if (dx <= 0) continue;
                    float a = std::atan2(dy, dx);
                    float inCone = Smooth(0.32f, 0.26f, std::fabs(a - 0.12f));
                    float scan = 0.6f + 0.4f * std::sin(std::hypot(dx, dy) * 0.35f);
                    img.At(x, y) = img.At(x, y) +
                                   Hex(0x40b0ff) * (inCone * scan * 0.22f * Smooth(W, 0.0f, dx));
                }
            Box(img, {lens.x - s * 0.12f, lens.y}, {s * 0.16f, s * 0.11f}, Hex(0x6a707a), 1,
                s * 0.03f);
            Box(img, {lens.x - s * 0.12f, lens.y - s * 0.06f}, {s * 0.16f, s * 0.03f},
                Hex(0x9aa0aa), 1, s * 0.02f);
            Disc(img, lens, s * 0.07f, Hex(0x1a2a3a));
            Glow(img, lens, s * 0.05f, Hex(0x80e0ff) * 1.4f);
            Line(img, {lens.x - s * 0.2f, lens.y - s * 0.11f},
                 {lens.x - s * 0.26f, lens.y - s * 0.3f}, s * 0.012f, Hex(0xb0b4bc));
            Glow(img, {lens.x - s * 0.26f, lens.y - s * 0.3f}, s * 0.015f, Hex(0xff4030) * 1.5f);
            return;
        }
        case kEcm: {
            Rgb wave = Hex(0x50ff90);
            Bay(img, p.seed, wave);
            Box(img, {c.x, H * 0.62f}, {s * 0.22f, s * 0.12f}, Hex(0x5a5e68), 1, s * 0.02f);
            Vec2 dish{c.x, H * 0.4f};
            Line(img, {c.x, H * 0.55f}, dish, s * 0.04f, Hex(0x8a8e98));
            FillSdf(
                img, dish.x - s * 0.3f, dish.y - s * 0.3f, dish.x + s * 0.3f, dish.y + s * 0.1f,
                [&](Vec2 q) {
                    return std::max(
                        SdCircle(q, {dish.x, dish.y - s * 0.14f}, s * 0.24f),
                        -SdCircle(q, {dish.x + s * 0.03f, dish.y - s * 0.24f}, s * 0.22f));
                },
                [&](Vec2 q) {
                    return Metal(Hex(0xd0d4dc), (q.y - dish.y + s * 0.12f) / (s * 0.2f));
                });
            for (int k = 1; k <= 4; ++k)
                Ring(img, {dish.x + s * 0.05f, dish.y - s * 0.2f}, s * 0.12f * k,
                     std::max(1.0f, s * 0.012f), wave, 0.6f / k);
            return;
        }
        case kCargo:
            Bay(img, p.seed, Hex(0xffb040));
            DrawCrate(img, {W * 0.3f, H * 0.6f}, W * 0.3f, H * 0.28f, W * 0.12f, Hex(0x3a6aa0), 0);
            DrawCrate(img, {W * 0.62f, H * 0.62f}, W * 0.28f, H * 0.26f, W * 0.12f, Hex(0xc86a1a),
                      0);
            DrawCrate(img, {W * 0.44f, H * 0.33f}, W * 0.26f, H * 0.22f, W * 0.1f, Hex(0x6a7a3a),
                      0);
            return;
        case kHiddenCargo:
            Bay(img, p.seed, Hex(0x8040ff));
            DrawCrate(img, {W * 0.46f, H * 0.58f}, W * 0.42f, H * 0.32f, W * 0.14f, Hex(0x3a3a44),
                      0);
            for (int y = 0; y < img.H(); ++y)
                for (int x = 0; x < img.W(); ++x)
                    img.At(x, y) = img.At(x, y) * (0.45f + 0.55f * Smooth(W * 0.8f, W * 0.3f,
                                                                          static_cast<float>(x)));
            AddBeam(img, {W * 0.62f, 0}, {W * 0.62f, H}, W * 0.012f, Hex(0xa060ff) * 0.8f);
            return;
        case kEngines:
        case kJumpEngines: {
            Bay(img, p.seed, p.style == kEngines ? Hex(0x60a0ff) : Hex(0x60ffe0));
            if (p.style == kEngines) {
                Polygon(
                    img,
                    {{W * 0.25f, H * 0.35f},
                     {W * 0.55f, H * 0.3f},
                     {W * 0.55f, H * 0.7f},
                     {W * 0.25f, H * 0.65f}},
                    [&](Vec2 q) { return Metal(Hex(0x8a8e98), (q.y - H * 0.3f) / (H * 0.4f)); });
                Polygon(
                    img,
                    {{W * 0.55f, H * 0.34f},
                     {W * 0.7f, H * 0.22f},
                     {W * 0.7f, H * 0.78f},
                     {W * 0.55f, H * 0.66f}},
                    [&](Vec2 q) { return Metal(Hex(0x5a5e68), (q.y - H * 0.22f) / (H * 0.56f)); });
                AddBeam(img, {W * 0.7f, H * 0.5f}, {W, H * 0.5f}, H * 0.13f, Hex(0x5a9aff));
                AddBeam(img, {W * 0.7f, H * 0.5f}, {W * 0.9f, H * 0.5f}, H * 0.05f, Hex(0xe0f0ff));
            } else {
                Vec2 m{W * 0.5f, H * 0.48f};
                FillSdf(
                    img, m.x - s * 0.4f, m.y - s * 0.4f, m.x + s * 0.4f, m.y + s * 0.4f,
                    [&](Vec2 q) {
                        return std::fabs(SdEllipse(q, m, s * 0.34f, s * 0.3f)) - s * 0.06f;
                    },
                    [&](Vec2 q) {
                        return Metal(Hex(0xa0a4ae), (q.y - m.y + s * 0.36f) / (s * 0.72f),
                                     (q.x - m.x + s * 0.4f) / (s * 0.8f));
                    });
                Glow(img, m, s * 0.15f, Hex(0x60ffe0));
                for (int i = 0; i < 6; ++i) {
                    float a = rng.Range(0, 2 * kPi);
                    AddBeam(img, m, {m.x + std::cos(a) * s * 0.28f, m.y + std::sin(a) * s * 0.25f},
                            s * 0.01f, Hex(0x90fff0) * 0.7f);
                }
            }
            return;
        }
        case kShuttle:
            Space(img, p);
            DrawHull(img, 0, {W * 0.5f, H * 0.5f}, W * 0.7f, p.seed);
            return;
        case kTargeting: {
            Space(img, p);
            DrawHull(img, 7, {W * 0.5f, H * 0.5f}, W * 0.55f, p.seed);
            Reticle(img, {W * 0.55f, H * 0.48f}, s * 0.3f, Hex(0x50ff70));
            Text(img, "LOCK", {W * 0.06f, H * 0.08f}, std::max(1.0f, s / 60), Hex(0x50ff70));
            return;
        }
        case kShieldGen: {
            Bay(img, p.seed, Hex(0x40c0ff));
            Vec2 m{W * 0.5f, H * 0.5f};
            FillSdf(
                img, 0, 0, W, H, [&](Vec2 q) { return SdCircle(q, m, s * 0.42f); },
                [&](Vec2 q) {
                    float gx = (q.x - m.x) / (s * 0.07f), gy = (q.y - m.y) / (s * 0.07f) * 1.1547f;
                    float hex = std::fabs(std::sin(gx * kPi)) *
                                std::fabs(std::sin((gy + gx * 0.5f) * kPi)) *
                                std::fabs(std::sin((gy - gx * 0.5f) * kPi));
                    float rim = Smooth(s * 0.3f, s * 0.42f, std::hypot(q.x - m.x, q.y - m.y));
                    return img.At(static_cast<int>(q.x), static_cast<int>(q.y)) +
                           Hex(0x40b0ff) *
                               (0.12f + 0.5f * rim + 0.25f * Smooth(0.0f, 0.05f, 0.05f - hex));
                });
            Box(img, {m.x, m.y + s * 0.08f}, {s * 0.1f, s * 0.14f}, Hex(0x7a7e88), 1, s * 0.02f);
            Glow(img, {m.x, m.y}, s * 0.06f, Hex(0x80d0ff) * 1.5f);
            return;
        }
        case kParticle: {
            Bay(img, p.seed, Hex(0x40ffff));
            Vec2 base{W * 0.28f, H * 0.55f};
            Turret(img, base, s, 1, Hex(0x40ffff) * 0.6f, 0.12f);
            Vec2 tip{base.x + s * 0.62f, base.y - s * 0.12f};
            for (int i = 0; i < 50; ++i) {  // the stream of particles
                float t = rng.Unit() * (W - tip.x);
                Glow(img, {tip.x + t, tip.y - t * 0.19f + rng.Range(-2.5f, 2.5f)},
                     0.8f + rng.Unit(), Hex(0xc0ffff) * 1.5f);
            }
            return;
        }
        case kQuantum: {
            Space(img, p);
            Vec2 m{W * 0.55f, H * 0.5f};
            AddBeam(img, {0, H * 0.6f}, m, s * 0.06f, Hex(0x8a60ff) * 0.5f);
            for (int k = 1; k <= 3; ++k)
                Ring(img, m, s * 0.1f * k, std::max(1.0f, s * 0.01f), Hex(0xc0a0ff), 0.5f / k);
            Glow(img, m, s * 0.12f, Hex(0xc8b0ff) * 1.6f);
            Glow(img, m, s * 0.04f, Hex(0xffffff) * 2);
            return;
        }
        case kMine:
            Space(img, p);
            return SpikedSphere(img, {W * 0.5f, H * 0.5f}, s * 0.22f, 10, Hex(0xff3020));
        case kSuperMine:
            Space(img, p);
            Glow(img, {W * 0.5f, H * 0.5f}, s * 0.4f, Hex(0xff6020) * 0.3f);
            return SpikedSphere(img, {W * 0.5f, H * 0.5f}, s * 0.27f, 16, Hex(0xffa020));
        case kArmor:
            Bay(img, p.seed, Hex(0xa0a0a0));
            for (int i = 0; i < 3; ++i) {
                Vec2 m{W * (0.3f + 0.2f * i), H * (0.6f - 0.08f * i)};
                std::vector<Vec2> hex;
                for (int k = 0; k < 6; ++k)
                    hex.push_back({m.x + std::cos(k * kPi / 3) * s * 0.2f,
                                   m.y + std::sin(k * kPi / 3) * s * 0.17f});
                Polygon(img, hex, [&](Vec2 q) {
                    return Metal(Hex(0x8a8e96), (q.y - m.y + s * 0.17f) / (s * 0.34f),
                                 (q.x - m.x + s * 0.2f) / (s * 0.4f));
                });
                for (int k = 0; k < 6; ++k)
                    Line(img, hex[k], hex[(k + 1) % 6], std::max(1.0f, s * 0.012f), Hex(0x3a3e46));
            }
            return;
        case kAgeDrug: {
            VerticalGradient(img, Hex(0x0a140c), Hex(0x020402));
            Glow(img, {W * 0.5f, H * 0.55f}, s * 0.4f, Hex(0x40ff60) * 0.18f);
            Vec2 m{W * 0.48f, H * 0.52f};
            Box(img, {m.x, m.y + s * 0.08f}, {s * 0.1f, s * 0.22f}, Hex(0x60ff70), 0.55f,
                s * 0.03f);
            Box(img, {m.x, m.y - s * 0.04f}, {s * 0.1f, s * 0.34f}, Hex(0xd0e0d8), 0.25f,
                s * 0.03f);
            Box(img, {m.x, m.y - s * 0.4f}, {s * 0.06f, s * 0.05f}, Hex(0x5a3a2a));
            Glow(img, {m.x, m.y + s * 0.1f}, s * 0.1f, Hex(0x60ff70) * 0.8f);
            for (int i = 0; i < 5; ++i)
                Ellipse(img, {W * (0.66f + 0.05f * i), H * (0.8f - 0.02f * (i % 2))}, s * 0.04f,
                        s * 0.02f, Hex(0xe0f0e0));
            return;
        }
        case kHit:
        case kMiss: {
            Space(img, p);
            DrawHull(img, 12, {W * 0.6f, H * 0.55f}, W * 0.6f, p.seed);
            if (p.style == kHit) {
                AddBeam(img, {0, H * 0.1f}, {W * 0.58f, H * 0.52f}, s * 0.025f, Hex(0xff4030));
                DrawExplosion(img, {W * 0.58f, H * 0.52f}, s * 0.16f, p.seed);
            } else {
                AddBeam(img, {0, H * 0.05f}, {W, H * 0.32f}, s * 0.025f, Hex(0xff4030));
            }
            return;
        }
        case kExplosion:
            Space(img, p);
            DrawExplosion(img, {W * 0.5f, H * 0.5f}, s * 0.36f, p.seed);
            for (int i = 0; i < 8; ++i)
                DrawRock(img, {W * rng.Range(0.1f, 0.9f), H * rng.Range(0.1f, 0.9f)},
                         s * rng.Range(0.015f, 0.04f), p.seed + i, 0.5f);
            return;
        case kTorpedoTrack:
            VerticalGradient(img, Hex(0x0a0c18), Hex(0x04050a));
            return Missile(img, {W * 0.58f, H * 0.5f}, W * 0.5f, H * 0.1f, Hex(0xc8ccd4),
                           Hex(0xff6030));
        case kApHelp: {
            VerticalGradient(img, Hex(0x0a1428), Hex(0x04060c));
            float u = std::max(1.0f, s / 50);
            Text(img, "AP", {W * 0.08f, H * 0.1f}, u * 2, Hex(0x80d0ff));
            for (int i = 0; i < 10; ++i) {
                Box(img, {W * (0.12f + 0.08f * i), H * 0.52f}, {W * 0.03f, H * 0.1f},
                    i < 3 ? Hex(0x40ff70) : Hex(0x1a2a3a), 1, u);
            }
            Box(img, {W * 0.5f, H * 0.82f}, {W * 0.3f, H * 0.09f}, Hex(0x2a4a8a), 1, u * 2);
            float tw = TextWidth("END TURN", u);
            Text(img, "END TURN", {W * 0.5f - tw / 2, H * 0.82f - u * 3.5f}, u, Hex(0xffffff));
            return;
        }
        case kBoarding: {
            VerticalGradient(img, Hex(0x1a1410), Hex(0x060404));
            Vec2 v{W * 0.5f, H * 0.45f};  // a corridor in perspective
            for (float t : {0.2f, 0.4f, 0.6f, 0.8f, 1.0f}) {
                float hw = W * 0.5f * t, hh = H * 0.5f * t;
                FillSdf(
                    img, 0, 0, W, H,
                    [&](Vec2 q) {
                        return std::fabs(SdBox(q, v, {hw, hh})) - 1.2f;
                    },
                    Hex(0x5a4a3a), 0.7f);
            }
            Glow(img, v, s * 0.15f, Hex(0xff8040) * 0.5f);
            for (int i = 0; i < 4; ++i) {
                float x = W * (0.2f + 0.2f * i), y = H * (0.62f + 0.04f * (i % 2)),
                      k = s * (0.12f + 0.03f * (i % 2));
                Disc(img, {x, y - k * 1.2f}, k * 0.3f, Hex(0x0a0806));
                Box(img, {x, y}, {k * 0.35f, k * 0.8f}, Hex(0x0a0806), 1, k * 0.2f);
                Line(img, {x, y - k * 0.3f}, {x + k * 0.9f, y - k * 0.5f}, k * 0.12f,
                     Hex(0x0a0806));
                Glow(img, {x + k * 0.95f, y - k * 0.52f}, k * 0.2f, Hex(0xffc060) * 1.5f);
            }
            return;
        }
        default:
            return;
    }
}

}  // namespace corvanth::assets
