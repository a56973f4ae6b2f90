// The stand-in record for an index out of range, and the name tables read through a check.
#include "state/tables.h"

#include "state/upcalls.h"

namespace corvanth {

GameRecord& ScratchRecord() {
    static GameRecord scratch{};
    scratch.fill(0);
    return scratch;
}

Upcalls& GameUpcalls() {
    static Upcalls upcalls;
    return upcalls;
}

std::string SystemName(int s) {
    return ValidSystem(s) ? G().SystemNames[s].str() : std::string();
}

std::string LocationName(int s, int l) {
    return ValidSystem(s) && ValidLocation(l) ? G().PlanetNames[s][l].str() : std::string();
}

std::string LocationName(int l) {
    return LocationName(FleetSystem(), l);
}

std::string FactionName(int f) {
    return ValidFaction(f) ? G().FactionNames[f].str() : std::string();
}

std::string RankName(int f, int rank) {
    const bool valid = ValidFaction(f) && rank >= 0 && rank < int(G().RankNames[0].size());
    return valid ? G().RankNames[f][rank].str() : std::string();
}

std::string RankAbbreviation(int f, int rank) {
    const bool valid = ValidFaction(f) && rank >= 0 && rank < int(G().RankAbbreviations[0].size());
    return valid ? G().RankAbbreviations[f][rank].str() : std::string();
}

std::string GoodName(int good) {
    return ValidGood(good) ? G().GoodNames[good].str() : std::string();
}

std::string EquipmentName(int id) {
    return ValidEquipment(id) ? G().EquipmentNames[id].str() : std::string();
}

std::string ShipClassName(int fleet, int ship) {
    return ValidShip(fleet, ship) ? G().ShipClassNames[fleet][ship].str() : std::string();
}

std::string CaptainName() {
    const GameState& g = G();
    const bool valid = g.CurrentPlayer >= 0 && g.CurrentPlayer < int(g.CaptainNames.size());
    return valid ? g.CaptainNames[g.CurrentPlayer].str() : std::string();
}

}  // namespace corvanth
