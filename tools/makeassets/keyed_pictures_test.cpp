// The pictures the screens draw with their black ground left out, as the game decodes and keys
// them, and the marks of rank on the shoulder boards and collar patches.
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "generate.h"
#include "ui/picture.h"
#include "writers.h"

namespace corvanth::assets {
namespace {

namespace fs = std::filesystem;

// One folder per process: several test runs share this machine's /tmp.
fs::path ScratchDir(const std::string& stem) {
    return fs::temp_directory_path() / (stem + std::to_string(getpid()));
}

// A picture as the game shows it: the written JPEG decoded, then keyed as a transparent image
// keys it. The alpha channel of the result, row by row.
struct Keyed {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    bool Clear(int x, int y) const { return rgba[(static_cast<size_t>(y) * w + x) * 4 + 3] == 0; }
    const uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
};

Keyed AsShown(const Asset& asset, const fs::path& dir) {
    const fs::path file = dir / asset.params.name;
    EXPECT_TRUE(WriteJpeg(file.string(), RenderPicture(asset)));
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto pic = ui::DecodeJpeg(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    if (!pic) return {};
    return {pic->width, pic->height, ui::KeyedRgba(*pic)};
}

// The see-through pixels that no path of see-through pixels joins to the picture's edge.
int Holes(const Keyed& k) {
    std::vector<char> seen(static_cast<size_t>(k.w) * k.h, 0);
    std::vector<std::pair<int, int>> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= k.w || y >= k.h) return;
        char& s = seen[static_cast<size_t>(y) * k.w + x];
        if (s || !k.Clear(x, y)) return;
        s = 1;
        todo.emplace_back(x, y);
    };
    for (int x = 0; x < k.w; ++x) visit(x, 0), visit(x, k.h - 1);
    for (int y = 0; y < k.h; ++y) visit(0, y), visit(k.w - 1, y);
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        visit(x + 1, y), visit(x - 1, y), visit(x, y + 1), visit(x, y - 1);
    }
    int holes = 0;
    for (int y = 0; y < k.h; ++y)
        for (int x = 0; x < k.w; ++x)
            holes += k.Clear(x, y) && !seen[static_cast<size_t>(y) * k.w + x];
    return holes;
}

// One bright metal mark on a board: its pixels and the width and height it spans.
struct Mark {
    int pixels = 0, w = 0, h = 0;
};

// The bright metal marks on a board, as separate patches inside its trim (and clear of a
// shoulder board's round ends); a speck of a few pixels is no mark.
std::vector<Mark> Marks(const Keyed& k, bool shoulder) {
    const int x0 = k.w * (shoulder ? 20 : 13) / 100, x1 = k.w - x0;
    const int y0 = k.h * 20 / 100, y1 = k.h - y0 + 1;
    const int least = std::max(3, k.w * k.h / 800);
    auto metal = [&](int x, int y) {
        const uint8_t* p = k.At(x, y);
        return 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2] > 95;
    };
    std::vector<char> seen(static_cast<size_t>(k.w) * k.h, 0);
    std::vector<Mark> marks;
    for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx) {
            if (seen[static_cast<size_t>(sy) * k.w + sx] || !metal(sx, sy)) continue;
            int size = 0, left = sx, right = sx, top = sy, bottom = sy;
            std::vector<std::pair<int, int>> todo{{sx, sy}};
            seen[static_cast<size_t>(sy) * k.w + sx] = 1;
            while (!todo.empty()) {
                auto [x, y] = todo.back();
                todo.pop_back();
                ++size;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
                for (auto [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}) {
                    if (nx < x0 || ny < y0 || nx >= x1 || ny >= y1) continue;
                    char& s = seen[static_cast<size_t>(ny) * k.w + nx];
                    if (s || !metal(nx, ny)) continue;
                    s = 1;
                    todo.emplace_back(nx, ny);
                }
            }
            if (size >= least) marks.push_back({size, right - left + 1, bottom - top + 1});
        }
    return marks;
}

bool Named(const Asset& a, const std::string& part) {
    return a.params.name.find(part) != std::string::npos;
}

// Emblems, shoulder boards, collar patches, ribbons and the commander's medal bar stand on black,
// which the screens that show them leave out: decoded and keyed as the game does it, their ground
// is see-through all round and nothing inside the shape is. The award screen shows boards, ribbons,
// medals and wings at the size they are drawn, so none is blown up soft.
TEST(AssetPictures, EmblemsBoardsAndRibbonsShowWholeOnAGroundTheScreensLeaveOut) {
    const fs::path dir = ScratchDir("corvanth_keyed_");
    fs::create_directories(dir);
    int checked = 0;
    for (const Asset& a : Catalogue()) {
        const bool logo = std::string(a.row->group) == "logos";
        const bool medalBar = Named(a, "-awardplace");
        if (!logo && !medalBar && !Named(a, "-shoulder") && !Named(a, "-collar") &&
            !Named(a, "-ribbon"))
            continue;
        SCOPED_TRACE(a.params.name);
        const Keyed k = AsShown(a, dir);
        ASSERT_GT(k.w, 0);
        EXPECT_TRUE(k.Clear(0, 0) && k.Clear(k.w - 1, 0) && k.Clear(0, k.h - 1) &&
                    k.Clear(k.w - 1, k.h - 1));
        // The medal bar runs across the top of its picture, the medals hang below it.
        EXPECT_FALSE(k.Clear(k.w / 2, medalBar ? k.h / 6 : k.h / 2));
        if (medalBar) {
            EXPECT_TRUE(k.Clear(k.w / 2, k.h * 3 / 4));
        }
        EXPECT_EQ(Holes(k), 0);
        // A round emblem has no ground left round its disc, be it ever so dark.
        if (logo) {
            const float r = std::min(k.w, k.h) * 0.46f;
            int ground = 0;
            for (int y = 0; y < k.h; ++y)
                for (int x = 0; x < k.w; ++x)
                    ground += std::hypot(x + 0.5f - k.w / 2.0f, y + 0.5f - k.h / 2.0f) > r &&
                              !k.Clear(x, y);
            EXPECT_EQ(ground, 0);
        }
        ++checked;
    }
    // Insignia, ribbons, medal bars, logos and the rest.
    EXPECT_EQ(checked, 4 * 14 + 4 * 12 + 4 + 4 * 3 + 2);
    const std::map<std::string, std::pair<int, int>> kAwardSizes = {
        {"Synd-ribbon7.jpg", {180, 70}},
        {"Uni-outerrim-Comm-shoulder.jpg", {200, 80}},
        {"Coal-MedalofHonor.jpg", {108, 150}},
        {"Fed-Pilotwings.jpg", {192, 80}}};
    for (const Asset& a : Catalogue()) {
        const auto it = kAwardSizes.find(a.params.name);
        if (it == kAwardSizes.end()) continue;
        EXPECT_EQ(std::pair(a.row->width, a.row->height), it->second) << a.params.name;
    }
    fs::remove_all(dir);
}

// Ensign to captain wear one to six marks on shoulder board and collar patch alike, so two
// neighbouring ranks differ by one a player counts; the admiral's broad bar and star differ from
// the captain's six.
TEST(AssetPictures, NeighbouringRanksDifferByTheMarksOnTheirBoards) {
    const fs::path dir = ScratchDir("corvanth_ranks_");
    fs::create_directories(dir);
    const char* faction[] = {"Fed", "outerrim", "Synd", "Coal"};
    const char* codes[] = {"ensign", "2ndLt", "1stLt", "Lt", "Comm", "Capt", "Adm"};
    std::map<std::string, const Asset*> byName;
    const std::vector<Asset> all = Catalogue();
    for (const Asset& a : all) byName[a.params.name] = &a;
    for (const char* f : faction)
        for (const char* part : {"-shoulder.jpg", "-collar.jpg"}) {
            std::vector<int> counts;
            std::vector<Mark> ranked;  // every mark of ensign to captain
            for (const char* code : codes) {
                const std::string name = std::string("Uni-") + f + "-" + code + part;
                ASSERT_TRUE(byName.contains(name)) << name;
                const std::vector<Mark> marks = Marks(AsShown(*byName[name], dir), part[1] == 's');
                counts.push_back(static_cast<int>(marks.size()));
                if (code != codes[6]) ranked.insert(ranked.end(), marks.begin(), marks.end());
            }
            SCOPED_TRACE(std::string(f) + part);
            EXPECT_EQ(std::vector<int>(counts.begin(), counts.end() - 1),
                      (std::vector<int>{1, 2, 3, 4, 5, 6}));
            EXPECT_NE(counts.back(), 6);
            if (part[1] == 's' || ranked.empty()) continue;
            // The collar patch is worn at the size it is drawn: its marks keep one shape and
            // size from one mark to six (a pixel either way for the JPEG), and each is large
            // enough to count, 20 pixels or more.
            for (const Mark& m : ranked) {
                EXPECT_NEAR(m.w, ranked[0].w, 1);
                EXPECT_NEAR(m.h, ranked[0].h, 1);
                EXPECT_GE(m.pixels, 20);
            }
        }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace corvanth::assets
