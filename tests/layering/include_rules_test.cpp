// The source tree against its layers, and a copy of it with a breach of each rule planted.
#include "include_rules.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace layering {
namespace {

namespace fs = std::filesystem;

std::string Listed(const std::vector<Breach>& breaches) {
    std::string text;
    for (const Breach& b : breaches) text += Describe(b) + "\n";
    return text;
}

TEST(IncludeRules, TheSourceTreeKeepsItsLayers) {
    const std::vector<std::string> layers = LayerNames(CORVANTH_LAYERS);
    // The platform at the bottom, the game state on it, the shell over every game folder.
    ASSERT_GE(layers.size(), 3u);
    EXPECT_EQ(layers[0], "ui");
    EXPECT_EQ(layers[1], "state");
    EXPECT_EQ(layers.back(), "shell");
    EXPECT_EQ(Listed(CheckLayers(fs::path(CORVANTH_SOURCE_DIR) / "src", layers)), "");
}

class IncludeRulesOnACopy : public testing::Test {
  protected:
    void SetUp() override {
        std::string dir = (fs::temp_directory_path() / "corvanth-layers-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        scratch_ = dir;
        fs::copy(fs::path(CORVANTH_SOURCE_DIR) / "src", src(), fs::copy_options::recursive);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(scratch_, ec);
    }
    fs::path src() const { return scratch_ / "src"; }

    // `text` becomes line 2 of the copy's file, below its first line; a file that is not there
    // starts with a line of its own.
    void Plant(const std::string& file, const std::string& text) {
        const fs::path path = src() / file;
        std::vector<std::string> lines;
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        in.close();
        if (lines.empty()) lines.push_back("// planted");
        lines.insert(lines.begin() + 1, text);
        fs::create_directories(path.parent_path());
        std::ofstream out(path);
        for (const std::string& line : lines) out << line << "\n";
    }

    fs::path scratch_;
};

TEST_F(IncludeRulesOnACopy, EveryPlantedBreachIsNamedByItsFileAndLine) {
    const std::vector<std::pair<std::string, std::string>> plants = {
        // Planted in this order, the last stands on line 2: the spaced include ends on line 3,
        // the plain one on line 4; the comment is no include.
        {"travel/travel.cpp", "#include \"shell/options.h\""},
        {"travel/travel.cpp", "  #  include \"shell/start.h\""},
        {"travel/travel.cpp", "// #include \"shell/credits.h\" would break the layers"},
        {"state/market.cpp", "#include \"career/missions.h\""},
        {"ui/audio.cpp", "#include \"state/variables.h\""},
        {"planet/bank.cpp", "#include <SDL.h>"},
        // A platform library two headers of ui away.
        {"ui/planted_inner.h", "#include <SDL_mixer.h>"},
        {"ui/planted_outer.h", "#include \"ui/planted_inner.h\""},
        {"career/news.cpp", "#include \"ui/planted_outer.h\""},
        // a -> c -> b -> a, told at a, the first by name; and a header that includes itself.
        {"state/cycle_a.h", "#include \"state/cycle_c.h\""},
        {"state/cycle_c.h", "#include \"state/cycle_b.h\""},
        {"state/cycle_b.h", "#include \"state/cycle_a.h\""},
        {"state/cycle_self.h", "#include \"state/cycle_self.h\""},
        // A folder outside the layers, and an include of it.
        {"maps/maps.cpp", "#include <string>"},
        {"travel/travel_raid.cpp", "#include \"maps/maps.h\""},
    };
    for (const auto& [file, text] : plants) Plant(file, text);

    const std::string platform = "only ui sees SDL, the picture and the font libraries: ";
    // In the order of file and line.
    const std::vector<std::string> expected = {
        "src/career/news.cpp:2: " + platform + "\"ui/planted_outer.h\" brings in <SDL_mixer.h>",
        "src/maps/maps.cpp: the folder maps has no place among the layers",
        "src/planet/bank.cpp:2: " + platform + "includes <SDL.h>",
        "src/state/cycle_a.h:2: includes \"state/cycle_c.h\", which leads back to it: "
        "state/cycle_a.h -> state/cycle_c.h -> state/cycle_b.h -> state/cycle_a.h",
        "src/state/cycle_self.h:2: includes \"state/cycle_self.h\", which leads back to it: "
        "state/cycle_self.h -> state/cycle_self.h",
        "src/state/market.cpp:2: state stands below career: it reaches career through the table "
        "of upward calls (state/upcalls.h), not by including \"career/missions.h\"",
        "src/travel/travel.cpp:3: travel stands below shell: it reaches shell through the table "
        "of upward calls (state/upcalls.h), not by including \"shell/start.h\"",
        "src/travel/travel.cpp:4: travel stands below shell: it reaches shell through the table "
        "of upward calls (state/upcalls.h), not by including \"shell/options.h\"",
        "src/travel/travel_raid.cpp:2: includes \"maps/maps.h\" from outside the layers",
        "src/ui/audio.cpp:2: ui knows nothing of the game: includes \"state/variables.h\"",
    };
    std::string text;
    for (const std::string& line : expected) text += line + "\n";
    EXPECT_EQ(Listed(CheckLayers(src(), LayerNames(CORVANTH_LAYERS))), text);
}

}  // namespace
}  // namespace layering
