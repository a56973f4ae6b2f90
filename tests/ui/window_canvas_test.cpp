// The window's canvas: what the window shows after frames that send only the changed places.
#include "ui/render.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/game_test.h"
#include "ui/application.h"
#include "ui/headless.h"

namespace ui {
namespace {

// A blinking hand over the lines of a group box, and a caption beside it.
class CanvasProbe : public Form {
  public:
    CanvasProbe() : Form("TProbeCanvas") {
        hand = Bind<Shape>("Hand");
        caption = Bind<Label>("Caption");
    }
    Shape* hand;
    Label* caption;
};

// Forms of the probe's own layouts: the probe, and a smaller screen that comes over it.
template <class T>
T* CreateProbe() {
    const std::string dir = LayoutDir();
    SetLayoutDir(std::string(CORVANTH_SOURCE_DIR) + "/tests/ui/forms");
    T* p = App().Create<T>();
    SetLayoutDir(dir);
    return p;
}

CanvasProbe& Probe() {
    static CanvasProbe* probe = CreateProbe<CanvasProbe>();
    return *probe;
}

class CoverProbe : public Form {
  public:
    CoverProbe() : Form("TProbeCover") {}
};

// The window that gets only the changed places, beside one drawn whole each time: the same
// pixels after each frame.
void ExpectSameFrames(OffscreenWindow& sent, OffscreenWindow& whole, const char* what) {
    sent.Frame(false);
    whole.Frame(true);
    const std::vector<uint32_t> a = sent.Pixels(), b = whole.Pixels();
    ASSERT_EQ(a.size(), b.size());
    int differ = 0, first = -1;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) {
            if (first < 0) first = static_cast<int>(i);
            ++differ;
        }
    EXPECT_EQ(differ, 0) << what << ": the first at " << first % sent.Width() << ", "
                         << first / sent.Width();
}

// The colour of the window at the middle of the probe's hand, at the window's scale.
uint32_t AtTheHand(const OffscreenWindow& window, const Form& f) {
    const int h = window.Height();
    const int x = (f.OriginX() + 140) * h / kCanvasHeight;
    const int y = (f.OriginY() + 228) * h / kCanvasHeight;
    return window.Pixels()[y * window.Width() + x];
}

class WindowCanvasTest : public corvanth::test::GameTest {};

// At a scale that is no whole number the changed places go to the window alone; after any run
// of such frames the window holds, pixel for pixel, what the whole canvas scaled at once gives.
TEST_F(WindowCanvasTest, ChangedPlacesLeaveTheWindowAsAWholeFrameWould) {
    CanvasProbe& probe = Probe();
    probe.hand->visible = false;
    probe.caption->caption = "Fire the laser";
    player().Do("TProbeCanvas", [&](Form& f) {
        // 1280 x 960 is the canvas at 1.25; 1403 x 1052 is 1.37 with a pixel's bar.
        for (const auto& [w, h] : {std::pair{1280, 960}, std::pair{1403, 1052}}) {
            SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
            OffscreenWindow sent(kCanvasWidth, kCanvasHeight);
            OffscreenWindow whole(kCanvasWidth, kCanvasHeight);
            ASSERT_TRUE(sent.Open() && whole.Open());
            sent.Resize(w, h);
            whole.Resize(w, h);
            sent.Frame(true);
            const std::vector<uint32_t> before = sent.Pixels();
            if (w == 1280) {
                // The rule, canvas row 415 of #e0e040 on the ground #0b1630, spreads over two
                // window rows at 1.25. Window row j shows canvas row (j + 1/2) / 1.25 - 1/2:
                // 414 + 76/256 for j = 518, 415 + 25/256 for j = 519 (256ths rounded down). A
                // channel is (near x (256 - share) + next x share + 128) / 256, rounded down:
                // red (11 x 180 + 224 x 76 + 128) / 256 = 74, green 82, blue 53 on row 518;
                // red (224 x 231 + 11 x 25 + 128) / 256 = 203, green 204, blue 62 on row 519.
                // Column 875 shows canvas columns 699 and 700, both on the rule.
                const int x = 875;
                ASSERT_EQ(f.OriginY() + 231, 415);
                EXPECT_EQ(before[518 * w + x], 0x4a5235u);
                EXPECT_EQ(before[519 * w + x], 0xcbcc3eu);
            }
            auto frame = [&](const char* what) { ExpectSameFrames(sent, whole, what); };
            // The hand comes, moves a pixel, goes; the caption changes beside it.
            probe.hand->visible = true;
            frame("the hand came");
            // The hand's middle shows its own colour on the window.
            EXPECT_EQ(AtTheHand(sent, f), 0xc08050u);
            if (w == 1280) {
                // Across the hand's left edge, canvas column 330 of the pen #f0d0a0 beside 331
                // of the brush #c08050: window column 413 shows (413 + 1/2) / 1.25 - 1/2 =
                // 330 + 76/256, so red (240 x 180 + 192 x 76 + 128) / 256 = 226, green 184,
                // blue 136. Window row 514 shows canvas rows 411 and 412, both inside the hand.
                ASSERT_EQ(f.OriginX() + 118, 330);
                EXPECT_EQ(sent.Pixels()[514 * w + 413], 0xe2b888u);
            }
            probe.hand->left += 1;
            probe.hand->top -= 1;
            frame("the hand moved");
            probe.caption->caption = "Fire the missile";
            frame("the caption changed");
            probe.hand->visible = false;
            probe.hand->left -= 1;
            probe.hand->top += 1;
            probe.caption->caption = "Fire the laser";
            frame("the hand went");
            EXPECT_EQ(sent.Pixels(), before);
        }
    });
    // A smaller screen comes over the probe beside the hand, which belongs to the screen on top
    // only: it shows neither as it comes nor as it moves under the other screen, and shows again
    // once the probe is on top; every frame sends only the changed places, and they hold.
    OffscreenWindow sent(kCanvasWidth, kCanvasHeight), whole(kCanvasWidth, kCanvasHeight);
    ASSERT_TRUE(sent.Open() && whole.Open());
    sent.Resize(1280, 960);
    whole.Resize(1280, 960);
    static CoverProbe* cover = CreateProbe<CoverProbe>();
    uint32_t ground = 0;
    player().Do("TProbeCanvas", [&](Form& f) {
        sent.Frame(true);
        ground = AtTheHand(sent, f);
        cover->ShowModal();
    });
    player().Do("TProbeCover", [&](Form& top) {
        ExpectSameFrames(sent, whole, "the screen came");
        probe.hand->visible = true;
        ExpectSameFrames(sent, whole, "the hand came under it");
        EXPECT_EQ(AtTheHand(sent, probe), ground) << "the hand shows under the screen above";
        probe.hand->left += 1;
        ExpectSameFrames(sent, whole, "the hand moved under it");
        probe.hand->left -= 1;
        top.Close();
    });
    player().Do("TProbeCanvas", [&](Form& f) {
        ExpectSameFrames(sent, whole, "the screen went");
        EXPECT_EQ(AtTheHand(sent, f), 0xc08050u);
        probe.hand->visible = false;
        f.Close();
    });
    probe.ShowModal();
}

}  // namespace
}  // namespace ui
