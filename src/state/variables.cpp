// The one game-state instance and the text slot's cutting rule.
#include "state/variables.h"

#include <cstdint>
#include <cstring>
#include <memory>

#if defined(__linux__)
#include <sys/mman.h>
#endif

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

namespace {

// Every turn and every save and load walk tables of several MB (the markets alone are 8.9 MB) a
// record at a time: on 2 MB pages such a walk pays a few address translations, not one every
// 4 KB. Asked for before anything touches the tables; where the system says no, nothing changes.
bool AskLargePages() {
#if defined(MADV_HUGEPAGE)
    constexpr uintptr_t kLargePage = uintptr_t{2} << 20;
    const auto start = reinterpret_cast<uintptr_t>(&gGameState);
    const uintptr_t from = (start + kLargePage - 1) & ~(kLargePage - 1);
    const uintptr_t to = (start + sizeof(GameState)) & ~(kLargePage - 1);
    if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
    return true;
}
[[maybe_unused]] const bool kLargePagesAsked = AskLargePages();

}  // namespace

void ResetGameState() {
    // Rebuilt in place: a temporary of this size would not fit on the stack.
    std::destroy_at(&gGameState);
    std::construct_at(&gGameState);
}

}  // namespace corvanth
