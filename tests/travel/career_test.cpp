// A new Federation captain's first trading trips, played on the travel screen as a player would.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "state/UMessage4.h"
#include "state/variables.h"
#include "travel/PlanetInfo.h"
#include "travel/travel.h"
#include "travel/travel_support.h"
#include "travel/travelscreen.h"

namespace corvanth {
namespace {

class TradingCareer : public test::TravelTest {};

int Price(int location, int good) {
    return G().Markets[4][location][good][Market::Price];
}

// Synthetics cost at most 600 + 40 % anywhere: three units always fit the start money.
constexpr int kSynthetics = 5;

TEST_F(TradingCareer, FirstTripsOfAFederationTrader) {
    namespace fs = std::filesystem;
    for (const char* text : {"begin.txt", "Federation.txt", "begin2_F.txt"})
        fs::copy_file(fs::path(CORVANTH_SOURCE_DIR) / "data" / text, text,
                      fs::copy_options::overwrite_existing);
    player().SetScreenDir(CORVANTH_SCREENS_DIR);
    NewFederationGame();
    const int good = kSynthetics;
    int startTurn = 0, boughtAt = 0, moneyAfterBuying = 0;

    // The start story: the opening text, then the Federation's two.
    for (const char* headline :
         {"Your adventure begins...", "In the army now...", "Its up to you..."}) {
        player()
            .Do("TMessage4",
                [headline](ui::Form&) {
                    EXPECT_EQ(Message4->Label2->caption, headline);
                    EXPECT_FALSE(Message4->Memo1->lines.empty()) << headline;
                })
            .Click("TMessage4", "SpeedButton1");
    }
    player()
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(Form2->Label6->caption, "Game Turn No.: 1");
                EXPECT_EQ(Form2->Label1->caption, "Finis");
                EXPECT_EQ(Form2->Label10->caption, "You are in orbit.");
                EXPECT_EQ(Form2->SpeedButton2->caption, "Dock here");
                startTurn = G().TurnNumber;
            })
        // Sargoth lies in D2, three cells from Finis Prime in C4: 3 + 3 div 2 = 4 days, and the
        // Avenger's single engine S gives speed class 2: 4 + 4 div 4 = 5. No crew is needed.
        .Click("TForm2", "PlanetD2")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(G().SelectedPlanet, test::kSargoth);
                EXPECT_EQ(Form2->Label4->caption, "Sargoth");
                EXPECT_EQ(Form2->Label10->caption, "Expected arrival: 5 days.");
                EXPECT_EQ(Form2->Label10->font.color, ui::colors::Black);
                EXPECT_TRUE(Form2->SpeedButton5->enabled);
                EXPECT_EQ(Form2->Cell(4, 2).name->font.color, ui::colors::Yellow);
            })
        .Click("TForm2", "SpeedButton15")
        .Do("TForm53",
            [](ui::Form&) {
                EXPECT_EQ(Form53->Label1->caption, "Sargoth");
                // Sargoth: one low-tech plant and one high-tech industry.
                EXPECT_EQ(Form53->Label8->caption, "Low-tech plants: 1");
                EXPECT_EQ(Form53->Label9->caption, "High-tech industry: 1");
            })
        .Click("TForm53", "SpeedButton15")
        .Click("TForm2", "SpeedButton11")
        .Do("TForm2", [](ui::Form&) { ASSERT_TRUE(Form2->TradeGroupBox->visible); })
        .SelectRow("TForm2", "ListBox1", kSynthetics - 1)
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(G().SelectedTradeGood, kSynthetics);
                EXPECT_TRUE(Form2->Cell(4, 2).price->visible);
            })
        .Type("TForm2", "SpinEdit1", "3")
        .Click("TForm2", "SpeedButton7")
        .Do("TForm2",
            [&](ui::Form&) {
                boughtAt = Price(test::kFinisPrime, good);
                // Three units of a five-unit hold, paid at the local price.
                EXPECT_EQ(G().Cargo[good], 3);
                EXPECT_EQ(G().Fleets[1][Fleet::FreeCargo], 2);
                EXPECT_EQ(Money(), 3000 - 3 * boughtAt);
                EXPECT_EQ(G().LastPricePaid[good], boughtAt);
                EXPECT_EQ(Form2->Label18->caption, "Free Cargo Space: 2 E");
                moneyAfterBuying = Money();
            })
        .Click("TForm2", "PlanetD2")
        .Click("TForm2", "SpeedButton5")
        .Do("TForm13", [](ui::Form&) { EXPECT_EQ(Form13->Label2->caption, "5"); })
        .Wait("TForm13", 200)
        .Do("TForm13",
            [&](ui::Form&) {
                EXPECT_EQ(Form13->Label2->caption, "4");
                EXPECT_EQ(G().TurnNumber, startTurn + 1);
            })
        .CloseRequest("TForm13")
        .Do("TForm13", [](ui::Form& f) { EXPECT_TRUE(f.Visible()); })
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, startTurn + 5);
                EXPECT_EQ(G().Fleets[1][Fleet::Location], test::kSargoth);
                EXPECT_EQ(Form2->Label10->caption, "You are in orbit.");
                EXPECT_EQ(Form2->Label23->caption, "You are at: Sargoth");
            })
        .Click("TForm2", "SpeedButton9")
        .Do("TMessage6",
            [&](ui::Form&) {
                const int value = 3 * Price(test::kSargoth, good);
                EXPECT_EQ(G().Cargo[good], 0);
                EXPECT_EQ(Money(), moneyAfterBuying + value);
            })
        .Click("TMessage6", "SpeedButton3")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(G().Fleets[1][Fleet::FreeCargo], 5);
                EXPECT_EQ(G().LastPricePaid[good], 0);
            })
        // On to the jump point to New Ireland in A5: its market has no prices.
        .Click("TForm2", "PlanetA5")
        .Click("TForm2", "SpeedButton5")
        .Do("TForm2",
            [](ui::Form&) {
                ASSERT_EQ(G().Fleets[1][Fleet::Location], test::kJumpNewIreland);
                const auto& rows = Form2->ListBox1->items;
                ASSERT_EQ(rows.size(), 20u);
                for (const auto& row : rows)
                    EXPECT_NE(row.find("  N/A $C"), std::string::npos) << row;
                EXPECT_FALSE(Form2->SpeedButton7->enabled);
                EXPECT_EQ(Form2->SpeedButton2->caption, "Jump");
            })
        .Click("TForm2", "SpeedButton10")
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
    EXPECT_GT(boughtAt, 0);
}

}  // namespace
}  // namespace corvanth
