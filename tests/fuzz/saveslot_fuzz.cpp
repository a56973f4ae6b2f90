// A slot's file pair: a valid save patched by the input; a rejected load changes nothing.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "shell/SaveLoad.h"
#include "state/newgame.h"
#include "state/variables.h"

using namespace corvanth;

namespace {
SaveImage* base = nullptr;
GameState* before = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InitGameData();
    GameState& g = G();
    g.Players[1][Player::Faction] = FactionId::Federation;
    g.Fleets[1][Fleet::System] = 4;
    g.Fleets[1][Fleet::Location] = 1;
    g.Ships[1][1][Ship::Class] = 3;
    base = new SaveImage(EncodeSave(g));
    // The running game a load may replace: different from the save, so a commit shows.
    g.TurnNumber = 999;
    before = new GameState(g);
    return 0;
}

// Input: a flags byte (bit 0 cuts the integer file, bit 1 the text file, at the next patch's
// offset), then patches of a 3-byte offset into both files, a length byte and the bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    std::string ints = base->ints, texts = base->texts;
    const uint8_t flags = data[0];
    size_t at = 1;
    bool first = true;
    while (at + 4 <= size) {
        const size_t offset =
            (static_cast<size_t>(data[at]) | static_cast<size_t>(data[at + 1]) << 8 |
             static_cast<size_t>(data[at + 2]) << 16) % (ints.size() + texts.size());
        const size_t length = std::min<size_t>(data[at + 3], size - at - 4);
        at += 4;
        std::string& file = offset < ints.size() ? ints : texts;
        const size_t in = offset < ints.size() ? offset : offset - ints.size();
        if (first && (flags & 3)) {
            if ((flags & 1) && &file == &ints) ints.resize(in);
            if ((flags & 2) && &file == &texts) texts.resize(in);
        }
        first = false;
        for (size_t i = 0; i < length && in + i < file.size(); ++i) file[in + i] = data[at + i];
        at += length;
    }
    if (ReplaceGameFrom(ints, texts)) {
        G() = *before;
        return 0;
    }
    if (std::memcmp(&G(), before, sizeof(GameState)) != 0) std::abort();
    return 0;
}
