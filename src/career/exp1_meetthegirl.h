// The senator's visits: the date screen with its donation and gift requests, and the talk in the
// governor's office that leads from the first dinner to the spouse's company.
#pragma once

#include <cstdint>
#include <string>

#include "ui/form.h"

namespace corvanth {

class TForm66 : public ui::Form {
  public:
    TForm66();
    ui::Label* Label1;              // "You got a date..."
    ui::Label* Label3;              // the request
    ui::Image* Image3;              // the one courted
    ui::SpeedButton* SpeedButton1;  // "Accept"
    ui::SpeedButton* SpeedButton2;  // "Reject"

    void SpeedButton1Click();
    void SpeedButton2Click();
};

extern ui::Screen<TForm66> Form66;

// Shows a request on the date screen; true only for "Accept" (a close counts as a rejection).
bool AskOnDate(const std::string& request, bool acceptEnabled);

// The donation the senator asks of a captain of that rank in the office's faction.
int64_t SenatorDonation(int rank);

// "Talk to the senator": every part of the visit that applies, in order, within one click.
void TalkToSenator();

}  // namespace corvanth
