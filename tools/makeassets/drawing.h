// Compound drawing shared between painters: space backdrops, lit spheres, rocks, faction colours.
#pragma once

#include <cstdint>

#include "canvas.h"
#include "painters.h"

namespace corvanth::assets {

// The light of every scene comes from the upper left, a little towards the viewer.
inline Vec3 SceneLight() {
    return Normalize({-0.7f, -0.45f, 0.5f});
}

// Navy-to-black sky with a faint nebula and stars; `glow` scales the nebula.
void SpaceBackdrop(Image& img, uint64_t seed, Rgb nebulaA, Rgb nebulaB, float glow,
                   float stars = 1);

// A planet of the given style, centre c, radius r, lit by SceneLight().
void DrawPlanetBody(Image& img, Vec2 c, float r, PlanetStyle style, uint64_t seed);
// A star: limb-darkened disc, granulation and a wide corona.
void DrawStar(Image& img, Vec2 c, float r, Rgb hot, Rgb warm, uint64_t seed);
// A lumpy lit rock; `dark` lowers its albedo.
void DrawRock(Image& img, Vec2 c, float r, uint64_t seed, float dark = 0);

// Faction colours 0..3 for factions 1..4, 4 pirates, 5 nobody.
struct Palette {
    Rgb main, deep, accent, metal;
};
Palette FactionPalette(int faction);
// The faction's symbol centred at c with radius r: a star (1), an eagle (2), a yin-yang (3), a
// cross (4), a skull (pirates) or a broken ring (nobody).
void DrawSymbol(Image& img, int faction, Vec2 c, float r, Rgb colour, Rgb second);
// Gold, silver or bronze shading over a shape (t along the shape's height, 0 top).
Rgb Metal(Rgb base, float t, float x = 0.5f);

// Faction pictures. The cloth of each faction's dress uniform (0..3), woven over a whole picture;
// gold and silver trim.
Rgb UniformCloth(int faction);
void Fabric(Image& img, Rgb cloth, uint64_t seed);
Rgb Gold();
Rgb Silver();
// Brightens the top left and darkens the bottom right of whatever differs from the background.
void ShadeRaised(Image& img, Rgb background, float x0, float y0, float x1, float y1);
// Pictures the screens draw with their black ground left out: nothing dark inside `shape` may
// come near that black, or the screen would show through it.
void KeepOffGround(Image& img, const Sdf& shape);

// An oblique box seen from the front right; `lid` 0..1 opens its top.
void DrawCrate(Image& img, Vec2 c, float w, float h, float d, Rgb colour, float lid);
// A gridded solar panel, w by h, centred at c (axis-aligned).
void DrawSolarPanel(Image& img, Vec2 c, float w, float h);
// A ship hull of class `type` seen from above, nose right, centred at c and `length` long;
// `damage` 0..1 darkens it, breaks its outline and puts out its engines.
void DrawHull(Image& img, int type, Vec2 c, float length, uint64_t seed, float damage = 0,
              const Rgb* paint = nullptr);

// Light added along a segment, falling off over `width`: beams, trails, exhausts.
void AddBeam(Image& img, Vec2 a, Vec2 b, float width, Rgb colour);
// A fireball of radius r with smoke, sparks and a flash.
void DrawExplosion(Image& img, Vec2 c, float r, uint64_t seed);

// A five-pointed star polygon.
std::vector<Vec2> StarPoints(Vec2 c, float outer, float inner, float rotation = 0, int points = 5);

}  // namespace corvanth::assets
