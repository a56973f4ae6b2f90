// The awards a uniform wears and the award screen shows: pilot wings, campaign ribbons, medals,
// the commander's medal bar and the faction's award backdrop.
#include <algorithm>
#include <cmath>

#include "drawing.h"

namespace corvanth::assets {

namespace {
constexpr float kPi = 3.14159265f;
}  // namespace

// Pilot wings on black, left out by the screens: only the metal shows on the uniform's breast.
void PaintWings(Image& img, const Params& p) {
    int f = p.Arg(0);
    Palette pal = FactionPalette(f);
    float W = img.W(), H = img.H();
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
    ShadeRaised(img, Hex(0x000000), 0, 0, W, H);
    KeepOffGround(img, [&](Vec2 q) { return SdCircle(q, c, H * 0.3f); });
}

// A campaign ribbon, drawn at the award screen's size and worn a fifth of it on the uniform. A
// thin margin of black, which the screens leave out, keeps neighbouring ribbons apart.
void PaintRibbon(Image& img, const Params& p) {
    int f = p.Arg(0), k = p.Arg(1);
    Palette pal = FactionPalette(f);
    Rng rng(p.seed);
    const Rgb pool[] = {pal.main,      pal.accent, Hex(0xf2f2f2),   Hex(0xb81c1c),
                        Hex(0x2456b8), Gold(),     pal.deep * 1.6f, Hex(0x22903e)};
    int stripes = 3 + 2 * rng.Below(3);
    std::vector<Rgb> order;
    for (int i = 0; i <= stripes / 2; ++i) order.push_back(pool[(rng.Below(8) + k) % 8]);
    const float W = img.W(), H = img.H(), inset = H * 0.04f;
    const Vec2 mid{W / 2, H / 2}, half{W / 2 - inset, H / 2 - inset};
    auto bar = [&](Vec2 q) { return SdBox(q, mid, half, H * 0.05f); };
    // The weave's threads stay two pixels or more wide at any size.
    const int thread = std::max(1, static_cast<int>(H / 35));
    FillSdf(img, 0, 0, W, H, bar, [&](Vec2 q) {
        const float t = (q.x - inset) / (W - 2 * inset), v = (q.y - inset) / (H - 2 * inset);
        const int band = std::clamp(static_cast<int>(t * stripes), 0, stripes - 1);
        const int mirrored = std::min(band, stripes - 1 - band);
        const Rgb c = order[std::min<size_t>(mirrored, order.size() - 1)];
        const float shade = 1.15f - 0.45f * v + (v < 0.15f ? 0.2f : 0);
        const int tx = static_cast<int>(q.x) / thread, ty = static_cast<int>(q.y) / thread;
        return c * (shade * (0.95f + 0.05f * ((tx + 2 * ty) % 2)));
    });
    // A dark edge of the ribbon's own colours, not of the left-out black.
    const float edge = std::max(1.0f, H * 0.05f);
    FillSdf(
        img, 0, 0, W, H, [&](Vec2 q) { return std::fabs(bar(q) + edge * 0.5f) - edge * 0.5f; },
        Hex(0x181410), 0.6f);
    if (k % 4 == 0) Polygon(img, StarPoints(mid, H * 0.32f, H * 0.14f), Gold());
    KeepOffGround(img, bar);
}

// A medal on its ribbon drape, on black, which the screens leave out.
void PaintMedal(Image& img, const Params& p) {
    int f = p.Arg(0), kind = p.Arg(1);  // 0 silver, 1 gold, 2 top medal
    Palette pal = FactionPalette(f);
    float W = img.W(), H = img.H();
    // Ribbon drape.
    Rgb band = kind == 2 ? (f == 0 ? Hex(0x4a8ae0) : pal.main) : pal.main;
    Rgb edge = kind == 0 ? Silver() : (kind == 1 ? Gold() : Hex(0xf2f2f2));
    const std::vector<Vec2> drape = {{W * 0.18f, 0},
                                     {W * 0.82f, 0},
                                     {W * 0.82f, H * 0.3f},
                                     {W * 0.5f, H * 0.4f},
                                     {W * 0.18f, H * 0.3f}};
    Polygon(img, drape, [&](Vec2 q) {
        float t = q.x / W;
        Rgb c = std::fabs(t - 0.5f) < 0.07f ? edge
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
    ShadeRaised(img, Hex(0x000000), W * 0.05f, H * 0.35f, W * 0.95f, H);
    KeepOffGround(img, [&](Vec2 q) {
        return std::min(SdPolygon(q, drape), SdCircle(q, c, r * (f == 1 ? 0.95f : 0.8f)));
    });
}

// The commander's medal bar, sewn across the breast above his shoulder board, on black, which the
// screens leave out: a strip of the uniform's cloth with its piping, the faction's mark at one
// end and a pin where each medal hangs (at the points the uniform pins them).
void PaintAwardPlace(Image& img, const Params& p) {
    const int f = p.Arg(0);
    const Palette pal = FactionPalette(f);
    const float W = img.W(), H = img.H();
    const Rgb trim = f == 1 ? Silver() : Gold();
    const Vec2 mid{W / 2, H * 0.17f}, half{W / 2 - 3, H * 0.12f};
    auto bar = [&](Vec2 q) { return SdBox(q, mid, half, half.y * 0.8f); };
    const auto seed = static_cast<uint32_t>(p.seed);
    const Rgb cloth = UniformCloth(f) * 1.35f;
    FillSdf(img, 0, 0, W, H, bar, [&](Vec2 q) {
        const float weave = 0.95f + 0.1f * Fbm2(q.x * 0.2f, q.y * 0.2f, seed, 3);
        return cloth * (weave * (1.15f - 0.3f * (q.y - mid.y + half.y) / (2 * half.y)));
    });
    FillSdf(
        img, 0, 0, W, H, [&](Vec2 q) { return std::fabs(bar(q) + 0.9f) - 0.9f; },
        [&](Vec2 q) { return Metal(trim, (q.y - mid.y + half.y) / (2 * half.y), q.x / W); });
    // Medal centres 24, 58 and 95 of the bar's 120.
    const float hooks[] = {W * 0.2f, W * 0.483f, W * 0.79f};
    const float hookY = mid.y + half.y + H * 0.06f, hookR = H * 0.045f;
    for (float x : hooks) Disc(img, {x, hookY}, hookR, trim);
    DrawSymbol(img, f, {W * 0.075f, mid.y}, half.y * 0.7f, trim, pal.deep);
    ShadeRaised(img, Hex(0x000000), 0, 0, W, mid.y + half.y + 1);
    KeepOffGround(img, [&](Vec2 q) {
        float d = bar(q);
        for (float x : hooks) d = std::min(d, SdCircle(q, {x, hookY}, hookR));
        return d;
    });
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
