// The accept/decline offer; it cannot be left without an answer.
#pragma once

#include <cstdint>

#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

// 1 accept, 2 decline, 0 not yet answered; callers set 0 before showing the offer.
// Message5Result lives with the session (state/variables.h).

class TMessage5 : public ui::Form {
  public:
    TMessage5();
    ui::Image* Image2;
    ui::Image* Image3;
    ui::Image* Image1;
    ui::Shape* Shape3;
    ui::Memo* Memo1;
    ui::Label* Label2;
    ui::SpeedButton* SpeedButton1;
    ui::SpeedButton* SpeedButton2;

    void SpeedButton1Click();
    void SpeedButton2Click();
    bool CloseQuery() override;
};

extern ui::Screen<TMessage5> Message5;

}  // namespace corvanth
