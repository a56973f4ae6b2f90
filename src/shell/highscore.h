// The high-score table: its two files, the entry of a final score and the top-five screen.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/form.h"

namespace corvanth {

inline constexpr const char* kHighscoreNumbersFile = "Highscores.int";
inline constexpr const char* kHighscoreNamesFile = "Highscores.str";
inline constexpr int kShownHighscores = 5;

class TForm38 : public ui::Form {
  public:
    TForm38();
    // One row of the list: its frame, the captain's name and score, and three pictures.
    struct Row {
        ui::Shape* frame;
        ui::Label* name;
        ui::Label* score;
        ui::Image* faction;
        ui::Image* rank;
        ui::Image* ship;
    };
    std::array<Row, kShownHighscores> rows{};
    ui::SpeedButton* SpeedButton11;  // "Back"

    void SpeedButton11Click();
};

extern ui::Screen<TForm38> Form38;

// Rows 1..20 and names 1..5 from the files. A missing or short file reads as an empty table, and
// whatever part of it could be read is kept.
void LoadHighscores();
// Both files whole from rows 1..20 and names 1..5, replaced together; false (the player is told)
// when the old table is kept.
bool SaveHighscores();
// Finishes a table a kill left half put in place, or clears what an unfinished write staged.
void FinishHighscoreFiles();

// Enters a score into rows 1..20 by the table's rules: its sorted place, one row per captain,
// the old row 20 dropping out. Returns the new row, or 0 when the score ranks below every row.
int EnterHighscore(const std::string& name, int32_t score, int faction, int rank, int shipClass);

// Enters the current captain's final score, saves and shows the table, and marks the new row
// when it is among the five shown. A captain who cheated is refused and nothing is saved.
void AddHighscore(int32_t score);
// Fills the five rows of the screen.
void ShowHighscores();
// Paints the five rows white again.
void ClearHighscoreHighlight();

}  // namespace corvanth
