// The background screen and the screens' creation.
#include "shell/background.h"

#include "shell/start.h"
#include "state/ForgiveOffense.h"
#include "state/HelpCenter.h"
#include "state/UMessage1.h"
#include "state/UMessage2.h"
#include "state/UMessage3.h"
#include "state/UMessage4.h"
#include "state/UMessage5.h"
#include "state/UMessage6.h"
#include "state/exp1_UMessage1.h"
#include "state/exp1_UMessage2.h"
#include "state/random.h"
#include "ui/application.h"

namespace corvanth {

TFbackground* Fbackground = nullptr;

TFbackground::TFbackground() : ui::Form("TFbackground") {}

void TFbackground::FormActivate() {
    Randomize();
    Form1->MediaPlayer3->Open();
    Form1->MediaPlayer4->Open();
    ShowMessage1(
        "Welcome aboard, captain. The galaxy of Corvanth is being charted: the trade lanes open "
        "soon.");
    Close();
}

void CreateScreens() {
    auto& app = ui::App();
    Fbackground = app.Create<TFbackground>();
    Form1 = app.Create<TForm1>();
    Message1 = app.Create<TMessage1>();
    Message2 = app.Create<TMessage2>();
    Message3 = app.Create<TMessage3>();
    Message5 = app.Create<TMessage5>();
    Message6 = app.Create<TMessage6>();
    Form49 = app.Create<TForm49>();
    Form50 = app.Create<TForm50>();
    Message4 = app.Create<TMessage4>();
    exp1_message1 = app.Create<Texp1_message1>();
    exp1_Message2 = app.Create<Texp1_Message2>();
}

}  // namespace corvanth
