// The saved-game files: one walk over the saved tables that both the writer and the reader use.
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "shell/SaveLoad.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/datafiles.h"
#include "state/tables.h"
#include "ui/files.h"

namespace corvanth {

namespace {

constexpr int kFields = 100;
constexpr int kPlayersSaved = 2, kFleetsSaved = 5, kShipsSaved = 4, kOffersSaved = 28;
constexpr int kFactionsSaved = 4, kRanksSaved = 10, kEquipmentSaved = 200, kMarketFields = 3;
constexpr int kSystems = StarSystem::Last, kLocations = Planet::LastLocation;
constexpr int kGoods = Good::Last;

// The saved tables in the order the game has always written them, both files side by side:
// each file gets its own tables in this order. `State` is const for the writer.
template <class State, class Visitor>
void WalkSave(State& g, Visitor& v) {
    auto record = [&v](auto& r, int fields = kFields) {
        for (int f = 1; f <= fields; ++f) v.Int(r[f]);
    };
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
            for (int good = 1; good <= kGoods; ++good) record(g.Markets[s][l][good], kMarketFields);
    for (int s = 1; s <= kSystems; ++s)
        for (int e = SpaceEvent::FirstSlot; e <= SpaceEvent::LastSlot; ++e)
            record(g.SpaceEvents[s][e]);
    v.Int(g.TurnNumber);
    v.Int(g.GameDay);
    v.Int(g.GameMonth);
    v.Int(g.GameYear);
    v.Int(g.ReservedSaveValue);
}

// One text record into the 256 bytes at `record`, which are zero.
void PutText(char* record, const ShortText& text) {
    PutTextRecord(record, text.view());
}

ShortText GetText(const char* record) {
    const auto length = static_cast<unsigned char>(record[0]);
    return ShortText(ui::Cp1252ToUtf8(std::string(record + 1, length)));
}

// Writes into buffers sized for the format once, not byte by byte; they grow only if the walk
// ever held more than the format says, which the sizes test would catch.
struct Encoder {
    std::string ints = std::string(kSaveIntBytes, '\0');
    std::string texts = std::string(kSaveTextBytes, '\0');
    size_t intAt = 0, textAt = 0;
    void Int(const int32_t& value) {
        if (intAt + 4 > ints.size()) ints.resize(intAt + 4);
        const auto v = static_cast<uint32_t>(value);
        for (int i = 0; i < 4; ++i) ints[intAt + i] = static_cast<char>(v >> (8 * i));
        intAt += 4;
    }
    void Text(const ShortText& text) {
        if (textAt + kTextRecordBytes > texts.size()) texts.resize(textAt + kTextRecordBytes);
        PutText(texts.data() + textAt, text);
        textAt += kTextRecordBytes;
    }
};

// Reads in walk order; the caller has checked both files are long enough.
struct Decoder {
    const char* ints;
    const char* texts;
    void Int(int32_t& value) {
        const auto* b = reinterpret_cast<const unsigned char*>(ints);
        value = static_cast<int32_t>(
            static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
            static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
        ints += 4;
    }
    void Text(ShortText& text) {
        text = GetText(texts);
        texts += kTextRecordBytes;
    }
};

// Every saved number within reach of the limit; the reserved value is nobody's and passes as it
// is.
struct Limiter {
    int32_t limit;
    void Int(int32_t& value) { value = std::clamp(value, -limit, limit); }
    void Text(const ShortText&) {}
};

bool In(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

// The first objective is a system or a location by kind; the later objective fields also hold
// turn numbers, so they are no index.
bool MissionValid(const GameRecord& m) {
    return In(m[Mission::ObjectiveBase + 1], 0, kLocations) &&
           In(m[Mission::Kind], 0, MissionKind::Scavenge) &&
           In(m[Mission::TargetSystem], 0, kSystems) && ValidFaction(m[Mission::Client]);
}

std::string PathFor(const std::string& name) {
    return ui::FindFile(name).value_or(name);
}

}  // namespace

std::string SlotFileName(int slot, bool texts) {
    return "Savegame0" + std::to_string(slot) + (texts ? ".str" : ".int");
}

SaveImage EncodeSave(const GameState& g) {
    Encoder e;
    WalkSave(g, e);
    return {std::move(e.ints), std::move(e.texts)};
}

bool SavedIndicesValid(const GameState& g) {
    const GameRecord& captain = g.Players[1];
    if (captain[Player::GameRunning] < 1 || !PlayableFaction(captain[Player::Faction]) ||
        !In(captain[Player::Portrait], 0, 2) ||
        !In(captain[Player::TreasureFleetSystem], -1, kSystems))
        return false;
    const GameRecord& own = g.Fleets[1];
    if (!ValidSystem(own[Fleet::System]) || !ValidLocation(own[Fleet::Location])) return false;
    for (int f = 1; f <= kFleetsSaved; ++f) {
        const GameRecord& fleet = g.Fleets[f];
        const int32_t to = fleet[Fleet::Destination];
        if (!In(fleet[Fleet::System], 0, kSystems) || !In(fleet[Fleet::Location], 0, kLocations) ||
            !(to > 0 ? to <= kLocations : to >= -kSystems))
            return false;
        for (int s = 1; s <= kShipsSaved; ++s) {
            const GameRecord& ship = g.Ships[f][s];
            if (!In(ship[Ship::Class], 0, 27) || !ValidFaction(ship[Ship::Faction]) ||
                !In(ship[Ship::SelectedWeaponSlot], 0, Slot::Last))
                return false;
            for (int slot = Slot::First; slot <= Slot::Last; ++slot)
                if (!In(g.ShipEquipment[f][s][slot][Slot::EquipmentId], 0, Equipment::LastId))
                    return false;
        }
    }
    if (!In(g.Ships[1][1][Ship::Class], 1, 27)) return false;
    for (int s = 1; s <= kSystems; ++s) {
        const GameRecord& system = g.StarSystems[s];
        if (!ValidFaction(system[StarSystem::Owner]) || !In(system[StarSystem::SectorRating], 0, 5))
            return false;
        for (int l = 1; l <= kLocations; ++l) {
            const GameRecord& p = g.Planets[s][l];
            if (!In(p[Planet::Kind], 0, PlanetKind::Special) || !In(p[Planet::MapColumn], 0, 5) ||
                !In(p[Planet::MapRow], 0, 7) || !ValidFaction(p[Planet::Owner]) ||
                !In(p[Planet::JumpTarget], 0, kSystems) ||
                !In(p[Planet::EventSlot], 0, SpaceEvent::LastSlot) ||
                !In(p[Planet::Picture], 0, 999) || !In(p[Planet::CityPicture], 0, 999))
                return false;
        }
        for (int e = SpaceEvent::FirstSlot; e <= SpaceEvent::LastSlot; ++e) {
            const GameRecord& event = g.SpaceEvents[s][e];
            if (!In(event[SpaceEvent::Kind], 0, SpaceEventKind::Vip) ||
                !In(event[SpaceEvent::Location], 0, kLocations) ||
                !ValidFaction(event[SpaceEvent::RulingFaction]))
                return false;
        }
    }
    for (int f = 1; f <= kFactionsSaved; ++f) {
        const GameRecord& faction = g.Factions[f];
        if (!In(faction[Faction::Rank], 0, kRanksSaved) ||
            !In(faction[Faction::AwardStep], 0, 20) ||
            !In(faction[Faction::CapitalSystem], 0, kSystems))
            return false;
    }
    for (int o = 1; o <= kOffersSaved; ++o)
        if (!MissionValid(g.MissionOffers[o]) || !In(g.MissionListIndex[o], 0, kOffersSaved))
            return false;
    for (int p = 1; p <= kPlayersSaved; ++p)
        if (!MissionValid(g.Missions[p])) return false;
    for (int good = 1; good <= kGoods; ++good)
        if (!In(g.Goods[good][Good::Category], 0, 7)) return false;
    return true;
}

bool DecodeSave(std::string_view ints, std::string_view texts, GameState& into) {
    if (ints.size() < kSaveIntBytes || texts.size() < kSaveTextBytes) return false;
    Decoder d{ints.data(), texts.data()};
    WalkSave(into, d);
    return SavedIndicesValid(into);
}

namespace {

// The slot's two files as they are named on disk, the text file first: a set's first file is
// the last one a clean-up removes.
std::vector<std::string> SlotPaths(int slot) {
    return {PathFor(SlotFileName(slot, true)), PathFor(SlotFileName(slot, false))};
}

std::string SlotMark(int slot) {
    return PathFor(SlotMarkName(slot));
}

}  // namespace

std::string SlotMarkName(int slot) {
    return "Savegame0" + std::to_string(slot) + ".commit";
}

bool RecoverSlot(int slot) {
    return ui::FinishFilesTogether(SlotPaths(slot), SlotMark(slot));
}

bool SaveGame(int slot) {
    if (slot < 1 || slot > kSaveSlots) return false;
    const SaveImage image = EncodeSave(G());
    const auto paths = SlotPaths(slot);
    return ui::WriteFilesTogether({{paths[0], image.texts}, {paths[1], image.ints}},
                                  SlotMark(slot));
}

bool ReplaceGameFrom(std::string_view ints, std::string_view texts) {
    // Decoded and checked on a stage first, so a bad file changes nothing; the check reads only
    // saved fields, so the stage needs no copy of the rest. Only then is the game overwritten,
    // by the same walk, and what a save does not hold keeps its value.
    static const std::unique_ptr<GameState> stage = std::make_unique<GameState>();
    if (!DecodeSave(ints, texts, *stage)) return false;
    Decoder d{ints.data(), texts.data()};
    WalkSave(G(), d);
    BringIntoRulesRanges(G());
    return true;
}

void LimitSavedNumbers(GameState& g, int32_t limit) {
    const int32_t reserved = g.ReservedSaveValue;
    Limiter limiter{limit};
    WalkSave(g, limiter);
    g.ReservedSaveValue = reserved;
}

bool ReadSavedGame(int slot) {
    if (slot < 1 || slot > kSaveSlots) return false;
    RecoverSlot(slot);
    const auto ints = ui::ReadRegularFile(SlotPathToRead(slot, false), kSaveIntBytes);
    const auto texts = ui::ReadRegularFile(SlotPathToRead(slot, true), kSaveTextBytes);
    return ints && texts && ReplaceGameFrom(*ints, *texts);
}

bool LoadGame(int slot) {
    const bool loaded = ReadSavedGame(slot);
    if (!loaded) {
        PlayBadSound();
        ShowMessage1("Sorry, I cannot load this file.");
    }
    return loaded;
}

std::string SlotPathToRead(int slot, bool texts) {
    return ui::PathToRead(PathFor(SlotFileName(slot, texts)), SlotMark(slot));
}

bool SlotHoldsGame(int slot) {
    RecoverSlot(slot);
    return ui::ReadRegularFile(SlotPathToRead(slot, false), 0).has_value();
}

std::string EncodeSlotDescriptions(const GameState& g) {
    std::string out(kSaveSlots * kTextRecordBytes, '\0');
    for (int slot = 1; slot <= kSaveSlots; ++slot)
        PutText(out.data() + (slot - 1) * kTextRecordBytes, g.SlotDescriptions[slot]);
    return out;
}

void DecodeSlotDescriptions(std::string_view bytes, GameState& g) {
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        const size_t at = (slot - 1) * kTextRecordBytes;
        g.SlotDescriptions[slot] =
            at + kTextRecordBytes <= bytes.size() ? GetText(bytes.data() + at) : ShortText();
    }
}

void LoadSlotDescriptions() {
    const auto path = ui::FindFile(kSlotDescriptionsFile);
    const auto bytes = path ? ui::ReadRegularFile(*path, kSaveSlots * kTextRecordBytes)
                            : std::optional<std::string>();
    DecodeSlotDescriptions(bytes.value_or(std::string()), G());
}

bool WriteSlotDescriptions() {
    return ui::WriteFileSafely(PathFor(kSlotDescriptionsFile), EncodeSlotDescriptions(G()));
}

bool GameRunning() {
    return G().Players[1][Player::GameRunning] >= 1;
}

}  // namespace corvanth
