// Space events that come and go on the system maps.
#include "travel/UEvents.h"

#include <array>

#include "state/random.h"
#include "state/tables.h"
#include "state/variables.h"
#include "travel/travel.h"

namespace corvanth {

namespace {

constexpr int kMaxCellDraws = 1000;
constexpr int kExpiryDraw = 1000;  // an event vanishes with 5 chances in 1000 per turn
constexpr int kExpiryBelow = 5;
constexpr int kSpawnDraw = 1000;  // a system gains one with 5 in 1000, or 5 in 700 by the cheat
constexpr int kSpawnDrawCheat = 700;
constexpr int kSpawnBelow = 5;
constexpr int kQuickSearchSystem = 23;
constexpr int kQuickSearchHead = 800;

struct EventText {
    const char* name;
    const char* description;
};

// Site texts by event kind; kind 5 is never drawn.
const EventText& TextOf(int kind) {
    static const EventText kTexts[] = {
        {" ", " "},
        {"Lifepod",
         "Your sensors report a lifepod at this location. You can visit it to find out more about "
         "it."},
        {"Ghostship",
         "Are this the forgotten remains of a battle, an ambush or an unkown disaster? Do you dare "
         "to find out?"},
        {"Treasure", "The hidden treasures of a buccaneer?"},
        {"Alien Artefact", "Artefact of an alien source."},
        {" ", " "},
        {"Spy ship",
         "Your computer picked up an encrypted radio transmission from this location. Maybe its "
         "an enemy spy ship. You will need surveillance equipment to track him down."},
        {"Survivor", "You get the signal of a lifepod with some survivors. Help them!"},
        {"Container", "Someone seems to have lost a cargo container!"},
        {"VIP", "A VIP, maybe a rich trader or a politician!"},
    };
    return kTexts[kind >= 1 && kind <= 9 ? kind : 0];
}

// The kind by a draw of Random(220); treasures come twice in the table.
int KindOf(int r) {
    if (r <= 10) return SpaceEventKind::Lifepod;
    if (r <= 40) return SpaceEventKind::Container;
    if (r <= 79) return SpaceEventKind::Treasure;
    if (r <= 100) return SpaceEventKind::AlienArtefact;
    if (r <= 120) return SpaceEventKind::SpyShip;
    if (r <= 140) return SpaceEventKind::Survivor;
    if (r <= 160) return SpaceEventKind::Ghostship;
    if (r <= 180) return SpaceEventKind::Treasure;
    return SpaceEventKind::Vip;
}

bool OnMap(int column, int row) {
    return column >= 1 && column <= 5 && row >= 1 && row <= 7;
}

void Redraw(int system, int location) {
    // The map always shows the fleet's system: a change elsewhere has nothing to redraw.
    if (system == PlayerFleet()[Fleet::System]) DrawSystemMapPlanet(location);
}

}  // namespace

int SpawnSpaceEvent(int system, int /*column*/, int /*row*/) {
    GameState& g = G();
    if (!ValidSystem(system)) return 0;
    const int fleetLocation = PlayerFleet()[Fleet::Location];
    // Columns 1..5 by rows 1..7; what a record names off the map occupies nothing.
    std::array<std::array<bool, 8>, 6> occupied{};
    int site = 0;
    for (int i = Planet::FirstLocation; i <= Planet::LastLocation; ++i) {
        const GameRecord& p = g.Planets[system][i];
        // The fleet may stand on a vanished site: that index stays its own while it is there.
        if (p[Planet::Exists] == 0 && i != fleetLocation) {
            site = i;
        } else if (OnMap(p[Planet::MapColumn], p[Planet::MapRow])) {
            occupied[p[Planet::MapColumn]][p[Planet::MapRow]] = true;
        }
    }
    int slot = 0;
    for (int e = SpaceEvent::FirstSlot; e <= SpaceEvent::LastSlot && slot == 0; ++e)
        if (g.SpaceEvents[system][e][SpaceEvent::Active] == 0) slot = e;
    if (slot == 0 || site == 0) return 0;

    // A full map: every draw would find its cell taken, so the generator jumps past them all.
    bool full = true;
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 7; ++r) full = full && occupied[c][r];
    if (full) {
        Rng().Skip(2 * kMaxCellDraws);
        return 0;
    }
    int column = 0, row = 0;
    for (int draw = 0; draw < kMaxCellDraws; ++draw) {
        column = 1 + Random(5);
        row = 1 + Random(7);
        if (!occupied[column][row]) break;
    }
    if (occupied[column][row]) return 0;

    GameRecord& event = g.SpaceEvents[system][slot];
    const int kind = KindOf(Random(220));
    const int owner = g.StarSystems[system][StarSystem::Owner];
    event[SpaceEvent::Active] = 1;
    event[SpaceEvent::Kind] = kind;
    event[SpaceEvent::Location] = site;
    event[SpaceEvent::Value] = Random(41) + 10;
    event[SpaceEvent::RulingFaction] = owner;

    GameRecord& p = g.Planets[system][site];
    g.PlanetNames[system][site] = TextOf(kind).name;
    g.PlanetDescriptions[system][site] = TextOf(kind).description;
    p[Planet::Exists] = 1;
    p[Planet::Kind] = PlanetKind::Special;
    p[Planet::Picture] = 60 + kind;
    p[Planet::CityPicture] = 0;
    p[Planet::MapColumn] = column;
    p[Planet::MapRow] = row;
    p[Planet::EventSlot] = slot;
    p[Planet::Owner] = owner;
    Redraw(system, site);
    return slot;
}

void MarkLocationSearched(int system, int location) {
    // At the hidden base's system the next search comes sooner. A mark of 0 would read as
    // "never searched": such a search keeps the wait all the same.
    int64_t mark = G().TurnNumber;
    if (system == kQuickSearchSystem && location == 1) mark -= kQuickSearchHead;
    if (mark == 0) mark = -1;
    LocationRecord(system, location)[Planet::LastSearchTurn] = CapValue(mark);
}

int SpaceEventSlotAt(int system, int location) {
    if (!ValidSystem(system) || !ValidLocation(location)) return 0;
    const GameRecord& p = G().Planets[system][location];
    const int slot = p[Planet::EventSlot];
    if (p[Planet::Exists] == 0 || p[Planet::Kind] != PlanetKind::Special ||
        slot < SpaceEvent::FirstSlot || slot > SpaceEvent::LastSlot)
        return 0;
    const GameRecord& event = G().SpaceEvents[system][slot];
    return event[SpaceEvent::Active] == 1 && event[SpaceEvent::Location] == location ? slot : 0;
}

void UpdateSpaceEvents() {
    GameState& g = G();
    const int destination = PlayerFleet()[Fleet::Destination];
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        for (int e = SpaceEvent::FirstSlot; e <= SpaceEvent::LastSlot; ++e) {
            GameRecord& event = g.SpaceEvents[s][e];
            if (event[SpaceEvent::Active] != 1 || Random(kExpiryDraw) >= kExpiryBelow) continue;
            const int site = event[SpaceEvent::Location];
            // Nothing vanishes under the nose of a captain on his way to it (by index alone).
            if (destination > 0 && destination == site) continue;
            // Only the event's own site goes with it; a slot naming another location leaves that
            // location alone.
            const bool ownSite = SpaceEventSlotAt(s, site) == e;
            event[SpaceEvent::Active] = 0;
            if (ownSite) {
                g.Planets[s][site][Planet::Exists] = 0;
                Redraw(s, site);
                // The panel showing the site would offer a visit to nothing.
                if (s == PlayerFleet()[Fleet::System] && site == g.SelectedPlanet)
                    RefreshPlanetPanel();
            }
        }
    }
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        if (g.StarSystems[s][StarSystem::Exists] <= 0) continue;
        int r = Random(kSpawnDraw);
        if (Captain()[Player::CheatMoreEvents] == 1) r = Random(kSpawnDrawCheat);
        if (r < kSpawnBelow) SpawnSpaceEvent(s, 0, 0);
    }
}

}  // namespace corvanth
