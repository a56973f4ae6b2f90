// Shared set-up for the shell's tests: the settings file on disk and the game's own data files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/options.h"
#include "shell/start.h"
#include "support/game_test.h"
#include "tutorial/Tutorial.h"

namespace corvanth::test {

// The settings file as raw bytes, so a test can write short, long or odd files.
inline void WriteSettingsBytes(const std::vector<uint8_t>& bytes) {
    std::ofstream out(kSettingsFile, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadSettingsBytes() {
    std::ifstream in(kSettingsFile, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Three little-endian records, as the game writes them.
inline std::vector<uint8_t> SettingsBytes(int32_t launch, int32_t protectedMode, int32_t clean) {
    std::vector<uint8_t> out;
    for (int32_t v : {launch, protectedMode, clean})
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
    return out;
}

class ShellTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        std::error_code ec;
        std::filesystem::remove_all(kSettingsFile, ec);
        // The tutorial's texts and whatever pictures the game ships lie in its working directory.
        const std::filesystem::path data = std::filesystem::path(CORVANTH_SOURCE_DIR) / "data";
        for (const auto& entry : std::filesystem::directory_iterator(data, ec))
            if (entry.is_regular_file() && !std::filesystem::exists(entry.path().filename()))
                std::filesystem::create_symlink(entry.path(), entry.path().filename(), ec);
        TutorialStep = 0;
        EndTutorial();
        // A shut-down closes the players; every test starts with the click and sonar open.
        if (!Form1->MediaPlayer3->IsOpen()) Form1->MediaPlayer3->Open();
        if (!Form1->MediaPlayer4->IsOpen()) Form1->MediaPlayer4->Open();
    }
    void TearDown() override {
        Form1->SoundTimer1->SetEnabled(false);
        TutorialStep = 0;
        EndTutorial();
        GameTest::TearDown();
    }
};

}  // namespace corvanth::test
