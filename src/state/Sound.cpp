// Sound effects and music.
#include "state/Sound.h"

#include "state/random.h"
#include "state/variables.h"
#include "ui/audio.h"
#include "ui/component.h"

namespace corvanth {

namespace {

SoundPlayers& Players() {
    static SoundPlayers players;
    return players;
}

// Restarts a short media-player sound, so a quick second click sounds again.
void Restart(ui::MediaPlayer* player) {
    if (!player) return;
    player->Stop();
    player->Rewind();
    player->Play();
}

}  // namespace

void AttachSoundPlayers(const SoundPlayers& players) {
    Players() = players;
}
const SoundPlayers& AttachedSoundPlayers() {
    return Players();
}

void PlayReward1Sound() {
    ui::audio::PlayWave("reward1.wav");
}
void PlayReward2Sound() {
    ui::audio::PlayWave("reward2.wav");
}
void PlayReward3Sound() {
    ui::audio::PlayWave("reward3.wav");
}
void PlayBadSound() {
    ui::audio::PlayWave("bad1.wav");
}
void PlayAlertSound() {
    ui::audio::PlayWave("alert.wav");
}
void PlayPromotionSound() {
    ui::audio::PlayWave("promotion.wav");
}
void PlayAwardSound() {
    ui::audio::PlayWave("award.wav");
}
void PlayLaserSound() {
    ui::audio::PlayWave("laser.wav");
}
void PlayPhaserSound() {
    ui::audio::PlayWave("phaser.wav");
}
void PlayFlechetteSound() {
    ui::audio::PlayWave("Flechette.wav");
}
void PlayTachyonSound() {
    ui::audio::PlayWave("Tachyon.wav");
}
void PlayMissileSound() {
    ui::audio::PlayWave("missile.wav");
}
void PlayExplosion1Sound() {
    ui::audio::PlayWave("explosion1.wav");
}
void PlayExplosion2Sound() {
    ui::audio::PlayWave("explosion2.wav");
}
void PlayECMSound() {
    ui::audio::PlayWave("exp1_ECM.wav");
}
void PlayDataSound() {
    ui::audio::PlayWave("data.wav");
}
void PlayParticlesSound() {
    ui::audio::PlayWave("Particles.wav");
}
void PlayQuantumSound() {
    ui::audio::PlayWave("Quantum.wav");
}
void PlayMinesSound() {
    ui::audio::PlayWave("Mines.wav");
}
void PlayDrinkingSound() {
    ui::audio::PlayWave("drinking.wav");
}
void PlayHighestRankSound() {
    ui::audio::PlayWave("highestrank.wav");
}
void PlayVictorySound() {
    ui::audio::PlayWave("victory.wav");
}
void PlayMarriageSound() {
    ui::audio::PlayWave("marriage.wav");
}
void PlayGames1Sound() {
    ui::audio::PlayWave("games1.wav");
}
void PlayWonFightSound() {
    ui::audio::PlayWave("wonfight.wav");
}

void PlayFlySound() {
    const int r = Random(100);
    if (r <= 25) {
        ui::audio::PlayWave("Fly1.wav");
    } else if (r <= 50) {
        ui::audio::PlayWave("Fly2.wav");
    } else if (r <= 75) {
        ui::audio::PlayWave("Fly3.wav");
    } else {
        ui::audio::PlayWave("Fly4.wav");
    }
}

void PlayGamesSound() {
    const int r = Random(100);
    if (r <= 35) {
        ui::audio::PlayWave("games1.wav");
    } else if (r <= 75) {
        ui::audio::PlayWave("games2.wav");
    } else {
        ui::audio::PlayWave("games3.wav");
    }
}

void PlayButtonSound() {
    Restart(Players().button);
}
void PlayButtonSoundAgain() {
    PlayButtonSound();
}
void PlaySonarSound() {
    Restart(Players().sonar);
}

void PlayIntroMusic() {
    if (G().ProtectedModeOn) return;
    if (Players().intro) Players().intro->Play();
}

void PlayBackgroundMusic() {
    if (G().ProtectedModeOn) return;
    if (Players().background) Players().background->Play();
    if (Players().musicTimer) Players().musicTimer->SetInterval(25000 + Random(25000));
}

void PlayNothing() {}

}  // namespace corvanth
