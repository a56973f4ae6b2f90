// The main menu screen: it carries the game's media players and the music timer.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm1 : public ui::Form {
  public:
    TForm1();
    ui::MediaPlayer* MediaPlayer1;
    ui::MediaPlayer* MediaPlayer2;
    ui::MediaPlayer* MediaPlayer3;
    ui::MediaPlayer* MediaPlayer4;
    ui::Timer* SoundTimer1;
};

extern TForm1* Form1;

}  // namespace corvanth
