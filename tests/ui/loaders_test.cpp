// The loaders against hostile files: layouts, pictures, texts, the settings file and start-up.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/background.h"
#include "shell/options.h"
#include "support/game_test.h"
#include "ui/files.h"
#include "ui/picture.h"
#include "ui/plaintext.h"
#include "ui/render.h"

#include "make_jpeg.h"

namespace ui {
namespace {

namespace fs = std::filesystem;

void Put(const std::string& name, const std::string& bytes) {
    fs::remove(name);
    std::ofstream(name, std::ios::binary) << bytes;
}

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class Hostile : public Form {
  public:
    Hostile() : Form("THostile") {}
};

TEST(Loaders, ALayoutOfWrongTypesHugeNumbersAndDeepNestingGivesAScreenThatDraws) {
    fs::create_directories("hostile");
    std::string deep = R"({"kind": "Panel", "name": "P0", "width": 10, "height": 10})";
    for (int i = 1; i < 300; ++i)
        deep = R"({"kind": "Panel", "name": "P)" + std::to_string(i) +
               R"(", "width": 10, "height": 10, "children": [)" + deep + "]}";
    Put("hostile/THostile.json", R"({"class": "THostile", "width": 1e300, "height": 600,
        "components": [5, {"kind": 7, "name": "A"}, {"kind": "Label", "name": ["x"]},
        {"kind": "SpeedButton", "name": "Tall", "left": -5e20, "height": 100000000,
         "caption": "x", "font": {"size": 1e9}},
        {"kind": "ProgressBar", "name": "Bar", "width": 50, "height": 10,
         "min": -2147483648, "max": 2147483647, "position": 2147483647},
        {"kind": "Shape", "name": "Oval", "shape": "ellipse", "width": 2000000, "height": 9e9},
        )" + deep + "]}");
    const std::string dir = LayoutDir();
    SetLayoutDir("hostile");
    Hostile form;
    SetLayoutDir(dir);
    auto has = [&](const std::string& text) {
        for (const auto& p : form.LayoutProblems())
            if (p.find(text) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(has("not an object"));
    EXPECT_TRUE(has("THostile.: missing or duplicate name"));  // kind 7 and a list for a name
    EXPECT_TRUE(has("nested deeper than 32"));
    EXPECT_TRUE(has("\"height\" out of range"));
    // Clamped to what the canvas can use: 2048 at most, a point size of 200.
    const Component* tall = form.Find("Tall");
    ASSERT_NE(tall, nullptr);
    EXPECT_EQ(tall->height, 2048);
    EXPECT_EQ(tall->left, -2048);
    EXPECT_EQ(tall->font.size, 200);
    EXPECT_EQ(form.width, 2048);
    EXPECT_NE(form.Find("P299"), nullptr);
    EXPECT_EQ(form.Find("P200"), nullptr);  // 33 levels and more are left out

    // The painter walks only what falls on the canvas: far below a second a frame.
    SoftwareCanvas canvas(kCanvasWidth, kCanvasHeight);
    EXPECT_LT(Seconds([&] { canvas.DrawForm(form); }), 2.0);
}

// libjpeg decodes at 1/2, 1/4 or 1/8 of the size: a picture is brought within 2048 a side, the
// most the 1024 x 768 canvas can use, and refused only when even 1/8 leaves it larger.
TEST(Loaders, PicturesPastTheCanvasAreDecodedScaledDownAndHugeClaimsRefusedBeforeDecoding) {
    const std::string seeds = std::string(CORVANTH_SOURCE_DIR) + "/tests/fuzz/jpeg/";
    auto bytes = [&](const char* name) {
        std::ifstream in(seeds + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    auto decode = [](const std::string& file) {
        return DecodeJpeg(reinterpret_cast<const uint8_t*>(file.data()), file.size());
    };
    // Red left of the middle, blue right of it; bands 8 rows high.
    auto halves = [](int width) {
        return [width](int x, int, uint8_t* rgb) {
            rgb[0] = x < width / 2 ? 255 : 0;
            rgb[1] = 0;
            rgb[2] = x < width / 2 ? 0 : 255;
        };
    };
    struct Case {
        int width, height;
        int shownWidth, shownHeight;  // 0: refused
    };
    const Case cases[] = {
        {2048, 16, 2048, 16},  // as it is
        {2056, 16, 1028, 8},   // 1/2
        {4096, 16, 2048, 8},   // 1/2
        {4097, 16, 1025, 4},   // 1/4: 4097 / 2, rounded up, is 2049
        {5000, 24, 1250, 6},   // 1/4: 5000 / 2 is 2500, past 2048
        {8000, 16, 2000, 4},   // 1/4
        {8200, 16, 1025, 2},   // 1/8: 8200 / 4 is 2050
        {16384, 8, 2048, 1},   // 1/8, the most
        {16392, 8, 0, 0},      // 16392 / 8 is 2049
        {8, 16392, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const std::string file = test::MakeJpeg({c.width, c.height}, halves(c.width));
        const auto picture = decode(file);
        if (c.shownWidth == 0) {
            EXPECT_EQ(picture, nullptr);
            continue;
        }
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->width, c.shownWidth);
        EXPECT_EQ(picture->height, c.shownHeight);
        const uint8_t* left = &picture->rgb[0];
        const uint8_t* right = &picture->rgb[static_cast<size_t>(picture->width - 1) * 3];
        EXPECT_GT(left[0], 200);
        EXPECT_LT(left[2], 60);
        EXPECT_GT(right[2], 200);
        EXPECT_LT(right[0], 60);
    }
    // A progressive header claiming 20000 x 20000: past 8 x 2048 a side, nothing is allocated
    // for it.
    const std::string huge = bytes("huge-progressive-header.jpg");
    EXPECT_LT(Seconds([&] { EXPECT_EQ(decode(huge), nullptr); }), 1.0);
    // 3000 x 3000 is decoded at half size.
    const auto large = decode(bytes("large-progressive-header.jpg"));
    if (large) {
        EXPECT_EQ(large->width, 1500);
        EXPECT_EQ(large->height, 1500);
    }
    const auto ok = decode(bytes("baseline.jpg"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->width, 16);
}

TEST(Loaders, TextFilesEndLinesOnCrLfAndLoneCrAndAreReadUpTo64Kilobytes) {
    Put("story.txt", "one\r\ntwo\nthree\rfour \x93quoted\x94\r\r\n\nlast");
    EXPECT_EQ(ReadTextLines("story.txt"),
              (std::vector<std::string>{"one", "two", "three", "four \u201cquoted\u201d", "", "",
                                        "last"}));
    // 10 MB of text: only the first 64 KB is read, quickly.
    Put("long.txt", std::string(10 << 20, 'a'));
    std::vector<std::string> lines;
    EXPECT_LT(Seconds([&] { lines = ReadTextLines("long.txt"); }), 1.0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), kTextFileLimit);
    // In UTF-8 the 64 KB may end inside a letter: "a" and 40000 two-byte letters are cut after
    // 1 + 2 x 32767 bytes and one byte of the next letter, which is left out; the text stays UTF-8.
    std::string russian = "a";
    for (int i = 0; i < 40000; ++i) russian += "\u0436";
    Put("long-utf8.txt", russian);
    lines = ReadTextLines("long-utf8.txt");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], russian.substr(0, 1 + 2 * 32767));
}

class StartUp : public corvanth::test::GameTest {};

TEST_F(StartUp, AFifoForTheSettingsFileNeitherHangsNorIsReplacedAndBrokenLayoutsAreNamed) {
    fs::remove(corvanth::kSettingsFile);
    ASSERT_EQ(mkfifo(corvanth::kSettingsFile, 0644), 0);
    ClearFileProblems();
    EXPECT_FALSE(corvanth::ReadGameSettings());  // at once: a FIFO is no settings file
    // The player's own pipe is left where it is, and said to be in the way.
    EXPECT_FALSE(corvanth::WriteGameSettings({4, 1, 0}));
    EXPECT_TRUE(fs::is_fifo(corvanth::kSettingsFile));
    EXPECT_EQ(FileProblems(),
              std::vector<std::string>{
                  "GameSettings.sav is not a regular file; the game leaves it alone"});
    fs::remove(corvanth::kSettingsFile);
    EXPECT_TRUE(corvanth::WriteGameSettings({4, 1, 0}));
    EXPECT_EQ(corvanth::ReadGameSettings(), (corvanth::GameSettings{4, 1, 0}));
    fs::remove(corvanth::kSettingsFile);

    // The shipped layouts and the font are whole: nothing to tell.
    EXPECT_TRUE(corvanth::StartupProblems(App().Forms()).empty());
    // A screen without its layout is named, with the folder the game reads layouts from.
    const std::string dir = LayoutDir();
    SetLayoutDir("no-such-folder");
    Hostile lost;
    const auto lines = corvanth::StartupProblems({&lost});
    SetLayoutDir(dir);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(fs::absolute("no-such-folder").string()), std::string::npos);
    EXPECT_NE(lines[1].find("no layout file no-such-folder/THostile.json"), std::string::npos);
    // A pipe in a layout's place is said to be one, at once, and left where it is.
    fs::create_directories("piped");
    ASSERT_EQ(mkfifo("piped/THostile.json", 0644), 0);
    SetLayoutDir("piped");
    Hostile piped;
    SetLayoutDir(dir);
    EXPECT_EQ(piped.LayoutProblems(),
              std::vector<std::string>{"piped/THostile.json is not a regular file"});
    EXPECT_TRUE(fs::is_fifo("piped/THostile.json"));
    // What the window shows then, in letters that need no font file.
    SoftwareCanvas canvas(kCanvasWidth, kCanvasHeight);
    canvas.DrawPlainNotice(lines);
    fs::create_directories(CORVANTH_SCREENS_DIR);
    canvas.SavePng(std::string(CORVANTH_SCREENS_DIR) + "/startup-problems.png");
    int lit = 0;
    for (int x = 16; x < 400; ++x) lit += canvas.PixelAt(x, 24) != 0;
    EXPECT_GT(lit, 20);

    // A folder deep down and every screen lost: 124 letters of 8 pixels fit between the 16-pixel
    // margins of the 1024-pixel canvas, 52 lines of 14 pixels between those of its 768.
    std::vector<std::string> many = {"The screen layouts in /" + std::string(290, 'd') +
                                     "/forms are damaged or missing:"};
    for (int i = 0; i < 80; ++i) many.push_back("  no layout file forms/TForm" + std::to_string(i));
    many.push_back("Press a key or click to go on.");
    const auto fitted = FitPlainLines(many, 124, 52);
    ASSERT_EQ(fitted.size(), 52u);
    for (const auto& line : fitted) EXPECT_LE(line.size(), 124u) << line;
    // The path breaks at its slashes, goes on indented, and the way on is the last line.
    EXPECT_EQ(fitted[0], "The screen layouts in /");
    EXPECT_EQ(fitted[1].substr(0, 3), "  d");
    // The first line's 343 letters take 4 lines (23, then 2 + 122, 2 + 122 and 2 + 76): 85 lines,
    // of which 50 are shown, then the count of the 34 others and the last.
    EXPECT_EQ(fitted[50], "(34 more lines: see the terminal)");
    EXPECT_EQ(fitted[51], "Press a key or click to go on.");
    canvas.DrawPlainNotice(many);
    canvas.SavePng(std::string(CORVANTH_SCREENS_DIR) + "/startup-problems-many.png");
    int outside = 0, inside = 0;
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x) {
            const bool margin =
                x < 16 || x >= kCanvasWidth - 16 || y < 16 || y >= kCanvasHeight - 16;
            (margin ? outside : inside) += canvas.PixelAt(x, y) != 0;
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 10000);
}

}  // namespace
}  // namespace ui
