// Promotions and awards: the next step of the captain's career when fame and reputation allow,
// and the award screen that presents it beside the new uniform.
#pragma once

#include <array>
#include <string>

#include "state/uniform.h"

namespace corvanth {

// Compares fame and the reputation with the own faction against the next thresholds and takes
// the award step they reach, then hands out the medals earned elsewhere and the pilot wings the
// ship calls for. Safe to call at any moment of a running game, many times in a row.
void CheckPromotion();

// Dresses the award screen's uniform from the captain's record.
void RefreshAwardUniform();

// What the award screen shows for one award; the picture box is sized by the kind of award.
struct AwardTexts {
    enum class Picture { Insignia, Ribbon, Medal, Wings };
    std::string headline;    // Label2
    std::string name;        // Label3
    std::string kind;        // Label4
    std::string quotation;   // Label5
    std::string picture;     // Image1
    std::string background;  // Image2
    Picture shape = Picture::Ribbon;
};
AwardTexts RankAward(int faction, int rank);
AwardTexts RibbonAward(int faction, int ribbon);
AwardTexts MedalAward(int faction, bool gold);
AwardTexts WingsAward(int faction, bool firstClass);

// The story told after a ribbon: its title and text file, or an empty title when there is none.
struct RibbonStory {
    std::string title;
    std::string file;
};
RibbonStory StoryAfterRibbon(int faction, int ribbon);

// Fills the award screen and shows it modally.
void ShowAward(const AwardTexts& award);

class TForm42 : public UniformForm {
  public:
    TForm42();
    ui::Label* Label2;   // headline
    ui::Label* Label3;   // the award's name
    ui::Label* Label4;   // its kind
    ui::Label* Label5;   // quotation or "Congratulations!"
    ui::Label* Label5b;  // "Congratulations!"
    ui::Image* Image1;   // the award
    ui::Image* Image2;   // the faction's background
    ui::Image* Image3;   // the screen's background
    ui::Panel* Panel2;
    ui::SpeedButton* SpeedButton2;  // "Back"

    void SpeedButton2Click();
};

extern ui::Screen<TForm42> Form42;

}  // namespace corvanth
