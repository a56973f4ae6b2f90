// Hints: the half second of rest before one shows, what makes it go, and clicks that pass it by.
#include "ui/hint.h"

#include <gtest/gtest.h>

#include <string>

#include "support/game_test.h"
#include "ui/application.h"
#include "ui/headless.h"
#include "ui/render.h"

namespace ui {
namespace {

// Button1 carries a hint and Button2 lies right below it; Label1 has none of its own inside the
// hinted Panel1; Edit1 has none at all.
class HintProbe : public Form {
  public:
    HintProbe() : Form("TProbeHint") {
        Bind<SpeedButton>("Button1")->OnClick = [this] { ++clicks1; };
        Bind<SpeedButton>("Button2")->OnClick = [this] { ++clicks2; };
        Bind<SpeedButton>("Button3")->OnClick = [this] { Close(); };
    }
    int clicks1 = 0, clicks2 = 0;
};

HintProbe& Probe() {
    static HintProbe* probe = [] {
        const std::string dir = LayoutDir();
        SetLayoutDir(std::string(CORVANTH_SOURCE_DIR) + "/tests/ui/forms");
        HintProbe* p = App().Create<HintProbe>();
        SetLayoutDir(dir);
        return p;
    }();
    probe->clicks1 = probe->clicks2 = 0;
    return *probe;
}

class HintTest : public corvanth::test::GameTest {};

// The probe's middle of Button1 on the canvas: the form stands centred, (1024 - 400) / 2 = 312
// and (768 - 300) / 2 = 234 from the corner; the button's middle is 70, 35 inside it.
constexpr int kPointerX = 312 + 70, kPointerY = 234 + 35;

TEST_F(HintTest, AHintComesAfterHalfASecondOfRestAndNeverTakesAClick) {
    HintProbe& probe = Probe();
    std::string before;
    player()
        .Hover("TProbeHint", "Button1")
        .Wait("TProbeHint", 499)
        .Do("TProbeHint",
            [](Form&) {
                EXPECT_FALSE(App().HintShown());
                // The window wakes to draw it at the moment it is due.
                EXPECT_EQ(App().NextRedrawDue(), App().Now() + 1);
            })
        .Wait("TProbeHint", 1)
        .Do("TProbeHint",
            [&](Form&) {
                const auto hint = App().HintShown();
                ASSERT_TRUE(hint);
                EXPECT_EQ(hint->text, "Opens nothing at all");
                // Beside the pointer: from its column, below its arrow, over Button2's top.
                EXPECT_EQ(hint->box.x, kPointerX);
                EXPECT_GT(hint->box.y, kPointerY);
                EXPECT_LT(hint->box.y, 234 + 60);
                EXPECT_GT(hint->box.y + hint->box.h, 234 + 60);
                EXPECT_FALSE(App().NextRedrawDue());
                // A press and release inside the box, over Button2: Button2 has the click.
                const int x = hint->box.x + 10, y = 234 + 62;
                ASSERT_TRUE(hint->box.Contains(x, y));
                App().MouseDown(x, y, 1);
                App().MouseUp(x, y);
                EXPECT_FALSE(App().HintShown());
            })
        // Gone until the pointer moves and rests again.
        .Wait("TProbeHint", 1000)
        .Do("TProbeHint", [](Form&) { EXPECT_FALSE(App().HintShown()); })
        // A label without a hint shows its panel's.
        .Hover("TProbeHint", "Label1")
        .Wait("TProbeHint", 500)
        .Do("TProbeHint",
            [](Form&) {
                const auto hint = App().HintShown();
                ASSERT_TRUE(hint);
                EXPECT_EQ(hint->text, "The panel's own words");
                // A move of one pixel takes it away at once and starts the rest anew.
                const Rect at = hint->box;
                App().MouseMove(at.x + 1, at.y - 20);
                EXPECT_FALSE(App().HintShown());
            })
        .Wait("TProbeHint", 500)
        .Do("TProbeHint", [](Form&) { EXPECT_TRUE(App().HintShown()); })
        // Nothing to say: nothing shows, and the window need not wake for it.
        .Hover("TProbeHint", "Edit1")
        .Do("TProbeHint", [](Form&) { EXPECT_FALSE(App().NextRedrawDue()); })
        .Wait("TProbeHint", 2000)
        .Do("TProbeHint", [](Form&) { EXPECT_FALSE(App().HintShown()); })
        // A key sends the hint away too.
        .Hover("TProbeHint", "Button1")
        .Wait("TProbeHint", 600)
        .Do("TProbeHint", [](Form&) { EXPECT_TRUE(App().HintShown()); })
        .Key("TProbeHint", 'x')
        .Do("TProbeHint", [](Form&) { EXPECT_FALSE(App().HintShown()); })
        .Click("TProbeHint", "Button3");
    probe.ShowModal();
    EXPECT_EQ(probe.clicks1, 0);
    EXPECT_EQ(probe.clicks2, 1);
    EXPECT_FALSE(App().HintShown());  // the screen went: so did its hint
}

// The hint is drawn over the screen, in the window's picture of the whole stack.
TEST_F(HintTest, TheHintIsPartOfThePicture) {
    HintProbe& probe = Probe();
    player()
        .Hover("TProbeHint", "Button1")
        .Wait("TProbeHint", 500)
        .Do("TProbeHint",
            [](Form&) {
                const auto hint = App().HintShown();
                ASSERT_TRUE(hint);
                SoftwareCanvas with(kCanvasWidth, kCanvasHeight);
                with.DrawStack();
                // Inside the box, left of its text: the box's own fill, not the screen below.
                const int x = hint->box.x + 2, y = hint->box.y + 2;
                App().MouseMove(0, 0);
                SoftwareCanvas without(kCanvasWidth, kCanvasHeight);
                without.DrawStack();
                EXPECT_NE(with.PixelAt(x, y), without.PixelAt(x, y));
            })
        .Click("TProbeHint", "Button3");
    probe.ShowModal();
}

}  // namespace
}  // namespace ui
