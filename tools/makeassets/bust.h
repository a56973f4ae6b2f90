// Stylised head-and-shoulders figures, shared by the portraits and the story scenes.
#pragma once

#include "canvas.h"

namespace corvanth::assets {

enum class Outfit { Captain, Officer, Suit, Dress, Vest, Coat, FlightSuit, Cloak, Gown };
enum class Hair { Short, Long, Bun, Bald, Slick };
enum class Headgear { None, Bandana, Tricorn, Helmet, Hood, Veil };

struct Person {
    bool female = false;
    float age = 0;  // 0 young .. 1 ancient
    Rgb skin = Rgb{0.86f, 0.68f, 0.55f};
    Rgb hair = Rgb{0.25f, 0.16f, 0.1f};
    Rgb eyes = Rgb{0.25f, 0.4f, 0.6f};
    Rgb cloth = Rgb{0.1f, 0.14f, 0.3f};
    Rgb trim = Rgb{0.9f, 0.75f, 0.3f};
    Hair hairStyle = Hair::Short;
    Outfit outfit = Outfit::Captain;
    Headgear headgear = Headgear::None;
    bool beard = false, mustache = false, eyepatch = false, shades = false, glasses = false;
    bool scar = false, sash = false, necklace = false, smile = true;
};

// The head's centre at `head`, `u` pixels from its centre to its chin.
void DrawBust(Image& img, const Person& who, Vec2 head, float u, uint64_t seed);

}  // namespace corvanth::assets
