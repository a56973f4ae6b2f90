// Every sound of the game, one routine each, so callers never name a file.
#pragma once

namespace ui {
class MediaPlayer;
class Timer;
}  // namespace ui

namespace corvanth {

// The main menu's four media players and its music timer; the main menu hands them over when
// it is created. Until then the media-player sounds stay silent.
struct SoundPlayers {
    ui::MediaPlayer* intro = nullptr;       // MediaPlayer1 "Intro.mp3"
    ui::MediaPlayer* background = nullptr;  // MediaPlayer2 "Background.mp3"
    ui::MediaPlayer* sonar = nullptr;       // MediaPlayer3 "Sonar.wav"
    ui::MediaPlayer* button = nullptr;      // MediaPlayer4 "button.wav"
    ui::Timer* musicTimer = nullptr;        // SoundTimer1
};
void AttachSoundPlayers(const SoundPlayers& players);
const SoundPlayers& AttachedSoundPlayers();

void PlayReward1Sound();
void PlayReward2Sound();
void PlayReward3Sound();
void PlayBadSound();
void PlayAlertSound();
void PlayPromotionSound();
void PlayAwardSound();
void PlayLaserSound();
void PlayPhaserSound();
void PlayFlechetteSound();
void PlayTachyonSound();
void PlayMissileSound();
void PlayExplosion1Sound();
void PlayExplosion2Sound();
void PlayECMSound();
void PlayDataSound();
void PlayParticlesSound();
void PlayQuantumSound();
void PlayMinesSound();
void PlayDrinkingSound();
void PlayHighestRankSound();
void PlayVictorySound();
void PlayMarriageSound();
void PlayGames1Sound();
void PlayWonFightSound();

void PlayFlySound();    // the start of a trip: one of four engine sounds
void PlayGamesSound();  // the arena crowd: one of three

void PlayButtonSound();
void PlayButtonSoundAgain();
void PlaySonarSound();
void PlayIntroMusic();
void PlayBackgroundMusic();
void PlayNothing();

}  // namespace corvanth
