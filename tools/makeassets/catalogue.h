// The table of every picture and sound the game reads, and its expansion into file names.
#pragma once

#include <string>
#include <vector>

#include "painters.h"

namespace corvanth::assets {

enum class Look { Plain, Grey };

// The size of the location pictures the system map shows (at 33 by 33) in its black cells.
constexpr int kMapPictureSize = 100;

// One row: a name pattern whose {a..b} ranges and {x,y} lists expand into files of one kind.
// Rows that show the same thing at another size or in grey share a key, so they share seeds.
struct Row {
    const char* group;
    const char* pattern;
    int width = 0, height = 0;  // 0 for sounds
    Paint paint = nullptr;
    Synth synth = nullptr;
    int style = 0;
    Look look = Look::Plain;
    const char* key = nullptr;  // defaults to the pattern
    int arg = -1;               // the chosen value of a name without braces, when >= 0
};

struct Asset {
    const Row* row;
    Params params;
    bool IsSound() const { return row->synth != nullptr; }
};

const std::vector<Row>& Rows();
// Every file of every row, in table order.
std::vector<Asset> Catalogue();
// The names and chosen values of one pattern, in order ("a{1..2}{x,y}" gives a1x a1y a2x a2y).
std::vector<std::pair<std::string, std::vector<int>>> ExpandPattern(const std::string& pattern);

}  // namespace corvanth::assets
