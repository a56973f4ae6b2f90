// The step screen of the retirement score, the score's screens in order, and the end of a game.
#include "shell/retire.h"

#include "shell/highscore.h"
#include "shell/retire2.h"
#include "state/Sound.h"
#include "state/saturate.h"
#include "state/variables.h"
#include "ui/application.h"

namespace corvanth {

ui::Screen<TForm57> Form57{"TForm57"};

namespace {

void PlayStepSound(ScoreStep::Sound sound) {
    switch (sound) {
        case ScoreStep::Sound::HighestRank:
            PlayHighestRankSound();
            break;
        case ScoreStep::Sound::Marriage:
            PlayMarriageSound();
            break;
        case ScoreStep::Sound::Victory:
            PlayVictorySound();
            break;
        case ScoreStep::Sound::None:
            break;
    }
}

void ShowStep(const ScoreStep& step) {
    // The highest rank's fanfare plays before its screen opens; the others as it opens.
    PlayStepSound(step.sound);
    if (step.number == 3) {
        ShowRetirementUniform();
        Form39->Label14->caption = step.headline;
        Form39->Label2->caption = step.text;
        Form39->Label6->caption = step.line;
        Form39->ShowModal();
        return;
    }
    Form57->Label1->caption = step.headline;
    Form57->Image1->LoadPicture(step.picture);
    Form57->Label4->caption = step.text;
    Form57->Label5->caption = step.line;
    Form57->ShowModal();
}

}  // namespace

TForm57::TForm57() : ui::Form("TForm57") {
    Label1 = Bind<ui::Label>("Label1");
    Image1 = Bind<ui::Image>("Image1");
    Label4 = Bind<ui::Label>("Label4");
    Label5 = Bind<ui::Label>("Label5");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm57::SpeedButton1Click() {
    PlayButtonSound();
    closing_ = true;
    Close();
    closing_ = false;
}

void RetireAndScore() {
    // A game is scored once: a call after its end only ends it again.
    if (!GameEnded()) {
        int64_t score = 0;
        for (ScoreRule rule : kScoreSteps) ShowStep(rule(score));
        AddHighscore(SaturateInt32(score));
        ShowHighscores();
        Form38->ShowModal();
    }
    EndGame();
}

void EndGame() {
    Session().GameEnded = true;
    TravelScreenMayClose = 1;
    PlanetScreenMayClose = 1;
    ui::App().EndGame();
}

}  // namespace corvanth
