// The combat event notice: headline, text and picture in a navy or dark red frame.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TMessage2 : public ui::Form {
  public:
    TMessage2();
    ui::Image* Image4;
    ui::Image* Image1;
    ui::Shape* Shape2;
    ui::Shape* Shape3;
    ui::Shape* Shape4;
    ui::Label* Label2;
    ui::Label* Label1;
    ui::SpeedButton* SpeedButton3;

    // An event without a headline or a picture shows no empty bar or frame: its text takes
    // their room.
    void FormShow() override;
    void SpeedButton3Click();

  private:
    ui::Rect textFrame_, text_;  // where the layout puts the text beside the picture
};

extern ui::Screen<TMessage2> Message2;

}  // namespace corvanth
