// The captain's net worth and the crew's wages, royalties and droid fee.
#include "state/fortune.h"

#include <gtest/gtest.h>

#include <limits>

#include "state/newgame.h"
#include "state/variables.h"

namespace corvanth {
namespace {

class NetWorth : public testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        InitGameData();  // $C 500, empty ship 1, at Finis Prime (4.1)
    }
    void Install(int ship, int slot, int id) {
        g.ShipEquipment[1][ship][slot][Slot::Used] = 1;
        g.ShipEquipment[1][ship][slot][Slot::EquipmentId] = id;
    }
    int Price(int id) const { return g.EquipmentTypes[id][Equipment::Price]; }
    GameState& g = G();
};

TEST_F(NetWorth, HalfTheShipPlusHoldMoneyAndBondsLessLoans) {
    g.Ships[1][1][Ship::HullPrice] = 20001;
    Install(1, 1, 1);
    Install(1, 7, 2);
    g.ShipEquipment[1][1][8][Slot::EquipmentId] = 3;  // a slot not in use counts nothing
    Install(2, 1, 4);                                 // nor does a second ship
    g.Ships[1][2][Ship::HullPrice] = 99999;
    g.CurrentShip = 2;  // only ship 1 is valued, whatever the captain commands

    g.Cargo[1] = 3;
    g.Cargo[9] = 2;
    g.Markets[4][1][1][Market::Price] = 210;
    g.Markets[4][1][9][Market::Price] = 0;  // no price here: adds nothing
    g.Cargo[12] = -4;                       // never counted below nothing
    g.Players[1][Player::Money] = 1000;
    g.Factions[1][Faction::Loan] = 700;
    g.Factions[3][Faction::WarBonds] = 450;
    g.Factions[FactionId::Pirates][Faction::Loan] = 100000;  // no bank of the pirates

    const int64_t ship = (20001 + int64_t{Price(1)} + Price(2)) / 2;
    EXPECT_EQ(CalcFortune(), ship + 3 * 210 + 1000 - 700 + 450);
}

TEST_F(NetWorth, NeverNegativeAndSaturatedAtTheTop) {
    g.Factions[2][Faction::Loan] = 5000;  // more than the $C 500
    EXPECT_EQ(CalcFortune(), 0);

    // Money at its cap and large bonds would wrap in 32 bits.
    g.Factions[2][Faction::Loan] = 0;
    g.Players[1][Player::Money] = 900000000;
    g.Factions[1][Faction::WarBonds] = 2000000000;
    g.Factions[4][Faction::WarBonds] = 2000000000;
    EXPECT_EQ(CalcFortune(), std::numeric_limits<int32_t>::max());

    // Bonds offsetting a loan beyond 32 bits still come out exact.
    g.Factions[2][Faction::Loan] = 2000000000;
    g.Factions[3][Faction::Loan] = 2000000000;
    EXPECT_EQ(CalcFortune(), 900000000);
}

TEST_F(NetWorth, DamagedTablesCountNothing) {
    Install(1, 1, 0);
    Install(1, 2, 5000);
    Install(1, 3, -7);
    g.Cargo[1] = 10;
    g.Fleets[1][Fleet::System] = 40;  // no market there
    EXPECT_EQ(CalcFortune(), 500);
    g.Fleets[1][Fleet::System] = 4;
    g.Fleets[1][Fleet::Location] = 0;
    EXPECT_EQ(CalcFortune(), 500);
}

TEST(CrewMoney, WagesRoyaltiesAndDroidFee) {
    // 35 per officer, 15 per mercenary, 2 per scoundrel and turn.
    EXPECT_EQ(CalcCrewWages(3, 2, 5, 1, 4, 6), (70 + 15 + 12) * 3);
    EXPECT_EQ(CalcCrewWages(0, 10, 10, 10, 10, 10), 0);
    EXPECT_EQ(CalcCrewWages(1, 0, 50, 0, 50, 0), 0);
    EXPECT_EQ(CalcCrewWages(1000000, 100000, 0, 0, 0, 0), std::numeric_limits<int32_t>::max());

    // One of each kind but officers and droids: 1 % for each claiming kind.
    EXPECT_EQ(CalcCrewRoyaltyPercent(0, 0, 1, 1, 1), 3);
    EXPECT_EQ(CalcCrewRoyaltyPercent(0, 0, 0, 0, 4), 1);
    EXPECT_EQ(CalcCrewRoyaltyPercent(0, 0, 0, 0, 5), 1);
    EXPECT_EQ(CalcCrewRoyaltyPercent(0, 0, 0, 0, 8), 2);
    // Officers 2 % each; droids nothing; 9 mercenaries 2, 5 adventurers 2.
    EXPECT_EQ(CalcCrewRoyaltyPercent(3, 40, 9, 5, 0), 6 + 2 + 2);
    EXPECT_EQ(CalcCrewRoyaltyPercent(0, 7, 0, 0, 0), 0);

    EXPECT_EQ(CalcDroidFee(3), 30000);
    EXPECT_EQ(CalcDroidFee(0), 0);
    EXPECT_EQ(CalcDroidFee(1000000), std::numeric_limits<int32_t>::max());
}

}  // namespace
}  // namespace corvanth
