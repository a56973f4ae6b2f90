// Special locations and space-event sites: rocks, wormholes, anomalies, beacons, wrecks, finds.
#include <algorithm>
#include <cmath>

#include "drawing.h"

namespace corvanth::assets {

namespace {

constexpr float kPi = 3.14159265f;

void Asteroids(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    SpaceBackdrop(img, p.seed, Hex(0x6a4a2a), Hex(0x2a2a5a), 0.35f);
    Rng rng(p.seed);
    struct Rock {
        Vec2 c;
        float r;
    };
    std::vector<Rock> rocks;
    int n = s < 150 ? 9 : 22;
    for (int i = 0; i < n; ++i)
        rocks.push_back({{rng.Range(0, img.W()), rng.Range(0, img.H())},
                         s * (0.025f + 0.11f * std::pow(rng.Unit(), 2.5f))});
    rocks.push_back({{img.W() * 0.42f, img.H() * 0.55f}, s * (s < 150 ? 0.24f : 0.2f)});
    if (s >= 150) rocks.push_back({{img.W() * 0.86f, img.H() * 0.9f}, s * 0.17f});
    std::sort(rocks.begin(), rocks.end(), [](const Rock& a, const Rock& b) { return a.r < b.r; });
    for (size_t i = 0; i < rocks.size(); ++i)
        DrawRock(img, rocks[i].c, rocks[i].r, p.seed + i * 17,
                 0.45f * (1 - rocks[i].r / (s * 0.2f)));
}

// A throat in space: stars bent around it, another sky inside, a bright spiral rim.
void Swirl(Image& img, const Params& p, Rgb rim, Rgb arms, Rgb otherA, Rgb otherB, bool crackle) {
    Image outside(img.W(), img.H()), inside(img.W(), img.H());
    SpaceBackdrop(outside, p.seed, Hex(0x3a3ab0), Hex(0x2a6ac0), 0.6f, 1.4f);
    SpaceBackdrop(inside, p.seed + 5, otherA, otherB, 1.2f, 2.0f);
    Vec2 c{img.W() * 0.5f, img.H() * 0.5f};
    float e = std::min(img.W(), img.H()) * 0.2f;
    auto s = static_cast<uint32_t>(p.seed);
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) {
            float dx = x + 0.5f - c.x, dy = y + 0.5f - c.y;
            float rho = std::sqrt(dx * dx + dy * dy) + 1e-3f;
            float phi = std::atan2(dy, dx);
            Rgb col;
            if (rho > e) {
                float src = rho - e * e / rho;  // light bent around the throat
                col = outside.Sample(c.x + dx / rho * src, c.y + dy / rho * src);
            } else {
                float k = 0.6f + 0.8f * (rho / e);
                float a = phi + 1.5f * (1 - rho / e);
                col = inside.Sample(c.x + std::cos(a) * rho * k, c.y + std::sin(a) * rho * k);
                col = col * (0.6f + 0.6f * rho / e);
            }
            float t = std::log(rho / e);
            float spiral = std::pow(
                0.5f + 0.5f * std::sin(3 * phi + 7 * t + Fbm2(phi, t * 3, s, 3) * 3), 3.0f);
            float band = std::exp(-std::pow((rho - e) / (e * 0.45f), 2.0f));
            float halo = std::exp(-std::fabs(rho - e) / (e * 0.08f));
            float n = Fbm2(std::cos(phi) * 2 + t * 2, std::sin(phi) * 2, s + 3, 4);
            col = col + arms * (spiral * band * (0.7f + n)) + rim * (halo * 0.9f);
            if (crackle)
                col = col + rim * (std::pow(Clamp01(1 - std::fabs(n) * 6), 8.0f) * band * 0.8f);
            img.At(x, y) = col;
        }
    if (crackle) {  // lightning from the rim
        Rng rng(p.seed);
        for (int bolt = 0; bolt < 5; ++bolt) {
            float a = rng.Range(0, 2 * kPi);
            Vec2 at{c.x + std::cos(a) * e, c.y + std::sin(a) * e};
            for (int k = 0; k < 8; ++k) {
                a += rng.Range(-0.7f, 0.7f);
                Vec2 to{at.x + std::cos(a) * e * 0.15f, at.y + std::sin(a) * e * 0.15f};
                Line(img, at, to, std::max(1.0f, e * 0.02f), Mix(rim, Rgb{1, 1, 1}, 0.6f), 0.8f);
                Glow(img, to, e * 0.06f, rim * 0.25f);
                at = to;
            }
        }
    }
}

void NavPoint(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    SpaceBackdrop(img, p.seed, Hex(0x1a4a8a), Hex(0x2a2a7a), 0.45f);
    Vec2 c{img.W() * 0.5f, img.H() * 0.52f};
    for (int i = 0; i < 3; ++i) {  // the beacon's rings, in perspective
        float rx = s * (0.2f + 0.1f * i), ry = rx * 0.38f;
        FillSdf(
            img, c.x - rx - 2, c.y - ry - 2, c.x + rx + 2, c.y + ry + 2,
            [=](Vec2 q) { return std::fabs(SdEllipse(q, c, rx, ry)) - std::max(0.7f, s * 0.006f); },
            [=](Vec2 q) {
                float a = std::atan2((q.y - c.y) / ry, (q.x - c.x) / rx);
                float dash = std::sin(a * (10 + 4 * i)) > -0.2f ? 1.0f : 0.15f;
                return Hex(0x50d8ff) * (0.5f + 0.9f * dash);
            },
            0.85f - 0.2f * i);
    }
    float u = s * 0.07f;
    DrawSolarPanel(img, {c.x - u * 2.3f, c.y}, u * 2.4f, u * 0.9f);
    DrawSolarPanel(img, {c.x + u * 2.3f, c.y}, u * 2.4f, u * 0.9f);
    Line(img, {c.x - u * 1.1f, c.y}, {c.x + u * 1.1f, c.y}, u * 0.2f, Hex(0x8a8a90));
    std::vector<Vec2> hex;
    for (int i = 0; i < 6; ++i)
        hex.push_back({c.x + std::cos(i * kPi / 3) * u, c.y + std::sin(i * kPi / 3) * u});
    Polygon(img, hex, [&](Vec2 q) {
        return Metal(Hex(0xb8bcc4), (q.y - c.y + u) / (2 * u), (q.x - c.x + u) / (2 * u));
    });
    Line(img, {c.x, c.y - u}, {c.x, c.y - u * 2.6f}, std::max(0.8f, u * 0.12f), Hex(0xc0c4cc));
    Glow(img, {c.x, c.y - u * 2.7f}, u * 0.5f, Hex(0xff4030) * 1.4f);
    Glow(img, {c.x, c.y - u * 2.7f}, u * 1.6f, Hex(0xff4030) * 0.3f);
    Glow(img, c, u * 0.35f, Hex(0x80e8ff));
}

void Station(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    SpaceBackdrop(img, p.seed, Hex(0x2a3a8a), Hex(0x3a2a6a), 0.3f);
    DrawPlanetBody(img, {img.W() * 0.2f, img.H() * 1.25f}, s * 0.55f, kEarth, p.seed + 1);
    Vec2 c{img.W() * 0.52f, img.H() * 0.46f};
    float rx = s * 0.38f, ry = rx * 0.36f, tube = s * 0.05f;
    auto ringSdf = [=](Vec2 q) { return std::fabs(SdEllipse(q, c, rx, ry)) - tube; };
    auto ringShade = [=](Vec2 q) {
        float a = std::atan2((q.y - c.y) / ry, (q.x - c.x) / rx);
        float across = Clamp01((SdEllipse(q, c, rx, ry) + tube) / (2 * tube));
        float seg = std::sin(a * 12) > 0.9f ? 0.7f : 1.0f;
        return Metal(Hex(0xa8acb8), across, 0.5f + 0.5f * std::cos(a + 2.2f)) * seg;
    };
    // back half of the ring, spokes and hub, then the front half
    FillSdf(img, c.x - rx - tube, c.y - ry - tube, c.x + rx + tube, c.y + 1, ringSdf, ringShade);
    for (int i = 0; i < 4; ++i) {
        float a = i * kPi / 2 + 0.4f;
        Line(img, c, {c.x + std::cos(a) * rx, c.y + std::sin(a) * ry}, s * 0.018f, Hex(0x8a8e98));
    }
    Box(img, c, {s * 0.05f, s * 0.16f}, Hex(0x9aa0aa), 1, s * 0.03f);
    Ellipse(img, {c.x, c.y - s * 0.16f}, s * 0.07f, s * 0.025f, Hex(0xc8ccd4));
    Line(img, {c.x, c.y - s * 0.17f}, {c.x, c.y - s * 0.3f}, std::max(0.7f, s * 0.01f),
         Hex(0xc8ccd4));
    FillSdf(img, c.x - rx - tube, c.y - 1, c.x + rx + tube, c.y + ry + tube, ringSdf, ringShade);
    Rng rng(p.seed);
    for (int i = 0; i < 26; ++i) {  // windows along the ring
        float a = rng.Range(0.1f, kPi - 0.1f);
        Glow(img, {c.x + std::cos(a) * rx, c.y + std::sin(a) * ry}, std::max(0.6f, s * 0.006f),
             Hex(0xffd890) * 1.2f);
    }
    Glow(img, {c.x, c.y - s * 0.3f}, s * 0.02f, Hex(0xff5040) * 2);
}

void Pod(Image& img, const Params& p, bool survivors) {
    float s = std::min(img.W(), img.H());
    SpaceBackdrop(img, p.seed, Hex(0x4a2a6a), Hex(0x1a3a7a), 0.4f);
    Vec2 c{img.W() * 0.5f, img.H() * 0.52f};
    float l = s * 0.3f, r = s * 0.13f;
    Glow(img, {c.x - l * 1.1f, c.y}, r * 0.6f, Hex(0x6090ff) * 0.8f);
    Polygon(img,
            {{c.x - l, c.y - r * 0.6f},
             {c.x - l * 1.15f, c.y - r * 0.8f},
             {c.x - l * 1.15f, c.y + r * 0.8f},
             {c.x - l, c.y + r * 0.6f}},
            Hex(0x505460));
    FillSdf(
        img, c.x - l, c.y - r, c.x + l, c.y + r,
        [=](Vec2 q) {
            return SdBox(q, c, {l, r}, r * 0.95f);
        },
        [=](Vec2 q) {
            float t = (q.y - c.y + r) / (2 * r);
            Rgb base = std::fabs(q.x - c.x + l * 0.3f) < l * 0.1f ? Hex(0xe07a20) : Hex(0xd8dce2);
            return Metal(base, t);
        });
    int windows = survivors ? 4 : 2;
    for (int i = 0; i < windows; ++i) {
        Vec2 w{c.x + l * (0.05f + 0.22f * i), c.y - r * 0.15f};
        Disc(img, w, r * 0.22f, Hex(0x203040));
        if (survivors)
            Glow(img, w, r * 0.2f, Hex(0xffd080) * 0.9f);
        else
            Disc(img, {w.x - r * 0.06f, w.y - r * 0.06f}, r * 0.08f, Hex(0x8ab0d0), 0.7f);
    }
    Rgb beacon = survivors ? Hex(0x40ff70) : Hex(0xff3a2a);
    Glow(img, {c.x + l * 0.2f, c.y - r * 1.05f}, r * 0.25f, beacon * 1.6f);
    Glow(img, {c.x + l * 0.2f, c.y - r * 1.05f}, r * 1.0f, beacon * 0.25f);
    if (survivors)
        for (int k = 1; k <= 3; ++k)
            Ring(img, {c.x + l * 0.2f, c.y - r * 1.05f}, r * 0.8f * k, std::max(0.8f, s * 0.006f),
                 beacon, 0.35f / k);
}

void Treasure(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    SpaceBackdrop(img, p.seed, Hex(0x6a4a1a), Hex(0x4a2a5a), 0.45f);
    Vec2 c{img.W() * 0.48f, img.H() * 0.58f};
    Glow(img, {c.x, c.y - s * 0.1f}, s * 0.3f, Hex(0xffb030) * 0.45f);
    DrawCrate(img, c, s * 0.46f, s * 0.24f, s * 0.2f, Hex(0x7a4a22), 0.8f);
    Rng rng(p.seed);
    for (int i = 0; i < 14; ++i) {  // ingots and coins spilling over the rim
        Vec2 q{c.x + rng.Range(-0.2f, 0.28f) * s, c.y - s * 0.13f + rng.Range(-0.04f, 0.02f) * s};
        if (i % 3 == 0)
            Box(img, q, {s * 0.04f, s * 0.016f}, Mix(Hex(0xd89a2a), Hex(0xfff0a0), rng.Unit()), 1,
                s * 0.004f);
        else
            Ellipse(img, q, s * 0.022f, s * 0.012f, Mix(Hex(0xc88a20), Hex(0xffe080), rng.Unit()));
    }
    for (int i = 0; i < 10; ++i)
        Glow(img, {c.x + rng.Range(-0.3f, 0.3f) * s, c.y - rng.Range(0.1f, 0.4f) * s},
             std::max(0.7f, s * 0.008f), Hex(0xfff0b0) * 1.5f);
}

void Artefact(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    SpaceBackdrop(img, p.seed, Hex(0x1a6a6a), Hex(0x4a1a7a), 0.6f);
    Vec2 c{img.W() * 0.5f, img.H() * 0.5f};
    Glow(img, c, s * 0.3f, Hex(0x30c0c0) * 0.4f);
    float h = s * 0.36f, w = s * 0.13f;
    Vec2 top{c.x, c.y - h}, bottom{c.x, c.y + h}, left{c.x - w, c.y + h * 0.05f},
        right{c.x + w, c.y + h * 0.05f}, front{c.x + w * 0.15f, c.y + h * 0.12f};
    Polygon(img, {top, left, front}, Hex(0x2a5a6a));
    Polygon(img, {top, front, right}, Hex(0x14303a));
    Polygon(img, {bottom, front, left}, Hex(0x1a3a48));
    Polygon(img, {bottom, right, front}, Hex(0x0c1c24));
    Rng rng(p.seed);
    for (int i = 0; i < 7; ++i) {  // glowing runes on the lit face
        float t = 0.25f + 0.09f * i;
        Vec2 a{c.x - w * 0.6f * t * 1.4f, c.y - h + h * 1.05f * t};
        Vec2 b{a.x + w * rng.Range(0.2f, 0.5f), a.y + rng.Range(-0.02f, 0.02f) * s};
        Line(img, a, b, std::max(0.8f, s * 0.008f), Hex(0x70fff0), 0.9f);
        Glow(img, b, std::max(0.8f, s * 0.01f), Hex(0x40ffe0) * 0.6f);
    }
    for (int i = 0; i < 5; ++i)
        DrawRock(img, {c.x + rng.Range(-0.4f, 0.4f) * s, c.y + rng.Range(0.2f, 0.42f) * s},
                 s * rng.Range(0.02f, 0.05f), p.seed + i, 0.4f);
}

void Antenna(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    SpaceBackdrop(img, p.seed, Hex(0x2a4a8a), Hex(0x5a2a5a), 0.4f);
    DrawRock(img, {img.W() * 0.45f, img.H() * 0.78f}, s * 0.2f, p.seed, 0.1f);
    Vec2 dish{img.W() * 0.45f, img.H() * 0.5f};
    Line(img, {dish.x, img.H() * 0.66f}, dish, s * 0.03f, Hex(0x9a9ea8));
    FillSdf(
        img, dish.x - s * 0.2f, dish.y - s * 0.2f, dish.x + s * 0.2f, dish.y + s * 0.05f,
        [=](Vec2 q) {
            return std::max(SdCircle(q, {dish.x, dish.y - s * 0.12f}, s * 0.18f),
                            -SdCircle(q, {dish.x + s * 0.02f, dish.y - s * 0.2f}, s * 0.17f));
        },
        [=](Vec2 q) { return Metal(Hex(0xd0d4dc), (q.y - dish.y + s * 0.1f) / (s * 0.15f)); });
    Vec2 tip{dish.x + s * 0.06f, dish.y - s * 0.18f};
    Line(img, {dish.x, dish.y - s * 0.04f}, tip, std::max(0.7f, s * 0.012f), Hex(0xc0c4cc));
    for (int k = 1; k <= 4; ++k)
        FillSdf(
            img, tip.x, tip.y - s * 0.1f * k - 2, tip.x + s * 0.1f * k + 2, tip.y + s * 0.1f * k,
            [=](Vec2 q) {
                float ring =
                    std::fabs(SdCircle(q, tip, s * 0.09f * k)) - std::max(0.6f, s * 0.008f);
                return std::max(ring, -(q.x - tip.x) + std::fabs(q.y - tip.y) * 0.9f);
            },
            Hex(0x7af0ff), 0.9f / k);
    Glow(img, tip, s * 0.025f, Hex(0x90f8ff) * 1.5f);
}

void Container(Image& img, const Params& p) {
    float s = std::min(img.W(), img.H());
    SpaceBackdrop(img, p.seed, Hex(0x3a3a7a), Hex(0x2a5a6a), 0.35f);
    DrawCrate(img, {img.W() * 0.44f, img.H() * 0.56f}, s * 0.5f, s * 0.28f, s * 0.22f,
              Hex(0xc86a1a), 0);
    Glow(img, {img.W() * 0.22f, img.H() * 0.38f}, s * 0.02f, Hex(0x40ff60) * 1.8f);
}

}  // namespace

void PaintSite(Image& img, const Params& p) {
    switch (p.style) {
        case kAsteroids:
            return Asteroids(img, p);
        case kWormhole:
            return Swirl(img, p, Hex(0xa0d8ff), Hex(0x4a7aff), Hex(0x8a3ac0), Hex(0xd04a8a), false);
        case kAnomaly:
            return Swirl(img, p, Hex(0xb0ff70), Hex(0x40c060), Hex(0xc08a2a), Hex(0x3a8a3a), true);
        case kAnomalySmall:
            return Swirl(img, p, Hex(0xffa0e0), Hex(0xc040c0), Hex(0x3a3ab0), Hex(0xa02a6a), true);
        case kNavPoint:
            return NavPoint(img, p);
        case kStation:
            return Station(img, p);
        case kLifepod:
            return Pod(img, p, false);
        case kPassenger:
            return Pod(img, p, true);
        case kGhostship: {
            float s = std::min(img.W(), img.H());
            SpaceBackdrop(img, p.seed, Hex(0x2a6a4a), Hex(0x1a3a3a), 0.7f);
            DrawHull(img, 9, {img.W() * 0.5f, img.H() * 0.5f}, s * 0.85f, p.seed, 0.8f);
            Nebula(img, p.seed + 9, Hex(0x3a8a6a), Hex(0x1a4a4a), 0.35f, 0.5f);
            return;
        }
        case kTreasure:
            return Treasure(img, p);
        case kArtefact:
            return Artefact(img, p);
        case kAntenna:
            return Antenna(img, p);
        case kContainer:
            return Container(img, p);
        default:
            return;
    }
}

}  // namespace corvanth::assets
