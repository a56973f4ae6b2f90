// The system map of the travel screen: locations in their cells and the fleet's position lock.
#include "state/pictures.h"
#include "state/tables.h"
#include "travel/travel.h"

namespace corvanth {

namespace {

// The cell a location record names, or nullptr when its row or column is off the map.
MapCell* CellOf(const GameRecord& location) {
    const int row = location[Planet::MapRow], column = location[Planet::MapColumn];
    if (row < 1 || row > kMapRows || column < 1 || column > kMapColumns) return nullptr;
    return &Form2->Cell(row, column);
}

// The common body of the three drawing routines.
void DrawLocation(int l) {
    const GameRecord& p = LocationRecord(l);
    if (p[Planet::Exists] <= 0) return;
    MapCell* cell = CellOf(p);
    if (!cell) return;
    cell->picture->LoadPicture(GetPlanetPictureName(p[Planet::Picture]));
    cell->picture->visible = true;
    cell->name->caption = LocationName(l);
    cell->name->visible = true;
    if (l == FleetLocation()) {
        const ui::Panel& at = *cell->panel;
        Form2->Panel17->left = at.left + 12;
        Form2->Panel17->top = at.top + 2;
        Form2->Panel18->left = at.left + 63;
        Form2->Panel18->top = at.top + 2;
        Form2->lockRow = p[Planet::MapRow];
        Form2->lockColumn = p[Planet::MapColumn];
    }
}

}  // namespace

void DrawSystemMap() {
    for (MapCell& cell : Form2->cells) {
        cell.picture->visible = false;
        cell.name->visible = false;
    }
    RefreshSystemMap();
}

void RefreshSystemMap() {
    // In index order: of two locations in one cell the later one stays.
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) DrawLocation(l);
}

void DrawSystemMapPlanet(int location) {
    const GameRecord& p = LocationRecord(location);
    if (p[Planet::Exists] > 0) {
        DrawLocation(location);
        return;
    }
    if (MapCell* cell = CellOf(p)) {
        cell->picture->visible = false;
        cell->name->visible = false;
        cell->price->visible = false;
    }
}

void ResetPlanetLabelColours() {
    for (MapCell& cell : Form2->cells) {
        cell.name->font.color = ui::colors::White;
        cell.price->font.color = ui::colors::White;
    }
}

int FindPlanetAtCell(int column, int row) {
    int found = 0;
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
        const GameRecord& p = LocationRecord(l);
        if (p[Planet::Exists] > 0 && p[Planet::MapColumn] == column && p[Planet::MapRow] == row)
            found = l;
    }
    return found;
}

// The selected location's labels turn yellow and the arrow points at its picture.
void HighlightSelectedCell(int location) {
    const GameRecord& p = LocationRecord(location);
    MapCell* cell = CellOf(p);
    if (!cell) return;
    cell->name->font.color = ui::colors::Yellow;
    cell->price->font.color = ui::colors::Yellow;
    const int row = p[Planet::MapRow];
    // Row D is lower than the others, so the arrow above row E sits two pixels lower.
    Form2->CursorPanel->left = cell->panel->left + 32;
    Form2->CursorPanel->top = cell->panel->top - (row == 5 ? 16 : 18);
    Form2->cursorRow = row;
    Form2->cursorColumn = p[Planet::MapColumn];
}

}  // namespace corvanth
