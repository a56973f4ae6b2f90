// The storyteller: the senator's story, and the story window that follows some ribbon awards.
#pragma once

#include <string>

#include "ui/form.h"

namespace corvanth {

// Moves the senator's story on; the last thing of every turn.
void UpdateSenatorStory();

class TForm45 : public ui::Form {
  public:
    TForm45();
    ui::Label* Label1;               // title
    ui::Memo* Memo1;                 // the story
    ui::Image* Image1;               // background
    ui::SpeedButton* SpeedButton15;  // "Continue"

    void SpeedButton15Click();
};

extern ui::Screen<TForm45> Form45;

// Shows a story text file under its title; a missing file shows the title over an empty page.
void ShowStoryWindow(const std::string& title, const std::string& file);

}  // namespace corvanth
