// The outcast and criminal notice.
#include "state/HelpCenter.h"

#include <string>

#include "state/Sound.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {

ui::Screen<TForm49> Form49{"TForm49"};

TForm49::TForm49() : ui::Form("TForm49") {
    Image2 = Bind<ui::Image>("Image2");
    Image1 = Bind<ui::Image>("Image1");
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm49::SpeedButton1Click() {
    PlayButtonSound();
    Close();
}

namespace {

void ShowNotice(int faction, const std::string& headline, const std::string& line2,
                const std::string& line3, const std::string& line4) {
    Form49->Image1->LoadPicture(G().FactionPictures[faction].str());
    Form49->Label1->caption = headline;
    Form49->Label2->caption = line2;
    Form49->Label3->caption = line3;
    Form49->Label4->caption = line4;
    Form49->ShowModal();
}

}  // namespace

void ShowOutcastNotice(int faction) {
    if (!PlayableFaction(faction)) return;
    const std::string f = FactionName(faction);
    ShowNotice(faction, "You are an outcast now!",
               "For your committed crimes you are considered hostile in the " + f + ".",
               "This means you will  be attacked at sight of vessels of the " + f +
                   " and you are not able to do any business on their planets except trading "
                   "illegal goods and contacting the governor to get an amnesty.",
               "If you continue comitting crimes you might be declared a criminal, which will "
               "mean that you cannot get any amnesties anymore.");
}

void ShowCriminalNotice(int faction) {
    if (!PlayableFaction(faction)) return;
    const std::string f = FactionName(faction);
    ShowNotice(faction, "You are a criminal now!",
               "For your committed crimes you have been declared a criminal in the " + f + ".",
               "This means you will  be attacked at sight of vessels of the " + f +
                   " and you are not able to do any business on their planets except trading "
                   "illegal goods.",
               "You can never get an amnesty anymore. This faction will be hostile forever!");
}

}  // namespace corvanth
