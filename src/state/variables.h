// The game state: every table and scalar of a running game, the record layouts and the text slot.
#pragma once

#include <array>
#include <compare>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvanth {

// Most tables hold records of 102 integers, fields 0..101; fields 1..100 carry data (the
// tournament record keeps its phase in field 0). Saves write them field by field.
using GameRecord = std::array<int32_t, 102>;
inline constexpr int kFirstField = 1;  // the data fields of a record: 1..100
inline constexpr int kLastField = 100;

// A text slot of the game: at most 255 bytes, the length a save record can hold. Longer texts are
// cut when assigned, on a UTF-8 character boundary, so what the game shows is what a save keeps.
class ShortText {
  public:
    static constexpr std::size_t MaxLength = 255;

    ShortText() = default;
    ShortText(const char* text) { Assign(text ? std::string_view(text) : std::string_view()); }
    ShortText(std::string_view text) { Assign(text); }
    ShortText(const std::string& text) { Assign(text); }

    ShortText& operator=(const char* text) {
        Assign(text ? std::string_view(text) : std::string_view());
        return *this;
    }
    ShortText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    ShortText& operator=(const std::string& text) {
        Assign(text);
        return *this;
    }

    std::string_view view() const { return std::string_view(data_.data(), size_); }
    std::string str() const { return std::string(view()); }
    const char* c_str() const { return data_.data(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    operator std::string() const { return str(); }

    friend bool operator==(const ShortText& a, const ShortText& b) { return a.view() == b.view(); }
    friend std::strong_ordering operator<=>(const ShortText& a, const ShortText& b) {
        return a.view() <=> b.view();
    }
    // Exact-type comparisons with plain strings, so "abc" and std::string need no conversion to
    // ShortText (which could cut them and compare a long text equal to its prefix).
    template <class T>
    requires(std::convertible_to<const T&, std::string_view> &&
             !std::same_as<std::remove_cvref_t<T>, ShortText>) friend bool
    operator==(const ShortText& a, const T& b) {
        return a.view() == std::string_view(b);
    }
    template <class T>
    requires(std::convertible_to<const T&, std::string_view> &&
             !std::same_as<std::remove_cvref_t<T>, ShortText>) friend std::strong_ordering
    operator<=>(const ShortText& a, const T& b) {
        return a.view() <=> std::string_view(b);
    }

  private:
    void Assign(std::string_view text);

    // One byte more than the longest text keeps c_str() terminated.
    std::array<char, MaxLength + 1> data_{};
    uint8_t size_ = 0;
};

// Field numbers of the records. Each namespace belongs to one record type; a "...Base" constant
// is the number before the first field of an indexed range (field = Base + index).

// TPlayerRecord, Players[CurrentPlayer]; the name is in CaptainNames.
namespace Player {
inline constexpr int GameRunning = 1;  // 1 while a game runs and the captain lives
inline constexpr int Portrait = 2;     // hero picture 0..2
inline constexpr int Money = 3;
inline constexpr int CappedAsMoney = 4;  // no rule reads it; capped each turn with money and fame
inline constexpr int Fame = 5;
inline constexpr int NetWorthAtLastPay = 6;
inline constexpr int LastPayTurn = 7;
inline constexpr int Faction = 8;       // 1..4
inline constexpr int AgeClass = 9;      // 2, 3, 4 at the birthdays of 35, 50, 70; 5 after the drug
inline constexpr int NewGameMark = 10;  // 1 from the new game on
inline constexpr int StartNetWorth = 12;
inline constexpr int LifePoints = 13;
inline constexpr int CheatUsed = 14;
inline constexpr int CheatNoAttacks = 15;
inline constexpr int CheatMoreEvents = 16;
inline constexpr int CheatCombatLuck = 17;
inline constexpr int CheatFameBoost = 18;
inline constexpr int CivilWarOver = 19;
// Message switches: 1 suppresses that kind of notice.
inline constexpr int HideReputationGainNotices = 20;
inline constexpr int HideFameGainNotices = 21;
inline constexpr int HideReputationLossNotices = 22;
inline constexpr int HideFameLossNotices = 23;
inline constexpr int HideSlowerShipNotice = 24;
inline constexpr int SurveillanceNoticeShown = 25;
inline constexpr int HideSurveillanceNotice = 26;
inline constexpr int HideTreasureFleetNews = 27;
inline constexpr int TreasureFleetSystem = 28;  // 0 not launched, -1 taken
inline constexpr int TreasureFleetNoticeShown = 29;
inline constexpr int HideWantedNews = 30;
inline constexpr int RangeHelpShown = 31;
inline constexpr int AgeDrugDoses = 32;
inline constexpr int AgeDrugOffered = 34;
inline constexpr int OwnPlanet = 35;
inline constexpr int PickupRefusalShown = 36;
inline constexpr int HideWarNews = 37;
inline constexpr int HideWarEventNews = 38;
inline constexpr int OldAgeInfoShown = 39;
inline constexpr int CheatNoAgeing = 40;
inline constexpr int TournamentFightInProgress = 41;
inline constexpr int Drunkenness = 43;
inline constexpr int DrinkingTolerance = 44;
inline constexpr int DrinkingAllowedTurn = 45;
inline constexpr int OpponentDrunkenness = 46;
inline constexpr int Gender = 47;  // 1 male, 2 female
}  // namespace Player

// TFleetRecord, Fleets[fleet]; fleet 0 is the other side of an encounter.
namespace Fleet {
inline constexpr int Active = 1;     // 1 for a fleet in play (the new game sets the player's)
inline constexpr int StartMark = 2;  // 1 from the new game on
inline constexpr int FreeCargo = 3;  // may be negative
inline constexpr int CargoCapacity = 4;
inline constexpr int StartFreeCargo = 5;      // the free room a new game starts with (10)
inline constexpr int StartCargoCapacity = 6;  // the capacity a new game starts with (10)
inline constexpr int PassengerCapacity = 7;
inline constexpr int Location = 10;
inline constexpr int System = 11;
inline constexpr int DaysLeft = 12;
inline constexpr int Destination = 13;  // > 0 a location; <= 0 location 1 of system -value
inline constexpr int CrewPayCountdown = 14;
inline constexpr int PayReminderShown = 15;
inline constexpr int Morale = 16;  // 0 good, -1 low, -2 angry, -3 mutiny
inline constexpr int TooFewCrewWarningShown = 17;
inline constexpr int NoCrewNoticeShown = 18;
inline constexpr int TooManyCrewWarningShown = 19;
}  // namespace Fleet

// TShipRecord, Ships[fleet][ship]; Ships[0][0] is the ship-class template.
namespace Ship {
inline constexpr int Present = 1;
inline constexpr int Class = 2;     // 1..27, also the picture
inline constexpr int Strength = 3;  // hull now, with the shield bonus
inline constexpr int BaseStrength = 4;
inline constexpr int CargoCapacity = 7;
inline constexpr int CombatPositionFirst = 10;  // the combat position pair
inline constexpr int CombatPositionSecond = 11;
inline constexpr int ActionPointsLeft = 13;
inline constexpr int MoveCost = 14;  // action points per move
inline constexpr int ActionPointsPerTurn = 15;
inline constexpr int Speed = 16;  // 0 = immobile
inline constexpr int SpeedClass = 17;
inline constexpr int ClassMark = 18;  // set by some class loaders
inline constexpr int CrewTotal = 21;
inline constexpr int CrewMin = 22;
inline constexpr int CrewMax = 23;
inline constexpr int SizeClass = 24;  // 1 fighter .. 5 battleship or carrier
inline constexpr int Faction = 25;
inline constexpr int FactionlessBehaviour = 26;
inline constexpr int Behaviour = 28;  // 1 hostile, 2 flees, 3 and 4 mixed
inline constexpr int SelectedWeaponSlot = 29;
inline constexpr int RetreatRange = 30;
inline constexpr int EvasionClass = 34;
inline constexpr int PreferredRange = 36;
inline constexpr int TotalPrice = 37;
inline constexpr int PassengerCabins = 38;
inline constexpr int BoardingShuttles = 39;
// Crew by kind k = 1..5 (officers, droids, mercenaries, adventurers, scoundrels): CrewBase + k.
inline constexpr int CrewBase = 39;
inline constexpr int CrewOfficers = 40;
inline constexpr int CrewDroids = 41;
inline constexpr int CrewMercenaries = 42;
inline constexpr int CrewAdventurers = 43;
inline constexpr int CrewScoundrels = 44;
// The boarding squad by the same kinds: BoardingSquadBase + k.
inline constexpr int BoardingSquadBase = 49;
inline constexpr int BoardingOfficers = 50;
inline constexpr int BoardingDroids = 51;
inline constexpr int BoardingMercenaries = 52;
inline constexpr int BoardingAdventurers = 53;
inline constexpr int BoardingScoundrels = 54;
// Sold by the ship dealers of faction f = 1..4: SoldByFactionBase + f.
inline constexpr int SoldByFactionBase = 59;
inline constexpr int ShuttleTransferRate = 70;
inline constexpr int HullPrice = 71;
inline constexpr int Freighter = 72;  // 1 for the cargo classes: enemy outfits draw weaker
inline constexpr int RequiredSectorLevel = 73;
inline constexpr int CombatRange = 74;  // range class kept in the current combat
inline constexpr int CombatNoticeShown = 75;
inline constexpr int BoardingWarningShown = 76;  // the enemy tries to board: told once a combat
inline constexpr int CrewShownInScan = 77;
inline constexpr int MaxStrength = 78;
inline constexpr int RequiredRank = 79;
inline constexpr int MinesDeployed = 80;
inline constexpr int SuperminesDeployed = 81;
inline constexpr int OrbitalTurrets = 82;
}  // namespace Ship

// The ship-class template: the ship that a class loader fills (Ships, ShipEquipment, ShipClassNames
// and ShipDescriptions at these indices), copied from there into a fleet.
inline constexpr int kTemplateFleet = 0;
inline constexpr int kTemplateShip = 0;

// Crew kinds k, in Ship::CrewBase + k, Ship::BoardingSquadBase + k and Planet::HireableCrewBase +
// k.
namespace CrewKind {
inline constexpr int Officers = 1;
inline constexpr int Droids = 2;
inline constexpr int Mercenaries = 3;
inline constexpr int Adventurers = 4;
inline constexpr int Scoundrels = 5;
inline constexpr int First = Officers;
inline constexpr int Last = Scoundrels;
}  // namespace CrewKind

// TEquipmentSlotRecord, ShipEquipment[fleet][ship][slot], slots 1..20.
namespace Slot {
inline constexpr int First = 1;
inline constexpr int Last = 20;
inline constexpr int Used = 1;
inline constexpr int EquipmentId = 2;
inline constexpr int ListPosition = 3;
inline constexpr int Loaded = 4;
inline constexpr int RackCapacity =
    5;  // rounds a rack takes, set with the ammunition by the class loaders
inline constexpr int Ammunition = 6;
inline constexpr int CombatMark = 29;  // kept by the combat rules
}  // namespace Slot

// TEquipmentRecord, EquipmentTypes[id]. Fields 3..5 mean different things by kind; the aliases
// below name them per kind.
namespace Equipment {
inline constexpr int FirstId = 1;
inline constexpr int LastId = 113;
inline constexpr int Defined = 1;
inline constexpr int Kind = 2;
inline constexpr int MainValue = 3;
inline constexpr int SecondValue = 4;
inline constexpr int ThirdValue = 5;
inline constexpr int GunRange = 3;  // range class 1 close, 2 medium, 3 long
inline constexpr int GunDamage = 4;
inline constexpr int GunAccuracy = 5;
inline constexpr int ProjectileDamage = 3;  // missiles, torpedoes, mines
inline constexpr int EcmMalus = 4;          // missiles and torpedoes
inline constexpr int ProjectileClass = 5;   // missiles and torpedoes: 1 or 2
inline constexpr int MineHitFactor = 4;
inline constexpr int EcmChance = 3;
inline constexpr int CargoUnits = 3;
inline constexpr int SmugglingScanReduction = 4;
inline constexpr int Passengers = 3;
inline constexpr int EngineSpeed = 3;
inline constexpr int JumpClass = 3;  // 1 basic, 3 "MX", 4 "XL"
inline constexpr int ShuttleCrew = 3;
inline constexpr int CloseHitChance = 3;  // targeting computers
inline constexpr int MediumHitChance = 4;
inline constexpr int LongHitChance = 5;
inline constexpr int ShieldValue = 3;  // 0 "S", 4 "L", 2 "XL"
inline constexpr int ArmorPoints = 3;
inline constexpr int ActionPoints = 6;
inline constexpr int Reliability = 8;
inline constexpr int Weight = 9;
inline constexpr int Price = 10;
inline constexpr int TechLevel = 11;
inline constexpr int Illegal = 12;
// Exchange list entry n = 1..9: ExchangeBase + n (fields 21..29); 0 = no entry.
inline constexpr int ExchangeBase = 20;
inline constexpr int ExchangeSize = 9;
// Sold by the dealers of faction f = 1..4: SoldByFactionBase + f.
inline constexpr int SoldByFactionBase = 59;
}  // namespace Equipment

// Values of Equipment::Kind.
namespace EquipmentKind {
inline constexpr int LaserGun = 1;
inline constexpr int Torpedo = 2;
inline constexpr int MissileEcm = 3;
inline constexpr int PhaserGun = 4;
inline constexpr int CargoBay = 5;
inline constexpr int SmugglingBay = 6;
inline constexpr int PassengerCabin = 8;
inline constexpr int Engine = 9;
inline constexpr int JumpEngine = 10;
inline constexpr int FlechetteGun = 11;
inline constexpr int BoardingShuttle = 12;
inline constexpr int Surveillance = 13;
inline constexpr int EmptyMissileRack = 14;
inline constexpr int EmptyTorpedoRack = 15;
inline constexpr int Missile = 16;
inline constexpr int TargetingComputer = 17;
inline constexpr int WeaponUpgrade = 18;
inline constexpr int ShieldGenerator = 20;
inline constexpr int TachyonTurrets = 21;
inline constexpr int TorpedoEcm = 22;
inline constexpr int ParticleGun = 23;
inline constexpr int QuantumGun = 24;
inline constexpr int Mine = 25;
inline constexpr int Supermine = 26;
inline constexpr int Armor = 27;
}  // namespace EquipmentKind

// TGoodRecord, Goods[g], g = 1..20; the name is in GoodNames.
namespace Good {
inline constexpr int First = 1;
inline constexpr int Last = 20;
inline constexpr int Defined = 1;
inline constexpr int SetupZero = 2;      // 0 for every good
inline constexpr int Category = 3;       // 1..7
inline constexpr int SetupMinusTwo = 4;  // -2 for every good
// Base price at supply level L = 0..4: PriceAtLevelBase + L (fields 5..9).
inline constexpr int PriceAtLevelBase = 5;
// Legality in the space of faction f = 1..4: LegalityBase + f (0 legal, 1 illegal, 2 banned).
inline constexpr int LegalityBase = 11;
}  // namespace Good

// TMarketRecord, Markets[system][location][good].
namespace Market {
inline constexpr int Price = 1;  // BasePrice + Drift
inline constexpr int BasePrice = 2;
inline constexpr int Drift = 3;
}  // namespace Market

// TStarSystemRecord, StarSystems[system], systems 1..26.
namespace StarSystem {
inline constexpr int First = 1;
inline constexpr int Last = 26;
inline constexpr int Exists = 1;
inline constexpr int Catalogued = 2;             // 1 for every system of the catalogue
inline constexpr int CatalogueWeight = 3;        // 4 for Sol, 1 elsewhere
inline constexpr int CatalogueWeightSecond = 4;  // as CatalogueWeight
inline constexpr int Owner = 5;
inline constexpr int SectorRating = 6;  // 0..5
inline constexpr int Alerted = 8;
inline constexpr int MissionEncounterMark = 11;
}  // namespace StarSystem

// TPlanetRecord, Planets[system][location], locations 1..35 (with gaps: skip field Exists = 0).
namespace Planet {
inline constexpr int FirstLocation = 1;
inline constexpr int LastLocation = 35;
inline constexpr int Exists = 1;
inline constexpr int Kind = 2;  // 1 planet, 2 jump point, 3 special location
inline constexpr int Picture = 3;
inline constexpr int CityPicture = 4;        // 0 = none
inline constexpr int MapColumn = 5;          // 1..5 from the left
inline constexpr int MapRow = 6;             // 1..7 from the top, shown as A..G
inline constexpr int Economy = 7;            // 1..8
inline constexpr int Spare = 8;              // 0 on every location
inline constexpr int JumpCatalogueMark = 9;  // jump points: 6 on most
inline constexpr int JumpTarget = 10;        // target system of a jump point
inline constexpr int Owner = 11;             // faction 0..5
// Facility count of kind k = 1..7: FacilityBase + k (fields 12..18).
inline constexpr int FacilityBase = 11;
inline constexpr int AgricultureFacilities = 12;
inline constexpr int LowTechFacilities = 13;
inline constexpr int HighTechFacilities = 14;
inline constexpr int LuxuryFacilities = 15;
inline constexpr int MineFacilities = 16;
inline constexpr int MedicalFacilities = 17;
inline constexpr int IllegalLabs = 18;
inline constexpr int CatalogueMark = 19;  // set by the catalogue on planets and a few sites
// Hireable crew of kind k = 1..6: HireableCrewBase + k (fields 20..25).
inline constexpr int HireableCrewBase = 19;
inline constexpr int RaidWavesLeft = 25;  // during a raid
inline constexpr int RaidWaveSize = 26;
inline constexpr int LastPlunderTurn = 27;
// Destroyed facilities of kind k: DestroyedFacilityBase + k.
inline constexpr int DestroyedFacilityBase = 31;
inline constexpr int LastSearchTurn = 97;
inline constexpr int EventSlot = 98;  // SpaceEvents slot 1..4 placed here
inline constexpr int GoodsDataMark = 99;
}  // namespace Planet

// Values of Planet::Kind.
namespace PlanetKind {
inline constexpr int Planet = 1;
inline constexpr int JumpPoint = 2;
inline constexpr int Special = 3;
}  // namespace PlanetKind

// TFactionRecord, Factions[f]: 1 Federation, 2 Outer Rim Alliance, 3 Syndicate, 4 Coalition,
// 5 pirates; holds the faction's data and the captain's standing with it.
namespace Faction {
inline constexpr int Active = 1;
inline constexpr int SetupMark = 3;  // written by the new game from the faction table
inline constexpr int SetupMarkSecond = 4;
inline constexpr int Reputation = 5;
inline constexpr int Warned = 6;
inline constexpr int Rank = 7;  // 0..8
inline constexpr int Loan = 8;
inline constexpr int LoanTurnsLeft = 9;
inline constexpr int EarlyPaybackTurns = 10;
inline constexpr int WarBonds = 11;
inline constexpr int BondPurchaseTurn = 12;
// Relation toward faction g = 1..5: RelationBase + g (1 peace or cease-fire, 2 war).
inline constexpr int RelationBase = 20;
inline constexpr int PilotWings = 31;
inline constexpr int CampaignRibbons = 32;
inline constexpr int Surrendered = 34;  // 1 once it gave up after the civil war
inline constexpr int CapitalSystem = 35;
inline constexpr int NextFameThreshold = 36;
inline constexpr int NextReputationThreshold = 37;
inline constexpr int AwardStep = 38;  // 0..20
inline constexpr int PreviousFameThreshold = 39;
inline constexpr int PreviousReputationThreshold = 40;
inline constexpr int SilverStar = 42;  // 2 earned, 1 shown
inline constexpr int GoldStar = 43;
inline constexpr int MedalOfHonour = 44;
inline constexpr int LastDiplomacyTurn = 45;
// War score against faction g = 1..4: WarScoreBase + g (-3..+3).
inline constexpr int WarScoreBase = 50;
inline constexpr int SenatorLetterReceived = 60;
inline constexpr int SenatorMet = 61;
inline constexpr int StoryTurn = 63;
inline constexpr int StoryStep = 64;
inline constexpr int TriangulationScan1 = 65;
inline constexpr int TriangulationScan2 = 66;
inline constexpr int TriangulationScan3 = 67;
inline constexpr int ScanMessageShown = 68;
}  // namespace Faction

// Faction numbers.
namespace FactionId {
inline constexpr int Federation = 1;
inline constexpr int OuterRimAlliance = 2;
inline constexpr int Syndicate = 3;
inline constexpr int Coalition = 4;
inline constexpr int Pirates = 5;
}  // namespace FactionId

// TMissionRecord, MissionOffers[1..28] and Missions[CurrentPlayer].
namespace Mission {
inline constexpr int Status = 1;  // offer: 1 available, 2 restricted, 3 other faction
inline constexpr int Kind = 2;    // 1..12
inline constexpr int Reward = 3;
inline constexpr int Client = 4;
inline constexpr int Scope = 5;       // 1 this system, 2 other systems
inline constexpr int Difficulty = 6;  // 1..5
inline constexpr int Amount = 6;      // transport: cargo units or passengers
inline constexpr int Opponent = 7;
inline constexpr int LoadType = 7;  // transport: 1 goods, 2 passengers
// Objective location n = 1..4: ObjectiveBase + n (fields 8..11).
inline constexpr int ObjectiveBase = 7;
inline constexpr int TargetSystem = 12;
inline constexpr int ReputationReward = 20;
inline constexpr int FameReward = 21;
inline constexpr int RequiredRank = 22;
}  // namespace Mission

// Values of Mission::Kind.
namespace MissionKind {
inline constexpr int SearchAndDestroy = 1;
inline constexpr int Transport = 2;
inline constexpr int Intelligence = 3;
inline constexpr int Bounty = 4;
inline constexpr int Patrol = 5;
inline constexpr int Escort = 6;
inline constexpr int Defend = 7;
inline constexpr int Ambush = 8;
inline constexpr int RaidPlanet = 9;
inline constexpr int GoodsData = 10;
inline constexpr int Smuggling = 11;
inline constexpr int Scavenge = 12;
}  // namespace MissionKind

// TSpaceEventRecord, SpaceEvents[system][slot], slots 1..4.
namespace SpaceEvent {
inline constexpr int FirstSlot = 1;
inline constexpr int LastSlot = 4;
inline constexpr int Active = 1;
inline constexpr int Kind = 2;  // 1..9
inline constexpr int Location = 3;
inline constexpr int Value = 4;  // 10..50
inline constexpr int RulingFaction = 5;
}  // namespace SpaceEvent

// Values of SpaceEvent::Kind.
namespace SpaceEventKind {
inline constexpr int Lifepod = 1;
inline constexpr int Ghostship = 2;
inline constexpr int Treasure = 3;
inline constexpr int AlienArtefact = 4;
inline constexpr int Anomaly = 5;
inline constexpr int SpyShip = 6;
inline constexpr int Survivor = 7;
inline constexpr int Container = 8;
inline constexpr int Vip = 9;
}  // namespace SpaceEventKind

// TProjectileRecord, Projectiles[1..4]: the missile and torpedo tracks of a combat (not saved).
namespace Projectile {
inline constexpr int FirstTrack = 1;
inline constexpr int LastTrack = 4;
inline constexpr int Active = 1;
inline constexpr int InFlight = 2;  // set with Active; every test asks for both
inline constexpr int TurnsToImpact = 3;
inline constexpr int ShooterFleet = 5;  // 0 the enemy, otherwise the player's fleet
inline constexpr int EquipmentId = 6;
inline constexpr int TargetShip = 7;
inline constexpr int TargetFleet = 8;
}  // namespace Projectile

// TTournamentRecord, Tournaments[1..3].
namespace Tournament {
inline constexpr int Phase = 0;  // 0 sign-up, 1..4 fighting stages, < 0 turns of pause
inline constexpr int Prize = 1;
inline constexpr int StartFee = 2;
inline constexpr int RoundDecided = 3;  // set when the round's last fight ends
inline constexpr int BetAmount = 4;
}  // namespace Tournament

// TTournamentEntrantsRecord, TournamentEntrants[1..3]: entrant slot n is field n and holds a
// gladiator number (below 1 = out).
namespace Entrant {
inline constexpr int FirstSlot = 1;
inline constexpr int LastSlot = 16;
}  // namespace Entrant

// TGladiatorRecord, Gladiators[1..55]; 1 is the captain.
namespace Gladiator {
inline constexpr int Active = 1;
inline constexpr int League = 2;  // 1..3
inline constexpr int Skill = 3;
inline constexpr int Portrait = 4;       // 1..3
inline constexpr int Spare = 5;          // cleared with the rest, read by nothing
inline constexpr int FightingStyle = 6;  // 1 by the book, 2 maniac, 3 defensive
inline constexpr int Bet = 7;            // the player's stake on him, 0 for none
inline constexpr int LostFight = 8;
inline constexpr int Health = 9;
inline constexpr int ShipType = 10;    // 1, 2, 3, 20 or 25
inline constexpr int Odds = 11;        // his number of the current fight's odds
inline constexpr int BetOwnOdds = 12;  // both numbers as they stood when the bet was placed
inline constexpr int BetOtherOdds = 13;
}  // namespace Gladiator

// TLootRecord, LootItem.
namespace Loot {
inline constexpr int Amount = 1;
inline constexpr int Good = 2;  // 1..20
}  // namespace Loot

// Highscores[row], rows 1..20 in descending order of score; names in HighscoreNames, of which
// only rows 1..5 are kept on disk.
namespace Highscore {
inline constexpr int FirstRow = 1;
inline constexpr int LastRow = 20;
inline constexpr int StoredNames = 5;
inline constexpr int FieldsOnDisk = 100;  // fields 1..100 of each row
inline constexpr int Used = 1;
inline constexpr int Score = 2;
inline constexpr int Faction = 3;    // 1..4
inline constexpr int Rank = 4;       // within that faction
inline constexpr int ShipClass = 5;  // of the captain's ship
}  // namespace Highscore

// Declared bounds (highest declared index + 1).
inline constexpr int SystemBound = 28;    // 0..27, used 1..26
inline constexpr int LocationBound = 37;  // 0..36, used 1..35
inline constexpr int GoodBound = 21;      // records 0..20
inline constexpr int GoodListBound = 22;  // plain good lists 0..21
inline constexpr int FleetBound = 7;      // 0..6
inline constexpr int ShipBound = 6;       // 0..5
inline constexpr int SlotBound = 22;      // 0..21
inline constexpr int EquipmentBound = 202;
inline constexpr int EventSlotBound = 5;

template <class T, std::size_t A, std::size_t B>
using Table2 = std::array<std::array<T, B>, A>;
template <class T, std::size_t A, std::size_t B, std::size_t C>
using Table3 = std::array<Table2<T, B, C>, A>;

// Every table and scalar of a game. One instance, G(); nothing else holds game data.
struct GameState {
    // Record tables.
    Table2<GameRecord, SystemBound, LocationBound> Planets{};
    std::array<GameRecord, SystemBound> StarSystems{};
    std::array<GameRecord, 30> MissionOffers{};
    std::array<GameRecord, 4> Missions{};
    std::array<GameRecord, 6> Factions{};
    std::array<GameRecord, 4> Players{};
    std::array<GameRecord, 5> Tournaments{};
    std::array<GameRecord, 5> TournamentEntrants{};
    std::array<GameRecord, 57> Gladiators{};
    std::array<GameRecord, FleetBound> Fleets{};
    Table2<GameRecord, FleetBound, ShipBound> Ships{};
    std::array<GameRecord, 6> Projectiles{};
    Table3<GameRecord, FleetBound, ShipBound, SlotBound> ShipEquipment{};
    std::array<GameRecord, EquipmentBound> EquipmentTypes{};
    GameRecord LootItem{};
    std::array<GameRecord, GoodBound> Goods{};
    // As wide as Planets, so a walk over a system's locations never runs past them; a save
    // still writes only the used ranges.
    Table3<GameRecord, SystemBound, LocationBound, GoodBound> Markets{};
    Table2<GameRecord, SystemBound, EventSlotBound> SpaceEvents{};

    // Text tables, indexed like the records beside them.
    Table2<ShortText, SystemBound, LocationBound> PlanetNames{};
    Table2<ShortText, SystemBound, LocationBound> PlanetDescriptions{};
    std::array<ShortText, SystemBound> SystemNames{};
    std::array<ShortText, SystemBound> SystemCodes{};
    std::array<ShortText, SystemBound> SystemDescriptions{};
    std::array<ShortText, 6> FactionNames{};
    std::array<ShortText, 6> FactionPictures{};
    std::array<ShortText, 6> FactionSmallPictures{};
    Table2<ShortText, 6, 12> RankNames{};
    Table2<ShortText, 6, 12> RankAbbreviations{};
    std::array<ShortText, 4> CaptainNames{};
    std::array<ShortText, 57> GladiatorNames{};
    Table2<ShortText, FleetBound, ShipBound> ShipClassNames{};
    Table2<ShortText, FleetBound, ShipBound> ShipDescriptions{};
    std::array<ShortText, EquipmentBound> EquipmentNames{};
    std::array<ShortText, EquipmentBound> EquipmentDescriptions{};
    std::array<ShortText, GoodBound> GoodNames{};
    std::array<ShortText, 22> HighscoreNames{};
    std::array<ShortText, 7> SlotDescriptions{};

    // Plain integer tables.
    std::array<int32_t, GoodListBound> Cargo{};
    std::array<int32_t, GoodListBound> CapturedCargo{};
    std::array<int32_t, GoodListBound> LastPricePaid{};
    std::array<int32_t, 30> MissionListIndex{};
    Table2<int32_t, 22, 101> Highscores{};

    // Scalars; the Booleans are integers because saves keep them as such.
    int32_t TurnNumber = 0;
    int32_t GameDay = 0;
    int32_t GameMonth = 0;
    int32_t GameYear = 0;
    int32_t SelectedPlanet = 0;
    int32_t EarlyGameTurns = 0;
    int32_t MarketChangeChance = 0;
    int32_t CurrentPlayer = 0;
    int32_t CurrentFleet = 0;
    int32_t CurrentShip = 0;
    int32_t EnemyShip = 0;
    int32_t CombatShip = 0;
    int32_t EnemyCombatShip = 0;
    int32_t EnemyFiringShip = 0;
    int32_t TargetedOwnShip = 0;
    int32_t CombatRange = 0;
    int32_t CombatMayClose = 0;
    int32_t VipEventBattle = 0;
    int32_t SelectedTradeGood = 0;
    int32_t MissionBlinkOn = 0;
    int32_t NoEncounterThisTurn = 0;
    int32_t PlayerTournament = 0;
    int32_t WatchedFight = 0;
    int32_t ReservedSaveValue = 0;
    int32_t LaunchCount = 0;
    int32_t ProtectedModeOn = 0;
    int32_t CleanExit = 0;
};

// The one game state. Zero-filled before the program starts, so reaching it costs no guard; it is
// several MB: never put a copy on the stack.
extern constinit GameState gGameState;
inline GameState& G() {
    return gGameState;
}
// Every table and scalar back to its program-start value: 0 and empty texts.
void ResetGameState();

// What a game in play keeps beside its tables between the steps of one screen or one fight, never
// saved. A new game and a load start it afresh (ClearPlaySession).
struct PlaySession {
    // The crew screen's change not yet applied, by kind (officers, droids, mercenaries,
    // adventurers, scoundrels): hires >= 0, dismissals <= 0.
    std::array<int32_t, 5> CrewPendingChange{};
    int32_t SelectedShipType = 1;  // the ship dealer's class on offer, 1..26
    int32_t PlunderWarned = 0;     // 1 when the system was warned as the plunder screen was filled
    // The boarding round under way. PlayerIsBoarding and EnemyIsBoarding are the fleets of the
    // attacker and the defender: 1 and 0 when the player boards, 0 and 1 when the enemy does.
    int32_t PlayerIsBoarding = 0;
    int32_t EnemyIsBoarding = 0;
    int32_t BoardingMission = 0;  // one of BoardingMissionKind
    int32_t AttackerLosses = 0;   // crew killed on each side this round
    int32_t DefenderLosses = 0;
    bool SquadPicked = false;  // the picked boarding squad is off the crew, no round fought yet
    // The arena's rounds opened on the results screen this turn, by tournament 1..3.
    std::array<bool, 4> WatchedThisTurn{};
    int32_t EncounterStage = 0;     // the approach: 1 size known, 2 class, 3 class and faction
    int32_t EncounterResolved = 0;  // the encounter screens' close guard: 1 once it is over
    // The star map's selected system and the fleet's system when the map was opened.
    int32_t GalaxyMapSystem = 0;
    int32_t GalaxyMapCurrentSystem = 0;
};

// What a running session keeps beside the game tables and never saves: the end of the game, the
// closing permissions of the guarded screens, the answers of the two question dialogs, the
// tutorial's step, the turns of a combat, a failure already told and the game in play.
struct SessionState {
    bool GameEnded = false;            // from the end of a game until the next one starts
    int32_t TravelScreenMayClose = 0;  // 1: the travel screen closes without the quit question
    int32_t PlanetScreenMayClose = 0;  // 1: the planet screen closes from outside
    int32_t DeathScreenMayClose = 0;   // 1: the death screen's button was used
    int32_t Message3Result = 0;        // yes/no dialog: 1 yes, 0 no
    int32_t Message5Result = 0;        // accept/decline dialog: 1 first button, 2 second
    int32_t TutorialStep = 0;          // 0 when no tutorial runs, else the current step 1..37
    int32_t CombatTurnCount = 0;       // turns ended in the combat under way
    bool SettingsFailureTold = false;  // the player was told the settings file cannot be written
    PlaySession Play;
};
extern constinit SessionState gSession;
inline SessionState& Session() {
    return gSession;
}
// The session's values under the names the screens and rules use.
inline constinit int32_t& TravelScreenMayClose = gSession.TravelScreenMayClose;
inline constinit int32_t& PlanetScreenMayClose = gSession.PlanetScreenMayClose;
inline constinit int32_t& DeathScreenMayClose = gSession.DeathScreenMayClose;
inline constinit int32_t& Message3Result = gSession.Message3Result;
inline constinit int32_t& Message5Result = gSession.Message5Result;
inline constinit int32_t& TutorialStep = gSession.TutorialStep;
inline constinit int32_t& CombatTurnCount = gSession.CombatTurnCount;
inline constinit std::array<int32_t, 5>& CrewPendingChange = gSession.Play.CrewPendingChange;
inline constinit int32_t& SelectedShipType = gSession.Play.SelectedShipType;
inline constinit int32_t& PlunderWarned = gSession.Play.PlunderWarned;
inline constinit int32_t& PlayerIsBoarding = gSession.Play.PlayerIsBoarding;
inline constinit int32_t& EnemyIsBoarding = gSession.Play.EnemyIsBoarding;
inline constinit int32_t& BoardingMission = gSession.Play.BoardingMission;
inline constinit int32_t& AttackerLosses = gSession.Play.AttackerLosses;
inline constinit int32_t& DefenderLosses = gSession.Play.DefenderLosses;
inline constinit int32_t& EncounterStage = gSession.Play.EncounterStage;
inline constinit int32_t& EncounterResolved = gSession.Play.EncounterResolved;
inline constinit int32_t& GalaxyMapSystem = gSession.Play.GalaxyMapSystem;
inline constinit int32_t& GalaxyMapCurrentSystem = gSession.Play.GalaxyMapCurrentSystem;

// The new-game set-up and a load call this: nothing of the game before reaches the next one.
inline void ClearPlaySession() {
    gSession.Play = PlaySession{};
}

// True from the end of a game until a new game or a load starts the next one. The turn engine
// does nothing while it is set.
inline bool GameEnded() {
    return gSession.GameEnded;
}
// A new game and a load call this before the first turn of the game they start.
inline void ClearGameEnded() {
    gSession.GameEnded = false;
}

}  // namespace corvanth
