// The high-score table: where a score enters, the two files byte for byte, and the list as the
// main menu shows it.
#include "shell/highscore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "shell_fixture.h"
#include "state/datafiles.h"
#include "state/newgame.h"
#include "state/pictures.h"
#include "state/variables.h"

namespace corvanth {
namespace {

std::string Bytes(const char* file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Highscores : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::remove(kHighscoreNumbersFile);
        std::filesystem::remove(kHighscoreNamesFile);
        player().SetScreenDir("");  // the full list is pictured by the retirement's test
        InitGameData();
        Clear();
    }
    void TearDown() override {
        player().SetScreenDir(CORVANTH_SCREENS_DIR);
        ShellTest::TearDown();
    }
    static void Clear() {
        for (auto& row : G().Highscores) row.fill(0);
        for (auto& name : G().HighscoreNames) name = "";
    }
    // Twenty rows of 2.000, 1.900, ... 100 by captains "N1" .. "N20".
    static void FillTwenty() {
        for (int r = 1; r <= 20; ++r)
            EnterHighscore(std::string("N").append(std::to_string(r)), 2100 - 100 * r, 1 + r % 4,
                           r % 9, r);
    }
    static int32_t Score(int row) { return G().Highscores[row][Highscore::Score]; }
    static std::string Name(int row) { return G().HighscoreNames[row].str(); }
};

TEST_F(Highscores, AScoreTakesItsSortedPlaceAndEachCaptainKeepsOneRow) {
    // An empty table; an equal score of another captain goes below, of the same one stays put.
    EXPECT_EQ(EnterHighscore("Ada", 500, 2, 3, 7), 1);
    EXPECT_EQ(EnterHighscore("Bex", 500, 1, 1, 2), 2);
    EXPECT_EQ(EnterHighscore("Ada", 500, 2, 4, 7), 1);
    EXPECT_EQ(G().Highscores[1][Highscore::Rank], 4);
    // A lower score of a listed captain replaces his row at its sorted place, a higher one too.
    EXPECT_EQ(EnterHighscore("Ada", 100, 2, 4, 7), 2);
    EXPECT_EQ(Name(1) + Name(2) + std::to_string(Score(3)), "BexAda0");
    EXPECT_EQ(EnterHighscore("Ada", 900, 2, 5, 7), 1);
    EXPECT_EQ(Name(2) + std::to_string(Score(3)), "Bex0");

    // A full table: 1.050 enters below 1.100 (row 10) as row 11, and the old row 20 drops out;
    // a score below every row enters nowhere.
    Clear();
    FillTwenty();
    EXPECT_EQ(EnterHighscore("New", 1050, 1, 1, 1), 11);
    EXPECT_EQ(Name(12) + " " + Name(20) + " " + std::to_string(Score(20)), "N11 N19 200");
    const auto before = G().Highscores;
    EXPECT_EQ(EnterHighscore("Late", 150, 1, 1, 1), 0);
    EXPECT_EQ(G().Highscores, before);

    // After a restart rows 6..20 have no names: a captain without a name is nobody's row. His
    // score equal to row 8's goes below it, and only the old row 20 goes.
    Clear();
    FillTwenty();
    for (int r = 6; r <= 20; ++r) G().HighscoreNames[r] = "";
    EXPECT_EQ(EnterHighscore("", 1300, 1, 1, 1), 9);
    EXPECT_EQ(std::to_string(Score(8)) + " " + std::to_string(Score(20)), "1300 200");
}

// "Ł" is no letter of the files' code page: the name is kept, and compared, as the file keeps it
// ("ukasz"), so the captain finds his row after a restart and keeps one.
TEST_F(Highscores, ANameTheFileCannotHoldWholeStillKeepsOneRow) {
    const std::string name = "\xc5\x81ukasz";
    EXPECT_EQ(EnterHighscore(name, 500, 1, 1, 3), 1);
    EXPECT_EQ(Name(1), "ukasz");
    ASSERT_TRUE(SaveHighscores());
    Clear();
    LoadHighscores();
    EXPECT_EQ(EnterHighscore(name, 400, 1, 2, 3), 1);
    EXPECT_EQ(EnterHighscore("Bex", 450, 2, 1, 1), 1);
    EXPECT_EQ(Name(1) + " " + Name(2) + " " + std::to_string(Score(2)) + " [" + Name(3) + "]",
              "Bex ukasz 400 []");
}

TEST_F(Highscores, TheFilesAreWrittenWholeOrNotAtAllAndTheMenuShowsThem) {
    // No files: an empty list, whatever was in memory.
    G().Highscores[3][Highscore::Score] = 77;
    LoadHighscores();
    EXPECT_EQ(Score(3), 0);

    // The first score writes both files whole: 20 rows x 100 fields x 4 bytes and 5 names of
    // 256 bytes; "ë" is one byte (0xEB) on disk.
    G().CaptainNames[1] = "Zo\xc3\xab Marr";
    G().Players[1][Player::Faction] = FactionId::OuterRimAlliance;
    G().Factions[FactionId::OuterRimAlliance][Faction::Rank] = 6;
    G().Ships[1][1][Ship::Class] = 21;
    AddHighscore(1234567);
    const std::string numbers = Bytes(kHighscoreNumbersFile), names = Bytes(kHighscoreNamesFile);
    ASSERT_EQ(numbers.size(), 8000u);
    ASSERT_EQ(names.size(), 1280u);
    EXPECT_EQ(ReadInt32(numbers, 4), 1234567);
    EXPECT_EQ(ReadInt32(numbers, 16), 21);
    EXPECT_EQ(names.substr(0, 10), std::string("\x08Zo\xeb Marr\0", 10));
    // The new row's frame and labels in the game's yellow, the one the star map gives the
    // Coalition: (255, 255, 0).
    for (ui::Color c : {Form38->rows[0].name->font.color, Form38->rows[0].score->font.color,
                        Form38->rows[0].frame->penColor})
        EXPECT_EQ(c, (ui::Color{255, 255, 0}));

    // Nothing enters, the files stay byte for byte: a score below all twenty rows, then a
    // cheater's above them all, who is told why.
    Clear();
    FillTwenty();
    ASSERT_TRUE(SaveHighscores());
    const std::string full = Bytes(kHighscoreNumbersFile), fullNames = Bytes(kHighscoreNamesFile);
    AddHighscore(50);
    G().Players[1][Player::CheatUsed] = 1;
    player().Click("TMessage1", "SpeedButton3");
    AddHighscore(999999);
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "You used a real cheat and cannot be added to the highscore list, sorry.");
    EXPECT_EQ(Bytes(kHighscoreNumbersFile), full);
    EXPECT_EQ(Bytes(kHighscoreNamesFile), fullNames);

    // Files of 40 GB (sparse) are read no further than the table reaches, at once.
    std::filesystem::resize_file(kHighscoreNumbersFile, 40ull << 30);
    std::filesystem::resize_file(kHighscoreNamesFile, 40ull << 30);
    const auto started = std::chrono::steady_clock::now();
    LoadHighscores();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(Name(20) + " " + std::to_string(Score(20)), "N20 100");

    // A short file reads what it holds: one row and a field, one name.
    std::ofstream(kHighscoreNumbersFile, std::ios::binary) << full.substr(0, 404);
    std::ofstream(kHighscoreNamesFile, std::ios::binary) << fullNames.substr(0, 300);
    LoadHighscores();
    EXPECT_EQ(Name(1) + " " + std::to_string(Score(1)), "N1 2000");
    EXPECT_EQ(G().Highscores[2][Highscore::Used], 1);  // field 1 of row 2 is bytes 400..403
    EXPECT_EQ(Name(2) + std::to_string(Score(2)), "0");

    // Files named in another letter case are read, and replaced where they lie, never doubled.
    Clear();
    FillTwenty();
    ASSERT_TRUE(SaveHighscores());
    std::filesystem::rename(kHighscoreNumbersFile, "HIGHSCORES.INT");
    std::filesystem::rename(kHighscoreNamesFile, "highscores.str");
    Clear();
    LoadHighscores();
    EXPECT_EQ(Name(5) + " " + std::to_string(Score(20)), "N5 100");
    EnterHighscore("Top", 5000, 1, 1, 1);
    ASSERT_TRUE(SaveHighscores());
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(".")) {
        std::string name = e.path().filename().string(), lower = name;
        std::transform(name.begin(), name.end(), lower.begin(), ::tolower);
        if (lower.rfind("highscores", 0) == 0) files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"HIGHSCORES.INT", "highscores.str"}));
    EXPECT_EQ(ReadInt32(Bytes("HIGHSCORES.INT"), 4), 5000);
    EXPECT_EQ(Bytes("highscores.str").substr(0, 4), "\x03Top");

    // The menu: the set-up runs first (the logos are the catalogue's), a row with a faction no
    // file should hold shows no faction pictures, rows never filled show "$C: 0" and nothing.
    Clear();
    EnterHighscore("Zo\xc3\xab Marr", 1234567, FactionId::OuterRimAlliance, 6, 21);
    EnterHighscore("Odd Row", 800, 9, 3, 2);
    ASSERT_TRUE(SaveHighscores());
    ResetGameState();
    player()
        .Click("TForm1", "SpeedButton9")
        .Do("TForm38",
            [](ui::Form&) {
                const auto& first = Form38->rows[0];
                EXPECT_EQ(first.score->caption, "$C: 1.234.567");
                EXPECT_EQ(first.faction->picture, G().FactionPictures[2].str());
                EXPECT_EQ(first.rank->picture, "Or_Rank6.jpg");
                EXPECT_EQ(first.ship->picture, GetShipPictureName(21));
                EXPECT_EQ(first.name->font.color, ui::colors::White);
                EXPECT_EQ(Form38->rows[1].faction->picture + Form38->rows[1].rank->picture, "");
                EXPECT_EQ(Form38->rows[2].score->caption, "$C: 0");
                EXPECT_EQ(Form38->rows[2].ship->picture, "");
            })
        .Click("TForm38", "SpeedButton11")
        .Do("TForm1", [](ui::Form& f) { f.Hide(); });
    Form1->ShowModal();
    EXPECT_FALSE(G().FactionPictures[2].empty());
}

}  // namespace
}  // namespace corvanth
