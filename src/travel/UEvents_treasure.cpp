// The treasure fleet: its launch from Sol, its wanderings through the jump points, its stops.
#include "state/UMessage1.h"
#include "state/UMessage4.h"
#include "state/UMessage6.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/variables.h"
#include "travel/UEvents.h"

namespace corvanth {

namespace {

constexpr int kMoveDraw = 1000;  // a launched fleet moves on with 16 chances in 1000 per turn
constexpr int kMoveBelow = 16;
constexpr int kLaunchDraw = 1000;  // and starts from Sol with 2 in 1000
constexpr int kLaunchBelow = 2;
constexpr int kSolSystem = 1;

// The next system along the jump points of `system`: the first jump point, each later one
// taking over with 31 chances in 100. 0 when the system has none leading anywhere.
int ChooseNextSystem(int system) {
    if (!ValidSystem(system)) return 0;
    int chosen = 0;
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
        const GameRecord& p = G().Planets[system][l];
        const int target = p[Planet::JumpTarget];
        if (p[Planet::Exists] <= 0 || p[Planet::Kind] != PlanetKind::JumpPoint ||
            !ValidSystem(target))
            continue;
        if (chosen == 0 || Random(100) <= 30) chosen = target;
    }
    return chosen;
}

void Move() {
    GameRecord& captain = Captain();
    captain[Player::TreasureFleetNoticeShown] = 0;
    const int next = ChooseNextSystem(captain[Player::TreasureFleetSystem]);
    if (next == 0) {
        ShowMessage1(
            "Internal error 789: the treasure fleet found no jump point to leave its system. The "
            "fleet stays where it is. Please report this error to the makers of the game.");
        return;
    }
    captain[Player::TreasureFleetSystem] = next;
    if (captain[Player::HideTreasureFleetNews] == 0)
        ShowSwitchableNotice("The treasure fleet has moved to " + SystemName(next),
                             "treasurefleet.jpg", Player::HideTreasureFleetNews);
}

void Launch() {
    Captain()[Player::TreasureFleetSystem] = kSolSystem;
    ShowLongNotice(
        "News", "treasurefleetg.jpg",
        {"\"Today a new heavily guarded fleet of cargo ships started from the Sol system. In the "
         "upcoming years it will travel the whole galaxy trading valuable goods. Financed by the "
         "mighty trader corporation all major factions have agreed to not do any harm to it and "
         "to cooperate in any means possible. Innofically this fleet known as \"treasure "
         "fleet\" is a great target for all pirates and freelancers regardless of their "
         "faction.",
         "Due to the civil war the fleet is protected by many large battleships. The commanding "
         "Admiral told this channel that he considers the fleet to be as safe as \"Earth\" "
         "herself.",
         "Indeed the last time someone succeeded in plundering the treasure fleet was Captain "
         "Rezovi Riveva, almost halve a century ago."});
}

}  // namespace

void MoveTreasureFleet() {
    // Read once: a fleet launched today does not move on the same day.
    const int state = Captain()[Player::TreasureFleetSystem];
    if (state > 0 && Random(kMoveDraw) < kMoveBelow) Move();
    if (state == 0 && Random(kLaunchDraw) < kLaunchBelow) Launch();
}

void ShowTreasureFleetNotice() {
    GameRecord& captain = Captain();
    const GameRecord& fleet = PlayerFleet();
    if (fleet[Fleet::System] != captain[Player::TreasureFleetSystem] ||
        fleet[Fleet::Location] != 1 || captain[Player::TreasureFleetNoticeShown] != 0)
        return;
    captain[Player::TreasureFleetNoticeShown] = 1;
    ShowLongNotice(
        "Treasure fleet", "treasurefleet.jpg",
        {"The mighty treasure fleet is at this planet. Due to the \"treasure fleet act\" it is "
         "unlawful to attack a planet as long as the treasure fleet is in its orbit. On the other "
         "hand it carries platinum ingots worth many million $C, which would be yours if you "
         "could suppress the planet AND the fleet defenses."});
}

}  // namespace corvanth
