// Catalogue set-up: the loaders that write the fixed catalogues into the game state.
#pragma once

namespace corvanth {

// Equipment catalogue: writes the record, name and description of every defined id (1..113, in
// ascending order) into EquipmentTypes, EquipmentNames and EquipmentDescriptions.
void InitEquipmentTypes();

}  // namespace corvanth
