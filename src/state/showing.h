// Whether a screen is showing, for the rules that act otherwise while it is: one name per screen.
#pragma once

namespace corvanth {

bool TravelProgressShowing();     // the trip's day-by-day dialog (TForm13)
bool CombatShowing();             // the ship battle (TForm14)
bool MissionEncounterShowing();   // the fight a mission sent (TForm20)
bool CrewCombatShowing();         // the boarding fight (TForm30)
bool RaidShowing();               // the planet raid (TForm33)
bool PlunderShowing();            // the plunder of a raided planet (TForm34)
bool ArenaShowing();              // the arena (TForm61)
bool ArenaFightShowing();         // the arena's fight display (TForm62)
bool TournamentResultsShowing();  // the tournament's results (TForm63)

}  // namespace corvanth
