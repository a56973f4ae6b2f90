// The war news dialog: one news item with the two boxes that switch war news off.
#pragma once

#include <string>

#include "ui/form.h"

namespace corvanth {

class TMessage7 : public ui::Form {
  public:
    TMessage7();
    ui::Image* Image1;
    ui::Shape* Shape3;
    ui::Label* Label2;
    ui::Memo* Memo1;
    ui::SpeedButton* SpeedButton1;  // "Continue"
    ui::CheckBox* CheckBox1;        // "Show war/cease fire messages"
    ui::CheckBox* CheckBox2;        // "Show war event messages"

    void SpeedButton1Click();
    void CheckBox1MouseUp();
    void CheckBox2MouseUp();
};

extern ui::Screen<TMessage7> Message7;

// What a news item is about: the war and cease-fire news (conquests, captures, diplomacy) or the
// events of a war (battles, raids, agents).
enum class WarNewsKind { WarOrCeaseFire, WarEvent };

// Shows one item unless the captain switched its kind off, and records the boxes as he left them:
// an unticked first box switches all war news off, an unticked second one the war events.
void ShowWarNews(const std::string& text, WarNewsKind kind);

}  // namespace corvanth
