// The uniform screen of the retirement score.
#include "shell/retire2.h"

#include "state/Sound.h"
#include "state/uniform.h"

namespace corvanth {

ui::Screen<TForm39> Form39{"TForm39"};

TForm39::TForm39() : UniformForm("TForm39") {
    Label14 = Bind<ui::Label>("Label14");
    Label2 = Bind<ui::Label>("Label2");
    Label6 = Bind<ui::Label>("Label6");
    UniformGroup = Bind<ui::Panel>("UniformGroup");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm39::SpeedButton1Click() {
    PlayButtonSound();
    Close();
}

void ShowRetirementUniform() {
    ApplyUniform(*Form39, ComposeUniform(CaptainUniform()));
}

}  // namespace corvanth
