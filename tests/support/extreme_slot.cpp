// Finding the fields no index check guards, and filling them.
#include "support/extreme_slot.h"

#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/variables.h"

namespace corvanth::test {

namespace {

// The integer file's tables: first record, records, fields per record (1 for plain lists).
struct Segment {
    size_t first, records;
    int fields;
};
const Segment kSegments[] = {
    {0, 91000, 100},    {91000, 2600, 100},  {93600, 2800, 100},   {96400, 200, 100},
    {96600, 28, 1},     {96628, 400, 100},   {97028, 200, 100},    {97228, 500, 100},
    {97728, 2000, 100}, {99728, 40000, 100}, {139728, 20000, 100}, {159728, 20, 1},
    {159748, 20, 1},    {159768, 2000, 100}, {161768, 54600, 3},   {216368, 10400, 100},
    {226768, 5, 1},
};

// One field of a table: its first record, the end of the table and the stride.
struct Field {
    size_t first, end;
    int stride;
};

void PutInt(std::string& ints, size_t record, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) ints[record * 4 + i] = static_cast<char>(v >> (8 * i));
}

SaveImage RunningGame() {
    InitGameData();
    GameState& g = G();
    g.Players[1][Player::Faction] = FactionId::Federation;
    ApplyNewGameStart();
    return EncodeSave(g);
}

// The fields of a table are tried with the largest and the smallest value on all their records
// at once; a set the loader refuses is halved until its index fields are found.
std::vector<Field> OpenFields(const SaveImage& image) {
    std::vector<Field> open;
    const auto stage = std::make_unique<GameState>();
    auto takes = [&](const Segment& s, int from, int to) {
        for (int32_t v :
             {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}) {
            std::string ints = image.ints;
            for (int f = from; f < to; ++f)
                for (size_t r = s.first + f; r < s.first + s.records; r += s.fields)
                    PutInt(ints, r, v);
            if (!DecodeSave(ints, image.texts, *stage)) return false;
        }
        return true;
    };
    std::function<void(const Segment&, int, int)> find = [&](const Segment& s, int from, int to) {
        if (takes(s, from, to)) {
            for (int f = from; f < to; ++f)
                open.push_back({s.first + f, s.first + s.records, s.fields});
        } else if (to - from > 1) {
            find(s, from, (from + to) / 2);
            find(s, (from + to) / 2, to);
        }
    };
    for (const Segment& s : kSegments) find(s, 0, s.fields);
    return open;
}

// A record's own draw from the seed, the same whatever else is drawn (a 64-bit finalizer).
uint64_t Draw(uint32_t seed, size_t record) {
    uint64_t x = (uint64_t{seed} << 32 | record) + 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

}  // namespace

SaveImage HandMadeSave(SlotValues kind, uint32_t seed) {
    // The running game it starts from is the same whatever was played before.
    Rng().SetSeed(seed);
    return ExtremeSave([kind, seed](size_t r) -> int32_t {
        const uint64_t d = Draw(seed, r);
        switch (kind) {
            case SlotValues::Extreme:
                return d & 1 ? std::numeric_limits<int32_t>::max()
                             : std::numeric_limits<int32_t>::min();
            case SlotValues::Random:
                return static_cast<int32_t>(static_cast<uint32_t>(d));
            case SlotValues::Small:
                break;
        }
        return static_cast<int32_t>(d % 9) - 4;
    });
}

const char* SlotValuesName(SlotValues kind) {
    switch (kind) {
        case SlotValues::Extreme:
            return "extreme";
        case SlotValues::Random:
            return "random";
        case SlotValues::Small:
            break;
    }
    return "small";
}

SaveImage ExtremeSave(const std::function<int32_t(size_t record)>& value) {
    SaveImage image = RunningGame();
    static const std::vector<Field> open = OpenFields(image);
    for (const Field& field : open)
        for (size_t r = field.first; r < field.end; r += field.stride)
            PutInt(image.ints, r, value(r));
    return image;
}

}  // namespace corvanth::test
