// The layers of the source tree, read from its include lines: which include breaks which rule.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace layering {

// One include line that breaks a rule, where it stands (the file relative to src/, its line).
struct Breach {
    std::string file;
    int line = 0;
    std::string rule;
};
// "src/travel/travel.cpp:3: <rule>"; a file's own place has no line.
std::string Describe(const Breach& breach);

// "ui state tutorial ..." into its names, lowest first.
std::vector<std::string> LayerNames(std::string_view spaced);

// Every breach in the tree under `src`, in the order of file and line. The folders of src/ are
// `layers`, lowest first, and files directly in src/ stand above them all. A folder includes
// nothing of a folder above it; only ui includes the platform's headers, also through a header
// of its own; no header includes a header that leads back to it.
std::vector<Breach> CheckLayers(const std::filesystem::path& src,
                                const std::vector<std::string>& layers);

}  // namespace layering
