// The combat screen: what it draws of a fight, its radar sweep and its close guard.
#include "combat/combat2_screen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "combat/AttackPlanet.h"
#include "combat/EncounterScreen.h"
#include "combat/EncounterScreen2.h"
#include "combat/combat2.h"
#include "combat_fixture.h"
#include "planet/Scanner.h"
#include "shell/Dead.h"
#include "shell/background.h"
#include "state/UMessage1.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "support/art.h"
#include "support/home.h"
#include "ui/audio.h"
#include "ui/damage.h"
#include "ui/render.h"

namespace corvanth {
namespace {

class CombatScreen : public test::CombatTest {
  protected:
    void SetUp() override {
        CombatTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        GameUpcalls() = StandardUpcalls();
        GameUpcalls().KillCaptain = [] {};
        player().LeavePicture("TForm14");
    }
    int Find(int kind) {
        for (int id = 1; id <= 113; ++id)
            if (G().EquipmentTypes[id][Equipment::Defined] > 0 &&
                G().EquipmentTypes[id][Equipment::Kind] == kind)
                return id;
        return 0;
    }
};

// Mid-fight: a missile of the player on track 1 (2 turns), an enemy torpedo on track 3, mines
// laid by both sides, both hulls part gone; then the sweep, the guard and the end.
TEST_F(CombatScreen, ShowsAFightAndSweepsTheRadarUntilTheCombatIsDecided) {
    GiveShip(1, 3);
    GiveShip(0, 7);
    const int laser = Find(EquipmentKind::LaserGun), missile = Find(EquipmentKind::Missile);
    const int mine = Find(EquipmentKind::Mine), cargo = Find(EquipmentKind::CargoBay);
    Fit(1, {laser, cargo, missile, mine});
    G().ShipEquipment[1][1][3][Slot::Loaded] = 0;
    StartCombat();
    GameState& g = G();
    Own()[Ship::Strength] = Own()[Ship::MaxStrength] / 2;
    Own()[Ship::MinesDeployed] = 2;
    Enemy()[Ship::Strength] = Enemy()[Ship::MaxStrength] + 50;  // a bar never overflows
    Enemy()[Ship::SuperminesDeployed] = 1;
    g.Projectiles[1] = {};
    g.Projectiles[1][Projectile::Active] = g.Projectiles[1][Projectile::InFlight] = 1;
    g.Projectiles[1][Projectile::TurnsToImpact] = 2;
    g.Projectiles[1][Projectile::ShooterFleet] = 1;
    g.Projectiles[1][Projectile::EquipmentId] = missile;
    g.Projectiles[3] = g.Projectiles[1];
    g.Projectiles[3][Projectile::ShooterFleet] = 0;
    g.Projectiles[3][Projectile::TurnsToImpact] = 4;
    g.Projectiles[4][Projectile::Active] = 1;  // active but not in flight: not shown
    g.CombatRange = 2;
    Own()[Ship::CombatRange] = 1;
    SetupCombatScreen();
    Enemy()[Ship::Strength] = Enemy()[Ship::MaxStrength] * 2 / 3;
    ShowHullBars();
    TForm14& f = *Form14;

    // The list: the laser, the missile and the mine, not the cargo bay; the laser is chosen.
    ASSERT_EQ(f.ComboBox1->items.size(), 3u);
    EXPECT_EQ(f.ComboBox1->items[1], EquipmentName(missile));
    EXPECT_EQ(f.SpeedButton4->caption,
              "Fire " + EquipmentName(laser) + " (" +
                  std::to_string(g.EquipmentTypes[laser][Equipment::ActionPoints]) + " AP)");
    EXPECT_TRUE(f.SpeedButton4->enabled);
    EXPECT_EQ(f.Label7->caption, ShipClassName(0, 1));
    EXPECT_EQ(f.Label47->caption, std::to_string(Own()[Ship::ActionPointsLeft]));
    EXPECT_EQ(f.ProgressBar3->Max(), Own()[Ship::MaxStrength]);
    EXPECT_EQ(f.ProgressBar3->Position(), Own()[Ship::MaxStrength] / 2);
    EXPECT_EQ(f.ProgressBar1->Position(), Enemy()[Ship::MaxStrength] * 2 / 3);
    EXPECT_EQ(f.Label6->caption, "Distance: Medium-range");
    EXPECT_EQ(f.RadarBlip->left, 123);
    EXPECT_EQ(f.RadarBlip->top, 127);
    EXPECT_EQ(f.GroupBox5->color, (ui::Color{0xA6, 0xA6, 0xA6}));
    EXPECT_EQ(f.Shape6->brushColor, (ui::Color{0xE2, 0xE2, 0xE2}));
    // Tracks: own red, enemy blue, idle grey with "-".
    EXPECT_EQ(f.SEvent[1].Box->color, (ui::Color{0xA0, 0x00, 0x00}));
    EXPECT_EQ(f.SEvent[1].T4->caption, "2");
    EXPECT_EQ(f.SEvent[1].Pic->picture, "ctorpedo.jpg");
    EXPECT_EQ(f.SEvent[3].Shape2->brushColor, (ui::Color{0x0C, 0x11, 0xCD}));
    EXPECT_EQ(f.SEvent[4].T1->caption, "-");
    EXPECT_EQ(f.SEvent[4].Pic->picture, "ctorpedog.jpg");
    EXPECT_EQ(f.SEvent[2].Shape->brushColor, (ui::Color{0x55, 0x55, 0x55}));
    EXPECT_TRUE(f.PMines_Warning2->visible);
    EXPECT_TRUE(f.EMines_Warning2->visible);
    ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/TForm14.png");

    // Choosing the unloaded missile in the list turns Fire off; choosing the laser again turns
    // it on. The open list lies over Fire: its rows take the clicks.
    player()
        .SelectRow("TForm14", "ComboBox1", 1)
        .Do("TForm14",
            [&](ui::Form&) {
                EXPECT_FALSE(f.SpeedButton4->enabled);
                // A missile has no verb: the caption starts with the blank.
                EXPECT_TRUE(
                    f.SpeedButton4->caption.starts_with(" " + EquipmentName(missile) + " ("));
            })
        .Click("TForm14", "ComboBox1")
        .Do("TForm14",
            [&](ui::Form& screen) {
                const ui::Rect fire = f.SpeedButton4->ScreenRect();
                EXPECT_EQ(ui::App().HitTest(screen, screen.OriginX() + fire.x + fire.w / 2,
                                            screen.OriginY() + fire.y + 10),
                          f.ComboBox1);
                ui::RenderFormToPng(screen,
                                    std::string(CORVANTH_SCREENS_DIR) + "/TForm14_list.png");
            })
        .SelectRow("TForm14", "ComboBox1", 0)
        .Do("TForm14", [&](ui::Form&) { EXPECT_TRUE(f.SpeedButton4->enabled); });

    // On the screen: the radar runs at medium range, back to 364 with one sonar a sweep (from
    // 364 in steps of 4 it passes below 155 after 53 ticks); the close box is refused; then the
    // fight is ended and the screen closes, its radar stopped.
    ui::audio::ClearLog();
    int sweepsAt[4] = {};
    // A tick of the radar changes the canvas where the line was and where it is now, nothing
    // else: drawn there only, the frame is the one a whole drawing of the screen makes.
    ui::SoftwareCanvas kept(ui::kCanvasWidth, ui::kCanvasHeight);
    ui::Damage damage;
    player()
        .Do("TForm14",
            [&](ui::Form& screen) {
                kept.DrawChanges(damage.Take());
                const ui::Rect was = f.RadarLine->ScreenRect();
                f.Timer1Timer();
                const ui::Rect is = f.RadarLine->ScreenRect();
                ASSERT_NE(was.y, is.y);
                const ui::Areas areas = damage.Take();
                EXPECT_FALSE(areas.whole);
                // The line's old and new places, 4 pixels apart: two boxes on the canvas.
                ASSERT_EQ(areas.rects.size(), 2u);
                for (int k = 0; k < 2; ++k) {
                    const ui::Rect place = k == 0 ? was : is, r = areas.rects[k];
                    EXPECT_EQ(r.x, screen.OriginX() + place.x) << k;
                    EXPECT_EQ(r.y, screen.OriginY() + place.y) << k;
                    EXPECT_EQ(r.w, place.w) << k;
                    EXPECT_EQ(r.h, place.h) << k;
                }
                kept.DrawChanges(areas);
                ui::SoftwareCanvas fresh(ui::kCanvasWidth, ui::kCanvasHeight);
                fresh.DrawStack();
                int differ = 0;
                for (int y = 0; y < ui::kCanvasHeight; ++y)
                    for (int x = 0; x < ui::kCanvasWidth; ++x)
                        differ += kept.PixelAt(x, y) != fresh.PixelAt(x, y);
                EXPECT_EQ(differ, 0);
                EXPECT_TRUE(damage.Take().Empty());
                // The tick above is not one of the sweep counted below: the line goes back.
                f.RadarLine->top += was.y - is.y;
            })
        .Wait("TForm14", 53 * 40)
        .Do("TForm14",
            [&](ui::Form&) {
                EXPECT_TRUE(f.Timer1->Enabled());
                EXPECT_EQ(f.RadarLine->top, 364);
                sweepsAt[2] = test::CountSound("play:Sonar.wav");
                G().CombatRange = 1;  // from 364 below 243: 31 ticks
                ShowCombatRange();
                EXPECT_EQ(f.RadarBlip->top, 219);
            })
        .Wait("TForm14", 31 * 40 * 2)
        .Do("TForm14",
            [&](ui::Form&) {
                sweepsAt[1] = test::CountSound("play:Sonar.wav") - sweepsAt[2];
                G().CombatRange = 3;  // below 57: 77 ticks
            })
        .Wait("TForm14", 77 * 40)
        .Do("TForm14",
            [&](ui::Form&) {
                sweepsAt[3] = test::CountSound("play:Sonar.wav") - sweepsAt[1] - sweepsAt[2];
            })
        // Each ship's picture opens the scanner on that ship.
        .Click("TForm14", "Image2")
        .Do("TForm6",
            [](ui::Form&) { EXPECT_EQ(Form6->Label2->caption, ShipClassName(0, 1) + " class"); })
        .CloseRequest("TForm6")
        .Click("TForm14", "Image1")
        .Do("TForm6",
            [](ui::Form&) {
                EXPECT_EQ(Form6->Label2->caption,
                          ShipClassName(G().CurrentFleet, G().CurrentShip) + " class");
            })
        .CloseRequest("TForm6")
        .CloseRequest("TForm14")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "You can not exit the combat window! You need to fight!");
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm14", [](ui::Form&) { EndCombat(); });
    ShowCombatScreen();
    EXPECT_EQ(sweepsAt[2], 1);
    EXPECT_EQ(sweepsAt[1], 2);
    EXPECT_EQ(sweepsAt[3], 1);
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_EQ(G().CombatMayClose, 1);
    // A battle decided before its screen came up (the enemy's first turn) does not open it.
    const int shows = f.ShowCount();
    GameUpcalls().ShowCombatScreen();
    EXPECT_EQ(f.ShowCount(), shows);
}

// A battle won by clicks alone: the missile chosen from the action list and fired, then the
// turns ended until it strikes the enemy down; the laser, chosen when the battle opens, is never
// fired. A missile flies once: its rack is empty afterwards and leaves the list.
TEST_F(CombatScreen, ABattleIsWonWithAMissileChosenFromTheList) {
    GiveShip(1, 3);
    GiveShip(0, 1);
    const int laser = Find(EquipmentKind::LaserGun), missile = Find(EquipmentKind::Missile);
    Fit(1, {laser, missile});
    Fit(0, {});
    StartCombat();
    Enemy()[Ship::Strength] = 1;
    test::UseAnsweringBackend answering;
    int turns = 0;
    player()
        .Do("TForm14",
            [&](ui::Form&) {
                ASSERT_EQ(Form14->ComboBox1->items.size(), 2u);
                EXPECT_EQ(Form14->ComboBox1->items[1], EquipmentName(missile));
                EXPECT_EQ(Form14->ComboBox1->ItemIndex(), 0);
            })
        .SelectRow("TForm14", "ComboBox1", 1)
        .Click("TForm14", "SpeedButton4")
        .Do("TForm14", [&](ui::Form& f) {
            EXPECT_EQ(Form14->ComboBox1->items, std::vector<std::string>{EquipmentName(laser)});
            EXPECT_EQ(G().Projectiles[1][Projectile::EquipmentId], missile);
            while (G().CombatMayClose == 0 && turns < 10) {
                ui::ClickMiddle(f, *Form14->SpeedButton5);
                ++turns;
            }
        });
    ShowCombatScreen();
    EXPECT_EQ(Enemy()[Ship::Present], 0) << turns << " turns";
    EXPECT_EQ(Own()[Ship::Present], 1);
    EXPECT_EQ(G().ShipEquipment[1][1][1][Slot::Loaded], 1);  // the laser kept its charge
}

// A final death in battle, from either approach screen: the death screen's button leaves the
// fight and its approach behind, and every score screen and the high-score list show over what
// lay below them (here: nothing). The radar that swept under the fight stops with it: no line
// moves and no sonar sounds under the score.
TEST_F(CombatScreen, AFinalDeathLeavesTheFightOutOfThePictureAndTheSoundOfTheScore) {
    struct Approach {
        const char* screen;
        void (*show)();
    };
    // The raid's screen opens its wave's fight at once; the encounters first ask to close in.
    const auto raid = [] {
        BeginPlanetRaid();
        ShowPlanetRaid();
        Form33->ShowModal();
    };
    for (const Approach& approach :
         {Approach{"TForm15", ShowEncounterScreen}, Approach{"TForm20", ShowMissionEncounterScreen},
          Approach{"TForm33", raid}}) {
        SCOPED_TRACE(approach.screen);
        ClearGameEnded();
        GiveShip(1, 3);
        GiveShip(0, 1);
        Enemy()[Ship::Faction] = FactionId::Pirates;
        Fit(1, {Find(EquipmentKind::LaserGun)});
        Fit(0, {});
        GameUpcalls().KillCaptain = KillCaptain;
        Captain()[Player::LifePoints] = 0;
        std::vector<std::string> scored;
        int sonar = 0, radarTop = 0;
        const auto fightLeft = [&](ui::Form& top) {
            scored.push_back(top.ClassName());
            std::vector<std::string> drawn;
            for (const ui::Form* f : ui::App().ModalStack())
                if (f->Visible()) drawn.push_back(f->ClassName());
            EXPECT_EQ(drawn, std::vector<std::string>{top.ClassName()});
            EXPECT_TRUE(Form14->IsModal());  // its loop goes on below until the game unwinds
            // Around the score screen, where the fight and its approach lay: the black below
            // every screen (every other pixel is enough for a frame of either).
            ui::SoftwareCanvas canvas(ui::kCanvasWidth, ui::kCanvasHeight);
            canvas.DrawStack();
            const ui::Rect own{top.OriginX(), top.OriginY(), top.width, top.height};
            int lit = 0;
            for (int y = 0; y < ui::kCanvasHeight; y += 2)
                for (int x = 0; x < ui::kCanvasWidth; x += 2)
                    lit += !own.Contains(x, y) && canvas.PixelAt(x, y) != 0u;
            EXPECT_EQ(lit, 0) << top.ClassName();
            EXPECT_EQ(test::CountSound("play:Sonar.wav"), sonar) << top.ClassName();
            EXPECT_EQ(Form14->RadarLine->top, radarTop) << top.ClassName();
        };
        // Long range: the line turns back every 77 ticks of 40 ms, 3080 ms.
        constexpr int kSweepMs = 77 * 40 + 120;
        if (approach.screen == std::string("TForm33"))
            player().Click("TForm33", "SpeedButton5");  // "Continue the attack"
        else
            player()
                .Click(approach.screen, "SpeedButton1")  // stage 2
                .Click(approach.screen, "SpeedButton1")  // stage 3
                .Click(approach.screen, "SpeedButton1")
                .Click("TMessage1", "SpeedButton3");  // the attack
        player()
            .Wait("TForm14", kSweepMs)
            .Do("TForm14",
                [&](ui::Form&) {
                    EXPECT_GE(test::CountSound("play:Sonar.wav"), 1);
                    Fit(0, {});  // the raid's wave came armed: now none of its shots lands
                    Own()[Ship::Strength] = 0;
                })
            .Click("TForm14", "SpeedButton5")
            .Click("TMessage2", "SpeedButton3")  // "Defeat!!"
            .Do("TForm43",
                [](ui::Form&) {
                    EXPECT_TRUE(Form14->Visible());
                    EXPECT_TRUE(Form14->Timer1->Enabled());
                })
            .Click("TForm43", "SpeedButton1")
            .Do("TForm57", [&](ui::Form&) {
                sonar = test::CountSound("play:Sonar.wav");
                radarTop = Form14->RadarLine->top;
                EXPECT_FALSE(Form14->Timer1->Enabled());
            });
        const std::vector<std::string> score = {"TForm57", "TForm57", "TForm39", "TForm57",
                                                "TForm57", "TForm57", "TForm57", "TForm38"};
        for (const std::string& screen : score)
            player()
                .Wait(screen, kSweepMs)
                .Do(screen, fightLeft)
                .Click(screen, screen == "TForm38" ? "SpeedButton11" : "SpeedButton1");
        EXPECT_TRUE(test::FromHome(approach.show));
        EXPECT_EQ(scored, score);
        EXPECT_FALSE(Form14->IsModal());
        EXPECT_FALSE(ui::App().FindForm(approach.screen)->IsModal());
    }
}

}  // namespace
}  // namespace corvanth
