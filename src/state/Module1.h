// Catalogue set-up: the loaders that write the fixed catalogues into the game state.
#pragma once

#include <cstdint>

namespace corvanth {

// Equipment catalogue: writes the record, name and description of every defined id (1..113, in
// ascending order) into EquipmentTypes, EquipmentNames and EquipmentDescriptions.
void InitEquipmentTypes();

// Ship classes: each loader writes its class with its standard equipment and price into the
// ship-class template (Ships[0][0], its slots 1..20, ShipClassNames[0][0], ShipDescriptions[0][0]).
void LoadShipClassStarwolf();
void LoadShipClassStargun();
void LoadShipClassAvenger();
void LoadShipClassShadowcat();
void LoadShipClassFerendar();
void LoadShipClassBuccaneer();
void LoadShipClassFang();
void LoadShipClassArdent();
void LoadShipClassNeptun();
void LoadShipClassBehemoth();
void LoadShipClassTitanic();
void LoadShipClassMarauder();
void LoadShipClassPaladin();
void LoadShipClassBlackjack();
void LoadShipClassGladiator();
void LoadShipClassShark();
void LoadShipClassHornet();
void LoadShipClassCorsair();
void LoadShipClassWolverine();
void LoadShipClassHellcat();
void LoadShipClassWerewolf();
void LoadShipClassFirestarter();
void LoadShipClassAnaconda();
void LoadShipClassQuasimodo();
void LoadShipClassStormcrow();
void LoadShipClassCarriage();
void LoadShipClassOrbitalTurrets();
// Clears the template and loads class 1..27 into it; any other type leaves it empty.
void LoadShipType(int shipType);
// The speed catalogued for ship type 1..27, 0 for any other: what the hull makes without an
// engine, so the statistics can derive a speed afresh each time.
int ShipClassSpeed(int shipType);
// What the class loaders give a ship of type 1..27 to fight with: its action points a turn lie
// within those of every class but the immobile orbital turrets (10..26), or are the turrets' own
// (100); its move cost, the action points a turn div the speed, within the lowest and the highest
// of any class (2..26). Any other type gets the ranges of the mobile classes.
struct ShipCombatBounds {
    int32_t fewestActionPoints, mostActionPoints, lowestMoveCost, highestMoveCost;
};
ShipCombatBounds ShipClassCombatBounds(int shipType);

// Star systems: InitStarSystems runs the 25 system loaders in order, Sol first. Each loader writes
// its system's record, name, code and description and every one of its locations (StarSystems,
// SystemNames, SystemCodes, SystemDescriptions, Planets, PlanetNames, PlanetDescriptions); it
// only writes, so the tables are cleared first. System 26 stays empty.
void InitStarSystems();
void InitSystemSol();
void InitSystemCarse();
void InitSystemSirius();
void InitSystemFinis();
void InitSystemHope();
void InitSystemNewManchester();
void InitSystemNewWales();
void InitSystemNewBerlin();
void InitSystemNewArabia();
void InitSystemWarfield();
void InitSystemTortuga();
void InitSystemBaiton();
void InitSystemNewIreland();
void InitSystemNewScotland();
void InitSystemHyraxan();
void InitSystemLandsEnd();
void InitSystemNewGlenshire();
void InitSystemNewKimberley();
void InitSystemWestwind();
void InitSystemMoor();
void InitSystemNewCuba();
void InitSystemNewBarbados();
void InitSystemDarkLight();
void InitSystemNewMoscow();
void InitSystemNewFrance();

}  // namespace corvanth
