// The saved-game format: the walk over the saved tables that the writer, the reader and the
// check share, and its codecs.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "shell/SaveLoad.h"
#include "state/datafiles.h"
#include "state/variables.h"
#include "ui/files.h"

namespace corvanth::savefile {

constexpr int kFields = 100;
constexpr int kPlayersSaved = 2, kFleetsSaved = 5, kShipsSaved = 4, kOffersSaved = 28;
constexpr int kFactionsSaved = 4, kRanksSaved = 10, kEquipmentSaved = 200, kMarketFields = 3;
constexpr int kSystems = StarSystem::Last, kLocations = Planet::LastLocation;
constexpr int kGoods = Good::Last;

// The market records lie a whole record apart and only their prices are saved, so each is a
// fresh line of memory: the walk asks for the one a few records on while it copies this one.
template <class Record>
void FetchAhead(const Record& r) {
    if constexpr (std::is_same_v<std::remove_const_t<Record>, GameRecord>) {
        constexpr uintptr_t kAhead = 8 * sizeof(GameRecord);
        __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(&r) + kAhead),
                           1);
    }
}

// The saved tables in the order the game has always written them, both files side by side:
// each file gets its own tables in this order. `State` is const for the writer.
template <class State, class Visitor>
void WalkSave(State& g, Visitor& v) {
    // Fields 1..100 of a record; a market record keeps its three price fields.
    auto record = [&v](auto& r) { v.Record(r); };
    for (int s = 1; s <= kSystems; ++s)
        for (int l = 1; l <= kLocations; ++l) record(g.Planets[s][l]);
    for (int s = 1; s <= kSystems; ++s)
        for (int l = 1; l <= kLocations; ++l) v.Text(g.PlanetNames[s][l]);
    for (int s = 1; s <= kSystems; ++s)
        for (int l = 1; l <= kLocations; ++l) v.Text(g.PlanetDescriptions[s][l]);
    for (int s = 1; s <= kSystems; ++s) record(g.StarSystems[s]);
    for (int s = 1; s <= kSystems; ++s) v.Text(g.SystemNames[s]);
    for (int s = 1; s <= kSystems; ++s) v.Text(g.SystemCodes[s]);
    for (int s = 1; s <= kSystems; ++s) v.Text(g.SystemDescriptions[s]);
    for (int o = 1; o <= kOffersSaved; ++o) record(g.MissionOffers[o]);
    for (int p = 1; p <= kPlayersSaved; ++p) record(g.Missions[p]);
    for (int o = 1; o <= kOffersSaved; ++o) v.Int(g.MissionListIndex[o]);
    for (int f = 1; f <= kFactionsSaved; ++f) record(g.Factions[f]);
    for (int f = 1; f <= kFactionsSaved; ++f) v.Text(g.FactionNames[f]);
    for (int f = 1; f <= kFactionsSaved; ++f) v.Text(g.FactionPictures[f]);
    for (int f = 1; f <= kFactionsSaved; ++f) v.Text(g.FactionSmallPictures[f]);
    for (int f = 1; f <= kFactionsSaved; ++f)
        for (int r = 1; r <= kRanksSaved; ++r) v.Text(g.RankNames[f][r]);
    for (int f = 1; f <= kFactionsSaved; ++f)
        for (int r = 1; r <= kRanksSaved; ++r) v.Text(g.RankAbbreviations[f][r]);
    for (int p = 1; p <= kPlayersSaved; ++p) record(g.Players[p]);
    for (int p = 1; p <= kPlayersSaved; ++p) v.Text(g.CaptainNames[p]);
    for (int f = 1; f <= kFleetsSaved; ++f) record(g.Fleets[f]);
    for (int f = 1; f <= kFleetsSaved; ++f)
        for (int s = 1; s <= kShipsSaved; ++s) record(g.Ships[f][s]);
    for (int f = 1; f <= kFleetsSaved; ++f)
        for (int s = 1; s <= kShipsSaved; ++s) v.Text(g.ShipClassNames[f][s]);
    for (int f = 1; f <= kFleetsSaved; ++f)
        for (int s = 1; s <= kShipsSaved; ++s) v.Text(g.ShipDescriptions[f][s]);
    for (int f = 1; f <= kFleetsSaved; ++f)
        for (int s = 1; s <= kShipsSaved; ++s)
            for (int slot = Slot::First; slot <= Slot::Last; ++slot)
                record(g.ShipEquipment[f][s][slot]);
    for (int e = 1; e <= kEquipmentSaved; ++e) v.Text(g.EquipmentNames[e]);
    for (int e = 1; e <= kEquipmentSaved; ++e) v.Text(g.EquipmentDescriptions[e]);
    for (int e = 1; e <= kEquipmentSaved; ++e) record(g.EquipmentTypes[e]);
    for (int good = 1; good <= kGoods; ++good) v.Int(g.Cargo[good]);
    for (int good = 1; good <= kGoods; ++good) v.Int(g.LastPricePaid[good]);
    for (int good = 1; good <= kGoods; ++good) record(g.Goods[good]);
    for (int good = 1; good <= kGoods; ++good) v.Text(g.GoodNames[good]);
    for (int s = 1; s <= kSystems; ++s)
        for (int l = 1; l <= kLocations; ++l)
            for (int good = 1; good <= kGoods; ++good) {
                FetchAhead(g.Markets[s][l][good]);
                v.Prices(g.Markets[s][l][good]);
            }
    for (int s = 1; s <= kSystems; ++s)
        for (int e = SpaceEvent::FirstSlot; e <= SpaceEvent::LastSlot; ++e)
            record(g.SpaceEvents[s][e]);
    v.Int(g.TurnNumber);
    v.Int(g.GameDay);
    v.Int(g.GameMonth);
    v.Int(g.GameYear);
    v.Int(g.ReservedSaveValue);
}

// Most texts are plain ASCII, which the code page holds as it is.
inline bool Ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// One text record into the 256 bytes at `record`, which are zero.
inline void PutText(char* record, const ShortText& text) {
    const std::string_view t = text.view();
    if (!Ascii(t)) {
        PutTextRecord(record, t);
        return;
    }
    const size_t length = std::min(t.size(), kTextRecordBytes - 1);
    record[0] = static_cast<char>(length);
    std::copy_n(t.data(), length, record + 1);
}

inline ShortText GetText(const char* record) {
    const std::string_view t(record + 1, static_cast<unsigned char>(record[0]));
    return Ascii(t) ? ShortText(t) : ShortText(ui::Cp1252ToUtf8(std::string(t)));
}

// The files' numbers are 32-bit little-endian: on a little-endian machine a record's fields are
// its bytes as they lie in memory.
constexpr bool kLittleEndian = std::endian::native == std::endian::little;

inline void PutFields(char* out, const int32_t* fields, int count) {
    if constexpr (kLittleEndian) {
        std::memcpy(out, fields, 4 * static_cast<size_t>(count));
    } else {
        for (int n = 0; n < count; ++n)
            for (int i = 0; i < 4; ++i)
                out[4 * n + i] = static_cast<char>(static_cast<uint32_t>(fields[n]) >> (8 * i));
    }
}

inline void GetFields(const char* in, int32_t* fields, int count) {
    if constexpr (kLittleEndian) {
        std::memcpy(fields, in, 4 * static_cast<size_t>(count));
    } else {
        const auto* b = reinterpret_cast<const unsigned char*>(in);
        for (int n = 0; n < count; ++n, b += 4)
            fields[n] = static_cast<int32_t>(
                static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
    }
}

// Writes into buffers sized for the format once, record by record; they grow only if the walk
// ever held more than the format says, which the sizes test would catch. Rewound, the same
// buffers take the next save: every byte is written again, so none is cleared first.
struct Encoder {
    std::string ints = std::string(kSaveIntBytes, '\0');
    std::string texts = std::string(kSaveTextBytes, '\0');
    size_t intAt = 0, textAt = 0;
    void Rewind() { intAt = textAt = 0; }
    void Fields(const int32_t* first, int count) {
        const size_t bytes = 4 * static_cast<size_t>(count);
        if (intAt + bytes > ints.size()) ints.resize(intAt + bytes);
        PutFields(ints.data() + intAt, first, count);
        intAt += bytes;
    }
    void Int(const int32_t& value) { Fields(&value, 1); }
    void Record(const GameRecord& r) { Fields(&r[1], kFields); }
    void Prices(const GameRecord& r) { Fields(&r[1], kMarketFields); }
    void Text(const ShortText& text) {
        if (textAt + kTextRecordBytes > texts.size()) texts.resize(textAt + kTextRecordBytes);
        char* const record = texts.data() + textAt;
        std::memset(record, 0, kTextRecordBytes);
        PutText(record, text);
        textAt += kTextRecordBytes;
    }
};

// A table of the check's stage that the check does not read: the decoder passes over its
// records.
struct Passed {
    Passed& operator[](size_t) { return *this; }
};

// Reads in walk order; the caller has checked both files are long enough. With a limit, every
// number is brought within -limit..limit as it is put in place.
struct Decoder {
    const char* ints;
    const char* texts;
    int32_t limit = 0;
    void Fields(int32_t* first, int count) {
        GetFields(ints, first, count);
        ints += 4 * static_cast<size_t>(count);
        // A copy of the limit the stores cannot touch, so the loop runs on whole vectors.
        const int32_t most = limit;
        if (most > 0)
            for (int n = 0; n < count; ++n) first[n] = std::min(std::max(first[n], -most), most);
    }
    void Int(int32_t& value) { Fields(&value, 1); }
    void Record(GameRecord& r) { Fields(&r[1], kFields); }
    void Prices(GameRecord& r) { Fields(&r[1], kMarketFields); }
    void Text(ShortText& text) {
        text = GetText(texts);
        texts += kTextRecordBytes;
    }
    void Int(Passed&) { ints += 4; }
    void Record(Passed&) { ints += 4 * kFields; }
    void Prices(Passed&) { ints += 4 * kMarketFields; }
    void Text(Passed&) { texts += kTextRecordBytes; }
};

// What the check of a slot reads, and the money-like numbers the load keeps as the file has
// them, staged from its bytes before anything of the game is replaced. Texts, the equipment
// catalogue, the hold and the market prices are passed over: they are decoded once, straight
// into the game.
struct CheckedTables {
    decltype(GameState::Planets) Planets;
    decltype(GameState::StarSystems) StarSystems;
    decltype(GameState::MissionOffers) MissionOffers;
    decltype(GameState::Missions) Missions;
    decltype(GameState::MissionListIndex) MissionListIndex;
    decltype(GameState::Factions) Factions;
    decltype(GameState::Players) Players;
    decltype(GameState::Fleets) Fleets;
    decltype(GameState::Ships) Ships;
    decltype(GameState::ShipEquipment) ShipEquipment;
    decltype(GameState::Goods) Goods;
    decltype(GameState::SpaceEvents) SpaceEvents;
    int32_t ReservedSaveValue = 0;
    Passed PlanetNames, PlanetDescriptions, SystemNames, SystemCodes, SystemDescriptions;
    Passed FactionNames, FactionPictures, FactionSmallPictures, RankNames, RankAbbreviations;
    Passed CaptainNames, ShipClassNames, ShipDescriptions, EquipmentNames, EquipmentDescriptions;
    Passed EquipmentTypes, Cargo, LastPricePaid, GoodNames, Markets;
    Passed TurnNumber, GameDay, GameMonth, GameYear;
};

}  // namespace corvanth::savefile
