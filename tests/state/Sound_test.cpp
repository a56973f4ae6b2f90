// Sounds: the files each routine plays, the random choices, and protected mode.
#include "state/Sound.h"

#include <gtest/gtest.h>

#include "shell/start.h"
#include "state/random.h"
#include "state/variables.h"
#include "support/game_test.h"
#include "ui/audio.h"
#include "ui/component.h"

namespace corvanth {
namespace {

class Sounds : public test::GameTest {};

TEST_F(Sounds, ProtectedModeKeepsTheMusicOffButNotTheClicks) {
    Form1->MediaPlayer1->Open();
    Form1->MediaPlayer2->Open();
    Form1->MediaPlayer3->Open();
    Form1->MediaPlayer4->Open();
    G().ProtectedModeOn = 1;
    Form1->SoundTimer1->SetInterval(130000);
    PlayIntroMusic();
    PlayBackgroundMusic();
    PlayButtonSound();
    PlaySonarSound();
    EXPECT_EQ(test::CountSound("play:Intro.mp3"), 0);
    EXPECT_EQ(test::CountSound("play:Background.mp3"), 0);
    EXPECT_EQ(test::CountSound("play:button.wav"), 1);
    EXPECT_EQ(test::CountSound("play:Sonar.wav"), 1);
    EXPECT_EQ(Form1->SoundTimer1->Interval(), 130000);

    G().ProtectedModeOn = 0;
    Rng().SetSeed(7);
    RandomGenerator copy;
    copy.SetSeed(7);
    PlayIntroMusic();
    PlayBackgroundMusic();
    EXPECT_EQ(test::CountSound("play:Intro.mp3"), 1);
    EXPECT_EQ(test::CountSound("play:Background.mp3"), 1);
    EXPECT_EQ(Form1->SoundTimer1->Interval(), 25000 + copy.Next(25000));
}

TEST_F(Sounds, RandomEffectsFollowTheirBands) {
    // Find seeds whose first draw of Random(100) lands on each band edge and check the file.
    auto fileFor = [](uint32_t seed, void (*play)()) {
        Rng().SetSeed(seed);
        ui::audio::ClearLog();
        play();
        return ui::audio::Log().back();
    };
    auto drawOf = [](uint32_t seed) {
        RandomGenerator r;
        r.SetSeed(seed);
        return r.Next(100);
    };
    int checked = 0;
    for (uint32_t seed = 0; seed < 5000; ++seed) {
        int r = drawOf(seed);
        std::string fly = r <= 25   ? "Fly1.wav"
                          : r <= 50 ? "Fly2.wav"
                          : r <= 75 ? "Fly3.wav"
                                    : "Fly4.wav";
        std::string games = r <= 35 ? "games1.wav" : r <= 75 ? "games2.wav" : "games3.wav";
        if (r == 25 || r == 26 || r == 35 || r == 36 || r == 75 || r == 76 || r == 0 || r == 99) {
            EXPECT_EQ(fileFor(seed, PlayFlySound), "wave:" + fly) << "draw " << r;
            EXPECT_EQ(fileFor(seed, PlayGamesSound), "wave:" + games) << "draw " << r;
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}

TEST_F(Sounds, EffectsPlayTheirOwnFilesAndAMissingFileIsSilent) {
    PlayAlertSound();
    PlayECMSound();
    PlayFlechetteSound();
    PlayNothing();
    const auto& log = ui::audio::Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "wave:alert.wav");
    EXPECT_EQ(log[1], "wave:exp1_ECM.wav");
    EXPECT_EQ(log[2], "wave:Flechette.wav");
}

}  // namespace
}  // namespace corvanth
