// The save/load screen: five slots with their descriptions, "Back", "Options" and the file note.
#include "shell/SaveLoad.h"

#include "shell/options.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TForm37> Form37{"TForm37"};

namespace {

constexpr const char* kAskSave =
    "Do you really want to SAVE the game in this slot (any saved games in this slot are lost)?";
constexpr const char* kAskLoad =
    "Do you really want to LOAD this savegame (the current game will be lost)?";
constexpr const char* kSaveFailed = "Sorry, I cannot save the game in this slot.";
constexpr const char* kOldGameKept = " The game saved there before is kept.";
constexpr const char* kDescriptionsFailed =
    "Sorry, I cannot write the descriptions of the slots to Savegamedata.str.";

// After a save or a load only the buttons change: the boxes keep what the player typed.
void RefreshSaveLoadButtons() {
    const bool running = GameRunning();
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        Form37->LoadButton(slot)->enabled = SlotHoldsGame(slot);
        Form37->SaveButton(slot)->enabled = running;
    }
}

}  // namespace

TForm37::TForm37() : ui::Form("TForm37") {
    Image1 = Bind<ui::Image>("Image1");
    Edit1 = Bind<ui::Edit>("Edit1");
    Edit2 = Bind<ui::Edit>("Edit2");
    Edit3 = Bind<ui::Edit>("Edit3");
    Edit4 = Bind<ui::Edit>("Edit4");
    Edit5 = Bind<ui::Edit>("Edit5");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton6 = Bind<ui::SpeedButton>("SpeedButton6");
    SpeedButton7 = Bind<ui::SpeedButton>("SpeedButton7");
    SpeedButton8 = Bind<ui::SpeedButton>("SpeedButton8");
    SpeedButton9 = Bind<ui::SpeedButton>("SpeedButton9");
    SpeedButton10 = Bind<ui::SpeedButton>("SpeedButton10");
    SpeedButton11 = Bind<ui::SpeedButton>("SpeedButton11");
    SpeedButton12 = Bind<ui::SpeedButton>("SpeedButton12");
    SpeedButton13 = Bind<ui::SpeedButton>("SpeedButton13");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
    SpeedButton8->OnClick = [this] { SpeedButton8Click(); };
    SpeedButton9->OnClick = [this] { SpeedButton9Click(); };
    SpeedButton10->OnClick = [this] { SpeedButton10Click(); };
    SpeedButton11->OnClick = [this] { SpeedButton11Click(); };
    SpeedButton12->OnClick = [this] { SpeedButton12Click(); };
    SpeedButton13->OnClick = [this] { SpeedButton13Click(); };
}

ui::Edit* TForm37::DescriptionBox(int slot) const {
    ui::Edit* const boxes[] = {Edit1, Edit2, Edit3, Edit4, Edit5};
    return boxes[slot - 1];
}
ui::SpeedButton* TForm37::SaveButton(int slot) const {
    ui::SpeedButton* const buttons[] = {SpeedButton1, SpeedButton3, SpeedButton5, SpeedButton7,
                                        SpeedButton9};
    return buttons[slot - 1];
}
ui::SpeedButton* TForm37::LoadButton(int slot) const {
    ui::SpeedButton* const buttons[] = {SpeedButton2, SpeedButton4, SpeedButton6, SpeedButton8,
                                        SpeedButton10};
    return buttons[slot - 1];
}

void RefreshSaveLoadForm() {
    LoadSlotDescriptions();
    for (int slot = 1; slot <= kSaveSlots; ++slot)
        Form37->DescriptionBox(slot)->SetText(G().SlotDescriptions[slot].str());
    RefreshSaveLoadButtons();
}

bool SaveSlotDescriptions() {
    for (int slot = 1; slot <= kSaveSlots; ++slot)
        G().SlotDescriptions[slot] = Form37->DescriptionBox(slot)->Text();
    if (WriteSlotDescriptions()) return true;
    ShowMessage1(kDescriptionsFailed);
    return false;
}

// Every "Save" and "Load" asks the disk first: a game put in a slot while the screen is open is
// asked about before it is saved over, and a slot's buttons follow what is there.
void TForm37::SaveInto(int slot) {
    PlayButtonSound();
    RefreshSaveLoadButtons();
    const bool used = LoadButton(slot)->enabled;
    Message3Result = 1;
    if (used && !AskYesNo(kAskSave)) return;
    if (used) PlayButtonSoundAgain();
    // The game first, for every slot: a failure of the descriptions never costs the game.
    if (!SaveGame(slot)) {
        // Only a slot that held a game before holds it still.
        ShowMessage1(std::string(kSaveFailed) + (SlotHoldsGame(slot) ? kOldGameKept : ""));
        return;
    }
    ShowMessage1("Game saved!");
    SaveSlotDescriptions();
    RefreshSaveLoadButtons();
}

void TForm37::LoadFrom(int slot) {
    PlayButtonSound();
    RefreshSaveLoadButtons();
    const bool running = GameRunning();
    Message3Result = 1;
    if (running && !AskYesNo(kAskLoad)) return;
    if (running) PlayButtonSoundAgain();
    if (LoadGame(slot)) ShowMessage1("Game loaded!");
    RefreshSaveLoadButtons();
}

void TForm37::SpeedButton1Click() {
    SaveInto(1);
}
void TForm37::SpeedButton2Click() {
    LoadFrom(1);
}
void TForm37::SpeedButton3Click() {
    SaveInto(2);
}
void TForm37::SpeedButton4Click() {
    LoadFrom(2);
}
void TForm37::SpeedButton5Click() {
    SaveInto(3);
}
void TForm37::SpeedButton6Click() {
    LoadFrom(3);
}
void TForm37::SpeedButton7Click() {
    SaveInto(4);
}
void TForm37::SpeedButton8Click() {
    LoadFrom(4);
}
void TForm37::SpeedButton9Click() {
    SaveInto(5);
}
void TForm37::SpeedButton10Click() {
    LoadFrom(5);
}

void TForm37::SpeedButton11Click() {
    PlayButtonSound();
    Close();
}

// Every way out stores the typed descriptions, as "Back" does; the screen closes even when they
// cannot be written, or the player could never leave it.
bool TForm37::CloseQuery() {
    SaveSlotDescriptions();
    return true;
}

void TForm37::SpeedButton12Click() {
    PlayButtonSound();
}

void TForm37::SpeedButton13Click() {
    PlayButtonSound();
    LoadOptionsForm();
    Form58->ShowModal();
}

}  // namespace corvanth
