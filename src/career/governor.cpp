// The law of the factions: kill rewards, the customs scan and the fixed penalties.
#include "career/governor.h"

#include <algorithm>
#include <string>

#include "state/UMessage1.h"
#include "state/random.h"
#include "state/reputation.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kScanChance = 30;  // in 100, before smuggling bays and the captain's faction
constexpr int kTreasonLeaves = -3000;

void MarkWarned(int faction) {
    if (faction >= FactionId::Federation) FactionRecord(faction)[Faction::Warned] = 1;
}

void Penalty(const char* text, int faction, int64_t loss) {
    ShowMessage1(text);
    MarkWarned(faction);
    LoseReputation(faction, loss);
}

// Legality 1 illegal, 2 banned, of a good in the faction's space.
int Legality(int good, int faction) {
    return GoodRecord(good)[Good::LegalityBase + faction];
}

}  // namespace

void AwardShipKill(int sizeClass, int faction) {
    struct Reward {
        int fame, reputation;
    };
    static constexpr Reward kRewards[] = {
        {15, 8}, {150, 150}, {300, 300}, {500, 500}, {1000, 1000}};
    if (sizeClass < 1 || sizeClass > 5) return;
    const Reward& reward = kRewards[sizeClass - 1];
    GainFame(reward.fame);
    const int own = CaptainFaction();
    if (own != 0 && AtWar(own, faction)) GainReputation(own, reward.reputation);
}

int ContrabandScanChance() {
    int chance = kScanChance;
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord& slot = PlayerShipSlot(s);
        if (slot[Slot::Used] <= 0) continue;
        const GameRecord& item = EquipmentType(slot[Slot::EquipmentId]);
        if (item[Equipment::Kind] == EquipmentKind::SmugglingBay)
            chance -= item[Equipment::SmugglingScanReduction];
    }
    if (CaptainFaction() == FactionId::Syndicate) chance += chance / 4;
    if (CaptainFaction() == FactionId::Coalition) chance -= chance / 4;
    return chance;
}

bool ScanForContraband(int faction) {
    if (Random(100) >= ContrabandScanChance()) return false;
    // Pirates have no customs, and a planet nobody owns has no law to break.
    if (!PlayableFaction(faction)) return false;
    GameState& g = G();
    bool detected = false, banned = false;
    const bool validPlayer = g.CurrentPlayer >= 0 && g.CurrentPlayer < int(g.Missions.size());
    const GameRecord& mission = g.Missions[validPlayer ? g.CurrentPlayer : 1];
    if (mission[Mission::Kind] == MissionKind::Smuggling && mission[Mission::Client] != faction &&
        mission[Mission::ObjectiveBase + 1] == 0 && mission[Mission::Status] == 1) {
        detected = banned = true;
    }
    for (int good = Good::First; good <= Good::Last; ++good) {
        if (g.Cargo[good] <= 0) continue;
        const int legality = Legality(good, faction);
        if (legality >= 1) detected = true;
        if (legality >= 2) banned = true;
    }
    if (!detected) return false;
    const int32_t lifePoints = Captain()[Player::LifePoints];
    if (banned) {
        ReportBannedContraband(faction);
    } else {
        ReportContraband(faction);
    }
    // A life point traded for an amnesty during the notice clears the charge.
    return Captain()[Player::LifePoints] >= lifePoints;
}

void ReportCrimeSectorWarned(int faction) {
    ShowMessage1("Word about your crime has spread (this sector has been warned).");
    StarSystemRecord(FleetSystem())[StarSystem::Alerted] = 1;
    MarkWarned(faction);
    LoseReputation(faction, 500);
}

void ReportCrime(int faction) {
    Penalty("Word about your crime has spread.", faction, 500);
}

void ReportSeriousCrime(int faction) {
    Penalty("Word about your serious crime has spread.", faction, 1000);
}

void ReportEvilCrime(int faction) {
    Penalty("Word about your evil crime has spread.", faction, 5000);
    const int own = CaptainFaction();
    if (faction != own && (own == FactionId::Federation || own == FactionId::Coalition))
        LoseReputation(own, 500);
}

int64_t GovernorDispleasure(int rank) {
    // Rank 8 takes what rank 7 takes.
    static constexpr int64_t kLoss[] = {25, 25, 45, 70, 100, 200, 350, 500, 500};
    return kLoss[std::clamp(rank, 0, 8)];
}

void ReportGovernorNotAmused(int faction) {
    ShowMessage1("The governor is not amused.");
    if (!PlayableFaction(faction)) return;
    const int64_t loss = GovernorDispleasure(FactionRecord(faction)[Faction::Rank]);
    const int own = CaptainFaction();
    const int64_t reputation = own != 0 ? FactionRecord(own)[Faction::Reputation] : 0;
    // The governor never drives a captain out of good standing with his own faction.
    if (reputation - loss >= 1) LoseReputation(faction, loss);
}

void ReportTreason(int faction) {
    ShowMessage1("Word about your treason has spread.");
    MarkWarned(faction);
    if (!PlayableFaction(faction)) return;
    // Treason leaves exactly -3000; a reputation already below that is not raised.
    const int64_t loss = int64_t{FactionRecord(faction)[Faction::Reputation]} - kTreasonLeaves;
    if (loss > 0) LoseReputation(faction, loss);
}

void ReportContraband(int faction) {
    Penalty("Your contraband has been detected.", faction, 250);
}

void ReportBannedContraband(int faction) {
    Penalty("Your banned (!) contraband has been detected.", faction, 750);
}

}  // namespace corvanth
