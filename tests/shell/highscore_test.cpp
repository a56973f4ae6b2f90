// The high-score table: where a score enters, the two files byte for byte, and the list as the
// main menu shows it.
#include "shell/highscore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "shell_fixture.h"
#include "state/datafiles.h"
#include "state/newgame.h"
#include "state/pictures.h"
#include "state/variables.h"

namespace corvanth {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const char* file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Highscores : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        fs::remove(kHighscoreNumbersFile);
        fs::remove(kHighscoreNamesFile);
        // The list screen of a full table is pictured by the retirement's test.
        player().SetScreenDir("");
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
            EnterHighscore("N" + std::to_string(r), 2100 - 100 * r, 1 + r % 4, r % 9, r);
    }
    static int32_t Score(int row) { return G().Highscores[row][Highscore::Score]; }
    static std::string Name(int row) { return G().HighscoreNames[row].str(); }
};

TEST_F(Highscores, AScoreTakesItsSortedPlaceAndEachCaptainKeepsOneRow) {
    // An empty table: the first score is row 1; an equal score of another captain goes below it.
    EXPECT_EQ(EnterHighscore("Ada", 500, 2, 3, 7), 1);
    EXPECT_EQ(EnterHighscore("Bex", 500, 1, 1, 2), 2);
    EXPECT_EQ(G().Highscores[1][Highscore::Used], 1);
    EXPECT_EQ(G().Highscores[1][Highscore::Faction], 2);
    EXPECT_EQ(G().Highscores[1][Highscore::Rank], 3);
    EXPECT_EQ(G().Highscores[1][Highscore::ShipClass], 7);
    // The same score by the same captain keeps its place.
    EXPECT_EQ(EnterHighscore("Ada", 500, 2, 4, 7), 1);
    EXPECT_EQ(Name(2), "Bex");
    EXPECT_EQ(Score(3), 0);
    // A lower score of a captain already listed replaces his row at its sorted place.
    EXPECT_EQ(EnterHighscore("Ada", 100, 2, 4, 7), 2);
    EXPECT_EQ(Name(1), "Bex");
    EXPECT_EQ(Name(2), "Ada");
    EXPECT_EQ(Score(2), 100);
    EXPECT_EQ(Score(3), 0);
    // And a higher one moves him up, leaving no second row.
    EXPECT_EQ(EnterHighscore("Ada", 900, 2, 5, 7), 1);
    EXPECT_EQ(Name(2), "Bex");
    EXPECT_EQ(Score(3), 0);

    // A full table: 1.050 enters below 1.100 (row 10) as row 11, and the old row 20 drops out.
    Clear();
    FillTwenty();
    EXPECT_EQ(EnterHighscore("New", 1050, 1, 1, 1), 11);
    EXPECT_EQ(Name(10), "N10");
    EXPECT_EQ(Name(12), "N11");
    EXPECT_EQ(Name(20), "N19");
    EXPECT_EQ(Score(20), 200);
    // A score below every row enters nowhere.
    const auto before = G().Highscores;
    EXPECT_EQ(EnterHighscore("Late", 150, 1, 1, 1), 0);
    EXPECT_EQ(G().Highscores, before);

    // After a restart rows 6..20 have no names: a captain without a name is nobody's row. His
    // score equal to row 8's goes below it, and no row is taken for his own.
    Clear();
    FillTwenty();
    for (int r = 6; r <= 20; ++r) G().HighscoreNames[r] = "";
    EXPECT_EQ(EnterHighscore("", 1300, 1, 1, 1), 9);
    EXPECT_EQ(Score(8), 1300);
    EXPECT_EQ(Score(10), 1200);
    EXPECT_EQ(Score(20), 200);  // only the old row 20 (100) went
    EXPECT_EQ(Name(5), "N5");
}

TEST_F(Highscores, TheFilesAreCreatedWholeAndLeftAloneWhenNothingEnters) {
    // No files: the list is empty, whatever was in memory, and reading creates nothing.
    G().Highscores[3][Highscore::Score] = 77;
    G().HighscoreNames[2] = "Ghost";
    LoadHighscores();
    EXPECT_EQ(Score(3), 0);
    EXPECT_EQ(Name(2), "");
    EXPECT_FALSE(fs::exists(kHighscoreNumbersFile));

    // The first score writes both files whole: 20 rows x 100 fields x 4 bytes and 5 names of
    // 256 bytes. A name of 300 letters keeps 255; "ë" is one byte (0xEB) on disk.
    G().CaptainNames[1] = "Zo\xc3\xab Marr";
    G().Players[1][Player::Faction] = FactionId::Syndicate;
    G().Factions[FactionId::Syndicate][Faction::Rank] = 4;
    G().Ships[1][1][Ship::Class] = 12;
    AddHighscore(4321);
    const std::string numbers = Bytes(kHighscoreNumbersFile);
    const std::string names = Bytes(kHighscoreNamesFile);
    ASSERT_EQ(numbers.size(), 8000u);
    ASSERT_EQ(names.size(), 1280u);
    EXPECT_EQ(ReadInt32(numbers, 0), 1);
    EXPECT_EQ(ReadInt32(numbers, 4), 4321);
    EXPECT_EQ(ReadInt32(numbers, 8), FactionId::Syndicate);
    EXPECT_EQ(ReadInt32(numbers, 12), 4);
    EXPECT_EQ(ReadInt32(numbers, 16), 12);
    EXPECT_EQ(ReadInt32(numbers, 400), 0);  // row 2
    EXPECT_EQ(names.substr(0, 10), std::string("\x08Zo\xeb Marr\0", 10));
    EXPECT_EQ(names[256], '\0');
    EXPECT_EQ(Form38->rows[0].name->font.color, (ui::Color{255, 230, 0}));
    Clear();
    LoadHighscores();
    EXPECT_EQ(Name(1), "Zo\xc3\xab Marr");
    EXPECT_EQ(Score(1), 4321);

    // Nothing enters: the files stay byte for byte. A score below all twenty rows, then a
    // cheater's score above them all, who is told why.
    G().CaptainNames[1] = std::string(300, 'x');
    AddHighscore(9000);
    LoadHighscores();
    EXPECT_EQ(Name(1).size(), 255u);
    Clear();
    FillTwenty();
    ASSERT_TRUE(SaveHighscores());
    const std::string full = Bytes(kHighscoreNumbersFile), fullNames = Bytes(kHighscoreNamesFile);
    AddHighscore(50);
    G().Players[1][Player::CheatUsed] = 1;
    player().Do("TMessage1", [](ui::Form& f) {
        EXPECT_EQ(f.Find("Label1")->caption,
                  "You used a real cheat and cannot be added to the highscore list, sorry.");
        f.Hide();
    });
    AddHighscore(999999);
    EXPECT_EQ(Bytes(kHighscoreNumbersFile), full);
    EXPECT_EQ(Bytes(kHighscoreNamesFile), fullNames);

    // A short file reads what it holds: one row and a field, one name; the rest is empty.
    std::ofstream(kHighscoreNumbersFile, std::ios::binary | std::ios::trunc) << full.substr(0, 404);
    std::ofstream(kHighscoreNamesFile, std::ios::binary | std::ios::trunc)
        << fullNames.substr(0, 300);
    LoadHighscores();
    EXPECT_EQ(Score(1), 2000);
    EXPECT_EQ(Name(1), "N1");
    EXPECT_EQ(G().Highscores[2][Highscore::Used], 1);  // field 1 of row 2 is byte 400
    EXPECT_EQ(Score(2), 0);                            // field 2 is past the end
    EXPECT_EQ(Name(2), "");
}

TEST_F(Highscores, TheMainMenuShowsTheBestFiveWithTheirPictures) {
    // Two captains; one row with a faction no file should hold. The other rows were never
    // filled: "$C: 0" and no pictures.
    EnterHighscore("Lyra Denn", 1234567, FactionId::OuterRimAlliance, 6, 21);
    EnterHighscore("Odd Row", 800, 9, 3, 2);
    ASSERT_TRUE(SaveHighscores());
    Clear();
    ResetGameState();  // the menu lays out the catalogue itself
    player()
        .Click("TForm1", "SpeedButton9")
        .Do("TForm38",
            [](ui::Form&) {
                const auto& first = Form38->rows[0];
                EXPECT_EQ(first.name->caption, "Lyra Denn");
                EXPECT_EQ(first.score->caption, "$C: 1.234.567");
                EXPECT_EQ(first.faction->picture, G().FactionPictures[2].str());
                EXPECT_FALSE(first.faction->picture.empty());
                EXPECT_EQ(first.rank->picture, "Or_Rank6.jpg");
                EXPECT_EQ(first.ship->picture, GetShipPictureName(21));
                const auto& odd = Form38->rows[1];
                EXPECT_EQ(odd.score->caption, "$C: 800");
                EXPECT_EQ(odd.faction->picture, "");
                EXPECT_EQ(odd.rank->picture, "");
                for (int r = 2; r < 5; ++r) {
                    EXPECT_EQ(Form38->rows[r].score->caption, "$C: 0");
                    EXPECT_EQ(Form38->rows[r].ship->picture, "");
                    EXPECT_EQ(Form38->rows[r].name->font.color, ui::colors::White);
                }
            })
        .CloseRequest("TForm38")  // it has a close box
        .Click("TForm1", "SpeedButton9")
        .Click("TForm38", "SpeedButton11")
        .Do("TForm1", [](ui::Form& f) { f.Hide(); });
    Form1->ShowModal();
    EXPECT_EQ(player().TimesSeen("TForm38"), 2);
    EXPECT_EQ(G().CaptainNames[1], "Incognito");  // the set-up ran
}

}  // namespace
}  // namespace corvanth
