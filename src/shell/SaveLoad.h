// Saved games: the five slots' file pairs, the slot descriptions and the save/load screen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "state/datafiles.h"
#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

inline constexpr int kSaveSlots = 5;
// 226,773 integer records of 4 bytes and 2,452 text records of 256 bytes.
inline constexpr size_t kSaveIntBytes = 907092;
inline constexpr size_t kSaveTextBytes = 627712;
inline constexpr size_t kTextRecordBytes = kTextRecordSize;
inline constexpr const char* kSlotDescriptionsFile = "Savegamedata.str";

// "Savegame01.int" .. "Savegame05.str".
std::string SlotFileName(int slot, bool texts);

// The bytes of a slot's two files, encoded from the tables.
struct SaveImage {
    std::string ints;
    std::string texts;
};
SaveImage EncodeSave(const GameState& g);
// Decodes the two files into `into`, which keeps what a save does not hold. False when either is
// too short or a field that later code uses as an index is out of range; `into` is then a
// scratch copy to throw away. Bytes past the format are ignored.
bool DecodeSave(std::string_view ints, std::string_view texts, GameState& into);
// Whether the decoded tables are a game the rules can run: every index field in its range.
bool SavedIndicesValid(const GameState& g);

// Writes both files of the slot from the tables; the slot holds the old game or the new one
// whatever happens, never a mix. True when the new game is what the slot holds, false when the
// old one is kept. Tells the player nothing.
bool SaveGame(int slot);
// Reads both files of the slot and replaces the saved tables. On any failure the tables keep
// every bit they had, the bad sound plays and "Sorry, I cannot load this file." is shown.
bool LoadGame(int slot);
// The saved tables from a slot's two files, staged, checked and only then put in place; false
// (and the tables untouched) when the bytes are not a game.
bool ReplaceGameFrom(std::string_view ints, std::string_view texts);
// A loaded game's saved tables are brought into the ranges the rules keep them in, so that no
// sum the rules make of them runs over: every number within kLoadedNumberLimit as it is loaded,
// then money, fame, reputation and net worth as the file had them, loans and bonds within the
// money cap, mission rewards, money, loans, bonds, cargo and crew never below nothing, ships'
// action points and move costs within their classes', market prices within their goods' reach;
// the free room is what the hold leaves.
inline constexpr int32_t kLoadedNumberLimit = 100000000;
// The file's own values of the tables that hold money-like numbers.
struct MoneyLikeTables {
    const decltype(GameState::Players)& players;
    const decltype(GameState::Factions)& factions;
    const decltype(GameState::MissionOffers)& offers;
    const decltype(GameState::Missions)& missions;
};
// After every number was limited: the money-like ones from `file` within what the rules let
// them reach, what the rules count never below nothing, and what they read each turn within
// what they make of it.
void FinishRulesRanges(GameState& g, const MoneyLikeTables& file);
// LoadGame without a word to the player: true when the tables were replaced.
bool ReadSavedGame(int slot);
// Whether the slot holds a game: its two files there whole, of whichever spellings of their
// names (an empty or cut one is none). The pair found is the one loaded and saved over.
bool SlotHoldsGame(int slot);
// Finishes or undoes a save a kill interrupted, so the slot holds one whole game; false when a
// finished save could not be put in place yet (the slot still reads as the new game).
bool RecoverSlot(int slot);
// The mark a save leaves while its two files are being put in place: "Savegame01.commit".
std::string SlotMarkName(int slot);

// "Savegamedata.str" into SlotDescriptions[1..5]; a missing or short file gives empty texts.
void LoadSlotDescriptions();
// SlotDescriptions[1..5] into "Savegamedata.str", created when missing; false when it failed.
bool WriteSlotDescriptions();
// The bytes of "Savegamedata.str" and back; used by the reader and the fuzzing of it.
std::string EncodeSlotDescriptions(const GameState& g);
void DecodeSlotDescriptions(std::string_view bytes, GameState& g);

class TForm37 : public ui::Form {
  public:
    TForm37();
    ui::Image* Image1;  // background
    ui::Edit* Edit1;
    ui::Edit* Edit2;
    ui::Edit* Edit3;
    ui::Edit* Edit4;
    ui::Edit* Edit5;
    ui::SpeedButton* SpeedButton1;  // "Save", slot 1
    ui::SpeedButton* SpeedButton2;  // "Load", slot 1
    ui::SpeedButton* SpeedButton3;  // slot 2
    ui::SpeedButton* SpeedButton4;
    ui::SpeedButton* SpeedButton5;  // slot 3
    ui::SpeedButton* SpeedButton6;
    ui::SpeedButton* SpeedButton7;  // slot 4
    ui::SpeedButton* SpeedButton8;
    ui::SpeedButton* SpeedButton9;  // slot 5
    ui::SpeedButton* SpeedButton10;
    ui::SpeedButton* SpeedButton11;  // "Back"
    ui::SpeedButton* SpeedButton12;  // "Info about copying files"
    ui::SpeedButton* SpeedButton13;  // "Options"

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void SpeedButton12Click();
    void SpeedButton13Click();
    bool CloseQuery() override;

    ui::Edit* DescriptionBox(int slot) const;
    ui::SpeedButton* SaveButton(int slot) const;
    ui::SpeedButton* LoadButton(int slot) const;

  private:
    void SaveInto(int slot);
    void LoadFrom(int slot);
};

extern ui::Screen<TForm37> Form37;

// Fills the screen before it is shown: the descriptions from the file, "Load" for every slot
// that holds a game, "Save" while a game runs.
void RefreshSaveLoadForm();
// The typed descriptions into SlotDescriptions and the file; false when writing failed (the
// player is told).
bool SaveSlotDescriptions();

}  // namespace corvanth
