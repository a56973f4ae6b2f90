// The game-state fingerprint: a 64-bit multiply-rotate hash over each table, folded in order.
#include "support/state_hash.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <type_traits>

#include "state/random.h"
#include "state/variables.h"

namespace corvanth::test {
namespace {

constexpr uint64_t kP1 = 0x9E3779B185EBCA87ull;
constexpr uint64_t kP2 = 0xC2B2AE3D27D4EB4Full;
constexpr uint64_t kP3 = 0x165667B19E3779F9ull;

uint64_t Rotl(uint64_t x, int r) {
    return (x << r) | (x >> (64 - r));
}

uint64_t Round(uint64_t acc, uint64_t word) {
    return Rotl(acc + word * kP2, 31) * kP1;
}

uint64_t Word(const unsigned char* p) {
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// Four independent lanes over 32-byte blocks, then the tail word by word and byte by byte.
uint64_t HashBytes(const void* data, size_t n) {
    const auto* p = static_cast<const unsigned char*>(data);
    uint64_t v[4] = {kP1 + kP2, kP2, 0, 0 - kP1};
    size_t i = 0;
    for (; i + 32 <= n; i += 32)
        for (int k = 0; k < 4; ++k) v[k] = Round(v[k], Word(p + i + 8 * k));
    uint64_t h = Rotl(v[0], 1) + Rotl(v[1], 7) + Rotl(v[2], 12) + Rotl(v[3], 18) + n;
    for (; i + 8 <= n; i += 8) h = Rotl(h ^ Round(0, Word(p + i)), 27) * kP1 + kP3;
    for (; i < n; ++i) h = Rotl(h ^ (p[i] * kP3), 11) * kP1;
    h ^= h >> 33;
    h *= kP2;
    h ^= h >> 29;
    h *= kP3;
    return h ^ (h >> 32);
}

// How many 32-bit integers a table of them holds, nested arrays included.
template <class T>
struct IntCount;
template <>
struct IntCount<int32_t> {
    static constexpr size_t value = 1;
};
template <class T, size_t N>
struct IntCount<std::array<T, N>> {
    static constexpr size_t value = N * IntCount<T>::value;
};

template <class T>
void Table(uint64_t& h, const T& table) {
    // Nothing but the integers themselves: no padding bytes reach the fingerprint.
    static_assert(sizeof(T) == IntCount<T>::value * sizeof(int32_t));
    h = ChainHash(h, HashBytes(&table, sizeof table));
}

void Texts(uint64_t& h, const ShortText& text) {
    h = ChainHash(h, HashBytes(text.view().data(), text.size()) ^ text.size());
}
template <class T, size_t N>
void Texts(uint64_t& h, const std::array<T, N>& texts) {
    for (const T& t : texts) Texts(h, t);
}

}  // namespace

uint64_t ChainHash(uint64_t chain, uint64_t value) {
    return Rotl(chain ^ Round(0, value), 27) * kP1 + kP3;
}

uint64_t MarketTableHash() {
    uint64_t h = 0;
    Table(h, G().Markets);
    return h;
}

uint64_t GameStateHash() {
    const GameState& g = G();
    uint64_t h = 0;
    Table(h, g.Planets);
    Table(h, g.StarSystems);
    Table(h, g.MissionOffers);
    Table(h, g.Missions);
    Table(h, g.Factions);
    Table(h, g.Players);
    Table(h, g.Tournaments);
    Table(h, g.TournamentEntrants);
    Table(h, g.Gladiators);
    Table(h, g.Fleets);
    Table(h, g.Ships);
    Table(h, g.Projectiles);
    Table(h, g.ShipEquipment);
    Table(h, g.EquipmentTypes);
    Table(h, g.LootItem);
    Table(h, g.Goods);
    // The market table is 9 MB, of which a turn changes the price fields of the planets' markets
    // alone; all of it goes into MarketTableHash.
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s)
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            const GameRecord& p = g.Planets[s][l];
            if (p[Planet::Exists] < 1 || p[Planet::Kind] != PlanetKind::Planet) continue;
            for (const GameRecord& m : g.Markets[s][l]) {
                const auto price = static_cast<uint32_t>(m[Market::Price]);
                const auto base = static_cast<uint32_t>(m[Market::BasePrice]);
                h = Round(h, price | uint64_t{base} << 32);
                h = Round(h, static_cast<uint32_t>(m[Market::Drift]));
            }
        }
    Table(h, g.SpaceEvents);
    Texts(h, g.PlanetNames);
    Texts(h, g.PlanetDescriptions);
    Texts(h, g.SystemNames);
    Texts(h, g.SystemCodes);
    Texts(h, g.SystemDescriptions);
    Texts(h, g.FactionNames);
    Texts(h, g.FactionPictures);
    Texts(h, g.FactionSmallPictures);
    Texts(h, g.RankNames);
    Texts(h, g.RankAbbreviations);
    Texts(h, g.CaptainNames);
    Texts(h, g.GladiatorNames);
    Texts(h, g.ShipClassNames);
    Texts(h, g.ShipDescriptions);
    Texts(h, g.EquipmentNames);
    Texts(h, g.EquipmentDescriptions);
    Texts(h, g.GoodNames);
    Texts(h, g.HighscoreNames);
    Texts(h, g.SlotDescriptions);
    Table(h, g.Cargo);
    Table(h, g.CapturedCargo);
    Table(h, g.LastPricePaid);
    Table(h, g.MissionListIndex);
    Table(h, g.Highscores);
    const std::array<int32_t, 27> scalars = {
        g.TurnNumber,          g.GameDay,          g.GameMonth,          g.GameYear,
        g.SelectedPlanet,      g.EarlyGameTurns,   g.MarketChangeChance, g.CurrentPlayer,
        g.CurrentFleet,        g.CurrentShip,      g.EnemyShip,          g.CombatShip,
        g.EnemyCombatShip,     g.EnemyFiringShip,  g.TargetedOwnShip,    g.CombatRange,
        g.CombatMayClose,      g.VipEventBattle,   g.SelectedTradeGood,  g.MissionBlinkOn,
        g.NoEncounterThisTurn, g.PlayerTournament, g.WatchedFight,       g.ReservedSaveValue,
        g.LaunchCount,         g.ProtectedModeOn,  g.CleanExit};
    Table(h, scalars);
    return ChainHash(h, Rng().Seed());
}

}  // namespace corvanth::test
