// The high-score files, the rules that enter a score and the screen that shows the best five.
#include "shell/highscore.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/datafiles.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "ui/files.h"

namespace corvanth {

ui::Screen<TForm38> Form38{"TForm38"};

namespace {

// The new row stands out in the yellow the other screens use.
constexpr ui::Color kHighlight = ui::colors::Yellow;
constexpr const char* kRankPrefix[] = {"", "Fed_Rank", "Or_Rank", "Synd_Rank", "coal_Rank"};

constexpr const char* kHighscoreMark = "Highscores.commit";
constexpr size_t kNumbersBytes = size_t{Highscore::LastRow} * Highscore::FieldsOnDisk * 4;
constexpr size_t kNamesBytes = size_t{Highscore::StoredNames} * kTextRecordSize;

// Names are compared as the file holds them, so a name with a letter the file cannot keep still
// finds its own row after a restart. An empty name is a row whose name was never kept (rows
// 6..20 after a start): it is nobody's.
bool SameCaptain(std::string_view a, std::string_view b) {
    const std::string stored = StoredText(a);
    return !stored.empty() && stored == StoredText(b);
}

// The files are found whatever the letter case of their names, and replaced where they are
// found, so a renamed pair is never doubled.
std::string HighscorePath(const char* name) {
    return ui::FindFile(name).value_or(name);
}

std::vector<std::string> HighscorePaths() {
    return {HighscorePath(kHighscoreNumbersFile), HighscorePath(kHighscoreNamesFile)};
}

void CopyRow(int to, int from) {
    GameState& g = G();
    g.HighscoreNames[to] = g.HighscoreNames[from];
    for (int f = Highscore::Used; f <= Highscore::ShipClass; ++f)
        g.Highscores[to][f] = g.Highscores[from][f];
}

void PaintRow(const TForm38::Row& row, ui::Color color) {
    row.frame->penColor = color;
    row.name->font.color = color;
    row.score->font.color = color;
}

}  // namespace

TForm38::TForm38() : ui::Form("TForm38") {
    for (int r = 0; r < kShownHighscores; ++r) {
        const std::string n = std::to_string(r + 1);
        rows[r] = {Bind<ui::Shape>("Shape" + n),
                   Bind<ui::Label>("Label" + n),
                   Bind<ui::Label>("Label" + std::to_string(r + 6)),
                   Bind<ui::Image>("Image" + n),
                   Bind<ui::Image>("Image" + std::to_string(r + 6)),
                   Bind<ui::Image>("Image" + std::to_string(r + 11))};
    }
    SpeedButton11 = Bind<ui::SpeedButton>("SpeedButton11");
    SpeedButton11->OnClick = [this] { SpeedButton11Click(); };
}

void TForm38::SpeedButton11Click() {
    PlayButtonSound();
    Close();
}

void LoadHighscores() {
    GameState& g = G();
    // The files are read no further than the table reaches.
    FinishHighscoreFiles();
    const std::vector<std::string> paths = HighscorePaths();
    const std::string numbers =
        ui::ReadRegularFile(ui::PathToRead(paths[0], kHighscoreMark), kNumbersBytes).value_or("");
    const std::string names =
        ui::ReadRegularFile(ui::PathToRead(paths[1], kHighscoreMark), kNamesBytes).value_or("");
    size_t at = 0;
    for (int r = Highscore::FirstRow; r <= Highscore::LastRow; ++r)
        for (int f = 1; f <= Highscore::FieldsOnDisk; ++f, at += 4)
            g.Highscores[r][f] = at + 4 <= numbers.size() ? ReadInt32(numbers, at) : 0;
    for (int r = 1; r <= Highscore::StoredNames; ++r) {
        const size_t offset = (r - 1) * kTextRecordSize;
        g.HighscoreNames[r] =
            offset + kTextRecordSize <= names.size() ? ReadTextRecord(names, offset) : "";
    }
}

void FinishHighscoreFiles() {
    ui::FinishFilesTogether(HighscorePaths(), kHighscoreMark);
}

bool SaveHighscores() {
    const GameState& g = G();
    std::string numbers, names;
    for (int r = Highscore::FirstRow; r <= Highscore::LastRow; ++r)
        for (int f = 1; f <= Highscore::FieldsOnDisk; ++f) AppendInt32(numbers, g.Highscores[r][f]);
    for (int r = 1; r <= Highscore::StoredNames; ++r)
        AppendTextRecord(names, g.HighscoreNames[r].view());
    // Both files or neither: names never stand beside another table's scores.
    const std::vector<std::string> paths = HighscorePaths();
    if (ui::WriteFilesTogether({{paths[0], numbers}, {paths[1], names}}, kHighscoreMark))
        return true;
    ShowMessage1("Sorry, I cannot save the highscore list.");
    return false;
}

int EnterHighscore(const std::string& name, int32_t score, int faction, int rank, int shipClass) {
    GameState& g = G();
    int position = 0;
    for (int r = Highscore::FirstRow; r <= Highscore::LastRow && position == 0; ++r) {
        const int32_t held = g.Highscores[r][Highscore::Score];
        if (held < score || (held == score && SameCaptain(g.HighscoreNames[r].view(), name)))
            position = r;
    }
    if (position == 0) return 0;

    // One row per captain: the old one goes, and the rows below it close up.
    int own = 0;
    for (int r = Highscore::FirstRow; r <= Highscore::LastRow; ++r)
        if (SameCaptain(g.HighscoreNames[r].view(), name)) own = r;
    if (own >= Highscore::FirstRow && own < Highscore::LastRow) {
        for (int r = own; r < Highscore::LastRow; ++r) CopyRow(r, r + 1);
        if (own < position) --position;
    }

    for (int r = Highscore::LastRow; r > position; --r) CopyRow(r, r - 1);
    g.HighscoreNames[position] = StoredText(name);
    g.Highscores[position][Highscore::Used] = 1;
    g.Highscores[position][Highscore::Score] = score;
    g.Highscores[position][Highscore::Faction] = faction;
    g.Highscores[position][Highscore::Rank] = rank;
    g.Highscores[position][Highscore::ShipClass] = shipClass;
    return position;
}

void AddHighscore(int32_t score) {
    ClearHighscoreHighlight();
    LoadHighscores();
    const GameRecord& captain = Captain();
    if (captain[Player::CheatUsed] == 1) {
        ShowMessage1("You used a real cheat and cannot be added to the highscore list, sorry.");
        return;
    }
    const int faction = captain[Player::Faction];
    const int row =
        EnterHighscore(CaptainName(), score, faction, FactionRecord(faction)[Faction::Rank],
                       ShipRecord(1, 1)[Ship::Class]);
    if (row == 0) return;
    SaveHighscores();
    ShowHighscores();
    if (row <= kShownHighscores) PaintRow(Form38->rows[row - 1], kHighlight);
}

void ShowHighscores() {
    const GameState& g = G();
    for (int r = 1; r <= kShownHighscores; ++r) {
        const TForm38::Row& row = Form38->rows[r - 1];
        const auto& record = g.Highscores[r];
        row.name->caption = g.HighscoreNames[r].str();
        row.score->caption = "$C: " + FormatThousands(record[Highscore::Score]);
        // A row never filled, or a damaged faction, shows no pictures.
        const int faction = record[Highscore::Faction];
        const bool pictures = record[Highscore::Used] == 1 && faction >= FactionId::Federation &&
                              faction <= FactionId::Coalition;
        row.faction->LoadPicture(pictures ? g.FactionPictures[faction].str() : "");
        row.rank->LoadPicture(pictures ? kRankPrefix[faction] +
                                             std::to_string(record[Highscore::Rank]) + ".jpg"
                                       : "");
        row.ship->LoadPicture(
            record[Highscore::Used] == 1 ? GetShipPictureName(record[Highscore::ShipClass]) : "");
    }
}

void ClearHighscoreHighlight() {
    for (const TForm38::Row& row : Form38->rows) PaintRow(row, ui::colors::White);
}

}  // namespace corvanth
