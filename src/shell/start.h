// The main menu: new game, tutorial, credits and quit; it carries the media players and music
// timer.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm1 : public ui::Form {
  public:
    TForm1();
    ui::Image* Image8;  // background
    ui::Image* Image2;  // game logo; a click stops the intro
    ui::Image* Image1;
    ui::Image* Image3;
    ui::Image* Image6;
    ui::Image* Image4;
    ui::Image* Image7;
    ui::Image* Image5;

    ui::SpeedButton* SpeedButton1;   // "Start a new game"
    ui::SpeedButton* SpeedButton13;  // "Start the tutorial"
    ui::SpeedButton* SpeedButton15;  // "Load a game / Options"
    ui::SpeedButton* SpeedButton9;   // "View the highscore list"
    ui::SpeedButton* SpeedButton12;  // "Credits"
    ui::SpeedButton* SpeedButton7;   // "Quit"

    ui::Panel* TutorialPanel;
    ui::Label* TutorialHeadline;
    ui::Memo* TutorialMemo;
    ui::SpeedButton* SpeedButton2;  // "End tutorial"
    ui::Panel* TutorialHand;
    ui::Image* TutorialHandPicture;
    ui::Timer* TutorialTimer;

    ui::MediaPlayer* MediaPlayer1;  // "Intro.mp3"
    ui::MediaPlayer* MediaPlayer2;  // "Background.mp3"
    ui::MediaPlayer* MediaPlayer3;  // "Sonar.wav"
    ui::MediaPlayer* MediaPlayer4;  // "button.wav"
    ui::Timer* SoundTimer1;         // restarts the background music

    void SpeedButton1Click();
    void SpeedButton13Click();
    void SpeedButton15Click();
    void SpeedButton9Click();
    void SpeedButton12Click();
    void SpeedButton7Click();
    // The main menu has no close box, but the window's close button on it is "Quit".
    void WindowCloseRequest() override { SpeedButton7Click(); }
    void SpeedButton2Click();
    void Image2Click();
    void SoundTimer1Timer();
    void TutorialTimerTimer();
};

extern ui::Screen<TForm1> Form1;

void SetupMainMenuPictures();

// What a new game sets once the captain is chosen: the faction's start values and ship, the
// first space events, and the net worth the captain starts with.
void ApplyNewGameStart();

// The travel screen made ready for a game that starts or was loaded.
void SetupTravelScreen();

}  // namespace corvanth
