// The one game-state instance and the text slot's cutting rule.
#include "state/variables.h"

#include <cstring>
#include <memory>

namespace corvanth {

void ShortText::Assign(std::string_view text) {
    std::size_t n = text.size();
    if (n > MaxLength) {
        n = MaxLength;
        // Back off over continuation bytes (10xxxxxx) so no character is stored half.
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    // The source may alias this slot's own buffer (s = s.view()); memmove copes with that.
    if (n > 0) std::memmove(data_.data(), text.data(), n);
    data_[n] = '\0';
    size_ = static_cast<uint8_t>(n);
}

constinit GameState gGameState{};
constinit SessionState gSession{};

void ResetGameState() {
    // Rebuilt in place: a temporary of this size would not fit on the stack.
    std::destroy_at(&gGameState);
    std::construct_at(&gGameState);
}

}  // namespace corvanth
