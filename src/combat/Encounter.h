// Enemy ships: the three ways a meeting starts, the set-up of each ship class for the other
// side, and the outfits of the five factions.
#pragma once

namespace corvanth {

// The random meeting in space, from the turn's encounter roll: an enemy by the sector's rating
// and owner, built, outfitted and prepared with the player's ship, then the approach screen;
// nothing when no ship was built or the player's ship is far larger.
void StartRandomEncounter();
// The meeting an active mission asks for; its screen opens whatever the sizes.
void StartMissionEncounter(int sizeClass, int faction, int shipType);
// A fight that starts at once: ship type > 0 builds that type, 0 draws from the battle table,
// -1 draws but never orbital turrets.
void StartShipBattle(int sizeClass, int faction, int shipType);

// The ship type drawn for a faction and size class 1..5 from t = 0..99 (battle: the battle
// table's size-5 rows); 0 when the faction or size is outside 1..5.
int EncounterShipType(int faction, int sizeClass, int t, bool battle);

// The other side of a random encounter, before the pirates' draw: by the sector's rating 0..5,
// the owner of the fleet's location and the draws a, b, c (0..99), the location's owner with a
// size by the owner's bands, or a visitor's faction with a size by the visitors' bands. Both 0
// for a rating outside 0..5.
struct EncounterSide {
    int faction = 0;
    int sizeClass = 0;
};
EncounterSide RandomEncounterSide(int rating, int owner, int a, int b, int c);

// Ship class `type` 1..27 copied from the template into ship `slot` of fleet 0; any other type
// or slot changes nothing.
void SetupShipOfType(int type, int slot);
void SetupShipStarwolf(int slot);
void SetupShipStargun(int slot);
void SetupShipAvenger(int slot);
void SetupShipShadowcat(int slot);
void SetupShipFerendar(int slot);
void SetupShipBuccaneer(int slot);
void SetupShipFang(int slot);
void SetupShipArdent(int slot);
void SetupShipNeptun(int slot);
void SetupShipBehemoth(int slot);
void SetupShipTitanic(int slot);
void SetupShipMarauder(int slot);
void SetupShipPaladin(int slot);
void SetupShipBlackjack(int slot);
void SetupShipGladiator(int slot);
void SetupShipShark(int slot);
void SetupShipHornet(int slot);
void SetupShipCorsair(int slot);
void SetupShipWolverine(int slot);
void SetupShipHellcat(int slot);
void SetupShipType21(int slot);  // the Werewolf
void SetupShipFirestarter(int slot);
void SetupShipAnaconda(int slot);
void SetupShipQuasimodo(int slot);
void SetupShipStormcrow(int slot);
void SetupShipCarriage(int slot);
void SetupShipOrbitalTurrets(int slot);

// One cell of the outfit's passes: pass 1..20 as the outfitting faction's column reads it.
struct OutfitPassCell {
    int id = 0;                 // the item the pass looks for
    int item = 0;               // what the draw d makes of it (the item itself where it stays)
    int weakBelow = 0;          // the redraw's bound when the outfit is weakened, 0 for none
    int holdBelow = 0;          // the redraw's bound on a ship with a small hold, 0 for none
    bool keptOnClass1 = false;  // left as it is on ships whose retreat range is 1
};
OutfitPassCell OutfitPass(int pass, int faction, int d);

// The outfits of enemy ship 1: crew, better equipment by draws, and one lot of cargo.
void OutfitFederationShip();
void OutfitOuterRimShip();
void OutfitSyndicateShip();
void OutfitCoalitionShip();
void OutfitPirateShip();
// The outfit of faction 1..5; nothing for any other.
void OutfitShipForFaction(int faction);

}  // namespace corvanth
