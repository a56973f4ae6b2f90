// The dress uniform: which picture goes where for a captain's faction, rank and awards.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/form.h"

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
    // The picture is loaded but the place and visibility stay as the screen has them.
    bool keepPlace = false;
};

// Every piece of the group, shown or hidden; a screen only applies the list.
std::vector<UniformPiece> ComposeUniform(const UniformWearer& wearer);

// A screen that wears the uniform group: its images bound by the names every such screen uses.
class UniformForm : public ui::Form {
  public:
    explicit UniformForm(std::string className);
    ui::Image* Image33;  // the uniform
    ui::Image* ShoulderRankPic;
    ui::Image* CollarRankPic;
    ui::Image* PilotWingsPicLeft;
    ui::Image* PilotWingsPicMiddle;
    ui::Image* PilotWingsPicRight;
    std::array<ui::Image*, 12> RibbonPic{};  // RibbonPic1 .. RibbonPic12
    ui::Image* SilverStarMedal;
    ui::Image* GoldStarMedal;
    ui::Image* HonorMedal;
    ui::Image* AwardPlace;
};

// Puts each piece on the screen's image of that name.
void ApplyUniform(ui::Form& screen, const std::vector<UniformPiece>& pieces);

// The captain's own uniform, read from the captain's record and faction.
UniformWearer CaptainUniform();

// The silver (gold false) and the gold medal of faction 1..4 by name, as the award screen and the
// retirement's tally both call them; "" for any other faction.
std::string MedalName(int faction, bool gold);

}  // namespace corvanth
