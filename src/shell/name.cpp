// The new-captain screen: the player names the captain and picks a portrait and a faction.
#include "shell/name.h"

#include <string>

#include "state/Sound.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "state/variables.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm4> Form4{"TForm4"};

namespace {

constexpr int kFirstPortrait = 0;
constexpr int kLastPortrait = 2;
constexpr int kFemalePortrait = 1;
constexpr int kStartMoney = 3000;
constexpr int kMale = 1;
constexpr int kFemale = 2;

// The faction's name in double quotes, then what it stands for.
std::string FactionText(int faction) {
    switch (faction) {
        case FactionId::Federation:
            return "\"The Federation\". A former superpower fighting to restore peace and order. "
                   "(Easy)";
        case FactionId::OuterRimAlliance:
            return "\"The Outerrim Alliance\". These rebels fight for freedom and tradition. "
                   "(Difficult)";
        case FactionId::Syndicate:
            return "\"The Syndicate\". In this gathering of pirates and smugglers crime pays. "
                   "(Very difficult)";
        case FactionId::Coalition:
            return "\"The Coalition\". A peaceful nation of traders. (Very Difficult)";
        default:
            return "";
    }
}

}  // namespace

TForm4::TForm4() : ui::Form("TForm4") {
    Image3 = Bind<ui::Image>("Image3");
    Image2 = Bind<ui::Image>("Image2");
    Label1 = Bind<ui::Label>("Label1");
    Edit1 = Bind<ui::Edit>("Edit1");
    Label2 = Bind<ui::Label>("Label2");
    Image1 = Bind<ui::Image>("Image1");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton6 = Bind<ui::SpeedButton>("SpeedButton6");
    Label5 = Bind<ui::Label>("Label5");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    Label3 = Bind<ui::Label>("Label3");
    Image4 = Bind<ui::Image>("Image4");
    Label4 = Bind<ui::Label>("Label4");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    TutorialPanel = Bind<ui::Panel>("TutorialPanel");
    TutorialHeadLine = Bind<ui::Label>("TutorialHeadLine");
    TutorialMemo = Bind<ui::Memo>("TutorialMemo");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    TutorialHand = Bind<ui::Panel>("TutorialHand");
    TutorialHandPicture = Bind<ui::Image>("TutorialHandPicture");
    TutorialTimer = Bind<ui::Timer>("TutorialTimer");

    // A save keeps 255 characters of a name; the box takes no more.
    Edit1->maxLength = static_cast<int>(ShortText::MaxLength);

    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton1->OnClick = [this] { Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    Edit1->OnChange = [this] { Edit1Change(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    TutorialTimer->OnTimer = [this] { TutorialTimerTimer(); };
}

void RefreshCaptainChoice() {
    const GameState& g = G();
    const int faction = Captain()[Player::Faction];
    Form4->Image4->LoadPicture(faction >= 1 && faction < static_cast<int>(g.FactionPictures.size())
                                   ? g.FactionPictures[faction].str()
                                   : std::string());
    Form4->Label4->caption = FactionText(faction);
    Form4->Image1->LoadPicture(GetHeroPictureName(g.CurrentPlayer) + ".jpg");
}

void RefreshNewCaptainForm() {
    // Set by the program, so the name box's change event (a tutorial step) does not fire.
    Form4->Edit1->SetText(CaptainName());
    RefreshCaptainChoice();
}

void TForm4::SpeedButton6Click() {
    PlayButtonSound();
    int32_t& portrait = Captain()[Player::Portrait];
    portrait = portrait >= kLastPortrait ? kFirstPortrait : portrait + 1;
    RefreshCaptainChoice();
}

void TForm4::SpeedButton5Click() {
    PlayButtonSound();
    int32_t& portrait = Captain()[Player::Portrait];
    portrait = portrait <= kFirstPortrait ? kLastPortrait : portrait - 1;
    RefreshCaptainChoice();
}

void TForm4::SpeedButton2Click() {
    PlayButtonSound();
    int32_t& faction = Captain()[Player::Faction];
    faction = faction >= FactionId::Coalition ? FactionId::Federation : faction + 1;
    RefreshCaptainChoice();
    SpeedButton4->enabled = true;
}

void TForm4::Click() {
    PlayButtonSound();
    int32_t& faction = Captain()[Player::Faction];
    faction = faction <= FactionId::Federation ? FactionId::Coalition : faction - 1;
    RefreshCaptainChoice();
    SpeedButton4->enabled = true;
}

void TForm4::SpeedButton4Click() {
    GameRecord& captain = Captain();
    if (TutorialStep > 0) {
        // The tutorial always plays the Federation.
        captain[Player::Faction] = FactionId::Federation;
        TutorialStep = 3;
        AdvanceTutorialStep3();
    }
    PlayButtonSound();
    G().CaptainNames[G().CurrentPlayer] = Edit1->Text();
    captain[Player::Money] = kStartMoney;
    captain[Player::Gender] = captain[Player::Portrait] == kFemalePortrait ? kFemale : kMale;
    Hide();
}

void TForm4::Edit1Change() {
    // 255 characters may still be more bytes than a text slot holds: the box shows what is kept.
    const ShortText kept(Edit1->Text());
    if (kept.size() != Edit1->Text().size()) Edit1->SetText(kept.str());
    if (TutorialStep == 2) AdvanceTutorialStep2();
}

void TForm4::SpeedButton3Click() {
    PlayButtonSound();
    AskQuitTutorial();
}

void TForm4::TutorialTimerTimer() {
    TurnTutorialHand(*TutorialHand);
}

}  // namespace corvanth
