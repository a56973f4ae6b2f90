// Pictures, text files and sound: found by any letter case, and never an error when missing.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "state/UMessage1.h"
#include "support/game_test.h"
#include "ui/audio.h"
#include "ui/files.h"
#include "ui/form.h"
#include "ui/picture.h"
#include "ui/render.h"
#include "ui/window.h"

#include "make_jpeg.h"

namespace ui {
namespace {

// A 16 x 8 JPEG, red at the top fading to blue at the bottom.
const unsigned char kGradientJpeg[] = {
    0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x03, 0x02, 0x02, 0x03, 0x02, 0x02, 0x03,
    0x03, 0x03, 0x03, 0x04, 0x03, 0x03, 0x04, 0x05, 0x08, 0x05, 0x05, 0x04, 0x04, 0x05, 0x0a, 0x07,
    0x07, 0x06, 0x08, 0x0c, 0x0a, 0x0c, 0x0c, 0x0b, 0x0a, 0x0b, 0x0b, 0x0d, 0x0e, 0x12, 0x10, 0x0d,
    0x0e, 0x11, 0x0e, 0x0b, 0x0b, 0x10, 0x16, 0x10, 0x11, 0x13, 0x14, 0x15, 0x15, 0x15, 0x0c, 0x0f,
    0x17, 0x18, 0x16, 0x14, 0x18, 0x12, 0x14, 0x15, 0x14, 0xff, 0xdb, 0x00, 0x43, 0x01, 0x03, 0x04,
    0x04, 0x05, 0x04, 0x05, 0x09, 0x05, 0x05, 0x09, 0x14, 0x0d, 0x0b, 0x0d, 0x14, 0x14, 0x14, 0x14,
    0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14,
    0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14,
    0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0xff, 0xc0,
    0x00, 0x11, 0x08, 0x00, 0x08, 0x00, 0x10, 0x03, 0x01, 0x11, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11,
    0x01, 0xff, 0xc4, 0x00, 0x15, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0xff, 0xc4, 0x00, 0x18, 0x10, 0x00, 0x02, 0x03,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x16,
    0x63, 0x91, 0xff, 0xc4, 0x00, 0x16, 0x01, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0x08, 0xff, 0xc4, 0x00, 0x17, 0x11, 0x00,
    0x03, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x17, 0x63, 0xa1, 0xff, 0xda, 0x00, 0x0c, 0x03, 0x01, 0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3f,
    0x00, 0x8d, 0xa7, 0xd6, 0x2d, 0x2e, 0x28, 0xf9, 0x61, 0xa3, 0x9c, 0x35, 0xd1, 0x3e, 0xb1, 0x68,
    0x47, 0xcb, 0x03, 0x86, 0xba, 0x7f, 0xff, 0xd9,
};

void WriteFile(const std::string& name, const void* data, size_t size) {
    std::ofstream out(name, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

TEST(Files, AreFoundWhateverTheLetterCaseAndTextsAreConverted) {
    const char text[] = "Caf\xe9 \x80 5\r\nSecond line\n";
    WriteFile("MixedCase.TXT", text, sizeof(text) - 1);
    ASSERT_TRUE(FindFile("mixedcase.txt").has_value());
    auto lines = ReadTextLines("MIXEDCASE.txt");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Caf\xc3\xa9 \xe2\x82\xac 5");  // e acute and the euro sign in UTF-8
    EXPECT_EQ(lines[1], "Second line");
    EXPECT_FALSE(FindFile("no-such-file.txt").has_value());
    EXPECT_TRUE(ReadTextLines("no-such-file.txt").empty());

    // A player's own texts in UTF-8 are taken as they are, with or without the byte-order mark,
    // each broken sequence in them shown as one U+FFFD; a text where no more letters past 127
    // decode (the mark counts as one) than sequences break is read as Windows-1252, each byte a
    // letter, as the game's own.
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"Russian",
         "\u041a\u0430\u043f\u0438\u0442\u0430\u043d\r\n\u0437\u0432\u0435\u0437\u0434\u0430",
         {"\u041a\u0430\u043f\u0438\u0442\u0430\u043d", "\u0437\u0432\u0435\u0437\u0434\u0430"}},
        {"Greek with the mark",
         "\xef\xbb\xbf\u03b1\u03c3\u03c4\u03ad\u03c1\u03b9\r\n",
         {"\u03b1\u03c3\u03c4\u03ad\u03c1\u03b9"}},
        {"Japanese, and a letter past 16 bits",
         "\u5b87\u5b99 \U0001F680",
         {"\u5b87\u5b99 \U0001F680"}},
        {"plain ASCII with the mark", "\xef\xbb\xbfShip", {"Ship"}},
        // UTF-8 with a few broken: 4 letters decode (u umlaut, sharp s, o umlaut, e umlaut) and
        // the e acute cut after its first byte breaks.
        {"cut in its last letter",
         "Gr\u00fc\u00dfe aus K\u00f6ln, Zo\u00eb Quill\xc3",
         {"Gr\u00fc\u00dfe aus K\u00f6ln, Zo\u00eb Quill\ufffd"}},
        // Two of a euro sign's three bytes are one sequence, one mark; two followers alone are
        // two. 3 letters decode (two euros, an a umlaut) against 3 broken: Windows-1252...
        {"as many broken as whole",
         "\u20ac ab \xe2\x82 cd \u20ac \u00e4\x80\x80",
         {"\u00e2\u201a\u00ac ab \u00e2\u201a cd \u00e2\u201a\u00ac \u00c3\u00a4\u20ac\u20ac"}},
        // ...and one letter more, an o umlaut, makes it UTF-8.
        {"one whole more than broken",
         "\u20ac ab \xe2\x82 cd \u20ac \u00e4\x80\x80\u00f6",
         {"\u20ac ab \ufffd cd \u20ac \u00e4\ufffd\ufffd\u00f6"}},
        // Not UTF-8: a lead byte without its follower, overlong slashes, a surrogate, a code
        // point past U+10FFFF, a follower alone, and a lead at the end after one letter.
        {"a broken sequence", "\xd0 ok", {"\u00d0 ok"}},
        {"an overlong form", "\xc0\xaf", {"\u00c0\u00af"}},
        {"an overlong form in three bytes", "\xe0\x80\xaf", {"\u00e0\u20ac\u00af"}},
        {"a surrogate", "\xed\xa0\x80", {"\u00ed\u00a0\u20ac"}},
        {"past U+10FFFF", "\xf4\x90\x80\x80", {"\u00f4?\u20ac\u20ac"}},
        {"a follower alone", "x\xa9", {"x\u00a9"}},
        {"a lead at the end", "\u00e9t\xe9", {"\u00c3\u00a9t\u00e9"}},
        // The mark on a file that is no UTF-8 after it: read as it always was.
        {"the mark before Windows-1252",
         "\xef\xbb\xbf\x93x\x94",
         {"\u00ef\u00bb\u00bf\u201cx\u201d"}},
    };
    for (const Case& c : cases) {
        WriteFile("own.txt", c.bytes.data(), c.bytes.size());
        EXPECT_EQ(ReadTextLines("own.txt"), c.lines) << c.what;
    }
}

// A name missing under its own letters is looked up in a table of the folder's names, read once:
// the game's own replacements keep it true, and what the player does to the folder while the
// game runs has it read again at the next such name.
TEST(Files, AreLookedUpInATableOfTheFolderThatFollowsItsChanges) {
    namespace fs = std::filesystem;
    WriteFile("Picture.JPG", "p", 1);
    ASSERT_EQ(FindFile("picture.jpg"), "Picture.JPG");
    const size_t reads = FolderReadsMade();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(FindFile("PICTURE.jpg"), "Picture.JPG");
        EXPECT_EQ(FindFile("missing.jpg"), std::nullopt);
    }
    EXPECT_EQ(FolderReadsMade(), reads);

    // A file replaced aside and a pair behind its mark: under their new names, none under the
    // names they had on the way, and the folder not read for it.
    ASSERT_TRUE(WriteFileSafely("Settings.SAV", "s"));
    ASSERT_TRUE(WriteFilesTogether({{"Pair.INT", "i"}, {"Pair.STR", "t"}}, "Pair.commit"));
    EXPECT_EQ(FindFile("settings.sav"), "Settings.SAV");
    EXPECT_EQ(FindFile("pair.int"), "Pair.INT");
    EXPECT_EQ(FindFile("PAIR.str"), "Pair.STR");
    EXPECT_EQ(FindFile("pair.int.new"), std::nullopt);
    EXPECT_EQ(FindFile("pair.commit"), std::nullopt);
    const std::vector<std::string> names = NamesInFolder("");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
              (std::set<std::string>{"Picture.JPG", "Settings.SAV", "Pair.INT", "Pair.STR"}));
    EXPECT_EQ(FolderReadsMade(), reads);

    // The player's hand, a moment later: a file put in place, one renamed, one removed.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    WriteFile("ADDED.jpg", "a", 1);
    fs::rename("Picture.JPG", "Renamed.Jpg");
    fs::remove("Settings.SAV");
    EXPECT_EQ(FindFile("added.JPG"), "ADDED.jpg");
    EXPECT_EQ(FindFile("renamed.jpg"), "Renamed.Jpg");
    EXPECT_EQ(FindFile("picture.jpg"), std::nullopt);
    EXPECT_EQ(FindFile("settings.sav"), std::nullopt);
    EXPECT_EQ(FolderReadsMade(), reads + 1);

    // Changes within one tick of the folder's clock leave its time as it was (set back here): a
    // name removed is not found, a file put in place under the exact name asked for is.
    const auto time = fs::last_write_time(".");
    fs::remove("Renamed.Jpg");
    WriteFile("Exact.jpg", "e", 1);
    fs::last_write_time(".", time);
    ClearFileProblems();
    EXPECT_EQ(FindFile("Exact.jpg"), "Exact.jpg");
    EXPECT_EQ(FindFile("RENAMED.JPG"), std::nullopt);
    EXPECT_EQ(FileProblems(), std::vector<std::string>());

    // Another folder at the same path and with the same time as the one the table was last read
    // of, as each test has a folder of its own: its own names.
    fs::create_directory("other");
    WriteFile("other/Only.Here", "o", 1);
    EXPECT_EQ(FindFile("only.here"), std::nullopt);
    fs::last_write_time("other", fs::last_write_time("."));
    fs::current_path("other");
    EXPECT_EQ(FindFile("only.here"), "Only.Here");
    EXPECT_EQ(FindFile("added.jpg"), std::nullopt);
    fs::current_path("..");
}

TEST(Pictures, DecodeByAnyLetterCaseAndFailQuietly) {
    WriteFile("Nebula.JPG", kGradientJpeg, sizeof(kGradientJpeg));
    auto pic = LoadPicture("nebula.jpg");
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->width, 16);
    EXPECT_EQ(pic->height, 8);
    const uint8_t* top = &pic->rgb[0];
    const uint8_t* bottom = &pic->rgb[(7 * 16) * 3];
    EXPECT_GT(top[0], 200);  // red
    EXPECT_LT(top[2], 60);
    EXPECT_GT(bottom[2], 200);  // blue
    EXPECT_LT(bottom[0], 60);
    // Drawn transparent, the blue of its bottom-left pixel is left out: the bottom row is
    // see-through, the red top row is not.
    const std::vector<uint8_t> keyed = KeyedRgba(*pic);
    ASSERT_EQ(keyed.size(), 16u * 8 * 4);
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(keyed[static_cast<size_t>((7 * 16 + x) * 4 + 3)], 0) << x;
        EXPECT_EQ(keyed[static_cast<size_t>(x * 4 + 3)], 255) << x;
        EXPECT_EQ(keyed[static_cast<size_t>(x * 4)], pic->rgb[static_cast<size_t>(x * 3)]);
    }

    EXPECT_EQ(LoadPicture("missing.jpg"), nullptr);
    const char junk[] = "this is no picture";
    WriteFile("junk.jpg", junk, sizeof(junk));
    EXPECT_EQ(LoadPicture("junk.jpg"), nullptr);
    // A cut-off file: decoding stops with an error, never a crash.
    WriteFile("cut.jpg", kGradientJpeg, sizeof(kGradientJpeg) / 2);
    EXPECT_NO_THROW(LoadPicture("cut.jpg"));
}

// Printed pictures keep four inks. A 16 x 16 picture in quarters of 8 x 8 (one JPEG block each,
// so nothing bleeds): full cyan, magenta with yellow, half black, no ink. Over white paper they
// show as (0, 255, 255), red (255, 0, 0), (255 - 128) = 127 grey and white.
TEST(Pictures, InFourInksShowInTheirColoursWhicheverWayTheInksAreStored) {
    auto inks = [](int x, int y, uint8_t* cmyk) {
        const int quarter = (y / 8) * 2 + x / 8;
        const uint8_t kInks[4][4] = {
            {255, 0, 0, 0}, {0, 255, 255, 0}, {0, 0, 0, 128}, {0, 0, 0, 0}};
        for (int c = 0; c < 4; ++c) cmyk[c] = kInks[quarter][c];
    };
    const int kShown[4][3] = {{0, 255, 255}, {255, 0, 0}, {127, 127, 127}, {255, 255, 255}};
    struct Case {
        const char* what;
        test::JpegSpec spec;
    };
    const Case cases[] = {
        {"baseline", {16, 16, JCS_CMYK, JCS_CMYK, false, true}},
        {"progressive", {16, 16, JCS_CMYK, JCS_CMYK, true, true}},
        {"YCCK", {16, 16, JCS_CMYK, JCS_YCCK, false, true}},
        {"unmarked", {16, 16, JCS_CMYK, JCS_CMYK, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = std::string(c.what) + ".jpg";
        // With the APP14 marker every ink is stored inverted, 255 for none.
        const std::string bytes = test::MakeJpeg(c.spec, [&](int x, int y, uint8_t* cmyk) {
            inks(x, y, cmyk);
            if (c.spec.app14Marker)
                for (int k = 0; k < 4; ++k) cmyk[k] = static_cast<uint8_t>(255 - cmyk[k]);
        });
        WriteFile(file, bytes.data(), bytes.size());
        const auto pic = LoadPicture(file);
        ASSERT_NE(pic, nullptr);
        ASSERT_EQ(pic->width, 16);
        ASSERT_EQ(pic->height, 16);
        for (int q = 0; q < 4; ++q) {
            // The middle of each quarter.
            const int x = (q % 2) * 8 + 4, y = (q / 2) * 8 + 4;
            const uint8_t* p = &pic->rgb[static_cast<size_t>((y * 16 + x) * 3)];
            for (int k = 0; k < 3; ++k) EXPECT_NEAR(p[k], kShown[q][k], 3) << "quarter " << q;
        }
    }
}

class Shapes : public Form {
  public:
    Shapes() : Form("TShapes") {}
};

// The gradient, twice as wide as high, stretched into boxes four times as wide as high: cut to
// its middle rows (4 of 8: rows 2 to 5), or proportional, whole in the middle of the box (32 by
// 16 at x 16) with the margins in its top-left pixel's colour.
TEST(Pictures, KeepTheirShapeInABoxOfAnother) {
    WriteFile("wide.jpg", kGradientJpeg, sizeof(kGradientJpeg));
    std::filesystem::create_directories("shapes");
    std::ofstream("shapes/TShapes.json") << R"({"class": "TShapes", "width": 64, "height": 40,
        "components": [
        {"kind": "Image", "name": "Cut", "width": 64, "height": 16, "stretch": true,
         "picture": "wide.jpg"},
        {"kind": "Image", "name": "Whole", "top": 20, "width": 64, "height": 16, "stretch": true,
         "proportional": true, "picture": "wide.jpg"}]})";
    const std::string dir = LayoutDir();
    SetLayoutDir("shapes");
    Shapes form;
    SetLayoutDir(dir);
    ASSERT_TRUE(form.LayoutProblems().empty());
    const auto pic = LoadPicture("wide.jpg");
    ASSERT_NE(pic, nullptr);
    SoftwareCanvas canvas(form.width, form.height);
    canvas.DrawForm(form);
    auto near = [&](int x, int y, int px, int py) {
        const uint32_t c = canvas.PixelAt(x, y);
        const uint8_t* p = &pic->rgb[static_cast<size_t>((py * pic->width + px) * 3)];
        for (int k = 0; k < 3; ++k)
            if (std::abs(static_cast<int>((c >> (16 - 8 * k)) & 0xff) - p[k]) > 8) return false;
        return true;
    };
    EXPECT_TRUE(near(32, 0, 8, 2));
    EXPECT_TRUE(near(32, 15, 8, 5));
    EXPECT_FALSE(near(32, 0, 8, 0));  // stretched, the red top row would show
    EXPECT_TRUE(near(32, 20, 8, 0));
    EXPECT_TRUE(near(32, 35, 8, 7));
    for (int x : {0, 15, 48, 63}) EXPECT_TRUE(near(x, 35, 0, 0)) << x;
}

// A screen stretches a picture into its box: the picture is kept no larger than it takes to
// cover the box at its own shape, whatever size the file holds.
TEST(Pictures, AreKeptAtTheSizeTheScreensDrawThem) {
    // 1024 x 1024, red on the left half and blue on the right, with a white line 8 pixels wide
    // at x 256.
    const std::string bytes = test::MakeJpeg({1024, 1024, JCS_RGB, JCS_UNKNOWN, false, true, 75},
                                             [](int x, int, uint8_t* rgb) {
                                                 const bool line = x >= 256 && x < 264;
                                                 rgb[0] = x < 512 ? 255 : 0;
                                                 rgb[1] = line ? 255 : 0;
                                                 rgb[2] = x < 512 && !line ? 0 : 255;
                                             });
    WriteFile("big.jpg", bytes.data(), bytes.size());
    std::filesystem::create_directories("kept");
    std::ofstream("kept/TShapes.json") << R"({"class": "TShapes", "width": 400, "height": 200,
        "components": [
        {"kind": "Image", "name": "Small", "width": 64, "height": 48, "stretch": true,
         "picture": "big.jpg"},
        {"kind": "Image", "name": "Large", "left": 100, "width": 300, "height": 200,
         "stretch": true, "picture": "big.jpg", "visible": false}]})";
    const std::string dir = LayoutDir();
    SetLayoutDir("kept");
    Shapes form;
    SetLayoutDir(dir);
    ASSERT_TRUE(form.LayoutProblems().empty());
    SoftwareCanvas canvas(form.width, form.height);
    canvas.DrawForm(form);
    // Square, it covers 64 x 48 at 64 x 64: 12,288 bytes kept of the file's 3 MB.
    EXPECT_EQ(PictureBytesKept(), 64u * 64 * 3);
    auto shows = [&](int x, int y, bool red) {
        const uint32_t c = canvas.PixelAt(x, y);
        return red ? ((c >> 16) & 0xff) > 200 && (c & 0xff) < 60
                   : ((c >> 16) & 0xff) < 60 && (c & 0xff) > 200;
    };
    EXPECT_TRUE(shows(31, 24, true));
    EXPECT_TRUE(shows(32, 24, false));
    // A screen that draws it larger has it again at its size, and the smaller box keeps that one:
    // 300 x 200 is covered at 300 x 300.
    form.Find("Large")->visible = true;
    canvas.DrawForm(form);
    EXPECT_EQ(PictureBytesKept(), 300u * 300 * 3);
    EXPECT_TRUE(shows(249, 100, true));
    EXPECT_TRUE(shows(250, 100, false));
    // The line's 8 pixels are 8 x 300 / 1024, 2.3, here from x 100 + 75: the middle one white.
    // Kept at the small box's size the line would be half a pixel, mixed with the red.
    const uint32_t line = canvas.PixelAt(176, 100);
    for (int k = 0; k < 3; ++k) EXPECT_GT((line >> (8 * k)) & 0xff, 200u) << k;
    form.Find("Large")->visible = false;
    canvas.DrawForm(form);
    EXPECT_EQ(PictureBytesKept(), 300u * 300 * 3);
    EXPECT_TRUE(shows(4, 24, true));
    EXPECT_TRUE(shows(60, 24, false));
    // Asked for whole, the picture is all the file holds.
    const auto whole = LoadPicture("big.jpg");
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->width, 1024);
    EXPECT_EQ(PictureBytesKept(), 1024u * 1024 * 3);
}

class Tabs : public Form {
  public:
    Tabs() : Form("TTabs") {}
};

// No font has a picture for a tab: it shows as spaces up to the next stop of eight letters,
// counted in letters however many bytes each takes.
TEST(Texts, ShowATabAsSpacesToTheNextStopOfEightLetters) {
    ASSERT_TRUE(FontAvailable());
    WriteFile("tabbed.txt", "Ship\tCargo\r\n", 12);
    std::filesystem::create_directories("tabs");
    std::ofstream("tabs/TTabs.json") << R"({"class": "TTabs", "width": 200, "height": 200,
        "components": [
        {"kind": "Memo", "name": "Memo1", "width": 200, "height": 40, "wordWrap": true},
        {"kind": "Label", "name": "Tabbed", "top": 50, "width": 200, "height": 30,
         "caption": "A\tB"},
        {"kind": "Label", "name": "Spaced", "top": 85, "width": 200, "height": 30,
         "caption": "A       B"},
        {"kind": "Label", "name": "Lines", "top": 120, "width": 200, "height": 40},
        {"kind": "Label", "name": "Wrapped", "top": 160, "width": 200, "height": 40,
         "wordWrap": true}]})";
    const std::string dir = LayoutDir();
    SetLayoutDir("tabs");
    Tabs form;
    SetLayoutDir(dir);
    ASSERT_TRUE(form.LayoutProblems().empty());
    auto label = [&](const char* name) -> Label& { return *dynamic_cast<Label*>(form.Find(name)); };
    label("Lines").caption = "Ship\tCargo\n\tCrew\t";
    EXPECT_EQ(CaptionLines(label("Lines")),
              (std::vector<std::string>{"Ship    Cargo", "        Crew    "}));
    // Three letters in six bytes: five spaces to the stop.
    label("Wrapped").caption = "\u0416\u0443\u043a\tx";
    EXPECT_EQ(CaptionLines(label("Wrapped")), std::vector<std::string>{"\u0416\u0443\u043a     x"});
    auto* memo = dynamic_cast<Memo*>(form.Find("Memo1"));
    ASSERT_NE(memo, nullptr);
    memo->LoadFromFile("tabbed.txt");
    EXPECT_EQ(memo->WrappedLines(), std::vector<std::string>{"Ship    Cargo"});
    // Drawn, the tab shows what the spaces show: no box where it stands.
    SoftwareCanvas canvas(form.width, form.height);
    canvas.DrawForm(form);
    int lit = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x) {
            EXPECT_EQ(canvas.PixelAt(x, 50 + y), canvas.PixelAt(x, 85 + y)) << x << ", " << y;
            lit += canvas.PixelAt(x, 50 + y) != canvas.PixelAt(199, 50);
        }
    EXPECT_GT(lit, 20);
}

class Memos : public Form {
  public:
    Memos() : Form("TMemos") {}
};

// A word, or a line of the player's own without a space, wider than its memo goes on at the next
// line where the memo's width ends, as a desktop memo breaks it; the memo's bar shows both arrows,
// white with a thumb between them while the text runs past the box, greyed while it fits.
TEST(Texts, AMemoBreaksAWordWiderThanItselfAndGreysItsBarWhileTheTextFits) {
    ASSERT_TRUE(FontAvailable());
    std::filesystem::create_directories("memos");
    std::ofstream("memos/TMemos.json") << R"({"class": "TMemos", "width": 400, "height": 200,
        "components": [
        {"kind": "Memo", "name": "Long", "width": 200, "height": 100, "scrollBars": "vertical"},
        {"kind": "Memo", "name": "Short", "left": 200, "width": 200, "height": 100,
         "scrollBars": "vertical"}]})";
    const std::string dir = LayoutDir();
    SetLayoutDir("memos");
    Memos form;
    SetLayoutDir(dir);
    ASSERT_TRUE(form.LayoutProblems().empty());
    auto& memo = *dynamic_cast<Memo*>(form.Find("Long"));
    auto& fits = *dynamic_cast<Memo*>(form.Find("Short"));
    // The text runs in 200 less 4 pixels of margin on each side less the 16 of the bar.
    const int room = 200 - 8 - 16;
    // Forty Greek letters of two bytes each, and a player's line of 120 letters.
    std::string greek;
    for (int i = 0; i < 40; ++i) greek += i % 2 ? "α" : "λ";
    const std::string own = "Log: " + std::string(120, 'w');
    memo.lines = {greek, own};
    const std::vector<std::string>& lines = memo.WrappedLines();
    // Each line fits; a line cut inside a word would not have taken its next letter; the pieces
    // joined give the texts back letter for letter.
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(TextWidth(lines[i], memo.font), room) << i;
        joined += lines[i];
    }
    ASSERT_GE(lines.size(), 4u);
    EXPECT_GT(TextWidth(lines[0] + "α", memo.font), room);
    EXPECT_EQ(lines[0].size() % 2, 0u) << "a letter was cut in two bytes";
    // "Log:" keeps its line; the long word starts the next one and breaks at the edge.
    size_t log = 0;
    while (log < lines.size() && lines[log] != "Log:") ++log;
    ASSERT_LT(log + 1, lines.size());
    EXPECT_GT(TextWidth(lines[log + 1] + "w", memo.font), room);
    EXPECT_EQ(joined, greek + "Log:" + std::string(120, 'w'));
    fits.lines = {"Docked."};
    EXPECT_EQ(fits.MaxTopLine(), 0);

    SoftwareCanvas canvas(form.width, form.height);
    canvas.DrawForm(form);
    // The bar is 16 pixels wide at each memo's right edge, its arrows as long: white ink in the
    // middle of either arrow of the long text's bar, the greyed ink on the short one's.
    for (const Memo* m : {&memo, &fits}) {
        const int x = m->left + m->width - 8;
        const uint32_t up = canvas.PixelAt(x, 8), down = canvas.PixelAt(x, m->height - 8);
        EXPECT_EQ(up, down) << m->Name();
        EXPECT_EQ(up == 0xFFFFFFu, m == &memo) << m->Name();
        EXPECT_NE(up, canvas.PixelAt(x, m->height / 2)) << m->Name() << ": no arrow";
    }
    // The long text's thumb stands at the top of the track below the upper arrow; the track
    // under the short text has none.
    const Rect thumb = memo.ThumbRect();
    ASSERT_GT(thumb.h, 0);
    EXPECT_EQ(thumb.y, 16);
    EXPECT_NE(canvas.PixelAt(192, thumb.y + thumb.h / 2), canvas.PixelAt(192, 100 - 17));
    EXPECT_EQ(fits.ThumbRect().h, 0);
    EXPECT_EQ(canvas.PixelAt(392, 30), canvas.PixelAt(392, 100 - 17));
}

class Drawing : public corvanth::test::GameTest {};

TEST_F(Drawing, AMissingPictureDrawsADarkFrameAndNoDeviceMeansSilence) {
    using corvanth::Message1;
    Message1->Image1->LoadPicture("no-such-background.jpg");
    SoftwareCanvas canvas(Message1->width, Message1->height);
    canvas.DrawForm(*Message1);
    uint32_t corner = canvas.PixelAt(4, 4);
    EXPECT_LT((corner >> 16) & 0xff, 40u);  // dark, not an alarming colour
    EXPECT_TRUE(canvas.SavePng("message1.png"));
    std::FILE* f = std::fopen("message1.png", "rb");
    ASSERT_NE(f, nullptr);
    unsigned char sig[8] = {};
    EXPECT_EQ(std::fread(sig, 1, 8, f), 8u);
    std::fclose(f);
    EXPECT_EQ(sig[1], 'P');
    Message1->Image1->LoadPicture("exp1_backgr3.jpg");

    // No sound device: every call is silent and raises nothing.
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(audio::Init());
    EXPECT_NO_THROW(audio::PlayWave("laser.wav"));
    int h = audio::Load("Intro.mp3");
    EXPECT_NO_THROW(audio::Play(h, "Intro.mp3"));
    audio::Unload(h);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // A device that opens, with a missing file and a file that is no sound at all.
    if (audio::Init()) {
        EXPECT_NO_THROW(audio::PlayWave("missing.wav"));
        WriteFile("broken.wav", "RIFF", 4);
        EXPECT_NO_THROW(audio::PlayWave("broken.wav"));
        int m = audio::Load("broken.wav");
        EXPECT_NO_THROW(audio::Play(m, "broken.wav"));
        audio::Unload(m);
        audio::Shutdown();
    }
}

}  // namespace
}  // namespace ui
