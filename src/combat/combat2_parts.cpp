// The fighting ships and the combat's notices.
#include "combat/combat2_parts.h"

#include <algorithm>
#include <cstdint>

#include "combat/combat2.h"
#include "state/Sound.h"
#include "state/UMessage2.h"
#include "state/UMessage6.h"
#include "state/shipstats.h"
#include "ui/color.h"

namespace corvanth::combat {

bool LuckSwitch() {
    return Captain()[Player::CheatCombatLuck] == 1;
}
bool TournamentFight() {
    return Captain()[Player::TournamentFightInProgress] != 0;
}
bool EarlyGameEase() {
    return G().TurnNumber < G().EarlyGameTurns && !LuckSwitch() && !TournamentFight();
}

int OpponentSkill() {
    const int gladiator = EntrantsRecord(G().PlayerTournament)[Entrant::FirstSlot + 1];
    return GladiatorRecord(gladiator)[Gladiator::Skill];
}

bool IsGun(int kind) {
    switch (kind) {
        case EquipmentKind::LaserGun:
        case EquipmentKind::PhaserGun:
        case EquipmentKind::FlechetteGun:
        case EquipmentKind::TachyonTurrets:
        case EquipmentKind::ParticleGun:
        case EquipmentKind::QuantumGun:
            return true;
        default:
            return false;
    }
}

int CrewSum(const GameRecord& ship) {
    int64_t sum = 0;
    for (int k = Ship::CrewOfficers; k <= Ship::CrewScoundrels; ++k) sum += ship[k];
    return static_cast<int>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

int CrewRating(const GameRecord& ship, int ability) {
    return CalcCrewRating(ability, ship[Ship::CrewOfficers], ship[Ship::CrewDroids],
                          ship[Ship::CrewMercenaries], ship[Ship::CrewAdventurers],
                          ship[Ship::CrewScoundrels]);
}

bool CanAct(const GameRecord& ship, const GameRecord& slot, bool player) {
    if (slot[Slot::Loaded] <= 0) return false;
    if (EquipmentType(slot[Slot::EquipmentId])[Equipment::ActionPoints] >
        ship[Ship::ActionPointsLeft]) {
        if (player) {
            PlaySonarSound();
            ShowOutOfAP();
        }
        return false;
    }
    return true;
}

void SpendAction(GameRecord& ship, GameRecord& slot, bool player) {
    ship[Ship::ActionPointsLeft] -= EquipmentType(slot[Slot::EquipmentId])[Equipment::ActionPoints];
    slot[Slot::Loaded] = 0;
    if (player) {
        ShowCombatAP();
        Combat().fireEnabled = false;
    }
}

void ShowEvent(const std::string& headline, const std::string& text, const std::string& picture) {
    Message2->Label2->caption = headline;
    Message2->Label1->caption = text;
    Message2->Image1->LoadPicture(picture);
    Message2->Shape2->brushColor = ui::colors::Navy;
    Message2->Shape3->brushColor = ui::colors::Navy;
    Message2->ShowModal();
}

void ShowOutOfAP() {
    ShowEvent("Out of AP!",
              "You do not have enough action points (AP). After finishing your turn click on "
              "\"END TURN\" to refresh the AP of all your ships.",
              "combat_AP_help.jpg");
}

}  // namespace corvanth::combat
