// Components as the screens rely on them: clamped positions, quiet program writes, captions.
#include "ui/component.h"

#include <gtest/gtest.h>

#include "ui/color.h"
#include "ui/form.h"

namespace ui {
namespace {

// Components need a screen to belong to; an empty one will do.
Form& Host() {
    static Form form("TNoLayoutAtAll");
    return form;
}

TEST(Components, BarsClampTheirPositionAndProgramWritesFireNoChange) {
    ScrollBar bar(Host(), "ScrollBar1");
    int changes = 0;
    bar.OnChange = [&] { ++changes; };
    bar.SetRange(0, 10);
    bar.SetPosition(25);
    EXPECT_EQ(bar.Position(), 10);
    bar.SetPosition(-3);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(changes, 0);
    bar.PlayerSetPosition(4);
    bar.PlayerSetPosition(4);  // no move, no event
    EXPECT_EQ(changes, 1);
    bar.SetRange(0, 2);
    EXPECT_EQ(bar.Position(), 2);

    ProgressBar progress(Host(), "ProgressBar1");
    progress.SetRange(0, 50);
    progress.SetPosition(80);
    EXPECT_EQ(progress.Position(), 50);
    progress.SetPosition(-1);
    EXPECT_EQ(progress.Position(), 0);
}

TEST(Components, ButtonCaptionsShowADoubledAmpersandOnce) {
    SpeedButton b(Host(), "SpeedButton1");
    b.caption = "Bars && Taverns";
    EXPECT_EQ(b.DisplayCaption(), "Bars & Taverns");
    b.caption = "&Quit";
    EXPECT_EQ(b.DisplayCaption(), "Quit");
}

TEST(Components, RadioButtonsOfOneParentExcludeEachOther) {
    RadioButton a(Host(), "RadioButton1"), b(Host(), "RadioButton2");
    Panel panel(Host(), "Panel1");
    (void)panel;
    a.SetChecked(true);
    // Both stand-alone here (no parent): siblings are found among the screen's roots only.
    EXPECT_TRUE(a.Checked());
    b.Click(0, 0, 1);
    EXPECT_TRUE(b.Checked());
}

TEST(Components, SpinEditReadsWholeNumbersOnly) {
    SpinEdit s(Host(), "SpinEdit1");
    s.SetText("42");
    EXPECT_EQ(s.Value(), 42);
    s.SetText("4x2");
    EXPECT_EQ(s.Value(-1), -1);
    s.SetText("");
    EXPECT_EQ(s.Value(7), 7);
    s.minValue = 0;
    s.maxValue = 10;
    s.SetValue(99);
    EXPECT_EQ(s.Text(), "10");
}

TEST(Components, TimersRestartTheirCountdownWhenSwitchedOnOrChanged) {
    Timer t(Host(), "Timer1");
    t.SetInterval(500);
    EXPECT_FALSE(t.Enabled());
    t.SetEnabled(true);
    EXPECT_TRUE(t.Enabled());
    EXPECT_EQ(t.Interval(), 500);
}

TEST(Colors, NamedAndNumericColoursMapToTheirRgbValues) {
    EXPECT_EQ(ParseColor("navy"), colors::Navy);
    EXPECT_EQ(ParseColor("clOlive"), colors::Olive);
    EXPECT_EQ(ParseColor("174"), (Color{174, 0, 0}));  // 0x0000AE: red byte lowest
    EXPECT_EQ(ParseColor("32768"), (Color{0, 128, 0}));
    EXPECT_EQ(ParseColor("#1a2b3c"), (Color{0x1a, 0x2b, 0x3c}));
    EXPECT_EQ(ParseColor("nocolour"), std::nullopt);
    EXPECT_EQ(ParseColor("#12345"), std::nullopt);
}

}  // namespace
}  // namespace ui
