// The background screen: start-up and shut-down of the program, and the creation of the screens.
#include "shell/background.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "career/Missionreport.h"
#include "career/PersonalInfo.h"
#include "career/Promotion.h"
#include "career/UMessage7.h"
#include "career/exp1_meetthegirl.h"
#include "career/exp1_meetthegirl2.h"
#include "career/governor.h"
#include "career/missions.h"
#include "career/storyteller.h"
#include "career/warstatus.h"
#include "combat/AttackPlanet.h"
#include "combat/Captured.h"
#include "combat/CrewCombat1.h"
#include "combat/CrewCombatReport.h"
#include "combat/Duelhold_Main.h"
#include "combat/Duelhold_TournamentDisplay.h"
#include "combat/Duelhold_TournamentResults.h"
#include "combat/Duelhold_Winner.h"
#include "combat/EncounterScreen.h"
#include "combat/EncounterScreen2.h"
#include "combat/Loot.h"
#include "combat/PlunderPlanet.h"
#include "combat/combat2_screen.h"
#include "combat/crewcombatchoose.h"
#include "combat/tradingpost.h"
#include "planet/Bar.h"
#include "planet/Bar2.h"
#include "planet/Bar3.h"
#include "planet/BuyEquipment.h"
#include "planet/BuyShips.h"
#include "planet/Crew2.h"
#include "planet/CrewPay.h"
#include "planet/CrewScanner.h"
#include "planet/Scanner.h"
#include "planet/bank.h"
#include "planet/planet.h"
#include "shell/Cheats.h"
#include "shell/Dead.h"
#include "shell/Info_Retiring.h"
#include "shell/SaveLoad.h"
#include "shell/credits.h"
#include "shell/highscore.h"
#include "shell/name.h"
#include "shell/options.h"
#include "shell/retire.h"
#include "shell/retire2.h"
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
#include "state/variables.h"
#include "travel/PlanetInfo.h"
#include "travel/jumpscreen.h"
#include "travel/travel.h"
#include "travel/travelscreen.h"
#include "tutorial/Tutorial.h"
#include "ui/application.h"
#include "ui/files.h"
#include "ui/window.h"

namespace corvanth {

ui::Screen<TFbackground> Fbackground{"TFbackground"};
ui::Screen<TForm59> Form59{"TForm59"};

namespace {

constexpr int kFirstMusicTick = 130000;
// The tutorial starts by itself on the first two orderly runs.
constexpr int kTutorialRuns = 2;

struct Background {
    const char* screen;
    const char* image;
};
struct BackgroundSet {
    const char* picture;
    std::vector<Background> screens;
};

// clang-format off
const std::vector<BackgroundSet> kBackgrounds = {
    {"exp1_backgr.jpg", {{"TForm1", "Image8"}, {"TForm3", "Image2"}, {"TForm12", "Image4"},
        {"TForm18", "Image7"}, {"TForm40", "Image2"}, {"TForm46", "Image2"}, {"TForm58", "Image2"},
        {"TForm42", "Image3"}, {"TForm61", "Image1"}, {"TForm65", "Image8"},
        {"TMessage5", "Image2"}, {"TForm41", "Image4"}}},
    {"exp1_backgr2.jpg", {{"TForm33", "Image8"}, {"TForm2", "Image23"}, {"TForm4", "Image3"},
        {"TForm17", "Image1"}, {"TForm36", "Image1"}, {"TForm14", "Image3"}, {"TForm30", "Image4"},
        {"TForm43", "Image1"}, {"TForm20", "Image1"}, {"TForm49", "Image2"}, {"TForm51", "Image3"},
        {"TForm34", "Image8"}, {"TForm6", "Image3"}, {"TForm45", "Image1"}}},
    {"exp1_backgr3.jpg", {{"TMessage1", "Image1"}, {"TMessage2", "Image4"}, {"TForm25", "Image1"},
        {"TForm52", "Image6"}, {"TForm47", "Image4"}, {"Texp1_message1", "Image2"},
        {"Texp1_Message2", "Image1"}, {"TForm27", "Image4"}, {"TForm28", "Image6"},
        {"TForm62", "Image1"}, {"TForm63", "Image7"}, {"TMessage3", "Image1"},
        {"TMessage4", "Image2"}, {"TMessage6", "Image1"}, {"TMessage7", "Image2"}}},
    {"exp1_backgr4.jpg", {{"TForm9", "Image2"}, {"TForm2", "Image2"}, {"TForm7", "Image2"},
        {"TForm13", "Image1"}, {"TForm21", "Image2"}, {"TForm67", "Image2"}, {"TForm68", "Image2"},
        {"TForm32", "Image3"}, {"TForm31", "Image3"}, {"TForm24", "Image7"}, {"TForm48", "Image1"},
        {"TForm15", "Image1"}, {"TForm66", "Image8"}, {"TForm69", "Image8"}, {"TForm50", "Image2"},
        {"TForm38", "Image16"}, {"TForm60", "Image2"}, {"TForm8", "Image2"}, {"TForm53", "Image2"},
        {"TForm59", "Image2"}, {"TForm39", "Image1"}, {"TForm57", "Image2"}, {"TForm37", "Image1"}}},
    {"exp1_logo.jpg", {{"TForm3", "Image5"}, {"TForm4", "Image2"}, {"TForm40", "Image1"},
        {"TForm58", "Image1"}, {"TMessage4", "Image3"}, {"TMessage5", "Image3"},
        {"TMessage7", "Image3"}}},
};
// clang-format on

}  // namespace

void CleanUpAfterKilledRuns() {
    std::vector<std::string> names = {kSettingsFile, kSlotDescriptionsFile, kHighscoreNumbersFile,
                                      kHighscoreNamesFile};
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        names.push_back(SlotFileName(slot, false));
        names.push_back(SlotFileName(slot, true));
    }
    ui::RemoveLeftoverTemporaries(".", names);
    for (int slot = 1; slot <= kSaveSlots; ++slot) RecoverSlot(slot);
    FinishHighscoreFiles();
}

namespace {

void OpenPlayer(ui::MediaPlayer* player, const char* file) {
    player->fileName = file;
    player->Open();
}

}  // namespace

TFbackground::TFbackground() : ui::Form("TFbackground") {}

void ApplyAddonBackgrounds() {
    // Screens that are not part of the game yet are passed over; they join as they are created.
    for (const BackgroundSet& set : kBackgrounds)
        for (const Background& b : set.screens)
            if (ui::Form* screen = ui::App().FindForm(b.screen))
                if (auto* image = dynamic_cast<ui::Image*>(screen->Find(b.image)))
                    image->LoadPicture(set.picture);
}

void TFbackground::FormActivate() {
    GameState& g = G();
    Randomize();
    CleanUpAfterKilledRuns();
    // The desktop's warning beep is the player's own setting: the game leaves it as it is.
    LoadGameSettings();
    if (g.CleanExit == 0) {
        Message3Result = 0;
        Form59->ShowModal();
        g.ProtectedModeOn = Message3Result == 1 ? 1 : 0;
    }
    // Stays 0 on disk until the shut-down below: a run that never gets there is asked about.
    g.CleanExit = 0;
    SaveGameSettings();
    ApplyAddonBackgrounds();

    // A missing or unplayable music file leaves its player silent; the start goes on.
    TForm1& menu = *Form1;
    if (!g.ProtectedModeOn) {
        OpenPlayer(menu.MediaPlayer1, "Intro.mp3");
        OpenPlayer(menu.MediaPlayer2, "Background.mp3");
    }
    OpenPlayer(menu.MediaPlayer3, "Sonar.wav");
    OpenPlayer(menu.MediaPlayer4, "button.wav");
    if (!g.ProtectedModeOn) menu.MediaPlayer1->Play();
    menu.SoundTimer1->SetInterval(kFirstMusicTick);
    menu.SoundTimer1->SetEnabled(true);
    if (g.LaunchCount < kTutorialRuns) StartTutorial();
    SetupMainMenuPictures();
    menu.ShowModal();

    // The menu has closed: the run is over.
    menu.SoundTimer1->SetEnabled(false);
    if (!g.ProtectedModeOn) {
        menu.MediaPlayer1->Stop();
        menu.MediaPlayer1->Close();
        menu.MediaPlayer2->Stop();
        menu.MediaPlayer2->Close();
    }
    menu.MediaPlayer3->Stop();
    menu.MediaPlayer3->Close();
    menu.MediaPlayer4->Close();
    // What is on disk wins, among it a protected mode chosen on the options screen.
    LoadGameSettings();
    g.CleanExit = 1;
    if (g.LaunchCount < std::numeric_limits<int32_t>::max()) ++g.LaunchCount;
    SaveGameSettings();
    Close();
}

TForm59::TForm59() : ui::Form("TForm59") {
    Image2 = Bind<ui::Image>("Image2");
    SpeedButton7 = Bind<ui::SpeedButton>("SpeedButton7");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

// The prompt's buttons make no click: the click player is not open yet.
void TForm59::SpeedButton7Click() {
    Message3Result = 1;
    Close();
}

void TForm59::SpeedButton1Click() {
    Message3Result = 0;
    Close();
}

void CreateScreens() {
    auto& app = ui::App();
    Fbackground = app.Create<TFbackground>();
    Form1 = app.Create<TForm1>();
    app.SetGameHome(Form1);
    GameUpcalls() = StandardUpcalls();
    Form2 = app.Create<TForm2>();
    Form3 = app.Create<TForm3>();
    Form4 = app.Create<TForm4>();
    Form9 = app.Create<TForm9>();
    Message1 = app.Create<TMessage1>();
    Message2 = app.Create<TMessage2>();
    Form13 = app.Create<TForm13>();
    Form12 = app.Create<TForm12>();
    Form17 = app.Create<TForm17>();
    Form18 = app.Create<TForm18>();
    Form6 = app.Create<TForm6>();
    Message3 = app.Create<TMessage3>();
    Form21 = app.Create<TForm21>();
    Form24 = app.Create<TForm24>();
    Form25 = app.Create<TForm25>();
    Form31 = app.Create<TForm31>();
    Form30 = app.Create<TForm30>();
    Form32 = app.Create<TForm32>();
    Form33 = app.Create<TForm33>();
    Form34 = app.Create<TForm34>();
    Message5 = app.Create<TMessage5>();
    Form40 = app.Create<TForm40>();
    Message6 = app.Create<TMessage6>();
    Form49 = app.Create<TForm49>();
    Form50 = app.Create<TForm50>();
    Form52 = app.Create<TForm52>();
    Form53 = app.Create<TForm53>();
    Form58 = app.Create<TForm58>();
    Form37 = app.Create<TForm37>();
    Form59 = app.Create<TForm59>();
    Message4 = app.Create<TMessage4>();
    exp1_message1 = app.Create<Texp1_message1>();
    exp1_Message2 = app.Create<Texp1_Message2>();
    Form67 = app.Create<TForm67>();
    Form68 = app.Create<TForm68>();
    Form38 = app.Create<TForm38>();
    Form39 = app.Create<TForm39>();
    Form43 = app.Create<TForm43>();
    Form57 = app.Create<TForm57>();
    Form60 = app.Create<TForm60>();
    Message7 = app.Create<TMessage7>();
    Form41 = app.Create<TForm41>();
    Form42 = app.Create<TForm42>();
    Form45 = app.Create<TForm45>();
    Form28 = app.Create<TForm28>();
    Form27 = app.Create<TForm27>();
    Form66 = app.Create<TForm66>();
    Form69 = app.Create<TForm69>();
    Form8 = app.Create<TForm8>();
    Form20 = app.Create<TForm20>();
    Form46 = app.Create<TForm46>();
    Form47 = app.Create<TForm47>();
    Form48 = app.Create<TForm48>();
    Form7 = app.Create<TForm7>();
    Form14 = app.Create<TForm14>();
    Form15 = app.Create<TForm15>();
    Form51 = app.Create<TForm51>();
    Form61 = app.Create<TForm61>();
    Form62 = app.Create<TForm62>();
    Form63 = app.Create<TForm63>();
    Form65 = app.Create<TForm65>();
}

std::vector<std::string> StartupProblems(const std::vector<ui::Form*>& screens) {
    std::vector<std::string> lines;
    for (const ui::Form* form : screens)
        for (const std::string& problem : form->LayoutProblems()) lines.push_back("  " + problem);
    if (!lines.empty()) {
        std::error_code ec;
        const auto dir = std::filesystem::absolute(ui::LayoutDir(), ec).lexically_normal();
        lines.insert(lines.begin(),
                     "The screen layouts in " + dir.string() + " are damaged or missing:");
    }
    if (!ui::FontAvailable())
        lines.push_back(
            "No font for the screens: the game looks for \"DejaVu Sans\" through "
            "fontconfig (Debian package fonts-dejavu-core).");
    return lines;
}

namespace {

// Said on stderr and on the window, which needs no file to say it.
void Tell(std::vector<std::string> lines) {
    for (const std::string& line : lines) std::fprintf(stderr, "Corvanth: %s\n", line.c_str());
    lines.push_back("");
    lines.push_back("Press a key or click to go on.");
    ui::ShowPlainNotice(lines);
}

}  // namespace

int ProgramBlock() {
    std::string error;
    if (!ui::UseWindow(&error)) {
        std::fprintf(stderr, "Corvanth cannot open its window: %s\n", error.c_str());
        return 1;
    }
    int status = 0;
    try {
        CreateScreens();
        if (auto problems = StartupProblems(ui::App().Forms()); !problems.empty())
            Tell(std::move(problems));
        ui::App().Run();
    } catch (const std::exception& e) {
        // A failed allocation or any other fault ends the run with a word, not a silent abort.
        Tell({std::string("Corvanth has stopped: ") + e.what()});
        status = 1;
    }
    ui::CloseWindow();
    return status;
}

}  // namespace corvanth
