// The dress uniform: which picture goes where for a captain's faction, rank and awards.
#pragma once

#include <string>
#include <vector>

namespace ui {
class Form;
}  // namespace ui

namespace corvanth {

// What a uniform shows. Medals count only when their field holds 1.
struct UniformWearer {
    int faction = 0;  // 1..4; any other shows nothing
    int rank = 0;     // 0..8
    int gender = 1;   // 2 is a woman
    int wings = 0;    // pilot wings 0..3
    int ribbons = 0;  // campaign ribbons; at most 12 are worn
    bool silverStar = false;
    bool goldStar = false;
    bool topMedal = false;
};

// One picture of the uniform group, by the component name every uniform screen uses, with its
// place inside the group.
struct UniformPiece {
    std::string component;
    std::string picture;
    int left = 0, top = 0;
    bool visible = false;
};

// Every piece of the group, shown or hidden; a screen only applies the list.
std::vector<UniformPiece> ComposeUniform(const UniformWearer& wearer);

// Puts each piece on the screen's image of that name.
void ApplyUniform(ui::Form& screen, const std::vector<UniformPiece>& pieces);

// The captain's own uniform, read from the captain's record and faction.
UniformWearer CaptainUniform();

}  // namespace corvanth
