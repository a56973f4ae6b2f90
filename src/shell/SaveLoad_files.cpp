// The saved-game files: the slots written and read whole, checked before a load replaces a thing.
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "shell/SaveLoad.h"
#include "shell/SaveLoad_codec.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/datafiles.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "ui/files.h"

namespace corvanth {

using namespace savefile;
namespace fs = std::filesystem;

namespace {

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

namespace {

// The index fields of the saved tables, of the game or of a check's stage.
template <class Tables>
bool IndicesValid(const Tables& g) {
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

}  // namespace

bool SavedIndicesValid(const GameState& g) {
    return IndicesValid(g);
}

bool DecodeSave(std::string_view ints, std::string_view texts, GameState& into) {
    if (ints.size() < kSaveIntBytes || texts.size() < kSaveTextBytes) return false;
    Decoder d{ints.data(), texts.data()};
    WalkSave(into, d);
    return SavedIndicesValid(into);
}

namespace {

std::string SlotMark(int slot) {
    return PathFor(SlotMarkName(slot));
}

// Whether the file that holds `path` now has the bytes of a slot's file: a cut or empty one is
// no game. A longer one is, as the load reads its first bytes.
bool Whole(const std::string& path, const std::string& mark, uintmax_t bytes) {
    std::error_code ec;
    const uintmax_t size = fs::file_size(ui::PathToRead(path, mark), ec);
    return !ec && size >= bytes;
}

std::string Stem(const std::string& path) {
    return path.substr(0, path.size() - 4);  // without ".int" or ".str"
}

// The slot's two files on the disk, of all the spellings of their names: the integer file the
// first whole one, the text file the whole one of the same spelling or else the first whole one;
// without a whole one, the first there or the name itself. The order of the spellings is the same
// in every run, and a save writes the files chosen, so a save killed halfway is finished or undone
// on the files it was writing.
struct SlotFiles {
    std::string ints, texts;
    bool whole = false;
};
SlotFiles FindSlotFiles(int slot) {
    const std::string mark = SlotMark(slot);
    const auto ints = ui::FindFileSpellings(SlotFileName(slot, false));
    const auto texts = ui::FindFileSpellings(SlotFileName(slot, true));
    auto pick = [&](const std::vector<std::string>& spellings, bool texts,
                    const std::string& stem) {
        const uintmax_t bytes = texts ? kSaveTextBytes : kSaveIntBytes;
        const std::string* firstWhole = nullptr;
        for (const std::string& path : spellings) {
            if (!Whole(path, mark, bytes)) continue;
            if (Stem(path) == stem) return std::pair(path, true);
            if (!firstWhole) firstWhole = &path;
        }
        if (firstWhole) return std::pair(*firstWhole, true);
        return std::pair(spellings.empty() ? SlotFileName(slot, texts) : spellings.front(), false);
    };
    const auto [intsPath, intsWhole] = pick(ints, false, "");
    const auto [textsPath, textsWhole] = pick(texts, true, Stem(intsPath));
    return {intsPath, textsPath, intsWhole && textsWhole};
}

// The text file first: a set's first file is the last one a clean-up removes.
std::vector<std::string> SlotPaths(const SlotFiles& files) {
    return {files.texts, files.ints};
}

}  // namespace

std::string SlotMarkName(int slot) {
    return "Savegame0" + std::to_string(slot) + ".commit";
}

namespace {

// The slot's files, a save a kill interrupted finished or undone on them first. They are the
// files found before: the files a save writes are whole throughout it, or stay as they were.
SlotFiles RecoveredSlotFiles(int slot, bool* finished = nullptr) {
    SlotFiles files = FindSlotFiles(slot);
    const bool done = ui::FinishFilesTogether(SlotPaths(files), SlotMark(slot));
    if (finished) *finished = done;
    return files;
}

}  // namespace

bool RecoverSlot(int slot) {
    bool finished = false;
    RecoveredSlotFiles(slot, &finished);
    return finished;
}

bool SaveGame(int slot) {
    if (slot < 1 || slot > kSaveSlots) return false;
    // One pair of buffers for every save of the run: fresh ones would cost 1.5 MB of new pages
    // each time.
    static Encoder image;
    image.Rewind();
    WalkSave(G(), image);
    const SlotFiles files = FindSlotFiles(slot);
    return ui::WriteFilesTogether({{files.texts, image.texts}, {files.ints, image.ints}},
                                  SlotMark(slot));
}

bool ReplaceGameFrom(std::string_view ints, std::string_view texts) {
    if (ints.size() < kSaveIntBytes || texts.size() < kSaveTextBytes) return false;
    // Checked on a stage of the records the check reads first, so a bad file changes nothing.
    // Only then is the game overwritten, in one walk that limits every number as it goes, and
    // what a save does not hold keeps its value.
    static const std::unique_ptr<CheckedTables> stage = std::make_unique<CheckedTables>();
    Decoder check{ints.data(), texts.data()};
    WalkSave(*stage, check);
    if (!IndicesValid(*stage)) return false;
    Decoder apply{ints.data(), texts.data(), kLoadedNumberLimit};
    GameState& g = G();
    WalkSave(g, apply);
    // The reserved value is nobody's and passes as it is.
    g.ReservedSaveValue = stage->ReservedSaveValue;
    FinishRulesRanges(g, {stage->Players, stage->Factions, stage->MissionOffers, stage->Missions});
    // The free room follows from the hold and what is in it, whatever the file said.
    RecountCargoRoom(1, 1);
    return true;
}

bool ReadSavedGame(int slot) {
    if (slot < 1 || slot > kSaveSlots) return false;
    const SlotFiles files = RecoveredSlotFiles(slot);
    const std::string mark = SlotMark(slot);
    // Kept for every load of the run, as the save keeps its buffers.
    static std::string ints, texts;
    return ui::ReadRegularFileInto(ui::PathToRead(files.ints, mark), kSaveIntBytes, ints) &&
           ui::ReadRegularFileInto(ui::PathToRead(files.texts, mark), kSaveTextBytes, texts) &&
           ReplaceGameFrom(ints, texts);
}

bool LoadGame(int slot) {
    const bool loaded = ReadSavedGame(slot);
    if (!loaded) {
        PlayBadSound();
        ShowMessage1("Sorry, I cannot load this file.");
        return false;
    }
    ClearPlaySession();
    return true;
}

bool SlotHoldsGame(int slot) {
    return RecoveredSlotFiles(slot).whole;
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

}  // namespace corvanth
