// Faction pictures: emblems, rank badges, uniforms and their insignia, ribbons, medals, plaques.
#include <algorithm>
#include <cmath>

#include "drawing.h"

namespace corvanth::assets {

namespace {

constexpr float kPi = 3.14159265f;

// The cloth of each faction's dress uniform; small award pictures sit on it.
Rgb UniformCloth(int f) {
    const Rgb cloth[] = {Hex(0x141e3c), Hex(0x14301c), Hex(0x2a0a0c), Hex(0x3a2c1a)};
    return cloth[std::clamp(f, 0, 3)];
}

void Fabric(Image& img, Rgb cloth, uint64_t seed) {
    auto s = static_cast<uint32_t>(seed);
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) {
            float weave =
                0.94f + 0.06f * ((x + y) % 3 == 0) + 0.08f * Fbm2(x * 0.05f, y * 0.05f, s, 3);
            float light = 1.15f - 0.35f * (x + y) / static_cast<float>(img.W() + img.H());
            img.At(x, y) = cloth * (weave * light);
        }
}

// Brightens the top left and darkens the bottom right of whatever differs from the background.
void ShadeRaised(Image& img, Rgb background, float x0, float y0, float x1, float y1) {
    for (int y = std::max(0, static_cast<int>(y0)); y < std::min(img.H(), static_cast<int>(y1) + 1);
         ++y)
        for (int x = std::max(0, static_cast<int>(x0));
             x < std::min(img.W(), static_cast<int>(x1) + 1); ++x) {
            Rgb c = img.At(x, y);
            Rgb d = c - background;
            if (std::fabs(d.r) + std::fabs(d.g) + std::fabs(d.b) < 0.02f) continue;
            float t = ((x - x0) / (x1 - x0) + (y - y0) / (y1 - y0)) * 0.5f;
            img.At(x, y) = c * (1.3f - 0.6f * t) +
                           Rgb{1, 1, 1} * (0.25f * std::exp(-std::pow((t - 0.25f) / 0.08f, 2.0f)));
        }
}

Rgb Gold() {
    return Hex(0xe8c050);
}
Rgb Silver() {
    return Hex(0xd0d4dc);
}

}  // namespace

void PaintLogo(Image& img, const Params& p) {
    int f = p.style == 5 ? 5 : p.Arg(0);
    Palette pal = FactionPalette(f);
    float s = std::min(img.W(), img.H());
    Vec2 c{img.W() * 0.5f, img.H() * 0.5f};
    RadialGradient(img, c, s * 0.75f, pal.deep * 0.8f, Hex(0x03040a));
    Glow(img, c, s * 0.4f, pal.main * 0.25f);
    float r = s * 0.44f;
    FillSdf(
        img, c.x - r, c.y - r, c.x + r, c.y + r, [&](Vec2 q) { return SdCircle(q, c, r); },
        [&](Vec2 q) {
            return Metal(pal.metal, (q.y - c.y + r) / (2 * r), (q.x - c.x + r) / (2 * r));
        });
    float inner = r * 0.86f;
    FillSdf(
        img, c.x - inner, c.y - inner, c.x + inner, c.y + inner,
        [&](Vec2 q) { return SdCircle(q, c, inner); },
        [&](Vec2 q) {
            float d =
                std::hypot(q.x - c.x + inner * 0.3f, q.y - c.y + inner * 0.3f) / (inner * 1.6f);
            return Mix(pal.main * 1.15f, pal.deep, Clamp01(d));
        });
    if (f == 0)
        for (int i = 0; i < 12; ++i) {
            float a = i * kPi / 6;
            Polygon(img,
                    StarPoints({c.x + std::cos(a) * r * 0.93f, c.y + std::sin(a) * r * 0.93f},
                               r * 0.05f, r * 0.02f),
                    pal.deep);
        }
    Rgb symbol = f == 1 ? Silver() : (f == 3 ? pal.accent : (f == 2 ? Hex(0x141010) : pal.metal));
    Rgb second = f == 0 ? Silver() : (f == 2 ? pal.main * 1.1f : (f == 1 ? pal.deep : Gold()));
    if (f == 2) Ring(img, c, inner * 0.62f, inner * 0.06f, Gold());
    DrawSymbol(img, f, c, inner * (f == 2 ? 0.56f : 0.72f), symbol, second);
    ShadeRaised(img, Hex(0x000000), c.x - inner, c.y - inner, c.x + inner, c.y + inner);
}

void PaintRankBadge(Image& img, const Params& p) {
    int f = p.Arg(0), rank = p.Arg(1);
    Palette pal = FactionPalette(f);
    float W = img.W(), H = img.H();
    VerticalGradient(img, pal.deep * 1.2f, pal.deep * 0.6f);
    Box(img, {W / 2, H / 2}, {W / 2 - 1, H / 2 - 1}, pal.main * 0.6f, 1, 3);
    FillSdf(
        img, 0, 0, W, H,
        [&](Vec2 q) {
            return std::fabs(SdBox(q, {W / 2, H / 2}, {W / 2 - 1.5f, H / 2 - 1.5f}, 3)) - 0.8f;
        },
        pal.metal);
    Rgb mark = f == 1 ? Silver() : Gold();
    if (rank == 0) {
        Ring(img, {W / 2, H / 2}, H * 0.2f, 1.5f, mark, 0.8f);
    } else if (rank <= 3) {
        for (int i = 0; i < rank; ++i) {
            float y = H * 0.38f + i * H * 0.17f - (rank - 1) * H * 0.08f;
            Line(img, {W * 0.28f, y + H * 0.12f}, {W * 0.5f, y}, H * 0.09f, mark);
            Line(img, {W * 0.5f, y}, {W * 0.72f, y + H * 0.12f}, H * 0.09f, mark);
        }
    } else if (rank <= 6) {
        for (int i = 0; i < rank - 3; ++i) {
            float y = H * 0.5f + (i - (rank - 4) * 0.5f) * H * 0.22f;
            Box(img, {W / 2, y}, {W * 0.3f, H * 0.07f}, mark, 1, 1);
        }
    } else {
        int stars = rank - 6;
        for (int i = 0; i < stars; ++i)
            Polygon(img,
                    StarPoints({W / 2 + (i - (stars - 1) * 0.5f) * W * 0.3f, H * 0.52f}, H * 0.3f,
                               H * 0.13f),
                    mark);
    }
    ShadeRaised(img, pal.main * 0.6f, 2, 2, W - 2, H - 2);
}

void PaintUniform(Image& img, const Params& p) {
    int f = p.Arg(0);
    bool com = p.Arg(1) == 1, fem = p.Arg(2) == 1;
    Palette pal = FactionPalette(f);
    Rgb cloth = UniformCloth(f) * (fem ? 1.1f : 1.0f);
    Rgb trim = f == 1 ? Silver() : Gold();
    float W = img.W(), H = img.H();
    VerticalGradient(img, Hex(0x0a0c14), Hex(0x040508));
    auto s = static_cast<uint32_t>(p.seed);
    auto fabric = [&](Vec2 q) {
        float weave = 0.93f + 0.1f * Fbm2(q.x * 0.03f, q.y * 0.03f, s, 4);
        float light = 1.25f - 0.55f * (q.x / W * 0.6f + q.y / H * 0.4f);
        return cloth * (weave * light);
    };
    Polygon(
        img,
        {{0, H * 0.1f}, {W * 0.2f, H * 0.07f}, {W * 0.6f, H * 0.1f}, {W, H * 0.2f}, {W, H}, {0, H}},
        fabric);
    // Stand-up collar on the left, where the collar insignia goes.
    std::vector<Vec2> collar = {
        {0, H * 0.09f}, {W * 0.19f, H * 0.065f}, {W * 0.21f, H * 0.29f}, {0, H * 0.33f}};
    Polygon(img, collar, [&](Vec2 q) { return fabric(q) * 0.8f; });
    Line(img, {W * 0.19f, H * 0.065f}, {W * 0.21f, H * 0.29f}, com ? 3.5f : 1.5f, trim,
         com ? 1.0f : 0.7f);
    if (com) Line(img, {0, H * 0.33f}, {W * 0.21f, H * 0.29f}, 3.5f, trim);
    // Lapel fold: straight for men, curved for women.
    std::vector<Vec2> fold;
    for (int i = 0; i <= 10; ++i) {
        float t = i / 10.0f;
        float x = W * (0.21f + 0.22f * t) + (fem ? W * 0.08f * std::sin(t * kPi) : 0);
        fold.push_back({x, H * (0.29f + 0.71f * t)});
    }
    for (size_t i = 1; i < fold.size(); ++i) Line(img, fold[i - 1], fold[i], 2.0f, cloth * 0.45f);
    // Shoulder board under the shoulder insignia; admirals wear theirs further out.
    Vec2 board = com ? Vec2{W * 0.667f, H * 0.273f} : Vec2{W * 0.4f, H * 0.223f};
    Box(img, board, {W * 0.115f, H * 0.05f}, cloth * 0.6f, 1, 4);
    FillSdf(
        img, board.x - W * 0.12f, board.y - H * 0.06f, board.x + W * 0.12f, board.y + H * 0.06f,
        [&](Vec2 q) {
            return std::fabs(SdBox(q, board, {W * 0.115f, H * 0.05f}, 4)) - 0.8f;
        },
        trim, 0.8f);
    if (com) {  // gold fringe and the aiguillette
        for (int i = 0; i < 12; ++i) {
            float x = board.x - W * 0.11f + i * W * 0.02f;
            Line(img, {x, board.y + H * 0.05f}, {x, board.y + H * 0.08f}, 1.6f, trim, 0.9f);
        }
        Vec2 a{W * 0.77f, H * 0.33f};
        for (int loop = 0; loop < 2; ++loop) {
            Vec2 prev = a;
            for (int i = 1; i <= 16; ++i) {
                float t = i / 16.0f;
                Vec2 q{a.x + W * (0.12f + 0.04f * loop) * std::sin(t * kPi * 0.9f),
                       a.y + H * (0.38f + 0.05f * loop) * t};
                Line(img, prev, q, 2.6f, trim);
                prev = q;
            }
        }
    }
    // Breast pocket flap above which the ribbons sit, and the buttons.
    Line(img, {W * 0.2f, H * 0.56f}, {W * 0.72f, H * 0.56f}, 1.6f, cloth * 0.45f);
    Line(img, {W * 0.2f, H * 0.56f}, {W * 0.23f, H * 0.6f}, 1.6f, cloth * 0.45f);
    Line(img, {W * 0.72f, H * 0.56f}, {W * 0.69f, H * 0.6f}, 1.6f, cloth * 0.45f);
    for (int i = 0; i < 3; ++i) {
        Vec2 b{W * 0.9f, H * (0.47f + 0.2f * i)};
        FillSdf(
            img, b.x - 8, b.y - 8, b.x + 8, b.y + 8, [&](Vec2 q) { return SdCircle(q, b, 6); },
            [&](Vec2 q) { return Metal(trim, (q.y - b.y + 6) / 12, (q.x - b.x + 6) / 12); });
        Polygon(img, StarPoints(b, 3.5f, 1.5f), trim * 0.6f);
    }
    if (com) Line(img, {W * 0.995f, H * 0.2f}, {W * 0.995f, H}, 4, trim);
    Line(img, {W * 0.52f, H * 0.97f}, {W * 0.98f, H * 0.97f}, 1.2f, pal.main, 0.6f);
}

void PaintInsignia(Image& img, const Params& p) {
    int f = p.Arg(0), code = p.Arg(1);  // code 0 ensign .. 6 admiral
    bool shoulder = p.style == kShoulder;
    Palette pal = FactionPalette(f);
    Rgb cloth = UniformCloth(f) * 0.8f;
    Rgb mark = f == 1 ? Silver() : Gold();
    float W = img.W(), H = img.H();
    Fabric(img, cloth, p.seed);
    FillSdf(
        img, 0, 0, W, H,
        [&](Vec2 q) {
            return std::fabs(
                       SdBox(q, {W / 2, H / 2}, {W / 2 - 1, H / 2 - 1}, shoulder ? H * 0.45f : 2)) -
                   0.8f;
        },
        pal.main, 0.9f);
    const int counts[] = {1, 1, 2, 3, 4, 5, 1};
    int n = counts[std::clamp(code, 0, 6)];
    float u = shoulder ? W : W * 0.9f;
    for (int i = 0; i < n; ++i) {
        float t = n == 1 ? 0.5f : i / (n - 1.0f);
        float x = W * (0.3f + 0.4f * t), y = H * 0.5f;
        switch (f) {
            case 0:
                if (code == 6) {
                    Box(img, {W * 0.45f, y}, {u * 0.28f, H * 0.2f}, mark);
                    Polygon(img, StarPoints({W * 0.82f, y}, H * 0.3f, H * 0.13f), mark);
                } else {
                    Box(img, {x, y}, {u * 0.03f, H * (code == 0 ? 0.22f : 0.32f)}, mark);
                }
                break;
            case 1: {  // pips, smaller when many share the board
                float gap = n > 1 ? W * 0.4f / (n - 1) : W;
                Disc(img, {x, y}, std::min(H * (code == 6 ? 0.34f : 0.2f), gap * 0.38f), mark);
                break;
            }
            case 2:
                Polygon(
                    img,
                    {{x, y - H * 0.3f}, {x + u * 0.06f, y}, {x, y + H * 0.3f}, {x - u * 0.06f, y}},
                    mark);
                if (code == 6) Ring(img, {x, y}, H * 0.34f, 1.2f, mark);
                break;
            default:
                Line(img, {x - u * 0.06f, y - H * 0.22f}, {x + u * 0.02f, y}, H * 0.12f, mark);
                Line(img, {x + u * 0.02f, y}, {x - u * 0.06f, y + H * 0.22f}, H * 0.12f, mark);
                if (code == 6) Disc(img, {W * 0.85f, y}, H * 0.2f, pal.accent);
                break;
        }
    }
    ShadeRaised(img, cloth, 0, 0, W, H);
}

void PaintWings(Image& img, const Params& p) {
    int f = p.Arg(0);
    Palette pal = FactionPalette(f);
    float W = img.W(), H = img.H();
    Fabric(img, UniformCloth(f), p.seed);
    Rgb metal = f == 1 ? Silver() : Gold();
    Vec2 c{W / 2, H * 0.5f};
    for (int side : {-1, 1})
        for (int i = 0; i < 5; ++i) {
            float t = i / 4.0f;
            Vec2 a{c.x + side * W * 0.08f, c.y - H * 0.05f + t * H * 0.2f};
            Vec2 b{c.x + side * W * (0.47f - 0.09f * i), c.y - H * (0.32f - 0.12f * i)};
            Line(img, a, b, H * 0.14f, metal);
        }
    Disc(img, c, H * 0.3f, metal);
    Disc(img, c, H * 0.2f, pal.main);
    ShadeRaised(img, UniformCloth(f), 0, 0, W, H);
}

void PaintRibbon(Image& img, const Params& p) {
    int f = p.Arg(0), k = p.Arg(1);
    Palette pal = FactionPalette(f);
    Rng rng(p.seed);
    const Rgb pool[] = {pal.main,      pal.accent, Hex(0xf2f2f2),   Hex(0xb81c1c),
                        Hex(0x2456b8), Gold(),     pal.deep * 1.6f, Hex(0x22903e)};
    int stripes = 3 + 2 * rng.Below(3);
    std::vector<Rgb> order;
    for (int i = 0; i <= stripes / 2; ++i) order.push_back(pool[(rng.Below(8) + k) % 8]);
    float W = img.W(), H = img.H();
    for (int x = 0; x < img.W(); ++x) {
        float t = (x + 0.5f) / W;
        int band = static_cast<int>(t * stripes);
        int mirrored = std::min(band, stripes - 1 - band);
        Rgb c = order[std::min<size_t>(mirrored, order.size() - 1)];
        for (int y = 0; y < img.H(); ++y) {
            float v = (y + 0.5f) / H;
            float shade = 1.15f - 0.45f * v + (v < 0.15f ? 0.2f : 0);
            float thread = 0.95f + 0.05f * ((x + 2 * y) % 2);
            img.At(x, y) = c * (shade * thread);
        }
    }
    FillSdf(
        img, 0, 0, W, H,
        [&](Vec2 q) {
            return std::fabs(SdBox(q, {W / 2, H / 2}, {W / 2 - 0.5f, H / 2 - 0.5f})) - 0.6f;
        },
        Hex(0x101010), 0.7f);
    if (k % 4 == 0) Polygon(img, StarPoints({W / 2, H / 2}, H * 0.32f, H * 0.14f), Gold());
}

void PaintMedal(Image& img, const Params& p) {
    int f = p.Arg(0), kind = p.Arg(1);  // 0 silver, 1 gold, 2 top medal
    Palette pal = FactionPalette(f);
    float W = img.W(), H = img.H();
    Rgb cloth = UniformCloth(f);
    Fabric(img, cloth, p.seed);
    // Ribbon drape.
    Rgb band = kind == 2 ? (f == 0 ? Hex(0x4a8ae0) : pal.main) : pal.main;
    Rgb edge = kind == 0 ? Silver() : (kind == 1 ? Gold() : Hex(0xf2f2f2));
    Polygon(img,
            {{W * 0.18f, 0},
             {W * 0.82f, 0},
             {W * 0.82f, H * 0.3f},
             {W * 0.5f, H * 0.4f},
             {W * 0.18f, H * 0.3f}},
            [&](Vec2 q) {
                float t = q.x / W;
                Rgb c = std::fabs(t - 0.5f) < 0.07f
                            ? edge
                            : (std::fabs(t - 0.5f) > 0.25f ? edge * 0.85f : band);
                return c * (1.1f - 0.3f * q.y / (H * 0.4f));
            });
    Vec2 c{W / 2, H * 0.66f};
    float r = W * 0.4f;
    Rgb metal = kind == 0 ? Silver() : Gold();
    if (kind == 2) {  // a wreath behind the top medal
        for (int i = 0; i < 14; ++i) {
            float a = kPi * 0.15f + i * kPi * 1.7f / 13;
            Ellipse(img, {c.x + std::cos(a) * r * 1.0f, c.y + std::sin(a) * r * 0.95f}, r * 0.16f,
                    r * 0.09f, Hex(0x6a9a3a));
        }
    }
    Rgb second = f == 2 ? Hex(0xb81c1c) : (f == 3 && kind == 0 ? Silver() : pal.main);
    Rgb first = (f == 3 && kind == 0) ? Hex(0xc82020)
                                      : metal;  // the Coalition's silver award is its red cross
    if (f == 1) Disc(img, c, r * 0.95f, metal * 0.8f);
    DrawSymbol(img, f, c, r * (f == 2 ? 0.75f : 0.95f), f == 1 ? pal.deep * 1.5f : first, second);
    if (f == 2) Ring(img, c, r * 0.78f, r * 0.08f, metal);
    if (kind == 2) Disc(img, c, r * 0.16f, Hex(0x5ab0ff));
    ShadeRaised(img, cloth, W * 0.05f, H * 0.35f, W * 0.95f, H);
}

void PaintAwardPlace(Image& img, const Params& p) {
    int f = p.Arg(0);
    Palette pal = FactionPalette(f);
    float W = img.W(), H = img.H();
    Fabric(img, Hex(0x1a0a10), p.seed);
    Box(img, {W / 2, H / 2}, {W / 2 - 4, H / 2 - 4}, pal.deep * 1.3f, 1, 3);
    Rgb trim = f == 1 ? Silver() : Gold();
    FillSdf(
        img, 0, 0, W, H,
        [&](Vec2 q) {
            return std::fabs(SdBox(q, {W / 2, H / 2}, {W / 2 - 3, H / 2 - 3}, 3)) - 1.6f;
        },
        [&](Vec2 q) { return Metal(trim, q.y / H, q.x / W); });
    DrawSymbol(img, f, {W * 0.1f, H * 0.82f}, H * 0.1f, trim * 0.7f, pal.deep);
}

void PaintAwardBackground(Image& img, const Params& p) {
    int f = p.Arg(0);
    Palette pal = FactionPalette(f);
    float W = img.W(), H = img.H();
    SpaceBackdrop(img, p.seed, pal.main, pal.accent * 0.6f, 0.7f);
    Image mark(img.W(), img.H());
    DrawSymbol(mark, f, {W * 0.5f, H * 0.5f}, H * 0.4f, pal.main, pal.deep);
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) img.At(x, y) = img.At(x, y) + mark.At(x, y) * 0.16f;
    Rgb trim = f == 1 ? Silver() : Gold();
    for (float inset : {12.0f, 18.0f})
        FillSdf(
            img, 0, 0, W, H,
            [&](Vec2 q) {
                return std::fabs(SdBox(q, {W / 2, H / 2}, {W / 2 - inset, H / 2 - inset}, 6)) -
                       1.0f;
            },
            trim, inset < 15 ? 0.8f : 0.45f);
    Vignette(img, 0.5f);
}

}  // namespace corvanth::assets
