// Portraits: the captain at five ages, the people met on the way, the senators' families.
#include <algorithm>
#include <cmath>

#include "bust.h"
#include "drawing.h"

namespace corvanth::assets {

namespace {

enum class Setting { Space, Bar, City, Shadow, Arena };

void Backdrop(Image& img, Setting where, uint64_t seed, Vec2 head, float u) {
    if (MapCellBackdrop()) return SpaceBackdrop(img, seed, {}, {}, 0);
    switch (where) {
        case Setting::Bar: {
            VerticalGradient(img, Hex(0x2a1408), Hex(0x0a0604));
            Rng rng(seed);
            for (int shelf = 0; shelf < 3; ++shelf) {
                float y = img.H() * (0.22f + 0.25f * shelf);
                Line(img, {0, y}, {static_cast<float>(img.W()), y},
                     std::max(1.0f, img.H() * 0.015f), Hex(0x4a2a14));
                for (float x = rng.Range(0, 8); x < img.W();
                     x += rng.Range(6, 12) * img.W() / 200) {
                    float bh = img.H() * rng.Range(0.06f, 0.12f), bw = img.W() * 0.012f;
                    Rgb glass = Mix(Hex(0x3a8a4a), Hex(0xa05a20), rng.Unit()) * 0.6f;
                    Box(img, {x, y - bh / 2}, {bw, bh / 2}, glass, 0.9f, bw * 0.5f);
                    Glow(img, {x - bw * 0.3f, y - bh * 0.6f}, std::max(0.6f, bw * 0.4f),
                         Hex(0xffd0a0) * 0.35f);
                }
            }
            Glow(img, {img.W() * 0.2f, img.H() * 0.1f}, img.W() * 0.25f, Hex(0xffa050) * 0.25f);
            break;
        }
        case Setting::City: {
            VerticalGradient(img, Hex(0x0a1430), Hex(0x1a1a3a));
            Rng rng(seed);
            for (int i = 0; i < 60; ++i)
                Glow(img, {rng.Range(0, img.W()), rng.Range(0.3f, 1.0f) * img.H()},
                     img.W() * rng.Range(0.01f, 0.03f),
                     Mix(Hex(0xffc070), Hex(0x70b0ff), rng.Unit()) * 0.25f);
            break;
        }
        case Setting::Shadow:
            SpaceBackdrop(img, seed, Hex(0x6a1a1a), Hex(0x2a0a2a), 0.5f, 0.6f);
            break;
        case Setting::Arena:
            SpaceBackdrop(img, seed, Hex(0xb05a20), Hex(0x3a3ab0), 0.7f);
            break;
        default:
            SpaceBackdrop(img, seed, Hex(0x2a4ab0), Hex(0x4a2a90), 0.45f, 0.8f);
            break;
    }
    Glow(img, {head.x + u * 0.3f, head.y + u * 0.3f}, u * 2.2f, Hex(0x4a6ab0) * 0.25f);
    Vignette(img, 0.4f);
}

float AgeOf(int ageClass) {
    const float ages[] = {0.0f, 0.3f, 0.55f, 0.78f, 1.0f};
    return ages[std::clamp(ageClass, 0, 4)];
}

Person Hero(int portrait, int ageClass) {
    Person p;
    p.age = AgeOf(ageClass);
    p.outfit = Outfit::Captain;
    p.cloth = Hex(0x1c2850);
    p.trim = Hex(0xe8c050);
    switch (portrait) {
        case 2:
            p.female = true;
            p.skin = Hex(0xe6b898);
            p.hair = Hex(0x7a3418);
            p.eyes = Hex(0x3a7a4a);
            p.hairStyle = ageClass >= 3 ? Hair::Bun : Hair::Long;
            break;
        case 3:
            p.skin = Hex(0x8c5a3c);
            p.hair = Hex(0x161212);
            p.eyes = Hex(0x4a3020);
            p.hairStyle = Hair::Bald;
            p.beard = ageClass >= 2;
            break;
        default:
            p.skin = Hex(0xecc4a4);
            p.hair = Hex(0x4a3018);
            p.eyes = Hex(0x3a6aa0);
            p.mustache = ageClass >= 3;
            break;
    }
    return p;
}

void Layout(const Image& img, Vec2& head, float& u) {
    bool tall = img.H() > img.W();
    u = img.H() * (tall ? 0.2f : 0.22f);
    head = {img.W() * 0.5f, img.H() * (tall ? 0.4f : 0.44f)};
}

const Rgb kDaughterHair[] = {Hex(0xd8b060), Hex(0x8a2a14), Hex(0x0e0c0c), Hex(0x5a3418)};
const Rgb kDaughterSkin[] = {Hex(0xf0ccb0), Hex(0xf2d0b8), Hex(0xe8c4a0), Hex(0xc8906a)};

Person Daughter(int faction, bool second) {
    Palette pal = FactionPalette(faction);
    Person p;
    p.female = true;
    p.age = 0;
    p.skin = kDaughterSkin[faction & 3];
    p.hair = kDaughterHair[faction & 3];
    p.eyes = faction == 1 ? Hex(0x3a8a4a) : Hex(0x3a5a8a);
    p.hairStyle = second ? Hair::Bun : Hair::Long;
    p.outfit = Outfit::Dress;
    p.cloth = pal.main;
    p.trim = pal.accent;
    p.necklace = true;
    return p;
}

Person Senator(int faction) {
    Palette pal = FactionPalette(faction);
    Person p;
    p.age = 0.45f;
    p.skin = faction == 3 ? Hex(0xb07850) : Hex(0xe4bc9c);
    p.hair = Hex(0x3a2a1a);
    p.outfit = Outfit::Suit;
    p.cloth = pal.deep * 1.4f;
    p.trim = pal.main;
    p.sash = true;
    p.hairStyle = Hair::Slick;
    return p;
}

}  // namespace

void PaintPerson(Image& img, const Params& p) {
    Vec2 head;
    float u;
    Layout(img, head, u);
    Person who;
    Setting where = Setting::Space;
    switch (p.style) {
        case kHero:
            who = Hero(p.Arg(0, 1), p.Arg(1));
            break;
        case kHelper:
            who.female = true, who.skin = Hex(0xd8a888), who.hair = Hex(0x2a1a10),
            who.hairStyle = Hair::Bun;
            who.outfit = Outfit::Officer, who.cloth = Hex(0x1a4a5a), who.trim = Hex(0xc8d8e0),
            who.glasses = true;
            break;
        case kStranger:
            who.outfit = Outfit::Cloak, who.headgear = Headgear::Hood, who.cloth = Hex(0x1a1614);
            who.shades = true, who.smile = false, who.skin = Hex(0xc89a7a);
            where = Setting::Shadow;
            break;
        case kBartender:
            who.skin = Hex(0xd8a078), who.hair = Hex(0x1a1210), who.mustache = true,
            who.hairStyle = Hair::Slick;
            who.outfit = Outfit::Vest, who.cloth = Hex(0x2a1a14), who.trim = Hex(0x8a1a1a),
            who.age = 0.35f;
            where = Setting::Bar;
            break;
        case kBusinessman:
            who.skin = Hex(0xe8c0a0), who.hair = Hex(0x2a2018), who.hairStyle = Hair::Slick,
            who.glasses = true;
            who.outfit = Outfit::Suit, who.cloth = Hex(0x2a2c34), who.trim = Hex(0x9a1a2a),
            who.age = 0.3f;
            where = Setting::City;
            break;
        case kPirate: {
            int n = p.Arg(0, 1);
            who.outfit = Outfit::Coat, who.beard = true, who.smile = n != 2;
            who.cloth = n == 2 ? Hex(0x6a1010) : Hex(0x4a3020);
            who.trim = n == 2 ? Hex(0xe0b040) : Hex(0xa02020);
            who.skin = n == 3 ? Hex(0xc09070) : Hex(0xd09a78);
            who.hair = n == 1 ? Hex(0x3a2a1a) : Hex(0x101010);
            who.headgear =
                n == 1 ? Headgear::Bandana : (n == 2 ? Headgear::Tricorn : Headgear::None);
            who.eyepatch = n == 1, who.scar = n == 2, who.age = n == 3 ? 0.5f : 0.3f;
            who.hairStyle = n == 3 ? Hair::Long : Hair::Short;
            where = n == 1 ? Setting::Bar : Setting::Shadow;
            break;
        }
        case kGladiator: {
            int n = p.Arg(0, 1);
            const Rgb helmets[] = {Hex(0xc03a2a), Hex(0x2a6ac0), Hex(0xd0a030)};
            who.headgear = Headgear::Helmet, who.outfit = Outfit::FlightSuit;
            who.trim = helmets[(n - 1) % 3], who.cloth = Hex(0x2a2e38);
            where = Setting::Arena;
            break;
        }
        case kSenator:
            who = Senator(p.Arg(0));
            break;
        case kDaughter:
            who = Daughter(p.Arg(0), p.name.find("girl2") != std::string::npos);
            break;
        case kVip:
            who.skin = Hex(0xe8c4a8), who.hair = Hex(0x6a5040), who.hairStyle = Hair::Slick,
            who.age = 0.4f;
            who.outfit = Outfit::Suit, who.cloth = Hex(0x3a1a4a), who.trim = Hex(0xd0a030),
            who.necklace = true;
            where = Setting::City;
            break;
        default:
            break;
    }
    Backdrop(img, where, p.seed, head, u);
    DrawBust(img, who, head, u, p.seed);
}

void PaintWedding(Image& img, const Params& p) {
    int faction = p.Arg(0);
    Palette pal = FactionPalette(faction);
    float W = img.W(), H = img.H();
    // A hall with a tall window onto space, lights strung along an arch.
    VerticalGradient(img, pal.deep * 0.6f, Hex(0x0a0810));
    Image sky(img.W(), img.H());
    SpaceBackdrop(sky, p.seed, pal.main, Hex(0x4a2a90), 0.7f);
    DrawPlanetBody(sky, {W * 0.5f, H * 0.95f}, H * 0.45f, kTerra, p.seed + 2);
    FillSdf(
        img, W * 0.2f, 0, W * 0.8f, H,
        [&](Vec2 q) {
            return std::max(SdBox(q, {W * 0.5f, H * 0.7f}, {W * 0.28f, H * 0.6f}),
                            -(q.y - H * 0.05f));
        },
        [&](Vec2 q) { return sky.Sample(q.x, q.y); });
    Rng rng(p.seed);
    for (int i = 0; i <= 24; ++i) {
        float t = i / 24.0f, a = 3.14159f * (1 - t);
        Vec2 q{W * 0.5f + std::cos(a) * W * 0.36f, H * 0.75f - std::sin(a) * H * 0.62f};
        Glow(img, q, H * 0.012f, (i % 2 ? pal.accent : Hex(0xfff0d0)) * 1.2f);
        Disc(img, q, H * 0.018f, i % 3 ? Hex(0xf0e0e8) : Hex(0xd84a6a), 0.8f);
    }
    Person groom = Hero(1, 1);
    groom.cloth = pal.deep * 1.6f, groom.trim = pal.accent;
    Person bride = Daughter(faction, false);
    bride.outfit = Outfit::Gown, bride.headgear = Headgear::Veil, bride.necklace = true;
    DrawBust(img, groom, {W * 0.37f, H * 0.42f}, H * 0.15f, p.seed + 1);
    DrawBust(img, bride, {W * 0.63f, H * 0.45f}, H * 0.14f, p.seed + 2);
    for (int i = 0; i < 40; ++i)  // petals
        Disc(img, {rng.Range(0, W), rng.Range(0, H)}, H * 0.006f,
             Mix(Hex(0xffd0e0), Hex(0xffffff), rng.Unit()), 0.7f);
    Vignette(img, 0.45f);
}

void PaintRescue(Image& img, const Params& p) {
    int faction = p.Arg(0);
    float W = img.W(), H = img.H();
    SpaceBackdrop(img, p.seed, Hex(0x8a2a2a), Hex(0x2a2a6a), 0.6f);
    DrawRock(img, {W * 0.22f, H * 0.7f}, H * 0.32f, p.seed, 0.2f);
    for (int i = 0; i < 6; ++i)
        Glow(img, {W * (0.12f + 0.035f * i), H * (0.55f + 0.02f * (i % 2))}, H * 0.01f,
             Hex(0xff4030));
    DrawHull(img, 14, {W * 0.25f, H * 0.22f}, W * 0.3f, p.seed + 3);
    Glow(img, {W * 0.7f, H * 0.4f}, H * 0.5f, Hex(0xff3020) * 0.12f);
    Person girl = Daughter(faction, false);
    girl.smile = false;
    DrawBust(img, girl, {W * 0.68f, H * 0.42f}, H * 0.2f, p.seed + 1);
    Vignette(img, 0.4f);
}

}  // namespace corvanth::assets
