// The long notice: headline, picture and a long text or text file.
#pragma once

#include <string>
#include <vector>

#include "state/pictures.h"
#include "ui/form.h"

namespace corvanth {

class TMessage4 : public ui::Form {
  public:
    TMessage4();
    ui::Image* Image2;
    ui::Image* Image3;
    ui::Image* Image1;
    ui::Shape* Shape3;
    ui::Memo* Memo1;
    ui::Label* Label2;
    ui::SpeedButton* SpeedButton1;

    void SpeedButton1Click();
};

extern ui::Screen<TMessage4> Message4;

// The long-text boxes (this one, the offer and the story box) are filled alike: headline, picture
// in a white frame and the lines, the scroll bar off while they go in so the text starts at its
// top. A picture fills its frame, cut a little where its shape differs; a round logo shows whole
// on the frame's ground, its black left out.
template <class Box>
void FillLongTextBox(Box& box, const std::string& headline, const std::string& picture,
                     const std::vector<std::string>& lines) {
    box.Memo1->Clear();
    box.Memo1->scrollBars = ui::ScrollBars::None;
    box.Memo1->lines = lines;
    box.Memo1->scrollBars = ui::ScrollBars::Vertical;
    box.Label2->caption = headline;
    box.Image1->LoadPicture(picture);
    box.Image1->transparent = box.Image1->proportional = IsFactionLogo(picture);
    box.Shape3->brushColor = ui::colors::White;
}

// The long notice with a headline, a picture in a white frame and its lines one below the other.
void ShowLongNotice(const std::string& headline, const std::string& picture,
                    const std::vector<std::string>& lines);
// The same with the lines of a text file; a missing file shows an empty text.
void ShowLongNoticeFile(const std::string& headline, const std::string& picture,
                        const std::string& file);

}  // namespace corvanth
