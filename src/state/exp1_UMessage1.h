// The story notice: headline, picture and a long text.
#pragma once

#include <string>
#include <vector>

#include "ui/form.h"

namespace corvanth {

class Texp1_message1 : public ui::Form {
  public:
    Texp1_message1();
    ui::Image* Image2;
    ui::Image* Image1;
    ui::Shape* Shape3;
    ui::Memo* Memo1;
    ui::Label* Label2;
    ui::SpeedButton* SpeedButton1;

    void SpeedButton1Click();
};

extern ui::Screen<Texp1_message1> exp1_message1;

// The story box: headline, picture in a white frame and its lines.
void ShowStoryNotice(const std::string& headline, const std::string& picture,
                     const std::vector<std::string>& lines);

}  // namespace corvanth
