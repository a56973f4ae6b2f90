// The asset generator: its catalogue covers the names the game composes, and a run into an empty
// folder leaves a readable file for each while keeping the files a player put there.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "catalogue.h"
#include "generate.h"
#include "writers.h"

namespace corvanth::assets {
namespace {

namespace fs = std::filesystem;

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::set<std::string> ListedLower() {
    std::set<std::string> names;
    for (const Asset& a : Catalogue()) names.insert(Lower(a.params.name));
    return names;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le(const std::string& bytes, size_t at, int count) {
    uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(bytes[at + i]);
    return v;
}

TEST(AssetCatalogue, PatternsExpandInOrderAndNamesStayUniqueWhateverTheCase) {
    auto out = ExpandPattern("a{1..2}{x,y}.jpg");
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0].first, "a1x.jpg");
    EXPECT_EQ(out[1].first, "a1y.jpg");
    EXPECT_EQ(out[3].first, "a2y.jpg");
    EXPECT_EQ(out[3].second,
              (std::vector<int>{2, 1}));  // a range gives its number, a list its place
    EXPECT_EQ(ExpandPattern("city1{,b}.jpg")[0].first, "city1.jpg");

    // The game looks files up in any letter case, so two entries differing only in case would
    // fight over one file.
    size_t total = Catalogue().size();
    EXPECT_EQ(ListedLower().size(), total);
}

TEST(AssetCatalogue, ListsEveryNameTheGameComposes) {
    std::set<std::string> listed = ListedLower();
    std::vector<std::string> wanted;
    // Ship pictures: types 0..19 "ship", 20..27 "exp1_ship", each also with "g".
    for (int t = 0; t <= 27; ++t) {
        std::string stem = (t < 20 ? "ship" : "exp1_ship") + std::to_string(t);
        wanted.push_back(stem + ".jpg");
        wanted.push_back(stem + "g.jpg");
    }
    // Portraits: three bases, five ages, and the three endings callers append.
    for (std::string base : {"Hero1", "Hero2", "Hero3"})
        for (std::string age : {"_20y", "_35y", "_50y", "_70y", "_150y"})
            for (std::string end : {".jpg", "_sm.jpg", "_sm2.jpg"})
                wanted.push_back(base + age + end);
    // Location pictures: the small names of numbers 0..69 and their large forms.
    std::vector<std::string> small = {"earth1",        "red1",   "red2",    "wormhole",  "red3",
                                      "ice1",          "toxic1", "toxic2",  "desert8",   "anomaly1",
                                      "NavPoint",      "Saturn", "Jupiter", "Mars",      "Moon",
                                      "sun",           "earth",  "earth15", "ghostship", "treasure",
                                      "alienartefact", "moon1",  "ocean1"};
    for (int i = 2; i <= 13; ++i) small.push_back("earth" + std::to_string(i));
    for (int i = 4; i <= 7; ++i) small.push_back("red" + std::to_string(i));
    for (int i = 1; i <= 7; ++i) small.push_back("dark" + std::to_string(i));
    for (int i = 1; i <= 7; ++i) small.push_back("desert" + std::to_string(i));
    for (int i = 1; i <= 6; ++i) small.push_back("jungle" + std::to_string(i));
    for (const auto& s : small) {
        wanted.push_back(s + ".jpg");
        wanted.push_back(s + "r.jpg");
    }
    for (std::string s : {"asteroids1", "spacestation", "city7b", "lifepod", "anomaly_sm",
                          "antenna_sm", "passenger_sm", "container_sm", "VIPsmall"})
        wanted.push_back(s + ".jpg");
    for (std::string s : {"asteroidsbigpic", "city7r", "lifepodr", "cockpit", "VIP"})
        wanted.push_back(s + ".jpg");
    // Docking, jumps, searches and the visits of space events.
    for (std::string s : {"agedrug", "agedrug_sm", "businessman", "face5", "jumpengines",
                          "ghostshipr", "alienartefactr", "treasure_sm", "container", "cexplosion"})
        wanted.push_back(s + ".jpg");
    // City pictures 0..33.
    for (std::string s :
         {"city1",  "city1b", "city1c", "city1d", "city2",  "city2b", "city2c", "city2d",
          "city2e", "city2f", "city3",  "city4",  "city4b", "city4c", "city4d", "city5",
          "city6",  "city6b", "city6c", "city6d", "city6e", "city7",  "city7c", "city7d",
          "city7e", "city8",  "city8b", "city8c", "city8d", "city9",  "city10", "city11"})
        wanted.push_back(s + ".jpg");
    // Uniforms, insignia, wings, ribbons, medals, plaques and rank badges of factions 1..4.
    const char* uni[] = {"Fed", "outerrim", "Synd", "Coal"};
    const char* q[] = {"Fed-", "Outerrim-", "Synd-", "Coal-"};
    const char* badge[] = {"Fed_Rank", "Or_Rank", "Synd_Rank", "coal_Rank"};
    const char* award[] = {"Fed", "OR", "Synd", "Coal"};
    const char* rankPicture[] = {"uni-fed", "uni-outerrim", "uni-synd", "uni-coal"};
    const char* codes[] = {"-ensign", "-2ndLt", "-1stLt", "-Lt", "-Comm", "-Capt", "-Adm"};
    for (int f = 0; f < 4; ++f) {
        std::string u = std::string("Uni-") + uni[f];
        for (std::string com : {"", "-com"})
            for (std::string fem : {"", "-fem"})
                wanted.push_back(u + "-blank" + com + fem + ".jpg");
        for (const char* code : codes) {
            wanted.push_back(u + code + "-shoulder.jpg");
            wanted.push_back(u + code + "-collar.jpg");
        }
        wanted.push_back(std::string(q[f]) + "Pilotwings.jpg");
        for (int k = 1; k <= 12; ++k)
            wanted.push_back(q[f] + std::string("ribbon") + std::to_string(k) + ".jpg");
        for (std::string m : {"Medal-SilverStar", "Medal-GoldStar", "MedalofHonor"})
            wanted.push_back(q[f] + m + ".jpg");
        wanted.push_back(std::string("Uni-") + q[f] + "awardplace.jpg");
        // The award screen: the faction's background, the ribbon, wings and rank pictures.
        wanted.push_back(std::string(award[f]) + "AwardBackgr.jpg");
        wanted.push_back(q[f] + std::string("Ribbon12.jpg"));
        wanted.push_back(q[f] + std::string("pilotwings.jpg"));
        for (const char* code : {"-2ndLt", "-1stLt", "-Lt", "-Comm"})
            wanted.push_back(rankPicture[f] + std::string(code) + "-shoulder.jpg");
        for (int r = 0; r <= 8; ++r) wanted.push_back(badge[f] + std::to_string(r) + ".jpg");
    }
    // Senator-story pictures by faction.
    for (std::string f : {"fed", "or", "synd", "coal"})
        for (std::string s : {"gov", "girl", "girl2", "girl_big", "girl_wedding", "girl_weddingg"})
            wanted.push_back("exp1_" + f + s + ".jpg");
    // The own planet's picture, as the award for it shows it.
    wanted.push_back("earth12r.jpg");
    // The music the game opens by name.
    wanted.push_back("Intro.mp3");
    wanted.push_back("Background.mp3");

    for (const auto& name : wanted) EXPECT_TRUE(listed.contains(Lower(name))) << name;
}

// One folder per process: several test runs share this machine's /tmp.
fs::path ScratchDir(const std::string& stem) {
    return fs::temp_directory_path() / (stem + std::to_string(getpid()));
}

TEST(AssetGenerator, WritesReadableFilesAndKeepsThePlayersOwn) {
    fs::path dir = ScratchDir("corvanth_assets_");
    fs::remove_all(dir);
    fs::create_directories(dir);
    // A player's own picture under another letter case, and a sound of theirs.
    { std::ofstream(dir / "CONTAINER.JPG") << "mine"; }
    { std::ofstream(dir / "button.wav") << "mine too"; }

    std::vector<Asset> assets = Catalogue();
    Outcome first = Generate(dir.string(), assets, 8);
    EXPECT_TRUE(first.failed.empty());
    EXPECT_EQ(first.kept, 2);
    EXPECT_EQ(first.written, static_cast<int>(assets.size()) - 2);
    EXPECT_EQ(ReadAll(dir / "CONTAINER.JPG"), "mine");
    EXPECT_EQ(ReadAll(dir / "button.wav"), "mine too");
    EXPECT_FALSE(fs::exists(dir / "container.jpg"));

    for (const Asset& a : assets) {
        if (a.params.name == "container.jpg" || a.params.name == "button.wav") continue;
        SCOPED_TRACE(a.params.name);
        std::string bytes = ReadAll(dir / a.params.name);
        ASSERT_GT(bytes.size(), 44u);
        if (a.params.name.ends_with(".mp3")) {
            // MPEG-2 Layer III frame sync at the start; the decode is checked below.
            EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 0xFF);
            EXPECT_EQ(static_cast<uint8_t>(bytes[1]) & 0xFE, 0xF2);
        } else if (a.IsSound()) {
            EXPECT_EQ(bytes.substr(0, 4), "RIFF");
            EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
            EXPECT_EQ(Le(bytes, 4, 4), bytes.size() - 8);  // the RIFF size covers the file
            EXPECT_EQ(Le(bytes, 20, 2), 1u);               // PCM
            EXPECT_EQ(Le(bytes, 22, 2), 1u);               // mono
            EXPECT_EQ(Le(bytes, 24, 4), 22050u);
            EXPECT_EQ(Le(bytes, 34, 2), 16u);
            EXPECT_EQ(Le(bytes, 40, 4), bytes.size() - 44);
        } else {
            EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 0xFF);
            EXPECT_EQ(static_cast<uint8_t>(bytes[1]), 0xD8);
            EXPECT_EQ(static_cast<uint8_t>(bytes[bytes.size() - 2]), 0xFF);  // complete file
            EXPECT_EQ(static_cast<uint8_t>(bytes.back()), 0xD9);
        }
    }

    // No half-written file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()),
              static_cast<std::ptrdiff_t>(assets.size()));

    // Nothing is left to write the second time.
    Outcome second = Generate(dir.string(), assets, 8);
    EXPECT_EQ(second.written, 0);
    EXPECT_EQ(second.kept, static_cast<int>(assets.size()));
    fs::remove_all(dir);
}

TEST(AssetGenerator, MusicDecodesBackThroughTheMixer) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    // The game's own settings: 22050 Hz, 16 bits, one channel, so samples come back unconverted.
    ASSERT_EQ(Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, 1, 1024), 0) << Mix_GetError();
    Mix_Init(MIX_INIT_MP3);
    fs::path dir = ScratchDir("corvanth_music_");
    fs::create_directories(dir);
    for (const Asset& a : Catalogue()) {
        if (!a.params.name.ends_with(".mp3")) continue;
        SCOPED_TRACE(a.params.name);
        std::vector<float> pcm = RenderSound(a);
        const std::string path = (dir / a.params.name).string();
        ASSERT_TRUE(WriteMp3(path, pcm));

        Mix_Music* music = Mix_LoadMUS(path.c_str());
        ASSERT_NE(music, nullptr) << Mix_GetError();
        EXPECT_EQ(Mix_GetMusicType(music), MUS_MP3);
        Mix_FreeMusic(music);

        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        const auto* out = reinterpret_cast<const int16_t*>(chunk->abuf);
        const size_t n = chunk->alen / 2;
        // Whole frames of 576 samples, plus the encoder's delay and padding: at most two frames
        // more than went in, never fewer.
        EXPECT_GE(n + 576, pcm.size());
        EXPECT_LE(n, pcm.size() + 3 * 576);
        // The loudness survives: the tracks are scaled to a peak of 0.6.
        double inEnergy = 0, outEnergy = 0;
        for (float v : pcm) inEnergy += double(v) * v;
        for (size_t i = 0; i < n; ++i) outEnergy += std::pow(out[i] / 32768.0, 2);
        const double inRms = std::sqrt(inEnergy / pcm.size()), outRms = std::sqrt(outEnergy / n);
        EXPECT_GT(inRms, 0.05);
        EXPECT_NEAR(outRms, inRms, inRms * 0.2);
        Mix_FreeChunk(chunk);
    }
    fs::remove_all(dir);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_Quit();
}

}  // namespace
}  // namespace corvanth::assets
