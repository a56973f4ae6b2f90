// The main menu screen.
#include "shell/start.h"

#include "state/Sound.h"

namespace corvanth {

TForm1* Form1 = nullptr;

TForm1::TForm1() : ui::Form("TForm1") {
    MediaPlayer1 = Bind<ui::MediaPlayer>("MediaPlayer1");
    MediaPlayer2 = Bind<ui::MediaPlayer>("MediaPlayer2");
    MediaPlayer3 = Bind<ui::MediaPlayer>("MediaPlayer3");
    MediaPlayer4 = Bind<ui::MediaPlayer>("MediaPlayer4");
    SoundTimer1 = Bind<ui::Timer>("SoundTimer1");
    AttachSoundPlayers({MediaPlayer1, MediaPlayer2, MediaPlayer3, MediaPlayer4, SoundTimer1});
}

}  // namespace corvanth
