// Stylised head-and-shoulders figures, shared by the portraits and the story scenes.
#include "bust.h"

#include <algorithm>
#include <cmath>

#include "drawing.h"

namespace corvanth::assets {

namespace {

struct Ctx {
    Image& img;
    const Person& who;
    Vec2 h;
    float u;
    uint32_t s;
    Vec2 P(float x, float y) const { return {h.x + x * u, h.y + y * u}; }
    Vec2 L(Vec2 p) const { return {(p.x - h.x) / u, (p.y - h.y) / u}; }  // to head units
    float Box0() const { return h.x - 3.2f * u; }
};

// The head: an egg narrowing to the chin; distances in pixels.
float HeadSdf(const Ctx& c, Vec2 p) {
    Vec2 l = c.L(p);
    float rx = c.who.female ? 0.7f : 0.76f;
    float narrow = 1 - 0.26f * Smooth(0.0f, 1.0f, l.y);
    return SdEllipse(l, {0, 0}, rx * narrow, 1.0f) * c.u;
}

float Hairline(const Ctx& c, float x) {
    float recede = c.who.female ? 0 : Smooth(0.35f, 0.85f, c.who.age) * 0.32f;
    if (c.who.hairStyle == Hair::Long || c.who.hairStyle == Hair::Bun)
        return -0.5f + 0.22f * (x / 0.7f) + 0.08f * x * x;  // swept to one side
    return -0.5f + 0.2f * x * x + 0.07f * x - recede * (1 - std::min(1.0f, x * x * 2.2f));
}

Rgb HairColour(const Person& who) {
    Rgb grey = Mix(who.hair, Hex(0x8e8e92), Smooth(0.15f, 0.6f, who.age));
    return Mix(grey, Hex(0xe6e6e8), Smooth(0.6f, 0.95f, who.age));
}

Rgb HairShade(const Ctx& c, Vec2 p, Rgb base) {
    Vec2 l = c.L(p);
    float strands = Fbm2(l.x * 9, l.y * 1.6f, c.s + 21, 3);
    float sheen =
        std::exp(-std::pow((l.x + 0.25f + l.y * 0.3f) / 0.25f, 2.0f)) * Clamp01(-l.y) * 0.35f;
    float side = 0.75f + 0.35f * Clamp01(0.5f - l.x * 0.5f);
    return base * ((0.8f + 0.45f * strands) * side) + Rgb{1, 1, 1} * sheen * Luma(base);
}

void BackHair(Ctx& c) {
    Rgb base = HairColour(c.who);
    if (c.who.hairStyle == Hair::Bun)
        FillSdf(
            c.img, c.h.x - c.u, c.h.y - 1.5f * c.u, c.h.x + c.u, c.h.y,
            [&](Vec2 p) { return SdCircle(p, c.P(0.28f, -1.08f), c.u * 0.3f); },
            [&](Vec2 p) { return HairShade(c, p, base) * 0.8f; });
    if (c.who.hairStyle != Hair::Long) return;
    FillSdf(
        c.img, c.h.x - 1.3f * c.u, c.h.y - 1.2f * c.u, c.h.x + 1.3f * c.u, c.h.y + 2.3f * c.u,
        [&](Vec2 p) {
            Vec2 l = c.L(p);
            float w = 0.98f + 0.12f * l.y;
            return SdBox(l, {0, 0.5f}, {w, 1.55f}, 0.9f) * c.u;
        },
        [&](Vec2 p) { return HairShade(c, p, base) * 0.75f; });
}

void Torso(Ctx& c) {
    const Person& w = c.who;
    float k = w.female ? 0.84f : 1.0f;
    std::vector<Vec2> shape;
    for (Vec2 v : std::vector<Vec2>{
             {0.42f, 1.1f}, {1.45f, 1.5f}, {2.15f, 1.95f}, {2.5f, 2.7f}, {2.6f, 5.0f}})
        shape.push_back(c.P(v.x * k, v.y));
    for (Vec2 v : std::vector<Vec2>{
             {-2.6f, 5.0f}, {-2.5f, 2.7f}, {-2.15f, 1.95f}, {-1.45f, 1.5f}, {-0.42f, 1.1f}})
        shape.push_back(c.P(v.x * k, v.y));
    // The neck first: a lit cylinder in the shadow of the chin.
    const float neckW = w.female ? 0.26f : 0.34f;
    FillSdf(
        c.img, c.h.x - c.u, c.h.y + 0.5f * c.u, c.h.x + c.u, c.h.y + 1.6f * c.u,
        [&](Vec2 p) {
            return SdBox(p, c.P(0, 1.05f), {c.u * neckW, c.u * 0.5f});
        },
        [&](Vec2 p) {
            Vec2 l = c.L(p);
            float nx = std::clamp(l.x / neckW, -1.0f, 1.0f);
            float lam = Clamp01(-0.55f * nx + 0.7f * std::sqrt(1 - nx * nx));
            float chin = Smooth(0.75f, 1.15f, l.y);
            return w.skin * ((0.3f + 0.55f * lam) * (0.55f + 0.45f * chin)) +
                   Hex(0x6a8aff) * (0.25f * std::pow(Clamp01(nx), 4.0f));
        });
    // The body as a rounded volume lit from the upper left, a cool rim on its far edge, and the
    // head's soft shadow across the collar.
    auto lit = [&](Vec2 p) {
        Vec2 l = c.L(p);
        float nx = std::clamp(l.x / (2.7f * k), -1.0f, 1.0f);
        float ny = -Clamp01((2.4f - l.y) / 1.2f) * 0.6f;  // the shoulders turn up to the light
        Vec3 n = Normalize({nx, ny, std::sqrt(Clamp01(1 - nx * nx))});
        float lam = Clamp01(Dot(n, Normalize({-0.55f, -0.45f, 0.7f})));
        float fold = 0.92f + 0.1f * Fbm2(l.x * 2, l.y * 3, c.s + 4, 2);
        float shadow =
            1 - 0.35f * std::exp(-(l.x * l.x / 0.5f + std::pow(l.y - 1.3f, 2.0f) / 0.2f));
        return (0.22f + 0.95f * lam * fold) * shadow;
    };
    auto rim = [&](Vec2 p) {
        Vec2 l = c.L(p);
        return std::pow(Clamp01(l.x / (2.6f * k)), 6.0f) * Smooth(5.0f, 2.0f, l.y);
    };
    Rgb cloth = w.outfit == Outfit::Gown ? Hex(0xf4f0ea) : w.cloth;
    Polygon(c.img, shape,
            [&](Vec2 p) { return cloth * lit(p) + Hex(0x5a7ad8) * (0.45f * rim(p)); });
    auto vNeck = [&](float depth, float width, Rgb fill) {
        Polygon(c.img, {c.P(-width, 1.25f), c.P(width, 1.25f), c.P(0, 1.25f + depth)},
                [&](Vec2 p) { return fill * lit(p); });
    };
    switch (w.outfit) {
        case Outfit::Captain:
        case Outfit::Officer: {
            // high collar, piping, shoulder boards
            Polygon(c.img,
                    {c.P(-0.5f, 1.05f), c.P(0.5f, 1.05f), c.P(0.56f, 1.45f), c.P(0, 1.62f),
                     c.P(-0.56f, 1.45f)},
                    [&](Vec2 p) { return cloth * (lit(p) * 0.8f); });
            Line(c.img, c.P(-0.56f, 1.45f), c.P(0, 1.62f), c.u * 0.05f, w.trim);
            Line(c.img, c.P(0.56f, 1.45f), c.P(0, 1.62f), c.u * 0.05f, w.trim);
            Line(c.img, c.P(0, 1.62f), c.P(0, 5), c.u * 0.04f, w.trim * 0.85f);
            for (int side : {-1, 1}) {
                Line(c.img, c.P(side * 1.0f * k, 1.48f), c.P(side * 1.85f * k, 1.86f), c.u * 0.26f,
                     w.trim * 0.8f);
                Line(c.img, c.P(side * 1.0f * k, 1.43f), c.P(side * 1.85f * k, 1.81f), c.u * 0.08f,
                     w.trim * 1.1f, 0.6f);
                if (w.outfit == Outfit::Captain)
                    for (int i = 0; i < 3; ++i)
                        Line(c.img, c.P(side * (1.25f + 0.2f * i) * k, 1.46f + 0.09f * i),
                             c.P(side * (1.17f + 0.2f * i) * k, 1.7f + 0.09f * i), c.u * 0.035f,
                             Hex(0xfff2c0));
            }
            Polygon(c.img, StarPoints(c.P(-1.05f * k, 2.35f), c.u * 0.17f, c.u * 0.07f), w.trim);
            break;
        }
        case Outfit::Suit:
        case Outfit::Vest: {
            vNeck(1.3f, 0.5f, Hex(0xe8e8ea));
            Polygon(c.img,
                    {c.P(-0.08f, 1.3f), c.P(0.08f, 1.3f), c.P(0.13f, 2.4f), c.P(0, 2.55f),
                     c.P(-0.13f, 2.4f)},
                    w.trim);
            for (int side : {-1, 1})
                Polygon(c.img,
                        {c.P(side * 0.5f, 1.25f), c.P(side * 0.95f, 1.55f), c.P(side * 0.55f, 2.2f),
                         c.P(side * 0.1f, 2.6f)},
                        [&](Vec2 p) { return cloth * (lit(p) * 0.7f); });
            if (w.outfit == Outfit::Vest)
                for (int side : {-1, 1})
                    Polygon(c.img,
                            {c.P(side * 1.45f * k, 1.5f), c.P(side * 2.6f * k, 2.7f),
                             c.P(side * 2.6f * k, 5), c.P(side * 1.9f * k, 5),
                             c.P(side * 1.75f * k, 2.4f)},
                            [&](Vec2 p) { return Hex(0xe8e4dc) * lit(p); });
            break;
        }
        case Outfit::Dress:
        case Outfit::Gown: {
            FillSdf(
                c.img, c.h.x - c.u * 1.2f, c.h.y + c.u * 1.1f, c.h.x + c.u * 1.2f,
                c.h.y + c.u * 2.2f,
                [&](Vec2 p) {
                    return std::max(SdEllipse(c.L(p), {0, 1.2f}, 0.95f, 0.75f) * c.u,
                                    c.h.y + 1.15f * c.u - p.y);
                },
                [&](Vec2 p) { return w.skin * (lit(p) * 0.95f); });
            Line(c.img, c.P(-0.95f, 1.25f), c.P(-1.6f * k, 1.6f), c.u * 0.1f, w.trim, 0.9f);
            Line(c.img, c.P(0.95f, 1.25f), c.P(1.6f * k, 1.6f), c.u * 0.1f, w.trim, 0.9f);
            break;
        }
        case Outfit::Coat: {
            vNeck(0.9f, 0.45f, w.skin * 0.8f);
            for (int side : {-1, 1})
                Polygon(c.img,
                        {c.P(side * 0.45f, 1.15f), c.P(side * 1.1f, 1.3f), c.P(side * 0.9f, 2.4f),
                         c.P(side * 0.25f, 2.2f)},
                        [&](Vec2 p) { return cloth * (lit(p) * 1.15f); });
            Line(c.img, c.P(-0.9f, 2.4f), c.P(-0.25f, 2.2f), c.u * 0.06f, w.trim, 0.8f);
            break;
        }
        case Outfit::FlightSuit: {
            Polygon(c.img, {c.P(-1.2f, 1.5f), c.P(1.2f, 1.5f), c.P(1.0f, 2.8f), c.P(-1.0f, 2.8f)},
                    [&](Vec2 p) { return Metal(Hex(0x5a5e68), (c.L(p).y - 1.5f) / 1.3f); });
            Line(c.img, c.P(-1.2f, 2.1f), c.P(1.2f, 2.1f), c.u * 0.18f, w.trim);
            break;
        }
        case Outfit::Cloak: {
            FillSdf(
                c.img, c.h.x - 2 * c.u, c.h.y - 1.5f * c.u, c.h.x + 2 * c.u, c.h.y + 2 * c.u,
                [&](Vec2 p) {
                    return SdEllipse(c.L(p), {0, 0.1f}, 1.25f, 1.5f) * c.u;
                },
                [&](Vec2 p) { return cloth * (lit(p) * 0.8f); });
            break;
        }
    }
    if (w.sash)
        Polygon(
            c.img,
            {c.P(-1.6f * k, 1.6f), c.P(-1.1f * k, 1.5f), c.P(1.7f * k, 3.6f), c.P(1.2f * k, 3.9f)},
            [&](Vec2 p) { return w.trim * lit(p); });
    if (w.necklace) {
        for (int i = -4; i <= 4; ++i) {
            float t = i / 4.0f;
            Disc(c.img, c.P(t * 0.62f, 1.45f + 0.25f * (1 - t * t)), c.u * 0.045f, Hex(0xf0e8d8));
        }
        Polygon(c.img, StarPoints(c.P(0, 1.78f), c.u * 0.1f, c.u * 0.05f, 0, 4), Hex(0x80d8ff));
    }
}

void Face(Ctx& c) {
    const Person& w = c.who;
    Vec3 light = Normalize({-0.55f, -0.45f, 0.7f});
    Rgb skin = Mix(w.skin, Hex(0xb8b8a8), Smooth(0.85f, 1.0f, w.age) * 0.35f);
    for (int side : {-1, 1})
        Ellipse(c.img, c.P(side * (w.female ? 0.69f : 0.75f), 0.08f), c.u * 0.12f, c.u * 0.2f,
                skin * (side < 0 ? 0.85f : 0.6f));
    float x0 = c.h.x - c.u, x1 = c.h.x + c.u, y0 = c.h.y - c.u * 1.05f, y1 = c.h.y + c.u * 1.05f;
    FillSdf(
        c.img, x0, y0, x1, y1, [&](Vec2 p) { return HeadSdf(c, p); },
        [&](Vec2 p) {
            Vec2 l = c.L(p);
            float nx = l.x / 0.75f, ny = l.y;
            float nz = std::sqrt(Clamp01(1 - nx * nx * 0.9f - ny * ny * 0.8f));
            float lam = Clamp01(Dot(Normalize({nx, ny * 0.8f, nz + 0.2f}), light));
            float sockets = 0;
            for (int side : {-1, 1})
                sockets += std::exp(-(std::pow((l.x - side * 0.3f) / 0.2f, 2.0f) +
                                      std::pow((l.y + 0.02f) / 0.12f, 2.0f)));
            Rgb col = skin * (0.42f + 0.7f * lam) * (1 - 0.18f * sockets * (0.6f + w.age));
            float cheek = 0;
            for (int side : {-1, 1})
                cheek += std::exp(-(std::pow((l.x - side * 0.4f) / 0.16f, 2.0f) +
                                    std::pow((l.y - 0.32f) / 0.14f, 2.0f)));
            col = Mix(col, Hex(0xd86a5a) * (0.5f + lam * 0.5f), cheek * (w.female ? 0.25f : 0.1f));
            // Warmth where light passes under the skin, a soft sheen on the lit brow and cheek,
            // and the cool rim of the backdrop's light along the shadowed edge.
            col = col + Hex(0x8a2a10) * (0.12f * (1 - lam));
            Vec3 half = Normalize({light.x, light.y, light.z + 1});
            float spec = std::pow(Clamp01(Dot(Normalize({nx, ny * 0.8f, nz + 0.2f}), half)), 18.0f);
            col = col + Rgb{1, 0.95f, 0.9f} * (0.12f * spec);
            float rimK = std::pow(Clamp01(1 - nz), 2.5f) * Clamp01(nx * 1.5f + 0.3f);
            return col + Hex(0x6a8aff) * (0.5f * rimK);
        });
    float lw = std::max(0.5f, c.u * 0.025f);
    // eyes and brows
    for (int side : {-1, 1}) {
        Vec2 e = c.P(side * 0.3f, -0.02f);
        if (w.eyepatch && side > 0) continue;
        Ellipse(c.img, e, c.u * 0.15f, c.u * 0.07f, Hex(0xf0ece6));
        Disc(c.img, e, c.u * 0.06f, w.eyes);
        Disc(c.img, e, c.u * 0.028f, Hex(0x0a0a0a));
        Disc(c.img, {e.x - c.u * 0.02f, e.y - c.u * 0.02f}, c.u * 0.014f, Hex(0xffffff), 0.9f);
        Line(c.img, c.P(side * 0.15f, -0.06f), c.P(side * 0.45f, -0.04f), lw * 1.6f,
             skin * 0.35f);  // upper lid
        if (w.female)
            Line(c.img, c.P(side * 0.42f, -0.05f), c.P(side * 0.5f, -0.1f), lw * 1.2f,
                 Hex(0x1a1010));
        float lift = w.female ? 0.04f : 0.0f;
        Line(c.img, c.P(side * 0.13f, -0.19f - lift), c.P(side * 0.32f, -0.25f - lift),
             c.u * (w.female ? 0.04f : 0.07f), HairColour(w) * 0.8f);
        Line(c.img, c.P(side * 0.32f, -0.25f - lift), c.P(side * 0.47f, -0.2f - lift),
             c.u * (w.female ? 0.035f : 0.06f), HairColour(w) * 0.8f);
        if (w.age > 0.3f) {  // crow's feet and bags
            float a = Smooth(0.3f, 0.8f, w.age) * 0.5f;
            Line(c.img, c.P(side * 0.48f, 0.0f), c.P(side * 0.58f, -0.04f), lw, skin * 0.45f, a);
            Line(c.img, c.P(side * 0.48f, 0.04f), c.P(side * 0.58f, 0.07f), lw, skin * 0.45f, a);
            Line(c.img, c.P(side * 0.2f, 0.1f), c.P(side * 0.4f, 0.1f), lw, skin * 0.5f, a);
        }
    }
    if (w.age > 0.9f)
        for (int side : {-1, 1})
            Ellipse(c.img, c.P(side * 0.3f, 0.09f), c.u * 0.14f, c.u * 0.05f, Hex(0x4a3a48), 0.35f);
    if (w.age > 0.35f)
        for (int i = 0; i < 3; ++i)
            Line(c.img, c.P(-0.3f, -0.33f - 0.06f * i), c.P(0.3f, -0.33f - 0.06f * i), lw,
                 skin * 0.55f, Smooth(0.35f, 0.9f, w.age) * 0.45f);
    // nose
    Line(c.img, c.P(0.05f, -0.02f), c.P(0.09f, 0.28f), lw * 1.4f, skin * 0.55f, 0.7f);
    Line(c.img, c.P(-0.03f, 0.0f), c.P(-0.03f, 0.22f), lw * 1.4f, skin * 1.15f, 0.5f);
    for (int side : {-1, 1})
        Ellipse(c.img, c.P(side * 0.07f, 0.33f), c.u * 0.04f, c.u * 0.022f, skin * 0.35f);
    if (w.age > 0.15f)
        for (int side : {-1, 1})
            Line(c.img, c.P(side * 0.16f, 0.33f), c.P(side * 0.26f, 0.58f), lw, skin * 0.5f,
                 Smooth(0.15f, 0.7f, w.age) * 0.6f);
    // mouth: a slight curve
    float curve = w.smile ? 0.04f : -0.01f;
    Rgb lip = w.female ? Hex(0xb8404a) : skin * 0.6f;
    Line(c.img, c.P(-0.17f, 0.54f - curve), c.P(0, 0.57f), c.u * (w.female ? 0.07f : 0.045f), lip);
    Line(c.img, c.P(0, 0.57f), c.P(0.17f, 0.54f - curve), c.u * (w.female ? 0.07f : 0.045f), lip);
    Line(c.img, c.P(-0.08f, 0.62f), c.P(0.08f, 0.62f), c.u * 0.05f, Mix(lip, skin, 0.5f) * 1.1f,
         0.6f);
    if (w.scar) Line(c.img, c.P(0.32f, -0.35f), c.P(0.45f, 0.3f), lw * 1.8f, Hex(0x8a3a34), 0.8f);
}

void FacialHair(Ctx& c) {
    const Person& w = c.who;
    Rgb hair = HairColour(w);
    if (w.beard)
        FillSdf(
            c.img, c.h.x - c.u, c.h.y, c.h.x + c.u, c.h.y + 1.2f * c.u,
            [&](Vec2 p) {
                Vec2 l = c.L(p);
                float d = std::max(HeadSdf(c, p) - 0.06f * c.u, (0.3f - l.y) * c.u);
                float mouth = SdEllipse(l, {0, 0.58f}, 0.2f, 0.08f) * c.u;
                return std::max(d, -mouth);
            },
            [&](Vec2 p) { return HairShade(c, p, hair) * 0.85f; });
    if (w.mustache || w.beard)
        for (int side : {-1, 1})
            Line(c.img, c.P(side * 0.03f, 0.46f), c.P(side * 0.26f, 0.56f), c.u * 0.09f,
                 hair * 0.85f);
}

void TopHair(Ctx& c) {
    const Person& w = c.who;
    if (w.hairStyle == Hair::Bald && w.age > 0.3f) return;
    Rgb base = HairColour(w);
    float volume = w.hairStyle == Hair::Slick ? 0.05f : 0.12f;
    FillSdf(
        c.img, c.h.x - 1.1f * c.u, c.h.y - 1.3f * c.u, c.h.x + 1.1f * c.u, c.h.y + 0.5f * c.u,
        [&](Vec2 p) {
            Vec2 l = c.L(p);
            float cap = SdEllipse(l, {0, -0.12f}, 0.8f + volume, 0.95f + volume) * c.u;
            float edge = 0.07f * Fbm2(l.x * 11, l.y * 2, c.s + 9, 2);
            float top = std::max(cap, (l.y - Hairline(c, l.x) + edge) * c.u);
            float sides = std::max(cap, std::max((0.67f - std::fabs(l.x)) * c.u,
                                                 (l.y - (w.female ? 0.35f : -0.08f)) * c.u));
            return std::min(top, sides);
        },
        [&](Vec2 p) { return HairShade(c, p, base); });
    if (w.hairStyle == Hair::Short && w.age < 0.7f)  // a side parting
        Line(c.img, c.P(-0.34f, -0.56f), c.P(-0.24f, -1.0f), std::max(0.5f, c.u * 0.03f),
             base * 0.5f, 0.7f);
}

void Headwear(Ctx& c) {
    const Person& w = c.who;
    switch (w.headgear) {
        case Headgear::Bandana:
            FillSdf(
                c.img, c.h.x - c.u, c.h.y - 1.2f * c.u, c.h.x + c.u, c.h.y - 0.2f * c.u,
                [&](Vec2 p) {
                    Vec2 l = c.L(p);
                    return std::max(SdEllipse(l, {0, -0.15f}, 0.85f, 0.98f),
                                    l.y + 0.42f - 0.1f * l.x) *
                           c.u;
                },
                [&](Vec2 p) { return w.trim * (0.6f + 0.5f * Clamp01(0.5f - c.L(p).x * 0.6f)); });
            Polygon(c.img,
                    {c.P(0.7f, -0.5f), c.P(1.15f, -0.2f), c.P(1.0f, 0.05f), c.P(0.72f, -0.35f)},
                    w.trim * 0.7f);
            break;
        case Headgear::Tricorn:
            Polygon(c.img,
                    {c.P(-1.25f, -0.55f), c.P(-0.6f, -1.45f), c.P(0, -1.25f), c.P(0.6f, -1.45f),
                     c.P(1.25f, -0.55f), c.P(0, -0.75f)},
                    [&](Vec2 p) { return Hex(0x2a1e18) * (0.7f + 0.5f * Clamp01(-c.L(p).x)); });
            Line(c.img, c.P(-1.2f, -0.58f), c.P(0, -0.78f), c.u * 0.05f, w.trim);
            Line(c.img, c.P(0, -0.78f), c.P(1.2f, -0.58f), c.u * 0.05f, w.trim);
            break;
        case Headgear::Helmet: {
            FillSdf(
                c.img, c.h.x - 1.2f * c.u, c.h.y - 1.3f * c.u, c.h.x + 1.2f * c.u,
                c.h.y + 1.1f * c.u,
                [&](Vec2 p) {
                    return std::max(SdEllipse(c.L(p), {0, -0.1f}, 0.98f, 1.12f) * c.u,
                                    -SdBox(c.L(p), {0, 0.55f}, {0.5f, 0.3f}) * c.u);
                },
                [&](Vec2 p) {
                    Vec2 l = c.L(p);
                    return Metal(w.trim, (l.y + 1.2f) / 2.2f, (l.x + 1) / 2);
                });
            Polygon(c.img,
                    {c.P(-0.72f, -0.28f), c.P(0.72f, -0.28f), c.P(0.6f, 0.22f), c.P(-0.6f, 0.22f)},
                    [&](Vec2 p) {
                        return Mix(Hex(0x6ab0e0), Hex(0x0a1020),
                                   Clamp01((c.L(p).y + 0.28f) / 0.5f));
                    });
            Line(c.img, c.P(-0.5f, -0.2f), c.P(-0.1f, -0.2f), c.u * 0.05f, Hex(0xe0f4ff), 0.6f);
            break;
        }
        case Headgear::Hood:
            FillSdf(
                c.img, c.h.x - 1.3f * c.u, c.h.y - 1.5f * c.u, c.h.x + 1.3f * c.u,
                c.h.y + 1.4f * c.u,
                [&](Vec2 p) {
                    Vec2 l = c.L(p);
                    return std::max(SdEllipse(l, {0, -0.05f}, 1.08f, 1.28f),
                                    -SdEllipse(l, {0, 0.2f}, 0.66f, 0.95f)) *
                           c.u;
                },
                [&](Vec2 p) { return w.cloth * (0.5f + 0.5f * Clamp01(0.5f - c.L(p).x * 0.5f)); });
            break;
        case Headgear::Veil:
            FillSdf(
                c.img, c.h.x - 1.6f * c.u, c.h.y - 1.4f * c.u, c.h.x + 1.6f * c.u, c.h.y + 3 * c.u,
                [&](Vec2 p) {
                    Vec2 l = c.L(p);
                    float hood = SdEllipse(l, {0, 0.6f}, 1.15f + 0.25f * Clamp01(l.y), 2.0f);
                    return std::max(hood, -SdEllipse(l, {0, 0.25f}, 0.78f, 1.1f)) * c.u;
                },
                Hex(0xf6f2ec), 0.55f);
            break;
        default:
            break;
    }
    float lw = c.u * 0.04f;
    if (w.eyepatch) {
        Ellipse(c.img, c.P(0.3f, -0.02f), c.u * 0.17f, c.u * 0.13f, Hex(0x0a0a0a));
        Line(c.img, c.P(-0.75f, -0.4f), c.P(0.75f, 0.1f), lw, Hex(0x0a0a0a));
    }
    if (w.shades || w.glasses)
        for (int side : {-1, 1}) {
            Vec2 e = c.P(side * 0.3f, -0.02f);
            if (w.shades) {
                Ellipse(c.img, e, c.u * 0.19f, c.u * 0.11f, Hex(0x06080a));
                Line(c.img, {e.x - c.u * 0.1f, e.y - c.u * 0.04f},
                     {e.x - c.u * 0.02f, e.y - c.u * 0.06f}, lw, Hex(0x8ab0d0), 0.7f);
            } else {
                FillSdf(
                    c.img, e.x - c.u * 0.2f, e.y - c.u * 0.14f, e.x + c.u * 0.2f, e.y + c.u * 0.14f,
                    [&](Vec2 p) {
                        return std::fabs(SdEllipse(p, e, c.u * 0.18f, c.u * 0.11f)) - lw * 0.5f;
                    },
                    Hex(0x1a1a1e));
            }
            Line(c.img, c.P(side * 0.12f, -0.03f), c.P(-side * 0.12f, -0.03f), lw * 0.8f,
                 Hex(0x1a1a1e));
        }
}

}  // namespace

void DrawBust(Image& img, const Person& who, Vec2 head, float u, uint64_t seed) {
    Ctx c{img, who, head, u, static_cast<uint32_t>(seed)};
    BackHair(c);
    if (who.headgear == Headgear::Hood || who.headgear == Headgear::Veil) {
        Torso(c);
        Headwear(c);  // the hood frames the face from behind
        Face(c);
        FacialHair(c);
        if (who.headgear == Headgear::Hood)
            FillSdf(
                img, head.x - u, head.y - u, head.x + u, head.y + u,
                [&](Vec2 p) { return HeadSdf(c, p); }, Hex(0x000000), 0.45f);
        Person rest = who;
        rest.headgear = Headgear::None;
        Ctx r{img, rest, head, u, c.s};
        if (who.headgear == Headgear::Veil) TopHair(r);
        Headwear(r);
        return;
    }
    Torso(c);
    Face(c);
    FacialHair(c);
    if (who.headgear != Headgear::Helmet) TopHair(c);
    Headwear(c);
}

}  // namespace corvanth::assets
