// A slot's file pair: a valid save patched by the input; a rejected load changes nothing.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "../support/running_game.h"
#include "shell/SaveLoad.h"

using namespace corvanth;

namespace {
SaveImage* base = nullptr;
GameState* before = nullptr;

// Word by word and uninstrumented: the game state is 10 MB, and this runs for every input.
__attribute__((no_sanitize("address"))) bool SameState(const GameState& a, const GameState& b) {
    const auto* x = reinterpret_cast<const uint64_t*>(&a);
    const auto* y = reinterpret_cast<const uint64_t*>(&b);
    for (size_t i = 0; i < sizeof(GameState) / 8; ++i)
        if (x[i] != y[i]) return false;
    return std::memcmp(reinterpret_cast<const char*>(&a) + sizeof(GameState) / 8 * 8,
                       reinterpret_cast<const char*>(&b) + sizeof(GameState) / 8 * 8,
                       sizeof(GameState) % 8) == 0;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    test::MinimalRunningGame();
    GameState& g = G();
    base = new SaveImage(EncodeSave(g));
    // The running game a load may replace: different from the save, so a commit shows.
    g.TurnNumber = 999;
    before = new GameState(g);
    return 0;
}

// Input: a flags byte (bit 0 cuts the integer file, bit 1 the text file, at the first patch's
// offset), then patches of a 3-byte offset into both files, a length byte and the bytes. The
// patches are made on working copies and undone after the load, so no input allocates 1.5 MB.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static std::string ints = base->ints, texts = base->texts;
    size_t intsSize = ints.size(), textsSize = texts.size();
    struct Patch {
        std::string* file;
        size_t at, length;
    };
    std::vector<Patch> patches;
    size_t at = 1;
    while (at + 4 <= size) {
        const size_t offset =
            (static_cast<size_t>(data[at]) | static_cast<size_t>(data[at + 1]) << 8 |
             static_cast<size_t>(data[at + 2]) << 16) %
            (ints.size() + texts.size());
        size_t length = std::min<size_t>(data[at + 3], size - at - 4);
        at += 4;
        std::string& file = offset < ints.size() ? ints : texts;
        const size_t in = offset < ints.size() ? offset : offset - ints.size();
        if (patches.empty() && (data[0] & 1) && &file == &ints) intsSize = in;
        if (patches.empty() && (data[0] & 2) && &file == &texts) textsSize = in;
        length = std::min(length, file.size() - in);
        std::memcpy(file.data() + in, data + at, length);
        patches.push_back({&file, in, length});
        at += length;
    }
    const bool loaded = ReplaceGameFrom(std::string_view(ints.data(), intsSize),
                                        std::string_view(texts.data(), textsSize));
    for (const Patch& p : patches)
        std::memcpy(p.file->data() + p.at,
                    (p.file == &ints ? base->ints : base->texts).data() + p.at, p.length);
    if (loaded) {
        G() = *before;
    } else if (!SameState(G(), *before)) {
        std::abort();
    }
    return 0;
}
