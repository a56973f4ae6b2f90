// The screens are asked by class name: the rules below every game folder need none of their
// headers.
#include "state/showing.h"

#include "ui/application.h"

namespace corvanth {
namespace {

bool Showing(const char* screenClass) {
    return ui::App().RequireForm(screenClass).Visible();
}

}  // namespace

bool TravelProgressShowing() {
    return Showing("TForm13");
}
bool CombatShowing() {
    return Showing("TForm14");
}
bool MissionEncounterShowing() {
    return Showing("TForm20");
}
bool CrewCombatShowing() {
    return Showing("TForm30");
}
bool RaidShowing() {
    return Showing("TForm33");
}
bool PlunderShowing() {
    return Showing("TForm34");
}
bool ArenaShowing() {
    return Showing("TForm61");
}
bool ArenaFightShowing() {
    return Showing("TForm62");
}
bool TournamentResultsShowing() {
    return Showing("TForm63");
}

}  // namespace corvanth
