// The combat event notice.
#include "state/UMessage2.h"

#include "state/Sound.h"

namespace corvanth {

ui::Screen<TMessage2> Message2{"TMessage2"};

TMessage2::TMessage2() : ui::Form("TMessage2") {
    Image4 = Bind<ui::Image>("Image4");
    Image1 = Bind<ui::Image>("Image1");
    Shape2 = Bind<ui::Shape>("Shape2");
    Shape3 = Bind<ui::Shape>("Shape3");
    Shape4 = Bind<ui::Shape>("Shape4");
    Label2 = Bind<ui::Label>("Label2");
    Label1 = Bind<ui::Label>("Label1");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    textFrame_ = {Shape4->left, Shape4->top, Shape4->width, Shape4->height};
    text_ = {Label1->left, Label1->top, Label1->width, Label1->height};
}

void TMessage2::FormShow() {
    const bool headline = !Label2->caption.empty(), picture = !Image1->picture.empty();
    Shape2->visible = Label2->visible = headline;
    Shape3->visible = Image1->visible = picture;
    ui::Rect frame = textFrame_;
    if (!picture) {
        frame.w += frame.x - Shape3->left;
        frame.x = Shape3->left;
    }
    if (!headline) {
        frame.h += frame.y - Shape2->top;
        frame.y = Shape2->top;
    }
    Shape4->left = frame.x;
    Shape4->top = frame.y;
    Shape4->width = frame.w;
    Shape4->height = frame.h;
    // The text keeps its margins inside the frame.
    Label1->left = frame.x + text_.x - textFrame_.x;
    Label1->top = frame.y + text_.y - textFrame_.y;
    Label1->width = frame.w - (textFrame_.w - text_.w);
    Label1->height = frame.h - (textFrame_.h - text_.h);
}

void TMessage2::SpeedButton3Click() {
    PlayButtonSound();
    Close();
}

}  // namespace corvanth
