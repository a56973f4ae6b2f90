// The game's own pictures and sounds for tests that want their screens to look as played.
#pragma once

#include <filesystem>

namespace corvanth::test {

// The folder where the asset tool drew every picture and sound, once per build; it is missing
// when the tool is not built or could not run.
std::filesystem::path GameArt();

// Links every file of GameArt() into `dir` that is not there yet.
void LinkGameArt(const std::filesystem::path& dir);

}  // namespace corvanth::test
