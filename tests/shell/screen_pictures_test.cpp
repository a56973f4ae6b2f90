// Pictures on screens all over the game, drawn with the game's own art: the round faction logos
// stand on their panels, and the pictures of planets and ships fill their boxes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "combat/AttackPlanet.h"
#include "combat/Captured.h"
#include "combat/Encounter.h"
#include "combat/EncounterScreen.h"
#include "combat/EncounterScreen2.h"
#include "planet/planet.h"
#include "shell/highscore.h"
#include "state/UMessage4.h"
#include "state/UMessage6.h"
#include "state/reputation.h"
#include "state/tables.h"
#include "support/art.h"
#include "support/game_test.h"
#include "travel/travel.h"
#include "travel/travelscreen.h"
#include "ui/render.h"

namespace corvanth {
namespace {

const std::string kDir = std::string(CORVANTH_SCREENS_DIR) + "/pictures/";

int Luma(uint32_t rgb) {
    return (30 * (rgb >> 16 & 0xff) + 59 * (rgb >> 8 & 0xff) + 11 * (rgb & 0xff)) / 100;
}

// A round logo stands on its panel: the corners of its box, well outside the disc, show what
// lies below the picture, and that is a panel's own ground, not the black the logo is drawn on.
// The disc itself shows. The screen is written as `name` beside the screens' record.
testing::AssertionResult StandsOnItsPanel(const ui::Form& form, ui::Image& logo,
                                          const std::string& name) {
    ui::SoftwareCanvas drawn(form.width, form.height), under(form.width, form.height);
    drawn.DrawForm(form);
    drawn.SavePng(kDir + name + ".png");
    logo.visible = false;
    under.DrawForm(form);
    logo.visible = true;
    const ui::Rect r = logo.ScreenRect();
    for (const auto& [x, y] :
         {std::pair{r.x + 2, r.y + 2}, std::pair{r.x + r.w - 3, r.y + 2},
          std::pair{r.x + 2, r.y + r.h - 3}, std::pair{r.x + r.w - 3, r.y + r.h - 3}}) {
        if (drawn.PixelAt(x, y) != under.PixelAt(x, y))
            return testing::AssertionFailure() << name << ": the picture's ground at " << x << ","
                                               << y << " hides what lies below it";
        if (Luma(under.PixelAt(x, y)) < 12)
            return testing::AssertionFailure()
                   << name << ": black below the logo at " << x << "," << y;
    }
    if (drawn.PixelAt(r.x + r.w / 2, r.y + r.h / 2) == under.PixelAt(r.x + r.w / 2, r.y + r.h / 2))
        return testing::AssertionFailure() << name << ": no logo in the middle of its box";
    return testing::AssertionSuccess();
}

// A picture narrower than its box would stand on flat bands of one colour at its sides: the
// columns along the box's left and right edges show the picture, never one flat colour from top
// to bottom.
testing::AssertionResult FillsItsBox(const ui::Form& form, const ui::Image& picture,
                                     const std::string& name) {
    ui::SoftwareCanvas drawn(form.width, form.height);
    drawn.DrawForm(form);
    drawn.SavePng(kDir + name + ".png");
    const ui::Rect r = picture.ScreenRect();
    for (int x : {r.x, r.x + r.w - 1}) {
        const uint32_t first = drawn.PixelAt(x, r.y);
        bool flat = true;
        for (int y = r.y; y < r.y + r.h && flat; ++y) flat = drawn.PixelAt(x, y) == first;
        if (flat)
            return testing::AssertionFailure()
                   << name << ": a flat band down column " << x << " of " << picture.picture;
    }
    return testing::AssertionSuccess();
}

class ScreenPictures : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        std::filesystem::create_directories(kDir);
        test::StartNewGame(FactionId::Federation, "Mara Kellan");
    }
    // Enemy ship 1 of class 3 for faction f, as a random encounter leaves it.
    static void Meet(int f) {
        SetupShipOfType(3, 1);
        GameRecord& enemy = G().Ships[0][1];
        enemy[Ship::Present] = 1;
        enemy[Ship::Faction] = f;
        enemy[Ship::Behaviour] = 1;
    }
    // The fleet's own location shows planet picture `number` (a square one) and no city.
    static void PlanetPicture(int number) {
        GameRecord& here = FleetLocationRecord();
        here[Planet::Picture] = number;
        here[Planet::CityPicture] = 0;
        G().SelectedPlanet = FleetLocation();
    }
};

TEST_F(ScreenPictures, RoundLogosStandOnTheirPanels) {
    // The approach screen once the ship is known: a Syndicate ship, then a pirate.
    EncounterStage = 3;
    Meet(FactionId::Syndicate);
    RefreshEncounterScreen();
    EXPECT_TRUE(StandsOnItsPanel(*Form15, *Form15->Image2, "TForm15_logo"));
    Meet(FactionId::Pirates);
    RefreshEncounterScreen();
    ASSERT_EQ(Form15->Label2->caption, "Its a pirate ship. It is hostile!");
    EXPECT_TRUE(StandsOnItsPanel(*Form15, *Form15->Image2, "TForm15_pirate"));
    // The mission's encounter at the same stage.
    Meet(FactionId::Coalition);
    RefreshMissionEncounter();
    EXPECT_TRUE(StandsOnItsPanel(*Form20, *Form20->Image2, "TForm20_logo"));

    // The travel screen's status panel, beside the captain's portrait.
    RefreshStatusPanel();
    EXPECT_TRUE(StandsOnItsPanel(*Form2, *Form2->Image6, "TForm2_status"));

    // The notice of a reputation gain shows the faction's small logo.
    player()
        .Do("TMessage6",
            [](ui::Form& f) {
                EXPECT_TRUE(StandsOnItsPanel(f, *Message6->Image2, "TMessage6_reputation"));
            })
        .Click("TMessage6", "SpeedButton3");
    GainReputation(FactionId::Federation, 10);

    // A new game's story: the captain, the faction's logo, then the first planet.
    G().TurnNumber = 0;
    player()
        .Click("TMessage4", "SpeedButton1")
        .Do("TMessage4",
            [](ui::Form& f) {
                ASSERT_EQ(Message4->Label2->caption, "In the army now...");
                EXPECT_TRUE(StandsOnItsPanel(f, *Message4->Image1, "TMessage4_army"));
            })
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1");
    ShowAdventureStart();
}

TEST_F(ScreenPictures, PlanetsAndShipsFillTheirBoxes) {
    // Picture 19 is "dark3r.jpg", a square planet.
    PlanetPicture(19);
    RefreshPlanetScreen();
    EXPECT_TRUE(FillsItsBox(*Form3, *Form3->Image1, "TForm3_planet"));
    ShowPlanetRaid();
    EXPECT_TRUE(FillsItsBox(*Form33, *Form33->Image1, "TForm33_planet"));

    // A new game's story ends on a planet: the Federation's is picture 19 as well.
    player()
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Do("TMessage4",
            [](ui::Form& f) {
                ASSERT_EQ(Message4->Label2->caption, "Its up to you...");
                EXPECT_TRUE(FillsItsBox(f, *Message4->Image1, "TMessage4_planet"));
            })
        .Click("TMessage4", "SpeedButton1");
    ShowAdventureStart();

    // Both ships of a capture, and the ship of a high-score row.
    Meet(FactionId::Pirates);
    ShowCaptureOffer();
    EXPECT_TRUE(FillsItsBox(*Form32, *Form32->Image1, "TForm32_own"));
    EXPECT_TRUE(FillsItsBox(*Form32, *Form32->Image2, "TForm32_captured"));
    EnterHighscore("Mara Kellan", 250000, FactionId::Federation, 4, 3);
    ShowHighscores();
    EXPECT_TRUE(FillsItsBox(*Form38, *Form38->rows[0].ship, "TForm38_ship"));
}

}  // namespace
}  // namespace corvanth
