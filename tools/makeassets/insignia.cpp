// Faction pictures: emblems, rank badges, uniforms and their insignia, and what they share.
#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing.h"

namespace corvanth::assets {

namespace {
constexpr float kPi = 3.14159265f;
}  // namespace

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

void KeepOffGround(Image& img, const Sdf& shape) {
    // The screens leave out what lies within 24 steps of the black ground. JPEG keeps brightness
    // better than colour, so a dark blue can come back black: the floor is on brightness. Black
    // itself stays: a gap in the design is meant to show what lies below.
    constexpr float kFloor = 0.17f, kGround = 0.02f;
    for (int y = 0; y < img.H(); ++y)
        for (int x = 0; x < img.W(); ++x) {
            if (shape({x + 0.5f, y + 0.5f}) > -1.5f) continue;
            Rgb& c = img.At(x, y);
            const float m = std::max({c.r, c.g, c.b});
            if (m <= kGround || Luma(c) >= kFloor) continue;
            c = c * std::min(4.0f, kFloor / std::max(Luma(c), 0.001f));
            const float under = kFloor - Luma(c);
            if (under > 0) c = c + Rgb{under, under, under};
        }
}

Rgb Gold() {
    return Hex(0xe8c050);
}
Rgb Silver() {
    return Hex(0xd0d4dc);
}

// A round emblem on black, the colour the screens leave out of it: on a dealer's or an office's
// panel only the disc shows.
void PaintLogo(Image& img, const Params& p) {
    int f = p.style == kNoFactionLogo ? 5 : p.Arg(0);
    Palette pal = FactionPalette(f);
    float s = std::min(img.W(), img.H());
    Vec2 c{img.W() * 0.5f, img.H() * 0.5f};
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
    // Greyed here rather than by the catalogue, so the floor below holds for the grey ones too.
    if (p.style == kGreyLogo) Desaturate(img, 1.0f, 0.35f);
    KeepOffGround(img, [&](Vec2 q) { return SdCircle(q, c, r); });
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
    // The commander's full dress is seen closer: his breast reaches the top of the picture, where
    // the medal bar is sewn above his shoulder board.
    const std::vector<Vec2> body =
        com ? std::vector<Vec2>{{0, H * 0.1f},
                                {W * 0.2f, H * 0.07f},
                                {W * 0.5f, H * 0.01f},
                                {W, 0},
                                {W, H},
                                {0, H}}
            : std::vector<Vec2>{
                  {0, H * 0.1f}, {W * 0.2f, H * 0.07f}, {W * 0.6f, H * 0.1f}, {W, H * 0.2f}, {W, H},
                  {0, H}};
    Polygon(img, body, fabric);
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
    // The bare shoulder board, right under the insignia's own board (which is a little smaller)
    // where each faction pins it; admirals wear theirs further out.
    const Vec2 pinned[] = {{115, 67}, {121, 66}, {128, 72}, {129, 74}};
    const Vec2 at = com ? Vec2{200, 82} : pinned[std::clamp(f, 0, 3)];
    const Vec2 board{at.x * W / 300, at.y * H / 300}, boardHalf{W * 0.1f, H * 0.04f};
    Box(img, board, boardHalf, cloth * 0.6f, 1, boardHalf.y * 0.9f);
    FillSdf(
        img, board.x - boardHalf.x - 1, board.y - boardHalf.y - 1, board.x + boardHalf.x + 1,
        board.y + boardHalf.y + 1,
        [&](Vec2 q) { return std::fabs(SdBox(q, board, boardHalf, boardHalf.y * 0.9f)) - 0.8f; },
        trim, 0.8f);
    if (com) {  // gold fringe and the aiguillette
        for (int i = 0; i < 11; ++i) {
            float x = board.x - W * 0.1f + i * W * 0.02f;
            Line(img, {x, board.y + H * 0.04f}, {x, board.y + H * 0.07f}, 1.6f, trim, 0.9f);
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
    if (com) Line(img, {W * 0.995f, 0}, {W * 0.995f, H}, 4, trim);
    Line(img, {W * 0.52f, H * 0.97f}, {W * 0.98f, H * 0.97f}, 1.2f, pal.main, 0.6f);
}

namespace {

// One mark of rank in the faction's own shape: bars, pips, diamonds or chevrons, metal lit from
// above.
void RankMark(Image& img, int f, Vec2 c, float hw, float hh, Rgb mark) {
    // Lit, but never so dark at the foot that a small mark breaks up.
    auto metal = [&](Vec2 q) { return Metal(mark, 0.1f + 0.3f * (q.y - c.y + hh) / hh, 0.5f); };
    switch (f) {
        case 0:
            FillSdf(
                img, c.x - hw, c.y - hh, c.x + hw, c.y + hh,
                [&](Vec2 q) {
                    return SdBox(q, c, {hw * 0.6f, hh}, hw * 0.15f);
                },
                metal);
            return;
        case 1:
            FillSdf(
                img, c.x - hw, c.y - hw, c.x + hw, c.y + hw,
                [&](Vec2 q) { return SdCircle(q, c, std::min(hw, hh)); }, metal);
            return;
        case 2:
            Polygon(img, {{c.x, c.y - hh}, {c.x + hw, c.y}, {c.x, c.y + hh}, {c.x - hw, c.y}},
                    metal);
            return;
        default: {
            // The chevron's stroke stays within the mark's height, as the other marks do.
            const float stroke = std::min(hw * 0.9f, hh * 0.5f);
            FillSdf(
                img, c.x - hw * 1.5f, c.y - hh * 1.5f, c.x + hw * 1.5f, c.y + hh * 1.5f,
                [&](Vec2 q) {
                    const Vec2 tip{c.x + hw * 0.5f, c.y};
                    return std::min(
                        SdSegment(q, {c.x - hw * 0.6f, c.y - hh + stroke}, tip, stroke),
                        SdSegment(q, tip, {c.x - hw * 0.6f, c.y + hh - stroke}, stroke));
                },
                metal);
            return;
        }
    }
}

}  // namespace

// A shoulder board or collar patch on black, the colour the screens leave out: the board sits on
// the uniform and on the award screen's backdrop without a box around it. Ensign to captain wear
// one to six marks, so neighbouring ranks differ by one a player counts; an admiral wears a broad
// bar and a star.
void PaintInsignia(Image& img, const Params& p) {
    const int f = std::clamp(p.Arg(0), 0, 3), code = std::clamp(p.Arg(1), 0, 6);
    const bool shoulder = p.style == kShoulder;
    const Palette pal = FactionPalette(f);
    const Rgb cloth = UniformCloth(f) * 1.3f;
    const Rgb mark = f == 1 ? Silver() : Gold();
    const float W = img.W(), H = img.H();
    const Vec2 mid{W / 2, H / 2};
    // A little more black round the small collar patch, so the JPEG's ringing about its bright
    // trim stays in the ground the screens leave out.
    const float margin = H * (shoulder ? 0.06f : 0.08f);
    const Vec2 half{W / 2 - margin, H / 2 - margin};
    const float round = shoulder ? half.y * 0.9f : H * 0.14f;
    auto board = [&](Vec2 q) { return SdBox(q, mid, half, round); };
    const auto seed = static_cast<uint32_t>(p.seed);
    FillSdf(img, 0, 0, W, H, board, [&](Vec2 q) {
        const float weave = 0.96f + 0.08f * Fbm2(q.x * 6 / H, q.y * 6 / H, seed, 3);
        return cloth * (weave * (1.12f - 0.24f * (q.x / W + q.y / H) * 0.5f));
    });
    const float trim = H * 0.06f;
    FillSdf(
        img, 0, 0, W, H, [&](Vec2 q) { return std::fabs(board(q) + trim * 0.6f) - trim * 0.6f; },
        pal.main, 0.9f);
    if (code == 6) {
        const float y = H / 2;
        FillSdf(
            img, 0, 0, W, H,
            [&](Vec2 q) {
                return SdBox(q, {W * 0.42f, y}, {W * 0.2f, H * 0.16f}, H * 0.04f);
            },
            [&](Vec2 q) { return Metal(mark, (q.y - y + H * 0.16f) / (H * 0.32f), 0.5f); });
        // The star's tips stay within the board's trim, however wide the board.
        const float starX = std::min(W * 0.78f, W - margin - trim - H * 0.3f * 0.85f);
        Polygon(img, StarPoints({starX, y}, H * 0.3f, H * 0.13f),
                [&](Vec2 q) { return Metal(mark, (q.y - y + H * 0.3f) / (H * 0.6f), 0.5f); });
    } else if (shoulder) {
        // A shoulder board holds its marks in one row: few stand close together in the middle,
        // six fill the board.
        const int n = code + 1;
        const float pitch = std::min(W * 0.66f / n, H * 0.42f);
        const float hw = std::min(pitch * 0.32f, H * 0.13f);
        for (int i = 0; i < n; ++i)
            RankMark(img, f, {mid.x + (i - (n - 1) * 0.5f) * pitch, H / 2}, hw, H * 0.3f, mark);
    } else {
        // A collar patch holds up to three to a row, four as two pairs: every mark of one size,
        // whatever the rank, so five (three over two) and six (three over three) are counted at
        // the size the uniform wears them.
        const int n = code + 1;
        const int perRow = n <= 3 ? n : (n + 1) / 2;
        const int rows = (n + perRow - 1) / perRow;
        const float pitch = W * 0.25f, hw = pitch * 0.36f, hh = H * 0.15f;
        for (int i = 0; i < n; ++i) {
            const int row = i / perRow, inRow = std::min(perRow, n - row * perRow);
            const float x = mid.x + (i % perRow - (inRow - 1) * 0.5f) * pitch;
            const float y = rows == 1 ? H / 2 : H * (0.31f + 0.38f * row);
            RankMark(img, f, {x, y}, hw, hh, mark);
        }
    }
    KeepOffGround(img, board);
}

}  // namespace corvanth::assets
